// The player's files are never lost to a write that cannot finish: under a file-size limit each
// writer keeps its old file, tells the player and leaves no temporary file behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <filesystem>

#include "startup/save_info.h"
#include "startup/settings_file.h"
#include "startup/startup_settings.h"
#include "support/child_process.h"
#include "unit/times_rig.h"

namespace quiltra {
namespace {

using test::TimesRig;

const std::string kSettings = "*," + std::string("9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,") +
                              "1,1,1,1,1,1,1,end\n";
const std::string kTimes =
    "Quiltra best times 1\nalpha.jpg\t4\t3\tpuzzle\t500\t40\t0\t2024-05-01\n";

bool hasTemporaryFile(const test::TempFolder& q)
{
    for (const std::string& name : q.names())
        if (name.find(".tmp-") != std::string::npos)
            return true;
    return false;
}

// With `ulimit -f` too low for the new text, "init.txt" (Save_Info), "last.txt" (Save) and
// "times.txt" (a finish) each fail as on a full disk. Start-up makes such a write fail instead of
// letting the limit's signal end the program, so the child must end normally.
TEST(FileSizeLimit, AWritePastTheLimitFailsLikeAFullDisk)
{
    TimesRig rig;
    rig.tmp.write("init.txt", kSettings);
    rig.tmp.write("last.txt", "an older saved game\n");
    rig.tmp.write("times.txt", kTimes);
    rig.newGame(0, "4x3=12");
    rig.someSwap();

    const test::ChildRun run = test::runInChildForText(
        [&] {
            std::signal(SIGXFSZ, SIG_DFL);   // as every program starts
            const StartupSettings s = loadStartupSettings(rig.tmp.path(), rig.tmp.path());
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 16;
            ::setrlimit(RLIMIT_FSIZE, &limit);

            std::string report, error;
            if (!writeSettingsFile(s.state, kSettings + kSettings, error))
                report += "init.txt: " + error + "\n";
            rig.game.mnuSave_Click();
            rig.solve(75);
            for (const auto& shown : rig.messages.shown)
                report += shown.text + "\n";
            return report;
        },
        std::chrono::seconds(20));

    EXPECT_EQ(run.signal, 0) << "a write past the limit ended the program";
    EXPECT_TRUE(run.succeeded());
    EXPECT_EQ(run.text, "init.txt: File too large\n"
                        "The game could not be saved: File too large. The previous saved game, if "
                        "any, is kept.\n"
                        "The best times could not be saved: File too large. They are kept until "
                        "Quiltra is closed.\n");
    EXPECT_EQ(rig.tmp.read("init.txt"), kSettings);
    EXPECT_EQ(rig.tmp.read("last.txt"), "an older saved game\n");
    EXPECT_EQ(rig.tmp.read("times.txt"), kTimes);
    EXPECT_FALSE(hasTemporaryFile(rig.tmp));
}

// An "init.txt" that is there but cannot be read whole may hold the player's picture list:
// start-up goes on with the defaults and leaves it as it is, and no save of the run replaces it.
TEST(SettingsKept, AFileThatCannotBeReadWholeIsNeverReplaced)
{
    const struct {
        const char* name;
        mode_t mode;
        std::uintmax_t size;   // 0: the settings text
        const char* reason;
    } cases[] = {
        {"unreadable", 0, 0, "Permission denied"},
        {"larger than any settings file", 0644, 65u << 20, "File too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder q;
        q.write("Graphics/a.jpg", "x");
        q.write("init.txt", kSettings);
        if (c.size)
            std::filesystem::resize_file(q / "init.txt", c.size);   // sparse: nothing is written
        ::chmod((q / "init.txt").c_str(), c.mode);
        const test::ChildRun run = test::runInChildForText(
            [&] {
                if (!test::becomeOrdinaryUser(q))
                    return std::string("could not become an ordinary user");
                const StartupSettings s = loadStartupSettings(q.path(), q.path());
                std::string report, error;
                for (const std::string& entry : s.entries)
                    report += entry + "\n";
                if (!writeSettingsFile(s.state, "*,a later save,end\n", error))
                    report += error + "\n";
                return report;
            },
            std::chrono::seconds(20));
        ::chmod((q / "init.txt").c_str(), 0644);
        EXPECT_EQ(run.text, q / "Graphics/a.jpg\n" +
                                std::string("the file could not be read when Quiltra started (") +
                                c.reason + ")\n");
        if (c.size)
            EXPECT_EQ(std::filesystem::file_size(q / "init.txt"), c.size);
        else
            EXPECT_EQ(q.read("init.txt"), kSettings);
    }
}

// "last.txt" is only ever replaced by a Save, the player's own choice: a Load that cannot read it
// tells so and leaves it as it is.
TEST(SettingsKept, ALoadThatCannotReadTheSavedGameLeavesIt)
{
    TimesRig rig;
    const std::string huge(2u << 20, '7');
    rig.tmp.write("last.txt", huge);
    rig.game.mnuRestore_Click();
    EXPECT_TRUE(rig.tmp.read("last.txt") == huge);
    const std::string saved = "a saved game\n";
    rig.tmp.write("last.txt", saved);
    ::chmod((rig.tmp / "last.txt").c_str(), 0);
    const test::ChildRun run = test::runInChildForText(
        [&] {
            if (!test::becomeOrdinaryUser(rig.tmp))
                return std::string("could not become an ordinary user");
            rig.game.mnuRestore_Click();
            std::string shown;
            for (const auto& m : rig.messages.shown)
                shown += m.text + "\n";
            return shown;
        },
        std::chrono::seconds(20));
    ::chmod((rig.tmp / "last.txt").c_str(), 0644);
    EXPECT_EQ(run.text, "Error in saved game file.\nError in saved game file.\n");
    EXPECT_EQ(rig.tmp.read("last.txt"), saved);
}

// The id of a process that has ended.
pid_t deadProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

void makeOld(const std::string& path)
{
    timespec times[2];
    times[0].tv_sec = times[1].tv_sec = ::time(nullptr) - 120;
    times[0].tv_nsec = times[1].tv_nsec = 0;
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

// A write killed in an earlier run leaves its temporary file; start-up removes it when its writer
// has gone and it is over a minute old, and touches nothing else.
TEST(StaleTemporaryFiles, StartUpRemovesOnlyThoseOfDeadWriters)
{
    test::TempFolder q;
    q.write("init.txt", kSettings);
    const std::string dead = std::to_string(deadProcess());
    const std::string live = std::to_string(::getpid());
    const std::vector<std::string> removed = {
        "times.txt.tmp-" + dead + "-0-0123abcd",
        "init.txt.tmp-" + dead + "-12-89abcdef",
        "last.txt.tmp-" + dead + "-3-00000000",
    };
    const std::vector<std::string> keptOld = {
        "times.txt.tmp-" + live + "-0-0123abcd",     // its writer still runs
        "times.txt.tmp-notapid",
        "other.tmp-" + dead,
        "other.txt.tmp-" + dead + "-0-0123abcd",     // not a file of the game's
        "times.txt.tmp-" + dead + "-0-0123abcd.old",
        "times.txt.tmp-" + dead + "-0-0123ABCD",
        "times.txt.tmp--0-0123abcd",
        "times.txt.tmp",
        "times.txt",
    };
    for (const std::string& name : removed)
        q.write(name, "x");
    for (const std::string& name : keptOld)
        q.write(name, "x");
    const std::string fresh = "times.txt.tmp-" + dead + "-1-0123abcd";   // written just now
    q.write(fresh, "x");
    const std::string folder = "times.txt.tmp-" + dead + "-2-0123abcd";
    std::filesystem::create_directory(q / folder);
    const std::string link = "last.txt.tmp-" + dead + "-4-0123abcd";
    std::filesystem::create_symlink(q / "times.txt", q / link);
    for (const std::string& name : q.names())
        if (name != fresh)
            makeOld(q / name);

    loadStartupSettings(q.path(), q.path());

    std::vector<std::string> expected = keptOld;
    expected.insert(expected.end(), {fresh, folder, link, "init.txt"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(q.names(), expected);
    EXPECT_EQ(q.read("init.txt"), kSettings);
}

} // namespace
} // namespace quiltra
