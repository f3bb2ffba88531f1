// An advisory lock on a lock file, so that instances of the program sharing a folder take turns
// at reading and rewriting a file there.
#pragma once

#include <chrono>
#include <string>

namespace quiltra {

class FileLock {
public:
    enum class State {
        Held,          // this object holds the lock until it is destroyed
        Busy,          // another holder kept it for the whole wait
        Unavailable,   // the lock file cannot be made or locked (a read-only folder...)
    };

    // Takes the exclusive lock on `path`, made empty if it is missing and never removed, waiting
    // up to `wait` while someone else holds it. Every holder, in this process or another, that
    // locks the same file excludes the others.
    FileLock(const std::string& path, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

} // namespace quiltra
