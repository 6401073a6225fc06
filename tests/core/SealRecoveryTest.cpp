// A first start whose sealing of the user file is interrupted (a crash, a
// kill, a power cut) after any of its steps: the next start completes or
// redoes it and Admin logs in, without trusting a copy the key on disk did
// not seal.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <thread>

#include "core/AccessLog.h"
#include "core/AtomicFile.h"
#include "core/CoreTestSupport.h"
#include "core/UserFile.h"
#include "core/VekAccessControl.h"
#include "core/VekEncryption.h"
#include "core/VekEngineBase.h"
#include "platform/Paths.h"
#include "support/Doubles.h"

using core_test::FilesLeft;
using core_test::UnsealedAdmin;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;
using SealStep = CVekAccessControl::SealStep;

namespace {

struct Crash {};

// Admin, sealed with the key as the given generation.
std::string SealedAdmin(const CVekEncryption::Key& key, unsigned long long generation) {
  const std::string hash = CVekEncryption::HashPassword("VekAdmin");
  const std::string groups = CVekEncryption::ScrambleGroups(key, "Admin", hash, CVekAccessUser::eGroupVekAdmin);
  return MakeSealedUserFileText({{"", "Admin", hash, groups}}, generation, key);
}

bool HasTempFiles(const TempDir& dir) {
  return !ListTempFilesOf(dir.File("VTLN-VXC.sys")).empty() || !ListTempFilesOf(dir.File("VTLN-VXC.key")).empty();
}

// The user file's seal verifies with the key file beside it; its generation.
unsigned long long VerifiedGeneration(const TempDir& dir) {
  CVekEncryption::Key key{};
  unsigned long long generation = 0;
  if (!CVekEncryption::ReadKeyFile(dir.File("VTLN-VXC.key"), &key, nullptr)) return 0;
  const UserFileContent file = ParseUserFileText(dir.Read("VTLN-VXC.sys"));
  return file.bHasSeal && CheckUserFileSeal(file, key, &generation) ? generation : 0;
}

void ExpectAdminLogsIn(const CVekAccessControl& access) {
  CVekAccessUser* admin = access.Authenticate("Admin", "VekAdmin");
  ASSERT_NE(admin, nullptr) << access.GetLoadError();
  EXPECT_TRUE(admin->IsVekAdmin());
}

// ---- A failure injected after each step ---------------------------------------

struct Interruption {
  const char* name;
  SealStep step;
  bool bFromDefault;  // the shipped default is installed (else an unsealed file is in place)
};

void PrintTo(const Interruption& c, std::ostream* os) { *os << c.name; }

class InterruptedSeal : public ::testing::TestWithParam<Interruption> {
 protected:
  void SetUp() override {
    CVekEncryption::SetFastHashingForTest(true);
    shipped.Write("VTLN-VXC.sys", UnsealedAdmin());
    if (!GetParam().bFromDefault) dir.Write("VTLN-VXC.sys", shipped.Read("VTLN-VXC.sys"));
    SetAccessLogFile(dir.File("VTLN-Log.log"));
  }
  void TearDown() override {
    CVekAccessControl::SetSealStepHookForTest(nullptr);
    SetAccessLogFile("");
    CVekEncryption::SetFastHashingForTest(false);
  }
  // A start as the engine makes it.
  bool Start(CVekAccessControl& access) {
    const std::string path = dir.File("VTLN-VXC.sys");
    CVekAccessControl::CompleteInterruptedSeal(path);
    if (!FileExists(path) && !FileExists(dir.File("VTLN-VXC.key")))
      return access.InstallDefaultUserFile(shipped.File("VTLN-VXC.sys"), path, true);
    return access.LoadUserFile(path);
  }

  TempDir shipped, dir;
};

TEST_P(InterruptedSeal, TheNextStartSealsTheFileAndLeavesNoTemporaryFile) {
  const Interruption& c = GetParam();
  CVekAccessControl::SetSealStepHookForTest([&](SealStep step) {
    if (step == c.step) throw Crash();
  });
  {
    CVekAccessControl first;
    EXPECT_THROW(Start(first), Crash);
  }
  CVekAccessControl::SetSealStepHookForTest(nullptr);
  const bool keyInPlace = c.step == SealStep::kKeyLinked || c.step == SealStep::kUserFileReplaced;
  ASSERT_EQ(FileExists(dir.File("VTLN-VXC.key")), keyInPlace) << "the interruption came after the step";
  ASSERT_TRUE(HasTempFiles(dir)) << "the interruption left temporary files";

  MessageBoxDouble boxes;
  CVekAccessControl next;
  EXPECT_TRUE(Start(next)) << next.GetLoadError();
  EXPECT_EQ(boxes.Count(), 0u) << boxes.Last().text;
  ExpectAdminLogsIn(next);
  EXPECT_EQ(FilesLeft(dir.Path()), (std::vector<std::string>{"VTLN-VXC.key", "VTLN-VXC.sys"}));
  EXPECT_EQ(VerifiedGeneration(dir), 1u);
  const std::string log = dir.Read("VTLN-Log.log");
  const std::string expected =
      c.step == SealStep::kKeyLinked ? "The interrupted sealing of the user file was completed: " + dir.File("VTLN-VXC.sys")
      : c.step == SealStep::kUserFileReplaced ? "A second name of the key file, left by an interrupted sealing, was removed"
                                               : "User file sealed with a new key file";
  EXPECT_NE(log.find(expected), std::string::npos) << log;

  CVekAccessControl third;
  EXPECT_TRUE(third.LoadUserFile(dir.File("VTLN-VXC.sys"), true)) << third.GetLoadError();
  ExpectAdminLogsIn(third);
}

std::vector<Interruption> Interruptions() {
  return {
      {"AfterTheKeyWasWritten_Default", SealStep::kKeyTempWritten, true},
      {"AfterTheKeyWasWritten_InPlace", SealStep::kKeyTempWritten, false},
      {"AfterTheSealedCopyWasWritten_Default", SealStep::kUserTempWritten, true},
      {"AfterTheSealedCopyWasWritten_InPlace", SealStep::kUserTempWritten, false},
      {"AfterTheKeyWasLinked_Default", SealStep::kKeyLinked, true},
      {"AfterTheKeyWasLinked_InPlace", SealStep::kKeyLinked, false},
      {"AfterTheUserFileWasReplaced_Default", SealStep::kUserFileReplaced, true},
      {"AfterTheUserFileWasReplaced_InPlace", SealStep::kUserFileReplaced, false},
  };
}

INSTANTIATE_TEST_SUITE_P(Steps, InterruptedSeal, ::testing::ValuesIn(Interruptions()),
                         [](const ::testing::TestParamInfo<Interruption>& info) {
                           return std::string(info.param.name);
                         });

// ---- What a temporary copy must prove -------------------------------------------

// An unsealed user file beside the key file: someone put the shipped
// default in place of the sealed file. A temporary copy is taken only when
// the key on disk sealed it at a first sealing; else the file stays
// refused and untouched.
TEST(InterruptedSealCopies, ACopyTheKeyOnDiskDidNotSealAtAFirstSealingIsNotTrusted) {
  CVekEncryption::SetFastHashingForTest(true);
  TempDir dir, elsewhere;
  const std::string path = dir.File("VTLN-VXC.sys");
  CVekEncryption::Key key{}, olderKey{};
  ASSERT_TRUE(CVekEncryption::CreateKeyFile(dir.File("VTLN-VXC.key"), &key, nullptr));
  ASSERT_TRUE(CVekEncryption::MakeKey(&olderKey));
  const std::string replaced = UnsealedAdmin();
  dir.Write("VTLN-VXC.sys", replaced);
  elsewhere.Write("sealed.sys", SealedAdmin(key, 1));
  const struct {
    const char* what;
    std::function<void()> make;
  } copies[] = {
      {"sealed with an older key", [&] { dir.Write("VTLN-VXC.sys.vektmp-Older1", SealedAdmin(olderKey, 1)); }},
      {"a later save's copy", [&] { dir.Write("VTLN-VXC.sys.vektmp-Later2", SealedAdmin(key, 2)); }},
      {"a link to a sealed file",
       [&] { ASSERT_EQ(::symlink(elsewhere.File("sealed.sys").c_str(), (path + ".vektmp-Link03").c_str()), 0); }},
      {"no user file", [&] { dir.Write("VTLN-VXC.sys.vektmp-Junk04", "hello\n"); }},
  };
  for (const auto& copy : copies) {
    copy.make();
    MessageBoxDouble boxes;
    CVekAccessControl access;
    EXPECT_FALSE(CVekAccessControl::CompleteInterruptedSeal(path)) << copy.what;
    EXPECT_FALSE(access.LoadUserFile(path)) << copy.what;
    EXPECT_TRUE(access.GetUsers().empty()) << copy.what;
    ASSERT_EQ(boxes.Count(), 1u) << copy.what;
    EXPECT_EQ(boxes.Last().text.rfind("User file is not sealed, but its key file exists:\n" + path, 0), 0u)
        << copy.what << ": " << boxes.Last().text;
    EXPECT_EQ(dir.Read("VTLN-VXC.sys"), replaced) << copy.what;
  }

  // Nor do they stand in for a user file that is missing.
  std::filesystem::remove(path);
  {
    MessageBoxDouble boxes;
    CVekAccessControl access;
    EXPECT_FALSE(access.LoadUserFile(path));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text.rfind("User file not found or not readable!\n" + path, 0), 0u) << boxes.Last().text;
    EXPECT_FALSE(FileExists(path));
  }

  // The copy an interrupted first sealing left is taken among them (the
  // user file missing, as a sealing of the shipped default leaves it), and
  // the stale copies go.
  dir.Write("VTLN-VXC.sys.vektmp-First5", SealedAdmin(key, 1));
  MessageBoxDouble boxes;
  CVekAccessControl access;
  EXPECT_TRUE(access.LoadUserFile(path)) << access.GetLoadError();
  EXPECT_EQ(boxes.Count(), 0u) << boxes.Last().text;
  ExpectAdminLogsIn(access);
  EXPECT_EQ(access.GetGeneration(), 1u);
  EXPECT_EQ(FilesLeft(dir.Path()), (std::vector<std::string>{"VTLN-VXC.key", "VTLN-VXC.sys"}));
  CVekEncryption::SetFastHashingForTest(false);
}

// ---- A real process killed between the link and the rename ---------------------

// Runs a first start in a child process that stops after the key file is
// linked and before the sealed file is renamed, and kills it there
// (SIGKILL: no clean-up of any kind). False when the child never got there.
bool KillFirstStartBetweenLinkAndRename(const std::function<void()>& firstStart) {
  int fds[2];
  if (::pipe(fds) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    ::close(fds[0]);
    CVekAccessControl::SetSealStepHookForTest([&](SealStep step) {
      if (step != SealStep::kKeyLinked) return;
      const char reached = 'L';
      if (::write(fds[1], &reached, 1) != 1) ::_exit(2);
      for (;;) ::pause();
    });
    firstStart();
    ::_exit(3);  // the step was never reached
  }
  ::close(fds[1]);
  char reached = 0;
  const ssize_t n = ::read(fds[0], &reached, 1);  // 0 when the child ended first
  ::close(fds[0]);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  return n == 1 && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST(KilledFirstStart, AnUnsealedFileInPlaceIsSealedByTheNextLoad) {
  CVekEncryption::SetFastHashingForTest(true);
  TempDir dir;
  const std::string path = dir.File("VTLN-VXC.sys");
  const std::string unsealed = UnsealedAdmin();
  dir.Write("VTLN-VXC.sys", unsealed);
  ASSERT_TRUE(KillFirstStartBetweenLinkAndRename([&] {
    CVekAccessControl access;
    access.LoadUserFile(path, true);
  }));
  ASSERT_TRUE(FileExists(dir.File("VTLN-VXC.key"))) << "killed after the link";
  ASSERT_EQ(dir.Read("VTLN-VXC.sys"), unsealed) << "killed before the rename";

  MessageBoxDouble boxes;
  CVekAccessControl next;
  EXPECT_TRUE(next.LoadUserFile(path)) << next.GetLoadError();
  EXPECT_EQ(boxes.Count(), 0u) << boxes.Last().text;
  ExpectAdminLogsIn(next);
  EXPECT_EQ(VerifiedGeneration(dir), 1u);
  EXPECT_EQ(FilesLeft(dir.Path()), (std::vector<std::string>{"VTLN-VXC.key", "VTLN-VXC.sys"}));
  CVekEncryption::SetFastHashingForTest(false);
}

class SealTestEngine : public CVekEngineBase {
 public:
  explicit SealTestEngine(const std::string& strDefaultUserFile) {
    SetFileNames("VTLN");
    SetDefaultUserFile(strDefaultUserFile);
    SetExitNoticeTimes(0, 0);
  }
};

// The first start from the shipped default, killed with the key in place
// and no user file yet: the engine's next start completes it, with no box.
TEST(KilledFirstStart, TheEnginesNextStartCompletesTheDefaultsSealing) {
  CVekEncryption::SetFastHashingForTest(true);
  TempDir shipped, dir{true};
  shipped.Write("VTLN-VXC.sys", UnsealedAdmin());
  dir.Write("VTLN-DCTags.dct", "1, In1, ADV, 0:AI:0, INPUT, Float, 0, 1,\n");
  dir.Write("VTLN-Setting.ini", "[Application]\r\nCoreControlType=PC-Base\r\n");
  const std::string path = dir.File("VTLN-VXC.sys");
  ASSERT_TRUE(KillFirstStartBetweenLinkAndRename([&] {
    CVekAccessControl access;
    access.InstallDefaultUserFile(shipped.File("VTLN-VXC.sys"), path, true);
  }));
  ASSERT_TRUE(FileExists(dir.File("VTLN-VXC.key")));
  ASSERT_FALSE(FileExists(path));

  MessageBoxDouble boxes;
  EXPECT_TRUE(CVekEngineBase::SetEngine(new SealTestEngine(shipped.File("VTLN-VXC.sys"))));
  EXPECT_EQ(boxes.Count(), 0u) << boxes.Last().text;
  ASSERT_NE(CVekEngineBase::GetEngineAccessControl(), nullptr);
  ExpectAdminLogsIn(*CVekEngineBase::GetEngineAccessControl());
  EXPECT_EQ(VerifiedGeneration(dir), 1u);
  EXPECT_FALSE(HasTempFiles(dir));
  CVekEngineBase::SetEngine(nullptr);
  SetAccessLogFile("");
  CVekEncryption::SetFastHashingForTest(false);
}

// ---- Two starts at once -----------------------------------------------------------

// A start that finds the key beside the unsealed file while another start
// is between the link and the rename waits for that one's lock and loads
// the sealed file, instead of refusing the file as replaced.
TEST(InterruptedSealCopies, AStartDuringAnotherOnesSealingLoadsTheSealedFile) {
  CVekEncryption::SetFastHashingForTest(true);
  TempDir dir;
  const std::string path = dir.File("VTLN-VXC.sys");
  dir.Write("VTLN-VXC.sys", UnsealedAdmin());
  std::promise<void> linked;
  CVekAccessControl::SetSealStepHookForTest([&](SealStep step) {
    if (step != SealStep::kKeyLinked) return;
    linked.set_value();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the second start meets this state
  });
  std::thread first([&] {
    CVekAccessControl access;
    EXPECT_TRUE(access.LoadUserFile(path, true)) << access.GetLoadError();
  });
  linked.get_future().wait();
  MessageBoxDouble boxes;
  CVekAccessControl second;
  EXPECT_TRUE(second.LoadUserFile(path)) << second.GetLoadError();
  first.join();
  CVekAccessControl::SetSealStepHookForTest(nullptr);
  EXPECT_EQ(boxes.Count(), 0u) << boxes.Last().text;
  ExpectAdminLogsIn(second);
  EXPECT_EQ(second.GetGeneration(), 1u);
  CVekEncryption::SetFastHashingForTest(false);
}

}  // namespace
