// The saved-game file "last.txt": the game in play as a value, its text, and its reading back.
#include "game/saved_game.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "game/text_fields.h"

namespace quiltra {

namespace {

// Fields before the positions (path, name, columns, rows) and after them (mode, moves, hints,
// elapsed).
constexpr std::size_t kLeadingFields = 4;
constexpr std::size_t kTrailingFields = 4;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A text field as the reader will split it back: quoted when it holds a comma or starts with a
// blank (the reader skips blanks before a field). Nothing when no form reads back the same.
std::optional<std::string> textField(const std::string& text)
{
    if (text.find_first_of("\"\r\n") != std::string::npos)
        return std::nullopt;
    if (text.find(',') != std::string::npos || (!text.empty() && isBlank(text.front())))
        return '"' + text + '"';
    return text;
}

// Shortest decimal text of a single-precision position (whole twips carry no decimal point).
std::string positionField(Single value)
{
    if (value == 0)
        return "0";
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc())
        return "0";
    return std::string(buffer, end);
}

std::optional<std::int16_t> int16Field(const std::string& field)
{
    const std::optional<double> value = parseNumber(field);
    if (!value)
        return std::nullopt;
    return toInt16(*value);
}

// The distinct values, smallest first.
std::vector<Single> distinct(std::vector<Single> values)
{
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

int indexIn(const std::vector<Single>& sorted, Single value)
{
    return int(std::lower_bound(sorted.begin(), sorted.end(), value) - sorted.begin());
}

} // namespace

std::optional<std::string> savedGameText(const SavedGame& game)
{
    const long long pieces = (long long)game.GridCols * game.GridRows;
    if (game.PicturePath.empty() || game.GridCols < 1 || game.GridRows < 1 ||
        pieces != (long long)game.Positions.size())
        return std::nullopt;
    const std::optional<std::string> path = textField(game.PicturePath);
    const std::optional<std::string> name = textField(game.DisplayName);
    if (!path || !name)
        return std::nullopt;

    std::string text;
    text.reserve(64 + game.PicturePath.size() + game.DisplayName.size() +
                 game.Positions.size() * 12);
    auto add = [&text](const std::string& field) {
        text += field;
        text += ',';
    };
    add(*path);
    add(*name);
    add(std::to_string(game.GridCols));
    add(std::to_string(game.GridRows));
    for (const SavedPosition& p : game.Positions) {
        add(positionField(p.Left));
        add(positionField(p.Top));
    }
    add(std::string(modeText(game.PlayMode)));
    add(std::to_string(game.MoveCount));
    add(std::to_string(game.HintCount));
    text += formatNumber(game.ElapsedSeconds);
    text += '\n';
    return text;
}

std::optional<SavedGame> parseSavedGame(std::string_view text)
{
    const std::vector<std::string> fields = splitFields(text);
    if (fields.size() < kLeadingFields + kTrailingFields)
        return std::nullopt;

    SavedGame game;
    game.PicturePath = fields[0];
    game.DisplayName = fields[1];
    if (game.PicturePath.empty())
        return std::nullopt;

    const std::optional<std::int16_t> cols = int16Field(fields[2]);
    const std::optional<std::int16_t> rows = int16Field(fields[3]);
    if (!cols || !rows || *cols < 1 || *rows < 1)
        return std::nullopt;
    // Checked before anything is sized by it: 32767 x 32767 must not become an allocation.
    const int pieces = int{*cols} * int{*rows};
    if (pieces > kMaxSavedPieces)
        return std::nullopt;
    game.GridCols = *cols;
    game.GridRows = *rows;

    const std::size_t n = static_cast<std::size_t>(pieces);
    if (fields.size() != kLeadingFields + 2 * n + kTrailingFields)
        return std::nullopt;

    game.Positions.reserve(n);
    for (std::size_t k = 0; k < n; ++k) {
        const std::optional<std::int16_t> left = int16Field(fields[kLeadingFields + 2 * k]);
        const std::optional<std::int16_t> top = int16Field(fields[kLeadingFields + 2 * k + 1]);
        if (!left || !top)
            return std::nullopt;
        game.Positions.push_back(SavedPosition{Single(*left), Single(*top)});
    }

    const std::size_t tail = kLeadingFields + 2 * n;
    const std::optional<Mode> mode = modeFromText(fields[tail]);
    if (!mode)
        return std::nullopt;
    game.PlayMode = *mode;

    const std::optional<std::int16_t> moves = int16Field(fields[tail + 1]);
    const std::optional<std::int16_t> hints = int16Field(fields[tail + 2]);
    const std::optional<double> elapsed = parseNumber(fields[tail + 3]);
    if (!moves || !hints || *moves < 0 || *hints < 0 || !elapsed)
        return std::nullopt;
    if (!(*elapsed >= 0 && *elapsed < kMaxSavedSeconds))
        return std::nullopt;
    game.MoveCount = *moves;
    game.HintCount = *hints;
    game.ElapsedSeconds = *elapsed;
    return game;
}

std::optional<std::vector<int>> savedCells(const SavedGame& game)
{
    const std::size_t n = game.Positions.size();
    if (game.GridCols < 1 || game.GridRows < 1 ||
        (long long)game.GridCols * game.GridRows != (long long)n)
        return std::nullopt;

    std::vector<Single> lefts, tops;
    lefts.reserve(n);
    tops.reserve(n);
    for (const SavedPosition& p : game.Positions) {
        lefts.push_back(p.Left);
        tops.push_back(p.Top);
    }
    const std::vector<Single> columns = distinct(std::move(lefts));
    const std::vector<Single> rows = distinct(std::move(tops));
    if (columns.size() != std::size_t(game.GridCols) || rows.size() != std::size_t(game.GridRows))
        return std::nullopt;

    std::vector<int> cells;
    cells.reserve(n);
    std::vector<bool> taken(n + 1, false);
    for (const SavedPosition& p : game.Positions) {
        const int cell = indexIn(rows, p.Top) * game.GridCols + indexIn(columns, p.Left) + 1;
        if (taken[std::size_t(cell)])
            return std::nullopt;
        taken[std::size_t(cell)] = true;
        cells.push_back(cell);
    }
    return cells;
}

} // namespace quiltra
