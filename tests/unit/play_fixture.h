// A game with a cut board for the play tests: grid set-up, arrangements of pieces by cell, and
// the checks the shuffle, move and hint tests share.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/fakes.h"
#include "support/game_parts.h"
#include "support/temp_folder.h"

namespace quiltra::test {

class PlayTest : public ::testing::Test {
protected:
    GameRig rig;
    Game& game = rig.game;
    Board& board = GameParts::board(rig.game);

    TempFolder tmp;
    std::string lake = tmp / "Pics/Lake.jpg";

    // Cuts a cols x rows board of the listed picture "Lake", 560 x 360 pixels, which the game
    // area of the default window (9460 x 6150 twips) shows whole at 8400 x 5400 twips: whole-twip
    // pieces. The window loads, the intro is skipped and the picture is taken into play at the
    // grid asked for, as a saved game fixes its grid.
    void cut(int cols, int rows) { cutLake(cols, rows, 560, 360); }
    // Loads the window, chooses Screen Size `screen` when one is given, and takes "Lake" of the
    // given pixel size into play at a cols x rows grid.
    void cutLake(int cols, int rows, int pixelW, int pixelH, int screen = -1)
    {
        staged_ = false;
        rig.program.SettingsFolder = tmp.path();
        tmp.write("Pics/Lake.jpg", "jpeg");
        rig.pictures.List1 = {lake};
        rig.pictures.List2 = {"Lake"};
        rig.clip.files = {{lake, pixelW, pixelH}};
        rig.program.Window = WindowGeometry{}; // the window opens at its default size
        game.Form_Load();
        game.skipIntro();
        if (screen >= 0)
            game.mnuScreen_Click(screen);
        PictureRequest request = openedPicture("Lake.jpg", tmp / "Pics");
        request.name = "Lake";
        request.recogniseInPlay = false;
        request.grid = Grid{std::int16_t(cols), std::int16_t(rows)};
        ASSERT_TRUE(game.takePictureIntoPlay(request).taken());
        rig.messages.shown.clear();
        rig.sound.log.clear();
    }
    // Cuts a cols x rows board with the fitted picture and the game area given in twips. These
    // sizes (pieces with fractions of a twip, the largest area at 18950 x 12905) are not what a
    // picture of whole pixels fits to in the windows the handlers lay out, so they are staged.
    void cut(int cols, int rows, Single pictureW, Single pictureH, Single areaW = 9460,
             Single areaH = 6150)
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
        staged_ = true;
    }
    bool staged_ = false;
    // A game on a staged board: a saved game would cut the picture again at a size of its own.
    void playStaged(Mode mode, const std::vector<int>& cells)
    {
        rig.program.PlayMode = mode;
        GameParts::form(game).GameState = State::Playing;
        GameParts::counters(game).reset();
        GameParts::form(game).HintsShown = false;
        GameParts::clock(game).stop();
        GameParts::form(game).Picture2.Visible = true;
        board.arrange(board.puzzle().withSlider(mode == Mode::Slider));
        for (std::size_t i = 0; i < cells.size(); ++i)
            moveTo(int(i) + 1, cells[i]);
        if (mode == Mode::Slider)
            board.setVisible(board.pieceCount(), false);
    }
    // A clock started `seconds` ago whose text shows that time.
    void showClock(double seconds)
    {
        GameParts::clock(game) = GameClock{};
        GameParts::clock(game).start(rig.clock.t - seconds);
        GameParts::clock(game).tick(rig.clock.t);
    }
    // The largest grid offered: 300 pieces, in the game area of the largest Screen Size
    // (18950 x 12905 twips), the picture shown whole at 16500 x 10800 twips.
    void cutLargest()
    {
        cutLake(20, 15, 1100, 720, 5);
        ASSERT_EQ(game.form().Picture2.Width, 18950);
        ASSERT_EQ(game.form().Image1.Width, 16500);
    }

    // A game in progress, pieces where `cells` says (piece k in cell cells[k-1]); empty = as cut.
    // Piece k goes to cell cells[k - 1], trading places with the piece there; the pieces after the
    // list stay where that leaves them. The game is a saved game the test writes and loads, as
    // the player would, then restarts: no moves, no hints, the clock waiting for the first action.
    void play(Mode mode, std::vector<int> cells = {})
    {
        if (staged_) {
            playStaged(mode, cells);
            return;
        }
        ASSERT_NO_FATAL_FAILURE(resume(mode, cells, 0, 0, 0));
        const std::vector<int> dealt = cellsNow();
        // Restart leaves the loaded deal as New Game leaves its own: the clock stopped, to start
        // with the first click, Hint or arrow slide.
        game.mnuRestart_Click();
        ASSERT_EQ(game.form().GameState, State::Playing);
        ASSERT_FALSE(game.clock().running());
        ASSERT_EQ(cellsNow(), dealt);
        rig.messages.shown.clear();
        rig.sound.log.clear();
    }
    // The same saved game with `moves`, `hints` and `seconds` played, loaded and not restarted:
    // the game goes on from those counts, its clock paused at the saved time until the next
    // click, Hint or key. The saved game shows the picture as `name`.
    void resume(Mode mode, const std::vector<int>& cells, int moves, int hints, int seconds,
                const std::string& name = "Lake")
    {
        const int n = board.pieceCount();
        std::vector<int> at(std::size_t(n) + 1); // at[k]: the cell of piece k
        std::vector<int> on(std::size_t(n) + 1); // on[c]: the piece in cell c
        for (int k = 1; k <= n; ++k)
            at[std::size_t(k)] = on[std::size_t(k)] = k;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const int k = int(i) + 1, to = cells[i], other = on[std::size_t(to)];
            on[std::size_t(at[std::size_t(k)])] = other;
            at[std::size_t(other)] = at[std::size_t(k)];
            on[std::size_t(to)] = k;
            at[std::size_t(k)] = to;
        }
        // The pieces are where the cut left them, each on its home cell: piece c marks cell c.
        std::string text = lake + "," + name + "," + std::to_string(board.gridCols()) + "," +
                           std::to_string(board.gridRows());
        for (int k = 1; k <= n; ++k) {
            const Piece& home = board.piece(at[std::size_t(k)]);
            text += "," + std::to_string(std::lround(home.Left)) + "," +
                    std::to_string(std::lround(home.Top));
        }
        text += mode == Mode::Slider ? ",slider," : ",puzzle,";
        text += std::to_string(moves) + "," + std::to_string(hints) + "," +
                std::to_string(seconds) + "\n";
        tmp.write("last.txt", text);
        game.mnuRestore_Click();
        ASSERT_EQ(game.form().GameState, State::Playing) << text;
        ASSERT_EQ(game.counters().moves(), moves) << text;
        ASSERT_EQ(game.counters().hints(), hints) << text;
        ASSERT_EQ(cellsNow(), std::vector<int>(at.begin() + 1, at.end())) << text;
        rig.messages.shown.clear();
        rig.sound.log.clear();
    }
    // Clicks the Preferences sound items the player would click to reach these check marks.
    void soundSwitches(bool effects, bool move, bool end)
    {
        if (game.menus().SndMv().Checked != move)
            game.SndMv_Click();
        if (game.menus().SndEnd().Checked != end)
            game.SndEnd_Click();
        if (game.menus().mnuEffects().Checked != effects)
            game.mnuEffects_Click();
    }
    // Piece k changes places with the piece in `cell`.
    void moveTo(int k, int cell) { board.apply(Move::swap(board.puzzle().cellOf(k), cell)); }
    // The cell piece k stands in.
    int cellOf(int k) const { return board.puzzle().cellOf(k); }
    std::vector<int> cells() const { return cellsNow(); }
    std::vector<int> cellsNow() const
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
