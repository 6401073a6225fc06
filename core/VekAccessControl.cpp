#include "core/VekAccessControl.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <mutex>
#include <unordered_set>
#include <strings.h>
#include <unistd.h>

#include "core/AccessLog.h"
#include "core/AtomicFile.h"
#include "core/LoginDlg.h"
#include "core/UserFile.h"
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

constexpr size_t kMaxNameLength = 64;
constexpr int kUserFileMode = 0600;  // the file holds password hashes
constexpr const char* kNoUserText = "\n\nNo user can log in; guarded commands stay refused.";

// The groups of an unsealed file: a decimal number of known group flags.
bool ParseGroupNumber(const std::string& text, int* groups) {
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  const int value = std::stoi(text);
  if (value & ~CVekAccessUser::kAllGroups) return false;
  *groups = value;
  return true;
}

bool EqualNoCase(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

// A name as compared without case (ASCII letters, as strcasecmp does),
// trimmed: the key of the login failures and of the names taken.
std::string LoginKey(const std::string& name) {
  std::string key = TrimText(name);
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

std::mutex g_loginMutex;
LoginHandler g_loginHandler;

std::mutex g_sealHookMutex;
std::function<void(CVekAccessControl::SealStep)> g_sealHook;

void SealStepReached(CVekAccessControl::SealStep step) {
  std::function<void(CVekAccessControl::SealStep)> hook;
  {
    std::lock_guard lock(g_sealHookMutex);
    hook = g_sealHook;
  }
  if (hook) hook(step);
}

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

std::string CVekAccessControl::GetKeyFileFor(const std::string& strUserFile) {
  const size_t dot = strUserFile.rfind('.');
  const size_t slash = strUserFile.rfind('/');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? strUserFile.substr(0, dot) : strUserFile) + ".key";
}

bool CVekAccessControl::InstallDefaultUserFile(const std::string& strDefaultFile, const std::string& strUserFile,
                                               bool bQuiet) {
  const std::string keyFile = GetKeyFileFor(strUserFile);
  if (NameTaken(strUserFile) || NameTaken(keyFile)) return false;
  BeginLoad(strUserFile);
  std::string content;
  std::string error;
  if (!ReadWholeFile(strDefaultFile, &content, &error))
    return RefuseFile("The shipped user file cannot be read:\n" + error + kNoUserText, bQuiet);
  const UserFileContent file = ParseUserFileText(content);
  if (file.bHasSeal || file.entries.empty())
    return RefuseFile("The shipped user file is not an unsealed user file:\n" + strDefaultFile + kNoUserText, bQuiet);
  return SealOnFirstStart(file.entries, bQuiet);
}

bool CVekAccessControl::RefuseFile(const std::string& strText, bool bQuiet) {
  m_strLoadError = strText;
  if (!bQuiet) AfxMessageBox(strText, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
  return false;
}

bool CVekAccessControl::RefuseHeldElsewhere(const std::string& strHeldBy) {
  m_users.clear();
  m_keyState = KeyState::kNone;
  m_key.fill(0);
  m_strHeldElsewhere = strHeldBy;
  m_strLoadError = "Another start of VekFrame holds the user file to seal it:\n" + m_strPath + "\n" + strHeldBy;
  return false;
}

void CVekAccessControl::BeginLoad(const std::string& strPath) {
  m_strPath = strPath;
  m_strKeyPath = GetKeyFileFor(strPath);
  m_users.clear();
  m_refused.clear();
  m_refusedEntries.clear();
  m_strLoadError.clear();
  m_strHeldElsewhere.clear();
  m_keyState = KeyState::kNone;
  m_nGeneration = 0;
  m_pCurrentUser = nullptr;
}

void CVekAccessControl::ShowRefusedEntries(bool bQuiet) const {
  if (m_refused.empty() || bQuiet) return;
  std::string text = "The following entries of the user file are refused:\n";
  for (const std::string& r : m_refused) text += " - " + r + "\n";
  text += "\nThese users cannot log in.\nUser file: " + m_strPath;
  AfxMessageBox(text, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
}

bool CVekAccessControl::SealOnFirstStart(const std::vector<UserFileEntry>& entries, bool bQuiet) {
  std::string error;
  const auto fail = [&](const std::string& cause) {
    m_users.clear();
    m_refused.clear();
    m_refusedEntries.clear();
    m_keyState = KeyState::kNone;
    m_key.fill(0);
    return RefuseFile("The user file cannot be sealed on this first start, so nothing was changed:\n" + m_strPath +
                          "\n" + cause + "\n\nThe next start tries again." + kNoUserText,
                      bQuiet);
  };
  // Held until both files are in place: another VekFrame starting now
  // waits, then finds the key file and loads the sealed file.
  CFileLock lock(m_strPath);
  if (!lock.IsHeld()) return lock.HasWaitRunOut() ? RefuseHeldElsewhere(lock.GetError()) : fail(lock.GetError());
  // Another VekFrame sealed the file while this one waited: its file is
  // loaded (the lock held, so it is whole).
  if (NameTaken(m_strKeyPath)) return LoadUserFile(m_strPath, bQuiet);
  if (IsMarkedReadOnly(m_strPath)) return fail("The user file is read-only.");
  if (!CVekEncryption::MakeKey(&m_key)) return fail("The random source cannot be used.");
  m_keyState = KeyState::kKnown;
  TakeEntries(entries, false);
  const std::string text = MakeUserFileText(1);

  // One change of the folder: both files are written whole and flushed
  // under temporary names first (a full disk fails here, before anything
  // is in place); then the key file is linked in (never over one), then
  // the sealed user file renamed over the unsealed one. A failed rename
  // removes the key file again. A crash between the link and the rename
  // leaves the key beside the sealed copy it made, which the next start
  // puts in place (CompleteInterruptedSeal).
  const std::string userFile = ResolveFileLink(m_strPath);  // a link stays a link
  // Without a key file no earlier attempt's temporary files can matter:
  // their key sealed nothing that is in place.
  RemoveStaleTempFiles(userFile);
  RemoveStaleTempFiles(m_strKeyPath);
  std::string keyTemp, userTemp;
  bool ok = CVekEncryption::WriteNewKeyFileTemp(m_strKeyPath, m_key, &keyTemp, &error);
  if (ok) {
    SealStepReached(SealStep::kKeyTempWritten);
    ok = WriteTempFileBeside(userFile, text, kUserFileMode, &userTemp, &error);
    if (!ok) error = "The sealed user file cannot be written: " + error;
  }
  if (ok) {
    // The sealed copy's name is on disk before the key's can be, also when
    // the user file is a link into another folder.
    SyncFolderOf(userTemp);
    SealStepReached(SealStep::kUserTempWritten);
    ok = LinkTempFileAsNew(keyTemp, m_strKeyPath, &error);
  }
  if (ok) {
    SealStepReached(SealStep::kKeyLinked);
    if (ReplaceWithTempFile(userTemp, userFile, &error)) {
      userTemp.clear();
      SealStepReached(SealStep::kUserFileReplaced);
    } else {
      // The key goes for good before its sealed copy does.
      ::unlink(m_strKeyPath.c_str());
      SyncFolderOf(m_strKeyPath);
      ok = false;
    }
  }
  if (!keyTemp.empty()) ::unlink(keyTemp.c_str());
  if (!userTemp.empty()) ::unlink(userTemp.c_str());
  if (!ok) return fail(error);
  m_nGeneration = 1;
  WriteAccessLogLine("User file sealed with a new key file: " + m_strPath + ", " + m_strKeyPath, true);
  ShowRefusedEntries(bQuiet);
  return true;
}

namespace {

// Says in the log, once per name in a process, that a temporary name of
// the user or key file is borne by something that is not a file, which is
// left alone.
void LogTempNotAFile(const std::string& temp, const std::string& kind) {
  static std::mutex s_mutex;
  static std::unordered_set<std::string> s_said;
  {
    std::lock_guard lock(s_mutex);
    if (!s_said.insert(temp).second) return;
  }
  WriteAccessLogLine(NotAFileText(temp, kind) + " It is no copy of an interrupted sealing and is left alone.", true);
}

}  // namespace

bool CVekAccessControl::CompleteInterruptedSeal(const std::string& strUserFile, std::string* pHeldBy) {
  const std::string userFile = ResolveFileLink(strUserFile);
  const std::string keyFile = GetKeyFileFor(strUserFile);
  if (ListTempFilesOf(userFile).empty() && ListTempFilesOf(keyFile).empty()) return false;
  // The lock of the sealing and of every write: no temporary file found
  // under it is being written. A lock held beyond the wait is another
  // start that seals the file right now.
  CFileLock lock(strUserFile);
  if (!lock.IsHeld() && lock.HasWaitRunOut() && pHeldBy) *pHeldBy = lock.GetError();
  CVekEncryption::Key key{};
  if (!lock.IsHeld() || !CVekEncryption::ReadKeyFile(keyFile, &key, nullptr)) return false;
  std::string content;
  const bool missing = !NameTaken(userFile);
  const bool unsealed = FileExists(userFile) && ReadWholeFile(userFile, &content) && !ParseUserFileText(content).bHasSeal;
  bool placed = false;
  if (missing || unsealed) {
    // Only a copy sealed with the key on disk, as a first sealing makes it
    // (generation 1), is taken: it proves the key was made for it. Copies
    // of an older, abandoned key do not verify; a link is never followed.
    for (const std::string& temp : ListTempFilesOf(userFile)) {
      unsigned long long generation = 0;
      if (const std::string kind = NonFileKind(temp, false); !kind.empty()) {
        LogTempNotAFile(temp, kind);
        continue;
      }
      const bool sealed = ReadWholeFile(temp, &content, nullptr, false) &&
                          CheckUserFileSeal(ParseUserFileText(content), key, &generation) && generation == 1;
      if (!sealed) continue;
      std::string error;
      if (!ReplaceWithTempFile(temp, userFile, &error)) {
        WriteAccessLogLine("The interrupted sealing of the user file cannot be completed: " + error, true);
        break;
      }
      placed = true;
      WriteAccessLogLine("The interrupted sealing of the user file was completed: " + strUserFile + ", " + keyFile,
                         true);
      RemoveStaleTempFiles(userFile);
      break;
    }
  }
  // The temporary name of the key file that an interrupted sealing left
  // linked to it: a second name of the same key, not needed.
  for (const std::string& temp : ListTempFilesOf(keyFile)) {
    if (const std::string kind = NonFileKind(temp, false); !kind.empty()) {
      LogTempNotAFile(temp, kind);
      continue;
    }
    CVekEncryption::Key other{};
    if (CVekEncryption::ReadKeyFile(temp, &other, nullptr, false) && other == key && ::unlink(temp.c_str()) == 0)
      WriteAccessLogLine("A second name of the key file, left by an interrupted sealing, was removed: " + temp, true);
    other.fill(0);
  }
  key.fill(0);
  return placed;
}

bool CVekAccessControl::LoadUserFile(const std::string& strPath, bool bQuiet) { return Load(strPath, bQuiet, true); }

bool CVekAccessControl::Load(const std::string& strPath, bool bQuiet, bool bMayRepair) {
  BeginLoad(strPath);
  const std::string noUser = kNoUserText;
  std::string content;
  std::string error;
  if (const std::string kind = NonFileKind(strPath); !kind.empty())
    return RefuseFile("User file is " + kind + "!\n" + strPath + noUser, bQuiet);
  const bool keyExists = NameTaken(m_strKeyPath);
  // A key beside a missing or unsealed user file: a sealing that was
  // interrupted, or is under way in another VekFrame right now, is
  // completed (or waited for) before the file is judged. One that another
  // start still holds after the wait is that start's: this start is the
  // second one.
  const auto readAgain = [&] {
    std::string heldBy;
    CompleteInterruptedSeal(strPath, &heldBy);
    if (!heldBy.empty()) return RefuseHeldElsewhere(heldBy);
    return Load(strPath, bQuiet, false);
  };
  if (!FileExists(strPath) && keyExists && bMayRepair) return readAgain();
  if (!FileExists(strPath) || !ReadWholeFile(strPath, &content, &error))
    return RefuseFile("User file not found or not readable!\n" + strPath + noUser, bQuiet);
  const UserFileContent file = ParseUserFileText(content);
  if (file.entries.empty() && !file.bHasSeal)
    return RefuseFile("User file is empty or not a user file!\n" + strPath + noUser, bQuiet);

  if (!file.bHasSeal && keyExists && bMayRepair) return readAgain();
  std::string keyError;
  const bool keyRead = keyExists && CVekEncryption::ReadKeyFile(m_strKeyPath, &m_key, &keyError);
  if (!file.bHasSeal) {
    if (keyExists)
      return RefuseFile("User file is not sealed, but its key file exists:\n" + strPath + "\n" + m_strKeyPath +
                            "\n\nThe file was replaced outside VekFrame and is refused; restore the sealed user "
                            "file from a backup." + noUser,
                        bQuiet);
    // A first start: the shipped default (or a file made by hand) gets the
    // installation's key and is sealed with it, or nothing changes.
    return SealOnFirstStart(file.entries, bQuiet);
  } else if (!keyRead) {
    // Without the key nothing in the file can be trusted: the users keep
    // their names and passwords, but no group.
    m_keyState = KeyState::kMissing;
    TakeEntries(file.entries, true);
    m_strLoadError = (keyExists ? keyError : "The key file of the user file is missing:\n" + m_strKeyPath) +
                     "\n\nThe groups of every user read as None, so every guarded command stays refused. "
                     "Restore the key file from a backup.\nUser file: " + strPath;
    if (!bQuiet) AfxMessageBox(m_strLoadError, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
    return true;
  } else if (!CheckUserFileSeal(file, m_key, &m_nGeneration)) {
    m_keyState = KeyState::kNone;
    return RefuseFile("User file was changed outside VekFrame and is refused!\n" + strPath +
                          "\n\nIts seal does not match its entries (an entry was edited, added, removed or "
                          "pasted from another copy). Restore the file from a backup." + noUser,
                      bQuiet);
  } else {
    m_keyState = KeyState::kKnown;
    TakeEntries(file.entries, true);
  }
  ShowRefusedEntries(bQuiet);
  return true;
}

void CVekAccessControl::TakeEntries(const std::vector<UserFileEntry>& entries, bool bSealed) {
  // The names taken so far, in lower case: one look-up per entry keeps the
  // reading linear in the number of users.
  std::unordered_set<std::string> taken;
  for (const CVekAccessUser* user : m_users) taken.insert(LoginKey(user->m_strName));
  for (const UserFileEntry& entry : entries) {
    const std::string& name = entry.strName;
    int groups = 0;
    std::string reason;
    const bool nameFits = name.size() <= kMaxNameLength && name.find_first_of("\r\n[]=") == std::string::npos;
    if (name.empty())
      reason = "the user name is empty";
    else if (name.size() > kMaxNameLength)
      reason = FormatText("the user name is longer than %zu characters", kMaxNameLength);
    else if (!nameFits)
      reason = "the user name holds '[', ']' or '='";
    else if (!CVekEncryption::IsPasswordHash(entry.strPW))
      reason = "the password entry is not readable";
    else if (!bSealed && !ParseGroupNumber(entry.strGRP, &groups))
      reason = "the groups are not a number of known groups";
    else if (bSealed && m_keyState == KeyState::kKnown &&
             (!CVekEncryption::UnscrambleGroups(m_key, name, entry.strPW, entry.strGRP, &groups) ||
              (groups & ~CVekAccessUser::kAllGroups)))
      reason = "the entry was changed outside VekFrame";
    else if (taken.count(LoginKey(name)) != 0)
      reason = "the user name \"" + name + "\" is used by an earlier entry";
    if (!reason.empty()) {
      // A name or section of any length is quoted by its first 80 bytes.
      const std::string section = CapUtf8(entry.strSection, 80);
      m_refused.push_back("[" + section + (section.size() < entry.strSection.size() ? "...]" : "]") +
                          (name.empty() ? "" : " " + QuoteForMessage(name)) + ": " + reason + ".");
      // A second entry of a known name is not kept: it would become valid,
      // and bring a removed user back, once the first one is removed. Nor
      // is a name no user can bear: it could never be restored, and a huge
      // one would slow every start.
      if (nameFits && taken.count(LoginKey(name)) == 0) m_refusedEntries.push_back({name, entry.strPW, entry.strGRP});
      continue;
    }
    auto user = std::make_unique<CVekAccessUser>();
    user->m_strName = name;
    user->m_strPasswordHash = entry.strPW;
    user->m_nGroups = groups;
    taken.insert(LoginKey(name));
    m_users.push_back(user.get());
    m_owned.push_back(std::move(user));
  }
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


int CVekAccessControl::GetLoginWaitSeconds(const std::string& strName) const {
  const auto it = m_loginFailures.find(LoginKey(strName));
  if (it == m_loginFailures.end() || it->second.nCount < kFreeLoginFailures) return 0;
  const std::uint64_t waitMs =
      1000ULL * static_cast<std::uint64_t>(std::min(it->second.nCount - kFreeLoginFailures + 1, kMaxLoginWaitSec));
  const std::uint64_t passed = GetTickCount64() - it->second.nLastMs;
  return passed >= waitMs ? 0 : static_cast<int>((waitMs - passed + 999) / 1000);
}

void CVekAccessControl::NoteLoginFailed(const std::string& strName) {
  // Names nobody bears count too, so the wait tells nothing about which
  // names exist; a flood of made-up names cannot fill the memory.
  constexpr size_t kMaxNames = 1000;
  if (m_loginFailures.size() >= kMaxNames) {
    for (auto it = m_loginFailures.begin(); it != m_loginFailures.end();)
      it = it->second.nCount < kFreeLoginFailures ? m_loginFailures.erase(it) : std::next(it);
  }
  LoginFailures& failures = m_loginFailures[LoginKey(strName)];
  ++failures.nCount;
  failures.nLastMs = GetTickCount64();
}

void CVekAccessControl::NoteLoginSucceeded(const std::string& strName) { m_loginFailures.erase(LoginKey(strName)); }

bool CVekAccessControl::UpgradeWeakHash(CVekAccessUser* pUser, const std::string& strPassword) {
  if (!pUser || pUser->IsRemoved() || !CVekEncryption::IsWeakHash(pUser->m_strPasswordHash)) return false;
  if (!CVekEncryption::VerifyPassword(pUser->m_strPasswordHash, strPassword)) return false;
  const std::string hash = CVekEncryption::HashPassword(strPassword);
  if (hash.empty()) return false;
  const std::string before = pUser->m_strPasswordHash;
  pUser->m_strPasswordHash = hash;
  std::string error;
  if (!Save(&error)) {
    pUser->m_strPasswordHash = before;
    WriteAccessLogLine("The password hash of " + pUser->m_strName + " could not be strengthened: " + error, true);
    return false;
  }
  WriteAccessLogLine("Password hash strengthened: " + pUser->m_strName, true);
  return true;
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

std::string CVekAccessControl::MakeUserFileText(unsigned long long nGeneration) const {
  if (m_keyState != KeyState::kKnown) return {};
  std::vector<UserFileEntry> entries;
  for (const CVekAccessUser* user : m_users) {
    const std::string& name = user->m_strName;
    const std::string& hash = user->m_strPasswordHash;
    entries.push_back({"", name, hash, CVekEncryption::ScrambleGroups(m_key, name, hash, user->m_nGroups)});
  }
  for (const RefusedEntry& entry : m_refusedEntries) entries.push_back({"", entry.strName, entry.strPW, entry.strGRP});
  return MakeSealedUserFileText(entries, nGeneration, m_key);
}

bool CVekAccessControl::Save(std::string* strError) {
  const auto fail = [&](const std::string& text) {
    if (strError) *strError = text;
    return false;
  };
  if (m_strPath.empty()) return fail("No user file is named.");
  if (m_strKeyPath.empty()) m_strKeyPath = GetKeyFileFor(m_strPath);
  if (m_keyState == KeyState::kMissing)
    return fail("The key file of the users is missing, so the user file cannot be sealed:\n" + m_strKeyPath);
  // Held until the file is replaced: another VekFrame saving meanwhile
  // would otherwise lose this change or that one.
  CFileLock lock(m_strPath);
  if (!lock.IsHeld()) return fail("The user file is not written:\n" + lock.GetError());
  std::string error;
  if (m_keyState == KeyState::kNone) {
    // No file was loaded: the first save makes the key, or takes the one
    // the installation has.
    const bool made = !FileExists(m_strKeyPath) && CVekEncryption::CreateKeyFile(m_strKeyPath, &m_key, &error);
    if (!made && !CVekEncryption::ReadKeyFile(m_strKeyPath, &m_key, &error)) return fail(error);
    m_keyState = KeyState::kKnown;
  }
  std::string onDisk;
  if (FileExists(m_strPath) && ReadWholeFile(m_strPath, &onDisk)) {
    const UserFileContent current = ParseUserFileText(onDisk);
    unsigned long long generation = 0;
    if (current.bHasSeal && (!CheckUserFileSeal(current, m_key, &generation) || generation != m_nGeneration))
      return fail("The user file was changed by another program since it was loaded; it is not written over. "
                  "Start VekFrame again to see the current users.\n" + m_strPath);
  }
  if (!WriteFileAtomic(m_strPath, MakeUserFileText(m_nGeneration + 1), &error, kUserFileMode))
    return fail("The user file could not be written:\n" + error);
  ++m_nGeneration;
  return true;
}

void CVekAccessControl::SetSealStepHookForTest(std::function<void(SealStep step)> hook) {
  std::lock_guard lock(g_sealHookMutex);
  g_sealHook = std::move(hook);
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
