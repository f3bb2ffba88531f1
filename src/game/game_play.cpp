// Play: clicks on pieces, on the empty cell and on the whole picture, arrow-key slides, and the
// recognition of the solved picture.
#include "game/game.h"
#include "game/play_support.h"
#include "platform/sound_device.h"

namespace quiltra {

void Game::playMoveSound()
{
    if (menus_.items_.SndMv.Checked && menus_.items_.mnuEffects.Checked)
        runCue(*services.sound, {.rewind = true, .play = true});
}

// Piece k slides into the empty cell (piece n, hidden): the two exchange places, the selection
// ends, the move may sound and is counted, and the picture is checked.
void Game::slideIntoEmpty(int k)
{
    const Puzzle before = board_.puzzle();
    const Counters countsBefore = counters_;
    const Move slide = Move::slide(before.cellOf(k), before.emptyCell());
    board_.apply(slide);
    board_.deselect();
    playMoveSound();
    counters_.countMove();
    recordMove(before, slide, countsBefore);
    RefreshStatus();
    CheckSolved();
}

// A click on piece k. It resumes or starts the clock; right after a Hint it only clears the
// marks; with no game it starts one (the clock then starts with the next click); otherwise it
// selects, and in Puzzle mode the second click exchanges the two pieces as one move.
void Game::image2_Click(int k)
{
    Board& b = board_;
    const int n = b.pieceTotal();
    if (k < 1 || k > n)
        return;
    if (!keyClick_)
        cursor_.hide();
    resumeClock();
    startClock();
    const std::uint32_t hint = frameColour(program.HintColor);
    const std::uint32_t selection = frameColour(program.SelectionColor);

    if (HintsShown) {
        HintsShown = false;
        for (int j = 1; j <= n; ++j)
            if (j != b.selected())
                b.hideMark(j, hint);
        b.showMark(b.selected(), selection);
        return;
    }
    if (GameState == State::WholePicture) {
        showWholePicture(*this);
        beginGame();
        return;
    }
    if (isBusy(GameState))
        return;
    if (b.selected() < 0 || b.selected() > n) {
        b.select(k);
        b.showMark(k, selection);
        return;
    }

    const int s = b.selected();
    b.hideMark(s, hint);
    if (program.PlayMode == Mode::Puzzle) {
        // The exchange is made at once: no window event runs between its halves. Clicking the
        // selected piece again counts a move that changes nothing and makes no sound.
        const Puzzle before = b.puzzle();
        const Counters countsBefore = counters_;
        const Move swap = Move::swap(before.cellOf(s), before.cellOf(k));
        b.apply(swap);
        counters_.countMove();
        recordMove(before, swap, countsBefore);
        RefreshStatus();
        if (k != s)
            playMoveSound();
        CheckSolved();
        b.deselect();
    } else {
        // Slider mode never exchanges two clicked pieces: the selection moves.
        b.select(k);
        b.showMark(k, selection);
    }
}

// A press on the game area where no piece shows: with a piece selected, a press on the empty
// cell (its edges included) slides the selected piece there when the two are neighbours. The
// selection frame goes either way; a refused slide keeps the selection. The clock is untouched.
void Game::picture2_mousedown(Single x, Single y)
{
    Board& b = board_;
    const int n = b.pieceTotal();
    const int s = b.selected();
    if (!keyClick_)
        cursor_.hide();
    if (n < 1 || s < 1 || s > n)
        return;
    const Piece empty = b.piece(n);
    if (!(empty.Left <= x && x <= empty.Left + b.pieceWidth() && empty.Top <= y &&
          y <= empty.Top + b.pieceHeight()))
        return;

    b.hideMark(s, frameColour(program.HintColor));
    // Cells are compared rather than positions plus one piece extent and gap: the layout rounds
    // its running cell positions, so with a piece extent holding a fraction of a twip neighbours
    // can lie a twip nearer or further than that sum.
    if (!b.puzzle().neighbours(b.puzzle().cellOf(s), b.puzzle().cellOf(n)))
        return;
    slideIntoEmpty(s);
}

// A click on the whole picture: starts a game when there is none, and returns to the puzzle when
// a game is on.
void Game::Image1_Click()
{
    if (GameState == State::WholePicture) {
        beginGame();
        menus_.offerOriginalView();
    } else if (GameState == State::Playing) {
        showPuzzle(*this);
        menus_.offerOriginalView();
    }
}

// Checks every cell, row by row, for its own piece; while hint marks are on, each misplaced piece
// gets its mark and each piece at home loses it. When every piece is home the game ends: Save and
// Hint go off, the finish sound may play, the last piece shows, the clock stops with its final
// time on the caption, and two seconds later the timer returns to the whole picture.
void Game::CheckSolved()
{
    if (GameState == State::Solved)
        return;
    Board& b = board_;
    const int cells = b.pieceTotal();
    if (cells < 1)
        return;
    const std::uint32_t hint = frameColour(program.HintColor);

    bool solved = true;
    for (int k = 1; k <= cells; ++k) {
        const bool home = b.puzzle().cellOf(k) == k;
        solved = solved && home;
        if (HintsShown) {
            if (home)
                b.hideMark(k, hint);
            else
                b.showMark(k, hint);
        }
    }

    if (solved) {
        menus_.items_.mnuSave.Enabled = false;
        menus_.items_.mnuHint.Enabled = false;
        // The device lets go of the move sound whether or not the finish sound plays.
        if (menus_.items_.SndEnd.Checked && menus_.items_.mnuEffects.Checked)
            runCue(*services.sound, {.close = true, .open = SoundEffect::Finish, .play = true});
        else
            runCue(*services.sound, {.close = true});
        HintsShown = false;
        processEvents();
        b.setVisible(b.pieceTotal(), true);
        clock_.stop();
        RefreshStatus();
        processEvents();
        IntroClock = now();
        FinishPending = true;
        finishPlay();
        GameState = State::Solved;
    } else if (HintsShown) {
        showPuzzle(*this);
    }
}

// Arrow keys during a Slider game with the puzzle on view: the neighbour of the empty cell on the
// side opposite the arrow slides into it (Left moves the piece right of the gap leftwards, Up the
// piece below it upwards). Where there is no such piece nothing happens. Otherwise it acts as a
// click on a piece does for the clock, and as a slide by mouse does for the move: it ends any
// selection, counts, may sound and checks the picture; hint marks on view follow their pieces.
void Game::arrowSlide(int keyCode)
{
    Board& b = board_;
    const int n = b.pieceTotal();
    if (GameState != State::Playing || program.PlayMode != Mode::Slider || !Picture2.Visible ||
        n < 2)
        return;
    int columnStep = 0;
    int rowStep = 0;
    switch (keyCode) {
    case Key::Left: columnStep = 1; break;
    case Key::Right: columnStep = -1; break;
    case Key::Up: rowStep = 1; break;
    case Key::Down: rowStep = -1; break;
    default: return;
    }

    const Puzzle& p = b.puzzle();
    const int emptyCell = p.cellOf(n);
    if (emptyCell < 1)
        return;
    const int k = p.pieceAt(p.cellAt(p.column(emptyCell) + columnStep, p.row(emptyCell) + rowStep));
    if (k < 1 || k == n)
        return;

    resumeClock();
    startClock();
    b.hideMark(b.selected(), frameColour(program.HintColor));
    slideIntoEmpty(k);
}

} // namespace quiltra
