// File helpers over the OS (POSIX): whole-file reading, crash-safe replacing and the clearing of
// temporary files a killed write left, folder listing.
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
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quiltra {

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
    // A name with a NUL byte would be cut short by the OS and name another file.
    if (path.find('\0') != std::string::npos)
        return false;
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isFolder(const std::string& path)
{
    if (path.find('\0') != std::string::npos)
        return false;
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace {

// The path with every link, "." and ".." resolved; empty when it does not exist.
std::string resolvedPath(const std::string& path)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return {};
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string result(resolved);
    std::free(resolved);
    return result;
}

} // namespace

bool sameFile(const std::string& a, const std::string& b)
{
    const std::string ra = resolvedPath(a);
    return !ra.empty() && ra == resolvedPath(b);
}

// The file system's own listing, without the C++ library's file system classes: with their
// first use they add a third of a megabyte of that library to the program's memory.
bool readFolder(const std::string& folder, const std::function<void(const FolderEntry&)>& each)
{
    if (folder.empty() || folder.find('\0') != std::string::npos)
        return false;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        FolderEntry found{std::string(name)};
        // The entry's own type when the file system gives it; a link (or an unknown type) is
        // looked up, followed to what it names.
        if (entry->d_type == DT_DIR) {
            found.folder = true;
        } else if (entry->d_type == DT_REG) {
            found.regularFile = true;
        } else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st;
            if (::fstatat(::dirfd(dir), entry->d_name, &st, 0) == 0) {
                found.folder = S_ISDIR(st.st_mode);
                found.regularFile = S_ISREG(st.st_mode);
            }
        }
        each(found);
    }
    ::closedir(dir);
    return true;
}

std::string absolutePath(const std::string& path)
{
    std::string full = path;
    if (path.empty() || path[0] != '/') {
        char* here = ::getcwd(nullptr, 0);
        if (!here)
            return path;
        full = std::string(here) + "/" + path;
        std::free(here);
    }
    // Lexical normal form: no empty or "." parts, ".." takes the part before it away (at the
    // root it stays at the root); a trailing slash stays.
    std::vector<std::string> parts;
    std::size_t at = 0;
    while (at <= full.size()) {
        const std::size_t end = std::min(full.find('/', at), full.size());
        const std::string part = full.substr(at, end - at);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = end + 1;
    }
    std::string result;
    for (const std::string& part : parts)
        result += "/" + part;
    if (result.empty())
        return "/";
    const auto endsWith = [&full](std::string_view end) {
        return full.size() >= end.size() && full.compare(full.size() - end.size(), end.size(), end) == 0;
    };
    const bool trailing = endsWith("/") || endsWith("/.") || endsWith("/..");
    return trailing ? result + "/" : result;
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
    for (std::size_t slash = folder.find('/', 1); ; slash = folder.find('/', slash + 1)) {
        ::mkdir(folder.substr(0, slash).c_str(), 0777);
        if (slash == std::string::npos)
            break;
    }
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
