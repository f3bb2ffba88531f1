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
// pieces are walls) and brings every tracked piece (one to three) to what its stage asks. The
// other pieces are interchangeable here, so the search's positions are the tracked pieces'
// cells and the empty cell's: at most cells x cells for one piece, cells x window x cells for
// two, one of them confined, and cells^4 for three, which the reduction asks only in regions of
// at most 36 free cells (a few hundred thousand positions met at worst, about 10 MB). A* with
// the larger of the bound of single-piece moves (a piece going straight costs five slides a
// cell, one turning at every cell three) and the pieces' summed distances keeps the part
// searched close to the way the pieces take.
//
// `edge` (by cell, or empty) marks the cells of a window's side that opens onto the rest of the
// region: an end where every tracked piece stands on an edge cell while the empty cell is
// outside the first piece's window does not count, as the empty cell could no longer enter the
// window without pushing a confined piece out.
StageResult stageSlides(int cols, int rows, const std::vector<bool>& fixed, int blank,
                        const std::vector<TrackedPiece>& pieces, std::stop_token stop,
                        const std::vector<bool>& edge = {});

// Whether `edge` (as for stageSlides) is closed: every tracked piece on an edge cell and the
// empty cell outside the first piece's window.
bool windowClosed(const std::vector<bool>& edge, const std::vector<TrackedPiece>& pieces,
                  int blank);

} // namespace quiltra::solver
