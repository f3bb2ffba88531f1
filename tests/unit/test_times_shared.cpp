// "times.txt" shared by instances of the game playing from one folder, and kept whole when it
// cannot be read: every finish reads the file again under its lock before writing it.
#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <thread>
#include <unistd.h>

#include "game/times_file.h"
#include "platform/file_lock.h"
#include "platform/file_system.h"
#include "support/child_process.h"
#include "unit/times_rig.h"

namespace quiltra {
namespace {

using test::TimesRig;

std::vector<int> alphaSeconds(const std::string& fileText)
{
    std::vector<int> out;
    for (const TimeResult& r : parseBestTimes(fileText).group("alpha.jpg", 4, 3, Mode::Puzzle))
        out.push_back(r.Seconds);
    return out;
}

// A game of alpha.jpg at 4x3 played to its finish in `seconds`.
void finish(TimesRig& rig, double seconds)
{
    rig.newGame(0, "4x3=12");
    rig.someSwap();
    rig.solve(seconds);
    rig.wholePictureReturns();
}

// A finishes, B finishes, A finishes again: the file holds all three results.
TEST(TimesShared, TwoInstancesInOneFolderKeepEachOthersResults)
{
    TimesRig a, b;
    b.program.SettingsFolder = a.tmp.path();
    finish(a, 100);
    finish(b, 200);
    finish(a, 300);
    EXPECT_EQ(alphaSeconds(a.tmp.read("times.txt")), (std::vector<int>{100, 200, 300}));
    EXPECT_EQ(a.game.bestTimes().size(), 3u) << "the Best Times window shows the file as it is";
    EXPECT_TRUE(a.messages.shown.empty());
    EXPECT_TRUE(b.messages.shown.empty());
}

// While another instance holds the lock beside "times.txt", a finish waits, and then reads what
// the other one wrote.
TEST(TimesShared, AFinishWaitsForTheLockAndReadsTheOtherWritersResult)
{
    TimesRig rig;
    rig.newGame(0, "4x3=12");
    rig.someSwap();
    const int lock = ::open((rig.tmp / "times.txt.lock").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);

    std::thread player([&] { rig.solve(100); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // The other instance writes its result while it holds the lock.
    rig.tmp.write("times.txt",
                  "Quiltra best times 1\nalpha.jpg\t4\t3\tpuzzle\t200\t9\t0\t2024-05-01\n");
    ::flock(lock, LOCK_UN);
    ::close(lock);
    player.join();

    EXPECT_EQ(alphaSeconds(rig.tmp.read("times.txt")), (std::vector<int>{100, 200}));
}

// Runs `play` in a child process as a user who cannot read a file of mode 000 (root can), and
// gives back the texts of the messages it showed.
std::string runAsOrdinaryUser(TimesRig& rig, const std::function<void()>& play)
{
    const test::ChildRun run = test::runInChildForText(
        [&] {
            if (!test::becomeOrdinaryUser(rig.tmp))
                return std::string("could not become an ordinary user");
            play();
            std::string shown;
            for (const auto& m : rig.messages.shown)
                shown += m.text + "\n";
            return shown;
        },
        std::chrono::seconds(30));
    EXPECT_TRUE(run.succeeded());
    return run.text;
}

// A file that could not be read whole is never replaced: the player is told once, and the
// session keeps its results.
TEST(TimesShared, AFileThatCannotBeReadWholeIsKeptAndToldOnce)
{
    const std::string line = "alpha.jpg\t4\t3\tpuzzle\t500\t40\t0\t2024-05-01\n";
    std::string huge = "Quiltra best times 1\n";
    while (huge.size() <= kMaxTimesFileBytes)
        huge += line;
    std::string many = "Quiltra best times 1\n";
    for (std::size_t i = 0; i <= kMaxResults; ++i)
        many += std::to_string(i) + line;

    struct Case {
        const char* name;
        std::string text;
        mode_t mode;
        std::string reason;
    };
    const Case cases[] = {
        {"unreadable", "Quiltra best times 1\n" + line, 0, "Permission denied"},
        {"larger than the game writes", huge, 0644, "File too large"},
        {"more results than the game keeps", many, 0644, "File too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TimesRig rig;
        rig.tmp.write("times.txt", c.text);
        ::chmod((rig.tmp / "times.txt").c_str(), c.mode);
        const std::string shown = runAsOrdinaryUser(rig, [&] {
            finish(rig, 100);
            finish(rig, 90);
            if (rig.game.bestTimes().size() != 2)
                rig.messages.shown.push_back({"the session lost its results", "", {}, {}});
        });
        ::chmod((rig.tmp / "times.txt").c_str(), 0644);
        EXPECT_EQ(shown, "The best times could not be read, so this result was not saved: " +
                             c.reason + ". \"times.txt\" is left as it is, and the result is kept "
                             "until Quiltra is closed.\n");
        EXPECT_TRUE(rig.tmp.read("times.txt") == c.text) << "the file was replaced";
    }
}

TimeResult alphaResult(int seconds)
{
    return {"alpha.jpg", 4, 3, Mode::Puzzle, seconds, 30, 0, "2024-05-01"};
}

// A lock that another holder keeps past the wait is never ignored: the result waits in the
// session, and the next finish that gets the lock writes it with its own.
TEST(TimesShared, ALockHeldTooLongKeepsTheResultForTheNextWrite)
{
    test::TempFolder q;
    BestTimes unsaved;
    {
        const FileLock other(q / "times.txt.lock", std::chrono::milliseconds(0));
        ASSERT_EQ(other.state(), FileLock::State::Held);
        const TimesUpdate busy = addToTimesFile(q.path(), alphaResult(100), unsaved,
                                                std::chrono::milliseconds(50));
        EXPECT_EQ(busy.failure, TimesUpdate::Failure::Unwritten);
        EXPECT_EQ(busy.error, "another Quiltra is using the file");
        EXPECT_TRUE(busy.outcome.newBest());
        EXPECT_FALSE(fileExists(q / "times.txt"));
        std::string error;
        EXPECT_FALSE(saveBestTimes(q.path(), BestTimes{}, error, std::chrono::milliseconds(50)));
        EXPECT_EQ(error, "another Quiltra is using the file");
    }
    EXPECT_EQ(unsaved.size(), 1u);
    const TimesUpdate later = addToTimesFile(q.path(), alphaResult(200), unsaved);
    EXPECT_EQ(later.failure, TimesUpdate::Failure::None);
    EXPECT_EQ(later.outcome.rank, 2);
    EXPECT_TRUE(unsaved.empty());
    EXPECT_EQ(alphaSeconds(q.read("times.txt")), (std::vector<int>{100, 200}));
}

// Clear All replaces the file only when it was read whole: what could not be read is not
// cleared unseen.
TEST(TimesShared, ClearAllKeepsAFileThatCannotBeRead)
{
    test::TempFolder q;
    const std::string huge(kMaxTimesFileBytes + 1, '\n');
    q.write("times.txt", huge);
    std::string error;
    EXPECT_FALSE(saveBestTimes(q.path(), BestTimes{}, error));
    EXPECT_EQ(error, "File too large");
    EXPECT_TRUE(q.read("times.txt") == huge);

    q.write("times.txt", "Quiltra best times 1\nalpha.jpg\t4\t3\tpuzzle\t200\t9\t0\t2024-05-01\n");
    EXPECT_TRUE(saveBestTimes(q.path(), BestTimes{}, error)) << error;
    EXPECT_EQ(q.read("times.txt"), "Quiltra best times 1\n");
}

} // namespace
} // namespace quiltra
