// The play mode as text, and both named values for test messages.
#include "game/play_state.h"

#include <ostream>

#include "platform/translation.h"

namespace quiltra {

std::ostream& operator<<(std::ostream& out, State s)
{
    return out << static_cast<int>(static_cast<std::int16_t>(s));
}

// The same words in every language in the files; the caption translates them where it shows them.
std::string_view modeText(Mode m)
{
    //: The play mode, in lower case in the window title ("Quiltra - slider: name") and the Best
    //: Times list.
    const char* slider = QUILTRA_TRANSLATABLE("Game", "slider");
    //: The play mode, in lower case in the window title ("Quiltra - puzzle: name") and the Best
    //: Times list.
    const char* puzzle = QUILTRA_TRANSLATABLE("Game", "puzzle");
    return m == Mode::Slider ? slider : puzzle;
}

std::optional<Mode> modeFromText(std::string_view text)
{
    if (text == "puzzle")
        return Mode::Puzzle;
    if (text == "slider")
        return Mode::Slider;
    return std::nullopt;
}

std::ostream& operator<<(std::ostream& out, Mode m)
{
    return out << modeText(m);
}

} // namespace quiltra
