// The application's start-up and exit: the order in which it builds and
// tears down the program, and every way start-up can be refused, with the
// texts the user sees and the exit code.
#include <sys/stat.h>

#include <filesystem>

#include "AppTestSupport.h"
#include "LoopGuard.h"
#include "app/VekFrameDoc.h"
#include "app/VekFrameView.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/MDIChildWnd.h"
#include "support/EnvScope.h"

using namespace app_test;

namespace {

TEST_F(AppTest, StartUpBuildsInOrderAndShowsTheSuperviseWindowInDemo) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(log, (std::vector<std::string>{"CreateProcessData", "CreateEngine", "CreateDeviceShapes", "AttachProcessData"}));
  ASSERT_NE(C_BaseShape::GetPackIniFile(1), nullptr);
  EXPECT_EQ(C_BaseShape::GetPackIniFile(1)->GetFilePath(), File("-Setting.ini"));
  EXPECT_EQ(C_BaseShape::GetPackIniFile(0), nullptr);
  EXPECT_TRUE(boxes.Shown().empty()) << boxes.Last().text;
  EXPECT_TRUE(login.purposes.empty()) << "nobody logs in at start-up";
  CMainFrame* frame = Frame();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->IsWindowVisible());
  EXPECT_TRUE(frame->IsZoomed());
  // The caption is the engine's title (with the maximised window's name, as MDI frames show it).
  EXPECT_EQ(frame->GetWindowText().rfind(Engine()->GetFullTitle(), 0), 0u) << frame->GetWindowText();
  EXPECT_EQ(Engine()->GetFullTitle().rfind(code + " Spray Dryer - VekFrame (build ", 0), 0u) << Engine()->GetFullTitle();
  ASSERT_NE(frame->MDIGetActive(), nullptr);
  EXPECT_TRUE(frame->MDIGetActive()->IsMaximized());
  auto* view = dynamic_cast<CVekFrameView*>(frame->GetActiveView());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(Engine()->GetMainWnd(), view);
  EXPECT_TRUE(Engine()->AreThreadsRunning());
  EXPECT_EQ(frame->GetActiveDocument()->GetTitle(), "Supervise");
  EXPECT_EQ(Engine()->GetDataSourceType(), CVekEngineBase::eDataSourceDemo);
  EXPECT_EQ(view->GetLabel(1130)->GetWindowText(), "DataSource: Demo");
  EXPECT_EQ(app->GetExitCode(), 0);
  EXPECT_EQ(GetProfileFilePath(), dir.File("profile.ini"));
  EXPECT_EQ(app->GetRegistryKey(), "VekFrame " + code);
  EXPECT_EQ(app->GetDocTemplates().size(), 2u) << "the trend and the supervise templates";
  EXPECT_EQ(frame->GetChildFrames().size(), 1u) << "no trend settings: no trend window";
}

TEST_F(AppTest, ClosingTheFrameThenExitTearsDownInOrder) {
  ASSERT_TRUE(Start());
  boxes.QueueAnswer(IDYES);
  Frame()->SendMessage(WM_CLOSE);
  ProcessPendingEvents();
  EXPECT_EQ(app->m_pMainWnd, nullptr);
  EXPECT_TRUE(Engine()->IsShutDown());
  EXPECT_FALSE(Engine()->AreThreadsRunning());
  int quit = -1;
  ASSERT_TRUE(TakePendingQuit(&quit));
  EXPECT_EQ(quit, 0);
  log.clear();
  EXPECT_EQ(Exit(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"DestroyProcessData", "DestroyDevices", "~engine", "settings file still open"}));
  EXPECT_EQ(Engine(), nullptr);
  EXPECT_EQ(C_BaseShape::GetPackIniFile(1), nullptr);
  EXPECT_NE(dir.Read(code + "-Log.log").find("VekFrame Closed.\r\n"), std::string::npos);
}

TEST_F(AppTest, RunProgramRunsTheLoopUntilTheFrameClosesAndEndsWithZero) {
  MakeApp();
  boxes.SetDefaultAnswer(IDYES);
  PostToUiThread([] {
    if (CWnd* frame = AfxGetMainWnd()) frame->PostMessage(WM_CLOSE);
  });
  EXPECT_EQ(app->RunProgram(), 0);
  exited = true;
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{CMainFrmBase::kCloseQuestion});
  EXPECT_GT(IndexOf(log, "~engine"), IndexOf(log, "DestroyProcessData"));
}

// A second instance: holding the lock as another running copy would. A
// start that is not refused would run the loop: the guard ends it.
TEST_F(AppTest, SecondInstanceIsRefusedUnlessCtrlAndShiftAreHeld) {
  CNamedMutex running("VekFrame " + code);
  MakeApp();
  LoopGuard guard(3000);
  EXPECT_EQ(app->RunProgram(), 1);
  exited = true;
  ASSERT_FALSE(boxes.Shown().empty());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"VekFrame " + code + " already running!"});
  EXPECT_EQ(boxes.Last().flags & (MB_ICONHAND | MB_SYSTEMMODAL), MB_ICONHAND | MB_SYSTEMMODAL);
  EXPECT_EQ(IndexOf(log, "CreateProcessData"), -1) << "nothing is built";
  EXPECT_EQ(app->m_pMainWnd, nullptr);
}

// Without a runtime folder, a lock folder in the temporary folder that
// another user made first does not switch the check off: the first start
// keeps its lock in this user's cache folder and the second is refused.
TEST_F(AppTest, ALockFolderTakenByAnotherUserStillRefusesTheSecondStart) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a folder away";
  testing_support::TempDir tmp, home;
  const std::string taken = tmp.Path() + "vekframe-" + std::to_string(::geteuid());
  ASSERT_EQ(::mkdir(taken.c_str(), 0700), 0);
  ASSERT_EQ(::chown(taken.c_str(), 65534, 65534), 0);
  testing_support::EnvScope runtime("XDG_RUNTIME_DIR", std::nullopt);
  testing_support::EnvScope tmpdir("TMPDIR", tmp.Path());
  testing_support::EnvScope cache("XDG_CACHE_HOME", std::nullopt);
  testing_support::EnvScope userHome("HOME", home.Path());
  testing::internal::CaptureStderr();
  CNamedMutex first("VekFrame " + code);  // the first start
  MakeApp();
  LoopGuard guard(3000);
  const int exitCode = app->RunProgram();
  testing::internal::GetCapturedStderr();
  exited = true;
  EXPECT_EQ(first.GetLockPath().rfind(home.Path() + ".cache/vekframe/", 0), 0u) << first.GetLockPath();
  EXPECT_EQ(exitCode, 1);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"VekFrame " + code + " already running!"});
  EXPECT_EQ(IndexOf(log, "CreateProcessData"), -1) << "nothing is built";
}

// Where no folder is safe for the lock, the program runs unchecked, and
// says so in its log, not only on stderr.
TEST_F(AppTest, NoSafeFolderForTheLockIsSaidInTheLog) {
  testing_support::TempDir tmp;
  const std::string open = tmp.Path() + "vekframe-" + std::to_string(::geteuid());
  ASSERT_EQ(::mkdir(open.c_str(), 0700), 0);
  ASSERT_EQ(::chmod(open.c_str(), 0777), 0);
  testing_support::EnvScope runtime("XDG_RUNTIME_DIR", std::nullopt);
  testing_support::EnvScope tmpdir("TMPDIR", tmp.Path());
  testing_support::EnvScope cache("XDG_CACHE_HOME", std::nullopt);
  testing_support::EnvScope userHome("HOME", std::nullopt);
  testing::internal::CaptureStderr();
  const BOOL started = Start();
  const std::string said = testing::internal::GetCapturedStderr();
  ASSERT_TRUE(started);
  EXPECT_NE(said.find("a second instance is not detected"), std::string::npos) << said;
  const std::string text = dir.Read(code + "-Log.log");
  const size_t line = text.find("No safe folder for the single-instance lock (" + open + ": others may write into it)");
  EXPECT_NE(line, std::string::npos) << text;
  EXPECT_GT(line, text.rfind(" is starting.")) << "in this start's part of the log";
}

TEST_F(AppTest, SecondInstanceStartsWhileCtrlAndShiftAreHeld) {
  CNamedMutex running("VekFrame " + code);
  keys.Hold(VK_CONTROL);
  keys.Hold(VK_SHIFT);
  ASSERT_TRUE(Start());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"The second execution of VekFrame is starting!"});
  EXPECT_NE(Frame(), nullptr);
}

// A second instance by the keys held at its start: Ctrl with Shift, or the
// right mouse button, let it start; anything less leaves it refused.
struct SecondInstanceCase {
  const char* name;
  std::vector<int> held;
  bool starts;
};

void PrintTo(const SecondInstanceCase& c, std::ostream* os) { *os << c.name; }

class SecondInstanceTest : public AppTest, public ::testing::WithParamInterface<SecondInstanceCase> {};

TEST_P(SecondInstanceTest, StartsOnlyWhileCtrlAndShiftOrTheRightButtonAreHeld) {
  CNamedMutex running("VekFrame " + code);
  for (int key : GetParam().held) keys.Hold(key);
  if (GetParam().starts) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"The second execution of VekFrame is starting!"});
    EXPECT_NE(Frame(), nullptr);
    return;
  }
  EXPECT_FALSE(Start());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"VekFrame " + code + " already running!"});
  EXPECT_EQ(IndexOf(log, "CreateProcessData"), -1) << "nothing is built";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SecondInstanceTest,
    ::testing::Values(SecondInstanceCase{"CtrlAndShift", {VK_CONTROL, VK_SHIFT}, true},
                      SecondInstanceCase{"RightButton", {VK_RBUTTON}, true},
                      SecondInstanceCase{"RightButtonWithShift", {VK_RBUTTON, VK_SHIFT}, true},
                      SecondInstanceCase{"CtrlAlone", {VK_CONTROL}, false},
                      SecondInstanceCase{"ShiftAlone", {VK_SHIFT}, false},
                      SecondInstanceCase{"LeftButton", {VK_LBUTTON}, false}),
    [](const ::testing::TestParamInfo<SecondInstanceCase>& info) { return std::string(info.param.name); });

// Start-up steps that refuse: the files, and the texts naming them.
struct RefusalCase {
  const char* name;
  void (*prepare)(AppTest& test, const std::string& folder, const std::string& code);
  std::string (*text)(const std::string& folder, const std::string& code);
};

class AppRefusalTest : public AppTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(AppRefusalTest, StartUpStopsWithItsMessageAndExitsWithOne) {
  GetParam().prepare(*this, dir.Path(), code);
  MakeApp();
  EXPECT_EQ(app->RunProgram(), 1);
  exited = true;
  ASSERT_FALSE(boxes.Shown().empty());
  EXPECT_EQ(boxes.Last().text, GetParam().text(dir.Path(), code));
  EXPECT_EQ(log, (std::vector<std::string>{"CreateProcessData", "CreateEngine", "DestroyProcessData", "DestroyDevices", "~engine"}));
  EXPECT_EQ(app->m_pMainWnd, nullptr);
  EXPECT_EQ(CVekEngineBase::GetEngine(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AppRefusalTest,
    ::testing::Values(
        RefusalCase{"MissingSettingsFile",
                    [](AppTest&, const std::string& folder, const std::string& code) {
                      std::filesystem::remove(folder + code + "-Setting.ini");
                    },
                    [](const std::string& folder, const std::string& code) {
                      return "Settings file not found!\n" + folder + code + "-Setting.ini";
                    }},
        RefusalCase{"ReadOnlySettingsFile",
                    [](AppTest&, const std::string& folder, const std::string& code) {
                      std::filesystem::permissions(folder + code + "-Setting.ini", std::filesystem::perms::owner_read |
                                                                                      std::filesystem::perms::group_read);
                    },
                    [](const std::string& folder, const std::string& code) {
                      return "Settings file is Read-Only!\n" + folder + code + "-Setting.ini";
                    }},
        RefusalCase{"EngineStartUpFails",
                    [](AppTest&, const std::string& folder, const std::string& code) {
                      std::filesystem::remove(folder + code + "-DCTags.dct");
                    },
                    [](const std::string& folder, const std::string& code) {
                      return "DataCenter Tags file not found!\n" + folder + code + "-DCTags.dct";
                    }}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

// A settings file that exists but cannot be read refuses the program's
// start: its one box says so, naming the file and the cause (the engine on
// its own goes on with the defaults and says that instead). A folder in
// the file's place cannot be read, whoever runs the test.
TEST_F(AppTest, ASettingsFileThatCannotBeReadRefusesTheStartInOneBoxThatSaysSo) {
  std::filesystem::remove(File("-Setting.ini"));
  std::filesystem::create_directory(File("-Setting.ini"));
  MakeApp();
  EXPECT_EQ(app->RunProgram(), 1);
  exited = true;
  const std::vector<std::string> texts = BoxTexts();
  ASSERT_EQ(texts.size(), 1u) << (texts.empty() ? "" : texts.back());
  EXPECT_EQ(texts[0].rfind("Settings file is not readable!\n", 0), 0u) << texts[0];
  EXPECT_NE(texts[0].find(File("-Setting.ini") + "\" is a folder"), std::string::npos) << texts[0];
  EXPECT_NE(texts[0].find("VekFrame cannot start"), std::string::npos) << texts[0];
  EXPECT_EQ(texts[0].find("takes its default"), std::string::npos) << texts[0];
  EXPECT_EQ(boxes.Last().flags & (MB_ICONHAND | MB_SYSTEMMODAL), MB_ICONHAND | MB_SYSTEMMODAL);
  const std::string text = dir.Read(code + "-Log.log");
  EXPECT_NE(text.find("the start is refused"), std::string::npos) << text;
  EXPECT_EQ(text.find("Engine started"), std::string::npos) << "nothing is started for a refused start\n" << text;
}

TEST_F(AppTest, EngineTablesThatCannotOpenRefuseStartUp) {
  MakeApp(1);
  EXPECT_EQ(app->RunProgram(), 1);
  exited = true;
  EXPECT_EQ(log, (std::vector<std::string>{"CreateProcessData", "CreateEngine", "DestroyProcessData", "DestroyDevices", "~engine"}));
  EXPECT_EQ(app->m_pMainWnd, nullptr);
}

TEST_F(AppTest, AViewThatCannotOpenTheRecordSetsEndsStartUpWithItsExitCode) {
  MakeApp(2);
  EXPECT_EQ(app->RunProgram(), 1);
  exited = true;
  EXPECT_NE(IndexOf(log, "CreateDeviceShapes"), -1);
  EXPECT_EQ(IndexOf(log, "AttachProcessData"), -1) << "the view stopped at the record sets";
  EXPECT_EQ(app->m_pMainWnd, nullptr);
  int quit = -1;
  EXPECT_FALSE(TakePendingQuit(&quit)) << "no quit request is left for a later loop";
  EXPECT_TRUE(boxes.Shown().empty()) << "the frame was never shown, so nothing asks to close it";
  EXPECT_GT(IndexOf(log, "~engine"), IndexOf(log, "DestroyProcessData"));
}

TEST_F(AppTest, NewAndOpenReachNoHandlerSoTheSuperviseWindowStaysAlone) {
  ASSERT_TRUE(Start());
  Command(ID_FILE_NEW);
  Command(ID_FILE_OPEN);
  ProcessPendingEvents();
  EXPECT_EQ(Frame()->GetChildFrames().size(), 1u);
  EXPECT_EQ(app->GetDocTemplates().back()->GetDocuments().size(), 1u);
}

}  // namespace
