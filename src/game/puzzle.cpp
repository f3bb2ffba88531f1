// The puzzle value, its moves and the two shuffles that deal it.
#include "game/puzzle.h"

#include <algorithm>
#include <cstdlib>

#include "game/slider_walk.h"
#include "game/twips.h"
#include "platform/random_source.h"

namespace quiltra {

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

Puzzle::Puzzle(int cols, int rows, bool slider)
{
    if (cols < 1 || rows < 1)
        return;
    cols_ = cols;
    rows_ = rows;
    slider_ = slider;
    pieceAt_.resize(std::size_t(count()) + 1);
    cellOf_.resize(std::size_t(count()) + 1);
    for (int k = 0; k <= count(); ++k)
        pieceAt_[std::size_t(k)] = cellOf_[std::size_t(k)] = k;
}

std::optional<Puzzle> Puzzle::fromCells(int cols, int rows, const std::vector<int>& cellOfPiece,
                                        bool slider)
{
    Puzzle p(cols, rows, slider);
    if (p.count() == 0 || int(cellOfPiece.size()) != p.count())
        return std::nullopt;
    std::fill(p.pieceAt_.begin() + 1, p.pieceAt_.end(), 0);
    for (int k = 1; k <= p.count(); ++k) {
        const int cell = cellOfPiece[std::size_t(k - 1)];
        if (!p.contains(cell) || p.pieceAt_[std::size_t(cell)] != 0)
            return std::nullopt;
        p.pieceAt_[std::size_t(cell)] = k;
        p.cellOf_[std::size_t(k)] = cell;
    }
    return p;
}

Puzzle Puzzle::withSlider(bool slider) const
{
    Puzzle p = *this;
    p.slider_ = slider && count() > 0;
    return p;
}

int Puzzle::cellAt(int col, int row) const
{
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_)
        return 0;
    return row * cols_ + col + 1;
}

bool Puzzle::neighbours(int a, int b) const
{
    if (!contains(a) || !contains(b))
        return false;
    return std::abs(column(a) - column(b)) + std::abs(row(a) - row(b)) == 1;
}

int Puzzle::pieceAt(int cell) const
{
    return contains(cell) ? pieceAt_[std::size_t(cell)] : 0;
}

int Puzzle::cellOf(int piece) const
{
    return contains(piece) ? cellOf_[std::size_t(piece)] : 0;
}

bool Puzzle::solved() const
{
    for (int k = 1; k <= count(); ++k)
        if (cellOf_[std::size_t(k)] != k)
            return false;
    return true;
}

std::vector<int> Puzzle::misplaced() const
{
    std::vector<int> out;
    for (int k = 1; k <= count(); ++k)
        if (cellOf_[std::size_t(k)] != k)
            out.push_back(k);
    return out;
}

bool Puzzle::legal(const Move& move) const
{
    if (!contains(move.from) || !contains(move.to))
        return false;
    if (move.kind == Move::Kind::Swap)
        return true;
    return slider_ && move.to == emptyCell() && neighbours(move.from, move.to);
}

bool Puzzle::apply(const Move& move)
{
    if (!legal(move))
        return false;
    const int a = pieceAt_[std::size_t(move.from)];
    const int b = pieceAt_[std::size_t(move.to)];
    pieceAt_[std::size_t(move.from)] = b;
    pieceAt_[std::size_t(move.to)] = a;
    cellOf_[std::size_t(a)] = move.to;
    cellOf_[std::size_t(b)] = move.from;
    return true;
}

Puzzle dealPuzzle(int cols, int rows, RandomSource& random)
{
    random.seedFromClock();
    const int n = cols >= 1 && rows >= 1 ? cols * rows : 0;
    std::vector<int> cells(std::size_t(n), 0);
    std::vector<bool> taken(std::size_t(n) + 1, false);
    for (int i = 1; i <= n; ++i) {
        int b = 0;
        do {
            // Single precision, as the draw is: u < 1 keeps u x n below n.
            b = std::clamp(int(truncate(random.next() * float(n))) + 1, 1, n);
        } while (taken[std::size_t(b)]);
        taken[std::size_t(b)] = true;
        cells[std::size_t(i - 1)] = b;
    }
    return Puzzle::fromCells(cols, rows, cells, false).value_or(Puzzle(cols, rows));
}

Puzzle shuffleSlider(int cols, int rows, RandomSource& random)
{
    random.seedFromClock();
    Puzzle p(cols, rows, true);
    for (const int to : sliderWalk(cols, rows, p.emptyCell(), p.count(), random))
        p.apply(Move::slide(to, p.emptyCell()));
    return p;
}

} // namespace quiltra
