#include "core/AccessLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>

#include "core/Shamsi.h"
#include "core/VekUtils.h"
#include "platform/Seams.h"

namespace {

std::mutex g_logMutex;
std::string g_logPath;
std::string g_logUser;

}  // namespace

void SetAccessLogFile(const std::string& strPath) {
  std::lock_guard lock(g_logMutex);
  g_logPath = strPath;
}

std::string GetAccessLogFile() {
  std::lock_guard lock(g_logMutex);
  return g_logPath;
}

void SetAccessLogUser(const std::string& strUser) {
  std::lock_guard lock(g_logMutex);
  g_logUser = strUser;
}

std::string MakeAccessLogPrefix(double d, const std::string& strUser) {
  const DateParts p = DateToParts(d);
  const std::string date = FormatText("%04d/%02d/%02d %s", p.year, p.month, p.day, DateToShamsiText(d, true).c_str());
  return FormatText("[%s] %s: ", date.c_str(), strUser.empty() ? "?" : strUser.c_str());
}

bool WriteAccessLogLine(const std::string& strText, bool bPrefix) {
  std::lock_guard lock(g_logMutex);
  if (g_logPath.empty()) return false;
  std::string line = bPrefix ? MakeAccessLogPrefix(GetCurrentDateTime(), g_logUser) : std::string();
  for (char c : strText) line += (c == '\r' || c == '\n') ? ' ' : c;
  line += "\r\n";
  const int fd = ::open(g_logPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  bool ok = true;
  while (done < line.size()) {
    const ssize_t n = ::write(fd, line.data() + done, line.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    done += static_cast<size_t>(n);
  }
  if (ok) ok = ::fdatasync(fd) == 0;
  ::close(fd);
  return ok;
}
