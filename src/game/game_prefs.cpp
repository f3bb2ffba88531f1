// The Preferences menu: the background, selection and hint colours, the sound switches and
// Save On Exit.
#include "game/game.h"
#include "game/play_support.h"
#include "platform/color_dialog.h"

namespace quiltra {

namespace {

// Every colour command pauses the clock first (a pause already in progress keeps its start, so
// the time already paused is not counted) and then asks the one colour dialog, which starts from
// the colour last chosen in it. Cancel changes nothing; the clock stays paused until the next
// click on a piece, Hint or key.
std::optional<std::uint32_t> chooseColour(Game& g)
{
    if (!g.clock().paused())
        g.pauseClock();
    if (!g.gameServices().colors)
        return std::nullopt;
    return g.gameServices().colors->choose();
}

} // namespace

// Background: the colour behind the pieces and around the game area.
void Game::mnuColor_Click()
{
    if (const std::optional<std::uint32_t> c = chooseColour(*this))
        BackColor = *c;
}

// Selection: a selection frame on view takes the new colour at once. A selected piece whose frame
// serves as its hint mark (after a Hint) or waits hidden keeps the hint colour; it takes the
// selection colour when it is shown as a selection again.
void Game::mnuSelCol_Click()
{
    const std::optional<std::uint32_t> c = chooseColour(*this);
    if (!c)
        return;
    program.SelectionColor = double(*c);
    if (const Frame* f = board_.markOf(board_.selected()); f && f->Visible && !HintsShown)
        board_.recolourMark(board_.selected(), *c);
}

// Hint: every marker frame takes the new colour, shown hint marks and hidden frames alike (a
// hidden frame waits in the hint colour), except a selection frame on view, which keeps the
// selection colour.
void Game::mnuHntCol_Click()
{
    const std::optional<std::uint32_t> c = chooseColour(*this);
    if (!c)
        return;
    program.HintColor = double(*c);
    const Frame* selection = board_.markOf(board_.selected());
    const bool selectionOnView = selection && selection->Visible && !HintsShown;
    board_.recolourMarks(*c, selectionOnView ? board_.selected() : -1);
}

// Sound Effects is the master switch: off disables Intro, Move and End, on enables them again;
// their own check marks are kept either way.
void Game::mnuEffects_Click()
{
    menus_.setSoundEffects(!menus_.items_.mnuEffects.Checked);
}

void Game::SndInt_Click() { menus_.items_.SndInt.Checked = !menus_.items_.SndInt.Checked; }

void Game::SndMv_Click() { menus_.items_.SndMv.Checked = !menus_.items_.SndMv.Checked; }

void Game::SndEnd_Click() { menus_.items_.SndEnd.Checked = !menus_.items_.SndEnd.Checked; }

void Game::mnuSv_Click() { menus_.items_.mnuSv.Checked = !menus_.items_.mnuSv.Checked; }

} // namespace quiltra
