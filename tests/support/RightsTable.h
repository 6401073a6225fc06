// Every rights check of the program in one table: where it is made, its
// purpose text and the groups it admits (Vek-Admin passes every check
// besides). The groups are typed here from what each command is meant to
// allow, not taken from the code, so a group dropped from or added to a
// check is caught. Each test program that can drive a check drives it with
// ExpectGroupsOfCheck: once for each group alone and once for a user of no
// group; every admitted group passes and every other one is refused.
//
// The recipe, recipe-range and new-shift checks are given by the records
// windows' own rules; the change-password command admits every logged-in
// user and is no group check.
//
// The changes of a user (UserChange) are a table of their own: the users
// editor decides them by the group of the user running it, with no login.
// User-interface thread (the test's).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/CoreTestSupport.h"
#include "core/VekAccessControl.h"
#include "core/VekEncryption.h"
#include "support/Doubles.h"

namespace rights_test {

// The group flags, as the user file stores them.
enum : int {
  kOperator = 1,
  kShift = 8,
  kTechnical = 16,
  kProduction = 32,
  kPlantAdmin = 64,
  kVekAdmin = 128,
};

struct RightsCheck {
  const char* site;     // what is checked, for the test's messages
  const char* purpose;  // the purpose text the login step is asked with (a prefix for the action dialogs)
  int groups;           // the groups admitted
};

inline constexpr RightsCheck kActionCommand = {"a command from a device's action dialog", "To command ",
                                               kOperator | kShift | kTechnical | kProduction | kPlantAdmin};
inline constexpr RightsCheck kHammerAutoService = {"the hammers' auto-service button",
                                                   "To change Hammers Auto Service option",
                                                   kOperator | kShift | kProduction};
inline constexpr RightsCheck kHammerOnOff = {"a hammer's on/off button", "To change On/Off state of Hammer",
                                             kOperator | kShift | kProduction};
inline constexpr RightsCheck kHammerApply = {"Apply of the hammer page", "To apply Hammer Setting of Spray Dryer",
                                             kShift | kProduction};
inline constexpr RightsCheck kSafetyDeltaT = {"Apply of the tower-safety delta T pair",
                                              "To apply Tower Safety Critical Delta T", kPlantAdmin};
inline constexpr RightsCheck kSafetyFire = {"Apply of the tower-safety fire pair",
                                            "To apply Tower Safety Fire Detection parameters",
                                            kProduction | kPlantAdmin};
inline constexpr RightsCheck kCalibration = {"Apply of an analog calibrator", "To apply Analog Calibration",
                                             kTechnical};
inline constexpr RightsCheck kPidFactors = {"Save of the loop PID factors", "To apply PID factor changes",
                                            kTechnical | kPlantAdmin};
inline constexpr RightsCheck kTagBrowser = {"opening the tag browser", "To Open RoveDazuvi Verov",
                                            kTechnical | kPlantAdmin};
inline constexpr RightsCheck kRecordInterval = {"the record-interval command",
                                                "To change 'Record Process Information Interval'",
                                                kTechnical | kPlantAdmin};
inline constexpr RightsCheck kUsersEditor = {"the users-editor command", "To open Access Control Users Editor window",
                                             kPlantAdmin};
inline constexpr RightsCheck kRecipes = {"a change in the recipe window", "To change the recipes",
                                         kProduction | kPlantAdmin};
inline constexpr RightsCheck kRecipeRanges = {"a change of the recipe ranges", "To change the recipe ranges",
                                              kProduction | kPlantAdmin};
inline constexpr RightsCheck kNewShift = {"starting a new shift", "To start a new shift",
                                          kShift | kProduction | kPlantAdmin};

// The table: every check above.
inline const std::vector<RightsCheck>& AllRightsChecks() {
  static const std::vector<RightsCheck> all = {kActionCommand, kHammerAutoService, kHammerOnOff,  kHammerApply,
                                               kSafetyDeltaT,  kSafetyFire,        kCalibration,  kPidFactors,
                                               kTagBrowser,    kRecordInterval,    kUsersEditor,  kRecipes,
                                               kRecipeRanges,  kNewShift};
  return all;
}

// Every change of a user the users editor makes, and the editors it
// admits (a Vek-Admin besides): an admin (Plant-Admin) changes the users,
// only a Vek-Admin changes a Vek-Admin user or gives that group, and every
// user changes his own password, giving the old one.
struct UserChange {
  enum Kind { kAdd, kRemove, kSetGroups, kResetPassword, kOwnPassword };
  const char* site;
  Kind kind;
  int targetGroups;  // the groups of the user changed (kAdd, kOwnPassword: none)
  int newGroups;     // the groups given (kAdd, kSetGroups)
  int groups;        // the editors admitted; kEveryUser: every user, of no group too
};
inline constexpr int kEveryUser = -1;
inline const std::vector<UserChange>& AllUserChanges() {
  static const std::vector<UserChange> all = {
      {"adding an Operator user", UserChange::kAdd, 0, kOperator, kPlantAdmin},
      {"adding a Vek-Admin user", UserChange::kAdd, 0, kVekAdmin, 0},
      {"removing an Operator user", UserChange::kRemove, kOperator, 0, kPlantAdmin},
      {"removing a Vek-Admin user", UserChange::kRemove, kVekAdmin, 0, 0},
      {"changing an Operator user's groups", UserChange::kSetGroups, kOperator, kShift | kTechnical, kPlantAdmin},
      {"giving an Operator user the group Vek-Admin", UserChange::kSetGroups, kOperator, kVekAdmin, 0},
      {"changing a Vek-Admin user's groups", UserChange::kSetGroups, kVekAdmin, kVekAdmin | kShift, 0},
      {"resetting an Operator user's password", UserChange::kResetPassword, kOperator, 0, kPlantAdmin},
      {"resetting a Vek-Admin user's password", UserChange::kResetPassword, kVekAdmin, 0, 0},
      {"changing one's own password", UserChange::kOwnPassword, 0, 0, kEveryUser},
  };
  return all;
}

// The groups a check is tried with: each of the six alone, and a user of
// no group (logged in, in none of the groups), whom every check refuses.
inline constexpr int kNoGroup = 0;
inline constexpr int kEveryGroup[] = {kNoGroup, kOperator, kShift, kTechnical, kProduction, kPlantAdmin, kVekAdmin};

inline std::string GroupName(int group) { return CVekAccessControl::GetGroupName(group); }

// One user of exactly each group and one of no group (password "pw"), in
// a user file of its own or added to the users of pAccess, with fast
// password hashing while it lives.
class GroupUsers {
 public:
  explicit GroupUsers(CVekAccessControl* pAccess = nullptr) : m_pAccess(pAccess ? pAccess : &m_access) {
    CVekEncryption::SetFastHashingForTest(true);
    if (!pAccess) m_access.LoadUserFile(m_dir.File("Rights-VXC.sys"), true);
    for (int group : kEveryGroup) {
      std::string error;
      CVekAccessUser* user = m_pAccess->AddUser("rights" + std::to_string(group), "pw", group, &error);
      EXPECT_NE(user, nullptr) << error;
      m_users[group] = user;
    }
  }
  ~GroupUsers() { CVekEncryption::SetFastHashingForTest(false); }
  GroupUsers(const GroupUsers&) = delete;
  GroupUsers& operator=(const GroupUsers&) = delete;
  CVekAccessUser* User(int group) const { return m_users.at(group); }

 private:
  testing_support::TempDir m_dir;
  CVekAccessControl m_access;
  CVekAccessControl* m_pAccess;  // m_access or the caller's
  std::map<int, CVekAccessUser*> m_users;
};

// Runs the guarded command once per group: the login step answers a user
// of that group alone (or of no group), then gives up. run() makes the
// command from a fresh start (no user kept from an earlier run) and
// returns whether it took effect. Checks that it took effect exactly for
// the admitted groups and Vek-Admin, that the login was asked with the
// check's purpose, and that a refusal showed "Access Denied!" naming every
// admitted group.
inline void ExpectGroupsOfCheck(const RightsCheck& check, const GroupUsers& users, core_test::LoginDouble& login,
                                testing_support::MessageBoxDouble& boxes, const std::function<bool()>& run) {
  SCOPED_TRACE(check.site);
  for (int group : kEveryGroup) {
    SCOPED_TRACE("a user of the group " + GroupName(group) + " alone");
    const bool admitted = group == kVekAdmin || (check.groups & group) != 0;
    login.answers = {users.User(group)};
    login.purposes.clear();
    boxes.Clear();
    EXPECT_EQ(run(), admitted) << (admitted ? "refused" : "admitted");
    ASSERT_FALSE(login.purposes.empty()) << "no login was asked";
    EXPECT_EQ(login.purposes.front().rfind(check.purpose, 0), 0u) << login.purposes.front();
    std::vector<std::string> denials;
    for (const MessageBoxRequest& box : boxes.Shown())
      if (box.text.rfind("Access Denied!", 0) == 0) denials.push_back(box.text);
    ASSERT_EQ(denials.size(), admitted ? 0u : 1u);
    if (!admitted) {
      for (int named : kEveryGroup) {
        if ((check.groups & named) == 0) continue;
        EXPECT_NE(denials.front().find(" - " + GroupName(named)), std::string::npos) << denials.front();
      }
    }
  }
}

}  // namespace rights_test
