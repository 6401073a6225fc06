// The record windows' rules and database work on a real records database:
// recipe ranges in the settings file, range and name refusals, recipe and
// shift edits, each written whole or not at all.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "RecordWindowFixture.h"
#include "app/RecipeRules.h"
#include "app/RecordEdits.h"
#include "app/ShiftRules.h"
#include "support/FileReplaceCount.h"

using namespace app_test;
using namespace recipe_rules;

namespace {

const ItemCaptions kCaptions = {"Powder Moisture - %", "B", "Slurry Pressure - bar", "D", "E", "F", "G", "H", "I",
                                "J", "K", "L", "M", "N", "O", "P", "AIT - \u00B0C"};

CRecipeFields RecipeWith(int nItem, float fValue) {
  CRecipeFields recipe;
  recipe.SetLoopItemValue(nItem, fValue);
  return recipe;
}

}  // namespace

TEST_F(RecordTablesTest, RangesRoundTripThroughTheSettingsFileWithBlankSidesAsNoLimit) {
  RecipeRanges ranges{};
  ranges[0] = {true, 1.5f, true, 9.25f};
  ranges[2] = {true, -10.0f, false, 0.0f};
  ranges[16] = {false, 0.0f, true, 480.0f};
  std::string error;
  ASSERT_TRUE(SaveRecipeRanges(*ini, ranges, &error)) << error;
  const std::string text = dir.Read("Setting.ini");
  EXPECT_NE(text.find("LoopItemValue01.Min=1.5"), std::string::npos);
  EXPECT_NE(text.find("LoopItemValue17.Max=480"), std::string::npos);
  EXPECT_NE(text.find("[RecipeRange]"), std::string::npos);

  CIniFile reread(dir.File("Setting.ini"));
  std::string problems = "old";
  EXPECT_EQ(LoadRecipeRanges(reread, &problems), ranges);
  EXPECT_EQ(problems, "");
}

TEST_F(RecordTablesTest, RangesAreWrittenInOneReplacementOrNotAtAll) {
  RecipeRanges ranges{};
  ranges[0] = {true, 1.5f, true, 9.25f};
  ranges[5] = {true, 2.0f, true, 3.0f};
  std::string error;
  {
    testing_support::FileReplaceCount replacements;
    ASSERT_TRUE(SaveRecipeRanges(*ini, ranges, &error)) << error;
    EXPECT_EQ(replacements.Count(), 1) << "34 keys, one replacement";
  }
  const std::string before = dir.Read("Setting.ini");
  ASSERT_EQ(::chmod(dir.File("Setting.ini").c_str(), 0444), 0);
  ranges[5] = {true, 2.5f, false, 0.0f};
  EXPECT_FALSE(SaveRecipeRanges(*ini, ranges, &error));
  ::chmod(dir.File("Setting.ini").c_str(), 0644);
  EXPECT_NE(error.find("Setting.ini\" is read-only."), std::string::npos) << error;
  EXPECT_EQ(dir.Read("Setting.ini"), before);
  std::string problems;
  EXPECT_EQ(LoadRecipeRanges(*ini, &problems)[5], (ItemRange{true, 2.0f, true, 3.0f}));
}

TEST_F(RecordTablesTest, BadRangeValuesAreToldAndLeaveThatLimitOff) {
  dir.Write("Setting.ini",
            "[RecipeRange]\r\nLoopItemValue01.Min=abc\r\nLoopItemValue01.Max=5\r\n"
            "LoopItemValue02.Min=9\r\nLoopItemValue02.Max=3\r\nLoopItemValue03.Max=7x\r\n");
  CIniFile file(dir.File("Setting.ini"));
  std::string problems;
  const RecipeRanges ranges = LoadRecipeRanges(file, &problems);
  EXPECT_EQ(ranges[0], (ItemRange{false, 0.0f, true, 5.0f}));
  EXPECT_EQ(ranges[1], ItemRange{}) << "minimum above maximum: no range";
  EXPECT_EQ(ranges[2], ItemRange{});
  EXPECT_EQ(problems,
            "[RecipeRange] LoopItemValue01.Min = \"abc\" is not a number; that limit is not applied.\n"
            "[RecipeRange] LoopItemValue02.Min 9 is above LoopItemValue02.Max 3; the range of that item is not "
            "applied.\n"
            "[RecipeRange] LoopItemValue03.Max = \"7x\" is not a number; that limit is not applied.\n");
}

TEST(RecipeRules, ARecipeOutsideItsRangeIsRefusedNamingTheItem) {
  RecipeRanges ranges{};
  ranges[2] = {true, 10.0f, true, 50.0f};
  ranges[0] = {true, 2.0f, false, 0.0f};
  ranges[16] = {false, 0.0f, true, 480.0f};
  struct Case {
    int item;
    float value;
    const char* refusal;
  };
  const Case cases[] = {
      {3, 10.0f, ""},
      {3, 50.0f, ""},
      {3, 50.5f,
       "The value 50.5 of item 3 \"Slurry Pressure - bar\" is outside its range.\n"
       "It must be between 10 and 50 (Tables > Calibrations > Recipe)."},
      {1, 1.0f,
       "The value 1 of item 1 \"Powder Moisture - %\" is outside its range.\n"
       "It must be at least 2 (Tables > Calibrations > Recipe)."},
      {17, 481.0f,
       "The value 481 of item 17 \"AIT - \u00B0C\" is outside its range.\n"
       "It must be at most 480 (Tables > Calibrations > Recipe)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    CRecipeFields recipe = RecipeWith(c.item, c.value);
    recipe.SetLoopItemValue(1, c.item == 1 ? c.value : 2.0f);
    recipe.SetLoopItemValue(3, c.item == 3 ? c.value : 10.0f);
    EXPECT_EQ(CheckRecipeInRanges(recipe, ranges, kCaptions), c.refusal);
  }
}

TEST(RecipeRules, LimitsTypedByTheUser) {
  bool has = true;
  float value = 1.0f;
  EXPECT_TRUE(ParseLimit("  ", has, value));
  EXPECT_FALSE(has);
  EXPECT_TRUE(ParseLimit(" -2.5 ", has, value));
  EXPECT_TRUE(has);
  EXPECT_EQ(value, -2.5f);
  for (const char* bad : {"12a", "nan", "inf", "1e40", "--1"}) EXPECT_FALSE(ParseLimit(bad, has, value)) << bad;
  EXPECT_EQ(FormatLimit(true, 0.1f), "0.1");
  EXPECT_EQ(FormatLimit(false, 3.0f), "");
  RecipeRanges ranges{};
  ranges[1] = {true, 5.0f, true, 4.0f};
  EXPECT_EQ(CheckRangesConsistent(ranges, kCaptions), "The minimum of item 2 \"B\" (5) is above its maximum (4).");
}

// Recipes 3 and 4, of the two names.
std::vector<CRecipeFields> TwoRecipes(const char* name3, const char* name4) {
  std::vector<CRecipeFields> recipes(2);
  recipes[0].m_nRecordID = 3;
  recipes[0].m_strRecipeName = name3;
  recipes[1].m_nRecordID = 4;
  recipes[1].m_strRecipeName = name4;
  return recipes;
}

TEST(RecipeRules, NamesMustBeGivenAndDifferFromEveryOtherRecipe) {
  std::vector<CRecipeFields> recipes = TwoRecipes("Winter Blend", "Summer");
  EXPECT_EQ(CheckRecipeName("  ", -1, recipes), "Please enter a name for the recipe.");
  EXPECT_EQ(CheckRecipeName(" winter blend ", -1, recipes),
            "Recipe 3 is named \"Winter Blend\" already.\nPlease choose another name.");
  EXPECT_EQ(CheckRecipeName("Winter Blend", 3, recipes), "") << "its own name";
  EXPECT_EQ(CheckRecipeName("Autumn", -1, recipes), "");
  recipes[0].m_bIsActive = true;
  EXPECT_EQ(FormatRecipeListText(recipes[0]), "3  Winter Blend  (Active)");
  EXPECT_EQ(FormatRecipeListText(recipes[1]), "4  Summer");
}

// Equal without case and surrounding blanks is refused; a name that is a
// prefix or an extension of another is a different name.
TEST(RecipeRules, OnlyAnEqualNameIsTakenNotAPrefixOrAnExtension) {
  const std::vector<CRecipeFields> recipes = TwoRecipes("Summer", "Winter Blend");
  const std::string summerTaken = "Recipe 3 is named \"Summer\" already.\nPlease choose another name.";
  struct Case {
    const char* name;
    int ownId;
    std::string refusal;
  };
  const Case cases[] = {
      {"Summer", -1, summerTaken},      {" SUMMER ", -1, summerTaken}, {"summer", 4, summerTaken},
      {"Summer", 3, ""},                {"Summe", -1, ""},             {"Summer 2", -1, ""},
      {"Summers", -1, ""},              {"S", -1, ""},                 {"Winter", -1, ""},
      {"Winter Blend 2", -1, ""},       {"Blend", -1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckRecipeName(c.name, c.ownId, recipes), c.refusal) << "\"" << c.name << "\" of recipe " << c.ownId;
  }
}

TEST(ShiftRules, DurationsAndTheShiftLines) {
  EXPECT_EQ(shift_rules::FormatDuration(0), "0:00:00");
  EXPECT_EQ(shift_rules::FormatDuration(3 * 3600 + 7 * 60 + 9), "3:07:09");
  EXPECT_EQ(shift_rules::FormatDuration(100 * 3600), "100:00:00");
  EXPECT_EQ(shift_rules::FormatDuration(-5), "0:00:00");
  CShiftFields shift;
  shift.m_strOperatorName = "Reza";
  shift.m_dtStartDateTime = DateFromParts(2024, 7, 29, 6, 0, 0);
  shift.m_strStartDateTimeShamsi = "1403/05/08 - 06:00:00";
  shift.m_fTotalProduced = 1250.5;
  shift.m_fTotalSlurry = 2000;
  shift.m_lTotalTime = 3600;
  shift.m_lUsefulTime = 1800;
  const shift_rules::ShiftTexts expected = {"Reza",   "2024/07/29 06:00:00", "1403/05/08 - 06:00:00", "1250.5",
                                            "2000",   "1:00:00",             "0:30:00"};
  EXPECT_EQ(shift_rules::MakeShiftTexts(shift, true), expected);
  EXPECT_EQ(shift_rules::MakeShiftTexts(shift, false)[0], "(no active shift)");
  EXPECT_EQ(shift_rules::MakeShiftTexts(shift, false)[3], "");
  EXPECT_EQ(shift_rules::CheckOperatorName(" "), "Please enter the name of the shift's operator.");
  EXPECT_EQ(shift_rules::CheckOperatorName(std::string(64, 'a')), "");
  EXPECT_EQ(shift_rules::CheckOperatorName(std::string(65, 'a')),
            "The operator's name is too long (at most 64 characters).");
  std::string persian;
  for (int i = 0; i < 64; ++i) persian += "\u0631";  // two bytes each, one character
  EXPECT_EQ(shift_rules::CheckOperatorName(persian), "");
}

TEST_F(RecordTablesTest, RecipesAreAddedChangedActivatedAndDeletedRowByRow) {
  const int first = MakeRecipe("First", 1.0f, true);
  CRecipeFields recipe = RecipeWith(5, 55.0f);
  recipe.m_strRecipeName = "Second";
  recipe.m_bIsActive = true;  // an added recipe is never active
  const int second = record_edits::AddRecipe(recipes, recipe);
  ASSERT_GT(second, first);
  std::vector<CRecipeFields> list = record_edits::ListRecipes(recipes);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_TRUE(list[0].m_bIsActive);
  EXPECT_FALSE(list[1].m_bIsActive);
  EXPECT_EQ(list[1].GetLoopItemValue(5), 55.0f);

  recipe.m_strRecipeName = "First changed";
  recipe.SetLoopItemValue(1, 0.5f);
  ASSERT_TRUE(record_edits::UpdateRecipe(recipes, first, recipe));
  EXPECT_EQ(recipes.GetActiveFields().m_strRecipeName, "First changed") << "the active field set follows its row";
  EXPECT_EQ(recipes.GetActiveFields().GetLoopItemValue(1), 0.5f);
  EXPECT_EQ(Query("SELECT IsActive FROM Recipe WHERE RecordID = " + std::to_string(first)), "1");

  context.now = DateFromParts(2024, 7, 29, 14, 30, 0);
  ASSERT_TRUE(record_edits::ActivateRecipe(recipes, &history, second));
  EXPECT_EQ(Query("SELECT group_concat(RecordID) FROM Recipe WHERE IsActive = 1"), std::to_string(second));
  EXPECT_EQ(Query("SELECT RecordID || ' ' || RecipeName || ' ' || fLoopItemValue05 || ' ' || SavedDateTimeShamsi "
                  "FROM RecipeHistory"),
            std::to_string(second) + " Second 55.0 " + context.GetShamsiText(context.now, true));
  EXPECT_EQ(recipes.GetActiveFields().m_nRecordID, second);
  ASSERT_TRUE(notices.WaitFor(2));
  EXPECT_EQ(notices.notices.back(),
            std::make_pair(reinterpret_cast<WPARAM>(static_cast<CBaseTableRS*>(&recipes)), TABLE_NOTICE_ACTIVE_RECORD_SET));

  ASSERT_TRUE(record_edits::DeleteRecipe(recipes, first));
  EXPECT_EQ(Query("SELECT count(*) FROM Recipe"), "1");
  EXPECT_FALSE(record_edits::DeleteRecipe(recipes, first)) << "gone";
  EXPECT_FALSE(record_edits::ActivateRecipe(recipes, &history, 999));
  EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(RecordTablesTest, AnActivationWhoseHistoryRowFailsMovesNoFlag) {
  const int first = MakeRecipe("First", 1.0f, true);
  const int second = MakeRecipe("Second", 2.0f);
  ASSERT_EQ(records_test::RawExec(dir.File(records_test::kDbName),
                                  "CREATE TRIGGER refuse BEFORE INSERT ON RecipeHistory "
                                  "BEGIN SELECT RAISE(ABORT, 'history refused by test'); END;"),
            SQLITE_OK);
  EXPECT_FALSE(record_edits::ActivateRecipe(recipes, &history, second));
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("history refused by test"), std::string::npos);
  EXPECT_EQ(Query("SELECT group_concat(RecordID) FROM Recipe WHERE IsActive = 1"), std::to_string(first));
  EXPECT_EQ(recipes.GetActiveFields().m_nRecordID, first);
  EXPECT_EQ(Query("SELECT count(*) FROM RecipeHistory"), "0");
}

TEST_F(RecordTablesTest, AShiftStartsAsTheOnlyActiveOneWithItsOperatorStampedNow) {
  context.now = DateFromParts(2024, 7, 29, 14, 0, 0);
  ASSERT_TRUE(record_edits::StartShift(shifts, "Reza"));
  context.now += 1.0 / 3;
  ASSERT_TRUE(record_edits::StartShift(shifts, "Sara"));
  EXPECT_EQ(Query("SELECT count(*) FROM Shift"), "2");
  EXPECT_EQ(Query("SELECT OperatorName FROM Shift WHERE IsActive = 1"), "Sara");
  EXPECT_EQ(Query("SELECT count(*) FROM Shift WHERE IsActive = 1"), "1");
  EXPECT_EQ(shifts.GetActiveFields().m_strOperatorName, "Sara");
  EXPECT_DOUBLE_EQ(shifts.GetActiveFields().m_dtStartDateTime, context.now);
  EXPECT_EQ(shifts.GetActiveFields().m_strStartDateTimeShamsi, context.GetShamsiText(context.now, true));
  EXPECT_EQ(shifts.GetActiveFields().m_fTotalProduced, 0.0);
}

TEST_F(RecordTablesTest, AShiftWhoseActivationFailsLeavesNoRowAndTheOldShiftActive) {
  ASSERT_TRUE(record_edits::StartShift(shifts, "Reza"));
  // The new row is appended, then the move of the active flag fails.
  ASSERT_EQ(records_test::RawExec(dir.File(records_test::kDbName),
                                  "CREATE TRIGGER refuse BEFORE UPDATE OF IsActive ON Shift "
                                  "WHEN NEW.IsActive = 1 AND NEW.OperatorName = 'Sara' "
                                  "BEGIN SELECT RAISE(ABORT, 'refused by test'); END;"),
            SQLITE_OK);
  EXPECT_FALSE(record_edits::StartShift(shifts, "Sara"));
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("refused by test"), std::string::npos);
  EXPECT_EQ(Query("SELECT group_concat(OperatorName) FROM Shift"), "Reza") << "the appended row went with the rollback";
  EXPECT_EQ(Query("SELECT OperatorName FROM Shift WHERE IsActive = 1"), "Reza");
  EXPECT_EQ(shifts.GetActiveFields().m_strOperatorName, "Reza");
  EXPECT_TRUE(record_edits::StartShift(shifts, "Omid")) << "the cursor is usable again";
}
