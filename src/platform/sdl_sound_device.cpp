// SDL implementation of the wave-audio device: decode at Open, queue the rest of the sound at Play.
#include "platform/sdl_sound_device.h"

#include <algorithm>
#include <cctype>

namespace quiltra {

namespace {

// Commands are matched without regard to case, as the multimedia control does: the game sends
// "Open" and "open", "Prev" and "prev".
bool sameCommand(const std::string& given, const char* name)
{
    std::size_t i = 0;
    for (; i < given.size() && name[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(given[i])) != name[i])
            return false;
    }
    return i == given.size() && name[i] == '\0';
}

// Converts a whole decoded file to the output format in one pass. SDL_AudioCVT is used rather
// than SDL_AudioStream: SDL 2.26's stream resampler hands back only about two thirds of a short
// sound when it doubles the rate (a 70 ms click came out as 47 ms), cutting off its tail.
std::vector<Uint8> convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length,
                           const SDL_AudioSpec& to)
{
    SDL_AudioCVT cvt;
    const int built = SDL_BuildAudioCVT(&cvt, from.format, from.channels, from.freq,
                                        to.format, to.channels, to.freq);
    if (built < 0)
        return {};
    if (built == 0)
        return std::vector<Uint8>(data, data + length);
    std::vector<Uint8> out(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
    std::copy(data, data + length, out.begin());
    cvt.buf = out.data();
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) != 0)
        return {};
    out.resize(static_cast<std::size_t>(cvt.len_cvt));
    return out;
}

} // namespace

SdlSoundDevice::~SdlSoundDevice()
{
    if (device_ != 0)
        SDL_CloseAudioDevice(device_);
    if (audio_ == AudioState::Ready)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundDevice::setFileName(const std::string& path)
{
    fileName_ = path;
}

void SdlSoundDevice::setDeviceType(const std::string& type)
{
    deviceType_ = type;
}

void SdlSoundDevice::command(const std::string& cmd)
{
    if (sameCommand(cmd, "open"))
        open();
    else if (sameCommand(cmd, "close"))
        close();
    else if (sameCommand(cmd, "prev"))
        rewind();
    else if (sameCommand(cmd, "play"))
        play();
}

// Opens the audio subsystem and one output device, once. The device runs unpaused from here
// on: with an empty queue SDL feeds it silence, so a queued sound always plays out to its last
// sample and the next one starts without the stream having to start up again.
bool SdlSoundDevice::ensureDevice()
{
    if (audio_ != AudioState::NotTried)
        return audio_ == AudioState::Ready;
    audio_ = AudioState::Failed;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;

    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    // About 23 ms per period: short enough that a move sounds with its click, long enough
    // that the audio thread does not wake more often than it must.
    want.samples = 1024;
    want.callback = nullptr; // queued audio
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    frameBytes_ = static_cast<std::size_t>(SDL_AUDIO_BITSIZE(spec_.format) / 8) * spec_.channels;
    SDL_PauseAudioDevice(device_, 0);
    audio_ = AudioState::Ready;
    return true;
}

// The device holds one file: opening replaces whatever was open. A file that is missing or
// not a wave file leaves nothing open, and the later "Play" commands are silent.
void SdlSoundDevice::open()
{
    close();
    if (!ensureDevice())
        return;
    SDL_AudioSpec fileSpec{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(fileName_.c_str(), &fileSpec, &data, &length) == nullptr)
        return;
    samples_ = convert(fileSpec, data, length, spec_);
    SDL_FreeWAV(data);
    samples_.resize(samples_.size() - samples_.size() % frameBytes_);
    position_ = 0;
}

void SdlSoundDevice::close()
{
    if (queued_)
        SDL_ClearQueuedAudio(device_);
    queued_ = false;
    samples_.clear();
    samples_.shrink_to_fit();
    position_ = 0;
}

// Rewinding stops a sound that is still playing, as a seek does on the multimedia control;
// the "Play" that follows starts it again from the beginning.
void SdlSoundDevice::rewind()
{
    if (queued_)
        SDL_ClearQueuedAudio(device_);
    queued_ = false;
    position_ = 0;
}

// Plays from the current position to the end. The queue is cleared first, so a sound still
// playing is replaced rather than followed by a second copy; the whole remainder goes into
// the queue at once, which SDL's own thread drains to the device.
void SdlSoundDevice::play()
{
    if (samples_.empty())
        return;
    const std::size_t from = currentPosition();
    SDL_ClearQueuedAudio(device_);
    queued_ = false;
    position_ = from;
    if (from >= samples_.size())
        return;
    if (SDL_QueueAudio(device_, samples_.data() + from, static_cast<Uint32>(samples_.size() - from)) == 0)
        queued_ = true;
}

// While a play is queued the position follows the playback: what is left in SDL's queue is
// what has not been played yet. Once the queue runs dry the position stays at the end until
// "Prev" or a new "Open".
std::size_t SdlSoundDevice::currentPosition() const
{
    if (!queued_)
        return position_;
    const std::size_t left = std::min<std::size_t>(SDL_GetQueuedAudioSize(device_),
                                                   samples_.size() - position_);
    const std::size_t played = samples_.size() - position_ - left;
    return position_ + played - played % frameBytes_;
}

} // namespace quiltra
