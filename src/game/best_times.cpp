// Best times: ranking, the ten best per group, the text of "times.txt" and its reading back.
#include "game/best_times.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "game/sizes.h"

namespace quiltra {

namespace {

constexpr std::string_view kHeader = "Quiltra best times 1";
constexpr std::size_t kFieldCount = 8;

auto rankKey(const TimeResult& r)
{
    return std::tie(r.Hints, r.Seconds, r.Moves, r.Date);
}

bool isLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Plain decimal digits only (no sign, no blanks, no locale), at most nine of them, so the value
// always fits before its range is checked.
std::optional<std::int32_t> digitsValue(std::string_view text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool isDate(std::string_view d)
{
    if (d.size() != 10 || d[4] != '-' || d[7] != '-')
        return false;
    const auto year = digitsValue(d.substr(0, 4));
    const auto month = digitsValue(d.substr(5, 2));
    const auto day = digitsValue(d.substr(8, 2));
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int last = kDays[*month - 1] + (*month == 2 && isLeapYear(*year) ? 1 : 0);
    return *day <= last;
}

// The length of the valid UTF-8 sequence at the start of `s`, 0 when it does not start with
// one (a stray continuation byte, an overlong form, a surrogate or a value past U+10FFFF).
std::size_t utf8Length(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(0);
    std::size_t n = 0;
    char32_t cp = 0;
    if (b0 < 0x80)
        return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (s.size() < n)
        return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return 0;
    return n;
}

void appendHexByte(std::string& out, unsigned char b)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
}

std::string escapeName(std::string_view name)
{
    std::string out;
    out.reserve(name.size());
    std::size_t i = 0;
    while (i < name.size()) {
        const unsigned char b = static_cast<unsigned char>(name[i]);
        switch (b) {
        case '\\': out += "\\\\"; ++i; continue;
        case '\t': out += "\\t"; ++i; continue;
        case '\n': out += "\\n"; ++i; continue;
        case '\r': out += "\\r"; ++i; continue;
        default: break;
        }
        if (b < 0x20 || b == 0x7F) {
            appendHexByte(out, b);
            ++i;
            continue;
        }
        const std::size_t n = utf8Length(name.substr(i));
        if (n == 0) {
            appendHexByte(out, b);
            ++i;
        } else {
            out.append(name.substr(i, n));
            i += n;
        }
    }
    return out;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The name's bytes, or nothing for an unknown or cut-off escape.
std::optional<std::string> unescapeName(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 'x': {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int hi = hexDigit(text[i + 1]);
            const int lo = hexDigit(text[i + 2]);
            if (hi < 0 || lo < 0)
                return std::nullopt;
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
            break;
        }
        default: return std::nullopt;
        }
    }
    return out;
}

std::optional<TimeResult> parseLine(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() <= kFieldCount) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    if (fields.size() != kFieldCount)
        return std::nullopt;

    TimeResult r;
    auto name = unescapeName(fields[0]);
    const auto cols = digitsValue(fields[1]);
    const auto rows = digitsValue(fields[2]);
    const auto mode = modeFromText(fields[3]);
    const auto seconds = digitsValue(fields[4]);
    const auto moves = digitsValue(fields[5]);
    const auto hints = digitsValue(fields[6]);
    if (!name || !cols || !rows || !mode || !seconds || !moves || !hints || *cols > INT16_MAX ||
        *rows > INT16_MAX || *moves > INT16_MAX || *hints > INT16_MAX)
        return std::nullopt;
    r.Picture = std::move(*name);
    r.Cols = static_cast<std::int16_t>(*cols);
    r.Rows = static_cast<std::int16_t>(*rows);
    r.PlayMode = *mode;
    r.Seconds = *seconds;
    r.Moves = static_cast<std::int16_t>(*moves);
    r.Hints = static_cast<std::int16_t>(*hints);
    r.Date = std::string(fields[7]);
    if (!isStorableResult(r))
        return std::nullopt;
    return r;
}

} // namespace

bool ranksBefore(const TimeResult& a, const TimeResult& b)
{
    return rankKey(a) < rankKey(b);
}

bool isStorableResult(const TimeResult& r)
{
    const int pieces = int{r.Cols} * int{r.Rows};
    // The name is measured as written: a byte that is not UTF-8 takes four ("\xHH").
    return !r.Picture.empty() && r.Picture.size() <= kMaxResultNameBytes &&
           escapeName(r.Picture).size() <= kMaxResultNameBytes && r.Cols >= 1 &&
           r.Rows >= 1 && pieces <= kMaxPieces && r.Seconds >= 0 &&
           r.Seconds <= kMaxResultSeconds && r.Moves >= 0 && r.Hints >= 0 && isDate(r.Date);
}

RecordOutcome BestTimes::record(const TimeResult& result)
{
    if (!isStorableResult(result))
        return {};
    const GroupKey key{result.Picture, result.Cols, result.Rows, result.PlayMode};
    auto it = groups_.find(key);
    if (it == groups_.end()) {
        if (count_ >= kMaxResults)
            return {};
        it = groups_.emplace(key, std::vector<TimeResult>{}).first;
    }
    std::vector<TimeResult>& kept = it->second;
    const auto place = std::upper_bound(kept.begin(), kept.end(), result, ranksBefore);
    const auto rank = static_cast<std::size_t>(place - kept.begin()) + 1;
    if (rank > kBestPerGroup)
        return {};
    if (kept.size() >= kBestPerGroup) {
        kept.pop_back();
        --count_;
    } else if (count_ >= kMaxResults) {
        return {};
    }
    kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(rank - 1), result);
    ++count_;
    return {static_cast<int>(rank)};
}

std::vector<TimeResult> BestTimes::group(std::string_view picture, std::int16_t cols,
                                         std::int16_t rows, Mode mode) const
{
    const auto it = groups_.find(GroupKey{std::string(picture), cols, rows, mode});
    return it == groups_.end() ? std::vector<TimeResult>{} : it->second;
}

std::vector<TimeResult> BestTimes::listing(std::string_view pictureInPlay) const
{
    std::vector<TimeResult> out;
    out.reserve(count_);
    for (const bool inPlay : {true, false})
        for (const auto& [key, results] : groups_)
            if ((std::get<0>(key) == pictureInPlay) == inPlay)
                out.insert(out.end(), results.begin(), results.end());
    return out;
}

void BestTimes::clear()
{
    groups_.clear();
    count_ = 0;
}

std::string bestTimesText(const BestTimes& times)
{
    std::string text(kHeader);
    text += '\n';
    for (const TimeResult& r : times.listing({})) {
        text += escapeName(r.Picture);
        for (const std::string& field :
             {std::to_string(r.Cols), std::to_string(r.Rows), std::string(modeText(r.PlayMode)),
              std::to_string(r.Seconds), std::to_string(r.Moves), std::to_string(r.Hints),
              r.Date}) {
            text += '\t';
            text += field;
        }
        text += '\n';
    }
    return text;
}

BestTimes parseBestTimes(std::string_view text, bool* cutShort)
{
    // Every result is read first and then recorded best first, so the ten kept per group are the
    // ten best wherever their lines lie, and lines of equal rank keep their order in the file.
    std::vector<TimeResult> read;
    std::size_t start = 0;
    bool first = true;
    if (cutShort)
        *cutShort = false;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        // A file edited elsewhere may end its lines with CR LF; a name never holds a raw CR.
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (first && line == kHeader) {
            first = false;
            continue;
        }
        first = false;
        auto r = parseLine(line);
        if (r && read.size() == kMaxResults) {
            if (cutShort)
                *cutShort = true;
            break;
        }
        if (r)
            read.push_back(std::move(*r));
    }
    std::stable_sort(read.begin(), read.end(), ranksBefore);
    BestTimes times;
    for (const TimeResult& r : read)
        times.record(r);
    return times;
}

} // namespace quiltra
