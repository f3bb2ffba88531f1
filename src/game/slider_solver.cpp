// The Slider solver's entry points: checking a position, the kept tables, and the choice
// between the shortest-solution search and the reduction of a larger grid.
#include "game/slider_solver.h"

#include <algorithm>
#include <cstdlib>

#include "game/pattern_tables.h"
#include "game/shortest_search.h"
#include "game/slider_reduction.h"

namespace quiltra {

using solver::kMaxShortestCells;

SliderTables::SliderTables() = default;
SliderTables::~SliderTables() = default;

std::shared_ptr<const solver::PatternSet> SliderTables::get(int cols, int rows,
                                                            std::stop_token stop)
{
    // Held while building: a second solve of the same grid waits for the tables rather than
    // building them twice.
    const std::lock_guard lock(mutex_);
    const auto same = [&](const std::shared_ptr<const solver::PatternSet>& set) {
        return set->cols() == cols && set->rows() == rows;
    };
    const auto found = std::find_if(kept_.begin(), kept_.end(), same);
    if (found != kept_.end()) {
        std::rotate(found, found + 1, kept_.end());
        return kept_.back();
    }
    auto set = solver::PatternSet::build(cols, rows, std::move(stop));
    if (!set)
        return nullptr;
    if (kept_.size() >= 2)
        kept_.erase(kept_.begin());
    kept_.push_back(set);
    return set;
}

void SliderTables::release()
{
    const std::lock_guard lock(mutex_);
    kept_.clear();
    kept_.shrink_to_fit();
}

std::size_t SliderTables::bytes() const
{
    const std::lock_guard lock(mutex_);
    std::size_t total = 0;
    for (const auto& set : kept_)
        total += set->bytes();
    return total;
}

namespace {

bool validPosition(const SliderPosition& position)
{
    const int n = position.cols * position.rows;
    if (position.cols < 1 || position.rows < 1 || n > kMaxSolverCells ||
        int(position.cells.size()) != n)
        return false;
    std::vector<bool> seen(std::size_t(n), false);
    for (const int piece : position.cells) {
        if (piece < 0 || piece >= n || seen[std::size_t(piece)])
            return false;
        seen[std::size_t(piece)] = true;
    }
    return true;
}

int emptyCell(const SliderPosition& position)
{
    return int(std::find(position.cells.begin(), position.cells.end(), 0) -
               position.cells.begin());
}

// Positions a search may visit before it gives way (see solveSlider): about a quarter of a
// second for the corner of a reduced grid; for a grid of two lines of 8 cells about three
// seconds, which most random positions stay far under (half take under 50 ms) and about one in
// 30 runs past.
constexpr std::uint64_t kCornerBudget = 2'000'000;
constexpr std::uint64_t kShapeBudget = 50'000'000;

// A grid of one row or column: the empty cell walks to the end, each piece it passes stepping
// back by one, which is the only solution.
std::vector<int> walkToEnd(const SliderPosition& position)
{
    std::vector<int> slides;
    for (int cell = emptyCell(position) + 1; cell < int(position.cells.size()); ++cell)
        slides.push_back(cell);
    return slides;
}

// The shortest solution of the corner at (left, top) of `cells`, its pieces renumbered as a
// grid of their own; the slides come back as cells of the whole grid. A corner higher than wide
// is searched transposed (the transposition maps the finished picture onto itself, the empty
// cell's home included), so that a shape and its transpose share their tables.
SliderSolution solveCorner(int cols, int rows, const std::vector<int>& cells,
                           solver::Corner corner, SliderTables& tables,
                           const std::stop_token& stop, std::uint64_t budget)
{
    SliderSolution solution;
    const int width = cols - corner.left;
    const int height = rows - corner.top;
    const bool transposed = height > width;
    const int searchedCols = transposed ? height : width;
    const int searchedRows = transposed ? width : height;
    // The cell of the searched grid for column c and row r of the corner.
    const auto searchedCell = [&](int c, int r) {
        return transposed ? c * searchedCols + r : r * searchedCols + c;
    };
    const auto set = tables.get(searchedCols, searchedRows, stop);
    if (!set) {
        solution.outcome = SolveOutcome::Cancelled;
        return solution;
    }
    std::vector<int> local(std::size_t(width * height), 0);
    for (int r = corner.top; r < rows; ++r)
        for (int c = corner.left; c < cols; ++c) {
            const int piece = cells[std::size_t(r * cols + c)];
            const int home = piece - 1;         // pieces of the corner have their homes in it
            local[std::size_t(searchedCell(c - corner.left, r - corner.top))] =
                piece == 0 ? 0
                           : searchedCell(home % cols - corner.left, home / cols - corner.top) +
                                 1;
        }
    const solver::ShortestResult found = solver::shortestSlides(local, *set, stop, budget);
    if (found.end != solver::SearchEnd::Found) {
        solution.outcome = found.end == solver::SearchEnd::Cancelled ? SolveOutcome::Cancelled
                                                                    : SolveOutcome::Unsolvable;
        solution.complete = found.end == solver::SearchEnd::OverBudget;   // over budget
        return solution;
    }
    for (const int cell : found.slides) {
        const int c = transposed ? cell / searchedCols : cell % searchedCols;
        const int r = transposed ? cell % searchedCols : cell / searchedCols;
        solution.slides.push_back((r + corner.top) * cols + c + corner.left);
    }
    solution.outcome = SolveOutcome::Solved;
    solution.complete = true;
    return solution;
}

} // namespace

bool sliderSolvable(const SliderPosition& position)
{
    if (!validPosition(position))
        return false;
    const int n = position.cols * position.rows;
    if (position.cols == 1 || position.rows == 1) {
        int expected = 1;
        for (const int piece : position.cells)
            if (piece != 0 && piece != expected++)
                return false;
        return true;
    }
    // Parity of the permutation by its cycles, the empty cell standing for piece n.
    std::vector<bool> visited(std::size_t(n), false);
    int transpositions = 0;
    for (int start = 0; start < n; ++start) {
        int length = 0;
        for (int cell = start; !visited[std::size_t(cell)]; ++length) {
            visited[std::size_t(cell)] = true;
            const int piece = position.cells[std::size_t(cell)];
            cell = (piece == 0 ? n : piece) - 1;
        }
        if (length > 0)
            transpositions += length - 1;
    }
    const int blank = emptyCell(position);
    const int distance = (position.cols - 1 - blank % position.cols) +
                         (position.rows - 1 - blank / position.cols);
    return transpositions % 2 == distance % 2;
}

bool applySlide(SliderPosition& position, int cell)
{
    const int n = int(position.cells.size());
    if (position.cols < 1 || cell < 0 || cell >= n)
        return false;
    const int blank = emptyCell(position);
    if (blank >= n)
        return false;
    const int cols = position.cols;
    const bool beside = (cell / cols == blank / cols && std::abs(cell - blank) == 1) ||
                        std::abs(cell - blank) == cols;
    if (!beside)
        return false;
    std::swap(position.cells[std::size_t(cell)], position.cells[std::size_t(blank)]);
    return true;
}

SliderSolution solveSlider(const SliderPosition& position, SliderTables& tables,
                           std::stop_token stop, SolveExtent extent, int shortestCells)
{
    shortestCells = std::clamp(shortestCells, 4, kMaxShortestCells);
    SliderSolution solution;
    if (!validPosition(position))
        return solution;
    if (stop.stop_requested()) {
        solution.outcome = SolveOutcome::Cancelled;
        return solution;
    }
    if (!sliderSolvable(position)) {
        solution.outcome = SolveOutcome::Unsolvable;
        return solution;
    }
    const int cols = position.cols;
    const int rows = position.rows;
    if (cols == 1 || rows == 1) {
        solution.slides = walkToEnd(position);
        solution.outcome = SolveOutcome::Solved;
        solution.shortest = solution.complete = true;
        return solution;
    }
    // Grids of two rows or columns of 16 cells have the weakest bound for their size (pieces
    // pass each other only at great cost, which the tables see only within a block), and a rare
    // position takes seconds; on them, and on the corner of a reduced grid, a search that runs
    // past its budget gives way to one more line brought home and the smaller corner searched
    // (always well within budget).
    const bool slowShape = cols * rows == kMaxShortestCells && (cols == 2 || rows == 2);
    if (cols * rows <= shortestCells) {
        solution = solveCorner(cols, rows, position.cells, {}, tables, stop,
                               slowShape ? kShapeBudget : UINT64_MAX);
        solution.shortest = solution.outcome == SolveOutcome::Solved;
        if (!(solution.outcome == SolveOutcome::Unsolvable && solution.complete))
            return solution;
    }
    std::vector<int> cells = position.cells;
    std::vector<int> slides;
    const bool firstStage = extent == SolveExtent::FirstStage;
    // A grid of two lines is reduced to a corner of 12 cells: the tables of 14 and 16 cells of
    // two lines take seconds to build and megabytes to keep, and their searches seconds at
    // times, for a few slides saved on a solution of hundreds or thousands.
    const int twoLineCorner = cols == 2 || rows == 2 ? 12 : kMaxShortestCells;
    // The corner keeps at least 2 x 2 cells, the smallest grid with tables.
    for (int cornerCells =
             std::max(4, std::min({cols * rows - 1, shortestCells - slowShape, twoLineCorner}));
         ; --cornerCells) {
        solver::Corner corner;
        const solver::ReduceEnd end = solver::reduceToCorner(cols, rows, cells, slides,
                                                             cornerCells, firstStage, stop,
                                                             corner);
        if (end == solver::ReduceEnd::Cancelled || stop.stop_requested()) {
            solution.outcome = SolveOutcome::Cancelled;
            solution.slides.clear();
            return solution;
        }
        solution = SliderSolution{};
        if (end == solver::ReduceEnd::Failed) {
            solution.outcome = SolveOutcome::Unsolvable;
            return solution;
        }
        if (end == solver::ReduceEnd::Stopped) {
            solution.outcome = SolveOutcome::Solved;
            solution.slides = std::move(slides);
            return solution;
        }
        const int left = (cols - corner.left) * (rows - corner.top);
        SliderSolution rest = solveCorner(cols, rows, cells, corner, tables, stop,
                                          left > 12 ? kCornerBudget : UINT64_MAX);
        if (rest.outcome == SolveOutcome::Unsolvable && rest.complete)
            continue;                   // over budget: one more line, a smaller corner
        if (rest.outcome != SolveOutcome::Solved)
            return rest;
        slides.insert(slides.end(), rest.slides.begin(), rest.slides.end());
        solution.slides = std::move(slides);
        solution.outcome = SolveOutcome::Solved;
        solution.complete = true;
        return solution;
    }
}

} // namespace quiltra
