// Takes a picture file into play: the route every window uses, and the one files from outside the
// Open Picture window take.
#include "pictures/ui/open_file.h"

#include <QFileInfo>

#include "game/game.h"
#include "platform/message_box.h"
#include "platform/ui/native_path.h"

namespace quiltra {

PictureResult takePictureFile(Game& game, const GameRunner& runGame, const QString& fileName,
                              const QString& folder,
                              const std::function<void(const std::string& path)>& offer,
                              const std::function<void()>& inPlay)
{
    const PictureRequest request = openedPicture(toNativePath(fileName), toNativePath(folder));
    if (offer)
        offer(request.path);
    PictureResult result;
    runGame([&] {
        result = game.takePictureIntoPlay(request);
        if (inPlay && (result.outcome == PictureOutcome::Taken ||
                       result.outcome == PictureOutcome::AlreadyInPlay))
            inPlay();
    });
    return result;
}

bool openPictureFile(Game& game, const GameRunner& runGame, const QString& path,
                     const std::function<void(const QString& reason)>& refused)
{
    // The file came from outside the game, so the player is told which one it was.
    auto refuse = [&](const QString& text) {
        if (refused)
            refused(text);
        const QString named = readableName(path) + QLatin1Char('\n') + text;
        game.gameServices().messages->show(named.toStdString(), "Quiltra");
        return false;
    };
    // QFileInfo only splits the name here; the file itself is reached through its bytes.
    const QFileInfo info(path);
    const PictureResult result = takePictureFile(game, runGame, info.fileName(),
                                                 info.absolutePath(), {},
                                                 [&game] { game.finishOpenAttempt(); });
    if (!result.taken() && result.outcome != PictureOutcome::AlreadyInPlay)
        return refuse(QString::fromStdString(result.message));
    return true;
}

} // namespace quiltra
