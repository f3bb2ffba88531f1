// Next Move and Solve as the player meets them: moves that count as moves and as hints, undo,
// Solve to the finish with no best time, a key that stops Solve, and the solver's answers that
// come too late to be used.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "play_fixture.h"
#include "times_rig.h"

namespace quiltra::test {
namespace {

// The tasks the game posts to its own thread (the solver's answers), run when the test says.
class Inbox {
public:
    void post(std::function<void()> task)
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        arrived_.notify_all();
    }
    // Waits up to `seconds` for a task to arrive; true when one is there.
    bool wait(double seconds = 20)
    {
        std::unique_lock lock(mutex_);
        return arrived_.wait_for(lock, std::chrono::duration<double>(seconds),
                                 [this] { return !tasks_.empty(); });
    }
    int runAll()
    {
        std::deque<std::function<void()>> tasks;
        {
            std::lock_guard lock(mutex_);
            tasks.swap(tasks_);
        }
        for (auto& task : tasks)
            task();
        return int(tasks.size());
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::function<void()>> tasks_;
};

void connect(Game& game, const std::shared_ptr<Inbox>& inbox)
{
    game.setPoster([inbox](std::function<void()> task) { inbox->post(std::move(task)); });
}

// Runs the solver's answers as they come until no search is on its way.
void settle(Game& game, Inbox& inbox)
{
    while (game.searching()) {
        ASSERT_TRUE(inbox.wait()) << "the solver did not answer";
        inbox.runAll();
    }
}

// 200 slides of a random walk of the empty cell from `seed`, straight on the board.
void scrambleByWalk(Board& board, unsigned seed)
{
    unsigned walk = seed;
    for (int i = 0; i < 200; ++i) {
        walk = walk * 1103515245u + 12345u;
        const int step = int((walk >> 16) % 4);
        const Puzzle& p = board.puzzle();
        const int e = p.emptyCell();
        const int cell = p.cellAt(p.column(e) + (step == 0) - (step == 1),
                                  p.row(e) + (step == 2) - (step == 3));
        if (cell != 0)
            board.apply(Move::slide(cell, e));
    }
}

class NextMoveTest : public PlayTest {
protected:
    std::shared_ptr<Inbox> inbox = std::make_shared<Inbox>();

    void SetUp() override { connect(game, inbox); }
    void start(Mode mode, int cols, int rows, std::vector<int> cells = {})
    {
        cut(cols, rows);
        play(mode, std::move(cells));
        ASSERT_TRUE(game.menus().mnuHint().Enabled);
    }
    // Slides the piece beside the empty cell, a column and row step away, into it.
    void slideFrom(int columnStep, int rowStep)
    {
        const Puzzle& p = board.puzzle();
        const int e = p.emptyCell();
        ASSERT_TRUE(board.apply(
            Move::slide(p.cellAt(p.column(e) + columnStep, p.row(e) + rowStep), e)));
    }
    int home() const { return board.pieceCount() - int(misplaced().size()); }
};

TEST_F(NextMoveTest, PuzzleModePutsTwoPiecesHomeWhenOneSwapCan)
{
    // Pieces 1, 2 and 3 go round in a ring; 5 and 6 stand in each other's cells.
    start(Mode::Puzzle, 3, 3, {2, 3, 1, 4, 6, 5});
    ASSERT_EQ(home(), 4);
    game.mnuNextMove_Click();
    EXPECT_EQ(cellOf(5), 5);
    EXPECT_EQ(cellOf(6), 6);
    EXPECT_EQ(home(), 6);
    EXPECT_EQ(game.counters().moves(), 1);
    EXPECT_EQ(game.counters().hints(), 1);
    EXPECT_TRUE(game.clock().running()) << "Next Move starts the clock as Hint does";
    EXPECT_NE(std::find(rig.sound.log.begin(), rig.sound.log.end(), "play"), rig.sound.log.end())
        << "a move sounds";

    // No pair left: the first misplaced cell's piece goes home, then the last two together.
    game.mnuNextMove_Click();
    EXPECT_EQ(home(), 7);
    game.mnuNextMove_Click();
    EXPECT_EQ(game.form().GameState, State::Solved);
    EXPECT_EQ(game.counters().moves(), 3);
    EXPECT_EQ(game.counters().hints(), 3);
}

TEST_F(NextMoveTest, SolveInPuzzleModeSwapsEveryPieceHomeInTheFewestSwaps)
{
    // A ring of three and a pair: three swaps at least, and Solve takes no more.
    start(Mode::Puzzle, 3, 3, {2, 3, 1, 4, 6, 5});
    game.mnuSolve_Click();
    for (int i = 0; i < 20 && game.form().GameState == State::Playing; ++i) {
        rig.clock.advance(0.125);
        game.Timer1_Timer();
    }
    EXPECT_EQ(game.form().GameState, State::Solved);
    EXPECT_EQ(game.counters().moves(), 3);
}

TEST_F(NextMoveTest, UndoTakesNextMoveBackWithItsCounts)
{
    start(Mode::Puzzle, 3, 3, {2, 3, 1});
    const std::vector<int> dealt = cells();
    game.mnuNextMove_Click();
    ASSERT_EQ(home(), 7);
    ASSERT_TRUE(game.canUndo());
    game.undo();
    EXPECT_EQ(cells(), dealt);
    EXPECT_EQ(game.counters().moves(), 0);
    EXPECT_EQ(game.counters().hints(), 0);
}

TEST_F(NextMoveTest, SliderModeFollowsAShortestSolution)
{
    // Three slides from the finish (the empty cell went left twice and up once): Next Move
    // finishes it in three, each one counted as a move and a hint.
    start(Mode::Slider, 3, 3);
    slideFrom(-1, 0);
    slideFrom(-1, 0);
    slideFrom(0, -1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(game.form().GameState, State::Playing) << "after " << i << " moves";
        game.mnuNextMove_Click();
        settle(game, *inbox);
    }
    EXPECT_EQ(game.form().GameState, State::Solved);
    EXPECT_EQ(game.counters().moves(), 3);
    EXPECT_EQ(game.counters().hints(), 3);
}

TEST_F(NextMoveTest, NothingToPlayStopsSolveQuietly)
{
    // A loaded arrangement the slides cannot finish (two pieces exchanged), then one already
    // whole, in each mode: no move, and Solve stops instead of asking again and again.
    start(Mode::Slider, 3, 3, {2, 1});
    game.mnuSolve_Click();
    settle(game, *inbox);
    EXPECT_FALSE(game.solvePlaying());
    EXPECT_EQ(game.counters().moves(), 0);

    for (const Mode mode : {Mode::Slider, Mode::Puzzle}) {
        start(mode, 3, 3);
        game.mnuSolve_Click();
        settle(game, *inbox);
        rig.clock.advance(1);
        game.Timer1_Timer();
        EXPECT_FALSE(game.solvePlaying());
        EXPECT_EQ(game.counters().moves(), 0);
    }
}

TEST_F(NextMoveTest, AnAnswerToAnArrangementThePlayerChangedIsNotUsed)
{
    start(Mode::Slider, 3, 3);
    slideFrom(-1, 0);
    slideFrom(0, -1);
    slideFrom(1, 0);
    game.mnuNextMove_Click();
    // The answer is back and waits to be run; meanwhile the player slides a piece.
    ASSERT_TRUE(inbox->wait());
    const Puzzle before = board.puzzle();
    game.arrowSlide(Key::Down);
    const Puzzle afterPlayer = board.puzzle();
    ASSERT_NE(afterPlayer, before);
    inbox->runAll();
    EXPECT_EQ(board.puzzle(), afterPlayer) << "a stale move was applied";
    EXPECT_EQ(game.counters().moves(), 1);
    EXPECT_EQ(game.counters().hints(), 0);
    EXPECT_FALSE(game.searching());

    // Next Move works from the new arrangement.
    game.mnuNextMove_Click();
    settle(game, *inbox);
    EXPECT_EQ(game.counters().moves(), 2);
    EXPECT_EQ(game.counters().hints(), 1);
}

TEST_F(NextMoveTest, ASlowSearchShowsThinkingAndAMoveCancelsIt)
{
    // The 4 x 4 tables take seconds to build the first time: the search is still running when
    // the timer falls due 150 ms later.
    start(Mode::Slider, 4, 4);
    slideFrom(-1, 0);
    slideFrom(0, -1);
    slideFrom(-1, 0);
    game.mnuNextMove_Click();
    ASSERT_TRUE(game.searching());
    EXPECT_FALSE(game.thinking());
    const std::optional<double> due = game.nextDue();
    ASSERT_TRUE(due);
    EXPECT_LE(*due, rig.clock.t + 0.15 + 1e-9);
    rig.clock.advance(0.2);
    game.Timer1_Timer();
    EXPECT_TRUE(game.thinking());

    game.arrowSlide(Key::Right);
    EXPECT_FALSE(game.searching());
    EXPECT_FALSE(game.thinking());
    const Puzzle afterPlayer = board.puzzle();
    inbox->wait(0.5);
    inbox->runAll();
    EXPECT_EQ(board.puzzle(), afterPlayer);
    EXPECT_EQ(game.counters().hints(), 0);
}

TEST_F(NextMoveTest, SolveOnALargerGridWorksOutTheNextStageWhileOnePlays)
{
    // 18 cells: solved a stage at a time, the last on a corner of 15 cells.
    start(Mode::Slider, 6, 3);
    scrambleByWalk(board, 7u);
    ASSERT_FALSE(board.puzzle().solved());

    game.mnuSolve_Click();
    ASSERT_TRUE(inbox->wait());
    inbox->runAll();
    ASSERT_EQ(game.counters().moves(), 1) << "the first move comes with the first stage";
    EXPECT_TRUE(game.searching()) << "the next stage is asked for at once";
    rig.clock.advance(0.2);
    game.Timer1_Timer();
    EXPECT_EQ(game.counters().moves(), 2) << "the moves go on while it is worked out";
    EXPECT_FALSE(game.thinking());

    for (int i = 0; i < 100000 && game.form().GameState == State::Playing; ++i) {
        inbox->runAll();
        rig.clock.advance(0.125);
        game.Timer1_Timer();
        if (game.searching())
            inbox->wait(0.01);
    }
    EXPECT_EQ(game.form().GameState, State::Solved);
    EXPECT_EQ(game.counters().moves(), game.counters().hints());
}

TEST_F(NextMoveTest, NextMoveOnALargerGridHasTheNextStagesReadyBeforeTheyAreWanted)
{
    // 18 cells: solved a stage at a time, the last on a corner of 15 cells.
    start(Mode::Slider, 6, 3);
    scrambleByWalk(board, 11u);
    ASSERT_FALSE(board.puzzle().solved());

    game.mnuNextMove_Click();
    settle(game, *inbox);
    ASSERT_EQ(game.counters().moves(), 1);

    // The rest was worked out while the player looked: every press moves at once, the corner's
    // stage included, with no search to wait for.
    for (int i = 0; i < 5000 && game.form().GameState == State::Playing; ++i) {
        const int moves = game.counters().moves();
        game.mnuNextMove_Click();
        ASSERT_EQ(game.counters().moves(), moves + 1) << "press " << i + 2 << " waited";
        settle(game, *inbox);
    }
    EXPECT_EQ(game.form().GameState, State::Solved);
}

// A real game, from the menus: the picture's 4 x 3 Slider deal.
class SolveTest : public ::testing::Test {
protected:
    TimesRig rig;
    Game& game = rig.game;
    std::shared_ptr<Inbox> inbox = std::make_shared<Inbox>();

    void SetUp() override
    {
        connect(game, inbox);
        game.mnuPict_Click(0);
        rig.chooseSize("4x3=12");
        game.mnuSlide_Click();
        ASSERT_EQ(game.form().GameState, State::Playing);
        ASSERT_FALSE(game.board().puzzle().solved());
    }
    // Solve's moves for `seconds` of the game's clock, the timer run whenever it is due.
    void playFor(double seconds)
    {
        const double end = rig.clock.t + seconds;
        for (;;) {
            settle(game, *inbox);
            const std::optional<double> due = game.nextDue();
            if (!due || *due > end)
                break;
            rig.clock.t = std::max(rig.clock.t, *due);
            game.Timer1_Timer();
        }
        rig.clock.t = end;
    }
};

TEST_F(SolveTest, SolveFinishesThePictureForThePlayerWithNoBestTime)
{
    game.mnuSolve_Click();
    EXPECT_TRUE(game.solvePlaying());
    playFor(60);
    EXPECT_EQ(game.form().GameState, State::WholePicture) << "finished, and the whole picture is back";
    EXPECT_FALSE(game.solvePlaying());
    EXPECT_GT(game.counters().moves(), 0);
    EXPECT_EQ(game.counters().moves(), game.counters().hints());
    EXPECT_EQ(game.bestTimes().size(), 0u);
    EXPECT_EQ(game.newBestBanner(), "Solved for you");
}

TEST_F(SolveTest, AboutEightMovesASecondAndAKeyStopsThemWhereTheyAre)
{
    game.mnuSolve_Click();
    playFor(0.5);
    const int moves = game.counters().moves();
    EXPECT_GE(moves, 4);
    EXPECT_LE(moves, 6);

    game.keyDown(Key::Other);
    game.keyUp(Key::Other);
    EXPECT_FALSE(game.solvePlaying());
    const Puzzle stopped = game.board().puzzle();
    playFor(2);
    EXPECT_EQ(game.board().puzzle(), stopped);
    EXPECT_EQ(game.counters().moves(), moves);

    // The game goes on: Solve's moves are undone one by one.
    const Counters before = game.counters();
    game.undo();
    EXPECT_EQ(game.counters().moves(), before.moves() - 1);
    EXPECT_EQ(game.counters().hints(), before.hints() - 1);
    EXPECT_NE(game.board().puzzle(), stopped);
    game.redo();
    EXPECT_EQ(game.board().puzzle(), stopped);
}

TEST_F(SolveTest, SolveAgainStopsItAndAFinishByThePlayerAfterwardsIsStillNotTheirs)
{
    game.mnuSolve_Click();
    playFor(0.3);
    game.mnuSolve_Click();
    EXPECT_FALSE(game.solvePlaying());
    const int moves = game.counters().moves();
    ASSERT_GT(moves, 0);
    playFor(1);
    EXPECT_EQ(game.counters().moves(), moves);

    // The rest by Next Move: the game ends, and Solve's part keeps it out of the best times.
    for (int i = 0; i < 200 && game.form().GameState == State::Playing; ++i) {
        game.mnuNextMove_Click();
        settle(game, *inbox);
    }
    ASSERT_EQ(game.form().GameState, State::Solved);
    rig.wholePictureReturns();
    EXPECT_EQ(game.bestTimes().size(), 0u);
    EXPECT_EQ(game.newBestBanner(), "Solved for you");
}

TEST_F(SolveTest, TheTablesStayForTheNextSliderGameAndGoInPuzzleMode)
{
    game.mnuNextMove_Click();
    settle(game, *inbox);
    ASSERT_EQ(game.counters().moves(), 1);
    EXPECT_GT(game.solverTableBytes(), 0u);

    game.mnuSlide_Click();
    game.Timer1_Timer();
    EXPECT_GT(game.solverTableBytes(), 0u) << "another Slider game keeps them";

    game.mnuPuz_Click();
    // The timer falls due at once to let them go.
    ASSERT_TRUE(game.nextDue());
    EXPECT_LE(*game.nextDue(), rig.clock.t);
    game.Timer1_Timer();
    EXPECT_EQ(game.solverTableBytes(), 0u) << "no Slider game in play";
}

TEST_F(SolveTest, AGameFinishedWithNextMoveAloneIsAResultWithItsHints)
{
    for (int i = 0; i < 200 && game.form().GameState == State::Playing; ++i) {
        game.mnuNextMove_Click();
        settle(game, *inbox);
    }
    ASSERT_EQ(game.form().GameState, State::Solved);
    ASSERT_EQ(game.bestTimes().size(), 1u);
    EXPECT_EQ(game.bestTimes().listing({}).front().Hints, game.counters().hints());
    EXPECT_GT(game.counters().hints(), 0);
}

} // namespace
} // namespace quiltra::test
