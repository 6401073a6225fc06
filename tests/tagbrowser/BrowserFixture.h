// A started engine over a small tag file, with a technician and an
// operator in its user file, a login step that answers from a queue, and a
// profile store of the test's own: what the tag browser needs around it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/AccessLog.h"
#include "core/CoreTestSupport.h"
#include "core/DCTag.h"
#include "core/VekAccessControl.h"
#include "core/VekEncryption.h"
#include "core/VekEngineBase.h"
#include "grid/UGGrid.h"
#include "platform/Paths.h"
#include "platform/Thread.h"
#include "res/Resources.h"
#include "res/TagBrowserResources.h"
#include "support/Doubles.h"
#include "tagbrowser/RoveDazuviVerovDlg.h"

namespace browser_test {

// Rows: the tags in file order.
inline const char* kTags =
    "1, Tank1, ADV, 0:AI:0, INPUT, Float, 0, 1,\n"
    "2, MyTank, SRL, 1:40001, DUPLEX, Int, 0, 0,\n"
    "3, tank2, NULL, , NULL, Bool, 0, 0,\n"
    "4, Pump.Speed, OPC, Plant.Pump.Speed, OUTPUT, Float, 0, 2,\n"
    "5, Recipe.Name, NULL, , NULL, String, 0, 0,\n"
    "6, Shift.Start, NULL, , NULL, Date, 0, 0,\n"
    "7, Counter, NULL, , NULL, Int, 0, 0,\n"
    "8, Valve.Open, ADV, 0:DO:1, OUTPUT, Bool, 0, 0,\n";
enum Row { kTank1 = 0, kMyTank, kTank2, kPumpSpeed, kRecipeName, kShiftStart, kCounter, kValveOpen, kRows };

// Values given to tags as their links would give them.
inline void SetData(CDCTag* tag, VARIANT value) { tag->SetTagData(&value); }
inline void SetMin(CDCTag* tag, VARIANT value) { tag->SetMinTag(&value); }
inline void SetMax(CDCTag* tag, VARIANT value) { tag->SetMaxTag(&value); }

// The engine of the tests: waits for pendings without a window.
class BrowserEngine : public CVekEngineBase {
 public:
  BrowserEngine() {
    SetFileNames("VTLN");
    SetPendingWait([](const std::string&, const std::function<bool()>& done, DWORD) { return done(); });
    SetExitNoticeTimes(0, 0);
  }
};

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CVekEncryption::SetFastHashingForTest(true);
    dir.Write("VTLN-DCTags.dct", tagText);
    dir.Write("VTLN-Setting.ini", "[Application]\r\nCoreControlType=PC-Base\r\n");
    {
      CVekAccessControl users;
      users.LoadUserFile(dir.File("VTLN-VXC.sys"), true);
      std::string error;
      ASSERT_NE(users.AddUser("admin", "pw", CVekAccessUser::eGroupVekAdmin, &error), nullptr) << error;
      ASSERT_NE(users.AddUser("tech", "pw", CVekAccessUser::eGroupTechnical, &error), nullptr) << error;
      ASSERT_NE(users.AddUser("oper", "pw", CVekAccessUser::eGroupOperator, &error), nullptr) << error;
    }
    SetProfileFilePath(dir.File("profile.ini"));
    LoadResourceTables();
    engine = new BrowserEngine;
    ASSERT_TRUE(CVekEngineBase::SetEngine(engine));
    tech = CVekEngineBase::GetEngineAccessControl()->FindUser("tech");
    oper = CVekEngineBase::GetEngineAccessControl()->FindUser("oper");
    ASSERT_NE(tech, nullptr);
    ASSERT_NE(oper, nullptr);
  }
  void TearDown() override {
    dialog.reset();
    CVekEngineBase::SetTagBrowserFactory(nullptr);
    CVekEngineBase::SetEngine(nullptr);
    SetProfileFilePath("");
    CVekEncryption::SetFastHashingForTest(false);
    SetAccessLogFile("");
  }

  CDCTag* Tag(int index) { return CVekEngineBase::GetEngineDataCenter()->GetTagAt(index); }

  // Opens the browser as the technician; the grid is then set up.
  CRoveDazuviVerovDlg& Open() {
    login.answers.push_back(tech);
    dialog = std::make_unique<CRoveDazuviVerovDlg>();
    EXPECT_TRUE(dialog->Create(IDD_ROVEDAZUVI_VEROV, nullptr));
    EXPECT_FALSE(dialog->WasRefused());
    dialog->ShowWindow(SW_SHOW);
    return *dialog;
  }
  CRoveDazuviVerovGrid& Grid() { return dialog->GetGrid(); }

  // The grid's timers fire as they would: the refresh, then the paint.
  void Refresh() {
    Grid().SendMessage(WM_TIMER, rdv::kRefreshTimer, 0);
    ProcessPendingEvents();
  }

  std::string tagText = kTags;
  testing_support::TempDir dir{true};
  testing_support::MessageBoxDouble boxes;
  testing_support::KeyStateDouble keys;
  core_test::LoginDouble login;
  BrowserEngine* engine = nullptr;
  CVekAccessUser* tech = nullptr;
  CVekAccessUser* oper = nullptr;
  std::unique_ptr<CRoveDazuviVerovDlg> dialog;
};

}  // namespace browser_test
