// Windows the benchmarks stand in for the program's views with.
// User-interface thread.
#pragma once

#include <cstdint>

#include "platform/Wnd.h"

// Counts every program message it receives (WM_USER and above) and allows
// every change (answers 0), as the supervise view does.
class CountingView : public CWnd {
 public:
  std::int64_t messages = 0;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_USER) {
      ++messages;
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};
