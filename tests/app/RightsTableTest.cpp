// The rights checks of the main frame's commands and of the record windows,
// with each group alone (support/RightsTable.h): the record interval and
// the users editor (a command: the login is asked every time), and the
// recipe window's save, the recipe ranges and a new shift (each run in a
// fresh window, so no user is kept from the run before); and every change
// of a user in the users editor, by an editor of each group alone.
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
#include "core/LoginEditorDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
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

// ---- Changes of the users ---------------------------------------------------------------------------

// The users editor run by a user of one group alone (or of no group), as
// the program opens it for the user who passed its command's check.
class UserChangeRightsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    access = CVekEngineBase::GetEngineAccessControl();
    ASSERT_NE(access, nullptr);
    users = std::make_unique<rights_test::GroupUsers>(access);
  }
  // Makes the change in the editor opened for editor (the change-password
  // dialog is given the editor's own password "pw" as the old one) on a
  // user of its own ("target<run>", password "tpw"); true when it took effect.
  bool Change(const rights_test::UserChange& change, CVekAccessUser* editor, int run) {
    using Kind = rights_test::UserChange::Kind;
    const std::string name = "target" + std::to_string(run);
    CVekAccessUser* target = editor;
    if (change.kind != Kind::kAdd && change.kind != Kind::kOwnPassword) {
      std::string error;
      target = access->AddUser(name, "tpw", change.targetGroups, &error);
      if (!target) ADD_FAILURE() << error;
      if (!target) return false;
    }
    ModalDriverScope driver([&](CDialog& d) {
      if (d.GetDlgItem(login_res::IDC_PASS_USER)) {  // the change-password dialog
        d.SetDlgItemText(login_res::IDC_PASS_OLD, "pw");
        d.SetDlgItemText(login_res::IDC_PASS_NEW, "new");
        d.SetDlgItemText(login_res::IDC_PASS_CONFIRM, "new");
        const size_t shown = boxes.Count();
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        if (boxes.Count() > shown) d.EndDialog(IDCANCEL);  // refused: it stays open
        return;
      }
      auto* list = static_cast<CListBox*>(d.GetDlgItem(login_res::IDC_EDITOR_LIST));
      for (int i = 0; i < list->GetCount(); ++i)
        if (reinterpret_cast<CVekAccessUser*>(list->GetItemData(i)) == target) list->SetCurSel(i);
      d.SendMessage(WM_COMMAND, MAKEWPARAM(login_res::IDC_EDITOR_LIST, LBN_SELCHANGE), 0);
      if (change.kind == Kind::kAdd) {
        auto* edit = static_cast<CEdit*>(d.GetDlgItem(login_res::IDC_EDITOR_NAME));
        edit->SetSel(0, -1);
        edit->TypeText(name);
        d.SetDlgItemText(login_res::IDC_EDITOR_PASSWORD, "tpw");
        d.SetDlgItemText(login_res::IDC_EDITOR_CONFIRM, "tpw");
      }
      const auto& groups = CVekAccessControl::GetGroupTable();
      for (size_t i = 0; i < groups.size() && (change.kind == Kind::kAdd || change.kind == Kind::kSetGroups); ++i)
        static_cast<CButton*>(d.GetDlgItem(static_cast<int>(login_res::IDC_EDITOR_GROUP_FIRST + i)))
            ->SetCheck((change.newGroups & groups[i].nFlag) ? BST_CHECKED : BST_UNCHECKED);
      if (change.kind == Kind::kRemove) boxes.QueueAnswer(IDYES);  // "Remove the user ...?"
      const UINT buttons[] = {login_res::IDC_EDITOR_ADD, login_res::IDC_EDITOR_REMOVE, login_res::IDC_EDITOR_SET_GROUPS,
                              login_res::IDC_EDITOR_CHANGE_PASS, login_res::IDC_EDITOR_CHANGE_PASS};
      static_cast<CButton*>(d.GetDlgItem(static_cast<int>(buttons[change.kind])))->Click();
      d.EndDialog(IDCANCEL);
    });
    CLoginEditorDlg dlg(editor);
    dlg.DoModal();
    switch (change.kind) {
      case Kind::kAdd: return access->FindUser(name) && access->FindUser(name)->GetGroups() == change.newGroups;
      case Kind::kRemove: return access->FindUser(name) == nullptr;
      case Kind::kSetGroups: return target->GetGroups() == change.newGroups;
      case Kind::kResetPassword:
      case Kind::kOwnPassword: return access->Authenticate(target->GetName(), "new") == target;
    }
    return false;
  }

  CVekAccessControl* access = nullptr;
  std::unique_ptr<rights_test::GroupUsers> users;
};

// Each change takes effect exactly for the editors it admits (a Vek-Admin
// makes every one); every refusal says why in a box.
TEST_F(UserChangeRightsTest, EveryChangeOfAUserAdmitsTheEditorsItMust) {
  int run = 0;
  for (const rights_test::UserChange& change : rights_test::AllUserChanges()) {
    for (int group : rights_test::kEveryGroup) {
      SCOPED_TRACE(std::string(change.site) + " by an editor of the group " + rights_test::GroupName(group) + " alone");
      const bool admitted = change.groups == rights_test::kEveryUser || group == rights_test::kVekAdmin ||
                            (change.groups & group) != 0;
      boxes.Clear();
      EXPECT_EQ(Change(change, users->User(group), ++run), admitted) << (admitted ? "refused" : "admitted");
      size_t refusals = 0;
      for (const MessageBoxRequest& box : boxes.Shown()) refusals += (box.flags & MB_ICONMASK) == MB_ICONHAND ? 1 : 0;
      EXPECT_EQ(refusals, admitted ? 0u : 1u) << "a refusal says why, once";
    }
  }
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
