// Puzzle sizes: fitting, largest grid, the offered sizes, the initial draw and the validity rule.
#include <gtest/gtest.h>

#include <cmath>

#include "game/sizes.h"
#include "support/fakes.h"

namespace quiltra {
namespace {

using test::GameRig;

std::string text(const Grid& g) { return sizeCaption(g); }
std::string text(const MenuItem& m) { return m.Caption; }

template <class T>
std::vector<std::string> captions(const std::vector<T>& items)
{
    std::vector<std::string> out;
    for (const T& item : items)
        out.push_back(text(item));
    return out;
}

// A rig whose window the player resized to the given outer size: the game area is laid out for
// it. A size the window already has raises no resize, so the window passes through another.
void sizeWindow(GameRig& rig, double width, double height)
{
    if (rig.game.form().Window.Width == width && rig.game.form().Window.Height == height)
        rig.game.windowResized(width + 100, height + 100);
    rig.game.windowResized(width, height);
    ASSERT_EQ(rig.game.form().Picture2.Width, Single(width - 150));
    ASSERT_EQ(rig.game.form().Picture2.Height, Single(height - 600));
}

TEST(Fit, StepCountsAndLargestGrid)
{
    EXPECT_EQ(stepCount(6000, 600), 9);
    EXPECT_EQ(stepCount(6001, 600), 10);
    EXPECT_EQ(stepCount(600, 600), 0);
    EXPECT_EQ(stepCount(601, 600), 1);
    EXPECT_EQ(stepCount(1500, 500), 2);
    EXPECT_EQ(stepCount(1501, 500), 3);
    // Ample room: the gap checks do not bite.
    EXPECT_EQ(largestGrid(6000, 4000, 9400, 6150, 35), (Grid{9, 6}));
    // Cells with gaps wider than the area less 100: columns drop and rows follow the ratio.
    EXPECT_EQ(largestGrid(18350, 12405, 18950, 12905, 35), (Grid{21, 14}));
}

TEST(Fit, PictureIsReducedOnlyAndCentred)
{
    struct Case {
        Single w, h, fitW, fitH;
    } cases[] = {
        {3000, 2000, 3000, 2000},    // smaller than the area: natural size
        {30000, 15000, 8800, 4400},  // too high, then still too wide
        {6000, 12000, 2825, 5650},   // too high only
        {12000, 3000, 8800, 2200},   // too wide only
    };
    for (const Case& c : cases) {
        const FittedPicture f = fitPicture(c.w, c.h, 9400, 6150, 9550, 6750);
        EXPECT_FLOAT_EQ(f.Width, c.fitW) << c.w << "x" << c.h;
        EXPECT_FLOAT_EQ(f.Height, c.fitH) << c.w << "x" << c.h;
        EXPECT_FLOAT_EQ(f.Left, (9550 - 130 - c.fitW) / 2);
        EXPECT_FLOAT_EQ(f.Top, (6750 - 615 - c.fitH) / 2);
    }
}

TEST(SizeList, WorkedExamplesAndEdgeGrids)
{
    using V = std::vector<std::string>;
    struct Case {
        Grid largest;
        V expected;
    } cases[] = {
        {{9, 6}, {"4x2=8", "5x3=15", "6x4=24", "7x4=28", "8x5=40", "9x6=54"}},
        {{4, 3}, {"4x3=12"}},
        {{3, 3}, {"3x3=9"}},
        {{9, 1}, {"9x1=9"}},
        {{18, 2},
         {"9x1=9", "10x1=10", "11x1=11", "12x1=12", "13x1=13", "14x1=14", "15x1=15", "16x1=16",
          "17x1=17", "18x2=36"}},
        {{1, 12}, {"1x12=12"}},
        {{2, 2}, {}},
        {{8, 1}, {}},
        {{0, 7}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(captions(sizeList(c.largest)), c.expected)
            << c.largest.cols << "x" << c.largest.rows;
}

// Over every largest grid up to 60 x 60: each offered grid exists, stays within 300 pieces, and
// the list grows from entry 0 to the largest grid.
TEST(SizeList, OffersOnlyGridsThatExist)
{
    for (std::int16_t c = 0; c <= 60; ++c)
        for (std::int16_t r = 0; r <= 60; ++r) {
            const std::vector<Grid> sizes = sizeList(Grid{c, r});
            EXPECT_EQ(sizes.empty(), c * r < 9) << c << "x" << r;
            for (std::size_t i = 0; i < sizes.size(); ++i) {
                const Grid g = sizes[i];
                EXPECT_GE(g.cols, 1);
                EXPECT_GE(g.rows, 1);
                EXPECT_LE(g.pieces(), kMaxPieces);
                if (i > 0) {
                    EXPECT_GT(g.cols, sizes[i - 1].cols);
                }
            }
            if (!sizes.empty() && c * r <= kMaxPieces) {
                EXPECT_EQ(sizes.back(), (Grid{c, r}));
            }
        }
}

TEST(SizeList, CapKeepsTheRatioWithin300Pieces)
{
    struct Case {
        Grid in, out;
    } cases[] = {{{29, 19}, {21, 14}}, {{20, 15}, {20, 15}}, {{18, 18}, {17, 17}},
                 {{10, 40}, {8, 34}},  {{400, 1}, {300, 1}}};
    for (const Case& c : cases)
        EXPECT_EQ(capGrid(c.in), c.out) << c.in.cols << "x" << c.in.rows;
}

TEST(SizeValidity, NaturalSizeNeedsThreeStepsOf500Twips)
{
    EXPECT_FALSE(pictureLargeEnough(1500, 3000));
    EXPECT_TRUE(pictureLargeEnough(1501, 3000));
    EXPECT_FALSE(pictureLargeEnough(3000, 1500));
    EXPECT_TRUE(pictureLargeEnough(1501, 1501));
    EXPECT_STREQ(kTooSmallMessage, "Picture is too small to divide into a puzzle.");
}

// A picture taken into play builds the Size menu from the largest grid its fitting gives, and
// the size drawn for it is never the last entry unless that is the only one.
TEST(SizeGame, FindSizeFillsTheMenuAndSetSizeNeverDrawsTheLast)
{
    struct Case {
        int pixelW, pixelH;     // the picture
        double windowW, windowH;
        Grid largest;
        float draw;
        const char* chosen;
        Grid chosenGrid;
    } cases[] = {
        {400, 267, 9550, 6750, {9, 6}, 0.999999f, "8x5=40", {8, 5}},
        {400, 267, 9550, 6750, {9, 6}, 0.0f, "4x2=8", {4, 2}},
        {400, 267, 9550, 6750, {9, 6}, 0.5f, "6x4=24", {6, 4}},
        {180, 140, 9550, 6750, {4, 3}, 0.999999f, "4x3=12", {4, 3}},
        // 18 columns need a fitted width of more than 10800 twips: the largest window.
        {740, 110, 19100, 13505, {18, 2}, 0.9999999f, "17x1=17", {17, 1}},
        {140, 140, 9550, 6750, {3, 3}, 0.3f, "3x3=9", {3, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixelW << "x" << c.pixelH << " draw " << c.draw);
        GameRig rig;
        Game& g = rig.game;
        sizeWindow(rig, c.windowW, c.windowH);
        rig.clip.files = {{"/pics/P.jpg", c.pixelW, c.pixelH}};
        const int generation = g.menus().generation();
        rig.random.script = {c.draw};
        ASSERT_TRUE(g.takePictureIntoPlay(openedPicture("P.jpg", "/pics")).taken());
        ASSERT_EQ((Grid{g.form().MaxCols, g.form().MaxRows}), c.largest);
        EXPECT_EQ(captions(g.menus().mnuSize()), captions(sizeList(c.largest)));
        // Each item carries the grid its caption names.
        std::vector<Grid> grids;
        for (const SizeItem& item : g.menus().mnuSize())
            grids.push_back(item.grid);
        EXPECT_EQ(grids, sizeList(c.largest));
        EXPECT_EQ(g.form().SizeCount, int(g.menus().mnuSize().size()));
        EXPECT_EQ(g.menus().generation(), generation + 1);
        g.Find_Size();
        EXPECT_EQ(g.menus().generation(), generation + 1) << "an unchanged menu is not rebuilt";

        EXPECT_EQ(g.menus().mnuCurSize().Caption, c.chosen);
        EXPECT_EQ(g.menus().mnuCurSize().grid, c.chosenGrid);
        EXPECT_EQ(g.board().gridCols(), c.chosenGrid.cols);
        EXPECT_EQ(g.board().gridRows(), c.chosenGrid.rows);
        EXPECT_EQ(rig.random.seeds, 0);
    }
}

TEST(SizeGame, APictureThatFormsNoSizeOffersNothing)
{
    GameRig rig;
    Game& g = rig.game;
    sizeWindow(rig, 9550, 6750);
    // A picture in play at 5 x 4.
    rig.clip.files = {{"/pics/Dog.jpg", 800, 600}};
    PictureRequest dog = openedPicture("Dog.jpg", "/pics");
    dog.grid = Grid{5, 4};
    ASSERT_TRUE(g.takePictureIntoPlay(dog).taken());
    // 107 pixels square passes the validity rule but fits only a 2 x 2 grid.
    rig.clip.w = rig.clip.h = 107;
    EXPECT_TRUE(pictureLargeEnough(107 * 15, 107 * 15));
    EXPECT_FALSE(g.clipFormsPuzzle());
    g.pic_handler();
    g.Find_Size();
    EXPECT_EQ(g.form().SizeCount, 0);
    ASSERT_EQ(g.menus().mnuSize().size(), 1u);
    EXPECT_FALSE(g.menus().mnuSize()[0].Enabled);
    g.Set_Size();
    EXPECT_EQ(g.board().gridCols(), 5) << "with no size the grid in play stays";

    rig.clip.w = rig.clip.h = 200;
    EXPECT_TRUE(g.clipFormsPuzzle());
}

TEST(SizeGame, LargestWindowNeverOffersMoreThan300Pieces)
{
    const int pictures[][2] = {{4000, 3000}, {3000, 4000}, {6000, 2000}, {2000, 2000}};
    for (const auto& px : pictures) {
        GameRig rig;
        Game& g = rig.game;
        sizeWindow(rig, 19100, 13505);
        rig.clip.w = px[0];
        rig.clip.h = px[1];
        g.pic_handler();
        g.Find_Size();
        ASSERT_GE(g.form().SizeCount, 1);
        EXPECT_LE(g.form().MaxCols * g.form().MaxRows, kMaxPieces);
        EXPECT_GT(g.form().MaxCols * g.form().MaxRows, 200) << "the cap keeps the grid near the limit";
        for (const SizeItem& m : g.menus().mnuSize())
            EXPECT_LE(m.grid.pieces(), kMaxPieces) << m.Caption;
        // The capped grid keeps roughly the shape of the fitted picture.
        const double pictureRatio = double(g.form().Image1.Width) / g.form().Image1.Height;
        EXPECT_NEAR(double(g.form().MaxCols) / g.form().MaxRows / pictureRatio, 1.0, 0.15) << px[0];
    }
}

TEST(SizeGame, ChoosingASizeCutsAgainOnlyWhenItDiffers)
{
    GameRig rig;
    Game& g = rig.game;
    sizeWindow(rig, 9550, 6750);
    // Another picture in play, its whole picture on view, then its game: pic_handler hides both.
    rig.clip.files = {{"/pics/Dog.jpg", 800, 600}};
    ASSERT_TRUE(g.takePictureIntoPlay(openedPicture("Dog.jpg", "/pics")).taken());
    ASSERT_TRUE(g.form().Image1.Visible && g.form().Shape1.Visible);
    g.pic_handler();
    EXPECT_FALSE(g.form().Image1.Visible || g.form().Shape1.Visible || g.form().Picture2.Visible);
    g.mnuPuz_Click();
    ASSERT_TRUE(g.form().Picture2.Visible);
    rig.clip.w = 400;
    rig.clip.h = 300;
    g.pic_handler();
    // 6000 x 4500 twips fit as they are; the frame lies 15 twips outside; all is hidden.
    EXPECT_FLOAT_EQ(g.form().Image1.Width, 6000);
    EXPECT_FLOAT_EQ(g.form().Shape1.Height, 4530);
    EXPECT_FLOAT_EQ(g.form().Shape1.Left, g.form().Image1.Left - 15);
    EXPECT_FALSE(g.form().Image1.Visible || g.form().Shape1.Visible || g.form().Picture2.Visible);
    g.Find_Size();
    const std::vector<std::string> nineBySeven{"4x3=12", "5x3=15", "6x4=24",
                                               "7x5=35", "8x6=48", "9x7=63"};
    ASSERT_EQ(captions(g.menus().mnuSize()), nineBySeven);
    rig.random.script = {0.0f};
    g.Set_Size();
    g.Divide_Pic();
    // A game in progress, dealt by New Game.
    g.mnuPuz_Click();
    ASSERT_EQ(g.form().GameState, State::Playing);
    ASSERT_EQ(g.menus().mnuCurSize().Caption, "4x3=12");
    ASSERT_FALSE(g.board().puzzle().solved());
    const Single movedLeft = g.board().piece(1).Left;
    rig.sound.log.clear();

    g.mnuSize_Click(0);
    EXPECT_EQ(g.form().GameState, State::Playing) << "the size in play does not end the game";
    EXPECT_EQ(g.board().piece(1).Left, movedLeft);
    EXPECT_EQ(g.menus().mnuView().Caption, "Puzzle");
    EXPECT_EQ(rig.sound.count("open move"), 1);

    ASSERT_TRUE(g.menus().mnuHint().Enabled);
    g.mnuSize_Click(5);
    EXPECT_EQ(g.form().GameState, State::WholePicture);
    EXPECT_EQ(g.menus().mnuCurSize().Caption, "9x7=63");
    EXPECT_EQ(g.board().numPieces(), 63);
    EXPECT_FALSE(g.menus().mnuHint().Enabled);
    EXPECT_TRUE(g.form().Image1.Visible);
    EXPECT_FALSE(g.form().Picture2.Visible);
    for (int k = 1; k <= g.board().pieceCount(); ++k)
        EXPECT_EQ(g.board().piece(k).Left, g.board().homeLeft(k)) << k;

    g.mnuSize_Click(6);   // past the last entry: nothing happens
    EXPECT_EQ(g.menus().mnuCurSize().Caption, "9x7=63");
}

} // namespace
} // namespace quiltra
