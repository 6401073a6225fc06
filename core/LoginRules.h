// What the three login dialogs decide, kept apart from their windows so it
// can be checked without a screen: logging in, changing a password (an
// admin may reset another user's without knowing it) and editing the users
// (the last Vek-Admin stays). Each operation returns the text the dialog
// shows: empty on success.
// Thread-safety: user-interface thread (works on the access control).
#pragma once

#include <string>

#include "core/VekAccessControl.h"

// The login dialog's check.
class CLoginRules {
 public:
  explicit CLoginRules(CVekAccessControl* pAccess) : m_pAccess(pAccess) {}
  // The user of the name and password, made the current user and logged;
  // null with the message to show ("Wrong user name or password! ...").
  // After five failures in a row for the name, an attempt within its wait
  // is refused unchecked, and the message says how long to wait. A hash
  // made with a weaker cost is made again on success.
  CVekAccessUser* TryLogin(const std::string& strName, const std::string& strPassword, const std::string& strPurpose,
                           std::string* pMessage);

 private:
  CVekAccessControl* m_pAccess;
};

// The change-password dialog's check. pAdmin (may be null) is the admin
// who resets the password of pUser.
class CChangePasswordRules {
 public:
  CChangePasswordRules(CVekAccessControl* pAccess, CVekAccessUser* pUser, CVekAccessUser* pAdmin)
      : m_pAccess(pAccess), m_pUser(pUser), m_pAdmin(pAdmin) {}
  // False when an admin resets another user's password: the old one is
  // then not asked for.
  bool NeedsOldPassword() const;
  // Checks and stores the new password; the message to show on failure.
  std::string Apply(const std::string& strOld, const std::string& strNew, const std::string& strConfirm);

 private:
  CVekAccessControl* m_pAccess;
  CVekAccessUser* m_pUser;
  CVekAccessUser* m_pAdmin;
};

// The users editor's checks, for the admin pEditor who runs it. Only an
// admin edits users; only a Vek-Admin touches Vek-Admin users or grants
// that group; nobody removes the user he is logged in as.
class CUserEditorRules {
 public:
  CUserEditorRules(CVekAccessControl* pAccess, CVekAccessUser* pEditor) : m_pAccess(pAccess), m_pEditor(pEditor) {}
  bool CanEdit() const { return m_pEditor && m_pEditor->IsAdmin(); }
  // The groups the editor may give (all for a Vek-Admin; all but Vek-Admin
  // for a Plant-Admin).
  int GetGrantableGroups() const;
  std::string AddUser(const std::string& strName, const std::string& strPassword, const std::string& strConfirm,
                      int nGroups, CVekAccessUser** ppAdded = nullptr);
  std::string RemoveUser(CVekAccessUser* pUser);
  std::string SetGroups(CVekAccessUser* pUser, int nGroups);

 private:
  std::string CheckTarget(const CVekAccessUser* pUser) const;
  CVekAccessControl* m_pAccess;
  CVekAccessUser* m_pEditor;
};
