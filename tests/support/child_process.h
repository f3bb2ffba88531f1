// Runs a piece of a test in a child process, so that what it changes in its process (a signal's
// handling, a file-size limit) or a hang or a fatal signal stays out of the test program.
#pragma once

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

#include <string>

#include "support/temp_folder.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quiltra::test {

// How a child ended: its exit status, or the signal that ended it, or neither when it had not
// finished within the time allowed (it is then killed).
struct ChildEnd {
    int exitStatus = -1;
    int signal = 0;
    bool succeeded() const { return exitStatus == 0; }
};

// Runs `work` in a child process; the child exits 0 when `work` returns true, 1 otherwise.
inline ChildEnd runInChild(const std::function<bool()>& work, std::chrono::seconds allowed)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work() ? 0 : 1);
    const auto deadline = std::chrono::steady_clock::now() + allowed;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ChildEnd end;
    if (WIFEXITED(status))
        end.exitStatus = WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        end.signal = WTERMSIG(status);
    return end;
}

// How a child ended and the text it gave back.
struct ChildRun : ChildEnd {
    std::string text;
};

// Runs `work` in a child process and gives back the text it returns, sent through a pipe: a pipe
// is no file, so a file-size limit set in the child does not stop it.
inline ChildRun runInChildForText(const std::function<std::string()>& work,
                                  std::chrono::seconds allowed)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        const std::string text = work();
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = ::write(ends[1], text.data() + done, text.size() - done);
            if (n <= 0)
                ::_exit(2);
            done += std::size_t(n);
        }
        ::_exit(0);
    }
    ::close(ends[1]);
    ChildRun run;
    const auto deadline = std::chrono::steady_clock::now() + allowed;
    // The pipe is read while the child runs, so a long text never blocks it.
    for (;;) {
        pollfd p{ends[0], POLLIN, 0};
        if (::poll(&p, 1, 10) > 0) {
            char buffer[4096];
            const ssize_t n = ::read(ends[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            run.text.append(buffer, std::size_t(n));
        }
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            break;
        }
    }
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status))
        run.exitStatus = WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        run.signal = WTERMSIG(status);
    return run;
}

// For a child process of a test run as root, who reads any file: hands `folder` and what is in
// it to the user "nobody" and becomes that user, so that a file of mode 000 cannot be read. Does
// nothing for another user; false when it could not be done.
inline bool becomeOrdinaryUser(const TempFolder& folder)
{
    if (::geteuid() != 0)
        return true;
    constexpr uid_t kNobody = 65534;
    for (const std::string& name : folder.names())
        if (::chown((folder / name).c_str(), kNobody, kNobody) != 0)
            return false;
    return ::chown(folder.path().c_str(), kNobody, kNobody) == 0 && ::setgid(kNobody) == 0 &&
           ::setuid(kNobody) == 0;
}

} // namespace quiltra::test
