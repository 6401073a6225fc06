#include "core/VekAccessControl.h"

#include <algorithm>
#include <mutex>
#include <strings.h>

#include "core/AccessLog.h"
#include "core/AtomicFile.h"
#include "core/IniFile.h"
#include "core/LoginDlg.h"
#include "core/VekEncryption.h"
#include "core/VekUtils.h"
#include "platform/Paths.h"
#include "platform/Seams.h"

namespace {

const std::vector<CVekAccessControl::GroupInfo> kGroups = {
    {CVekAccessUser::eGroupOperator, "Operator"},     {CVekAccessUser::eGroupShift, "Shift"},
    {CVekAccessUser::eGroupTechnical, "Technical"},   {CVekAccessUser::eGroupProduction, "Production"},
    {CVekAccessUser::eGroupPlantAdmin, "Plant-Admin"}, {CVekAccessUser::eGroupVekAdmin, "Vek-Admin"},
};

constexpr const char* kSectionPrefix = "User-";
constexpr size_t kMaxNameLength = 64;

bool EqualNoCase(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

std::mutex g_loginMutex;
LoginHandler g_loginHandler;

}  // namespace

CVekAccessControl::CVekAccessControl() { CVekEncryption::Init(); }
CVekAccessControl::~CVekAccessControl() = default;

const std::vector<CVekAccessControl::GroupInfo>& CVekAccessControl::GetGroupTable() { return kGroups; }

std::string CVekAccessControl::GetGroupName(int nFlag) {
  for (const GroupInfo& g : kGroups)
    if (g.nFlag == nFlag) return g.pszName;
  return "None";
}

std::string CVekAccessControl::GetGroupsText(int nMask, const std::string& strSeparator) {
  std::string text;
  for (const GroupInfo& g : kGroups) {
    if (!(nMask & g.nFlag)) continue;
    if (!text.empty()) text += strSeparator;
    text += g.pszName;
  }
  return text.empty() ? std::string("None") : text;
}

bool CVekAccessControl::LoadUserFile(const std::string& strPath, bool bQuiet) {
  m_strPath = strPath;
  m_users.clear();
  m_refused.clear();
  m_refusedEntries.clear();
  m_pCurrentUser = nullptr;
  std::string content;
  std::string error;
  if (!FileExists(strPath) || !ReadWholeFile(strPath, &content, &error)) {
    if (!bQuiet)
      AfxMessageBox("User file not found or not readable!\n" + strPath +
                        "\n\nNo user can log in; guarded commands stay refused.",
                    MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
    return false;
  }
  CIniFile ini(strPath);
  for (const std::string& section : ini.GetSectionNames()) {
    if (strncasecmp(section.c_str(), kSectionPrefix, 5) != 0) continue;
    std::string name, hash, grp;
    ini.ReadString(section, "Name", name);
    ini.ReadString(section, "PW", hash);
    ini.ReadString(section, "GRP", grp);
    int groups = 0;
    std::string reason;
    if (name.empty())
      reason = "the user name is empty";
    else if (!CVekEncryption::IsPasswordHash(hash))
      reason = "the password entry is not readable";
    else if (!CVekEncryption::UnscrambleGroups(name, hash, grp, &groups) || (groups & ~CVekAccessUser::kAllGroups))
      reason = "the entry was changed outside VekFrame";
    else if (FindUser(name))
      reason = "the user name \"" + name + "\" is used by an earlier entry";
    if (!reason.empty()) {
      m_refused.push_back("[" + section + "]" + (name.empty() ? "" : " \"" + name + "\"") + ": " + reason + ".");
      // A second entry of a known name is not kept: it would become valid,
      // and bring a removed user back, once the first one is removed.
      if (!FindUser(name)) m_refusedEntries.push_back({name, hash, grp});
      continue;
    }
    auto user = std::make_unique<CVekAccessUser>();
    user->m_strName = name;
    user->m_strPasswordHash = hash;
    user->m_nGroups = groups;
    m_users.push_back(user.get());
    m_owned.push_back(std::move(user));
  }
  if (!m_refused.empty() && !bQuiet) {
    std::string text = "The following entries of the user file are refused:\n";
    for (const std::string& r : m_refused) text += " - " + r + "\n";
    text += "\nThese users cannot log in.\nUser file: " + strPath;
    AfxMessageBox(text, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
  }
  return true;
}

CVekAccessUser* CVekAccessControl::FindUser(const std::string& strName) const {
  for (CVekAccessUser* user : m_users)
    if (EqualNoCase(user->m_strName, strName)) return user;
  return nullptr;
}

CVekAccessUser* CVekAccessControl::Authenticate(const std::string& strName, const std::string& strPassword) const {
  // A hash of the same cost for unknown names, so the time tells nothing.
  static const std::string dummy = CVekEncryption::HashPassword("VekFrame: no such user");
  CVekAccessUser* user = FindUser(TrimText(strName));
  const bool ok = CVekEncryption::VerifyPassword(user ? user->m_strPasswordHash : dummy, strPassword);
  return ok && user ? user : nullptr;
}

int CVekAccessControl::CountUsersInGroup(int nGroup) const {
  return static_cast<int>(std::count_if(m_users.begin(), m_users.end(),
                                        [&](const CVekAccessUser* u) { return (u->GetGroups() & nGroup) != 0; }));
}

bool CVekAccessControl::CheckName(const std::string& strName, const CVekAccessUser* pExcept,
                                  std::string* strError) const {
  std::string error;
  if (strName.empty())
    error = "The user name is empty.";
  else if (strName.size() > kMaxNameLength)
    error = FormatText("The user name is longer than %zu characters.", kMaxNameLength);
  else if (strName.find_first_of("\r\n[]=") != std::string::npos)
    error = "The user name may not hold line breaks, '[', ']' or '='.";
  else if (const CVekAccessUser* other = FindUser(strName); other && other != pExcept)
    error = "The user \"" + other->m_strName + "\" exists already.";
  if (!error.empty() && strError) *strError = error;
  return error.empty();
}

CVekAccessUser* CVekAccessControl::AddUser(const std::string& strName, const std::string& strPassword, int nGroups,
                                           std::string* strError) {
  const std::string name = TrimText(strName);
  if (!CheckName(name, nullptr, strError)) return nullptr;
  if (strPassword.empty()) {
    if (strError) *strError = "The password is empty.";
    return nullptr;
  }
  auto user = std::make_unique<CVekAccessUser>();
  user->m_strName = name;
  user->m_strPasswordHash = CVekEncryption::HashPassword(strPassword);
  user->m_nGroups = nGroups & CVekAccessUser::kAllGroups;
  if (user->m_strPasswordHash.empty()) {
    if (strError) *strError = "The password could not be protected (out of memory).";
    return nullptr;
  }
  m_users.push_back(user.get());
  if (!Save(strError)) {
    m_users.pop_back();
    return nullptr;
  }
  m_owned.push_back(std::move(user));
  WriteAccessLogLine("User added: " + name + " (" + GetGroupsText(nGroups, ", ") + ")", true);
  return m_owned.back().get();
}

bool CVekAccessControl::RemoveUser(CVekAccessUser* pUser, std::string* strError) {
  const auto it = std::find(m_users.begin(), m_users.end(), pUser);
  if (it == m_users.end()) {
    if (strError) *strError = "The user does not exist.";
    return false;
  }
  if (pUser->IsVekAdmin() && CountUsersInGroup(CVekAccessUser::eGroupVekAdmin) == 1) {
    if (strError) *strError = "The last Vek-Admin user cannot be removed.";
    return false;
  }
  const size_t index = static_cast<size_t>(it - m_users.begin());
  m_users.erase(it);
  if (!Save(strError)) {
    m_users.insert(m_users.begin() + static_cast<long>(index), pUser);
    return false;
  }
  pUser->m_bRemoved = true;
  if (m_pCurrentUser == pUser) SetCurrentUser(nullptr);
  WriteAccessLogLine("User removed: " + pUser->m_strName, true);
  return true;
}

bool CVekAccessControl::SetUserGroups(CVekAccessUser* pUser, int nGroups, std::string* strError) {
  if (!pUser || std::find(m_users.begin(), m_users.end(), pUser) == m_users.end()) {
    if (strError) *strError = "The user does not exist.";
    return false;
  }
  nGroups &= CVekAccessUser::kAllGroups;
  if (pUser->IsVekAdmin() && !(nGroups & CVekAccessUser::eGroupVekAdmin) &&
      CountUsersInGroup(CVekAccessUser::eGroupVekAdmin) == 1) {
    if (strError) *strError = "The last Vek-Admin user must stay in the group Vek-Admin.";
    return false;
  }
  const int before = pUser->m_nGroups;
  if (before == nGroups) return true;
  pUser->m_nGroups = nGroups;
  if (!Save(strError)) {
    pUser->m_nGroups = before;
    return false;
  }
  WriteAccessLogLine("User groups changed: " + pUser->m_strName + " (" + GetGroupsText(nGroups, ", ") + ")", true);
  return true;
}

bool CVekAccessControl::ChangePassword(CVekAccessUser* pUser, const std::string& strNewPassword,
                                       std::string* strError) {
  if (!pUser || std::find(m_users.begin(), m_users.end(), pUser) == m_users.end()) {
    if (strError) *strError = "The user does not exist.";
    return false;
  }
  if (strNewPassword.empty()) {
    if (strError) *strError = "The password is empty.";
    return false;
  }
  const std::string hash = CVekEncryption::HashPassword(strNewPassword);
  if (hash.empty()) {
    if (strError) *strError = "The password could not be protected (out of memory).";
    return false;
  }
  const std::string before = pUser->m_strPasswordHash;
  pUser->m_strPasswordHash = hash;
  if (!Save(strError)) {
    pUser->m_strPasswordHash = before;
    return false;
  }
  WriteAccessLogLine("Password changed: " + pUser->m_strName, true);
  return true;
}

void CVekAccessControl::SetCurrentUser(CVekAccessUser* pUser) {
  m_pCurrentUser = pUser;
  SetAccessLogUser(pUser ? pUser->GetName() : std::string());
}

std::string CVekAccessControl::MakeUserFileText() const {
  std::string text = "; VekFrame users. Written by the program: an entry changed by hand is refused.\r\n";
  int n = 0;
  for (const CVekAccessUser* user : m_users) {
    text += FormatText("\r\n[%s%d]\r\n", kSectionPrefix, ++n);
    text += "Name=" + user->m_strName + "\r\n";
    text += "PW=" + user->m_strPasswordHash + "\r\n";
    text += "GRP=" + CVekEncryption::ScrambleGroups(user->m_strName, user->m_strPasswordHash, user->m_nGroups) +
            "\r\n";
  }
  for (const RefusedEntry& entry : m_refusedEntries) {
    text += FormatText("\r\n[%s%d]\r\n", kSectionPrefix, ++n);
    text += "Name=" + entry.strName + "\r\n";
    text += "PW=" + entry.strPW + "\r\n";
    text += "GRP=" + entry.strGRP + "\r\n";
  }
  return text;
}

bool CVekAccessControl::Save(std::string* strError) {
  if (m_strPath.empty()) {
    if (strError) *strError = "No user file is named.";
    return false;
  }
  std::string error;
  if (!WriteFileAtomic(m_strPath, MakeUserFileText(), &error)) {
    if (strError) *strError = "The user file could not be written:\n" + error;
    return false;
  }
  return true;
}

// ---- Rights checks -------------------------------------------------------------

LoginHandler SetLoginHandler(LoginHandler handler) {
  std::lock_guard lock(g_loginMutex);
  LoginHandler previous = std::move(g_loginHandler);
  g_loginHandler = std::move(handler);
  return previous;
}

CVekAccessUser* AskForLogin(const std::string& strPurpose) {
  LoginHandler handler;
  {
    std::lock_guard lock(g_loginMutex);
    handler = g_loginHandler;
  }
  // Without a replacement the login dialog asks.
  return handler ? handler(strPurpose) : CLoginDlg::AskUser(strPurpose);
}

bool CheckAccessOrLogin(CVekAccessUser** ppUser, const std::string& strPurpose, const std::vector<int>& groups) {
  CVekAccessUser* local = nullptr;
  CVekAccessUser*& user = ppUser ? *ppUser : local;
  if (groups.empty() || groups.front() == 0) {
    user = nullptr;
    return false;
  }
  int mask = 0;
  for (int g : groups) {
    if (g == 0) break;
    mask |= g;
  }
  if (!user) user = AskForLogin(strPurpose);
  while (user) {
    if (user->HasAccess(mask)) return true;
    AfxMessageBox(FormatText("Access Denied!\n\nRequire to login a user from the one of the following Group(s):\n - %s",
                             CVekAccessControl::GetGroupsText(mask, "\n - ").c_str()),
                  MB_OK | MB_ICONHAND);
    user = AskForLogin(strPurpose);
  }
  return false;
}

bool CheckAccess(CVekAccessUser** ppUser, const std::string& strPurpose, int nGroup1, int nGroup2, int nGroup3,
                 int nGroup4, int nGroup5, int nGroup6, int nGroup7, int nGroup8) {
  return CheckAccessOrLogin(ppUser, strPurpose,
                            {nGroup1, nGroup2, nGroup3, nGroup4, nGroup5, nGroup6, nGroup7, nGroup8});
}
