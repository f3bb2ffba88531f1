// Rows and columns of a large Slider grid brought home stage by stage.
#include "game/slider_reduction.h"

#include <algorithm>

#include "game/stage_search.h"

namespace quiltra::solver {

namespace {

// The largest region whose lines go home in groups (see placeInGroups).
constexpr int kGroupedCells = 36;

class Reducer {
public:
    Reducer(int cols, int rows, std::vector<int>& cells, std::vector<int>& slides,
            bool firstStageOnly, const std::stop_token& stop)
        : cols_(cols), rows_(rows), cells_(cells), slides_(slides),
          firstStageOnly_(firstStageOnly), stop_(stop),
          fixed_(std::size_t(cols) * std::size_t(rows), false)
    {
    }

    ReduceEnd run(int cornerCells, Corner& corner)
    {
        while ((cols_ - left_) * (rows_ - top_) > cornerCells) {
            const int width = cols_ - left_;
            const int height = rows_ - top_;
            std::vector<int> line;
            const bool column = width >= height;
            if (column)
                for (int r = top_; r < rows_; ++r)
                    line.push_back(r * cols_ + left_);
            else
                for (int c = left_; c < cols_; ++c)
                    line.push_back(top_ * cols_ + c);
            const ReduceEnd end = placeLine(line, column);
            if (end != ReduceEnd::Done)
                return end;
            for (const int cell : line)
                fixed_[std::size_t(cell)] = true;
            (column ? left_ : top_) += 1;
        }
        corner = Corner{left_, top_};
        return ReduceEnd::Done;
    }

private:
    int cols_;
    int rows_;
    std::vector<int>& cells_;
    std::vector<int>& slides_;
    bool firstStageOnly_;
    const std::stop_token& stop_;
    std::vector<bool> fixed_;          // cells outside the remaining region or already home
    int left_ = 0;
    int top_ = 0;

    int cellOf(int piece) const
    {
        return int(std::find(cells_.begin(), cells_.end(), piece) - cells_.begin());
    }
    int blank() const { return cellOf(0); }

    // Runs one stage and makes its slides; Stopped after the first stage that slid anything
    // when only the first stage is wanted.
    ReduceEnd stage(const std::vector<TrackedPiece>& pieces, const std::vector<bool>& edge = {})
    {
        if (stop_.stop_requested())
            return ReduceEnd::Cancelled;
        const StageResult result =
            stageSlides(cols_, rows_, fixed_, blank(), pieces, stop_, edge);
        if (result.end == StageEnd::Cancelled)
            return ReduceEnd::Cancelled;
        if (result.end != StageEnd::Found)
            return ReduceEnd::Failed;
        int empty = blank();
        for (const int cell : result.slides) {
            std::swap(cells_[std::size_t(empty)], cells_[std::size_t(cell)]);
            empty = cell;
            slides_.push_back(cell);
        }
        if (firstStageOnly_ && !result.slides.empty())
            return ReduceEnd::Stopped;
        return ReduceEnd::Done;
    }

    // How far the window reaches from the line: three cells, or twelve on a region two cells
    // across, where the two pieces pass each other at a cost that falls with the room the
    // window gives them (60 x 2: 9,750 slides with three, 8,735 with twelve, 8,507 with
    // sixteen, against 8,045 searching them anywhere on the strip; 150 x 2 in 14, 50 and 96 ms).
    int windowLength() const
    {
        return cols_ - left_ == 2 || rows_ - top_ == 2 ? 12 : 3;
    }

    // The cells of the block at the end of a line that runs from the region's corner along its
    // left column or top row (3 x 3, or 2 x 12 on a region two cells across), inside the region
    // and not yet home.
    std::vector<bool> window(bool column) const
    {
        std::vector<bool> inside(fixed_.size(), false);
        const int length = windowLength();
        const int c0 = column ? left_ : std::max(left_, cols_ - 3);
        const int c1 = column ? std::min(left_ + length - 1, cols_ - 1) : cols_ - 1;
        const int r0 = column ? std::max(top_, rows_ - 3) : top_;
        const int r1 = column ? rows_ - 1 : std::min(top_ + length - 1, rows_ - 1);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                inside[std::size_t(r * cols_ + c)] = !fixed_[std::size_t(r * cols_ + c)];
        return inside;
    }

    // The cells of the window's side away from the placed lines, on a region two cells
    // across: the only way in, which the two pieces of a line can close.
    std::vector<bool> openSide(bool column, const std::vector<bool>& inside) const
    {
        std::vector<bool> edge(inside.size(), false);
        const int length = windowLength();
        const int far = column ? std::min(left_ + length - 1, cols_ - 1)
                               : std::min(top_ + length - 1, rows_ - 1);
        for (std::size_t cell = 0; cell < inside.size(); ++cell)
            edge[cell] = inside[cell] && (column ? int(cell) % cols_ : int(cell) / cols_) == far;
        return edge;
    }

    // Whether the region left is small and no narrower than four cells either way: there a
    // search for three pieces at once meets some tens of thousands of positions (0.35 million,
    // 46 ms, at most over 140 solves measured); in a narrow region (12 x 3) the pieces can be
    // far apart and such a search took up to 62 ms.
    bool compact() const
    {
        const int width = cols_ - left_;
        const int height = rows_ - top_;
        return width * height <= kGroupedCells && std::min(width, height) >= 4;
    }

    // A line of a compact region, its pieces home a few at a time, each group by a shortest
    // sequence of slides for all of them at once: pairs from the line's start (one alone when
    // their count is odd), then the last three, whose cornered cell takes its piece as part of
    // the group. Each group's stage depends only on the groups home before it.
    ReduceEnd placeInGroups(const std::vector<int>& line)
    {
        const int m = int(line.size());
        std::vector<int> sizes(std::size_t((m - 3) / 2), 2);
        if ((m - 3) % 2 == 1)
            sizes.push_back(1);
        sizes.push_back(3);
        int j = 0;
        for (const int size : sizes) {
            std::vector<TrackedPiece> pieces;
            bool home = true;
            for (int i = 0; i < size; ++i) {
                TrackedPiece piece;
                piece.target = line[std::size_t(j + i)];
                piece.cell = cellOf(piece.target + 1);
                home = home && piece.cell == piece.target;
                pieces.push_back(piece);
            }
            if (!home) {
                const ReduceEnd end = stage(pieces);
                if (end != ReduceEnd::Done)
                    return end;
            }
            for (const TrackedPiece& piece : pieces)
                fixed_[std::size_t(piece.target)] = true;
            j += size;
        }
        return ReduceEnd::Done;
    }

    ReduceEnd placeLine(const std::vector<int>& line, bool column)
    {
        if (compact())
            return placeInGroups(line);
        const int m = int(line.size());
        // Every cell but the last two, one piece at a time; a placed piece becomes a wall.
        for (int j = 0; j + 2 < m; ++j) {
            const int target = line[std::size_t(j)];
            if (cells_[std::size_t(target)] != target + 1) {
                TrackedPiece piece;
                piece.cell = cellOf(target + 1);
                piece.target = target;
                const ReduceEnd end = stage({piece});
                if (end != ReduceEnd::Done)
                    return end;
            }
            fixed_[std::size_t(target)] = true;
        }
        // The last two: a cornered cell cannot take its piece alone, so they go home together.
        const int first = line[std::size_t(m - 2)];
        const int last = line[std::size_t(m - 1)];
        const std::vector<bool> inside = window(column);
        const std::vector<bool> edge = m == 2 ? openSide(column, inside) : std::vector<bool>{};
        while (cells_[std::size_t(first)] != first + 1 || cells_[std::size_t(last)] != last + 1) {
            TrackedPiece a;
            a.cell = cellOf(first + 1);
            a.window = inside;
            TrackedPiece b;
            b.cell = cellOf(last + 1);
            b.window = inside;
            std::vector<TrackedPiece> pieces;
            std::vector<bool> stageEdge;
            if (!inside[std::size_t(b.cell)]) {
                pieces = {b};                           // the last piece into the window
            } else if (!inside[std::size_t(a.cell)] || windowClosed(edge, {a, b}, blank())) {
                b.confined = true;                      // then the other, the last one staying,
                pieces = {a, b};                        // leaving the empty cell a way in
                stageEdge = edge;
            } else {
                a.target = first;                       // then both home within the window
                b.target = last;
                a.confined = b.confined = true;
                pieces = {a, b};
            }
            const ReduceEnd end = stage(pieces, stageEdge);
            if (end != ReduceEnd::Done)
                return end;
        }
        return ReduceEnd::Done;
    }
};

} // namespace

ReduceEnd reduceToCorner(int cols, int rows, std::vector<int>& cells, std::vector<int>& slides,
                         int cornerCells, bool firstStageOnly, const std::stop_token& stop,
                         Corner& corner)
{
    if (cols < 2 || rows < 2 || int(cells.size()) != cols * rows)
        return ReduceEnd::Failed;
    return Reducer(cols, rows, cells, slides, firstStageOnly, stop).run(cornerCells, corner);
}

} // namespace quiltra::solver
