// The drive, folder and file lists, the View box and the preview image of the picture windows.
#include "pictures/ui/browse_lists.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "pictures/file_patterns.h"
#include "pictures/folder_label.h"
#include "platform/ui/native_path.h"
#include "platform/ui/volumes.h"
#include "platform/window_units.h"

namespace quiltra {

namespace {

// Each level of the folder tree is drawn this many pixels further right, icon and all.
constexpr int kIndentPixels = 8;
constexpr int kLevelRole = Qt::UserRole + 1;

class FolderIndent : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.adjust(kIndentPixels * index.data(kLevelRole).toInt(), 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
};

std::vector<std::string> toStd(const std::vector<QString>& list)
{
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(toNativePath(s));
    return out;
}

} // namespace

void placeTwips(QWidget* element, double left, double top, double width, double height)
{
    element->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
}

void placeWindowTwips(QWidget* window, double left, double top, double outerWidth,
                      double outerHeight)
{
    window->setFixedSize(pixels(outerWidth - kFrameWidthTwips),
                         pixels(outerHeight - kDialogFrameHeightTwips));
    window->move(pixels(left), pixels(top));
}

void useWindowFont(QWidget* window)
{
    QFont font = window->font();
    font.setPointSizeF(8);
    window->setFont(font);
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, double boldPoints)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    if (boldPoints > 0) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSizeF(boldPoints);
        label->setFont(font);
    }
    return label;
}

QString cleanFolder(const QString& folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

QString pathIn(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

DriveList::DriveList(QWidget* parent) : QComboBox(parent) { reread(); }

void DriveList::reread()
{
    const QString current = drive();
    const QSignalBlocker block(this);
    clear();
    for (const QString& root : pictureVolumes())
        addItem(root, root);
    // After the volumes, the player's own folders, where their pictures usually are.
    for (const QString& path : playerFolders()) {
        if (findData(path) < 0)
            addItem(path, path);
    }
    const int at = findData(current);
    setCurrentIndex(at >= 0 ? at : 0);
}

QString DriveList::drive() const { return currentData().toString(); }

void DriveList::showDriveOf(const QString& folder)
{
    std::vector<QString> roots;
    for (int i = 0; i < count(); ++i)
        roots.push_back(itemData(i).toString());
    const QString root = fromNativePath(volumeHolding(toNativePath(folder), toStd(roots)));
    const int at = findData(root.isEmpty() ? QStringLiteral("/") : root);
    const QSignalBlocker block(this);
    if (at >= 0)
        setCurrentIndex(at);
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new FolderIndent(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        QString error;
        const QString target = item->data(Qt::UserRole).toString();
        if (target != path_ && !setPath(target, error))
            emit failed(error);
    });
}

bool FolderList::setPath(const QString& folder, QString& error)
{
    const QString clean = cleanFolder(folder);
    if (!isFolder(clean)) {
        error = QCoreApplication::translate("Messages", "Path not found");
        return false;
    }
    if (!canEnterFolder(clean)) {
        error = QCoreApplication::translate("Messages", "Path/File access error");
        return false;
    }
    path_ = clean;
    reread();
    emit pathChanged();
    return true;
}

void FolderList::reread()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The chain from the root down to the current folder, each one level deeper. Names show
    // readably; the item keeps the exact path.
    const auto add = [this](const QIcon& icon, const QString& name, const QString& path,
                            int level) {
        auto* item = new QListWidgetItem(icon, readableName(name), this);
        item->setData(Qt::UserRole, path);
        item->setData(kLevelRole, level);
    };
    QString at = QStringLiteral("/");
    add(open, at, at, 0);
    int level = 0;
    for (const QString& part : path_.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        at = pathIn(at, part);
        add(open, part, at, ++level);
    }
    setCurrentRow(count() - 1);
    const QStringList subfolders = folderEntries(path_, EntryKind::Folders);
    for (const QString& name : subfolders)
        add(closed, name, pathIn(path_, name), level + 1);
}

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
}

void FileList::setPath(const QString& folder)
{
    path_ = cleanFolder(folder);
    reread();
}

void FileList::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    reread();
}

void FileList::reread()
{
    clear();
    if (path_.isEmpty())
        return;
    std::vector<std::string> names;
    for (const QString& n : folderEntries(path_, EntryKind::Files))
        names.push_back(toNativePath(n));
    for (const std::string& n : filesMatching(std::move(names), toNativePath(pattern_))) {
        const QString name = fromNativePath(n);
        auto* item = new QListWidgetItem(readableName(name), this);
        item->setData(Qt::UserRole, name);
    }
}

QString FileList::fileName(const QListWidgetItem* item) const
{
    return item ? item->data(Qt::UserRole).toString() : QString();
}

QString FileList::filePath(const QListWidgetItem* item) const
{
    return item ? pathIn(path_, fileName(item)) : QString();
}

ViewBox::ViewBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

std::int16_t ViewBox::value() const
{
    switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void ViewBox::setValue(std::int16_t value)
{
    if (value == 2) {
        setCheckState(Qt::PartiallyChecked);
        return;
    }
    setTristate(false);
    setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
}

void ViewBox::nextCheckState() { setValue(value() == 1 ? 0 : 1); }

PreviewImage::PreviewImage(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void PreviewImage::showPicture(const QString& path, QImage image, QSize naturalSize)
{
    path_ = path;
    image_ = std::move(image);
    natural_ = naturalSize;
    // Stretched to the square once, not at every paint.
    setPixmap(QPixmap::fromImage(
        image_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void PreviewImage::clearPicture()
{
    path_.clear();
    image_ = QImage();
    natural_ = QSize();
    clear();
}

void PreviewImage::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace quiltra
