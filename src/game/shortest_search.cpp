// Iterative deepening (IDA*) over the slides of a grid of at most 16 cells. The bound of a
// position is its Manhattan distance plus twice the pattern tables' stored excess, the larger of
// the views' look-ups where the tables have several (see PatternSet::views), and on a square
// grid at least its walking distance; all are admissible and consistent, so the first solution
// found within the deepening limit is a shortest one.
#include "game/shortest_search.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace quiltra::solver {

namespace {

constexpr int kMaxGroups = 2 * kMaxShortestCells;
constexpr int kMaxGroupSize = 8;
// Longer than any shortest solution of a grid of 16 cells; a limit past it means a position
// that cannot be solved slipped through.
constexpr int kMaxDepth = 1000;

class Deepening {
public:
    Deepening(const std::vector<int>& cells, const PatternSet& tables, std::stop_token stop,
              std::uint64_t budget)
        : tables_(tables), stop_(std::move(stop)), budget_(budget)
    {
        const GridShape& shape = tables.shape();
        n_ = shape.cells();
        cols_ = shape.cols;
        for (int c = 0; c < n_; ++c) {
            neighbours_[std::size_t(c)] = shape.neighbours(c);
            mirrorCell_[std::size_t(c)] = std::int8_t((c % cols_) * cols_ + c / cols_);
        }
        for (int p = 1; p < n_; ++p)
            for (int c = 0; c < n_; ++c)
                distance_[std::size_t(p)][std::size_t(c)] =
                    std::int8_t(std::abs(c % cols_ - (p - 1) % cols_) +
                                std::abs(c / cols_ - (p - 1) / cols_));
        for (int c = 0; c < n_; ++c) {
            const int p = cells[std::size_t(c)];
            board_[std::size_t(c)] = std::int8_t(p);
            if (p == 0) {
                blank_ = c;
                continue;
            }
            manhattan_ += distance_[std::size_t(p)][std::size_t(c)];
            place(p, c);
        }
        walking_ = tables.walking();
        if (walking_) {
            std::array<std::array<std::int8_t, 4>, 4> rows{};
            std::array<std::array<std::int8_t, 4>, 4> columns{};
            for (int c = 0; c < n_; ++c) {
                const int p = cells[std::size_t(c)];
                if (p == 0)
                    continue;
                ++rows[std::size_t(c / cols_)][std::size_t((p - 1) / cols_)];
                ++columns[std::size_t(c % cols_)][std::size_t((p - 1) % cols_)];
            }
            walkRows_ = walking_->state(rows, blank_ / cols_);
            walkColumns_ = walking_->state(columns, blank_ % cols_);
            // A count no state has means an unsolvable position; the bound is then left out.
            if (walkRows_ < 0 || walkColumns_ < 0)
                walking_ = nullptr;
        }
        for (int v = 0; v < tables.views(); ++v) {
            std::array<bool, kMaxGroups> inView{};
            for (int p = 1; p < n_; ++p)
                inView[std::size_t(tables.groupOf(v, p))] = true;
            for (int g = 0; g < tables.groupCount(); ++g) {
                if (!inView[std::size_t(g)])
                    continue;
                excess_[v][std::size_t(g)] =
                    tables.excess(g, groupCells_[v][std::size_t(g)].data());
                sum_[v] += excess_[v][std::size_t(g)];
            }
        }
    }

    int bound() const
    {
        const int pattern = manhattan_ + 2 * *std::max_element(sum_.begin(), sum_.end());
        return walking_ ? std::max(pattern, walking_->distance(walkRows_) +
                                                walking_->distance(walkColumns_))
                        : pattern;
    }

    ShortestResult run()
    {
        ShortestResult result;
        int limit = bound();
        while (limit <= kMaxDepth) {
            next_ = std::numeric_limits<int>::max();
            path_.clear();
            if (search(0, limit, -1)) {
                result.slides = path_;
                break;
            }
            if (end_ != SearchEnd::Found) {
                result.end = end_;
                break;
            }
            limit = next_;
        }
        if (limit > kMaxDepth)
            result.end = SearchEnd::OverBudget;
        result.nodes = nodes_;
        return result;
    }

private:
    const PatternSet& tables_;
    std::stop_token stop_;
    std::uint64_t budget_;
    std::uint64_t nodes_ = 0;
    SearchEnd end_ = SearchEnd::Found;
    int n_ = 0;
    int cols_ = 0;
    int blank_ = 0;
    int manhattan_ = 0;
    const WalkingDistance* walking_ = nullptr;
    int walkRows_ = 0;
    int walkColumns_ = 0;
    int next_ = 0;
    std::array<int, kMaxViews> sum_{};
    std::array<std::int8_t, kMaxShortestCells> board_{};
    std::array<std::array<std::int8_t, 5>, kMaxShortestCells> neighbours_{};
    std::array<std::int8_t, kMaxShortestCells> mirrorCell_{};
    std::array<std::array<std::int8_t, kMaxShortestCells>, kMaxShortestCells> distance_{};
    // The cells of each group's pieces by slot, view by view (a mirrored view's reflected).
    std::array<std::array<std::array<std::int8_t, kMaxGroupSize>, kMaxGroups>, kMaxViews>
        groupCells_{};
    std::array<std::array<int, kMaxGroups>, kMaxViews> excess_{};
    std::vector<int> path_;

    int mirrorPiece(int p) const { return mirrorCell_[std::size_t(p - 1)] + 1; }

    // The piece that stands for p in view v: its reflection in a mirrored view.
    int viewPiece(int v, int p) const
    {
        return tables_.mirrored(v) ? mirrorPiece(p) : p;
    }

    // Records piece p at cell c in the group cells of each view (reflected in a mirrored view).
    void place(int p, int c)
    {
        for (int v = 0; v < tables_.views(); ++v) {
            const int q = viewPiece(v, p);
            groupCells_[std::size_t(v)][std::size_t(tables_.groupOf(v, q))]
                       [std::size_t(tables_.slotOf(v, q))] =
                tables_.mirrored(v) ? mirrorCell_[std::size_t(c)] : std::int8_t(c);
        }
    }

    // Depth-first within `limit` from a position `depth` slides from the start; `previous` is
    // the cell the empty cell just left, never entered again at once.
    bool search(int depth, int limit, int previous)
    {
        if (manhattan_ == 0)
            return true;
        if ((++nodes_ & 0x3FFF) == 0 && stop_.stop_requested()) {
            end_ = SearchEnd::Cancelled;
            return false;
        }
        if (nodes_ > budget_) {
            end_ = SearchEnd::OverBudget;
            return false;
        }
        const int from = blank_;
        for (const std::int8_t cell : neighbours_[std::size_t(from)]) {
            if (cell < 0)
                break;
            if (cell == previous)
                continue;
            const int p = board_[std::size_t(cell)];
            const int manhattan = manhattan_ - distance_[std::size_t(p)][std::size_t(cell)] +
                                  distance_[std::size_t(p)][std::size_t(from)];
            if (depth + 1 + manhattan > limit) {
                next_ = std::min(next_, depth + 1 + manhattan);
                continue;
            }
            // The walking distance first: two reads, no rank to compute.
            int walkRows = walkRows_;
            int walkColumns = walkColumns_;
            int f = depth + 1 + manhattan;
            if (walking_) {
                if (cell / cols_ != from / cols_)
                    walkRows = walking_->next(walkRows_, cell > from, (p - 1) / cols_);
                else
                    walkColumns = walking_->next(walkColumns_, cell > from, (p - 1) % cols_);
                f = std::max(f, depth + 1 + walking_->distance(walkRows) +
                                    walking_->distance(walkColumns));
                if (f > limit) {
                    next_ = std::min(next_, f);
                    continue;
                }
            }
            place(p, from);
            // A view's look-up only matters while the views before it keep the child in.
            const int views = tables_.views();
            std::array<int, kMaxViews> group{};
            std::array<int, kMaxViews> excess{};
            std::array<int, kMaxViews> sum{};
            int looked = 0;
            for (; looked < views && f <= limit; ++looked) {
                const std::size_t v = std::size_t(looked);
                const int g = tables_.groupOf(looked, viewPiece(looked, p));
                group[v] = g;
                excess[v] = tables_.excess(g, groupCells_[v][std::size_t(g)].data());
                sum[v] = sum_[v] - excess_[v][std::size_t(g)] + excess[v];
                f = std::max(f, depth + 1 + manhattan + 2 * sum[v]);
            }
            if (f > limit) {
                next_ = std::min(next_, f);
                place(p, cell);
                continue;
            }
            // Make the slide, search on, and take it back.
            const std::array<int, kMaxViews> savedSum = sum_;
            std::array<int, kMaxViews> savedExcess{};
            for (std::size_t v = 0; v < std::size_t(views); ++v) {
                savedExcess[v] = excess_[v][std::size_t(group[v])];
                excess_[v][std::size_t(group[v])] = excess[v];
            }
            board_[std::size_t(from)] = std::int8_t(p);
            board_[std::size_t(cell)] = 0;
            blank_ = cell;
            manhattan_ = manhattan;
            sum_ = sum;
            const int savedRows = walkRows_;
            const int savedColumns = walkColumns_;
            walkRows_ = walkRows;
            walkColumns_ = walkColumns;
            path_.push_back(cell);
            if (search(depth + 1, limit, from))
                return true;
            path_.pop_back();
            for (std::size_t v = 0; v < std::size_t(views); ++v)
                excess_[v][std::size_t(group[v])] = savedExcess[v];
            sum_ = savedSum;
            walkRows_ = savedRows;
            walkColumns_ = savedColumns;
            manhattan_ = manhattan - distance_[std::size_t(p)][std::size_t(from)] +
                         distance_[std::size_t(p)][std::size_t(cell)];
            blank_ = from;
            board_[std::size_t(cell)] = std::int8_t(p);
            board_[std::size_t(from)] = 0;
            place(p, cell);
            if (end_ != SearchEnd::Found)
                return false;
        }
        return false;
    }
};

} // namespace

ShortestResult shortestSlides(const std::vector<int>& cells, const PatternSet& tables,
                              std::stop_token stop, std::uint64_t nodeBudget)
{
    if (int(cells.size()) != tables.shape().cells())
        return {SearchEnd::OverBudget, {}, 0};
    return Deepening(cells, tables, std::move(stop), nodeBudget).run();
}

int slidesLowerBound(const std::vector<int>& cells, const PatternSet& tables)
{
    if (int(cells.size()) != tables.shape().cells())
        return 0;
    return Deepening(cells, tables, {}, 0).bound();
}

} // namespace quiltra::solver
