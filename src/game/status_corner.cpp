// The corner status's texts.
#include "game/status_corner.h"

#include "platform/translation.h"

namespace quiltra {

std::string threeDigits(int value)
{
    const std::string digits = std::to_string(value);
    return std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

std::vector<std::string> statusCornerForms(const StatusCounts& status, bool paused)
{
    if (!status.shown)
        return {};
    //: Stands in place of the clock (" 0:00:00") in the corner of the menu bar: keep it short.
    const std::string time = paused ? translate("Game", "Paused") : status.time;
    const std::string moves = threeDigits(status.moves);
    const std::string hints = threeDigits(status.hints);
    const std::string movesWord = translate("Game", "Moves");
    const std::string hintsWord = translate("Game", "Hints");
    //: Short for "Moves" where the corner of the menu bar has little room: one or two letters.
    const std::string m = translate("Game", "M");
    //: Short for "Hints" where the corner of the menu bar has little room: one or two letters.
    const std::string h = translate("Game", "H");
    return {
        movesWord + " " + moves + "   " + hintsWord + " " + hints + "   " + time,
        movesWord + " " + moves + "  " + hintsWord + " " + hints + "  " + time,
        m + " " + moves + "  " + h + " " + hints + "  " + time,
        time,
    };
}

} // namespace quiltra
