// The standard colour dialog; Cancel is reported as "no colour".
#pragma once

#include <cstdint>
#include <optional>

namespace quiltra {

class ColorDialog {
public:
    virtual ~ColorDialog() = default;
    // Colours are 0xBBGGRR. One dialog serves every colour command, so it starts from the
    // colour last chosen in it.
    virtual std::optional<std::uint32_t> choose() = 0;
};

} // namespace quiltra
