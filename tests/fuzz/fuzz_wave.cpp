// Fuzzes the wave file reader: whatever a sound file holds, reading it never crashes, and a sound
// it accepts is whole frames of a playable layout, taken from the file's own bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto sound = quiltra::parseWave(bytes);
    if (!sound)
        return 0;
    if (sound->channels < 1 || sound->channels > 8 || sound->rate == 0 ||
        sound->samples.size() % sound->frameBytes() != 0 || sound->samples.size() > size)
        std::abort();
    if (!sound->samples.empty() &&
        bytes.find(std::string_view(reinterpret_cast<const char*>(sound->samples.data()),
                                    sound->samples.size())) == std::string_view::npos)
        std::abort();
    return 0;
}
