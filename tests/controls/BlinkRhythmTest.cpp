#include <gtest/gtest.h>

#include <limits>

#include "controls/BlinkRhythm.h"

namespace {

using Action = BlinkRhythm::Action;

TEST(BlinkRhythmTest, RepeatingTheSameRequestKeepsTheRhythm) {
  BlinkRhythm b;
  EXPECT_EQ(b.Set(true, 333, 0), Action::Start);
  EXPECT_TRUE(b.IsBlinkPhase());
  EXPECT_EQ(b.Tick(), Action::None);
  EXPECT_FALSE(b.IsBlinkPhase());
  // The supervise view asks again on every refresh: nothing restarts and
  // the phase is not reset.
  for (int i = 0; i < 5; ++i) EXPECT_EQ(b.Set(true, 333, 0), Action::None);
  EXPECT_FALSE(b.IsBlinkPhase());
  EXPECT_EQ(b.Tick(), Action::None);
  EXPECT_TRUE(b.IsBlinkPhase());
  EXPECT_EQ(b.Set(true, -5 + 338, -3), Action::None) << "any count below 1 is endless";
}

TEST(BlinkRhythmTest, AHugeCountBlinksOnLikeALongOne) {
  BlinkRhythm b;
  ASSERT_EQ(b.Set(true, 333, std::numeric_limits<int>::max()), Action::Start);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(b.Tick(), Action::None) << "tick " << i;
  EXPECT_TRUE(b.IsBlinking());
  EXPECT_EQ(b.Set(true, 333, std::numeric_limits<int>::max()), Action::None) << "same request";
}

TEST(BlinkRhythmTest, NewSettingsRestart) {
  BlinkRhythm b;
  b.Set(true, 333, 0);
  b.Tick();
  EXPECT_EQ(b.Set(true, 500, 0), Action::Start);
  EXPECT_EQ(b.IntervalMs(), 500u);
  EXPECT_TRUE(b.IsBlinkPhase());
  EXPECT_EQ(b.Set(true, 500, 4), Action::Start);
}

TEST(BlinkRhythmTest, CountedBlinkEndsAfterItsCyclesAndShowsNormal) {
  BlinkRhythm b;
  ASSERT_EQ(b.Set(true, 333, 3), Action::Start);
  int flashes = b.IsBlinkPhase() ? 1 : 0;
  int ticks = 0;
  Action a = Action::None;
  while (a != Action::Stop && ticks < 100) {
    a = b.Tick();
    ++ticks;
    if (b.IsBlinkPhase()) ++flashes;
  }
  EXPECT_EQ(flashes, 3);
  EXPECT_EQ(ticks, 5) << "the last pause is the normal look";
  EXPECT_FALSE(b.IsBlinking());
  EXPECT_FALSE(b.IsBlinkPhase());
  // A repeated call after the end starts a new series.
  EXPECT_EQ(b.Set(true, 333, 3), Action::Start);
}

TEST(BlinkRhythmTest, CountedBlinkIsNotExtendedByRepeatedCalls) {
  BlinkRhythm b;
  b.Set(true, 333, 2);
  b.Tick();
  b.Set(true, 333, 2);
  b.Tick();
  b.Set(true, 333, 2);
  b.Tick();
  EXPECT_EQ(b.Tick(), Action::Stop);
}

TEST(BlinkRhythmTest, OffStopsOnlyARunningBlink) {
  BlinkRhythm b;
  EXPECT_EQ(b.Set(false, 333, 0), Action::None);
  b.Set(true, 333, 0);
  EXPECT_EQ(b.Set(false, 333, 0), Action::Stop);
  EXPECT_FALSE(b.IsBlinkPhase());
  EXPECT_EQ(b.Set(false, 333, 0), Action::None);
  EXPECT_EQ(b.Set(true, 0, 0), Action::None) << "a zero period cannot blink";
}

}  // namespace
