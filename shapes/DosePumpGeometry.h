// The dosing pump's drawing as pure functions: the rectangles laid out at
// creation (body, cylinder, caption), the piston's travel and its stepping
// per paint, and the piston's rectangle. Tests check them by numbers; the
// shape only draws what these computed.
// Pure functions and plain values; safe from any thread.
#pragma once

#include "platform/WinTypes.h"

// By the second option word: 1 caption on the right, 2 caption below and
// the cylinder above, any other value caption on the left.
struct DosePumpLayout {
  int orientation = 0;
  int margin = 0;   // m: 7 % of the height (of the width for orientation 2)
  CRect body;       // A
  CRect cylinder;   // B, inside the body; the piston moves in it
  CRect caption;    // D
};

DosePumpLayout DosePumpLayoutFor(const CRect& client, int orientation);
// The piston's travel L: the cylinder's width (its height for orientation 2).
int PistonTravel(const DosePumpLayout& layout);

// Where the piston is: its position along the travel, the last step and
// whether it extends. All start at the cylinder's closed end: position 0,
// step 0, extending.
struct PistonState {
  int position = 0;
  int step = 0;
  bool extending = true;
};

// One paint of a running pump at speedPercent and strokePercent (0-100):
// a speed above 0 sets the step to max(1, trunc(speed * L * 0.001)), else
// the last step stays. Extending, the position grows by the step while it
// is below trunc(stroke * (L - step) * 0.01), then the piston turns;
// retracting, it shrinks by the step while it is above the step, then it
// turns. So at 100 % stroke it reaches at least L - step and never L.
void AdvancePiston(PistonState& piston, float speedPercent, float strokePercent, int travel);
// The piston, grown out of the cylinder's closed end by the position and
// narrower than the cylinder by the margin on both sides.
CRect PistonRect(const DosePumpLayout& layout, int position);
