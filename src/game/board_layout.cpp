// The cell layout of the board, shared by cutting, re-laying after a resize and the intro.
#include "game/board_layout.h"

namespace quiltra {

Single pieceExtent(Single fittedExtent, int count)
{
    return fittedExtent / Single(count) - 1;
}

std::vector<CellPosition> layoutCells(Single areaW, Single areaH, Single w, Single h, int g,
                                      int cols, int rows)
{
    std::vector<CellPosition> cells(1);
    if (cols < 1 || rows < 1)
        return cells;
    cells.reserve(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows) + 1);
    const Single gap = Single(g);
    const Single left0 = (areaW - (gap + w) * Single(cols)) / 2 - 20;
    const Single top0 = (areaH - (gap + h) * Single(rows)) / 2 - gap;
    Single y = Single(roundEven(top0));
    for (int row = 0; row < rows; ++row) {
        Single x = Single(roundEven(left0));
        for (int col = 0; col < cols; ++col) {
            cells.push_back(CellPosition{x, y});
            x = Single(roundEven(x + w + gap));
        }
        y = Single(roundEven(y + h + gap));
    }
    return cells;
}

} // namespace quiltra
