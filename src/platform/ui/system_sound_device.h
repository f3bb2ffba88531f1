// The wave-audio device played through libcanberra: PulseAudio where a server answers, else ALSA.
#pragma once

#include "platform/sound_device.h"

#include <cstdint>
#include <memory>
#include <string>

class QThreadPool;

namespace quiltra {

// The commands decide on the calling thread what is to be heard: the open file, and whether it
// has played since it was opened or rewound. What reaches libcanberra (which connects to the sound
// server, opens a stream per play and plays the file on its own threads) runs in order on the one
// thread of a private thread pool, so that no command waits for the audio system, not even for a
// server that has stopped answering. The library opens its output at the first play: a game with
// sound effects off connects to nothing. The first output that opens is kept for the run; if none
// opens, the game is silent for the run, without a message and without asking again.
//
// The environment variable QUILTRA_AUDIO chooses the output: "none" plays nothing, "pulse" or
// "alsa" only that one; unset (or anything else) tries PulseAudio, then ALSA.
class SystemSoundDevice final : public SoundDevice {
public:
    // Sounds are the effects' files under `programFolder` (the OS's bytes).
    explicit SystemSoundDevice(std::string programFolder);
    // Stops what still plays. Waits a moment at most for the worker: a sound server that has
    // stopped answering does not keep the game from ending.
    ~SystemSoundDevice() override;
    SystemSoundDevice(const SystemSoundDevice&) = delete;
    SystemSoundDevice& operator=(const SystemSoundDevice&) = delete;

    void open(SoundEffect effect) override;
    void close() override;
    void rewind() override;
    void play() override;

private:
    struct Output;   // the library's side, touched only by the worker

    void stopPlaying();

    const std::string programFolder_;
    std::string file_;   // empty when nothing is open
    bool played_ = false;
    std::uint32_t playId_ = 0;
    std::shared_ptr<Output> output_;   // null when QUILTRA_AUDIO is "none"
    std::unique_ptr<QThreadPool> worker_;
};

} // namespace quiltra
