// Best times: the ten best results per picture, grid and mode, their ranking, and the file
// "times.txt" that keeps them beside "init.txt".
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "game/play_state.h"

namespace quiltra {

inline constexpr const char* kTimesFileName = "times.txt";

// The results kept for one picture, grid and mode.
inline constexpr std::size_t kBestPerGroup = 10;
// All results kept at once: a hostile file cannot make the game hold more, and a player would
// need a thousand full groups to reach it.
inline constexpr std::size_t kMaxResults = 10000;
// A display name is a file name: one whose text in "times.txt" (escapes included) is longer than
// this is not one of the game's results.
inline constexpr std::size_t kMaxResultNameBytes = 1024;
// Over eleven years of play: no finished game takes that long.
inline constexpr std::int32_t kMaxResultSeconds = 360000000;
// The longest line of a result: its name as written, then at most three digits for each of
// columns and rows, "puzzle" or "slider", nine digits of seconds, five each of moves and hints,
// the date, seven tabs and the line feed.
inline constexpr std::size_t kMaxTimesLineBytes =
    kMaxResultNameBytes + 3 + 3 + 6 + 9 + 5 + 5 + 10 + 8;
// The largest "times.txt" the game writes (a header line and kMaxResults of the longest lines),
// so that it always reads back whole; a larger file is not read.
inline constexpr std::size_t kMaxTimesFileBytes = 32 + kMaxResults * kMaxTimesLineBytes;

// One finished game.
struct TimeResult {
    std::string Picture;          // the picture's display name, as bytes
    std::int16_t Cols = 0;
    std::int16_t Rows = 0;
    Mode PlayMode = Mode::Puzzle;
    std::int32_t Seconds = 0;     // whole seconds, as the clock showed them at the finish
    std::int16_t Moves = 0;
    std::int16_t Hints = 0;
    std::string Date;             // "YYYY-MM-DD", given by the caller

    bool operator==(const TimeResult&) const = default;
};

// Whether `a` ranks above `b`: fewer hints, then a shorter time, then fewer moves, then the
// earlier date. Results equal in all four rank alike.
bool ranksBefore(const TimeResult& a, const TimeResult& b);

// Whether a result can be kept and written so that it reads back the same: a display name that
// takes 1 to kMaxResultNameBytes bytes in the file, a grid of 1 to 300 pieces, counters and time
// not negative and within their limits, and a real calendar date written "YYYY-MM-DD".
bool isStorableResult(const TimeResult& r);

// Where record() put a result: its place in its group (1 = the best), or 0 when it did not
// make the ten best or could not be kept.
struct RecordOutcome {
    int rank = 0;
    bool kept() const { return rank > 0; }
    bool newBest() const { return rank == 1; }
};

class BestTimes {
public:
    // Adds a finished game to its group. A result that ties with kept ones ranks after them, so
    // a tie never displaces an older result; one that would rank eleventh is not kept. A result
    // that is not storable, or that would open a new group once kMaxResults are held, is not kept.
    RecordOutcome record(const TimeResult& result);

    // The kept results of one group, best first; empty when there are none.
    std::vector<TimeResult> group(std::string_view picture, std::int16_t cols, std::int16_t rows,
                                  Mode mode) const;

    // Every kept result for the Best Times window: the groups of `pictureInPlay` first, then the
    // others; groups ordered by display name (byte order), columns, rows and mode (puzzle first),
    // each group best first.
    std::vector<TimeResult> listing(std::string_view pictureInPlay) const;

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    void clear();

    bool operator==(const BestTimes&) const = default;

private:
    using GroupKey = std::tuple<std::string, std::int16_t, std::int16_t, Mode>;
    std::map<GroupKey, std::vector<TimeResult>, std::less<>> groups_;
    std::size_t count_ = 0;
};

// The text of "times.txt": a first line "Quiltra best times 1", then one line per result,
// groups in the listing order and each best first. A line holds eight fields separated by tabs:
// display name, columns, rows, mode ("puzzle" or "slider"), seconds, moves, hints, date. Numbers
// are plain decimal digits. In the name a backslash, tab, line feed and carriage return are written
// "\\", "\t", "\n" and "\r", and every other control byte and every byte that is not part of valid
// UTF-8 as "\xHH" (two upper-case hex digits), so any name stays on its line and reads back as
// the same bytes.
std::string bestTimesText(const BestTimes& times);

// Reads the text back. A line that does not hold exactly eight valid fields, or whose result is
// not storable, is skipped; the header line is optional. Results of one group are ranked again
// and cut to the ten best wherever their lines lie; reading stops after kMaxResults readable
// lines, and `cutShort`, when given, tells whether readable lines were left unread. A line may
// end in CR LF. Skipped lines are therefore left out of the next write.
BestTimes parseBestTimes(std::string_view text, bool* cutShort = nullptr);

} // namespace quiltra
