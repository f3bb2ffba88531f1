// The wave-audio device: read at Open, written to the output stream by a player thread at Play.
#include "platform/system_sound_device.h"

#include "platform/audio_output.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

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

// Each write hands the stream this much sound: a flush waits at most this long for a write in
// progress, and the player wakes this often while a sound plays.
constexpr std::chrono::milliseconds kChunkTime{10};

} // namespace

SystemSoundDevice::~SystemSoundDevice()
{
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    wake_.notify_all();
    if (player_.joinable())
        player_.join();
}

void SystemSoundDevice::setFileName(const std::string& path)
{
    fileName_ = path;
}

void SystemSoundDevice::setDeviceType(const std::string& type)
{
    deviceType_ = type;
}

void SystemSoundDevice::command(const std::string& cmd)
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

bool SystemSoundDevice::deviceOpen()
{
    std::lock_guard lock(mutex_);
    return streamOpen_;
}

// Stops a sound that is still playing, dropping what the stream holds of it. Called under the lock.
void SystemSoundDevice::stopPlaying()
{
    playing_ = false;
    if (streamOpen_) {
        flush_ = true;
        wake_.notify_all();
    }
}

// The device holds one file: opening replaces whatever was open. A file that is missing or not a
// wave file this device can play leaves nothing open, and the later "Play" commands are silent.
// The file is read before the lock is taken, so the player never waits for the disk.
void SystemSoundDevice::open()
{
    std::optional<WaveSound> read = readWaveFile(fileName_);
    std::shared_ptr<const WaveSound> sound;
    if (read)
        sound = std::make_shared<const WaveSound>(std::move(*read));
    std::lock_guard lock(mutex_);
    stopPlaying();
    sound_ = std::move(sound);
    position_ = 0;
}

void SystemSoundDevice::close()
{
    std::lock_guard lock(mutex_);
    stopPlaying();
    sound_.reset();
    position_ = 0;
}

// Rewinding stops a sound that is still playing, as a seek does on the multimedia control;
// the "Play" that follows starts it again from the beginning.
void SystemSoundDevice::rewind()
{
    std::lock_guard lock(mutex_);
    stopPlaying();
    position_ = 0;
}

// Plays from the current position to the end. A sound already playing plays on: it is already
// going to its end. At the end, "Play" is silent until "Prev" or a new "Open".
void SystemSoundDevice::play()
{
    std::lock_guard lock(mutex_);
    if (!sound_ || position_ >= sound_->samples.size() || playing_)
        return;
    playing_ = true;
    if (!player_.joinable()) {
        const AudioOutputChoice choice = audioOutputChoice(std::getenv("QUILTRA_AUDIO"));
        if (choice == AudioOutputChoice::None) {
            playing_ = false;
            return;
        }
        player_ = std::thread([this, choice] { run(choice); });
    }
    wake_.notify_all();
}

// The player thread. It owns the output and the stream; it takes the lock only to read and
// update the requests, never while it waits for the audio system, so commands never wait for it.
void SystemSoundDevice::run(AudioOutputChoice choice)
{
    AudioOutput output(choice);
    std::unique_ptr<AudioStream> stream;
    std::size_t playBytes = 0;   // written since the current play started
    Clock::time_point closeAt;

    std::unique_lock lock(mutex_);
    // Closes the stream with the lock released: closing waits for the audio system.
    const auto closeStream = [&] {
        lock.unlock();
        stream.reset();
        lock.lock();
        streamOpen_ = false;
    };

    while (!quitting_) {
        if (flush_) {
            flush_ = false;
            playBytes = 0;
            closeAt = Clock::now() + kCloseGrace;
            if (stream) {
                lock.unlock();
                stream->flush();
                lock.lock();
            }
            continue;
        }
        if (playing_) {
            const std::shared_ptr<const WaveSound> sound = sound_;
            if (!sound || position_ >= sound->samples.size()) {
                playing_ = false;
                if (stream && playBytes > 0) {
                    lock.unlock();
                    stream->finish(playBytes);
                    lock.lock();
                }
                playBytes = 0;
                closeAt = Clock::now() + kStreamBufferTime + kCloseGrace;
                continue;
            }
            const SoundFormat& format = *sound;
            if (!stream || stream->format() != format) {
                // The stream opens in the sound's own format; one in another format is closed first.
                lock.unlock();
                stream.reset();
                stream = output.open(format);
                lock.lock();
                streamOpen_ = stream != nullptr;
                closeAt = Clock::now() + kCloseGrace;
                if (!stream)
                    playing_ = false;
                continue;
            }
            const std::size_t chunk = bytesFor(format, kChunkTime);
            const std::size_t from = position_;
            const std::size_t bytes = std::min(chunk, sound->samples.size() - from);
            position_ += bytes;
            playBytes += bytes;
            lock.unlock();
            const bool written = stream->write(sound->samples.data() + from, bytes);
            lock.lock();
            if (!written) {
                playing_ = false;
                closeStream();
            }
            continue;
        }
        if (!stream) {
            wake_.wait(lock);
            continue;
        }
        if (wake_.wait_until(lock, closeAt) == std::cv_status::timeout && !playing_ && !flush_ &&
            Clock::now() >= closeAt)
            closeStream();
    }
    lock.unlock();
    stream.reset();
}

} // namespace quiltra
