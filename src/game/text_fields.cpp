// Text rules shared by every file the program reads and writes: fields, numbers, paths.
#include "game/text_fields.h"

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

bool isStorablePath(std::string_view path)
{
    return path.find_first_of("\"\r\n") == std::string_view::npos;
}

std::string displayName(std::string_view path)
{
    const std::size_t cut = path.find_last_of("/\\");
    if (cut == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(cut + 1));
}

} // namespace quiltra
