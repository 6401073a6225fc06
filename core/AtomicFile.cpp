#include "core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>

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

}  // namespace

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

bool WriteFileAtomic(const std::string& path, const std::string& content, std::string* error) {
  struct stat st {};
  mode_t mode = 0666;
  const bool exists = ::stat(path.c_str(), &st) == 0;
  if (exists) {
    // A file marked read-only (no write permission for anyone) stays so
    // even for a user whom the system would let write.
    if (::access(path.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0) {
      if (error) *error = "The file \"" + path + "\" is read-only.";
      return false;
    }
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }

  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
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
      std::lock_guard lock(g_hookMutex);
      hook = g_hook;
    }
    if (hook) hook(temp);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    SetError(error, "Cannot replace", path);
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
