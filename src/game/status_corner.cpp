// The corner status's texts.
#include "game/status_corner.h"

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
    const std::string time = paused ? std::string("Paused") : status.time;
    const std::string moves = threeDigits(status.moves);
    const std::string hints = threeDigits(status.hints);
    return {
        "Moves " + moves + "   Hints " + hints + "   " + time,
        "Moves " + moves + "  Hints " + hints + "  " + time,
        "M " + moves + "  H " + hints + "  " + time,
        time,
    };
}

} // namespace quiltra
