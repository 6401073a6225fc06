#include <gtest/gtest.h>

#include "core/AccessLog.h"
#include "core/LoginRules.h"
#include "core/VekEncryption.h"
#include "support/Doubles.h"

using testing_support::TempDir;

namespace {

constexpr int kOperator = CVekAccessUser::eGroupOperator;
constexpr int kPlantAdmin = CVekAccessUser::eGroupPlantAdmin;
constexpr int kVekAdmin = CVekAccessUser::eGroupVekAdmin;

class LoginRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CVekEncryption::SetFastHashingForTest(true);
    SetAccessLogFile(dir.File("VTLN-Log.log"));
    access.LoadUserFile(dir.File("VTLN-VXC.sys"), true);
    std::string e;
    top = access.AddUser("top", "t", kVekAdmin, &e);
    plant = access.AddUser("plant", "p", kPlantAdmin, &e);
    oper = access.AddUser("oper", "o", kOperator, &e);
    ASSERT_TRUE(top && plant && oper);
  }
  void TearDown() override {
    SetAccessLogFile("");
    CVekEncryption::SetFastHashingForTest(false);
  }
  TempDir dir;
  CVekAccessControl access;
  CVekAccessUser* top = nullptr;
  CVekAccessUser* plant = nullptr;
  CVekAccessUser* oper = nullptr;
};

TEST_F(LoginRulesTest, AWrongPasswordSaysSoAndARightOneLogsIn) {
  CLoginRules rules(&access);
  std::string message;
  EXPECT_EQ(rules.TryLogin("oper", "x", "Shift table", &message), nullptr);
  EXPECT_EQ(message, "Wrong user name or password!\nPlease try again.");
  EXPECT_EQ(access.GetCurrentUser(), nullptr);
  EXPECT_EQ(rules.TryLogin("OPER", "o", "Shift table", &message), oper);
  EXPECT_EQ(message, "");
  EXPECT_EQ(access.GetCurrentUser(), oper);
  const std::string log = dir.Read("VTLN-Log.log");
  EXPECT_NE(log.find("Login refused: \"oper\" (Shift table)"), std::string::npos);
  EXPECT_NE(log.find("] oper: Login: oper (Shift table)"), std::string::npos);
}

TEST_F(LoginRulesTest, ChangingOnesOwnPasswordNeedsTheOldOne) {
  CChangePasswordRules rules(&access, oper, nullptr);
  EXPECT_TRUE(rules.NeedsOldPassword());
  EXPECT_EQ(rules.Apply("bad", "n", "n"), "The old password is wrong!");
  EXPECT_EQ(rules.Apply("o", "", ""), "The new password is empty!");
  EXPECT_EQ(rules.Apply("o", "n1", "n2"), "The new password and its confirmation differ!");
  EXPECT_EQ(rules.Apply("o", "n", "n"), "");
  EXPECT_EQ(access.Authenticate("oper", "n"), oper);
  CChangePasswordRules self(&access, top, top);
  EXPECT_TRUE(self.NeedsOldPassword()) << "an admin changing his own password gives the old one";
}

TEST_F(LoginRulesTest, AnAdminResetsAnotherUsersPasswordWithoutKnowingIt) {
  CChangePasswordRules byPlant(&access, oper, plant);
  EXPECT_FALSE(byPlant.NeedsOldPassword());
  EXPECT_EQ(byPlant.Apply("", "reset", "reset"), "");
  EXPECT_EQ(access.Authenticate("oper", "reset"), oper);
  CChangePasswordRules plantOnTop(&access, top, plant);
  EXPECT_EQ(plantOnTop.Apply("", "x", "x"), "Only a Vek-Admin user may reset the password of a Vek-Admin user.");
  CChangePasswordRules notAdmin(&access, plant, oper);
  EXPECT_TRUE(notAdmin.NeedsOldPassword()) << "a non-admin cannot reset anyone";
  EXPECT_EQ(notAdmin.Apply("", "x", "x"), "The old password is wrong!");
}

TEST_F(LoginRulesTest, EditorRulesKeepTheAdminsSafe) {
  CUserEditorRules byOper(&access, oper);
  EXPECT_FALSE(byOper.CanEdit());
  EXPECT_EQ(byOper.AddUser("x", "1", "1", kOperator), "Only an admin user may edit the users.");

  CUserEditorRules byPlant(&access, plant);
  EXPECT_EQ(byPlant.GetGrantableGroups(), CVekAccessUser::kAllGroups & ~kVekAdmin);
  EXPECT_EQ(byPlant.AddUser("x", "1", "1", kVekAdmin), "Only a Vek-Admin user may give the group Vek-Admin.");
  EXPECT_EQ(byPlant.SetGroups(top, kOperator), "Only a Vek-Admin user may change a Vek-Admin user.");
  EXPECT_EQ(byPlant.RemoveUser(top), "Only a Vek-Admin user may change a Vek-Admin user.");
  EXPECT_EQ(byPlant.RemoveUser(plant), "The user who is logged in cannot remove himself.");
  EXPECT_EQ(byPlant.AddUser("x", "1", "2", kOperator), "The password and its confirmation differ!");
  CVekAccessUser* added = nullptr;
  EXPECT_EQ(byPlant.AddUser("x", "1", "1", kOperator, &added), "");
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(byPlant.SetGroups(added, kOperator | kPlantAdmin), "");
  EXPECT_EQ(byPlant.RemoveUser(added), "");
  EXPECT_EQ(byPlant.RemoveUser(added), "The user does not exist.");

  CUserEditorRules byTop(&access, top);
  EXPECT_EQ(byTop.SetGroups(top, kOperator), "The last Vek-Admin user must stay in the group Vek-Admin.");
  EXPECT_EQ(byTop.RemoveUser(oper), "");
  EXPECT_EQ(access.GetUsers().size(), 2u);
}

}  // namespace
