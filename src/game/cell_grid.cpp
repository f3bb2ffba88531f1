// The cells of the grid in play, taken from the board's home-cell layout.
#include "game/cell_grid.h"

#include <algorithm>

#include "game/board_layout.h"
#include "game/game.h"

namespace quiltra {

CellGrid::CellGrid(Single areaW, Single areaH, Single w, Single h, int gap, int cols, int rows)
{
    if (cols < 1 || rows < 1)
        return;
    const std::vector<CellPosition> cells = layoutCells(areaW, areaH, w, h, gap, cols, rows);
    for (int c = 0; c < cols; ++c)
        colLeft_.push_back(cells[std::size_t(1 + c)].Left);
    for (int r = 0; r < rows; ++r)
        rowTop_.push_back(cells[std::size_t(1 + r * cols)].Top);
}

namespace {

// Index of the exact value in an increasing table, or -1.
int indexOf(const std::vector<Single>& table, Single value)
{
    const auto it = std::lower_bound(table.begin(), table.end(), value);
    return it != table.end() && *it == value ? int(it - table.begin()) : -1;
}

} // namespace

int CellGrid::cellAt(Single left, Single top) const
{
    const int c = indexOf(colLeft_, left);
    const int r = indexOf(rowTop_, top);
    return c < 0 || r < 0 ? 0 : cellOf(c, r);
}

CellGrid boardCells(const Game& game)
{
    return game.board().cells();
}

} // namespace quiltra
