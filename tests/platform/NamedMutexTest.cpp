// Where the single-instance lock lives: in the program folder, whatever the
// environment of the start, so every start of one installation meets it;
// and only those who may write the data can hold it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/Paths.h"
#include "support/Doubles.h"
#include "support/EnvScope.h"

namespace {

using testing_support::EnvScope;
using testing_support::TempDir;

unsigned Mode(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0xFFFFu;
}

std::string LockName() { return "VekFrame lock-" + std::to_string(::getpid()); }
std::string LockFile() { return "vekframe-VekFrame_lock_" + std::to_string(::getpid()) + ".lock"; }

TEST(NamedMutexPlace, ALockHeldByAnotherProcessInASharedFolderDoesNotStopTheStart) {
  TempDir program(true), tmp;
  EnvScope runtime("XDG_RUNTIME_DIR", std::nullopt);
  EnvScope tmpdir("TMPDIR", tmp.Path());
  // Where the lock once was for everyone: /tmp itself.
  const std::string shared = "/tmp/" + LockFile();
  testing_support::OtherProcessFileLock other(shared);
  ASSERT_TRUE(other.Held());
  struct Cleanup {
    std::string path;
    ~Cleanup() { std::remove(path.c_str()); }
  } cleanup{shared};

  CNamedMutex first(LockName());
  EXPECT_FALSE(first.AlreadyExisted()) << "the shared folder's lock is not ours";
  EXPECT_EQ(first.GetLockPath(), program.File(LockFile()));
  EXPECT_EQ(Mode(first.GetLockPath()), 0600u);
  CNamedMutex second(LockName());
  EXPECT_TRUE(second.AlreadyExisted()) << "a second instance of this user is still seen";
}

// Only those who may write into the program folder may open the lock file:
// anyone who could read it could hold a read lock and keep every start out.
TEST(NamedMutexPlace, TheLockFileIsOpenToThoseWhoMayWriteTheFolderOnly) {
  const struct {
    mode_t folder;
    int existing;  // the mode of a lock file left there, or -1
    unsigned expected;
  } cases[] = {{0755, -1, 0600u}, {0775, -1, 0660u}, {0777, -1, 0666u}, {0755, 0666, 0600u}, {0775, 0644, 0660u}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    TempDir program(true);
    ::chmod(program.Path().c_str(), c.folder);
    const std::string path = program.File(LockFile());
    if (c.existing >= 0) {
      program.Write(LockFile(), "");
      ::chmod(path.c_str(), static_cast<mode_t>(c.existing));
    }
    CNamedMutex lock(LockName());
    EXPECT_EQ(lock.GetLockPath(), path);
    EXPECT_FALSE(lock.AlreadyExisted());
    EXPECT_EQ(Mode(path), c.expected);
  }
}

// The environment of a start (its runtime, temporary, cache and home
// folders) has no part in the check: a start in one environment holds the
// lock, a start of the same program folder in another one meets it, and
// neither says anything on stderr.
TEST(NamedMutexPlace, TheLockFollowsTheProgramFolderWhateverTheEnvironment) {
  struct Environment {
    std::optional<std::string> runtime, tmp, home, cache;
  };
  const struct {
    const char* what;
    std::function<Environment(const TempDir& a, const TempDir& b)> first, second;
  } cases[] = {
      {"with and without a runtime folder",
       [](const TempDir& a, const TempDir&) { return Environment{a.Path(), a.Path(), a.Path(), std::nullopt}; },
       [](const TempDir& a, const TempDir&) { return Environment{std::nullopt, a.Path(), a.Path(), std::nullopt}; }},
      {"another home and temporary folder",
       [](const TempDir& a, const TempDir&) { return Environment{std::nullopt, a.Path(), a.Path(), std::nullopt}; },
       [](const TempDir&, const TempDir& b) { return Environment{std::nullopt, b.Path(), b.Path(), b.File("c")}; }},
      {"a runtime folder open to all, or on a read-only mount",
       [](const TempDir& a, const TempDir&) {
         ::chmod(a.Path().c_str(), 01777);
         return Environment{a.Path(), a.Path(), std::nullopt, std::nullopt};
       },
       [](const TempDir&, const TempDir&) { return Environment{"/proc", "/proc", "/proc", "/proc"}; }},
      {"no folder of any kind",
       [](const TempDir&, const TempDir&) { return Environment{}; },
       [](const TempDir& a, const TempDir&) { return Environment{a.Path(), std::nullopt, std::nullopt, std::nullopt}; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir program(true), a, b;
    const auto in = [&](const Environment& e, auto make) {
      EnvScope runtime("XDG_RUNTIME_DIR", e.runtime);
      EnvScope tmpdir("TMPDIR", e.tmp);
      EnvScope home("HOME", e.home);
      EnvScope cache("XDG_CACHE_HOME", e.cache);
      return make();
    };
    testing::internal::CaptureStderr();
    auto first = in(c.first(a, b), [] { return std::make_unique<CNamedMutex>(LockName()); });
    auto second = in(c.second(a, b), [] { return std::make_unique<CNamedMutex>(LockName()); });
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(first->GetLockPath(), program.File(LockFile()));
    EXPECT_FALSE(first->AlreadyExisted());
    EXPECT_TRUE(second->AlreadyExisted()) << "the second start is refused";
  }
}

// Another local user, who may read the program folder but not write into
// it, can neither hold the lock (the file does not open for them) nor put
// anything in its place, so cannot keep the program from starting or
// switch the check off.
TEST(NamedMutexPlace, AnotherUserCanNeitherHoldTheLockNorReplaceIt) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can act as another user";
  TempDir program(true);
  ::chmod(program.Path().c_str(), 0755);
  const std::string path = program.File(LockFile());
  { CNamedMutex made(LockName()); }
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd >= 0) ::_exit(3);  // it could hold a read lock
    if (::unlink(path.c_str()) == 0 || ::mkfifo((path + "x").c_str(), 0666) == 0) ::_exit(4);
    CNamedMutex other(LockName());
    ::_exit(other.AlreadyExisted() || other.GetFault().empty() ? 5 : 0);
  }
  int status = -1;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  CNamedMutex lock(LockName());
  EXPECT_FALSE(lock.AlreadyExisted());
  EXPECT_EQ(lock.GetLockPath(), path);
}

// A runtime folder of another user plays no part either: the lock stays in
// the program folder.
TEST(NamedMutexPlace, ARuntimeFolderOfAnotherUserIsPassedOver) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a folder away";
  TempDir program(true), runtimeDir, tmp;
  ::chmod(runtimeDir.Path().c_str(), 0700);
  ASSERT_EQ(::chown(runtimeDir.Path().c_str(), 65534, 65534), 0);
  EnvScope runtime("XDG_RUNTIME_DIR", runtimeDir.Path());
  EnvScope tmpdir("TMPDIR", tmp.Path());
  testing::internal::CaptureStderr();
  CNamedMutex lock(LockName());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(lock.GetLockPath(), program.File(LockFile()));
}

}  // namespace
