// Through the game's own commands: what forgets the move history, keyboard play on the cursor,
// and the best time kept at the finish with its banner and its file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "game/board_layout.h"
#include "game/text_fields.h"
#include "game/times_file.h"
#include "support/game_parts.h"
#include "unit/times_rig.h"

namespace quiltra {
namespace {

using test::TimesRig;

TEST(HistoryForgotten, ByNewGameSizePictureLoadAndFinish)
{
    TimesRig rig;
    Game& g = rig.game;
    const std::vector<std::pair<const char*, std::function<void()>>> events = {
        {"New Game Puzzle", [&] { g.mnuPuz_Click(); }},
        {"New Game Slider", [&] { g.mnuSlide_Click(); }},
        {"size", [&] { rig.chooseSize("5x3=15"); }},
        {"picture", [&] { g.mnuPict_Click(1); }},
        {"Load", [&] { g.mnuRestore_Click(); }},
    };
    for (const auto& [name, event] : events) {
        SCOPED_TRACE(name);
        rig.newGame(0, "4x3=12");
        rig.someSwap();
        g.mnuSave_Click();
        rig.someSwap();
        g.undo();
        ASSERT_TRUE(g.canUndo() && g.canRedo());
        ASSERT_TRUE(g.menus().mnuUndo().Enabled && g.menus().mnuRedo().Enabled);
        event();
        EXPECT_TRUE(rig.forgotten());
    }
    EXPECT_TRUE(rig.messages.shown.empty());

    rig.newGame(0, "4x3=12");
    rig.someSwap();
    rig.solve(10);
    EXPECT_TRUE(rig.forgotten());
}

TEST(KeyboardPlay, ArrowsMoveTheCursorAndSpaceOrReturnClickTheCell)
{
    TimesRig rig;
    Game& g = rig.game;
    rig.newGame(0, "4x3=12");
    g.keyDown(Key::Space);
    EXPECT_TRUE(g.cursor().visible()) << "the first key only shows the cursor";
    EXPECT_EQ(g.board().selected(), -1);
    g.keyDown(Key::Right);
    g.keyDown(Key::Down);
    ASSERT_EQ(g.cursor().cell(), 6);

    const int first = rig.pieceOn(6), second = rig.pieceOn(7);
    g.keyDown(Key::Space);
    EXPECT_EQ(g.board().selected(), first);
    EXPECT_TRUE(g.clock().running()) << "the clock starts as with a click";
    g.keyDown(Key::Right);
    g.keyDown(Key::Return);
    EXPECT_EQ(rig.pieceOn(6), second);
    EXPECT_EQ(rig.pieceOn(7), first);
    EXPECT_EQ(g.counters().moves(), 1);
    EXPECT_TRUE(g.cursor().visible());
    g.undo();
    EXPECT_EQ(rig.pieceOn(6), first) << "a swap by keys is undone like any other";

    g.image2_Click(rig.pieceOn(1));
    EXPECT_FALSE(g.cursor().visible()) << "a mouse click hides the cursor";
    g.keyDown(Key::Left);
    EXPECT_EQ(g.cursor().cell(), 7) << "and the next arrow shows it where it was";

    // The whole picture in view: keys do nothing to the cursor or the pieces.
    g.mnuView_Click();
    g.keyDown(Key::Left);
    g.keyDown(Key::Space);
    EXPECT_EQ(g.cursor().cell(), 7);
    EXPECT_EQ(g.counters().moves(), 0);
}

TEST(KeyboardPlay, SliderArrowsSlideAndSpaceClicksUnderTheCursor)
{
    TimesRig rig;
    Game& g = rig.game;
    rig.game.mnuPict_Click(0);
    rig.chooseSize("4x3=12");
    g.mnuSlide_Click();
    const int gap = g.board().pieceCount();
    const CellGrid grid = g.board().cells();
    const auto cellOf = [&](int k) {
        return grid.cellAt(g.board().piece(k).Left, g.board().piece(k).Top);
    };
    // Bring the gap to cell 2 by arrows, which slide as before and leave the cursor alone.
    while (grid.row(cellOf(gap)) > 0)
        g.keyDown(Key::Down);
    while (grid.column(cellOf(gap)) > 1)
        g.keyDown(Key::Right);
    while (grid.column(cellOf(gap)) < 1)
        g.keyDown(Key::Left);
    ASSERT_EQ(cellOf(gap), 2);
    EXPECT_FALSE(g.cursor().visible());
    const int moves = g.counters().moves();

    g.keyDown(Key::Return);       // shows the cursor on cell 1
    const int k = rig.pieceOn(1);
    g.keyDown(Key::Return);       // selects the piece on cell 1
    EXPECT_EQ(g.board().selected(), k);
    EXPECT_EQ(cellOf(k), 1);
    EXPECT_EQ(g.counters().moves(), moves);
}

TEST(BestTimeAtFinish, KeptAtTheFinishWithABannerForANewBest)
{
    TimesRig rig;
    Game& g = rig.game;
    rig.newGame(0, "4x3=12");
    rig.someSwap();
    rig.solve(75);
    const int moves = g.counters().moves();
    EXPECT_TRUE(g.newBestBanner().empty()) << "the banner waits for the whole picture";
    const std::string line = "alpha.jpg\t4\t3\tpuzzle\t75\t" + std::to_string(moves) +
                             "\t0\t2024-05-17";
    EXPECT_NE(rig.tmp.read("times.txt").find(line), std::string::npos) << rig.tmp.read("times.txt");
    rig.wholePictureReturns();
    EXPECT_EQ(g.newBestBanner(),
              "New best time  0:01:15  Moves " + std::to_string(moves) + "  Hints 0");
    EXPECT_NE(g.form().Caption.find("Time:  0:01:15"), std::string::npos) << "the title keeps its status";
    EXPECT_FALSE(g.cursor().visible());

    // A slower game is kept but is no new best; the next game takes the banner away.
    g.Image1_Click();
    rig.solve(90);
    rig.wholePictureReturns();
    EXPECT_TRUE(g.newBestBanner().empty());
    EXPECT_EQ(g.bestTimes().group("alpha.jpg", 4, 3, Mode::Puzzle).size(), 2u);
    EXPECT_EQ(readTimesFile(rig.tmp.path()).times, g.bestTimes());
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(BestTimeAtFinish, AFailedWriteIsToldOnceAndPlayGoesOn)
{
    TimesRig rig;
    Game& g = rig.game;
    rig.tmp.write("plain", "a file, not a folder");
    rig.program.SettingsFolder = rig.tmp / "plain";
    for (int game = 0; game < 2; ++game) {
        rig.newGame(0, "4x3=12");
        rig.someSwap();
        rig.solve(30 + game);
        rig.wholePictureReturns();
    }
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text.rfind("The best times could not be saved: ", 0), 0u);
    EXPECT_EQ(g.bestTimes().size(), 2u) << "the results stay for the session";
    EXPECT_EQ(g.form().GameState, State::WholePicture);
}

} // namespace
} // namespace quiltra
