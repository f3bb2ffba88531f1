// The shortest-solution search for Slider grids of at most 16 cells: iterative deepening over
// the slides, bounded below by the pattern tables.
#pragma once

#include <cstdint>
#include <stop_token>
#include <vector>

#include "game/pattern_tables.h"

namespace quiltra::solver {

enum class SearchEnd { Found, Cancelled, OverBudget };

struct ShortestResult {
    SearchEnd end = SearchEnd::Found;
    std::vector<int> slides;        // cells whose piece slides into the empty cell, in order
    std::uint64_t nodes = 0;        // positions the search generated
};

// The fewest slides that finish `cells` (the piece 1..n-1 in each cell in reading order, 0 for
// the empty cell) on the grid of `tables`. The position must be solvable. The search checks
// `stop` every few thousand positions and gives up after `nodeBudget` positions; either way it
// returns no slides.
ShortestResult shortestSlides(const std::vector<int>& cells, const PatternSet& tables,
                              std::stop_token stop = {},
                              std::uint64_t nodeBudget = UINT64_MAX);

// The bound the search starts from: no solution of `cells` is shorter.
int slidesLowerBound(const std::vector<int>& cells, const PatternSet& tables);

} // namespace quiltra::solver
