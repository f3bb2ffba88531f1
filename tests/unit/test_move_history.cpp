// Undo and redo over real play: swaps, Hint placements and slides taken back to the deal and
// played forward again, with the counters; a new move drops what could be redone.
#include <gtest/gtest.h>

#include <functional>

#include "support/game_parts.h"
#include "game/move_history.h"
#include "play_fixture.h"

namespace quiltra::test {
namespace {

class History : public PlayTest {
protected:
    MoveHistory history;
    std::vector<PlaySnapshot> seen;   // the deal, then the arrangement after each recorded move

    PlaySnapshot now() const { return takeSnapshot(board, game.counters()); }
    // Runs one player action the way the game window is to record it.
    void act(const std::function<void()>& action)
    {
        const PlaySnapshot before = now();
        action();
        const PlaySnapshot after = now();
        history.record(before, after);
        if (after != before)
            seen.push_back(after);
    }
    void apply(const std::optional<PlaySnapshot>& s)
    {
        ASSERT_TRUE(s.has_value());
        applySnapshot(*s, board, GameParts::counters(game));
    }
    // Undoes every move, checking each arrangement on the way, then redoes them all.
    void backToTheDealAndForward()
    {
        for (std::size_t i = seen.size() - 1; i > 0; --i) {
            SCOPED_TRACE(i);
            ASSERT_TRUE(history.canUndo());
            apply(history.undo());
            EXPECT_EQ(now(), seen[i - 1]);
        }
        EXPECT_FALSE(history.canUndo());
        EXPECT_FALSE(history.undo().has_value());
        for (std::size_t i = 1; i < seen.size(); ++i) {
            SCOPED_TRACE(i);
            apply(history.redo());
            EXPECT_EQ(now(), seen[i]);
        }
        EXPECT_FALSE(history.canRedo());
    }
};

TEST_F(History, PuzzleSwapsAndHintPlacements)
{
    cut(4, 3);
    const std::vector<int> deal = {2, 1, 3, 4, 7, 6, 5, 8, 12, 10, 11, 9};
    play(Mode::Puzzle, deal);
    seen.push_back(now());
    act([&] { game.image2_Click(9); });    // a selection is no move
    act([&] { game.image2_Click(12); });   // swap
    act([&] { game.image2_Click(3); });
    act([&] { game.image2_Click(3); });    // the same piece twice: a move that moves nothing
    act([&] { game.mnuHint_Click(); });    // marks only
    act([&] { game.mnuHint_Click(); });    // places piece 1
    act([&] { game.image2_Click(1); });    // clears the marks
    act([&] { game.image2_Click(5); });
    act([&] { game.image2_Click(7); });    // swap
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(now().Moves, 3);
    EXPECT_EQ(now().Hints, 1);
    ASSERT_EQ(cells(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) )
        << "the last swap solves the game";

    backToTheDealAndForward();

    // A new move after two undos: the undone moves cannot come back, the earlier ones still undo.
    apply(history.undo());
    apply(history.undo());
    ASSERT_TRUE(history.canRedo());
    game.GameState = State::Playing;
    act([&] { game.image2_Click(5); });
    act([&] { game.image2_Click(6); });
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.redo().has_value());
    for (int i = 2; i >= 0; --i) {
        apply(history.undo());
        EXPECT_EQ(now(), seen[std::size_t(i)]);
    }
    EXPECT_FALSE(history.canUndo());

    history.clear();
    EXPECT_FALSE(history.canUndo() || history.canRedo());
}

TEST_F(History, SliderSlidesByKeyAndMouseKeepTheEmptyCell)
{
    cut(3, 3);
    play(Mode::Slider);
    seen.push_back(now());
    act([&] { game.arrowSlide(Key::Right); });   // piece 8 into the gap
    act([&] { game.arrowSlide(Key::Down); });    // piece 5
    act([&] { game.arrowSlide(Key::Left); });    // piece 6
    act([&] {
        game.image2_Click(3);                    // piece 3 slides down into the empty cell
        pressEmpty();
    });
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(cells(), (std::vector<int>{1, 2, 6, 4, 8, 5, 7, 9, 3}));
    EXPECT_EQ(now().Moves, 4);

    backToTheDealAndForward();
    for (int i = 0; i < 4; ++i)
        apply(history.undo());
    EXPECT_EQ(cellOf(board.PieceCount), 9) << "the empty cell is back in its corner";
    // Play goes on from the restored arrangement: the gap is where the board says it is.
    act([&] { game.arrowSlide(Key::Down); });
    EXPECT_EQ(cells(), (std::vector<int>{1, 2, 3, 4, 5, 9, 7, 8, 6}));
    EXPECT_FALSE(history.canRedo());
}

TEST(MoveHistoryBounds, OldestStepsAreForgottenAndAStrangeStartBeginsAgain)
{
    MoveHistory h;
    PlaySnapshot s{{{0, 0}, {100, 0}}, 0, 0};
    for (std::size_t i = 0; i < MoveHistory::kMaxSteps + 5; ++i) {
        PlaySnapshot next = s;
        std::swap(next.Places[0], next.Places[1]);
        next.Moves = std::int16_t(i % 30000 + 1);
        h.record(s, next);
        s = next;
    }
    std::size_t undone = 0;
    while (h.undo())
        ++undone;
    EXPECT_EQ(undone, MoveHistory::kMaxSteps);

    // A move that does not start where the history left off starts a new history from there.
    MoveHistory g;
    const PlaySnapshot a{{{0, 0}, {100, 0}}, 0, 0};
    const PlaySnapshot b{{{100, 0}, {0, 0}}, 1, 0};
    const PlaySnapshot c{{{0, 0}, {200, 0}}, 5, 2};
    const PlaySnapshot d{{{200, 0}, {0, 0}}, 6, 2};
    g.record(a, b);
    g.record(c, d);
    EXPECT_EQ(g.undo(), c);
    EXPECT_FALSE(g.canUndo());
}

} // namespace
} // namespace quiltra::test
