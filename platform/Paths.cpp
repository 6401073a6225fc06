#include "platform/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSettings>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <vector>

#include "platform/Seams.h"

namespace fs = std::filesystem;

namespace {

std::mutex g_pathMutex;
std::string g_programFolder;   // set by tests; empty means the executable's folder
std::string g_profileKey = "VekFrame";
std::string g_profilePath;     // set by tests; empty means the default place

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string ExecutableFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return WithSlash(fs::current_path().string());
  return WithSlash(exe.parent_path().string());
}

std::string ConfigFolder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return WithSlash(xdg);
  if (const char* home = std::getenv("HOME"); home && *home) return WithSlash(home) + ".config/";
  return "/tmp/";
}

QSettings OpenProfile() {
  return QSettings(QString::fromStdString(GetProfileFilePath()), QSettings::IniFormat);
}

QString ProfileKey(const std::string& section, const std::string& entry) {
  return QString::fromStdString(section) + "/" + QString::fromStdString(entry);
}

}  // namespace

std::string GetProgramFolder() {
  std::lock_guard<std::mutex> lock(g_pathMutex);
  if (!g_programFolder.empty()) return g_programFolder;
  static const std::string folder = ExecutableFolder();
  return folder;
}

void SetProgramFolder(const std::string& folder) {
  std::lock_guard<std::mutex> lock(g_pathMutex);
  g_programFolder = WithSlash(folder);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool IsFileReadOnly(const std::string& path) {
  if (!FileExists(path)) return false;
  // A file without write bits is read-only even for the superuser, who
  // could write it anyway: the mark is the user's intent.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) == 0) return true;
  return ::access(path.c_str(), W_OK) != 0;
}

bool NameTaken(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

namespace {

std::string KindOfMode(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISLNK(mode)) return "a symbolic link";
  return "not a regular file";
}

}  // namespace

std::string NonFileKind(const std::string& path, bool bFollowLinks) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return {};
  if (S_ISLNK(st.st_mode)) {
    if (!bFollowLinks) return KindOfMode(st.st_mode);
    if (::stat(path.c_str(), &st) != 0) return errno == ELOOP ? "a link in a loop" : "a link to a missing file";
  }
  return S_ISREG(st.st_mode) ? std::string() : KindOfMode(st.st_mode);
}

std::string NotAFileText(const std::string& path, const std::string& kind) {
  return "\"" + path + "\" is " + kind + (kind.rfind("a link", 0) == 0 ? "." : ", not a file.");
}

int OpenRegularFile(const std::string& path, int flags, bool bFollowLinks, std::string* error, unsigned mode,
                    bool* refused) {
  const auto fail = [&](const std::string& kind, int code) {
    if (refused) *refused = !kind.empty();
    if (error) *error = kind.empty() ? "Cannot open \"" + path + "\": " + std::strerror(code) : NotAFileText(path, kind);
    errno = code;
    return -1;
  };
  // O_CREAT would make the file a link that leads nowhere points at.
  if ((flags & O_CREAT) && bFollowLinks) {
    if (const std::string kind = NonFileKind(path, true); kind.rfind("a link", 0) == 0) return fail(kind, ENOENT);
  }
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (bFollowLinks ? 0 : O_NOFOLLOW),
                        static_cast<mode_t>(mode));
  if (fd < 0) {
    // Said as what bears the name (EISDIR, ELOOP, ENXIO for a FIFO nobody
    // reads), else as the system says it.
    const int code = errno;
    return fail(NonFileKind(path, bFollowLinks), code);
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int code = errno;
    ::close(fd);
    return fail(st.st_mode != 0 ? KindOfMode(st.st_mode) : std::string(), st.st_mode != 0 ? EINVAL : code);
  }
  const int status = ::fcntl(fd, F_GETFL);
  if (status == -1 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
    const int code = errno;
    ::close(fd);
    return fail({}, code);
  }
  if (refused) *refused = false;
  return fd;
}

namespace {

std::mutex g_copyHookMutex;
std::function<void(CopyStep, const std::string&)> g_copyHook;

void CopyStepReached(CopyStep step, const std::string& copy) {
  std::function<void(CopyStep, const std::string&)> hook;
  {
    std::lock_guard<std::mutex> lock(g_copyHookMutex);
    hook = g_copyHook;
  }
  if (hook) hook(step, copy);
}

// The mark of a copy in progress: a write lock on one byte far beyond any
// data, held through the open file (so closing another descriptor of the
// file, or another lock on its data, as SQLite's on a database the copy
// has become a name of, neither drops nor meets it) and released by the
// system when the copying process dies. Only a process that may write the
// copy can take it. A read lock on the byte (bRead), which any reader can
// take, is had only while nobody holds the mark.
bool LockCopyMark(int fd, bool bWait, bool bRead = false) {
  struct flock mark {};
  mark.l_type = bRead ? F_RDLCK : F_WRLCK;
  mark.l_whence = SEEK_SET;
  mark.l_start = static_cast<off_t>(1) << 62;
  mark.l_len = 1;
  for (;;) {
    if (::fcntl(fd, bWait ? F_OFD_SETLKW : F_OFD_SETLK, &mark) == 0) return true;
    if (errno != EINTR) return false;
  }
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True while the name is the open file's.
bool NameIsOf(const std::string& path, int fd) {
  struct stat byName {}, byFd {};
  return ::lstat(path.c_str(), &byName) == 0 && ::fstat(fd, &byFd) == 0 && SameFile(byName, byFd);
}

// Removes, in one look at the folder, the copies of the named shipped files
// that a start which has since ended (killed while copying, before or
// after its link) left under their temporary names: those whose mark
// nobody holds. A copy of a start still running is marked and stays.
void RemoveCopiesOfEndedStarts(const fs::path& folder, const std::vector<std::string>& names) {
  static const std::string kCopy = ".vekcopy-";
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string file = entry.path().filename().string();
    const size_t at = file.rfind(kCopy);
    if (at == std::string::npos || std::find(names.begin(), names.end(), file.substr(0, at)) == names.end())
      continue;
    const std::string pid = file.substr(at + kCopy.size());
    if (pid.empty() || pid.size() > 9 || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string path = entry.path().string();
    std::string error;
    bool refused = false;
    const int fd = OpenRegularFile(path, O_RDONLY, false, &error, 0, &refused);
    if (fd < 0) {
      if (refused) TellOnStderr(error + " It is no copy of a shipped file and is left alone.");
      continue;
    }
    // Held while it is judged, so the start it belongs to, if it just made
    // it, finds its name gone when it marks it, and makes it again.
    if (LockCopyMark(fd, false, true) && NameIsOf(path, fd)) ::unlink(path.c_str());
    ::close(fd);
  }
}

// Copies source to target (which must not exist) under the copy's name and
// links it into place; false on an error.
bool CopyOneFile(const fs::path& source, const fs::path& target, const std::string& copy, int* linked) {
  const int in = OpenRegularFile(source.string(), O_RDONLY, true, nullptr);
  if (in < 0) return false;
  struct stat st {};
  int out = -1;
  // Made private and marked before anything is written; a name that
  // another start removed between the two (it took it for a leftover) is
  // made again.
  for (int attempt = 0; attempt < 3 && out < 0; ++attempt) {
    out = ::open(copy.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (out < 0) break;
    if (!LockCopyMark(out, true) || !NameIsOf(copy, out)) {
      ::close(out);
      out = -1;
    }
  }
  bool ok = out >= 0 && ::fstat(in, &st) == 0;
  char buffer[65536];
  while (ok) {
    const ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    for (ssize_t done = 0; ok && done < n;) {
      const ssize_t w = ::write(out, buffer + done, static_cast<size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      ok = w > 0;
      done += w > 0 ? w : 0;
    }
  }
  ::close(in);
  // The shipped file's permissions, as a copy keeps them.
  ok = ok && ::fchmod(out, st.st_mode & 07777) == 0 && ::fsync(out) == 0;
  if (ok) {
    CopyStepReached(CopyStep::kCopied, copy);
    if (::link(copy.c_str(), target.c_str()) == 0) {
      *linked = 1;
      CopyStepReached(CopyStep::kLinked, copy);
    } else {
      ok = errno == EEXIST;  // a file that appeared meanwhile is not overwritten
    }
  }
  // The name goes before the mark: a copy that lives on under its name is
  // always marked by a running start, or a leftover of an ended one.
  if (out >= 0) {
    if (NameIsOf(copy, out)) ::unlink(copy.c_str());
    ::close(out);
  }
  return ok;
}

}  // namespace

void SetCopyStepHookForTest(std::function<void(CopyStep step, const std::string& copy)> hook) {
  std::lock_guard<std::mutex> lock(g_copyHookMutex);
  g_copyHook = std::move(hook);
}

int CopyMissingFiles(const std::string& sourceFolder, const std::string& targetFolder,
                     const std::vector<std::string>& names) {
  std::error_code ec;
  if (!fs::is_directory(sourceFolder, ec)) return -1;
  fs::create_directories(targetFolder, ec);
  if (ec) return -1;
  for (const std::string& name : names)
    if (name.empty() || name.find('/') != std::string::npos) return -1;
  // The leftovers of ended starts go whether the file is in place or not:
  // one killed after its link is a second name of the file in use.
  RemoveCopiesOfEndedStarts(targetFolder, names);
  int copied = 0;
  for (const std::string& name : names) {
    const fs::path source = fs::path(sourceFolder) / name;
    if (!fs::is_regular_file(source, ec)) continue;  // not shipped
    const fs::path target = fs::path(targetFolder) / name;
    if (NameTaken(target.string())) continue;  // never over a user's file (nor anything else there)
    // Copied under a temporary name of this process's own and linked into
    // place, so a crash never leaves a half-copied file under the real
    // name, a start at the same moment neither removes nor links this
    // copy, and a file that appeared meanwhile is not overwritten (nor
    // counted as copied).
    const std::string copy = (fs::path(targetFolder) / (name + ".vekcopy-" + std::to_string(::getpid()))).string();
    int linked = 0;
    if (!CopyOneFile(source, target, copy, &linked)) return -1;
    copied += linked;
  }
  return copied;
}

void SetProfileKey(const std::string& key) {
  std::lock_guard<std::mutex> lock(g_pathMutex);
  g_profileKey = key;
}

std::string GetProfileFilePath() {
  std::lock_guard<std::mutex> lock(g_pathMutex);
  if (!g_profilePath.empty()) return g_profilePath;
  std::string name = g_profileKey;
  for (char& c : name)
    if (c == '/' || c == '\\') c = '_';
  return ConfigFolder() + "VekFrame/" + name + ".ini";
}

void SetProfileFilePath(const std::string& path) {
  std::lock_guard<std::mutex> lock(g_pathMutex);
  g_profilePath = path;
}

std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& defaultValue) {
  QSettings settings = OpenProfile();
  QVariant v = settings.value(ProfileKey(section, entry));
  return v.isValid() ? v.toString().toStdString() : defaultValue;
}

int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) {
  QSettings settings = OpenProfile();
  QVariant v = settings.value(ProfileKey(section, entry));
  bool ok = false;
  int value = v.toInt(&ok);
  return v.isValid() && ok ? value : defaultValue;
}

bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) {
  QSettings settings = OpenProfile();
  settings.setValue(ProfileKey(section, entry), QString::fromStdString(value));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

bool WriteProfileInt(const std::string& section, const std::string& entry, int value) {
  QSettings settings = OpenProfile();
  settings.setValue(ProfileKey(section, entry), value);
  settings.sync();
  return settings.status() == QSettings::NoError;
}

CNamedMutex::CNamedMutex(const std::string& name) {
  std::string file;
  for (char c : name) file += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  const std::string folder = GetProgramFolder();
  const std::string path = folder + "vekframe-" + file + ".lock";
  std::string error;
  m_fd = OpenRegularFile(path, O_RDWR | O_CREAT, false, &error, 0600);
  if (m_fd < 0) {
    m_strFault = "The single-instance lock cannot be used: " + error + " A second instance is not detected.";
    TellOnStderr(m_strFault);
    return;  // cannot lock at all: let the program run
  }
  // Readable and writable by exactly those who may write into the program
  // folder (change the data): anyone who could merely read it could hold a
  // read lock, which keeps the write lock from every start.
  struct stat own {}, place {};
  if (::fstat(m_fd, &own) == 0 && own.st_uid == ::geteuid() && ::stat(folder.c_str(), &place) == 0) {
    const mode_t mode = 0600 | ((place.st_mode & S_IWGRP) ? 0060 : 0) | ((place.st_mode & S_IWOTH) ? 0006 : 0);
    if ((own.st_mode & 07777) != mode) ::fchmod(m_fd, mode);
  }
  m_strPath = path;
  // A write lock on the whole file, held through this open file: another
  // object of this process conflicts with it as another process does.
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  int result = -1;
  do {
    result = ::fcntl(m_fd, F_OFD_SETLK, &whole);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    const int code = errno;
    m_alreadyExisted = code == EAGAIN || code == EACCES;
    if (!m_alreadyExisted) {
      m_strPath.clear();
      m_strFault = "The single-instance lock \"" + path + "\" cannot be taken: " + std::strerror(code) +
                   ". A second instance is not detected.";
      TellOnStderr(m_strFault);
    }
    ::close(m_fd);
    m_fd = -1;
  }
}

CNamedMutex::~CNamedMutex() {
  if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
}
