// Files and folders of the program: the program folder (where the data
// files live) and the one way its files are opened, the application's
// profile store (dialog states; an INI file under the user's configuration
// folder) and the named single-instance lock.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

// The folder of the executable, ending with '/'. Tests may point it elsewhere.
std::string GetProgramFolder();
void SetProgramFolder(const std::string& folder);  // empty restores the real one

bool FileExists(const std::string& path);     // a regular file (or a link to one)
bool IsFolder(const std::string& path);       // a folder (or a link to one)
bool IsFileReadOnly(const std::string& path);  // exists and cannot be written
// True when anything bears the name: a file, a folder, a FIFO, a link (even
// one that leads nowhere).
bool NameTaken(const std::string& path);

// What bears the name when it is not a file the program may use, said for
// a message: "a folder", "a FIFO", "a socket", "a device", "a link to a
// missing file", "a link in a loop", or, where links are not followed, "a
// symbolic link". Empty for a regular file (or a link to one, when
// followed) and for a name nothing bears.
std::string NonFileKind(const std::string& path, bool bFollowLinks = true);
// The message for a name that NonFileKind found to be kind:
// "\"<path>\" is a FIFO, not a file."
std::string NotAFileText(const std::string& path, const std::string& kind);

// Opens a file of the program's folder (flags as open(2) takes them) and
// never blocks on what bears its name: it is opened with O_NONBLOCK, judged
// on the open descriptor (fstat), and kept only when it is a regular file,
// which then reads and writes as usual (O_NONBLOCK cleared). A FIFO (which
// would wait for a writer for ever), a folder, a socket or a device is
// refused, as is a link when bFollowLinks is false and a link to a missing
// file when true (so O_CREAT never makes the file a stray link points at).
// mode is the mode of a file O_CREAT makes (less the umask). Returns the
// descriptor (close-on-exec), or -1 with errno set and *error naming the
// path and what bears it (NotAFileText) or the system's reason. *refused
// (when given) tells a name borne by something that is not a file from a
// file that cannot be opened.
int OpenRegularFile(const std::string& path, int flags, bool bFollowLinks, std::string* error,
                    unsigned mode = 0666, bool* refused = nullptr);

// Copies the named files of sourceFolder that are missing in targetFolder
// (and exist in sourceFolder); never overwrites, and copies nothing but
// the names given (a database's "-wal" or "-journal" beside it in the
// source would otherwise be replayed into the user's own database).
// A file is copied under "<name>.vekcopy-<pid>" and linked into place, so
// a crash never leaves a half-copied file under the real name; the copying
// start holds a lock on its copy until the copy's name is gone. Every
// leftover copy of a named file whose lock nobody holds (a start that was
// killed while copying, before or after the link) is removed first, also
// when the file itself is in place; a copy of a start still running stays.
// A leftover name that is not a regular file is left alone, said on
// stderr. Returns the number of files copied, -1 on an error.
int CopyMissingFiles(const std::string& sourceFolder, const std::string& targetFolder,
                     const std::vector<std::string>& names);
// Test seam: called with the step and the copy's path, once the copy is
// written and flushed (kCopied) and once it is linked into place
// (kLinked), each before the next step. Null removes it.
enum class CopyStep { kCopied, kLinked };
void SetCopyStepHookForTest(std::function<void(CopyStep step, const std::string& copy)> hook);

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

// A named lock held for the life of the process, one per installation:
// the lock file "vekframe-<name>.lock" (letters and digits of the name kept,
// anything else '_') lives in the program folder, so every start of one
// installation meets the same lock whatever its environment (runtime,
// temporary or home folder). A process that dies leaves nothing stuck: the
// lock is a record lock that the system releases. It is a write lock on a
// lock file that only those who may write into the program folder (change
// the data) may open: 0600, with the group's or the others' read and write
// where they may write into the folder. So no other user can hold it (nor
// a read lock that would keep it from every start), nor put anything else
// in its place. A lock file that cannot be opened, or a name that another
// kind of thing bears (a FIFO, a folder, a link), leaves the lock not taken
// (the program runs), and GetFault says why (stderr too); the caller writes
// it where the user will see it.
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
