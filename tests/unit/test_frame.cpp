// The game window's frame: load, the intro run by the timer, layout through the screen sizes and
// the + and - keys, pausing keys and focus, and the exit question.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/fakes.h"
#include "support/game_parts.h"

using namespace quiltra;
using quiltra::test::FakeClip;
using quiltra::test::GameRig;

namespace {

// Counts reads of the natural size: the layout reads it exactly once each time it runs.
struct CountingClip : FakeClip {
    mutable int sizeReads = 0;
    int pixelWidth() const override
    {
        ++sizeReads;
        return FakeClip::pixelWidth();
    }
};

struct FrameRig : GameRig {
    CountingClip counting;

    // Listed pictures "/pics/<name>" that all load at 640 x 480 pixels.
    explicit FrameRig(const std::vector<std::string>& names = {"Garden.jpg", "Harbour.jpg"})
        : GameRig(&counting)
    {
        for (const auto& n : names) {
            pictures.List1.push_back("/pics/" + n);
            pictures.List2.push_back(n);
            pictures.List3.push_back("/pics/" + n);
            counting.files.push_back({"/pics/" + n, 640, 480});
        }
    }

    // Ticks the timer every 50 ms until the intro has ended (bounded).
    void runIntro()
    {
        for (int i = 0; i < 4000 && isBusy(game.form().GameState); ++i) {
            game.Timer1_Timer();
            clock.advance(0.05);
        }
    }

    // A listed picture in play and a game begun with New Game, its clock started by a click at
    // `start`.
    void playFrom(double start)
    {
        game.Form_Load();
        game.LoadRandomPicture();
        game.mnuPuz_Click();
        clock.t = start;
        game.image2_Click(1);
        ASSERT_TRUE(game.clock().running());
        ASSERT_EQ(game.clock().startedAt(), start);
    }

    int layoutsDuring(const std::function<void()>& action)
    {
        const int before = counting.sizeReads;
        action();
        return counting.sizeReads - before;
    }
};

} // namespace

TEST(FrameLoad, SetsUpWindowFromProgramState)
{
    FrameRig r({"Garden.jpg", "Harbour.jpg", "Mill.jpg"});
    r.program.Window.Width = 11971;
    r.program.Window.Height = 8465;
    r.program.Window.Left = 300;
    r.program.Window.Top = 150;
    r.game.Form_Load();

    EXPECT_EQ(r.game.form().Window.Width, 11971);
    EXPECT_EQ(r.game.form().Window.Left, 300);
    EXPECT_EQ(r.game.form().Picture2.Width, 11971 - 90);
    EXPECT_EQ(r.game.form().Picture2.Height, 8465 - 600);
    EXPECT_EQ(r.game.form().Shape6.Width, r.game.form().Picture2.Width);
    EXPECT_EQ(r.game.form().Shape6.Top, 20);
    ASSERT_EQ(r.game.menus().mnuPict().size(), 3u);
    EXPECT_EQ(r.game.menus().mnuPict()[2].Caption, "Mill.jpg");
    EXPECT_EQ(r.game.form().Caption, "Welcome to Quiltra v1.3");
    EXPECT_EQ(r.game.form().GameState, State::IntroPending);
    EXPECT_FALSE(r.game.menus().mnuSave().Enabled);
    EXPECT_FALSE(r.game.menus().mnuRestore().Enabled);   // no last.txt in /q
    EXPECT_EQ(r.counting.w, r.counting.introW);
    EXPECT_TRUE(r.sound.log.empty());   // nothing opens before the intro
}

TEST(FrameLoad, LoadStaysEnabledWhenSavedGameExists)
{
    const auto dir = std::filesystem::temp_directory_path() / "quiltra_frame_load";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "last.txt") << "x\n";
    FrameRig r;
    r.program.SettingsFolder = dir.string();
    r.game.Form_Load();
    EXPECT_TRUE(r.game.menus().mnuRestore().Enabled);
    std::filesystem::remove_all(dir);
}

TEST(FrameIntro, RunsIntroStatesThenLoadsPictureAndEnablesMenus)
{
    FrameRig r;
    r.game.Form_Load();
    std::vector<State> atEvents;
    std::vector<std::string> captionsShown;
    r.game.setEventPump([&] {
        atEvents.push_back(r.game.form().GameState);
        captionsShown.push_back(r.game.form().Caption);
    });
    std::vector<State> states{r.game.form().GameState};
    for (int i = 0; i < 4000 && isBusy(r.game.form().GameState); ++i) {
        r.game.Timer1_Timer();
        if (r.game.form().GameState != states.back())
            states.push_back(r.game.form().GameState);
        r.clock.advance(0.05);
    }
    EXPECT_EQ(states, (std::vector<State>{State::IntroPending, State::IntroReassembling,
                                          State::IntroFinished, State::WholePicture}));
    const auto built = std::find(atEvents.begin(), atEvents.end(), State::IntroBuilt);
    ASSERT_NE(built, atEvents.end());
    // The intro's shuffled puzzle is shown under the welcome caption; the picture after it under
    // the status line.
    EXPECT_EQ(captionsShown[std::size_t(built - atEvents.begin())], "Welcome to Quiltra v1.3");
    EXPECT_EQ(captionsShown.back().rfind("Quiltra - puzzle: ", 0), 0u);

    for (const MenuItem* m : {&r.game.menus().mnuFile(), &r.game.menus().mnuPic(), &r.game.menus().mnuHe(), &r.game.menus().mnuPr(),
                              &r.game.menus().mnuV(), &r.game.menus().mnus(), &r.game.menus().mnuAddCur(), &r.game.menus().mnuNew()})
        EXPECT_TRUE(m->Enabled) << m->Caption;
    EXPECT_EQ(r.program.CurrentPicturePath.rfind("/pics/", 0), 0u);
    const std::vector<std::string> tail(r.sound.log.end() - 2, r.sound.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"close", "open move"}));
}

TEST(FrameIntro, EmptyListEndsInStateSixWithPlayMenusDisabled)
{
    FrameRig r(std::vector<std::string>{});
    r.game.Form_Load();
    r.runIntro();
    EXPECT_EQ(r.game.form().GameState, State::NoPicture);
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].text, "No pictures in Picture List.");
    EXPECT_EQ(r.messages.shown[0].title, "Quiltra");
    for (const MenuItem* m : {&r.game.menus().mnuV(), &r.game.menus().mnus(), &r.game.menus().mnuAddCur(), &r.game.menus().mnuNew()})
        EXPECT_FALSE(m->Enabled) << m->Caption;
    for (const MenuItem* m : {&r.game.menus().mnuFile(), &r.game.menus().mnuPic(), &r.game.menus().mnuHe(), &r.game.menus().mnuPr()})
        EXPECT_TRUE(m->Enabled) << m->Caption;
    EXPECT_FALSE(r.game.form().Picture2.Visible);
    EXPECT_FALSE(r.game.form().Image1.Visible);
}

TEST(FrameIntro, IntroSoundFollowsIntroSwitch)
{
    for (const bool on : {true, false}) {
        FrameRig r;
        if (r.game.menus().SndInt().Checked != on)
            r.game.SndInt_Click();
        ASSERT_EQ(r.game.menus().SndInt().Checked, on);
        r.game.Form_Load();
        r.game.intro();
        std::vector<std::string> expected;
        if (on)
            expected = {"open intro", "prev", "play"};
        EXPECT_EQ(r.sound.log, expected) << on;
        EXPECT_EQ(r.game.form().GameState, State::IntroReassembling);
        EXPECT_DOUBLE_EQ(r.game.form().IntroClock, r.clock.t + 0.6);
    }
}

TEST(FrameKeys, PlusPressedOnceGrowsWindowAndLaysOutOnce)
{
    FrameRig r;
    r.game.Form_Load();
    r.game.LoadRandomPicture();
    const int layouts = r.layoutsDuring([&] {
        r.game.keyDown(Key::Plus);
        r.game.keyUp(Key::Plus);
    });
    EXPECT_EQ(layouts, 1);
    EXPECT_EQ(r.game.form().Window.Height, 6760);
    EXPECT_NEAR(r.game.form().Window.Width, 9550 + 14.148, 0.001);
    EXPECT_EQ(r.game.form().ResizeSteps, 0);
    EXPECT_FALSE(r.game.form().LayoutRequested);
    EXPECT_FLOAT_EQ(r.game.form().Picture2.Width, static_cast<Single>(r.game.form().Window.Width - 150));
    EXPECT_EQ(r.game.form().Picture2.Height, 6160);
    EXPECT_EQ(r.program.Window.Height, 6760);
    EXPECT_EQ(r.game.form().Shape1.Width, r.game.form().Image1.Width + 30);
}

TEST(FrameKeys, HoldingMinusStopsAtFloorAndFurtherPressesDoNothing)
{
    FrameRig r;
    r.game.Form_Load();
    r.game.LoadRandomPicture();
    for (int i = 0; i < 100; ++i)
        r.game.keyDown(Key::Minus);
    EXPECT_EQ(r.game.form().ResizeSteps, 1000);
    r.game.keyUp(Key::Minus);
    EXPECT_EQ(r.game.form().Window.Height, 6400);
    EXPECT_NEAR(r.game.form().Window.Width, 9550 - 350 * 9550.0 / 6750.0, 0.01);

    const double width = r.game.form().Window.Width;
    const int layouts = r.layoutsDuring([&] {
        r.game.keyDown(Key::Minus);
        r.game.keyUp(Key::Minus);
    });
    EXPECT_EQ(layouts, 0);
    EXPECT_EQ(r.game.form().Window.Height, 6400);
    EXPECT_EQ(r.game.form().Window.Width, width);
    EXPECT_EQ(r.game.form().ResizeSteps, 0);
}

TEST(FrameKeys, PauseKeysAndResume)
{
    struct Case {
        const char* what;
        bool pausedBefore;
        int key;
        bool pausedAfter;
        double clockStartAfter;   // clock started at 1000, paused at 1010, key at 1030
    };
    const Case cases[] = {
        {"P pauses a running clock", false, Key::P, true, 1000},
        {"F1 pauses a running clock", false, Key::F1, true, 1000},
        {"other key leaves a running clock", false, 65, false, 1000},
        {"arrow leaves a running clock", false, Key::Left, false, 1000},
        {"other key resumes without the pause", true, 65, false, 1020},
        {"P resumes a paused clock", true, Key::P, false, 1020},
        {"+ does not resume", true, Key::Plus, true, 1000},
        {"- does not resume", true, Key::Minus, true, 1000},
    };
    for (const Case& c : cases) {
        FrameRig r;
        r.playFrom(1000);
        if (c.pausedBefore) {
            r.clock.t = 1010;
            r.game.lostFocus();
        }
        r.clock.t = 1030;
        r.game.keyDown(c.key);
        EXPECT_EQ(r.game.clock().paused(), c.pausedAfter) << c.what;
        EXPECT_EQ(r.game.clock().startedAt(), c.clockStartAfter) << c.what;
        if (!c.pausedBefore && c.pausedAfter) {
            EXPECT_EQ(r.game.clock().pausedAt(), 1030) << c.what;
        }
    }
}

TEST(FrameFocus, LosingFocusAndMinimisingPauseOnly)
{
    FrameRig r;
    r.playFrom(1040);
    r.game.lostFocus();
    EXPECT_TRUE(r.game.clock().paused());
    EXPECT_EQ(r.game.clock().pausedAt(), 1040);

    r.game.keyDown(Key::Other); // any key resumes
    ASSERT_FALSE(r.game.clock().paused());
    r.clock.t = 1050;
    // Staged: a layout asked for, which only a resize in progress leaves, must not run minimised.
    GameParts::form(r.game).LayoutRequested = true;
    const Single areaWidth = r.game.form().Picture2.Width;
    EXPECT_EQ(r.layoutsDuring([&] { r.game.Form_Resize(true); }), 0);
    EXPECT_TRUE(r.game.clock().paused());
    EXPECT_EQ(r.game.clock().pausedAt(), 1050);
    EXPECT_EQ(r.game.form().Picture2.Width, areaWidth);

    r.game.gainedFocus();
    EXPECT_TRUE(r.game.clock().paused());
}

TEST(FrameScreen, ScreenSizeTable)
{
    struct Row {
        int index;
        double width, height;
        Single picture1Height;   // 0: the auxiliary box is left as it was
    };
    const Row rows[] = {{1, 10753, 7600, 0},     {2, 11971, 8465, 7715},
                        {3, 15277, 10800, 10050}, {4, 17221, 12175, 11425},
                        {5, 19100, 13505, 12755}};
    for (const Row& row : rows) {
        FrameRig r;
        r.game.Form_Load();
        r.game.LoadRandomPicture();
        // Another screen size first, which leaves the auxiliary box a size of its own.
        r.game.mnuScreen_Click(row.index == 5 ? 4 : 5);
        const Element box = r.game.form().Picture1;
        ASSERT_GT(box.Height, 0) << row.index;
        EXPECT_EQ(r.layoutsDuring([&] { r.game.mnuScreen_Click(row.index); }), 1) << row.index;
        EXPECT_EQ(r.game.form().Window.Width, row.width);
        EXPECT_EQ(r.game.form().Window.Height, row.height);
        EXPECT_EQ(r.game.form().Picture2.Width, static_cast<Single>(row.width - 150));
        EXPECT_EQ(r.game.form().Picture2.Height, static_cast<Single>(row.height - 600));
        EXPECT_EQ(r.program.Window.Width, row.width);
        EXPECT_FALSE(r.game.form().LayoutRequested);
        if (row.picture1Height > 0) {
            EXPECT_EQ(r.game.form().Picture1.Width, static_cast<Single>(row.width - 100));
            EXPECT_EQ(r.game.form().Picture1.Height, row.picture1Height);
        } else {
            EXPECT_EQ(r.game.form().Picture1.Width, box.Width);
            EXPECT_EQ(r.game.form().Picture1.Height, box.Height);
        }
    }
}

TEST(FrameScreen, CurrentSizeDoesNothingAndNewWidthAloneStillLaysOut)
{
    FrameRig r;
    r.game.Form_Load();
    r.game.LoadRandomPicture();
    EXPECT_EQ(r.layoutsDuring([&] { r.game.mnuScreen_Click(0); }), 0);
    EXPECT_EQ(r.game.form().Picture2.Width, 9550 - 90);

    // A stored geometry of 12000 x 6750: the height already matches entry 0.
    FrameRig wide;
    wide.program.Window.Width = 12000;
    wide.game.Form_Load();
    wide.game.LoadRandomPicture();
    EXPECT_EQ(wide.layoutsDuring([&] { wide.game.mnuScreen_Click(0); }), 1);
    EXPECT_EQ(wide.game.form().Window.Width, 9550);
    EXPECT_EQ(wide.game.form().Picture2.Width, 9550 - 150);
}

TEST(FrameExit, NoLeavesEverythingAndReopensMoveSound)
{
    FrameRig r;
    r.playFrom(990);
    r.game.windowMoved(300, 200);
    r.game.image2_Click(2); // piece 1, selected by the first click, and 2 exchange: four times
    for (int i = 0; i < 3; ++i) {
        r.game.image2_Click(1);
        r.game.image2_Click(2);
    }
    ASSERT_EQ(r.game.counters().moves(), 4);
    const std::string caption = r.game.form().Caption;
    const Puzzle pieces = r.game.board().puzzle();
    const ProgramState before = r.program;
    r.sound.log.clear();
    r.messages.answers.push_back(MessageResult::No);

    EXPECT_FALSE(r.game.closeRequest());
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].text, "Are you sure you want to exit the program?");
    EXPECT_EQ(r.messages.shown[0].title, "Quiltra");
    EXPECT_EQ(r.messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(r.messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(r.game.form().Caption, caption);
    EXPECT_EQ(r.game.counters().moves(), 4);
    EXPECT_EQ(r.game.clock().startedAt(), 990);
    EXPECT_FALSE(r.program.ExitSaving);
    EXPECT_EQ(r.program.Window.Width, before.Window.Width);
    EXPECT_EQ(r.program.Window.Left, 300);
    EXPECT_EQ(r.game.board().puzzle(), pieces);
    EXPECT_EQ(r.sound.log,
              (std::vector<std::string>{"close", "close", "open move"}));
}

TEST(FrameExit, YesStoresGeometryForSaving)
{
    FrameRig r;
    r.game.Form_Load();
    r.game.LoadRandomPicture();
    r.game.mnuScreen_Click(2);
    r.game.windowMoved(450, 75);
    EXPECT_TRUE(r.game.closeRequest());
    EXPECT_TRUE(r.program.ExitSaving);
    EXPECT_EQ(r.program.Window.Width, 11971);
    EXPECT_EQ(r.program.Window.Height, 8465);
    EXPECT_EQ(r.program.Window.Left, 450);
    EXPECT_EQ(r.program.Window.Top, 75);
}

// The window is told of each new title as the game sets it (the loading caption too, which a
// handler replaces before it ends) and of each new size, but not of a title set again unchanged.
TEST(FrameChanges, WindowIsToldOfNewTitlesAndSizesAsTheyHappen)
{
    FrameRig r;
    std::vector<std::string> titles;
    int sizes = 0;
    r.game.setChangeListener([&](GameChange change) {
        if (change == GameChange::Caption)
            titles.push_back(r.game.form().Caption);
        else
            ++sizes;
    });
    r.game.Form_Load();
    EXPECT_EQ(titles, std::vector<std::string>{"Welcome to Quiltra v1.3"});
    EXPECT_EQ(sizes, 1);
    r.game.LoadRandomPicture();
    ASSERT_GE(titles.size(), 3u);
    EXPECT_NE(titles[1].find("Loading"), std::string::npos) << titles[1];
    EXPECT_EQ(titles.back(), r.game.form().Caption);

    const std::size_t shown = titles.size();
    r.game.RefreshStatus();
    EXPECT_EQ(titles.size(), shown);

    r.game.keyDown(Key::Plus);
    r.game.keyUp(Key::Plus);
    EXPECT_EQ(sizes, 3);   // a new width, then a new height
    r.game.mnuScreen_Click(0);   // back to the first screen size: both sides change
    EXPECT_EQ(sizes, 5);
    r.game.mnuScreen_Click(0);   // the size it already has
    EXPECT_EQ(sizes, 5);
}
