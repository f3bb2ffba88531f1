// A file's bytes read at any position: the picture checks read through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

namespace quiltra {

// Reads up to `n` bytes from `position`; fewer only at the end of the bytes (or on a read
// error, which the readers treat as the end).
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::size_t read(std::uint64_t position, void* into, std::size_t n) = 0;
};

// An open file, read through a standard stream.
class FileBytes final : public ByteSource {
public:
    // A file that cannot be opened reads as empty.
    explicit FileBytes(const std::string& path);
    bool isOpen() const { return in_.is_open(); }
    std::size_t read(std::uint64_t position, void* into, std::size_t n) override;

private:
    std::ifstream in_;
};

} // namespace quiltra
