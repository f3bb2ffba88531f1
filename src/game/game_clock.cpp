// The game clock's start, pause and resume, and the time as the caption shows it.
#include "game/game_clock.h"

#include <algorithm>
#include <cmath>

#include "game/twips.h"

namespace quiltra {

namespace {

struct ClockText {
    std::string hours, minutes, seconds;
    bool operator==(const ClockText&) const = default;
};

// Elapsed seconds as the clock shows them: rounded to whole seconds (ties to even), hours with a
// space in front when they have one digit, minutes and seconds with a zero.
ClockText clockText(double elapsed)
{
    long long e = static_cast<long long>(roundEven(elapsed));
    ClockText t{"0", "0", ""};
    if (e > 0) {
        t.hours = std::to_string(e / 3600);
        e %= 3600;
    }
    if (e > 0) {
        t.minutes = std::to_string(e / 60);
        e %= 60;
    }
    t.seconds = std::to_string(e);
    if (t.hours.size() == 1)
        t.hours.insert(0, " ");
    if (t.minutes.size() == 1)
        t.minutes.insert(0, "0");
    if (t.seconds.size() == 1)
        t.seconds.insert(0, "0");
    return t;
}

// The timer's steps compare strictly ("more than"), so they are due just after their moment.
constexpr double kJustAfter = 0.001;

} // namespace

bool GameClock::start(double now)
{
    if (ClockRunning)
        return false;
    ClockStart = now;
    ClockPaused = false;
    ClockRunning = true;
    return true;
}

void GameClock::pause(double now)
{
    if (ClockPaused)
        return;
    ClockPaused = true;
    PauseStart = now;
}

void GameClock::resume(double now)
{
    if (ClockPaused) {
        ClockStart = now + ClockStart - PauseStart;
        ClockPaused = false;
    }
}

void GameClock::restore(double now, double playedSeconds)
{
    PauseStart = now;
    ClockStart = PauseStart - playedSeconds;
    ClockPaused = true;
    ClockRunning = true;
}

double GameClock::played(double now) const
{
    const double playedUntil = ClockPaused ? PauseStart : now;
    return ClockRunning ? std::max(0.0, playedUntil - ClockStart) : 0.0;
}

void GameClock::tick(double now)
{
    ElapsedSeconds = now - ClockStart;
    ClockText t = clockText(ElapsedSeconds);
    ClockHours = std::move(t.hours);
    ClockMinutes = std::move(t.minutes);
    ClockSeconds = std::move(t.seconds);
}

std::string GameClock::shortText() const
{
    const std::string full = text();
    return full.substr(std::min(full.find_first_not_of(' '), full.size()));
}

std::int64_t GameClock::shownSeconds() const
{
    // Each part is digits with at most a padding blank in front.
    const auto number = [](const std::string& part) {
        std::int64_t value = 0;
        for (const char c : part)
            if (c >= '0' && c <= '9')
                value = value * 10 + (c - '0');
        return value;
    };
    return number(ClockHours) * 3600 + number(ClockMinutes) * 60 + number(ClockSeconds);
}

std::string GameClock::shortTextFor(double seconds)
{
    GameClock clock;
    clock.start(0);
    clock.tick(seconds);
    return clock.shortText();
}

void GameClock::clearText()
{
    ClockHours = " 0";
    ClockMinutes = "00";
    ClockSeconds = "00";
}

// The display changes when the elapsed time crosses a half second (it is rounded to whole
// seconds, ties to even), so the next change is just after the next such crossing.
std::optional<double> GameClock::nextChange(double now) const
{
    if (!ClockRunning || ClockPaused)
        return std::nullopt;
    const double e = now - ClockStart;
    const ClockText shown{ClockHours, ClockMinutes, ClockSeconds};
    if (clockText(e) != shown)
        return now;
    // The first half-second mark at or after e where the shown second changes.
    double mark = std::ceil(e - 0.5) + 0.5;
    if (roundEven(mark + kJustAfter) == roundEven(e))
        mark += 1;
    return ClockStart + mark + kJustAfter;
}

} // namespace quiltra
