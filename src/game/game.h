// The game window's state and handlers (Form9), as plain C++: menus, game area, board, counters,
// clock and caption are data here; the Qt window shows them and forwards its events.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/best_times.h"
#include "game/board.h"
#include "game/counters.h"
#include "game/game_menus.h"
#include "game/game_clock.h"
#include "game/keyboard_cursor.h"
#include "game/move_history.h"
#include "game/picture_request.h"
#include "game/play_state.h"
#include "game/program_state.h"
#include "game/sizes.h"
#include "game/status_corner.h"
#include "game/twips.h"

namespace quiltra {

struct SliderSolution;
class Clock;
class RandomSource;
class SoundDevice;
class MessageBoxes;
class PictureClip;
class ColorDialog;

// A rectangle element of the window (picture box, image, frame): twips and visibility.
struct Element {
    Single Left = 0;
    Single Top = 0;
    Single Width = 0;
    Single Height = 0;
    bool Visible = false;
};

// What the game needs from its host: time, random numbers, the sound device, message boxes,
// the picture clip and the colour dialog. Tests script every one of them.
struct GameServices {
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    SoundDevice* sound = nullptr;
    MessageBoxes* messages = nullptr;
    PictureClip* clip = nullptr;
    ColorDialog* colors = nullptr;
    // Lets pending window events run (a no-op in tests).
    std::function<void()> processEvents;
    // Hands a task to the thread the game runs on, to run after the events pending there (the
    // solver's answers come this way); tests run the tasks when they choose.
    std::function<void(std::function<void()>)> post;
};

// Virtual key codes the game window reacts to.
namespace Key {
inline constexpr int P = 80;
inline constexpr int F1 = 112;
inline constexpr int Plus = 187;   // the "=+" key of the main keyboard
inline constexpr int Minus = 189;  // the "-" key of the main keyboard
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Return = 13;
inline constexpr int Space = 32;
inline constexpr int AddKeypad = 107;      // "+" of the numeric keypad
inline constexpr int SubtractKeypad = 109; // "-" of the numeric keypad
// Any key the game has no use for, a modifier or lock key pressed alone among them: it resumes a
// paused clock and does nothing else.
inline constexpr int Other = 0;
} // namespace Key

// The - key never makes the window lower than this; + has no upper bound. The keys keep the
// window's shape, so at this height the window is about 9050 twips wide.
inline constexpr double kSmallestWindowHeight = 6400;

// What the game window shows besides the game's parts: its caption, colour and outer geometry,
// the game area and the picture's elements, the game's state and the sizes the picture offers.
// The game's handlers alone write it; everyone else reads it through Game::form().
struct GameForm {
    std::string Caption;
    std::uint32_t BackColor = 0xC0C0C0;
    // The window's outer size and place.
    WindowGeometry Window;
    bool WindowVisible = false; // hidden while the layout changes

    Element Picture2;   // the game area (puzzle area), holds the pieces
    Element Shape6;     // frame with the game area's position and size
    Element Image1;     // the whole picture, fitted
    Element Shape1;     // frame 15 twips outside Image1
    std::uint32_t Shape1Color = 0;  // border colour of Shape1, which the board frame Shape7 takes
    Element Picture1;   // hidden auxiliary box; the screen-size menu sizes it

    State GameState = State::IntroPending;
    // From Form_Load until the intro hands over to a listed picture: the welcome caption stands,
    // and the intro's shuffle leaves it in place (the intro passes through the whole-picture
    // state while it cuts its picture, so the state alone cannot tell).
    bool introRunning = false;
    double IntroClock = 0;
    bool LayoutRequested = false;
    std::int16_t ResizeSteps = 0;

    bool FinishPending = false;
    bool HintsShown = false;

    // Sizes.
    std::int16_t MaxCols = 0;
    std::int16_t MaxRows = 0;
    std::int16_t SizeCount = 0;

    // Bumped whenever the set of pieces or the picture changes, so the window re-scales its
    // picture only then.
    int pictureGeneration = 0;
};

// What the game is handed by its host: the program's shared state, the picture list and the
// services.
struct GameHost {
    ProgramState& program;
    PictureList& pictures;
    GameServices services;
};

// What a handler changed of the window itself, told to the window as it happens.
enum class GameChange {
    Caption,          // the title
    WindowGeometry,   // the outer size or place (Width, Height, Left, Top)
};

// The game window's handlers over the form and the game's parts. The handlers write the form's
// fields by their own names; no one else writes them.
class Game : private GameForm, private GameHost {
public:
    Game(ProgramState& program, PictureList& pictures, GameServices services);
    ~Game();

    // ---- What the window shows, read-only ----
    const GameForm& form() const { return *this; }
    const ProgramState& programState() const { return program; }
    const PictureList& pictureList() const { return pictures; }
    const GameServices& gameServices() const { return services; }
    // The window's pump that lets pending events run at the points where the game waits.
    void setEventPump(std::function<void()> pump) { services.processEvents = std::move(pump); }
    // How work done on another thread (the solver's answers) is handed back to the game's thread.
    void setPoster(std::function<void(std::function<void()>)> post) { services.post = std::move(post); }
    // Told of every change of the title and of the window's geometry, when it happens.
    void setChangeListener(std::function<void(GameChange)> listener)
    {
        changeListener_ = std::move(listener);
    }

    // ---- The game's parts, read-only to everyone but the game's own handlers ----
    // The menus' captions, check marks and enabled states.
    const GameMenus& menus() const { return menus_; }
    // The pieces, their home cells, the markers and the board frame.
    const Board& board() const { return board_; }
    // Started by the first click on a piece, Hint or arrow slide; paused while the player is away.
    const GameClock& clock() const { return clock_; }
    // Moves and hints of the game in progress, as the caption and a saved game show them.
    const Counters& counters() const { return counters_; }
    // The counts and the time the title shows, for the menu bar's corner: not shown unless the
    // title is still the long form the last status refresh made.
    StatusCounts statusCounts() const;

    // Shows the picture list in the Picture menu (after the list changed elsewhere).
    void showPictureList();
    // Takes the switches and the background colour read from the settings file.
    void applyPreferences(const StoredPreferences& stored);

    // ---- Window frame ----
    void Form_Load();
    void intro();
    // A click or a key during the intro ends it at once, as its last step does: a picture from
    // the list comes into play, the menus open and the intro sound gives way to the move sound.
    // Nothing happens once the intro is over.
    void skipIntro();
    // The timer: does whatever is due now. nextDue() tells when it must run again (absolute
    // clock time), or nothing when no step, no clock display and no delayed return is pending.
    void Timer1_Timer();
    std::optional<double> nextDue() const;
    void Form_Resize(bool minimised);
    void keyDown(int keyCode);
    void keyUp(int keyCode);
    void lostFocus();
    void gainedFocus();
    // Close request: asks the player; returns true when the program is to end.
    bool closeRequest();
    void mnuScreen_Click(int index);
    // The window manager gave the window a new outer size (twips): the player dragged its border,
    // maximised or restored it. The game area is laid out as a Screen Size choice lays it out.
    void windowResized(double width, double height);
    // Window geometry changed by the player (moving the window).
    void windowMoved(double left, double top);
    // Setting the window's Width or Height to a new value raises a resize event
    // (Form_Resize(false)); setting the value it already has raises nothing.
    void setWindowWidth(double width);
    void setWindowHeight(double height);

    // ---- Picture list menu and picture loading ----
    void LoadRandomPicture();
    void mnuPict_Click(int index);
    void mnuAddCur_Click();
    void AddCurrentPicture();
    void mnuEdit_Click();

    // ---- Sizes ----
    void pic_handler();
    void Find_Size();
    void Set_Size();
    void mnuSize_Click(int index);
    // Whether the picture in PicClip1, fitted into the game area, offers at least one size; a
    // picture that does not is refused with "Picture is too small to divide into a puzzle.".
    bool clipFormsPuzzle() const;

    // ---- Taking a picture into play ----
    // The only way a picture enters play: loads the request's file into PicClip1 under the size
    // rule, makes it the picture in play, fits it, builds the Size menu, chooses the grid, cuts
    // it, then does what the request adds. A file that cannot be loaded or is refused leaves the
    // game and the clip as they were, and the result says why.
    PictureResult takePictureIntoPlay(const PictureRequest& request);
    // The size rule every picture taken into play passes (pixels): the validity rule, and at
    // least one size once fitted into the game area.
    bool openablePicture(int pixelWidth, int pixelHeight) const;
    // Takes the picture PicClip1 already holds into play as `name` from `folder`, as the Open
    // Picture window does (openedPicture): fits and cuts it, ends the game in progress, enables
    // the menus that need a picture and makes it the current picture.
    void takeOpenedPicture(const std::string& name, const std::string& folder);

    // ---- Open Picture window ----
    // Ends every open attempt that ends normally: no moves, the whole picture, the caption.
    void finishOpenAttempt();
    // The Open button's own last steps: the View command and the tone file.
    void openButtonDone();

    // ---- Cutting and drawing ----
    void Divide_Pic();
    void Divide_Pic2();
    void IntroStep();

    // ---- Shuffling ----
    void StartNewGame();
    void ShufflePuzzle();
    void ShuffleSlider();

    // ---- Moves and solving ----
    void image2_Click(int k);
    void picture2_mousedown(Single x, Single y);
    void Image1_Click();
    void CheckSolved();
    // Keyboard sliding in Slider mode: an arrow slides the neighbour of the empty cell that
    // moves in the arrow's direction.
    void arrowSlide(int keyCode);

    // ---- Hints ----
    void mnuHint_Click();

    // ---- Next Move and Solve (game_solve.cpp) ----
    // Offered whenever Hint is. Next Move makes one move toward the finished picture: in Slider
    // mode the first slide of a solution worked out off this thread, in Puzzle mode a swap that
    // puts a misplaced piece home (two when it can). Solve plays the rest of the solution about
    // eight moves a second until the picture is finished or the player stops it.
    void mnuNextMove_Click();
    void mnuSolve_Click();
    // Solve is playing (or waiting for its solution).
    bool solvePlaying() const;
    // A search has run longer than the player should wait without being told.
    bool thinking() const;
    // A search is on its way; its answer has not come back yet.
    bool searching() const;
    // A key or a click of the player's stops Solve where it is: true when Solve was playing.
    bool stopSolveByPlayer();
    // The Next Move and Solve items follow the Hint item's enabled state.
    void offerHelpMoves();
    // The memory the solver's tables hold now, bytes: kept while Slider games are played.
    std::size_t solverTableBytes() const;

    // ---- Undo and redo ----
    // Only while a game is in progress with the puzzle on view. An undo puts the pieces and both
    // counters back as they were before the last move still done, a redo as they were after the
    // first move undone; either sounds and starts or resumes the clock as a move does, and clears
    // the selection and the hint marks. New Game, a new size or picture, Load and the finish
    // forget every move.
    void undo();
    void redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    // ---- Restart ----
    // File > Restart: the game in progress starts again from its deal (the arrangement New Game
    // dealt or Load brought back), with no moves, hints, selection, marks or history, and a
    // stopped clock that starts with the next click, Hint or arrow slide, as after New Game.
    // Only while a game is in progress.
    void mnuRestart_Click();

    // ---- Keyboard play ----
    // The cell Space and Return act on; hidden until the first arrow (Puzzle mode) or Space or
    // Return, and again after a mouse click and at the end of the game.
    const KeyboardCursor& cursor() const { return cursor_; }

    // ---- Best times ----
    // The kept results as they stand: "times.txt" in the settings folder read again, with this
    // session's results that could not be written to it yet.
    BestTimes& bestTimes();
    // Replaces "times.txt" with `times` (Clear All), which also lets go of the session's results
    // not written yet; false with a description when it cannot.
    bool saveTimes(const BestTimes& times, std::string& error);
    // "New best time" with the time, moves and hints of the finish that set it, while the whole
    // picture shows after that finish; empty otherwise.
    std::string newBestBanner() const;

    // ---- Status line and clock ----
    void RefreshStatus();
    void pauseClock();
    void resumeClock();
    void startClock();

    // ---- Saved game ----
    void mnuSave_Click();
    void mnuRestore_Click();

    // ---- Modes and views ----
    void ResetBoard();
    void mnuPuz_Click();
    void mnuSlide_Click();
    void mnuView_Click();
    void mnuPz_Click();
    void mnuSldr_Click();

    // ---- Preferences ----
    void mnuColor_Click();
    void mnuSelCol_Click();
    void mnuHntCol_Click();
    void mnuEffects_Click();
    void SndInt_Click();
    void SndMv_Click();
    void SndEnd_Click();
    void mnuSv_Click();

    double now() const;
    void processEvents() const;
    // Sound sequence that re-opens the move sound (after the intro, a picture or size change,
    // and two seconds after a solved game).
    void prepareMoveSound();
    // The loading caption: "Quiltra - <mode>: <short name>  Loading".
    std::string loadingCaption(const std::string& name) const;

private:
    // Tests stage the parts through this (tests/support/game_parts.h).
    friend struct GameParts;
    struct SolvePlay;
    // Deletes SolvePlay where it is defined (game_solve.cpp).
    struct SolvePlayDeleter {
        void operator()(SolvePlay* play) const;
    };

    // Next Move and Solve (game_solve.cpp).
    SolvePlay& solvePlay();
    // A move made for the player: counted as a move and as a hint, kept in the history, checked.
    bool helpedMove(const Move& move);
    // The next move of the plan or of Puzzle mode's rule; asks the solver when there is none.
    void helpStep();
    void askSolver(const Puzzle& from);
    void askAhead();
    void solverAnswered(std::uint64_t request, const SliderSolution& solution);
    // The arrangement was changed by the player: the search and Solve stop.
    void noteMove();
    // The game ends or another begins: no search, no Solve, no plan.
    void forgetSolve();
    // Solve made a move in the game in progress.
    bool solveUsed() const;
    // What Next Move and Solve have due on the timer, and doing it.
    std::optional<double> solveDue() const;
    void solveTimer();

    void playMoveSound();
    // The title changes: the window is told at once.
    void setCaption(std::string caption);
    void changed(GameChange what) const
    {
        if (changeListener_)
            changeListener_(what);
    }
    // The one start of a game (see game_shuffle.cpp); Restart passes its deal.
    void beginGame(const std::optional<Puzzle>& deal = std::nullopt);
    // Sets the window's width (and the auxiliary box when given), then its height with the layout
    // requested: one layout of the game area for the new size, none when the size is unchanged.
    void resizeWindow(double width, double height, std::optional<Single> picture1Height = {});
    // The intro's last step, when it falls due or when the player skips the intro.
    void endIntro();
    void slideIntoEmpty(int k);
    // `move` was made on the arrangement `before`, with the counters `countsBefore` before it:
    // the history keeps it, and the Undo and Redo items follow.
    void recordMove(const Puzzle& before, const Move& move, const Counters& countsBefore);
    // Makes the move of an undo or redo and puts its counters back.
    void returnTo(const MoveHistory::Return& step);
    // The game in progress ends or another begins: no history, no deal, no cursor, no banner.
    void forgetGame();
    // The arrangement as it stands is the deal Restart returns to.
    void rememberDeal();
    // Space, Return and, in Puzzle mode, the arrows; true when the key was one of them.
    bool keyboardPlay(int keyCode);
    // The game was solved: the history and the cursor go, and the result joins the best times.
    void finishPlay();
    void removeListEntry(std::size_t index);
    // Makes the picture PicClip1 holds the picture in play for the request (see
    // takePictureIntoPlay).
    void enterPlay(const PictureRequest& request);

    std::function<void(GameChange)> changeListener_;
    GameMenus menus_;
    Board board_;
    GameClock clock_;
    Counters counters_;
    StatusCounts statusCounts_;
    std::string statusCaption_; // the caption that refresh made

    MoveHistory history_;
    // The arrangement the game in progress started from; nothing outside a game.
    std::optional<Puzzle> deal_;
    KeyboardCursor cursor_;
    // Set while Space or Return acts as a click, which leaves the cursor on view.
    bool keyClick_ = false;
    BestTimes bestTimes_;           // what bestTimes() read last
    BestTimes unsavedTimes_;        // results of this session "times.txt" does not hold yet
    std::string banner_;            // the new best of the last finish, until the next game
    bool timesFailureTold_ = false; // a failed write of "times.txt" is told once per session
    bool timesUnreadTold_ = false;  // so is a "times.txt" that could not be read
    std::unique_ptr<SolvePlay, SolvePlayDeleter> solve_; // made at first use
};

} // namespace quiltra
