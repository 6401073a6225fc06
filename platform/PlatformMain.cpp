#include "platform/PlatformMain.h"

#include <QApplication>
#include <clocale>

int RunPlatformMain(int argc, char** argv, const std::function<int()>& body) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  return body();
}
