#include "platform/Paths.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSettings>
#include <QString>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <vector>

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

namespace {

// Removes the copies of one shipped file that a start which has since
// ended (a crash while copying) left under its temporary name; a copy of a
// process still running is its copy in progress and stays.
void RemoveCopiesOfEndedStarts(const fs::path& folder, const std::string& name) {
  const std::string prefix = name + ".vekcopy-";
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string file = entry.path().filename().string();
    if (file.size() <= prefix.size() || file.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string pid = file.substr(prefix.size());
    if (pid.size() > 9 || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    if (::kill(static_cast<pid_t>(std::stol(pid)), 0) != 0 && errno == ESRCH) fs::remove(entry.path(), ec);
  }
}

}  // namespace

int CopyMissingFiles(const std::string& sourceFolder, const std::string& targetFolder,
                     const std::vector<std::string>& names) {
  std::error_code ec;
  if (!fs::is_directory(sourceFolder, ec)) return -1;
  fs::create_directories(targetFolder, ec);
  if (ec) return -1;
  int copied = 0;
  for (const std::string& name : names) {
    if (name.empty() || name.find('/') != std::string::npos) return -1;
    const fs::path source = fs::path(sourceFolder) / name;
    if (!fs::is_regular_file(source, ec)) continue;  // not shipped
    const fs::path target = fs::path(targetFolder) / name;
    if (fs::exists(fs::symlink_status(target, ec))) continue;  // never over a user's file
    // Copied under a temporary name of this process's own and linked into
    // place, so a crash never leaves a half-copied file under the real
    // name, a start at the same moment neither removes nor links this
    // copy, and a file that appeared meanwhile is not overwritten (nor
    // counted as copied).
    RemoveCopiesOfEndedStarts(targetFolder, name);
    const fs::path temp = fs::path(targetFolder) / (name + ".vekcopy-" + std::to_string(::getpid()));
    fs::remove(temp, ec);
    bool ok = fs::copy_file(source, temp, fs::copy_options::overwrite_existing, ec) && !ec;
    if (ok) {
      const int fd = ::open(temp.c_str(), O_RDONLY | O_CLOEXEC);
      ok = fd >= 0 && ::fsync(fd) == 0;
      if (fd >= 0) ::close(fd);
    }
    bool linked = false;
    if (ok) {
      linked = ::link(temp.c_str(), target.c_str()) == 0;
      ok = linked || errno == EEXIST;
    }
    fs::remove(temp, ec);
    if (!ok) return -1;
    if (linked) ++copied;
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

namespace {

// Why a folder may not hold the lock, or empty when it may: it must be a
// real folder (not a link), this user's own, and writable by no one else,
// so no other user can hold the lock and keep the program from starting.
// A folder above the lock's folder (bAbove) is judged by whether another
// user could swap what lies below it: the system's administrator may own
// it too, and the administrator's shared folders with the sticky bit
// (/tmp) are fit, since nobody may rename or remove another user's entry
// there.
std::string LockFolderFault(const std::string& folder, bool bAbove = false) {
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0) return "it cannot be read";
  if (!S_ISDIR(st.st_mode)) return "it is not a folder";
  const bool administrators = bAbove && st.st_uid == 0;
  if (st.st_uid != ::geteuid() && !administrators) return "it belongs to another user";
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) && !(administrators && (st.st_mode & S_ISVTX)))
    return "others may write into it";
  return {};
}

void TellOnStderr(const std::string& text) {
  const std::string line = "VekFrame: " + text + "\n";
  [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line.data(), line.size());
}

// The user's cache folder (XDG_CACHE_HOME, else $HOME/.cache), without a
// trailing '/'; empty when neither is set.
std::string CacheFolder() {
  std::string folder;
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache)
    folder = cache;
  else if (const char* home = std::getenv("HOME"); home && *home)
    folder = WithSlash(home) + ".cache";
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

// Why the folders above folder are not fit (the first that is not), or
// empty when every one is. The path must be absolute, without "." or "..".
std::string AncestorsFault(const std::string& folder) {
  if (folder.empty() || folder[0] != '/') return folder + ": it is not an absolute path";
  std::string parent;
  for (size_t at = 1; at < folder.size();) {
    size_t slash = folder.find('/', at);
    if (slash == std::string::npos) break;  // the last part is the folder itself
    const std::string part = folder.substr(at, slash - at);
    if (part == "." || part == "..") return folder + ": it is not a plain path";
    at = slash + 1;
    if (part.empty()) continue;
    parent += "/" + part;
    if (const std::string fault = LockFolderFault(parent, true); !fault.empty()) return parent + ": " + fault;
  }
  if (const std::string fault = LockFolderFault("/", true); !fault.empty()) return "/: " + fault;
  return {};
}

// The folders the lock may live in, in order: the session's runtime folder,
// then a folder of this user's own in the temporary folder (made 0700 when
// missing), then one in the user's cache folder, which no other user can
// make first. A folder that is not fit is passed over with a line on
// stderr, and its reason is added to *passedOver.
std::string FindLockFolder(std::string* passedOver) {
  struct Candidate {
    std::string folder;
    bool make;         // made (0700) when missing
    std::string home;  // a folder above it that is made when missing and must be fit with its own parents
  };
  std::vector<Candidate> candidates;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
    candidates.push_back({runtime, false, {}});
  const char* tmp = std::getenv("TMPDIR");
  candidates.push_back({WithSlash(tmp && *tmp ? tmp : "/tmp") + "vekframe-" + std::to_string(::geteuid()), true, {}});
  if (const std::string cache = CacheFolder(); !cache.empty()) candidates.push_back({cache + "/vekframe", true, cache});
  for (Candidate& c : candidates) {
    while (c.folder.size() > 1 && c.folder.back() == '/') c.folder.pop_back();  // lstat must see a link as a link
    std::string fault;
    if (!c.home.empty()) {
      fault = AncestorsFault(c.home);
      if (fault.empty()) {
        ::mkdir(c.home.c_str(), 0700);  // an existing one is checked as it is
        if (const std::string own = LockFolderFault(c.home, true); !own.empty()) fault = c.home + ": " + own;
      }
    }
    if (fault.empty()) {
      if (c.make) ::mkdir(c.folder.c_str(), 0700);
      fault = LockFolderFault(c.folder);
      if (fault.empty()) return WithSlash(c.folder);
      fault = c.folder + ": " + fault;
    }
    TellOnStderr("the single-instance lock is not kept in " + c.folder + " (" + fault + ").");
    if (passedOver) *passedOver += (passedOver->empty() ? "" : "; ") + fault;
  }
  return {};
}

}  // namespace

CNamedMutex::CNamedMutex(const std::string& name) {
  std::string file;
  for (char c : name) file += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  std::string passedOver;
  const std::string folder = FindLockFolder(&passedOver);
  if (folder.empty()) {
    m_strFault = "No safe folder for the single-instance lock (" + passedOver +
                 "); a second instance is not detected.";
    TellOnStderr(m_strFault);
    return;  // let the program run
  }
  const std::string path = folder + "vekframe-" + file + ".lock";
  m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  struct stat st {};
  if (m_fd >= 0 && (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())) {
    ::close(m_fd);
    m_fd = -1;
  }
  if (m_fd < 0) {
    m_strFault = "The single-instance lock " + path + " cannot be opened; a second instance is not detected.";
    TellOnStderr(m_strFault);
    return;  // cannot lock at all: let the program run
  }
  if ((st.st_mode & 07777) != 0600) ::fchmod(m_fd, 0600);  // a file left by an older version
  m_strPath = path;
  if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
    m_alreadyExisted = errno == EWOULDBLOCK;
    ::close(m_fd);
    m_fd = -1;
  }
}

CNamedMutex::~CNamedMutex() {
  if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
}
