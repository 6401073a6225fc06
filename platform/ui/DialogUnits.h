// The fixed rule that turns dialog units into pixels, so a dialog template
// lays out the same on every machine. For a dialog font of p points the
// base units are baseX = round(6 * p / 8) and baseY = round(13 * p / 8)
// pixels (6 x 13 for the usual 8-point font); a horizontal unit is a
// quarter of baseX and a vertical unit an eighth of baseY, each position
// and size rounded to the nearest pixel (halves away from zero):
//   x px = round(x * baseX / 4),  y px = round(y * baseY / 8).
// An 8-point template of 807 x 557 units is therefore 1211 x 905 pixels.
// Pure functions; any thread.
#pragma once

#include "platform/WinTypes.h"

struct DialogBaseUnits {
  int cx = 6;
  int cy = 13;
};

DialogBaseUnits GetDialogBaseUnits(int pointSize = 8);
int DialogUnitsToPixelsX(int units, int pointSize = 8);
int DialogUnitsToPixelsY(int units, int pointSize = 8);
// A rectangle in dialog units (left, top, right, bottom) in pixels.
CRect DialogUnitsToPixels(const CRect& units, int pointSize = 8);
