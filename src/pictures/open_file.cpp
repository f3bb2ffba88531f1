// Takes a picture file into play from outside the Open Picture window.
#include "pictures/open_file.h"

#include <QFileInfo>

#include "game/game_window.h"
#include "platform/message_box.h"
#include "platform/native_path.h"

namespace quiltra {

bool isPictureFileName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("bmp") || suffix == QLatin1String("gif") ||
           suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}

bool openPictureFile(GameWindow& window, const QString& path)
{
    Game& game = window.game();
    auto refuse = [&](const QString& text) {
        game.services.messages->show(text.toStdString(), "Quiltra");
        return false;
    };
    // QFileInfo only splits the name here; the file itself is reached through its bytes.
    const QFileInfo info(path);
    const PictureRequest request =
        openedPicture(toNativePath(info.fileName()), toNativePath(info.absolutePath()));
    PictureResult result;
    window.runGame([&] {
        result = game.takePictureIntoPlay(request);
        if (result.outcome == PictureOutcome::Taken ||
            result.outcome == PictureOutcome::AlreadyInPlay)
            game.finishOpenAttempt();
    });
    if (!result.taken() && result.outcome != PictureOutcome::AlreadyInPlay)
        return refuse(QString::fromStdString(result.message));
    return true;
}

} // namespace quiltra
