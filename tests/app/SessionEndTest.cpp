// The end of the session: SIGTERM, SIGHUP and SIGINT end the program the
// way the user's close with Yes does, without the question, with exit code
// 0: the exit-time settings, the database's close and the "VekFrame
// Closed." line included. Modal loops open at that moment are ended, boxes
// asked for afterwards are answered without showing and logged, a signal
// during start-up waits for the loop, and a second signal tears nothing
// down twice. The signals here are real: raised in this process, where the
// fixture's handlers turn them into a session end, and sent to the real
// program in a child process.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "AppTestSupport.h"
#include "LoopGuard.h"
#include "RealProgram.h"
#include "core/AtomicFile.h"
#include "core/ErrorBox.h"
#include "platform/SessionEnd.h"
#include "res/LoginDialogs.h"

using namespace app_test;
using real_program::EnvironmentWith;
using real_program::Output;
using real_program::StartProgramIn;

namespace {

int CountOf(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

class SessionEndTest : public AppTest {
 protected:
  void TearDown() override {
    ResetSessionEndForTest();
    if (realBoxes) SetMessageBoxHandler(std::move(boxDouble));
    AppTest::TearDown();
  }
  // From now on boxes are the real ones, with their modal loops.
  void ShowRealBoxes() {
    boxDouble = SetMessageBoxHandler(nullptr);
    realBoxes = true;
  }
  std::string LogText() const { return dir.Read(code + "-Log.log"); }
  // Runs the program (at most 10 s); its exit code.
  int Run() {
    LoopGuard guard(10000);
    const int exitCode = app->RunProgram();
    exited = true;
    return exitCode;
  }
  // What a session end leaves: the program torn down in order, one
  // "VekFrame Closed.", no close question.
  void ExpectEndedAsAfterYes(const char* reason) {
    const std::string text = LogText();
    EXPECT_EQ(CountOf(text, "VekFrame Closed.\r\n"), 1) << text;
    EXPECT_NE(text.find(std::string(reason) + ": the session ends; VekFrame closes without asking."),
              std::string::npos)
        << text;
    EXPECT_EQ(CountOf(text, "forced to exit"), 0) << text;
    EXPECT_EQ(CountOf(text, CMainFrmBase::kCloseQuestion), 0) << text;
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    EXPECT_EQ(CVekEngineBase::GetEngine(), nullptr);
    EXPECT_NE(IndexOf(log, "AttachProcessData"), -1) << "the program had started";
    EXPECT_GT(IndexOf(log, "DestroyDevices"), IndexOf(log, "DestroyProcessData"));
    EXPECT_GT(IndexOf(log, "~engine"), IndexOf(log, "DestroyDevices"));
    for (const MessageBoxRequest& box : boxes.Shown()) EXPECT_NE(box.text, CMainFrmBase::kCloseQuestion);
  }

  CSessionEndSignals sessionEndSignals;
  MessageBoxHandler boxDouble;
  bool realBoxes = false;
};

struct SignalCase {
  int signal;
  const char* name;
};

void PrintTo(const SignalCase& c, std::ostream* os) { *os << c.name; }

class SessionEndSignalTest : public SessionEndTest, public ::testing::WithParamInterface<SignalCase> {};

TEST_P(SessionEndSignalTest, ASignalWhileTheProgramRunsEndsItAsAfterYesWithoutAsking) {
  ASSERT_TRUE(sessionEndSignals.IsInstalled());
  MakeApp();
  const int signal = GetParam().signal;
  PostToUiThreadAfter(300, [signal] { ::raise(signal); });
  EXPECT_EQ(Run(), 0);
  ExpectEndedAsAfterYes(GetParam().name);
  EXPECT_TRUE(boxes.Shown().empty()) << boxes.Last().text;
}

INSTANTIATE_TEST_SUITE_P(Signals, SessionEndSignalTest,
                         ::testing::Values(SignalCase{SIGTERM, "SIGTERM"}, SignalCase{SIGHUP, "SIGHUP"},
                                           SignalCase{SIGINT, "SIGINT"}),
                         [](const ::testing::TestParamInfo<SignalCase>& info) { return std::string(info.param.name); });

// A modal dialog with a box open over it: both are ended (the dialog with
// IDCANCEL, the box with its close answer), then the session ends.
TEST_F(SessionEndTest, ASignalEndsAnOpenDialogAndBoxFirst) {
  ShowRealBoxes();
  MakeApp();
  INT_PTR dialogResult = -5;
  int boxAnswer = -5;
  bool frameAfterBox = false, frameAfterDialog = false;
  PostToUiThreadAfter(200, [&] {
    RegisterLoginDialogTemplates();
    CDialog dialog(login_res::IDD_ENGINE_WAIT, AfxGetMainWnd());
    PostToUiThreadAfter(200, [&] {
      PostToUiThreadAfter(300, [] { ::raise(SIGTERM); });
      boxAnswer = AfxMessageBox("Go on?", MB_YESNO | MB_ICONQUESTION);
      frameAfterBox = AfxGetMainWnd() != nullptr;
    });
    dialogResult = dialog.DoModal();
    frameAfterDialog = AfxGetMainWnd() != nullptr;
  });
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(boxAnswer, IDNO);
  EXPECT_EQ(dialogResult, IDCANCEL);
  // The program closes from its own loop, after the modal loops returned:
  // the code after them still finds its window.
  EXPECT_TRUE(frameAfterBox);
  EXPECT_TRUE(frameAfterDialog);
  ExpectEndedAsAfterYes("SIGTERM");
}

// Modal loops opened after the end began (a dialog, a wait that processes
// events) hold the end until they return: the session end never closes
// the program from inside one, so the code after it still finds its
// window. The dialog is ended (IDCANCEL) rather than waited for.
TEST_F(SessionEndTest, AModalLoopOpenedAfterTheEndBeganHoldsTheEndUntilItReturns) {
  MakeApp();
  bool began = false;
  INT_PTR dialogResult = -5;
  bool openAfterDialog = false, openAfterWait = false;
  const auto open = [this] {
    return AfxGetMainWnd() != nullptr && LogText().find("VekFrame Closed.") == std::string::npos;
  };
  PostToUiThreadAfter(300, [&] {
    ::raise(SIGTERM);
    began = WaitProcessingEvents([] { return IsSessionEnding(); }, 5000);
    RegisterLoginDialogTemplates();
    CDialog dialog(login_res::IDD_ENGINE_WAIT, AfxGetMainWnd());
    dialogResult = dialog.DoModal();
    openAfterDialog = open();
    WaitProcessingEvents([] { return false; }, 300);
    openAfterWait = open();
  });
  EXPECT_EQ(Run(), 0);
  ASSERT_TRUE(began);
  EXPECT_EQ(dialogResult, IDCANCEL);
  EXPECT_TRUE(openAfterDialog) << "closed inside the dialog's loop";
  EXPECT_TRUE(openAfterWait) << "closed inside the wait";
  ExpectEndedAsAfterYes("SIGTERM");
}

// The user asked to close and the question is open: it is ended (Cancel)
// and the session ends without it.
TEST_F(SessionEndTest, ASignalWhileTheCloseQuestionIsOpenEndsTheSession) {
  ShowRealBoxes();
  MakeApp();
  PostToUiThreadAfter(200, [] {
    PostToUiThreadAfter(300, [] { ::raise(SIGTERM); });
    if (CWnd* frame = AfxGetMainWnd()) frame->SendMessage(WM_CLOSE);
  });
  EXPECT_EQ(Run(), 0);
  const std::string text = LogText();
  EXPECT_EQ(CountOf(text, "VekFrame Closed.\r\n"), 1) << text;
  EXPECT_EQ(app->m_pMainWnd, nullptr);
}

// A signal during start-up, while a start-up box is open and before the
// main window exists: the box ends, start-up goes on, and the session ends
// once the loop runs.
TEST_F(SessionEndTest, ASignalDuringStartUpEndsTheSessionOnceTheLoopRuns) {
  CNamedMutex running("VekFrame " + code);
  keys.Hold(VK_CONTROL);
  keys.Hold(VK_SHIFT);  // the second start goes on after its box
  ShowRealBoxes();
  MakeApp();
  PostToUiThreadAfter(300, [] { ::raise(SIGTERM); });
  EXPECT_EQ(Run(), 0);
  ExpectEndedAsAfterYes("SIGTERM");
}

TEST_F(SessionEndTest, ASignalBeforeStartUpEndsTheSessionOnceTheLoopRuns) {
  MakeApp();
  ::raise(SIGTERM);
  EXPECT_EQ(Run(), 0);
  ExpectEndedAsAfterYes("SIGTERM");
  EXPECT_TRUE(boxes.Shown().empty()) << boxes.Last().text;
}

// An engine whose shut-down receives more signals (and lets them arrive)
// and meets an error box whose Cancel would end the program at once.
class SignalledEngine : public RecordingEngine {
 public:
  explicit SignalledEngine(std::vector<std::string>& log) : RecordingEngine(log, 0), m_log(log) {}
  void ShutDown() override {
    if (!IsShutDown()) {
      m_log.push_back("ShutDown");
      ::raise(SIGTERM);
      ::raise(SIGINT);
      WaitProcessingEvents([] { return false; }, 300);
      ShowSharedErrorBox("A tag could not be closed.", 321);
    }
    RecordingEngine::ShutDown();
  }

 private:
  std::vector<std::string>& m_log;
};

class SignalledPlant : public RecordingPlant {
 public:
  explicit SignalledPlant(std::vector<std::string>& log) : RecordingPlant(log, 0), m_log(log) {}
  CVekEngineBase* CreateEngine() override {
    m_log.push_back("CreateEngine");
    return new SignalledEngine(m_log);
  }

 private:
  std::vector<std::string>& m_log;
};

// Signals while the program closes (after a first signal, or after the
// user's Yes) tear nothing down twice, and a box met on the way neither
// shows nor ends the program early.
TEST_F(SessionEndTest, SignalsWhileClosingTearDownOnce) {
  for (const bool userCloses : {false, true}) {
    SCOPED_TRACE(userCloses ? "the user closes" : "a signal closes");
    log.clear();
    boxes.Clear();
    std::filesystem::remove(File("-Log.log"));
    app = std::make_unique<CVekFrameApp>(std::make_unique<SignalledPlant>(log), code);
    exited = false;
    if (userCloses) {
      boxes.QueueAnswer(IDYES);
      PostToUiThreadAfter(300, [] {
        if (CWnd* frame = AfxGetMainWnd()) frame->PostMessage(WM_CLOSE);
      });
    } else {
      PostToUiThreadAfter(300, [] { ::raise(SIGTERM); });
    }
    EXPECT_EQ(Run(), 0);
    const std::string text = LogText();
    EXPECT_EQ(CountOf(text, "VekFrame Closed.\r\n"), 1) << text;
    EXPECT_EQ(std::count(log.begin(), log.end(), "ShutDown"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "~engine"), 1);
    EXPECT_EQ(CountOf(text, "Not shown, the session ends: "), 1) << text;
    EXPECT_NE(text.find("A tag could not be closed."), std::string::npos) << text;
    EXPECT_EQ(CountOf(text, "the session ends; VekFrame closes without asking."), userCloses ? 0 : 1) << text;
    EXPECT_EQ(boxes.Count(), userCloses ? 1u : 0u) << "only the close question the user answered";
    ResetSessionEndForTest();
    app.reset();
  }
}

// ---- The real program -------------------------------------------------------------------

// Waits for the child at most ms; its wait status, or -1 when it still
// runs. every_ms: a SIGTERM is sent each time that long passes (0: none).
int WaitForChild(pid_t pid, int ms, int every_ms = 0) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) == pid) return status;
    if (std::chrono::steady_clock::now() >= deadline) return -1;
    if (every_ms > 0) ::kill(pid, SIGTERM);
    std::this_thread::sleep_for(std::chrono::milliseconds(every_ms > 0 ? every_ms : 20));
  }
}

// The settings a section of an INI text holds ("Key=Value" lines).
std::string SectionOf(const std::string& ini, const std::string& section) {
  const size_t start = ini.find("[" + section + "]");
  if (start == std::string::npos) return {};
  const size_t end = ini.find("\n[", start + 1);
  return ini.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// How the system ends the real program's session.
struct ProgramCase {
  const char* name;
  int signal;
  const char* reason;
  Output output;
  int secondSigtermMs;   // a second SIGTERM this long after the first; 0: none
  bool sigtermsToTheEnd;  // a SIGTERM every millisecond until it has ended
};

void PrintTo(const ProgramCase& c, std::ostream* os) { *os << c.name; }

class ProgramSessionEnd : public ::testing::TestWithParam<ProgramCase> {};

// A signal, as the system sends it at shutdown, to the real program on a
// copy of the shipped data: it ends with 0 within seconds, the settings it
// writes at its end are in the file, the database is closed (no -wal or
// -shm beside it), and the log's last line says "VekFrame Closed.". Also
// when its stderr has no reader any more or was closed at its start, and
// when more signals follow, up to the last moment of the process.
TEST_P(ProgramSessionEnd, ASignalEndsTheProgramAsTheUserWouldWithExitCodeZero) {
  const ProgramCase& c = GetParam();
  testing_support::TempDir folder, runtime, home;
  ::chmod(runtime.Path().c_str(), 0700);
  // The belt's actuator type is set by the program; its key is written
  // only at the end (the shipped file lacks it).
  const std::string shipped = testing_support::SourceTopFolder(__FILE__) + "/data/VTLN-Setting.ini";
  std::string shippedText;
  ASSERT_TRUE(ReadWholeFile(shipped, &shippedText)) << shipped;
  ASSERT_EQ(SectionOf(shippedText, "Belt.MeasuringBelt").find("ActuatorControlType.Data"), std::string::npos);

  const std::vector<std::string> env =
      EnvironmentWith({"XDG_RUNTIME_DIR=" + runtime.Path(), "HOME=" + home.Path()});
  int output[2] = {-1, -1};
  if (c.output == Output::kGone) {
    ASSERT_EQ(::pipe2(output, O_CLOEXEC), 0);
  }
  const pid_t pid = StartProgramIn(folder, env, c.output, output[1]);
  if (output[1] >= 0) ::close(output[1]);
  ASSERT_GT(pid, 0);

  // Running: the Demo source started and the database is open.
  const std::string database = folder.File("VTLN-DataBase.mdb");
  bool running = false;
  for (int i = 0; i < 1500 && !running; ++i) {
    running = folder.Read("VTLN-Log.log").find("Data source: None -> Demo") != std::string::npos &&
              std::filesystem::exists(database + "-wal");
    if (!running) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (!running) {
    ::kill(pid, SIGKILL);
    WaitForChild(pid, 5000);
    if (output[0] >= 0) ::close(output[0]);
    FAIL() << "the program did not start:\n" << folder.Read("VTLN-Log.log");
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // its loop runs
  if (c.output == Output::kClosed) {
    // Its closed streams are /dev/null, not a file or socket of its own
    // that took their numbers and would receive what it says on stderr.
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
      std::error_code linkError;
      const auto path = "/proc/" + std::to_string(pid) + "/fd/" + std::to_string(fd);
      EXPECT_EQ(std::filesystem::read_symlink(path, linkError).string(), "/dev/null") << fd;
    }
  }

  if (output[0] >= 0) ::close(output[0]);  // nothing reads its output any more
  ASSERT_EQ(::kill(pid, c.signal), 0);
  if (c.secondSigtermMs > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(c.secondSigtermMs));
    ::kill(pid, SIGTERM);
  }
  int status = WaitForChild(pid, 10000, c.sigtermsToTheEnd ? 1 : 0);
  if (status == -1) {
    ::kill(pid, SIGKILL);
    status = WaitForChild(pid, 5000);
    ADD_FAILURE() << "the program still ran 10 s after the signal";
  }
  ASSERT_TRUE(WIFEXITED(status)) << (WIFSIGNALED(status) ? "ended by signal " + std::to_string(WTERMSIG(status)) : "");
  EXPECT_EQ(WEXITSTATUS(status), 0);

  const std::string text = folder.Read("VTLN-Log.log");
  const size_t start = text.rfind(" is starting.");
  ASSERT_NE(start, std::string::npos) << text;
  const std::string session = text.substr(start);
  EXPECT_NE(session.find(std::string(c.reason) + ": the session ends; VekFrame closes without asking."),
            std::string::npos)
      << session;
  EXPECT_EQ(CountOf(session, "VekFrame Closed.\r\n"), 1) << session;
  EXPECT_TRUE(session.ends_with("VekFrame Closed.\r\n")) << "the last line of the session: " << session;
  EXPECT_EQ(CountOf(session, "forced to exit"), 0) << session;
  EXPECT_NE(SectionOf(folder.Read("VTLN-Setting.ini"), "Belt.MeasuringBelt").find("ActuatorControlType.Data=3"),
            std::string::npos)
      << "the settings written at the end";
  EXPECT_FALSE(std::filesystem::exists(database + "-wal"));
  EXPECT_FALSE(std::filesystem::exists(database + "-shm"));
}

INSTANTIATE_TEST_SUITE_P(
    Signals, ProgramSessionEnd,
    ::testing::Values(ProgramCase{"Sigterm", SIGTERM, "SIGTERM", Output::kUsual, 0, false},
                      ProgramCase{"SighupWithItsOutputGone", SIGHUP, "SIGHUP", Output::kGone, 0, false},
                      ProgramCase{"SigtermWithItsOutputClosed", SIGTERM, "SIGTERM", Output::kClosed, 0, false},
                      ProgramCase{"TwoSigterms200msApart", SIGTERM, "SIGTERM", Output::kUsual, 200, false},
                      ProgramCase{"SigtermsUntilItHasEnded", SIGTERM, "SIGTERM", Output::kUsual, 0, true}),
    [](const ::testing::TestParamInfo<ProgramCase>& info) { return std::string(info.param.name); });

}  // namespace
