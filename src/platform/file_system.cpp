// File helpers over the OS (POSIX): whole-file reading, crash-safe replacing, folder listing.
#include "platform/file_system.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
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
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

bool replaceFile(const std::string& path, const std::string& text, std::string& error)
{
    const std::string temp = path + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = std::strerror(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        error = std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
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
