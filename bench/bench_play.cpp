// Play on the real game window (offscreen): shuffles, one move from click to repaint, the solved
// check, full repaints and the status line, at 4 x 4 and at the largest grid offered.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench_inputs.h"
#include "bench_rig.h"
#include "support/game_parts.h"
#include "game/ui/board_widget.h"
#include "game/ui/game_window.h"

namespace quiltra::bench {

namespace {

// One program for every play benchmark: a 4000 x 3000 photo chosen in the largest window, which
// offers 20x15=300 pieces, the largest grid there is. The list also holds a small photo, so that
// the big one is chosen after the window has its size, as a player would.
ProgramRig& rig()
{
    static ProgramRig* program = [] {
        auto* r = new ProgramRig({inputPath(Input::Jpeg1MP), inputPath(Input::Jpeg12MP)});
        r->chooseScreenSize(5);
        r->choosePicture(0);
        r->choosePicture(1);
        return r;
    }();
    return *program;
}

// Lays the board out as `grid` ("4x4" is the intro's grid, the others come from the Size menu)
// and starts a game in `mode`. False when the grid is not there.
bool setUp(benchmark::State& state, const std::string& grid, const std::string& mode, int pieces)
{
    ProgramRig& r = rig();
    if (grid == "4x4") {
        r.window().runGame([&r] {
            GameParts::board(r.game()).GridCols = 4;
            GameParts::board(r.game()).GridRows = 4;
            GameParts::menus(r.game()).mnuCurSize.showSize(SizeItem::of(Grid{4, 4}));
            r.game().Divide_Pic();
        });
    } else if (!r.chooseSize(grid)) {
        state.SkipWithError("the size is not offered");
        return false;
    }
    r.startGame(mode);
    if (r.game().board().PieceCount != pieces || !r.game().form().Picture2.Visible) {
        state.SkipWithError("the game did not start with the expected pieces");
        return false;
    }
    state.SetLabel(std::to_string(pieces) + " pieces");
    return true;
}

void BM_ShufflePuzzle(benchmark::State& state, std::string grid, int pieces)
{
    if (!setUp(state, grid, "puzzle", pieces))
        return;
    Game& g = rig().game();
    for (auto _ : state)
        g.ShufflePuzzle();
}

// The engine alone: the window's event processing during the shuffle is left out.
void BM_ShuffleSlider(benchmark::State& state, std::string grid, int pieces)
{
    if (!setUp(state, grid, "slider", pieces))
        return;
    Game& g = rig().game();
    const auto events = g.gameServices().processEvents;
    g.gameServices().processEvents = nullptr;
    for (auto _ : state)
        g.ShuffleSlider();
    g.gameServices().processEvents = events;
}

// The whole New Game > Slider command on the window: cut, two repaints while it shuffles, the
// shuffle, and the repaint of the shuffled board.
void BM_NewSliderGame(benchmark::State& state, std::string grid, int pieces)
{
    if (!setUp(state, grid, "slider", pieces))
        return;
    ProgramRig& r = rig();
    for (auto _ : state) {
        r.window().runGame([&r] { r.game().mnuSlide_Click(); });
        QCoreApplication::processEvents();
    }
}

// One Puzzle move: the second click, which exchanges two pieces, from the mouse press to the
// repainted board. The first click (the selection, with its own repaint) is not timed.
void BM_Move(benchmark::State& state, std::string grid, int pieces)
{
    if (!setUp(state, grid, "puzzle", pieces))
        return;
    ProgramRig& r = rig();
    QWidget* board = r.window().board();
    const int first = 1, second = pieces / 2;
    for (auto _ : state) {
        state.PauseTiming();
        r.clickPiece(first);
        QCoreApplication::processEvents();
        const int paints = paintsOf(board);
        state.ResumeTiming();
        r.clickPiece(second);
        QCoreApplication::processEvents();
        if (paintsOf(board) == paints) {
            state.SkipWithError("the move was not repainted");
            break;
        }
    }
}

void BM_Repaint(benchmark::State& state, std::string grid, int pieces)
{
    if (!setUp(state, grid, "puzzle", pieces))
        return;
    QWidget* board = rig().window().board();
    board->repaint();
    for (auto _ : state)
        board->repaint();
}

void BM_CheckSolved(benchmark::State& state, std::string grid, int pieces)
{
    if (!setUp(state, grid, "puzzle", pieces))
        return;
    Game& g = rig().game();
    for (auto _ : state)
        g.CheckSolved();
    if (g.form().GameState == State::Solved)
        state.SkipWithError("the shuffled board counted as solved");
}

void BM_RefreshStatus(benchmark::State& state, std::string grid, int pieces)
{
    if (!setUp(state, grid, "puzzle", pieces))
        return;
    Game& g = rig().game();
    for (auto _ : state) {
        g.RefreshStatus();
        benchmark::DoNotOptimize(g.form().Caption);
    }
}

const bool registered = [] {
    using Fn = void (*)(benchmark::State&, std::string, int);
    struct Case {
        const char* name;
        Fn fn;
        const char* grid;
        int pieces;
    };
    for (const Case& c : {Case{"ShufflePuzzle/4x4", BM_ShufflePuzzle, "4x4", 16},
                          Case{"ShufflePuzzle/20x15", BM_ShufflePuzzle, "20x15", 300},
                          Case{"ShuffleSlider/4x4", BM_ShuffleSlider, "4x4", 16},
                          Case{"ShuffleSlider/20x15", BM_ShuffleSlider, "20x15", 300},
                          Case{"NewSliderGame/window/20x15", BM_NewSliderGame, "20x15", 300},
                          Case{"Move/click-to-repaint/20x15", BM_Move, "20x15", 300},
                          Case{"CheckSolved/20x15", BM_CheckSolved, "20x15", 300},
                          Case{"Repaint/8x6", BM_Repaint, "8x6", 48},
                          Case{"Repaint/20x15", BM_Repaint, "20x15", 300},
                          Case{"RefreshStatus/20x15", BM_RefreshStatus, "20x15", 300}})
        benchmark::RegisterBenchmark(c.name, c.fn, std::string(c.grid), c.pieces)
            ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace

} // namespace quiltra::bench
