// Best times: the result of each finished game joins "times.txt", and a new best is announced by a
// banner over the whole picture.
#include <algorithm>

#include "game/game.h"
#include "game/times_file.h"
#include "game/shown_text.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

// The time as the caption shows it at the finish, in whole seconds.
std::int32_t shownSeconds(const GameClock& clock)
{
    return std::int32_t(std::min<std::int64_t>(clock.shownSeconds(), kMaxResultSeconds));
}

} // namespace

BestTimes& Game::bestTimes()
{
    bestTimes_ = readTimesFile(program.SettingsFolder).times;
    for (const TimeResult& r : unsavedTimes_.listing({}))
        bestTimes_.record(r);
    return bestTimes_;
}

bool Game::saveTimes(const BestTimes& times, std::string& error)
{
    unsavedTimes_.clear();
    return saveBestTimes(program.SettingsFolder, times, error);
}

std::string Game::newBestBanner() const
{
    const bool wholePictureAfterFinish =
        GameState == State::WholePicture && Image1.Visible && !Picture2.Visible;
    return wholePictureAfterFinish ? banner_ : std::string();
}

// The intro's picture is no picture of the player's, so its finish is never a result. Each finish
// reads "times.txt" again and adds its result, so instances sharing the folder keep each other's
// results. A results file that cannot be read is kept as it is, and one that cannot be written
// keeps the old one; either is told once in a session, the session keeps its results until they
// can be written, and play goes on.
void Game::finishPlay()
{
    const bool solvedForPlayer = solveUsed();
    forgetGame();
    if (introRunning || menus_.items_.mnuCurrent.Caption.empty())
        return;
    // A game Solve played moves in is the program's result, not the player's.
    if (solvedForPlayer) {
        //: The banner over the whole picture after a game Help > Solve finished or helped finish.
        banner_ = translate("Game", "Solved for you");
        return;
    }
    TimeResult result;
    result.Picture = menus_.items_.mnuCurrent.Caption;
    result.Cols = board_.gridCols();
    result.Rows = board_.gridRows();
    result.PlayMode = program.PlayMode;
    result.Seconds = shownSeconds(clock_);
    result.Moves = counters_.moves();
    result.Hints = counters_.hints();
    result.Date = services.clock->today();

    const TimesUpdate update = addToTimesFile(program.SettingsFolder, result, unsavedTimes_);
    if (update.outcome.newBest())
        banner_ = translate("Game", "New best time") + "  " + clock_.shortText() + "  " +
                  translate("Game", "Moves") + " " + std::to_string(result.Moves) + "  " +
                  translate("Game", "Hints") + " " + std::to_string(result.Hints);
    if (update.failure == TimesUpdate::Failure::Unreadable && !timesUnreadTold_) {
        timesUnreadTold_ = true;
        //: %1 is the system's description of the failure; "times.txt" is a file name.
        services.messages->show(withValue(translate("Game", "The best times could not be read, so "
                                                            "this result was not saved: %1. "
                                                            "\"times.txt\" is left as it is, and "
                                                            "the result is kept until Quiltra is "
                                                            "closed."),
                                          update.error),
                                "Quiltra", MessageButtons::Ok);
    }
    if (update.failure == TimesUpdate::Failure::Unwritten && !timesFailureTold_) {
        timesFailureTold_ = true;
        services.messages->show(withValue(translate("Game", "The best times could not be saved: "
                                                            "%1. They are kept until Quiltra is "
                                                            "closed."),
                                          update.error),
                                "Quiltra", MessageButtons::Ok);
    }
}

} // namespace quiltra
