// The lock of a shared file against another process that holds it: a
// write waits a bounded time, says once which lock file (and process)
// holds it back, keeps the change and writes it once the lock is free; a
// write that changes nothing never waits; the lock file is the owner's
// alone.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <memory>
#include <string>

#include "core/AtomicFile.h"
#include "core/IniFile.h"
#include "core/VekAccessControl.h"
#include "core/VekEncryption.h"
#include "platform/Thread.h"
#include "support/Doubles.h"

using testing_support::MessageBoxDouble;
using testing_support::OtherProcessFileLock;
using testing_support::TempDir;

namespace {

// Counts the opens of a file since it was made: every try of a lock opens
// its lock file, so the retries of kept changes can be counted. The closes
// are watched too, so that two opens in a row are never merged into one
// event.
class OpenCounter {
 public:
  explicit OpenCounter(const std::string& path) : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (m_fd >= 0 && ::inotify_add_watch(m_fd, path.c_str(), IN_OPEN | IN_CLOSE) < 0) {
      ::close(m_fd);
      m_fd = -1;
    }
  }
  ~OpenCounter() {
    if (m_fd >= 0) ::close(m_fd);
  }
  OpenCounter(const OpenCounter&) = delete;
  OpenCounter& operator=(const OpenCounter&) = delete;
  bool Watching() const { return m_fd >= 0; }
  int Count() {
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; m_fd >= 0 && (n = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
      for (ssize_t at = 0; at < n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        if (event->mask & IN_OPEN) ++m_count;
      }
    }
    return m_count;
  }

 private:
  int m_fd;
  int m_count = 0;
};

class FileLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousWait = CFileLock::GetLockWaitMs();
    CFileLock::SetLockWaitMs(300);
  }
  void TearDown() override { CFileLock::SetLockWaitMs(previousWait); }
  std::string Read(CIniFile& file, const std::string& section, const std::string& key) {
    std::string out;
    file.ReadString(section, key, out, "<none>");
    return out;
  }
  // Another program holds the lock again after a write got through: a new
  // hold, so the next write waits again and shows a new box.
  void ExpectANewHoldToShowANewBox(CIniFile& ini, size_t boxesThen) {
    OtherProcessFileLock again(dir.File("s.ini.lock"));
    ASSERT_TRUE(again.Held());
    EXPECT_TRUE(ini.WriteString("A", "x", "7"));
    EXPECT_EQ(boxes.Count(), boxesThen);
  }

  int previousWait = 0;
  TempDir dir;
  MessageBoxDouble boxes;
};

TEST_F(FileLockTest, ALockHeldElsewhereMakesAWriteReportOnceAndLosesNothingOnceFree) {
  dir.Write("s.ini", "[A]\nx=1\n");
  CIniFile ini(dir.File("s.ini"));
  OtherProcessFileLock other(dir.File("s.ini.lock"));
  ASSERT_TRUE(other.Held());

  EXPECT_TRUE(ini.WriteString("A", "x", "2")) << "kept, not lost";
  ASSERT_EQ(boxes.Count(), 1u);
  const std::string text = boxes.Last().text;
  EXPECT_NE(text.find(dir.File("s.ini.lock")), std::string::npos) << text;
  EXPECT_NE(text.find("process " + std::to_string(other.Pid())), std::string::npos) << text;
  EXPECT_NE(text.find("kept"), std::string::npos) << text;
  EXPECT_EQ(Read(ini, "A", "x"), "2") << "reads see the kept change";
  EXPECT_EQ(dir.Read("s.ini"), "[A]\nx=1\n");

  // More changes while it is held: kept too, without another box.
  EXPECT_TRUE(ini.WriteString("A", "y", "3"));
  {
    CIniFile::CBatch batch(&ini);
    ini.WriteString("B", "z", "4");
    ini.WriteString("A", "x", "5");
    EXPECT_TRUE(batch.Commit());
  }
  EXPECT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(Read(ini, "A", "x"), "5");
  EXPECT_EQ(Read(ini, "B", "z"), "4");
  EXPECT_EQ(dir.Read("s.ini"), "[A]\nx=1\n");

  other.Release();
  EXPECT_TRUE(ini.WriteString("C", "w", "6"));
  CIniFile fresh(dir.File("s.ini"));
  EXPECT_EQ(Read(fresh, "A", "x"), "5");
  EXPECT_EQ(Read(fresh, "A", "y"), "3");
  EXPECT_EQ(Read(fresh, "B", "z"), "4");
  EXPECT_EQ(Read(fresh, "C", "w"), "6");
  EXPECT_EQ(boxes.Count(), 1u);

  ExpectANewHoldToShowANewBox(ini, 2u);
}

// Once a wait has run out, the writes of the same hold only try the lock:
// the program freezes once per hold, not once per write, and what is kept
// reaches the file when the lock is free, without a further write: freed
// before the first retry, or held while retries find it taken. Each kept
// key reaches the file once, with its last value.
TEST_F(FileLockTest, WritesDuringOneHoldCostOneWaitAndReachTheFileOnceFree) {
  constexpr int kWaitMs = 1000;
  for (const int retriesHeld : {0, 2}) {
    SCOPED_TRACE(std::to_string(retriesHeld) + " retries while the lock is held");
    CFileLock::SetLockWaitMs(kWaitMs);
    boxes.Clear();
    dir.Write("s.ini", "[A]\nx=1\n");
    CIniFile ini(dir.File("s.ini"));
    CIniFile other(dir.File("s.ini"));  // the engine and the shapes keep one each
    OtherProcessFileLock holder(dir.File("s.ini.lock"));
    ASSERT_TRUE(holder.Held());

    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(ini.WriteString("A", "x", "9"));
    EXPECT_TRUE(ini.WriteString("A", "y", "3"));
    EXPECT_TRUE(ini.WriteString("A", "x", "2"));  // kept again: the last value counts
    {
      CIniFile::CBatch batch(&ini);
      ini.WriteString("B", "z", "4");
      ini.WriteString("B", "w", "5");
      EXPECT_TRUE(batch.Commit());
    }
    EXPECT_TRUE(other.WriteString("C", "v", "6"));
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(elapsed, 2 * kWaitMs) << "each write waited again";
    EXPECT_EQ(boxes.Count(), 1u) << "one box per hold";
    EXPECT_EQ(Read(ini, "A", "y"), "3");
    EXPECT_EQ(Read(other, "C", "v"), "6");

    // Both files try the lock again at each retry while it stays held.
    OpenCounter tries(dir.File("s.ini.lock"));
    ASSERT_TRUE(tries.Watching());
    EXPECT_TRUE(WaitProcessingEvents([&] { return tries.Count() >= 2 * retriesHeld; },
                                     static_cast<DWORD>(retriesHeld + 2) * CIniFile::kRetryMs))
        << tries.Count() << " tries of the lock";
    EXPECT_EQ(dir.Read("s.ini"), "[A]\nx=1\n");
    EXPECT_EQ(boxes.Count(), 1u) << "a retry shows nothing";

    holder.Release();
    const auto keyCount = [&](const std::string& line) {
      const std::string text = "\n" + dir.Read("s.ini");
      int n = 0;
      for (size_t at = text.find("\n" + line); at != std::string::npos; at = text.find("\n" + line, at + 1)) ++n;
      return n;
    };
    const bool written = WaitProcessingEvents(
        [&] {
          for (const char* line : {"x=2", "y=3", "z=4", "w=5", "v=6"})
            if (keyCount(line) == 0) return false;
          return true;
        },
        4 * CIniFile::kRetryMs);
    EXPECT_TRUE(written) << dir.Read("s.ini");
    for (const char* key : {"x=", "y=", "z=", "w=", "v="}) EXPECT_EQ(keyCount(key), 1) << key << "\n" << dir.Read("s.ini");
    EXPECT_FALSE(CFileLock::HasWaitRunOut(dir.File("s.ini")));

    ExpectANewHoldToShowANewBox(other, 2u);
  }
}

// At the end, changes still kept wait for the lock once more; what still
// cannot be written is named, key by key, in one box. A second object on
// the same file does not wait again.
TEST_F(FileLockTest, ChangesKeptAtTheEndAreNamedWhenTheLockStaysHeld) {
  dir.Write("s.ini", "[A]\nx=1\n");
  OtherProcessFileLock holder(dir.File("s.ini.lock"));
  ASSERT_TRUE(holder.Held());
  auto first = std::make_unique<CIniFile>(dir.File("s.ini"));
  auto second = std::make_unique<CIniFile>(dir.File("s.ini"));
  EXPECT_TRUE(first->WriteString("A", "x", "2"));
  EXPECT_TRUE(first->WriteString("Shape One", "LoadInWay.Data", "0.75"));
  EXPECT_TRUE(second->WriteString("B", "y", "3"));
  boxes.Clear();

  CFileLock::SetLockWaitMs(400);
  auto start = std::chrono::steady_clock::now();
  first.reset();
  const auto firstMs =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(firstMs, 300) << "one more wait at the end";
  ASSERT_EQ(boxes.Count(), 1u);
  const std::string text = boxes.Last().text;
  EXPECT_NE(text.find("[A] x=2"), std::string::npos) << text;
  EXPECT_NE(text.find("[Shape One] LoadInWay.Data=0.75"), std::string::npos) << text;
  EXPECT_NE(text.find(dir.File("s.ini.lock")), std::string::npos) << text;

  CFileLock::SetLockWaitMs(3000);
  start = std::chrono::steady_clock::now();
  second.reset();
  const auto secondMs =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(secondMs, 1500) << "the file's last wait at the end ran out already";
  ASSERT_EQ(boxes.Count(), 2u);
  EXPECT_NE(boxes.Last().text.find("[B] y=3"), std::string::npos) << boxes.Last().text;
  EXPECT_EQ(dir.Read("s.ini"), "[A]\nx=1\n");
}

TEST_F(FileLockTest, KeptChangesAreWrittenWhenTheFileIsClosed) {
  dir.Write("s.ini", "[A]\nx=1\n");
  {
    CIniFile ini(dir.File("s.ini"));
    OtherProcessFileLock other(dir.File("s.ini.lock"));
    ASSERT_TRUE(other.Held());
    EXPECT_TRUE(ini.WriteString("A", "x", "2"));
    other.Release();
  }
  EXPECT_EQ(dir.Read("s.ini"), "[A]\nx=2\n");
}

TEST_F(FileLockTest, AWriteThatChangesNothingNeverWaitsForTheLock) {
  dir.Write("s.ini", "[A]\nx=1\ny=\"two\"\n");
  CIniFile ini(dir.File("s.ini"));
  OtherProcessFileLock other(dir.File("s.ini.lock"));
  ASSERT_TRUE(other.Held());
  CFileLock::SetLockWaitMs(60000);  // a write that took the lock would hang here
  EXPECT_TRUE(ini.WriteString("A", "x", "1"));
  EXPECT_TRUE(ini.WriteInt("A", "x", 1));
  {
    CIniFile::CBatch batch(&ini);
    ini.WriteString("A", "y", "two");
    ini.WriteString("A", "x", "9");
    ini.WriteString("A", "x", "1");  // changed and changed back
    EXPECT_TRUE(batch.Commit());
  }
  EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(FileLockTest, TheLockFileIsTheOwnersAlone) {
  const mode_t previous = ::umask(0);
  {
    CFileLock lock(dir.File("new.ini"));
    EXPECT_TRUE(lock.IsHeld());
  }
  ::umask(previous);
  struct stat st {};
  ASSERT_EQ(::stat(dir.File("new.ini.lock").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  // A lock file an older build left readable by everyone is tightened.
  dir.Write("old.ini.lock", "");
  ASSERT_EQ(::chmod(dir.File("old.ini.lock").c_str(), 0644), 0);
  { CFileLock lock(dir.File("old.ini")); }
  ASSERT_EQ(::stat(dir.File("old.ini.lock").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(FileLockTest, AnotherUserCannotHoldTheLock) {
  dir.Write("s.ini", "[A]\nx=1\n");
  CIniFile ini(dir.File("s.ini"));
  ASSERT_TRUE(ini.WriteString("A", "x", "2"));  // makes the lock file
  ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(77);
    const int fd = ::open(dir.File("s.ini.lock").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) ::_exit(errno == EACCES ? 0 : 3);
    ::_exit(::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 1 : 2);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no other user to test with";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "another user could open the lock file";
}

TEST_F(FileLockTest, AChangeOfTheUsersWhileTheLockIsHeldElsewhereFailsWithTheReason) {
  CVekEncryption::SetFastHashingForTest(true);
  CVekAccessControl access;
  access.LoadUserFile(dir.File("u.sys"), true);
  std::string error;
  ASSERT_NE(access.AddUser("admin", "pw", CVekAccessUser::eGroupVekAdmin, &error), nullptr) << error;
  const std::string before = dir.Read("u.sys");
  OtherProcessFileLock other(dir.File("u.sys.lock"));
  ASSERT_TRUE(other.Held());
  EXPECT_EQ(access.AddUser("second", "pw", CVekAccessUser::eGroupOperator, &error), nullptr);
  EXPECT_NE(error.find(dir.File("u.sys.lock")), std::string::npos) << error;
  EXPECT_EQ(dir.Read("u.sys"), before);
  EXPECT_EQ(access.FindUser("second"), nullptr);
  other.Release();
  EXPECT_NE(access.AddUser("second", "pw", CVekAccessUser::eGroupOperator, &error), nullptr) << error;
  CVekEncryption::SetFastHashingForTest(false);
}

}  // namespace
