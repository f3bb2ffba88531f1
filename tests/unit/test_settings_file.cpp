// The settings file: field splitting, numbers, the reader's failures and both writers.
#include <gtest/gtest.h>

#include "startup/settings_file.h"

namespace quiltra {
namespace {

const std::string kDefaultHead = "*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,";

TEST(SettingsFile, DefaultFileForTwoPictures)
{
    EXPECT_EQ(defaultSettingsText({"/q/Graphics/a.jpg", "/q/Graphics/b.jpg"}),
              kDefaultHead + "/q/Graphics/a.jpg,/q/Graphics/b.jpg,end\n");
    EXPECT_EQ(defaultSettingsText({}), kDefaultHead + "end\n");
}

TEST(SettingsFile, SplitsFieldsLikeTheReader)
{
    struct Case {
        const char* text;
        std::vector<std::string> fields;
    } cases[] = {
        {"a,b,c\n", {"a", "b", "c"}},
        {"  a,   b\r\n", {"a", "b"}},
        {"\"x,y\",z\n", {"x,y", "z"}},
        {"\"x\"junk,z", {"x", "z"}},
        {"a,,b", {"a", "", "b"}},
        {"a\nb", {"a", "b"}},
        {"\"unterminated", {"unterminated"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitFields(c.text), c.fields) << c.text;
}

TEST(SettingsFile, ConvertsDecimalAndHexNumbers)
{
    struct Case {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"9550", 9550},       {" 20 ", 20},           {"-3.5", -3.5},
        {"1e3", 1000},        {"&H80FF80", 8454016},  {"&H0080FFFF", 8454143},
        {"&hFF", 255},        {"&HFFFF", -1},         {"&HFFFFFFFF", -1},
        {"&H123456789", {}},  {"&H", {}},             {"abc", {}},
        {"12abc", {}},        {"", {}},               {"nan", {}},
        {"inf", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseNumber(c.text), c.value) << c.text;
}

TEST(SettingsFile, ReadsTheDefaultFile)
{
    const auto contents = parseSettings(kDefaultHead + "/q/Graphics/a.jpg,\"/q/x,y.jpg\",end\n");
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->prefs, StoredPreferences{});
    EXPECT_EQ(contents->entries, (std::vector<std::string>{"/q/Graphics/a.jpg", "/q/x,y.jpg"}));
}

TEST(SettingsFile, RejectsBrokenFiles)
{
    const char* broken[] = {
        "",                                                        // empty file
        "9550,6750,20,20,1,1,1,1,1,1,1,1,1,1,end\n",               // no marker
        "+,9550,6750,20,20,1,1,1,1,1,1,1,1,1,1,end\n",             // wrong marker
        "* ,9550,6750,20,20,1,1,1,1,1,1,1,1,1,1,end\n",            // marker must be exact
        "*,9550,6750,20,20,1,1,1,1,1,1,1,1,1,1,\n",                // ends before "end"
        "*,9550,6750,20,20,1,1,1,1,1,1,1,1,1,1,/a.jpg,End\n",      // "end" is case-sensitive
        "*,wide,6750,20,20,1,1,1,1,1,1,1,1,1,1,end\n",             // unconvertible number
        "*,9550,6750,20,20,1,1,1,32768,1,1,1,1,1,1,end\n",         // switch out of 16 bits
        "*,9550,6750,20,20,1,1,1,1,1,1,1,1,1,-32769,end\n",
        "*,9550,6750,20,20,1,1,1,1,1,1,1,yes,1,1,end\n",
        "*,9550,6750\n",                                           // too few fields
    };
    for (const char* text : broken)
        EXPECT_FALSE(parseSettings(text)) << text;
}

TEST(SettingsFile, SwitchesAreOnOnlyAtOne)
{
    const auto contents = parseSettings("*,9550,6750,20,20,1,1,1,2,-1,1,0,1,1,&HFFFF,end\n");
    ASSERT_TRUE(contents);
    EXPECT_FALSE(switchOn(contents->prefs.SoundEffects));
    EXPECT_FALSE(switchOn(contents->prefs.IntroSound));
    EXPECT_TRUE(switchOn(contents->prefs.MoveSound));
    EXPECT_FALSE(switchOn(contents->prefs.EndSound));
    EXPECT_EQ(contents->prefs.SaveOnExit, -1);
    EXPECT_EQ(*toInt16(2.5), 2);   // ties to even
    EXPECT_EQ(*toInt16(3.5), 4);
}

TEST(SettingsFile, SaveInfoWritesCurrentOrLoadedPreferences)
{
    SaveInfoValues v;
    v.Window.Width = 9564.5;
    v.Window.Height = 6760;
    v.Window.Left = 15;
    v.Window.Top = -30;
    v.loaded = StoredPreferences{};
    v.current.SelectionColor = 255;
    v.current.HintColor = 65280;
    v.current.BackColor = 0;
    v.current.SoundEffects = 0;
    v.current.OpenView = 0;
    v.entries = {"/p/a.jpg", "/p/with,comma.jpg"};

    v.writeCurrent = false;
    v.saveOnExitChecked = false;
    EXPECT_EQ(saveInfoText(v), "*,9564.5,6760,15,-30,8454016,8454143,12632256,1,1,1,1,1,1,0,"
                               "/p/a.jpg,\"/p/with,comma.jpg\",end\n");
    v.writeCurrent = true;
    v.saveOnExitChecked = true;
    EXPECT_EQ(saveInfoText(v), "*,9564.5,6760,15,-30,255,65280,0,0,1,1,1,1,0,1,"
                               "/p/a.jpg,\"/p/with,comma.jpg\",end\n");
    v.entries.clear();
    EXPECT_EQ(saveInfoText(v), "*,9564.5,6760,15,-30,255,65280,0,0,1,1,1,1,0,1,end\n");
}

TEST(SettingsFile, WhatSaveInfoWritesReadsBackTheSame)
{
    SaveInfoValues v;
    v.Window.Width = 10753.25;
    v.Window.Height = 7600;
    v.Window.Left = 1;
    v.Window.Top = 2;
    v.writeCurrent = true;
    v.current.SelectionColor = 0x123456;
    v.current.EditorView = 0;
    v.current.EndSound = 0;
    v.saveOnExitChecked = true;
    v.entries = {"/a/b c.jpg", "/x/y,z.gif", "/Ünïcode/ü.bmp", "  leading blanks.jpg", ""};
    const auto back = parseSettings(saveInfoText(v));
    ASSERT_TRUE(back);
    StoredPreferences expected = v.current;
    expected.Window.Width = 10753.25;
    expected.Window.Height = 7600;
    expected.Window.Left = 1;
    expected.Window.Top = 2;
    expected.SaveOnExit = 1;
    EXPECT_EQ(back->prefs, expected);
    EXPECT_EQ(back->entries, v.entries);
}

TEST(SettingsFile, DisplayNamesAndStorablePaths)
{
    EXPECT_EQ(displayName("/home/p/Cat.jpg"), "Cat.jpg");
    EXPECT_EQ(displayName("C:\\Q\\Graphics\\a.jpg"), "a.jpg");
    EXPECT_EQ(displayName("plain.jpg"), "plain.jpg");
    EXPECT_EQ(displayName("/folder/"), "");
    EXPECT_TRUE(isStorablePath("/a,b/c.jpg"));
    EXPECT_FALSE(isStorablePath("/a\"b.jpg"));
    EXPECT_FALSE(isStorablePath("/a\nb.jpg"));
    EXPECT_EQ(formatNumber(9550), "9550");
    EXPECT_EQ(formatNumber(0.1), "0.1");
    EXPECT_EQ(formatNumber(-0.0), "0");
}

} // namespace
} // namespace quiltra
