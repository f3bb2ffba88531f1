// The board: cutting into pieces, laying out again after a resize, and the intro's reassembly.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/sizes.h"
#include "play_fixture.h"

namespace quiltra::test {
namespace {

using BoardCut = PlayTest;

// Every piece in its own cell, where the layout puts that cell.
bool allHome(const Board& b)
{
    for (int k = 1; k <= b.pieceCount(); ++k)
        if (b.puzzle().cellOf(k) != k || b.piece(k).Left != b.homeLeft(k) ||
            b.piece(k).Top != b.homeTop(k))
            return false;
    return true;
}

// A 400 x 300 pixel picture (6000 x 4500 twips), shown whole in the default window's game area
// of 9460 x 6150 twips, cut into a 5 x 4 game with piece 7 selected, then taken into play again
// at 3 x 3, as a saved game of that grid takes it.
TEST_F(BoardCut, ThreeByThreeGridGivesNinePiecesAndTenFrames)
{
    cutLake(5, 4, 400, 300);
    game.mnuPuz_Click();
    game.image2_Click(7);
    ASSERT_EQ(board.selected(), 7);
    int events = 0;
    game.setEventPump([&] { ++events; });
    const int generation = game.form().pictureGeneration;
    PictureRequest request = openedPicture("Lake.jpg", tmp / "Pics");
    request.recogniseInPlay = false;
    request.grid = Grid{3, 3};
    ASSERT_TRUE(game.takePictureIntoPlay(request).taken());

    const Board& b = game.board();
    EXPECT_EQ(events, 1) << "window events run once a cut, never once a piece";
    EXPECT_GT(game.form().pictureGeneration, generation) << "the window scales the new pieces";
    EXPECT_EQ(b.numPieces(), 9);
    EXPECT_EQ(b.pieceCount(), 9);
    ASSERT_EQ(b.marks().size(), 10u);
    EXPECT_EQ(b.selected(), -1);
    EXPECT_FLOAT_EQ(b.pieceWidth(), 1999);   // 6000 / 3 - 1
    EXPECT_FLOAT_EQ(b.pieceHeight(), 1499);  // 4500 / 3 - 1
    for (const Frame& f : b.marks()) {
        EXPECT_FLOAT_EQ(f.Width, 1959);
        EXPECT_FLOAT_EQ(f.Height, 1459);
        EXPECT_EQ(f.BorderWidth, 3);
        EXPECT_FALSE(f.Visible);
    }
    // The block of 3 x (1999 + 35) by 3 x (1499 + 35) is centred in the 9460 x 6150 area, less
    // 20 twips across and 35 down.
    EXPECT_EQ(b.piece(1).Left, 1659);
    EXPECT_EQ(b.piece(1).Top, 739);
    EXPECT_EQ(b.piece(2).Left, 3693);
    EXPECT_EQ(b.piece(4).Top, 2273);
    EXPECT_EQ(b.boardFrame().Left, 1649);
    EXPECT_EQ(b.boardFrame().Top, 729);
    EXPECT_EQ(b.boardFrame().Width, 6097);
    EXPECT_EQ(b.boardFrame().Height, 4597);
    EXPECT_FALSE(game.form().Picture2.Visible);
    EXPECT_TRUE(game.form().Image1.Visible);
    EXPECT_TRUE(game.form().Shape1.Visible);

    // A size from the Size menu cuts the picture again, and the window scales those pieces too.
    const int before = game.form().pictureGeneration;
    game.mnuSize_Click(0);
    ASSERT_NE(b.pieceCount(), 9);
    EXPECT_GT(game.form().pictureGeneration, before);
}

TEST_F(BoardCut, DividePicLaysEveryPieceHomeWithEvenSpacing)
{
    const int grids[][2] = {{3, 3}, {9, 7}, {4, 3}, {17, 1}, {7, 9}, {2, 5}};
    for (const auto& grid : grids) {
        SCOPED_TRACE(std::to_string(grid[0]) + " x " + std::to_string(grid[1]));
        cutLake(grid[0], grid[1], 400, 300);
        const Board& b = game.board();
        ASSERT_EQ(b.pieceCount(), grid[0] * grid[1]);
        EXPECT_TRUE(allHome(b));
        const Single w = b.pieceWidth(), h = b.pieceHeight();
        for (int k = 1; k <= b.pieceCount(); ++k) {
            const Piece& p = b.piece(k);
            EXPECT_TRUE(p.Visible);
            EXPECT_EQ(p.Left, std::nearbyint(p.Left)) << "cells lie on whole twips";
            const int col = (k - 1) % grid[0];
            if (col > 0) {
                EXPECT_NEAR(p.Left - b.piece(k - 1).Left, w + 35, 0.5) << k;
            } else {
                EXPECT_EQ(p.Left, b.piece(1).Left) << k;
            }
            if (k > grid[0]) {
                EXPECT_NEAR(p.Top - b.piece(k - grid[0]).Top, h + 35, 0.5) << k;
            }
        }
    }
}

// Half-twip positions show the rounding: every running position is rounded to even, and the
// markers and the board frame are measured from the rounded cells.
TEST(BoardLayout, HalfTwipsRoundToEvenAndFramesFollowTheCells)
{
    // 2 x 2 pieces of 301 / 2 - 1 = 149.5 twips with the gap of 35 in a 1000 x 1000 area: the
    // block starts at (1000 - 369) / 2 - 20 = 295.5 across and (1000 - 369) / 2 - 35 = 280.5 down.
    const BoardLayout layout(Grid{2, 2}, 301, 301, 1000, 1000);
    EXPECT_FLOAT_EQ(layout.pieceWidth(), 149.5f);
    EXPECT_EQ(layout.gap(), 35);
    const CellGrid& cells = layout.cells();
    ASSERT_EQ(cells.count(), 4);
    EXPECT_EQ(cells.left(1), 296);
    EXPECT_EQ(cells.top(1), 280);
    EXPECT_EQ(cells.left(4), 480); // 296 + 184.5 = 480.5
    EXPECT_EQ(cells.top(4), 464);  // 280 + 184.5 = 464.5
    EXPECT_EQ(cells.cellAt(480, 280), 2);
    EXPECT_EQ(cells.cellAt(480.5f, 280), 0);

    const Box marker = layout.marker(4);
    EXPECT_EQ(marker.Left, 500);
    EXPECT_EQ(marker.Top, 484);
    EXPECT_FLOAT_EQ(marker.Width, 109.5f);
    const Box frame = layout.boardFrame(5);
    EXPECT_EQ(frame.Left, 286);
    EXPECT_EQ(frame.Top, 270);
    EXPECT_FLOAT_EQ(frame.Width, 364);

    // No grid, no cells.
    EXPECT_EQ(BoardLayout(Grid{0, 3}, 301, 301, 1000, 1000).cells().count(), 0);
}

// A game in play, every piece one cell on (piece 12 in cell 1), when the player chooses the
// largest Screen Size: a picture of 1237 x 833 pixels, reduced in the default window, is shown
// larger, and every piece stays in the cell it occupies, at that cell's new place. In Puzzle
// mode piece 3 was selected; in Slider mode piece 12 is the empty cell.
TEST_F(BoardCut, LargerWindowKeepsEveryPieceInItsCell)
{
    for (const Mode mode : {Mode::Puzzle, Mode::Slider}) {
        SCOPED_TRACE(mode == Mode::Slider ? "Slider" : "Puzzle");
        cutLake(4, 3, 1237, 833);
        play(mode, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        std::vector<int> cellOf(13);
        for (int k = 1; k <= 12; ++k) {
            cellOf[std::size_t(k)] = k % 12 + 1;
            ASSERT_EQ(board.puzzle().cellOf(k), cellOf[std::size_t(k)]) << k;
        }
        if (mode == Mode::Puzzle) {
            game.image2_Click(3);
            ASSERT_EQ(board.selected(), 3);
        }
        const Single oldHome1 = board.homeLeft(1), oldWidth = board.pieceWidth();

        game.mnuScreen_Click(5);

        ASSERT_EQ(game.form().Picture2.Width, 18950);
        EXPECT_NE(board.homeLeft(1), oldHome1);
        EXPECT_GT(board.pieceWidth(), oldWidth);
        EXPECT_FLOAT_EQ(board.pieceWidth(), game.form().Image1.Width / 4 - 1);
        EXPECT_FLOAT_EQ(board.marks()[0].Width, board.pieceWidth() - 40);
        for (int k = 1; k <= 12; ++k) {
            EXPECT_EQ(board.puzzle().cellOf(k), cellOf[std::size_t(k)]) << k;
            EXPECT_EQ(board.piece(k).Left, board.homeLeft(cellOf[std::size_t(k)])) << k;
            EXPECT_EQ(board.piece(k).Top, board.homeTop(cellOf[std::size_t(k)])) << k;
            EXPECT_EQ(board.piece(k).Visible, mode == Mode::Puzzle || k != 12) << k;
        }
        EXPECT_EQ(board.selected(), -1);
        for (std::size_t k = 0; k < board.marks().size(); ++k)
            EXPECT_FALSE(board.marks()[k].Visible) << "the selection frame goes with it: " << k;
        EXPECT_FLOAT_EQ(board.boardFrame().Width, (35 + board.pieceWidth()) * 4);
        EXPECT_TRUE(game.form().Picture2.Visible);
        EXPECT_EQ(game.form().GameState, State::Playing);
    }
}

// Hints on view when the window grows: each mark goes with its piece to the cell's new place,
// the selected piece's frame, which the Hint made its hint mark, among them.
TEST_F(BoardCut, HintMarksFollowTheirPiecesToALargerWindow)
{
    cutLake(4, 3, 1237, 833);
    play(Mode::Puzzle, {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11});
    game.image2_Click(11);
    game.mnuHint_Click();
    ASSERT_TRUE(game.form().HintsShown);
    const auto markedAtPieces = [&] {
        std::vector<int> marked;
        for (int k = 1; k <= 12; ++k) {
            const Frame& mark = board.marks()[std::size_t(k)];
            if (!mark.Visible)
                continue;
            marked.push_back(k);
            EXPECT_EQ(mark.Left, board.piece(k).Left + 20) << k;
            EXPECT_EQ(mark.Top, board.piece(k).Top + 20) << k;
        }
        return marked;
    };
    const std::vector<int> before = markedAtPieces();
    ASSERT_FALSE(before.empty());

    game.mnuScreen_Click(5);

    EXPECT_EQ(markedAtPieces(), before);
    EXPECT_EQ(board.selected(), -1);
}

// The intro as the window runs it: Form_Load, then the first tick cuts the intro picture 4 x 4
// and deals it with the random source, here scripted to give `cells` (piece k in cells[k - 1]).
void dealIntro(GameRig& rig, const std::vector<int>& cells)
{
    for (const int c : cells)
        rig.random.script.push_back((float(c) - 0.5f) / 16);
    rig.game.Form_Load();
    rig.game.Timer1_Timer();
    ASSERT_EQ(rig.game.form().GameState, State::IntroReassembling);
    for (int k = 1; k <= 16; ++k)
        ASSERT_EQ(rig.game.board().puzzle().cellOf(k), cells[std::size_t(k - 1)]) << k;
}

TEST(Intro, OneStepBringsAnExchangedPairHome)
{
    GameRig rig;
    Game& g = rig.game;
    dealIntro(rig, {1, 5, 3, 4, 2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    ASSERT_TRUE(g.form().Picture2.Visible);

    g.IntroStep();
    EXPECT_TRUE(allHome(g.board()));
    EXPECT_EQ(g.form().GameState, State::IntroReassembling);
    for (int k = 1; k <= 16; ++k)
        EXPECT_TRUE(g.board().piece(k).Visible) << k;

    g.IntroStep();
    EXPECT_EQ(g.form().GameState, State::IntroFinished);
    EXPECT_TRUE(g.form().Image1.Visible);
    EXPECT_TRUE(g.form().Shape1.Visible);
    EXPECT_FALSE(g.form().Picture2.Visible);
}

// Any deal of the 16 cells is whole after the fewest exchanges that can sort it (16 less its
// cycles), one step each, and one more step shows the whole picture: at most 16 steps.
TEST(Intro, AnyDealIsWholeAfterTheFewestExchanges)
{
    for (unsigned deal = 1; deal <= 40; ++deal) {
        SCOPED_TRACE("deal " + std::to_string(deal));
        GameRig rig;
        rig.random.state = deal * 7919u;
        Game& g = rig.game;
        g.Form_Load();
        g.Timer1_Timer();
        ASSERT_EQ(g.form().GameState, State::IntroReassembling);
        std::vector<bool> seen(17, false);
        int cycles = 0;
        for (int k = 1; k <= 16; ++k) {
            if (seen[std::size_t(k)])
                continue;
            ++cycles;
            for (int j = k; !seen[std::size_t(j)]; j = g.board().puzzle().cellOf(j))
                seen[std::size_t(j)] = true;
        }
        int steps = 0;
        while (g.form().GameState == State::IntroReassembling && steps < 20) {
            g.IntroStep();
            ++steps;
        }
        EXPECT_EQ(steps, 16 - cycles + 1);
        EXPECT_EQ(g.form().GameState, State::IntroFinished);
        EXPECT_TRUE(allHome(g.board()));
    }
}

} // namespace
} // namespace quiltra::test
