// SDL2's audio functions, loaded from the SDL2 library the first time the game opens a sound.
#include "platform/sdl_audio_library.h"

#include <QLibrary>

namespace quiltra {

namespace {

template <typename Function>
bool resolve(QLibrary& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

// ALSA's own error reports (a missing card, an unknown "default" device) go to standard error,
// where a player can do nothing with them: SDL tries ALSA on every machine without a sound
// server and simply moves on when it fails. Its library is shared, so setting its report handler
// here silences the copy SDL opens too; the library stays loaded with the handler for the run.
void muteAlsaReports(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsa()
{
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetErrorHandler = int (*)(ErrorHandler);
    static QLibrary alsa;
    alsa.setFileNameAndVersion(QStringLiteral("asound"), 2);
    if (!alsa.load())
        return;
    if (const auto set = reinterpret_cast<SetErrorHandler>(alsa.resolve("snd_lib_error_set_handler")))
        set(muteAlsaReports);
}

SdlAudioApi* load()
{
    silenceAlsa();
    // The library's run-time name: libSDL2-2.0.so.0 on Linux; "SDL2" elsewhere.
    static QLibrary library;
    library.setFileNameAndVersion(QStringLiteral("SDL2-2.0"), 0);
    if (!library.load()) {
        library.setFileName(QStringLiteral("SDL2"));
        if (!library.load())
            return nullptr;
    }
    static SdlAudioApi api;
    const bool all = resolve(library, "SDL_SetHint", api.SetHint) &&
                     resolve(library, "SDL_InitSubSystem", api.InitSubSystem) &&
                     resolve(library, "SDL_QuitSubSystem", api.QuitSubSystem) &&
                     resolve(library, "SDL_OpenAudioDevice", api.OpenAudioDevice) &&
                     resolve(library, "SDL_CloseAudioDevice", api.CloseAudioDevice) &&
                     resolve(library, "SDL_PauseAudioDevice", api.PauseAudioDevice) &&
                     resolve(library, "SDL_RWFromFile", api.RWFromFile) &&
                     resolve(library, "SDL_LoadWAV_RW", api.LoadWAV_RW) &&
                     resolve(library, "SDL_FreeWAV", api.FreeWAV) &&
                     resolve(library, "SDL_BuildAudioCVT", api.BuildAudioCVT) &&
                     resolve(library, "SDL_ConvertAudio", api.ConvertAudio) &&
                     resolve(library, "SDL_QueueAudio", api.QueueAudio) &&
                     resolve(library, "SDL_ClearQueuedAudio", api.ClearQueuedAudio) &&
                     resolve(library, "SDL_GetQueuedAudioSize", api.GetQueuedAudioSize);
    return all ? &api : nullptr;
}

} // namespace

const SdlAudioApi* sdlAudio()
{
    static const SdlAudioApi* const api = load();
    return api;
}

} // namespace quiltra
