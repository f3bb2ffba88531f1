// A game with a cut board for the play tests: grid set-up, arrangements of pieces by cell, and
// the checks the shuffle, move and hint tests share.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "support/fakes.h"
#include "support/game_parts.h"

namespace quiltra::test {

class PlayTest : public ::testing::Test {
protected:
    GameRig rig;
    Game& game = rig.game;
    Board& board = GameParts::board(rig.game);

    // Cuts a cols x rows board in a game area of the default window: the whole picture 8400 x 5400
    // gives whole-twip pieces; other picture sizes give pieces with fractions of a twip.
    void cut(int cols, int rows, Single pictureW = 8400, Single pictureH = 5400,
             Single areaW = 9460, Single areaH = 6150)
    {
        GameParts::form(game).Picture2.Width = areaW;
        GameParts::form(game).Picture2.Height = areaH;
        GameParts::form(game).Image1.Width = pictureW;
        GameParts::form(game).Image1.Height = pictureH;
        board.chooseGrid(Grid{std::int16_t(cols), std::int16_t(rows)});
        game.Divide_Pic();
        GameParts::form(game).GameState = State::WholePicture;
        GameParts::menuItems(game).mnuCurrent.Caption = "Lake";
        GameParts::menuItems(game).mnuCurSize.Caption = "4x3=12";
    }
    // A clock started `seconds` ago whose text shows that time.
    void showClock(double seconds)
    {
        GameParts::clock(game) = GameClock{};
        GameParts::clock(game).start(rig.clock.t - seconds);
        GameParts::clock(game).tick(rig.clock.t);
    }
    // The largest grid offered: 300 pieces, in the largest game area.
    void cutLargest() { cut(20, 15, 17000, 11000, 18950, 12905); }

    // A game in progress, pieces where `cells` says (piece k in cell cells[k-1]); empty = as cut.
    void play(Mode mode, std::vector<int> cells = {})
    {
        rig.program.PlayMode = mode;
        GameParts::form(game).GameState = State::Playing;
        GameParts::counters(game).reset();
        GameParts::form(game).HintsShown = false;
        GameParts::clock(game).stop();
        GameParts::form(game).Picture2.Visible = true;
        board.arrange(board.puzzle().withSlider(mode == Mode::Slider));
        // Piece k goes to cell cells[k - 1], trading places with the piece there; the pieces
        // after the list stay where that leaves them.
        for (std::size_t i = 0; i < cells.size(); ++i)
            moveTo(int(i) + 1, cells[i]);
        if (mode == Mode::Slider)
            board.setVisible(board.pieceCount(), false);
    }
    // Piece k changes places with the piece in `cell`.
    void moveTo(int k, int cell) { board.apply(Move::swap(board.puzzle().cellOf(k), cell)); }
    // The cell piece k stands in.
    int cellOf(int k) const { return board.puzzle().cellOf(k); }
    std::vector<int> cells() const
    {
        std::vector<int> out;
        for (int k = 1; k <= board.pieceCount(); ++k)
            out.push_back(cellOf(k));
        return out;
    }
    // Every piece on a cell of its own: a permutation of the home cells.
    void expectPermutation() const
    {
        std::vector<int> seen(std::size_t(board.pieceCount()) + 1, 0);
        for (const int c : cells()) {
            ASSERT_GE(c, 1) << "a piece stands outside the grid";
            ++seen[std::size_t(c)];
        }
        for (int c = 1; c <= board.pieceCount(); ++c)
            EXPECT_EQ(seen[std::size_t(c)], 1) << "cell " << c;
    }
    std::vector<int> visibleMarks() const
    {
        std::vector<int> out;
        for (std::size_t k = 0; k < board.marks().size(); ++k)
            if (board.marks()[k].Visible)
                out.push_back(int(k));
        return out;
    }
    std::vector<int> misplaced() const
    {
        std::vector<int> out;
        for (int k = 1; k <= board.pieceCount(); ++k)
            if (cellOf(k) != k)
                out.push_back(k);
        return out;
    }
    // A click on the empty cell (piece n) at its top-left corner.
    void pressEmpty()
    {
        const Piece& e = board.piece(board.pieceCount());
        game.picture2_mousedown(e.Left, e.Top);
    }
};

} // namespace quiltra::test
