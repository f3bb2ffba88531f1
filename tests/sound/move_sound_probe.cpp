// Plays a sound through SystemSoundDevice with the game's own command sequence for the move sound.
// Usage: move_sound_probe <wave file> <plays> <milliseconds between plays>
// When the plays are further apart than the device's grace period, the output stream must have
// closed itself before each next play (exit status 3 otherwise), so every play opens it again.
#include "platform/system_sound_device.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <wave file> <plays> <ms between plays>\n", argv[0]);
        return 2;
    }
    const std::string file = argv[1];
    const int plays = std::stoi(argv[2]);
    const auto gap = std::chrono::milliseconds(std::stoi(argv[3]));

    quiltra::SystemSoundDevice device;
    // Preparing the move sound, as after the intro, a new picture or a new size.
    device.command("close");
    device.setFileName(file);
    device.setDeviceType("WaveAudio");
    device.command("Open");
    // Time enough for a 70 ms sound, the grace period and the closing itself.
    const bool closesBetween = gap > quiltra::SystemSoundDevice::kCloseGrace + std::chrono::milliseconds(400);
    // One move each: rewind and play, never waiting for the sound.
    for (int i = 0; i < plays; ++i) {
        device.command("Prev");
        device.command("Play");
        std::this_thread::sleep_for(gap);
        if (closesBetween && device.deviceOpen()) {
            std::fprintf(stderr, "the output stream was still open %d ms after play %d\n",
                         int(gap.count()), i + 1);
            return 3;
        }
    }
    return 0;
}
