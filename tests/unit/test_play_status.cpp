// The status caption, the game clock, the timer's steps and when the timer is next due.
#include <gtest/gtest.h>

#include <numeric>

#include "play_fixture.h"
#include "support/game_parts.h"

namespace quiltra::test {
namespace {

using Status = PlayTest;

// Staged: the short form in states the handlers hold for an instant (a saved game loading) or
// never in Slider mode (the intro's whole picture), with names of every length.
TEST_F(Status, CaptionTable)
{
    const std::string name16 = "Sixteen_letters_", name17 = "Seventeen_letters";
    const struct {
        Mode mode;
        std::string name, size;
        State state;
        std::int16_t moves, hints;
        std::string caption;
    } cases[] = {
        {Mode::Puzzle, "Lake", "4x3=12", State::WholePicture, 5, 0,
         "Quiltra - puzzle: Lake  Size: 4x3=12"},
        {Mode::Slider, "Lake", "4x3=12", State::IntroFinished, 5, 0,
         "Quiltra - slider: Lake  Size: 4x3=12"},
        {Mode::Puzzle, name16, "4x3=12", State::LoadingSaved, 0, 0,
         "Quiltra - puzzle: " + name16 + "  Size: 4x3=12"},
        {Mode::Puzzle, name17, "4x3=12", State::WholePicture, 0, 0,
         "Quiltra - puzzle: Seventeen_lett..  Size: 4x3=12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        rig.program.PlayMode = c.mode;
        GameParts::menuItems(game).mnuCurrent.Caption = c.name;
        GameParts::menuItems(game).mnuCurSize.Caption = c.size;
        GameParts::form(game).GameState = c.state;
        GameParts::counters(game).restore(c.moves, c.hints);
        showClock(3 * 60 + 7);
        game.RefreshStatus();
        EXPECT_EQ(game.form().Caption, c.caption);
    }
}

// The long form of a game in progress or just finished, with the counts and the time a saved game
// brings back: the time starts at column 76, or one space after a longer text.
TEST_F(Status, LongCaptionsOfLoadedGames)
{
    const std::string name17 = "Seventeen_letters";
    cut(4, 3);
    resume(Mode::Puzzle, {2, 1}, 5, 0, 187);
    EXPECT_EQ(game.form().Caption, "Quiltra - puzzle: Lake  Size: 4x3=12  Moves: 005  Hints: 000" +
                                       std::string(15, ' ') + "Time:  0:03:07");

    // One slide from the finish after 1233 moves and 12 hints: piece 11 stands in the empty
    // cell's place. Selected and slid into the empty cell, it finishes the picture at 1234 moves.
    cut(4, 3);
    resume(Mode::Slider, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}, 1233, 12, 187, name17);
    game.image2_Click(11);
    pressEmpty();
    ASSERT_EQ(game.form().GameState, State::Solved);
    EXPECT_EQ(game.form().Caption,
              "Quiltra - slider: Seventeen_lett..  Size: 4x3=12  Moves: 1234  Hints: 012  "
              "Time:  0:03:07");

    // The largest grid, pieces 299 and 300 (the empty one) exchanged.
    cutLargest();
    std::vector<int> cells(299);
    std::iota(cells.begin(), cells.end(), 1);
    cells.back() = 300;
    resume(Mode::Slider, cells, 1234, 12, 187, name17);
    EXPECT_EQ(game.form().Caption,
              "Quiltra - slider: Seventeen_lett..  Size: 20x15=300  Moves: 1234  Hints: 012 "
              "Time:  0:03:07");
}

// Staged: a clock showing two hours with nothing yet done is what the reset has to catch, and
// no sequence of handlers leaves the clock running without a move, hint or selection.
TEST_F(Status, ClockTextIsResetOnlyBeforeAGameBegins)
{
    const struct {
        int moves, hints, selected;
        bool save, reset;
    } cases[] = {{0, 0, -1, false, true},
                 {1, 0, -1, false, false},
                 {0, 1, -1, false, false},
                 {0, 0, 3, false, false},
                 {0, 0, -1, true, false}};
    for (const auto& c : cases) {
        GameParts::counters(game).restore(std::int16_t(c.moves), std::int16_t(c.hints));
        board.select(c.selected);
        GameParts::menuItems(game).mnuSave.Enabled = c.save;
        showClock(2 * 3600);
        game.RefreshStatus();
        EXPECT_EQ(game.clock().hours(), c.reset ? " 0" : " 2");
    }
}

TEST_F(Status, TimerShowsWholeSecondsRoundedToEven)
{
    const struct {
        double elapsed;
        const char* shown;
    } cases[] = {{0, " 0:00:00"},     {0.5, " 0:00:00"},   {1.5, " 0:00:02"},
                 {59.5, " 0:01:00"},  {61, " 0:01:01"},    {3599.4, " 0:59:59"},
                 {3600, " 1:00:00"},  {3661, " 1:01:01"},  {36000, "10:00:00"}};
    cut(4, 3);
    play(Mode::Puzzle, {2, 1});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        game.mnuRestart_Click();
        game.image2_Click(3); // the first click starts the clock
        ASSERT_TRUE(game.clock().running());
        rig.clock.advance(c.elapsed);
        game.Timer1_Timer();
        EXPECT_EQ(game.clock().text(), c.shown);
        EXPECT_EQ(game.form().Caption.substr(game.form().Caption.size() - 8), c.shown);
    }
}

TEST_F(Status, PausedTimeIsLeftOutAndNotShown)
{
    cut(4, 3);
    play(Mode::Puzzle, {2, 1});
    game.image2_Click(3);
    rig.clock.advance(10);
    game.Timer1_Timer();
    game.pauseClock();
    const std::string shown = game.form().Caption;
    ASSERT_EQ(shown.substr(shown.size() - 8), " 0:00:10");
    rig.clock.advance(100); // minimised for 100 s
    game.Timer1_Timer();
    EXPECT_EQ(game.form().Caption, shown);
    game.resumeClock();
    rig.clock.advance(5);
    game.Timer1_Timer();
    EXPECT_EQ(game.clock().seconds(), "15");
    EXPECT_EQ(game.form().Caption.substr(game.form().Caption.size() - 8), " 0:00:15");
}

TEST_F(Status, TimerRunsTheIntroSteps)
{
    // The intro as the window runs it, with an empty picture list. The first tick deals the intro
    // picture; its clock then stands 0.6 s ahead, here at 0, so that the differences below are
    // exact.
    rig.clock.t = -0.6;
    game.Form_Load();
    game.Timer1_Timer();
    ASSERT_EQ(game.form().GameState, State::IntroReassembling);
    ASSERT_EQ(game.form().IntroClock, 0);
    const std::vector<int> dealt = misplaced();
    ASSERT_FALSE(dealt.empty());

    // -2: a piece comes home only more than 0.2 s after the last step, the first misplaced one.
    rig.clock.t = 0.2;
    game.Timer1_Timer();
    EXPECT_EQ(misplaced(), dealt);
    rig.clock.advance(0.001);
    game.Timer1_Timer();
    EXPECT_EQ(cellOf(dealt.front()), dealt.front());
    EXPECT_LT(misplaced().size(), dealt.size());
    EXPECT_EQ(game.form().IntroClock, rig.clock.t);
    // Steps a quarter of a second apart bring every piece home, then the whole picture shows.
    rig.clock.t = 1;
    for (int step = 0; step <= 16 && game.form().GameState == State::IntroReassembling; ++step) {
        rig.clock.advance(0.25);
        game.Timer1_Timer();
    }
    EXPECT_TRUE(misplaced().empty());
    ASSERT_EQ(game.form().GameState, State::IntroFinished);
    EXPECT_EQ(game.form().Caption, "Welcome to Quiltra v1.3");

    // -3: more than 4 s later a picture is loaded and the menus open; without pictures the view,
    // size, Add and New Game stay off.
    rig.clock.t = game.form().IntroClock + 4;
    game.Timer1_Timer();
    EXPECT_EQ(game.form().GameState, State::IntroFinished);
    rig.clock.advance(0.001);
    rig.sound.log.clear();
    game.Timer1_Timer();
    EXPECT_EQ(game.form().GameState, State::NoPicture);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text, "No pictures in Picture List.");
    EXPECT_TRUE(game.menus().mnuFile().Enabled && game.menus().mnuPic().Enabled && game.menus().mnuHe().Enabled &&
                game.menus().mnuPr().Enabled);
    EXPECT_FALSE(game.menus().mnuV().Enabled || game.menus().mnus().Enabled || game.menus().mnuAddCur().Enabled ||
                 game.menus().mnuNew().Enabled);
    EXPECT_EQ(rig.sound.log, (std::vector<std::string>{"close", "open move"}));
}

// Staged: each state is held at a chosen moment of its own timer (intro steps, the delayed
// return after a finish, a clock whose text is out of date), which handlers pass through at once.
TEST_F(Status, NextDue)
{
    const double now = rig.clock.t;
    const struct {
        const char* name;
        State state;
        bool finish, running, paused;
        double elapsed; // of the running clock; its text shows `shownElapsed`
        double shownElapsed;
        std::optional<double> due;
    } cases[] = {
        {"nothing", State::WholePicture, false, false, false, 0, 0, std::nullopt},
        {"intro pending", State::IntroPending, false, false, false, 0, 0, now},
        {"intro step", State::IntroReassembling, false, false, false, 0, 0, now - 0.05 + 0.201},
        {"intro picture whole", State::IntroFinished, false, false, false, 0, 0,
         now - 0.05 + 4.001},
        {"solved", State::Solved, true, false, false, 0, 0, now - 0.05 + 2.001},
        {"paused clock", State::Playing, false, true, true, 7.2, 7.2, std::nullopt},
        {"clock at 0.2 s", State::Playing, false, true, false, 0.2, 0.2, now + 0.301},
        {"clock at 0.5 s shows 0", State::Playing, false, true, false, 0.5, 0.5, now + 0.001},
        {"clock at 1.5 s shows 2", State::Playing, false, true, false, 1.5, 1.5, now + 1.001},
        {"clock text out of date", State::Playing, false, true, false, 7.2, 3, now},
        {"solved and clock", State::Solved, true, true, false, 0.2, 0.2, now + 0.301},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameParts::form(game).GameState = State::WholePicture;
        GameParts::form(game).FinishPending = false;
        GameParts::clock(game) = GameClock{};
        if (c.running) {
            // Started c.elapsed ago, its text last set when c.shownElapsed had passed.
            GameParts::clock(game).start(now - c.elapsed);
            GameParts::clock(game).tick(now - c.elapsed + c.shownElapsed);
            if (c.paused)
                GameParts::clock(game).pause(now);
        }
        GameParts::form(game).GameState = c.state;
        GameParts::form(game).IntroClock = now - 0.05;
        GameParts::form(game).FinishPending = c.finish;
        const std::optional<double> due = game.nextDue();
        ASSERT_EQ(due.has_value(), c.due.has_value());
        if (due) {
            EXPECT_NEAR(*due, *c.due, 1e-9);
        }
    }
}

TEST_F(Status, NextDueFallsJustAfterEachChangeOfTheShownSecond)
{
    cut(4, 3);
    play(Mode::Puzzle, {2, 1});
    game.image2_Click(3); // the first click starts the clock
    ASSERT_TRUE(game.clock().running());
    for (int step = 0; step < 400; ++step) {
        game.Timer1_Timer();
        const std::string shown = game.clock().seconds();
        const double due = *game.nextDue();
        rig.clock.t = due - 0.002;
        game.Timer1_Timer();
        EXPECT_EQ(game.clock().seconds(), shown) << "changed before it was due";
        rig.clock.t = due;
        game.Timer1_Timer();
        ASSERT_NE(game.clock().seconds(), shown) << "due without a change";
        rig.clock.t = due + 0.0371 * (step % 20); // the timer may run late
    }
}

} // namespace
} // namespace quiltra::test
