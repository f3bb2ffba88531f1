// Additive pattern tables for Slider grids of at most 16 cells: admissible lower bounds on the
// slides left, one table per group of pieces, for the shortest-solution search.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stop_token>
#include <vector>

namespace quiltra::solver {

// Grids of at most this many cells are solved with the shortest solution.
inline constexpr int kMaxShortestCells = 16;
// Partitions of the pieces a position is bounded by (and their reflections on 4 x 4), the
// largest bound taken.
inline constexpr int kMaxViews = 4;

// The cells of a grid as a cell -> neighbours table, cells numbered in reading order from 0.
struct GridShape {
    int cols = 0;
    int rows = 0;
    int cells() const { return cols * rows; }
    // The cell's neighbours, up to four, ended by -1.
    std::array<std::int8_t, 5> neighbours(int cell) const;
};

// Bits set in each byte: the program is built for every x86-64 processor, and those without a
// population count instruction would call a library routine for std::popcount.
inline constexpr std::array<std::uint8_t, 256> kBitsInByte = [] {
    std::array<std::uint8_t, 256> bits{};
    for (int b = 0; b < 256; ++b)
        bits[std::size_t(b)] = std::uint8_t((b & 1) + bits[std::size_t(b / 2)]);
    return bits;
}();

// The rank of k distinct cells of an n-cell grid among all ordered placements: a mixed-radix
// number whose i-th digit counts the cells below cell i that the earlier ones leave free.
inline std::uint32_t placementRank(const std::int8_t* cells, int k, int n)
{
    std::uint32_t used = 0;
    std::uint32_t rank = 0;
    for (int i = 0; i < k; ++i) {
        const std::uint32_t bit = 1u << cells[i];
        const std::uint32_t below = used & (bit - 1);
        const int digit = cells[i] - kBitsInByte[below & 0xFF] - kBitsInByte[below >> 8];
        rank = rank * std::uint32_t(n - i) + std::uint32_t(digit);
        used |= bit;
    }
    return rank;
}

// The walking distance of a square grid: the pieces counted line by line, each piece only by the
// line it belongs in (a side x side matrix of counts) with the empty cell's line, and the fewest
// slides across lines that bring those counts home. A slide across the rows changes only the
// rows' counts, one across the columns only the columns', so the rows' distance plus the
// columns' is a lower bound on the slides left; rows and columns share one table.
class WalkingDistance {
public:
    // The states of a side x side grid (side at most 4), found breadth-first from the finished one.
    explicit WalkingDistance(int side);

    // The state of counts[line][home line] with the empty cell in `blankLine`.
    int state(const std::array<std::array<std::int8_t, 4>, 4>& counts, int blankLine) const;
    int distance(int state) const { return distance_[std::size_t(state)]; }
    // The state after a piece belonging in line `home` slides into the empty cell's line from
    // the line after it (`fromAfter`) or before it; the empty cell takes the piece's line.
    int next(int state, bool fromAfter, int home) const
    {
        return next_[std::size_t(state)][fromAfter ? 1 : 0][std::size_t(home)];
    }
    std::size_t bytes() const;

private:
    int side_ = 0;
    std::vector<std::uint64_t> keys_;                         // sorted
    std::vector<std::uint16_t> stateOfKey_;                   // by keys_' order
    std::vector<std::uint8_t> distance_;
    std::vector<std::array<std::array<std::uint16_t, 4>, 2>> next_;
};

// Groups of pieces with a table each. For a placement of a group's pieces (blank and other pieces
// anywhere) the table holds the fewest slides *of that group's pieces* that bring them home, so
// the values of disjoint groups add up to a lower bound on the whole solution.
//
// A table is indexed by the placement's rank among all ordered placements of its k pieces on the
// n cells (n! / (n - k)! entries) and holds, in four bits, (fewest slides - Manhattan distance of
// the group) / 2: the difference is always even, as each slide of a group piece changes its
// distance by one, and a value above 15 is kept as 15, which only weakens the bound. A 6-piece
// group of a 16-cell grid takes 2.9 MB.
class PatternSet {
public:
    // Builds the tables of a cols x rows grid (at most 16 cells, both sides at least 2). Returns
    // nothing when `stop` is requested before the tables are complete.
    static std::shared_ptr<const PatternSet> build(int cols, int rows, std::stop_token stop = {});

    int cols() const { return shape_.cols; }
    int rows() const { return shape_.rows; }
    const GridShape& shape() const { return shape_; }

    // A position is bounded by up to kMaxViews partitions of the pieces (views), and the
    // largest bound is taken. The 4 x 4 grid has two partitions with tables of their own, and
    // looks the position up in each a second time reflected in the diagonal through the empty
    // cell's home (the reflection maps the finished picture onto itself): the same tables then
    // bound it by the reflected partition. On other grids the blocks of lines are shifted along
    // the grid, each shift that cuts it elsewhere a view with tables of its own: pieces that
    // straddle a cut in one view are grouped together in another.
    bool mirrored(int view) const { return mirrored_[std::size_t(view)]; }
    int views() const { return views_; }

    int groupCount() const { return int(groups_.size()); }
    // Piece numbers (1..n-1) of group g, in the order the group's placement is ranked.
    const std::vector<int>& groupPieces(int g) const { return groups_[std::size_t(g)].pieces; }
    // The group of piece p in view v and its index inside the group; a mirrored view shares
    // the groups of the view before it.
    int groupOf(int view, int piece) const
    {
        return groupOf_[std::size_t(view)][std::size_t(piece)];
    }
    int slotOf(int view, int piece) const
    {
        return slotOf_[std::size_t(view)][std::size_t(piece)];
    }

    // The stored half-excess of group g's placement, whose cells are listed by slot.
    int excess(int g, const std::int8_t* cellsBySlot) const
    {
        const Group& group = groups_[std::size_t(g)];
        const std::uint32_t rank =
            placementRank(cellsBySlot, int(group.pieces.size()), shape_.cells());
        return (group.nibbles[rank / 2] >> (4 * (rank & 1))) & 15;
    }

    // The walking distance of a square grid, nothing on other grids.
    const WalkingDistance* walking() const { return walking_.get(); }

    // Bytes held by the tables.
    std::size_t bytes() const;

private:
    struct Group {
        std::vector<int> pieces;
        std::vector<std::uint8_t> nibbles;   // two entries a byte, the lower one first
    };

    GridShape shape_;
    std::array<bool, kMaxViews> mirrored_{};
    int views_ = 1;
    std::vector<Group> groups_;
    std::unique_ptr<WalkingDistance> walking_;
    std::array<std::array<std::int8_t, kMaxShortestCells + 1>, kMaxViews> groupOf_{};
    std::array<std::array<std::int8_t, kMaxShortestCells + 1>, kMaxViews> slotOf_{};

    bool buildGroup(Group& group, const std::stop_token& stop) const;
};

// The groups of a cols x rows grid: on a 4 x 4 grid 6 + 6 + 3 pieces (`shift` 1: the second
// partition); otherwise blocks of whole lines across the shorter side of at most six cells
// each, the first block `shift` lines short.
std::vector<std::vector<int>> patternGroups(int cols, int rows, int shift = 0);

} // namespace quiltra::solver
