// The reduction of a large Slider grid: rows and columns brought home one after another until
// the pieces left fill a corner small enough for the shortest-solution search.
#pragma once

#include <stop_token>
#include <vector>

namespace quiltra::solver {

enum class ReduceEnd { Done, Stopped, Cancelled, Failed };

// The corner left to solve: columns left.. and rows top.. of the grid, holding the empty cell's
// home (the last cell).
struct Corner {
    int left = 0;
    int top = 0;
};

// Brings the pieces of whole lines home on a cols x rows grid (both sides at least 2), slides
// appended to `slides` and made on `cells` (piece i + 1 belongs in cell i, 0 is the empty
// cell), until the lines left form a corner of at most `cornerCells` cells. The line taken is
// always the left column of the remaining region when it is at least as wide as high, else its
// top row, so the corner stays close to square.
//
// A line's pieces come home in reading order, each by a shortest sequence of slides that never
// moves the pieces already home; the last two of a line go home together: the last one is first
// brought into the 3 x 3 block at the line's end (its window; 2 x 12 on a region two cells
// across), then the other one, then both to their cells, never leaving the window once inside.
// On a region two cells across the window's only way in is two cells, which the two pieces
// could close with the empty cell outside: the other one's stage ends with the way open, and a
// closed window counts as the other one not yet in. Which of these stages comes next depends
// only on the pieces already home, on which of the two are in the window and on whether its way
// in is open, and no stage's slides go back to an earlier stage, so each stage's slides bring
// the next stage one slide closer: the searches stay near the line being placed and a Next Move
// taken one slide at a time never goes round in circles. In a region of at most 36 cells and no
// narrower than 4 either way the pieces of a line go home in groups instead, each group by a
// shortest sequence for all of its pieces at once: pairs from the line's start (one alone when
// the count is odd), then the last three together (on 5 x 5 about 15 slides fewer a solution).
// With `firstStageOnly` it returns Stopped after the first stage that slides anything.
ReduceEnd reduceToCorner(int cols, int rows, std::vector<int>& cells, std::vector<int>& slides,
                         int cornerCells, bool firstStageOnly, const std::stop_token& stop,
                         Corner& corner);

} // namespace quiltra::solver
