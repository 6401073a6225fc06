// Files and folders of the program: the program folder (where the data
// files live), the application's profile store (dialog states; an INI file
// under the user's configuration folder) and the named single-instance lock.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

// The folder of the executable, ending with '/'. Tests may point it elsewhere.
std::string GetProgramFolder();
void SetProgramFolder(const std::string& folder);  // empty restores the real one

bool FileExists(const std::string& path);     // a regular file (or a link to one)
bool IsFolder(const std::string& path);       // a folder (or a link to one)
bool IsFileReadOnly(const std::string& path);  // exists and cannot be written
// Copies the named files of sourceFolder that are missing in targetFolder
// (and exist in sourceFolder); never overwrites, and copies nothing but
// the names given (a database's "-wal" or "-journal" beside it in the
// source would otherwise be replayed into the user's own database).
// Returns the number of files copied, -1 on an error.
int CopyMissingFiles(const std::string& sourceFolder, const std::string& targetFolder,
                     const std::vector<std::string>& names);

// The profile store of the application (dialog placements and the tag
// browser's keys): named sections with entries, kept in
// <config>/VekFrame/<key>.ini.
// User-interface thread.
void SetProfileKey(const std::string& key);
std::string GetProfileFilePath();
// Points the store at a file of its own (tests); empty restores the default.
void SetProfileFilePath(const std::string& path);
std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& defaultValue = "");
int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue);
bool WriteProfileString(const std::string& section, const std::string& entry,
                        const std::string& value);
bool WriteProfileInt(const std::string& section, const std::string& entry, int value);

// A named lock held for the life of the process. A process that dies leaves
// nothing stuck: the lock is a file lock that the system releases. The lock
// file (mode 0600) lives in a folder that only this user can write: the
// session's runtime folder (XDG_RUNTIME_DIR), else <TMPDIR or /tmp>/
// vekframe-<uid>, else <XDG_CACHE_HOME or $HOME/.cache>/vekframe (both made
// 0700 when missing; another user can make the first before this user
// does, but not the last). A folder that belongs to another user, is a
// link or is writable by others is passed over with a line on stderr; the
// folders above the cache folder must be this user's or the
// administrator's and writable by no one else (or the administrator's with
// the sticky bit, as /tmp). With no fit folder, or a lock file that cannot
// be opened, the lock is not taken (the program runs), and GetFault says
// why (stderr too); the caller writes it where the user will see it.
class CNamedMutex {
 public:
  explicit CNamedMutex(const std::string& name);
  ~CNamedMutex();
  CNamedMutex(const CNamedMutex&) = delete;
  CNamedMutex& operator=(const CNamedMutex&) = delete;
  // True when another process (or another object here) already holds it.
  bool AlreadyExisted() const { return m_alreadyExisted; }
  // The lock file; empty when no lock could be taken.
  const std::string& GetLockPath() const { return m_strPath; }
  // Why no lock could be taken, so a second instance is not detected;
  // empty when it was taken or another process holds it.
  const std::string& GetFault() const { return m_strFault; }

 private:
  int m_fd = -1;
  std::string m_strPath;
  std::string m_strFault;
  bool m_alreadyExisted = false;
};
