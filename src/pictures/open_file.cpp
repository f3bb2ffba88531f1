// Takes a picture file into play from outside the Open Picture window.
#include "pictures/open_file.h"

#include <QFileInfo>

#include "game/game.h"
#include "game/sizes.h"
#include "platform/message_box.h"
#include "platform/picture_loader.h"
#include "platform/qt_picture_clip.h"

namespace quiltra {

bool openPictureFile(Game& game, const GameRunner& runGame, QtPictureClip& clip,
                     const QString& path)
{
    auto refuse = [&](const QString& text) {
        game.services.messages->show(text.toStdString(), "Quiltra");
        return false;
    };
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty() &&
        canonical == QFileInfo(QString::fromStdString(game.program.CurrentPicturePath)).canonicalFilePath()) {
        runGame([&] { game.finishOpenAttempt(); });
        return true;
    }
    LoadedPicture loaded = loadPicture(path);
    if (!loaded.ok())
        return refuse(loaded.error);
    if (!game.openablePicture(loaded.naturalSize.width(), loaded.naturalSize.height()))
        return refuse(QString::fromLatin1(kTooSmallMessage));

    clip.take(std::move(loaded.image), loaded.naturalSize);
    const std::string name = info.fileName().toStdString();
    const std::string folder = info.absolutePath().toStdString();
    runGame([&] {
        game.takeOpenedPicture(name, folder);
        game.finishOpenAttempt();
    });
    return true;
}

} // namespace quiltra
