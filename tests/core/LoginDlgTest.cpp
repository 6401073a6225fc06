#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/LoginChangePassDlg.h"
#include "core/LoginDlg.h"
#include "core/LoginEditorDlg.h"
#include "core/VekEncryption.h"
#include "core/VekEngineBase.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "res/LoginDialogs.h"
#include "support/Doubles.h"

using namespace login_res;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

constexpr int kOperator = CVekAccessUser::eGroupOperator;
constexpr int kShift = CVekAccessUser::eGroupShift;
constexpr int kVekAdmin = CVekAccessUser::eGroupVekAdmin;

// Steps a modal dialog through: each runs inside DoModal once it shows.
class DialogScript {
 public:
  explicit DialogScript(std::function<void(CDialog&)> steps) {
    m_previous = CDialog::SetModalDriver(std::move(steps));
  }
  ~DialogScript() { CDialog::SetModalDriver(m_previous); }

 private:
  CDialog::ModalDriver m_previous;
};

void Type(CDialog& d, UINT id, const std::string& text) {
  auto* edit = static_cast<CEdit*>(d.GetDlgItem(static_cast<int>(id)));
  ASSERT_NE(edit, nullptr) << id;
  edit->SetWindowText("");
  edit->TypeText(text);
}

void Click(CDialog& d, UINT id) {
  auto* button = static_cast<CButton*>(d.GetDlgItem(static_cast<int>(id)));
  ASSERT_NE(button, nullptr) << id;
  button->Click();
}

class LoginDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CVekEncryption::SetFastHashingForTest(true);
    dir.Write("VTLN-DCTags.dct", "1, Speed, NULL, , NULL, Float, 0, 0,\n");
    CVekAccessControl users;
    users.LoadUserFile(dir.File("VTLN-VXC.sys"), true);
    std::string e;
    users.AddUser("admin", "a", kVekAdmin, &e);
    users.AddUser("oper", "o", kOperator, &e);
    auto* engine = new CVekEngineBase;
    engine->SetFileNames("VTLN");
    ASSERT_TRUE(CVekEngineBase::SetEngine(engine));
    access = CVekEngineBase::GetEngineAccessControl();
    admin = access->FindUser("admin");
    oper = access->FindUser("oper");
  }
  void TearDown() override {
    CVekEngineBase::SetEngine(nullptr);
    CVekEncryption::SetFastHashingForTest(false);
  }
  TempDir dir{true};
  MessageBoxDouble boxes;
  CVekAccessControl* access = nullptr;
  CVekAccessUser* admin = nullptr;
  CVekAccessUser* oper = nullptr;
};

TEST_F(LoginDlgTest, AWrongPasswordSaysSoAndTheUserTriesAgain) {
  std::string purpose;
  DialogScript script([&](CDialog& d) {
    purpose = d.GetDlgItem(IDC_LOGIN_PURPOSE)->GetWindowText();
    Type(d, IDC_LOGIN_NAME, "oper");
    Type(d, IDC_LOGIN_PASSWORD, "wrong");
    Click(d, IDOK);
    EXPECT_TRUE(d.IsWindowVisible()) << "the dialog stays open";
    EXPECT_EQ(d.GetDlgItem(IDC_LOGIN_PASSWORD)->GetWindowText(), "") << "the wrong password is cleared";
    Type(d, IDC_LOGIN_PASSWORD, "o");
    Click(d, IDOK);
  });
  CLoginDlg dlg(access, "Shift table");
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.GetUser(), oper);
  EXPECT_EQ(purpose, "Shift table");
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "Wrong user name or password!\nPlease try again.");
}

TEST_F(LoginDlgTest, TheWaitAfterRepeatedFailuresIsShownInTheDialog) {
  testing_support::ClockDouble clock;
  DialogScript script([&](CDialog& d) {
    Type(d, IDC_LOGIN_NAME, "oper");
    for (int i = 0; i < 6; ++i) {
      Type(d, IDC_LOGIN_PASSWORD, i < 5 ? "wrong" : "o");
      Click(d, IDOK);
    }
    Click(d, IDCANCEL);
  });
  CLoginDlg dlg(access, "Shift table");
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  ASSERT_EQ(boxes.Count(), 6u);
  EXPECT_NE(boxes.Shown()[4].text.find("The next try is possible in 1 second."), std::string::npos)
      << boxes.Shown()[4].text;
  EXPECT_EQ(boxes.Last().text, "Too many failed logins for \"oper\".\nThe next try is possible in 1 second.");
}

TEST_F(LoginDlgTest, CheckAccessUsesTheLoginDialog) {
  DialogScript script([&](CDialog& d) {
    Type(d, IDC_LOGIN_NAME, "admin");
    Type(d, IDC_LOGIN_PASSWORD, "a");
    Click(d, IDOK);
  });
  CVekAccessUser* slot = nullptr;
  EXPECT_TRUE(CheckAccess(&slot, "Users", kShift));
  EXPECT_EQ(slot, admin);
  EXPECT_EQ(access->GetCurrentUser(), admin);
}

TEST_F(LoginDlgTest, CancelGivesNoUser) {
  DialogScript script([](CDialog& d) { Click(d, IDCANCEL); });
  CVekAccessUser* slot = nullptr;
  EXPECT_FALSE(CheckAccess(&slot, "Users", kShift));
  EXPECT_EQ(slot, nullptr);
}

TEST_F(LoginDlgTest, AnAdminResetsAPasswordWithoutTheOldOne) {
  bool oldEnabled = true;
  DialogScript script([&](CDialog& d) {
    oldEnabled = d.GetDlgItem(IDC_PASS_OLD)->IsWindowEnabled();
    Type(d, IDC_PASS_NEW, "n1");
    Type(d, IDC_PASS_CONFIRM, "n2");
    Click(d, IDOK);
    Type(d, IDC_PASS_CONFIRM, "n1");
    Click(d, IDOK);
  });
  CLoginChangePassDlg dlg(oper, admin);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_FALSE(oldEnabled);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "The new password and its confirmation differ!");
  EXPECT_EQ(access->Authenticate("oper", "n1"), oper);
}

TEST_F(LoginDlgTest, OwnPasswordNeedsTheOldOne) {
  DialogScript script([&](CDialog& d) {
    EXPECT_TRUE(d.GetDlgItem(IDC_PASS_OLD)->IsWindowEnabled());
    Type(d, IDC_PASS_OLD, "x");
    Type(d, IDC_PASS_NEW, "n");
    Type(d, IDC_PASS_CONFIRM, "n");
    Click(d, IDOK);
    Click(d, IDCANCEL);
  });
  CLoginChangePassDlg dlg(oper, nullptr);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(boxes.Last().text, "The old password is wrong!");
  EXPECT_EQ(access->Authenticate("oper", "o"), oper);
}

TEST_F(LoginDlgTest, TheEditorAddsSetsGroupsAndKeepsTheLastAdmin) {
  std::vector<std::string> lines;
  DialogScript script([&](CDialog& d) {
    auto* list = static_cast<CListBox*>(d.GetDlgItem(IDC_EDITOR_LIST));
    // Add a shift user.
    Type(d, IDC_EDITOR_NAME, "shifty");
    Type(d, IDC_EDITOR_PASSWORD, "s");
    Type(d, IDC_EDITOR_CONFIRM, "s");
    for (int i = 0; i < kEditorGroupCount; ++i)
      static_cast<CButton*>(d.GetDlgItem(static_cast<int>(IDC_EDITOR_GROUP_FIRST) + i))->SetCheck(i == 1);
    Click(d, IDC_EDITOR_ADD);
    EXPECT_EQ(list->GetCount(), 3);
    // Select the admin himself: he cannot remove himself, nor leave no Vek-Admin.
    list->SetCurSel(0);
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDITOR_LIST, LBN_SELCHANGE), 0);
    EXPECT_EQ(d.GetDlgItem(IDC_EDITOR_NAME)->GetWindowText(), "admin");
    boxes.QueueAnswer(IDYES);
    Click(d, IDC_EDITOR_REMOVE);
    static_cast<CButton*>(d.GetDlgItem(static_cast<int>(IDC_EDITOR_GROUP_FIRST) + 5))->SetCheck(0);
    Click(d, IDC_EDITOR_SET_GROUPS);
    for (int i = 0; i < list->GetCount(); ++i) lines.push_back(list->GetText(i));
    Click(d, IDCANCEL);
  });
  CLoginEditorDlg dlg(admin);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  ASSERT_NE(access->FindUser("shifty"), nullptr);
  EXPECT_EQ(access->FindUser("shifty")->GetGroups(), kShift);
  EXPECT_EQ(lines, (std::vector<std::string>{"admin  [Vek-Admin]", "oper  [Operator]", "shifty  [Shift]"}));
  ASSERT_GE(boxes.Count(), 3u);
  EXPECT_EQ(boxes.Shown()[boxes.Count() - 2].text, "The user who is logged in cannot remove himself.");
  EXPECT_EQ(boxes.Last().text, "The last Vek-Admin user must stay in the group Vek-Admin.");
  EXPECT_EQ(admin->GetGroups(), kVekAdmin);
}

// The groups ticked, one bit per box (the group table's order).
int TickedGroups(CDialog& d) {
  int ticked = 0;
  for (int i = 0; i < kEditorGroupCount; ++i)
    if (static_cast<CButton*>(d.GetDlgItem(static_cast<int>(IDC_EDITOR_GROUP_FIRST) + i))->GetCheck() == BST_CHECKED)
      ticked |= 1 << i;
  return ticked;
}

// Whoever is selected (the admin at the start, or a user picked in the
// list), a new name begins a user in no group; the selected user's own
// name, in any case, keeps him and his groups.
TEST_F(LoginDlgTest, ANewUserStartsInNoGroupWhoeverWasSelected) {
  struct Case {
    int pick;            // list line picked first; -1: as the dialog opens
    const char* typed;   // the name typed
    bool keepsSelection;
  };
  for (const Case& c : {Case{-1, "newbie", false}, Case{1, "newbie", false}, Case{-1, "ADMIN", true},
                        Case{1, "oper", true}, Case{-1, "oper", false}}) {
    SCOPED_TRACE(std::string(c.typed) + " after line " + std::to_string(c.pick));
    int before = 0, after = 0, selected = -2;
    DialogScript script([&](CDialog& d) {
      auto* list = static_cast<CListBox*>(d.GetDlgItem(IDC_EDITOR_LIST));
      if (c.pick >= 0) {
        list->SetCurSel(c.pick);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDITOR_LIST, LBN_SELCHANGE), 0);
      }
      before = TickedGroups(d);
      Type(d, IDC_EDITOR_NAME, c.typed);
      after = TickedGroups(d);
      selected = list->GetCurSel();
      Click(d, IDCANCEL);
    });
    CLoginEditorDlg dlg(admin);
    dlg.DoModal();
    const int pickedLine = c.pick >= 0 ? c.pick : 0;  // the admin is line 0
    EXPECT_NE(before, 0) << "the selected user's groups were ticked";
    EXPECT_EQ(after, c.keepsSelection ? before : 0);
    EXPECT_EQ(selected, c.keepsSelection ? pickedLine : -1);
  }
}

TEST_F(LoginDlgTest, AUserAddedWhileTheAdminWasSelectedIsNoAdmin) {
  DialogScript script([&](CDialog& d) {
    Type(d, IDC_EDITOR_NAME, "newbie");
    Type(d, IDC_EDITOR_PASSWORD, "n");
    Type(d, IDC_EDITOR_CONFIRM, "n");
    static_cast<CButton*>(d.GetDlgItem(static_cast<int>(IDC_EDITOR_GROUP_FIRST)))->SetCheck(BST_CHECKED);
    Click(d, IDC_EDITOR_ADD);
    Click(d, IDCANCEL);
  });
  CLoginEditorDlg dlg(admin);
  dlg.DoModal();
  ASSERT_NE(access->FindUser("newbie"), nullptr);
  EXPECT_EQ(access->FindUser("newbie")->GetGroups(), kOperator) << "only the group ticked, not the admin's";
  EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
