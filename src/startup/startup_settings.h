// The settings half of start-up: read "init.txt" (or replace it with the defaults), build the
// program-wide state and the picture list.
#pragma once

#include <string>
#include <vector>

#include "game/program_state.h"
#include "startup/settings_file.h"

namespace quiltra {

struct StartupSettings {
    ProgramState state;                 // program-wide state with the values read
    // List1: the entries whose files exist, in file order; those of a moved program folder are
    // followed to the current one (see existingEntries).
    std::vector<std::string> entries;
    bool replacedWithDefaults = false;  // the file was missing or not valid settings
    // The defaults are used from memory: the file could not be read whole (it is kept, see
    // ProgramState::SettingsUnread), or the default file could not be written or read back.
    bool defaultsOnlyInMemory = false;
};

// Whether values read from the file can be applied: the editor's View box takes 0, 1 or 2, a
// colour is a 24-bit 0xBBGGRR value, and the window is no smaller than the smallest one the
// - key reaches (and not absurdly large).
bool valuesApplicable(const StoredPreferences& prefs);

// The default settings text for a program folder: one entry per "*.jpg" of its Graphics folder.
std::string defaultSettingsFor(const std::string& programFolder);

// Runs the settings steps of start-up for `programFolder`, keeping "init.txt" in
// `settingsFolder`. Never fails: a missing file or one that is not valid settings is replaced by
// the defaults, and when even those cannot be written the defaults are used from memory; a file
// that is there but cannot be read whole is kept and the defaults are used from memory.
StartupSettings loadStartupSettings(const std::string& programFolder,
                                    const std::string& settingsFolder);

// Copies the values read into the program-wide state (Loaded*, current colours, geometry).
void applyStoredPreferences(const StoredPreferences& prefs, ProgramState& state);

} // namespace quiltra
