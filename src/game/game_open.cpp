// The game's side of the Open Picture window: the steps that end every open attempt and the
// Open button's own last steps.
#include "game/game.h"
#include "game/play_support.h"
#include "game/shown_text.h"
#include "platform/sound_device.h"
#include "platform/translation.h"

namespace quiltra {

// The move count restarts and the whole picture shows, also when the picture chosen is the one
// already in play. The caption has a single blank before "Size:". Without any picture in play
// (an empty list at the end of the intro) there is no picture to show and the caption stays.
void Game::finishOpenAttempt()
{
    counters_.resetMoves();
    if (menus_.items_.mnuCurrent.Caption.empty())
        return;
    showWholePicture(*this);
    setCaption(titlePrefix(program.PlayMode) + menus_.items_.mnuCurrent.Caption + " " +
               translate("Game", "Size:") + " " + menus_.items_.mnuCurSize.Caption);
}

// After the Open button, whether or not a picture was opened: the View command offers the
// puzzle, and the sound device is opened on the tone file without playing it.
void Game::openButtonDone()
{
    menus_.offerPuzzleView();
    runCue(*services.sound, {.close = true, .open = SoundEffect::Tone});
}

} // namespace quiltra
