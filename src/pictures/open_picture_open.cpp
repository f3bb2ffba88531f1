// The Open Picture window's opening of a picture: the Open button, the double click and the
// routine they share.
#include <QListWidgetItem>

#include "game/game.h"
#include "game/sizes.h"
#include "pictures/browse_lists.h"
#include "pictures/open_picture_window.h"
#include "platform/native_path.h"
#include "platform/picture_loader.h"
#include "platform/qt_picture_clip.h"

namespace quiltra {

namespace {

// Two paths name the same file when both exist and resolve to one file.
bool sameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString ca = canonicalPath(a);
    return !ca.isEmpty() && ca == canonicalPath(b);
}

} // namespace

QString openPictureCaption() { return QStringLiteral("Quiltra - Open Picture"); }

void OpenPictureWindow::File1_DblClick() { OpenSelectedPicture(); }

// The Open button also makes the file list's folder the next start folder, gives the View
// command back its "Puzzle" caption and opens the sound device on the tone file; the double
// click does none of these.
void OpenPictureWindow::Open_Click()
{
    QListWidgetItem* item = selectedFile();
    setWindowTitle(QStringLiteral("Loading ") + (item ? item->text() : QString()));
    game_.program.GraphicsFolder = toNativePath(File1_->path());
    const bool closed = OpenSelectedPicture();
    runGame_([this] { game_.openButtonDone(); });
    if (!closed)
        setWindowTitle(openPictureCaption());
}

// A refused or failed picture leaves the window open and the game's picture as it was. The
// picture in play (the same file, whatever its name) closes the window without being cut again.
bool OpenPictureWindow::OpenSelectedPicture()
{
    QListWidgetItem* item = selectedFile();
    if (!item) {
        finishAttempt();
        return false;
    }
    const QString path = File1_->filePath(item);
    const QString name = File1_->fileName(item);
    if (sameFile(path, fromNativePath(game_.program.CurrentPicturePath))) {
        close();
        finishAttempt();
        return true;
    }

    // The preview already holds the decoded picture when it shows this file.
    QImage image;
    QSize natural;
    if (Image1_->picturePath() == path && !Image1_->picture().isNull()) {
        image = Image1_->picture();
        natural = Image1_->naturalSize();
    } else {
        LoadedPicture loaded = loadPicture(path);
        if (!loaded.ok()) {
            setWindowTitle(openPictureCaption());
            reportFileError(loaded.error, path);
            return false;
        }
        image = std::move(loaded.image);
        natural = loaded.naturalSize;
    }
    if (!game_.openablePicture(natural.width(), natural.height())) {
        setWindowTitle(openPictureCaption());
        report(QString::fromLatin1(kTooSmallMessage));
        finishAttempt();
        return false;
    }

    clip_.take(std::move(image), natural);
    const std::string folder = toNativePath(File1_->path());
    runGame_([&] { game_.takeOpenedPicture(toNativePath(name), folder); });
    close();
    finishAttempt();
    return true;
}

void OpenPictureWindow::finishAttempt()
{
    runGame_([this] { game_.finishOpenAttempt(); });
}

} // namespace quiltra
