// Best times: the ranking, the ten best per group, the listing order, and "times.txt" as written,
// read back, damaged and oversized.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/best_times.h"
#include "game/times_file.h"
#include "support/temp_folder.h"

namespace quiltra {
namespace {

using test::TempFolder;

TimeResult result(int hints, int seconds, int moves, std::string date = "2024-05-01",
                  std::string picture = "Lake.jpg", Mode mode = Mode::Puzzle, int cols = 4,
                  int rows = 3)
{
    return {std::move(picture), std::int16_t(cols), std::int16_t(rows), mode,
            seconds, std::int16_t(moves), std::int16_t(hints), std::move(date)};
}

std::vector<int> secondsOf(const std::vector<TimeResult>& results)
{
    std::vector<int> out;
    for (const TimeResult& r : results)
        out.push_back(r.Seconds);
    return out;
}

std::vector<TimeResult> lakeGroup(const BestTimes& t)
{
    return t.group("Lake.jpg", 4, 3, Mode::Puzzle);
}

TEST(BestTimes, HintsThenTimeThenMovesThenDate)
{
    BestTimes t;
    // Each later line beats the one above it by exactly one rule.
    EXPECT_EQ(t.record(result(1, 10, 5)).rank, 1);
    EXPECT_EQ(t.record(result(0, 100, 50, "2024-05-02")).rank, 1);  // fewer hints beat a faster time
    EXPECT_EQ(t.record(result(0, 100, 50, "2024-05-01")).rank, 1);  // the earlier date
    EXPECT_EQ(t.record(result(0, 100, 40, "2024-06-01")).rank, 1);  // fewer moves beat the date
    EXPECT_EQ(t.record(result(0, 90, 99, "2024-07-01")).rank, 1);   // a shorter time beats moves
    EXPECT_EQ(secondsOf(lakeGroup(t)), (std::vector<int>{90, 100, 100, 100, 10}));
    EXPECT_EQ(lakeGroup(t)[2].Date, "2024-05-01");

    // Another grid, mode or picture is a group of its own.
    EXPECT_TRUE(t.record(result(5, 999, 999, "2024-05-01", "Lake.jpg", Mode::Slider)).newBest());
    EXPECT_TRUE(t.record(result(5, 999, 999, "2024-05-01", "Lake.jpg", Mode::Puzzle, 5, 3)).newBest());
    EXPECT_TRUE(t.record(result(5, 999, 999, "2024-05-01", "lake.jpg")).newBest());
    EXPECT_EQ(t.size(), 8u);
}

TEST(BestTimes, TenBestKeptAndTiesKeepTheOlderResult)
{
    BestTimes t;
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(t.record(result(0, i * 10, 20)).rank, i);
    // A tie with the second ranks after it, and the slowest falls out.
    const RecordOutcome tie = t.record(result(0, 20, 20));
    EXPECT_EQ(tie.rank, 3);
    EXPECT_FALSE(tie.newBest());
    EXPECT_EQ(secondsOf(lakeGroup(t)), (std::vector<int>{10, 20, 20, 30, 40, 50, 60, 70, 80, 90}));
    // A tie with the tenth would be eleventh: not kept, nothing changes.
    const RecordOutcome eleventh = t.record(result(0, 90, 20));
    EXPECT_FALSE(eleventh.kept());
    EXPECT_EQ(eleventh.rank, 0);
    EXPECT_EQ(secondsOf(lakeGroup(t)).back(), 90);
    EXPECT_EQ(t.size(), 10u);
    // A result the file could not hold is never kept.
    EXPECT_FALSE(t.record(result(0, 1, 1, "2023-02-29")).kept());
    EXPECT_FALSE(t.record(result(0, 1, 1, "2024-05-01", "")).kept());
    EXPECT_TRUE(t.record(result(0, 1, 1, "2024-02-29")).newBest());
}

TEST(BestTimes, ListingShowsThePictureInPlayFirst)
{
    BestTimes t;
    t.record(result(0, 1, 1, "2024-05-01", "B.jpg"));
    t.record(result(0, 2, 1, "2024-05-01", "C.jpg", Mode::Slider));
    t.record(result(0, 3, 1, "2024-05-01", "A.jpg"));
    t.record(result(0, 4, 1, "2024-05-01", "C.jpg", Mode::Puzzle));
    t.record(result(0, 5, 1, "2024-05-01", "C.jpg", Mode::Puzzle, 3, 3));
    EXPECT_EQ(secondsOf(t.listing("C.jpg")), (std::vector<int>{5, 4, 2, 3, 1}));
    EXPECT_EQ(secondsOf(t.listing("")), (std::vector<int>{3, 1, 5, 4, 2}));
}

BestTimes oddNames()
{
    BestTimes t;
    const std::string names[] = {"Tab\there.jpg", "Two\nlines.jpg", "Lat\xe9n1.jpg",
                                 "back\\slash \\t.jpg", "ñandú.jpg", "cr\r\x01\x7f.jpg",
                                 "cut\xc3.jpg", "surrogate\xed\xa0\x80.jpg"};
    for (const std::string& n : names)
        t.record(result(1, 3599, 77, "2024-12-31", n, Mode::Slider, 20, 15));
    t.record(result(32767, kMaxResultSeconds, 32767, "9999-12-31", "Max.jpg"));
    return t;
}

TEST(TimesFile, RoundTripKeepsEveryNameOnItsLine)
{
    const BestTimes times = oddNames();
    const std::string text = bestTimesText(times);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + long(times.size()));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 7 * long(times.size()));
    EXPECT_NE(text.find("Lat\\xE9n1.jpg\t20\t15\tslider\t3599\t77\t1\t2024-12-31\n"),
              std::string::npos);
    EXPECT_NE(text.find("\xc3\xb1" "and\xc3\xba.jpg\t"), std::string::npos) << "UTF-8 stays readable";
    EXPECT_EQ(parseBestTimes(text), times);

    TempFolder q;
    std::string error;
    ASSERT_TRUE(saveBestTimes(q.path(), times, error)) << error;
    EXPECT_EQ(q.read("times.txt"), text);
    EXPECT_EQ(readTimesFile(q.path()).times, times);

    EXPECT_FALSE(saveBestTimes(q / "no such folder", times, error));
    EXPECT_FALSE(error.empty());
}

TEST(TimesFile, HostileLinesAreSkippedAndNotWrittenAgain)
{
    const std::string good = "Lake.jpg\t4\t3\tpuzzle\t75\t30\t0\t2024-05-01";
    const std::string bad[] = {
        "Lake.jpg\t4\t3\tpuzzle\t75\t30\t0",
        good + "\textra",
        "Lake.jpg\t4\t3\tpuzzle\t-75\t30\t0\t2024-05-01",
        "Lake.jpg\t4\t3\tpuzzle\t75.5\t30\t0\t2024-05-01",
        "Lake.jpg\t4\t3\tpuzzle\t360000001\t30\t0\t2024-05-01",
        "Lake.jpg\t4\t3\tpuzzle\t75\t32768\t0\t2024-05-01",
        "Lake.jpg\t0\t3\tpuzzle\t75\t30\t0\t2024-05-01",
        "Lake.jpg\t20\t20\tpuzzle\t75\t30\t0\t2024-05-01",
        "Lake.jpg\t4\t3\tPuzzle\t75\t30\t0\t2024-05-01",
        "Lake.jpg\t4\t3\tpuzzle\t75\t30\t0\t2024-04-31",
        "La\\qke.jpg\t4\t3\tpuzzle\t75\t30\t0\t2024-05-01",
        "Lake\\x4\t4\t3\tpuzzle\t75\t30\t0\t2024-05-01",
        "\t4\t3\tpuzzle\t75\t30\t0\t2024-05-01",
        std::string(kMaxResultNameBytes + 1, 'x') + "\t4\t3\tpuzzle\t75\t30\t0\t2024-05-01",
        good + std::string(1, '\0'),
        std::string(100000, '\t'),
    };
    std::string text = "Quiltra best times 1\n";
    for (const std::string& line : bad)
        text += line + "\n";
    // The same group spread over many lines: only its ten best are kept, wherever they stand.
    for (int i = 15; i >= 1; --i)
        text += "Sea.jpg\t3\t3\tslider\t" + std::to_string(i) + "\t9\t0\t2024-05-01\n";
    text += good + "\r\n";

    const BestTimes times = parseBestTimes(text);
    EXPECT_EQ(times.size(), 11u);
    EXPECT_EQ(secondsOf(times.group("Sea.jpg", 3, 3, Mode::Slider)),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    ASSERT_EQ(lakeGroup(times).size(), 1u);
    EXPECT_EQ(lakeGroup(times)[0], result(0, 75, 30));

    std::string expected = "Quiltra best times 1\n" + good + "\n";
    for (int i = 1; i <= 10; ++i)
        expected += "Sea.jpg\t3\t3\tslider\t" + std::to_string(i) + "\t9\t0\t2024-05-01\n";
    EXPECT_EQ(bestTimesText(times), expected);
}

TEST(TimesFile, SizeAndCountAreBounded)
{
    TempFolder q;

    const std::string line = "Lake.jpg\t4\t3\tpuzzle\t75\t30\t0\t2024-05-01\n";
    std::string huge;
    while (huge.size() <= kMaxTimesFileBytes)
        huge += line;
    q.write("times.txt", huge);
    EXPECT_TRUE(readTimesFile(q.path()).times.empty());
    EXPECT_EQ(readTimesFile(q.path()).unreadable, "File too large");
    q.write("times.txt", line);
    EXPECT_EQ(readTimesFile(q.path()).times.size(), 1u);
    EXPECT_EQ(readTimesFile(q.path()).unreadable, "");

    // More results than may be held: every line its own group.
    std::string many;
    for (std::size_t i = 0; i < kMaxResults + 5; ++i)
        many += std::to_string(i) + ".jpg\t4\t3\tpuzzle\t75\t30\t0\t2024-05-01\n";
    bool cutShort = false;
    BestTimes full = parseBestTimes(many, &cutShort);
    EXPECT_EQ(full.size(), kMaxResults);
    EXPECT_TRUE(cutShort);
    EXPECT_FALSE(full.record(result(0, 1, 1, "2024-05-01", "new.jpg")).kept());
    // Exactly as many as are held, with damaged lines after them, is read whole.
    many.resize(many.rfind(std::to_string(kMaxResults) + ".jpg"));
    parseBestTimes(many + "damaged\n\n", &cutShort);
    EXPECT_FALSE(cutShort);
}

// The largest file the game can write reads back whole: as many results as are kept, each with
// the longest name it stores (bytes that are never part of UTF-8, written "\xHH") and every
// number at its widest.
TEST(TimesFile, TheLargestFileTheGameWritesReadsBackWhole)
{
    std::size_t longest = kMaxResultNameBytes;
    while (!isStorableResult(result(0, 1, 1, "2024-05-01", std::string(longest, '\x80'))))
        --longest;
    BestTimes times;
    for (std::size_t i = 0; times.size() < kMaxResults; ++i) {
        std::string name(longest, '\x80');
        for (std::size_t digit = 0, n = i; digit < 3; ++digit, n /= 64)
            name[digit] = char(0x80 + n % 64);
        ASSERT_TRUE(times.record(result(32767, kMaxResultSeconds, 32767, "2024-12-31", name,
                                        Mode::Slider, 100, 3)).kept());
    }
    TempFolder q;
    std::string error;
    ASSERT_TRUE(saveBestTimes(q.path(), times, error)) << error;
    const std::size_t written = q.read("times.txt").size();
    EXPECT_GT(written, kMaxResults * kMaxResultNameBytes) << "the names are not at their longest";
    EXPECT_LE(written, kMaxTimesFileBytes);
    const TimesFile read = readTimesFile(q.path());
    EXPECT_EQ(read.unreadable, "");
    EXPECT_TRUE(read.times == times);
}

} // namespace
} // namespace quiltra
