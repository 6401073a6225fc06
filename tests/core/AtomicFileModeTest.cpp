// The modes of the files WriteFileAtomic makes, and that it never changes
// the process's umask: the umask is shared by every thread, so a moment
// of umask 0 gives the files other threads create meanwhile mode 0666.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <string>

#include "core/AtomicFile.h"
#include "support/Doubles.h"

namespace {
std::atomic<int> g_umaskCalls{0};
}  // namespace

// Every call of umask in this test program (the code under test is linked
// in statically) is counted, then done as the system does it.
extern "C" mode_t umask(mode_t mask) noexcept {
  ++g_umaskCalls;
  return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

namespace {

using testing_support::TempDir;

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

class UmaskScope {
 public:
  explicit UmaskScope(mode_t mask) : m_previous(static_cast<mode_t>(::syscall(SYS_umask, mask))) {}
  ~UmaskScope() { ::syscall(SYS_umask, m_previous); }
  UmaskScope(const UmaskScope&) = delete;
  UmaskScope& operator=(const UmaskScope&) = delete;

 private:
  mode_t m_previous;
};

TEST(AtomicFileModes, FilesGetTheirModesWithoutTouchingTheProcessUmask) {
  TempDir dir;
  UmaskScope mask(027);
  struct Case {
    const char* name;
    const char* existingMode;  // "" for a new file
    int nMode;
    mode_t expected;
  };
  const Case cases[] = {
      {"new, default mode", "", -1, 0640},     // 0666 less the umask
      {"new, given mode", "", 0600, 0600},
      {"new, given mode wider than the umask", "", 0664, 0664},
      {"existing keeps its mode", "0604", -1, 0604},
      {"existing, given mode", "0644", 0600, 0600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.File(std::string(c.name) + ".txt");
    if (*c.existingMode) {
      dir.Write(std::string(c.name) + ".txt", "old");
      ASSERT_EQ(::chmod(path.c_str(), static_cast<mode_t>(std::stoi(c.existingMode, nullptr, 8))), 0);
    }
    const int before = g_umaskCalls.load();
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(path, "new", &error, c.nMode)) << error;
    EXPECT_EQ(g_umaskCalls.load(), before) << "the process umask is never changed, not even for a moment";
    EXPECT_EQ(ModeOf(path), c.expected);
    EXPECT_EQ(dir.Read(std::string(c.name) + ".txt"), "new");
  }
}

}  // namespace
