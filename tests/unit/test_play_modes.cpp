// New Game in either mode, the View switch and the rules boxes.
#include <gtest/gtest.h>

#include "play_fixture.h"
#include "support/game_parts.h"

namespace quiltra::test {
namespace {

using Modes = PlayTest;

TEST_F(Modes, NewGameClearsTheGameInProgress)
{
    const struct {
        Mode from;
        void (Game::*command)();
        Mode mode;
        const char* shown;
        bool lastPieceShown;
    } cases[] = {{Mode::Slider, &Game::mnuPuz_Click, Mode::Puzzle, "puzzle", true},
                 {Mode::Puzzle, &Game::mnuSlide_Click, Mode::Slider, "slider", false},
                 {Mode::Puzzle, &Game::mnuPuz_Click, Mode::Puzzle, "puzzle", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        cut(4, 3);
        play(c.from, {2, 1});
        // A move, five minutes, a Hint placed (Puzzle mode), a piece selected and marks on.
        if (c.from == Mode::Puzzle) {
            game.image2_Click(5);
            game.image2_Click(6);
        } else {
            game.image2_Click(11); // beside the empty cell 12
            pressEmpty();
        }
        rig.clock.advance(5 * 60);
        game.Timer1_Timer();
        if (c.from == Mode::Puzzle) {
            game.mnuHint_Click(); // marks
            game.mnuHint_Click(); // places a piece
            game.image2_Click(1); // takes the marks away
        }
        game.image2_Click(7);
        game.mnuHint_Click(); // marks, the selection kept
        ASSERT_GT(game.counters().moves(), 0);
        ASSERT_TRUE(game.counters().hints() > 0 || c.from == Mode::Slider);
        ASSERT_EQ(game.clock().minutes(), "05");
        ASSERT_EQ(board.selected(), 7);
        ASSERT_TRUE(game.form().HintsShown && !visibleMarks().empty());
        ASSERT_TRUE(game.clock().running() && game.menus().mnuSave().Enabled);
        Game& g = game;
        (g.*c.command)();
        EXPECT_EQ(rig.program.PlayMode, c.mode);
        EXPECT_EQ(game.form().GameState, State::Playing);
        EXPECT_EQ(game.counters().moves(), 0);
        EXPECT_EQ(game.counters().hints(), 0);
        EXPECT_EQ(board.selected(), -1);
        EXPECT_FALSE(game.form().HintsShown || game.clock().running() || game.menus().mnuSave().Enabled);
        EXPECT_TRUE(visibleMarks().empty());
        EXPECT_EQ(game.clock().minutes(), "00");
        EXPECT_EQ(board.piece(12).Visible, c.lastPieceShown);
        EXPECT_TRUE(game.form().Picture2.Visible && game.menus().mnuHint().Enabled);
        EXPECT_FALSE(game.form().Image1.Visible || game.form().Shape1.Visible);
        EXPECT_EQ(game.menus().mnuView().Caption, "Original");
        EXPECT_EQ(game.form().Caption, std::string("Quiltra - ") + c.shown + ": Lake  Size: 4x3=12");
    }
}

TEST_F(Modes, NewGameWithoutAPicture)
{
    // An empty picture list: the intro ends with no picture. A Hint still starts the clock.
    game.Form_Load();
    game.skipIntro();
    ASSERT_EQ(game.form().GameState, State::NoPicture);
    game.mnuHint_Click();
    ASSERT_TRUE(game.clock().running());
    const std::string caption = game.form().Caption;
    ASSERT_FALSE(caption.empty());
    game.mnuSlide_Click();
    EXPECT_EQ(game.form().Caption, caption);
    EXPECT_TRUE(game.clock().running());
    EXPECT_EQ(rig.program.PlayMode, Mode::Puzzle);
    rig.program.PlayMode = Mode::Slider;
    game.mnuPuz_Click();
    EXPECT_EQ(game.form().Caption, "");
    EXPECT_FALSE(game.clock().running());
    EXPECT_EQ(game.form().GameState, State::NoPicture);
    EXPECT_EQ(rig.program.PlayMode, Mode::Slider);
}

TEST_F(Modes, ViewTogglesAndNamesTheOtherView)
{
    // With no picture, View does nothing.
    game.Form_Load();
    game.skipIntro();
    ASSERT_EQ(game.form().GameState, State::NoPicture);
    const std::string offered = game.menus().mnuView().Caption;
    game.mnuView_Click();
    EXPECT_EQ(game.menus().mnuView().Caption, offered);
    EXPECT_FALSE(game.form().Image1.Visible || game.form().Picture2.Visible);

    cut(4, 3);
    play(Mode::Puzzle);
    game.image2_Click(5); // starts the clock
    ASSERT_TRUE(game.clock().running());
    game.mnuView_Click();
    EXPECT_EQ(game.menus().mnuView().Caption, "Puzzle");
    EXPECT_TRUE(game.form().Image1.Visible && game.form().Shape1.Visible && !game.form().Picture2.Visible);
    game.mnuView_Click();
    EXPECT_EQ(game.menus().mnuView().Caption, "Original");
    EXPECT_TRUE(!game.form().Image1.Visible && !game.form().Shape1.Visible && game.form().Picture2.Visible);
    EXPECT_FALSE(game.clock().paused());
}

TEST_F(Modes, RulesBoxes)
{
    game.mnuPz_Click();
    game.mnuSldr_Click();
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    const auto& puzzle = rig.messages.shown[0];
    const auto& slider = rig.messages.shown[1];
    EXPECT_EQ(puzzle.title, "Puzzle Mode - Rules");
    EXPECT_EQ(puzzle.text,
              "Solve the puzzle by switching the location of pieces unitl it resembles the "
              "original image.  To move a piece simply click on the piece and then click on the "
              "piece you want to switch it with.");
    EXPECT_EQ(slider.title, "Slider Mode - Rules");
    EXPECT_EQ(slider.text,
              "Solve the puzzle by moving the pieces until a resemblance of the original picture "
              "is formed.  A piece can only be moved onto the empty space, by clicking the piece "
              "you want moved and then clicking on the empty space.  The empty space must be "
              "directly beside the piece that is being moved.");
    for (const auto& box : rig.messages.shown) {
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_EQ(box.icon, MessageIcon::None);
    }
    EXPECT_FALSE(game.clock().paused());
}

// The mode is text only in the caption and the saved game: each mode reads back from its own
// text, and any other text (another case, blanks, the empty text) names no mode.
TEST(ModeText, RoundTripsAndRefusesOtherText)
{
    EXPECT_EQ(modeText(Mode::Puzzle), "puzzle");
    EXPECT_EQ(modeText(Mode::Slider), "slider");
    for (const Mode m : {Mode::Puzzle, Mode::Slider})
        EXPECT_EQ(modeFromText(modeText(m)), m);
    for (const char* other : {"", "Puzzle", "SLIDER", " puzzle", "slider ", "slid", "puzzles"})
        EXPECT_FALSE(modeFromText(other).has_value()) << '"' << other << '"';
}

} // namespace
} // namespace quiltra::test
