// The help document's index, its layout inside the document panel and the scrolling keys.
#include "help/help_document.h"

namespace quiltra::help {

const std::vector<IndexEntry>& indexEntries()
{
    // Two columns; indentation shows nesting. Section and heading indexes follow sections().
    // A translated entry keeps the words of its heading and fits its column.
    static const std::vector<IndexEntry> entries{
        {600, 600, QUILTRA_TRANSLATABLE("Help", "Quiltra Overview"), 0, 0},
        {885, 600, QUILTRA_TRANSLATABLE("Help", "Getting Help"), 1, 0},
        {1165, 600, QUILTRA_TRANSLATABLE("Help", "Using The File Menu"), 2, 0},
        {1425, 840, QUILTRA_TRANSLATABLE("Help", "Starting A New Game"), 2, 1},
        {1635, 1320, QUILTRA_TRANSLATABLE("Help", "Puzzle"), 2, 2},
        {1830, 1320, QUILTRA_TRANSLATABLE("Help", "Slider"), 2, 3},
        {2025, 840, QUILTRA_TRANSLATABLE("Help", "Getting A New Picture"), 2, 6},
        {2235, 840, QUILTRA_TRANSLATABLE("Help", "Loading A Game"), 2, 4},
        {2430, 840, QUILTRA_TRANSLATABLE("Help", "Saving Current Game"), 2, 5},
        {2625, 840, QUILTRA_TRANSLATABLE("Help", "Quitting Quiltra"), 2, 7},
        {2835, 600, QUILTRA_TRANSLATABLE("Help", "Changing Views"), 3, 0},
        {3105, 600, QUILTRA_TRANSLATABLE("Help", "Using The Picture List"), 4, 0},
        {3375, 840, QUILTRA_TRANSLATABLE("Help", "Adding To The List"), 4, 1},
        {3585, 840, QUILTRA_TRANSLATABLE("Help", "Editing The List"), 4, 2},
        {3780, 840, QUILTRA_TRANSLATABLE("Help", "Selecting Picture From List"), 4, 3},
        {3960, 600, QUILTRA_TRANSLATABLE("Help", "Changing The Puzzle Size"), 5, 0},
        {600, 4920, QUILTRA_TRANSLATABLE("Help", "Using The Preferences Menu"), 6, 0},
        {870, 5160, QUILTRA_TRANSLATABLE("Help", "Changing The Colors"), 6, 1},
        {1080, 5160, QUILTRA_TRANSLATABLE("Help", "Enabling/Disabling Sound"), 6, 2},
        {1290, 5160, QUILTRA_TRANSLATABLE("Help", "Resizing The Game Area"), 6, 3},
        {1515, 5160, QUILTRA_TRANSLATABLE("Help", "Saving Preferences"), 6, 4},
        {2025, 4920, QUILTRA_TRANSLATABLE("Help", "Using The Help Menu"), 7, 0},
        {2295, 4920, QUILTRA_TRANSLATABLE("Help", "Open File Window"), 8, 0},
        {2565, 5160, QUILTRA_TRANSLATABLE("Help", "Viewing A Picture"), 8, 1},
        {2775, 4920, QUILTRA_TRANSLATABLE("Help", "Picture List Editor"), 9, 0},
        {3045, 5160, QUILTRA_TRANSLATABLE("Help", "Adding/Removing Pictures"), 9, 1},
        {3240, 5160, QUILTRA_TRANSLATABLE("Help", "Viewing A Picture"), 9, 2},
        {3435, 4920, QUILTRA_TRANSLATABLE("Help", "Picture Viewer Window"), 10, 0},
        {3675, 5160, QUILTRA_TRANSLATABLE("Help", "Resizing The Picture"), 10, 1},
        {3885, 4920, QUILTRA_TRANSLATABLE("Help", "Undo, Keys And Best Times"), 11, 0},
        {4095, 5160, QUILTRA_TRANSLATABLE("Help", "Next Move And Solve"), 11, 1},
    };
    return entries;
}

std::vector<PlacedSection> layoutDocument()
{
    std::vector<PlacedSection> placed;
    int top = kFirstTextTop;
    for (const SectionDef& s : sections()) {
        if (!placed.empty())
            top = placed.back().TextTop + placed.back().TextHeight + s.Gap;
        PlacedSection p{top, s.TextHeight, {}, {}};
        // The running text starts at the text's Top and again below every heading that lies
        // inside the text; each part has the room up to the next such heading.
        std::vector<int> starts{0};
        for (const HeadingDef& h : s.Headings) {
            p.Headings.push_back(
                {translateStored("Help", h.Caption), top + h.Offset, h.Left, h.Kind, h.Caption});
            if (h.Offset > 0)
                starts.push_back(h.Offset);
        }
        for (std::size_t i = 0; i < s.Parts.size() && i < starts.size(); ++i) {
            const int begin = i == 0 ? 0 : starts[i] + kHeadingRoom;
            const int end = i + 1 < starts.size() ? starts[i + 1] : s.TextHeight;
            p.Parts.push_back({translateStored("Help", s.Parts[i]), top + begin, end - begin});
        }
        placed.push_back(std::move(p));
    }
    return placed;
}

int scrollKey(int docTop, int keyCode)
{
    switch (keyCode) {
    case Keys::Home: docTop = kStartDocTop; break;
    case Keys::End: docTop = kVisibleHeight - kDocumentHeight; break;
    case Keys::PageUp:
        if (docTop < kStartDocTop)
            docTop += 5600;
        break;
    case Keys::PageDown:
        if (docTop + kDocumentHeight > kVisibleHeight)
            docTop -= 5800;
        break;
    case Keys::Up:
        if (docTop < kStartDocTop)
            docTop += 80;
        break;
    case Keys::Down:
        if (docTop > kEndDocTop)
            docTop -= 80;
        break;
    default: break;
    }
    // Whatever the key: never past the end, then never above the start.
    if (docTop + kDocumentHeight - kVisibleHeight < 0)
        docTop = kVisibleHeight - kDocumentHeight;
    if (docTop > kStartDocTop)
        docTop = kStartDocTop;
    return docTop;
}

} // namespace quiltra::help
