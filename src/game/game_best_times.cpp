// Best times: the result of each finished game joins "times.txt", and a new best is announced by a
// banner over the whole picture.
#include <algorithm>

#include "game/game.h"
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
    if (!bestTimes_)
        bestTimes_ = loadBestTimes(program.SettingsFolder);
    return *bestTimes_;
}

bool Game::saveTimes(const BestTimes& times, std::string& error) const
{
    return saveBestTimes(program.SettingsFolder, times, error);
}

std::string Game::newBestBanner() const
{
    const bool wholePictureAfterFinish =
        GameState == State::WholePicture && Image1.Visible && !Picture2.Visible;
    return wholePictureAfterFinish ? banner_ : std::string();
}

// The intro's picture is no picture of the player's, so its finish is never a result. A results
// file that cannot be written is told once in a session; play goes on either way.
void Game::finishPlay()
{
    forgetGame();
    if (introRunning || menus_.mnuCurrent.Caption.empty())
        return;
    TimeResult result;
    result.Picture = menus_.mnuCurrent.Caption;
    result.Cols = board_.GridCols;
    result.Rows = board_.GridRows;
    result.PlayMode = program.PlayMode;
    result.Seconds = shownSeconds(clock_);
    result.Moves = counters_.moves();
    result.Hints = counters_.hints();
    result.Date = services.clock->today();

    BestTimes& times = bestTimes();
    const RecordOutcome outcome = times.record(result);
    if (!outcome.kept())
        return;
    if (outcome.newBest())
        banner_ = translate("Game", "New best time") + "  " + clock_.shortText() + "  " +
                  translate("Game", "Moves") + " " + std::to_string(result.Moves) + "  " +
                  translate("Game", "Hints") + " " + std::to_string(result.Hints);
    std::string error;
    if (!saveTimes(times, error) && !timesFailureTold_) {
        timesFailureTold_ = true;
        services.messages->show(withValue(translate("Game", "The best times could not be saved: "
                                                            "%1. They are kept until Quiltra is "
                                                            "closed."),
                                          error),
                                "Quiltra", MessageButtons::Ok);
    }
}

} // namespace quiltra
