// The settings file "init.txt": the reader and both writers.
#include "startup/settings_file.h"

namespace quiltra {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

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
    p.Window.Width = numbers[0];
    p.Window.Height = numbers[1];
    p.Window.Left = numbers[2];
    p.Window.Top = numbers[3];
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

std::string pathField(const std::string& path)
{
    // The reader ends a field at a comma and skips blanks before it: quoting keeps both.
    if (path.find(',') != std::string::npos || (!path.empty() && isBlank(path.front())))
        return '"' + path + '"';
    return path;
}

std::string saveInfoText(const SaveInfoValues& v)
{
    std::string text = "*,";
    auto add = [&text](const std::string& field) {
        text += field;
        text += ',';
    };
    add(formatNumber(v.Window.Width));
    add(formatNumber(v.Window.Height));
    add(formatNumber(v.Window.Left));
    add(formatNumber(v.Window.Top));
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

} // namespace quiltra
