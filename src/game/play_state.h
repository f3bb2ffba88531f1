// The game window's state and the play mode as named values; the mode is text only where a caption
// or a file shows it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string_view>

namespace quiltra {

// The game window's state (`GameState`). The numbers are the game's own and stay 16-bit; negative
// values are the start-up animation and the loading of a saved game, when clicks on pieces are
// ignored.
enum class State : std::int16_t {
    IntroPending = -1,      // the intro puzzle is to be built on the next tick
    IntroBuilt = -5,        // the intro puzzle is built and shown out of order
    IntroReassembling = -2, // one intro piece comes home every 0.2 s
    IntroFinished = -3,     // the intro picture is whole; a listed picture follows 4 s later
    LoadingSaved = -8,      // a saved game is being taken into play
    WholePicture = 0,       // the whole picture is shown, no game
    Playing = 1,            // a game is in progress
    Solved = 3,             // solved; the timer returns to the whole picture
    NoPicture = 6,          // no picture could be taken into play
};

// The start-up animation or a saved game being loaded: clicks on pieces are ignored.
constexpr bool isBusy(State s)
{
    return static_cast<std::int16_t>(s) < 0;
}

// The states above the whole picture: a game in progress or solved, and the state without a
// picture. In these the caption shows the counters and the time, and Hint marks pieces.
constexpr bool isBeyondPicture(State s)
{
    return static_cast<std::int16_t>(s) > 0;
}

std::ostream& operator<<(std::ostream& out, State s);

// How the pieces move: exchanged anywhere (Puzzle) or slid into the empty cell (Slider).
enum class Mode { Puzzle, Slider };

// "puzzle" or "slider", as the caption and the saved game show the mode.
std::string_view modeText(Mode m);
// The mode a text names; nothing for any other text (case counts).
std::optional<Mode> modeFromText(std::string_view text);

std::ostream& operator<<(std::ostream& out, Mode m);

} // namespace quiltra
