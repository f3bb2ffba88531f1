// The Picture List Editor (Form1): its elements, load, OK, Cancel and closing.
#include "pictures/ui/picture_list_editor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "game/game.h"
#include "game/text_fields.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/file_patterns.h"
#include "pictures/ui/preview_loader.h"
#include "platform/message_box.h"
#include "platform/ui/native_path.h"

namespace quiltra {

namespace {

constexpr double kWindowWidth = 9550;
constexpr double kWindowHeight = 6750;
constexpr double kBold = 9.75;

QPushButton* addButton(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    QFont font = b->font();
    font.setBold(true);
    font.setPointSizeF(kBold);
    b->setFont(font);
    return b;
}

} // namespace

void PictureListBox::mousePressEvent(QMouseEvent* event)
{
    const int row = indexAt(event->position().toPoint()).row();
    QListWidget::mousePressEvent(event);
    emit pressed(row >= 0 ? row : currentRow());
}

// The list moves its current entry with the mouse while the button is held; the entry under the
// mouse at the release is the target, or the current one when the mouse left the entries.
void PictureListBox::mouseReleaseEvent(QMouseEvent* event)
{
    const int row = indexAt(event->position().toPoint()).row();
    QListWidget::mouseReleaseEvent(event);
    emit released(row >= 0 ? row : currentRow());
}

void PictureListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void PictureListBox::keyReleaseEvent(QKeyEvent* event)
{
    QListWidget::keyReleaseEvent(event);
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Up ||
                                   event->key() == Qt::Key_Right || event->key() == Qt::Key_Down))
        emit arrowReleased();
}

void PictureListBox::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    emit focused();
}

PictureListEditor::PictureListEditor(const ProgramState& program, PictureList& lists,
                                     QWidget* parent)
    : QWidget(parent), program_(program), lists_(lists)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(
        QCoreApplication::translate("PictureListEditor", "Quiltra - Picture List Editor"));
    useWindowFont(this);
    buildElements();
    Form_Load();
}

void PictureListEditor::buildElements()
{
    const QString title = QCoreApplication::translate(
        "PictureListEditor", "Add or remove pictures from the Picture List");
    placeTwips(addLabel(this, "Label1", title, 12), 240, 120, 9000, 420);
    placeTwips(addLabel(this, "Label2", QCoreApplication::translate("PictureListEditor", "Drives:"),
                        kBold),
               240, 660, 1200, 255);
    Drive1_ = new DriveList(this);
    Drive1_->setObjectName(QStringLiteral("Drive1"));
    placeTwips(Drive1_, 240, 900, 2175, 315);
    placeTwips(addLabel(this, "Label3",
                        QCoreApplication::translate("PictureListEditor", "Directories:"), kBold),
               240, 1320, 1800, 255);
    folderLabel_ = addLabel(this, "Label6", QString());
    placeTwips(folderLabel_, 240, 1560, 2550, 255);
    Dir1_ = new FolderList(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    placeTwips(Dir1_, 240, 1815, 2175, 2400);
    QLabel* help = addLabel(
        this, "Label4",
        //: The two blanks at the end belong to the text.
        QCoreApplication::translate("PictureListEditor",
                                    "Use the Drives and Directories boxes to find the directory "
                                    "containing the picture you want to add. The files are list in "
                                    "the Files box.  "));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(help, 240, 4380, 5250, 900);

    placeTwips(
        addLabel(this, "Label5", QCoreApplication::translate("PictureListEditor", "Files:"), kBold),
        2550, 660, 1200, 255);
    File1_ = new FileList(this);
    File1_->setObjectName(QStringLiteral("File1"));
    File1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    File1_->setPattern(QString::fromLatin1(kEditorPattern));
    File1_->installEventFilter(this);
    placeTwips(File1_, 2550, 900, 1740, 3315);

    QPushButton* add =
        addButton(this, "Add", QCoreApplication::translate("PictureListEditor", "Add ->"));
    placeTwips(add, 4380, 1800, 1260, 375);
    QPushButton* remove =
        addButton(this, "Remove", QCoreApplication::translate("PictureListEditor", "<- Remove"));
    placeTwips(remove, 4380, 2340, 1260, 375);

    placeTwips(addLabel(this, "Label7",
                        QCoreApplication::translate("PictureListEditor", "Picture List:"), kBold),
               5730, 660, 1860, 255);
    List2_ = new PictureListBox(this);
    List2_->setObjectName(QStringLiteral("List2"));
    List2_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List2_->setTextElideMode(Qt::ElideRight);
    placeTwips(List2_, 5730, 900, 1860, 3315);

    frame_ = new QWidget(this);
    frame_->setObjectName(QStringLiteral("Shape1"));
    frame_->setStyleSheet(QStringLiteral("#Shape1 { border: 1px solid black; }"));
    frame_->setAttribute(Qt::WA_StyledBackground);
    placeTwips(frame_, 7690, 850, 1600, 1600);
    Image1_ = new PreviewImage(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    placeTwips(Image1_, 7740, 900, 1500, 1500);
    Label10_ = addLabel(this, "Label10", QString());
    placeTwips(Label10_, 7740, 2520, 1500, 255);
    Label9_ =
        addLabel(this, "Label9", QCoreApplication::translate("PictureListEditor", "Checking"));
    placeTwips(Label9_, 7740, 2790, 1500, 255);
    Label9_->hide();
    View_ = new ViewBox(QCoreApplication::translate("PictureListEditor", "View"), this);
    View_->setObjectName(QStringLiteral("View"));
    placeTwips(View_, 7740, 3090, 735, 375);

    QPushButton* ok = addButton(this, "OK", QCoreApplication::translate("PictureListEditor", "OK"));
    placeTwips(ok, 5730, 5700, 1125, 375);
    QPushButton* cancel =
        addButton(this, "Cancel", QCoreApplication::translate("PictureListEditor", "Cancel"));
    placeTwips(cancel, 7005, 5700, 1125, 375);

    previews_ = new PreviewLoader(this);
    previews_->onLoaded = [this](const QString& path, LoadedPicture loaded) {
        previewLoaded(path, std::move(loaded));
    };

    connect(add, &QPushButton::clicked, this, [this] { Add_Click(); });
    connect(remove, &QPushButton::clicked, this, [this] { Remove_Click(); });
    connect(ok, &QPushButton::clicked, this, [this] { OK_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { Cancel_Click(); });
    connect(File1_, &QListWidget::itemDoubleClicked, this, [this] { Add_Click(); });
    connect(File1_, &QListWidget::itemSelectionChanged, this, [this] { file1_Click(); });
    connect(List2_, &QListWidget::itemDoubleClicked, this, [this] { Remove_Click(); });
    connect(List2_, &PictureListBox::deletePressed, this, [this] { Remove_Click(); });
    connect(List2_, &PictureListBox::pressed, this, [this](int row) { List2_MouseDown(row); });
    connect(List2_, &PictureListBox::released, this, [this](int row) { List2_MouseUp(row); });
    connect(List2_, &PictureListBox::arrowReleased, this, [this] { List2_KeyUp(); });
    connect(List2_, &PictureListBox::focused, this, [this] { List2_GotFocus(); });
    connect(View_, &QCheckBox::clicked, this, [this] { View_Click(); });
    connect(Image1_, &PreviewImage::clicked, this, [this] { Image1_Click(); });
    connect(Drive1_, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(Dir1_, &FolderList::pathChanged, this, [this] { Dir1_Change(); });
    connect(Dir1_, &FolderList::failed, this,
            [this](const QString& e) { report(e.toStdString()); });
}

// The editor starts in the program's Graphics folder (the home folder when it is gone).
void PictureListEditor::Form_Load()
{
    QString error;
    const QString graphics = fromNativePath(program_.ProgramFolder + "/Graphics");
    if (!Dir1_->setPath(isFolder(graphics) ? graphics : QDir::homePath(), error))
        Dir1_->setPath(QDir::rootPath(), error);
    Image1_->show();
    Label10_->clear();
    EditorClosedByOK = false;
}

void fillPictureList(PictureList& lists, const std::vector<std::string>& entries)
{
    lists.List1 = entries;
    lists.List3 = entries;
    lists.List2.clear();
    lists.List2.reserve(entries.size());
    for (const std::string& path : entries)
        lists.List2.push_back(displayName(path));
}

void PictureListEditor::setEntries(const std::vector<std::string>& entries)
{
    fillPictureList(lists_, entries);
    // A hidden editor fills its list box when it opens (showEvent), not at start-up.
    if (isVisible())
        refillList();
}

void PictureListEditor::refillList()
{
    // One insertion for the whole list: item by item, the view reacts to every row and a long
    // list takes seconds.
    QStringList names;
    names.reserve(qsizetype(lists_.List2.size()));
    for (const std::string& name : lists_.List2)
        names.push_back(QString::fromStdString(name));
    List2_->clear();
    List2_->addItems(names);
}

std::int16_t PictureListEditor::viewState() const { return View_->value(); }

void PictureListEditor::setViewState(std::int16_t state) { View_->setValue(state); }

QImage PictureListEditor::previewPicture() const { return Image1_->picture(); }

QSize PictureListEditor::previewNaturalSize() const { return Image1_->naturalSize(); }

QString PictureListEditor::previewPath() const { return Image1_->picturePath(); }

void PictureListEditor::report(const std::string& text)
{
    if (messages_)
        messages_->show(text, "Quiltra", MessageButtons::Ok);
}

// Opening: centred over the game window's last geometry, showing the list as it is now (Picture
// > Add may have extended it) and the folder's files as they are now, with no preview.
void PictureListEditor::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (backFromViewer_) {
        backFromViewer_ = false;
        return;
    }
    const double top = (program_.Window.Height - kWindowHeight) / 2 + program_.Window.Top;
    const double left = (program_.Window.Width - kWindowWidth) / 2 + program_.Window.Left;
    placeWindowTwips(this, left, top, kWindowWidth, kWindowHeight);
    refillList();
    File1_->reread();
    clearPreview();
}

// OK commits the working list: Save_Info writes it, it becomes the committed copy, and the
// program rebuilds the Picture menu from it.
void PictureListEditor::OK_Click()
{
    EditorClosedByOK = true;
    if (onSaveInfo)
        onSaveInfo();
    lists_.List3 = lists_.List1;
    List2_->clearSelection();
    List2_->setCurrentRow(-1);
    File1_->clearSelection();
    File1_->setCurrentRow(-1);
    clearPreview();
    hide();
    if (onClosed)
        onClosed();
}

void PictureListEditor::Cancel_Click()
{
    EditorClosedByOK = false;
    close();
}

// Cancel and the close box: the working list returns to the committed copy, display names
// included; the editor is only ever hidden.
void PictureListEditor::closeEvent(QCloseEvent* event)
{
    event->ignore();
    previews_->cancel();
    if (!EditorClosedByOK) {
        lists_.List1 = lists_.List3;
        lists_.List2.clear();
        for (const std::string& path : lists_.List1)
            lists_.List2.push_back(displayName(path));
        refillList();
    }
    hide();
    if (onClosed)
        onClosed();
}

void PictureListEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Cancel_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureListEditor::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        Form_Resize();
}

void PictureListEditor::Form_Resize()
{
    previews_->cancel();
    List2_->clearSelection();
    File1_->clearSelection();
    Label10_->hide();
}

bool PictureListEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == File1_ && event->type() == QEvent::FocusIn)
        File1_GotFocus();
    return QWidget::eventFilter(watched, event);
}

} // namespace quiltra
