// The help document's layout: section texts and headings at their places, parts of running text
// between the headings, and every index entry naming its own heading.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "help/help_document.h"

namespace quiltra::help {
namespace {

// "Selecting Picture From List" and "SELECTING  PICTURE FROM  LIST" name the same heading.
std::string key(const std::string& caption)
{
    std::string out;
    for (char c : caption)
        if (c != ' ' || (!out.empty() && out.back() != ' '))
            out += char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

TEST(HelpDocument, SectionsAndHeadingsLieAtTheirOffsets)
{
    const std::vector<PlacedSection> doc = layoutDocument();
    std::vector<int> tops;
    for (const PlacedSection& s : doc)
        tops.push_back(s.TextTop);
    EXPECT_EQ(tops, (std::vector<int>{5000, 10600, 12500, 23000, 25600, 30700, 33200, 41600,
                                      44400, 48800, 55600, 60700}));
    EXPECT_EQ(doc[2].Headings[0].Top, 12500 - 650);
    EXPECT_EQ(doc[2].Headings[2].Caption, "PUZZLE");
    EXPECT_EQ(doc[2].Headings[2].Left, 490);
    EXPECT_EQ(doc[2].Headings[7].Top, 12500 + 8880);
    EXPECT_EQ(doc[10].Headings[0].Caption, "PICTURE VIEWER WINDOW");
    EXPECT_EQ(doc[10].Headings[0].Top, 55200);
    EXPECT_EQ(doc[10].Headings[1].Top, 55600 + 1170);
    EXPECT_LE(doc.back().TextTop + doc.back().TextHeight, kDocumentHeight);

    // Running text never runs under a heading: each part ends before the next heading inside the
    // text and starts below the one before it.
    for (const PlacedSection& s : doc) {
        ASSERT_FALSE(s.Parts.empty());
        EXPECT_EQ(s.Parts.front().Top, s.TextTop);
        for (const PlacedPart& part : s.Parts) {
            EXPECT_GT(part.Room, 0);
            EXPECT_FALSE(part.Text.empty());
            for (const PlacedHeading& h : s.Headings)
                EXPECT_FALSE(h.Top >= part.Top && h.Top < part.Top + part.Room) << h.Caption;
        }
        EXPECT_EQ(s.Parts.back().Top + s.Parts.back().Room, s.TextTop + s.TextHeight);
    }
}

TEST(HelpDocument, EveryIndexEntryNamesItsHeading)
{
    const std::vector<PlacedSection> doc = layoutDocument();
    std::vector<int> targets;
    for (const IndexEntry& e : indexEntries()) {
        const PlacedHeading& h = doc[std::size_t(e.Section)].Headings[std::size_t(e.Heading)];
        EXPECT_EQ(key(e.Caption), key(h.Caption));
        targets.push_back(h.Top);
    }
    EXPECT_EQ(indexEntries().size(), 31u);
    // Every entry, the two "Viewing A Picture" ones included, has a heading of its own.
    std::sort(targets.begin(), targets.end());
    EXPECT_EQ(std::adjacent_find(targets.begin(), targets.end()), targets.end());
}

} // namespace
} // namespace quiltra::help
