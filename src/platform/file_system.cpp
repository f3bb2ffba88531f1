// File helpers: whole-file reading, folder listing, paths and the data folder through the C++
// library's file system classes and streams (on Linux a path holds the name's bytes as they are);
// crash-safe replacing through POSIX, which alone offers an exclusive, no-follow creation and fsync.
#include "platform/file_system.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <unistd.h>

namespace quiltra {

namespace fs = std::filesystem;

namespace {

// A name with a NUL byte would be cut short by the OS and name another file.
bool usable(const std::string& path) { return !path.empty() && path.find('\0') == std::string::npos; }

} // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::size_t limit)
{
    std::error_code error;
    if (!usable(path) || !fs::is_regular_file(path, error))
        return std::nullopt;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > limit)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), std::streamsize(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
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
