// Reading a file's bytes at a position (POSIX).
#include "platform/byte_source.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace quiltra {

FileBytes::FileBytes(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC))
{
}

FileBytes::~FileBytes()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t FileBytes::read(std::uint64_t position, void* into, std::size_t n)
{
    if (fd_ < 0)
        return 0;
    std::size_t done = 0;
    auto* out = static_cast<char*>(into);
    while (done < n) {
        const ssize_t got = ::pread(fd_, out + done, n - done, off_t(position + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += std::size_t(got);
    }
    return done;
}

} // namespace quiltra
