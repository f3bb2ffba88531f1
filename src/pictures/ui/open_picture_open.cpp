// The Open Picture window's opening of a picture: the Open button, the double click and the
// routine they share.
#include <QCoreApplication>
#include <QListWidgetItem>

#include "game/game.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/ui/open_picture_window.h"
#include "platform/ui/native_path.h"
#include "platform/ui/qt_picture_clip.h"

namespace quiltra {

QString openPictureCaption()
{
    return QCoreApplication::translate("OpenPicture", "Quiltra - Open Picture");
}

void OpenPictureWindow::File1_DblClick() { OpenSelectedPicture(); }

// The Open button also makes the file list's folder the next start folder, gives the View
// command back its "Puzzle" caption and opens the sound device on the tone file; the double
// click does none of these.
void OpenPictureWindow::Open_Click()
{
    QListWidgetItem* item = selectedFile();
    //: The window's caption while the picture %1 (its file name) loads.
    setWindowTitle(QCoreApplication::translate("OpenPicture", "Loading %1")
                       .arg(item ? item->text() : QString()));
    if (onFolderOpened)
        onFolderOpened(toNativePath(File1_->path()));
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
    // The preview already holds the decoded picture when it shows this file whole; a preview
    // decoded smaller than the file is too small for the game area.
    const auto offerPreview = [&](const std::string& requestPath) {
        if (Image1_->picturePath() == path && !Image1_->picture().isNull() &&
            Image1_->picture().size() == Image1_->naturalSize())
            clip_.offer(requestPath, Image1_->picture(), Image1_->naturalSize());
    };
    const PictureResult result =
        takePictureFile(game_, runGame_, File1_->fileName(item), File1_->path(), offerPreview);
    clip_.withdrawOffer();

    switch (result.outcome) {
    case PictureOutcome::Taken:
    case PictureOutcome::AlreadyInPlay:
        close();
        finishAttempt();
        return true;
    case PictureOutcome::Unreadable:
        setWindowTitle(openPictureCaption());
        reportFileError(QString::fromStdString(result.message), path);
        return false;
    case PictureOutcome::TooSmall:
        setWindowTitle(openPictureCaption());
        report(QString::fromStdString(result.message));
        finishAttempt();
        return false;
    }
    return false;
}

void OpenPictureWindow::finishAttempt()
{
    runGame_([this] { game_.finishOpenAttempt(); });
}

} // namespace quiltra
