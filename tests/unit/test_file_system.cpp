// Replacing a file through a temporary file: whatever sits beside it is never opened, two
// writers never mix, and a failure leaves nothing behind.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace quiltra {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// Runs `work` in a child process and gives its exit status, or -1 when it has not finished within
// the time allowed (the child is then killed): a save that hangs fails the test instead of
// hanging it.
int runInChild(const std::function<bool()>& work, std::chrono::seconds allowed)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work() ? 0 : 1);
    const auto deadline = std::chrono::steady_clock::now() + allowed;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool isPlainFile(const std::string& path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type() == fs::file_type::regular;
}

// The names a temporary file of an earlier version had, and that another program could leave.
const std::vector<std::string> kOldTemporaryNames{"init.txt.tmp", "last.txt.tmp"};

TEST(ReplaceFile, AFifoAtATemporaryNameIsNeverOpened)
{
    TempFolder q;
    for (const std::string& name : kOldTemporaryNames)
        ASSERT_EQ(::mkfifo((q / name).c_str(), 0644), 0);
    for (const char* target : {"init.txt", "last.txt"}) {
        SCOPED_TRACE(target);
        const int status = runInChild(
            [&] {
                std::string error;
                return replaceFile(q / target, "new text\n", error);
            },
            std::chrono::seconds(10));
        EXPECT_EQ(status, 0) << "the save hung or failed";
        EXPECT_TRUE(isPlainFile(q / target));
        EXPECT_EQ(q.read(target), "new text\n");
    }
    EXPECT_EQ(q.names(), (std::vector<std::string>{"init.txt", "init.txt.tmp", "last.txt",
                                                   "last.txt.tmp"}));
}

TEST(ReplaceFile, ALinkAtATemporaryNameIsNeitherFollowedNorKept)
{
    TempFolder q, outside;
    outside.write("precious.txt", "keep me\n");
    fs::create_symlink(outside / "precious.txt", q / "init.txt.tmp");
    fs::create_symlink(outside / "dangling.txt", q / "last.txt.tmp");
    q.write("init.txt", "old\n");

    std::string error;
    ASSERT_TRUE(replaceFile(q / "init.txt", "new\n", error)) << error;
    ASSERT_TRUE(replaceFile(q / "last.txt", "saved\n", error)) << error;

    EXPECT_EQ(outside.read("precious.txt"), "keep me\n");
    EXPECT_EQ(outside.names(), std::vector<std::string>{"precious.txt"});
    EXPECT_TRUE(isPlainFile(q / "init.txt"));
    EXPECT_TRUE(isPlainFile(q / "last.txt"));
    EXPECT_EQ(q.read("init.txt"), "new\n");
    EXPECT_EQ(q.read("last.txt"), "saved\n");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(q / "init.txt.tmp")));
}

// Two programs exiting at once: each save succeeds, and the file always holds one whole text.
TEST(ReplaceFile, TwoWritersAtOnceEachSucceedAndNeverMix)
{
    TempFolder q;
    const std::string path = q / "init.txt";
    // The first text is longer, so a mix would leave its tail behind the second.
    const std::string first = "*," + std::string(200000, 'a') + ",end\n";
    const std::string second = "*," + std::string(1000, 'b') + ",end\n";
    std::string error;
    ASSERT_TRUE(replaceFile(path, second, error)) << error;

    constexpr int kRounds = 200;
    int failures[2] = {0, 0};
    int mixed = 0;
    std::atomic<bool> writing{true};
    std::thread reader([&] {
        while (writing) {
            const std::string now = q.read("init.txt");   // one open, so one file
            if (now != first && now != second)
                ++mixed;
        }
    });
    std::thread a([&] {
        std::string e;
        for (int i = 0; i < kRounds; ++i)
            failures[0] += replaceFile(path, first, e) ? 0 : 1;
    });
    std::thread b([&] {
        std::string e;
        for (int i = 0; i < kRounds; ++i)
            failures[1] += replaceFile(path, second, e) ? 0 : 1;
    });
    a.join();
    b.join();
    writing = false;
    reader.join();

    EXPECT_EQ(failures[0], 0);
    EXPECT_EQ(failures[1], 0);
    EXPECT_EQ(mixed, 0);
    const std::string last = q.read("init.txt");
    EXPECT_TRUE(last == first || last == second);
    EXPECT_EQ(q.names(), std::vector<std::string>{"init.txt"});
}

// A write that cannot finish (as on a full disk) or a rename that cannot happen keeps the old
// file and removes the temporary file.
TEST(ReplaceFile, AFailureKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    TempFolder q;
    q.write("init.txt", "old\n");
    const int status = runInChild(
        [&] {
            test::FileSizeLimit limit(1000);
            std::string error;
            return !replaceFile(q / "init.txt", std::string(5000, 'x'), error) && !error.empty();
        },
        std::chrono::seconds(10));
    EXPECT_EQ(status, 0) << "an unfinished write must fail with a reason";
    EXPECT_EQ(q.read("init.txt"), "old\n");
    EXPECT_EQ(q.names(), std::vector<std::string>{"init.txt"});

    // A folder in the way of the rename.
    q.write("last.txt/inside", "x");
    std::string error;
    EXPECT_FALSE(replaceFile(q / "last.txt", "saved\n", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(q.names(), (std::vector<std::string>{"init.txt", "last.txt"}));
    EXPECT_EQ(q.names("last.txt"), std::vector<std::string>{"inside"});
}

} // namespace
} // namespace quiltra
