// Construction of the game window's state and the helpers its handlers share.
#include "game/game.h"

#include "platform/clock.h"
#include "platform/sound_device.h"

namespace quiltra {

Game::Game(ProgramState& programState, PictureList& pictureList, GameServices gameServices)
    : program(programState), pictures(pictureList), services(std::move(gameServices))
{
    mnuSize.push_back(SizeItem{});
}

double Game::now() const { return services.clock->now(); }

void Game::processEvents() const
{
    if (services.processEvents)
        services.processEvents();
}

std::string Game::soundPath(const char* relative) const { return program.ProgramFolder + relative; }

void Game::prepareMoveSound()
{
    services.sound->command("close");
    services.sound->setFileName(soundPath("/Sound/move.wav"));
    services.sound->setDeviceType("WaveAudio");
    services.sound->command("Open");
}

std::string Game::loadingCaption(const std::string& name) const
{
    return "Quiltra - " + std::string(modeText(program.PlayMode)) + ": " + shortName(name) +
           "  Loading";
}

std::string shortName(const std::string& name)
{
    if (name.size() > 16)
        return name.substr(0, 14) + "..";
    return name;
}

} // namespace quiltra
