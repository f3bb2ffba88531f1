// Where each sound effect's file lies in the program folder.
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

} // namespace quiltra
