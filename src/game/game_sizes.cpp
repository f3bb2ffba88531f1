// The game window's Size menu: fitting the current picture, the offered sizes, the initial size
// and a size chosen from the menu.
#include <algorithm>

#include "game/game.h"
#include "game/sizes.h"
#include "platform/picture_clip.h"
#include "platform/random_source.h"

namespace quiltra {

namespace {

// Natural size of the picture in the clip, in twips; no clip or no picture gives 0.
Single naturalWidth(const PictureClip* clip)
{
    return clip ? Single(clip->pixelWidth()) * Single(kTwipsPerPixel) : 0;
}

Single naturalHeight(const PictureClip* clip)
{
    return clip ? Single(clip->pixelHeight()) * Single(kTwipsPerPixel) : 0;
}

bool sameItems(const std::vector<SizeItem>& a, const std::vector<SizeItem>& b)
{
    const auto same = [](const SizeItem& x, const SizeItem& y) {
        return x.grid == y.grid && x.Caption == y.Caption && x.Enabled == y.Enabled &&
               x.Checked == y.Checked;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), same);
}

} // namespace

// Fits the picture of PicClip1 into the game area and finds the largest grid. Leaves Image1,
// Shape1 and Picture2 hidden; the caller shows what it needs. The piece size is not touched:
// the pieces on the board keep theirs until the picture is cut again.
void Game::pic_handler()
{
    Image1.Visible = false;
    Shape1.Visible = false;
    Picture2.Visible = false;

    const FittedPicture f =
        fitPicture(naturalWidth(services.clip), naturalHeight(services.clip), Picture2.Width,
                   Picture2.Height, Single(Window.Width), Single(Window.Height));
    Image1.Left = f.Left;
    Image1.Top = f.Top;
    Image1.Width = f.Width;
    Image1.Height = f.Height;

    const Grid largest =
        largestGrid(Image1.Width, Image1.Height, Picture2.Width, Picture2.Height, kPieceGap);
    MaxCols = largest.cols;
    MaxRows = largest.rows;

    GameState = State::WholePicture;
    Shape1.Width = Image1.Width + 30;
    Shape1.Height = Image1.Height + 30;
    Shape1.Left = Image1.Left - 15;
    Shape1.Top = Image1.Top - 15;
}

// Rebuilds the Size menu from MaxCols and MaxRows, smallest grid first. Every entry is a grid
// that exists, and SizeCount is the number of entries. A picture that forms no size leaves the
// menu as it is before the first picture: SizeCount 0 and entry 0 blank and disabled.
void Game::Find_Size()
{
    const std::vector<Grid> sizes = sizeList(Grid{MaxCols, MaxRows});
    std::vector<SizeItem> items;
    items.reserve(std::max<std::size_t>(1, sizes.size()));
    for (const Grid& g : sizes)
        items.push_back(SizeItem::of(g));
    if (items.empty())
        items.push_back(SizeItem{{"", false}, Grid{}});
    if (!sameItems(items, menus_.mnuSize()))
        menus_.showSizes(std::move(items));
    SizeCount = static_cast<std::int16_t>(sizes.size());
}

// Draws the initial size from entries 0 to SizeCount - 2 (entry 0 when it is the only one).
// With no size on offer nothing is drawn and the grid in play stays.
void Game::Set_Size()
{
    const std::vector<SizeItem>& sizes = menus_.mnuSize();
    if (SizeCount < 1 || sizes.empty())
        return;
    const int idx = std::min(initialSizeIndex(SizeCount, services.random->next()),
                             int(sizes.size()) - 1);
    const SizeItem& entry = sizes[static_cast<std::size_t>(idx)];
    board_.chooseGrid(entry.grid);
    menus_.items_.mnuCurSize.showSize(entry);
}

// A size chosen from the menu. A new size ends the game and cuts the picture again; the size
// already in play changes nothing but the caption and the sound device.
void Game::mnuSize_Click(int index)
{
    if (index < 0 || index >= SizeCount || index >= int(menus_.mnuSize().size()))
        return;
    const SizeItem chosen = menus_.mnuSize()[static_cast<std::size_t>(index)];
    setCaption(loadingCaption(menus_.items_.mnuCurrent.Caption));
    if (chosen.grid != menus_.items_.mnuCurSize.grid) {
        ResetBoard();
        Image1.Visible = true;
        Picture2.Visible = false;
        Shape1.Visible = true;
        board_.chooseGrid(chosen.grid);
        menus_.items_.mnuHint.Enabled = false;
        Divide_Pic();
        processEvents();
        GameState = State::WholePicture;
    }
    menus_.items_.mnuCurSize.showSize(chosen);
    RefreshStatus();
    prepareMoveSound();
    menus_.offerPuzzleView();
}

bool Game::clipFormsPuzzle() const
{
    return formsAnySize(naturalWidth(services.clip), naturalHeight(services.clip), Picture2.Width,
                        Picture2.Height, kPieceGap);
}

} // namespace quiltra
