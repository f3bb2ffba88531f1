// Play: clicks on pieces, presses on the empty cell, the whole picture, arrow keys, and solving.
#include <gtest/gtest.h>

#include <functional>

#include "play_fixture.h"

namespace quiltra::test {
namespace {

using Moves = PlayTest;

TEST_F(Moves, PuzzleClicksSelectAndExchange)
{
    const struct {
        const char* name;
        int first, second;
        bool move, effects;
        std::vector<int> after; // cells of pieces 1..12
        int sounds;
    } cases[] = {
        {"3 then 7 exchange", 3, 7, true, true, {1, 2, 7, 4, 5, 6, 3, 8, 9, 10, 11, 12}, 1},
        {"3 twice is a silent move", 3, 3, true, true, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0},
        {"Move switch off", 3, 7, false, true, {1, 2, 7, 4, 5, 6, 3, 8, 9, 10, 11, 12}, 0},
        {"Sound Effects off", 3, 7, true, false, {1, 2, 7, 4, 5, 6, 3, 8, 9, 10, 11, 12}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cut(4, 3);
        play(Mode::Puzzle, {2, 1}); // pieces 1 and 2 exchanged: never solved by these clicks
        soundSwitches(c.effects, c.move, game.menus().SndEnd().Checked);
        rig.sound.log.clear();
        game.image2_Click(c.first);
        EXPECT_EQ(board.selected(), c.first);
        EXPECT_EQ(visibleMarks(), std::vector<int>{c.first});
        const Frame& mark = board.marks()[std::size_t(c.first)];
        EXPECT_EQ(mark.Left, board.piece(c.first).Left + 20);
        EXPECT_EQ(mark.Top, board.piece(c.first).Top + 20);
        EXPECT_EQ(mark.Color, std::uint32_t(rig.program.SelectionColor));
        game.image2_Click(c.second);
        std::vector<int> expected = c.after;
        expected[0] = 2;
        expected[1] = 1;
        EXPECT_EQ(cells(), expected);
        EXPECT_EQ(game.counters().moves(), 1);
        EXPECT_EQ(board.selected(), -1);
        EXPECT_TRUE(visibleMarks().empty());
        EXPECT_EQ(rig.sound.count("play"), c.sounds);
    }
}

TEST_F(Moves, FirstClickStartsOrResumesTheClock)
{
    cut(4, 3);
    play(Mode::Puzzle, {2, 1});
    game.image2_Click(5);
    EXPECT_TRUE(game.clock().running() && game.menus().mnuSave().Enabled);
    EXPECT_EQ(game.clock().startedAt(), 1000.0);
    game.pauseClock();
    rig.clock.advance(30);
    game.image2_Click(5);
    EXPECT_FALSE(game.clock().paused());
    EXPECT_EQ(game.clock().startedAt(), 1030.0);
}

TEST_F(Moves, ClicksOutsideAGame)
{
    // During the intro a click on a piece does nothing.
    game.Form_Load();
    game.Timer1_Timer();
    ASSERT_EQ(game.form().GameState, State::IntroReassembling);
    const std::vector<int> dealt = cells();
    game.image2_Click(3);
    EXPECT_EQ(board.selected(), -1);
    EXPECT_EQ(cells(), dealt);
    EXPECT_EQ(game.form().GameState, State::IntroReassembling);

    // With no game, a click starts one; the clock starts with the next click.
    cut(4, 3);
    ASSERT_EQ(game.form().GameState, State::WholePicture);
    ASSERT_EQ(rig.program.PlayMode, Mode::Puzzle);
    rig.random.script = {0.9f};
    game.image2_Click(3);
    EXPECT_EQ(game.form().GameState, State::Playing);
    EXPECT_FALSE(game.clock().running());
    EXPECT_EQ(board.selected(), -1);
    EXPECT_FALSE(misplaced().empty());
    EXPECT_TRUE(game.form().Picture2.Visible && game.menus().mnuHint().Enabled && !game.form().Image1.Visible);
}

// A saved game with 32766 or 32767 moves, loaded and played on.
TEST_F(Moves, MoveCountStopsAt32767)
{
    for (const auto& [before, after] : {std::pair{32766, 32767}, {32767, 32767}}) {
        cut(4, 3);
        resume(Mode::Puzzle, {2, 1}, before, 0, 60);
        game.image2_Click(3);
        game.image2_Click(7);
        EXPECT_EQ(game.counters().moves(), after);
    }
}

TEST_F(Moves, SliderSelectionAndPressesOnTheEmptyCell)
{
    // 3 x 3, empty piece 9 in cell 5 and piece 5 in cell 9. Piece 6 (cell 6) is beside the empty
    // cell, piece 1 (cell 1) diagonal to it. w = 2799, h = 1799.
    const Single w = 2799, h = 1799;
    const struct {
        const char* name;
        int select;
        Single dx, dy; // press position relative to the empty cell's top-left corner
        bool slides;
    } cases[] = {
        {"neighbour, top-left corner", 6, 0, 0, true},
        {"neighbour, right edge", 6, w, 0, true},
        {"neighbour, bottom edge", 6, 0, h, true},
        {"neighbour, bottom-right corner", 6, w, h, true},
        {"neighbour, beyond the right edge", 6, w + 1, 0, false},
        {"neighbour, above the top edge", 6, 0, -1, false},
        {"diagonal", 1, 0, 0, false},
        {"no selection", 0, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cut(3, 3);
        play(Mode::Slider, {1, 2, 3, 4, 9, 6, 7, 8, 5});
        if (c.select)
            game.image2_Click(c.select);
        const Piece empty = board.piece(9);
        game.picture2_mousedown(empty.Left + c.dx, empty.Top + c.dy);
        const bool pressedOnEmpty = c.select && c.dx <= w && c.dy >= 0;
        EXPECT_EQ(game.counters().moves(), c.slides ? 1 : 0);
        EXPECT_EQ(cellOf(9), c.slides ? 6 : 5);
        EXPECT_EQ(cellOf(c.select ? c.select : 6), c.slides ? 5 : c.select ? c.select : 6);
        EXPECT_EQ(board.selected(), c.slides || !c.select ? -1 : c.select);
        EXPECT_EQ(visibleMarks().empty(), pressedOnEmpty || !c.select);
        EXPECT_FALSE(board.piece(9).Visible);
    }
}

TEST_F(Moves, SliderClickOnAnotherPieceMovesTheSelection)
{
    cut(3, 3);
    play(Mode::Slider, {1, 2, 3, 4, 9, 6, 7, 8, 5});
    game.image2_Click(1);
    game.image2_Click(6);
    EXPECT_EQ(board.selected(), 6);
    EXPECT_EQ(visibleMarks(), std::vector<int>{6});
    EXPECT_EQ(cellOf(1), 1);
    EXPECT_EQ(game.counters().moves(), 0);
}

TEST_F(Moves, SlidesWorkWithPiecesHoldingFractionsOfATwip)
{
    cut(7, 5, 8000, 5300); // pieces 1141.86 x 1059 twips
    play(Mode::Slider);
    game.image2_Click(34); // beside the empty bottom-right cell
    pressEmpty();
    EXPECT_EQ(cellOf(35), 34);
    EXPECT_EQ(game.counters().moves(), 1);
}

TEST_F(Moves, ClickOnTheWholePicture)
{
    const struct {
        const char* name;
        std::function<void()> reach; // from a cut 4 x 3 board, Puzzle mode
        State state;
        State stateAfter;
        bool puzzleShown;
    } cases[] = {
        {"no game", [] {}, State::WholePicture, State::Playing, true},
        {"game, whole picture on view",
         [this] {
             play(Mode::Puzzle, {2, 1});
             game.mnuView_Click();
         },
         State::Playing, State::Playing, true},
        {"just solved, whole picture on view",
         [this] {
             play(Mode::Puzzle, {2, 1});
             game.image2_Click(1);
             game.image2_Click(2);
             game.mnuView_Click();
         },
         State::Solved, State::Solved, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cut(4, 3);
        c.reach();
        ASSERT_EQ(game.form().GameState, c.state);
        ASSERT_EQ(game.menus().mnuView().Caption, "Puzzle");
        game.Image1_Click();
        EXPECT_EQ(game.form().GameState, c.stateAfter);
        EXPECT_EQ(game.form().Picture2.Visible, c.puzzleShown);
        EXPECT_EQ(game.form().Image1.Visible, !c.puzzleShown);
        EXPECT_EQ(game.menus().mnuView().Caption, c.puzzleShown ? "Original" : "Puzzle");
    }
}

TEST_F(Moves, SolvingEndsTheGameAndTheTimerReturnsToThePicture)
{
    const struct {
        bool end, effects;
        std::vector<std::string> sound;
    } cases[] = {
        {true, true, {"close", "open finish", "play"}},
        {false, true, {"close"}},
        {true, false, {"close"}},
    };
    for (const auto& c : cases) {
        cut(4, 3);
        play(Mode::Slider, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11});
        rig.clock.t = 1000;
        soundSwitches(c.effects, false, c.end);
        game.image2_Click(11); // starts the clock and selects
        rig.clock.advance(5);
        rig.sound.log.clear();
        pressEmpty();
        EXPECT_EQ(rig.sound.log, c.sound);
        EXPECT_EQ(game.form().GameState, State::Solved);
        EXPECT_TRUE(game.form().FinishPending && board.piece(12).Visible);
        EXPECT_FALSE(game.clock().running() || game.menus().mnuSave().Enabled || game.menus().mnuHint().Enabled);
        EXPECT_EQ(game.form().IntroClock, 1005.0);

        // Solved: the game does not end twice before the timer has returned to the picture.
        rig.clock.advance(1);
        rig.sound.log.clear();
        game.CheckSolved();
        EXPECT_TRUE(rig.sound.log.empty());
        EXPECT_EQ(game.form().IntroClock, 1005.0);
        rig.clock.advance(1);
        game.Timer1_Timer();
        EXPECT_EQ(game.form().GameState, State::Solved);
        rig.clock.advance(0.01);
        game.Timer1_Timer();
        EXPECT_EQ(game.form().GameState, State::WholePicture);
        EXPECT_FALSE(game.form().FinishPending || game.form().Picture2.Visible);
        EXPECT_TRUE(game.form().Image1.Visible && game.form().Shape1.Visible);
        EXPECT_EQ(game.menus().mnuView().Caption, "Puzzle");
        EXPECT_EQ(rig.sound.log.back(), "open move");
    }
}

TEST_F(Moves, ArrowKeysSlideTheNeighbourOfTheEmptyCell)
{
    const struct {
        const char* name;
        int emptyCell, key, moverCell; // moverCell 0: nothing slides
    } cases[] = {
        {"Left: the piece right of the gap", 5, Key::Left, 6},
        {"Right: the piece left of the gap", 5, Key::Right, 4},
        {"Up: the piece below the gap", 5, Key::Up, 8},
        {"Down: the piece above the gap", 5, Key::Down, 2},
        {"Left at the right edge", 9, Key::Left, 0},
        {"Up at the bottom edge", 9, Key::Up, 0},
        {"Right at the left edge", 7, Key::Right, 0},
        {"Down at the top edge", 3, Key::Down, 0},
        {"another key", 5, Key::P, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cut(3, 3);
        std::vector<int> deal{1, 2, 3, 4, 5, 6, 7, 8, 9}; // the empty piece 9 in c.emptyCell
        deal[std::size_t(c.emptyCell) - 1] = 9;
        deal[8] = c.emptyCell;
        play(Mode::Slider, deal);
        const int mover = c.moverCell == 0 ? 0 : c.moverCell == 9 ? c.emptyCell : c.moverCell;
        rig.sound.log.clear();
        game.arrowSlide(c.key);
        EXPECT_EQ(game.counters().moves(), mover ? 1 : 0);
        EXPECT_EQ(game.clock().running(), mover != 0);
        EXPECT_EQ(rig.sound.count("play"), mover ? 1 : 0);
        if (mover) {
            EXPECT_EQ(cellOf(mover), c.emptyCell);
            EXPECT_EQ(cellOf(9), c.moverCell);
        } else {
            EXPECT_EQ(cellOf(9), c.emptyCell);
        }
    }
}

TEST_F(Moves, ArrowKeysActOnlyInASliderGameOnView)
{
    const struct {
        const char* name;
        std::function<void()> reach; // from a cut 3 x 3 board
        int moves;
    } cases[] = {
        {"Slider game on view", [this] { play(Mode::Slider); }, 1},
        {"Puzzle game", [this] { play(Mode::Puzzle); }, 0},
        {"Slider mode, no game", [this] { rig.program.PlayMode = Mode::Slider; }, 0},
        {"Slider game, whole picture on view",
         [this] {
             play(Mode::Slider);
             game.mnuView_Click();
         },
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cut(3, 3);
        c.reach();
        game.arrowSlide(Key::Down);
        EXPECT_EQ(game.counters().moves(), c.moves);
        EXPECT_EQ(cellOf(9), c.moves ? 6 : 9);
    }
    // The last slide home solves the picture like a slide by mouse.
    cut(3, 3);
    play(Mode::Slider, {1, 2, 3, 4, 5, 9, 7, 8, 6});
    game.arrowSlide(Key::Up);
    EXPECT_EQ(game.form().GameState, State::Solved);
}

} // namespace
} // namespace quiltra::test
