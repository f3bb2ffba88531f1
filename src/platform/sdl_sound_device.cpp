// SDL implementation of the wave-audio device: decode at Open, queue the rest of the sound at Play,
// close the output device when sounds have finished.
#include "platform/sdl_sound_device.h"

#include "platform/sdl_audio_library.h"

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
std::vector<Uint8> convert(const SdlAudioApi& sdl, const SDL_AudioSpec& from, const Uint8* data,
                           Uint32 length, const SDL_AudioSpec& to)
{
    SDL_AudioCVT cvt;
    const int built = sdl.BuildAudioCVT(&cvt, from.format, from.channels, from.freq,
                                        to.format, to.channels, to.freq);
    if (built < 0)
        return {};
    if (built == 0)
        return std::vector<Uint8>(data, data + length);
    std::vector<Uint8> out(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
    std::copy(data, data + length, out.begin());
    cvt.buf = out.data();
    cvt.len = static_cast<int>(length);
    if (sdl.ConvertAudio(&cvt) != 0)
        return {};
    out.resize(static_cast<std::size_t>(cvt.len_cvt));
    return out;
}

} // namespace

SdlSoundDevice::~SdlSoundDevice()
{
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    wake_.notify_all();
    if (closer_.joinable())
        closer_.join();
    if (device_ != 0)
        sdl_->CloseAudioDevice(device_);
    if (audio_ == AudioState::Ready)
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
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
    std::lock_guard lock(mutex_);
    if (sameCommand(cmd, "open"))
        open();
    else if (sameCommand(cmd, "close"))
        close();
    else if (sameCommand(cmd, "prev"))
        rewind();
    else if (sameCommand(cmd, "play"))
        play();
}

bool SdlSoundDevice::deviceOpen()
{
    std::lock_guard lock(mutex_);
    return device_ != 0;
}

// Starts the audio subsystem once and learns the output format from a first opening of the
// device, which then closes like any other when nothing plays. SDL must leave SIGINT and SIGTERM
// alone: its handlers would turn them into events nobody reads, and the program could no longer
// be ended by them.
bool SdlSoundDevice::ensureAudio()
{
    if (audio_ != AudioState::NotTried)
        return audio_ == AudioState::Ready;
    audio_ = AudioState::Failed;
    sdl_ = sdlAudio();
    if (!sdl_)
        return false;
    sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl_->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    spec_.freq = 44100;
    spec_.format = AUDIO_S16SYS;
    spec_.channels = 2;
    // About 23 ms per period: short enough that a move sounds with its click, long enough
    // that the audio thread does not wake more often than it must.
    spec_.samples = 1024;
    spec_.callback = nullptr; // queued audio
    SDL_AudioSpec obtained{};
    device_ = sdl_->OpenAudioDevice(nullptr, 0, &spec_, &obtained,
                                    SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ == 0) {
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    spec_ = obtained;
    frameBytes_ = static_cast<std::size_t>(SDL_AUDIO_BITSIZE(spec_.format) / 8) * spec_.channels;
    sdl_->PauseAudioDevice(device_, 0);
    audio_ = AudioState::Ready;
    closer_ = std::thread([this] { closeWhenIdle(); });
    scheduleClose(0);
    return true;
}

// Opens the output device again in exactly the format the sounds were converted to (SDL converts
// should the hardware now differ). It runs unpaused: with an empty queue SDL feeds it silence, so
// a queued sound always plays out to its last sample. A device that cannot be opened any more
// leaves the game silent from then on.
bool SdlSoundDevice::openDevice()
{
    if (device_ != 0)
        return true;
    SDL_AudioSpec obtained{};
    device_ = sdl_->OpenAudioDevice(nullptr, 0, &spec_, &obtained, 0);
    if (device_ == 0) {
        audio_ = AudioState::Failed;
        samples_.clear();
        return false;
    }
    sdl_->PauseAudioDevice(device_, 0);
    return true;
}

// The device may close once what is queued has played and the grace period has passed.
void SdlSoundDevice::scheduleClose(std::size_t queuedBytes)
{
    const auto bytesPerSecond =
        static_cast<std::size_t>(spec_.freq) * std::max<std::size_t>(frameBytes_, 1);
    closeAt_ = Clock::now() + std::chrono::milliseconds(1000 * queuedBytes / bytesPerSecond) +
               kCloseGrace;
    wake_.notify_all();
}

// The closer thread. It sleeps until the moment set by scheduleClose; a queue that still holds
// sound then moves that moment on. Closing waits for SDL's audio thread to end (about 50 ms); it
// happens under the lock, so SDL never opens and closes devices at the same time, and a "Play"
// in those milliseconds waits for it.
void SdlSoundDevice::closeWhenIdle()
{
    std::unique_lock lock(mutex_);
    while (!quitting_) {
        if (!closeAt_) {
            wake_.wait(lock);
            continue;
        }
        const Clock::time_point deadline = *closeAt_;
        if (wake_.wait_until(lock, deadline) != std::cv_status::timeout || quitting_ || !closeAt_ ||
            Clock::now() < *closeAt_)
            continue;
        closeAt_.reset();
        if (device_ == 0)
            continue;
        if (const Uint32 left = sdl_->GetQueuedAudioSize(device_); left > 0) {
            scheduleClose(left);
            continue;
        }
        // The queue is empty, so the last play has been handed to the device whole.
        position_ = currentPosition();
        queued_ = false;
        sdl_->CloseAudioDevice(device_);
        device_ = 0;
    }
}

// The device holds one file: opening replaces whatever was open. A file that is missing or
// not a wave file leaves nothing open, and the later "Play" commands are silent.
void SdlSoundDevice::open()
{
    close();
    if (!ensureAudio())
        return;
    SDL_AudioSpec fileSpec{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (sdl_->LoadWAV_RW(sdl_->RWFromFile(fileName_.c_str(), "rb"), 1, &fileSpec, &data, &length) == nullptr)
        return;
    samples_ = convert(*sdl_, fileSpec, data, length, spec_);
    sdl_->FreeWAV(data);
    samples_.resize(samples_.size() - samples_.size() % frameBytes_);
    position_ = 0;
}

void SdlSoundDevice::close()
{
    if (queued_ && device_ != 0)
        sdl_->ClearQueuedAudio(device_);
    queued_ = false;
    samples_.clear();
    samples_.shrink_to_fit();
    position_ = 0;
}

// Rewinding stops a sound that is still playing, as a seek does on the multimedia control;
// the "Play" that follows starts it again from the beginning.
void SdlSoundDevice::rewind()
{
    if (queued_ && device_ != 0)
        sdl_->ClearQueuedAudio(device_);
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
    if (device_ != 0)
        sdl_->ClearQueuedAudio(device_);
    queued_ = false;
    position_ = from;
    if (from >= samples_.size() || !openDevice())
        return;
    const std::size_t bytes = samples_.size() - from;
    if (sdl_->QueueAudio(device_, samples_.data() + from, static_cast<Uint32>(bytes)) == 0)
        queued_ = true;
    scheduleClose(bytes);
}

// While a play is queued the position follows the playback: what is left in SDL's queue is
// what has not been played yet. Once the queue runs dry the position stays at the end until
// "Prev" or a new "Open".
std::size_t SdlSoundDevice::currentPosition() const
{
    if (!queued_ || device_ == 0)
        return position_;
    const std::size_t left = std::min<std::size_t>(sdl_->GetQueuedAudioSize(device_),
                                                   samples_.size() - position_);
    const std::size_t played = samples_.size() - position_ - left;
    return position_ + played - played % frameBytes_;
}

} // namespace quiltra
