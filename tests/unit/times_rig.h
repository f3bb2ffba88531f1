// A game window with two listed pictures whose files go to a temporary folder, and the steps
// that play a game to its finish: shared by the tests of the finish and of the files it writes.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/game_parts.h"
#include "game/text_fields.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace quiltra::test {

// A game window with two listed pictures; "init.txt", "last.txt" and "times.txt" go to a
// temporary folder.
struct TimesRig : GameRig {
    TempFolder tmp;
    std::string alpha = tmp / "Pics/alpha.jpg";   // 400 x 300 pixels
    std::string beta = tmp / "Pics/beta.jpg";

    TimesRig()
    {
        program.SettingsFolder = tmp.path();
        tmp.write("Pics/alpha.jpg", "jpeg");
        tmp.write("Pics/beta.jpg", "jpeg");
        for (const std::string& path : {alpha, beta}) {
            pictures.List1.push_back(path);
            pictures.List2.push_back(displayName(path));
        }
        clip.files = {{alpha, 400, 300}, {beta, 400, 300}};
        game.Form_Load();
        GameParts::form(game).introRunning = false;
    }
    void chooseSize(const std::string& size)
    {
        for (int i = 0; i < game.form().SizeCount; ++i)
            if (game.menus().mnuSize()[std::size_t(i)].Caption == size)
                game.mnuSize_Click(i);
        ASSERT_EQ(game.menus().mnuCurSize().Caption, size);
    }
    void newGame(int index, const std::string& size)
    {
        game.mnuPict_Click(index);
        chooseSize(size);
        game.mnuPuz_Click();
    }
    // A swap that leaves the deal unsolved: two pieces away from home.
    void someSwap()
    {
        int a = 1;
        while (pieceOn(a) == a)
            ++a;
        game.image2_Click(pieceOn(a));
        game.image2_Click(pieceOn(a == 1 ? 2 : 1));
    }
    // Swaps every piece home, the last swap `seconds` after the game's first click.
    void solve(double seconds)
    {
        swapAllHome(seconds);
        ASSERT_EQ(game.form().GameState, State::Solved);
    }
    // Two seconds after the finish the whole picture returns.
    void wholePictureReturns()
    {
        clock.advance(3);
        game.Timer1_Timer();
        ASSERT_EQ(game.form().GameState, State::WholePicture);
    }
    bool forgotten() const
    {
        return !game.canUndo() && !game.canRedo() && !game.menus().mnuUndo().Enabled &&
               !game.menus().mnuRedo().Enabled;
    }
};

} // namespace quiltra::test
