// The walk of the empty cell during a Slider shuffle: random legal slides drawn by the phase rules.
#pragma once

#include <vector>

namespace quiltra {

class RandomSource;

// Directions in which the empty cell moves.
enum SlideDirection { SlideRight = 0, SlideLeft = 1, SlideUp = 2, SlideDown = 3 };

// Walks the empty cell of a cols x rows grid from startCell (cells numbered from 1, row by row),
// for pieceCount x pieceCount + 20 iterations, and returns the cells it enters, one per slide made.
// Each iteration draws r = u x 5 rounded (ties to even). A draw of 4 or 5 becomes "up" while
// i < pieceCount, "right" while pieceCount < i < 2 x pieceCount, and u x 3 rounded after that;
// at i = pieceCount and i = 2 x pieceCount it stays 4 or 5 and the iteration moves nothing.
// A draw that would undo the previous slide, or leave the grid, is drawn again for the same i.
// A grid of one row or one column can corner the empty cell so that its only slide undoes the
// previous one; there, and only there, that slide is allowed, so the walk always ends. A grid of
// a single cell has no slide at all and gives an empty walk. The draws come from `random` as it
// is: the caller seeds it.
std::vector<int> sliderWalk(int cols, int rows, int startCell, long long pieceCount,
                            RandomSource& random);

} // namespace quiltra
