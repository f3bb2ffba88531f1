// The mode in the player's language, and a value put into a translated sentence.
#include "game/shown_text.h"

#include "platform/translation.h"

namespace quiltra {

namespace {

bool beginsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

} // namespace

std::string shownModeText(Mode m)
{
    return translateStored("Game", std::string(modeText(m)));
}

std::string titlePrefix(Mode m) { return "Quiltra - " + shownModeText(m) + ": "; }

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

std::size_t shownLength(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text)
        n += beginsCharacter(c);
    return n;
}

std::string shortName(const std::string& name)
{
    if (shownLength(name) <= 16)
        return name;
    // The 15th character's first byte ends the kept part.
    std::size_t at = 0;
    for (std::size_t kept = 0; at < name.size(); ++at)
        if (beginsCharacter(name[at]) && kept++ == 14)
            break;
    return name.substr(0, at) + "..";
}

} // namespace quiltra
