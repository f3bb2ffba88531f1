// Fuzzes the saved-game reader: whatever "last.txt" holds, reading it and mapping its pieces to
// cells never crashes nor allocates without bound, and a game it accepts writes back readably.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto game = quiltra::parseSavedGame(text);
    if (!game)
        return 0;
    quiltra::savedCells(*game);
    if (const auto written = quiltra::savedGameText(*game))
        if (!quiltra::parseSavedGame(*written))
            std::abort();
    return 0;
}
