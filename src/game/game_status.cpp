// The status line in the window caption, the game clock, and the timer that drives the clock, the
// start-up animation and the return to the whole picture after a solved game.
#include <cmath>
#include <string>

#include "game/game.h"
#include "game/play_support.h"

namespace quiltra {

namespace {

// A counter padded with zeros in front to at least three digits: 7 is "007", 1234 stays "1234".
std::string threeDigits(int value)
{
    std::string text = std::to_string(value);
    while (text.size() < 3)
        text.insert(0, "0");
    return text;
}

// Characters as the player sees them: the bytes of a UTF-8 text that begin a character.
std::size_t shownLength(const std::string& text)
{
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

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

// The timer's delayed steps compare strictly ("more than"), so they are due just after their
// moment.
constexpr double kJustAfter = 0.001;

} // namespace

// The caption: mode, picture name, size, and during or after a game the counters and the time,
// which starts at column 76 or further right.
void Game::RefreshStatus()
{
    const std::string moves = threeDigits(MoveCount);
    const std::string hints = threeDigits(HintCount);
    const std::string a = "Quiltra - " + std::string(modeText(program.PlayMode)) + ": " +
                          shortName(mnuCurrent.Caption) + "  Size: " + mnuCurSize.Caption;
    const std::string b = a + "  Moves: " + moves + "  Hints: " + hints;
    std::string gap = " ";
    while (shownLength(b) + gap.size() < 75)
        gap += ' ';
    gap += "Time: ";
    // A game that has not begun (no hint, no move, no selection, no started clock) shows 0:00:00.
    if (HintCount == 0 && !mnuSave.Enabled && MoveCount == 0 && board.SelectedPiece == -1) {
        ClockHours = " 0";
        ClockMinutes = "00";
        ClockSeconds = "00";
    }
    if (isBeyondPicture(GameState))
        Caption = b + gap + ClockHours + ":" + ClockMinutes + ":" + ClockSeconds;
    else
        Caption = a;
}

// A pause that is already running keeps its start, so time spent paused never counts as play
// when a second reason to pause (focus lost, a dialog opened) arrives during it.
void Game::pauseClock()
{
    if (ClockPaused)
        return;
    ClockPaused = true;
    PauseStart = now();
}

// The time paused is left out: the start moves forward by the length of the pause.
void Game::resumeClock()
{
    if (ClockPaused) {
        ClockStart = now() + ClockStart - PauseStart;
        ClockPaused = false;
    }
}

// An enabled Save marks a game whose clock has started.
void Game::startClock()
{
    if (!ClockRunning) {
        ClockStart = now();
        ClockPaused = false;
        ClockRunning = true;
        mnuSave.Enabled = true;
    }
}

// Does whatever is due: the clock text (the caption follows unless paused), the intro steps, and
// two seconds after a solved game the return to the whole picture.
void Game::Timer1_Timer()
{
    if (ClockRunning) {
        ElapsedSeconds = now() - ClockStart;
        const ClockText t = clockText(ElapsedSeconds);
        ClockHours = t.hours;
        ClockMinutes = t.minutes;
        ClockSeconds = t.seconds;
        if (!ClockPaused)
            RefreshStatus();
    }

    if (GameState == State::IntroPending)
        intro();
    if (GameState == State::IntroReassembling && now() - IntroClock > 0.2) {
        IntroClock = now();
        IntroStep();
    }
    if (GameState == State::IntroFinished && now() - IntroClock > 4) {
        Caption.clear();
        introRunning = false;
        LoadRandomPicture();
        processEvents();
        mnuFile.Enabled = true;
        mnuPic.Enabled = true;
        mnuHe.Enabled = true;
        mnuPr.Enabled = true;
        if (GameState != State::NoPicture) {
            mnuV.Enabled = true;
            mnus.Enabled = true;
        } else {
            mnuAddCur.Enabled = false;
            mnuNew.Enabled = false;
        }
        prepareMoveSound();
    }

    if (FinishPending && now() - IntroClock > 2) {
        FinishPending = false;
        Picture2.Visible = false;
        Image1.Visible = true;
        Shape1.Visible = true;
        mnuView.Caption = "Puzzle";
        prepareMoveSound();
        GameState = State::WholePicture;
    }
}

// The earliest moment at which the timer has something to do. The clock's display changes when
// the elapsed time crosses a half second (it is rounded to whole seconds, ties to even), so the
// timer runs just after each such crossing, and at once when the display is out of date.
std::optional<double> Game::nextDue() const
{
    const double t = now();
    std::optional<double> due;
    const auto atOrBefore = [&due](double when) {
        if (!due || when < *due)
            due = when;
    };

    if (GameState == State::IntroPending)
        atOrBefore(t);
    if (GameState == State::IntroReassembling)
        atOrBefore(IntroClock + 0.2 + kJustAfter);
    if (GameState == State::IntroFinished)
        atOrBefore(IntroClock + 4 + kJustAfter);
    if (FinishPending)
        atOrBefore(IntroClock + 2 + kJustAfter);

    if (ClockRunning && !ClockPaused) {
        const double e = t - ClockStart;
        const ClockText shown{ClockHours, ClockMinutes, ClockSeconds};
        if (clockText(e) != shown) {
            atOrBefore(t);
        } else {
            // The first half-second mark at or after e where the shown second changes.
            double mark = std::ceil(e - 0.5) + 0.5;
            if (roundEven(mark + kJustAfter) == roundEven(e))
                mark += 1;
            atOrBefore(ClockStart + mark + kJustAfter);
        }
    }
    return due;
}

} // namespace quiltra
