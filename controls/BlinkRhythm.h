// The blinking rule of the program's labels, kept apart from the window
// so it can be checked without one: which phase is shown, when the timer
// starts or stops, and when a counted blink ends. A plain value; confine
// each object to one thread.
#pragma once

#include "platform/WinTypes.h"

class BlinkRhythm {
 public:
  enum class Action { None, Start, Stop };

  // Blinking on (count below 1: endless; otherwise that many on/off
  // cycles) or off. Asking again for what already runs changes nothing,
  // so a caller that repeats the request on every refresh keeps the
  // rhythm; new settings restart it. Tells the caller what to do with its
  // timer (Start: start or restart it at IntervalMs()).
  Action Set(bool on, UINT intervalMs, int count);
  // One timer period passed: the phase flips. Stop when the count is used
  // up (the normal phase is then shown).
  Action Tick();

  bool IsBlinking() const { return m_blinking; }
  // True while the blink colour is shown.
  bool IsBlinkPhase() const { return m_blinkPhase; }
  UINT IntervalMs() const { return m_intervalMs; }

 private:
  bool m_blinking = false;
  bool m_blinkPhase = false;
  UINT m_intervalMs = 0;
  int m_count = 0;           // as asked (below 1: endless)
  int m_flipsLeft = 0;       // flips still to come for a counted blink
};
