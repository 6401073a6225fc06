// The shared main of every test program: a headless application object and
// quiet defaults for the seams (boxes answered IDOK and recorded, exit
// caught as an exception), so no test can hang on a box or end the run.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/PlatformMain.h"
#include "support/Doubles.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  return RunPlatformMain(argc, argv, [&] {
    testing::InitGoogleTest(&argc, argv);
    SetMessageBoxHandler([](const MessageBoxRequest&) { return IDOK; });
    SetExitHandler([](int code) { throw testing_support::ExitCalled{code}; });
    return RUN_ALL_TESTS();
  });
}
