// SDL2's audio functions, loaded from the SDL2 library the first time the game opens a sound.
#pragma once

#include <SDL.h>

namespace quiltra {

// Linked at build time, SDL2 and the thirty-odd libraries it pulls in (sound-server clients,
// codecs, Wayland and X extensions) were mapped and relocated before the first window could
// show, a tenth of the start-up time. Loaded on first use they cost nothing until the intro sound.
struct SdlAudioApi {
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&SDL_RWFromFile) RWFromFile = nullptr;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT = nullptr;
    decltype(&SDL_ConvertAudio) ConvertAudio = nullptr;
    decltype(&SDL_QueueAudio) QueueAudio = nullptr;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio = nullptr;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize = nullptr;
};

// The functions, loaded on the first call and kept for the whole run; nullptr when the SDL2
// library or one of the functions cannot be found, which leaves the game silent.
const SdlAudioApi* sdlAudio();

} // namespace quiltra
