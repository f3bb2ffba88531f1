// The status line in the window caption, the game clock, and the timer that drives the clock, the
// start-up animation and the return to the whole picture after a solved game.
#include <string>

#include "game/game.h"
#include "game/play_support.h"
#include "game/shown_text.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

// The timer's delayed steps compare strictly ("more than"), so they are due just after their
// moment.
constexpr double kJustAfter = 0.001;

} // namespace

// The caption: mode, picture name, size, and during or after a game the counters and the time,
// which starts at column 76 or further right. The labels are the player's language; the blanks
// between the fields are the caption's own in every language.
void Game::RefreshStatus()
{
    const std::string moves = threeDigits(counters_.moves());
    const std::string hints = threeDigits(counters_.hints());
    //: A label in the window title, followed by a blank and the value.
    const std::string size = translate("Game", "Size:");
    const std::string a = titlePrefix(program.PlayMode) + shortName(menus_.items_.mnuCurrent.Caption) + "  " + size + " " +
                          menus_.items_.mnuCurSize.Caption;
    const std::string b = a + "  " + translate("Game", "Moves:") + " " + moves + "  " +
                          translate("Game", "Hints:") + " " + hints;
    std::string gap = " ";
    while (shownLength(b) + gap.size() < 75)
        gap += ' ';
    gap += translate("Game", "Time:") + " ";
    // A game that has not begun (no hint, no move, no selection, no started clock) shows 0:00:00.
    if (counters_.hints() == 0 && !menus_.items_.mnuSave.Enabled && counters_.moves() == 0 &&
        board_.selected() == -1)
        clock_.clearText();
    const bool longForm = isBeyondPicture(GameState);
    if (longForm)
        setCaption(b + gap + clock_.text());
    else
        setCaption(a);
    statusCounts_ = StatusCounts{longForm, counters_.moves(), counters_.hints(), clock_.shortText()};
    statusCaption_ = Caption;
}

StatusCounts Game::statusCounts() const
{
    StatusCounts status = statusCounts_;
    status.shown = status.shown && Caption == statusCaption_;
    return status;
}

// A pause already in progress keeps its start (see GameClock::pause).
void Game::pauseClock() { clock_.pause(now()); }

void Game::resumeClock() { clock_.resume(now()); }

// An enabled Save marks a game whose clock has started.
void Game::startClock()
{
    if (clock_.start(now()))
        menus_.items_.mnuSave.Enabled = true;
}

// Does whatever is due: the clock text (the caption follows unless paused), the intro steps, and
// two seconds after a solved game the return to the whole picture.
void Game::Timer1_Timer()
{
    if (clock_.running()) {
        clock_.tick(now());
        if (!clock_.paused())
            RefreshStatus();
    }

    if (GameState == State::IntroPending)
        intro();
    if (GameState == State::IntroReassembling && now() - IntroClock > 0.2) {
        IntroClock = now();
        IntroStep();
    }
    if (GameState == State::IntroFinished && now() - IntroClock > 4)
        endIntro();

    if (FinishPending && now() - IntroClock > 2) {
        FinishPending = false;
        Picture2.Visible = false;
        Image1.Visible = true;
        Shape1.Visible = true;
        menus_.offerPuzzleView();
        prepareMoveSound();
        GameState = State::WholePicture;
    }
    solveTimer();
}

void Game::endIntro()
{
    Caption.clear();
    introRunning = false;
    LoadRandomPicture();
    processEvents();
    menus_.items_.mnuFile.Enabled = true;
    menus_.items_.mnuPic.Enabled = true;
    menus_.items_.mnuHe.Enabled = true;
    menus_.items_.mnuPr.Enabled = true;
    if (GameState != State::NoPicture) {
        menus_.items_.mnuV.Enabled = true;
        menus_.items_.mnus.Enabled = true;
    } else {
        menus_.items_.mnuAddCur.Enabled = false;
        menus_.items_.mnuNew.Enabled = false;
    }
    // Closing the device also stops the intro sound if it is still playing.
    prepareMoveSound();
}

// Whatever step the intro has reached, its picture and pieces are replaced by the listed
// picture's, so the remaining steps are not run: the result is the same as at their end.
void Game::skipIntro()
{
    if (introRunning)
        endIntro();
}

// The earliest moment at which the timer has something to do. The clock's display changes when
// the shown second changes (see GameClock::nextChange).
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

    if (const std::optional<double> change = clock_.nextChange(t))
        atOrBefore(*change);
    if (const std::optional<double> solve = solveDue())
        atOrBefore(*solve);
    return due;
}

} // namespace quiltra
