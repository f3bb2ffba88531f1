// The keyboard cursor: the cell that Space or Return acts on when the game is played by keys.
#pragma once

namespace quiltra {

enum class CursorStep { Left, Right, Up, Down };

// Hidden until the first arrow key, which shows it on the top-left cell without moving it; each
// later arrow moves it one cell, and an arrow towards an edge it stands on leaves it there. A new
// grid hides it and puts it back on the top-left cell.
class KeyboardCursor {
public:
    // The grid the cursor moves on; a grid other than the current one resets the cursor.
    void setGrid(int cols, int rows);
    // True when the cursor shows after the step (false only on a grid without cells).
    bool step(CursorStep direction);
    // A mouse click or the end of the game; the cursor keeps its cell for the next arrow.
    void hide() { visible_ = false; }
    void reset();

    bool visible() const { return visible_; }
    int column() const { return column_; }
    int row() const { return row_; }
    // The cell under the cursor, numbered from 1 row by row from the top left like the pieces
    // that belong in the cells.
    int cell() const { return row_ * cols_ + column_ + 1; }

private:
    int cols_ = 0;
    int rows_ = 0;
    int column_ = 0;
    int row_ = 0;
    bool visible_ = false;
};

} // namespace quiltra
