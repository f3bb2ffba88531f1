// Takes a picture file into play from outside the Open Picture window.
#include "pictures/open_file.h"

#include <QFileInfo>

#include "game/game.h"
#include "game/sizes.h"
#include "platform/message_box.h"
#include "platform/native_path.h"
#include "platform/picture_loader.h"
#include "platform/qt_picture_clip.h"

namespace quiltra {

bool openPictureFile(Game& game, const GameRunner& runGame, QtPictureClip& clip,
                     const QString& path,
                     const std::function<void(const QString& reason)>& refused)
{
    // The file came from outside the game, so the player is told which one it was.
    auto refuse = [&](const QString& text) {
        if (refused)
            refused(text);
        const QString named = readableName(path) + QLatin1Char('\n') + text;
        game.services.messages->show(named.toStdString(), "Quiltra");
        return false;
    };
    // QFileInfo only splits the name here; the file itself is reached through its bytes.
    const QFileInfo info(path);
    const QString canonical = canonicalPath(path);
    if (!canonical.isEmpty() &&
        canonical == canonicalPath(fromNativePath(game.program.CurrentPicturePath))) {
        runGame([&] { game.finishOpenAttempt(); });
        return true;
    }
    LoadedPicture loaded = loadPicture(path);
    if (!loaded.ok())
        return refuse(loaded.error);
    if (!game.openablePicture(loaded.naturalSize.width(), loaded.naturalSize.height()))
        return refuse(QString::fromLatin1(kTooSmallMessage));

    clip.take(std::move(loaded.image), loaded.naturalSize);
    const std::string name = toNativePath(info.fileName());
    const std::string folder = toNativePath(info.absolutePath());
    runGame([&] {
        game.takeOpenedPicture(name, folder);
        game.finishOpenAttempt();
    });
    return true;
}

} // namespace quiltra
