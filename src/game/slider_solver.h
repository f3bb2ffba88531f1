// The Slider solver: the slides that finish a Slider position, the fewest there are on grids of
// up to 16 cells, and a solution found row by row and column by column on larger grids.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <stop_token>
#include <vector>

namespace quiltra {

namespace solver {
class PatternSet;
}

// A Slider position: cols x rows cells in reading order (left to right, top to bottom, cell 0
// first). Each cell holds the number of the piece that belongs in it in the finished picture
// (cell i holds piece i + 1 when finished) or 0 for the empty cell, which is the last cell in
// the finished picture. The game's pieces 1..n with n the hidden one map onto this by n -> 0.
struct SliderPosition {
    int cols = 0;
    int rows = 0;
    std::vector<int> cells;
};

// The largest grid the solver takes: more than any grid the Size menu offers.
inline constexpr int kMaxSolverCells = 1023;

enum class SolveOutcome {
    Solved,       // `slides` finishes the picture (empty when it already is)
    Cancelled,    // the stop token was requested; `slides` is empty
    Unsolvable,   // no sequence of slides finishes this position
    Invalid,      // not a position: cells missing, repeated or out of range, or too large a grid
};

// How much of the solution to work out. A larger grid is solved in stages, each ending with
// more pieces home for good; FirstStage stops after the first stage that slides anything, which
// is the start of the whole solution, found in a fraction of its time. On grids of up to 16
// cells the whole solution is always worked out.
enum class SolveExtent { Whole, FirstStage };

struct SliderSolution {
    SolveOutcome outcome = SolveOutcome::Invalid;
    // The cells whose pieces slide into the empty cell, one per slide, in order.
    std::vector<int> slides;
    // True when `slides` is a shortest solution (always so on grids of up to 16 cells).
    bool shortest = false;
    // False when SolveExtent::FirstStage stopped before the finished picture.
    bool complete = false;
};

// The pattern tables of the grids in play, built at first use and kept for the next solve.
// Thread-safe: the first solve of a grid shape builds its tables (a few seconds for 16 cells)
// while later ones wait for them; a solve keeps the tables it uses alive after release().
// At most two shapes are kept (a reduced larger grid may need two); the tables of one shape
// take at most kMaxTableBytes.
class SliderTables {
public:
    SliderTables();
    ~SliderTables();
    SliderTables(const SliderTables&) = delete;
    SliderTables& operator=(const SliderTables&) = delete;

    // The tables of a cols x rows grid (at most 16 cells, both sides at least 2), built now
    // unless kept; nothing when `stop` was requested before they were complete.
    std::shared_ptr<const solver::PatternSet> get(int cols, int rows, std::stop_token stop = {});
    // Forgets every table; the memory goes as soon as no solve in progress holds it.
    void release();
    // Bytes of the tables kept.
    std::size_t bytes() const;

    static constexpr std::size_t kMaxTableBytes = std::size_t(16) << 20;

private:
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<const solver::PatternSet>> kept_;   // most recent last
};

// Whether the slides of the game can reach the finished picture from `position`: on a grid of
// one row or column when the pieces are in order; otherwise when the parity of the pieces'
// permutation (the empty cell counted as piece n) equals the parity of the empty cell's
// distance from its home, as each slide changes both.
bool sliderSolvable(const SliderPosition& position);

// Works out the slides that finish `position`. Grids of up to `shortestCells` cells (at most
// 16, the default; less makes larger grids quicker to solve and their solutions longer, which
// tests use) get a shortest solution
// (iterative deepening over pattern tables); larger grids are reduced a row or a column at a
// time, each piece (or a few together, in a small region) brought home by a shortest sequence
// that leaves the pieces already placed alone, down to a corner of at most 16 cells solved with
// the fewest slides. Every stage
// places pieces for good, so the solution is finite and reaches the finished picture. The
// solution is a function of the position, and the first stage of a solve from a position on
// the way is, but for ties between equally short stages, the rest of the stage in progress.
// `stop` is checked every few thousand positions searched; a requested stop returns Cancelled
// with no slides. Memory: the tables (see SliderTables) and, on larger grids, the positions a
// stage's search met (see stage_search.h).
SliderSolution solveSlider(const SliderPosition& position, SliderTables& tables,
                           std::stop_token stop = {},
                           SolveExtent extent = SolveExtent::Whole, int shortestCells = 16);

// Slides the piece in `cell` into the empty cell; false (and nothing changes) when the cell is
// not beside the empty cell.
bool applySlide(SliderPosition& position, int cell);

} // namespace quiltra
