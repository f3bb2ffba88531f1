// Shuffling at the start of a game: a random deal (Puzzle) or random legal slides (Slider).
#include <algorithm>
#include <vector>

#include "game/cell_grid.h"
#include "game/game.h"
#include "game/play_support.h"
#include "game/slider_walk.h"
#include "platform/random_source.h"
#include "platform/translation.h"

namespace quiltra {

// Clears the counters and shuffles in the current mode. During the start-up animation its welcome
// caption is left in place; otherwise the caption becomes the status line.
void Game::StartNewGame()
{
    forgetGame();
    counters_.reset();
    if (program.PlayMode == Mode::Puzzle)
        ShufflePuzzle();
    else
        ShuffleSlider();
    if (!introRunning) {
        rememberDeal();
        RefreshStatus();
    }
}

// Deals piece i = 1..n to a random free home cell: b = int(u x n) + 1, drawn again while b is
// taken. The result is a uniform permutation (the identity included). Taken cells are marked in
// a table of their own, so the home tables are never touched.
void Game::ShufflePuzzle()
{
    services.random->seedFromClock();
    const int n = board_.pieceTotal();
    if (int(board_.HomeLeft.size()) <= n || int(board_.HomeTop.size()) <= n)
        return;
    std::vector<bool> taken(std::size_t(n) + 1, false);
    for (int i = 1; i <= n; ++i) {
        int b = 0;
        do {
            // Single precision, as the draw is: u < 1 keeps u x n below n.
            b = std::clamp(int(truncate(services.random->next() * Single(n))) + 1, 1, n);
        } while (taken[std::size_t(b)]);
        taken[std::size_t(b)] = true;
        board_.piece(i).Left = board_.HomeLeft[std::size_t(b)];
        board_.piece(i).Top = board_.HomeTop[std::size_t(b)];
    }
    if (n >= 1)
        board_.piece(n).Visible = true;
}

namespace {

constexpr int kColumnStep[4] = {1, -1, 0, 0}; // right, left, up, down
constexpr int kRowStep[4] = {0, 0, -1, 1};

// The direction that undoes a slide in direction `last`; -1 when there is none (no slide yet, or
// an iteration that moved nothing).
int reverseOf(int last)
{
    switch (last) {
    case SlideRight: return SlideLeft;
    case SlideLeft: return SlideRight;
    case SlideUp: return SlideDown;
    case SlideDown: return SlideUp;
    default: return -1;
    }
}

} // namespace

std::vector<int> sliderWalk(int cols, int rows, int startCell, long long pieceCount,
                            RandomSource& random)
{
    std::vector<int> entered;
    if (cols < 1 || rows < 1 || startCell < 1 || startCell > cols * rows)
        return entered;
    if (cols == 1 && rows == 1)
        return entered;

    // 64-bit: n x n + 20 overflows 16 bits above 180 pieces.
    const long long n = pieceCount;
    const long long iterations = n * n + 20;
    entered.reserve(std::size_t(std::max(0LL, iterations)));
    int col = (startCell - 1) % cols;
    int row = (startCell - 1) / cols;
    int last = -1;
    const auto inside = [&](int d) {
        const int c = col + kColumnStep[d];
        const int r = row + kRowStep[d];
        // These are the grid's edge tests: a new Left below GridLeft + cols x (w + g) - g and not
        // below GridLeft, a new Top + 1 not above GridTop and below GridTop + rows x (h + g).
        return c >= 0 && c < cols && r >= 0 && r < rows;
    };
    // True when the only slide out of the current cell would undo the previous one.
    const auto cornered = [&](int undo) {
        for (int d = 0; d < 4; ++d)
            if (d != undo && inside(d))
                return false;
        return true;
    };

    for (long long i = 1; i <= iterations;) {
        int r = int(roundEven(random.next() * 5.0f));
        if (r >= 4) {
            if (i < n)
                r = SlideUp;
            else if (n < i && i < 2 * n)
                r = SlideRight;
            else if (i > 2 * n)
                r = int(roundEven(random.next() * 3.0f));
        }
        if (r <= SlideDown) {
            const int undo = reverseOf(last);
            if (r == undo && !cornered(undo))
                continue;
            if (!inside(r))
                continue;
            col += kColumnStep[r];
            row += kRowStep[r];
            entered.push_back(row * cols + col + 1);
        }
        last = r;
        ++i;
    }
    return entered;
}

// Starts from the solved picture and walks the empty piece n (the bottom-right piece) about the
// grid; every slide exchanges it with the piece in the cell it enters, exactly as a player's
// slide would, so every shuffle can be solved. The occupant of each cell is kept in a table, so a
// slide costs the same on any grid; pieces stand on distinct cells, so the occupant is the piece a
// search of pieces 1..n-1 would find first.
void Game::ShuffleSlider()
{
    Caption = translate("Game", "Randomizing puzzle");
    sliderShuffling = true;
    Divide_Pic();
    processEvents();

    const int n = board_.pieceTotal();
    const CellGrid grid = boardCells(*this);
    services.random->seedFromClock();

    const int emptyCell = n >= 1 ? grid.cellAt(board_.piece(n).Left, board_.piece(n).Top) : 0;
    if (emptyCell >= 1) {
        std::vector<int> occupant(std::size_t(grid.count()) + 1, 0);
        for (int k = n - 1; k >= 1; --k)
            if (const int cell = grid.cellAt(board_.piece(k).Left, board_.piece(k).Top))
                occupant[std::size_t(cell)] = k;

        int from = emptyCell;
        for (const int to : sliderWalk(grid.cols(), grid.rows(), emptyCell, n, *services.random)) {
            if (const int k = occupant[std::size_t(to)]) {
                board_.piece(k).Left = grid.left(from);
                board_.piece(k).Top = grid.top(from);
                occupant[std::size_t(from)] = k;
                occupant[std::size_t(to)] = 0;
            }
            from = to;
        }
        board_.piece(n).Left = grid.left(from);
        board_.piece(n).Top = grid.top(from);
    }

    Picture2.Visible = true;
    if (n >= 1)
        board_.piece(n).Visible = false;
    Image1.Visible = false;
    Shape1.Visible = false;
    menus_.mnuHint.Enabled = true;
    sliderShuffling = false;
}

} // namespace quiltra
