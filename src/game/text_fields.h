// Text rules shared by every file the program reads and writes: how a line splits into fields,
// how numbers read and write, which paths a file can hold, and the name a path shows as.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quiltra {

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

// Shortest decimal text of a number; whole numbers carry no decimal point.
std::string formatNumber(double value);

// Whether a path can be stored in the file at all: a double quote or a line break cannot.
bool isStorablePath(std::string_view path);

// The display name of a path: the text after its last "/" or "\"; a path without a separator
// is its own display name.
std::string displayName(std::string_view path);

} // namespace quiltra
