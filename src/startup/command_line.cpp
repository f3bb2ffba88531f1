// The command line: an optional picture to take into play, --help and --version.
#include "startup/command_line.h"

namespace quiltra {

namespace {

const char* const kUsage =
    "Usage: quiltra [PICTURE]\n"
    "A picture puzzle: a picture is cut into pieces and shuffled, and you put it together again.\n"
    "\n"
    "  PICTURE        a BMP, GIF, JPEG, PNG, WebP or TIFF file to play with once the intro has ended\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n";

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    bool onlyFiles = false;
    for (const std::string& arg : args) {
        if (!onlyFiles && (arg == "--help" || arg == "-h")) {
            line.action = CommandLine::Action::Help;
            line.message = kUsage;
            return line;
        }
        if (!onlyFiles && (arg == "--version" || arg == "-v")) {
            line.action = CommandLine::Action::Version;
            line.message = "Quiltra 1.3\n";
            return line;
        }
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
            continue;
        }
        if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            line.action = CommandLine::Action::Error;
            line.message = "quiltra: unknown option '" + arg + "'\nTry 'quiltra --help' for more information.\n";
            return line;
        }
        if (!line.picture.empty()) {
            line.action = CommandLine::Action::Error;
            line.message = "quiltra: only one picture can be given\nTry 'quiltra --help' for more information.\n";
            return line;
        }
        line.picture = arg;
    }
    return line;
}

} // namespace quiltra
