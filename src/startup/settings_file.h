// The settings file "init.txt": field splitting, number conversion, the reader and both writers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/stored_preferences.h"

namespace quiltra {

struct SettingsContents {
    StoredPreferences prefs;
    std::vector<std::string> entries;   // picture paths, in file order

    bool operator==(const SettingsContents&) const = default;
};

// Reader rule shared by every text file of the program: fields end at a comma or a line break,
// blanks before a field are skipped, a field that starts with a double quote runs to the next
// double quote (quotes removed). A line break right after a field ends it without adding an
// empty field.
std::vector<std::string> splitFields(std::string_view text);

// A number in decimal or hexadecimal with the prefix "&H" ("&HFFFF" is -1: up to four hex digits
// form a 16-bit value, up to eight a 32-bit one). Trailing blanks are ignored; anything else that
// is not part of the number makes the field unconvertible.
std::optional<double> parseNumber(std::string_view field);

// Rounds to the nearest integer, ties to even, and checks the 16-bit range.
std::optional<std::int16_t> toInt16(double value);

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

// Shortest decimal text of a number; whole numbers carry no decimal point.
std::string formatNumber(double value);

// A picture path as a field: quoted when it holds a comma or starts with a blank, so that it
// reads back whole.
std::string pathField(const std::string& path);

// Whether a path can be stored in the file at all: a double quote or a line break cannot.
bool isStorablePath(std::string_view path);

// The text that Save_Info writes: geometry, the nine preference fields (current or as read),
// the save-on-exit mark, the entries and "end".
struct SaveInfoValues {
    double WindowWidth = 0, WindowHeight = 0, WindowLeft = 0, WindowTop = 0;
    bool writeCurrent = false;          // "S&ave On Exit" checked and saving on exit
    StoredPreferences current;          // used when writeCurrent (fields 6-14)
    StoredPreferences loaded;           // used otherwise (fields 6-14)
    bool saveOnExitChecked = false;     // field 15
    std::vector<std::string> entries;
};
std::string saveInfoText(const SaveInfoValues& values);

// The display name of a path: the text after its last "/" or "\"; a path without a separator
// is its own display name.
std::string displayName(std::string_view path);

} // namespace quiltra
