// The wave-audio device played through one SDL output device that stays open for the whole run.
#pragma once

#include "platform/sound_device.h"

#include <SDL.h>

#include <cstddef>
#include <string>
#include <vector>

namespace quiltra {

// Holds at most one sound, decoded once at "Open" and converted to the output device's format,
// so that "Prev" and "Play" only move a position and refill SDL's queue. The audio subsystem
// and the output device are opened on the first "Open" and kept until destruction; if either
// cannot be opened, every later command is silently ignored (no retry, so a broken audio
// set-up never slows a move down). Nothing here waits for a sound or runs a thread of its own.
class SdlSoundDevice final : public SoundDevice {
public:
    SdlSoundDevice() = default;
    ~SdlSoundDevice() override;
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    void setFileName(const std::string& path) override;
    void setDeviceType(const std::string& type) override;
    void command(const std::string& cmd) override;

    // The stored DeviceType; the game always sets "WaveAudio".
    const std::string& deviceType() const { return deviceType_; }

private:
    bool ensureDevice();
    void open();
    void close();
    void rewind();
    void play();
    std::size_t currentPosition() const;

    std::string fileName_;
    std::string deviceType_;

    enum class AudioState { NotTried, Ready, Failed };
    AudioState audio_ = AudioState::NotTried;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    std::size_t frameBytes_ = 0;

    // The open sound in the device's format; empty when nothing is open.
    std::vector<Uint8> samples_;
    // Byte offset at which the next "Play" starts, while no play is queued.
    std::size_t position_ = 0;
    // True while the queue holds samples_[position_, end) from the last "Play".
    bool queued_ = false;
};

} // namespace quiltra
