#include "core/AccessLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>

#include "core/Shamsi.h"
#include "core/VekUtils.h"
#include "platform/Paths.h"
#include "platform/Seams.h"

namespace {

std::mutex g_logMutex;
std::string g_logPath;
std::string g_logUser;
std::string g_saidNotAFile;  // the log whose name was last found borne by no file (said once)

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
  // A FIFO in the log's place would hold the program for ever; anything
  // but a file is said once on stderr, and nothing is logged.
  std::string error;
  bool refused = false;
  const int fd = OpenRegularFile(g_logPath, O_WRONLY | O_APPEND | O_CREAT, true, &error, 0644, &refused);
  if (fd < 0) {
    if (refused && g_saidNotAFile != g_logPath) {
      g_saidNotAFile = g_logPath;
      TellOnStderr(error + " Nothing is written to the log.");
    }
    return false;
  }
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
