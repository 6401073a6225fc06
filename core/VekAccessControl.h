// CVekAccessControl: the users of the program, loaded from and saved to the
// user file ("<code>-VXC.sys": sections "User-N" with the keys "Name", "PW"
// and "GRP"; docs/user-file.md), password checks, and the changes the
// users editor makes. Entries changed outside the program, or unreadable,
// are refused with a message and never grant access. Also the rights check
// (CheckAccess, CheckAccessOrLogin) with its replaceable login step.
// Thread-safety: user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/VekAccessUser.h"

class CVekAccessControl {
 public:
  CVekAccessControl();
  virtual ~CVekAccessControl();
  CVekAccessControl(const CVekAccessControl&) = delete;
  CVekAccessControl& operator=(const CVekAccessControl&) = delete;

  // The group table: flag and name, in rising order ("Operator" ... "Vek-Admin").
  struct GroupInfo {
    int nFlag;
    const char* pszName;
  };
  static const std::vector<GroupInfo>& GetGroupTable();
  static std::string GetGroupName(int nFlag);  // "None" for 0 or an unknown flag
  // The names of the groups of the mask joined by the separator.
  static std::string GetGroupsText(int nMask, const std::string& strSeparator);

  // Reads the user file (remembered for saving). Refused entries are shown
  // in one message box (unless bQuiet) and left out. False when the file
  // is missing or unreadable (shown too); the list is then empty.
  bool LoadUserFile(const std::string& strPath, bool bQuiet = false);
  // The texts of the entries the last load refused, one per entry.
  const std::vector<std::string>& GetRefusedEntries() const { return m_refused; }
  const std::string& GetUserFile() const { return m_strPath; }

  // The users, in file order (removed users excluded).
  const std::vector<CVekAccessUser*>& GetUsers() const { return m_users; }
  // The user of the name (compared without case); null when none.
  CVekAccessUser* FindUser(const std::string& strName) const;
  // The user whose name and password match; null otherwise. Takes the same
  // time for an unknown name as for a wrong password.
  CVekAccessUser* Authenticate(const std::string& strName, const std::string& strPassword) const;
  int CountUsersInGroup(int nGroup) const;

  // The users editor's changes; each saves the file and, on failure,
  // leaves everything as it was and says why in strError.
  CVekAccessUser* AddUser(const std::string& strName, const std::string& strPassword, int nGroups,
                          std::string* strError);
  // Refused for the last Vek-Admin.
  bool RemoveUser(CVekAccessUser* pUser, std::string* strError);
  // Refused when it would leave no Vek-Admin.
  bool SetUserGroups(CVekAccessUser* pUser, int nGroups, std::string* strError);
  bool ChangePassword(CVekAccessUser* pUser, const std::string& strNewPassword, std::string* strError);

  // The user who logged in last (named in the log's prefix); may be null.
  CVekAccessUser* GetCurrentUser() const { return m_pCurrentUser; }
  void SetCurrentUser(CVekAccessUser* pUser);

  // The file text of the current users, followed by the refused entries
  // unchanged (what Save writes).
  std::string MakeUserFileText() const;

 private:
  bool Save(std::string* strError);
  bool CheckName(const std::string& strName, const CVekAccessUser* pExcept, std::string* strError) const;

  std::string m_strPath;
  std::vector<std::unique_ptr<CVekAccessUser>> m_owned;  // every user ever made; freed with this object
  std::vector<CVekAccessUser*> m_users;                  // the current users
  std::vector<std::string> m_refused;
  // The refused entries as read (but a second entry of a user's name),
  // written back unchanged so that a change of other users does not silently
  // delete them from the file.
  struct RefusedEntry {
    std::string strName, strPW, strGRP;
  };
  std::vector<RefusedEntry> m_refusedEntries;
  CVekAccessUser* m_pCurrentUser = nullptr;
};

// ---- Rights checks -----------------------------------------------------------

// The login step: asks for a user (the login dialog) with the purpose text;
// returns the user who logged in, or null when the user gave up.
using LoginHandler = std::function<CVekAccessUser*(const std::string& strPurpose)>;
// Replaces the login step (tests; the login dialog registers itself).
// Returns the previous one.
LoginHandler SetLoginHandler(LoginHandler handler);
// Runs the login step (the login dialog unless replaced); null when the
// user gave up.
CVekAccessUser* AskForLogin(const std::string& strPurpose);

// An empty list or a first entry 0 refuses at once (false, *ppUser null).
// With no user in *ppUser the login step runs first and its user becomes
// *ppUser. A user in none of the listed groups (and not Vek-Admin) gets
// "Access Denied!\n\nRequire to login a user from the one of the following
// Group(s):\n - %s", the login step again and a new check. True on access
// with the user in *ppUser; false when the login step gave up.
bool CheckAccessOrLogin(CVekAccessUser** ppUser, const std::string& strPurpose, const std::vector<int>& groups);
// The same with up to eight group flags; the list ends at the first 0.
bool CheckAccess(CVekAccessUser** ppUser, const std::string& strPurpose, int nGroup1, int nGroup2 = 0,
                 int nGroup3 = 0, int nGroup4 = 0, int nGroup5 = 0, int nGroup6 = 0, int nGroup7 = 0,
                 int nGroup8 = 0);
