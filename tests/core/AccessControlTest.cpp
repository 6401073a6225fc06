#include <gtest/gtest.h>

#include <sys/stat.h>

#include <deque>

#include "core/AccessLog.h"
#include "core/IniFile.h"
#include "core/VekAccessControl.h"
#include "core/VekEncryption.h"
#include "support/Doubles.h"

using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

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

TEST_F(AccessTest, TamperedOrUnreadableEntriesAreRefusedWithAMessage) {
  const std::string path = dir.File("VTLN-VXC.sys");
  CIniFile ini(path);
  std::string grpAdmin, pwAdmin;
  ini.ReadString("User-1", "GRP", grpAdmin);
  ini.ReadString("User-1", "PW", pwAdmin);
  // Ali copies the admin's group text, Reza renames himself, and junk entries.
  ASSERT_TRUE(ini.WriteString("User-2", "GRP", grpAdmin));
  ASSERT_TRUE(ini.WriteString("User-3", "Name", "Boss"));
  ASSERT_TRUE(ini.WriteString("User-4", "Name", "x"));
  ASSERT_TRUE(ini.WriteString("User-4", "PW", "plain"));
  ASSERT_TRUE(ini.WriteString("User-5", "Name", "admin"));
  ASSERT_TRUE(ini.WriteString("User-5", "PW", pwAdmin));
  ASSERT_TRUE(ini.WriteString("User-5", "GRP", grpAdmin));
  ASSERT_TRUE(ini.WriteString("User-6", "Name", "y"));
  ASSERT_TRUE(ini.WriteString("User-6", "PW", pwAdmin));
  ASSERT_TRUE(ini.WriteString("User-6", "GRP", "zz"));

  MessageBoxDouble boxes;
  CVekAccessControl loaded;
  ASSERT_TRUE(loaded.LoadUserFile(path));
  ASSERT_EQ(loaded.GetUsers().size(), 1u);
  EXPECT_EQ(loaded.GetUsers()[0]->GetName(), "admin");
  ASSERT_EQ(loaded.GetRefusedEntries().size(), 5u);
  EXPECT_EQ(loaded.GetRefusedEntries()[0], "[User-2] \"Ali\": the entry was changed outside VekFrame.");
  EXPECT_EQ(loaded.GetRefusedEntries()[1], "[User-3] \"Boss\": the entry was changed outside VekFrame.");
  EXPECT_EQ(loaded.GetRefusedEntries()[2], "[User-4] \"x\": the password entry is not readable.");
  EXPECT_NE(loaded.GetRefusedEntries()[3].find("used by an earlier entry"), std::string::npos);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("These users cannot log in."), std::string::npos);
  EXPECT_EQ(loaded.Authenticate("Ali", "pw1"), nullptr);
}

TEST_F(AccessTest, RefusedEntriesSurviveAChangeOfOtherUsers) {
  // An entry the program refuses stays in the file as it was when another
  // user is added: it is never deleted behind the operator's back.
  const std::string path = dir.File("VTLN-VXC.sys");
  {
    CIniFile ini(path);
    ASSERT_TRUE(ini.WriteString("User-2", "GRP", "00112233445566778899aabbccddeeff00112233"));
    // A copy of the admin's entry: refused as a second "admin", and not kept,
    // or removing the admin would bring it back.
    std::string pw, grp;
    ini.ReadString("User-1", "PW", pw);
    ini.ReadString("User-1", "GRP", grp);
    ASSERT_TRUE(ini.WriteString("User-9", "Name", "admin"));
    ASSERT_TRUE(ini.WriteString("User-9", "PW", pw));
    ASSERT_TRUE(ini.WriteString("User-9", "GRP", grp));
  }
  std::string pwAli;
  CIniFile(path).ReadString("User-2", "PW", pwAli);
  CVekAccessControl loaded;
  ASSERT_TRUE(loaded.LoadUserFile(path, true));
  ASSERT_EQ(loaded.GetRefusedEntries().size(), 2u);
  ASSERT_NE(loaded.AddUser("Sara", "pw3", kOperator, &error), nullptr) << error;

  CVekAccessControl again;
  ASSERT_TRUE(again.LoadUserFile(path, true));
  EXPECT_EQ(again.GetUsers().size(), 3u);
  ASSERT_EQ(again.GetRefusedEntries().size(), 1u);
  EXPECT_EQ(again.GetRefusedEntries()[0], "[User-4] \"Ali\": the entry was changed outside VekFrame.");
  const std::string text = dir.Read("VTLN-VXC.sys");
  EXPECT_NE(text.find("Name=Ali\r\nPW=" + pwAli + "\r\nGRP=00112233445566778899aabbccddeeff00112233\r\n"),
            std::string::npos);
  EXPECT_EQ(again.Authenticate("Ali", "pw1"), nullptr);
  EXPECT_EQ(text.find("[User-5]"), std::string::npos) << "the second admin entry is not kept";
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

class LoginDouble {
 public:
  LoginDouble() {
    m_previous = SetLoginHandler([this](const std::string& purpose) {
      purposes.push_back(purpose);
      if (answers.empty()) return static_cast<CVekAccessUser*>(nullptr);
      CVekAccessUser* user = answers.front();
      answers.pop_front();
      return user;
    });
  }
  ~LoginDouble() { SetLoginHandler(m_previous); }
  std::deque<CVekAccessUser*> answers;  // null: the user gives up
  std::vector<std::string> purposes;

 private:
  LoginHandler m_previous;
};

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

TEST(ShippedUserFile, TheDefaultAdminLogsIn) {
  std::string path = __FILE__;
  path = path.substr(0, path.rfind("/tests/")) + "/data/VTLN-VXC.sys";
  CVekAccessControl access;
  ASSERT_TRUE(access.LoadUserFile(path, true));
  EXPECT_TRUE(access.GetRefusedEntries().empty());
  CVekAccessUser* admin = access.Authenticate("Admin", "VekAdmin");
  ASSERT_NE(admin, nullptr);
  EXPECT_TRUE(admin->IsVekAdmin());
}

}  // namespace
