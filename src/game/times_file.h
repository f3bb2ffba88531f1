// "times.txt" on disk: read whole or not at all, and rewritten under the lock beside it, so that
// instances of the game sharing a folder never lose each other's results.
#pragma once

#include <chrono>
#include <string>

#include "game/best_times.h"

namespace quiltra {

// How long a writer waits while another instance holds the lock beside "times.txt"; a holder
// keeps it only to read and write the file.
inline constexpr std::chrono::milliseconds kTimesLockWait{5000};

// "times.txt" as read from `folder` (the folder of "init.txt").
struct TimesFile {
    BestTimes times;
    // Why the file could not be read whole, when it could not: it is there but cannot be opened
    // or read, is larger than kMaxTimesFileBytes or holds more than kMaxResults results. Such a
    // file may hold results the game did not read, so it is never replaced. Empty for a missing
    // file and for one read whole (damaged lines are skipped, see parseBestTimes).
    std::string unreadable;
};
TimesFile readTimesFile(const std::string& folder);

// What adding a finished game to "times.txt" came to.
struct TimesUpdate {
    enum class Failure { None, Unreadable, Unwritten };
    RecordOutcome outcome;   // the result's place among the file's results and the unsaved ones
    Failure failure = Failure::None;
    std::string error;       // why, for a failure
};

// Adds a finished game to "times.txt" in `folder`. Under the lock beside it ("times.txt.lock")
// the file is read again, and `unsaved` (this session's results that could not be written yet)
// and `result` join its results before it is written back; nothing is written when neither makes
// the ten best. A file that could not be read whole is left as it is, and `result` is ranked
// among the unsaved results alone. When the file is written `unsaved` is emptied; otherwise
// `result`, if it makes the ten best, joins `unsaved`.
TimesUpdate addToTimesFile(const std::string& folder, const TimeResult& result,
                           BestTimes& unsaved, std::chrono::milliseconds wait = kTimesLockWait);

// Replaces "times.txt" in `folder` with `times` (Clear All) under the same lock, crash-safe.
// Returns false with a description in `error` when it cannot; the old file is then unchanged. A
// file that could not be read whole is never replaced.
bool saveBestTimes(const std::string& folder, const BestTimes& times, std::string& error,
                   std::chrono::milliseconds wait = kTimesLockWait);

} // namespace quiltra
