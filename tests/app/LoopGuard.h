// Bounds a test that runs the program's event loop: if the loop still runs
// when the time is up, the test records a failure under its own name and
// the loop (with any modal loop inside it) is asked to end with kCode, so
// a fault that keeps the program running fails in seconds instead of
// waiting for the test program's timeout.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/Seams.h"
#include "platform/Thread.h"

namespace app_test {

class LoopGuard {
 public:
  static constexpr int kCode = 99;

  explicit LoopGuard(DWORD ms) : m_armed(std::make_shared<bool>(true)) {
    PostToUiThreadAfter(ms, [armed = m_armed, ms] {
      if (!*armed) return;
      *armed = false;
      ADD_FAILURE() << "the program's loop still ran after " << ms << " ms";
      PostQuitMessage(kCode);
    });
  }
  ~LoopGuard() { *m_armed = false; }
  LoopGuard(const LoopGuard&) = delete;
  LoopGuard& operator=(const LoopGuard&) = delete;

 private:
  std::shared_ptr<bool> m_armed;  // cleared when the guard goes or fires
};

}  // namespace app_test
