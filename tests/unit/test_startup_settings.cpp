// Start-up's settings steps against real folders: defaults, failure path, dropped entries.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/file_system.h"
#include "startup/startup_settings.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace quiltra {
namespace {

using test::TempFolder;

const std::string kPrefs = "9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,";

TEST(StartupSettings, MissingFileIsReplacedByTheDefaults)
{
    TempFolder q;
    q.write("Graphics/b.jpg", "x");
    q.write("Graphics/a.jpg", "x");
    q.write("Graphics/C.JPG", "x");
    q.write("Graphics/notes.txt", "x");
    const StartupSettings s = loadStartupSettings(q.path(), q.path());
    EXPECT_TRUE(s.replacedWithDefaults);
    EXPECT_FALSE(s.defaultsOnlyInMemory);
    EXPECT_EQ(q.read("init.txt"), "*," + kPrefs + q / "Graphics/C.JPG," + q / "Graphics/a.jpg," +
                                      q / "Graphics/b.jpg,end\n");
    EXPECT_EQ(s.entries.size(), 3u);
    EXPECT_EQ(s.state.Window.Width, 9550);
    EXPECT_EQ(s.state.Window.Height, 6750);
    EXPECT_EQ(s.state.Window.Left, 20);
    EXPECT_EQ(s.state.Loaded.SaveOnExit, 1);
    EXPECT_EQ(s.state.GraphicsFolder, q / "Graphics");
    EXPECT_FLOAT_EQ(s.state.WindowAspect, 9550.0f / 6750.0f);
}

TEST(StartupSettings, UnreadableFilesTakeTheFailurePath)
{
    const char* bad[] = {
        "",
        "9550,6750,20,20\n",
        "*,9550,6750,20,20,1,1,1,1,1,1,1,1,1,1,\n",
        "*,9550,6750,20,20,1,1,1,1,1,1,1,3,1,1,end\n",         // editor View box 3
        "*,9550,6750,20,20,-1,1,1,1,1,1,1,1,1,1,end\n",        // colour out of range
        "*,9550,6750,20,20,1,1,16777216,1,1,1,1,1,1,1,end\n",
        "*,0,6750,20,20,1,1,1,1,1,1,1,1,1,1,end\n",            // no window size
        "*,1,1,20,20,1,1,1,1,1,1,1,1,1,1,end\n",               // windows no key reaches
        "*,1.5e3,0.0001,20,20,1,1,1,1,1,1,1,1,1,1,end\n",
        "*,8999,6750,20,20,1,1,1,1,1,1,1,1,1,1,end\n",
        "*,9550,6398.9,20,20,1,1,1,1,1,1,1,1,1,1,end\n",
        "*,9550,6750,20,20,1,1,1,1,1,1,1,1,1,70000,end\n",
    };
    for (const char* text : bad) {
        TempFolder q;
        q.write("Graphics/a.jpg", "x");
        q.write("init.txt", text);
        const StartupSettings s = loadStartupSettings(q.path(), q.path());
        EXPECT_TRUE(s.replacedWithDefaults) << text;
        EXPECT_EQ(q.read("init.txt"), "*," + kPrefs + q / "Graphics/a.jpg,end\n") << text;
        EXPECT_EQ(s.entries, std::vector<std::string>{q / "Graphics/a.jpg"}) << text;
    }
}

// The program never refuses a window it saved itself: from every screen size, the - key held
// down to its floor, and + and - by turns after it, give windows that are read back as written.
TEST(StartupSettings, WindowsTheKeysReachAreKept)
{
    std::vector<std::pair<double, double>> sizes{{1.0e6, 1.0e6}};
    for (int screen = 0; screen < 6; ++screen) {
        test::GameRig rig;
        rig.game.Form_Load();
        rig.game.mnuScreen_Click(screen);
        for (int step = 0; step < 3; ++step) {
            for (int held = 0; held < 200; ++held)
                rig.game.keyDown(Key::Minus);
            rig.game.keyUp(Key::Minus);
            sizes.emplace_back(rig.game.form().Window.Width, rig.game.form().Window.Height);
            rig.game.keyDown(Key::Plus);
            rig.game.keyDown(Key::Plus);
            rig.game.keyUp(Key::Plus);
        }
    }
    for (const auto& [width, height] : sizes) {
        TempFolder q;
        q.write("Graphics/a.jpg", "x");
        const std::string text = "*," + formatNumber(width) + "," + formatNumber(height) +
                                 ",20,20,1,1,1,1,1,1,1,1,1,1," + q / "Graphics/a.jpg,end\n";
        q.write("init.txt", text);
        const StartupSettings s = loadStartupSettings(q.path(), q.path());
        EXPECT_FALSE(s.replacedWithDefaults) << text;
        EXPECT_EQ(s.state.Window.Width, width);
        EXPECT_EQ(s.state.Window.Height, height);
        EXPECT_EQ(q.read("init.txt"), text);
    }
}

TEST(StartupSettings, KeepsAGoodFileAndDropsMissingEntriesInOrder)
{
    TempFolder q;
    q.write("p/one.jpg", "x");
    q.write("p/three.jpg", "x");
    q.write("p/a,b.jpg", "x");
    const std::string text = "*,10753,7600,100,50,255,&H00FF00,0,0,1,1,0,2,0,0," + q / "p/one.jpg," +
                             q / "p/two.jpg," + q / "p/three.jpg,\"" + q / "p/a,b.jpg\"," +
                             q / "p/a,end\n";
    q.write("init.txt", text);
    const StartupSettings s = loadStartupSettings(q.path(), q.path());
    EXPECT_FALSE(s.replacedWithDefaults);
    EXPECT_EQ(q.read("init.txt"), text); // a good file is never rewritten at start-up
    EXPECT_EQ(s.entries, (std::vector<std::string>{q / "p/one.jpg", q / "p/three.jpg",
                                                   q / "p/a,b.jpg"}));
    EXPECT_EQ(s.state.Window.Width, 10753);
    EXPECT_EQ(s.state.Window.Top, 50);
    EXPECT_EQ(s.state.SelectionColor, 255);
    EXPECT_EQ(s.state.Loaded.HintColor, 65280);
    EXPECT_EQ(s.state.Loaded.BackColor, 0);
    EXPECT_EQ(s.state.Loaded.SoundEffects, 0);
    EXPECT_EQ(s.state.Loaded.EndSound, 0);
    EXPECT_EQ(s.state.Loaded.EditorView, 2);
    EXPECT_EQ(s.state.OpenViewSetting, 0);
    EXPECT_EQ(s.state.Loaded.SaveOnExit, 0);
}

// A portable program folder moved after its first run: the entries that named its supplied
// pictures at the former place are taken from the current Graphics folder, in their places.
TEST(StartupSettings, AMovedProgramFolderKeepsItsSuppliedPictures)
{
    TempFolder q, elsewhere;
    const std::string former = elsewhere / "Quiltra";   // moved away: nothing is left there
    q.write("Graphics/Cat.jpg", "x");
    q.write("Graphics/Fig.jpg", "x");
    elsewhere.write("Mine/Graphics/Own.jpg", "x");
    const std::string text = "*," + kPrefs + former + "/Graphics/Cat.jpg," +
                             elsewhere / "Mine/Graphics/Own.jpg," + former +
                             "/Graphics/Gone.jpg," + former + "/Graphics/Sub/Fig.jpg," + former +
                             "/Graphics/Fig.jpg,end\n";
    q.write("init.txt", text);
    const StartupSettings s = loadStartupSettings(q.path(), q.path());
    EXPECT_FALSE(s.replacedWithDefaults);
    EXPECT_EQ(s.entries, (std::vector<std::string>{q / "Graphics/Cat.jpg",
                                                   elsewhere / "Mine/Graphics/Own.jpg",
                                                   q / "Graphics/Fig.jpg"}));
    EXPECT_EQ(q.read("init.txt"), text);   // rewritten by the next save, not at start-up
}

// Missing entries are only followed when they clearly name one former program folder that has
// gone: a copied folder, or two folders the entries disagree on, keep the old rule (dropped).
TEST(StartupSettings, MissingEntriesOfOtherFoldersAreNotFollowed)
{
    struct Case {
        const char* name;
        std::vector<std::string> formerFolders;   // under `elsewhere`
        bool formerKeepsGraphics;
    };
    const Case cases[] = {
        {"the former folder still has its pictures", {"Old"}, true},
        {"two former folders", {"Old", "Older"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder q, elsewhere;
        q.write("Graphics/Cat.jpg", "x");
        if (c.formerKeepsGraphics)
            elsewhere.write("Old/Graphics/Dog.jpg", "x");
        std::string text = "*," + kPrefs;
        for (const std::string& f : c.formerFolders)
            text += elsewhere / f + "/Graphics/Cat.jpg,";
        q.write("init.txt", text + "end\n");
        const StartupSettings s = loadStartupSettings(q.path(), q.path());
        EXPECT_TRUE(s.entries.empty());
    }
}

TEST(StartupSettings, ReadOnlyFoldersStartWithDefaultsInMemory)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the end-to-end test covers this";
    TempFolder q;
    q.write("Graphics/a.jpg", "x");
    ::chmod(q.path().c_str(), 0555);
    const StartupSettings s = loadStartupSettings(q.path(), q.path());
    ::chmod(q.path().c_str(), 0755);
    EXPECT_TRUE(s.defaultsOnlyInMemory);
    EXPECT_FALSE(fileExists(q / "init.txt"));
    EXPECT_EQ(s.entries, std::vector<std::string>{q / "Graphics/a.jpg"});
}

TEST(StartupSettings, MissingGraphicsFolderGivesAnEmptyList)
{
    TempFolder q;
    const StartupSettings s = loadStartupSettings(q.path(), q.path());
    EXPECT_TRUE(s.entries.empty());
    EXPECT_EQ(q.read("init.txt"), "*," + kPrefs + "end\n");
}

TEST(StartupSettings, ReplaceFileKeepsTheOldFileWhenItCannotWrite)
{
    TempFolder q;
    q.write("init.txt", "old");
    std::string error;
    EXPECT_FALSE(replaceFile(q / "missing-folder/init.txt", "new", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(replaceFile(q / "init.txt", "new", error));
    EXPECT_EQ(q.read("init.txt"), "new");
    EXPECT_EQ(q.names(), std::vector<std::string>{"init.txt"});
}

} // namespace
} // namespace quiltra

namespace quiltra {
namespace {

TEST(SettingsFolder, PortableFoldersKeepTheirFilesInstalledOnesUseTheDataFolder)
{
    test::TempFolder program, data;
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    EXPECT_EQ(chooseSettingsFolder(program.path()), data / "Quiltra");
    EXPECT_TRUE(isWritableFolder(data / "Quiltra"));
    program.write(kPortableMarker, "portable");
    EXPECT_EQ(chooseSettingsFolder(program.path()), program.path());
    if (old)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace quiltra
