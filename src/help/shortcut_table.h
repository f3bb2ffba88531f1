// The keys of every window, grouped by window: the one table the Keyboard Shortcuts window shows
// and the README's key table repeats.
#pragma once

#include <vector>

namespace quiltra {

// One line of the table: the keys as a player reads them and what they do. Both are English
// texts of the "Shortcuts" context, shown in the player's language.
struct ShortcutRow {
    const char* keys;
    const char* action;
};

// The window (or windows) the keys act in, and its keys in menu order.
struct ShortcutGroup {
    const char* window;
    std::vector<ShortcutRow> rows;
};

const std::vector<ShortcutGroup>& shortcutGroups();

} // namespace quiltra
