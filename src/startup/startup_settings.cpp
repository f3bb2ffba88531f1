// The settings half of start-up: read "init.txt" (or replace it with the defaults), build the
// program-wide state and the picture list.
#include "startup/startup_settings.h"

#include <cmath>

#include "game/best_times.h"
#include "game/game.h"
#include "platform/file_system.h"
#include "startup/moved_folder.h"

namespace quiltra {

namespace {

bool isColor(double value) { return value >= 0 && value <= 0xFFFFFF && value == std::trunc(value); }

// A stored window smaller than the smallest one the - key reaches would leave no picture room to
// be divided. That window is kSmallestWindowHeight high and about 9050 twips wide; the fractions
// that + and - leave behind can take a window the program saved a little below both, never below
// these limits.
constexpr double kSmallestStoredWidth = 9000;
constexpr double kSmallestStoredHeight = kSmallestWindowHeight - 1;

bool isExtent(double value, double smallest)
{
    return std::isfinite(value) && value >= smallest && value <= 1.0e6;
}

// Larger than any settings file: a hostile file cannot exhaust memory.
constexpr std::size_t kMaxSettingsBytes = 64u << 20;

std::optional<SettingsContents> applicable(const std::optional<std::string>& text)
{
    if (!text)
        return std::nullopt;
    auto contents = parseSettings(*text);
    if (!contents || !valuesApplicable(contents->prefs))
        return std::nullopt;
    return contents;
}

} // namespace

bool valuesApplicable(const StoredPreferences& p)
{
    return p.EditorView >= 0 && p.EditorView <= 2 && isColor(p.SelectionColor) &&
           isColor(p.HintColor) && isColor(p.BackColor) &&
           isExtent(p.Window.Width, kSmallestStoredWidth) &&
           isExtent(p.Window.Height, kSmallestStoredHeight) && std::isfinite(p.Window.Left) &&
           std::isfinite(p.Window.Top) && std::fabs(p.Window.Left) <= 1.0e6 &&
           std::fabs(p.Window.Top) <= 1.0e6;
}

std::string defaultSettingsFor(const std::string& programFolder)
{
    std::vector<std::string> paths;
    for (const std::string& name : listFiles(programFolder + "/Graphics", ".jpg")) {
        const std::string path = programFolder + "/Graphics/" + name;
        if (isStorablePath(path)) // a name the file format cannot hold is left out
            paths.push_back(path);
    }
    return defaultSettingsText(paths);
}

void applyStoredPreferences(const StoredPreferences& p, ProgramState& s)
{
    s.Window = p.Window;
    s.Loaded = p;
    s.SelectionColor = p.SelectionColor;
    s.HintColor = p.HintColor;
    s.OpenViewSetting = p.OpenView;
}

StartupSettings loadStartupSettings(const std::string& programFolder,
                                    const std::string& settingsFolder)
{
    // Before any file of the settings folder is written: a write past a file-size limit fails
    // like one to a full disk, so it is told and keeps the old file; and the temporary files of
    // writers killed in an earlier run go.
    letOversizedWritesFail();
    removeStaleTemporaryFiles(settingsFolder, {"init.txt", "last.txt", kTimesFileName});

    StartupSettings result;
    ProgramState& s = result.state;
    s.ProgramFolder = programFolder;
    s.SettingsFolder = settingsFolder;
    s.GraphicsFolder = programFolder + "/Graphics";
    s.WindowAspect = static_cast<Single>(9550.0f / 6750.0f);
    s.ExitSaving = false;

    const std::string path = settingsFolder + "/init.txt";
    const FileText file = readFileText(path, kMaxSettingsBytes);
    auto contents = applicable(file.text);
    if (!file.text && !file.missing) {
        // A file that is there but could not be read whole may hold the player's picture list:
        // it is kept as it is, the defaults are used from memory, and no save of this run
        // replaces it.
        s.SettingsUnread = file.error;
        result.defaultsOnlyInMemory = true;
        contents = parseSettings(defaultSettingsFor(programFolder));
    } else if (!contents) {
        // The failure path: replace the file with the defaults and read it once more. When the
        // new file cannot be written or read back, the defaults are used from memory; start-up
        // never tries a second time.
        result.replacedWithDefaults = true;
        const std::string defaults = defaultSettingsFor(programFolder);
        std::string error;
        if (replaceFile(path, defaults, error))
            contents = applicable(readWholeFile(path, kMaxSettingsBytes));
        if (!contents) {
            result.defaultsOnlyInMemory = true;
            contents = parseSettings(defaults);
        }
    }

    applyStoredPreferences(contents->prefs, s);
    result.entries = existingEntries(contents->entries, programFolder);
    return result;
}

} // namespace quiltra
