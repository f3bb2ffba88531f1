// One stage of the reduction of a large Slider grid: the fewest slides that bring one or two
// pieces to their goal while the pieces already placed stay where they are.
#pragma once

#include <cstdint>
#include <stop_token>
#include <vector>

namespace quiltra::solver {

// What a stage asks of one tracked piece: to end on `target`, or anywhere inside `window`
// (target < 0); a piece that is `confined` never leaves the window on the way.
struct TrackedPiece {
    int cell = 0;                       // where the piece stands now
    int target = -1;
    std::vector<bool> window;           // by cell; empty when the piece may go anywhere
    bool confined = false;
};

enum class StageEnd { Found, Cancelled, NoWay };

struct StageResult {
    StageEnd end = StageEnd::NoWay;
    std::vector<int> slides;            // cells whose piece slides into the empty cell
};

// A shortest sequence of slides on a cols x rows grid that leaves the `fixed` cells alone (their
// pieces are walls) and brings every tracked piece (one or two) to what its stage asks. The
// other pieces are interchangeable here, so the search's positions are the tracked pieces'
// cells and the empty cell's: at most cells x cells for one piece, and cells x window x cells
// for two, one of them confined (under 12 MB of search state for 1023 cells). A* with the
// bound of single-piece moves keeps the part searched small.
StageResult stageSlides(int cols, int rows, const std::vector<bool>& fixed, int blank,
                        const std::vector<TrackedPiece>& pieces, std::stop_token stop);

} // namespace quiltra::solver
