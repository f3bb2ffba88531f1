// "times.txt" on disk: read whole or not at all, and rewritten under the lock beside it.
#include "game/times_file.h"

#include <cerrno>
#include <cstring>

#include "platform/file_lock.h"
#include "platform/file_system.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

std::string timesPath(const std::string& folder)
{
    return folder + "/" + kTimesFileName;
}

// Whether the file may be replaced under `lock`; `error` says why not. Without a lock file at
// all (a read-only folder, a file system without locks) the write goes ahead and fails or
// succeeds on its own; a lock that another holder keeps is waited for, never ignored.
bool mayWrite(const FileLock& lock, std::string& error)
{
    if (lock.state() != FileLock::State::Busy)
        return true;
    error = translate("Game", "another Quiltra is using the file");
    return false;
}

} // namespace

TimesFile readTimesFile(const std::string& folder)
{
    TimesFile file;
    const FileText read = readFileText(timesPath(folder), kMaxTimesFileBytes);
    if (!read.text) {
        file.unreadable = read.error;
        return file;
    }
    bool cutShort = false;
    file.times = parseBestTimes(*read.text, &cutShort);
    if (cutShort) {
        // More results than the game keeps: a file of the game's never holds that many.
        file.unreadable = std::strerror(EFBIG);
        file.times.clear();
    }
    return file;
}

TimesUpdate addToTimesFile(const std::string& folder, const TimeResult& result,
                           BestTimes& unsaved, std::chrono::milliseconds wait)
{
    TimesUpdate update;
    const FileLock lock(timesPath(folder) + ".lock", wait);
    TimesFile file = readTimesFile(folder);
    if (!file.unreadable.empty()) {
        update.failure = TimesUpdate::Failure::Unreadable;
        update.error = file.unreadable;
        update.outcome = unsaved.record(result);
        return update;
    }
    BestTimes& merged = file.times;
    for (const TimeResult& r : unsaved.listing({}))
        merged.record(r);
    update.outcome = merged.record(result);
    if (!update.outcome.kept() && unsaved.empty())
        return update;
    if (!mayWrite(lock, update.error) ||
        !replaceFile(timesPath(folder), bestTimesText(merged), update.error)) {
        update.failure = TimesUpdate::Failure::Unwritten;
        if (update.outcome.kept())
            unsaved.record(result);
        return update;
    }
    unsaved.clear();
    return update;
}

bool saveBestTimes(const std::string& folder, const BestTimes& times, std::string& error,
                   std::chrono::milliseconds wait)
{
    const FileLock lock(timesPath(folder) + ".lock", wait);
    const TimesFile file = readTimesFile(folder);
    if (!file.unreadable.empty()) {
        error = file.unreadable;
        return false;
    }
    return mayWrite(lock, error) && replaceFile(timesPath(folder), bestTimesText(times), error);
}

} // namespace quiltra
