#include "support/Doubles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Paths.h"

namespace testing_support {

MessageBoxDouble::MessageBoxDouble(int defaultAnswer) : m_default(defaultAnswer) {
  m_previous = SetMessageBoxHandler([this](const MessageBoxRequest& r) { return Answer(r); });
}

MessageBoxDouble::~MessageBoxDouble() { SetMessageBoxHandler(m_previous); }

const MessageBoxRequest& MessageBoxDouble::Last() const {
  static const MessageBoxRequest kNone;
  if (!m_shown.empty()) return m_shown.back();
  ADD_FAILURE() << "a test read the last message box, but no box was shown";
  return kNone;
}

int MessageBoxDouble::Answer(const MessageBoxRequest& request) {
  m_shown.push_back(request);
  if (m_answers.empty()) return m_default;
  int answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

KeyStateDouble::KeyStateDouble() {
  m_previous = SetKeyStateHandler([this](int vk) { return m_held.count(vk) != 0; });
}

KeyStateDouble::~KeyStateDouble() { SetKeyStateHandler(m_previous); }

ClockDouble::ClockDouble(std::uint64_t startTicks, DATE startNow) : m_ticks(startTicks), m_now(startNow) {
  m_handler.ticks = [this] { return m_ticks; };
  m_handler.now = [this] { return m_now; };
  SetClockHandler(&m_handler);
}

ClockDouble::~ClockDouble() { SetClockHandler(nullptr); }

void ClockDouble::Advance(std::uint64_t ms) {
  m_ticks += ms;
  m_now += static_cast<double>(ms) / 86400000.0;
}

ClipboardDouble::ClipboardDouble() {
  m_handler.set = [this](const std::string& t) {
    m_text = t;
    return true;
  };
  m_handler.get = [this] { return m_text; };
  SetClipboardHandler(&m_handler);
}

ClipboardDouble::~ClipboardDouble() { SetClipboardHandler(nullptr); }

ExitDouble::ExitDouble() {
  m_previous = SetExitHandler([this](int code) {
    m_codes.push_back(code);
    throw ExitCalled{code};
  });
}

ExitDouble::~ExitDouble() { SetExitHandler(m_previous); }

TempDir::TempDir(bool asProgramFolder) : m_asProgramFolder(asProgramFolder) {
  static std::atomic<int> counter{0};
  std::filesystem::path base = std::filesystem::temp_directory_path();
  for (;;) {
    std::filesystem::path p =
        base / ("vektest-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    if (std::filesystem::create_directory(p)) {
      m_path = p.string() + "/";
      break;
    }
  }
  if (m_asProgramFolder) SetProgramFolder(m_path);
}

TempDir::~TempDir() {
  if (m_asProgramFolder) SetProgramFolder("");
  std::error_code ec;
  std::filesystem::remove_all(m_path, ec);
}

void TempDir::Write(const std::string& name, const std::string& content) const {
  std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
  out << content;
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream in(File(name), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

OtherProcessFileLock::OtherProcessFileLock(const std::string& path) {
  int ready[2], stop[2];
  if (::pipe(ready) != 0) return;
  if (::pipe(stop) != 0) {
    ::close(ready[0]);
    ::close(ready[1]);
    return;
  }
  m_pid = ::fork();
  if (m_pid == 0) {
    ::close(stop[1]);  // so the read below ends when the parent closes its end
    ::close(ready[0]);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0600);
    char c = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
    [[maybe_unused]] ssize_t n = ::write(ready[1], &c, 1);
    n = ::read(stop[0], &c, 1);
    ::_exit(0);
  }
  ::close(ready[1]);
  ::close(stop[0]);
  m_stop = stop[1];
  char c = 'n';
  m_held = m_pid > 0 && ::read(ready[0], &c, 1) == 1 && c == 'y';
  ::close(ready[0]);
}

void OtherProcessFileLock::Release() {
  // A byte, not only the close: a later holder's process may have inherited
  // this end too, and would keep the pipe open.
  if (m_stop >= 0) {
    const char c = 0;
    [[maybe_unused]] const ssize_t n = ::write(m_stop, &c, 1);
    ::close(m_stop);
  }
  if (m_pid > 0) ::waitpid(m_pid, nullptr, 0);
  m_stop = -1;
  m_pid = -1;
  m_held = false;
}

}  // namespace testing_support
