// The blinking of a shape's state frame as plain rules, apart from the
// window: the frame blinks while the property sheet or an action dialog is
// open, or while an alarm is active. Each 96 ms tick counts 0..4; at counts
// 0 and 1 the phase flips, so the frame shows for one tick and hides for
// four (or the reverse) of every 480 ms. A plain value; one per shape.
#pragma once

#include "platform/WinTypes.h"

struct ShapeBlinkFlags {
  bool dialog = false;  // the property sheet is open
  bool action = false;  // an action dialog is open
  bool alarm = false;   // an alarm or a device fault is active

  bool Any() const { return dialog || action || alarm; }
};

class ShapeBlink {
 public:
  enum class TickResult { None, Repaint, Stop };  // Stop: kill the timer and repaint

  // One timer tick: with no flag set the blinking ends (phase off);
  // else the counter advances and the phase may flip.
  TickResult Tick(const ShapeBlinkFlags& flags);

  bool GetPhase() const { return m_bPhase; }
  int GetCounter() const { return m_nCounter; }

 private:
  bool m_bPhase = false;  // the frame shows its state colour while true
  int m_nCounter = 0;     // 0..4
};

// The frame colour: the background (the frame vanishes) while the phase is
// off; else dialog with alarm 0xFF00FF, dialog 0x00FF00, action 0xFF00FF,
// alarm 0x0000FF, none 0x000000 (COLORREF).
COLORREF ShapeFrameColor(bool phase, const ShapeBlinkFlags& flags);
