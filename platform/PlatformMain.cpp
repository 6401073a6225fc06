#include "platform/PlatformMain.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <cerrno>
#include <clocale>
#include <csignal>

#include "platform/WndBridge.h"
#include "platform/ui/BalloonTip.h"

namespace {

// Every event for a widget is delivered inside an event scope, so a window
// that destroys itself from one of its events is deleted only after it.
class PlatformApplication final : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    if (receiver == nullptr || !receiver->isWidgetType()) return QApplication::notify(receiver, event);
    platform_detail::EventScope scope(receiver);
    return QApplication::notify(receiver, event);
  }
};

}  // namespace

int RunPlatformMain(int argc, char** argv, const std::function<int()>& body) {
  // A standard stream closed at the start is opened on /dev/null before
  // anything else is opened: the first file, pipe or socket would take its
  // number otherwise, and what is said on stderr would go into it (into
  // the display's connection, which then breaks).
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    const int null = ::open("/dev/null", O_RDWR);  // the lowest free number: fd itself
    if (null > fd) {
      ::dup2(null, fd);
      ::close(null);
    }
  }
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGPIPE, &ignore, nullptr);
  PlatformApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  const int code = body();
  // Windows that close themselves later are closed with the program.
  CBalloonTip::CloseAll();
  return code;
}
