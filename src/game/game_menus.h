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

namespace quiltra {

// A menu item as the window shows it.
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
    MenuItem mnuFile{"&File", false}, mnuNew{"&New Game"}, mnuPuz{"&Puzzle"}, mnuSlide{"&Slider"},
        mnuRestore{"&Load"}, mnuSave{"&Save"}, mnuOpen{"&Open"}, mnuExit{"&Exit"};
    // Enabled while there is a move to undo or redo.
    MenuItem mnuUndo{"&Undo", false}, mnuRedo{"&Redo", false}, mnuTimes{"Best &Times..."};
    MenuItem mnuV{"&View", false}, mnuView{"Puzzle"}, mnuPicView{"Picture &Viewer"};
    MenuItem mnuPic{"&Picture", false}, mnuCurrent{""}, mnuAddCur{"&Add"}, mnuEdit{"&Edit List"};
    MenuItem mnus{"&Size", false};
    SizeItem mnuCurSize;             // the size in play
    MenuItem mnuPr{"Pr&eferences", false}, mnuClr{"&Color"}, mnuColor{"&Background"},
        mnuSelCol{"&Selection"}, mnuHntCol{"&Hint"}, mnuSnd{"&Sound"},
        mnuEffects{"&Sound Effects", true, true}, SndInt{"&Intro", true, true},
        SndMv{"&Move", true, true}, SndEnd{"&End", true, true}, mnuScrn{"&Screen Size"},
        mnuMan{"Manual: - +"}, mnuSv{"S&ave On Exit", true, true};
    std::array<MenuItem, 6> mnuScreen{{{"480 by 600"}, {"720 by 600"}, {"800 by 600"},
                                       {"1024 by 768"}, {"1152 by 864"}, {"1280 by 1024"}}};
    MenuItem mnuHe{"&Help", false}, mnuAbout{"&About"}, mnuContents{"&Contents"},
        mnuHint{"&Hint", false}, mnuPz{"&Puzzle"}, mnuSldr{"&Slidder"};

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
    void offerPuzzleView() { mnuView.Caption = "Puzzle"; }
    void offerOriginalView() { mnuView.Caption = "Original"; }
    // A picture is in play: the menus that need one are enabled.
    void enableForPicture();

private:
    std::vector<MenuItem> pictures_;
    std::vector<SizeItem> sizes_ = std::vector<SizeItem>(1);
    int generation_ = 0;
};

} // namespace quiltra
