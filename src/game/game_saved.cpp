// File > Save and File > Load: the game in play written to "last.txt" and brought back from it.
#include <algorithm>

#include "game/board_layout.h"
#include "game/game.h"
#include "game/play_support.h"
#include "game/saved_game.h"
#include "game/shown_text.h"
#include "game/sizes.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

constexpr const char* kFileMissing = QUILTRA_TRANSLATABLE("Game", "Saved game file was not found.");
constexpr const char* kPictureMissing =
    QUILTRA_TRANSLATABLE("Game", "Picture from saved game was not found.");
constexpr const char* kFileDamaged = QUILTRA_TRANSLATABLE("Game", "Error in saved game file.");

std::string savedGamePath(const ProgramState& program)
{
    return program.SettingsFolder + "/last.txt";
}

// The folder of a path, with its final separator; empty when the path names no folder.
std::string folderOf(const std::string& path)
{
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

void tell(Game& g, const std::string& text)
{
    g.gameServices().messages->show(text, "Quiltra", MessageButtons::Ok);
}

// A saved game whose file has been read and checked in full, with the cell of every piece.
struct CheckedGame {
    SavedGame game;
    std::vector<int> cells;
};

// Reads and checks "last.txt" without touching the game; on failure names the message to show.
std::optional<CheckedGame> readSavedGame(const ProgramState& program, const char*& failure)
{
    const std::string file = savedGamePath(program);
    if (!fileExists(file)) {
        failure = kFileMissing;
        return std::nullopt;
    }
    failure = kFileDamaged;
    const std::optional<std::string> text = readWholeFile(file, kMaxSavedGameBytes);
    if (!text)
        return std::nullopt;
    std::optional<SavedGame> game = parseSavedGame(*text);
    if (!game)
        return std::nullopt;
    if (!fileExists(game->PicturePath)) {
        failure = kPictureMissing;
        return std::nullopt;
    }
    std::optional<std::vector<int>> cells = savedCells(*game);
    if (!cells)
        return std::nullopt;
    return CheckedGame{std::move(*game), std::move(*cells)};
}

} // namespace

// Writes the game in progress. Only a game in progress is saved (Save is enabled only then). The
// file is replaced through a temporary file, so a failed save keeps the previous saved game; the
// player is told, and Load is not enabled by a save that did not happen. The elapsed time saved is
// the one the title shows: a pause in progress ends it at PauseStart, so time the player spent
// away never counts and save-load cycles add nothing.
void Game::mnuSave_Click()
{
    if (GameState != State::Playing)
        return;

    SavedGame saved;
    saved.PicturePath = program.CurrentPicturePath;
    saved.DisplayName = menus_.items_.mnuCurrent.Caption;
    saved.GridCols = board_.gridCols();
    saved.GridRows = board_.gridRows();
    const int n = board_.pieceTotal();
    saved.Positions.reserve(std::size_t(std::max(n, 0)));
    for (int k = 1; k <= n; ++k)
        saved.Positions.push_back(SavedPosition{board_.piece(k).Left, board_.piece(k).Top});
    saved.PlayMode = program.PlayMode;
    saved.MoveCount = counters_.moves();
    saved.HintCount = counters_.hints();
    saved.ElapsedSeconds = clock_.played(now());

    const std::optional<std::string> text = savedGameText(saved);
    if (!text) {
        tell(*this, translate("Game", "The game could not be saved: the picture's name or "
                                      "folder contains a double quote or a line break."));
        return;
    }
    std::string error;
    if (!replaceFile(savedGamePath(program), *text, error)) {
        tell(*this, withValue(translate("Game", "The game could not be saved: %1. The previous "
                                                "saved game, if any, is kept."),
                              error));
        return;
    }
    menus_.items_.mnuRestore.Enabled = true;
}

// Brings the saved game back. The whole file is read and checked first (fields, grid, picture,
// one piece per cell), and the picture is loaded last; only then does the game change. A refused
// load shows its message and leaves everything as it was, except that the clock stays paused.
// Pieces go to the cells their saved positions describe, at those cells' places in the game area
// as it is now. The loaded game's clock counts as started, paused at the saved time: the next
// click, Hint or key resumes it from there.
void Game::mnuRestore_Click()
{
    // A pause already in progress keeps its start, so the time already paused is not counted.
    if (!clock_.paused())
        pauseClock();
    const State stateBefore = GameState;
    GameState = State::LoadingSaved;

    const char* failure = kFileDamaged;
    const std::optional<CheckedGame> checked = readSavedGame(program, failure);
    if (!checked) {
        tell(*this, translateStored("Game", failure));
        GameState = stateBefore;
        return;
    }
    const SavedGame& saved = checked->game;
    // The picture must take the saved grid like any picture taken into play; it is loaded last.
    PictureRequest request;
    request.path = saved.PicturePath;
    request.name = saved.DisplayName;
    request.folder = folderOf(saved.PicturePath);
    request.grid = Grid{saved.GridCols, saved.GridRows};
    request.holdPlayWhileCutting = true;
    // A picture is in play now, also after a start with no picture at all.
    request.enableMenus = true;
    if (!takePictureIntoPlay(request).taken()) {
        tell(*this, translateStored("Game", kFileDamaged));
        GameState = stateBefore;
        return;
    }

    const int n = board_.pieceTotal();
    program.PlayMode = saved.PlayMode;
    if (const std::optional<Puzzle> arranged =
            Puzzle::fromCells(board_.gridCols(), board_.gridRows(), checked->cells,
                              saved.PlayMode == Mode::Slider))
        board_.arrange(*arranged);
    // Restart returns to the arrangement the game was loaded with.
    rememberDeal();
    counters_.restore(saved.MoveCount, saved.HintCount);
    HintsShown = false;
    // A game solved just before the load must not be ended by the timer's delayed return.
    FinishPending = false;

    GameState = State::Playing;
    RefreshStatus();
    processEvents();
    showPuzzle(*this);
    menus_.items_.mnuHint.Enabled = true;
    menus_.offerOriginalView();

    clock_.restore(now(), saved.ElapsedSeconds);
    menus_.items_.mnuSave.Enabled = true;
    // With a game in progress, nothing pending and the clock paused, a tick only refreshes the
    // clock texts from the elapsed time.
    Timer1_Timer();
    RefreshStatus();

    if (program.PlayMode == Mode::Slider && n >= 1)
        board_.setVisible(n, false);
}

} // namespace quiltra
