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

// When the timer is next due at each step the intro and a game pass through.
TEST_F(Status, NextDueAtEachStep)
{
    // The intro: due at once to deal its picture, then just over 0.2 s after each step, then
    // just over 4 s after the whole picture shows.
    game.Form_Load();
    EXPECT_EQ(game.nextDue(), std::optional<double>(rig.clock.t));
    game.Timer1_Timer();
    ASSERT_EQ(game.form().GameState, State::IntroReassembling);
    EXPECT_NEAR(*game.nextDue(), game.form().IntroClock + 0.201, 1e-9);
    for (int step = 0; step <= 16 && game.form().GameState == State::IntroReassembling; ++step) {
        rig.clock.advance(0.25);
        game.Timer1_Timer();
        if (game.form().GameState == State::IntroReassembling) {
            EXPECT_NEAR(*game.nextDue(), game.form().IntroClock + 0.201, 1e-9);
            EXPECT_GT(*game.nextDue(), rig.clock.t);
        }
    }
    ASSERT_EQ(game.form().GameState, State::IntroFinished);
    EXPECT_NEAR(*game.nextDue(), game.form().IntroClock + 4.001, 1e-9);

    // The whole picture with no game: nothing is due, nor in a game before its first click.
    cut(4, 3);
    EXPECT_FALSE(game.nextDue());
    play(Mode::Puzzle, {2, 1});
    EXPECT_FALSE(game.nextDue());

    // A clock a click started is due just after the second it shows changes (ties to even).
    const double start = rig.clock.t;
    game.image2_Click(3);
    const struct {
        double elapsed, due; // both from the click
    } ticks[] = {{0.2, 0.501}, {0.5, 0.501}, {1.5, 2.501}, {3, 3.501}};
    for (const auto& t : ticks) {
        SCOPED_TRACE(t.elapsed);
        rig.clock.t = start + t.elapsed;
        game.Timer1_Timer();
        EXPECT_NEAR(*game.nextDue(), start + t.due, 1e-9);
    }
    // A clock whose text is out of date (the timer ran last at 3 s) is due now.
    rig.clock.t = start + 7.2;
    EXPECT_EQ(game.nextDue(), std::optional<double>(rig.clock.t));
    // A paused clock is not due.
    game.pauseClock();
    EXPECT_FALSE(game.nextDue());

    // Finished (pieces 1 and 2 exchanged back): just over 2 s later the whole picture returns.
    game.image2_Click(3); // the selection ends; the clock runs again
    game.image2_Click(1);
    game.image2_Click(2);
    ASSERT_EQ(game.form().GameState, State::Solved);
    ASSERT_FALSE(game.clock().running());
    EXPECT_NEAR(*game.nextDue(), rig.clock.t + 2.001, 1e-9);
}

// Staged: a finish with its clock still running, which the finish always stops, shows that the
// earliest of what is pending falls due.
TEST_F(Status, NextDueIsTheEarliestOfWhatIsPending)
{
    const double now = rig.clock.t;
    GameParts::clock(game).start(now - 0.2);
    GameParts::clock(game).tick(now);
    GameParts::form(game).GameState = State::Solved;
    GameParts::form(game).IntroClock = now - 0.05;
    GameParts::form(game).FinishPending = true;
    EXPECT_NEAR(*game.nextDue(), now + 0.301, 1e-9);
    GameParts::clock(game).pause(now); // a paused clock leaves the finish
    EXPECT_NEAR(*game.nextDue(), now - 0.05 + 2.001, 1e-9);
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
