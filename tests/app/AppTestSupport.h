// What the application tests share: a plant that records what the
// application asks of it (and whose engine records its own end), data files
// of a project code of their own in a temporary program folder, the login
// step answered from a queue of users, and modal dialogs driven by a
// function.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "app/VekFrameView.h"
#include "app/VekFrameApp.h"
#include "app/VekPlant.h"
#include "core/AccessLog.h"
#include "core/CoreTestSupport.h"
#include "core/VekAccessControl.h"
#include "core/VekEncryption.h"
#include "core/VekEngineBase.h"
#include "platform/Paths.h"
#include "platform/Thread.h"
#include "platform/ui/SplashScreen.h"
#include "res/Resources.h"
#include "shapes/BaseShape.h"
#include "support/Doubles.h"
#include "support/SourceFolder.h"

namespace app_test {

// An engine that waits for nothing, records its end, and can refuse to
// open its tables on a given call (1: the engine's start-up, 2: the view).
class RecordingEngine : public CVekEngineBase {
 public:
  RecordingEngine(std::vector<std::string>& log, int nFailOpenTablesCall) : m_log(log), m_nFailCall(nFailOpenTablesCall) {
    SetPendingWait([](const std::string&, const std::function<bool()>& done, DWORD) { return done(); });
    SetExitNoticeTimes(0, 0);
  }
  // Also tells whether the packs' settings file still exists then.
  ~RecordingEngine() override {
    m_log.push_back("~engine");
    if (C_BaseShape::GetPackIniFile(1)) m_log.push_back("settings file still open");
  }
  bool OpenTables() override {
    if (++m_nOpenCalls == m_nFailCall) return false;
    return CVekEngineBase::OpenTables();
  }

 private:
  std::vector<std::string>& m_log;
  int m_nFailCall;
  int m_nOpenCalls = 0;
};

// A plant that writes each call into the log.
class RecordingPlant : public IVekPlant {
 public:
  RecordingPlant(std::vector<std::string>& log, int nFailOpenTablesCall) : m_log(log), m_nFailCall(nFailOpenTablesCall) {}
  void CreateProcessData() override { m_log.push_back("CreateProcessData"); }
  CVekEngineBase* CreateEngine() override {
    m_log.push_back("CreateEngine");
    return new RecordingEngine(m_log, m_nFailCall);
  }
  bool CreateDeviceShapes(CWnd*) override {
    m_log.push_back("CreateDeviceShapes");
    return true;
  }
  bool AttachProcessData(CWnd*) override {
    m_log.push_back("AttachProcessData");
    return true;
  }
  CPlant* GetPlant() override { return nullptr; }  // no plant objects of its own
  bool IsResetProcessOn() const override { return m_bReset; }
  void SetResetProcessOn() override { m_bReset = true; }
  void DestroyProcessData() override { m_log.push_back("DestroyProcessData"); }
  void DestroyDevices() override { m_log.push_back("DestroyDevices"); }

 private:
  std::vector<std::string>& m_log;
  int m_nFailCall;
  bool m_bReset = false;
};

using testing_support::ModalDriverScope;

// The position of a call in the log; -1 when it was not made.
inline int IndexOf(const std::vector<std::string>& log, const std::string& call) {
  for (size_t i = 0; i < log.size(); ++i)
    if (log[i] == call) return static_cast<int>(i);
  return -1;
}

// The users of every test: name, groups (password "pw").
struct TestUser {
  const char* name;
  int groups;
};
constexpr TestUser kTestUsers[] = {
    {"admin", CVekAccessUser::eGroupVekAdmin},
    {"plant", CVekAccessUser::eGroupPlantAdmin},
    {"tech", CVekAccessUser::eGroupTechnical},
    {"oper", CVekAccessUser::eGroupOperator},
    {"nobody", CVekAccessUser::eGroupNone},
};

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadResourceTables();
    CVekEncryption::SetFastHashingForTest(true);
    SetProfileFilePath(dir.File("profile.ini"));
    static int counter = 0;
    code = "T" + std::to_string(::getpid()) + "N" + std::to_string(++counter);
    dir.Write(code + "-DCTags.dct", "1, Flow, ADV, 0:AI:0, INPUT, Float, 0, 1,\n");
    dir.Write(code + "-Setting.ini", "[Application]\r\nCoreControlType=PC-Base\r\n");
    CVekAccessControl users;
    users.LoadUserFile(File("-VXC.sys"), true);
    std::string error;
    for (const TestUser& u : kTestUsers) ASSERT_NE(users.AddUser(u.name, "pw", u.groups, &error), nullptr) << error;
  }

  void TearDown() override {
    if (app && !exited) {
      if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
      int quit = 0;
      TakePendingQuit(&quit);
      app->ExitInstance();
    }
    app.reset();
    ProcessPendingEvents();  // a splash still to be shown is shown first ...
    CSplashScreen::Hide();   // ... then closed
    ProcessPendingEvents();
    SetAccessLogFile("");
    SetProfileFilePath("");
    CVekEncryption::SetFastHashingForTest(false);
  }

  std::string File(const std::string& suffix) const { return dir.File(code + suffix); }

  // Makes the application with the recording plant.
  void MakeApp(int nFailOpenTablesCall = 0) {
    app = std::make_unique<CVekFrameApp>(std::make_unique<RecordingPlant>(log, nFailOpenTablesCall), code);
  }
  BOOL Start(int nFailOpenTablesCall = 0) {
    MakeApp(nFailOpenTablesCall);
    return app->InitInstance();
  }
  // ExitInstance once; returns its code.
  int Exit() {
    exited = true;
    return app->ExitInstance();
  }
  // The shipped default data (data/) copied into the program folder under
  // the fixture's project code, as a fresh machine gets it.
  void CopyShippedData() {
    const std::string source = testing_support::SourceTopFolder(__FILE__) + "/data/";
    std::filesystem::remove(File("-VXC.key"));  // made with the fixture's users
    for (const char* suffix : {"-DCTags.dct", "-Setting.ini", "-VXC.sys", "-DataBase.mdb"}) {
      std::filesystem::remove(File(suffix));
      std::filesystem::copy_file(source + "VTLN" + suffix, File(suffix));
    }
  }
  // The whole program (the real plant) started on the shipped data.
  void StartOnShippedData() {
    CopyShippedData();
    app = std::make_unique<CVekFrameApp>(MakeVekPlant(), code);
    ASSERT_TRUE(app->InitInstance());
    ProcessPendingEvents();
  }
  // The same, then with the data source None, so the plant's values stay
  // as a test sets them; false (with a failure) when the switch never ended.
  bool StartStillOnShippedData() {
    StartOnShippedData();
    if (HasFatalFailure()) return false;
    Engine()->SetDataSourceType(CVekEngineBase::eDataSourceNone);
    const bool idle = WaitProcessingEvents([&] { return Engine()->IsDataSourceIdle(); }, 5000);
    EXPECT_TRUE(idle) << "the switch to None did not end";
    return idle;
  }
  CMainFrame* Frame() const { return app ? dynamic_cast<CMainFrame*>(app->m_pMainWnd) : nullptr; }
  CVekEngineBase* Engine() const { return CVekEngineBase::GetEngine(); }
  // A user of the running engine's user file.
  static CVekAccessUser* User(const std::string& name) {
    CVekAccessControl* access = CVekEngineBase::GetEngineAccessControl();
    return access ? access->FindUser(name) : nullptr;
  }
  void Command(UINT id) { Frame()->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), 0), 0); }
  // The texts of the boxes shown so far.
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const MessageBoxRequest& r : boxes.Shown()) texts.push_back(r.text);
    return texts;
  }

  testing_support::TempDir dir{true};
  testing_support::MessageBoxDouble boxes;
  testing_support::KeyStateDouble keys;
  std::string code;
  core_test::LoginDouble login;  // who logs in next (none: the user gives up)
  std::vector<std::string> log;  // the plant's and the engine's calls
  std::unique_ptr<CVekFrameApp> app;
  bool exited = false;
};

// The whole program on the shipped data, held still (data source None),
// with its supervise view and plant at hand.
class StillPlantTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(StartStillOnShippedData());
    view = dynamic_cast<CVekFrameView*>(Frame()->GetActiveView());
    plant = GetAppPlant();
    ASSERT_NE(view, nullptr);
    ASSERT_NE(plant, nullptr);
  }

  CVekFrameView* view = nullptr;
  CPlant* plant = nullptr;
};

}  // namespace app_test
