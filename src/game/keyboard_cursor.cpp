// The keyboard cursor's steps inside the grid.
#include "game/keyboard_cursor.h"

#include <algorithm>

namespace quiltra {

void KeyboardCursor::setGrid(int cols, int rows)
{
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    if (cols == cols_ && rows == rows_)
        return;
    cols_ = cols;
    rows_ = rows;
    reset();
}

bool KeyboardCursor::step(CursorStep direction)
{
    if (cols_ < 1 || rows_ < 1)
        return false;
    // The arrow that brings the cursor on view only shows it where it is.
    if (!visible_) {
        visible_ = true;
        return true;
    }
    switch (direction) {
    case CursorStep::Left: column_ = std::max(column_ - 1, 0); break;
    case CursorStep::Right: column_ = std::min(column_ + 1, cols_ - 1); break;
    case CursorStep::Up: row_ = std::max(row_ - 1, 0); break;
    case CursorStep::Down: row_ = std::min(row_ + 1, rows_ - 1); break;
    }
    return true;
}

void KeyboardCursor::reset()
{
    column_ = 0;
    row_ = 0;
    visible_ = false;
}

} // namespace quiltra
