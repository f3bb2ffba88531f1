// The game's parts on their own: the board's markers, and the menus' linked items.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "game/board.h"
#include "game/game_menus.h"
#include "support/fakes.h"

namespace quiltra {
namespace {

// A board of n pieces of 965 twips in a row with n + 1 marker frames.
Board rowOf(int n)
{
    Board b;
    b.chooseGrid(Grid{std::int16_t(n), 1});
    b.makeMarks();
    b.cut(Single(966 * n), 966, 9000, 3000, 0);
    return b;
}

TEST(BoardPart, MarksExistOnlyForPiecesOnTheBoard)
{
    Board b = rowOf(3);
    b.showMark(2, 0xFF);
    EXPECT_TRUE(b.marks()[2].Visible);
    EXPECT_EQ(b.marks()[2].Left, b.piece(2).Left + 20);
    EXPECT_EQ(b.marks()[2].Top, b.piece(2).Top + 20);
    EXPECT_EQ(b.marks()[2].Color, 0xFFu);

    // Piece 0 is the template, and marks made for a larger grid than the one cut never reach
    // past the pieces.
    EXPECT_EQ(b.markOf(0), nullptr);
    EXPECT_EQ(b.markOf(4), nullptr);
    b.chooseGrid(Grid{40, 1});
    b.makeMarks();
    ASSERT_EQ(b.marks().size(), 41u);
    EXPECT_EQ(b.pieceTotal(), 3);
    EXPECT_EQ(b.markOf(4), nullptr);
    b.showMark(4, 0xFF); // nothing to show, nothing written
    EXPECT_FALSE(b.marks()[4].Visible);

    b.hideMark(2, 0xAB);
    EXPECT_FALSE(b.marks()[2].Visible);
    EXPECT_EQ(b.marks()[2].Color, 0xABu); // a hidden mark waits in the hint colour
}

TEST(MenusPart, ListAndSizeChangesAreSeenByTheWindow)
{
    GameMenus m;
    ASSERT_EQ(m.mnuSize().size(), 1u); // entry 0 always exists

    int seen = m.generation();
    const auto changed = [&] {
        const bool c = m.generation() != seen;
        seen = m.generation();
        return c;
    };
    m.showPictures({"A.jpg", "B.jpg", "C.jpg"});
    EXPECT_TRUE(changed());
    m.removePicture(1);
    EXPECT_TRUE(changed());
    m.removePicture(7); // nothing there: the list stays
    ASSERT_EQ(m.mnuPict().size(), 2u);
    EXPECT_EQ(m.mnuPict()[1].Caption, "C.jpg");
    m.addPicture("D.jpg");
    EXPECT_TRUE(changed());
    EXPECT_EQ(m.mnuPict().back().Caption, "D.jpg");

    m.showSizes({SizeItem::of(Grid{2, 2}), SizeItem::of(Grid{3, 2})});
    EXPECT_TRUE(changed());
    EXPECT_EQ(m.mnuSize()[1].grid, (Grid{3, 2}));
    m.showSizes({}); // a picture that forms no size
    EXPECT_TRUE(changed());
    ASSERT_EQ(m.mnuSize().size(), 1u);
    EXPECT_FALSE(m.mnuSize()[0].Enabled);
    EXPECT_EQ(m.mnuSize()[0].Caption, "");
}

TEST(MenusPart, StoredSwitchesAreOnOnlyAtOne)
{
    test::GameRig rig;
    StoredPreferences p;
    p.SoundEffects = 2;
    p.IntroSound = 1;
    p.MoveSound = 0;
    p.EndSound = -1;
    p.SaveOnExit = 1;
    rig.game.applyPreferences(p);
    const GameMenus& m = rig.game.menus();
    EXPECT_FALSE(m.mnuEffects().Checked);
    // With effects off the sound items are disabled but keep their own marks.
    EXPECT_TRUE(m.SndInt().Checked);
    EXPECT_FALSE(m.SndMv().Checked);
    EXPECT_FALSE(m.SndEnd().Checked);
    for (const MenuItem* item : {&m.SndInt(), &m.SndMv(), &m.SndEnd()})
        EXPECT_FALSE(item->Enabled);
    EXPECT_TRUE(m.mnuSv().Checked);

    rig.game.mnuEffects_Click();
    EXPECT_TRUE(m.mnuEffects().Checked);
    EXPECT_TRUE(m.SndInt().Enabled && m.SndMv().Enabled && m.SndEnd().Enabled);
    EXPECT_TRUE(m.SndInt().Checked);
    EXPECT_FALSE(m.SndMv().Checked);
}

} // namespace
} // namespace quiltra
