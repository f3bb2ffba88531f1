// The wave-audio device played through one SDL output device, open only while sounds play.
#pragma once

#include "platform/sound_device.h"

#include <SDL.h>

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quiltra {

struct SdlAudioApi;

// Holds at most one sound, decoded once at "Open" and converted to the output device's format,
// so that "Prev" and "Play" only move a position and refill SDL's queue. SDL2 is loaded and its
// audio subsystem started on the first "Open"; if SDL2, the subsystem or the output device cannot
// be had, every later command is silently ignored (no retry, so a broken audio set-up never
// slows a move down).
//
// An open SDL output device keeps SDL's audio thread waking every period (about 23 ms) even when
// nothing plays, so the device is open only around sounds: "Play" opens it when it is closed,
// and a closer thread of its own closes it once the queue has run dry and kCloseGrace has passed
// with nothing new queued. Quick successive moves therefore find it open, and an idle game wakes
// nothing. The closer sleeps without a deadline while the device is closed.
class SdlSoundDevice final : public SoundDevice {
public:
    // How long the device stays open after a sound has finished, waiting for the next one.
    static constexpr std::chrono::milliseconds kCloseGrace{2000};

    SdlSoundDevice() = default;
    ~SdlSoundDevice() override;
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    void setFileName(const std::string& path) override;
    void setDeviceType(const std::string& type) override;
    void command(const std::string& cmd) override;

    // The stored DeviceType; the game always sets "WaveAudio".
    const std::string& deviceType() const { return deviceType_; }
    // Whether the output device is open now (it closes itself when sounds have finished).
    bool deviceOpen();

private:
    using Clock = std::chrono::steady_clock;

    bool ensureAudio();
    bool openDevice();
    void open();
    void close();
    void rewind();
    void play();
    std::size_t currentPosition() const;
    void scheduleClose(std::size_t queuedBytes);
    void closeWhenIdle();

    std::string fileName_;
    std::string deviceType_;

    const SdlAudioApi* sdl_ = nullptr;   // SDL2, loaded with the first "Open"

    enum class AudioState { NotTried, Ready, Failed };
    AudioState audio_ = AudioState::NotTried;
    SDL_AudioDeviceID device_ = 0;   // 0 while the output device is closed
    SDL_AudioSpec spec_{};           // the format the sounds are converted to
    std::size_t frameBytes_ = 0;

    // The open sound in the device's format; empty when nothing is open.
    std::vector<Uint8> samples_;
    // Byte offset at which the next "Play" starts, while no play is queued.
    std::size_t position_ = 0;
    // True while the queue holds samples_[position_, end) from the last "Play".
    bool queued_ = false;

    // Every member above is guarded by mutex_: the closer thread reads the queue and closes the
    // device under it.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Clock::time_point> closeAt_;   // when the open device may close
    bool quitting_ = false;
    std::thread closer_;
};

} // namespace quiltra
