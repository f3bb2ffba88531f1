// The puzzle value: the permutation of cells, moves and their legality, and the two shuffles.
#include <gtest/gtest.h>

#include <random>

#include "game/puzzle.h"
#include "support/fakes.h"

namespace quiltra {
namespace {

using test::ScriptedRandom;

std::vector<int> cellsOf(const Puzzle& p)
{
    std::vector<int> out;
    for (int k = 1; k <= p.count(); ++k)
        out.push_back(p.cellOf(k));
    return out;
}

// Whether the arrangement is a permutation in which pieceAt and cellOf agree.
void expectConsistent(const Puzzle& p)
{
    std::vector<int> seen(std::size_t(p.count()) + 1, 0);
    for (int k = 1; k <= p.count(); ++k) {
        const int c = p.cellOf(k);
        ASSERT_TRUE(p.contains(c)) << "piece " << k;
        EXPECT_EQ(p.pieceAt(c), k);
        ++seen[std::size_t(c)];
    }
    for (int c = 1; c <= p.count(); ++c)
        EXPECT_EQ(seen[std::size_t(c)], 1) << "cell " << c;
}

// Parity of the permutation of pieces over cells.
bool oddPermutation(const Puzzle& p)
{
    std::vector<bool> visited(std::size_t(p.count()) + 1, false);
    int transpositions = 0;
    for (int k = 1; k <= p.count(); ++k) {
        int length = 0;
        for (int j = k; !visited[std::size_t(j)]; j = p.cellOf(j)) {
            visited[std::size_t(j)] = true;
            ++length;
        }
        if (length > 0)
            transpositions += length - 1;
    }
    return transpositions % 2 == 1;
}

TEST(Puzzle, AnswersFromThePermutation)
{
    const Puzzle solved(3, 2);
    EXPECT_TRUE(solved.solved());
    EXPECT_TRUE(solved.misplaced().empty());
    EXPECT_EQ(solved.emptyCell(), 0);
    EXPECT_EQ(Puzzle(3, 2, true).emptyCell(), 6);

    // Piece k in cell cells[k - 1].
    const auto p = Puzzle::fromCells(3, 2, {2, 1, 3, 6, 5, 4}, true);
    ASSERT_TRUE(p);
    expectConsistent(*p);
    EXPECT_FALSE(p->solved());
    EXPECT_EQ(p->misplaced(), (std::vector<int>{1, 2, 4, 6}));
    EXPECT_EQ(p->pieceAt(1), 2);
    EXPECT_EQ(p->pieceAt(6), 4);
    EXPECT_EQ(p->emptyCell(), 4);
    EXPECT_EQ(p->pieceAt(0), 0);
    EXPECT_EQ(p->pieceAt(7), 0);
    EXPECT_EQ(p->cellOf(7), 0);
}

TEST(Puzzle, TakesOnlyPermutationsOfItsCells)
{
    EXPECT_FALSE(Puzzle::fromCells(2, 2, {1, 2, 3}, false)) << "too few";
    EXPECT_FALSE(Puzzle::fromCells(2, 2, {1, 2, 3, 4, 1}, false)) << "too many";
    EXPECT_FALSE(Puzzle::fromCells(2, 2, {1, 2, 2, 4}, false)) << "a cell twice";
    EXPECT_FALSE(Puzzle::fromCells(2, 2, {1, 2, 3, 5}, false)) << "outside the grid";
    EXPECT_FALSE(Puzzle::fromCells(2, 2, {0, 2, 3, 4}, false)) << "cell 0";
    EXPECT_FALSE(Puzzle::fromCells(0, 2, {}, false)) << "no grid";
    EXPECT_TRUE(Puzzle::fromCells(1, 1, {1}, true));
}

TEST(Puzzle, SwapsAnyTwoCellsAndSlidesOnlyANeighbourIntoTheEmptyCell)
{
    // 3 x 3 with the empty piece 9 in the centre cell 5 and piece 5 in the corner cell 9.
    const Puzzle start = *Puzzle::fromCells(3, 3, {1, 2, 3, 4, 9, 6, 7, 8, 5}, true);
    struct Case {
        const char* name;
        Move move;
        bool legal;
    };
    const Case cases[] = {
        {"from above", Move::slide(2, 5), true},    {"from the left", Move::slide(4, 5), true},
        {"from the right", Move::slide(6, 5), true}, {"from below", Move::slide(8, 5), true},
        {"diagonal", Move::slide(1, 5), false},      {"two cells away", Move::slide(5, 5), false},
        {"into a piece", Move::slide(2, 3), false},  {"outside the grid", Move::slide(0, 5), false},
        {"a swap", Move::swap(1, 9), true},          {"a swap of one cell", Move::swap(4, 4), true},
        {"a swap outside", Move::swap(1, 10), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Puzzle p = start;
        EXPECT_EQ(p.legal(c.move), c.legal);
        EXPECT_EQ(p.apply(c.move), c.legal);
        expectConsistent(p);
        if (!c.legal) {
            EXPECT_EQ(p, start) << "an illegal move changes nothing";
            continue;
        }
        EXPECT_EQ(p.pieceAt(c.move.to), start.pieceAt(c.move.from));
        EXPECT_EQ(p.pieceAt(c.move.from), start.pieceAt(c.move.to));
        ASSERT_TRUE(p.apply(c.move.inverse()));
        EXPECT_EQ(p, start) << "the inverse takes the move back";
    }

    // Neighbours by cell, never by number: the end of a row does not touch the next row.
    Puzzle row = *Puzzle::fromCells(3, 2, {1, 2, 6, 4, 5, 3}, true);
    EXPECT_FALSE(row.legal(Move::slide(4, 3)));
    EXPECT_TRUE(row.legal(Move::slide(2, 3)));
    EXPECT_FALSE(Puzzle(3, 3).legal(Move::slide(8, 9))) << "no slides in a Puzzle game";
}

TEST(Puzzle, RandomMovesKeepAPermutationAndUndoInReverse)
{
    std::mt19937 gen(7);
    for (const bool slider : {false, true}) {
        Puzzle p(5, 4, slider);
        std::vector<Puzzle> seen{p};
        std::vector<Move> made;
        while (made.size() < 200) {
            const int a = int(gen() % 22), b = int(gen() % 22); // 0 and 21 lie outside
            const Move m = slider ? Move::slide(a, p.emptyCell()) : Move::swap(a, b);
            if (p.apply(m)) {
                made.push_back(m);
                seen.push_back(p);
            }
        }
        expectConsistent(p);
        for (std::size_t i = made.size(); i-- > 0;) {
            ASSERT_TRUE(p.apply(made[i].inverse()));
            EXPECT_EQ(p, seen[i]);
        }
        EXPECT_TRUE(p.solved());
    }
}

TEST(Puzzle, DealsEveryPieceToAFreeCellFromTheDraws)
{
    // b = int(u x 4) + 1; a taken cell is drawn again; u just below 1 gives the last cell.
    ScriptedRandom random;
    random.script = {0.5f, 0.5f, 0.0f, 0.99999994f, 0.3f};
    const Puzzle p = dealPuzzle(2, 2, random);
    EXPECT_EQ(cellsOf(p), (std::vector<int>{3, 1, 4, 2}));
    EXPECT_EQ(random.seeds, 1);
    EXPECT_FALSE(p.slider());

    for (unsigned seed = 1; seed <= 30; ++seed) {
        ScriptedRandom r(seed);
        const Puzzle d = dealPuzzle(7, 5, r);
        ASSERT_EQ(d.count(), 35);
        expectConsistent(d);
    }
}

TEST(Puzzle, SliderShufflesCanBeSolved)
{
    // A slide is one transposition and moves the empty cell one step: the parity of the
    // permutation always equals the parity of the empty cell's distance from its own cell.
    for (const auto& [cols, rows] : {std::pair{2, 2}, {5, 1}, {1, 4}, {3, 3}, {5, 3}, {20, 15}})
        for (unsigned seed = 1; seed <= 10; ++seed) {
            SCOPED_TRACE(testing::Message() << cols << "x" << rows << " seed " << seed);
            ScriptedRandom r(seed);
            const Puzzle p = shuffleSlider(cols, rows, r);
            EXPECT_EQ(r.seeds, 1);
            ASSERT_TRUE(p.slider());
            expectConsistent(p);
            const int e = p.emptyCell(), own = p.count();
            const int distance =
                std::abs(p.column(e) - p.column(own)) + std::abs(p.row(e) - p.row(own));
            EXPECT_EQ(oddPermutation(p), distance % 2 == 1);
        }
    ScriptedRandom one;
    EXPECT_TRUE(shuffleSlider(1, 1, one).solved()) << "a single cell has no slide";
}

} // namespace
} // namespace quiltra
