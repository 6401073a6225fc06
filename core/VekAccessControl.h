// CVekAccessControl: the users of the program, loaded from and saved to the
// user file ("<code>-VXC.sys": sections "User-N" with the keys "Name", "PW"
// and "GRP", sealed as a whole with the installation's key file
// "<code>-VXC.key"; docs/user-file.md), password checks with a back-off
// after repeated failures, and the changes the users editor makes. A file
// changed outside the program is refused with a message and never grants
// access. Also the rights check (CheckAccess, CheckAccessOrLogin) with its
// replaceable login step.
// Thread-safety: user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <cstdint>
#include <map>

#include "core/VekAccessUser.h"
#include "core/VekEncryption.h"

struct UserFileEntry;

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

  // The key file of a user file: its name with ".key" in place of ".sys".
  static std::string GetKeyFileFor(const std::string& strUserFile);
  // A first start from the shipped default: when neither strUserFile nor
  // its key file exists, takes the users of the (unsealed) default file,
  // makes a new key and puts the sealed user file and the key file in
  // place as one change, then is loaded as LoadUserFile would leave it.
  // Either both files are on disk and the log says "sealed", or the folder
  // is as it was: a failure (a full disk, a read-only file) shows one
  // message naming the file and the cause (unless bQuiet), leaves no user
  // and is tried again at the next start. False when either file exists
  // (nothing is done) or on a failure. Another VekFrame that sealed the
  // file while this one waited for its lock: that file is loaded instead,
  // and the answer is LoadUserFile's.
  bool InstallDefaultUserFile(const std::string& strDefaultFile, const std::string& strUserFile, bool bQuiet = false);

  // Finishes a first start's sealing that was interrupted (a crash, a kill
  // or a power cut) after the key file was put in place but before the
  // sealed user file was: with the key file readable and the user file
  // missing or carrying no seal, a temporary sealed copy beside it
  // ("<file>.vektmp-XXXXXX", a regular file) whose seal that key verifies
  // at generation 1 is renamed over the user file, and the log says so.
  // Also removes a temporary second name of the key file that such an
  // interruption left. Looks at the folder only; takes the user file's
  // lock (so it never meets a sealing under way) only when temporary files
  // are there. True when it put a sealed copy in place. Nothing but a
  // regular file is read (never a FIFO, which would block, nor a link);
  // other names are left alone, said in the log. When another start holds
  // the lock beyond the wait (it seals the file right now), *pHeldBy gets
  // the lock's reason, naming that process.
  static bool CompleteInterruptedSeal(const std::string& strUserFile, std::string* pHeldBy = nullptr);

  // Reads the user file (remembered for saving) with its key file:
  // - an unsealed file without a key file (a first start) gets a new key
  //   and is sealed, as one change as InstallDefaultUserFile makes it (a
  //   failure gives no user, false, and the next start tries again);
  // - a sealed file whose seal matches gives its users; refused entries are
  //   shown in one message box and left out;
  // - a sealed file without its key file gives its users with no group
  //   (None), and the message names the missing key file; nothing is saved;
  // - a missing, unreadable or empty file, one that is no user file, an
  //   unsealed file beside a key file and a file whose seal does not match
  //   give no user and a message naming the file; false; so does anything
  //   but a file in its place (a FIFO, a link to a missing file), named as
  //   what it is;
  // - a user file that another start of VekFrame holds beyond the lock's
  //   wait (it seals the file right now) gives no user and no box: false,
  //   with GetHeldElsewhere saying so, and the caller refuses the start as
  //   a second instance.
  // A first start's sealing that was interrupted is completed first
  // (CompleteInterruptedSeal). Messages are shown unless bQuiet.
  bool LoadUserFile(const std::string& strPath, bool bQuiet = false);
  // The texts of the entries the last load refused, one per entry.
  const std::vector<std::string>& GetRefusedEntries() const { return m_refused; }
  // The message of the last load's fault of the whole file; empty when the
  // file was taken.
  const std::string& GetLoadError() const { return m_strLoadError; }
  // Why the last load could not look at the user file because another
  // start holds it (the lock's reason, naming the process); empty when it
  // could.
  const std::string& GetHeldElsewhere() const { return m_strHeldElsewhere; }
  const std::string& GetUserFile() const { return m_strPath; }
  const std::string& GetKeyFile() const { return m_strKeyPath; }
  // The generation of the file as loaded or last saved (0: never sealed).
  unsigned long long GetGeneration() const { return m_nGeneration; }

  // The users, in file order (removed users excluded).
  const std::vector<CVekAccessUser*>& GetUsers() const { return m_users; }
  // The user of the name (compared without case); null when none.
  CVekAccessUser* FindUser(const std::string& strName) const;
  // The user whose name and password match; null otherwise. Takes the same
  // time for an unknown name as for a wrong password.
  CVekAccessUser* Authenticate(const std::string& strName, const std::string& strPassword) const;
  int CountUsersInGroup(int nGroup) const;

  // The back-off of logins: after kFreeLoginFailures failed logins in a row
  // for one name (compared without case), each further attempt waits one
  // second longer than the one before, at most kMaxLoginWaitSec seconds.
  static constexpr int kFreeLoginFailures = 5;
  static constexpr int kMaxLoginWaitSec = 30;
  // Seconds (rounded up) before the name may try again; 0 when it may now.
  int GetLoginWaitSeconds(const std::string& strName) const;
  void NoteLoginFailed(const std::string& strName);
  void NoteLoginSucceeded(const std::string& strName);
  // Hashes the password of the user again when the stored hash is weaker
  // than new hashes are, and saves; false when nothing was upgraded.
  bool UpgradeWeakHash(CVekAccessUser* pUser, const std::string& strPassword);

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
  // unchanged, sealed as generation nGeneration (what Save writes); empty
  // while no key is known.
  std::string MakeUserFileText(unsigned long long nGeneration) const;

  // Test seam: the steps of a first start's sealing, in their order; the
  // hook is called after each one. A hook that throws leaves the folder as
  // a crash at that moment would (the lock is released as a crash releases
  // it); one that never returns holds the sealing there. Null removes it.
  enum class SealStep { kKeyTempWritten, kUserTempWritten, kKeyLinked, kUserFileReplaced };
  static void SetSealStepHookForTest(std::function<void(SealStep step)> hook);

 private:
  enum class KeyState { kNone, kKnown, kMissing };
  bool Save(std::string* strError);
  // Forgets the users and remembers the files of a new load.
  void BeginLoad(const std::string& strPath);
  // The first start's sealing (see InstallDefaultUserFile), the refused
  // entries shown; false, with the message, when the folder was left as it
  // was.
  bool SealOnFirstStart(const std::vector<UserFileEntry>& entries, bool bQuiet);
  // LoadUserFile; bMayRepair: a file refused as unsealed beside its key
  // file, or missing beside it, is read once more after
  // CompleteInterruptedSeal (another start may be sealing it right now).
  bool Load(const std::string& strPath, bool bQuiet, bool bMayRepair);
  void ShowRefusedEntries(bool bQuiet) const;
  bool CheckName(const std::string& strName, const CVekAccessUser* pExcept, std::string* strError) const;
  // The message of a fault of the whole file (shown unless bQuiet); false.
  bool RefuseFile(const std::string& strText, bool bQuiet);
  // The user file held by another start beyond the wait: no user, no box
  // (the caller refuses the start); false.
  bool RefuseHeldElsewhere(const std::string& strHeldBy);
  // Takes the entries: groups unscrambled with the key (kKnown), read as
  // decimal numbers (an unsealed file), or None (kMissing).
  void TakeEntries(const std::vector<UserFileEntry>& entries, bool bSealed);

  std::string m_strPath;
  std::string m_strKeyPath;
  CVekEncryption::Key m_key{};
  KeyState m_keyState = KeyState::kNone;
  unsigned long long m_nGeneration = 0;
  std::string m_strLoadError;
  std::string m_strHeldElsewhere;
  struct LoginFailures {
    int nCount = 0;
    std::uint64_t nLastMs = 0;  // tick of the last failure
  };
  std::map<std::string, LoginFailures> m_loginFailures;  // by lower-case name
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
