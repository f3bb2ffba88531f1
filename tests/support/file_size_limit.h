// Makes file writes of this process fail beyond a size, as a full disk would, for one scope.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace quiltra::test {

// While it lives, no file of this process can grow beyond `bytes`: a write past the limit fails
// with EFBIG instead of raising SIGXFSZ. Writes that fit are unaffected.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

} // namespace quiltra::test
