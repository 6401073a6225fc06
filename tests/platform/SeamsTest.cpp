#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <atomic>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/SessionEnd.h"
#include "platform/Thread.h"
#include "platform/Wnd.h"
#include "platform/ui/WinApp.h"
#include "support/Doubles.h"

namespace {

using testing_support::ExitCalled;

TEST(MessageBoxSeam, DoubleAnswersFromItsScriptAndRecords) {
  testing_support::MessageBoxDouble boxes(IDNO);
  boxes.QueueAnswer(IDYES);
  EXPECT_EQ(MessageBox("first", "cap", MB_YESNO | MB_ICONERROR), IDYES);
  EXPECT_EQ(AfxMessageBox("second", MB_YESNO), IDNO);
  ASSERT_EQ(boxes.Count(), 2u);
  EXPECT_EQ(boxes.Shown()[0].text, "first");
  EXPECT_EQ(boxes.Shown()[0].caption, "cap");
  EXPECT_EQ(boxes.Shown()[0].flags, MB_YESNO | MB_ICONERROR);
  EXPECT_EQ(boxes.Last().caption, GetMessageBoxCaption());
}

TEST(MessageBoxSeam, ABoxAskedByAWorkerIsShownOnTheUiThread) {
  testing_support::MessageBoxDouble boxes(IDRETRY);
  std::atomic<bool> onUiThread{false};
  SetMessageBoxHandler([&](const MessageBoxRequest&) {
    onUiThread = IsUiThread();
    return IDRETRY;
  });
  std::atomic<int> answer{0};
  std::thread worker([&] {
    answer = MessageBox("from worker", "c", MB_RETRYCANCEL);
    WakeWaitingUiThread();
  });
  ASSERT_TRUE(WaitProcessingEvents([&] { return answer.load() != 0; }, 10000));
  worker.join();
  EXPECT_EQ(answer, IDRETRY);
  EXPECT_TRUE(onUiThread);
}

// The real box (no double): once it is shown and active, notes the window
// that owns it and answers with the button.
struct RealBoxAnswer {
  QPointer<QWidget> owner;
  Qt::WindowFlags flags;
  bool shown = false;
  void Queue(QMessageBox::StandardButton button) {
    PostToUiThread([this, button] {
      QMessageBox* box = nullptr;
      WaitProcessingEvents([&] {
        box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        return box != nullptr && QApplication::activeWindow() == box;
      }, 5000);
      if (box == nullptr) return;
      shown = true;
      owner = box->parentWidget();
      flags = box->windowFlags();
      box->button(button)->click();
    });
  }
};

// A box belongs to the window it speaks for: the active window, else the
// shown main window, and has no button to minimise it on its own (which
// would leave the program blocked with nothing to see). When it closes it hands the activation back to that
// window, as a dialog does: the program's keys work at once.
TEST(MessageBoxSeam, ARealBoxBelongsToTheActiveWindowAndGivesItTheKeyboardBack) {
  MessageBoxHandler previous = SetMessageBoxHandler(nullptr);
  CWinApp app("Boxes");
  CWnd main, other;
  ASSERT_TRUE(main.Create("Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 700, 500), nullptr, 0));
  ASSERT_TRUE(other.Create("Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(200, 150, 500, 400), nullptr, 0));
  app.m_pMainWnd = &main;
  struct Case {
    const char* name;
    CWnd* active;  // null: none
    CWnd* owner;
  };
  for (const Case& c : {Case{"the active window", &other, &other}, Case{"none active: the main window", nullptr, &main}}) {
    SCOPED_TRACE(c.name);
    if (c.active != nullptr) {
      c.active->SetForegroundWindow();
      ASSERT_TRUE(WaitProcessingEvents([&] { return QApplication::activeWindow() == c.active->GetWidget(); }, 2000));
    } else {
      QApplication::setActiveWindow(nullptr);
    }
    RealBoxAnswer answer;
    answer.Queue(QMessageBox::No);
    EXPECT_EQ(MessageBox("Application will be closed.\r\nAre you sure?", "VekFrame", MB_YESNOCANCEL | MB_DEFBUTTON2),
              IDNO);
    ASSERT_TRUE(answer.shown);
    EXPECT_EQ(answer.owner.data(), c.owner->GetWidget());
    // Its frame has a title and a close box, no button to minimise it.
    EXPECT_TRUE(answer.flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(answer.flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(WaitProcessingEvents([&] { return QApplication::activeWindow() == c.owner->GetWidget(); }, 2000));
  }
  app.m_pMainWnd = nullptr;
  SetMessageBoxHandler(previous);
}

// A session end asked for in a test, forgotten at the end; what it leaves
// unshown is collected.
struct SessionEndScope {
  SessionEndScope() {
    SetSessionEndBoxLog([this](const std::string& line) { logged.push_back(line); });
    RequestSessionEnd("SIGTERM");
  }
  ~SessionEndScope() {
    ResetSessionEndForTest();
    SetSessionEndBoxLog(nullptr);
  }
  std::vector<std::string> logged;
};

// After the session end began no box is shown: each type gets at once the
// answer of its close box, whatever its default button, and its text goes
// to the log.
TEST(MessageBoxSeam, ABoxAskedAfterTheSessionEndBeganGetsItsCloseAnswerUnshown) {
  testing_support::MessageBoxDouble boxes(IDYES);
  const struct {
    const char* type;
    UINT flags;
    int answer;
  } cases[] = {{"Yes/No", MB_YESNO, IDNO},
               {"Yes/No/Cancel", MB_YESNOCANCEL, IDCANCEL},
               {"OK/Cancel", MB_OKCANCEL, IDCANCEL},
               {"Retry/Cancel", MB_RETRYCANCEL, IDCANCEL},
               {"Abort/Retry/Ignore", MB_ABORTRETRYIGNORE, IDIGNORE},
               {"OK", MB_OK, IDOK}};
  {
    SessionEndScope ending;
    ASSERT_TRUE(IsSessionEnding());
    for (const auto& c : cases) {
      SCOPED_TRACE(c.type);
      ending.logged.clear();
      EXPECT_EQ(MessageBox(std::string("Go on?\n") + c.type, "Plant", c.flags | MB_ICONQUESTION | MB_DEFBUTTON1),
                c.answer);
      ASSERT_EQ(ending.logged.size(), 1u);
      EXPECT_EQ(ending.logged[0], std::string("Not shown, the session ends: Plant: Go on? ") + c.type);
    }
    EXPECT_EQ(boxes.Count(), 0u) << boxes.Last().text;
  }
  EXPECT_EQ(MessageBox("Shown again", "Plant", MB_YESNO), IDYES);
  EXPECT_EQ(boxes.Count(), 1u);
}

TEST(KeyStateSeam, HeldKeysHaveTheHighBit) {
  testing_support::KeyStateDouble keys;
  EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
  keys.Hold(VK_SHIFT);
  keys.Hold(VK_RBUTTON);
  EXPECT_NE(GetKeyState(VK_SHIFT) & 0x8000, 0);
  EXPECT_NE(GetAsyncKeyState(VK_RBUTTON) & 0x8000, 0);
  EXPECT_EQ(GetKeyState(VK_CONTROL) & 0x8000, 0);
  keys.Release(VK_SHIFT);
  EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
}

TEST(ClockSeam, MovesOnlyWhenTold) {
  testing_support::ClockDouble clock(5000, DateFromParts(2026, 3, 20));
  EXPECT_EQ(GetTickCount64(), 5000u);
  clock.Advance(1500);
  EXPECT_EQ(GetTickCount64(), 6500u);
  EXPECT_EQ(DateToText(GetCurrentDateTime()), "2026/03/20 00:00:01");
}

TEST(ClockSeam, RealClockNeverGoesBack) {
  std::uint64_t a = GetTickCount64();
  std::uint64_t b = GetTickCount64();
  EXPECT_LE(a, b);
  EXPECT_GT(GetCurrentDateTime(), DateFromParts(2020, 1, 1));
}

TEST(RandomSeam, ClassicSequenceFromSeedOnePerThread) {
  VekSrand(1);
  // The first values of the classic generator seeded with 1.
  EXPECT_EQ(VekRand(), 41);
  EXPECT_EQ(VekRand(), 18467);
  EXPECT_EQ(VekRand(), 6334);
  int other = 0;
  std::thread([&] { other = VekRand(); }).join();
  EXPECT_EQ(other, 41) << "each thread starts its own walk from seed 1";
  for (int i = 0; i < 1000; ++i) {
    int r = VekRand();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, RAND_MAX_VALUE);
  }
}

TEST(ExitSeam, TheCodeIsCaughtUnderTest) {
  testing_support::ExitDouble exits;
  try {
    ExitProgram(321);
    FAIL() << "ExitProgram returned";
  } catch (const ExitCalled& e) {
    EXPECT_EQ(e.code, 321);
  }
  EXPECT_EQ(exits.Codes(), std::vector<int>{321});
}

TEST(ExitSeam, RealExitRunsTheFlushHooksAndEndsWithTheCode) {
  EXPECT_EXIT(
      {
        SetExitHandler(nullptr);
        AddExitFlushHook([] { std::fputs("flushed", stderr); });
        std::thread([] { ExitProgram(123); }).join();
      },
      testing::ExitedWithCode(123), "flushed");
}

// While the session ends an exit the program asks for (from any thread)
// ends nothing: it is logged and the call returns, the session end's own
// exit stands in for it. The forced exit (the exit watchdog's) still ends
// the process.
TEST(ExitSeam, WhileTheSessionEndsOnlyTheForcedExitEndsTheProcess) {
  testing_support::ExitDouble exits;
  {
    SessionEndScope ending;
    EXPECT_NO_THROW(ExitProgram(321));
    bool workerEnded = false;
    std::thread([&] {
      try {
        ExitProgram(123);
      } catch (const ExitCalled&) {
        workerEnded = true;
      }
    }).join();
    EXPECT_FALSE(workerEnded);
    EXPECT_TRUE(WaitProcessingEvents([&] { return ending.logged.size() == 2; }, 5000));
    ASSERT_EQ(ending.logged.size(), 2u);
    EXPECT_EQ(ending.logged[0], "The exit with code 321 asked for is left to the session end, which goes on.");
    EXPECT_EQ(ending.logged[1], "The exit with code 123 asked for is left to the session end, which goes on.");
    EXPECT_TRUE(exits.Codes().empty());
    EXPECT_THROW(ForceExitProgram(321), ExitCalled);
    EXPECT_EQ(exits.Codes(), std::vector<int>{321});
  }
  EXPECT_THROW(ExitProgram(5), ExitCalled) << "the session end forgotten";
}

TEST(QuitSeam, QuitBeforeTheLoopStartsEndsItAtOnce) {
  PostQuitMessage(7);
  EXPECT_EQ(RunMessageLoop(), 7);
  int code = 0;
  EXPECT_FALSE(TakePendingQuit(&code));
}

TEST(QuitSeam, QuitFromInsideTheLoop) {
  PostToUiThread([] { PostQuitMessage(3); });
  EXPECT_EQ(RunMessageLoop(), 3);
}

TEST(ClipboardSeam, DoubleKeepsTheText) {
  testing_support::ClipboardDouble clipboard;
  EXPECT_TRUE(SetClipboardText("TagName"));
  EXPECT_EQ(clipboard.Text(), "TagName");
  EXPECT_EQ(GetClipboardText(), "TagName");
}

TEST(Files, CopyMissingNeverOverwritesAndCopiesOnlyTheNamedFiles) {
  testing_support::TempDir source, target;
  source.Write("a.ini", "shipped");
  source.Write("b.dct", "shipped");
  source.Write("c.mdb", "shipped database");
  source.Write("c.mdb-wal", "log of the shipped database");
  source.Write("c.mdb-shm", "index of that log");
  target.Write("a.ini", "user's own");
  const std::vector<std::string> names = {"a.ini", "b.dct", "c.mdb", "not-shipped.ini"};
  EXPECT_EQ(CopyMissingFiles(source.Path(), target.Path(), names), 2);
  EXPECT_EQ(target.Read("a.ini"), "user's own");
  EXPECT_EQ(target.Read("b.dct"), "shipped");
  EXPECT_EQ(target.Read("c.mdb"), "shipped database");
  for (const std::string stray : {"c.mdb-wal", "c.mdb-shm", "not-shipped.ini"})
    EXPECT_FALSE(std::filesystem::exists(target.File(stray))) << stray;
  for (const auto& entry : std::filesystem::directory_iterator(target.Path()))
    EXPECT_EQ(entry.path().filename().string().find(".vekcopy"), std::string::npos) << "no copy left behind";
  EXPECT_EQ(CopyMissingFiles(source.Path(), target.Path(), names), 0);
  EXPECT_EQ(CopyMissingFiles(source.File("nothing"), target.Path(), names), -1);
  EXPECT_EQ(CopyMissingFiles(source.Path(), target.Path(), {"../a.ini"}), -1) << "names, not paths";
}

// Runs a start's copy of the names in a child process that stops at the
// step, as a start killed or still copying there would be; the child's pid
// once it got there, else -1.
pid_t CopyStoppedAt(CopyStep stop, const std::string& source, const std::string& target,
                    const std::vector<std::string>& names) {
  int fds[2];
  if (::pipe(fds) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    SetCopyStepHookForTest([&](CopyStep step, const std::string&) {
      if (step != stop || ::write(fds[1], "s", 1) != 1) return;
      for (;;) ::pause();
    });
    CopyMissingFiles(source, target, names);
    ::_exit(0);
  }
  ::close(fds[1]);
  char reached = 0;
  const bool there = child > 0 && ::read(fds[0], &reached, 1) == 1;
  ::close(fds[0]);
  if (!there && child > 0) ::waitpid(child, nullptr, 0);
  return there ? child : -1;
}

void Kill(pid_t child) {
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
}

// Two first starts at one moment: each copies under a name of its own, so
// neither removes the other's copy in progress nor links it half-written.
// The copy of a start that has ended (killed while copying, before or
// after its link) is removed, also when the file is in place, whatever
// process now bears the number in its name.
TEST(Files, AnotherStartsCopyInProgressIsNeitherRemovedNorTaken) {
  testing_support::TempDir source, target;
  source.Write("b.dct", "shipped");
  const pid_t copying = CopyStoppedAt(CopyStep::kCopied, source.Path(), target.Path(), {"b.dct"});
  ASSERT_GT(copying, 0);
  const pid_t killedAfterLink = CopyStoppedAt(CopyStep::kLinked, source.Path(), target.Path(), {"b.dct"});
  ASSERT_GT(killedAfterLink, 0);
  Kill(killedAfterLink);
  const std::string others = "b.dct.vekcopy-" + std::to_string(copying);
  const std::string linked = "b.dct.vekcopy-" + std::to_string(killedAfterLink);
  ASSERT_EQ(target.Read(linked), "shipped") << "a second name of the file in place";
  const std::string reused = "b.dct.vekcopy-1";  // process 1 runs as long as the system, but copies nothing
  target.Write(reused, "half of a crashed start");
  target.Write("b.dct.vekcopy", "half");
  target.Write("a.ini.vekcopy-" + std::to_string(killedAfterLink), "another file's");
  EXPECT_EQ(CopyMissingFiles(source.Path(), target.Path(), {"b.dct"}), 0) << "in place already";
  EXPECT_EQ(target.Read("b.dct"), "shipped");
  EXPECT_EQ(target.Read(others), "shipped") << "the running start's copy";
  EXPECT_EQ(target.Read("b.dct.vekcopy"), "half");
  EXPECT_FALSE(std::filesystem::exists(target.File(linked))) << "the killed start's second name of the file";
  EXPECT_FALSE(std::filesystem::exists(target.File(reused))) << "a copy nobody marks, whatever its number";
  EXPECT_TRUE(std::filesystem::exists(target.File("a.ini.vekcopy-" + std::to_string(killedAfterLink))))
      << "not a file copied now";
  Kill(copying);
  EXPECT_EQ(CopyMissingFiles(source.Path(), target.Path(), {"b.dct"}), 0);
  EXPECT_FALSE(std::filesystem::exists(target.File(others))) << "the start killed before its link";
}

TEST(Files, ProgramFolderAndReadOnly) {
  testing_support::TempDir dir(true);
  EXPECT_EQ(GetProgramFolder(), dir.Path());
  dir.Write("x", "1");
  EXPECT_TRUE(FileExists(dir.File("x")));
  EXPECT_FALSE(FileExists(dir.File("y")));
  EXPECT_FALSE(IsFileReadOnly(dir.File("x")));
  EXPECT_FALSE(IsFileReadOnly(dir.File("y")));
  std::filesystem::permissions(dir.File("x"), std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::group_read |
                                                  std::filesystem::perms::others_read);
  EXPECT_TRUE(IsFileReadOnly(dir.File("x"))) << "no write bits means read-only, even for root";
}

TEST(ProfileStore, ValuesRoundTripAndDefaults) {
  testing_support::TempDir dir;
  SetProfileFilePath(dir.File("profile.ini"));
  EXPECT_EQ(GetProfileInt("RoveDazuviVerov", "TopVisibleRow", -5), -5);
  EXPECT_TRUE(WriteProfileInt("RoveDazuviVerov", "TopVisibleRow", 42));
  EXPECT_TRUE(WriteProfileString("Settings", "Place", "1,2,3,4"));
  EXPECT_EQ(GetProfileInt("RoveDazuviVerov", "TopVisibleRow", 0), 42);
  EXPECT_EQ(GetProfileString("Settings", "Place"), "1,2,3,4");
  EXPECT_EQ(GetProfileString("Settings", "Missing", "dflt"), "dflt");
  SetProfileFilePath("");
}

TEST(NamedMutex, SecondHolderSeesItAndARestartFindsItFree) {
  testing_support::TempDir program(true);
  const std::string name = "VekFrame test-" + std::to_string(::getpid());
  {
    CNamedMutex first(name);
    EXPECT_FALSE(first.AlreadyExisted());
    CNamedMutex second(name);
    EXPECT_TRUE(second.AlreadyExisted());
  }
  CNamedMutex again(name);
  EXPECT_FALSE(again.AlreadyExisted()) << "a released lock is free again";
  // A process that dies holding the lock leaves it free.
  EXPECT_EXIT(
      {
        CNamedMutex held(name + "-crash");
        std::_Exit(9);
      },
      testing::ExitedWithCode(9), "");
  CNamedMutex after(name + "-crash");
  EXPECT_FALSE(after.AlreadyExisted());
}

}  // namespace

namespace {

TEST(PlatformMain, NumbersAreFormattedWithADecimalPoint) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.1f", 1.5);
  EXPECT_STREQ(buf, "1.5");
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

}  // namespace
