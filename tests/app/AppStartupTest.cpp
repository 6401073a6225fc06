// The application's start-up and exit: the order in which it builds and
// tears down the program, and every way start-up can be refused, with the
// texts the user sees and the exit code.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "AppTestSupport.h"
#include "LoopGuard.h"
#include "RealProgram.h"
#include "app/VekFrameDoc.h"
#include "app/ShippedData.h"
#include "app/VekFrameView.h"
#include "core/AtomicFile.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/MDIChildWnd.h"
#include "support/EnvScope.h"

using namespace app_test;
using real_program::EnvironmentWith;
using real_program::StartProgramIn;

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

// Another start holds the user file to seal it, past the lock's wait (a
// slow first start): this start says so and is refused as a second
// instance, whatever it found in the folder, never as one whose user file
// has a broken seal or could not be sealed.
TEST_F(AppTest, AStartWhileAnotherHoldsTheUserFileToSealItIsRefusedAsASecondInstance) {
  CFileLock::SetLockWaitMs(100);
  for (const bool keyLinked : {true, false}) {
    SCOPED_TRACE(keyLinked ? "the key is in place, the sealed file not yet" : "nothing is in place yet");
    std::filesystem::remove(File("-VXC.sys"));
    if (keyLinked) dir.Write(code + "-VXC.sys", core_test::UnsealedAdmin());
    else std::filesystem::remove(File("-VXC.key"));
    dir.Write(code + "-VXC.sys.vektmp-Sealed", "the sealed copy being written");
    testing_support::OtherProcessFileLock sealing(File("-VXC.sys.lock"));
    ASSERT_TRUE(sealing.Held());
    boxes.Clear();
    MakeApp();
    app->SetDefaultUserFile(testing_support::SourceTopFolder(__FILE__) + "/data/VTLN-VXC.sys");
    EXPECT_FALSE(app->InitInstance());
    Exit();
    const std::vector<std::string> texts = BoxTexts();
    ASSERT_EQ(texts.size(), 1u) << (texts.empty() ? "" : texts.back());
    EXPECT_EQ(texts[0].rfind("VekFrame " + code + " already running!\n\nAnother start of VekFrame holds the user file "
                             "to seal it:\n" + File("-VXC.sys") + "\nThe lock file \"" + File("-VXC.sys.lock"),
                             0),
              0u)
        << texts[0];
    const std::string text = dir.Read(code + "-Log.log");
    EXPECT_NE(text.find("The start is refused as a second instance."), std::string::npos) << text;
    EXPECT_EQ(text.find("Engine started"), std::string::npos) << text;
  }
  CFileLock::SetLockWaitMs(5000);
}

// A single-instance lock that cannot be taken (a folder bears its name):
// the program runs unchecked and says so in its log, not only on stderr.
TEST_F(AppTest, ALockThatCannotBeTakenIsSaidInTheLog) {
  const std::string lock = dir.File("vekframe-VekFrame_" + code + ".lock");
  ASSERT_EQ(::mkdir(lock.c_str(), 0700), 0);
  testing::internal::CaptureStderr();
  const BOOL started = Start();
  const std::string said = testing::internal::GetCapturedStderr();
  ASSERT_TRUE(started);
  EXPECT_NE(said.find("A second instance is not detected"), std::string::npos) << said;
  const std::string text = dir.Read(code + "-Log.log");
  const size_t line = text.find("The single-instance lock cannot be used: \"" + lock + "\" is a folder, not a file.");
  EXPECT_NE(line, std::string::npos) << text;
  EXPECT_GT(line, text.rfind(" is starting.")) << "in this start's part of the log";
}

// Each file the program reads, adopts or locks in its folder, with a FIFO
// (which an open would wait on for ever), a folder or a link to nothing in
// its place: the start refuses it or goes on without it, with a message that
// names it and says what it is, and never blocks. A start still blocked
// after some seconds ends the test program, naming the case.
struct NotAFileCase {
  const char* name;
  const char* file;    // in the program folder; "CODE" stands for the project code
  bool followsLinks;   // a link in its place is followed (else refused as one)
  void (*prepare)(const std::string& folder, const std::string& code);
  void (*after)();     // after the start
};

class NotAFileTest : public AppTest, public ::testing::WithParamInterface<std::tuple<NotAFileCase, std::string>> {};

char g_hangText[256];
int g_hangFd = -1;  // stderr as it was before the test captured it

TEST_P(NotAFileTest, IsNamedAndNeverWaitedOn) {
  const auto& [c, kind] = GetParam();
  std::string path = dir.File(c.file);
  if (const size_t at = path.find("CODE"); at != std::string::npos) path.replace(at, 4, code);
  std::filesystem::remove(path);
  if (c.prepare) c.prepare(dir.Path(), code);
  const int made = kind == "Fifo"     ? ::mkfifo(path.c_str(), 0600)
                   : kind == "Folder" ? ::mkdir(path.c_str(), 0700)
                                      : ::symlink(dir.File("missing").c_str(), path.c_str());
  ASSERT_EQ(made, 0) << path;
  std::snprintf(g_hangText, sizeof g_hangText, "The start waited on %s for 20 s.\n", path.c_str());
  g_hangFd = ::dup(STDERR_FILENO);
  const auto previous = std::signal(SIGALRM, [](int) {
    [[maybe_unused]] const ssize_t n = ::write(g_hangFd, g_hangText, std::strlen(g_hangText));
    ::_exit(3);
  });
  ::alarm(20);
  testing::internal::CaptureStderr();
  if (std::string(c.file).find(".vekcopy-") != std::string::npos)
    InstallShippedData(testing_support::SourceTopFolder(__FILE__) + "/data/", dir.Path());
  Start();
  if (c.after && Engine()) c.after();
  const std::string said = testing::internal::GetCapturedStderr();
  ::alarm(0);
  std::signal(SIGALRM, previous);
  ::close(g_hangFd);

  const std::string what = kind == "Fifo"     ? "a FIFO"
                           : kind == "Folder" ? "a folder"
                           : c.followsLinks   ? "a link to a missing file"
                                              : "a symbolic link";
  // A box, or a line of stderr or of the log (read as the program reads:
  // a FIFO in its place is not waited on), names both.
  std::vector<std::string> messages = BoxTexts();
  std::string logText, line;
  ReadWholeFile(File("-Log.log"), &logText);
  for (std::istringstream lines(said + "\n" + logText); std::getline(lines, line);) messages.push_back(line);
  EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [&](const std::string& m) {
    return m.find(path) != std::string::npos && m.find(what) != std::string::npos;
  })) << "no message names " << path << " as " << what << ":\n" << testing::PrintToString(messages);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NotAFileTest,
    ::testing::Combine(
        ::testing::Values(
            NotAFileCase{"UserFile", "CODE-VXC.sys", true, nullptr, nullptr},
            NotAFileCase{"KeyFile", "CODE-VXC.key", true, nullptr, nullptr},
            NotAFileCase{"UserFileCopy", "CODE-VXC.sys.vektmp-AAAAAA", false,
                         [](const std::string& f, const std::string& code) { std::filesystem::remove(f + code + "-VXC.sys"); }, nullptr},
            NotAFileCase{"KeyFileCopy", "CODE-VXC.key.vektmp-AAAAAA", false, nullptr, nullptr},
            NotAFileCase{"UserFileLock", "CODE-VXC.sys.lock", false,
                         [](const std::string& f, const std::string& code) { std::ofstream(f + code + "-VXC.sys.vektmp-BBBBBB") << "junk"; }, nullptr},
            NotAFileCase{"SettingsFile", "CODE-Setting.ini", true, nullptr, nullptr},
            NotAFileCase{"SettingsLock", "CODE-Setting.ini.lock", false, nullptr,
                         [] { CVekEngineBase::GetEngine()->SetRecordProcessInfoInterval(77); }},
            NotAFileCase{"TagFile", "CODE-DCTags.dct", true, nullptr, nullptr},
            NotAFileCase{"Database", "CODE-DataBase.mdb", true, nullptr, nullptr},
            NotAFileCase{"DatabaseLog", "CODE-DataBase.mdb-wal", true, nullptr, nullptr},
            NotAFileCase{"Log", "CODE-Log.log", true, nullptr, nullptr},
            NotAFileCase{"InstanceLock", "vekframe-VekFrame_CODE.lock", false, nullptr, nullptr},
            NotAFileCase{"ShippedFileCopy", "VTLN-DataBase.mdb.vekcopy-1", false, nullptr, nullptr}),
        ::testing::Values("Fifo", "Folder", "DanglingLink")),
    [](const ::testing::TestParamInfo<std::tuple<NotAFileCase, std::string>>& info) {
      return std::get<0>(info.param).name + std::get<1>(info.param);
    });

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

namespace {

// ---- The real program -------------------------------------------------------------------

// True once the process catches SIGTERM (its session end is installed).
bool CatchesSigterm(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
  return false;
}

// Ends the process by SIGTERM; its exit code, or -1 when it was still
// running 10 s later (then it is killed) or ended by a signal.
int EndBySigterm(pid_t pid) {
  ::kill(pid, SIGTERM);
  int status = 0;
  if (!WaitProcessingEvents([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, 10000)) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts of one program folder in other environments than the running
// one's (without XDG_RUNTIME_DIR, another HOME and TMPDIR, another runtime
// folder): each is refused as a second instance (exit code 1, nothing
// started), however its box was ended.
TEST(ProgramInstances, AStartOfTheSameFolderInAnotherEnvironmentIsRefused) {
  testing_support::TempDir folder, one, two;
  const pid_t first = StartProgramIn(folder, EnvironmentWith({"XDG_RUNTIME_DIR=" + one.Path(), "HOME=" + one.Path(),
                                                              "TMPDIR=" + one.Path()}));
  ASSERT_GT(first, 0);
  if (!WaitProcessingEvents([&] { return folder.Read("VTLN-Log.log").find("Engine started") != std::string::npos; },
                            30000)) {
    EndBySigterm(first);
    FAIL() << "the first start did not start:\n" << folder.Read("VTLN-Log.log");
  }
  const struct {
    const char* what;
    std::vector<std::string> env;
  } seconds[] = {
      {"without XDG_RUNTIME_DIR", {"HOME=" + one.Path(), "TMPDIR=" + one.Path()}},
      {"another HOME and TMPDIR", {"XDG_RUNTIME_DIR=" + one.Path(), "HOME=" + two.Path(), "TMPDIR=" + two.Path()}},
      {"another runtime folder", {"XDG_RUNTIME_DIR=" + two.Path(), "HOME=" + one.Path(), "TMPDIR=" + one.Path()}},
  };
  for (const auto& second : seconds) {
    SCOPED_TRACE(second.what);
    const pid_t pid = StartProgramIn(folder, EnvironmentWith(second.env));
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(WaitProcessingEvents([&] { return CatchesSigterm(pid); }, 10000));
    EXPECT_EQ(EndBySigterm(pid), 1) << "refused at its start";
  }
  const std::string text = folder.Read("VTLN-Log.log");
  EXPECT_EQ(text.find(" is starting."), text.rfind(" is starting.")) << "only the first start got so far:\n" << text;
  EXPECT_EQ(EndBySigterm(first), 0);
}

}  // namespace
