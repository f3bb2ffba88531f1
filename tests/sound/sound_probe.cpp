// Plays the game's sound effects through SystemSoundDevice with the game's own command sequences.
// Usage: sound_probe <program folder> <step>...
// A step <effect>@<ms> (intro, move, finish or tone) opens the effect as the game opens it,
// unless it is the one already open, rewinds and plays it as a move plays the open sound, then
// waits that long; stop@<ms> only rewinds, which stops a sound that is playing. Nothing waits for
// a sound to end, and the device is destroyed at the end as the game's is when it ends.
#include "platform/ui/system_sound_device.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
    using quiltra::SoundEffect;
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program folder> <effect or stop>@<ms>...\n", argv[0]);
        return 2;
    }
    const struct {
        const char* name;
        SoundEffect effect;
    } effects[] = {{"intro", SoundEffect::Intro}, {"move", SoundEffect::Move},
                   {"finish", SoundEffect::Finish}, {"tone", SoundEffect::Tone}};

    quiltra::SystemSoundDevice device(argv[1]);
    std::string open;
    for (int i = 2; i < argc; ++i) {
        const std::string step = argv[i];
        const std::size_t at = step.find('@');
        if (at == std::string::npos) {
            std::fprintf(stderr, "a step is <effect or stop>@<ms>: %s\n", argv[i]);
            return 2;
        }
        const std::string name = step.substr(0, at);
        const auto wait = std::chrono::milliseconds(std::stoi(step.substr(at + 1)));
        if (name == "stop") {
            device.rewind();
        } else {
            const auto* found = std::find_if(std::begin(effects), std::end(effects),
                                             [&](const auto& e) { return name == e.name; });
            if (found == std::end(effects)) {
                std::fprintf(stderr, "unknown effect %s\n", name.c_str());
                return 2;
            }
            if (open != name) {
                device.close();
                device.open(found->effect);
                open = name;
            }
            device.rewind();
            device.play();
        }
        std::this_thread::sleep_for(wait);
    }
    return 0;
}
