// The settings file "init.txt": its preferences, the reader and both writers. Its fields and
// numbers follow the rules every text file of the program shares (game/text_fields.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/text_fields.h"
#include "game/stored_preferences.h"

namespace quiltra {

struct SettingsContents {
    StoredPreferences prefs;
    std::vector<std::string> entries;   // picture paths, in file order

    bool operator==(const SettingsContents&) const = default;
};

// A switch is on only when its value is exactly 1.
constexpr bool switchOn(std::int16_t value) { return value == 1; }

// Parses the whole file. Fails (nullopt) on a wrong marker, an unconvertible or out-of-range
// field, or a file that ends before "end" (compared exactly, case matters).
std::optional<SettingsContents> parseSettings(std::string_view text);

// The default preference text, fields 2 to 15, each followed by a comma.
inline constexpr std::string_view kDefaultPreferenceText =
    "9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,";

// Default contents: the default preferences and one entry per listed picture path.
std::string defaultSettingsText(const std::vector<std::string>& picturePaths);

// A picture path as a field: quoted when it holds a comma or starts with a blank, so that it
// reads back whole.
std::string pathField(const std::string& path);

// The text that Save_Info writes: geometry, the nine preference fields (current or as read),
// the save-on-exit mark, the entries and "end".
struct SaveInfoValues {
    WindowGeometry Window{0, 0, 0, 0};
    bool writeCurrent = false;          // "S&ave On Exit" checked and saving on exit
    StoredPreferences current;          // used when writeCurrent (fields 6-14)
    StoredPreferences loaded;           // used otherwise (fields 6-14)
    bool saveOnExitChecked = false;     // field 15
    std::vector<std::string> entries;
};
std::string saveInfoText(const SaveInfoValues& values);

} // namespace quiltra
