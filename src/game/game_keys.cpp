// Keyboard play: the cursor moved by the arrows in Puzzle mode, and Space or Return acting as a
// click on what lies under it in either mode.
#include "game/game.h"
#include "game/play_support.h"

namespace quiltra {

namespace {

std::optional<CursorStep> cursorStep(int keyCode)
{
    switch (keyCode) {
    case Key::Left: return CursorStep::Left;
    case Key::Right: return CursorStep::Right;
    case Key::Up: return CursorStep::Up;
    case Key::Down: return CursorStep::Down;
    default: return std::nullopt;
    }
}

} // namespace

// In Slider mode the arrows slide pieces (arrowSlide) and leave the cursor where it is. A key that
// finds the cursor hidden only shows it, so a key never acts on a cell the player cannot see.
bool Game::keyboardPlay(int keyCode)
{
    const std::optional<CursorStep> step = cursorStep(keyCode);
    const bool press = keyCode == Key::Space || keyCode == Key::Return;
    if (!press && !(step && program.PlayMode == Mode::Puzzle))
        return false;
    if (!puzzleInPlay(*this))
        return true;
    cursor_.setGrid(board_.gridCols(), board_.gridRows());
    if (step || !cursor_.visible()) {
        cursor_.step(step.value_or(CursorStep::Left));
        return true;
    }

    const int cell = cursor_.cell();
    if (cell < 1 || cell > board_.puzzle().count())
        return true;
    const int k = board_.puzzle().pieceAt(cell);
    keyClick_ = true;
    if (board_.piece(k).Visible)
        image2_Click(k);
    else
        // The empty cell of a Slider game: a press there slides the selected neighbour in.
        picture2_mousedown(board_.homeLeft(cell), board_.homeTop(cell));
    keyClick_ = false;
    return true;
}

} // namespace quiltra
