// The settings file "init.txt": field splitting, number conversion, the reader and both writers.
#include "startup/settings_file.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace quiltra {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

std::optional<double> parseHex(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    // Up to four digits make a 16-bit value and up to eight a 32-bit one, both two's complement.
    if (digits.size() <= 4)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    return static_cast<double>(static_cast<std::int32_t>(value));
}

} // namespace

std::vector<std::string> splitFields(std::string_view text)
{
    std::vector<std::string> fields;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        while (i < n && isBlank(text[i]))
            ++i;
        if (i >= n)
            break;
        if (isLineBreak(text[i])) {
            // A line break ends the previous field; it does not start an empty one.
            ++i;
            continue;
        }
        std::string field;
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            const std::size_t stop = close == std::string_view::npos ? n : close;
            field.assign(text.substr(i + 1, stop - i - 1));
            i = close == std::string_view::npos ? n : close + 1;
            // Whatever follows the closing quote up to the separator is dropped.
            while (i < n && text[i] != ',' && !isLineBreak(text[i]))
                ++i;
        } else {
            const std::size_t start = i;
            while (i < n && text[i] != ',' && !isLineBreak(text[i]))
                ++i;
            field.assign(text.substr(start, i - start));
        }
        fields.push_back(std::move(field));
        if (i < n && text[i] == ',')
            ++i;
    }
    return fields;
}

std::optional<double> parseNumber(std::string_view field)
{
    while (!field.empty() && isBlank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && isBlank(field.back()))
        field.remove_suffix(1);
    if (field.empty())
        return std::nullopt;
    if (field.size() >= 2 && field[0] == '&' && (field[1] == 'H' || field[1] == 'h'))
        return parseHex(field.substr(2));
    if (field.front() == '+')
        field.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value,
                                     std::chars_format::general);
    if (ec != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> toInt16(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<SettingsContents> parseSettings(std::string_view text)
{
    const std::vector<std::string> fields = splitFields(text);
    if (fields.size() < 15 || fields[0] != "*")
        return std::nullopt;

    double numbers[7];
    for (int f = 0; f < 7; ++f) {
        const auto value = parseNumber(fields[1 + f]);
        if (!value)
            return std::nullopt;
        numbers[f] = *value;
    }
    std::int16_t switches[7];
    for (int f = 0; f < 7; ++f) {
        const auto value = parseNumber(fields[8 + f]);
        if (!value)
            return std::nullopt;
        const auto small = toInt16(*value);
        if (!small)
            return std::nullopt;
        switches[f] = *small;
    }

    SettingsContents contents;
    StoredPreferences& p = contents.prefs;
    p.WindowWidth = numbers[0];
    p.WindowHeight = numbers[1];
    p.WindowLeft = numbers[2];
    p.WindowTop = numbers[3];
    p.SelectionColor = numbers[4];
    p.HintColor = numbers[5];
    p.BackColor = numbers[6];
    p.SoundEffects = switches[0];
    p.IntroSound = switches[1];
    p.MoveSound = switches[2];
    p.EndSound = switches[3];
    p.EditorView = switches[4];
    p.OpenView = switches[5];
    p.SaveOnExit = switches[6];

    for (std::size_t i = 15; i < fields.size(); ++i) {
        if (fields[i] == "end")
            return contents;
        contents.entries.push_back(fields[i]);
    }
    return std::nullopt; // the file ended before "end"
}

std::string defaultSettingsText(const std::vector<std::string>& picturePaths)
{
    std::string text = "*,";
    text += kDefaultPreferenceText;
    for (const std::string& path : picturePaths) {
        text += pathField(path);
        text += ',';
    }
    text += "end\n";
    return text;
}

std::string formatNumber(double value)
{
    if (value == 0)
        return "0";
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc())
        return "0";
    return std::string(buffer, end);
}

std::string pathField(const std::string& path)
{
    // The reader ends a field at a comma and skips blanks before it: quoting keeps both.
    if (path.find(',') != std::string::npos || (!path.empty() && isBlank(path.front())))
        return '"' + path + '"';
    return path;
}

bool isStorablePath(std::string_view path)
{
    return path.find_first_of("\"\r\n") == std::string_view::npos;
}

std::string saveInfoText(const SaveInfoValues& v)
{
    std::string text = "*,";
    auto add = [&text](const std::string& field) {
        text += field;
        text += ',';
    };
    add(formatNumber(v.WindowWidth));
    add(formatNumber(v.WindowHeight));
    add(formatNumber(v.WindowLeft));
    add(formatNumber(v.WindowTop));
    const StoredPreferences& p = v.writeCurrent ? v.current : v.loaded;
    add(formatNumber(p.SelectionColor));
    add(formatNumber(p.HintColor));
    add(formatNumber(p.BackColor));
    for (std::int16_t s : {p.SoundEffects, p.IntroSound, p.MoveSound, p.EndSound, p.EditorView,
                           p.OpenView})
        add(std::to_string(s));
    add(v.saveOnExitChecked ? "1" : "0");
    for (const std::string& entry : v.entries)
        add(pathField(entry));
    text += "end\n";
    return text;
}

std::string displayName(std::string_view path)
{
    const std::size_t cut = path.find_last_of("/\\");
    if (cut == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(cut + 1));
}

} // namespace quiltra
