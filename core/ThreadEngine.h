// CThreadEngine: one named worker thread that runs a cycle function over
// and over until it is stopped. Stop clears the run flag and raises the
// thread's stop flag (which ends its blocking calls onto the user-interface
// thread), then waits up to 5 s while processing events; a thread that
// still runs is reported ("All of threads not closed! ...") and abandoned.
// Thread-safety: Start and Stop on the user-interface thread (the owner's);
// IsRunning and ShouldRun from any thread.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "platform/WinTypes.h"

class CThreadEngine {
 public:
  static constexpr DWORD kStopTimeoutMs = 5000;

  // nCycleMs > 0: each cycle is timed and the rest of nCycleMs slept (the
  // sleep ends at once when the thread is stopped).
  CThreadEngine(std::string strName, std::function<void()> cycle, DWORD nCycleMs);
  ~CThreadEngine();  // stops the thread
  CThreadEngine(const CThreadEngine&) = delete;
  CThreadEngine& operator=(const CThreadEngine&) = delete;

  const std::string& GetName() const { return m_strName; }
  // Starts the thread; false when it runs already or cannot be made.
  bool Start();
  // Stops the thread (see above); true when it ended in time. Safe to call
  // when it does not run.
  bool Stop(DWORD nTimeoutMs = kStopTimeoutMs);
  bool IsRunning() const;
  // Cycles run so far (for tests and diagnostics).
  unsigned long long GetCycleCount() const;

 private:
  struct State;  // shared with the thread, so an abandoned thread never touches freed memory

  std::string m_strName;
  std::function<void()> m_cycle;
  DWORD m_nCycleMs;
  std::shared_ptr<State> m_state;
  std::thread m_thread;
};
