// The Slider solver's long checks (label "solver"): every 3 x 3 position against breadth-first
// search, and solutions of large grids with the full 16-cell corner.
#include <gtest/gtest.h>

#include <random>

#include "game/slider_solver.h"
#include "unit/slider_positions.h"

namespace quiltra::test {
namespace {

TEST(SliderSolverExhaustive, Every3x3PositionAsBreadthFirstSearch)
{
    SliderTables tables;
    const DistanceTable distances(3, 3);
    const std::vector<SliderPosition> positions = distances.positions();
    ASSERT_EQ(positions.size(), 181440u);
    for (const SliderPosition& position : positions) {
        const SliderSolution solution = solveSlider(position, tables);
        ASSERT_EQ(solution.outcome, SolveOutcome::Solved);
        ASSERT_EQ(int(solution.slides.size()), distances.distance(position));
        ASSERT_TRUE(finishes(position, solution.slides));
    }
}

TEST(SliderSolverExhaustive, LargeGridsWithTheFullCorner)
{
    SliderTables tables;
    std::mt19937_64 random(23);
    for (const auto& [cols, rows] : {std::pair{5, 5}, {9, 2}, {10, 10}, {20, 15}}) {
        SCOPED_TRACE(std::to_string(cols) + "x" + std::to_string(rows));
        {
            const SliderPosition position = randomSolvable(cols, rows, random);
            const SliderSolution solution = solveSlider(position, tables);
            ASSERT_EQ(solution.outcome, SolveOutcome::Solved);
            ASSERT_TRUE(finishes(position, solution.slides));
        }
    }
}

} // namespace
} // namespace quiltra::test
