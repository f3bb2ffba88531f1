// Next Move and Solve: moves made for the player toward the finished picture. In Slider mode they
// follow a solution the solver works out on its own thread (SolveRunner); the answer comes back to
// the game's thread through the host's post and is used only while it still answers the game's
// latest question about the arrangement on the board. In Puzzle mode the next swap is chosen here.
#include <utility>

#include "game/game.h"
#include "game/play_support.h"
#include "game/slider_solver.h"
#include "game/solve_runner.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

// Solve's pace: about eight moves a second.
constexpr double kSolveStep = 0.125;
// A search that has not answered after this long shows "Thinking...".
constexpr double kThinkingAfter = 0.15;
// Grids up to this many cells are solved whole and with the fewest slides.
constexpr int kShortestCells = 16;

SliderPosition sliderPosition(const Puzzle& p)
{
    SliderPosition position{p.cols(), p.rows(), {}};
    position.cells.reserve(std::size_t(p.count()));
    for (int cell = 1; cell <= p.count(); ++cell) {
        const int k = p.pieceAt(cell);
        position.cells.push_back(k == p.count() ? 0 : k);
    }
    return position;
}

// Puzzle mode's next swap: a pair of pieces standing in each other's cells goes home together,
// the first such pair in reading order; failing that, the piece in the first misplaced cell goes
// home. Nothing when every piece is home.
std::optional<Move> puzzleStep(const Puzzle& p)
{
    int first = 0;
    for (int cell = 1; cell <= p.count(); ++cell) {
        const int k = p.pieceAt(cell);
        if (k == cell)
            continue;
        if (p.pieceAt(k) == cell)
            return Move::swap(cell, k);
        if (first == 0)
            first = cell;
    }
    if (first == 0)
        return std::nullopt;
    return Move::swap(first, p.pieceAt(first));
}

} // namespace

// What Next Move and Solve keep between calls.
struct Game::SolvePlay {
    explicit SolvePlay(SolveRunner::Answer answer) : runner(std::move(answer)) {}

    SolveRunner runner;
    // The request whose answer is awaited; 0 when none is.
    std::uint64_t awaited = 0;
    Puzzle askedFor;         // the arrangement that request is about
    double askedAt = 0;
    bool thinking = false;
    bool nextMoveWanted = false;
    // Solve is playing; its next move is due at nextAt (while no answer is awaited).
    bool playing = false;
    double nextAt = 0;
    // Solve made a move in the game in progress: its finish is no result of the player's.
    bool used = false;
    // The slides still to come (cells whose piece slides into the empty cell) and the arrangement
    // the first of them applies to; the plan holds while the board shows that arrangement. On a
    // larger grid it may end before the finished picture (planComplete false), at planEnd.
    std::vector<int> plan;
    std::size_t next = 0;
    Puzzle planFrom;
    Puzzle planEnd;
    bool planComplete = false;

    bool planHolds(const Puzzle& board) const { return next < plan.size() && planFrom == board; }
    // A move of ours is being recorded, which must not count as the player's.
    bool ownMove = false;
    // A search was asked for in this session, so the tables may need letting go.
    bool tablesUsed = false;
    bool reviewTables = false;
};

void Game::SolvePlayDeleter::operator()(SolvePlay* play) const { delete play; }

Game::~Game() = default;

Game::SolvePlay& Game::solvePlay()
{
    if (!solve_) {
        // The answer comes on the search thread: it goes to the game's own thread to be used.
        solve_.reset(new SolvePlay([this](std::uint64_t request, SliderSolution solution) {
            if (services.post)
                services.post([this, request, s = std::move(solution)] { solverAnswered(request, s); });
        }));
    }
    return *solve_;
}

void Game::offerHelpMoves()
{
    menus_.items_.mnuNextMove.Enabled = menus_.items_.mnuHint.Enabled;
    menus_.items_.mnuSolve.Enabled = menus_.items_.mnuHint.Enabled;
}

bool Game::solvePlaying() const { return solve_ && solve_->playing; }
bool Game::thinking() const { return solve_ && solve_->thinking; }
bool Game::searching() const { return solve_ && solve_->awaited != 0; }
bool Game::solveUsed() const { return solve_ && solve_->used; }
std::size_t Game::solverTableBytes() const { return solve_ ? solve_->runner.tableBytes() : 0; }

// Next Move resumes or starts the clock as Hint does; a Next Move during Solve stops Solve and
// still makes its one move.
void Game::mnuNextMove_Click()
{
    if (!menus_.items_.mnuHint.Enabled || !puzzleInPlay(*this))
        return;
    SolvePlay& s = solvePlay();
    s.playing = false;
    resumeClock();
    startClock();
    s.nextMoveWanted = true;
    helpStep();
}

// Solve chosen while it plays stops it.
void Game::mnuSolve_Click()
{
    if (stopSolveByPlayer())
        return;
    if (!menus_.items_.mnuHint.Enabled || !puzzleInPlay(*this))
        return;
    SolvePlay& s = solvePlay();
    resumeClock();
    startClock();
    s.playing = true;
    s.nextMoveWanted = false;
    helpStep();
}

bool Game::stopSolveByPlayer()
{
    if (!solvePlaying())
        return false;
    solve_->playing = false;
    if (!solve_->nextMoveWanted && solve_->awaited != 0) {
        solve_->runner.cancel();
        solve_->awaited = 0;
        solve_->thinking = false;
    }
    return true;
}

// One move of Next Move or Solve: Puzzle mode's rule, or the plan's next slide, or, when the plan
// does not hold for the arrangement on the board, a question to the solver whose answer makes the
// move (solverAnswered).
void Game::helpStep()
{
    SolvePlay& s = solvePlay();
    if (!puzzleInPlay(*this)) {
        s.playing = false;
        s.nextMoveWanted = false;
        return;
    }
    const Puzzle& p = board_.puzzle();
    if (!p.slider()) {
        s.nextMoveWanted = false;
        if (const std::optional<Move> swap = puzzleStep(p))
            helpedMove(*swap);
        else
            s.playing = false; // a deal that came out whole: nothing to play
        s.nextAt = now() + kSolveStep;
        return;
    }
    if (s.planHolds(p)) {
        s.nextMoveWanted = false;
        const Move slide = Move::slide(s.plan[s.next], p.emptyCell());
        ++s.next;
        if (helpedMove(slide))
            s.planFrom = board_.puzzle();
        else
            s.plan.clear();
        s.nextAt = now() + kSolveStep;
        askAhead();
        return;
    }
    if (s.awaited != 0 && s.askedFor == p)
        return; // the answer about this arrangement is on its way
    askSolver(p);
}

// While a stage of a larger grid's solution is played, by Solve or a Next Move at a time, the
// next stage is worked out from where this one ends, so the moves go on without a pause between
// stages (the last, a corner searched for its fewest slides, can take a good part of a second).
// A move of the player's own cancels it with the plan.
void Game::askAhead()
{
    SolvePlay& s = solvePlay();
    if (!s.planComplete && s.awaited == 0 && s.planHolds(board_.puzzle()))
        askSolver(s.planEnd);
}

void Game::askSolver(const Puzzle& from)
{
    SolvePlay& s = solvePlay();
    // On a larger grid only the next stage of the solution is asked for, which comes at once;
    // smaller grids are always solved whole.
    const SolveExtent extent =
        from.count() > kShortestCells ? SolveExtent::FirstStage : SolveExtent::Whole;
    const Puzzle p = from;
    s.askedFor = p;
    s.askedAt = now();
    s.thinking = false;
    s.tablesUsed = true;
    s.awaited = s.runner.start(sliderPosition(p), extent);
}

void Game::solverAnswered(std::uint64_t request, const SliderSolution& solution)
{
    if (!solve_ || request == 0 || request != solve_->awaited)
        return; // a question no longer asked
    SolvePlay& s = *solve_;
    s.awaited = 0;
    s.thinking = false;
    const bool wanted = s.playing || s.nextMoveWanted;
    const Puzzle& board = board_.puzzle();
    const bool found = solution.outcome == SolveOutcome::Solved && puzzleInPlay(*this);
    if (found && s.planHolds(board) && s.askedFor == s.planEnd) {
        // The next stage, worked out while the plan played: the plan goes on with it.
        for (const int cell : solution.slides) {
            s.plan.push_back(cell + 1);
            s.planEnd.apply(Move::slide(cell + 1, s.planEnd.emptyCell()));
        }
        s.planComplete = solution.complete;
        askAhead();
        return;
    }
    if (!found || solution.slides.empty() || !(board == s.askedFor)) {
        // No solution (a loaded arrangement the slides cannot finish) or nothing to do (a deal
        // that came out whole): nothing is played.
        s.playing = false;
        s.nextMoveWanted = false;
        return;
    }
    s.plan.clear();
    s.next = 0;
    s.planFrom = s.askedFor;
    s.planEnd = s.askedFor;
    for (const int cell : solution.slides) {
        s.plan.push_back(cell + 1);
        s.planEnd.apply(Move::slide(cell + 1, s.planEnd.emptyCell()));
    }
    s.planComplete = solution.complete;
    if (wanted)
        helpStep();
    else
        askAhead();
}

bool Game::helpedMove(const Move& move)
{
    Board& b = board_;
    const Puzzle before = b.puzzle();
    if (!before.legal(move))
        return false;
    SolvePlay& s = solvePlay();
    const Counters countsBefore = counters_;
    b.hideMark(b.selected(), frameColour(program.HintColor));
    b.deselect();
    b.apply(move);
    playMoveSound();
    counters_.countMove();
    counters_.countHint();
    if (s.playing)
        s.used = true;
    s.ownMove = true;
    recordMove(before, move, countsBefore);
    s.ownMove = false;
    RefreshStatus();
    CheckSolved();
    return true;
}

void Game::noteMove()
{
    if (!solve_ || solve_->ownMove)
        return;
    SolvePlay& s = *solve_;
    s.playing = false;
    s.nextMoveWanted = false;
    if (s.awaited != 0) {
        s.runner.cancel();
        s.awaited = 0;
        s.thinking = false;
    }
}

void Game::forgetSolve()
{
    if (!solve_)
        return;
    SolvePlay& s = *solve_;
    s.ownMove = false;
    noteMove();
    s.used = false;
    s.plan.clear();
    s.planFrom = Puzzle();
    // The timer looks at the game that follows and lets the tables go unless it is a Slider game.
    s.reviewTables = s.tablesUsed;
}

std::optional<double> Game::solveDue() const
{
    if (!solve_)
        return std::nullopt;
    const SolvePlay& s = *solve_;
    std::optional<double> due;
    const auto atOrBefore = [&due](double when) {
        if (!due || when < *due)
            due = when;
    };
    // A search the moves do not wait for (the next stage, while a plan plays) is no one's wait.
    const bool planHolds = s.planHolds(board_.puzzle());
    if (s.reviewTables)
        atOrBefore(now());
    if (s.awaited != 0 && !s.thinking && !planHolds)
        atOrBefore(s.askedAt + kThinkingAfter);
    if (s.playing && (s.awaited == 0 || planHolds))
        atOrBefore(s.nextAt);
    return due;
}

void Game::solveTimer()
{
    if (!solve_)
        return;
    SolvePlay& s = *solve_;
    const double t = now();
    const bool planHolds = s.planHolds(board_.puzzle());
    if (s.playing && (s.awaited == 0 || planHolds) && t >= s.nextAt)
        helpStep();
    if (s.awaited != 0 && !s.thinking && !s.planHolds(board_.puzzle()) &&
        t >= s.askedAt + kThinkingAfter)
        s.thinking = true;
    // The tables are kept while Slider games are played, and let go when none is: in Puzzle mode,
    // with the whole picture shown between games, with no picture.
    s.reviewTables = false;
    const bool sliderGame = program.PlayMode == Mode::Slider &&
                            (GameState == State::Playing || GameState == State::Solved);
    if (s.tablesUsed && !sliderGame && s.awaited == 0) {
        s.runner.releaseTables();
        s.tablesUsed = false;
    }
}

} // namespace quiltra
