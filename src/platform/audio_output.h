// Playback streams on the PulseAudio server or the ALSA device, through libraries loaded at first use.
#pragma once

#include "platform/wave_file.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace quiltra {

// One open playback stream, used from one thread at a time. Destroying it closes it, dropping
// whatever has not played yet.
class AudioStream {
public:
    virtual ~AudioStream() = default;
    virtual const SoundFormat& format() const = 0;
    // Hands whole frames to the stream, waiting while its buffer is full; false when the stream
    // has failed (the server went away) and should be closed.
    virtual bool write(const unsigned char* data, std::size_t bytes) = 0;
    // Drops what has been written and not yet played.
    virtual void flush() = 0;
    // Called after the last bytes of a play, `playBytes` in all: a sound shorter than what the
    // stream waits for before it starts must still be heard.
    virtual void finish(std::size_t playBytes) = 0;
};

// The bytes of whole frames that play for `time` in `format`, at least one frame.
std::size_t bytesFor(const SoundFormat& format, std::chrono::milliseconds time);

// Which output the environment variable QUILTRA_AUDIO asks for: "none" plays nothing, "pulse" and
// "alsa" only that one; unset (or anything else) tries PulseAudio, then ALSA.
enum class AudioOutputChoice { Any, Pulse, Alsa, None };
AudioOutputChoice audioOutputChoice(const char* environmentValue);

// How much sound a stream holds ahead of the speaker: short, so that a move's click sounds with
// the move, and a flush silences a sound at once.
inline constexpr std::chrono::milliseconds kStreamBufferTime{50};

// Opens streams on the chosen output. The first output that opens a stream is kept for the
// run; if none could open the first stream, the sound stays off for the run (no library loaded
// again, no server asked again).
class AudioOutput {
public:
    explicit AudioOutput(AudioOutputChoice choice) : choice_(choice) {}
    // A stream in `format`, or nullptr; never writes to the terminal.
    std::unique_ptr<AudioStream> open(const SoundFormat& format);

private:
    AudioOutputChoice choice_;
    bool tried_ = false;
};

} // namespace quiltra
