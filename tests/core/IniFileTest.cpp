#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "core/AtomicFile.h"
#include "core/IniFile.h"
#include "support/Doubles.h"

using testing_support::TempDir;

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  void Put(const std::string& content) { dir.Write("s.ini", content); }
  std::string Get() const { return dir.Read("s.ini"); }
  std::string Read(const std::string& section, const std::string& key, const std::string& def = "<def>") {
    std::string out;
    ini.ReadString(section, key, out, def);
    return out;
  }

  TempDir dir;
  CIniFile ini{dir.File("s.ini")};
};

TEST_F(IniFileTest, NamesCompareWithoutCaseAndValuesAreTrimmed) {
  Put("[Application]\r\n  CoreControlType =  PC-Base  \r\nnRecord=60\r\n[Other]\r\nkey=x\r\n");
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {{"Application", "CoreControlType", "PC-Base"}, {"APPLICATION", "corecontroltype", "PC-Base"},
               {" application ", " NRECORD ", "60"},  // names are trimmed on reading as on writing
               {"application", "nrecord", "60"},        {"Other", "KEY", "x"},
               {"Application", "key", "<def>"},          {"Missing", "key", "<def>"}};
  for (const auto& c : cases) EXPECT_EQ(Read(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST_F(IniFileTest, MissingFileGivesTheDefaultAndFalse) {
  std::string out;
  EXPECT_FALSE(ini.ReadString("A", "b", out, "  dflt "));
  EXPECT_EQ(out, "dflt");
  Put("[A]\n");
  EXPECT_TRUE(ini.ReadString("A", "b", out, "d"));
  EXPECT_EQ(out, "d");
  int n = 0;
  EXPECT_FALSE(CIniFile(dir.File("none.ini")).ReadInt("A", "b", n, 42));
  EXPECT_EQ(n, 42);
}

TEST_F(IniFileTest, ValuesAreCutAt255BytesWithoutSplittingACharacter) {
  const std::string ascii(300, 'a');
  std::string persian;
  for (int i = 0; i < 200; ++i) persian += "\xD8\xA8";  // two bytes each
  Put("[S]\nascii=" + ascii + "\npersian=" + persian + "\n");
  EXPECT_EQ(Read("S", "ascii"), std::string(255, 'a'));
  const std::string cut = Read("S", "persian");
  EXPECT_EQ(cut.size(), 254u);
  EXPECT_EQ(cut, persian.substr(0, 254));
}

TEST_F(IniFileTest, NumbersReadWithTheirDefaults) {
  Put("[S]\ni=  -17 \nbad=abc\nlead=12abc\nf=2.5\nfbad=x\nbig=99999999999\n");
  int n = 0;
  EXPECT_TRUE(ini.ReadInt("S", "i", n, 5));
  EXPECT_EQ(n, -17);
  EXPECT_TRUE(ini.ReadInt("S", "missing", n, 5));
  EXPECT_EQ(n, 5);
  EXPECT_FALSE(ini.ReadInt("S", "bad", n, 5));
  EXPECT_EQ(n, 5);
  EXPECT_FALSE(ini.ReadInt("S", "lead", n, 5)) << "trailing junk is no number";
  EXPECT_EQ(n, 5);
  EXPECT_FALSE(ini.ReadInt("S", "big", n, 5));
  EXPECT_EQ(n, 5);
  float f = 0;
  EXPECT_TRUE(ini.ReadFloat("S", "f", f, 1.0f));
  EXPECT_FLOAT_EQ(f, 2.5f);
  EXPECT_TRUE(ini.ReadFloat("S", "missing", f, 0.1f));
  EXPECT_FLOAT_EQ(f, 0.1f);
  EXPECT_FALSE(ini.ReadFloat("S", "fbad", f, 3.0f));
  EXPECT_FLOAT_EQ(f, 3.0f);
}

TEST_F(IniFileTest, TextWithTrailingJunkIsNoNumber) {
  Put("[S]\nhex=6x0\ndot=6.5\nsign=-\nquoted=\"60\"\nspaced=6 0\n");
  for (const char* key : {"hex", "dot", "sign", "spaced"}) {
    int n = 0;
    EXPECT_FALSE(ini.ReadInt("S", key, n, 60)) << key;
    EXPECT_EQ(n, 60) << key;
  }
  int n = 0;
  EXPECT_TRUE(ini.ReadInt("S", "quoted", n, 5));
  EXPECT_EQ(n, 60);
}

TEST_F(IniFileTest, OnePairOfSurroundingQuotesIsDroppedOnReading) {
  Put("[S]\na=\"Tank 1\"\nb=\"\"\nc=\"open\nd=\"\"x\"\"\ne=say \"hi\"\nf=  \" padded \"  \n");
  const struct {
    const char* key;
    const char* value;
  } cases[] = {{"a", "Tank 1"}, {"b", ""}, {"c", "\"open"}, {"d", "\"x\""}, {"e", "say \"hi\""}, {"f", " padded "}};
  for (const auto& c : cases) EXPECT_EQ(Read("S", c.key), c.value) << c.key;
  // Writing the value it reads as changes nothing.
  const std::string before = Get();
  EXPECT_TRUE(ini.WriteString("S", "a", "Tank 1"));
  EXPECT_EQ(Get(), before);
}

TEST_F(IniFileTest, HasSectionNeedsAKeyLine) {
  Put("[Empty]\n; only a comment\n\n[Full]\na=\n");
  EXPECT_FALSE(ini.HasSection("Empty"));
  EXPECT_TRUE(ini.HasSection("full"));
  EXPECT_FALSE(ini.HasSection("None"));
}

TEST_F(IniFileTest, WritesKeepEverythingElseAndTheFilesLineEnds) {
  Put("; settings\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  EXPECT_TRUE(ini.WriteString("a", "X", "10"));
  EXPECT_TRUE(ini.WriteString("A", "z", "new"));
  EXPECT_TRUE(ini.WriteString("C", "w", "  padded  "));
  EXPECT_EQ(Get(), "; settings\r\n[A]\r\nx=10\r\nz=new\r\n\r\n[B]\r\ny=2\r\n\r\n[C]\r\nw=padded\r\n");
  EXPECT_EQ(Read("c", "W"), "padded");
}

TEST_F(IniFileTest, AWriteHappensOnlyWhenTheTextDiffers) {
  Put("[A]\nx = 1\n");
  struct stat before {};
  ASSERT_EQ(::stat(dir.File("s.ini").c_str(), &before), 0);
  EXPECT_TRUE(ini.WriteString("A", "x", "1"));
  EXPECT_TRUE(ini.WriteInt("A", "x", 1));
  struct stat after {};
  ASSERT_EQ(::stat(dir.File("s.ini").c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino) << "an equal value must not rewrite the file";
  EXPECT_EQ(Get(), "[A]\nx = 1\n");
  EXPECT_TRUE(ini.WriteString("A", "x", "One"));
  EXPECT_EQ(Get(), "[A]\nx=One\n");
  EXPECT_TRUE(ini.WriteString("A", "x", "one")) << "values compare with case";
  EXPECT_EQ(Read("A", "x"), "one");
}

TEST_F(IniFileTest, NumbersWriteInTheirTextForms) {
  EXPECT_TRUE(ini.WriteInt("S", "n", -5));
  EXPECT_TRUE(ini.WriteFloat("S", "f", 0.1f));
  EXPECT_TRUE(ini.WriteFloat("S", "g", 13000.0f));
  EXPECT_EQ(Read("S", "n"), "-5");
  EXPECT_EQ(Read("S", "f"), "0.1");
  EXPECT_EQ(Read("S", "g"), "13000");
  float f = 0;
  ini.ReadFloat("S", "f", f);
  EXPECT_EQ(f, 0.1f) << "the text reads back the same float";
}

TEST_F(IniFileTest, NamesAndValuesThatCannotBeStoredAreRefused) {
  Put("[A]\nx=1\n");
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {{"", "k", "v"},  {"A]", "k", "v"}, {"A\nB", "k", "v"}, {"A", "", "v"},
               {"A", "k=1", "v"}, {"A", "[k", "v"}, {"A", ";k", "v"},  {"A", "k", "line\nbreak"}};
  for (const auto& c : cases) {
    EXPECT_FALSE(ini.WriteString(c.section, c.key, c.value)) << c.section << "/" << c.key;
    EXPECT_FALSE(ini.GetLastError().empty());
  }
  EXPECT_EQ(Get(), "[A]\nx=1\n");
}

TEST_F(IniFileTest, AReadOnlyFileIsNotWritten) {
  Put("[A]\nx=1\n");
  ASSERT_EQ(::chmod(dir.File("s.ini").c_str(), 0444), 0);
  EXPECT_FALSE(ini.WriteString("A", "x", "2"));
  EXPECT_NE(ini.GetLastError().find("s.ini\" is read-only"), std::string::npos);
  EXPECT_EQ(Read("A", "x"), "1") << "the cache must not claim the refused value";
  ::chmod(dir.File("s.ini").c_str(), 0644);
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNotReplacedByOneKey) {
  // The file exists and may be written but not read (a write-only mode for
  // the program's user): a write must not replace every setting by one key.
  const std::string before = "[A]\nx=1\nz=3\n";
  Put(before);
  ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
  ASSERT_EQ(::chmod(dir.File("s.ini").c_str(), 0622), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Root reads every file; the check runs as an ordinary user.
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(77);
    if (::chmod(dir.File("s.ini").c_str(), 0222) != 0 && ::geteuid() != 65534) ::_exit(78);
    // The folder must be reachable and writable for that user (a private
    // temporary folder is not).
    if (::access(dir.File("s.ini").c_str(), F_OK) != 0 || ::access(dir.Path().c_str(), W_OK | X_OK) != 0)
      ::_exit(77);
    CIniFile other(dir.File("s.ini"));
    const bool written = other.WriteString("B", "y", "2");
    const bool told = other.GetLastError().find("keeps its other settings") != std::string::npos;
    ::_exit(written ? 1 : told ? 0 : 2);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77 || WEXITSTATUS(status) == 78) GTEST_SKIP() << "no ordinary user to test with";
  ::chmod(dir.File("s.ini").c_str(), 0644);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Get(), before);
}

TEST_F(IniFileTest, ACrashBeforeTheRenameLeavesTheOldFile) {
  Put("[A]\nx=1\n");
  EXPECT_EQ(Read("A", "x"), "1");
  std::string temp;
  SetAtomicWriteHookForTest([&](const std::string& path) {
    temp = path;
    throw std::runtime_error("crash");
  });
  EXPECT_THROW(ini.WriteString("A", "x", "2"), std::runtime_error);
  SetAtomicWriteHookForTest(nullptr);
  EXPECT_EQ(Get(), "[A]\nx=1\n");
  EXPECT_EQ(temp.rfind(dir.File("s.ini.vektmp-"), 0), 0u) << "temporary files have one name pattern: " << temp;
  EXPECT_TRUE(std::filesystem::exists(temp)) << "the crash leaves it";
  CIniFile fresh(dir.File("s.ini"));
  std::string out;
  fresh.ReadString("A", "x", out);
  EXPECT_EQ(out, "1");
  // The program goes on writing normally afterwards, and the next write
  // removes what the crash left.
  dir.Write("s.ini.vektmp-keep", "not a temporary file");
  EXPECT_TRUE(fresh.WriteString("A", "x", "3"));
  EXPECT_EQ(Get(), "[A]\nx=3\n");
  EXPECT_FALSE(std::filesystem::exists(temp)) << "a stale temporary file is removed";
  EXPECT_TRUE(std::filesystem::exists(dir.File("s.ini.vektmp-keep"))) << "only the pattern's own names";
}

// A write the system refuses names the settings file the user knows, not
// the temporary file that was removed again, and leaves no file behind.
TEST_F(IniFileTest, AFailedWriteNamesTheFileAndLeavesNoTemporary) {
  Put("[A]\nx=1\n");
  struct Case {
    FileWriteStep step;
    int error;
    const char* text;
  };
  for (const Case& c : {Case{FileWriteStep::kWrite, ENOSPC, "No space left on device"},
                        Case{FileWriteStep::kReplace, EROFS, "Read-only file system"}}) {
    SCOPED_TRACE(c.text);
    SetFileWriteFaultForTest([&](FileWriteStep step, const std::string&) { return step == c.step ? c.error : 0; });
    EXPECT_FALSE(ini.WriteString("A", "x", "2"));
    SetFileWriteFaultForTest(nullptr);
    const std::string error = ini.GetLastError();
    EXPECT_NE(error.find("\"" + dir.File("s.ini") + "\""), std::string::npos) << error;
    EXPECT_NE(error.find(c.text), std::string::npos) << error;
    EXPECT_EQ(error.find("vektmp"), std::string::npos) << error;
    EXPECT_EQ(Get(), "[A]\nx=1\n");
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
      EXPECT_EQ(entry.path().filename().string().find("vektmp"), std::string::npos) << entry.path();
  }
}

TEST_F(IniFileTest, ASymbolicLinkStaysALinkAndItsTargetIsWritten) {
  std::filesystem::create_directory(dir.File("shared"));
  dir.Write("shared/real.ini", "[A]\nx=1\n");
  std::filesystem::create_symlink("shared/real.ini", dir.File("s.ini"));
  EXPECT_EQ(Read("A", "x"), "1");
  EXPECT_TRUE(ini.WriteString("A", "x", "2"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("s.ini")));
  EXPECT_EQ(dir.Read("shared/real.ini"), "[A]\nx=2\n");
  EXPECT_TRUE(CIniFile(dir.File("shared/real.ini")).WriteString("A", "y", "3"));
  EXPECT_EQ(Read("A", "y"), "3");
}

TEST_F(IniFileTest, ManyReadsAfterAWriteReadTheFileOnce) {
  Put("[A]\nx=1\n");
  EXPECT_TRUE(ini.WriteString("A", "y", "2"));
  const unsigned before = ini.GetDiskReadCount();
  for (int i = 0; i < 3000; ++i) ASSERT_EQ(Read("A", i % 2 ? "x" : "y"), i % 2 ? "1" : "2");
  EXPECT_EQ(ini.GetDiskReadCount(), before) << "what the program wrote is in the cache";
  // A start-up that opens the file shortly after it was written.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  CIniFile startUp(dir.File("s.ini"));
  std::string out;
  for (int i = 0; i < 3000; ++i) startUp.ReadString("A", "x", out);
  EXPECT_EQ(startUp.GetDiskReadCount(), 1u);
}

TEST_F(IniFileTest, TwoProcessesWritingOneFileLoseNoKey) {
  Put("[Shared]\n");
  constexpr int kKeys = 120;
  pid_t children[2] = {};
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      CIniFile own(dir.File("s.ini"));
      std::string unused;
      own.ReadString("Shared", "x", unused);  // a cache that goes stale
      bool ok = true;
      for (int i = 0; i < kKeys; ++i)
        ok = own.WriteInt("Shared", "p" + std::to_string(c) + "k" + std::to_string(i), i) && ok;
      ::_exit(ok ? 0 : 1);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  CIniFile after(dir.File("s.ini"));
  EXPECT_EQ(after.GetKeyNames("Shared").size(), 2u * kKeys) << "no update is lost";
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileIsAReadError) {
  std::filesystem::create_directory(dir.File("s.ini"));
  EXPECT_EQ(Read("A", "x"), "<def>");
  EXPECT_NE(ini.GetReadError().find("is a folder"), std::string::npos) << ini.GetReadError();
  EXPECT_FALSE(ini.WriteString("A", "x", "1"));
  EXPECT_TRUE(CIniFile(dir.File("none.ini")).GetReadError().empty()) << "a missing file is no read error";
}

TEST_F(IniFileTest, WritesKeepThePermissionsOfTheFile) {
  Put("[A]\nx=1\n");
  ASSERT_EQ(::chmod(dir.File("s.ini").c_str(), 0640), 0);
  EXPECT_TRUE(ini.WriteString("A", "x", "2"));
  struct stat st {};
  ASSERT_EQ(::stat(dir.File("s.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(IniFileTest, AFileChangedOutsideTheProgramIsReadAgain) {
  Put("[A]\nx=1\n");
  EXPECT_EQ(Read("A", "x"), "1");
  Put("[A]\nx=2\n");  // same size, same moment
  EXPECT_EQ(Read("A", "x"), "2");
  Put("[A]\nx=33\ny=4\n");
  EXPECT_EQ(Read("A", "y"), "4");
  std::filesystem::remove(dir.File("s.ini"));
  std::string out;
  EXPECT_FALSE(ini.ReadString("A", "x", out, "gone"));
  EXPECT_EQ(out, "gone");
  // Two objects on one file see each other's writes.
  CIniFile other(dir.File("s.ini"));
  EXPECT_TRUE(other.WriteString("A", "x", "5"));
  EXPECT_EQ(Read("A", "x"), "5");
  EXPECT_TRUE(ini.WriteString("A", "y", "6"));
  other.ReadString("A", "x", out);
  EXPECT_EQ(out, "5");
  other.ReadString("A", "y", out);
  EXPECT_EQ(out, "6");
}

TEST_F(IniFileTest, DuplicateSectionsAndKeysUseTheFirst) {
  Put("[A]\nx=1\nx=2\n[B]\n[a]\ny=3\n");
  EXPECT_EQ(Read("A", "x"), "1");
  EXPECT_EQ(Read("A", "y"), "<def>");
  EXPECT_TRUE(ini.WriteString("A", "x", "9"));
  EXPECT_EQ(Get(), "[A]\nx=9\nx=2\n[B]\n[a]\ny=3\n");
  EXPECT_EQ(ini.GetSectionNames(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(ini.GetKeyNames("a"), (std::vector<std::string>{"x", "x"}));
}

TEST_F(IniFileTest, AByteOrderMarkIsKept) {
  Put("\xEF\xBB\xBF[A]\nx=1\n");
  EXPECT_EQ(Read("A", "x"), "1");
  EXPECT_TRUE(ini.WriteString("A", "x", "2"));
  EXPECT_EQ(Get(), "\xEF\xBB\xBF[A]\nx=2\n");
}

}  // namespace
