// The table of keys. A key added to a window belongs here too; the README's table of keys holds
// the same lines, and a test compares the two.
#include "help/shortcut_table.h"

#include "platform/translation.h"

namespace quiltra {

const std::vector<ShortcutGroup>& shortcutGroups()
{
    static const std::vector<ShortcutGroup> groups{
        {QUILTRA_TRANSLATABLE("Shortcuts",
                              "Game window"),
         {
             {QUILTRA_TRANSLATABLE("Shortcuts", "F5 / F6"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "a new Puzzle / Slider game (File › New Game)")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "F7 / F8"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "load / save the game (File › Load, File › Save)")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "F9"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "File › Open: the Open Picture window")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Ctrl+R"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "File › Restart: the same deal again, from its first "
                                   "arrangement")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Ctrl+Z"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "File › Undo: takes back the last swap, slide or piece "
                                   "placed by Hint, back to the deal")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Ctrl+Shift+Z, Ctrl+Y"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "File › Redo: makes an undone move again")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Ctrl+X"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "quit (File › Exit)")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "F4"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "switch between the puzzle and the whole picture (View)")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "F1"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "Help › Contents (the clock pauses)")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Ctrl+?"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "Help › Keyboard Shortcuts: this list of keys")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "F2"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "Help › Hint")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "F3"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "Help › Next Move: one move toward the finished picture, "
                                   "counted as a move and a hint")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Shift+F3"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "Help › Solve: plays the rest of the solution; any key, "
                                   "click or Shift+F3 stops it")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "P"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "pause the clock; P again, an arrow, Space, Return or a "
                                   "letter resumes it (a menu key such as F4 does not, nor + "
                                   "or −)")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Arrow keys"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "Puzzle: move the keyboard cursor, a dashed black and white "
                                   "frame; the first arrow shows it")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Arrow keys"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "Slider: slide the neighbour of the empty cell into it "
                                   "(Left moves the piece right of the empty cell leftwards)")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Space, Return"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "act as a click on the piece under the cursor (in Slider "
                                   "mode too)")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "+ or =, − (hold)"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "make the window larger / smaller; the longer the key is "
                                   "held, the larger the step, taken when it is released")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Click, any key"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "during the intro: skip it")},
         }},
        {QUILTRA_TRANSLATABLE("Shortcuts",
                              "Help"),
         {
             {QUILTRA_TRANSLATABLE("Shortcuts",
                                   "Page Up / Page Down, ↑ / ↓, Home / End, wheel"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "scroll the help text")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Escape"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "close the window, as Exit does")},
         }},
        {QUILTRA_TRANSLATABLE("Shortcuts",
                              "Picture Viewer"),
         {
             {QUILTRA_TRANSLATABLE("Shortcuts", "F5 / F6 / F7"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "Original Size / Fit to screen / the Zoom panel")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "+ or =, − (hold)"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "zoom in / out, step by step while the key is held")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Wheel, Shift+wheel"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "scroll a picture larger than the window up and down, "
                                   "sideways")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Ctrl+wheel"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "zoom one step for each notch of the wheel")},
             {QUILTRA_TRANSLATABLE("Shortcuts", "Escape"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "close the window, as Exit does")},
         }},
        {QUILTRA_TRANSLATABLE("Shortcuts",
                              "About, Open Picture, Picture List Editor, Best Times, "
                              "Keyboard Shortcuts"),
         {
             {QUILTRA_TRANSLATABLE("Shortcuts", "Escape"),
              QUILTRA_TRANSLATABLE("Shortcuts",
                                   "close the window, as its Okay, Cancel or Close does")},
         }},
    };
    return groups;
}

} // namespace quiltra
