// The Open Picture window (Form10): its elements, browsing, preview and opening a picture.
#include "pictures/ui/open_picture_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "game/game.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/file_patterns.h"
#include "pictures/folder_label.h"
#include "pictures/ui/preview_loader.h"
#include "platform/message_box.h"
#include "platform/ui/native_path.h"
#include "platform/ui/picture_loader.h"
#include "platform/translation.h"
#include "platform/ui/volumes.h"

namespace quiltra {

namespace {

constexpr double kWindowWidth = 9550;
constexpr double kWindowHeight = 6750;
constexpr double kBold = 9.75;

// The run of blanks pushes the second sentence onto a line of its own in the wrapped label.
QString instructions()
{
    return QCoreApplication::translate(
               "OpenPicture",
               "Use the Drives and Directories boxes to find the directory containing "
               "the picture you want to open. To open a file from the Files box double "
               "click on the file or select the file and then press the Open button.") +
           QString(137, QLatin1Char(' ')) +
           QCoreApplication::translate("OpenPicture",
                                       "Once opened you can add the picture to the Picture List "
                                       "by using the Add option in the Pictures menu.");
}

// A file type's entry as the box shows it, in the player's language; the pattern it stands for
// comes from the table, never from the shown text.
QString shownEntry(const FileType& type)
{
    return QString::fromStdString(translateStored("OpenPicture", type.entry));
}

// The folder of the picture in play, whichever way it came (list, Open, command line, drop,
// saved game); empty while none is in play.
std::string folderInPlay(const ProgramState& program)
{
    const std::string& path = program.CurrentPicturePath;
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// Where the window starts: the folder of the picture in play; without one, or when that folder
// no longer exists, GraphicsFolder (the last folder opened), or when that is gone too the
// program's Graphics folder, or at last the home folder.
QString startFolder(const ProgramState& program)
{
    for (const QString& folder : {fromNativePath(folderInPlay(program)),
                                  fromNativePath(program.GraphicsFolder),
                                  fromNativePath(program.ProgramFolder + "/Graphics")})
        if (!folder.isEmpty() && isFolder(folder))
            return folder;
    return QDir::homePath();
}

} // namespace

OpenPictureWindow::OpenPictureWindow(Game& game, const ProgramState& program,
                                     QtPictureClip& clip, GameRunner runGame, QWidget* parent)
    : QWidget(parent, Qt::Window), game_(game), program_(program), clip_(clip),
      runGame_(std::move(runGame))
{
    setObjectName(QStringLiteral("Form10"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(openPictureCaption());
    useWindowFont(this);
    buildElements();
    Form_Load();
}

void OpenPictureWindow::buildElements()
{
    QLabel* title =
        addLabel(this, "Label8", QCoreApplication::translate("OpenPicture", "Open a picture."), 12);
    placeTwips(title, 1800, 120, 2535, 495);
    placeTwips(
        addLabel(this, "Label2", QCoreApplication::translate("OpenPicture", "Drives:"), kBold), 480,
        600, 855, 255);
    Drive1_ = new DriveList(this);
    Drive1_->setObjectName(QStringLiteral("Drive1"));
    placeTwips(Drive1_, 480, 840, 2295, 315);
    placeTwips(
        addLabel(this, "Label3", QCoreApplication::translate("OpenPicture", "Directories:"), kBold),
        480, 1320, 1455, 255);
    Label6_ = addLabel(this, "Label6", QString());
    placeTwips(Label6_, 480, 1560, 2655, 255);
    Dir1_ = new FolderList(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    placeTwips(Dir1_, 480, 1800, 2175, 2790);
    placeTwips(addLabel(this, "Label7", QCoreApplication::translate("OpenPicture", "File Types")),
               480, 4680, 855, 255);
    FileTypes_ = new QComboBox(this);
    FileTypes_->setObjectName(QStringLiteral("FileTypes"));
    FileTypes_->setEditable(true);
    FileTypes_->setInsertPolicy(QComboBox::NoInsert);
    placeTwips(FileTypes_, 480, 4920, 2055, 315);
    placeTwips(
        addLabel(this, "Label1", QCoreApplication::translate("OpenPicture", "Files:"), kBold), 3120,
        600, 1215, 255);
    File1_ = new FileList(this);
    File1_->setObjectName(QStringLiteral("File1"));
    File1_->setPattern(QString::fromLatin1(kFileTypes[0].pattern));
    placeTwips(File1_, 3120, 840, 1935, 3990);
    Shape2_ = new QWidget(this);
    Shape2_->setObjectName(QStringLiteral("Shape2"));
    Shape2_->setStyleSheet(QStringLiteral("#Shape2 { border: 1px solid black; }"));
    Shape2_->setAttribute(Qt::WA_StyledBackground);
    Image1_ = new PreviewImage(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    placeTwips(Image1_, 5400, 960, 1500, 1500);
    Label9_ = addLabel(this, "Label9", QString());
    placeTwips(Label9_, 5400, 2760, 1335, 255);
    View_ = new ViewBox(QCoreApplication::translate("OpenPicture", "View"), this);
    View_->setObjectName(QStringLiteral("View"));
    placeTwips(View_, 5400, 3000, 735, 375);
    QLabel* help = addLabel(this, "Label4", instructions());
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(help, 5280, 3480, 3495, 1815);
    Open_ = new QPushButton(QCoreApplication::translate("OpenPicture", "Open"), this);
    Open_->setObjectName(QStringLiteral("Open"));
    Cancel_ = new QPushButton(QCoreApplication::translate("OpenPicture", "Cancel"), this);
    Cancel_->setObjectName(QStringLiteral("Cancel"));
    for (QPushButton* b : {Open_, Cancel_}) {
        QFont font = b->font();
        font.setBold(true);
        font.setPointSizeF(kBold);
        b->setFont(font);
    }
    placeTwips(Open_, 1560, 5760, 1095, 375);
    placeTwips(Cancel_, 2880, 5760, 1095, 375);

    previews_ = new PreviewLoader(this);
    previews_->onLoaded = [this](const QString& path, LoadedPicture loaded) {
        previewLoaded(path, std::move(loaded));
    };

    connect(Drive1_, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(Dir1_, &FolderList::pathChanged, this, [this] { Dir1_Change(); });
    connect(Dir1_, &FolderList::failed, this, [this](const QString& e) { report(e); });
    connect(File1_, &QListWidget::itemSelectionChanged, this, [this] { File1_Click(); });
    connect(File1_, &QListWidget::itemDoubleClicked, this, [this] { File1_DblClick(); });
    connect(FileTypes_, &QComboBox::activated, this, [this] { FileTypes_Click(); });
    connect(FileTypes_->lineEdit(), &QLineEdit::returnPressed, this, [this] { FileTypes_Enter(); });
    connect(View_, &QCheckBox::clicked, this, [this] { View_Click(); });
    connect(Image1_, &PreviewImage::clicked, this, [this] { Image1_Click(); });
    connect(Open_, &QPushButton::clicked, this, [this] { Open_Click(); });
    connect(Cancel_, &QPushButton::clicked, this, [this] { close(); });
}

void OpenPictureWindow::Form_Load()
{
    QString error;
    if (!Dir1_->setPath(startFolder(program_), error))
        Dir1_->setPath(QDir::rootPath(), error);
    View_->setValue(program_.OpenViewSetting);
    for (const FileType& type : kFileTypes)
        FileTypes_->addItem(shownEntry(type));
    Label9_->clear();
    const double top = (game_.form().Window.Height - kWindowHeight) / 2 + game_.form().Window.Top;
    const double left = (game_.form().Window.Width - kWindowWidth) / 2 + game_.form().Window.Left;
    placeWindowTwips(this, left, top, kWindowWidth, kWindowHeight);
    // The preview and its frame, 50 twips outside it; the picture is stretched to the square.
    placeTwips(Image1_, 5400, 960, 1500, 1500);
    placeTwips(Shape2_, 5350, 910, 1600, 1600);
    Image1_->hide();
}

void OpenPictureWindow::Drive1_Change()
{
    const QString root = Drive1_->drive();
    QString error;
    if (!volumeReady(root, error) || !Dir1_->setPath(root, error)) {
        report(error);
        Drive1_->showDriveOf(Dir1_->path());
    }
}

void OpenPictureWindow::Dir1_Change()
{
    const QString folder = Dir1_->path();
    if (folder != File1_->path()) {
        previews_->cancel();
        Label9_->clear();
        Image1_->clearPicture();
        Image1_->hide();
    }
    Drive1_->showDriveOf(folder);
    File1_->setPath(folder);
    Label6_->setText(QString::fromStdString(folderLabel(toNativePath(folder))));
}

void OpenPictureWindow::FileTypes_Click()
{
    const QString text = FileTypes_->currentText();
    for (const FileType& type : kFileTypes) {
        if (text != shownEntry(type))
            continue;
        const QString pattern = QString::fromLatin1(type.pattern);
        if (pattern != File1_->pattern()) {
            File1_->setPattern(pattern);
            SelectedFileName.clear();
            selectedPath_.clear();
            previews_->cancel();
            Label9_->hide();
            Image1_->hide();
        }
        return;
    }
}

// A typed pattern is taken as it is; typing one of the entries chooses that entry.
void OpenPictureWindow::FileTypes_Enter()
{
    const QString text = FileTypes_->currentText();
    for (const FileType& type : kFileTypes)
        if (text == shownEntry(type)) {
            FileTypes_Click();
            return;
        }
    File1_->setPattern(text.trimmed());
}

QListWidgetItem* OpenPictureWindow::selectedFile() const
{
    const QList<QListWidgetItem*> selected = File1_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

// The file is remembered by its full path, so the same name in another folder is a new choice.
void OpenPictureWindow::File1_Click()
{
    QListWidgetItem* item = selectedFile();
    if (!item || File1_->filePath(item) == selectedPath_)
        return;
    SelectedFileName = File1_->fileName(item);
    selectedPath_ = File1_->filePath(item);
    if (View_->previews())
        previewFile(selectedPath_);
}

void OpenPictureWindow::View_Click()
{
    if (!View_->previews()) {
        previews_->cancel();
        Image1_->hide();
        Label9_->hide();
        return;
    }
    if (!selectedFile() || selectedPath_.isEmpty())
        return;
    if (Image1_->picturePath() == selectedPath_ && !Image1_->picture().isNull()) {
        Image1_->show();
        Label9_->setText(readableName(SelectedFileName));
        Label9_->show();
        return;
    }
    previewFile(selectedPath_);
}

// The picture is decoded on a worker: the lists answer meanwhile, the caption says "Loading" and
// the preview keeps the picture it shows until the new one is ready.
void OpenPictureWindow::previewFile(const QString& path)
{
    Label9_->setText(QCoreApplication::translate("OpenPicture", "Loading"));
    Label9_->show();
    previews_->request(path, previewSide(Image1_));
}

void OpenPictureWindow::previewLoaded(const QString& path, LoadedPicture loaded)
{
    if (!loaded.ok()) {
        Label9_->hide();
        Image1_->clearPicture();
        reportFileError(loaded.error, path);
        return;
    }
    Image1_->showPicture(path, std::move(loaded.image), loaded.naturalSize);
    Image1_->show();
    Label9_->setText(readableName(SelectedFileName));
}

void OpenPictureWindow::Image1_Click()
{
    // While the next preview loads, the picture shown is not the file chosen.
    if (SelectedFileName.isEmpty() || !onViewPicture || Image1_->picture().isNull() ||
        previews_->busy())
        return;
    onViewPicture(toNativePath(SelectedFileName));
    hide();
}

QImage OpenPictureWindow::previewPicture() const { return Image1_->picture(); }

QSize OpenPictureWindow::previewNaturalSize() const { return Image1_->naturalSize(); }

QString OpenPictureWindow::previewPath() const { return Image1_->picturePath(); }

void OpenPictureWindow::report(const QString& error)
{
    if (game_.gameServices().messages)
        game_.gameServices().messages->show(error.toStdString(), "Quiltra", MessageButtons::Ok);
}

// A file that vanished since the list was read leaves the list when it is read again.
void OpenPictureWindow::reportFileError(const QString& error, const QString& path)
{
    report(error);
    if (!pathExists(path)) {
        File1_->reread();
        SelectedFileName.clear();
        selectedPath_.clear();
    }
}

void OpenPictureWindow::Form_Resize()
{
    previews_->cancel();
    Label9_->hide();
    File1_->clearSelection();
    Image1_->hide();
}

void OpenPictureWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        Form_Resize();
}

void OpenPictureWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Cancel_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void OpenPictureWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void OpenPictureWindow::Form_Unload()
{
    if (onClosed)
        onClosed(View_->value());
}

} // namespace quiltra
