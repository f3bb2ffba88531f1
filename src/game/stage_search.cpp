// A* over the cells of the tracked pieces and the empty cell, for one stage of the reduction.
#include "game/stage_search.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace quiltra::solver {

namespace {

constexpr int kCellBits = 10;                   // cells < 1024: a position fits 40 bits
constexpr int kMaxPieces = 3;
constexpr std::uint64_t kEmpty = std::numeric_limits<std::uint64_t>::max();

// The positions met so far: open addressing over the packed position, with the fewest slides
// found to it and the direction the empty cell came from. It doubles past half full.
class PositionTable {
public:
    PositionTable() { resize(1u << 12); }

    // The slot of `key`, new (with cost kUnseen) if it was not there.
    std::size_t find(std::uint64_t key)
    {
        if (2 * (count_ + 1) > keys_.size())
            resize(keys_.size() * 2);
        std::size_t slot = hash(key);
        while (keys_[slot] != kEmpty && keys_[slot] != key)
            slot = (slot + 1) & mask_;
        if (keys_[slot] == kEmpty) {
            keys_[slot] = key;
            cost_[slot] = kUnseen;
            ++count_;
        }
        return slot;
    }
    std::size_t lookup(std::uint64_t key) const
    {
        std::size_t slot = hash(key);
        while (keys_[slot] != key)
            slot = (slot + 1) & mask_;
        return slot;
    }

    static constexpr std::uint16_t kUnseen = std::numeric_limits<std::uint16_t>::max();
    std::vector<std::uint16_t> cost_;
    std::vector<std::uint8_t> from_;            // the direction of the slide that led here

private:
    std::vector<std::uint64_t> keys_;
    std::size_t mask_ = 0;
    std::size_t count_ = 0;

    std::size_t hash(std::uint64_t key) const
    {
        return std::size_t((key * 0x9E3779B97F4A7C15u) >> 29) & mask_;
    }
    void resize(std::size_t size)
    {
        std::vector<std::uint64_t> keys(size, kEmpty);
        std::vector<std::uint16_t> cost(size);
        std::vector<std::uint8_t> from(size);
        std::swap(keys, keys_);
        std::swap(cost, cost_);
        std::swap(from, from_);
        mask_ = size - 1;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == kEmpty)
                continue;
            std::size_t slot = hash(keys[i]);
            while (keys_[slot] != kEmpty)
                slot = (slot + 1) & mask_;
            keys_[slot] = keys[i];
            cost_[slot] = cost[i];
            from_[slot] = from[i];
        }
    }
};

struct Position {
    int blank = 0;
    std::array<int, kMaxPieces> piece{};
};

bool closed(const std::vector<bool>& edge, const std::vector<bool>& window, const int* cells,
            int count, int blank)
{
    if (edge.empty() || window.empty() || window[std::size_t(blank)])
        return false;
    for (int i = 0; i < count; ++i)
        if (!edge[std::size_t(cells[i])])
            return false;
    return true;
}

} // namespace

bool windowClosed(const std::vector<bool>& edge, const std::vector<TrackedPiece>& pieces,
                  int blank)
{
    std::array<int, kMaxPieces> cells{};
    const int count = std::min(int(pieces.size()), kMaxPieces);
    for (int i = 0; i < count; ++i)
        cells[std::size_t(i)] = pieces[std::size_t(i)].cell;
    return !pieces.empty() && closed(edge, pieces.front().window, cells.data(), count, blank);
}

StageResult stageSlides(int cols, int rows, const std::vector<bool>& fixed, int blank,
                        const std::vector<TrackedPiece>& pieces, std::stop_token stop,
                        const std::vector<bool>& edge)
{
    StageResult result;
    const int n = cols * rows;
    const int k = int(pieces.size());
    if (k < 1 || k > kMaxPieces || n >= (1 << kCellBits) || blank < 0 || blank >= n)
        return result;
    const std::array<int, 4> step{-cols, -1, 1, cols};   // up, left, right, down
    const auto manhattan = [cols](int a, int b) {
        return std::abs(a % cols - b % cols) + std::abs(a / cols - b / cols);
    };
    // A piece d cells from its goal, dx across and dy down, needs the empty cell beside it, then
    // a slide for each cell, and between two slides the empty cell's way from behind the piece
    // to its next side: two slides to turn, four (round the piece) to go on the same way, none
    // to step back, which undoes a cell. At best the piece turns at every step while both dx and
    // dy are left, then goes straight: 3 d - 3 + 2 max(0, |dx - dy| - 1) after the empty cell's
    // first reach. For each piece and cell, the least of that over the cells its stage asks for.
    std::vector<std::vector<int>> goalCost(std::size_t(k), std::vector<int>(std::size_t(n), 0));
    std::vector<std::vector<int>> goalSteps(std::size_t(k), std::vector<int>(std::size_t(n), 0));
    for (int i = 0; i < k; ++i) {
        const TrackedPiece& piece = pieces[std::size_t(i)];
        std::vector<int> goals;
        if (piece.target >= 0)
            goals.push_back(piece.target);
        else
            for (int w = 0; w < n; ++w)
                if (piece.window[std::size_t(w)])
                    goals.push_back(w);
        for (int c = 0; c < n; ++c) {
            int least = std::numeric_limits<int>::max();
            int steps = least;
            for (const int goal : goals) {
                const int dx = std::abs(c % cols - goal % cols);
                const int dy = std::abs(c / cols - goal / cols);
                least = std::min(least, std::max(0, 3 * (dx + dy) - 3 +
                                                        2 * std::max(0, std::abs(dx - dy) - 1)));
                steps = std::min(steps, dx + dy);
            }
            goalCost[std::size_t(i)][std::size_t(c)] = least;
            goalSteps[std::size_t(i)][std::size_t(c)] = steps;
        }
    }
    const auto arrived = [&](int i, int cell) {
        const TrackedPiece& piece = pieces[std::size_t(i)];
        return piece.target >= 0 ? cell == piece.target : bool(piece.window[std::size_t(cell)]);
    };
    // The largest of the pieces' bounds is admissible, and so is the sum of their distances, as
    // a slide moves one piece a cell; A* reopens a position reached more cheaply, as the bound
    // can drop by several in one slide. Zero only when every piece is where its stage asks.
    const auto bound = [&](const Position& p) {
        int h = 0;
        int steps = 0;
        for (int i = 0; i < k; ++i) {
            const int cell = p.piece[std::size_t(i)];
            if (!arrived(i, cell)) {
                h = std::max(h, manhattan(p.blank, cell) +
                                    goalCost[std::size_t(i)][std::size_t(cell)]);
                steps += goalSteps[std::size_t(i)][std::size_t(cell)];
            }
        }
        return std::max(h, steps);
    };
    const auto pack = [k](const Position& p) {
        std::uint64_t key = std::uint64_t(p.blank);
        for (int i = 0; i < k; ++i)
            key |= std::uint64_t(p.piece[std::size_t(i)]) << (kCellBits * (i + 1));
        return key;
    };
    const auto unpack = [k](std::uint64_t key) {
        Position p;
        p.blank = int(key & ((1u << kCellBits) - 1));
        for (int i = 0; i < k; ++i)
            p.piece[std::size_t(i)] = int((key >> (kCellBits * (i + 1))) & ((1u << kCellBits) - 1));
        return p;
    };

    Position start;
    start.blank = blank;
    for (int i = 0; i < k; ++i)
        start.piece[std::size_t(i)] = pieces[std::size_t(i)].cell;
    PositionTable table;
    // Open positions by estimated total, each bucket a stack; an entry whose cost has since
    // dropped is skipped when it comes up.
    std::vector<std::vector<std::pair<std::uint64_t, std::uint16_t>>> open;
    const auto push = [&](std::uint64_t key, int cost, int estimate) {
        if (std::size_t(estimate) >= open.size())
            open.resize(std::size_t(estimate) + 1);
        open[std::size_t(estimate)].push_back({key, std::uint16_t(cost)});
    };
    const std::uint64_t startKey = pack(start);
    table.cost_[table.find(startKey)] = 0;
    push(startKey, 0, bound(start));
    std::uint64_t expanded = 0;
    for (std::size_t f = 0; f < open.size(); ++f) {
        while (!open[f].empty()) {
            const auto [key, cost] = open[f].back();
            open[f].pop_back();
            if (table.cost_[table.lookup(key)] != cost)
                continue;
            if ((++expanded & 0xFFF) == 0 && stop.stop_requested()) {
                result.end = StageEnd::Cancelled;
                return result;
            }
            const Position p = unpack(key);
            if (bound(p) == 0 &&
                !closed(edge, pieces.front().window, p.piece.data(), k, p.blank)) {
                // Every tracked piece is where its stage asks: walk the directions back.
                std::uint64_t at = key;
                while (at != startKey) {
                    Position q = unpack(at);
                    result.slides.push_back(q.blank);
                    const int back = q.blank - step[table.from_[table.lookup(at)]];
                    for (int i = 0; i < k; ++i)
                        if (q.piece[std::size_t(i)] == back)
                            q.piece[std::size_t(i)] = q.blank;
                    q.blank = back;
                    at = pack(q);
                }
                std::reverse(result.slides.begin(), result.slides.end());
                result.end = StageEnd::Found;
                return result;
            }
            for (int dir = 0; dir < 4; ++dir) {
                const int to = p.blank + step[std::size_t(dir)];
                if (to < 0 || to >= n || (dir == 1 && p.blank % cols == 0) ||
                    (dir == 2 && p.blank % cols == cols - 1) || fixed[std::size_t(to)])
                    continue;
                Position q = p;
                q.blank = to;
                bool allowed = true;
                for (int i = 0; i < k; ++i) {
                    if (p.piece[std::size_t(i)] != to)
                        continue;
                    const TrackedPiece& piece = pieces[std::size_t(i)];
                    if (piece.confined && !piece.window[std::size_t(p.blank)])
                        allowed = false;
                    q.piece[std::size_t(i)] = p.blank;
                }
                if (!allowed)
                    continue;
                const std::uint64_t next = pack(q);
                const std::size_t slot = table.find(next);
                if (table.cost_[slot] <= cost + 1)
                    continue;
                table.cost_[slot] = std::uint16_t(cost + 1);
                table.from_[slot] = std::uint8_t(dir);
                // Never below the parent's estimate: the bound may drop faster than the cost grows.
                push(next, cost + 1, std::max(int(f), cost + 1 + bound(q)));
            }
        }
    }
    result.end = StageEnd::NoWay;
    return result;
}

} // namespace quiltra::solver
