// The Slider solver: shortest solutions against breadth-first search on small grids, legal
// solutions that finish the picture on every grid shape, refusals, stages and cancellation.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "game/slider_solver.h"
#include "slider_positions.h"

namespace quiltra::test {
namespace {

// Every 2 x 3, 3 x 2, 2 x 4 and 4 x 2 position, and a sample of 3 x 3 ones: the solver's length
// is breadth-first search's, and its slides finish the picture.
TEST(SliderSolver, ShortestOnSmallGridsAsBreadthFirstSearch)
{
    SliderTables tables;
    std::mt19937_64 random(7);
    for (const auto& [cols, rows, sample] :
         {std::tuple{2, 3, 0}, {3, 2, 0}, {2, 4, 0}, {4, 2, 0}, {3, 3, 1500}}) {
        SCOPED_TRACE(std::to_string(cols) + "x" + std::to_string(rows));
        const DistanceTable distances(cols, rows);
        std::vector<SliderPosition> positions = distances.positions();
        if (sample > 0) {
            std::shuffle(positions.begin(), positions.end(), random);
            positions.resize(std::size_t(sample));
        }
        for (const SliderPosition& position : positions) {
            const SliderSolution solution = solveSlider(position, tables);
            ASSERT_EQ(solution.outcome, SolveOutcome::Solved);
            EXPECT_TRUE(solution.shortest && solution.complete);
            ASSERT_EQ(int(solution.slides.size()), distances.distance(position));
            ASSERT_TRUE(finishes(position, solution.slides));
        }
    }
}

// Random positions of grids of every kind: one line, two lines, square, wide and tall, up to
// the largest grid the Size menu offers (300 pieces). The corner solved with the fewest
// slides is kept small here so that the test stays quick; the solver label runs the same
// shapes with the full 16-cell corner.
TEST(SliderSolver, EverySolutionIsLegalAndFinishesThePicture)
{
    SliderTables tables;
    std::mt19937_64 random(11);
    for (const auto& [cols, rows] : {std::pair{12, 1}, {1, 9}, {9, 2}, {2, 11}, {4, 3}, {5, 5},
                                    {7, 4}, {3, 8}, {10, 10}, {20, 15}, {30, 10}}) {
        SCOPED_TRACE(std::to_string(cols) + "x" + std::to_string(rows));
        for (int i = 0; i < 3; ++i) {
            const SliderPosition position = randomSolvable(cols, rows, random);
            const SliderSolution solution =
                solveSlider(position, tables, {}, SolveExtent::Whole, 9);
            ASSERT_EQ(solution.outcome, SolveOutcome::Solved);
            EXPECT_TRUE(solution.complete);
            EXPECT_GE(int(solution.slides.size()), manhattanBound(position));
            ASSERT_TRUE(finishes(position, solution.slides));
        }
    }
    // The smallest corner there is asked for: 2 x 2 still, even where a 16-cell grid of two
    // lines gives up a cell of it (it used to end in a corner of one line, with no tables).
    for (const auto& [cols, rows] : {std::pair{8, 2}, {2, 8}, {7, 3}}) {
        SCOPED_TRACE(std::to_string(cols) + "x" + std::to_string(rows) + ", smallest corner");
        const SliderPosition position = randomSolvable(cols, rows, random);
        const SliderSolution solution = solveSlider(position, tables, {}, SolveExtent::Whole, 4);
        ASSERT_EQ(solution.outcome, SolveOutcome::Solved);
        ASSERT_TRUE(finishes(position, solution.slides));
    }
}

TEST(SliderSolver, RefusesUnsolvableAndMalformedPositions)
{
    SliderTables tables;
    std::mt19937_64 random(5);
    for (const auto& [cols, rows] : {std::pair{3, 3}, {4, 4}, {2, 5}, {6, 6}}) {
        SliderPosition position = randomSolvable(cols, rows, random);
        // Exchanging two pieces changes the permutation's parity and nothing else.
        const auto first = std::find_if(position.cells.begin(), position.cells.end(),
                                        [](int p) { return p != 0; });
        const auto second = std::find_if(first + 1, position.cells.end(),
                                         [](int p) { return p != 0; });
        std::iter_swap(first, second);
        EXPECT_FALSE(sliderSolvable(position));
        EXPECT_EQ(solveSlider(position, tables).outcome, SolveOutcome::Unsolvable);
    }
    // On one line the pieces can never pass each other.
    EXPECT_EQ(solveSlider({5, 1, {1, 3, 0, 2, 4}}, tables).outcome, SolveOutcome::Unsolvable);
    EXPECT_EQ(solveSlider({1, 4, {0, 1, 2, 3}}, tables).slides, (std::vector<int>{1, 2, 3}));
    for (const SliderPosition& bad :
         {SliderPosition{2, 2, {1, 2, 3}}, SliderPosition{2, 2, {1, 1, 3, 0}},
          SliderPosition{2, 2, {1, 2, 4, 0}}, SliderPosition{0, 3, {}},
          SliderPosition{40, 40, std::vector<int>(1600, 0)}})
        EXPECT_EQ(solveSlider(bad, tables).outcome, SolveOutcome::Invalid);
    // The finished picture needs no slide.
    EXPECT_TRUE(solveSlider({3, 2, {1, 2, 3, 4, 5, 0}}, tables).slides.empty());
}

// Next Move asks for the first stage only: it is the start of the whole solution, and taking
// one slide of a fresh first stage at a time reaches the finished picture as well. On strips of
// two lines, where the two pieces of a line could close their window's way in, too: stages whose
// goals did not nest once went round in circles there.
TEST(SliderSolver, FirstStagesStartTheSolutionAndLeadToTheEnd)
{
    SliderTables tables;
    std::mt19937_64 random(3);
    for (const auto& [cols, rows] :
         {std::pair{6, 5}, {5, 5}, {3, 9}, {10, 2}, {2, 10}, {30, 2}}) {
        SCOPED_TRACE(std::to_string(cols) + "x" + std::to_string(rows));
        SliderPosition position = randomSolvable(cols, rows, random);
        const SliderSolution whole = solveSlider(position, tables, {}, SolveExtent::Whole, 9);
        const SliderSolution first =
            solveSlider(position, tables, {}, SolveExtent::FirstStage, 9);
        ASSERT_EQ(first.outcome, SolveOutcome::Solved);
        ASSERT_FALSE(first.slides.empty());
        ASSERT_LE(first.slides.size(), whole.slides.size());
        EXPECT_TRUE(std::equal(first.slides.begin(), first.slides.end(), whole.slides.begin()));

        std::size_t taken = 0;
        while (!finishes(position, {})) {
            const SliderSolution next =
                solveSlider(position, tables, {}, SolveExtent::FirstStage, 9);
            ASSERT_EQ(next.outcome, SolveOutcome::Solved);
            ASSERT_FALSE(next.slides.empty());
            ASSERT_TRUE(applySlide(position, next.slides.front()));
            ASSERT_LE(++taken, 2 * whole.slides.size()) << "Next Move goes round in circles";
        }
    }
}

// A stop requested while the tables are built, or while a large grid is searched, ends the
// solve promptly with no slides; a stop requested before the solve starts does too.
TEST(SliderSolver, CancelledSolvesReturnPromptlyWithNothing)
{
    using Clock = std::chrono::steady_clock;
    std::mt19937_64 random(13);
    const auto cancelledAfter = [](const SliderPosition& position, SliderTables& tables,
                                   std::chrono::milliseconds wait, int shortestCells) {
        std::stop_source stop;
        SliderSolution solution;
        Clock::time_point stopped;
        std::thread worker([&] {
            solution = solveSlider(position, tables, stop.get_token(), SolveExtent::Whole,
                                   shortestCells);
        });
        std::this_thread::sleep_for(wait);
        stopped = Clock::now();
        stop.request_stop();
        worker.join();
        return std::pair{solution, Clock::now() - stopped};
    };
    SliderTables tables;
    // Building the 4 x 4 tables takes seconds.
    const auto [duringTables, late1] =
        cancelledAfter(randomSolvable(4, 4, random), tables, std::chrono::milliseconds(50), 16);
    EXPECT_EQ(duringTables.outcome, SolveOutcome::Cancelled);
    EXPECT_TRUE(duringTables.slides.empty());
    EXPECT_LT(late1, std::chrono::milliseconds(500));
    EXPECT_EQ(tables.bytes(), 0u) << "half-built tables are not kept";

    // The 20 x 15 grid takes far longer than this to solve.
    const auto [duringSearch, late2] =
        cancelledAfter(randomSolvable(20, 15, random), tables, std::chrono::milliseconds(2), 9);
    EXPECT_EQ(duringSearch.outcome, SolveOutcome::Cancelled);
    EXPECT_TRUE(duringSearch.slides.empty());
    EXPECT_LT(late2, std::chrono::milliseconds(500));

    std::stop_source early;
    early.request_stop();
    const SliderSolution none = solveSlider(randomSolvable(3, 3, random), tables,
                                            early.get_token());
    EXPECT_EQ(none.outcome, SolveOutcome::Cancelled);
    EXPECT_TRUE(none.slides.empty());
}

TEST(SliderSolver, TablesAreKeptUntilReleased)
{
    SliderTables tables;
    std::mt19937_64 random(17);
    ASSERT_EQ(solveSlider(randomSolvable(3, 3, random), tables).outcome, SolveOutcome::Solved);
    ASSERT_EQ(solveSlider(randomSolvable(2, 4, random), tables).outcome, SolveOutcome::Solved);
    const auto kept = tables.get(3, 3);
    EXPECT_GT(tables.bytes(), 0u);
    EXPECT_EQ(tables.get(3, 3), kept) << "a kept shape is not built again";
    tables.release();
    EXPECT_EQ(tables.bytes(), 0u);
    EXPECT_TRUE(kept) << "a solve in progress keeps the tables it holds";
    EXPECT_NE(tables.get(3, 3), kept) << "released tables are built afresh";
}

} // namespace
} // namespace quiltra::test
