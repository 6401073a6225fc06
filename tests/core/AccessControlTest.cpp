#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <thread>

#include "core/AccessLog.h"
#include "core/AtomicFile.h"
#include "core/CoreTestSupport.h"
#include "core/VekAccessControl.h"
#include "core/UserFile.h"
#include "core/VekEncryption.h"
#include "support/Doubles.h"
#include "support/SourceFolder.h"

using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

std::string GetKeyFileForTest(const std::string& path) { return CVekAccessControl::GetKeyFileFor(path); }

constexpr int kOperator = CVekAccessUser::eGroupOperator;
constexpr int kShift = CVekAccessUser::eGroupShift;
constexpr int kTechnical = CVekAccessUser::eGroupTechnical;
constexpr int kPlantAdmin = CVekAccessUser::eGroupPlantAdmin;
constexpr int kVekAdmin = CVekAccessUser::eGroupVekAdmin;

class AccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CVekEncryption::SetFastHashingForTest(true);
    access.LoadUserFile(dir.File("VTLN-VXC.sys"), true);
    admin = access.AddUser("admin", "secret", kVekAdmin, &error);
    oper = access.AddUser("Ali", "pw1", kOperator | kShift, &error);
    tech = access.AddUser("Reza", "pw2", kTechnical, &error);
    ASSERT_TRUE(admin && oper && tech) << error;
  }
  void TearDown() override { CVekEncryption::SetFastHashingForTest(false); }

  TempDir dir;
  CVekAccessControl access;
  std::string error;
  CVekAccessUser* admin = nullptr;
  CVekAccessUser* oper = nullptr;
  CVekAccessUser* tech = nullptr;
};

TEST_F(AccessTest, ANameNoUserCanBearIsQuotedShortAndNotWrittenBack) {
  // Sealed entries as the program would seal them, but with names the
  // users editor refuses: a huge one and one with '='; and an entry whose
  // groups were changed outside, which is kept for an administrator.
  CVekEncryption::Key key{};
  ASSERT_TRUE(CVekEncryption::ReadKeyFile(dir.File("VTLN-VXC.key"), &key, &error)) << error;
  const std::string hash = CVekEncryption::HashPassword("pw");
  const auto entry = [&](const std::string& name, int groups) {
    return UserFileEntry{"", name, hash, CVekEncryption::ScrambleGroups(key, name, hash, groups)};
  };
  const std::string huge = std::string(100, 'h') + std::string(1 << 20, 'x');
  std::vector<UserFileEntry> entries = {entry("admin", kVekAdmin), entry(huge, kVekAdmin), entry("a=b", kOperator),
                                        entry("kept", kOperator)};
  entries.back().strGRP = entry("other", kVekAdmin).strGRP;  // groups pasted from another user
  dir.Write("VTLN-VXC.sys", MakeSealedUserFileText(entries, 1, key));

  MessageBoxDouble boxes;
  CVekAccessControl loaded;
  ASSERT_TRUE(loaded.LoadUserFile(dir.File("VTLN-VXC.sys")));
  ASSERT_EQ(boxes.Count(), 1u);
  const std::string text = boxes.Last().text;
  EXPECT_LT(text.size(), 1000u);
  EXPECT_NE(text.find("\"" + std::string(80, 'h') + "...\": the user name is longer than 64 characters."),
            std::string::npos)
      << text.substr(0, 400);
  EXPECT_NE(text.find("\"a=b\": the user name holds '[', ']' or '='."), std::string::npos) << text;
  EXPECT_NE(text.find("\"kept\": the entry was changed outside VekFrame."), std::string::npos) << text;
  ASSERT_EQ(loaded.GetUsers().size(), 1u);

  ASSERT_NE(loaded.AddUser("new", "pw", kOperator, &error), nullptr) << error;
  const std::string file = dir.Read("VTLN-VXC.sys");
  EXPECT_LT(file.size(), 10000u) << "the huge name is not written back";
  EXPECT_EQ(file.find("Name=a=b"), std::string::npos);
  EXPECT_NE(file.find("Name=kept"), std::string::npos) << "a changed entry stays for an administrator";
  CVekAccessControl again;
  boxes.Clear();
  ASSERT_TRUE(again.LoadUserFile(dir.File("VTLN-VXC.sys")));
  EXPECT_EQ(again.GetUsers().size(), 2u);
  EXPECT_EQ(again.GetRefusedEntries().size(), 1u);
}

TEST(UserFileText, OnlyTheFirstSectionOfANameCountsInAFileOfManySections) {
  // 20,000 sections, then each name again in other case with other values,
  // then a second seal: the reading keeps the first of each.
  constexpr int kCount = 20000;
  std::string text = "[Seal]\r\nGeneration=3\r\nMAC=first\r\n";
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 1; i <= kCount; ++i)
      text += std::string(pass == 0 ? "[User-" : "[uSER-") + std::to_string(i) + "]\r\nName=" +
              (pass == 0 ? "first" : "second") + std::to_string(i) + "\r\nPW=p\r\nGRP=1\r\n";
  text += "[SEAL]\r\nGeneration=4\r\nMAC=second\r\n";
  const UserFileContent content = ParseUserFileText(text);
  ASSERT_EQ(content.entries.size(), static_cast<size_t>(kCount));
  EXPECT_EQ(content.entries.front().strName, "first1");
  EXPECT_EQ(content.entries.back().strName, "first" + std::to_string(kCount));
  EXPECT_EQ(content.entries.back().strSection, "User-" + std::to_string(kCount));
  EXPECT_EQ(content.strGeneration, "3");
  EXPECT_EQ(content.strMac, "first");
}

TEST_F(AccessTest, ManyUsersLoadWithEachNameOnce) {
  // A sealed file of many users, some names repeated in other case: the
  // first of each is taken, each later one refused and not written back.
  CVekEncryption::Key key{};
  ASSERT_TRUE(CVekEncryption::ReadKeyFile(dir.File("VTLN-VXC.key"), &key, &error)) << error;
  const std::string hash = CVekEncryption::HashPassword("pw");
  std::vector<UserFileEntry> entries;
  for (int i = 0; i < 3000; ++i) {
    const std::string name = (i % 3 == 2 ? "USER" : "user") + std::to_string(i % 3 == 2 ? i - 1 : i);
    entries.push_back({"", name, hash, CVekEncryption::ScrambleGroups(key, name, hash, kOperator)});
  }
  dir.Write("VTLN-VXC.sys", MakeSealedUserFileText(entries, 1, key));
  CVekAccessControl loaded;
  ASSERT_TRUE(loaded.LoadUserFile(dir.File("VTLN-VXC.sys"), true));
  ASSERT_EQ(loaded.GetUsers().size(), 2000u);
  EXPECT_EQ(loaded.GetRefusedEntries().size(), 1000u);
  EXPECT_EQ(loaded.FindUser("USER1"), loaded.GetUsers()[1]);
  ASSERT_NE(loaded.AddUser("one more", "pw", kOperator, &error), nullptr) << error;
  CVekAccessControl again;
  ASSERT_TRUE(again.LoadUserFile(dir.File("VTLN-VXC.sys"), true));
  EXPECT_EQ(again.GetUsers().size(), 2001u);
  EXPECT_TRUE(again.GetRefusedEntries().empty()) << "a second entry of a name is not written back";
}

TEST_F(AccessTest, GroupsAndAdmins) {
  EXPECT_TRUE(admin->IsAdmin());
  EXPECT_TRUE(admin->HasAccess(kOperator)) << "Vek-Admin passes every check";
  EXPECT_FALSE(admin->HasAccess(0));
  EXPECT_FALSE(oper->IsAdmin());
  EXPECT_TRUE(oper->HasAccess(kShift | kTechnical));
  EXPECT_FALSE(oper->HasAccess(kTechnical | kPlantAdmin));
  std::string err;
  CVekAccessUser* plant = access.AddUser("plant", "x", kPlantAdmin, &err);
  ASSERT_NE(plant, nullptr);
  EXPECT_TRUE(plant->IsAdmin());
  EXPECT_FALSE(plant->HasAccess(kOperator)) << "Plant-Admin is not the top group";
  EXPECT_EQ(CVekAccessControl::GetGroupsText(kOperator | kVekAdmin, ", "), "Operator, Vek-Admin");
  EXPECT_EQ(CVekAccessControl::GetGroupName(0), "None");
  EXPECT_EQ(CVekAccessControl::GetGroupName(64), "Plant-Admin");
}

TEST_F(AccessTest, PasswordsAreHashedAndChecked) {
  const std::string file = dir.Read("VTLN-VXC.sys");
  EXPECT_EQ(file.find("secret"), std::string::npos) << "no password in the file";
  EXPECT_NE(file.find("PW=$argon2id$"), std::string::npos);
  EXPECT_EQ(access.Authenticate("admin", "secret"), admin);
  EXPECT_EQ(access.Authenticate(" ADMIN ", "secret"), admin) << "names compare without case";
  EXPECT_EQ(access.Authenticate("admin", "Secret"), nullptr);
  EXPECT_EQ(access.Authenticate("admin", ""), nullptr);
  EXPECT_EQ(access.Authenticate("nobody", "secret"), nullptr);
  EXPECT_TRUE(access.ChangePassword(oper, "new", &error));
  EXPECT_EQ(access.Authenticate("ali", "pw1"), nullptr);
  EXPECT_EQ(access.Authenticate("ali", "new"), oper);
  EXPECT_FALSE(access.ChangePassword(oper, "", &error));
  EXPECT_EQ(error, "The password is empty.");
}

TEST_F(AccessTest, TheFileReadsBackTheSameUsers) {
  CVekAccessControl other;
  ASSERT_TRUE(other.LoadUserFile(dir.File("VTLN-VXC.sys"), true));
  EXPECT_TRUE(other.GetRefusedEntries().empty());
  ASSERT_EQ(other.GetUsers().size(), 3u);
  EXPECT_EQ(other.GetUsers()[1]->GetName(), "Ali");
  EXPECT_EQ(other.GetUsers()[1]->GetGroups(), kOperator | kShift);
  EXPECT_NE(other.Authenticate("reza", "pw2"), nullptr);
}

// Edits of the written file as someone outside the program would make them.
struct Tamper {
  const char* name;
  std::function<std::string(const std::string& file, const std::string& older)> edit;
};

std::string ReplaceFirst(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string LineOf(const std::string& text, const std::string& start, size_t from = 0) {
  const size_t at = text.find(start, from);
  return at == std::string::npos ? std::string() : text.substr(at, text.find("\r\n", at) - at);
}

TEST_F(AccessTest, AnyChangeMadeOutsideTheProgramRefusesTheWholeFile) {
  const std::string path = dir.File("VTLN-VXC.sys");
  // An older copy: Ali still an operator. Then Ali loses the group Shift.
  const std::string older = dir.Read("VTLN-VXC.sys");
  ASSERT_TRUE(access.SetUserGroups(oper, kOperator, &error));
  const std::string current = dir.Read("VTLN-VXC.sys");
  const Tamper cases[] = {
      {"AliTakesTheAdminsGroups",
       [](const std::string& f, const std::string&) {
         return ReplaceFirst(f, LineOf(f, "GRP=", f.find("Name=Ali")), LineOf(f, "GRP="));
       }},
      {"AnOldGroupLinePastedBack",
       [](const std::string& f, const std::string& o) {
         return ReplaceFirst(f, LineOf(f, "GRP=", f.find("Name=Ali")), LineOf(o, "GRP=", o.find("Name=Ali")));
       }},
      {"ANameChanged",
       [](const std::string& f, const std::string&) { return ReplaceFirst(f, "Name=Reza", "Name=Boss"); }},
      {"AnEntryRemoved",
       [](const std::string& f, const std::string&) { return f.substr(0, f.find("\r\n[User-3]")) + "\r\n"; }},
      {"AnEntryCopiedIn",
       [](const std::string& f, const std::string&) {
         return f + "\r\n[User-4]\r\nName=boss\r\n" + LineOf(f, "PW=") + "\r\n" + LineOf(f, "GRP=") + "\r\n";
       }},
      {"TheGenerationChanged",
       [](const std::string& f, const std::string&) { return ReplaceFirst(f, "Generation=", "Generation=9"); }},
      {"TheSealAltered", [](const std::string& f, const std::string&) { return ReplaceFirst(f, "MAC=", "MAC=0"); }},
      {"AnEntryOfTheOlderCopy",
       [](const std::string& f, const std::string& o) {
         const size_t from = o.find("[User-2]");
         const std::string olderEntry = o.substr(from, o.find("[User-3]") - from);
         return f.substr(0, f.find("[User-2]")) + olderEntry + f.substr(f.find("[User-3]"));
       }},
  };
  for (const Tamper& c : cases) {
    const std::string changed = c.edit(current, older);
    ASSERT_NE(changed, current) << c.name;
    dir.Write("VTLN-VXC.sys", changed);
    MessageBoxDouble boxes;
    CVekAccessControl loaded;
    EXPECT_FALSE(loaded.LoadUserFile(path)) << c.name;
    EXPECT_TRUE(loaded.GetUsers().empty()) << c.name << ": nobody logs in with a forged file";
    EXPECT_EQ(loaded.Authenticate("Ali", "pw1"), nullptr) << c.name;
    ASSERT_EQ(boxes.Count(), 1u) << c.name;
    EXPECT_EQ(boxes.Last().text.rfind("User file was changed outside VekFrame and is refused!\n" + path, 0), 0u)
        << c.name << ": " << boxes.Last().text;
    std::string why;
    EXPECT_EQ(loaded.AddUser("x", "y", kVekAdmin, &why), nullptr) << c.name << ": a refused file is not written over";
    EXPECT_EQ(dir.Read("VTLN-VXC.sys"), changed) << c.name;
  }
  // The program's own file, read with other line ends and comments, is taken.
  std::string relaxed = "; a note\n" + current;
  for (size_t at; (at = relaxed.find("\r\n")) != std::string::npos;) relaxed.replace(at, 2, "\n");
  dir.Write("VTLN-VXC.sys", relaxed);
  CVekAccessControl loaded;
  ASSERT_TRUE(loaded.LoadUserFile(path, true)) << loaded.GetLoadError();
  EXPECT_EQ(loaded.GetUsers().size(), 3u);
}

TEST_F(AccessTest, TheFileAndItsKeyAreForTheProgramsUserOnly) {
  struct stat file {}, key {};
  ASSERT_EQ(::stat(dir.File("VTLN-VXC.sys").c_str(), &file), 0);
  ASSERT_EQ(::stat(dir.File("VTLN-VXC.key").c_str(), &key), 0);
  EXPECT_EQ(file.st_mode & 0777, 0600u);
  EXPECT_EQ(key.st_mode & 0777, 0600u);
  EXPECT_EQ(key.st_size, 32);
  EXPECT_EQ(access.GetKeyFile(), dir.File("VTLN-VXC.key"));
  // A key file is never replaced.
  const std::string before = dir.Read("VTLN-VXC.key");
  CVekEncryption::Key other{};
  std::string why;
  EXPECT_FALSE(CVekEncryption::CreateKeyFile(dir.File("VTLN-VXC.key"), &other, &why));
  EXPECT_EQ(dir.Read("VTLN-VXC.key"), before);
  // Keys come from the system's random source, not from the program's
  // seeded generator: two new keys differ.
  CVekEncryption::Key a{}, b{};
  ASSERT_TRUE(CVekEncryption::CreateKeyFile(dir.File("a.key"), &a, &why)) << why;
  ASSERT_TRUE(CVekEncryption::CreateKeyFile(dir.File("b.key"), &b, &why)) << why;
  EXPECT_NE(a, b);
  EXPECT_EQ(GetKeyFileForTest("/x/VTLN-VXC.sys"), "/x/VTLN-VXC.key");
}

TEST_F(AccessTest, EachSaveRaisesTheGeneration) {
  const unsigned long long before = access.GetGeneration();
  ASSERT_TRUE(access.ChangePassword(oper, "pw9", &error));
  EXPECT_EQ(access.GetGeneration(), before + 1);
  CVekAccessControl loaded;
  ASSERT_TRUE(loaded.LoadUserFile(dir.File("VTLN-VXC.sys"), true));
  EXPECT_EQ(loaded.GetGeneration(), before + 1);
  EXPECT_NE(dir.Read("VTLN-VXC.sys").find("Generation=" + std::to_string(before + 1) + "\r\n"), std::string::npos);
}

TEST_F(AccessTest, AMissingKeyFileLeavesEveryUserWithoutGroups) {
  const std::string before = dir.Read("VTLN-VXC.sys");
  ASSERT_EQ(std::remove(dir.File("VTLN-VXC.key").c_str()), 0);
  MessageBoxDouble boxes;
  CVekAccessControl loaded;
  EXPECT_TRUE(loaded.LoadUserFile(dir.File("VTLN-VXC.sys")));
  ASSERT_EQ(loaded.GetUsers().size(), 3u);
  for (const CVekAccessUser* user : loaded.GetUsers()) EXPECT_EQ(user->GetGroups(), 0) << user->GetName();
  EXPECT_NE(loaded.Authenticate("admin", "secret"), nullptr) << "names and passwords still work";
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("The key file of the user file is missing:\n" + dir.File("VTLN-VXC.key")),
            std::string::npos)
      << boxes.Last().text;
  EXPECT_FALSE(loaded.ChangePassword(loaded.GetUsers()[0], "x", &error));
  EXPECT_NE(error.find("key file"), std::string::npos) << error;
  EXPECT_EQ(dir.Read("VTLN-VXC.sys"), before) << "nothing is sealed with a new key";
  EXPECT_FALSE(std::filesystem::exists(dir.File("VTLN-VXC.key")));
}

TEST_F(AccessTest, AnUnsealedFileBesideAKeyFileIsRefused) {
  dir.Write("VTLN-VXC.sys", "[User-1]\r\nName=me\r\nPW=" + CVekEncryption::HashPassword("x") + "\r\nGRP=128\r\n");
  MessageBoxDouble boxes;
  CVekAccessControl loaded;
  EXPECT_FALSE(loaded.LoadUserFile(dir.File("VTLN-VXC.sys")));
  EXPECT_TRUE(loaded.GetUsers().empty());
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text.rfind("User file is not sealed, but its key file exists:\n" + dir.File("VTLN-VXC.sys") +
                                        "\n" + dir.File("VTLN-VXC.key"),
                                    0),
            0u)
      << boxes.Last().text;
}

TEST_F(AccessTest, AnEmptyFileOrNoUserFileIsReported) {
  for (const char* text : {"", "\r\n\r\n", "hello world\n", "[Other]\nx=1\n", "; only a comment\n"}) {
    dir.Write("other.sys", text);
    MessageBoxDouble boxes;
    CVekAccessControl loaded;
    EXPECT_FALSE(loaded.LoadUserFile(dir.File("other.sys"))) << text;
    ASSERT_EQ(boxes.Count(), 1u) << text;
    EXPECT_EQ(boxes.Last().text.rfind("User file is empty or not a user file!\n" + dir.File("other.sys"), 0), 0u)
        << boxes.Last().text;
  }
  ASSERT_EQ(::mkdir(dir.File("folder.sys").c_str(), 0755), 0);
  MessageBoxDouble boxes;
  CVekAccessControl loaded;
  EXPECT_FALSE(loaded.LoadUserFile(dir.File("folder.sys")));
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text.rfind("User file is a folder!\n" + dir.File("folder.sys"), 0), 0u);
}

TEST_F(AccessTest, ASaveDoesNotWriteOverAnotherProgramsChange) {
  CVekAccessControl second;
  ASSERT_TRUE(second.LoadUserFile(dir.File("VTLN-VXC.sys"), true));
  ASSERT_NE(access.AddUser("Sara", "pw3", kOperator, &error), nullptr) << error;
  EXPECT_EQ(second.AddUser("Omid", "pw4", kOperator, &error), nullptr);
  EXPECT_NE(error.find("changed by another program since it was loaded"), std::string::npos) << error;
  CVekAccessControl again;
  ASSERT_TRUE(again.LoadUserFile(dir.File("VTLN-VXC.sys"), true));
  EXPECT_NE(again.FindUser("Sara"), nullptr) << "the first change is kept";
}

TEST(UnsealedUserFile, RefusedEntriesAreKeptWhenTheFileIsSealedAndChanged) {
  // A file made by hand before the first start: the good entries are
  // taken and sealed; a refused one stays in the file as it was.
  TempDir dir;
  CVekEncryption::SetFastHashingForTest(true);
  const std::string pw = CVekEncryption::HashPassword("pw");
  dir.Write("VTLN-VXC.sys", "[User-1]\r\nName=admin\r\nPW=" + pw + "\r\nGRP=128\r\n" +
                                "[User-2]\r\nName=Ali\r\nPW=" + pw + "\r\nGRP=boss\r\n" +
                                "[User-3]\r\nName=admin\r\nPW=" + pw + "\r\nGRP=1\r\n" +
                                "[User-4]\r\nName=Reza\r\nPW=" + pw + "\r\nGRP=256\r\n" +
                                "[User-5]\r\nName=Mina\r\nPW=" + pw + "\r\nGRP=249\r\n");  // every group
  CVekAccessControl loaded;
  MessageBoxDouble boxes;
  ASSERT_TRUE(loaded.LoadUserFile(dir.File("VTLN-VXC.sys")));
  ASSERT_EQ(loaded.GetUsers().size(), 2u);
  ASSERT_NE(loaded.FindUser("Mina"), nullptr);
  EXPECT_EQ(loaded.FindUser("Mina")->GetGroups(), CVekAccessUser::kAllGroups);
  ASSERT_EQ(loaded.GetRefusedEntries().size(), 3u);
  EXPECT_EQ(loaded.GetRefusedEntries()[2], "[User-4] \"Reza\": the groups are not a number of known groups.");
  EXPECT_EQ(loaded.GetRefusedEntries()[0], "[User-2] \"Ali\": the groups are not a number of known groups.");
  EXPECT_NE(loaded.GetRefusedEntries()[1].find("used by an earlier entry"), std::string::npos);
  EXPECT_EQ(boxes.Count(), 1u);
  std::string error;
  ASSERT_NE(loaded.AddUser("Sara", "pw3", kOperator, &error), nullptr) << error;

  CVekAccessControl again;
  ASSERT_TRUE(again.LoadUserFile(dir.File("VTLN-VXC.sys"), true)) << again.GetLoadError();
  EXPECT_EQ(again.GetUsers().size(), 3u);
  ASSERT_EQ(again.GetRefusedEntries().size(), 2u);
  EXPECT_EQ(again.GetRefusedEntries()[0], "[User-4] \"Ali\": the entry was changed outside VekFrame.");
  const std::string text = dir.Read("VTLN-VXC.sys");
  EXPECT_NE(text.find("Name=Ali\r\nPW=" + pw + "\r\nGRP=boss\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Name=admin", text.find("Name=admin") + 1), std::string::npos)
      << "the second admin entry is not kept";
  EXPECT_EQ(again.Authenticate("Ali", "pw"), nullptr);
  CVekEncryption::SetFastHashingForTest(false);
}

TEST_F(AccessTest, AMissingFileIsReportedAndGrantsNothing) {
  MessageBoxDouble boxes;
  CVekAccessControl none;
  EXPECT_FALSE(none.LoadUserFile(dir.File("missing.sys")));
  EXPECT_TRUE(none.GetUsers().empty());
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("missing.sys"), std::string::npos);
}

TEST_F(AccessTest, TheLastVekAdminStays) {
  EXPECT_FALSE(access.RemoveUser(admin, &error));
  EXPECT_EQ(error, "The last Vek-Admin user cannot be removed.");
  EXPECT_FALSE(access.SetUserGroups(admin, kOperator, &error));
  EXPECT_EQ(admin->GetGroups(), kVekAdmin);
  CVekAccessUser* second = access.AddUser("admin2", "x", kVekAdmin, &error);
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(access.RemoveUser(admin, &error));
  EXPECT_TRUE(admin->IsRemoved());
  EXPECT_FALSE(admin->HasAccess(kOperator)) << "a removed user passes no check";
  EXPECT_FALSE(access.RemoveUser(second, &error));
  EXPECT_EQ(access.GetUsers().size(), 3u);
}

TEST_F(AccessTest, NamesAreCheckedWhenAdding) {
  const struct {
    const char* name;
    const char* error;
  } cases[] = {{"", "The user name is empty."},
               {"  ", "The user name is empty."},
               {"ali", "The user \"Ali\" exists already."},
               {"a=b", "The user name may not hold line breaks, '[', ']' or '='."},
               {"a\nb", "The user name may not hold line breaks, '[', ']' or '='."}};
  for (const auto& c : cases) {
    std::string err;
    EXPECT_EQ(access.AddUser(c.name, "pw", kOperator, &err), nullptr) << c.name;
    EXPECT_EQ(err, c.error);
  }
  EXPECT_EQ(access.GetUsers().size(), 3u);
}

TEST_F(AccessTest, AFailedSaveLeavesEverythingAsItWas) {
  ASSERT_EQ(::chmod(dir.File("VTLN-VXC.sys").c_str(), 0444), 0);
  EXPECT_EQ(access.AddUser("new", "pw", kOperator, &error), nullptr);
  EXPECT_NE(error.find("read-only"), std::string::npos) << error;
  EXPECT_FALSE(access.SetUserGroups(oper, kTechnical, &error));
  EXPECT_EQ(oper->GetGroups(), kOperator | kShift);
  EXPECT_FALSE(access.ChangePassword(oper, "other", &error));
  EXPECT_NE(access.Authenticate("Ali", "pw1"), nullptr);
  EXPECT_FALSE(access.RemoveUser(tech, &error));
  EXPECT_EQ(access.GetUsers().size(), 3u);
  ::chmod(dir.File("VTLN-VXC.sys").c_str(), 0644);
}

// ---- Rights checks with a login double ---------------------------------------------

using core_test::LoginDouble;

TEST_F(AccessTest, EmptyListOrFirstZeroRefusesAtOnce) {
  LoginDouble login;
  CVekAccessUser* slot = admin;
  EXPECT_FALSE(CheckAccessOrLogin(&slot, "x", {}));
  EXPECT_EQ(slot, nullptr);
  slot = admin;
  EXPECT_FALSE(CheckAccess(&slot, "x", 0, kOperator));
  EXPECT_EQ(slot, nullptr);
  EXPECT_TRUE(login.purposes.empty());
}

TEST_F(AccessTest, AnEmptySlotAsksForALoginFirst) {
  LoginDouble login;
  MessageBoxDouble boxes;
  login.answers = {oper};
  CVekAccessUser* slot = nullptr;
  EXPECT_TRUE(CheckAccess(&slot, "Shift table", kShift, kTechnical));
  EXPECT_EQ(slot, oper);
  EXPECT_EQ(login.purposes, std::vector<std::string>{"Shift table"});
  // A dialog's slot keeps its user: the next check asks nothing.
  EXPECT_TRUE(CheckAccess(&slot, "Shift table", kShift));
  EXPECT_EQ(login.purposes.size(), 1u);
  EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(AccessTest, AUserWithoutTheGroupIsDeniedAndAskedAgain) {
  LoginDouble login;
  MessageBoxDouble boxes;
  login.answers = {tech, admin};
  CVekAccessUser* slot = nullptr;
  EXPECT_TRUE(CheckAccess(&slot, "Users", kPlantAdmin, kShift));
  EXPECT_EQ(slot, admin);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text,
            "Access Denied!\n\nRequire to login a user from the one of the following Group(s):\n - Shift\n - Plant-Admin");
  EXPECT_EQ(login.purposes.size(), 2u);
}

TEST_F(AccessTest, GivingUpAtTheLoginLeavesTheCommandUndone) {
  LoginDouble login;
  MessageBoxDouble boxes;
  CVekAccessUser* slot = nullptr;
  EXPECT_FALSE(CheckAccess(&slot, "x", kOperator));
  EXPECT_EQ(slot, nullptr);
  login.answers = {tech};  // then gives up
  EXPECT_FALSE(CheckAccess(&slot, "x", kOperator));
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(boxes.Count(), 1u);
  slot = nullptr;
  EXPECT_FALSE(CheckAccessOrLogin(nullptr, "x", {kOperator})) << "no slot: a local one";
}

TEST(AccessLog, LinesAreAppendedWithThePrefixAndNeverTruncated) {
  TempDir dir;
  testing_support::ClockDouble clock(1000, DateFromParts(2024, 3, 20, 9, 5, 7));
  dir.Write("VTLN-Log.log", "old line\r\n");
  SetAccessLogFile(dir.File("VTLN-Log.log"));
  SetAccessLogUser("admin");
  EXPECT_TRUE(WriteAccessLogLine("VekFrame Closed.", true));
  SetAccessLogUser("");
  EXPECT_TRUE(WriteAccessLogLine("two\r\nlines", false));
  EXPECT_TRUE(WriteAccessLogLine("x", true));
  EXPECT_EQ(dir.Read("VTLN-Log.log"),
            "old line\r\n"
            "[2024/03/20 1403/01/01 - 09:05:07] admin: VekFrame Closed.\r\n"
            "two  lines\r\n"
            "[2024/03/20 1403/01/01 - 09:05:07] ?: x\r\n");
  SetAccessLogFile("");
  EXPECT_FALSE(WriteAccessLogLine("nowhere", false));
}

}  // namespace

namespace {

TEST(ShippedUserFile, AFirstStartCopiesItMakesAKeyAndSealsTheCopy) {
  const std::string shipped = testing_support::SourceTopFolder(__FILE__) + "/data/VTLN-VXC.sys";
  TempDir source, dir;
  std::string shippedText;
  ASSERT_TRUE(ReadWholeFile(shipped, &shippedText));
  source.Write("VTLN-VXC.sys", shippedText);  // never touch the shipped file itself
  const std::string defaultFile = source.File("VTLN-VXC.sys");
  const std::string original = source.Read("VTLN-VXC.sys");
  EXPECT_EQ(original.find("[Seal]"), std::string::npos) << "the shipped file carries no seal";

  const std::string path = dir.File("VTLN-VXC.sys");
  CVekAccessControl access;
  MessageBoxDouble boxes;
  ASSERT_TRUE(access.InstallDefaultUserFile(defaultFile, path));
  EXPECT_EQ(boxes.Count(), 0u);
  EXPECT_TRUE(access.GetRefusedEntries().empty());
  CVekAccessUser* admin = access.Authenticate("Admin", "VekAdmin");
  ASSERT_NE(admin, nullptr);
  EXPECT_TRUE(admin->IsVekAdmin());
  EXPECT_TRUE(std::filesystem::exists(dir.File("VTLN-VXC.key")));
  EXPECT_NE(dir.Read("VTLN-VXC.sys").find("[Seal]\r\nGeneration=1\r\n"), std::string::npos);
  EXPECT_EQ(source.Read("VTLN-VXC.sys"), original);

  // Later starts take the sealed copy; the default is not copied again.
  CVekAccessControl later;
  EXPECT_FALSE(later.InstallDefaultUserFile(defaultFile, path));
  EXPECT_TRUE(later.LoadUserFile(path, true));
  std::remove(path.c_str());
  EXPECT_FALSE(later.InstallDefaultUserFile(defaultFile, path)) << "the key file remains";
  CVekAccessControl again;
  EXPECT_FALSE(again.LoadUserFile(path, true));
}

}  // namespace

namespace {

// Two first starts at once: the second one, having found neither file,
// waits for the lock while the first seals the file. It then loads what
// the first sealed, instead of telling the user that sealing failed and
// leaving nobody able to log in.
TEST(ShippedUserFile, AFirstStartThatFindsTheFileSealedMeanwhileLoadsIt) {
  CVekEncryption::SetFastHashingForTest(true);
  TempDir shipped, dir;
  const std::string unsealed = core_test::UnsealedAdmin();
  shipped.Write("VTLN-VXC.sys", unsealed);
  // The first start holds the lock until the second has looked at the
  // folder and read its default file (a pipe would be refused, not waited
  // on): the system tells when the file was read.
  const std::string secondDefault = shipped.File("second.sys");
  shipped.Write("second.sys", unsealed);
  const int watch = ::inotify_init1(IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, secondDefault.c_str(), IN_CLOSE_NOWRITE), 0);
  const std::string path = dir.File("VTLN-VXC.sys");
  std::promise<void> locked;
  std::thread first([&] {
    CFileLock lock(path);
    locked.set_value();
    char event[sizeof(inotify_event) + 256];
    EXPECT_GT(::read(watch, event, sizeof event), 0);  // the second start has looked and read
    CVekAccessControl access;
    EXPECT_TRUE(access.InstallDefaultUserFile(shipped.File("VTLN-VXC.sys"), path, true));
  });
  locked.get_future().wait();
  MessageBoxDouble boxes;
  CVekAccessControl second;
  EXPECT_TRUE(second.InstallDefaultUserFile(secondDefault, path));
  first.join();
  ::close(watch);
  EXPECT_EQ(boxes.Count(), 0u) << (boxes.Count() ? boxes.Last().text : "");
  CVekAccessUser* admin = second.Authenticate("Admin", "VekAdmin");
  ASSERT_NE(admin, nullptr);
  EXPECT_TRUE(admin->IsVekAdmin());
  CVekEncryption::SetFastHashingForTest(false);
}

// A first start that cannot seal the user file: the folder is left as it
// was, one message names the file and the cause, the log never says
// "sealed", and the next start, the cause removed, seals the file and
// Admin logs in.
struct FirstStartFault {
  const char* name;
  bool bFromDefault;  // the shipped default is installed (else an unsealed file is in place)
  std::function<void(const TempDir&)> cause;
  std::function<void(const TempDir&)> remove;
  const char* expectedCause;
};

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A step of the writes of one file fails as the system would report it.
std::function<void(const TempDir&)> FailStep(FileWriteStep failing, const char* fileEnd, int error) {
  return [=](const TempDir&) {
    SetFileWriteFaultForTest([=](FileWriteStep step, const std::string& path) {
      return step == failing && EndsWith(path, fileEnd) ? error : 0;
    });
  };
}

void NoFault(const TempDir&) { SetFileWriteFaultForTest(nullptr); }

class FirstStartFaults : public ::testing::TestWithParam<FirstStartFault> {
 protected:
  void SetUp() override {
    CVekEncryption::SetFastHashingForTest(true);
    unsealed = core_test::UnsealedAdmin();
    shipped.Write("VTLN-VXC.sys", unsealed);
    if (!GetParam().bFromDefault) dir.Write("VTLN-VXC.sys", unsealed);
    SetAccessLogFile(dir.File("VTLN-Log.log"));
  }
  void TearDown() override {
    SetFileWriteFaultForTest(nullptr);
    SetAccessLogFile("");
    CVekEncryption::SetFastHashingForTest(false);
  }
  bool StartOnce(CVekAccessControl& access) {
    return GetParam().bFromDefault ? access.InstallDefaultUserFile(shipped.File("VTLN-VXC.sys"), Path())
                                   : access.LoadUserFile(Path());
  }
  std::string Path() const { return dir.File("VTLN-VXC.sys"); }
  std::vector<std::string> FilesLeft() const { return core_test::FilesLeft(dir.Path()); }

  TempDir shipped, dir;
  std::string unsealed;
};

TEST_P(FirstStartFaults, LeaveTheFolderAsItWasAndTheNextStartSealsTheFile) {
  const FirstStartFault& c = GetParam();
  c.cause(dir);
  {
    MessageBoxDouble boxes;
    CVekAccessControl access;
    EXPECT_FALSE(StartOnce(access));
    ASSERT_EQ(boxes.Count(), 1u);
    const std::string text = boxes.Last().text;
    EXPECT_NE(text.find(Path()), std::string::npos) << text;
    EXPECT_NE(text.find(c.expectedCause), std::string::npos) << text;
    EXPECT_NE(text.find("next start tries again"), std::string::npos) << text;
    EXPECT_TRUE(access.GetUsers().empty()) << "no unsealed groups grant anything";
    EXPECT_EQ(access.Authenticate("Admin", "VekAdmin"), nullptr);
  }
  const std::vector<std::string> asItWas =
      c.bFromDefault ? std::vector<std::string>{} : std::vector<std::string>{"VTLN-VXC.sys"};
  EXPECT_EQ(FilesLeft(), asItWas) << "no key file, no temporary file";
  if (!c.bFromDefault) {
    EXPECT_EQ(dir.Read("VTLN-VXC.sys"), unsealed);
  }
  EXPECT_EQ(dir.Read("VTLN-Log.log").find("sealed"), std::string::npos) << dir.Read("VTLN-Log.log");

  c.remove(dir);
  MessageBoxDouble boxes;
  CVekAccessControl access;
  EXPECT_TRUE(StartOnce(access));
  EXPECT_EQ(boxes.Count(), 0u) << boxes.Last().text;
  CVekAccessUser* admin = access.Authenticate("Admin", "VekAdmin");
  ASSERT_NE(admin, nullptr);
  EXPECT_TRUE(admin->IsVekAdmin());
  EXPECT_EQ(FilesLeft(), (std::vector<std::string>{"VTLN-VXC.key", "VTLN-VXC.sys"}));
  EXPECT_NE(dir.Read("VTLN-Log.log").find("User file sealed with a new key file"), std::string::npos);
  CVekAccessControl third;
  EXPECT_TRUE(third.LoadUserFile(Path(), true)) << third.GetLoadError();
  ASSERT_NE(third.Authenticate("Admin", "VekAdmin"), nullptr);
  EXPECT_TRUE(third.Authenticate("Admin", "VekAdmin")->IsVekAdmin());
}

std::vector<FirstStartFault> FirstStartFaultCases() {
  std::vector<FirstStartFault> cases;
  for (bool fromDefault : {true, false}) {
    cases.push_back({fromDefault ? "DiskFullWritingTheKeyFile_Default" : "DiskFullWritingTheKeyFile_InPlace",
                     fromDefault, FailStep(FileWriteStep::kWrite, ".key", ENOSPC), NoFault, "No space left on device"});
    cases.push_back({fromDefault ? "DiskFullWritingTheUserFile_Default" : "DiskFullWritingTheUserFile_InPlace",
                     fromDefault, FailStep(FileWriteStep::kWrite, ".sys", ENOSPC), NoFault, "No space left on device"});
    cases.push_back({fromDefault ? "UserFileCannotBeReplaced_Default" : "UserFileCannotBeReplaced_InPlace", fromDefault,
                     FailStep(FileWriteStep::kReplace, ".sys", EROFS), NoFault, "Read-only file system"});
    cases.push_back({fromDefault ? "KeyFileCannotBeLinked_Default" : "KeyFileCannotBeLinked_InPlace", fromDefault,
                     FailStep(FileWriteStep::kLink, ".key", EACCES), NoFault, "Permission denied"});
  }
  cases.push_back({"ReadOnlyUserFile", false,
                   [](const TempDir& d) { ::chmod(d.File("VTLN-VXC.sys").c_str(), 0444); },
                   [](const TempDir& d) { ::chmod(d.File("VTLN-VXC.sys").c_str(), 0600); }, "is read-only"});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Faults, FirstStartFaults, ::testing::ValuesIn(FirstStartFaultCases()),
                         [](const ::testing::TestParamInfo<FirstStartFault>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace

namespace {

// The same on a disk that is really full: a small in-memory file system,
// skipped where it cannot be mounted.
TEST(FirstStartOnAFullDisk, LeavesNothingAndTheNextStartSealsTheFile) {
  TempDir dir, shipped;
  if (::mount("tmpfs", dir.Path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") != 0)
    GTEST_SKIP() << "a small file system cannot be mounted here";
  struct Unmount {
    std::string path;
    ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
  } unmount{dir.Path()};
  CVekEncryption::SetFastHashingForTest(true);
  shipped.Write("VTLN-VXC.sys", core_test::UnsealedAdmin());
  {
    std::ofstream filler(dir.File("filler"), std::ios::binary);
    filler << std::string(256 * 1024, 'x');  // more than fits: the disk is full
  }
  {
    MessageBoxDouble boxes;
    CVekAccessControl access;
    EXPECT_FALSE(access.InstallDefaultUserFile(shipped.File("VTLN-VXC.sys"), dir.File("VTLN-VXC.sys")));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_NE(boxes.Last().text.find("No space left on device"), std::string::npos) << boxes.Last().text;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("VTLN-VXC.key")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("VTLN-VXC.sys")));
  std::filesystem::remove(dir.File("filler"));
  MessageBoxDouble boxes;
  CVekAccessControl access;
  EXPECT_TRUE(access.InstallDefaultUserFile(shipped.File("VTLN-VXC.sys"), dir.File("VTLN-VXC.sys")));
  ASSERT_NE(access.Authenticate("Admin", "VekAdmin"), nullptr);
  EXPECT_TRUE(access.Authenticate("Admin", "VekAdmin")->IsVekAdmin());
  CVekEncryption::SetFastHashingForTest(false);
}

}  // namespace
