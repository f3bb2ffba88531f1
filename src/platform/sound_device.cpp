// Where each sound effect's file lies in the program folder, and the commands of a cue.
#include "platform/sound_device.h"

namespace quiltra {

std::string soundFile(const std::string& programFolder, SoundEffect effect)
{
    switch (effect) {
    case SoundEffect::Intro:
        return programFolder + "/Sound/intro.wav";
    case SoundEffect::Move:
        return programFolder + "/Sound/move.wav";
    case SoundEffect::Finish:
        return programFolder + "/Sound/finish.wav";
    case SoundEffect::Tone:
        break;
    }
    return programFolder + "/Sound/Temp/tone1.wav";
}

void runCue(SoundDevice& device, const SoundCue& cue)
{
    if (cue.close)
        device.close();
    if (cue.open)
        device.open(*cue.open);
    if (cue.rewind)
        device.rewind();
    if (cue.play)
        device.play();
}

} // namespace quiltra
