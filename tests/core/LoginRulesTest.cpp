#include <gtest/gtest.h>
#include <sodium.h>

#include <cstdint>

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

TEST_F(LoginRulesTest, AfterFiveFailuresEachTryWaitsOneSecondLonger) {
  testing_support::ClockDouble clock;
  CLoginRules rules(&access);
  std::string message;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(rules.TryLogin("oper", "bad", "x", &message), nullptr);
    EXPECT_EQ(message, "Wrong user name or password!\nPlease try again.") << "no wait before the fifth failure";
  }
  EXPECT_EQ(rules.TryLogin(" OPER ", "bad", "x", &message), nullptr);
  EXPECT_EQ(message, "Wrong user name or password!\nPlease try again.\n\nToo many failed logins for \"OPER\".\n"
                     "The next try is possible in 1 second.");
  // Within the wait even the right password is not checked.
  EXPECT_EQ(rules.TryLogin("oper", "o", "x", &message), nullptr);
  EXPECT_EQ(message, "Too many failed logins for \"oper\".\nThe next try is possible in 1 second.");
  EXPECT_EQ(rules.TryLogin("plant", "p", "x", &message), plant) << "other names do not wait";
  // Each further failure waits one second longer, up to 30 s.
  const struct {
    int failures;  // in a row, after this try
    int wait;      // seconds before the next try
  } steps[] = {{6, 2}, {7, 3}, {8, 4}, {20, 16}, {34, 30}, {40, 30}};
  int failures = 5;
  int wait = 1;
  for (const auto& step : steps) {
    while (failures < step.failures) {
      clock.Advance(static_cast<std::uint64_t>(wait) * 1000 - 1);
      ASSERT_EQ(rules.TryLogin("oper", "bad", "x", &message), nullptr);
      ASSERT_EQ(message.rfind("Too many failed logins", 0), 0u) << "one millisecond early: " << message;
      clock.Advance(1);
      ASSERT_EQ(rules.TryLogin("oper", "bad", "x", &message), nullptr);
      ++failures;
      wait = access.GetLoginWaitSeconds("oper");
    }
    EXPECT_EQ(wait, step.wait) << "after " << step.failures << " failures";
  }
  clock.Advance(30000);
  EXPECT_EQ(rules.TryLogin("oper", "o", "x", &message), oper);
  EXPECT_EQ(access.GetLoginWaitSeconds("oper"), 0) << "a success starts the count again";
  EXPECT_EQ(rules.TryLogin("oper", "bad", "x", &message), nullptr);
  EXPECT_EQ(message, "Wrong user name or password!\nPlease try again.");
  EXPECT_NE(dir.Read("VTLN-Log.log").find("Login refused while waiting: \"oper\""), std::string::npos);
}

TEST_F(LoginRulesTest, AWeakHashIsMadeAgainAtTheNextLogin) {
  // A hash of the lowest cost, as an older program would have made it.
  char weak[crypto_pwhash_STRBYTES];
  ASSERT_EQ(crypto_pwhash_str(weak, "w", 1, crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN), 0);
  ASSERT_TRUE(CVekEncryption::IsWeakHash(weak));
  TempDir other;
  other.Write("VTLN-VXC.sys", std::string("[User-1]\r\nName=old\r\nPW=") + weak + "\r\nGRP=1\r\n");
  CVekAccessControl users;
  ASSERT_TRUE(users.LoadUserFile(other.File("VTLN-VXC.sys"), true)) << users.GetLoadError();
  const unsigned long long generation = users.GetGeneration();
  CLoginRules rules(&users);
  std::string message;
  CVekAccessUser* user = rules.TryLogin("old", "w", "x", &message);
  ASSERT_NE(user, nullptr) << message;
  EXPECT_EQ(users.GetGeneration(), generation + 1) << "saved";
  const std::string text = other.Read("VTLN-VXC.sys");
  EXPECT_EQ(text.find(weak), std::string::npos) << "the weak hash is gone";
  CVekAccessControl again;
  ASSERT_TRUE(again.LoadUserFile(other.File("VTLN-VXC.sys"), true));
  ASSERT_NE(again.Authenticate("old", "w"), nullptr);
  EXPECT_EQ(again.GetUsers()[0]->GetGroups(), kOperator);
  // A hash of today's cost stays as it is.
  const std::string before = dir.Read("VTLN-VXC.sys");
  EXPECT_EQ(rules.TryLogin("old", "w", "x", &message), user);
  EXPECT_EQ(users.GetGeneration(), generation + 1);
  CLoginRules(&access).TryLogin("oper", "o", "x", &message);
  EXPECT_EQ(dir.Read("VTLN-VXC.sys"), before);
}

}  // namespace
