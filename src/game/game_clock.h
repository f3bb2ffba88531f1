// The game clock: when play started, the pause in progress, and the time as the caption shows it.
#pragma once

#include <optional>
#include <string>

namespace quiltra {

// Times are seconds on the game's monotonic clock, passed in by the caller, so the part never
// reads a clock of its own. The shown texts change only on tick() or clearText(): the caption
// keeps its time between ticks and while a pause lasts.
class GameClock {
public:
    // Starts a stopped clock at now, unpaused; a running clock is left as it is. True when it
    // started.
    bool start(double now);
    // A stopped clock counts nothing until start(); its shown texts stay.
    void stop() { ClockRunning = false; }
    // A pause that is already running keeps its start, so time spent paused never counts as play
    // when a second reason to pause (focus lost, a dialog opened) arrives during it.
    void pause(double now);
    // The time paused is left out: the start moves forward by the length of the pause.
    void resume(double now);
    // A loaded game: running and paused at the saved time, so the next action resumes from there.
    void restore(double now, double playedSeconds);

    // The time the title shows: a pause in progress ends it at its start; 0 while stopped.
    double played(double now) const;
    // Takes the elapsed time and the shown texts from now.
    void tick(double now);
    // The texts of a game that has not begun: " 0", "00", "00".
    void clearText();
    // When the shown second changes next (at once when the text is out of date); none while
    // stopped or paused.
    std::optional<double> nextChange(double now) const;

    bool running() const { return ClockRunning; }
    bool paused() const { return ClockPaused; }
    double startedAt() const { return ClockStart; }
    double pausedAt() const { return PauseStart; }
    double elapsed() const { return ElapsedSeconds; }
    const std::string& hours() const { return ClockHours; }
    const std::string& minutes() const { return ClockMinutes; }
    const std::string& seconds() const { return ClockSeconds; }
    // " 0:01:15": hours, minutes and seconds as the caption joins them.
    std::string text() const { return ClockHours + ":" + ClockMinutes + ":" + ClockSeconds; }
    // "0:01:15": the same without the blank that pads the hours, where the time stands alone.
    std::string shortText() const;
    // The shown time in whole seconds.
    std::int64_t shownSeconds() const;
    // How the clock shows `seconds` on its own ("0:01:15").
    static std::string shortTextFor(double seconds);

private:
    bool ClockRunning = false;
    double ClockStart = 0;
    bool ClockPaused = false;
    double PauseStart = 0;
    double ElapsedSeconds = 0;
    std::string ClockHours = " 0", ClockMinutes = "00", ClockSeconds = "00";
};

} // namespace quiltra
