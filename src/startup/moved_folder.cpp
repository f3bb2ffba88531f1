// The picture list of a program folder that has been moved: entries that named the supplied
// pictures at the former place are taken from the current one.
#include "startup/moved_folder.h"

#include <optional>

#include "platform/file_system.h"

namespace quiltra {

namespace {

constexpr std::string_view kGraphics = "/Graphics/";

struct GraphicsEntry {
    std::string folder;   // the program folder the entry lies under
    std::string name;     // the file name directly inside its Graphics folder
};

// Splits "F/Graphics/<name>" with a non-empty F and a name without further folders.
std::optional<GraphicsEntry> splitGraphicsEntry(const std::string& entry)
{
    const std::size_t at = entry.rfind(kGraphics);
    if (at == std::string::npos || at == 0)
        return std::nullopt;
    std::string name = entry.substr(at + kGraphics.size());
    if (name.empty() || name.find('/') != std::string::npos)
        return std::nullopt;
    return GraphicsEntry{entry.substr(0, at), std::move(name)};
}

} // namespace

std::vector<std::string> existingEntries(const std::vector<std::string>& entries,
                                         const std::string& programFolder)
{
    const std::string graphics = programFolder + std::string(kGraphics);
    std::vector<bool> exists(entries.size());
    std::optional<std::string> former;
    bool ambiguous = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        exists[i] = fileExists(entries[i]);
        if (exists[i] || ambiguous)
            continue;
        const auto split = splitGraphicsEntry(entries[i]);
        if (!split || split->folder == programFolder || !fileExists(graphics + split->name))
            continue;
        if (former && *former != split->folder)
            ambiguous = true;
        former = split->folder;
    }
    // A former folder that still has its pictures was copied, not moved: its entries are its own.
    if (ambiguous || (former && isFolder(*former + "/Graphics")))
        former.reset();

    std::vector<std::string> kept;
    kept.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (exists[i]) {
            kept.push_back(entries[i]);
            continue;
        }
        if (!former)
            continue;
        const auto split = splitGraphicsEntry(entries[i]);
        if (split && split->folder == *former && fileExists(graphics + split->name))
            kept.push_back(graphics + split->name);
    }
    return kept;
}

} // namespace quiltra
