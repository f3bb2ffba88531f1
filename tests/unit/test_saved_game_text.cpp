// The saved-game text: writing, reading back, refusing damaged and hostile texts, and the cells
// that saved positions describe.
#include <gtest/gtest.h>

#include "game/saved_game.h"
#include "startup/settings_file.h"

namespace quiltra {
namespace {

TEST(SavedGameText, RoundTripQuotesAndRoundsPositions)
{
    SavedGame game;
    game.PicturePath = "/p/beta, two.jpg";
    game.DisplayName = " leading blank";
    game.GridCols = 2;
    game.GridRows = 1;
    game.Positions = {{1629, 739}, {-35, 0}};
    game.PlayMode = Mode::Slider;
    game.MoveCount = 12;
    game.HintCount = 3;
    game.ElapsedSeconds = 75.25;
    const std::optional<std::string> text = savedGameText(game);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "\"/p/beta, two.jpg\",\" leading blank\",2,1,1629,739,-35,0,slider,12,3,75.25\n");
    EXPECT_EQ(parseSavedGame(*text), game);

    game.DisplayName = "say \"hi\"";
    EXPECT_FALSE(savedGameText(game)) << "a double quote cannot be written so that it reads back";

    // Fractional positions read as 16-bit integers, nearest with ties to even; &H numbers too.
    const struct {
        const char* left;
        Single expected;
    } rows[] = {{"100.5", 100}, {"101.5", 102}, {"-0.5", 0},
                {"99.7", 100},  {"&H10", 16},   {"32767.4", 32767}};
    for (const auto& row : rows) {
        const auto read = parseSavedGame(std::string("p,n,1,1,") + row.left + ",5,puzzle,0,0,1\n");
        ASSERT_TRUE(read) << row.left;
        EXPECT_EQ(read->Positions[0].Left, row.expected) << row.left;
    }
}

TEST(SavedGameText, DamagedAndHostileTextsAreRefused)
{
    const std::string good = "/p/a.jpg,a.jpg,2,2,10,20,30,20,10,40,30,40,puzzle,5,1,12.5\n";
    ASSERT_TRUE(parseSavedGame(good));

    // Every field missing in turn.
    const std::vector<std::string> fields = splitFields(good);
    for (std::size_t drop = 0; drop < fields.size(); ++drop) {
        std::string text;
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (i != drop)
                text += (text.empty() ? "" : ",") + fields[i];
        EXPECT_FALSE(parseSavedGame(text + "\n")) << "without field " << drop + 1;
    }

    const char* hostile[] = {
        "",
        ",a.jpg,1,1,0,0,puzzle,0,0,0\n",                              // no path
        "p,n,x,1,0,0,puzzle,0,0,0\n",                                 // a non-number
        "p,n,-4,3,0,0,puzzle,0,0,0\n",                                // negative grid
        "p,n,0,1,puzzle,0,0,0\n",
        "p,n,10000,10000,0,0,puzzle,0,0,0\n",                         // absurd grid
        "p,n,32767,32767,0,0,puzzle,0,0,0\n",
        "p,n,99999,1,0,0,puzzle,0,0,0\n",                             // beyond 16 bits
        "p,n,20,16,0,0,puzzle,0,0,0\n",                               // 320 pieces
        "p,n,1,1,1e10,0,puzzle,0,0,0\n",                              // huge position
        "p,n,1,1,0,-40000,puzzle,0,0,0\n",
        "p,n,1,1,0,0,Puzzle,0,0,0\n",                                 // not a mode
        "p,n,1,1,0,0,puzzle,40000,0,0\n",                             // huge counter
        "p,n,1,1,0,0,puzzle,-1,0,0\n",
        "p,n,1,1,0,0,puzzle,0,-2,0\n",
        "p,n,1,1,0,0,puzzle,0,0,-1\n",                                // negative time
        "p,n,1,1,0,0,puzzle,0,0,1e300\n",
        "p,n,1,1,0,0,puzzle,0,0,0,extra\n",                           // a field too many
    };
    for (const char* text : hostile)
        EXPECT_FALSE(parseSavedGame(text)) << text;

    // Complete files: 300 pieces is the largest grid the game offers; 315 is refused.
    for (const int cols : {20, 21}) {
        std::string text = "p,n," + std::to_string(cols) + ",15,";
        for (int k = 0; k < cols * 15; ++k)
            text += std::to_string(k % cols * 100) + "," + std::to_string(k / cols * 100) + ",";
        EXPECT_EQ(bool(parseSavedGame(text + "puzzle,0,0,0\n")), cols == 20) << cols << " x 15";
    }
}

TEST(SavedGameText, CellsFollowTheOrderOfDistinctPositions)
{
    SavedGame g;
    g.GridCols = 3;
    g.GridRows = 2;
    // Saved in another window: columns at 500, 2500, 4500 and rows at 90, 1700, in any order.
    g.Positions = {{4500, 1700}, {500, 90}, {2500, 1700}, {500, 1700}, {4500, 90}, {2500, 90}};
    EXPECT_EQ(savedCells(g), (std::vector<int>{6, 1, 5, 4, 3, 2}));

    SavedGame repeated = g;
    repeated.Positions[1] = {4500, 1700};   // two pieces in cell 6, none in cell 1
    EXPECT_FALSE(savedCells(repeated));
    SavedGame tooFewColumns = g;
    tooFewColumns.Positions = {{500, 90},   {500, 90},   {2500, 90},
                               {500, 1700}, {2500, 1700}, {2500, 1700}};
    EXPECT_FALSE(savedCells(tooFewColumns));
    SavedGame tooManyRows = g;
    tooManyRows.Positions[0] = {4500, 1701};
    EXPECT_FALSE(savedCells(tooManyRows));
}

} // namespace
} // namespace quiltra
