// File helpers: whole-file reading through POSIX (the exact reason a read failed, and a FIFO in a
// file's place never holds the program up); folder listing, paths and the data folder through the
// C++ library's file system classes (on Linux a path holds the name's bytes as they are);
// crash-safe replacing through POSIX, which alone offers an exclusive, no-follow creation and fsync;
// the clearing of temporary files a killed write left.
#include "platform/file_system.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quiltra {

namespace fs = std::filesystem;

namespace {

// A name with a NUL byte would be cut short by the OS and name another file.
bool usable(const std::string& path) { return !path.empty() && path.find('\0') == std::string::npos; }

} // namespace

FileText readFileText(const std::string& path, std::size_t limit)
{
    FileText result;
    const auto fail = [&result](int error) {
        result.error = std::strerror(error);
        return result;
    };
    if (path.find('\0') != std::string::npos) {
        result.missing = true;
        return result;
    }
    // Opened without waiting, so a FIFO in the file's place cannot hold the program up; what is
    // read is the file that was opened, whatever replaces the name meanwhile.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.missing = errno == ENOENT || errno == ENOTDIR;
        return result.missing ? result : fail(errno);
    }
    struct stat st;
    int error = 0;
    std::string text;
    if (::fstat(fd, &st) != 0)
        error = errno;
    else if (!S_ISREG(st.st_mode))
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    else if (std::uint64_t(st.st_size) > limit)
        error = EFBIG;
    else
        text.resize(static_cast<std::size_t>(st.st_size));
    for (std::size_t done = 0; error == 0 && done < text.size();) {
        const ssize_t n = ::read(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            error = n < 0 ? errno : EIO;   // an end before the size the file had is no whole file
        else
            done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (error != 0)
        return fail(error);
    result.text = std::move(text);
    return result;
}

std::optional<std::string> readWholeFile(const std::string& path, std::size_t limit)
{
    return readFileText(path, limit).text;
}

namespace {

// A temporary file is named after the file it replaces: NAME.tmp-PID-N-XXXXXXXX, with the writer's
// process id, a count of this process's temporary files and eight hex digits of the clock.
constexpr std::string_view kTemporaryMark = ".tmp-";

bool isDecimal(std::string_view s, std::size_t maxDigits)
{
    return !s.empty() && s.size() <= maxDigits &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The writer's process id when `name` is a temporary file of `base`, 0 otherwise.
long temporaryWriter(std::string_view name, std::string_view base)
{
    if (name.size() <= base.size() + kTemporaryMark.size() || name.substr(0, base.size()) != base ||
        name.substr(base.size(), kTemporaryMark.size()) != kTemporaryMark)
        return 0;
    const std::string_view rest = name.substr(base.size() + kTemporaryMark.size());
    const std::size_t first = rest.find('-');
    const std::size_t second = first == std::string_view::npos ? first : rest.find('-', first + 1);
    if (second == std::string_view::npos)
        return 0;
    const std::string_view pid = rest.substr(0, first);
    const std::string_view count = rest.substr(first + 1, second - first - 1);
    const std::string_view stamp = rest.substr(second + 1);
    const bool hex = stamp.size() == 8 && std::all_of(stamp.begin(), stamp.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
    if (!isDecimal(pid, 9) || !isDecimal(count, 10) || !hex)
        return 0;
    return std::strtol(std::string(pid).c_str(), nullptr, 10);
}

// Creates a new regular file beside `path` under a name no other writer uses, and opens it for
// writing. O_EXCL makes the creation fail when anything at all already has the name (a file, a
// FIFO, a link, dangling or not), so nothing that was there is ever opened, followed or truncated;
// a clash draws another name. Two writers in one process or in two never share a file.
int createUniqueTemporary(const std::string& path, std::string& temp)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, "%s%ld-%u-%08x", kTemporaryMark.data(),
                      static_cast<long>(::getpid()),
                      counter.fetch_add(1), static_cast<unsigned>(
                          std::chrono::steady_clock::now().time_since_epoch().count()));
        temp = path + suffix;
        const int fd = ::open(temp.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const std::string& text)
{
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool replaceFile(const std::string& path, const std::string& text, std::string& error)
{
    std::string temp;
    const int fd = createUniqueTemporary(path, temp);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    // Every failure below removes the temporary file, so none is left behind.
    auto fail = [&](bool open) {
        error = std::strerror(errno);
        if (open)
            ::close(fd);
        ::unlink(temp.c_str());
        return false;
    };
    if (!writeAll(fd, text) || ::fsync(fd) != 0)
        return fail(true);
    if (::close(fd) != 0)
        return fail(false);
    if (std::rename(temp.c_str(), path.c_str()) != 0)
        return fail(false);
    return true;
}

void letOversizedWritesFail()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

void removeStaleTemporaryFiles(const std::string& folder, const std::vector<std::string>& names)
{
    // A writer still running may be slow, and a process id of another system sharing the folder
    // may look free here: a minute without a write rules both out.
    constexpr std::time_t kStaleSeconds = 60;
    const std::time_t now = std::time(nullptr);
    std::vector<std::string> stale;
    readFolder(folder, [&](const FolderEntry& entry) {
        long pid = 0;
        for (const std::string& base : names)
            if (!pid)
                pid = temporaryWriter(entry.name, base);
        if (pid <= 0)
            return;
        struct stat st;
        const std::string path = folder + "/" + entry.name;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() ||
            now - st.st_mtime <= kStaleSeconds)
            return;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            return;
        stale.push_back(path);
    });
    for (const std::string& path : stale)
        ::unlink(path.c_str());
}

bool fileExists(const std::string& path)
{
    std::error_code error;
    return usable(path) && fs::is_regular_file(path, error);
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return usable(path) && fs::is_directory(path, error);
}

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return usable(a) && usable(b) && fs::equivalent(a, b, error);
}

bool readFolder(const std::string& folder, const std::function<void(const FolderEntry&)>& each)
{
    std::error_code error;
    if (!usable(folder))
        return false;
    fs::directory_iterator entries(folder, error);
    if (error)
        return false;
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        // The entry's type, links followed to what they name (a dangling link is neither).
        std::error_code typeError;
        each(FolderEntry{entries->path().filename().string(), entries->is_directory(typeError),
                         entries->is_regular_file(typeError)});
    }
    return !error;
}

// Lexical: "." and ".." are resolved by the text alone, links are not followed, and a trailing
// "/" (or "/." or "/..") stays a trailing "/".
std::string absolutePath(const std::string& path)
{
    std::error_code error;
    const fs::path full = fs::absolute(path, error);
    if (error)
        return path;
    return full.lexically_normal().string();
}

std::vector<std::string> listFiles(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> names;
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    const std::string wanted = lower(extension);
    readFolder(folder, [&](const FolderEntry& entry) {
        // The extension is what follows the last dot, as long as the dot does not start the name.
        const std::size_t dot = entry.name.rfind('.');
        if (entry.regularFile && dot != std::string::npos && dot > 0 &&
            lower(entry.name.substr(dot)) == wanted)
            names.push_back(entry.name);
    });
    std::sort(names.begin(), names.end());
    return names;
}

bool isWritableFolder(const std::string& folder)
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::optional<std::string> userDataFolder()
{
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.local/share";
    else
        return std::nullopt;
    const std::string folder = base + "/Quiltra";
    // Every missing folder on the way is made, as `mkdir -p` does.
    std::error_code error;
    fs::create_directories(folder, error);
    if (!isWritableFolder(folder))
        return std::nullopt;
    return folder;
}

std::string chooseSettingsFolder(const std::string& programFolder)
{
    if (fileExists(programFolder + "/" + kPortableMarker) && isWritableFolder(programFolder))
        return programFolder;
    if (auto data = userDataFolder())
        return *data;
    return programFolder;
}

} // namespace quiltra
