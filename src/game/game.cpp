// Construction of the game window's state and the helpers its handlers share.
#include "game/game.h"

#include <cmath>

#include "game/shown_text.h"
#include "platform/clock.h"
#include "platform/sound_device.h"
#include "platform/translation.h"

namespace quiltra {

Game::Game(ProgramState& programState, PictureList& pictureList, GameServices gameServices)
    : GameHost{programState, pictureList, std::move(gameServices)}
{
}

void Game::setCaption(std::string caption)
{
    if (caption == Caption)
        return;
    Caption = std::move(caption);
    changed(GameChange::Caption);
}

void Game::showPictureList() { menus_.showPictures(pictures.List2); }

void Game::applyPreferences(const StoredPreferences& stored)
{
    // A switch is on only when its value is 1. With sound effects off the three sound items are
    // disabled but keep their own check marks.
    const auto on = [](std::int16_t value) { return value == 1; };
    menus_.items_.SndInt.Checked = on(stored.IntroSound);
    menus_.items_.SndMv.Checked = on(stored.MoveSound);
    menus_.items_.SndEnd.Checked = on(stored.EndSound);
    menus_.items_.mnuSv.Checked = on(stored.SaveOnExit);
    menus_.setSoundEffects(on(stored.SoundEffects));
    program.SelectionColor = stored.SelectionColor;
    program.HintColor = stored.HintColor;
    BackColor = static_cast<std::uint32_t>(std::nearbyint(stored.BackColor));
}

double Game::now() const { return services.clock->now(); }

void Game::processEvents() const
{
    if (services.processEvents)
        services.processEvents();
}

void Game::prepareMoveSound()
{
    runCue(*services.sound, {.close = true, .open = SoundEffect::Move});
}

std::string Game::loadingCaption(const std::string& name) const
{
    return titlePrefix(program.PlayMode) + shortName(name) + "  " + translate("Game", "Loading");
}

} // namespace quiltra
