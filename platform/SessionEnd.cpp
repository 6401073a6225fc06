#include "platform/SessionEnd.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iterator>

#include "platform/Seams.h"
#include "platform/Thread.h"
#include "platform/ui/Dialog.h"

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
constexpr int kRetryMs = 20;  // how often a waiting session end looks again

std::atomic<bool> g_ending{false};  // also: the box handler is swapped (g_boxHandlerBefore)

// The pipe's write end, for the signal handler; -1 while none.
volatile std::sig_atomic_t g_writeFd = -1;
int g_readFd = -1;
QSocketNotifier* g_notifier = nullptr;  // set while a CSessionEndSignals is installed
// The handling of the three signals before the first CSessionEndSignals
// (kept while the signals are left ignored, so a test can restore it).
struct sigaction g_previous[std::size(kSignals)];
bool g_signalsIgnored = false;  // left ignored by an object that went during a session end

// The rest lives on the user-interface thread.
SessionEndHandler g_handler;
int g_handlerLoopLevel = 0;  // the loop level the handler runs at
std::function<void(const std::string&)> g_boxLog;
MessageBoxHandler g_boxHandlerBefore;  // the one before the session end's; a test's reset restores it
std::string g_reason;
QTimer* g_retry = nullptr;

extern "C" void OnSessionEndSignal(int signal) {
  const int saved = errno;
  const int fd = g_writeFd;
  if (fd >= 0) {
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);  // a full pipe already says it
  }
  errno = saved;
}

const char* SignalName(int signal) {
  switch (signal) {
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    case SIGINT: return "SIGINT";
    default: return "a signal";
  }
}

int AnswerUnshownBox(const MessageBoxRequest& request) {
  std::string text = request.text;
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  const std::string line = "Not shown, the session ends: " + request.caption + ": " + text;
  TellOnStderr(line);
  if (g_boxLog) g_boxLog(line);
  return SessionEndBoxAnswer(request.flags);
}

// Runs the handler once its loop has control; until then ends the modal
// loops that are still open (or were opened meanwhile).
void RunHandlerWhenFree() {
  const bool free = g_handler && QThread::currentThread()->loopLevel() == g_handlerLoopLevel &&
                    !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
  if (!free) {
    EndModalLoops();
    return;
  }
  if (g_retry) g_retry->stop();
  const SessionEndHandler handler = g_handler;
  handler(g_reason);
}

void BeginSessionEnd(const std::string& reason) {
  if (g_ending.exchange(true)) return;
  g_reason = reason;
  TellOnStderr(reason + ": the session ends.");
  g_boxHandlerBefore = SetMessageBoxHandler(AnswerUnshownBox);
  EndModalLoops();
  if (!QCoreApplication::instance()) return;
  if (!g_retry) {
    g_retry = new QTimer(QCoreApplication::instance());
    QObject::connect(g_retry, &QTimer::timeout, g_retry, RunHandlerWhenFree);
    QObject::connect(g_retry, &QObject::destroyed, [] { g_retry = nullptr; });
  }
  g_retry->start(kRetryMs);
}

}  // namespace

CSessionEndSignals::CSessionEndSignals() {
  if (g_notifier || !QCoreApplication::instance()) return;  // one at a time
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
    TellOnStderr(std::string("shutdown signals end the program at once: ") + std::strerror(errno));
    return;
  }
  g_readFd = fds[0];
  g_writeFd = fds[1];
  g_notifier = new QSocketNotifier(g_readFd, QSocketNotifier::Read);
  QObject::connect(g_notifier, &QSocketNotifier::activated, [] {
    unsigned char bytes[16];
    int last = 0;
    for (ssize_t n; (n = ::read(g_readFd, bytes, sizeof bytes)) > 0;) last = bytes[n - 1];
    if (last != 0) RequestSessionEnd(SignalName(last));
  });
  struct sigaction action {};
  action.sa_handler = OnSessionEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (size_t i = 0; i < std::size(kSignals); ++i)
    ::sigaction(kSignals[i], &action, g_signalsIgnored ? nullptr : &g_previous[i]);
  g_signalsIgnored = false;
  m_bInstalled = true;
}

CSessionEndSignals::~CSessionEndSignals() {
  if (!m_bInstalled) return;
  // A signal whose byte the notifier has not read yet asked for the end too.
  bool requested = g_ending.load();
  unsigned char bytes[16];
  while (::read(g_readFd, bytes, sizeof bytes) > 0) requested = true;
  // The program goes on ending after this object (the rest of its main):
  // a later signal must not end it half-way with the signal's status.
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  for (size_t i = 0; i < std::size(kSignals); ++i)
    ::sigaction(kSignals[i], requested ? &ignore : &g_previous[i], nullptr);
  g_signalsIgnored = requested;
  const int writeFd = g_writeFd;
  g_writeFd = -1;
  delete g_notifier;
  g_notifier = nullptr;
  ::close(g_readFd);
  ::close(writeFd);
  g_readFd = -1;
}

void RequestSessionEnd(const std::string& strReason) {
  if (!IsUiThread()) {
    PostToUiThread([strReason] { BeginSessionEnd(strReason); });
    return;
  }
  BeginSessionEnd(strReason);
}

bool IsSessionEnding() { return g_ending.load(); }

bool DeferExitToSessionEnd(int code) {
  if (!g_ending.load()) return false;
  const std::string line =
      "The exit with code " + std::to_string(code) + " asked for is left to the session end, which goes on.";
  TellOnStderr(line);
  if (IsUiThread()) {
    if (g_boxLog) g_boxLog(line);
  } else {
    PostToUiThread([line] {
      if (g_boxLog) g_boxLog(line);
    });
  }
  return true;
}

void SetSessionEndHandler(SessionEndHandler handler) {
  g_handler = std::move(handler);
  // The loop the caller runs next nests one level deeper than the caller.
  g_handlerLoopLevel = QThread::currentThread()->loopLevel() + 1;
}

void SetSessionEndBoxLog(std::function<void(const std::string& strLine)> log) { g_boxLog = std::move(log); }

void EndModalLoops() {
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (!widget->isVisible() || !widget->isModal()) continue;
    if (auto* dialog = dynamic_cast<CDialog*>(CWnd::FromWidget(widget)); dialog && dialog->IsModal())
      dialog->EndDialog(IDCANCEL);
    else if (auto* box = qobject_cast<QDialog*>(widget))
      box->reject();
  }
}

int SessionEndBoxAnswer(unsigned flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL: return IDCANCEL;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDIGNORE;
    default: return IDOK;
  }
}

void ResetSessionEndForTest() {
  if (g_retry) g_retry->stop();
  if (g_ending) SetMessageBoxHandler(std::move(g_boxHandlerBefore));
  g_boxHandlerBefore = nullptr;
  g_reason.clear();
  g_ending = false;
  if (g_signalsIgnored && !g_notifier) {
    for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &g_previous[i], nullptr);
    g_signalsIgnored = false;
  }
}
