// The wave-audio device played through the system's sound server (or ALSA), open only while sounds play.
#pragma once

#include "platform/audio_output.h"
#include "platform/sound_device.h"
#include "platform/wave_file.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace quiltra {

// Holds at most one sound, read at "Open" and kept in the file's own format: the sound server
// converts it. "Prev" and "Play" only move a position and wake the player thread, so no command
// waits for the audio system.
//
// The player thread is started by the first "Play" and does all output: it opens a stream
// when a play needs one (loading the sound library then, so that a game with sound effects off
// loads none), writes the sound in short chunks, drops what the stream still holds when "Prev",
// "Open" or "close" interrupts a sound, and closes the stream kCloseGrace after the last sound
// has finished, so that quick successive moves find it open and an idle game holds no stream and
// wakes nothing. While nothing is due it sleeps without a deadline. If no output can be had, the
// game is silent: never a message, never a retry that a move would wait for.
class SystemSoundDevice final : public SoundDevice {
public:
    // How long the stream stays open after a sound has finished, waiting for the next one.
    static constexpr std::chrono::milliseconds kCloseGrace{2000};

    SystemSoundDevice() = default;
    ~SystemSoundDevice() override;
    SystemSoundDevice(const SystemSoundDevice&) = delete;
    SystemSoundDevice& operator=(const SystemSoundDevice&) = delete;

    void setFileName(const std::string& path) override;
    void setDeviceType(const std::string& type) override;
    void command(const std::string& cmd) override;

    // The stored DeviceType; the game always sets "WaveAudio".
    const std::string& deviceType() const { return deviceType_; }
    // Whether an output stream is open now (it closes itself when sounds have finished).
    bool deviceOpen();

private:
    using Clock = std::chrono::steady_clock;

    void open();
    void close();
    void rewind();
    void play();
    void stopPlaying();
    void run(AudioOutputChoice choice);

    std::string fileName_;
    std::string deviceType_;

    // Every member below is guarded by mutex_. The sound is shared with the player thread, which
    // may still be writing from a sound that "Open" has just replaced.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<const WaveSound> sound_;   // empty when nothing is open
    // Byte offset at which the next play starts; while playing, how far the player has written.
    std::size_t position_ = 0;
    bool playing_ = false;    // the player is to write sound_ from position_ to its end
    bool flush_ = false;      // the player is to drop what the stream holds
    bool streamOpen_ = false;
    bool quitting_ = false;
    std::thread player_;      // started by the first "Play"
};

} // namespace quiltra
