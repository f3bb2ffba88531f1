// The Picture menu: the random picture and its recovery from bad entries, choosing a listed
// picture, adding the picture in play, and the editor command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fakes.h"
#include "support/game_parts.h"

using namespace quiltra;
using quiltra::test::FakeClip;
using quiltra::test::GameRig;

namespace {

// Remembers the window caption at every load, to see the loading caption.
struct WatchingClip : FakeClip {
    const Game* game = nullptr;
    std::vector<std::string> captions;
    bool load(const std::string& path, std::string& error) override
    {
        captions.push_back(game->form().Caption);
        return FakeClip::load(path, error);
    }
};

struct Entry {
    std::string name;
    int w = 640, h = 480;   // pixels; 0 means the file cannot be loaded
};

struct PictureRig : GameRig {
    WatchingClip watching;

    explicit PictureRig(const std::vector<Entry>& entries, const std::string& folder = "/pics/")
        : GameRig(&watching)
    {
        watching.game = &game;
        for (const Entry& e : entries) {
            pictures.List1.push_back(folder + e.name);
            pictures.List2.push_back(e.name);
            pictures.List3.push_back(folder + e.name);
            if (e.w > 0)
                watching.files.push_back({folder + e.name, e.w, e.h});
        }
        game.Form_Load();
    }

    std::vector<std::string> menuCaptions() const
    {
        std::vector<std::string> out;
        for (const auto& m : game.menus().mnuPict())
            out.push_back(m.Caption);
        return out;
    }
};

// A picture of 40 x 40 pixels (600 twips) loads but cannot be cut into any size.
constexpr int kTiny = 40;

} // namespace

TEST(PictureRandom, IndexIsTruncatedInSinglePrecision)
{
    struct Case {
        int count;
        float draw;
        std::size_t index;
    };
    // 11 x 0x1.d1745cp-2 is 4.99999982 exactly, but 5 once rounded to single precision.
    const Case cases[] = {{3, 0.0f, 0}, {3, 0.34f, 1}, {3, 0.99999994f, 2},
                          {11, 0x1.d1745cp-2f, 5}, {11, 0.1f, 1}};
    for (const Case& c : cases) {
        std::vector<Entry> entries;
        for (int i = 0; i < c.count; ++i)
            entries.push_back({"P" + std::to_string(i) + ".jpg"});
        PictureRig r(entries);
        r.random.script = {c.draw};
        r.game.LoadRandomPicture();
        EXPECT_EQ(r.program.CurrentPicturePath, r.pictures.List1[c.index]) << c.draw;
        EXPECT_EQ(r.game.menus().mnuCurrent().Caption, r.pictures.List2[c.index]);
        EXPECT_EQ(r.program.CurrentPictureFolder, "/pics/");
        EXPECT_EQ(r.random.seeds, 1);
    }
}

TEST(PictureRandom, LongNamesAreCutBetweenCharacters)
{
    // Over 16 characters: the first 14 characters and "..", in the loading caption and in the
    // status line alike; 16 characters or fewer show whole, however many bytes they take.
    const struct {
        std::string name, shown;
    } cases[] = {
        {"Lighthouse123.jpg", "Lighthouse123..."},
        {"Photo_de_la_c\u00e9line_\u00e0_la_plage.jpg", "Photo_de_la_c\u00e9.."},
        {"\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9.jpg",
         "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9.jpg"},
        {"\u03a6\u03c9\u03c4\u03bf\u03b3\u03c1\u03b1\u03c6\u03af\u03b1_\u03c0\u03b1\u03c1\u03b1\u03bb\u03af\u03b1\u03c2.jpg",
         "\u03a6\u03c9\u03c4\u03bf\u03b3\u03c1\u03b1\u03c6\u03af\u03b1_\u03c0\u03b1\u03c1.."},
        {"\u6d77\u8fb9\u7684\u5915\u9633\u548c\u7eff\u8272\u7684\u5c71\u4e18\u4e0e\u5c0f\u8239.png",
         "\u6d77\u8fb9\u7684\u5915\u9633\u548c\u7eff\u8272\u7684\u5c71\u4e18\u4e0e\u5c0f\u8239.."},
        {"\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A.jpg",
         "\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A\U0001F30A.."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PictureRig r({{c.name}});
        r.game.LoadRandomPicture();
        ASSERT_FALSE(r.watching.captions.empty());
        EXPECT_EQ(r.watching.captions[0], "Quiltra - puzzle: " + c.shown + "  Loading");
        EXPECT_EQ(r.game.form().Caption.rfind("Quiltra - puzzle: " + c.shown + "  Size: ", 0), 0u)
            << r.game.form().Caption;
    }
}

TEST(PictureRandom, FailedEntriesAreRemovedUntilOneLoads)
{
    PictureRig r({{"A.jpg"}, {"Missing.jpg", 0}, {"C.jpg"}, {"Tiny.jpg", kTiny, kTiny}});
    // 4 entries: 0.3 draws Missing; 3 left: 0.9 draws Tiny; 2 left: 0.6 draws C.
    r.random.script = {0.3f, 0.9f, 0.6f};
    r.game.LoadRandomPicture();

    EXPECT_EQ(r.pictures.List1, (std::vector<std::string>{"/pics/A.jpg", "/pics/C.jpg"}));
    EXPECT_EQ(r.pictures.List2, (std::vector<std::string>{"A.jpg", "C.jpg"}));
    EXPECT_EQ(r.menuCaptions(), r.pictures.List2);
    EXPECT_EQ(r.pictures.List3.size(), 4u);
    EXPECT_EQ(r.watching.loads,
              (std::vector<std::string>{"/pics/Missing.jpg", "/pics/Tiny.jpg", "/pics/C.jpg"}));
    EXPECT_EQ(r.game.menus().mnuCurrent().Caption, "C.jpg");
    EXPECT_EQ(r.program.CurrentPicturePath, "/pics/C.jpg");
    EXPECT_EQ(r.watching.w, 640);
    EXPECT_EQ(r.game.form().GameState, State::WholePicture);
    EXPECT_TRUE(r.messages.shown.empty());
    EXPECT_GT(r.game.board().pieceCount(), 0);
}

// A panorama of 6000 x 150 pixels is cut into 149 x 3 pieces at its natural size, but in the
// default game area it is fitted to a strip too low for a single row.
constexpr int kPanoramaW = 6000, kPanoramaH = 150;

// The list that is saved on exit never loses a picture because the window is too small for it:
// such a picture stays listed and another is drawn; broken and tiny pictures still go.
TEST(PictureRandom, PicturesTooSmallOnlyForTheWindowStayListed)
{
    PictureRig r({{"Wide.jpg", kPanoramaW, kPanoramaH}, {"Missing.jpg", 0}, {"B.jpg"},
                  {"Tiny.jpg", kTiny, kTiny}});
    // 4 entries: 0.1 draws Wide, kept; 3 in question (Missing, B, Tiny): 0.2 draws Missing,
    // dropped; 2 in question (B, Tiny): 0.9 draws Tiny, dropped; then B, the only one left.
    r.random.script = {0.1f, 0.2f, 0.9f, 0.0f};
    r.game.LoadRandomPicture();

    EXPECT_EQ(r.watching.loads, (std::vector<std::string>{"/pics/Wide.jpg", "/pics/Missing.jpg",
                                                          "/pics/Tiny.jpg", "/pics/B.jpg"}));
    EXPECT_EQ(r.pictures.List1, (std::vector<std::string>{"/pics/Wide.jpg", "/pics/B.jpg"}));
    EXPECT_EQ(r.pictures.List2, (std::vector<std::string>{"Wide.jpg", "B.jpg"}));
    EXPECT_EQ(r.menuCaptions(), r.pictures.List2);
    EXPECT_EQ(r.program.CurrentPicturePath, "/pics/B.jpg");
    EXPECT_EQ(r.game.form().GameState, State::WholePicture);
    EXPECT_TRUE(r.messages.shown.empty());
}

// A window too small for every picture (as a hand-edited size once gave) keeps the whole list,
// says why nothing plays, and waits as with an empty list; a larger window plays them.
TEST(PictureRandom, AWindowTooSmallForEveryPictureKeepsTheList)
{
    PictureRig r({{"A.jpg"}, {"Wide.jpg", kPanoramaW, kPanoramaH}, {"C.jpg", 1600, 1200}});
    r.program.Window.Width = 1;
    r.program.Window.Height = 1;
    r.game.Form_Load();
    r.game.LoadRandomPicture();

    EXPECT_EQ(r.watching.loads.size(), 3u);
    EXPECT_EQ(r.pictures.List1,
              (std::vector<std::string>{"/pics/A.jpg", "/pics/Wide.jpg", "/pics/C.jpg"}));
    EXPECT_EQ(r.menuCaptions(), r.pictures.List2);
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].text, "Picture is too small to divide into a puzzle.");
    EXPECT_EQ(r.messages.shown[0].title, "Quiltra");
    EXPECT_EQ(r.game.form().GameState, State::NoPicture);
    EXPECT_FALSE(r.game.form().Picture2.Visible || r.game.form().Image1.Visible || r.game.form().Shape1.Visible);
    EXPECT_EQ(r.program.CurrentPicturePath, "");
    EXPECT_EQ(r.watching.w, r.watching.introW);

    r.game.mnuScreen_Click(0);
    r.game.mnuPict_Click(0);
    EXPECT_EQ(r.program.CurrentPicturePath, "/pics/A.jpg");
    EXPECT_GT(r.game.board().pieceCount(), 0);
}

TEST(PictureRandom, AllFailingEndsOnEmptyListPath)
{
    PictureRig r({{"X.jpg", 0}, {"Y.jpg", kTiny, kTiny}, {"Z.jpg", 0}});
    const std::string welcome = r.game.form().Caption;
    ASSERT_FALSE(welcome.empty());
    r.game.LoadRandomPicture();

    EXPECT_EQ(r.watching.loads.size(), 3u);
    EXPECT_TRUE(r.pictures.List1.empty());
    EXPECT_TRUE(r.pictures.List2.empty());
    EXPECT_TRUE(r.game.menus().mnuPict().empty());
    EXPECT_EQ(r.pictures.List3.size(), 3u);
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].text, "No pictures in Picture List.");
    EXPECT_EQ(r.messages.shown[0].title, "Quiltra");
    EXPECT_EQ(r.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(r.game.form().GameState, State::NoPicture);
    EXPECT_FALSE(r.game.form().Picture2.Visible || r.game.form().Image1.Visible || r.game.form().Shape1.Visible);
    // Nothing of the failed pictures is left as the picture in play.
    EXPECT_EQ(r.game.menus().mnuCurrent().Caption, "");
    EXPECT_EQ(r.program.CurrentPicturePath, "");
    EXPECT_EQ(r.game.form().Caption, welcome) << "the caption before the loading captions";
    EXPECT_EQ(r.watching.w, r.watching.introW);
}

TEST(PictureMenu, ChoosingPictureInPlayDoesNothing)
{
    PictureRig r({{"A.jpg"}, {"B.jpg"}});
    r.random.script = {0.0f};
    r.game.LoadRandomPicture();
    r.watching.loads.clear();
    r.sound.log.clear();
    const std::string caption = r.game.form().Caption;
    r.game.mnuPict_Click(0);
    EXPECT_TRUE(r.watching.loads.empty());
    EXPECT_TRUE(r.sound.log.empty());
    EXPECT_EQ(r.game.form().Caption, caption);
}

TEST(PictureMenu, FailureIsReportedAndLeavesWindowAsItWas)
{
    for (const Entry& bad : {Entry{"Gone.jpg", 0}, Entry{"Tiny.jpg", kTiny, kTiny}}) {
        PictureRig r({{"A.jpg"}, bad});
        r.random.script = {0.0f};
        r.game.LoadRandomPicture();
        // A game in play: New Game, then three exchanges of pieces 1 and 2.
        r.game.mnuPuz_Click();
        for (int i = 0; i < 3; ++i) {
            r.game.image2_Click(1);
            r.game.image2_Click(2);
        }
        ASSERT_EQ(r.game.counters().moves(), 3);
        ASSERT_EQ(r.game.form().GameState, State::Playing);
        ASSERT_TRUE(r.game.menus().mnuHint().Enabled);
        const std::string caption = r.game.form().Caption;
        const Puzzle pieces = r.game.board().puzzle();
        const ProgramState program = r.program;
        const std::string size = r.game.menus().mnuCurSize().Caption;
        r.sound.log.clear();

        r.game.mnuPict_Click(1);
        ASSERT_EQ(r.messages.shown.size(), 1u) << bad.name;
        EXPECT_EQ(r.messages.shown[0].text, bad.w == 0 ? "File not found"
                                                       : "Picture is too small to divide into a "
                                                         "puzzle.");
        EXPECT_EQ(r.messages.shown[0].title, "Quiltra");
        EXPECT_EQ(r.game.form().Caption, caption);
        EXPECT_TRUE(r.game.menus().mnuHint().Enabled);
        EXPECT_EQ(r.game.menus().mnuCurrent().Caption, "A.jpg");
        EXPECT_EQ(r.game.menus().mnuCurSize().Caption, size);
        EXPECT_EQ(r.game.form().GameState, State::Playing);
        EXPECT_EQ(r.game.counters().moves(), 3);
        EXPECT_EQ(r.program.CurrentPicturePath, program.CurrentPicturePath);
        EXPECT_EQ(r.program.CurrentPictureFolder, program.CurrentPictureFolder);
        EXPECT_EQ(r.game.board().puzzle(), pieces);
        EXPECT_EQ(r.pictures.List1.size(), 2u);   // the menu never drops an entry
        EXPECT_EQ(r.watching.w, 640);             // the clip holds the picture in play
        EXPECT_TRUE(r.sound.log.empty());
    }
}

TEST(PictureMenu, ChoosingPictureTakesItsFolderAndPreparesPlay)
{
    // The intro ends with no picture to play: nothing to view, size or start.
    PictureRig r({{"Gone.jpg", 0}});
    r.game.skipIntro();
    ASSERT_EQ(r.game.form().GameState, State::NoPicture);
    ASSERT_FALSE(r.game.menus().mnuV().Enabled || r.game.menus().mnus().Enabled ||
                 r.game.menus().mnuNew().Enabled);
    // Entries from another folder, as the editor adds them.
    for (const std::string name : {"B.jpg", "C.jpg"}) {
        r.pictures.List1.push_back("/other/" + name);
        r.pictures.List2.push_back(name);
        r.watching.files.push_back({"/other/" + name, 800, 600});
    }
    r.game.showPictureList();
    r.sound.log.clear();

    r.game.mnuPict_Click(0);
    EXPECT_EQ(r.watching.captions.back(), "Quiltra - puzzle: B.jpg  Loading");
    EXPECT_EQ(r.game.menus().mnuCurrent().Caption, "B.jpg");
    EXPECT_EQ(r.program.CurrentPicturePath, "/other/B.jpg");
    EXPECT_EQ(r.program.CurrentPictureFolder, "/other/");
    EXPECT_TRUE(r.game.menus().mnuV().Enabled && r.game.menus().mnus().Enabled && r.game.menus().mnuNew().Enabled &&
                r.game.menus().mnuAddCur().Enabled);
    EXPECT_EQ(r.game.menus().mnuView().Caption, "Puzzle");
    EXPECT_EQ(r.game.form().GameState, State::WholePicture);
    EXPECT_EQ(r.sound.log,
              (std::vector<std::string>{"close", "open move"}));

    // "Add" now finds the chosen picture under its own folder: already listed.
    r.game.mnuAddCur_Click();
    EXPECT_EQ(r.pictures.List1.size(), 2u);

    // Chosen during a game, a picture shows whole and View offers the puzzle again.
    r.game.mnuPuz_Click();
    ASSERT_EQ(r.game.menus().mnuView().Caption, "Original");
    r.game.mnuPict_Click(1);
    EXPECT_EQ(r.game.menus().mnuCurrent().Caption, "C.jpg");
    EXPECT_EQ(r.game.menus().mnuView().Caption, "Puzzle");
    EXPECT_EQ(r.game.form().GameState, State::WholePicture);
}

TEST(PictureAdd, LimitDuplicatesAndUnstorablePaths)
{
    struct Case {
        const char* what;
        int listed;                 // entries "/pics/P<i>.jpg" already in the list
        std::string folder, name;   // the picture in play
        bool added;
        bool message;
    };
    const Case cases[] = {
        {"21 listed: added as entry 22", 21, "/new/", "N.jpg", true, false},
        {"22 listed: nothing", 22, "/new/", "N.jpg", false, false},
        {"same path: nothing", 3, "/pics/", "P1.jpg", false, false},
        {"other letter case: added", 3, "/pics/", "p1.jpg", true, false},
        {"quote in the name: refused", 3, "/new/", "Say \"hi\".jpg", false, true},
        {"line break in the folder: refused", 3, "/a\nb/", "N.jpg", false, true},
    };
    for (const Case& c : cases) {
        std::vector<Entry> entries;
        for (int i = 0; i < c.listed; ++i)
            entries.push_back({"P" + std::to_string(i) + ".jpg"});
        PictureRig r(entries);
        r.watching.files.push_back({c.folder + c.name, 640, 480});
        ASSERT_TRUE(r.game.takePictureIntoPlay(openedPicture(c.name, c.folder)).taken()) << c.what;

        r.game.mnuAddCur_Click();
        const std::size_t expected = static_cast<std::size_t>(c.listed) + (c.added ? 1 : 0);
        ASSERT_EQ(r.pictures.List1.size(), expected) << c.what;
        EXPECT_EQ(r.pictures.List2.size(), expected) << c.what;
        EXPECT_EQ(r.game.menus().mnuPict().size(), expected) << c.what;
        EXPECT_EQ(r.pictures.List3.size(), static_cast<std::size_t>(c.listed)) << c.what;
        if (c.added) {
            EXPECT_EQ(r.pictures.List1.back(), c.folder + c.name) << c.what;
            EXPECT_EQ(r.pictures.List2.back(), c.name) << c.what;
            EXPECT_EQ(r.game.menus().mnuPict().back().Caption, c.name) << c.what;
        }
        ASSERT_EQ(r.messages.shown.size(), c.message ? 1u : 0u) << c.what;
        if (c.message) {
            EXPECT_EQ(r.messages.shown[0].title, "Quiltra");
        }
    }
}

TEST(PictureEdit, PausesClockAndStoresGeometry)
{
    PictureRig r({{"A.jpg"}});
    r.game.windowMoved(120, 340);
    // Staged: every handler that sizes the window stores the size itself, hiding the Edit store.
    GameParts::form(r.game).Window.Width = 10753;
    GameParts::form(r.game).Window.Height = 7600;
    r.clock.t = 1234;
    r.game.mnuEdit_Click();
    EXPECT_TRUE(r.game.clock().paused());
    EXPECT_EQ(r.game.clock().pausedAt(), 1234);
    EXPECT_EQ(r.program.Window.Width, 10753);
    EXPECT_EQ(r.program.Window.Height, 7600);
    EXPECT_EQ(r.program.Window.Left, 120);
    EXPECT_EQ(r.program.Window.Top, 340);
}
