#include "platform/PlatformMain.h"

#include <QApplication>
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
