// Puzzle sizes: fitting, the largest grid, the offered sizes and their captions, the validity rule.
#include "game/sizes.h"

#include <algorithm>
#include <cstdint>

namespace quiltra {

namespace {

// Both sides are at least 1: only then is there a grid at all.
bool isGrid(Grid g) { return g.cols >= 1 && g.rows >= 1; }

std::int16_t atLeastOne(double value) { return std::max<std::int16_t>(1, toInt16Saturated(value)); }

} // namespace

FittedPicture fitPicture(Single naturalW, Single naturalH, Single areaW, Single areaH,
                         Single windowW, Single windowH)
{
    FittedPicture f;
    f.Width = naturalW;
    f.Height = naturalH;
    if (naturalW > 0 && naturalH > 0) {
        const Single aspect = naturalW / naturalH;
        // Height first, then width; a picture is only ever reduced.
        if (areaH - 500 < f.Height) {
            f.Height = areaH - 500;
            f.Width = aspect * f.Height;
        }
        if (areaW - 600 < f.Width) {
            f.Width = areaW - 600;
            f.Height = f.Width / aspect;
        }
    }
    // A game area smaller than its margins leaves no picture rather than a negative one.
    f.Width = std::max<Single>(0, f.Width);
    f.Height = std::max<Single>(0, f.Height);
    f.Top = (windowH - 615 - f.Height) / 2;
    f.Left = (windowW - 130 - f.Width) / 2;
    return f;
}

std::int16_t stepCount(Single extent, Single step)
{
    std::int16_t n = 0;
    while (n < INT16_MAX && extent / static_cast<Single>(n + 1) > step)
        ++n;
    return n;
}

Grid capGrid(Grid grid, int maxPieces)
{
    if (!isGrid(grid) || grid.pieces() <= maxPieces)
        return grid;
    const Single ratio = Single(grid.cols) / Single(grid.rows);
    // The longer side steps down one at a time; the other follows the ratio. At one column (or
    // row) the grid is 1 x 1 at most, so the walk always ends within the limit.
    if (ratio >= 1) {
        for (std::int16_t c = grid.cols - 1; c >= 1; --c) {
            const Grid g{c, atLeastOne(Single(c) / ratio)};
            if (g.pieces() <= maxPieces)
                return g;
        }
    } else {
        for (std::int16_t r = grid.rows - 1; r >= 1; --r) {
            const Grid g{atLeastOne(Single(r) * ratio), r};
            if (g.pieces() <= maxPieces)
                return g;
        }
    }
    return Grid{1, 1};
}

Grid largestGrid(Single fittedW, Single fittedH, Single areaW, Single areaH, int gap)
{
    Grid g{stepCount(fittedW, kMinPieceExtent), stepCount(fittedH, kMinPieceExtent)};
    if (!isGrid(g))
        return g;
    // The template extent is taken once; the loops below do not recompute it.
    const Single templateW = fittedW / Single(g.cols);
    const Single templateH = fittedH / Single(g.rows);
    const Single g35 = Single(gap);
    while (isGrid(g) && areaW - 100 < (g35 + templateW) * Single(g.cols)) {
        const Single ratio = Single(g.cols) / Single(g.rows);
        g.cols = static_cast<std::int16_t>(g.cols - 1);
        g.rows = toInt16Saturated(Single(g.cols) / ratio);
    }
    while (isGrid(g) && areaH - 100 < (g35 + templateH) * Single(g.rows)) {
        const Single ratio = Single(g.cols) / Single(g.rows);
        g.rows = static_cast<std::int16_t>(g.rows - 1);
        g.cols = toInt16Saturated(Single(g.rows) * ratio);
    }
    return capGrid(g);
}

std::vector<Grid> sizeList(Grid largest)
{
    largest = capGrid(largest);
    std::vector<Grid> sizes;
    if (!isGrid(largest) || largest.pieces() < 9)
        return sizes;
    const Single ratio = Single(largest.cols) / Single(largest.rows);
    // Walk down from the largest grid: the untruncated row count decides whether a step still
    // counts, the truncated one is what the entry offers. A step with less than one column or
    // row ends the walk as well, so every offered grid has at least one of each.
    for (std::int16_t c = largest.cols - 1; c >= 1; --c) {
        const Single r = Single(c) / ratio;
        if (r < 1 || !(Single(c) * r >= 9))
            break;
        sizes.push_back(Grid{c, static_cast<std::int16_t>(truncate(r))});
    }
    std::reverse(sizes.begin(), sizes.end());
    sizes.push_back(largest);
    return sizes;
}

std::string sizeCaption(Grid grid)
{
    return std::to_string(grid.cols) + "x" + std::to_string(grid.rows) + "=" +
           std::to_string(grid.pieces());
}

int initialSizeIndex(int sizeCount, float draw)
{
    if (sizeCount <= 1)
        return 0;
    const int idx = static_cast<int>(truncate(static_cast<float>(sizeCount - 1) * draw));
    // Only a draw outside [0, 1) could leave the menu; such a draw picks an end entry.
    return std::clamp(idx, 0, sizeCount - 1);
}

bool pictureLargeEnough(Single naturalW, Single naturalH)
{
    return stepCount(naturalW, kValidityStep) >= 3 && stepCount(naturalH, kValidityStep) >= 3;
}

bool formsAnySize(Single naturalW, Single naturalH, Single areaW, Single areaH, int gap)
{
    // The position in the window does not matter to the grid.
    const FittedPicture f = fitPicture(naturalW, naturalH, areaW, areaH, 0, 0);
    return !sizeList(largestGrid(f.Width, f.Height, areaW, areaH, gap)).empty();
}

} // namespace quiltra
