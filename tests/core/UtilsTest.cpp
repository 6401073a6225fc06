#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <list>

#include "core/ErrorBox.h"
#include "core/StartupChecks.h"
#include "core/VekUtils.h"
#include "platform/Paths.h"
#include "platform/Wnd.h"
#include "support/Doubles.h"

using testing_support::ClipboardDouble;
using testing_support::ExitCalled;
using testing_support::KeyStateDouble;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

TEST(Utils, ScaleLinear) {
  EXPECT_FLOAT_EQ(ScaleLinear(5, 0, 10, 0, 100), 50);
  EXPECT_FLOAT_EQ(ScaleLinear(20, 0, 10, 0, 100), 200) << "no clamping";
  EXPECT_FLOAT_EQ(ScaleLinear(4, 4, 20, -1, 1), -1);
  EXPECT_FLOAT_EQ(ScaleLinear(12, 4, 20, 100, 0), 50);
  EXPECT_FLOAT_EQ(ScaleLinear(3, 7, 7, 0, 100), -1.0f);
}

TEST(Utils, PrecisionFormatFollowsTheMagnitude) {
  const struct {
    float f;
    const char* format;
  } cases[] = {{0, "%0.2f"},     {9.99f, "%0.2f"},  {-9.99f, "%0.2f"}, {10, "%0.1f"},
               {-99.9f, "%0.1f"}, {100, "%0.0f"},    {-1e30f, "%0.0f"}};
  for (const auto& c : cases) EXPECT_STREQ(GetPrecisionFormat(c.f), c.format) << c.f;
  EXPECT_EQ(FormatFloatByRange(3.14159f, 5), "3.14");
  EXPECT_EQ(FormatFloatByRange(3.14159f, 50), "3.1");
  EXPECT_EQ(FormatFloatByRange(1234.5678f, 500), "1235");
  EXPECT_EQ(FormatFloatByRange(-3.4e38f, 500).size(), 40u);
}

TEST(Utils, TextToIntRemovesDotsAndReadsLeadingDigits) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"42", 42},  {"1.234", 1234}, {" -7", -7},  {"12abc", 12},
               {"abc", 0},  {"", 0},          {"3.", 3},    {"99999999999", INT_MAX}, {"-99999999999", INT_MIN}};
  for (const auto& c : cases) EXPECT_EQ(TextToInt(c.text), c.value) << c.text;
  EXPECT_EQ(IntToText(-12), "-12");
  EXPECT_EQ(DoubleToText(0.5), "0.5");
  EXPECT_EQ(DoubleToText(1e20), "1e+20");
}

TEST(Utils, ExtractKeyedIntConsumesOneTokenAtATime) {
  std::string text = "TrendIndex#3-RecordCount#600-RecordInterval#1";
  int value = 0;
  EXPECT_TRUE(ExtractKeyedInt(text, "TrendIndex#", value));
  EXPECT_EQ(value, 3);
  EXPECT_EQ(text, "RecordCount#600-RecordInterval#1");
  EXPECT_FALSE(ExtractKeyedInt(text, "TrendIndex#", value));
  EXPECT_EQ(value, -1);
  EXPECT_EQ(text, "RecordInterval#1") << "the token is consumed even when the key does not match";
  EXPECT_TRUE(ExtractKeyedInt(text, "RecordInterval#", value));
  EXPECT_EQ(value, 1);
  EXPECT_EQ(text, "");
  EXPECT_FALSE(ExtractKeyedInt(text, "X", value));
  std::string shortToken = "Tr";
  EXPECT_FALSE(ExtractKeyedInt(shortToken, "TrendIndex#", value));
}

TEST(Utils, TextHelpers) {
  std::string text = "a";
  AppendLine(text, "b");
  EXPECT_EQ(text, "a\r\nb");
  EXPECT_EQ(XmlEscape("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&apos;");
  EXPECT_EQ(XmlEscape("Valve.ReturnValve"), "Valve.ReturnValve");
  EXPECT_EQ(RectToText(CRect(1, -2, 30, 40)), "(1,-2,30,40)");
  EXPECT_EQ(TrimText(" \t x y \r\n"), "x y");
  EXPECT_EQ(FormatText("%s=%03d", "n", 7), "n=007");
}

TEST(Utils, ClipboardGetsTheTextWithoutLeadingBlanks) {
  ClipboardDouble clipboard;
  EXPECT_TRUE(CopyTextToClipboard("  \t Pump1.Speed "));
  EXPECT_EQ(clipboard.Text(), "Pump1.Speed ");
}

TEST(Utils, KeyStateHelpers) {
  KeyStateDouble keys;
  EXPECT_FALSE(IsShiftKeyDown());
  keys.Hold(VK_SHIFT);
  EXPECT_TRUE(IsShiftKeyDown());
  EXPECT_FALSE(IsCtrlKeyDown());
  keys.Hold(VK_CONTROL);
  EXPECT_TRUE(IsCtrlKeyDown());
}

TEST(Utils, OwnedObjectsAndWindowsAreDeleted) {
  static int deleted = 0;
  struct Counted {
    ~Counted() { ++deleted; }
  };
  std::vector<Counted*> array{new Counted, new Counted};
  std::list<Counted*> list{new Counted};
  DeleteArrayObjects(array);
  DeleteListObjects(list);
  EXPECT_EQ(deleted, 3);
  EXPECT_TRUE(array.empty());
  EXPECT_TRUE(list.empty());

  CWnd* wnd = new CWnd;
  ASSERT_TRUE(wnd->Create("w", 0, CRect(0, 0, 10, 10), nullptr, 0));
  const HWND handle = wnd->m_hWnd;
  DestroyAndDeleteWnd(wnd);
  EXPECT_EQ(wnd, nullptr);
  EXPECT_FALSE(CWnd::IsWindow(handle));
  CWnd* never = new CWnd;  // no window: only deleted
  DestroyAndDeleteWnd(never);
  EXPECT_EQ(never, nullptr);
  DestroyAndDeleteWnd(never);  // null: nothing
}

TEST(Utils, WindowRectInParent) {
  CWnd parent;
  ASSERT_TRUE(parent.Create("p", 0, CRect(100, 100, 400, 300), nullptr, 0));
  CWnd child;
  ASSERT_TRUE(child.Create("c", WS_CHILD, CRect(10, 20, 60, 50), &parent, 5));
  EXPECT_EQ(GetWindowRectInParent(&child), CRect(10, 20, 60, 50));
  EXPECT_EQ(GetWindowRectInParent(nullptr), CRect());
}

TEST(ErrorBox, TipsBlockAndClipboard) {
  ClipboardDouble clipboard;
  EXPECT_EQ(MakeErrorTips("TagName", "Pump1"),
            "\n\nTips:\n"
            " - The TagName is copied to clipboard.\n"
            " - Press and hold Shift key to ignore subsequent call of this error message types.\n"
            " - Press Cancel button to terminate program.");
  EXPECT_EQ(clipboard.Text(), "Pump1");
}

TEST(ErrorBox, ShowsUnlessShiftAndEndsOnCancelNoOrAbort) {
  MessageBoxDouble boxes;
  EXPECT_EQ(ShowSharedErrorBox("bad", 321), IDOK);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "bad");
  EXPECT_EQ(boxes.Last().flags, MB_OKCANCEL | MB_ICONERROR | MB_SYSTEMMODAL);
  {
    KeyStateDouble keys;
    keys.Hold(VK_SHIFT);
    EXPECT_EQ(ShowSharedErrorBox("bad", 321), IDOK);
    EXPECT_EQ(boxes.Count(), 1u) << "Shift held: nothing shown";
  }
  const struct {
    int answer;
    int code;
  } endings[] = {{IDCANCEL, 321}, {IDNO, 123}, {IDABORT, 5}};
  for (const auto& e : endings) {
    boxes.QueueAnswer(e.answer);
    try {
      ShowSharedErrorBox("bad", e.code, MB_YESNO | MB_ICONERROR);
      FAIL() << "answer " << e.answer << " must end the program";
    } catch (const ExitCalled& exit) {
      EXPECT_EQ(exit.code, e.code);
    }
  }
  boxes.QueueAnswer(IDYES);
  EXPECT_EQ(ShowSharedErrorBox("bad", 321, MB_YESNO), IDYES);
}

TEST(StartupChecks, FileAccessTexts) {
  TempDir dir;
  MessageBoxDouble boxes;
  EXPECT_FALSE(CheckFileAccess("Settings", dir.File("none.ini")));
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "Settings file not found!\n" + dir.File("none.ini"));
  EXPECT_EQ(boxes.Last().flags, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
  dir.Write("ok.ini", "[A]\n");
  EXPECT_TRUE(CheckFileAccess("Settings", dir.File("ok.ini")));
  EXPECT_EQ(boxes.Count(), 1u);
  ::chmod(dir.File("ok.ini").c_str(), 0444);
  EXPECT_FALSE(CheckFileAccess("Settings", dir.File("ok.ini")));
  EXPECT_EQ(boxes.Last().text, "Settings file is Read-Only!\n" + dir.File("ok.ini"));
}

TEST(StartupChecks, AFileThatCannotBeReadIsSaidSoNotBlamedAsReadOnly) {
  // A file the program's user may neither read nor write: the check runs
  // as an ordinary user, since root reads every file.
  TempDir dir;
  dir.Write("s.ini", "[A]\n");
  ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
  ASSERT_EQ(::chmod(dir.File("s.ini").c_str(), 0000), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(77);
    if (::access(dir.Path().c_str(), X_OK) != 0) ::_exit(77);
    MessageBoxDouble boxes;
    const bool refused = !CheckFileAccess("Settings", dir.File("s.ini"));
    const std::string text = boxes.Count() == 1 ? boxes.Last().text : "";
    ::_exit(refused && text.rfind("Settings file is not readable!\n" + dir.File("s.ini") + "\n", 0) == 0 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no ordinary user to test with";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "one box saying the file is not readable";
  MessageBoxDouble boxes;
  ASSERT_EQ(::mkdir(dir.File("folder.ini").c_str(), 0755), 0);
  EXPECT_FALSE(CheckFileAccess("Settings", dir.File("folder.ini")));
  EXPECT_EQ(boxes.Last().text, "Settings file is a folder!\n" + dir.File("folder.ini"));
}

TEST(StartupChecks, SecondInstanceIsRefusedUnlessTheKeysAreHeld) {
  TempDir program(true);  // where the locks live
  MessageBoxDouble boxes;
  EXPECT_TRUE(CheckSingleInstance("VekFrame TEST-A", "VekFrame TEST-A already running!"));
  EXPECT_EQ(boxes.Count(), 0u);

  CNamedMutex other("VekFrame TEST-B");  // another instance holds it
  EXPECT_FALSE(CheckSingleInstance("VekFrame TEST-B", "VekFrame TEST-B already running!"));
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "VekFrame TEST-B already running!");
  EXPECT_EQ(boxes.Last().flags & (MB_ICONHAND | MB_SYSTEMMODAL), MB_ICONHAND | MB_SYSTEMMODAL);

  CNamedMutex third("VekFrame TEST-C");
  {
    KeyStateDouble keys;
    keys.Hold(VK_CONTROL);
    keys.Hold(VK_SHIFT);
    EXPECT_TRUE(CheckSingleInstance("VekFrame TEST-C", "running"));
    EXPECT_EQ(boxes.Last().text, "The second execution of VekFrame is starting!");
  }
  CNamedMutex fourth("VekFrame TEST-D");
  {
    KeyStateDouble keys;
    keys.Hold(VK_RBUTTON);
    EXPECT_TRUE(CheckSingleInstance("VekFrame TEST-D", "running"));
  }
  CNamedMutex fifth("VekFrame TEST-E");
  {
    KeyStateDouble keys;
    keys.Hold(VK_SHIFT);  // Shift alone is not enough
    EXPECT_FALSE(CheckSingleInstance("VekFrame TEST-E", "running"));
  }
}

}  // namespace
