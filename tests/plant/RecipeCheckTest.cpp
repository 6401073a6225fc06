#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "plant/RecipeCheck.h"

namespace {

RecipeValues MakeRecipe(int number) {
  RecipeValues r;
  r.nNumber = number;
  for (int i = 0; i < kRecipeItemCount; ++i) r.fItems[static_cast<size_t>(i)] = 1.5f * static_cast<float>(i);
  return r;
}

// The report as the operator sees it, item lines built independently.
std::string ExpectedReport(int pc, int plc, const RecipeValues& pcItems, const RecipeValues& plcItems,
                           const std::string& verdict) {
  std::string text = "--PC-------PLC--------------------------\n";
  char line[256];
  std::snprintf(line, sizeof line, "%2d\t   %2d\t %s Recipe Number \n", pc, plc, pc == plc ? "  " : "*");
  text += line;
  text += "---------------------------------------------\n";
  for (int i = 0; i < kRecipeItemCount; ++i) {
    const float a = pcItems.fItems[static_cast<size_t>(i)];
    const float b = plcItems.fItems[static_cast<size_t>(i)];
    std::snprintf(line, sizeof line, " %g\t   %g\t %s %d- %s\n", static_cast<double>(a), static_cast<double>(b),
                  a == b ? "  " : "*", i + 1, g_RecipeItemCaptions[static_cast<size_t>(i)]);
    text += line;
  }
  return text + "\n" + verdict + "\n";
}

TEST(RecipeCheck, EqualRecipesGiveTheSameVerdictAndAnExactReport) {
  const RecipeValues pc = MakeRecipe(7), plc = MakeRecipe(7);
  std::string report = "old content";
  EXPECT_TRUE(CompareRecipes(pc, plc, &report));
  EXPECT_EQ(report, ExpectedReport(7, 7, pc, plc, kRecipeVerdictSame));
  // The literal first lines, as printed.
  const std::string head = std::string("--PC-------PLC--------------------------\n") +
                           " 7\t    7\t    Recipe Number \n" + "---------------------------------------------\n" +
                           " 0\t   0\t    1- Powder Moisture - %\n";
  EXPECT_EQ(report.substr(0, head.size()), head);
  EXPECT_EQ(std::string(kRecipeVerdictSame),
            "\xD8\xA7\xD8\xB7\xD9\x84\xD8\xA7\xD8\xB9\xD8\xA7\xD8\xAA \xD9\x81\xD8\xB1\xD9\x85\xD9\x88\xD9\x84\xD8\xA7"
            "\xD8\xB3\xD9\x8A\xD9\x88\xD9\x86 \xD8\xAF\xD8\xB1 \xD8\xAF\xD9\x88 \xD8\xAC\xD8\xA7 \xD9\x8A\xDA\xA9\xD8"
            "\xB3\xD8\xA7\xD9\x86 \xD9\x85\xD9\x8A \xD8\xA8\xD8\xA7\xD8\xB4\xD8\xAF");
}

TEST(RecipeCheck, OnlyTheNumberDifferingStillFailsWithItsMarkOnly) {
  const RecipeValues pc = MakeRecipe(3), plc = MakeRecipe(4);
  std::string report;
  EXPECT_FALSE(CompareRecipes(pc, plc, &report));
  EXPECT_EQ(report, ExpectedReport(3, 4, pc, plc, kRecipeVerdictDownload));
  EXPECT_NE(report.find(" 3\t    4\t * Recipe Number \n"), std::string::npos);
  EXPECT_EQ(std::count(report.begin(), report.end(), '*'), 1) << "every item line blank-marked";
}

TEST(RecipeCheck, AFloatOneUlpApartIsADifference) {
  const RecipeValues pc = MakeRecipe(9);
  RecipeValues plc = pc;
  plc.fItems[16] = std::nextafter(pc.fItems[16], 1e9f);
  std::string report;
  EXPECT_FALSE(CompareRecipes(pc, plc, &report));
  EXPECT_EQ(report, ExpectedReport(9, 9, pc, plc, kRecipeVerdictDownload));
  EXPECT_NE(report.find("\t * 17- AIT"), std::string::npos) << report;
  EXPECT_EQ(std::string(kRecipeVerdictDownload),
            "\xD8\xAA\xD9\x88\xD8\xAC\xD9\x87 : \xD9\x84\xD8\xB7\xD9\x81\xD8\xA7 \xD9\x81\xD8\xB1\xD9\x85\xD9\x88\xD9"
            "\x84 \xD8\xA7\xDA\xA9\xD8\xAA\xD9\x8A\xD9\x88 \xD8\xB1\xD8\xA7 \xD8\xAF\xD9\x88\xD8\xA8\xD8\xA7\xD8\xB1\xD9"
            "\x87 \xD8\xAF\xD8\xA7\xD9\x86\xD9\x84\xD9\x88\xD8\xAF \xD9\x86\xD9\x85\xD8\xA7\xD8\xA6\xD9\x8A\xD8\xAF");
}

TEST(RecipeCheck, WithoutAReportTheResultIsStillComputed) {
  RecipeValues plc = MakeRecipe(2);
  plc.fItems[3] = -1.0f;
  EXPECT_FALSE(CompareRecipes(MakeRecipe(2), plc, nullptr));
  EXPECT_TRUE(CompareRecipes(MakeRecipe(2), MakeRecipe(2), nullptr));
}

}  // namespace
