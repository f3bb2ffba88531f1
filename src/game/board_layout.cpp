// The board's layout: cells, piece size, marker frames and the board frame.
#include "game/board_layout.h"

#include <algorithm>

namespace quiltra {

Single pieceExtent(Single fittedExtent, int count)
{
    return fittedExtent / Single(count) - 1;
}

CellGrid::CellGrid(Single areaW, Single areaH, Single w, Single h, int g, int cols, int rows)
{
    if (cols < 1 || rows < 1)
        return;
    const Single gap = Single(g);
    const Single left0 = (areaW - (gap + w) * Single(cols)) / 2 - 20;
    const Single top0 = (areaH - (gap + h) * Single(rows)) / 2 - gap;
    Single x = Single(roundEven(left0));
    for (int col = 0; col < cols; ++col) {
        colLeft_.push_back(x);
        x = Single(roundEven(x + w + gap));
    }
    Single y = Single(roundEven(top0));
    for (int row = 0; row < rows; ++row) {
        rowTop_.push_back(y);
        y = Single(roundEven(y + h + gap));
    }
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

BoardLayout::BoardLayout(Grid grid, Single fittedW, Single fittedH, Single areaW, Single areaH,
                         int gap)
    : gap_(gap)
{
    if (grid.cols < 1 || grid.rows < 1)
        return;
    pieceWidth_ = pieceExtent(fittedW, grid.cols);
    pieceHeight_ = pieceExtent(fittedH, grid.rows);
    cells_ = CellGrid(areaW, areaH, pieceWidth_, pieceHeight_, gap, grid.cols, grid.rows);
}

Box BoardLayout::marker(int cell) const
{
    Box box{0, 0, pieceWidth_ - 40, pieceHeight_ - 40};
    if (cell >= 1 && cell <= cells_.count()) {
        box.Left = cells_.left(cell) + 20;
        box.Top = cells_.top(cell) + 20;
    }
    return box;
}

Box BoardLayout::boardFrame(Single trim) const
{
    if (cells_.count() < 1)
        return Box{};
    const Single g = Single(gap_);
    return Box{cells_.left(1) - 10, cells_.top(1) - 10,
               (g + pieceWidth_) * Single(cells_.cols()) - trim,
               (g + pieceHeight_) * Single(cells_.rows()) - trim};
}

} // namespace quiltra
