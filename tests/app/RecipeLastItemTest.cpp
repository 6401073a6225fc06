// The last recipe item (17, the AIT) in every place the recipe window and
// the recipe ranges walk the items: its caption, an unsaved change of it
// alone, its range as typed, and a range of it whose minimum is above its
// maximum.
#include <gtest/gtest.h>

#include <memory>

#include "RecordWindowFixture.h"
#include "app/RecipeDlg.h"
#include "app/RecipeRangeDlg.h"
#include "app/RecipeRules.h"
#include "plant/VekEngineApp.h"
#include "platform/ui/Edit.h"
#include "res/RecordWindowResources.h"
#include "res/Resources.h"
#include "shapes/fixture/Logins.h"

using namespace app_test;
using namespace record_res;

namespace {

constexpr int kLast = recipe_rules::kItemCount;  // 17

using RecipeLastItemTest = RecipeWindowTest;

TEST_F(RecipeLastItemTest, TheRecipeWindowCaptionsEveryItemUpToTheLast) {
  OpenRecipeWindow();
  EXPECT_EQ(recipeDlg.GetDlgItemText(static_cast<int>(IDC_RECIPE_CAPTION_FIRST)), "1- Powder Moisture - %");
  EXPECT_EQ(recipeDlg.GetDlgItemText(static_cast<int>(IDC_RECIPE_CAPTION_FIRST) + kLast - 1),
            "17- AIT: Auto Ignition Temperature - \u00B0C");
}

TEST_F(RecipeLastItemTest, AnUnsavedChangeOfTheLastItemAloneIsNotActivated) {
  MakeRecipe("Summer", 1.0f, true);
  const int winter = MakeRecipe("Winter", 20.0f);
  OpenRecipeWindow();
  recipeDlg.ReloadRecipes(winter);
  logins.Answer(logins.User(CVekAccessUser::eGroupPlantAdmin));
  Item(kLast).SetSel(0, -1);
  Item(kLast).TypeText("99");
  EXPECT_FALSE(recipeDlg.ActivateRecipe());
  ASSERT_GE(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "The recipe shown has changes that are not saved.\nSave it first, then activate it.");
  EXPECT_EQ(Query("SELECT RecordID FROM Recipe WHERE IsActive = 1"), "1");
}

TEST_F(RecipeLastItemTest, TheRangeOfTheLastItemIsStoredAsTyped) {
  CRecipeRangeDlg ranges;
  ranges.SetRangeFile(ini.get());
  logins.Answer(logins.User(CVekAccessUser::eGroupProduction));
  bool saved = false;
  testing_support::ModalDriverScope driver([&](CDialog& dialog) {
    dialog.SetDlgItemText(static_cast<int>(IDC_RANGE_MIN_FIRST) + kLast - 1, "250");
    dialog.SetDlgItemText(static_cast<int>(IDC_RANGE_MAX_FIRST) + kLast - 1, "300");
    saved = ranges.SaveRanges();
    dialog.EndDialog(IDCANCEL);
  });
  ranges.DoModal();
  EXPECT_TRUE(saved);
  CIniFile reread(dir.File("Setting.ini"));
  EXPECT_EQ(recipe_rules::LoadRecipeRanges(reread, nullptr)[kLast - 1],
            (recipe_rules::ItemRange{true, 250.0f, true, 300.0f}));
}

TEST(RecipeLastItemRules, ARangeOfTheLastItemWithItsMinimumAboveItsMaximumIsRefused) {
  recipe_rules::RecipeRanges ranges{};
  ranges[kLast - 1] = {true, 301.0f, true, 300.0f};
  recipe_rules::ItemCaptions captions{};
  for (const char*& caption : captions) caption = "X";
  captions[kLast - 1] = "AIT";
  EXPECT_EQ(recipe_rules::CheckRangesConsistent(ranges, captions),
            "The minimum of item 17 \"AIT\" (301) is above its maximum (300).");
}

}  // namespace
