// The command line: an optional picture to take into play, --help and --version.
#pragma once

#include <string>
#include <vector>

namespace quiltra {

struct CommandLine {
    enum class Action { Play, Help, Version, Error };
    Action action = Action::Play;
    std::string picture;   // taken into play when the intro ends; empty for the list's picture
    std::string message;   // what to print for Help, Version and Error
};

// Reads the arguments after the program name. Without arguments the game starts as usual.
CommandLine parseCommandLine(const std::vector<std::string>& args);

inline constexpr int kUsageExitCode = 2;

} // namespace quiltra
