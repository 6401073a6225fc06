// The rights checks of the main frame's commands and of the record windows,
// with each group alone (support/RightsTable.h): the record interval and
// the users editor (a command: the login is asked every time), and the
// recipe window's save, the recipe ranges and a new shift (each run in a
// fresh window, so no user is kept from the run before).
#include <gtest/gtest.h>

#include <memory>

#include "AppTestSupport.h"
#include "RecordWindowFixture.h"
#include "app/NewShiftDlg.h"
#include "app/RecipeDlg.h"
#include "app/RecipeRangeDlg.h"
#include "app/RecipeRules.h"
#include "app/RecordEdits.h"
#include "app/ShiftDlg.h"
#include "platform/ui/Edit.h"
#include "plant/VekEngineApp.h"
#include "res/AppResources.h"
#include "res/ControlsResources.h"
#include "res/LoginDialogs.h"
#include "res/RecordWindowResources.h"
#include "res/Resources.h"
#include "support/RightsTable.h"

using namespace app_test;
using namespace record_res;
using namespace app_res;
using rights_test::ExpectGroupsOfCheck;

namespace {

// ---- Main-frame commands ---------------------------------------------------------------------------------

class CommandRightsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
  }
  rights_test::GroupUsers users;
};

TEST_F(CommandRightsTest, TheRecordIntervalAdmitsTechnicalAndPlantAdminEachAlone) {
  ExpectGroupsOfCheck(rights_test::kRecordInterval, users, login, boxes, [&] {
    Engine()->SetRecordProcessInfoInterval(60);
    ModalDriverScope driver([](CDialog& d) {
      d.SetDlgItemText(IDC_INPUT_VALUE, "120");
      d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Command(ID_RECORD_INTERVAL);
    return Engine()->GetRecordProcessInfoInterval() == 120;
  });
}

TEST_F(CommandRightsTest, TheUsersEditorAdmitsPlantAdminAlone) {
  ExpectGroupsOfCheck(rights_test::kUsersEditor, users, login, boxes, [&] {
    bool opened = false;
    ModalDriverScope driver([&](CDialog& d) {
      opened = d.GetDlgItem(login_res::IDC_PASS_USER) == nullptr;  // not the password dialog
      d.EndDialog(IDCANCEL);
    });
    Command(ID_USERS_EDITOR);
    return opened;
  });
}

// ---- Record windows --------------------------------------------------------------------------------------

// The record windows on a plant's record sets (PlantRecordTablesTest).
class RecordRightsTest : public PlantRecordTablesTest {
 protected:
  rights_test::GroupUsers users;
  core_test::LoginDouble login;
};

TEST_F(RecordRightsTest, SavingARecipeAdmitsProductionAndPlantAdminEachAlone) {
  MakeRecipe("Summer", 1.0f, true);
  int run = 0;
  ExpectGroupsOfCheck(rights_test::kRecipes, users, login, boxes, [&] {
    const std::string name = "Recipe " + std::to_string(++run);
    CRecipeDlg window;
    window.SetRecordset(&recipes);
    window.SetHistoryRecordset(&history);
    window.SetRangeFile(ini.get());
    EXPECT_TRUE(window.CreateModeless());
    window.NewRecipe();
    auto* edit = dynamic_cast<CEdit*>(window.GetDlgItem(static_cast<int>(IDC_RECIPE_NAME)));
    edit->SetSel(0, -1);
    edit->TypeText(name);
    const bool saved = window.SaveRecipe();
    window.DestroyWindow();
    const bool stored = Query("SELECT count(*) FROM Recipe WHERE RecipeName = '" + name + "'") == "1";
    EXPECT_EQ(saved, stored);
    return stored;
  });
}

TEST_F(RecordRightsTest, ChangingTheRecipeRangesAdmitsProductionAndPlantAdminEachAlone) {
  int run = 0;
  ExpectGroupsOfCheck(rights_test::kRecipeRanges, users, login, boxes, [&] {
    const int max = 50 + ++run;
    CRecipeRangeDlg ranges;
    ranges.SetRangeFile(ini.get());
    bool saved = false;
    testing_support::ModalDriverScope driver([&](CDialog& dialog) {
      dialog.SetDlgItemText(static_cast<int>(IDC_RANGE_MAX_FIRST) + 2, std::to_string(max));
      saved = ranges.SaveRanges();
      dialog.EndDialog(IDCANCEL);
    });
    ranges.DoModal();
    CIniFile reread(dir.File("Setting.ini"));
    const bool stored = recipe_rules::LoadRecipeRanges(reread, nullptr)[2].fMax == static_cast<float>(max);
    EXPECT_EQ(saved, stored);
    return stored;
  });
}

TEST_F(RecordRightsTest, StartingANewShiftAdmitsShiftProductionAndPlantAdminEachAlone) {
  ASSERT_TRUE(record_edits::StartShift(shifts, "Reza"));
  int run = 0;
  ExpectGroupsOfCheck(rights_test::kNewShift, users, login, boxes, [&] {
    const std::string name = "Operator " + std::to_string(++run);
    CShiftDlg shiftDlg;
    shiftDlg.SetRecordset(&shifts);
    bool started = false;
    testing_support::ModalDriverScope driver([&](CDialog& dialog) {
      if (&dialog == &shiftDlg) {
        started = shiftDlg.StartNewShift();
        dialog.EndDialog(IDCANCEL);
        return;
      }
      dialog.SetDlgItemText(IDC_NEW_SHIFT_OPERATOR, name);  // the new shift's operator
      dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    shiftDlg.DoModal();
    const bool stored = Query("SELECT OperatorName FROM Shift WHERE IsActive = 1") == name;
    EXPECT_EQ(started, stored);
    return stored;
  });
}

}  // namespace
