// Slider positions for the solver's tests: random solvable ones, every position of a small grid
// with its distance by breadth-first search, and an independent replay of a solution.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <unordered_map>
#include <vector>

#include "game/slider_solver.h"

namespace quiltra::test {

// A position drawn uniformly from the solvable ones: a uniform permutation, two pieces
// exchanged when it cannot be solved (a one-to-one map between the two halves).
inline SliderPosition randomSolvable(int cols, int rows, std::mt19937_64& random)
{
    SliderPosition position{cols, rows, std::vector<int>(std::size_t(cols * rows))};
    for (int i = 0; i < cols * rows; ++i)
        position.cells[std::size_t(i)] = i;
    if (cols == 1 || rows == 1) {
        // One line: only the empty cell's place varies.
        std::rotate(position.cells.begin(), position.cells.begin() + 1, position.cells.end());
        const int blank = int(random() % std::uint64_t(cols * rows));
        std::rotate(position.cells.begin() + blank, position.cells.end() - 1,
                    position.cells.end());
        return position;
    }
    std::shuffle(position.cells.begin(), position.cells.end(), random);
    if (!sliderSolvable(position)) {
        auto first = std::find_if(position.cells.begin(), position.cells.end(),
                                  [](int p) { return p != 0; });
        auto second = std::find_if(first + 1, position.cells.end(), [](int p) { return p != 0; });
        std::iter_swap(first, second);
    }
    return position;
}

// Replays the slides by the game's rule (a piece beside the empty cell slides into it) and
// tells whether every one was legal and the picture ends finished.
inline bool finishes(SliderPosition position, const std::vector<int>& slides)
{
    const int cols = position.cols;
    const int n = int(position.cells.size());
    int blank = int(std::find(position.cells.begin(), position.cells.end(), 0) -
                    position.cells.begin());
    for (const int cell : slides) {
        const int dc = std::abs(cell % cols - blank % cols);
        const int dr = std::abs(cell / cols - blank / cols);
        if (cell < 0 || cell >= n || dc + dr != 1)
            return false;
        std::swap(position.cells[std::size_t(cell)], position.cells[std::size_t(blank)]);
        blank = cell;
    }
    for (int i = 0; i < n; ++i)
        if (position.cells[std::size_t(i)] != (i + 1) % n)
            return false;
    return true;
}

// The sum of the pieces' distances from home: no solution is shorter.
inline int manhattanBound(const SliderPosition& position)
{
    int sum = 0;
    for (int i = 0; i < int(position.cells.size()); ++i) {
        const int home = position.cells[std::size_t(i)] - 1;
        if (home >= 0)
            sum += std::abs(i % position.cols - home % position.cols) +
                   std::abs(i / position.cols - home / position.cols);
    }
    return sum;
}

// Every position reachable from the finished picture of a grid of at most 16 cells, with its
// distance in slides, by breadth-first search.
class DistanceTable {
public:
    DistanceTable(int cols, int rows) : cols_(cols), rows_(rows)
    {
        const int n = cols * rows;
        std::vector<int> finished(std::size_t(n), 0);
        for (int i = 0; i < n; ++i)
            finished[std::size_t(i)] = (i + 1) % n;
        std::vector<std::uint64_t> layer{pack(finished)};
        distance_[layer.front()] = 0;
        for (int d = 1; !layer.empty(); ++d) {
            std::vector<std::uint64_t> next;
            for (const std::uint64_t key : layer) {
                std::vector<int> cells = unpack(key);
                const int blank = int(std::find(cells.begin(), cells.end(), 0) - cells.begin());
                for (const int step : {-cols, -1, 1, cols}) {
                    const int cell = blank + step;
                    if (cell < 0 || cell >= n || (std::abs(step) == 1 && cell / cols != blank / cols))
                        continue;
                    std::swap(cells[std::size_t(cell)], cells[std::size_t(blank)]);
                    const std::uint64_t moved = pack(cells);
                    if (distance_.emplace(moved, d).second)
                        next.push_back(moved);
                    std::swap(cells[std::size_t(cell)], cells[std::size_t(blank)]);
                }
            }
            layer.swap(next);
        }
    }

    int distance(const SliderPosition& position) const
    {
        const auto found = distance_.find(pack(position.cells));
        return found == distance_.end() ? -1 : found->second;
    }
    std::vector<SliderPosition> positions() const
    {
        std::vector<SliderPosition> all;
        for (const auto& [key, d] : distance_)
            all.push_back({cols_, rows_, unpack(key)});
        std::sort(all.begin(), all.end(),
                  [](const SliderPosition& a, const SliderPosition& b) { return a.cells < b.cells; });
        return all;
    }

private:
    int cols_;
    int rows_;
    std::unordered_map<std::uint64_t, int> distance_;

    static std::uint64_t pack(const std::vector<int>& cells)
    {
        std::uint64_t key = 0;
        for (const int piece : cells)
            key = key << 4 | std::uint64_t(piece);
        return key;
    }
    std::vector<int> unpack(std::uint64_t key) const
    {
        std::vector<int> cells(std::size_t(cols_ * rows_));
        for (int i = cols_ * rows_ - 1; i >= 0; --i, key >>= 4)
            cells[std::size_t(i)] = int(key & 15);
        return cells;
    }
};

} // namespace quiltra::test
