// The board: cutting into pieces, laying out again after a resize, and the intro's reassembly.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "game/sizes.h"
#include "support/game_parts.h"
#include "support/fakes.h"

namespace quiltra {
namespace {

using test::GameRig;

// A 400 x 300 pixel picture (6000 x 4500 twips) fitted into the default window.
void loadPicture(GameRig& rig, double width = 9550, double height = 6750)
{
    GameParts::form(rig.game).Window.Width = width;
    GameParts::form(rig.game).Window.Height = height;
    GameParts::form(rig.game).Picture2.Width = Single(width - 150);
    GameParts::form(rig.game).Picture2.Height = Single(height - 600);
    rig.clip.w = 400;
    rig.clip.h = 300;
    rig.game.pic_handler();
}

void cut(Game& g, std::int16_t cols, std::int16_t rows)
{
    GameParts::board(g).chooseGrid(Grid{cols, rows});
    g.Divide_Pic();
}

// Every piece in its own cell, where the layout puts that cell.
bool allHome(const Board& b)
{
    for (int k = 1; k <= b.pieceCount(); ++k)
        if (b.puzzle().cellOf(k) != k || b.piece(k).Left != b.homeLeft(k) ||
            b.piece(k).Top != b.homeTop(k))
            return false;
    return true;
}

TEST(Board, ThreeByThreeGridGivesNinePiecesAndTenFrames)
{
    GameRig rig;
    Game& g = rig.game;
    int events = 0;
    GameParts::services(g).processEvents = [&] { ++events; };
    loadPicture(rig);
    cut(g, 5, 4);
    GameParts::board(g).select(7);
    const int generation = g.form().pictureGeneration;
    cut(g, 3, 3);

    const Board& b = g.board();
    EXPECT_EQ(events, 2) << "window events run once per cut, never inside the loop";
    EXPECT_EQ(g.form().pictureGeneration, generation + 1);
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
    // The block of 3 x (1999 + 35) by 3 x (1499 + 35) is centred in the 9400 x 6150 area, less
    // 20 twips across and 35 down.
    EXPECT_EQ(b.piece(1).Left, 1629);
    EXPECT_EQ(b.piece(1).Top, 739);
    EXPECT_EQ(b.piece(2).Left, 3663);
    EXPECT_EQ(b.piece(4).Top, 2273);
    EXPECT_EQ(b.boardFrame().Left, 1619);
    EXPECT_EQ(b.boardFrame().Top, 729);
    EXPECT_EQ(b.boardFrame().Width, 6097);
    EXPECT_EQ(b.boardFrame().Height, 4597);
    EXPECT_FALSE(g.form().Picture2.Visible);
    EXPECT_TRUE(g.form().Image1.Visible);
    EXPECT_TRUE(g.form().Shape1.Visible);
}

TEST(Board, DividePicLaysEveryPieceHomeWithEvenSpacing)
{
    const std::int16_t grids[][2] = {{3, 3}, {9, 7}, {4, 3}, {17, 1}, {7, 9}, {2, 5}};
    for (const auto& grid : grids) {
        GameRig rig;
        Game& g = rig.game;
        loadPicture(rig);
        cut(g, grid[0], grid[1]);
        const Board& b = g.board();
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

TEST(Board, DividePic2KeepsEveryPieceInItsCell)
{
    GameRig rig;
    Game& g = rig.game;
    loadPicture(rig);
    cut(g, 4, 3);
    Board& b = GameParts::board(g);
    // A game in play: every piece one cell on, piece 12 hidden, piece 3 selected, puzzle shown.
    std::vector<int> cellOf(13);
    for (int k = 1; k <= 12; ++k)
        cellOf[k] = k % 12 + 1;
    b.arrange(*Puzzle::fromCells(4, 3, {cellOf.begin() + 1, cellOf.end()}, false));
    b.setVisible(12, false);
    b.select(3);
    GameParts::form(g).Picture2.Visible = true;
    GameParts::form(g).Image1.Visible = false;
    const Single oldHome1 = b.homeLeft(1);

    // The window grows to its largest size and the picture is refitted.
    GameParts::form(g).Window.Width = 19100;
    GameParts::form(g).Window.Height = 13505;
    GameParts::form(g).Picture2.Width = 18950;
    GameParts::form(g).Picture2.Height = 12905;
    const FittedPicture f = fitPicture(6000, 4500, 18950, 12905, 19100, 13505);
    GameParts::form(g).Image1.Width = f.Width;
    GameParts::form(g).Image1.Height = f.Height;
    g.Divide_Pic2();

    EXPECT_NE(b.homeLeft(1), oldHome1);
    EXPECT_FLOAT_EQ(b.pieceWidth(), f.Width / 4 - 1);
    EXPECT_FLOAT_EQ(b.marks()[0].Width, b.pieceWidth() - 40);
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(b.puzzle().cellOf(k), cellOf[k]) << k;
        EXPECT_EQ(b.piece(k).Left, b.homeLeft(cellOf[k])) << k;
        EXPECT_EQ(b.piece(k).Top, b.homeTop(cellOf[k])) << k;
        EXPECT_EQ(b.piece(k).Visible, k != 12);
    }
    EXPECT_EQ(b.selected(), -1);
    EXPECT_FALSE(b.boardFrame().Visible);
    EXPECT_FLOAT_EQ(b.boardFrame().Width, (35 + b.pieceWidth()) * 4);
    EXPECT_TRUE(g.form().Picture2.Visible);
    EXPECT_FALSE(g.form().Image1.Visible);

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

TEST(Intro, OneStepBringsAnExchangedPairHome)
{
    GameRig rig;
    Game& g = rig.game;
    loadPicture(rig);
    cut(g, 4, 4);
    Board& b = GameParts::board(g);
    b.apply(Move::swap(2, 5));
    b.setVisible(16, false);
    GameParts::form(g).Picture2.Visible = true;
    GameParts::form(g).Image1.Visible = GameParts::form(g).Shape1.Visible = false;
    GameParts::form(g).GameState = State::IntroReassembling;

    g.IntroStep();
    EXPECT_TRUE(allHome(b));
    EXPECT_EQ(g.form().GameState, State::IntroReassembling);
    EXPECT_TRUE(b.piece(16).Visible);

    g.IntroStep();
    EXPECT_EQ(g.form().GameState, State::IntroFinished);
    EXPECT_TRUE(g.form().Image1.Visible);
    EXPECT_TRUE(g.form().Shape1.Visible);
    EXPECT_FALSE(g.form().Picture2.Visible);
}

// Any arrangement of the 16 cells is whole after at most 15 steps, one piece home per step.
TEST(Intro, AnyDealIsWholeWithinFifteenSteps)
{
    std::mt19937 draw(7);
    for (int deal = 0; deal < 40; ++deal) {
        GameRig rig;
        Game& g = rig.game;
        loadPicture(rig);
        cut(g, 4, 4);
        Board& b = GameParts::board(g);
        std::vector<int> cells(16);
        std::iota(cells.begin(), cells.end(), 1);
        std::shuffle(cells.begin(), cells.end(), draw);
        b.arrange(*Puzzle::fromCells(4, 4, cells, false));
        GameParts::form(g).GameState = State::IntroReassembling;
        int steps = 0;
        while (g.form().GameState == State::IntroReassembling && steps < 20) {
            g.IntroStep();
            ++steps;
        }
        EXPECT_LE(steps, 16) << "deal " << deal;
        EXPECT_EQ(g.form().GameState, State::IntroFinished);
        EXPECT_TRUE(allHome(b)) << "deal " << deal;
    }
}

} // namespace
} // namespace quiltra
