// Starts a program and reports when its first top-level window is mapped on the X display.
// Usage: first_window <program> [arguments...]
// Prints "pid <pid>" at once and "mapped <milliseconds>" when the first window that is not
// override-redirect is mapped as a child of the root window (there is no window manager under
// Xvfb, so top-level windows are the root's own children). It then waits for the program to end
// and exits with its status; SIGTERM and SIGINT are passed on to the program.
#include <X11/Xlib.h>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

pid_t child = 0;

void passOn(int signal)
{
    if (child > 0)
        kill(child, signal);
}

double milliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program> [arguments...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    std::signal(SIGTERM, passOn);
    std::signal(SIGINT, passOn);
    const double start = milliseconds();
    child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    std::printf("pid %d\n", int(child));
    std::fflush(stdout);

    // Waits for the map, at most 60 s, noticing a program that ends without a window.
    const int fd = ConnectionNumber(display);
    bool mapped = false;
    while (!mapped && milliseconds() - start < 60000) {
        while (!mapped && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
                std::printf("mapped %.1f\n", milliseconds() - start);
                std::fflush(stdout);
                mapped = true;
            }
        }
        if (mapped || waitpid(child, nullptr, WNOHANG) == child)
            break;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval wait{0, 100000};
        select(fd + 1, &fds, nullptr, nullptr, &wait);
    }
    XCloseDisplay(display);
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        return mapped ? 0 : 1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
