// Bytes held in memory, read as the picture checks read a file.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/byte_source.h"

namespace quiltra::test {

class MemoryBytes final : public ByteSource {
public:
    explicit MemoryBytes(std::string_view bytes) : bytes_(bytes) {}
    std::size_t read(std::uint64_t position, void* into, std::size_t n) override
    {
        if (position >= bytes_.size())
            return 0;
        const std::size_t count = std::min<std::uint64_t>(n, bytes_.size() - position);
        std::memcpy(into, bytes_.data() + position, count);
        return count;
    }

private:
    std::string_view bytes_;
};

} // namespace quiltra::test
