// The help document as data: its index entries, its eleven sections with their headings and
// running text, where each lies inside the document panel (twips), and the scrolling keys.
#pragma once

#include <string>
#include <vector>

#include "platform/translation.h"

namespace quiltra::help {

inline constexpr int kDocumentHeight = 64500;
inline constexpr int kVisibleHeight = 5800;   // the part of the document treated as visible
inline constexpr int kStartDocTop = 240;      // DocTop showing the start of the document
inline constexpr int kDesignDocTop = 120;     // the panel's Top until the first scroll
inline constexpr int kEndDocTop = kVisibleHeight - kDocumentHeight;   // -58700
inline constexpr int kHeadingAbove = 400;     // a topic's heading lies this far below the top
inline constexpr int kFirstTextTop = 5000;
inline constexpr int kTextLeft = 100;
inline constexpr int kTextWidth = 9255;
// Room a sub-heading takes above the running text that follows it.
inline constexpr int kHeadingRoom = 300;

enum class Style { Section, SubHeading };  // 13.5 point, 12 point

struct HeadingDef {
    std::string Caption;
    int Offset;     // from the Top of the section's text; negative is above it
    int Left = kTextLeft;
    Style Kind = Style::SubHeading;
};

// One section: its gap below the previous text, its text height, its headings in document order
// and its running text, one part before the first heading inside the text and one after each.
struct SectionDef {
    int Gap;
    int TextHeight;
    std::vector<HeadingDef> Headings;
    std::vector<std::string> Parts;   // paragraphs separated by a blank line
};

// The twelve sections in document order, in English.
const std::vector<SectionDef>& sections();

// An index entry: its place in the document panel and the heading it jumps to. The caption is
// English; the Help window shows it translated.
struct IndexEntry {
    int Top;
    int Left;
    std::string Caption;
    int Section;   // index into sections()
    int Heading;   // index into that section's Headings
    bool Nested() const { return Left != 600 && Left != 4920; }
};
const std::vector<IndexEntry>& indexEntries();

struct PlacedHeading {
    std::string Caption;   // as shown, in the player's language
    int Top;
    int Left;
    Style Kind;
    std::string Source;    // the English caption, by which code finds a heading
};
struct PlacedPart {
    std::string Text;   // as shown
    int Top;     // in the document panel
    int Room;    // height available before the next heading or the end of the text
};
struct PlacedSection {
    int TextTop;
    int TextHeight;
    std::vector<PlacedHeading> Headings;
    std::vector<PlacedPart> Parts;
};

// Lays the sections out from the top down: text Top = previous text Top + previous text height
// + gap (the first at 5000); heading Top = text Top + offset. Headings and text come in the
// player's language.
std::vector<PlacedSection> layoutDocument();

// The extra label over "RESIZING THE PICTURE" in the last section: a click on it scrolls to the
// top of that section's text.
inline constexpr int kResizingLabelOffset = 1190;

// A closing line below the last section, so that the end of the document does not look empty
// (English; the Help window shows it translated).
inline constexpr int kEndNoteGap = 800;
inline constexpr const char* kEndNote =
    QUILTRA_TRANSLATABLE("Help", "End of the help document. Press Home to return to the index.");

// DocTop that puts a heading at `headingTop` 400 twips below the top of the document area.
inline int docTopForHeading(int headingTop) { return kHeadingAbove - headingTop; }

// Virtual key codes of the scrolling keys.
namespace Keys {
inline constexpr int PageUp = 33, PageDown = 34, End = 35, Home = 36, Up = 38, Down = 40;
}

// DocTop after a key-down in the help window; every key, scrolling or not, ends clamped between
// the end of the document and 240.
int scrollKey(int docTop, int keyCode);

} // namespace quiltra::help
