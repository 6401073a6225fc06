// The main of a benchmark program: a headless application object (through
// the platform main, so numbers format the same as in the program), then
// every benchmark registered in the file.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/PlatformMain.h"

inline int RunBenchmarks(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  return RunPlatformMain(argc, argv, [&] {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
  });
}
