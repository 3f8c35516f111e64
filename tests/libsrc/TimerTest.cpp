// Timers over a clock the test moves by hand, and the random draws.
#include <gtest/gtest.h>

#include <time.h>

#include <cstdlib>

#include "GRandom.h"
#include "GTimer.h"

namespace {

uint32_t g_timerNow = 0;
uint32_t TestClock() { return g_timerNow; }

class GTimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_timerNow = 1000;
    GTimer::SetClock(&TestClock);
  }
  void TearDown() override { GTimer::SetClock(nullptr); }
};

TEST_F(GTimerTest, ReadsZeroUntilStarted) {
  GTimer t;
  g_timerNow += 5000;
  t.Update();
  EXPECT_TRUE(t.IsPaused());
  EXPECT_EQ(t.GetElapsed(), 0.0);
  t.StartTimer();
  g_timerNow += 250;
  t.Update();
  EXPECT_DOUBLE_EQ(t.GetElapsed(), 250.0);
}

TEST_F(GTimerTest, MultiplierScalesTimeAndThrottle) {
  GTimer t;
  t.SetMultiplier(2.0f);
  t.StartTimer();
  g_timerNow += 500;
  t.Update();
  EXPECT_DOUBLE_EQ(t.GetElapsed(), 1000.0);
  EXPECT_FLOAT_EQ(t.GetThrottle(), 500.0f / 12.0f * 2.0f);
}

TEST_F(GTimerTest, PausedTimeIsNotCounted) {
  GTimer t;
  t.StartTimer();
  g_timerNow += 100;
  t.PauseTimer();
  EXPECT_DOUBLE_EQ(t.GetElapsed(), 100.0);
  g_timerNow += 1000;
  t.Update();
  EXPECT_DOUBLE_EQ(t.GetElapsed(), 100.0);
  t.UnPauseTimer();
  g_timerNow += 50;
  t.Update();
  EXPECT_DOUBLE_EQ(t.GetElapsed(), 150.0);
  t.ForceMilliseconds(10.0f);
  EXPECT_DOUBLE_EQ(t.GetElapsed(), 10.0);
}

TEST_F(GTimerTest, CountsAcrossTheClockWrap) {
  g_timerNow = 0xFFFFFF00u;
  GTimer t;
  t.StartTimer();
  g_timerNow += 0x200u;  // past 2^32 ms: the clock starts again from 0
  t.Update();
  EXPECT_DOUBLE_EQ(t.GetElapsed(), 512.0);
}

TEST(TimeGetTime, CountsFromSystemStartUp) {
  // The game seeds its random numbers with this clock: counted from program start, every run would
  // draw nearly the same seed. The monotonic clock counts from boot.
  // Read between two looks at the monotonic clock, so a stall of this process cannot fail it.
  auto sinceBoot = [] {
    timespec ts;
    EXPECT_EQ(clock_gettime(CLOCK_MONOTONIC, &ts), 0);
    return (uint32_t)((uint64_t)ts.tv_sec * 1000u + (uint64_t)ts.tv_nsec / 1000000u);
  };
  const uint32_t before = sinceBoot();
  const uint32_t game = timeGetTime();
  const uint32_t after = sinceBoot();
  EXPECT_LE((uint32_t)(game - before), (uint32_t)(after - before)) << before << " " << game << " " << after;
}

TEST(GTimer, FormatsTime) {
  char out[32];
  GTimer::FormatAsTime(out, 754321.0);
  EXPECT_STREQ(out, "12:34:321");
  GTimer::FormatAsTime(out, 12305.0);
  EXPECT_STREQ(out, "0:12:305");
}

TEST(GTimer, RunsOnTheRealClock) {
  GTimer t;
  t.StartTimer();
  t.Update();
  EXPECT_GE(t.GetElapsed(), 0.0);
  EXPECT_FALSE(t.IsPaused());
}

TEST(GRandom, DrawsStayInRangeAndRepeatWithTheSeed) {
  srand(1234);
  float first[8];
  for (float& f : first) f = GRandom::RandReal(-2.0f, 3.0f);
  srand(1234);
  for (float f : first) EXPECT_EQ(GRandom::RandReal(-2.0f, 3.0f), f);
  for (int i = 0; i < 10000; ++i) {
    float r = GRandom::RandUnitFloat();
    ASSERT_GE(r, 0.0f);
    ASSERT_LE(r, 1.0f);
    ASSERT_FALSE(GRandom::IsChance(0.0f));
    ASSERT_FALSE(GRandom::IsChance(-1.0f));
  }
}

}  // namespace
