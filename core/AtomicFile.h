// Whole-file reads and crash-safe whole-file writes: the new content goes
// to a temporary file in the same folder, is flushed to disk and then
// renamed over the old file, so a crash leaves either the old or the new
// file, never a half-written one. Temporary files are named
// "<file>.vektmp-XXXXXX"; one that a crash left behind is removed by the
// next write of its file. A file that is a symbolic link stays a link: its
// target is replaced. Any thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The part of a temporary file's name after the file's own name.
inline constexpr const char* kTempFileInfix = ".vektmp-";

// The file a path names: the end of its chain of symbolic links (made
// absolute), or the path itself when it is no link.
std::string ResolveFileLink(const std::string& path);

// An exclusive lock on a file shared between processes, for the time of a
// read-change-replace: an advisory lock on "<file>.lock" beside the file
// (beside the target of a link), which every writer of the file takes, so
// two processes cannot lose each other's change. The lock file is made
// readable and writable by its owner only (0600), so no other user can
// hold it. Taking it again in the thread that holds it nests; other
// threads and processes wait, at most the wait given (GetLockWaitMs by
// default), and the lock is then not held: IsHeld is false and GetError
// names the lock file and, where the system tells it, the process that
// holds it. A lock file that cannot be made leaves only the in-process
// exclusion; so does a lock file's name that another kind of thing bears
// (a FIFO, a folder, a link), which is said once on stderr and in the log.
// A wait of 0 only tries. Not copyable; released by the destructor.
class CFileLock {
 public:
  explicit CFileLock(const std::string& path, int nWaitMs = -1);
  ~CFileLock();
  CFileLock(const CFileLock&) = delete;
  CFileLock& operator=(const CFileLock&) = delete;

  bool IsHeld() const { return m_bHeld; }
  // Why the lock is not held; empty while it is.
  const std::string& GetError() const { return m_strError; }
  // True when this lock was not had because its wait (not a mere try)
  // ran out.
  bool HasWaitRunOut() const { return m_bWaitRanOut; }
  // True while the last wait in this process for the file's lock ran out
  // and nobody here has had the lock since: a writer that must not freeze
  // the program again only tries until the lock is free.
  static bool HasWaitRunOut(const std::string& path);
  // The lock file of a file.
  static std::string LockFileFor(const std::string& path);

  // How long a lock waits by default (5000 ms); tests shorten it.
  static int GetLockWaitMs();
  static void SetLockWaitMs(int nMilliseconds);

  struct State;

 private:
  std::shared_ptr<State> m_state;
  bool m_bHeld = false;
  bool m_bWaitRanOut = false;
  std::string m_strError;
};

// True for an existing file that may not be written: the process lacks the
// right, or no one has a write permission (the file is marked read-only).
bool IsMarkedReadOnly(const std::string& path);

// Reads the whole file; false (and a reason) when it cannot be read. Never
// blocks: anything but a regular file (a FIFO, a folder, a device, a link
// to a missing file, or any link when bFollowLinks is false) is refused,
// the reason naming the path and what it is (OpenRegularFile).
bool ReadWholeFile(const std::string& path, std::string* content, std::string* error = nullptr,
                   bool bFollowLinks = true);

// Replaces (or creates) the file with content atomically, holding the
// file's CFileLock. A file that exists keeps its permissions unless nMode
// (0-07777) is given; a new file gets nMode, or 0666 less the umask (the
// process's umask is never changed, not even for a moment); a read-only
// file is refused, as is a name borne by anything but a file (a folder, a
// FIFO, a link to a missing file). Stale temporary files of the file are removed.
bool WriteFileAtomic(const std::string& path, const std::string& content, std::string* error = nullptr,
                     int nMode = -1);

// The steps of a write, for writers that put more than one file in place
// as one change (the user file with its key file). WriteFileAtomic is
// these steps with the lock.
// Writes content to a new temporary file beside path ("<path>.vektmp-"
// and six random characters) and flushes it to disk. nMode (0-07777) is
// the file's mode, set without touching the process's umask; -1 makes it
// 0666 less the umask. The temporary's path goes to *tempPath. False, with
// the reason, when it cannot; nothing is left behind then.
bool WriteTempFileBeside(const std::string& path, const std::string& content, int nMode, std::string* tempPath,
                         std::string* error);
// Renames the temporary file over path and flushes the folder; false with
// the reason (the temporary file is left to the caller).
bool ReplaceWithTempFile(const std::string& temp, const std::string& path, std::string* error);
// Links the temporary file as path, which must not exist (an existing
// file is never overwritten), and flushes the folder; the temporary name
// remains for the caller to remove. False with the reason.
bool LinkTempFileAsNew(const std::string& temp, const std::string& path, std::string* error);

// The temporary files of a file ("<file>.vektmp-" and six characters) in
// its folder, as paths, sorted.
std::vector<std::string> ListTempFilesOf(const std::string& file);
// Removes the temporary files a crashed write of the file left behind.
// Only with the file's lock held, so that no write of it is under way.
void RemoveStaleTempFiles(const std::string& file);
// Flushes the entries of the folder that holds path to disk (a rename,
// link or removal there is then durable).
void SyncFolderOf(const std::string& path);

// Test seam: a failure the steps of a write meet as the system would
// report it (a full disk: ENOSPC at kWrite; a read-only file system: EROFS
// at kReplace). Called with the step and the path of the file being
// written (not its temporary); returns 0 to go on or the errno value the
// step fails with. Null removes it.
enum class FileWriteStep { kWrite, kReplace, kLink };
void SetFileWriteFaultForTest(std::function<int(FileWriteStep step, const std::string& path)> fault);

// Test hook: called with the temporary file's path once it is written and
// flushed, before the rename. A hook that throws leaves the state a crash
// at that moment would leave. Null removes it.
void SetAtomicWriteHookForTest(std::function<void(const std::string& tempPath)> hook);
