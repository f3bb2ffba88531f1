// The player's files are never lost to a write that cannot finish: under a file-size limit each
// writer keeps its old file, tells the player and leaves no temporary file behind.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include <sys/resource.h>

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
const std::string kTimes = "Quiltra best times 1\nalpha.jpg\t4\t3\tpuzzle\t500\t40\t0\t2024-05-01\n";

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

} // namespace
} // namespace quiltra
