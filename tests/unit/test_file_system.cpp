// Replacing a file through a temporary file: whatever sits beside it is never opened, two
// writers never mix, and a failure leaves nothing behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <optional>
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
#include "support/child_process.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace quiltra {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

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
        const test::ChildEnd status = test::runInChild(
            [&] {
                std::string error;
                return replaceFile(q / target, "new text\n", error);
            },
            std::chrono::seconds(10));
        EXPECT_TRUE(status.succeeded()) << "the save hung or failed";
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
    const test::ChildEnd status = test::runInChild(
        [&] {
            test::FileSizeLimit limit(1000);
            std::string error;
            return !replaceFile(q / "init.txt", std::string(5000, 'x'), error) && !error.empty();
        },
        std::chrono::seconds(10));
    EXPECT_TRUE(status.succeeded()) << "an unfinished write must fail with a reason";
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

namespace quiltra {
namespace {

// The listings see through links: a link to a picture is a picture, a link to a folder is a
// folder, a dangling link is neither; extensions match in any case and a name that is only an
// extension is no picture.
TEST(FolderListing, FollowsLinksAndMatchesExtensions)
{
    test::TempFolder folder;
    folder.write("b.jpg", "x");
    folder.write("A.JPG", "x");
    folder.write(".jpg", "x");
    folder.write("notes.txt", "x");
    folder.write("sub/inner.jpg", "x");
    std::filesystem::create_directory(folder / "dir.jpg");
    std::filesystem::create_symlink(folder / "b.jpg", folder / "link.jpg");
    std::filesystem::create_symlink(folder / "sub", folder / "linked folder");
    std::filesystem::create_symlink(folder / "gone.jpg", folder / "dangling.jpg");

    EXPECT_EQ(listFiles(folder.path(), ".jpg"), (std::vector<std::string>{"A.JPG", "b.jpg", "link.jpg"}));
    std::vector<std::string> folders, files;
    EXPECT_TRUE(readFolder(folder.path(), [&](const FolderEntry& e) {
        EXPECT_NE(e.name, ".");
        EXPECT_NE(e.name, "..");
        if (e.folder)
            folders.push_back(e.name);
        if (e.regularFile)
            files.push_back(e.name);
    }));
    std::sort(folders.begin(), folders.end());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(folders, (std::vector<std::string>{"dir.jpg", "linked folder", "sub"}));
    EXPECT_EQ(files, (std::vector<std::string>{".jpg", "A.JPG", "b.jpg", "link.jpg", "notes.txt"}));
    EXPECT_FALSE(readFolder(folder / "missing", [](const FolderEntry&) {}));
    EXPECT_TRUE(listFiles(folder / "b.jpg", ".jpg").empty());
}

TEST(FolderListing, AbsolutePathsAreResolvedByTheirText)
{
    EXPECT_EQ(absolutePath("/a/./b//c/../d"), "/a/b/d");
    EXPECT_EQ(absolutePath("/../x"), "/x");
    EXPECT_EQ(absolutePath("/a/b/.."), "/a/");
    EXPECT_EQ(absolutePath("/a/b/"), "/a/b/");
    EXPECT_EQ(absolutePath("/"), "/");
    char* here = ::getcwd(nullptr, 0);
    ASSERT_NE(here, nullptr);
    const std::string cwd(here);
    std::free(here);
    EXPECT_EQ(absolutePath("pic.jpg"), cwd + "/pic.jpg");
    EXPECT_EQ(absolutePath("./x/../pic.jpg"), cwd + "/pic.jpg");
}

// The player's data folder is made with every folder missing on the way to it.
TEST(FolderListing, TheDataFolderIsMadeWithItsParents)
{
    test::TempFolder home;
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string before = saved ? saved : "";
    ::setenv("XDG_DATA_HOME", (home / "deep/er/share").c_str(), 1);
    const std::optional<std::string> data = userDataFolder();
    if (saved)
        ::setenv("XDG_DATA_HOME", before.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(*data, home / "deep/er/share/Quiltra");
    EXPECT_TRUE(isFolder(*data));
}

} // namespace
} // namespace quiltra
