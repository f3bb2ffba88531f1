// The game window's menus as data: every item's caption, check mark and enabled state, the
// picture list's items and the Size menu with the grid each item stands for. The window shows
// them; the game changes them through the operations below, which keep the items that belong
// together in step.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "game/sizes.h"
#include "platform/translation.h"

namespace quiltra {

// A menu item as the window shows it. The captions of the fixed items are the English texts,
// which the window translates as it shows them; picture names and sizes are shown as they stand.
struct MenuItem {
    std::string Caption;
    bool Enabled = true;
    bool Checked = false;
};

// A Size menu item: its caption and the grid it stands for, side by side, so that the grid is
// never read back from the text.
struct SizeItem : MenuItem {
    Grid grid;

    static SizeItem of(Grid g) { return SizeItem{{sizeCaption(g)}, g}; }
    // Shows another item's size; this item keeps its enabled and checked states.
    void showSize(const SizeItem& size)
    {
        Caption = size.Caption;
        grid = size.grid;
    }
};

struct GameMenus {
    MenuItem mnuFile{QUILTRA_TRANSLATABLE("Menu", "&File"), false},
        mnuNew{QUILTRA_TRANSLATABLE("Menu", "&New Game")},
        //: In File > New Game and in Help (the rules): its mnemonic must be free in both menus.
        mnuPuz{QUILTRA_TRANSLATABLE("Menu", "&Puzzle")},
        mnuSlide{QUILTRA_TRANSLATABLE("Menu", "&Slider")},
        mnuRestore{QUILTRA_TRANSLATABLE("Menu", "&Load")},
        mnuSave{QUILTRA_TRANSLATABLE("Menu", "&Save")},
        mnuOpen{QUILTRA_TRANSLATABLE("Menu", "&Open")},
        mnuExit{QUILTRA_TRANSLATABLE("Menu", "&Exit")};
    // Enabled while a game is in progress: its deal can be played again.
    MenuItem mnuRestart{QUILTRA_TRANSLATABLE("Menu", "Rest&art"), false};
    // Enabled while there is a move to undo or redo.
    MenuItem mnuUndo{QUILTRA_TRANSLATABLE("Menu", "&Undo"), false},
        mnuRedo{QUILTRA_TRANSLATABLE("Menu", "&Redo"), false},
        mnuTimes{QUILTRA_TRANSLATABLE("Menu", "Best &Times...")};
    MenuItem mnuV{QUILTRA_TRANSLATABLE("Menu", "&View"), false},
        //: The View command names the view it switches to: the puzzle.
        mnuView{QUILTRA_TRANSLATABLE("Menu", "Puzzle")},
        mnuPicView{QUILTRA_TRANSLATABLE("Menu", "Picture &Viewer")};
    MenuItem mnuPic{QUILTRA_TRANSLATABLE("Menu", "&Picture"), false}, mnuCurrent{""},
        mnuAddCur{QUILTRA_TRANSLATABLE("Menu", "&Add")},
        mnuEdit{QUILTRA_TRANSLATABLE("Menu", "&Edit List")};
    MenuItem mnus{QUILTRA_TRANSLATABLE("Menu", "&Size"), false};
    SizeItem mnuCurSize;             // the size in play
    MenuItem mnuPr{QUILTRA_TRANSLATABLE("Menu", "Pr&eferences"), false},
        mnuClr{QUILTRA_TRANSLATABLE("Menu", "&Color")},
        mnuColor{QUILTRA_TRANSLATABLE("Menu", "&Background")},
        mnuSelCol{QUILTRA_TRANSLATABLE("Menu", "&Selection")},
        //: In Preferences > Color (the hint's colour) and in Help (ask for a hint): its mnemonic
        //: must be free in both menus.
        mnuHntCol{QUILTRA_TRANSLATABLE("Menu", "&Hint")},
        mnuSnd{QUILTRA_TRANSLATABLE("Menu", "&Sound")},
        mnuEffects{QUILTRA_TRANSLATABLE("Menu", "&Sound Effects"), true, true},
        SndInt{QUILTRA_TRANSLATABLE("Menu", "&Intro"), true, true},
        SndMv{QUILTRA_TRANSLATABLE("Menu", "&Move"), true, true},
        SndEnd{QUILTRA_TRANSLATABLE("Menu", "&End"), true, true},
        mnuScrn{QUILTRA_TRANSLATABLE("Menu", "&Screen Size")},
        //: A reminder (choosing it does nothing) that the + and - keys make the window larger and
        //: smaller; the Help document quotes it.
        mnuMan{QUILTRA_TRANSLATABLE("Menu", "Manual: - +")},
        mnuSv{QUILTRA_TRANSLATABLE("Menu", "S&ave On Exit"), true, true};
    // Window sizes in pixels, width by height.
    std::array<MenuItem, 6> mnuScreen{{{QUILTRA_TRANSLATABLE("Menu", "480 by 600")},
                                       {QUILTRA_TRANSLATABLE("Menu", "720 by 600")},
                                       {QUILTRA_TRANSLATABLE("Menu", "800 by 600")},
                                       {QUILTRA_TRANSLATABLE("Menu", "1024 by 768")},
                                       {QUILTRA_TRANSLATABLE("Menu", "1152 by 864")},
                                       {QUILTRA_TRANSLATABLE("Menu", "1280 by 1024")}}};
    MenuItem mnuHe{QUILTRA_TRANSLATABLE("Menu", "&Help"), false},
        mnuAbout{QUILTRA_TRANSLATABLE("Menu", "&About")},
        mnuContents{QUILTRA_TRANSLATABLE("Menu", "&Contents")},
        mnuHint{QUILTRA_TRANSLATABLE("Menu", "&Hint"), false},
        //: In Help: makes one move toward the finished picture.
        mnuNextMove{QUILTRA_TRANSLATABLE("Menu", "&Next Move"), false},
        //: In Help: plays the moves that finish the picture; chosen again, it stops them.
        mnuSolve{QUILTRA_TRANSLATABLE("Menu", "S&olve"), false},
        mnuPz{QUILTRA_TRANSLATABLE("Menu", "&Puzzle")},
        mnuSldr{QUILTRA_TRANSLATABLE("Menu", "&Slidder")},
        // The window that lists the keys of every window.
        mnuKeys{QUILTRA_TRANSLATABLE("Menu", "&Keyboard Shortcuts")};

    // The Picture menu: exactly one item per list entry, in the list's order.
    const std::vector<MenuItem>& mnuPict() const { return pictures_; }
    void showPictures(const std::vector<std::string>& names);
    void addPicture(const std::string& name);
    void removePicture(std::size_t index);

    // The Size menu: one item per size the picture in play offers; item 0 always exists.
    const std::vector<SizeItem>& mnuSize() const { return sizes_; }
    void showSizes(std::vector<SizeItem> items);

    // Changes whenever the picture items or the size items change, so the window rebuilds those
    // menus only then.
    int generation() const { return generation_; }

    // Sound effects on or off: the three sound items are enabled only while effects are on, and
    // keep their own check marks either way.
    void setSoundEffects(bool on);
    // The View command offers the view not on screen.
    void offerPuzzleView() { mnuView.Caption = QUILTRA_TRANSLATABLE("Menu", "Puzzle"); }
    //: The View command names the view it switches to: the original picture.
    void offerOriginalView() { mnuView.Caption = QUILTRA_TRANSLATABLE("Menu", "Original"); }
    // A picture is in play: the menus that need one are enabled.
    void enableForPicture();

private:
    std::vector<MenuItem> pictures_;
    std::vector<SizeItem> sizes_ = std::vector<SizeItem>(1);
    int generation_ = 0;
};

} // namespace quiltra
