// Bounds a test that runs the program: if the program's loop (or a modal
// loop of its start-up) still runs when the time is up, the test records
// a failure under its own name, every modal loop open is ended and the
// program's loop is asked to end with kCode, again every 200 ms until the
// guard goes. So a fault that keeps the program running fails in seconds
// instead of waiting for the test program's timeout.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/Seams.h"
#include "platform/SessionEnd.h"
#include "platform/Thread.h"

namespace app_test {

class LoopGuard {
 public:
  static constexpr int kCode = 99;

  explicit LoopGuard(DWORD ms) : m_live(std::make_shared<bool>(true)), m_fired(std::make_shared<bool>(false)) {
    PostToUiThreadAfter(ms, [live = m_live, fired = m_fired, ms] {
      if (!*live) return;
      ADD_FAILURE() << "the program still ran after " << ms << " ms";
      *fired = true;
      Stop(live);
    });
  }
  // A quit it asked for and nobody took is not left for the next test.
  ~LoopGuard() {
    *m_live = false;
    if (*m_fired) TakePendingQuit(nullptr);
  }
  LoopGuard(const LoopGuard&) = delete;
  LoopGuard& operator=(const LoopGuard&) = delete;

 private:
  static void Stop(const std::shared_ptr<bool>& live) {
    if (!*live) return;
    EndModalLoops();
    PostQuitMessage(kCode);
    PostToUiThreadAfter(200, [live] { Stop(live); });
  }

  std::shared_ptr<bool> m_live;   // cleared when the guard goes
  std::shared_ptr<bool> m_fired;  // the time ran out
};

}  // namespace app_test
