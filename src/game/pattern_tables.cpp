// Building the additive pattern tables: a breadth-first search backwards from the finished
// picture over the placements of one group of pieces and the empty cell.
#include "game/pattern_tables.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace quiltra::solver {

std::array<std::int8_t, 5> GridShape::neighbours(int cell) const
{
    std::array<std::int8_t, 5> out{-1, -1, -1, -1, -1};
    const int c = cell % cols;
    const int r = cell / cols;
    int i = 0;
    if (r > 0)
        out[std::size_t(i++)] = std::int8_t(cell - cols);
    if (c > 0)
        out[std::size_t(i++)] = std::int8_t(cell - 1);
    if (c + 1 < cols)
        out[std::size_t(i++)] = std::int8_t(cell + 1);
    if (r + 1 < rows)
        out[std::size_t(i++)] = std::int8_t(cell + cols);
    return out;
}

std::vector<std::vector<int>> patternGroups(int cols, int rows, int shift)
{
    const int n = cols * rows;
    if (cols == 4 && rows == 4) {
        // The second partition, looked up as well (and reflected): of four tried, the one whose
        // views cut the 80-slide position's search most (166 million positions against 256 to
        // 337 million for the others).
        if (shift == 1)
            return {{1, 2, 3, 4, 7, 8}, {5, 6, 9, 10, 13, 14}, {11, 12, 15}};
        // The reflected look-up adds something only because the reflection maps this partition
        // onto another one; a group that the reflection mapped onto itself would give the same
        // value both ways. Of the partitions tried, this one gave the largest mean bound on
        // random positions (42.9 slides against 41.1 for a partition mapped onto itself).
        return {{1, 2, 3, 5, 6, 7}, {4, 8, 11, 12, 14, 15}, {9, 10, 13}};
    }
    std::vector<std::vector<int>> groups;
    const bool wide = cols >= rows;
    const int across = wide ? rows : cols;            // cells in one line across the grid
    const int lines = std::max(1, 6 / across);         // lines per block
    const int along = wide ? cols : rows;
    for (int first = -(shift % lines); first < along; first += lines) {
        std::vector<int> group;
        for (int cell = 0; cell + 1 < n; ++cell) {
            const int line = wide ? cell % cols : cell / cols;
            if (line >= first && line < first + lines)
                group.push_back(cell + 1);
        }
        if (!group.empty())
            groups.push_back(std::move(group));
    }
    return groups;
}

namespace {

std::uint64_t placements(int n, int k)
{
    std::uint64_t count = 1;
    for (int i = 0; i < k; ++i)
        count *= std::uint64_t(n - i);
    return count;
}

// Cells as bits: the neighbours of a set of cells, for the flood fill of the empty cell's area.
struct CellMasks {
    std::uint32_t all = 0;
    std::uint32_t notFirstColumn = 0;
    std::uint32_t notLastColumn = 0;
    int cols = 0;

    explicit CellMasks(const GridShape& shape) : cols(shape.cols)
    {
        for (int cell = 0; cell < shape.cells(); ++cell) {
            all |= 1u << cell;
            if (cell % cols != 0)
                notFirstColumn |= 1u << cell;
            if (cell % cols != cols - 1)
                notLastColumn |= 1u << cell;
        }
    }
    // The cells of `free` that the empty cell reaches from `start` without moving a group piece.
    std::uint32_t area(std::uint32_t start, std::uint32_t free) const
    {
        std::uint32_t reached = start;
        for (;;) {
            const std::uint32_t grown =
                (reached | ((reached << 1) & notFirstColumn) | ((reached >> 1) & notLastColumn) |
                 (reached << cols) | (reached >> cols)) & free;
            if (grown == reached)
                return reached;
            reached = grown;
        }
    }
};

} // namespace

namespace {

// A walking-distance state as a number: three bits a count, the empty cell's line above them.
std::uint64_t walkingKey(const std::array<std::array<std::int8_t, 4>, 4>& counts, int blankLine)
{
    std::uint64_t key = std::uint64_t(blankLine) << 48;
    for (std::size_t line = 0; line < 4; ++line)
        for (std::size_t home = 0; home < 4; ++home)
            key |= std::uint64_t(counts[line][home]) << (3 * (4 * line + home));
    return key;
}

} // namespace

WalkingDistance::WalkingDistance(int side) : side_(side)
{
    using Counts = std::array<std::array<std::int8_t, 4>, 4>;
    struct Entry {
        Counts counts;
        int blank;
    };
    Counts home{};
    for (int line = 0; line < side; ++line)
        home[std::size_t(line)][std::size_t(line)] = std::int8_t(line + 1 < side ? side : side - 1);
    std::vector<Entry> states{{home, side - 1}};
    // Breadth-first: states are numbered in the order found.
    std::unordered_map<std::uint64_t, std::uint16_t> found{{walkingKey(home, side - 1), 0}};
    distance_.push_back(0);
    next_.push_back({});
    for (std::size_t s = 0; s < states.size(); ++s) {
        const Entry entry = states[s];
        for (int after = 0; after < 2; ++after) {
            const int from = entry.blank + (after ? 1 : -1);
            for (int piece = 0; piece < side; ++piece) {
                auto& slot = next_[s][std::size_t(after)][std::size_t(piece)];
                if (from < 0 || from >= side ||
                    entry.counts[std::size_t(from)][std::size_t(piece)] == 0) {
                    slot = std::uint16_t(s);   // no such slide: never asked for
                    continue;
                }
                Entry moved = entry;
                --moved.counts[std::size_t(from)][std::size_t(piece)];
                ++moved.counts[std::size_t(entry.blank)][std::size_t(piece)];
                moved.blank = from;
                const std::uint64_t key = walkingKey(moved.counts, from);
                const auto [at, fresh] = found.try_emplace(key, std::uint16_t(states.size()));
                if (fresh) {
                    states.push_back(moved);
                    distance_.push_back(std::uint8_t(distance_[s] + 1));
                    next_.push_back({});
                }
                next_[s][std::size_t(after)][std::size_t(piece)] = at->second;
            }
        }
    }
    std::vector<std::pair<std::uint64_t, std::uint16_t>> sorted(found.begin(), found.end());
    std::sort(sorted.begin(), sorted.end());
    keys_.reserve(sorted.size());
    stateOfKey_.reserve(sorted.size());
    for (const auto& [key, state] : sorted) {
        keys_.push_back(key);
        stateOfKey_.push_back(state);
    }
}

int WalkingDistance::state(const std::array<std::array<std::int8_t, 4>, 4>& counts,
                           int blankLine) const
{
    const std::uint64_t key = walkingKey(counts, blankLine);
    const auto at = std::lower_bound(keys_.begin(), keys_.end(), key);
    return at != keys_.end() && *at == key ? stateOfKey_[std::size_t(at - keys_.begin())] : -1;
}

std::size_t WalkingDistance::bytes() const
{
    return sizeof(*this) + keys_.size() * sizeof(keys_[0]) +
           stateOfKey_.size() * sizeof(stateOfKey_[0]) + distance_.size() +
           next_.size() * sizeof(next_[0]);
}

bool PatternSet::buildGroup(Group& group, const std::stop_token& stop) const
{
    const int n = shape_.cells();
    const int k = int(group.pieces.size());
    group.nibbles.assign(std::size_t((placements(n, k) + 1) / 2), 0);
    // The search indexes a placement directly by its cells, four bits each (slot 0 lowest), so
    // that a slide changes the index by a constant and no rank is computed per step; the table
    // kept is ranked. For each placement `reached` holds the cells of the areas of the empty
    // cell already reached: an area is a part of the cells free of group pieces, in which the
    // empty cell moves at no cost. Breadth-first order makes the cost at which a placement is
    // first reached its least.
    std::vector<std::uint16_t> reached(std::size_t(1) << (4 * k), 0);
    const CellMasks masks(shape_);
    std::array<std::array<std::int8_t, 5>, kMaxShortestCells> neighbours{};
    std::array<std::array<std::int8_t, kMaxShortestCells>, 8> distance{};
    for (int c = 0; c < n; ++c)
        neighbours[std::size_t(c)] = shape_.neighbours(c);
    std::uint32_t home = 0;
    for (int i = 0; i < k; ++i) {
        const int cell = group.pieces[std::size_t(i)] - 1;
        home |= std::uint32_t(cell) << (4 * i);
        for (int c = 0; c < n; ++c)
            distance[std::size_t(i)][std::size_t(c)] = std::int8_t(
                std::abs(c % shape_.cols - cell % shape_.cols) +
                std::abs(c / shape_.cols - cell / shape_.cols));
    }
    const auto occupiedBy = [&](std::uint32_t index) {
        std::uint32_t occupied = 0;
        for (int i = 0; i < k; ++i, index >>= 4)
            occupied |= 1u << (index & 15);
        return occupied;
    };
    // Marks the area of `blank` in placement `index`, reached at `cost`; false when it already
    // was. Entries of the search are the index with the empty cell in the four bits above it.
    const auto reach = [&](std::uint32_t index, int blank, int cost) {
        std::uint16_t& seen = reached[index];
        if (seen & (1u << blank))
            return false;
        if (seen == 0) {
            std::array<std::int8_t, 8> cells{};
            int manhattan = 0;
            for (int i = 0; i < k; ++i) {
                cells[std::size_t(i)] = std::int8_t((index >> (4 * i)) & 15);
                manhattan += distance[std::size_t(i)][std::size_t(cells[std::size_t(i)])];
            }
            const std::uint32_t rank = placementRank(cells.data(), k, n);
            const int excess = std::min(15, (cost - manhattan) / 2);
            group.nibbles[rank / 2] |= std::uint8_t(excess << (4 * (rank & 1)));
        }
        seen = std::uint16_t(seen | masks.area(1u << blank, masks.all & ~occupiedBy(index)));
        return true;
    };

    // The placements a batch of entries leads to are looked up together, so that the memory
    // reads of the large `reached` table overlap instead of waiting one after another.
    constexpr std::size_t kBatch = 64;
    const int shift = 4 * k;
    const std::uint32_t indexMask = (1u << shift) - 1;
    std::vector<std::uint32_t> batch;
    std::vector<std::uint32_t> layer{home | std::uint32_t(n - 1) << shift};
    std::vector<std::uint32_t> next;
    reach(home, n - 1, 0);
    for (int cost = 1; !layer.empty(); ++cost) {
        next.clear();
        for (std::size_t first = 0; first < layer.size(); first += kBatch) {
            if (stop.stop_requested())
                return false;
            batch.clear();
            const std::size_t last = std::min(layer.size(), first + kBatch);
            for (std::size_t e = first; e < last; ++e) {
                const std::uint32_t index = layer[e] & indexMask;
                const std::uint32_t area =
                    masks.area(1u << (layer[e] >> shift), masks.all & ~occupiedBy(index));
                // A group piece beside the area slides into it at a cost of one; the empty cell
                // takes the piece's place.
                for (int i = 0; i < k; ++i) {
                    const int from = int((index >> (4 * i)) & 15);
                    for (const std::int8_t to : neighbours[std::size_t(from)]) {
                        if (to < 0)
                            break;
                        if (!(area & (1u << to)))
                            continue;
                        const std::uint32_t moved =
                            std::uint32_t(int(index) + ((to - from) << (4 * i)));
                        __builtin_prefetch(&reached[moved]);
                        batch.push_back(moved | std::uint32_t(from) << shift);
                    }
                }
            }
            for (const std::uint32_t entry : batch)
                if (reach(entry & indexMask, int(entry >> shift), cost))
                    next.push_back(entry);
        }
        layer.swap(next);
    }
    return true;
}

std::shared_ptr<const PatternSet> PatternSet::build(int cols, int rows, std::stop_token stop)
{
    if (cols < 2 || rows < 2 || cols * rows > kMaxShortestCells)
        return nullptr;
    auto set = std::make_shared<PatternSet>();
    set->shape_ = GridShape{cols, rows};
    const bool square = cols == 4 && rows == 4;
    std::vector<std::vector<std::vector<int>>> partitions{patternGroups(cols, rows)};
    // The views of each partition: on 4 x 4 the partition, then the same reflected.
    std::vector<int> firstView{0};
    if (square) {
        partitions.push_back(patternGroups(cols, rows, 1));
        firstView = {0, 2};
        set->mirrored_[1] = set->mirrored_[3] = true;
        set->views_ = 4;
    } else {
        // The blocks shifted by a line at a time cut the grid elsewhere; a shift that gives the
        // same blocks again is left out.
        for (int shift = 1; shift < 3; ++shift) {
            auto other = patternGroups(cols, rows, shift);
            if (std::find(partitions.begin(), partitions.end(), other) == partitions.end())
                partitions.push_back(std::move(other));
        }
        set->views_ = int(partitions.size());
        for (int v = 1; v < set->views_; ++v)
            firstView.push_back(v);
    }
    for (std::size_t i = 0; i < partitions.size(); ++i)
        for (auto& pieces : partitions[i]) {
            const std::size_t v = std::size_t(firstView[i]);
            const int g = int(set->groups_.size());
            for (std::size_t i = 0; i < pieces.size(); ++i) {
                set->groupOf_[v][std::size_t(pieces[i])] = std::int8_t(g);
                set->slotOf_[v][std::size_t(pieces[i])] = std::int8_t(i);
            }
            set->groups_.push_back(Group{std::move(pieces), {}});
        }
    for (int v = 1; v < set->views_; ++v)
        if (set->mirrored_[std::size_t(v)]) {
            set->groupOf_[std::size_t(v)] = set->groupOf_[std::size_t(v - 1)];
            set->slotOf_[std::size_t(v)] = set->slotOf_[std::size_t(v - 1)];
        }
    for (Group& group : set->groups_)
        if (!set->buildGroup(group, stop))
            return nullptr;
    if (cols == rows && cols <= 4)
        set->walking_ = std::make_unique<WalkingDistance>(cols);
    return set;
}

std::size_t PatternSet::bytes() const
{
    std::size_t total = sizeof(*this);
    for (const Group& group : groups_)
        total += group.nibbles.size() + group.pieces.size() * sizeof(int);
    if (walking_)
        total += walking_->bytes();
    return total;
}

} // namespace quiltra::solver
