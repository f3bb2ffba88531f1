// The keyboard cursor: shown by the first arrow on the top-left cell, moved cell by cell, held at
// the edges, hidden by a click and reset by a new grid.
#include <gtest/gtest.h>

#include "game/keyboard_cursor.h"

namespace quiltra {
namespace {

TEST(KeyboardCursor, FirstArrowShowsTopLeftThenStepsStopAtTheEdges)
{
    using S = CursorStep;
    KeyboardCursor c;
    c.setGrid(4, 3);
    EXPECT_FALSE(c.visible());
    EXPECT_TRUE(c.step(S::Down));
    EXPECT_TRUE(c.visible());
    EXPECT_EQ(c.cell(), 1) << "the first arrow only shows the cursor";

    const struct {
        S step;
        int column, row, cell;
    } walk[] = {
        {S::Left, 0, 0, 1},  {S::Up, 0, 0, 1},    {S::Right, 1, 0, 2}, {S::Right, 2, 0, 3},
        {S::Right, 3, 0, 4}, {S::Right, 3, 0, 4}, {S::Down, 3, 1, 8},  {S::Down, 3, 2, 12},
        {S::Down, 3, 2, 12}, {S::Left, 2, 2, 11}, {S::Up, 2, 1, 7},
    };
    for (const auto& w : walk) {
        c.step(w.step);
        EXPECT_EQ(c.column(), w.column);
        EXPECT_EQ(c.row(), w.row);
        EXPECT_EQ(c.cell(), w.cell);
    }

    // A click hides it; the next arrow shows it where it was.
    c.hide();
    EXPECT_FALSE(c.visible());
    c.step(S::Right);
    EXPECT_TRUE(c.visible());
    EXPECT_EQ(c.cell(), 7);

    c.setGrid(4, 3);
    EXPECT_EQ(c.cell(), 7) << "the same grid keeps the cursor";
    c.setGrid(3, 3);
    EXPECT_FALSE(c.visible());
    c.step(S::Right);
    EXPECT_EQ(c.cell(), 1);

    KeyboardCursor none;
    EXPECT_FALSE(none.step(S::Right)) << "no grid, no cursor";
    EXPECT_FALSE(none.visible());
}

} // namespace
} // namespace quiltra
