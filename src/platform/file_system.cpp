// File helpers over the OS (POSIX): whole-file reading, crash-safe replacing, folder listing.
#include "platform/file_system.h"

#include "platform/byte_source.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quiltra {

std::optional<std::string> readWholeFile(const std::string& path, std::size_t limit)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    const auto size = fs::file_size(path, ec);
    if (ec || size > limit)
        return std::nullopt;
    FileBytes in(path);
    if (!in.isOpen())
        return std::nullopt;
    std::string text(static_cast<std::size_t>(size), '\0');
    text.resize(in.read(0, text.data(), text.size()));
    return text;
}

namespace {

// Creates a new regular file beside `path` under a name no other writer uses, and opens it for
// writing. O_EXCL makes the creation fail when anything at all already has the name (a file, a
// FIFO, a link, dangling or not), so nothing that was there is ever opened, followed or truncated;
// a clash draws another name. Two writers in one process or in two never share a file.
int createUniqueTemporary(const std::string& path, std::string& temp)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".tmp-%ld-%u-%08x", static_cast<long>(::getpid()),
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

bool fileExists(const std::string& path)
{
    // A name with a NUL byte would be cut short by the OS and name another file.
    if (path.find('\0') != std::string::npos)
        return false;
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool isFolder(const std::string& path)
{
    if (path.find('\0') != std::string::npos)
        return false;
    std::error_code ec;
    return fs::is_directory(path, ec);
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

std::vector<std::string> listFiles(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return names;
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    const std::string wanted = lower(extension);
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        const std::string name = it->path().filename().string();
        if (lower(it->path().extension().string()) == wanted)
            names.push_back(name);
    }
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
    std::error_code ec;
    fs::create_directories(folder, ec);
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
