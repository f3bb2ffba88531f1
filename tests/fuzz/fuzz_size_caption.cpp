// Fuzzes the size-caption parser: any text parses to a grid or to nothing, never a crash, and a
// parsed grid's own caption parses back to it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/sizes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string caption(reinterpret_cast<const char*>(data), size);
    const auto grid = quiltra::parseSizeCaption(caption);
    if (!grid || grid->cols < 1 || grid->rows < 1)
        return 0;
    const auto back = quiltra::parseSizeCaption(quiltra::sizeCaption(*grid));
    if (!back || back->cols != grid->cols || back->rows != grid->rows)
        std::abort();
    return 0;
}
