#include "core/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include "core/AccessLog.h"
#include "platform/Paths.h"
#include "platform/Seams.h"

namespace {

std::mutex g_hookMutex;
std::function<void(const std::string&)> g_hook;
std::function<int(FileWriteStep, const std::string&)> g_fault;

// The failure a test asked the step to meet (an errno value), or 0.
int InjectedFault(FileWriteStep step, const std::string& path) {
  std::function<int(FileWriteStep, const std::string&)> fault;
  {
    std::lock_guard lock(g_hookMutex);
    fault = g_fault;
  }
  return fault ? fault(step, path) : 0;
}

// Six characters for a temporary file's name: unpredictable, from the
// set mkstemp uses.
std::string RandomSuffix() {
  static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 generator{std::random_device{}() ^
                                         static_cast<std::uint64_t>(std::hash<std::thread::id>{}(std::this_thread::get_id()))};
  std::string suffix(6, 'A');
  for (char& c : suffix) c = kChars[generator() % (sizeof kChars - 1)];
  return suffix;
}

void SetError(std::string* error, const std::string& what, const std::string& path) {
  if (error) *error = what + " \"" + path + "\": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, const std::string& content, const std::string& file) {
  if (const int fault = InjectedFault(FileWriteStep::kWrite, file)) {
    errno = fault;
    return false;
  }
  size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

std::mutex g_locksMutex;
std::map<std::string, std::shared_ptr<CFileLock::State>> g_locks;  // by resolved file; kept for the process

}  // namespace

struct CFileLock::State {
  std::timed_mutex mutex;                   // the exclusion between threads of this process
  std::atomic<std::thread::id> owner{};     // the thread that holds it
  int depth = 0;                            // nesting in the owner thread
  int fd = -1;                              // the open lock file, flock-ed, while held
  std::atomic<bool> waitRanOut{false};      // the last wait ran out; not had since
  bool saidNotAFile = false;                // the lock file's name was found borne by no file, and said
};

namespace {

std::atomic<int> g_lockWaitMs{5000};

// The process that holds a lock on the open file, as the system lists it
// ("process 1234 (vekframe)"); empty when it does not say.
std::string LockHolder(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return {};
  char id[64];
  std::snprintf(id, sizeof id, "%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev),
                static_cast<unsigned long long>(st.st_ino));
  std::ifstream locks("/proc/locks");
  std::string line;
  while (std::getline(locks, line)) {
    std::istringstream fields(line);
    std::string number, kind, mode, access, pid, file;
    if (!(fields >> number >> kind)) continue;
    if (kind == "->") continue;  // a process waiting for the lock, not holding it
    if (!(fields >> mode >> access >> pid >> file) || file != id || pid == "-1" || pid == "0") continue;
    std::string name;
    std::ifstream comm("/proc/" + pid + "/comm");
    std::getline(comm, name);
    return "process " + pid + (name.empty() ? std::string() : " (" + name + ")");
  }
  return {};
}

}  // namespace

std::string CFileLock::LockFileFor(const std::string& path) { return ResolveFileLink(path) + ".lock"; }
int CFileLock::GetLockWaitMs() { return g_lockWaitMs.load(); }
void CFileLock::SetLockWaitMs(int nMilliseconds) { g_lockWaitMs = std::max(0, nMilliseconds); }

std::string ResolveFileLink(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<size_t>(n) >= target.size()) return current;
    target.resize(static_cast<size_t>(n));
    current = target[0] == '/' ? target : FolderOf(current) + "/" + target;
  }
  return current;
}

std::vector<std::string> ListTempFilesOf(const std::string& file) {
  std::vector<std::string> temps;
  const std::string prefix = NameOf(file) + kTempFileInfix;
  const std::string folder = FolderOf(file);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return temps;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
      temps.push_back(folder + "/" + name);
  }
  ::closedir(dir);
  std::sort(temps.begin(), temps.end());
  return temps;
}

void RemoveStaleTempFiles(const std::string& file) {
  for (const std::string& temp : ListTempFilesOf(file)) ::unlink(temp.c_str());
}

void SyncFolderOf(const std::string& path) { SyncFolder(FolderOf(path)); }

namespace {

std::shared_ptr<CFileLock::State> LockStateOf(const std::string& file) {
  std::lock_guard lock(g_locksMutex);
  std::shared_ptr<CFileLock::State>& slot = g_locks[file];
  if (!slot) slot = std::make_shared<CFileLock::State>();
  return slot;
}

}  // namespace

bool CFileLock::HasWaitRunOut(const std::string& path) {
  return LockStateOf(ResolveFileLink(path))->waitRanOut.load();
}

CFileLock::CFileLock(const std::string& path, int nWaitMs) {
  const std::string file = ResolveFileLink(path);
  m_state = LockStateOf(file);
  if (m_state->owner.load() == std::this_thread::get_id()) {
    ++m_state->depth;
    m_bHeld = true;
    return;
  }
  const int waitMs = nWaitMs >= 0 ? nWaitMs : GetLockWaitMs();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  const std::string lockFile = file + ".lock";
  const auto giveUp = [&](const std::string& holder) {
    const std::string who = holder.empty() ? "another program" : holder;
    if (waitMs == 0) {
      m_strError = "The lock file \"" + lockFile + "\" is held by " + who + ".";
      return;
    }
    m_strError = "The lock file \"" + lockFile + "\" was held by " + who + " for " +
                 std::to_string((waitMs + 999) / 1000) + " s.";
    m_bWaitRanOut = true;
    m_state->waitRanOut = true;
  };
  if (!m_state->mutex.try_lock_until(deadline)) {
    giveUp("another thread of this program");
    return;
  }
  // Only the owner may read or lock it: a lock file others can open would
  // let any local user hold every write of the file back. A name borne by
  // anything but a file (a FIFO would block the open for ever) is not used,
  // and said once.
  std::string notAFile;
  bool refused = false;
  const int fd = OpenRegularFile(lockFile, O_RDWR | O_CREAT, false, &notAFile, 0600, &refused);
  if (refused && !m_state->saidNotAFile) {
    m_state->saidNotAFile = true;
    const std::string text =
        notAFile + " It is not used as the lock of \"" + file + "\": other programs' writes of it are not held back.";
    TellOnStderr(text);
    WriteAccessLogLine(text, true);
  }
  if (fd >= 0) {
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_uid == ::geteuid() && (st.st_mode & 077) != 0) ::fchmod(fd, 0600);
    for (int pause = 1;; pause = std::min(pause * 2, 50)) {
      if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
      if (errno != EWOULDBLOCK && errno != EINTR) break;  // cannot lock at all: the in-process exclusion only
      if (std::chrono::steady_clock::now() >= deadline) {
        giveUp(LockHolder(fd));
        ::close(fd);
        m_state->mutex.unlock();
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(pause));
    }
  }
  m_state->fd = fd;
  m_state->owner = std::this_thread::get_id();
  m_state->depth = 1;
  m_state->waitRanOut = false;
  m_bHeld = true;
}

CFileLock::~CFileLock() {
  if (!m_bHeld) return;
  if (--m_state->depth > 0) return;
  if (m_state->fd >= 0) ::close(m_state->fd);  // closing releases the lock
  m_state->fd = -1;
  m_state->owner = std::thread::id();
  m_state->mutex.unlock();
}

bool IsMarkedReadOnly(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  return ::access(path.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0;
}

bool ReadWholeFile(const std::string& path, std::string* content, std::string* error, bool bFollowLinks) {
  const int fd = OpenRegularFile(path, O_RDONLY, bFollowLinks, error);
  if (fd < 0) return false;
  std::string data;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      SetError(error, "Cannot read", path);
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    data.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  if (content) *content = std::move(data);
  return true;
}

bool WriteTempFileBeside(const std::string& path, const std::string& content, int nMode, std::string* tempPath,
                         std::string* error) {
  // The mode is given to open and set with fchmod, never through the
  // process's umask, which other threads' new files would share meanwhile.
  // A file of a known mode starts 0600, so nobody reads it half-written; a
  // new file of no given mode gets 0666 less the umask from open itself.
  const bool knownMode = nMode >= 0;
  const mode_t createMode = knownMode ? 0600 : 0666;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = path + kTempFileInfix + RandomSuffix();
    fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, createMode);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    SetError(error, "Cannot create a temporary file beside", path);
    return false;
  }
  bool ok = WriteAll(fd, content, path) &&
            (!knownMode || ::fchmod(fd, static_cast<mode_t>(nMode) & 07777) == 0) && ::fsync(fd) == 0;
  // The message names the file the user knows; the temporary one goes.
  if (!ok) SetError(error, "Cannot write", path);
  if (::close(fd) != 0 && ok) {
    SetError(error, "Cannot write", path);
    ok = false;
  }
  if (!ok) {
    const int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    return false;
  }
  if (tempPath) *tempPath = temp;
  return true;
}

namespace {

// Puts the temporary file in place by the system call of the step (rename
// or link), failing as an injected fault says, and makes the folder's
// entry durable.
bool PutTempInPlace(FileWriteStep step, int (*place)(const char*, const char*), const char* failure,
                    const std::string& temp, const std::string& path, std::string* error) {
  const int fault = InjectedFault(step, path);
  if (fault != 0 || place(temp.c_str(), path.c_str()) != 0) {
    if (fault != 0) errno = fault;
    SetError(error, failure, path);
    return false;
  }
  SyncFolder(FolderOf(path));
  return true;
}

}  // namespace

bool ReplaceWithTempFile(const std::string& temp, const std::string& path, std::string* error) {
  return PutTempInPlace(FileWriteStep::kReplace, ::rename, "Cannot replace", temp, path, error);
}

bool LinkTempFileAsNew(const std::string& temp, const std::string& path, std::string* error) {
  return PutTempInPlace(FileWriteStep::kLink, ::link, "Cannot make", temp, path, error);
}

bool WriteFileAtomic(const std::string& path, const std::string& content, std::string* error, int nMode) {
  // Only a file (or a link to one) is replaced: a folder, a FIFO or a link
  // to a missing file in its place stays, and is named.
  if (const std::string kind = NonFileKind(path); !kind.empty()) {
    if (error) *error = NotAFileText(path, kind);
    return false;
  }
  const std::string file = ResolveFileLink(path);
  CFileLock lock(file);
  if (!lock.IsHeld()) {
    if (error) *error = "Cannot write \"" + path + "\": " + lock.GetError();
    return false;
  }
  struct stat st {};
  int mode = nMode >= 0 ? nMode & 07777 : -1;
  if (::stat(file.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) {
      const std::string kind = NonFileKind(file);
      if (error) *error = NotAFileText(file, kind.empty() ? "no regular file" : kind);
      return false;
    }
    // A file marked read-only (no write permission for anyone) stays so
    // even for a user whom the system would let write.
    if (::access(file.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0) {
      if (error) *error = "The file \"" + path + "\" is read-only.";
      return false;
    }
    if (mode < 0) mode = static_cast<int>(st.st_mode & 07777);
  }

  RemoveStaleTempFiles(file);
  std::string temp;
  if (!WriteTempFileBeside(file, content, mode, &temp, error)) return false;
  {
    std::function<void(const std::string&)> hook;
    {
      std::lock_guard hookLock(g_hookMutex);
      hook = g_hook;
    }
    if (hook) hook(temp);
  }
  if (!ReplaceWithTempFile(temp, file, error)) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

void SetAtomicWriteHookForTest(std::function<void(const std::string& tempPath)> hook) {
  std::lock_guard lock(g_hookMutex);
  g_hook = std::move(hook);
}

void SetFileWriteFaultForTest(std::function<int(FileWriteStep step, const std::string& path)> fault) {
  std::lock_guard lock(g_hookMutex);
  g_fault = std::move(fault);
}
