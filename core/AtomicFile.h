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

// The part of a temporary file's name after the file's own name.
inline constexpr const char* kTempFileInfix = ".vektmp-";

// The file a path names: the end of its chain of symbolic links (made
// absolute), or the path itself when it is no link.
std::string ResolveFileLink(const std::string& path);

// An exclusive lock on a file shared between processes, for the time of a
// read-change-replace: an advisory lock on "<file>.lock" beside the file
// (beside the target of a link), which every writer of the file takes, so
// two processes cannot lose each other's change. Taking it again in the
// thread that holds it nests; other threads and processes wait. A lock
// file that cannot be made leaves only the in-process exclusion. Not
// copyable; released by the destructor.
class CFileLock {
 public:
  explicit CFileLock(const std::string& path);
  ~CFileLock();
  CFileLock(const CFileLock&) = delete;
  CFileLock& operator=(const CFileLock&) = delete;

  struct State;

 private:
  std::shared_ptr<State> m_state;
};

// True for an existing file that may not be written: the process lacks the
// right, or no one has a write permission (the file is marked read-only).
bool IsMarkedReadOnly(const std::string& path);

// Reads the whole file; false (and a reason) when it cannot be read. A
// folder is refused as "is a folder".
bool ReadWholeFile(const std::string& path, std::string* content, std::string* error = nullptr);

// Replaces (or creates) the file with content atomically, holding the
// file's CFileLock. A file that exists keeps its permissions unless nMode
// (0-07777) is given; a new file gets nMode, or 0666 less the umask; a
// read-only file is refused. Stale temporary files of the file are removed.
bool WriteFileAtomic(const std::string& path, const std::string& content, std::string* error = nullptr,
                     int nMode = -1);

// Test hook: called with the temporary file's path once it is written and
// flushed, before the rename. A hook that throws leaves the state a crash
// at that moment would leave. Null removes it.
void SetAtomicWriteHookForTest(std::function<void(const std::string& tempPath)> hook);
