// An advisory lock on a lock file (POSIX flock): instances sharing a folder take turns.
#include "platform/file_lock.h"

#include <algorithm>
#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace quiltra {

// flock() rather than fcntl() locks: a flock lock belongs to the open file, so two holders in one
// process exclude each other as two processes do, and closing any other descriptor of the file
// never drops it. The lock file is opened without following a link and without waiting on a FIFO.
FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait)
{
    constexpr int kFlags = O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (path.find('\0') != std::string::npos)
        return;
    fd_ = ::open(path.c_str(), O_RDWR | kFlags, 0644);
    if (fd_ < 0 && errno == EACCES)
        fd_ = ::open(path.c_str(), O_RDONLY | kFlags, 0644);
    if (fd_ < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            state_ = State::Held;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        if (errno == EWOULDBLOCK && std::chrono::steady_clock::now() >= deadline) {
            state_ = State::Busy;
            break;
        }
        // A holder keeps the lock for a read and a write: short waits first, then longer ones.
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
    ::close(fd_);
    fd_ = -1;
}

FileLock::~FileLock()
{
    if (fd_ >= 0)
        ::close(fd_);   // closing the only descriptor of the open file releases its lock
}

} // namespace quiltra
