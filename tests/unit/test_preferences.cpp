// The Preferences menu: the three colour commands and the sound and Save On Exit switches.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/board_layout.h"
#include "support/fakes.h"

namespace quiltra {
namespace {

using test::GameRig;

constexpr std::uint32_t kSelection = 8454016;   // the default selection colour
constexpr std::uint32_t kHint = 8454143;        // the default hint colour

// A 4 x 3 Puzzle game on a 400 x 300 pixel picture.
struct PrefRig : GameRig {
    PrefRig()
    {
        pictures.List1 = {"/pics/lake.jpg"};
        pictures.List2 = {"lake.jpg"};
        clip.files = {{"/pics/lake.jpg", 400, 300}};
        game.Form_Load();
        game.mnuPict_Click(0);
        for (int i = 0; i < game.form().SizeCount; ++i)
            if (game.menus().mnuSize()[std::size_t(i)].Caption == "4x3=12")
                game.mnuSize_Click(i);
        game.mnuPuz_Click();
    }
    // Exchanges pieces until every piece is home (the game then ends solved).
    void solve()
    {
        const int n = game.board().pieceCount();
        for (int cell = 1; cell <= n && game.form().GameState == State::Playing; ++cell) {
            const CellGrid grid = game.board().cells();
            int occupant = 1;
            while (occupant < n && grid.cellAt(game.board().piece(occupant).Left,
                                               game.board().piece(occupant).Top) != cell)
                ++occupant;
            if (occupant != cell) {
                game.image2_Click(cell);
                game.image2_Click(occupant);
            }
        }
    }
};

TEST(PrefSound, SoundEffectsSwitchGovernsMoveAndEndSounds)
{
    for (const bool effects : {true, false}) {
        PrefRig rig;
        Game& g = rig.game;
        if (!effects)
            g.mnuEffects_Click();
        ASSERT_EQ(g.menus().mnuEffects().Checked, effects);
        rig.sound.log.clear();

        g.image2_Click(1);   // starts the clock and selects
        g.image2_Click(5);
        EXPECT_EQ(rig.sound.count("play"), effects ? 1 : 0);
        rig.solve();
        ASSERT_EQ(g.form().GameState, State::Solved);
        EXPECT_EQ(rig.sound.count("open finish"), effects ? 1 : 0)
            << "Sound Effects " << effects;
    }
}

TEST(PrefSound, MasterSwitchKeepsTheCheckMarksOfIntroMoveAndEnd)
{
    PrefRig rig;
    Game& g = rig.game;
    g.SndMv_Click();
    const auto marks = [&] {
        return std::vector<bool>{g.menus().SndInt().Checked, g.menus().SndMv().Checked, g.menus().SndEnd().Checked};
    };
    const auto enabled = [&] {
        return std::vector<bool>{g.menus().SndInt().Enabled, g.menus().SndMv().Enabled, g.menus().SndEnd().Enabled};
    };
    ASSERT_EQ(marks(), (std::vector<bool>{true, false, true}));

    g.mnuEffects_Click();
    EXPECT_FALSE(g.menus().mnuEffects().Checked);
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(marks(), (std::vector<bool>{true, false, true}));

    g.mnuEffects_Click();
    EXPECT_TRUE(g.menus().mnuEffects().Checked);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(marks(), (std::vector<bool>{true, false, true}));

    // Each of the other switches toggles its own check mark only.
    const struct {
        void (Game::*click)();
        const MenuItem& (GameMenus::*item)() const;
    } rows[] = {{&Game::SndInt_Click, &GameMenus::SndInt},
                {&Game::SndMv_Click, &GameMenus::SndMv},
                {&Game::SndEnd_Click, &GameMenus::SndEnd},
                {&Game::mnuSv_Click, &GameMenus::mnuSv}};
    for (const auto& row : rows) {
        const std::vector<bool> before = {g.menus().SndInt().Checked, g.menus().SndMv().Checked, g.menus().SndEnd().Checked,
                                          g.menus().mnuSv().Checked, g.menus().mnuEffects().Checked};
        (g.*row.click)();
        const std::vector<bool> after = {g.menus().SndInt().Checked, g.menus().SndMv().Checked, g.menus().SndEnd().Checked,
                                         g.menus().mnuSv().Checked, g.menus().mnuEffects().Checked};
        int changed = 0;
        for (std::size_t i = 0; i < before.size(); ++i)
            changed += before[i] != after[i];
        EXPECT_EQ(changed, 1);
        EXPECT_NE((g.menus().*row.item)().Checked, before[std::size_t(&row - rows)]);
    }
}

TEST(PrefColour, HintColourLeavesTheSelectionFrameInTheSelectionColour)
{
    PrefRig rig;
    Game& g = rig.game;
    g.image2_Click(3);
    ASSERT_TRUE(g.board().marks()[3].Visible);
    ASSERT_FALSE(g.clock().paused());
    rig.colors.answers = {0x123456};

    g.mnuHntCol_Click();

    EXPECT_TRUE(g.clock().paused());
    EXPECT_EQ(g.clock().pausedAt(), rig.clock.t);
    EXPECT_EQ(g.programState().HintColor, double(0x123456));
    EXPECT_EQ(g.board().marks()[3].Color, kSelection);
    for (std::size_t k = 0; k < g.board().marks().size(); ++k) {
        if (k != 3) {
            EXPECT_EQ(g.board().marks()[k].Color, 0x123456u) << "frame " << k;
        }
    }

    // The hint marks of the next Hint show in the new colour.
    g.image2_Click(3);
    g.mnuHint_Click();
    int shown = 0;
    for (const Frame& f : g.board().marks())
        if (f.Visible) {
            ++shown;
            EXPECT_EQ(f.Color, 0x123456u);
        }
    EXPECT_GT(shown, 0);
}

TEST(PrefColour, SelectionColourRedrawsTheSelectionFrame)
{
    PrefRig rig;
    Game& g = rig.game;
    g.image2_Click(4);
    rig.colors.answers = {0x00FF00};
    g.mnuSelCol_Click();
    EXPECT_EQ(g.programState().SelectionColor, double(0x00FF00));
    EXPECT_EQ(g.board().marks()[4].Color, 0x00FF00u);
    EXPECT_EQ(g.board().marks()[5].Color, kHint);

    // After a Hint the selected piece's frame is its hint mark: it keeps the hint colour.
    g.mnuHint_Click();
    rig.colors.answers = {0x0000FF};
    g.mnuSelCol_Click();
    EXPECT_EQ(g.board().marks()[4].Color, kHint);
}

TEST(PrefColour, BackgroundIsSetAndCancelChangesNothing)
{
    PrefRig rig;
    Game& g = rig.game;
    rig.colors.answers = {0x203040};
    g.mnuColor_Click();
    EXPECT_EQ(g.form().BackColor, 0x203040u);

    g.image2_Click(2);
    for (void (Game::*command)() : {&Game::mnuColor_Click, &Game::mnuSelCol_Click,
                                     &Game::mnuHntCol_Click}) {
        g.resumeClock();
        const std::vector<Frame> frames = g.board().marks();
        const int opened = rig.colors.opened;
        rig.clock.advance(3);
        (g.*command)();   // no answer scripted: Cancel
        EXPECT_EQ(rig.colors.opened, opened + 1);
        EXPECT_EQ(g.form().BackColor, 0x203040u);
        EXPECT_EQ(g.programState().SelectionColor, double(kSelection));
        EXPECT_EQ(g.programState().HintColor, double(kHint));
        for (std::size_t k = 0; k < frames.size(); ++k) {
            EXPECT_EQ(g.board().marks()[k].Color, frames[k].Color);
            EXPECT_EQ(g.board().marks()[k].Visible, frames[k].Visible);
        }
        EXPECT_TRUE(g.clock().paused()) << "the clock stays paused until the next action";
        EXPECT_EQ(g.clock().pausedAt(), rig.clock.t);
    }
    const double pausedAt = g.clock().pausedAt();
    rig.clock.advance(60);
    g.mnuColor_Click();
    EXPECT_EQ(g.clock().pausedAt(), pausedAt) << "a pause in progress keeps its start";
}

} // namespace
} // namespace quiltra
