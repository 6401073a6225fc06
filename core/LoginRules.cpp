#include "core/LoginRules.h"

#include "core/AccessLog.h"
#include "core/VekUtils.h"

namespace {
constexpr const char* kWrongLogin = "Wrong user name or password!\nPlease try again.";

std::string MakeWaitText(const std::string& name, int seconds) {
  return FormatText("Too many failed logins for \"%s\".\nThe next try is possible in %d second%s.", name.c_str(),
                    seconds, seconds == 1 ? "" : "s");
}
}  // namespace

CVekAccessUser* CLoginRules::TryLogin(const std::string& strName, const std::string& strPassword,
                                      const std::string& strPurpose, std::string* pMessage) {
  const std::string name = TrimText(strName);
  if (const int wait = m_pAccess ? m_pAccess->GetLoginWaitSeconds(name) : 0; wait > 0) {
    if (pMessage) *pMessage = MakeWaitText(name, wait);
    WriteAccessLogLine("Login refused while waiting: \"" + name + "\" (" + strPurpose + ")", true);
    return nullptr;
  }
  CVekAccessUser* user = m_pAccess ? m_pAccess->Authenticate(name, strPassword) : nullptr;
  if (!user) {
    std::string message = kWrongLogin;
    if (m_pAccess) {
      m_pAccess->NoteLoginFailed(name);
      if (const int wait = m_pAccess->GetLoginWaitSeconds(name); wait > 0) message += "\n\n" + MakeWaitText(name, wait);
    }
    if (pMessage) *pMessage = message;
    WriteAccessLogLine("Login refused: \"" + name + "\" (" + strPurpose + ")", true);
    return nullptr;
  }
  m_pAccess->NoteLoginSucceeded(name);
  m_pAccess->UpgradeWeakHash(user, strPassword);
  m_pAccess->SetCurrentUser(user);
  WriteAccessLogLine("Login: " + user->GetName() + " (" + strPurpose + ")", true);
  if (pMessage) pMessage->clear();
  return user;
}

bool CChangePasswordRules::NeedsOldPassword() const {
  return !(m_pAdmin && m_pAdmin != m_pUser && m_pAdmin->IsAdmin());
}

std::string CChangePasswordRules::Apply(const std::string& strOld, const std::string& strNew,
                                        const std::string& strConfirm) {
  if (!m_pAccess || !m_pUser || m_pUser->IsRemoved()) return "The user does not exist.";
  if (!NeedsOldPassword() && m_pUser->IsVekAdmin() && !m_pAdmin->IsVekAdmin())
    return "Only a Vek-Admin user may reset the password of a Vek-Admin user.";
  if (NeedsOldPassword() && !m_pAccess->Authenticate(m_pUser->GetName(), strOld)) return "The old password is wrong!";
  if (strNew.empty()) return "The new password is empty!";
  if (strNew != strConfirm) return "The new password and its confirmation differ!";
  std::string error;
  if (!m_pAccess->ChangePassword(m_pUser, strNew, &error)) return error;
  return {};
}

int CUserEditorRules::GetGrantableGroups() const {
  if (!CanEdit()) return 0;
  return m_pEditor->IsVekAdmin() ? CVekAccessUser::kAllGroups
                                 : CVekAccessUser::kAllGroups & ~CVekAccessUser::eGroupVekAdmin;
}

std::string CUserEditorRules::CheckTarget(const CVekAccessUser* pUser) const {
  if (!CanEdit()) return "Only an admin user may edit the users.";
  if (!pUser || pUser->IsRemoved()) return "The user does not exist.";
  if (pUser->IsVekAdmin() && !m_pEditor->IsVekAdmin()) return "Only a Vek-Admin user may change a Vek-Admin user.";
  return {};
}

std::string CUserEditorRules::AddUser(const std::string& strName, const std::string& strPassword,
                                      const std::string& strConfirm, int nGroups, CVekAccessUser** ppAdded) {
  if (ppAdded) *ppAdded = nullptr;
  if (!CanEdit()) return "Only an admin user may edit the users.";
  if (nGroups & ~GetGrantableGroups()) return "Only a Vek-Admin user may give the group Vek-Admin.";
  if (strPassword != strConfirm) return "The password and its confirmation differ!";
  std::string error;
  CVekAccessUser* added = m_pAccess->AddUser(strName, strPassword, nGroups, &error);
  if (!added) return error;
  if (ppAdded) *ppAdded = added;
  return {};
}

std::string CUserEditorRules::RemoveUser(CVekAccessUser* pUser) {
  if (std::string why = CheckTarget(pUser); !why.empty()) return why;
  if (pUser == m_pEditor) return "The user who is logged in cannot remove himself.";
  std::string error;
  return m_pAccess->RemoveUser(pUser, &error) ? std::string() : error;
}

std::string CUserEditorRules::SetGroups(CVekAccessUser* pUser, int nGroups) {
  if (std::string why = CheckTarget(pUser); !why.empty()) return why;
  if (nGroups & ~GetGrantableGroups()) return "Only a Vek-Admin user may give the group Vek-Admin.";
  std::string error;
  return m_pAccess->SetUserGroups(pUser, nGroups, &error) ? std::string() : error;
}
