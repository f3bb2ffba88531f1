// Undo and redo over real play: swaps, Hint placements and slides taken back to the deal and
// played forward again through the game, with the counters, the title, the marks, the clock and
// the menu items; a new move drops what could be redone.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "support/temp_folder.h"
#include "game/move_history.h"
#include "play_fixture.h"

namespace quiltra::test {
namespace {

// The arrangement of the pieces and both counters.
struct Arrangement {
    Puzzle puzzle;
    std::int16_t Moves = 0;
    std::int16_t Hints = 0;
    bool operator==(const Arrangement&) const = default;
};

class History : public PlayTest {
protected:
    std::vector<Arrangement> seen;   // the deal, then the arrangement after each move

    Arrangement now() const
    {
        return {board.puzzle(), game.counters().moves(), game.counters().hints()};
    }
    // Runs one player action; a move (anything that changes pieces or counters) is remembered.
    void act(const std::function<void()>& action)
    {
        const Arrangement before = now();
        action();
        if (now() != before)
            seen.push_back(now());
    }
    bool menuShows(bool undo, bool redo) const
    {
        return game.menus().mnuUndo().Enabled == undo && game.menus().mnuRedo().Enabled == redo &&
               game.canUndo() == undo && game.canRedo() == redo;
    }
    // Undoes every move, checking each arrangement and the title on the way, then redoes them.
    void backToTheDealAndForward()
    {
        for (std::size_t i = seen.size() - 1; i > 0; --i) {
            SCOPED_TRACE(i);
            ASSERT_TRUE(game.canUndo());
            game.undo();
            EXPECT_EQ(now(), seen[i - 1]);
            EXPECT_NE(game.form().Caption.find("Moves: 00" + std::to_string(seen[i - 1].Moves)),
                      std::string::npos) << game.form().Caption;
        }
        EXPECT_TRUE(menuShows(false, true));
        game.undo();
        EXPECT_EQ(now(), seen.front()) << "nothing more to undo";
        for (std::size_t i = 1; i < seen.size(); ++i) {
            SCOPED_TRACE(i);
            game.redo();
            EXPECT_EQ(now(), seen[i]);
        }
        EXPECT_TRUE(menuShows(true, false));
    }
};

TEST_F(History, PuzzleSwapsAndHintPlacements)
{
    cut(4, 3);
    const std::vector<int> deal = {2, 1, 3, 4, 7, 6, 5, 8, 12, 10, 11, 9};
    play(Mode::Puzzle, deal);
    seen.push_back(now());
    EXPECT_TRUE(menuShows(false, false));
    act([&] { game.image2_Click(9); });    // a selection is no move
    act([&] { game.image2_Click(12); });   // swap
    act([&] { game.image2_Click(3); });
    act([&] { game.image2_Click(3); });    // the same piece twice: a move that moves nothing
    act([&] { game.mnuHint_Click(); });    // marks only
    act([&] { game.mnuHint_Click(); });    // places piece 1
    ASSERT_TRUE(game.form().HintsShown);
    ASSERT_FALSE(visibleMarks().empty());

    // Undoing the placement clears the marks and gives the hint back; redo places it again.
    const int plays = rig.sound.count("play");
    game.undo();
    EXPECT_EQ(now(), seen[seen.size() - 2]);
    EXPECT_FALSE(game.form().HintsShown);
    EXPECT_TRUE(visibleMarks().empty());
    EXPECT_EQ(board.selected(), -1);
    EXPECT_NE(game.form().Caption.find("Hints: 000"), std::string::npos) << game.form().Caption;
    EXPECT_EQ(rig.sound.count("play"), plays + 1) << "an undo sounds like a move";
    game.redo();
    EXPECT_EQ(now(), seen.back());

    act([&] { game.image2_Click(5); });
    act([&] { game.image2_Click(6); });    // swap
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(now().Moves, 3);
    EXPECT_EQ(now().Hints, 1);

    backToTheDealAndForward();

    // A new move after two undos: the undone moves cannot come back, the earlier ones still undo.
    game.undo();
    game.undo();
    ASSERT_TRUE(game.canRedo());
    act([&] { game.image2_Click(5); });
    act([&] { game.image2_Click(7); });
    EXPECT_TRUE(menuShows(true, false));
    const Arrangement last = now();
    game.redo();
    EXPECT_EQ(now(), last);
    game.undo();
    for (int i = 2; i >= 0; --i) {
        EXPECT_EQ(now(), seen[std::size_t(i)]);
        game.undo();
    }
    EXPECT_FALSE(game.canUndo());
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
        game.undo();
    EXPECT_EQ(cellOf(board.pieceCount()), 9) << "the empty cell is back in its corner";
    EXPECT_FALSE(board.piece(board.pieceCount()).Visible);
    // Play goes on from the restored arrangement: the gap is where the board says it is.
    act([&] { game.arrowSlide(Key::Down); });
    EXPECT_EQ(cells(), (std::vector<int>{1, 2, 3, 4, 5, 9, 7, 8, 6}));
    EXPECT_FALSE(game.canRedo());
}

// An undo acts like a move on the clock and only on the puzzle in view; the finish ends the history.
TEST_F(History, ClockViewAndFinish)
{
    cut(4, 3);
    play(Mode::Puzzle, {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11});
    game.image2_Click(11);
    game.image2_Click(12);
    ASSERT_TRUE(game.canUndo());
    game.lostFocus();
    ASSERT_TRUE(game.clock().paused());

    game.mnuView_Click();    // the whole picture: nothing to take back there
    game.undo();
    EXPECT_EQ(cellOf(11), 11);
    game.mnuView_Click();
    game.undo();
    EXPECT_EQ(cellOf(11), 12);
    EXPECT_FALSE(game.clock().paused()) << "an undo resumes the clock";
    game.redo();

    rig.clock.advance(5);
    game.image2_Click(1);
    game.image2_Click(2);    // solves
    ASSERT_EQ(game.form().GameState, State::Solved);
    EXPECT_TRUE(menuShows(false, false));
    game.undo();
    EXPECT_TRUE(misplaced().empty()) << "a solved game cannot be undone";
}

// Every way the window changes size lays the cells out again; an undo and a redo after it still
// give the arrangements played, each piece at its cell's new place.
TEST(UndoAcrossResizes, RestoresTheArrangementAfterPlusMinusAndScreenSize)
{
    GameRig rig;
    TempFolder tmp;
    rig.program.SettingsFolder = tmp.path();
    tmp.write("Pics/lake.jpg", "jpeg");
    rig.pictures.List1.push_back(tmp / "Pics/lake.jpg");
    rig.pictures.List2.push_back("lake.jpg");
    rig.clip.files = {{tmp / "Pics/lake.jpg", 1237, 833}};
    Game& g = rig.game;
    g.Form_Load();
    g.mnuPict_Click(0);
    g.mnuPuz_Click();

    const std::vector<std::pair<const char*, std::function<void()>>> resizes = {
        {"+", [&] { g.keyDown(Key::Plus); g.keyDown(Key::Plus); g.keyUp(Key::Plus); }},
        {"-", [&] { g.keyDown(Key::Minus); g.keyUp(Key::Minus); }},
        {"Screen Size 3", [&] { g.mnuScreen_Click(3); }},
        {"Screen Size 0", [&] { g.mnuScreen_Click(0); }},
    };
    for (const auto& [name, resize] : resizes) {
        SCOPED_TRACE(name);
        const Puzzle before = g.board().puzzle();
        const int a = before.pieceAt(1), b = before.pieceAt(before.count());
        g.image2_Click(a);
        g.image2_Click(b);
        const Puzzle after = g.board().puzzle();
        ASSERT_NE(after, before);
        const Single leftWas = g.board().homeLeft(1);
        resize();
        ASSERT_NE(g.board().homeLeft(1), leftWas) << "the cells were laid out again";
        ASSERT_TRUE(g.canUndo());
        g.undo();
        EXPECT_EQ(g.board().puzzle(), before);
        for (int k = 1; k <= before.count(); ++k) {
            EXPECT_EQ(g.board().piece(k).Left, g.board().homeLeft(before.cellOf(k))) << k;
            EXPECT_EQ(g.board().piece(k).Top, g.board().homeTop(before.cellOf(k))) << k;
        }
        g.redo();
        EXPECT_EQ(g.board().puzzle(), after);
    }
}

TEST(MoveHistoryBounds, OldestStepsAreForgottenAndAStrangeStartBeginsAgain)
{
    MoveHistory h;
    Puzzle p(2, 1);
    Counters counts;
    for (std::size_t i = 0; i < MoveHistory::kMaxSteps + 5; ++i) {
        const Puzzle before = p;
        const Counters countsBefore = counts;
        p.apply(Move::swap(1, 2));
        counts.countMove();
        h.record(before, Move::swap(1, 2), countsBefore, counts);
    }
    std::size_t undone = 0;
    while (h.undo())
        ++undone;
    EXPECT_EQ(undone, MoveHistory::kMaxSteps);

    // A move that does not start where the history left off starts a new history from there.
    MoveHistory g;
    Counters none, one, five, six;
    one.restore(1, 0);
    five.restore(5, 2);
    six.restore(6, 2);
    g.record(Puzzle(3, 1), Move::swap(1, 2), none, one);
    g.record(*Puzzle::fromCells(3, 1, {3, 2, 1}, false), Move::swap(2, 3), five, six);
    const std::optional<MoveHistory::Return> back = g.undo();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->move, Move::swap(2, 3));
    EXPECT_EQ(back->counters.moves(), 5);
    EXPECT_EQ(back->counters.hints(), 2);
    EXPECT_FALSE(g.canUndo());

    // A step that changes neither the arrangement nor a count is not kept; an illegal one neither.
    MoveHistory e;
    e.record(Puzzle(3, 1), Move::swap(2, 2), none, none);
    e.record(Puzzle(3, 1), Move::slide(2, 3), none, one);
    EXPECT_FALSE(e.canUndo());
}

} // namespace
} // namespace quiltra::test
