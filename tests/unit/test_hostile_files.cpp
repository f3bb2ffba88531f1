// Settings files as they arrive from crashes, hand edits and other machines, and a disk that
// fills up while saving: start-up never fails and never loses the previous file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/mount.h>

#include "platform/file_system.h"
#include "startup/startup_settings.h"
#include "support/temp_folder.h"

namespace quiltra {
namespace {

using test::TempFolder;

const std::string kHead = "*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,";

TEST(HostileSettings, TenThousandEntriesAreReadInOrder)
{
    TempFolder q;
    std::string text = kHead;
    for (int i = 0; i < 10000; ++i) {
        const std::string name = "p/" + std::to_string(i % 50) + ".jpg";
        if (i < 50)
            q.write(name, "x");
        text += q / name + ",";
    }
    q.write("init.txt", text + "end\n");
    const StartupSettings s = loadStartupSettings(q.path(), q.path());
    EXPECT_FALSE(s.replacedWithDefaults);
    ASSERT_EQ(s.entries.size(), 10000u);
    EXPECT_EQ(s.entries[9999], q / "p/49.jpg");
}

TEST(HostileSettings, OddContentIsReadOrReplacedNeverTrusted)
{
    struct Case {
        const char* name;
        std::string tail;   // after the preference fields
        bool replaced;
        std::vector<std::string> entries;
    };
    TempFolder q;
    q.write("Graphics/a.jpg", "x");
    q.write("ü/ñandú, la foto.jpg", "x");
    const std::string utf8 = q / "ü/ñandú, la foto.jpg";
    const Case cases[] = {
        {"a 1 MB line", std::string(1 << 20, 'x') + ",end\n", false, {}},
        {"a NUL inside a path", q / "Graphics/a.jpg" + std::string(1, '\0') + "junk,end\n", false, {}},
        {"NUL bytes instead of a terminator", std::string(64, '\0'), true, {q / "Graphics/a.jpg"}},
        {"a UTF-8 path with a comma, quoted", "\"" + utf8 + "\",end\n", false, {utf8}},
        {"the same path unquoted splits in two", utf8 + ",end\n", false, {}},
        {"Windows line breaks", q / "Graphics/a.jpg" + ",end\r\n", false, {q / "Graphics/a.jpg"}},
        {"no line break at all", q / "Graphics/a.jpg" + ",end", false, {q / "Graphics/a.jpg"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        q.write("init.txt", kHead + c.tail);
        const StartupSettings s = loadStartupSettings(q.path(), q.path());
        EXPECT_EQ(s.replacedWithDefaults, c.replaced);
        EXPECT_EQ(s.entries, c.entries);
    }
}

// A small file system that fills up: the temporary file cannot be written whole, so the old
// settings file must stay exactly as it was.
TEST(HostileSettings, AFullDiskKeepsThePreviousFile)
{
    TempFolder q;
    const std::string disk = q / "disk";
    std::filesystem::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here (needs root)";
    const std::string path = disk + "/init.txt";
    std::string error;
    ASSERT_TRUE(replaceFile(path, kHead + "end\n", error)) << error;
    const std::string big = kHead + std::string(200 * 1024, 'x') + ",end\n";
    EXPECT_FALSE(replaceFile(path, big, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readWholeFile(path).value_or(""), kHead + "end\n");
    EXPECT_EQ(q.names("disk"), std::vector<std::string>{"init.txt"});
    ::umount(disk.c_str());
}

} // namespace
} // namespace quiltra
