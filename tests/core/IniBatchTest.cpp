// Batches of settings writes: one file replacement for many keys, reads
// that see the held values, nesting, other writers (threads and processes)
// kept, and a failure at the end reported once with the file untouched.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

#include "core/AtomicFile.h"
#include "core/IniFile.h"
#include "support/Doubles.h"
#include "support/FileReplaceCount.h"

using testing_support::FileReplaceCount;
using testing_support::TempDir;

namespace {

std::string Key(int i) { return "Attrib" + std::to_string(i) + ".Tag"; }

class IniBatchTest : public ::testing::Test {
 protected:
  void Put(const std::string& content) { dir.Write("s.ini", content); }
  std::string Get() const { return dir.Read("s.ini"); }
  std::string Read(const std::string& section, const std::string& key) {
    std::string out;
    ini.ReadString(section, key, out, "<def>");
    return out;
  }

  TempDir dir;
  CIniFile ini{dir.File("s.ini")};
};

TEST_F(IniBatchTest, ManyKeysMakeOneReplacementAndTheSameFileAsSingleWrites) {
  const std::string start =
      "; plant\r\n[Valve.V1]\r\nAttrib4.Tag=_NO_DCTAG_\r\nAttrib5.Tag=Real\r\n\r\n[Other]\r\nx=1\r\n";
  Put(start);
  dir.Write("single.ini", start);
  CIniFile single(dir.File("single.ini"));
  FileReplaceCount replacements;
  {
    CIniFile::CBatch batch(&ini);
    for (int i = 0; i < 200; ++i) {
      const std::string section = i % 3 == 0 ? "SprayDryer.T1" : "Valve.V1";
      ASSERT_TRUE(ini.WriteString(section, Key(i), "_NO_DCTAG_"));
      ASSERT_TRUE(single.WriteString(section, Key(i), "_NO_DCTAG_"));
    }
    EXPECT_EQ(replacements.Count(), 199) << "the single writes: one per key that changes";
    EXPECT_EQ(Get(), start) << "nothing reaches the file before the end";
  }
  EXPECT_EQ(replacements.Count(), 200) << "the batch: one";
  EXPECT_EQ(Get(), dir.Read("single.ini"));
}

TEST_F(IniBatchTest, ReadsInsideTheBatchSeeTheHeldValues) {
  Put("[A]\nx=1\n");
  CIniFile::CBatch batch(&ini);
  EXPECT_TRUE(ini.WriteInt("A", "x", 2));
  EXPECT_TRUE(ini.WriteString("B", "name", "\"quoted\""));
  EXPECT_TRUE(ini.WriteFloat("b", "f", 0.25f));
  EXPECT_TRUE(ini.WriteString("A", "x", "3")) << "a key written twice keeps the later value";
  int n = 0;
  EXPECT_TRUE(ini.ReadInt("a", "X", n));
  EXPECT_EQ(n, 3);
  EXPECT_EQ(Read("B", "name"), "quoted");
  float f = 0;
  EXPECT_TRUE(ini.ReadFloat("B", "f", f));
  EXPECT_EQ(f, 0.25f);
  EXPECT_TRUE(ini.HasSection("B"));
  EXPECT_EQ(ini.GetSectionNames(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(ini.GetKeyNames("B"), (std::vector<std::string>{"name", "f"}));
  EXPECT_EQ(Get(), "[A]\nx=1\n");
  EXPECT_TRUE(batch.Commit());
  EXPECT_EQ(Get(), "[A]\nx=3\n\n[B]\nname=\"quoted\"\nf=0.25\n");
  EXPECT_TRUE(batch.Commit()) << "a batch ends once";
}

TEST_F(IniBatchTest, AMissingFileExistsForReadsOnceABatchHoldsAWrite) {
  CIniFile::CBatch batch(&ini);
  int n = 0;
  EXPECT_FALSE(ini.ReadInt("A", "x", n, 5));
  EXPECT_TRUE(ini.WriteInt("A", "x", 7));
  EXPECT_TRUE(ini.ReadInt("A", "x", n, 5));
  EXPECT_EQ(n, 7);
  EXPECT_FALSE(std::filesystem::exists(dir.File("s.ini")));
  EXPECT_TRUE(batch.Commit());
  EXPECT_EQ(Get(), "[A]\r\nx=7\r\n");
}

TEST_F(IniBatchTest, ValuesTheFileHoldsAlreadyReplaceNothing) {
  Put("[A]\nx = 1\ny=\"two\"\n");
  struct stat before {};
  ASSERT_EQ(::stat(dir.File("s.ini").c_str(), &before), 0);
  FileReplaceCount replacements;
  CIniFile::CBatch batch(&ini);
  EXPECT_TRUE(ini.WriteString("A", "x", "1"));
  EXPECT_TRUE(ini.WriteString("A", "y", "two"));
  EXPECT_TRUE(ini.WriteString("A", "x", "9"));
  EXPECT_TRUE(ini.WriteString("A", "x", "1")) << "changed and changed back";
  EXPECT_TRUE(batch.Commit());
  EXPECT_EQ(replacements.Count(), 0);
  struct stat after {};
  ASSERT_EQ(::stat(dir.File("s.ini").c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(IniBatchTest, NestedBatchesJoinTheOuterOne) {
  FileReplaceCount replacements;
  CIniFile::CBatch outer(&ini);
  ini.WriteInt("A", "a", 1);
  {
    CIniFile::CBatch inner(&ini);
    ini.WriteInt("A", "b", 2);
    EXPECT_TRUE(inner.Commit()) << "a joined batch leaves the writing to the outer one";
    CIniFile::CBatch second(&ini);
    ini.WriteInt("A", "c", 3);
  }  // ends by its destructor
  ini.WriteInt("A", "d", 4);
  EXPECT_EQ(replacements.Count(), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.File("s.ini")));
  EXPECT_TRUE(outer.Commit());
  EXPECT_EQ(replacements.Count(), 1);
  EXPECT_EQ(Get(), "[A]\r\na=1\r\nb=2\r\nc=3\r\nd=4\r\n");
  ini.WriteInt("A", "e", 5);
  EXPECT_EQ(replacements.Count(), 2) << "after the batch a write goes to the file at once";
}

TEST_F(IniBatchTest, AnotherThreadsWritesAreNotHeldBack) {
  Put("[A]\n");
  CIniFile::CBatch batch(&ini);
  ini.WriteInt("A", "mine", 1);
  std::thread other([&] {
    CIniFile::CBatch ownBatch(&ini);  // another thread's batch batches nothing
    EXPECT_TRUE(ini.WriteInt("A", "theirs", 2));
    EXPECT_EQ(dir.Read("s.ini"), "[A]\ntheirs=2\n") << "on the file at once, without the held key";
  });
  other.join();
  EXPECT_EQ(Read("A", "mine"), "1");
  EXPECT_EQ(Read("A", "theirs"), "2");
  EXPECT_TRUE(batch.Commit());
  EXPECT_EQ(Get(), "[A]\ntheirs=2\nmine=1\n");
}

TEST_F(IniBatchTest, AnotherProcessWritingDuringTheBatchLosesNothing) {
  Put("[Shared]\nkeep=0\nboth=0\n");
  CIniFile::CBatch batch(&ini);
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(ini.WriteInt("Shared", "p" + std::to_string(i), i));
  ASSERT_TRUE(ini.WriteInt("Shared", "both", 1));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    CIniFile own(dir.File("s.ini"));
    std::string held;
    own.ReadString("Shared", "p0", held, "absent");
    const bool ok = held == "absent" && own.WriteInt("Shared", "child", 7) && own.WriteInt("Shared", "keep", 8);
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other process sees no held value";
  EXPECT_EQ(Read("Shared", "child"), "7") << "the batch's reads follow the file";
  EXPECT_EQ(Read("Shared", "p49"), "49");
  EXPECT_TRUE(batch.Commit());
  CIniFile after(dir.File("s.ini"));
  std::string out;
  after.ReadString("Shared", "child", out);
  EXPECT_EQ(out, "7");
  after.ReadString("Shared", "keep", out);
  EXPECT_EQ(out, "8");
  after.ReadString("Shared", "both", out);
  EXPECT_EQ(out, "1");
  EXPECT_EQ(after.GetKeyNames("Shared").size(), 53u);
}

TEST_F(IniBatchTest, AFailureAtTheEndIsReportedOnceAsForOneWrite) {
  // The message of one refused write, for comparison.
  Put("[A]\nx=1\n");
  ASSERT_EQ(::chmod(dir.File("s.ini").c_str(), 0444), 0);
  CIniFile single(dir.File("s.ini"));
  ASSERT_FALSE(single.WriteString("A", "x", "2"));
  const std::string expected = single.GetLastError();
  ASSERT_NE(expected.find("is read-only"), std::string::npos);

  CIniFile::CBatch batch(&ini);
  for (int i = 0; i < 20; ++i) EXPECT_TRUE(ini.WriteInt("A", "k" + std::to_string(i), i));
  EXPECT_TRUE(ini.WriteString("A", "x", "2"));
  EXPECT_TRUE(ini.GetLastError().empty()) << "nothing is reported before the end";
  EXPECT_FALSE(batch.Commit());
  EXPECT_EQ(ini.GetLastError(), expected);
  EXPECT_EQ(Get(), "[A]\nx=1\n");
  EXPECT_EQ(Read("A", "x"), "1") << "the cache must not claim the refused values";
  EXPECT_EQ(Read("A", "k3"), "<def>");
  ::chmod(dir.File("s.ini").c_str(), 0644);
}

TEST_F(IniBatchTest, AnUnreadableFileIsNotReplacedAndTheMessageCountsTheKeys) {
  std::filesystem::create_directory(dir.File("s.ini"));
  const struct {
    int keys;
    const char* tail;
  } cases[] = {{1, "The key k0 of section [A] is not written, so the file keeps its other settings."},
               {3, "The key k0 of section [A] and 2 other keys are not written, so the file keeps its other settings."}};
  for (const auto& c : cases) {
    CIniFile::CBatch batch(&ini);
    for (int i = 0; i < c.keys; ++i) ini.WriteInt("A", "k" + std::to_string(i), i);
    EXPECT_FALSE(batch.Commit());
    const std::string error = ini.GetLastError();
    EXPECT_NE(error.find("is a folder"), std::string::npos) << error;
    EXPECT_EQ(error.substr(error.find('\n') + 1), c.tail);
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("s.ini")));
}

TEST_F(IniBatchTest, NamesThatCannotBeStoredAreRefusedAtTheWrite) {
  Put("[A]\nx=1\n");
  CIniFile::CBatch batch(&ini);
  EXPECT_FALSE(ini.WriteString("A", "k=1", "v"));
  EXPECT_NE(ini.GetLastError().find("Invalid key name"), std::string::npos);
  EXPECT_FALSE(ini.WriteString("A", "k", "line\nbreak"));
  EXPECT_TRUE(ini.WriteString("A", "y", "2"));
  EXPECT_TRUE(batch.Commit());
  EXPECT_EQ(Get(), "[A]\nx=1\ny=2\n");
}

TEST_F(IniBatchTest, ACrashBeforeTheRenameLeavesTheOldFile) {
  Put("[A]\nx=1\n");
  {
    CIniFile::CBatch batch(&ini);
    ini.WriteInt("A", "x", 2);
    ini.WriteInt("A", "y", 3);
    SetAtomicWriteHookForTest([](const std::string&) { throw std::runtime_error("crash"); });
    EXPECT_THROW(batch.Commit(), std::runtime_error);
    SetAtomicWriteHookForTest(nullptr);
  }
  EXPECT_EQ(Get(), "[A]\nx=1\n");
  EXPECT_EQ(Read("A", "y"), "<def>");
  // The batch ended with the crash: later writes go to the file.
  EXPECT_TRUE(ini.WriteInt("A", "x", 4));
  EXPECT_EQ(Get(), "[A]\nx=4\n");
}

TEST_F(IniBatchTest, ABatchWithoutAFileDoesNothing) {
  CIniFile::CBatch batch(nullptr);
  EXPECT_TRUE(batch.Commit());
}

}  // namespace
