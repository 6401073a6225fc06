#include "platform/PlatformMain.h"

#include <QApplication>
#include <clocale>

#include "platform/ui/BalloonTip.h"

int RunPlatformMain(int argc, char** argv, const std::function<int()>& body) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  const int code = body();
  // Windows that close themselves later are closed with the program.
  CBalloonTip::CloseAll();
  return code;
}
