// Hints: marks on the misplaced pieces, placements in Puzzle mode, and clearing the marks.
#include <gtest/gtest.h>

#include "play_fixture.h"

namespace quiltra::test {
namespace {

using Hints = PlayTest;

// 4 x 3 Puzzle game with pieces 1, 2, 5 and 7 misplaced: 1 <-> 2, 5 -> 7 -> 5.
const std::vector<int> kArrangement = {2, 1, 3, 4, 7, 6, 5, 8, 9, 10, 11, 12};

TEST_F(Hints, FirstHintMarksExactlyTheMisplacedPieces)
{
    cut(4, 3);
    play(Mode::Puzzle, kArrangement);
    game.mnuHint_Click();
    EXPECT_TRUE(game.form().HintsShown && game.clock().running() && game.menus().mnuSave().Enabled);
    EXPECT_EQ(game.counters().hints(), 0);
    EXPECT_EQ(cells(), kArrangement);
    EXPECT_EQ(visibleMarks(), (std::vector<int>{1, 2, 5, 7}));
    for (const int k : visibleMarks()) {
        EXPECT_EQ(board.marks()[std::size_t(k)].Left, board.piece(k).Left + 20);
        EXPECT_EQ(board.marks()[std::size_t(k)].Color, std::uint32_t(rig.program.HintColor));
    }
}

TEST_F(Hints, SecondHintPlacesOnePiece)
{
    const struct {
        const char* name;
        int selected;            // 0: none
        std::vector<int> after;  // cells of pieces 1..12
        std::vector<int> marks;
    } cases[] = {
        {"the selected piece 5 goes home", 5, {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {1, 2}},
        {"no selection: the first misplaced piece", 0, {1, 2, 3, 4, 7, 6, 5, 8, 9, 10, 11, 12},
         {5, 7}},
        {"the selected piece is home: nothing moves", 3, kArrangement, {1, 2, 5, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cut(4, 3);
        play(Mode::Puzzle, kArrangement);
        if (c.selected)
            game.image2_Click(c.selected);
        game.mnuHint_Click();
        game.mnuHint_Click();
        EXPECT_EQ(cells(), c.after);
        EXPECT_EQ(game.counters().hints(), 1);
        EXPECT_EQ(game.counters().moves(), 0);
        EXPECT_EQ(board.selected(), -1);
        EXPECT_EQ(visibleMarks(), c.marks);
    }
}

TEST_F(Hints, SliderHintsOnlyMark)
{
    cut(3, 3);
    play(Mode::Slider, {1, 2, 3, 4, 5, 9, 7, 8, 6});
    for (int i = 0; i < 3; ++i)
        game.mnuHint_Click();
    EXPECT_EQ(game.counters().hints(), 0);
    EXPECT_EQ(cells(), (std::vector<int>{1, 2, 3, 4, 5, 9, 7, 8, 6}));
    EXPECT_EQ(visibleMarks(), (std::vector<int>{6, 9}));
}

TEST_F(Hints, NextClickOnlyClearsTheMarks)
{
    cut(4, 3);
    play(Mode::Puzzle, kArrangement);
    game.image2_Click(5); // selected, misplaced
    game.mnuHint_Click();
    EXPECT_EQ(board.marks()[5].Color, std::uint32_t(rig.program.HintColor));
    game.image2_Click(7);
    EXPECT_FALSE(game.form().HintsShown);
    EXPECT_EQ(board.selected(), 5);
    EXPECT_EQ(visibleMarks(), std::vector<int>{5});
    EXPECT_EQ(board.marks()[5].Color, std::uint32_t(rig.program.SelectionColor));
    EXPECT_EQ(cells(), kArrangement);
    EXPECT_EQ(game.counters().moves(), 0);
}

TEST_F(Hints, HintPlacingTheLastPieceEndsTheGame)
{
    cut(4, 3);
    play(Mode::Puzzle, {2, 1});
    game.mnuHint_Click();
    game.mnuHint_Click();
    EXPECT_EQ(game.form().GameState, State::Solved);
    EXPECT_EQ(game.counters().hints(), 1);
    EXPECT_FALSE(game.clock().running() || game.menus().mnuHint().Enabled || game.form().HintsShown);
    EXPECT_EQ(rig.sound.count("open finish"), 1);
    EXPECT_TRUE(visibleMarks().empty());
}

TEST_F(Hints, OutsideAGameOnlyTheCaptionChanges)
{
    cut(4, 3);
    rig.program.PlayMode = Mode::Puzzle;
    game.mnuHint_Click();
    EXPECT_FALSE(game.form().HintsShown);
    EXPECT_TRUE(visibleMarks().empty());
    EXPECT_EQ(game.form().Caption, "Quiltra - puzzle: Lake  Size: 4x3=12");
}

TEST_F(Hints, HintCountStopsAt32767)
{
    // A saved game with 32767 hints, loaded and played on.
    cut(4, 3);
    resume(Mode::Puzzle, kArrangement, 5, 32767, 60);
    game.mnuHint_Click(); // marks on: the next Hint places a piece
    ASSERT_TRUE(game.form().HintsShown);
    const std::vector<int> before = misplaced();
    game.mnuHint_Click();
    ASSERT_LT(misplaced().size(), before.size()) << "the Hint placed a piece";
    EXPECT_EQ(game.counters().hints(), 32767);
}

TEST_F(Hints, RepeatedHintsFinishEveryPuzzleGame)
{
    const std::pair<int, int> grids[] = {{2, 2}, {5, 1}, {3, 3}, {4, 3}, {20, 15}};
    for (const auto& [cols, rows] : grids)
        for (unsigned seed = 1; seed <= 10; ++seed) {
            SCOPED_TRACE(testing::Message() << cols << "x" << rows << " seed " << seed);
            if (cols * rows > 100)
                cutLargest();
            else
                cut(cols, rows);
            rig.program.PlayMode = Mode::Puzzle;
            rig.random.state = seed;
            game.mnuPuz_Click();
            const std::size_t wrong = misplaced().size();
            int presses = 0;
            while (game.form().GameState == State::Playing && presses <= board.pieceCount() + 1) {
                const int before = game.counters().hints();
                game.mnuHint_Click();
                EXPECT_EQ(game.counters().hints(), presses ? before + 1 : before);
                ++presses;
            }
            EXPECT_EQ(game.form().GameState, State::Solved);
            EXPECT_TRUE(misplaced().empty());
            // Each placement brings at least one piece home, the last one two.
            EXPECT_LE(std::size_t(game.counters().hints()), wrong ? wrong - 1 : 0);
        }
}

} // namespace
} // namespace quiltra::test
