// Edges of the record and trend rules that the tables of their own tests
// pass by: a recipe range whose minimum equals its maximum is a range (one
// allowed value), both when it is read from the settings file and when it
// is checked before saving; and a scroll one line short of the end reaches
// the end exactly, by a line and by a page.
#include <gtest/gtest.h>

#include <string>

#include "app/RecipeRules.h"
#include "app/TrendRules.h"
#include "core/IniFile.h"
#include "support/Doubles.h"

namespace {

TEST(RecipeRangeEdgeTest, AMinimumEqualToItsMaximumIsARangeOfOneValue) {
  testing_support::TempDir dir;
  dir.Write("Setting.ini", "[RecipeRange]\r\nLoopItemValue05.Min=420\r\nLoopItemValue05.Max=420\r\n");
  CIniFile ini(dir.File("Setting.ini"));
  std::string problems;
  const recipe_rules::RecipeRanges ranges = recipe_rules::LoadRecipeRanges(ini, &problems);
  EXPECT_EQ(problems, "");
  EXPECT_EQ(ranges[4], (recipe_rules::ItemRange{true, 420.0f, true, 420.0f}));
  recipe_rules::ItemCaptions captions{};
  for (const char*& caption : captions) caption = "X";
  EXPECT_EQ(recipe_rules::CheckRangesConsistent(ranges, captions), "");
}

TEST(TrendScrollEdgeTest, OneLineShortOfTheEndAStepReachesTheEndExactly) {
  trend_rules::ScrollSteps steps;
  steps.nRange = 100;
  steps.nLine = 5;
  steps.nPage = 40;
  EXPECT_EQ(trend_rules::ScrollPositionAfter(SB_LINEDOWN, 0, 99, steps), 100);
  EXPECT_EQ(trend_rules::ScrollPositionAfter(SB_PAGEDOWN, 0, 99, steps), 100);
  EXPECT_EQ(trend_rules::ScrollPositionAfter(SB_LINEDOWN, 0, 100, steps), 100) << "at the end it stays";
  EXPECT_EQ(trend_rules::ScrollPositionAfter(SB_LINEUP, 0, 1, steps), 0);
  EXPECT_EQ(trend_rules::ScrollPositionAfter(SB_PAGEUP, 0, 1, steps), 0);
}

}  // namespace
