// The game window's menus as data: every item's caption, check mark and enabled state, the
// picture list's items and the Size menu with the grid each item stands for. The window and the
// other windows read them through the const accessors; only the game's handlers change them,
// directly or through the operations below, which keep the items that belong together in step.
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

class GameMenus {
public:
    // Every item as the window shows it, by the name the window gives its action.
    const MenuItem& mnuFile() const { return items_.mnuFile; }
    const MenuItem& mnuNew() const { return items_.mnuNew; }
    const MenuItem& mnuPuz() const { return items_.mnuPuz; }
    const MenuItem& mnuSlide() const { return items_.mnuSlide; }
    const MenuItem& mnuRestore() const { return items_.mnuRestore; }
    const MenuItem& mnuSave() const { return items_.mnuSave; }
    const MenuItem& mnuOpen() const { return items_.mnuOpen; }
    const MenuItem& mnuExit() const { return items_.mnuExit; }
    const MenuItem& mnuRestart() const { return items_.mnuRestart; }
    const MenuItem& mnuUndo() const { return items_.mnuUndo; }
    const MenuItem& mnuRedo() const { return items_.mnuRedo; }
    const MenuItem& mnuTimes() const { return items_.mnuTimes; }
    const MenuItem& mnuV() const { return items_.mnuV; }
    const MenuItem& mnuView() const { return items_.mnuView; }
    const MenuItem& mnuPicView() const { return items_.mnuPicView; }
    const MenuItem& mnuPic() const { return items_.mnuPic; }
    const MenuItem& mnuCurrent() const { return items_.mnuCurrent; }
    const MenuItem& mnuAddCur() const { return items_.mnuAddCur; }
    const MenuItem& mnuEdit() const { return items_.mnuEdit; }
    const MenuItem& mnus() const { return items_.mnus; }
    const SizeItem& mnuCurSize() const { return items_.mnuCurSize; }
    const MenuItem& mnuPr() const { return items_.mnuPr; }
    const MenuItem& mnuClr() const { return items_.mnuClr; }
    const MenuItem& mnuColor() const { return items_.mnuColor; }
    const MenuItem& mnuSelCol() const { return items_.mnuSelCol; }
    const MenuItem& mnuHntCol() const { return items_.mnuHntCol; }
    const MenuItem& mnuSnd() const { return items_.mnuSnd; }
    const MenuItem& mnuEffects() const { return items_.mnuEffects; }
    const MenuItem& SndInt() const { return items_.SndInt; }
    const MenuItem& SndMv() const { return items_.SndMv; }
    const MenuItem& SndEnd() const { return items_.SndEnd; }
    const MenuItem& mnuScrn() const { return items_.mnuScrn; }
    const MenuItem& mnuMan() const { return items_.mnuMan; }
    const MenuItem& mnuSv() const { return items_.mnuSv; }
    const std::array<MenuItem, 6>& mnuScreen() const { return items_.mnuScreen; }
    const MenuItem& mnuHe() const { return items_.mnuHe; }
    const MenuItem& mnuAbout() const { return items_.mnuAbout; }
    const MenuItem& mnuContents() const { return items_.mnuContents; }
    const MenuItem& mnuHint() const { return items_.mnuHint; }
    const MenuItem& mnuNextMove() const { return items_.mnuNextMove; }
    const MenuItem& mnuSolve() const { return items_.mnuSolve; }
    const MenuItem& mnuPz() const { return items_.mnuPz; }
    const MenuItem& mnuSldr() const { return items_.mnuSldr; }
    const MenuItem& mnuKeys() const { return items_.mnuKeys; }

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
    void offerPuzzleView() { items_.mnuView.Caption = QUILTRA_TRANSLATABLE("Menu", "Puzzle"); }
    //: The View command names the view it switches to: the original picture.
    void offerOriginalView() { items_.mnuView.Caption = QUILTRA_TRANSLATABLE("Menu", "Original"); }
    // A picture is in play: the menus that need one are enabled.
    void enableForPicture();

private:
    // The game's handlers change the items; tests stage them through tests/support/game_parts.h.
    friend class Game;
    friend struct GameParts;

    struct Items {
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
            //: In Preferences > Color (the hint's colour) and in Help (ask for a hint): its
            //: mnemonic must be free in both menus.
            mnuHntCol{QUILTRA_TRANSLATABLE("Menu", "&Hint")},
            mnuSnd{QUILTRA_TRANSLATABLE("Menu", "&Sound")},
            mnuEffects{QUILTRA_TRANSLATABLE("Menu", "&Sound Effects"), true, true},
            SndInt{QUILTRA_TRANSLATABLE("Menu", "&Intro"), true, true},
            SndMv{QUILTRA_TRANSLATABLE("Menu", "&Move"), true, true},
            SndEnd{QUILTRA_TRANSLATABLE("Menu", "&End"), true, true},
            mnuScrn{QUILTRA_TRANSLATABLE("Menu", "&Screen Size")},
            //: A reminder (choosing it does nothing) that the + and - keys make the window larger
            //: and smaller; the Help document quotes it.
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
    };

    Items items_;
    std::vector<MenuItem> pictures_;
    std::vector<SizeItem> sizes_ = std::vector<SizeItem>(1);
    int generation_ = 0;
};

} // namespace quiltra
