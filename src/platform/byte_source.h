// A file's bytes read at any position, without a stream: the picture checks read through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quiltra {

// Reads up to `n` bytes from `position`; fewer only at the end of the bytes (or on a read
// error, which the readers treat as the end).
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::size_t read(std::uint64_t position, void* into, std::size_t n) = 0;
};

// An open file. Standard streams are not used for this: the first of them sets up every facet
// of the C++ locale, over half a megabyte of the library touched for a few reads.
class FileBytes final : public ByteSource {
public:
    // A file that cannot be opened reads as empty.
    explicit FileBytes(const std::string& path);
    ~FileBytes() override;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    bool isOpen() const { return fd_ >= 0; }
    std::size_t read(std::uint64_t position, void* into, std::size_t n) override;

private:
    int fd_ = -1;
};

} // namespace quiltra
