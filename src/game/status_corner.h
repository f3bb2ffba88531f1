// The short status beside the menus: moves, hints and the clock, for window managers that cut
// the window title short. It repeats what the title's long form says and is shown only while the
// title has that form.
#pragma once

#include <string>
#include <vector>

namespace quiltra {

// What the title's last refresh showed.
struct StatusCounts {
    bool shown = false; // the title has its long form (a game in play or just finished)
    int moves = 0;
    int hints = 0;
    std::string time;   // as the title shows it, without its padding blank: "0:03:07"
};

// A counter padded with zeros in front to at least three digits: 7 is "007", 1234 stays "1234".
std::string threeDigits(int value);

// The corner's texts from the longest to the shortest; the window shows the first that fits the
// room the menus leave, or nothing. A paused clock reads "Paused" in place of the time.
std::vector<std::string> statusCornerForms(const StatusCounts& status, bool paused);

} // namespace quiltra
