// The corner status's texts.
#include "game/status_corner.h"

namespace quiltra {

std::string threeDigits(int value)
{
    std::string text = std::to_string(value);
    while (text.size() < 3)
        text.insert(0, "0");
    return text;
}

namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

std::vector<std::string> statusCornerForms(const StatusCounts& status, bool paused)
{
    if (!status.shown)
        return {};
    const std::string time = paused ? std::string("Paused") : trimmed(status.time);
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
