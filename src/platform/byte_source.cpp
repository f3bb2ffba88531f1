// Reading a file's bytes at a position.
#include "platform/byte_source.h"

namespace quiltra {

FileBytes::FileBytes(const std::string& path) : in_(path, std::ios::binary) {}

std::size_t FileBytes::read(std::uint64_t position, void* into, std::size_t n)
{
    if (!in_.is_open())
        return 0;
    in_.clear();   // a read that reached the end leaves the stream failed
    if (!in_.seekg(std::streamoff(position)))
        return 0;
    in_.read(static_cast<char*>(into), std::streamsize(n));
    return static_cast<std::size_t>(in_.gcount());
}

} // namespace quiltra
