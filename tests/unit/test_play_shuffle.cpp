// Shuffling: the Puzzle deal, the walk of the empty cell, and whole Slider shuffles on every grid.
#include <gtest/gtest.h>

#include "game/slider_walk.h"
#include "play_fixture.h"

namespace quiltra::test {
namespace {

struct GridCase {
    const char* name;
    int cols, rows;
    Single pictureW, pictureH, areaW, areaH;
};
// 2 x 2, one row, one column, 3 x 3, pieces with fractions of a twip, the largest grid offered.
const GridCase kGrids[] = {
    {"2x2", 2, 2, 8400, 5400, 9460, 6150},     {"5x1", 5, 1, 8400, 5400, 9460, 6150},
    {"1x4", 1, 4, 8400, 5400, 9460, 6150},     {"3x3", 3, 3, 8400, 5400, 9460, 6150},
    {"7x5 fractional", 7, 5, 8000, 5300, 9460, 6150},
    {"20x15", 20, 15, 17000, 11000, 18950, 12905},
};

using Shuffle = PlayTest;

TEST_F(Shuffle, PuzzleDealIsAPermutationAndKeepsTheHomeTables)
{
    for (const GridCase& g : kGrids)
        for (unsigned seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE(testing::Message() << g.name << " seed " << seed);
            cut(g.cols, g.rows, g.pictureW, g.pictureH, g.areaW, g.areaH);
            board.setVisible(board.pieceCount(), false);
            rig.random.state = seed;
            const int seedsBefore = rig.random.seeds;
            game.ShufflePuzzle();
            EXPECT_EQ(rig.random.seeds, seedsBefore + 1);
            expectPermutation();
            EXPECT_TRUE(board.piece(board.pieceCount()).Visible);
        }
}

TEST_F(Shuffle, PuzzleDealMapsDrawsToFreeCells)
{
    cut(2, 2);
    // b = int(u x 4) + 1; a taken cell is drawn again; u just below 1 gives the last cell.
    rig.random.script = {0.5f, 0.5f, 0.0f, 0.99999994f, 0.3f};
    game.ShufflePuzzle();
    EXPECT_EQ(cells(), (std::vector<int>{3, 1, 4, 2}));
}

// Slides as a table: the cells the empty cell enters for scripted draws (later draws come from
// the generator; only the first entries are checked).
struct WalkCase {
    const char* name;
    int cols, rows;
    std::vector<float> draws;
    std::vector<int> entered;
};

TEST(SliderWalk, FollowsThePhaseRules)
{
    const WalkCase cases[] = {
        {"4 and 5 slide up in the first phase", 3, 3, {0.9f, 0.95f}, {6, 3}},
        {"an immediate reversal is drawn again", 3, 3, {0.9f, 0.6f, 0.2f}, {6, 5}},
        {"a slide out of the grid is drawn again", 3, 3, {0.0f, 0.2f}, {8}},
        {"1.5 rounds to 2 (up)", 3, 3, {0.3f}, {6}},
        {"2.5 rounds to 2 (up), not 3 (down)", 3, 3, {0.5f, 0.2f}, {6, 5}},
        // i = 1..3 first phase, i = 4 = n moves nothing, 5..7 second phase (4 means right),
        // i = 8 = 2n moves nothing, then 4 and 5 become u x 3 rounded.
        {"phases on 2 x 2", 2, 2,
         {0.9f, 0.2f, 0.6f, 0.9f, 0.9f, 0.6f, 0.2f, 0.4f, 0.9f, 0.2f, 0.95f, 0.9f, 0.5f, 0.9f,
          0.0f},
         {2, 1, 3, 4, 2, 1, 2}},
        {"a cornered cell on one row may reverse", 5, 1, {0.2f, 0.2f, 0.2f, 0.2f, 0.0f},
         {4, 3, 2, 1, 2}},
    };
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom random;
        random.script.assign(c.draws.begin(), c.draws.end());
        const std::vector<int> walk = sliderWalk(c.cols, c.rows, c.cols * c.rows,
                                                 c.cols * c.rows, random);
        ASSERT_GE(walk.size(), c.entered.size());
        EXPECT_EQ(std::vector<int>(walk.begin(), walk.begin() + long(c.entered.size())), c.entered);
    }
}

// Draws that circle the bottom-right 2 x 2 block (up, left, down, right) never redraw, so every
// iteration slides: the walk has exactly n x n + 20 slides, also beyond 16 bits.
class Circling : public RandomSource {
public:
    int next_ = 0;
    void seedFromClock() override {}
    float next() override { return kDraws[next_++ % 4]; }
    static constexpr float kDraws[4] = {0.4f, 0.2f, 0.6f, 0.0f};
};

TEST(SliderWalk, MakesNTimesNPlus20Iterations)
{
    for (const auto& [cols, rows] : {std::pair{2, 2}, {3, 3}, {20, 15}}) {
        Circling random;
        const long long n = cols * rows;
        EXPECT_EQ(sliderWalk(cols, rows, int(n), n, random).size(), std::size_t(n * n + 20));
    }
    ScriptedRandom random;
    EXPECT_TRUE(sliderWalk(1, 1, 1, 1, random).empty());
}

// Parity of the arrangement (the empty piece included) equals the parity of the empty cell's
// distance from home: the condition for a sliding puzzle to be solvable.
bool solvableByParity(const std::vector<int>& cellOfPiece, int cols)
{
    const std::size_t n = cellOfPiece.size();
    int inversions = 0;
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = a + 1; b < n; ++b)
            inversions += cellOfPiece[a] > cellOfPiece[b];
    const int empty = cellOfPiece.back() - 1, home = int(n) - 1;
    const int distance =
        std::abs(empty % cols - home % cols) + std::abs(empty / cols - home / cols);
    return inversions % 2 == distance % 2;
}

TEST_F(Shuffle, SliderShuffleStaysInTheGridAndCanBeUndone)
{
    rig.program.PlayMode = Mode::Slider;
    for (const GridCase& g : kGrids)
        for (unsigned seed = 1; seed <= (g.cols * g.rows > 100 ? 3u : 12u); ++seed) {
            SCOPED_TRACE(testing::Message() << g.name << " seed " << seed);
            cut(g.cols, g.rows, g.pictureW, g.pictureH, g.areaW, g.areaH);
            std::vector<std::string> titles;
            game.setChangeListener([&](GameChange change) {
                if (change == GameChange::Caption)
                    titles.push_back(game.form().Caption);
            });
            rig.random.state = seed;
            game.StartNewGame();
            game.setChangeListener({});
            const int n = board.pieceCount();
            expectPermutation();
            EXPECT_TRUE(solvableByParity(cells(), g.cols));
            EXPECT_FALSE(board.piece(n).Visible);
            EXPECT_TRUE(game.form().Picture2.Visible && game.menus().mnuHint().Enabled);
            EXPECT_FALSE(game.form().Image1.Visible || game.form().Shape1.Visible);
            // The shuffle itself shows the status line.
            ASSERT_FALSE(titles.empty());
            EXPECT_EQ(titles.back(), game.form().Caption);
            EXPECT_EQ(game.form().Caption.rfind("Quiltra - slider: Lake", 0), 0u);

            // Replaying the same draws gives the walk; sliding back along it restores the picture.
            ScriptedRandom replay(seed);
            const std::vector<int> walk = sliderWalk(g.cols, g.rows, n, n, replay);
            std::vector<int> pieceAt(std::size_t(n) + 1);
            for (int k = 1; k <= n; ++k)
                pieceAt[std::size_t(cellOf(k))] = k;
            for (std::size_t j = walk.size(); j-- > 0;) {
                const std::size_t entered = std::size_t(walk[j]), left = j ? walk[j - 1] : n;
                ASSERT_EQ(pieceAt[entered], n);
                std::swap(pieceAt[entered], pieceAt[left]);
            }
            for (int c = 1; c <= n; ++c)
                ASSERT_EQ(pieceAt[std::size_t(c)], c);
        }
}

TEST_F(Shuffle, SliderShuffleShowsItsCaptionOverTheSolvedPicture)
{
    // A 3 x 3 Slider game with pieces out of place, so that only the shuffle's own cut can show
    // the picture solved; then New Game > Slider.
    cut(3, 3);
    play(Mode::Slider, {2, 1});
    bool shownSolved = false;
    game.setEventPump([&] {
        shownSolved = shownSolved || (game.form().Caption == "Randomizing puzzle" &&
                                      board.pieceCount() == 9 && misplaced().empty());
    });
    game.mnuSlide_Click();
    EXPECT_TRUE(shownSolved);
    EXPECT_EQ(game.form().Caption.rfind("Quiltra - slider:", 0), 0u);
}

// A click on the whole picture after a finished game deals a new one: the counts of the finished
// game go and the caption shows the new game's status line. (The intro's shuffle keeps its welcome
// caption instead: FrameIntro.RunsIntroStatesThenLoadsPictureAndEnablesMenus.)
TEST_F(Shuffle, ANewGameClearsTheCountsOfTheFinishedOne)
{
    cut(4, 3);
    resume(Mode::Puzzle, {2, 1}, 9, 2, 60);
    game.image2_Click(1);
    game.image2_Click(2);
    ASSERT_EQ(game.form().GameState, State::Solved);
    rig.clock.advance(3);
    game.Timer1_Timer(); // the whole picture returns
    ASSERT_EQ(game.form().GameState, State::WholePicture);
    ASSERT_EQ(game.counters().moves(), 10);
    ASSERT_EQ(game.counters().hints(), 2);
    const std::string finished = game.form().Caption;

    rig.random.script = {0.9f}; // piece 1 to cell 11
    game.Image1_Click();
    ASSERT_EQ(game.form().GameState, State::Playing);
    EXPECT_EQ(game.counters().moves(), 0);
    EXPECT_EQ(game.counters().hints(), 0);
    EXPECT_EQ(cellOf(1), 11);
    EXPECT_NE(game.form().Caption, finished);
    EXPECT_EQ(game.form().Caption, "Quiltra - puzzle: Lake  Size: 4x3=12");
}

} // namespace
} // namespace quiltra::test
