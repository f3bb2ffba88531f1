// The game's side of the Open Picture window: which pictures can be opened, taking one into play,
// the end of every open attempt and the Open button's sound.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/sizes.h"
#include "support/game_parts.h"
#include "support/fakes.h"

using namespace quiltra;
using quiltra::test::GameRig;

namespace {

struct OpenRig : GameRig {
    OpenRig()
    {
        clip.files.push_back({"/pics/Cat.jpg", 640, 480});
        clip.files.push_back({"/pics/Dog.jpg", 800, 600});
        clip.files.push_back({"/pics/A long picture name.jpg", 800, 600});
        game.Form_Load();
    }
    // A game in progress on `name` (4 x 3), with everything a game turns on: a move made, the
    // clock running, a hint shown, Save and Hint enabled.
    void gameInProgress(const std::string& name = "Dog.jpg")
    {
        PictureRequest request = openedPicture(name, "/pics");
        request.grid = Grid{4, 3};
        ASSERT_TRUE(game.takePictureIntoPlay(request).taken());
        game.mnuPuz_Click();
        const int first = game.board().puzzle().pieceAt(1), second = game.board().puzzle().pieceAt(2);
        game.image2_Click(first);
        game.image2_Click(second);
        game.mnuHint_Click(); // marks the misplaced pieces
        game.mnuHint_Click(); // places one, counted as a hint
        ASSERT_EQ(game.form().GameState, State::Playing);
        ASSERT_GT(game.counters().moves(), 0);
        ASSERT_GT(game.counters().hints(), 0);
        ASSERT_TRUE(game.form().HintsShown && game.clock().running());
        ASSERT_TRUE(game.menus().mnuSave().Enabled && game.menus().mnuHint().Enabled);
    }
};

} // namespace

TEST(OpenPicture, OpensOnlyPicturesThatCanBeCut)
{
    struct Case {
        int w, h;   // natural size, pixels
        bool opens;
    };
    const Case cases[] = {
        {100, 133, false},   // 1500 x 1995 twips: two 500-twip steps across
        {133, 100, false},
        {101, 101, false},   // passes the validity rule, but its largest grid is 2 x 2
        {101, 201, true},    // the narrowest picture that offers a size: 2x5=10
        {101, 200, false},   // 2 x 4 = 8 pieces: no size
        {640, 480, true},
        {4000, 101, false},  // fitted to the game area's width it is far too low
        {0, 0, false},
    };
    OpenRig r;
    for (const Case& c : cases)
        EXPECT_EQ(r.game.openablePicture(c.w, c.h), c.opens) << c.w << " x " << c.h;
    // The validity rule itself accepts 101 x 101 pixels (1515 twips) and refuses 100 pixels.
    EXPECT_TRUE(pictureLargeEnough(1515, 1515));
    EXPECT_FALSE(pictureLargeEnough(1500, 1995));
}

TEST(OpenPicture, TakingAPictureEndsTheGameInProgress)
{
    OpenRig r;
    r.gameInProgress();
    std::string error;
    ASSERT_TRUE(r.clip.load("/pics/Cat.jpg", error));
    const int generation = r.game.form().pictureGeneration;

    r.game.takeOpenedPicture("Cat.jpg", "/pics");

    Game& g = r.game;
    EXPECT_EQ(g.menus().mnuCurrent().Caption, "Cat.jpg");
    EXPECT_EQ(r.program.CurrentPictureFolder, "/pics/");
    EXPECT_EQ(r.program.CurrentPicturePath, "/pics/Cat.jpg");
    EXPECT_GT(g.form().pictureGeneration, generation);
    EXPECT_GT(g.form().SizeCount, 0);
    EXPECT_FALSE(g.menus().mnuCurSize().Caption.empty());
    EXPECT_EQ(g.board().pieceCount(), g.board().gridCols() * g.board().gridRows());
    EXPECT_EQ(g.form().GameState, State::WholePicture);
    for (const MenuItem* m : {&g.menus().mnuNew(), &g.menus().mnuV(), &g.menus().mnus(), &g.menus().mnuAddCur()})
        EXPECT_TRUE(m->Enabled) << m->Caption;
    EXPECT_FALSE(g.menus().mnuSave().Enabled);
    EXPECT_FALSE(g.menus().mnuHint().Enabled);
    EXPECT_FALSE(g.clock().running());
    EXPECT_FALSE(g.form().HintsShown);
    EXPECT_EQ(g.counters().hints(), 0);

    // A picture in the root folder gets no second "/".
    g.takeOpenedPicture("Cat.jpg", "/");
    EXPECT_EQ(r.program.CurrentPicturePath, "/Cat.jpg");
}

TEST(OpenPicture, EveryAttemptEndsWithTheWholePictureAndNoMoves)
{
    OpenRig r;
    r.gameInProgress("A long picture name.jpg");
    Game& g = r.game;
    ASSERT_TRUE(g.form().Picture2.Visible && !g.form().Image1.Visible);

    g.finishOpenAttempt();

    EXPECT_EQ(g.counters().moves(), 0);
    EXPECT_FALSE(g.form().Picture2.Visible);
    EXPECT_TRUE(g.form().Image1.Visible);
    // The whole name, and a single blank before "Size:".
    EXPECT_EQ(g.form().Caption, "Quiltra - puzzle: A long picture name.jpg Size: 4x3=12");

    // Without a picture in play there is nothing to show.
    OpenRig none;
    // Staged: no handler leaves moves counted without a picture in play.
    GameParts::counters(none.game).restore(3, none.game.counters().hints());
    none.game.finishOpenAttempt();
    EXPECT_EQ(none.game.counters().moves(), 0);
    EXPECT_EQ(none.game.form().Caption, "Welcome to Quiltra v1.3");
    EXPECT_FALSE(none.game.form().Image1.Visible);
}

TEST(OpenPicture, OpenButtonOpensTheToneWithoutPlayingIt)
{
    OpenRig r;
    r.gameInProgress();
    ASSERT_EQ(r.game.menus().mnuView().Caption, "Original");
    r.sound.log.clear();
    r.game.openButtonDone();
    EXPECT_EQ(r.game.menus().mnuView().Caption, "Puzzle");
    EXPECT_EQ(r.sound.log, (std::vector<std::string>{"close", "open tone"}));
}
