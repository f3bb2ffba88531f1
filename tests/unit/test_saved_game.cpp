// File > Save and File > Load through the game window: the saved line, the game brought back in
// another window size, refused loads and failed saves.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "game/board_layout.h"
#include "startup/settings_file.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace quiltra {
namespace {

using test::GameRig;
using test::TempFolder;

// A game window with two listed pictures in a temporary folder that also holds "last.txt".
struct SavedRig : GameRig {
    TempFolder tmp;
    std::string alpha = tmp / "Pics/alpha.jpg";        // 400 x 300 pixels
    std::string beta = tmp / "Pics/beta, two.jpg";     // a comma in the name; 480 x 360

    // `lastText`: a "last.txt" the window finds when it loads, or none.
    explicit SavedRig(const std::string& lastText = {})
    {
        if (!lastText.empty())
            tmp.write("last.txt", lastText);
        program.SettingsFolder = tmp.path();
        tmp.write("Pics/alpha.jpg", "jpeg");
        tmp.write("Pics/beta, two.jpg", "jpeg");
        for (const std::string& path : {alpha, beta}) {
            pictures.List1.push_back(path);
            pictures.List2.push_back(displayName(path));
        }
        clip.files = {{alpha, 400, 300}, {beta, 480, 360}};
        game.Form_Load();
    }

    // Takes listed picture `index` into play at `size` and starts a game in `mode`.
    void newGame(int index, const std::string& size, const std::string& mode)
    {
        game.mnuPict_Click(index);
        for (int i = 0; i < game.form().SizeCount; ++i)
            if (game.menus().mnuSize()[std::size_t(i)].Caption == size)
                game.mnuSize_Click(i);
        ASSERT_EQ(game.menus().mnuCurSize().Caption, size);
        mode == "slider" ? game.mnuSlide_Click() : game.mnuPuz_Click();
    }
    // Puzzle mode: exchanges pieces a and b (the first click of a game also starts the clock).
    void swap(int a, int b)
    {
        game.image2_Click(a);
        game.image2_Click(b);
    }
    // The cell each piece stands on, by the board's own layout.
    std::vector<int> cells() const
    {
        const CellGrid grid = game.board().cells();
        std::vector<int> out;
        for (int k = 1; k <= game.board().pieceCount(); ++k)
            out.push_back(grid.cellAt(game.board().piece(k).Left, game.board().piece(k).Top));
        return out;
    }
    // Everything a load may change, except the pause it always makes.
    std::string snapshot() const
    {
        const Game& g = game;
        std::ostringstream s;
        s << g.form().GameState << '|' << g.form().Caption << '|' << g.menus().mnuCurrent().Caption << '|'
          << g.menus().mnuCurSize().Caption << '|' << program.PlayMode << '|' << program.CurrentPicturePath
          << '|' << program.CurrentPictureFolder << '|' << g.board().gridCols() << 'x'
          << g.board().gridRows() << '|' << g.counters().moves() << '|' << g.counters().hints() << '|'
          << g.clock().running() << ':' << g.clock().startedAt() << '|' << g.menus().mnuSave().Enabled
          << g.menus().mnuRestore().Enabled << g.menus().mnuHint().Enabled << g.form().Picture2.Visible << g.form().Image1.Visible
          << '|' << clip.w << 'x' << clip.h << '|' << g.form().SizeCount << '|';
        for (int k = 1; k <= g.board().pieceCount(); ++k)
            s << g.board().piece(k).Left << ',' << g.board().piece(k).Top << ','
              << g.board().piece(k).Visible << ';';
        return s.str();
    }
    std::vector<std::string> savedFields() const { return splitFields(tmp.read("last.txt")); }
};

TEST(SavedGame, FourByThreeGameSavesThirtyTwoFields)
{
    SavedRig rig;
    rig.newGame(0, "4x3=12", "puzzle");
    rig.swap(2, 9);
    rig.clock.advance(42);
    rig.game.mnuSave_Click();

    const std::string text = rig.tmp.read("last.txt");
    EXPECT_EQ(text.find('\n'), text.size() - 1) << "one line break, at the end";
    const std::vector<std::string> f = rig.savedFields();
    ASSERT_EQ(f.size(), 32u);
    EXPECT_EQ(f[0], rig.alpha);
    EXPECT_EQ(f[1], "alpha.jpg");
    EXPECT_EQ(f[2], "4");
    EXPECT_EQ(f[3], "3");
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(f[std::size_t(2 + 2 * k)], formatNumber(rig.game.board().piece(k).Left));
        EXPECT_EQ(f[std::size_t(3 + 2 * k)], formatNumber(rig.game.board().piece(k).Top));
    }
    EXPECT_EQ(f[28], "puzzle");
    EXPECT_EQ(f[29], "1");
    EXPECT_EQ(f[30], "0");
    EXPECT_EQ(f[31], "42");
    EXPECT_TRUE(rig.game.menus().mnuRestore().Enabled);
}

TEST(SavedGame, SavingOutsideAGameWritesNothingAndLeavesLoadAsItWas)
{
    for (const bool loadEnabled : {false, true}) {
        SavedRig rig(loadEnabled ? "x\n" : ""); // a saved game found as the window loads
        rig.game.mnuPict_Click(0);
        ASSERT_EQ(rig.game.form().GameState, State::WholePicture);
        ASSERT_EQ(rig.game.menus().mnuRestore().Enabled, loadEnabled);
        rig.game.mnuSave_Click();
        if (loadEnabled) {
            EXPECT_EQ(rig.tmp.read("last.txt"), "x\n");
        } else {
            EXPECT_FALSE(std::filesystem::exists(rig.tmp / "last.txt"));
        }
        EXPECT_EQ(rig.game.menus().mnuRestore().Enabled, loadEnabled);
        EXPECT_TRUE(rig.messages.shown.empty());
    }
}

// The saved time is the time the title shows: a pause in progress, whatever its reason, does not
// count, so loading and saving again and again never adds time.
TEST(SavedGame, SavingWhilePausedLeavesThePausedTimeOut)
{
    SavedRig rig;
    Game& g = rig.game;
    rig.newGame(0, "4x3=12", "puzzle");
    rig.game.image2_Click(1);
    rig.clock.advance(30);
    g.lostFocus();
    rig.clock.advance(20);
    g.mnuSave_Click();
    EXPECT_EQ(rig.savedFields().back(), "30");

    g.keyDown(Key::P);   // resumes: the 20 s away are left out
    rig.clock.advance(1);
    g.keyDown(Key::P);   // pauses
    rig.clock.advance(7);
    g.mnuSave_Click();
    EXPECT_EQ(rig.savedFields().back(), "31");

    // A game saved at 1 s, loaded, left paused for 20 s and saved again, many times over.
    rig.newGame(0, "4x3=12", "puzzle");
    rig.game.image2_Click(1);
    rig.clock.advance(1);
    g.mnuSave_Click();
    for (int cycle = 0; cycle < 5; ++cycle) {
        g.mnuRestore_Click();
        ASSERT_TRUE(g.clock().paused());
        rig.clock.advance(20);
        g.mnuSave_Click();
        ASSERT_EQ(rig.savedFields().back(), "1") << "cycle " << cycle;
    }
    g.mnuRestore_Click();
    EXPECT_NE(g.form().Caption.find("Time:  0:00:01"), std::string::npos) << g.form().Caption;
}

TEST(SavedGame, MovesHintsAndTimeContinueFromTheSavedValues)
{
    SavedRig rig;
    Game& g = rig.game;
    rig.newGame(0, "5x3=15", "puzzle");
    rig.swap(1, 2);
    rig.swap(3, 4);
    g.mnuHint_Click();
    g.mnuHint_Click();   // the second Hint places a piece
    ASSERT_EQ(g.counters().hints(), 1);
    rig.clock.advance(75);
    g.mnuSave_Click();
    const std::vector<int> saved = rig.cells();

    // A new game whose clock has not started yet: the load must start it at the saved time.
    g.mnuPuz_Click();
    rig.clock.advance(500);
    g.mnuRestore_Click();

    EXPECT_EQ(rig.cells(), saved);
    EXPECT_EQ(g.counters().moves(), 2);
    EXPECT_EQ(g.counters().hints(), 1);
    EXPECT_EQ(g.form().GameState, State::Playing);
    EXPECT_TRUE(g.clock().running());
    EXPECT_TRUE(g.clock().paused());
    EXPECT_TRUE(g.menus().mnuSave().Enabled);
    EXPECT_TRUE(g.menus().mnuHint().Enabled);
    EXPECT_TRUE(g.form().Picture2.Visible);
    EXPECT_FALSE(g.form().Image1.Visible);
    EXPECT_EQ(g.clock().text(), " 0:01:15");
    EXPECT_NE(g.form().Caption.find("Moves: 002  Hints: 001"), std::string::npos) << g.form().Caption;
    EXPECT_NE(g.form().Caption.find("Time:  0:01:15"), std::string::npos) << g.form().Caption;

    rig.clock.advance(100);   // still paused: the wait does not count
    rig.swap(7, 8);
    rig.clock.advance(10);
    g.Timer1_Timer();
    EXPECT_DOUBLE_EQ(g.clock().elapsed(), 85);
    EXPECT_EQ(g.counters().moves(), 3);
}

TEST(SavedGame, SliderGameComesBackWithTheEmptyPieceHidden)
{
    SavedRig rig;
    Game& g = rig.game;
    rig.newGame(1, "5x3=15", "slider");
    for (const int key : {Key::Left, Key::Up, Key::Right, Key::Down, Key::Left, Key::Up})
        g.keyDown(key);
    ASSERT_GT(g.counters().moves(), 0);
    const std::int16_t moves = g.counters().moves();
    g.mnuSave_Click();
    const std::vector<int> saved = rig.cells();

    rig.newGame(0, "4x3=12", "puzzle");
    g.mnuRestore_Click();

    ASSERT_TRUE(rig.messages.shown.empty()) << rig.messages.shown[0].text;
    EXPECT_EQ(rig.program.PlayMode, Mode::Slider);
    EXPECT_EQ(g.form().Caption.rfind("Quiltra - slider: beta, two.jpg  Size: 5x3=15", 0), 0u) << g.form().Caption;
    EXPECT_EQ(g.menus().mnuCurrent().Caption, "beta, two.jpg");
    EXPECT_EQ(rig.program.CurrentPicturePath, rig.beta);
    EXPECT_EQ(rig.program.CurrentPictureFolder, rig.tmp / "Pics/");
    EXPECT_EQ(rig.clip.w, 480);
    EXPECT_EQ(rig.cells(), saved);
    for (int k = 1; k <= 15; ++k)
        EXPECT_EQ(g.board().piece(k).Visible, k != 15) << "piece " << k;
    EXPECT_EQ(g.counters().moves(), moves);
    g.keyDown(Key::Down);
    g.keyDown(Key::Right);
    EXPECT_GT(g.counters().moves(), moves) << "moves go on counting from the saved value";
}

// Saved in one window size and loaded in another: the pieces take the same cells, on the grid of
// the new layout, so the game can still be solved.
TEST(SavedGame, LoadedIntoAnotherWindowSizeKeepsTheArrangementAndCanBeSolved)
{
    SavedRig rig;
    Game& g = rig.game;
    rig.newGame(0, "6x4=24", "puzzle");
    rig.swap(1, 24);
    rig.swap(5, 17);
    g.mnuSave_Click();
    const std::vector<int> saved = rig.cells();

    g.mnuScreen_Click(3);   // 1024 by 768
    ASSERT_GT(g.form().Picture2.Width, 10000);
    g.mnuPuz_Click();
    g.mnuRestore_Click();
    ASSERT_TRUE(rig.messages.shown.empty()) << rig.messages.shown[0].text;
    ASSERT_EQ(rig.cells(), saved);
    EXPECT_EQ(g.board().gridCols(), 6);
    EXPECT_EQ(g.menus().mnuCurSize().Caption, "6x4=24");

    // Bring every piece home by exchanges: the game ends solved.
    for (int cell = 1; cell <= 24 && g.form().GameState == State::Playing; ++cell) {
        const std::vector<int> now = rig.cells();
        if (now[std::size_t(cell - 1)] == cell)
            continue;
        int occupant = 1;
        while (occupant < 24 && now[std::size_t(occupant - 1)] != cell)
            ++occupant;
        rig.swap(cell, occupant);
    }
    EXPECT_EQ(g.form().GameState, State::Solved);
}

// A refused load shows its message and leaves the game in play exactly as it was.
TEST(SavedGame, RefusedLoadsLeaveThePreviousGameUntouched)
{
    auto rewrite = [](SavedRig& rig, std::size_t field, const std::string& value) {
        std::vector<std::string> f = rig.savedFields();
        f[field] = value;
        std::string text;
        for (std::size_t i = 0; i < f.size(); ++i)
            text += (i ? "," : "") + pathField(f[i]);
        rig.tmp.write("last.txt", text + "\n");
    };
    const struct {
        const char* name;
        std::function<void(SavedRig&)> damage;
        const char* message;
    } rows[] = {
        {"no file", [](SavedRig& r) { std::filesystem::remove(r.tmp / "last.txt"); },
         "Saved game file was not found."},
        {"picture moved away",
         [](SavedRig& r) { std::filesystem::rename(r.alpha, r.tmp / "alpha.jpg"); },
         "Picture from saved game was not found."},
        {"picture folder gone",
         [&](SavedRig& r) { rewrite(r, 0, r.tmp / "Gone/alpha.jpg"); },
         "Picture from saved game was not found."},
        {"too few fields",
         [](SavedRig& r) { r.tmp.write("last.txt", r.tmp.read("last.txt").substr(0, 60)); },
         "Error in saved game file."},
        {"a non-number", [&](SavedRig& r) { rewrite(r, 9, "abc"); }, "Error in saved game file."},
        {"not a picture", [](SavedRig& r) { r.clip.files.erase(r.clip.files.begin()); },
         "Error in saved game file."},
        {"picture now too small", [](SavedRig& r) { r.clip.files[0] = {r.alpha, 40, 40}; },
         "Error in saved game file."},
        {"a cell twice",
         [&](SavedRig& r) {
             const auto f = r.savedFields();
             rewrite(r, 6, f[4]);
             rewrite(r, 7, f[5]);
         },
         "Error in saved game file."},
        {"10000 x 10000", [&](SavedRig& r) { rewrite(r, 2, "10000"); rewrite(r, 3, "10000"); },
         "Error in saved game file."},
        {"negative grid", [&](SavedRig& r) { rewrite(r, 2, "-4"); }, "Error in saved game file."},
        {"a file of 2 MiB",
         [](SavedRig& r) { r.tmp.write("last.txt", std::string(2u << 20, '7')); },
         "Error in saved game file."},
        {"huge moves", [&](SavedRig& r) { rewrite(r, 29, "1e12"); }, "Error in saved game file."},
    };
    for (const auto& row : rows) {
        SavedRig rig;
        Game& g = rig.game;
        rig.newGame(0, "4x3=12", "puzzle");
        rig.swap(3, 7);
        g.mnuSave_Click();
        // The game in play: another picture, size and mode, with a move made.
        rig.newGame(1, "5x3=15", "slider");
        g.keyDown(Key::Down);
        g.keyDown(Key::Right);
        row.damage(rig);
        const std::string before = rig.snapshot();
        rig.messages.shown.clear();

        g.mnuRestore_Click();

        ASSERT_EQ(rig.messages.shown.size(), 1u) << row.name;
        EXPECT_EQ(rig.messages.shown[0].text, row.message) << row.name;
        EXPECT_EQ(rig.messages.shown[0].title, "Quiltra");
        EXPECT_EQ(rig.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(rig.snapshot(), before) << row.name;
        EXPECT_TRUE(g.clock().paused()) << row.name;
    }
}

// Saving fails when the temporary file cannot be written whole; the previous saved game stays
// whole and the player is told.
TEST(SavedGame, FailedSaveKeepsThePreviousFileAndTellsThePlayer)
{
    SavedRig rig;
    Game& g = rig.game;
    rig.newGame(0, "4x3=12", "puzzle");
    rig.swap(1, 2);
    // No saved game yet, so Load is off; a first save that fails leaves it off and no file.
    ASSERT_FALSE(g.menus().mnuRestore().Enabled);
    {
        test::FileSizeLimit fullDisk(10);   // the temporary file cannot be written whole
        g.mnuSave_Click();
    }
    EXPECT_FALSE(std::filesystem::exists(rig.tmp / "last.txt"));
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_FALSE(g.menus().mnuRestore().Enabled);

    g.mnuSave_Click();
    ASSERT_TRUE(g.menus().mnuRestore().Enabled);
    const std::string previous = rig.tmp.read("last.txt");
    rig.swap(3, 4);
    {
        test::FileSizeLimit fullDisk(10);
        g.mnuSave_Click();
    }
    EXPECT_EQ(rig.tmp.read("last.txt"), previous);
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_EQ(rig.messages.shown[1].title, "Quiltra");
    EXPECT_EQ(rig.messages.shown[1].text.rfind("The game could not be saved: ", 0), 0u)
        << rig.messages.shown[1].text;
    EXPECT_TRUE(g.menus().mnuRestore().Enabled) << "the previous saved game can still be loaded";

    rig.program.SettingsFolder = rig.tmp / "missing";
    g.mnuSave_Click();
    EXPECT_EQ(rig.messages.shown.size(), 3u);
    EXPECT_TRUE(g.menus().mnuRestore().Enabled);
}

} // namespace
} // namespace quiltra
