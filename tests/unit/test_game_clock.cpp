// The game clock's pauses and shown time, and the counters' stop at the 16-bit limit.
#include <gtest/gtest.h>

#include <cstdint>

#include "game/counters.h"
#include "game/game_clock.h"

namespace quiltra {
namespace {

TEST(GameClock, PausesCountNoPlayAndASecondPauseKeepsTheFirstStart)
{
    GameClock c;
    ASSERT_TRUE(c.start(100));
    EXPECT_FALSE(c.start(150)) << "a running clock keeps its start";
    c.pause(110);
    c.pause(130); // focus lost during a pause already running
    EXPECT_EQ(c.pausedAt(), 110);
    EXPECT_EQ(c.played(500), 10) << "frozen while paused";
    c.resume(140);
    EXPECT_FALSE(c.paused());
    EXPECT_EQ(c.played(145), 15) << "the 30 s paused are left out";
    c.resume(200); // resuming an unpaused clock moves nothing
    EXPECT_EQ(c.played(200), 70);
    c.stop();
    EXPECT_EQ(c.played(300), 0);
}

TEST(GameClock, RestoredGameIsPausedAtItsSavedTime)
{
    GameClock c;
    c.restore(1000, 75);
    EXPECT_TRUE(c.running() && c.paused());
    EXPECT_EQ(c.played(1200), 75);
    c.resume(1200);
    c.tick(1210);
    EXPECT_EQ(c.text(), " 0:01:25");
}

TEST(GameClock, TextRoundsTiesToEvenAndClearsToZero)
{
    GameClock c;
    c.start(0);
    c.tick(59.5);
    EXPECT_EQ(c.text(), " 0:01:00");
    c.tick(60.5);
    EXPECT_EQ(c.text(), " 0:01:00");
    c.tick(36000);
    EXPECT_EQ(c.text(), "10:00:00");
    c.clearText();
    EXPECT_EQ(c.text(), " 0:00:00");
}

TEST(GameClock, NextChangeOnlyWhileCounting)
{
    GameClock c;
    EXPECT_FALSE(c.nextChange(5));
    c.start(0);
    c.tick(0.2);
    const std::optional<double> due = c.nextChange(0.2);
    ASSERT_TRUE(due);
    c.tick(*due);
    EXPECT_EQ(c.seconds(), "01");
    c.tick(*due - 0.002);
    EXPECT_EQ(c.seconds(), "00") << "due no earlier than the change";
    c.pause(0.3);
    EXPECT_FALSE(c.nextChange(3));
}

TEST(Counters, StopAtTheLimitAndReset)
{
    Counters n;
    n.restore(INT16_MAX - 1, INT16_MAX);
    n.countMove();
    n.countMove();
    n.countHint();
    EXPECT_EQ(n.moves(), INT16_MAX);
    EXPECT_EQ(n.hints(), INT16_MAX);
    n.resetHints();
    EXPECT_EQ(n.moves(), INT16_MAX);
    EXPECT_EQ(n.hints(), 0);
    n.countHint();
    n.reset();
    EXPECT_EQ(n.moves() + n.hints(), 0);
}

} // namespace
} // namespace quiltra
