// The game's shown texts in the player's language: the caption, the banner, the corner status and
// the message boxes translate, while the files and the game's own state keep the English words.
#include <gtest/gtest.h>

#include "game/board_layout.h"
#include "game/shown_text.h"
#include "game/status_corner.h"
#include "game/text_fields.h"
#include "platform/translation.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace quiltra {
namespace {

using test::GameRig;
using test::TempFolder;

// A language in which every text reads as its English source between guillemets: a test sees
// which texts went through the translation, and the marks are two bytes each but one character.
std::string guillemets(const char*, const char* source)
{
    return std::string("\u00AB") + source + "\u00BB";
}

// That language for the life of the value; English again afterwards.
struct InOtherLanguage {
    InOtherLanguage() { installTranslator(&guillemets); }
    ~InOtherLanguage() { installTranslator(nullptr); }
    InOtherLanguage(const InOtherLanguage&) = delete;
    InOtherLanguage& operator=(const InOtherLanguage&) = delete;
};

std::size_t characters(const std::string& text)
{
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// A game on a listed 400 x 300 picture; the settings files go to a temporary folder.
struct LanguageRig : GameRig {
    InOtherLanguage language;
    TempFolder tmp;
    std::string alpha = tmp / "Pics/alpha.jpg";

    LanguageRig()
    {
        program.SettingsFolder = tmp.path();
        tmp.write("Pics/alpha.jpg", "jpeg");
        pictures.List1.push_back(alpha);
        pictures.List2.push_back(displayName(alpha));
        clip.files = {{alpha, 400, 300}};
        game.Form_Load();
        game.skipIntro(); // takes the listed picture into play
        game.mnuPict_Click(0);
        for (int i = 0; i < game.form().SizeCount; ++i)
            if (game.menus().mnuSize()[std::size_t(i)].Caption == "4x3=12")
                game.mnuSize_Click(i);
        game.mnuPuz_Click();
    }
    void swap(int cellA, int cellB)
    {
        game.image2_Click(pieceOn(cellA));
        game.image2_Click(pieceOn(cellB));
    }
    // Swaps every piece home, the last one `seconds` after the first click, and waits for the
    // whole picture to return.
    void solve(double seconds)
    {
        swapAllHome(seconds);
        clock.advance(3);
        game.Timer1_Timer();
    }
};

TEST(ShownText, WithValueFillsEveryPlaceholderButNeverTheValue)
{
    EXPECT_EQ(withValue("could not be saved: %1. Kept.", "disk full"),
              "could not be saved: disk full. Kept.");
    EXPECT_EQ(withValue("%1 und %1", "x"), "x und x");
    EXPECT_EQ(withValue("named %1 here", "50%1 off"), "named 50%1 off here");
    EXPECT_EQ(withValue("no value", "x"), "no value");
    EXPECT_EQ(withValue("%1", ""), "");
}

TEST(ShownLanguage, CaptionBannerAndCornerTranslateWithTheirSpacing)
{
    LanguageRig rig;
    Game& g = rig.game;
    EXPECT_EQ(g.form().Caption, "Quiltra - \u00ABpuzzle\u00BB: alpha.jpg  \u00ABSize:\u00BB 4x3=12");
    rig.swap(1, 2);
    rig.solve(75);
    ASSERT_EQ(g.form().GameState, State::WholePicture);
    const std::string moves = std::to_string(g.counters().moves());
    EXPECT_EQ(g.newBestBanner(), "\u00ABNew best time\u00BB  0:01:15  \u00ABMoves\u00BB " + moves +
                                     "  \u00ABHints\u00BB 0");

    const std::string status = "Quiltra - \u00ABpuzzle\u00BB: alpha.jpg  \u00ABSize:\u00BB 4x3=12  "
                               "\u00ABMoves:\u00BB " + threeDigits(g.counters().moves()) +
                               "  \u00ABHints:\u00BB 000";
    ASSERT_EQ(g.form().Caption.rfind(status, 0), 0u) << g.form().Caption;
    const std::size_t time = g.form().Caption.find("\u00ABTime:\u00BB  0:01:15");
    ASSERT_NE(time, std::string::npos) << g.form().Caption;
    EXPECT_EQ(characters(g.form().Caption.substr(0, time)), 75u) << "the time starts at column 76";

    EXPECT_EQ(statusCornerForms(StatusCounts{true, 7, 2, "0:01:15"}, true),
              (std::vector<std::string>{
                  "\u00ABMoves\u00BB 007   \u00ABHints\u00BB 002   \u00ABPaused\u00BB",
                  "\u00ABMoves\u00BB 007  \u00ABHints\u00BB 002  \u00ABPaused\u00BB",
                  "\u00ABM\u00BB 007  \u00ABH\u00BB 002  \u00ABPaused\u00BB", "\u00ABPaused\u00BB"}));
}

TEST(ShownLanguage, FilesAndTheGamesOwnStateKeepTheEnglishWords)
{
    LanguageRig rig;
    Game& g = rig.game;
    rig.swap(1, 2);
    g.mnuSave_Click();
    rig.solve(75);

    const std::string saved = rig.tmp.read("last.txt");
    const std::string times = rig.tmp.read("times.txt");
    EXPECT_NE(saved.find("puzzle"), std::string::npos) << saved;
    EXPECT_NE(times.find("alpha.jpg\t4\t3\tpuzzle\t75\t"), std::string::npos) << times;
    EXPECT_EQ((saved + times).find("\u00AB"), std::string::npos) << "no shown word in a file";
    EXPECT_EQ(g.menus().mnuView().Caption, "Puzzle") << "the window translates the menu as shown";
    EXPECT_EQ(g.menus().mnuFile().Caption, "&File");

    g.mnuSlide_Click();
    EXPECT_EQ(g.menus().mnuView().Caption, "Original");
    g.mnuRestore_Click();
    EXPECT_EQ(rig.program.PlayMode, Mode::Puzzle) << "the saved game reads back in any language";
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(ShownLanguage, MessagesTranslateAndTakeTheirValueAfterwards)
{
    LanguageRig rig;
    Game& g = rig.game;
    g.mnuPz_Click();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].title, "\u00ABPuzzle Mode - Rules\u00BB");
    EXPECT_EQ(rig.messages.shown[0].text.rfind("\u00ABSolve the puzzle by switching", 0), 0u);

    g.mnuRestore_Click(); // nothing saved yet
    ASSERT_EQ(rig.messages.shown.size(), 2u);
    EXPECT_EQ(rig.messages.shown[1].text, "\u00ABSaved game file was not found.\u00BB");

    rig.tmp.write("plain", "a file, not a folder");
    rig.program.SettingsFolder = rig.tmp / "plain";
    rig.swap(1, 2);
    g.mnuSave_Click();
    ASSERT_EQ(rig.messages.shown.size(), 3u);
    const std::string& failed = rig.messages.shown[2].text;
    EXPECT_EQ(failed.rfind("\u00ABThe game could not be saved: ", 0), 0u) << failed;
    EXPECT_EQ(failed.find("%1"), std::string::npos) << failed;
    EXPECT_NE(failed.find(". The previous saved game, if any, is kept.\u00BB"), std::string::npos)
        << failed;
    EXPECT_GT(failed.size(), std::string("\u00ABThe game could not be saved: . The previous saved "
                                         "game, if any, is kept.\u00BB").size())
        << "the reason stands in the placeholder's place";
}

} // namespace
} // namespace quiltra
