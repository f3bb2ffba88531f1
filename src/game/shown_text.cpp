// The mode in the player's language, and a value put into a translated sentence.
#include "game/shown_text.h"

#include "platform/translation.h"

namespace quiltra {

std::string shownModeText(Mode m)
{
    return translateStored("Game", std::string(modeText(m)));
}

std::string withValue(std::string_view text, std::string_view value)
{
    constexpr std::string_view placeholder = "%1";
    std::string out;
    out.reserve(text.size() + value.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(placeholder); at != std::string_view::npos;
         at = text.find(placeholder, from)) {
        out.append(text.substr(from, at - from));
        out.append(value);
        from = at + placeholder.size();
    }
    out.append(text.substr(from));
    return out;
}

} // namespace quiltra
