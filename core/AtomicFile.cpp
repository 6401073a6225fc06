#include "core/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

namespace {

std::mutex g_hookMutex;
std::function<void(const std::string&)> g_hook;

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

bool WriteAll(int fd, const std::string& content) {
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

// Removes the temporary files a crashed write of the file left behind.
// Called with the file's lock held, so no write of it is under way.
void RemoveStaleTempFiles(const std::string& file) {
  const std::string prefix = NameOf(file) + kTempFileInfix;
  DIR* dir = ::opendir(FolderOf(file).c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
      ::unlinkat(::dirfd(dir), name.c_str(), 0);
  }
  ::closedir(dir);
}

std::mutex g_locksMutex;
std::map<std::string, std::shared_ptr<CFileLock::State>> g_locks;  // by resolved file; kept for the process

}  // namespace

struct CFileLock::State {
  std::mutex mutex;                         // the exclusion between threads of this process
  std::atomic<std::thread::id> owner{};     // the thread that holds it
  int depth = 0;                            // nesting in the owner thread
  int fd = -1;                              // the open lock file, flock-ed, while held
};

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

CFileLock::CFileLock(const std::string& path) {
  const std::string file = ResolveFileLink(path);
  {
    std::lock_guard lock(g_locksMutex);
    std::shared_ptr<State>& slot = g_locks[file];
    if (!slot) slot = std::make_shared<State>();
    m_state = slot;
  }
  if (m_state->owner.load() == std::this_thread::get_id()) {
    ++m_state->depth;
    return;
  }
  m_state->mutex.lock();
  m_state->owner = std::this_thread::get_id();
  m_state->depth = 1;
  m_state->fd = ::open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (m_state->fd >= 0) {
    while (::flock(m_state->fd, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
}

CFileLock::~CFileLock() {
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

bool ReadWholeFile(const std::string& path, std::string* content, std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    SetError(error, "Cannot open", path);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    if (error) *error = "\"" + path + "\" is a folder, not a file.";
    ::close(fd);
    return false;
  }
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

bool WriteFileAtomic(const std::string& path, const std::string& content, std::string* error, int nMode) {
  const std::string file = ResolveFileLink(path);
  CFileLock lock(file);
  struct stat st {};
  mode_t mode = 0666;
  const bool exists = ::stat(file.c_str(), &st) == 0;
  if (exists) {
    if (S_ISDIR(st.st_mode)) {
      if (error) *error = "\"" + file + "\" is a folder, not a file.";
      return false;
    }
    // A file marked read-only (no write permission for anyone) stays so
    // even for a user whom the system would let write.
    if (::access(file.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0) {
      if (error) *error = "The file \"" + path + "\" is read-only.";
      return false;
    }
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (nMode >= 0) mode = static_cast<mode_t>(nMode) & 07777;

  RemoveStaleTempFiles(file);
  std::string temp = file + kTempFileInfix + "XXXXXX";
  const int fd = ::mkstemp(temp.data());  // made 0600: nobody reads it half-written
  if (fd < 0) {
    SetError(error, "Cannot create a temporary file beside", path);
    return false;
  }
  bool ok = WriteAll(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  if (!ok) SetError(error, "Cannot write", temp);
  if (::close(fd) != 0 && ok) {
    SetError(error, "Cannot write", temp);
    ok = false;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  {
    std::function<void(const std::string&)> hook;
    {
      std::lock_guard hookLock(g_hookMutex);
      hook = g_hook;
    }
    if (hook) hook(temp);
  }
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    SetError(error, "Cannot replace", path);
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  const int dir = ::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

void SetAtomicWriteHookForTest(std::function<void(const std::string& tempPath)> hook) {
  std::lock_guard lock(g_hookMutex);
  g_hook = std::move(hook);
}
