// The turning parts of the centrifugal machines, the rotary wheels and the
// belt's pulleys as pure functions of the window size, the option words and
// the current angle, so tests check them by numbers and the shapes only
// draw what these computed.
//
// A turning part is a list of polar records (radius, angle) around the
// centre of its round; drawn as one polygon of the points
// (cx + trunc(cos a * r), cy + trunc(sin a * r)) in record order.
// Pure functions; safe from any thread.
#pragma once

#include <array>
#include <vector>

#include "platform/WinTypes.h"

struct PolarRecord {
  int radius = 0;
  double angle = 0.0;  // radians, clockwise on the screen
};

// The points of the records around the centre, in record order.
std::vector<CPoint> PolarRecordPoints(const std::vector<PolarRecord>& records, CPoint centre);

// ---- Centrifugal pump and fan -----------------------------------------------------------------

// The impeller of a pump `width` wide at angle a0: records k = 0, 2, .., 14
// with radius trunc(0.15 width) at a0 + s k pi/8 and records k + 1 with
// radius trunc(0.45 width) at a0 + s (k + 3) pi/8; s is +1 for orientation
// 1 or 2, else -1 (the vanes lean with the outlet).
std::vector<PolarRecord> PumpImpellerRecords(int width, double angle, int orientation);
// The impeller's angle after one paint of a running pump at percent (0-100)
// of its speed range: percent * 0.003 radians, taken off for orientation 1
// or 2 and added otherwise.
double AdvancePumpImpeller(double angle, float percent, int orientation);
// The outlet, a block on the round's edge, by orientation: 1 to the left
// along the top, 2 upward at the right, 3 upward at the left, any other
// value to the right along the top.
std::array<CPoint, 4> PumpOutletPolygon(int width, int height, int orientation);

// ---- Blades and spokes -------------------------------------------------------------------------

// Blades (or spokes) alternating between the inner and the outer radius:
// one blade gives three records (inner, a0), (outer, a0 + pi/2), (inner,
// a0 + pi); n >= 2 give 2n records, record k at a0 + k pi/n, inner for even
// k, outer for odd k. A count below 1 counts as 1.
std::vector<PolarRecord> BladeRecords(int count, double angle, int innerRadius, int outerRadius);

// ---- Rotary wheel ---------------------------------------------------------------------------------

// The wheel's blade count (bits 0-3 of the first option word, plus 1) and
// turning direction (bits 4-7 plus 1: 1 forward, 2 backward, other values
// stand still).
int WheelBladeCount(int option1);
int WheelDirection(int option1);
// The wheel's blades for a wheel `width` wide: radii trunc(0.15 width) and
// trunc(0.45 width). Blades are laid out only for orientation 1 and 2; any
// other orientation has none (nothing is drawn).
std::vector<PolarRecord> WheelBladeRecords(int width, int blades, double angle, int orientation);
// The angle after one paint of a running wheel (or belt pulley) at percent
// of its speed range: percent * 0.008 radians added for direction 1, taken
// off for direction 2, unchanged otherwise.
double AdvanceWheel(double angle, float percent, int direction);
