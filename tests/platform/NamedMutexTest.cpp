// Where the single-instance lock lives: only in a folder that this user
// alone can write, so no other user can hold it and block the start.
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

std::string OwnFolderIn(const TempDir& tmp) { return tmp.Path() + "vekframe-" + std::to_string(::geteuid()); }

std::string LockName() { return "VekFrame lock-" + std::to_string(::getpid()); }
std::string LockFile() { return "vekframe-VekFrame_lock_" + std::to_string(::getpid()) + ".lock"; }

// Another process holds a lock file (mode 0666) in a folder open to all,
// where an older version kept the lock, until the object ends.
class OtherProcessLock {
 public:
  explicit OtherProcessLock(const std::string& path) {
    int ready[2], stop[2];
    if (::pipe(ready) != 0 || ::pipe(stop) != 0) return;
    m_pid = ::fork();
    if (m_pid == 0) {
      ::close(stop[1]);  // so the read below ends when the parent closes its end
      ::close(ready[0]);
      const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0666);
      char c = fd >= 0 && ::fchmod(fd, 0666) == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
      [[maybe_unused]] ssize_t n = ::write(ready[1], &c, 1);
      n = ::read(stop[0], &c, 1);  // until the parent closes its end
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(stop[0]);
    m_stop = stop[1];
    char c = 'n';
    m_held = ::read(ready[0], &c, 1) == 1 && c == 'y';
    ::close(ready[0]);
  }
  ~OtherProcessLock() {
    if (m_stop >= 0) ::close(m_stop);
    if (m_pid > 0) ::waitpid(m_pid, nullptr, 0);
  }
  bool Held() const { return m_held; }

 private:
  pid_t m_pid = -1;
  int m_stop = -1;
  bool m_held = false;
};

TEST(NamedMutexPlace, ALockHeldByAnotherProcessInASharedFolderDoesNotStopTheStart) {
  TempDir tmp;
  EnvScope runtime("XDG_RUNTIME_DIR", std::nullopt);
  EnvScope tmpdir("TMPDIR", tmp.Path());
  // Where the lock once was for everyone: /tmp itself.
  const std::string shared = "/tmp/" + LockFile();
  OtherProcessLock other(shared);
  ASSERT_TRUE(other.Held());
  struct Cleanup {
    std::string path;
    ~Cleanup() { std::remove(path.c_str()); }
  } cleanup{shared};

  CNamedMutex first(LockName());
  EXPECT_FALSE(first.AlreadyExisted()) << "the shared folder's lock is not ours";
  EXPECT_EQ(first.GetLockPath(), OwnFolderIn(tmp) + "/" + LockFile());
  EXPECT_EQ(Mode(first.GetLockPath()), 0600u);
  EXPECT_EQ(Mode(OwnFolderIn(tmp)), 0700u);
  CNamedMutex second(LockName());
  EXPECT_TRUE(second.AlreadyExisted()) << "a second instance of this user is still seen";
}

TEST(NamedMutexPlace, AnOlderWorldWritableLockFileBecomesPrivate) {
  TempDir runtimeDir;
  ::chmod(runtimeDir.Path().c_str(), 0700);
  EnvScope runtime("XDG_RUNTIME_DIR", runtimeDir.Path());
  const std::string path = runtimeDir.File(LockFile());
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0666);
  ASSERT_GE(fd, 0);
  ::fchmod(fd, 0666);
  ::close(fd);
  CNamedMutex lock(LockName());
  EXPECT_EQ(lock.GetLockPath(), path);
  EXPECT_FALSE(lock.AlreadyExisted());
  EXPECT_EQ(Mode(path), 0600u);
}

// Each case prepares the runtime folder and the temporary folder; the lock
// goes to the first fit one, or is not taken, and stderr names what was
// passed over.
TEST(NamedMutexPlace, AFolderOthersCanWriteOrThatIsNotOursIsPassedOver) {
  struct Case {
    const char* what;
    // Prepares the folders: returns the runtime folder (nullopt: unset).
    std::function<std::optional<std::string>(const TempDir& runtime, const TempDir& tmp)> prepare;
    const char* expectedPlace;  // "runtime", "own", "cache", or "" for no lock
    const char* said;           // in stderr, or empty for silence
    // Prepares the cache folder's place: returns XDG_CACHE_HOME (nullopt:
    // unset, and no HOME either); null: a fresh "cache" in the folder.
    std::function<std::optional<std::string>(const TempDir& home)> cache = nullptr;
  };
  const auto chmodded = [](const std::string& folder, mode_t mode) {
    ::chmod(folder.c_str(), mode);
    return folder;
  };
  const auto made = [&](const std::string& folder, mode_t mode) {
    ::mkdir(folder.c_str(), mode);
    return chmodded(folder, mode);
  };
  // No runtime folder, and the temporary folder's own folder unfit (open
  // to all, or a link), so the lock looks further.
  const auto ownFolderOpen = [&](const TempDir&, const TempDir& t) -> std::optional<std::string> {
    made(OwnFolderIn(t), 0777);
    return std::nullopt;
  };
  const auto ownFolderLink = [](const TempDir&, const TempDir& t) -> std::optional<std::string> {
    std::filesystem::create_directory_symlink("/", OwnFolderIn(t));
    return std::nullopt;
  };
  const std::vector<Case> cases = {
      {"a private runtime folder", [&](const TempDir& r, const TempDir&) { return chmodded(r.Path(), 0700); },
       "runtime", ""},
      {"no runtime folder", [](const TempDir&, const TempDir&) { return std::nullopt; }, "own", ""},
      {"a runtime folder open to all", [&](const TempDir& r, const TempDir&) { return chmodded(r.Path(), 01777); },
       "own", "others may write into it"},
      {"a group-writable runtime folder", [&](const TempDir& r, const TempDir&) { return chmodded(r.Path(), 0770); },
       "own", "others may write into it"},
      {"a runtime folder that is a link",
       [&](const TempDir& r, const TempDir&) {
         chmodded(r.Path(), 0700);
         std::filesystem::create_directory_symlink(r.Path(), r.File("link"));
         return r.File("link");
       },
       "own", "it is not a folder"},
      {"a temporary folder made open by someone else", ownFolderOpen, "cache", "others may write into it"},
      {"a temporary folder that is a link to a private one",
       [&](const TempDir& r, const TempDir& t) {
         chmodded(r.Path(), 0700);
         std::filesystem::create_directory_symlink(r.Path(), OwnFolderIn(t));
         return std::nullopt;
       },
       "cache", "it is not a folder"},
      {"an existing private cache folder", ownFolderOpen, "cache", "others may write into it",
       [&](const TempDir& h) { return std::optional<std::string>(made(h.File("cache"), 0700)); }},
      {"a cache folder others may write into", ownFolderOpen, "", "others may write into it",
       [&](const TempDir& h) { return std::optional<std::string>(made(h.File("cache"), 0777)); }},
      {"a cache folder below a folder others may write into", ownFolderLink, "", "others may write into it",
       [&](const TempDir& h) { return std::optional<std::string>(made(h.File("open"), 0777) + "/cache"); }},
      {"a cache folder that is a link", ownFolderLink, "", "it is not a folder",
       [&](const TempDir& h) {
         ::mkdir(h.File("real").c_str(), 0700);
         std::filesystem::create_directory_symlink(h.File("real"), h.File("cache"));
         return std::optional<std::string>(h.File("cache"));
       }},
      {"a cache folder whose path goes through a link", ownFolderLink, "", "it is not a folder",
       [&](const TempDir& h) {
         ::mkdir(h.File("real").c_str(), 0700);
         std::filesystem::create_directory_symlink(h.File("real"), h.File("link"));
         return std::optional<std::string>(h.File("link/cache"));
       }},
      {"neither a cache folder nor a home", ownFolderLink, "", "it is not a folder",
       [](const TempDir&) { return std::optional<std::string>(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir runtimeDir, tmp, home;
    const std::optional<std::string> runtimeFolder = c.prepare(runtimeDir, tmp);
    const std::optional<std::string> cacheFolder = c.cache ? c.cache(home) : home.File("cache");
    EnvScope runtime("XDG_RUNTIME_DIR", runtimeFolder);
    EnvScope tmpdir("TMPDIR", tmp.Path());
    EnvScope cacheHome("XDG_CACHE_HOME", cacheFolder);
    EnvScope userHome("HOME", std::nullopt);
    testing::internal::CaptureStderr();
    CNamedMutex first(LockName());
    CNamedMutex second(LockName());
    const std::string said = testing::internal::GetCapturedStderr();
    const std::string place = c.expectedPlace;
    if (place.empty()) {
      EXPECT_EQ(first.GetLockPath(), "");
      EXPECT_FALSE(second.AlreadyExisted()) << "no lock: the program runs";
      EXPECT_NE(said.find("a second instance is not detected"), std::string::npos) << said;
      EXPECT_NE(first.GetFault().find("a second instance is not detected"), std::string::npos) << first.GetFault();
    } else {
      const std::string folder = place == "runtime" ? runtimeDir.Path()
                                 : place == "own"   ? OwnFolderIn(tmp) + "/"
                                                    : *cacheFolder + "/vekframe/";
      EXPECT_EQ(first.GetLockPath(), folder + LockFile());
      EXPECT_EQ(Mode(first.GetLockPath()), 0600u);
      EXPECT_EQ(Mode(folder.substr(0, folder.size() - 1)), 0700u);
      EXPECT_TRUE(second.AlreadyExisted());
      EXPECT_EQ(first.GetFault(), "");
    }
    if (*c.said)
      EXPECT_NE(said.find(c.said), std::string::npos) << said;
    else
      EXPECT_EQ(said, "");
  }
}

// Without a runtime folder, another user who makes <tmp>/vekframe-<uid>
// first (private to them) cannot switch the check off: the lock goes to
// this user's cache folder, and a second start is still seen.
TEST(NamedMutexPlace, ATemporaryFolderTakenByAnotherUserLeavesTheCheckOn) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a folder away";
  TempDir tmp, home;
  ASSERT_EQ(::mkdir(OwnFolderIn(tmp).c_str(), 0700), 0);
  ASSERT_EQ(::chown(OwnFolderIn(tmp).c_str(), 65534, 65534), 0);
  EnvScope runtime("XDG_RUNTIME_DIR", std::nullopt);
  EnvScope tmpdir("TMPDIR", tmp.Path());
  EnvScope cacheHome("XDG_CACHE_HOME", std::nullopt);
  EnvScope userHome("HOME", home.Path());
  testing::internal::CaptureStderr();
  CNamedMutex first(LockName());
  CNamedMutex second(LockName());
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(first.GetLockPath(), home.Path() + ".cache/vekframe/" + LockFile());
  EXPECT_TRUE(second.AlreadyExisted()) << "the second start is refused";
  EXPECT_NE(said.find("it belongs to another user"), std::string::npos) << said;
  EXPECT_EQ(Mode(home.Path() + ".cache"), 0700u);

  // A cache folder that another user took as well: nowhere is safe, and
  // the lock says why.
  TempDir otherHome;
  ASSERT_EQ(::mkdir(otherHome.File(".cache").c_str(), 0700), 0);
  ASSERT_EQ(::chown(otherHome.File(".cache").c_str(), 65534, 65534), 0);
  EnvScope otherUserHome("HOME", otherHome.Path());
  testing::internal::CaptureStderr();
  CNamedMutex third(LockName() + "-other");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(third.GetLockPath(), "");
  EXPECT_NE(third.GetFault().find(OwnFolderIn(tmp) + ": it belongs to another user"), std::string::npos)
      << third.GetFault();
  EXPECT_NE(third.GetFault().find(otherHome.File(".cache") + ": it belongs to another user"), std::string::npos)
      << third.GetFault();
}

// Root can hand a folder to another user: a runtime folder that is not ours
// is passed over even when nobody else may write into it.
TEST(NamedMutexPlace, ARuntimeFolderOfAnotherUserIsPassedOver) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a folder away";
  TempDir runtimeDir, tmp;
  ::chmod(runtimeDir.Path().c_str(), 0700);
  ASSERT_EQ(::chown(runtimeDir.Path().c_str(), 65534, 65534), 0);
  EnvScope runtime("XDG_RUNTIME_DIR", runtimeDir.Path());
  EnvScope tmpdir("TMPDIR", tmp.Path());
  testing::internal::CaptureStderr();
  CNamedMutex lock(LockName());
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(lock.GetLockPath(), OwnFolderIn(tmp) + "/" + LockFile());
  EXPECT_NE(said.find("it belongs to another user"), std::string::npos) << said;
}

}  // namespace
