// CVTimer: a stopwatch on the system tick count (the clock seam), read in
// milliseconds or whole seconds.
// Thread-safety: none of its own; an object is used by one thread at a
// time (its owner's), or guarded by its owner.
#pragma once

#include <cstdint>

class CVTimer {
 public:
  explicit CVTimer(bool bStart = false);

  void Start();    // only when stopped: runs from now, keeping nothing
  void Stop();     // only when running: freezes the elapsed time
  void Reset();    // stopped, elapsed 0
  void Restart();  // stop, then start from now

  // Running: now - start; stopped: stop - start; never below 0.
  std::uint64_t GetElapsedMs() const;
  // Whole seconds, truncated.
  std::uint64_t GetElapsedSec() const { return GetElapsedMs() / 1000; }
  // Moves the start n seconds later: the elapsed time shrinks by n s and
  // reads 0 while the start lies ahead.
  void SubtractSec(std::uint64_t nSec);
  bool IsRunning() const { return m_bRunning; }

 private:
  std::uint64_t m_nStart = 0;  // tick of the start
  std::uint64_t m_nStop = 0;   // tick of the stop; equal to m_nStart when reset
  bool m_bRunning = false;
};
