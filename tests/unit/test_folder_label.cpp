// The folder label of the picture windows, the volume that holds a folder, and the file lists'
// pattern matching.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pictures/file_patterns.h"
#include "pictures/folder_label.h"

using namespace quiltra;

namespace {

// A folder of `total` characters whose last folder name has `last` characters.
std::string folderOf(std::size_t total, std::size_t last)
{
    const std::string tail = "/" + std::string(last, 't');
    std::string head = "/home/";
    while (head.size() + tail.size() < total)
        head += char('a' + head.size() % 26);
    return head + tail;
}

} // namespace

TEST(FolderLabel, ShortensFrom27Characters)
{
    struct Case {
        std::size_t total, last;
        std::size_t tailShown;   // characters of the tail shown; 0 when the label is whole
        bool tailCut;
    };
    const Case cases[] = {
        {26, 7, 0, false}, {10, 3, 0, false}, {27, 7, 8, false}, {40, 7, 8, false},
        {40, 19, 20, false},   // a 20-character tail leaves no middle
        {50, 20, 20, true},    // 21 characters are cut to 17 and "..."
        {60, 40, 20, true},
    };
    for (const Case& c : cases) {
        const std::string folder = folderOf(c.total, c.last);
        ASSERT_EQ(folder.size(), c.total);
        const std::string label = folderLabel(folder);
        if (c.tailShown == 0) {
            EXPECT_EQ(label, folder);
            continue;
        }
        const std::string tail = folder.substr(folder.size() - c.last - 1);
        const std::string shownTail = c.tailCut ? tail.substr(0, 17) + "..." : tail;
        const std::string expected =
            folder.substr(0, 3) + folder.substr(3, 20 - shownTail.size()) + "..." + shownTail;
        EXPECT_EQ(label, expected) << folder;
        EXPECT_EQ(label.size(), 26u) << folder;
    }
}

TEST(FolderLabel, WorkedExample)
{
    // 40 characters, last folder name of 7: the first 3, the next 12, "..." and the 8-character
    // tail.
    const std::string folder = "/home/ann/Pictures/Holidays/2019/Seaside";
    ASSERT_EQ(folder.size(), 40u);
    EXPECT_EQ(folderLabel(folder), "/home/ann/Pictu.../Seaside");
    EXPECT_EQ(folderLabel("C:\\Documents\\Pictures\\Holidays\\Seaside"),
              "C:\\Documents\\Pi...\\Seaside");
}

TEST(FolderLabel, CountsCharactersNotBytes)
{
    // 26 characters, 31 bytes: shown whole.
    const std::string whole = "/home/éléonore/Étés/Plagée";
    EXPECT_EQ(folderLabel(whole), whole);
    // A longer one is never cut inside a character.
    const std::string label = folderLabel("/home/ééééééééééééééééé/Plage");
    EXPECT_EQ(label, "/home/ééééééééééé.../Plage");
}

TEST(VolumeHolding, LongestRootOnAFolderBoundary)
{
    const std::vector<std::string> roots = {"/", "/media/ann/USB", "/media/ann/USB2", "/boot"};
    EXPECT_EQ(volumeHolding("/media/ann/USB/Trips", roots), "/media/ann/USB");
    EXPECT_EQ(volumeHolding("/media/ann/USB", roots), "/media/ann/USB");
    EXPECT_EQ(volumeHolding("/media/ann/USB2/x", roots), "/media/ann/USB2");
    EXPECT_EQ(volumeHolding("/media/ann/USB3", roots), "/");
    EXPECT_EQ(volumeHolding("/bootstrap", roots), "/");
    EXPECT_EQ(volumeHolding("/home/ann", {}), "");
}

TEST(FilePatterns, MatchesLikeThePlatformsDialogs)
{
    struct Case {
        const char* name;
        const char* pattern;
        bool offered;
    };
    const Case cases[] = {
        {"Cat.jpg", "*.bmp;*.gif;*.jpg", true},   {"PHOTO.JPG", "*.jpg", true},
        {"scan.jpeg", "*.jpg", true},             {"SCAN.JPEG", "*.bmp;*.gif;*.jpg", true},
        {"scan.jpeg", "*.bmp;*.gif", false},      {"a.jpg.txt", "*.jpg", false},
        {"notes.txt", "*.bmp;*.gif;*.jpg", false}, {"Dog.Bmp", "*.bmp", true},
        {"dog.gif", " *.bmp ; *.gif ", true},     {"abc.jpg", "a?c.jpg", true},
        {"abbc.jpg", "a?c.jpg", false},           {"a*b.jpg", "*.jpg", true},
        {"jpg", "*.jpg", false},                  {".jpg", "*.jpg", true},
        {"anything", "", true},                   {"x.bmp", "x.bmp", true},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*c", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesPattern(c.name, c.pattern), c.offered) << c.name << " / " << c.pattern;
}

TEST(FilePatterns, ListSortedWithoutRegardToCase)
{
    const std::vector<std::string> names = {"b.jpg", "a.jpg", "C.BMP", "A.jpg", "c.txt", "B.gif"};
    EXPECT_EQ(filesMatching(names, "*.bmp;*.gif;*.jpg"),
              (std::vector<std::string>{"A.jpg", "a.jpg", "B.gif", "b.jpg", "C.BMP"}));
}
