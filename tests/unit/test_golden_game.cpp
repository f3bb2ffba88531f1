// Two whole games played through the game's handlers with a fixed seed and window size: every
// caption they show and every "last.txt" they write, byte for byte, as the game has always made
// them. A change to how the game keeps its pieces must leave this transcript as it is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fakes.h"
#include "support/temp_folder.h"

namespace quiltra {
namespace {

using test::GameRig;
using test::TempFolder;

// A game window with one listed picture (fractions of a twip in its pieces) and a transcript of
// what the player sees and what the game writes.
struct GoldenRig : GameRig {
    TempFolder tmp;
    std::string picture = tmp / "Pics/meadow.jpg"; // 1237 x 833 pixels
    std::vector<std::string> transcript;

    GoldenRig()
    {
        program.SettingsFolder = tmp.path();
        tmp.write("Pics/meadow.jpg", "jpeg");
        pictures.List1.push_back(picture);
        pictures.List2.push_back("meadow.jpg");
        clip.files = {{picture, 1237, 833}};
        random.state = 2024;
        game.Form_Load();
    }
    void note(const std::string& step) { transcript.push_back(step + ": " + game.form().Caption); }
    // Saves, and notes the file with the temporary folder's name taken out.
    void save()
    {
        game.mnuSave_Click();
        std::string text = tmp.read("last.txt");
        for (std::size_t at; (at = text.find(tmp.path())) != std::string::npos;)
            text.replace(at, tmp.path().size(), "<tmp>");
        transcript.push_back("last.txt: " + text);
    }
    void chooseSize(const std::string& size)
    {
        for (int i = 0; i < game.form().SizeCount; ++i)
            if (game.menus().mnuSize()[std::size_t(i)].Caption == size)
                game.mnuSize_Click(i);
        ASSERT_EQ(game.menus().mnuCurSize().Caption, size);
    }
    void press(int key)
    {
        game.keyDown(key);
        game.keyUp(key);
    }
    void tick(double seconds)
    {
        clock.advance(seconds);
        game.Timer1_Timer();
    }
};

// Compares line by line, so that a difference names its step.
void expectTranscript(const std::vector<std::string>& seen, const std::vector<std::string>& kept)
{
    for (std::size_t i = 0; i < std::max(seen.size(), kept.size()); ++i)
        EXPECT_EQ(i < seen.size() ? seen[i] : "(nothing)", i < kept.size() ? kept[i] : "(nothing)")
            << "step " << i;
}

TEST(GoldenGame, PuzzleGameShowsAndSavesWhatItAlwaysHas)
{
    GoldenRig rig;
    Game& g = rig.game;
    g.mnuPict_Click(0);
    rig.chooseSize("6x4=24");
    g.mnuPuz_Click();
    rig.note("deal");
    rig.save();
    g.image2_Click(3);
    g.image2_Click(17);
    rig.tick(7);
    g.image2_Click(1);
    g.image2_Click(20);
    rig.note("two swaps");
    g.mnuHint_Click();
    g.mnuHint_Click();
    rig.note("a hint placed");
    rig.save();
    g.undo();
    rig.note("undo");
    rig.save();
    for (int i = 0; i < 3; ++i)
        g.keyDown(Key::Plus);
    g.keyUp(Key::Plus);
    rig.note("larger");
    rig.save();
    g.undo();
    rig.note("undo after +");
    rig.save();
    g.redo();
    rig.tick(5);
    g.image2_Click(8);
    g.image2_Click(11);
    rig.note("redo and a swap");
    g.mnuScreen_Click(3);
    rig.note("screen size 3");
    rig.save();
    g.undo();
    g.undo();
    rig.note("two undos after screen size");
    rig.save();
    g.keyDown(Key::Minus);
    g.keyUp(Key::Minus);
    rig.press(Key::Right);
    rig.press(Key::Down);
    rig.press(Key::Space);
    rig.press(Key::Right);
    rig.press(Key::Space);
    rig.note("smaller and a keyboard swap");
    rig.save();

    expectTranscript(rig.transcript, {
        "deal: Quiltra - puzzle: meadow.jpg  Size: 6x4=24",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,6,4,4709,3040,413,3040,7573,3040,413,147,413,4486,3277,1594,7573,147,3277,3040,6141,4486,413,1594,1845,1594,3277,147,6141,3040,4709,1594,7573,4486,4709,4486,1845,3040,1845,4486,6141,1594,7573,1594,3277,4486,1845,147,4709,147,6141,147,puzzle,0,0,0\n",
        "two swaps: Quiltra - puzzle: meadow.jpg  Size: 6x4=24  Moves: 002  Hints: 000         Time:  0:00:07",
        "a hint placed: Quiltra - puzzle: meadow.jpg  Size: 6x4=24  Moves: 002  Hints: 001         Time:  0:00:07",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,6,4,413,147,413,3040,1845,3040,7573,1594,413,4486,3277,1594,7573,147,3277,3040,6141,4486,413,1594,1845,1594,3277,147,6141,3040,4709,1594,7573,4486,4709,4486,7573,3040,1845,4486,6141,1594,4709,3040,3277,4486,1845,147,4709,147,6141,147,puzzle,2,1,7\n",
        "undo: Quiltra - puzzle: meadow.jpg  Size: 6x4=24  Moves: 002  Hints: 000         Time:  0:00:07",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,6,4,7573,1594,413,3040,1845,3040,413,147,413,4486,3277,1594,7573,147,3277,3040,6141,4486,413,1594,1845,1594,3277,147,6141,3040,4709,1594,7573,4486,4709,4486,7573,3040,1845,4486,6141,1594,4709,3040,3277,4486,1845,147,4709,147,6141,147,puzzle,2,0,7\n",
        "larger: Quiltra - puzzle: meadow.jpg  Size: 6x4=24  Moves: 002  Hints: 000         Time:  0:00:07",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,6,4,7582,1601,382,3055,1822,3055,382,147,382,4509,3262,1601,7582,147,3262,3055,6142,4509,382,1601,1822,1601,3262,147,6142,3055,4702,1601,7582,4509,4702,4509,7582,3055,1822,4509,6142,1601,4702,3055,3262,4509,1822,147,4702,147,6142,147,puzzle,2,0,7\n",
        "undo after +: Quiltra - puzzle: meadow.jpg  Size: 6x4=24  Moves: 001  Hints: 000         Time:  0:00:07",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,6,4,4702,3055,382,3055,1822,3055,382,147,382,4509,3262,1601,7582,147,3262,3055,6142,4509,382,1601,1822,1601,3262,147,6142,3055,4702,1601,7582,4509,4702,4509,7582,3055,1822,4509,6142,1601,7582,1601,3262,4509,1822,147,4702,147,6142,147,puzzle,1,0,7\n",
        "redo and a swap: Quiltra - puzzle: meadow.jpg  Size: 6x4=24  Moves: 003  Hints: 000         Time:  0:00:12",
        "screen size 3: Quiltra - puzzle: meadow.jpg  Size: 6x4=24  Moves: 003  Hints: 000         Time:  0:00:12",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,6,4,12414,2606,239,5065,2674,5065,239,147,239,7524,5109,2606,12414,147,2674,2606,9979,7524,239,2606,5109,5065,5109,147,9979,5065,7544,2606,12414,7524,7544,7524,12414,5065,2674,7524,9979,2606,7544,5065,5109,7524,2674,147,7544,147,9979,147,puzzle,3,0,12\n",
        "two undos after screen size: Quiltra - puzzle: meadow.jpg  Size: 6x4=24  Moves: 001  Hints: 000         Time:  0:00:12",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,6,4,7544,5065,239,5065,2674,5065,239,147,239,7524,5109,2606,12414,147,5109,5065,9979,7524,239,2606,2674,2606,5109,147,9979,5065,7544,2606,12414,7524,7544,7524,12414,5065,2674,7524,9979,2606,12414,2606,5109,7524,2674,147,7544,147,9979,147,puzzle,1,0,12\n",
        "smaller and a keyboard swap: Quiltra - puzzle: meadow.jpg  Size: 6x4=24  Moves: 002  Hints: 000         Time:  0:00:12",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,6,4,7536,5060,240,5060,2672,5060,240,147,240,7516,5104,2604,12400,147,5104,5060,9968,7516,2672,2604,240,2604,5104,147,9968,5060,7536,2604,12400,7516,7536,7516,12400,5060,2672,7516,9968,2604,12400,2604,5104,7516,2672,147,7536,147,9968,147,puzzle,2,0,12\n",
    });
}

TEST(GoldenGame, SliderGameShowsAndSavesWhatItAlwaysHas)
{
    GoldenRig rig;
    Game& g = rig.game;
    g.mnuPict_Click(0);
    rig.chooseSize("5x3=15");
    g.mnuSlide_Click();
    rig.note("deal");
    rig.save();
    for (const int key : {Key::Left, Key::Up, Key::Right, Key::Right, Key::Down})
        rig.press(key);
    rig.tick(11);
    rig.note("five arrows");
    g.mnuHint_Click();
    rig.note("hint");
    rig.save();
    g.undo();
    g.undo();
    rig.note("two undos");
    rig.save();
    g.mnuScreen_Click(4);
    rig.note("screen size 4");
    g.undo();
    rig.note("undo after screen size");
    rig.save();
    g.keyDown(Key::Minus);
    g.keyDown(Key::Minus);
    g.keyUp(Key::Minus);
    g.redo();
    rig.note("smaller and redo");
    rig.save();
    rig.press(Key::Up);
    rig.press(Key::Left);
    rig.note("two more arrows");
    rig.save();

    expectTranscript(rig.transcript, {
        "deal: Quiltra - slider: meadow.jpg  Size: 5x3=15",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,5,3,7278,2081,5566,2081,3854,164,5566,164,2142,164,7278,164,430,164,430,3998,2142,2081,7278,3998,430,2081,2142,3998,3854,3998,5566,3998,3854,2081,slider,0,0,0\n",
        "five arrows: Quiltra - slider: meadow.jpg  Size: 5x3=15  Moves: 005  Hints: 000         Time:  0:00:11",
        "hint: Quiltra - slider: meadow.jpg  Size: 5x3=15  Moves: 005  Hints: 000         Time:  0:00:11",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,5,3,7278,2081,3854,2081,3854,164,5566,164,2142,164,7278,164,430,164,430,3998,2142,3998,7278,3998,430,2081,3854,3998,5566,3998,5566,2081,2142,2081,slider,5,0,11\n",
        "two undos: Quiltra - slider: meadow.jpg  Size: 5x3=15  Moves: 003  Hints: 000         Time:  0:00:11",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,5,3,7278,2081,3854,2081,3854,164,5566,164,2142,164,7278,164,430,164,430,3998,2142,2081,7278,3998,430,2081,2142,3998,5566,3998,5566,2081,3854,3998,slider,3,0,11\n",
        "screen size 4: Quiltra - slider: meadow.jpg  Size: 5x3=15  Moves: 003  Hints: 000         Time:  0:00:11",
        "undo after screen size: Quiltra - slider: meadow.jpg  Size: 5x3=15  Moves: 002  Hints: 000         Time:  0:00:11",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,5,3,13499,3890,6853,3890,6853,164,10176,164,3530,164,13499,164,207,164,207,7616,3530,3890,13499,7616,207,3890,3530,7616,6853,7616,10176,3890,10176,7616,slider,2,0,11\n",
        "smaller and redo: Quiltra - slider: meadow.jpg  Size: 5x3=15  Moves: 003  Hints: 000         Time:  0:00:11",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,5,3,13476,3883,6842,3883,6842,164,10159,164,3525,164,13476,164,208,164,208,7602,3525,3883,13476,7602,208,3883,3525,7602,10159,7602,10159,3883,6842,7602,slider,3,0,11\n",
        "two more arrows: Quiltra - slider: meadow.jpg  Size: 5x3=15  Moves: 004  Hints: 000         Time:  0:00:11",
        "last.txt: <tmp>/Pics/meadow.jpg,meadow.jpg,5,3,13476,3883,6842,3883,6842,164,10159,164,3525,164,13476,164,208,164,208,7602,3525,3883,13476,7602,208,3883,3525,7602,6842,7602,10159,3883,10159,7602,slider,4,0,11\n",
    });
}

} // namespace
} // namespace quiltra
