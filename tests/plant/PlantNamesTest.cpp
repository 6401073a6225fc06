#include <gtest/gtest.h>

#include <set>

#include "plant/PlantNames.h"

namespace {

TEST(PlantNames, LoopsInTheirIndexOrderAndEmptyBeyond) {
  const char* expected[] = {"Vacuum", "SlurryPressure", "SlurryDilutionFanRatio", "InletAirTemperature",
                            "Density", "Moisture"};
  for (unsigned i = 0; i < 6; ++i) EXPECT_EQ(GetLoopName(i), expected[i]);
  EXPECT_EQ(GetLoopName(6), "");
  EXPECT_EQ(GetLoopName(0xFFFFFFFFu), "");
}

TEST(PlantNames, TwentyFiveDistinctAlarmsAndEmptyBeyond) {
  EXPECT_EQ(GetAlarmName(0), "AlrmLpVaccum_Devtn");
  EXPECT_EQ(GetAlarmName(12), "AlrmLpInletFan_NoCndtn");
  EXPECT_EQ(GetAlarmName(13), "AlrmLpSlrryPrss_LwPrs");
  EXPECT_EQ(GetAlarmName(14), "AlrmLpSlrryPrss_NzlBlc");
  EXPECT_EQ(GetAlarmName(18), "AlrmRtnVlvOpen");
  EXPECT_EQ(GetAlarmName(24), "AlrmCriticalTmprSlope");
  EXPECT_EQ(GetAlarmName(25), "");
  std::set<std::string> names;
  for (unsigned i = 0; i < 25; ++i) names.insert(GetAlarmName(i));
  EXPECT_EQ(names.size(), 25u);
}

TEST(PlantNames, RecipeCaptionsCarryTheDegreeSignAsOneCharacter) {
  EXPECT_STREQ(g_RecipeItemCaptions[0], "Powder Moisture - %");
  EXPECT_STREQ(g_RecipeItemCaptions[9], "Min-Total Slurry To Tower - Kg/h");
  EXPECT_STREQ(g_RecipeItemCaptions[16], "AIT: Auto Ignition Temperature - \xC2\xB0" "C");
  EXPECT_STREQ(g_RecipeItemCaptions[4], "Inlet Temperature - \xC2\xB0" "C");
  int degrees = 0;
  for (const char* caption : g_RecipeItemCaptions)
    degrees += std::string(caption).find("\xC2\xB0" "C") != std::string::npos ? 1 : 0;
  EXPECT_EQ(degrees, 4) << "items 5, 8, 16 and 17";
}

}  // namespace
