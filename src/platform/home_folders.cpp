// Finds the player's home and Pictures folders from the environment and the XDG user directories.
#include "platform/home_folders.h"

#include <cstdlib>

#include "platform/file_system.h"

namespace quiltra {

namespace {

std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::string picturesFolderIn(std::string_view userDirs, const std::string& home)
{
    std::string found;
    while (!userDirs.empty()) {
        const std::size_t end = userDirs.find('\n');
        std::string_view line = userDirs.substr(0, end);
        userDirs = end == std::string_view::npos ? std::string_view() : userDirs.substr(end + 1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        constexpr std::string_view key = "XDG_PICTURES_DIR=";
        if (line.substr(0, key.size()) != key)
            continue;
        line.remove_prefix(key.size());
        // The value is a quoted path, absolute or starting with $HOME.
        if (line.size() < 2 || line.front() != '"')
            continue;
        const std::size_t close = line.find('"', 1);
        if (close == std::string_view::npos)
            continue;
        const std::string_view value = line.substr(1, close - 1);
        if (value.substr(0, 5) == "$HOME")
            found = home + std::string(value.substr(5));
        else if (!value.empty() && value.front() == '/')
            found = std::string(value);
        else
            continue;
        found = withoutTrailingSlash(found);   // the last line that sets it counts
    }
    return found == withoutTrailingSlash(home) ? std::string() : found;
}

std::vector<std::string> homeFolders()
{
    const char* homeVariable = std::getenv("HOME");
    if (!homeVariable || homeVariable[0] != '/')
        return {};
    const std::string home = withoutTrailingSlash(homeVariable);
    std::vector<std::string> folders;
    if (home != "/" && isFolder(home))
        folders.push_back(home);

    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string configFolder =
        config && config[0] == '/' ? std::string(config) : home + "/.config";
    std::string pictures;
    if (const auto text = readWholeFile(configFolder + "/user-dirs.dirs", 1u << 16))
        pictures = picturesFolderIn(*text, home);
    if (pictures.empty())
        pictures = home + "/Pictures";
    if (pictures != home && isFolder(pictures))
        folders.push_back(pictures);
    return folders;
}

} // namespace quiltra
