#include <gtest/gtest.h>

#include "plant/DemoSimulation.h"
#include "support/Doubles.h"

namespace {

TEST(DemoWalk, TheFirstStepsAreTheClassicGeneratorsFromSeedOne) {
  testing_support::ClockDouble clock;
  CDemoSimulation demo;
  demo.AdvanceWalk();
  // rand() from seed 1: 41, 18467, 6334, 26500, 19169, ...; each mod 150.
  EXPECT_EQ(demo.m_nDemoWalk[0], 41);
  EXPECT_EQ(demo.m_nDemoWalk[1], 17);
  EXPECT_EQ(demo.m_nDemoWalk[2], 34);
  EXPECT_EQ(demo.m_nDemoWalk[3], 100);
  EXPECT_EQ(demo.m_nDemoWalk[4], 119);
  EXPECT_DOUBLE_EQ(demo.Demand(0), 41.0 / 28000.0);
}

TEST(DemoWalk, RepeatsExactlyWhateverElseDrawsRandomNumbers) {
  testing_support::ClockDouble clock;
  CDemoSimulation first, second;
  for (int i = 0; i < 100; ++i) {
    first.AdvanceWalk();
    VekRand();  // another user of the thread's generator
    second.AdvanceWalk();
  }
  EXPECT_EQ(first.m_nDemoWalk, second.m_nDemoWalk);
}

TEST(DemoWalk, CountersOnlyRiseAndWrapPast27999) {
  testing_support::ClockDouble clock;
  CDemoSimulation demo;
  demo.m_nDemoWalk[0] = 27990;
  demo.AdvanceWalk();
  EXPECT_EQ(demo.m_nDemoWalk[0], 31) << "27990 + 41 wraps to 31";
  int wraps = 0;
  for (int step = 0; step < 1000; ++step) {
    const auto before = demo.m_nDemoWalk;
    demo.AdvanceWalk();
    for (int k = 0; k < kDemoWalkCount; ++k) {
      const int now = demo.m_nDemoWalk[static_cast<size_t>(k)];
      ASSERT_GE(now, 0);
      ASSERT_LT(now, 28000);
      const int rise = now - before[static_cast<size_t>(k)];
      if (rise < 0) {
        ++wraps;
        EXPECT_LT(now, 150) << "a wrap lands just above 0";
      } else {
        EXPECT_LT(rise, 150);
      }
    }
  }
  EXPECT_GT(wraps, 50) << "every counter wraps within 1000 steps";
  EXPECT_LT(demo.Demand(7), 1.0);
}

TEST(DemoNozzles, TheNextNumberRunsRoundTheGrid) {
  EXPECT_EQ(NextDemoNozzle(0, 20), 1);
  EXPECT_EQ(NextDemoNozzle(19, 20), 20);
  EXPECT_EQ(NextDemoNozzle(20, 20), 1);
  EXPECT_EQ(NextDemoNozzle(5, 0), 1) << "an empty grid";
}

}  // namespace
