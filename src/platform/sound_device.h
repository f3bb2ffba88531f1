// The wave-audio device (MMControl1) and the sound effects the game plays on it.
#pragma once

#include <optional>
#include <string>

namespace quiltra {

// The game's sound effects: the intro, a move, a solved picture, and the tone the Open button
// leaves open for the moves that follow it.
enum class SoundEffect { Intro, Move, Finish, Tone };

// The effect's file: the program folder followed by "/Sound/intro.wav", "/Sound/move.wav",
// "/Sound/finish.wav" or "/Sound/Temp/tone1.wav".
std::string soundFile(const std::string& programFolder, SoundEffect effect);

// One device holding at most one open sound, driven by the game's commands in the order the
// occasions need (close, Open, Prev, Play). No command reports its outcome: a missing file or a
// missing audio device leaves the game silent, and no command waits for the audio system.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // "Open": the effect's sound becomes the one the device holds, ready to play from its start;
    // a sound still playing stops.
    virtual void open(SoundEffect effect) = 0;
    // "close": a sound still playing stops, and the device holds nothing.
    virtual void close() = 0;
    // "Prev": a sound still playing stops; the next "Play" starts from the beginning.
    virtual void rewind() = 0;
    // "Play": plays the held sound to its end. A sound that is playing plays on, and one that has
    // played to its end stays silent until "Prev" or "Open".
    virtual void play() = 0;
};

// What one occasion asks of the device. The commands it names always run in the same order:
// "close", "Open" on the effect, "Prev", "Play".
struct SoundCue {
    bool close = false;
    std::optional<SoundEffect> open = std::nullopt;
    bool rewind = false;
    bool play = false;
};

// Gives the device the cue's commands in their order.
void runCue(SoundDevice& device, const SoundCue& cue);

} // namespace quiltra
