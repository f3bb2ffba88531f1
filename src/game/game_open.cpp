// The game's side of the Open Picture window: which pictures it may open, taking an opened
// picture into play, and the steps that end every open attempt.
#include "game/game.h"
#include "game/play_support.h"
#include "game/sizes.h"
#include "platform/sound_device.h"

namespace quiltra {

// A picture is opened only when it passes the validity rule on its natural size and, fitted into
// the game area as it is now, offers at least one size: a picture that passes the rule but could
// form no grid (101 x 101 pixels gives a largest grid of 2 x 2) is refused with the same message.
bool Game::openablePicture(int pixelWidth, int pixelHeight) const
{
    const Single w = Single(pixelWidth) * Single(kTwipsPerPixel);
    const Single h = Single(pixelHeight) * Single(kTwipsPerPixel);
    return pictureLargeEnough(w, h) &&
           formsAnySize(w, h, Picture2.Width, Picture2.Height, board.PieceGap);
}

// PicClip1 already holds the picture. A new picture ends the game in progress as one chosen from
// the Picture menu does, so no Hint, Save or running clock carries over to a board without a
// game.
void Game::takeOpenedPicture(const std::string& name, const std::string& folder)
{
    mnuCurrent.Caption = name;
    ++pictureGeneration;
    pic_handler();
    Find_Size();
    Set_Size();
    Divide_Pic();
    ResetBoard();
    mnuHint.Enabled = false;

    mnuNew.Enabled = true;
    mnuV.Enabled = true;
    mnus.Enabled = true;
    mnuAddCur.Enabled = true;

    // Paths use "/"; a folder that already ends with one (the root) gets no second one.
    program.CurrentPictureFolder =
        (!folder.empty() && folder.back() == '/') ? folder : folder + "/";
    program.CurrentPicturePath = program.CurrentPictureFolder + name;
}

// The move count restarts and the whole picture shows, also when the picture chosen is the one
// already in play. The caption has a single blank before "Size:". Without any picture in play
// (an empty list at the end of the intro) there is no picture to show and the caption stays.
void Game::finishOpenAttempt()
{
    MoveCount = 0;
    if (mnuCurrent.Caption.empty())
        return;
    showWholePicture(*this);
    Caption = "Quiltra - " + std::string(modeText(program.PlayMode)) + ": " + mnuCurrent.Caption +
              " Size: " + mnuCurSize.Caption;
}

// After the Open button, whether or not a picture was opened: the View command offers the
// puzzle, and the sound device is opened on the tone file without playing it.
void Game::openButtonDone()
{
    mnuView.Caption = "Puzzle";
    services.sound->command("close");
    services.sound->setFileName(soundPath("/Sound/Temp/tone1.wav"));
    services.sound->setDeviceType("WaveAudio");
    services.sound->command("Open");
}

} // namespace quiltra
