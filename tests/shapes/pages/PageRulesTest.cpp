// The rules of the property sheet and pages, without a window.
#include <gtest/gtest.h>

#include "shapes/pages/PageRules.h"

namespace {

TEST(PageRulesTest, ExchangeMovesValuesWhenSavingRefreshingOrFillingAPageNotYetShown) {
  struct Case {
    bool saving, autoRefresh, shown, moves;
  };
  const Case cases[] = {{true, false, true, true},   {true, true, true, true},    {false, true, true, true},
                        {false, false, false, true}, {false, false, true, false}, {false, true, false, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(PageExchangeMovesValues(c.saving, c.autoRefresh, c.shown), c.moves)
        << c.saving << c.autoRefresh << c.shown;
  }
}

// The remembered index within the sheet; at its edge: equal to the page
// count, one below and one above it, and a sheet of a single page; a sheet
// with far fewer pages opens on its last; no pages or a negative index
// open the first.
TEST(PageRulesTest, RememberedPageStaysWithinTheSheet) {
  struct Case {
    int remembered, pageCount, opened;
  };
  for (const Case& c : {Case{2, 5, 2}, Case{3, 3, 2}, Case{2, 3, 2}, Case{4, 3, 2}, Case{1, 3, 1}, Case{0, 3, 0},
                        Case{1, 1, 0}, Case{0, 1, 0}, Case{2, 1, 0}, Case{7, 3, 2}, Case{0, 0, 0}, Case{4, 0, 0},
                        Case{-1, 3, 0}}) {
    EXPECT_EQ(ClampPageIndex(c.remembered, c.pageCount), c.opened) << c.remembered << " of " << c.pageCount;
  }
}

TEST(PageRulesTest, ShowHideGestureAndItsQuestion) {
  EXPECT_FALSE(IsShowHideGesture(false, false, false)) << "a plain double click";
  EXPECT_FALSE(IsShowHideGesture(false, true, false));
  EXPECT_FALSE(IsShowHideGesture(false, false, true));
  EXPECT_TRUE(IsShowHideGesture(true, false, false));
  EXPECT_TRUE(IsShowHideGesture(false, true, true));
  EXPECT_EQ(AttribVisibilityQuestion("LoadInWay", true), "The [LoadInWay] attrib is [visible].\nDo you want to hide it?");
  EXPECT_EQ(AttribVisibilityQuestion("NoTaring", false),
            "The [NoTaring] attrib is [invisible].\nDo you want to show it?");
}

TEST(PageRulesTest, CalibratorsPerPage) {
  struct Case {
    int units;
    std::vector<int> perPage;
  };
  const Case cases[] = {{0, {0}}, {1, {1}}, {4, {4}}, {5, {4, 1}}, {8, {4, 4}}, {15, {4, 4, 4, 3}}};
  for (const Case& c : cases) {
    ASSERT_EQ(CalibrationPageCount(c.units), static_cast<int>(c.perPage.size())) << c.units;
    for (size_t p = 0; p < c.perPage.size(); ++p)
      EXPECT_EQ(CalibratorCount(c.units, static_cast<int>(p)), c.perPage[p]) << c.units << " units, page " << p;
  }
  EXPECT_EQ(CalibratorUnitIndex(2, 3), 11);
  EXPECT_EQ(CalibratorPosition(0), CPoint(70, 10));
  EXPECT_EQ(CalibratorPosition(3), CPoint(325, 10));
}

TEST(PageRulesTest, CalibrationLogLineShowsEveryPairBeforeAndAfter) {
  const AnalogGroupValues before = {12.5f, 0.0f, 1000.0f, 0.0f, 1000.0f, 9000.0f, 5000.0f, 27000.0f};
  AnalogGroupValues after = before;
  after[7] = 20000.0f;
  after[0] = 99.0f;  // the value is no part of a calibration
  EXPECT_EQ(CalibrationLogLine("Measuring Hopper", "Level", before, after),
            "The Calibration is updated in Measuring Hopper::Level. MinPhy[0->0], MaxPhy[1000->1000], "
            "LLAPhy[0->0], HLAPhy[1000->1000], MinPort[5000->5000], MaxPort[27000->20000].");
  after[3] = 0.25f;
  EXPECT_NE(CalibrationLogLine("V", "L", before, after).find("LLAPhy[0->0.25]"), std::string::npos);
}

TEST(PageRulesTest, VesselLevels) {
  struct Case {
    float error, warning, tare, max;
    const char* message;
  };
  const Case cases[] = {
      {30, 5, 0.2f, 1000, ""},
      {10, 10, 0, 1000, ""},                         // equal levels pass
      {30, 5, 100, 1000, ""},                        // exactly a tenth
      {30, 5, 0.3f, 3, ""},                          // a tenth after rounding of both texts
      {30, 5, 100.1f, 1000, kTareTooHighText},
      {10, 11, 0, 1000, kWarningAboveErrorText},
      {10, 11, 200, 1000, kTareTooHighText},        // the tare is checked first
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckVesselLevels(c.error, c.warning, c.tare, c.max), c.message) << c.tare << " of " << c.max;
  EXPECT_STREQ(kTareTooHighText, "مقدار بار چسبنده باسكول بايد كمتر از 10 درصد ظرفيت باسكول باشد");
}

HammerTiming Timing(int mode, int period, int delay, int onTime) {
  HammerTiming t;
  t.mode = mode;
  t.cyclePeriod = period;
  t.onDelay.fill(delay);
  t.onTime.fill(onTime);
  return t;
}

TEST(PageRulesTest, HammerTimingAtItsEdges) {
  EXPECT_EQ(CheckHammerTiming(Timing(0, 100, 40, 60)), "") << "parallel: delay + on time equal to the period";
  EXPECT_EQ(CheckHammerTiming(Timing(0, 100, 40, 61)), "The parameters of Hammer8 is invalid!");
  HammerTiming two = Timing(0, 100, 10, 10);
  two.onTime[1] = 95;
  two.onDelay[4] = 91;
  EXPECT_EQ(CheckHammerTiming(two), "The parameters of Hammer5 is invalid!") << "the highest failing hammer";
  EXPECT_EQ(CheckHammerTiming(Timing(1, 160, 10, 10)), "") << "serial: every delay and on time once";
  EXPECT_EQ(CheckHammerTiming(Timing(1, 159, 10, 10)), "The timing parameter is out of range!");
  EXPECT_EQ(CheckHammerTiming(Timing(-1, 100, 0, 0)), "Please select a valid operation mode!");
  EXPECT_EQ(CheckHammerTiming(Timing(2, 100, 0, 0)), "Please select a valid operation mode!");
  // Sums that would overflow 32 bits, and negative times.
  EXPECT_EQ(CheckHammerTiming(Timing(0, 36000, 2000000000, 2000000000)), "The parameters of Hammer8 is invalid!");
  EXPECT_EQ(CheckHammerTiming(Timing(1, 36000, 2000000000, 2000000000)), "The timing parameter is out of range!");
  HammerTiming negative = Timing(0, 100, 10, 10);
  negative.onDelay[2] = -50;
  EXPECT_EQ(CheckHammerTiming(negative), "The parameters of Hammer3 is invalid!");
  negative.mode = 1;
  EXPECT_EQ(CheckHammerTiming(negative), "The timing parameter is out of range!");
}

TEST(PageRulesTest, TowerSafetyAppliesOnePairAtATime) {
  const SafetyApplyPlan both = PlanSafetyApply(true, true);
  EXPECT_TRUE(both.deltaPair);
  EXPECT_TRUE(both.fireStillPending);
  EXPECT_NE(SafetySavedText(both).find("Fire Detection parameters are not saved"), std::string::npos);
  const SafetyApplyPlan fire = PlanSafetyApply(false, true);
  EXPECT_FALSE(fire.deltaPair);
  EXPECT_FALSE(fire.fireStillPending);
  EXPECT_EQ(SafetySavedText(fire), "Setting saved successfully.");
  EXPECT_EQ(SafetySavedText(PlanSafetyApply(true, false)), "Setting saved successfully.");
  EXPECT_FALSE(PlanSafetyApply(false, false).deltaPair) << "nothing changed: the fire pair is stored";
}

}  // namespace
