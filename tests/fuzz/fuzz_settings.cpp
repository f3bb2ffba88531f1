// Fuzzes the settings reader: whatever "init.txt" holds, reading it never crashes, and what it
// reads is written back and read again to the same contents.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "startup/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto contents = quiltra::parseSettings(text);
    if (!contents)
        return 0;
    for (const std::string& entry : contents->entries)
        if (!quiltra::isStorablePath(entry))
            return 0; // such entries are refused before they reach the writer
    quiltra::SaveInfoValues v;
    v.Window = contents->prefs.Window;
    v.loaded = contents->prefs;
    v.saveOnExitChecked = contents->prefs.SaveOnExit == 1;
    v.entries = contents->entries;
    const auto again = quiltra::parseSettings(quiltra::saveInfoText(v));
    if (!again || again->entries != contents->entries)
        std::abort();
    return 0;
}
