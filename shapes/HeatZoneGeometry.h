// The heat zone's drawing as pure functions: the chamber's outline
// computed from the descriptor, the part of it the temperature fills, the
// room the burner flames have, their flicker and their polygons. Tests
// check them by numbers; the shape only draws what these computed.
//
// An outline is 100 rows from top to bottom, row k at y = trunc(k H / 99):
// the polygon is the 100 left points top to bottom, then the 100 right
// points bottom to top (200 points).
// Pure functions and plain values; safe from any thread.
#pragma once

#include <array>
#include <vector>

#include "platform/WinTypes.h"

constexpr int kHeatZoneRows = 100;

// The outline kinds of the second option word: 1 the silhouette of the
// first option word, 2 and 8 no outline (nothing is drawn), any other
// value the full rectangle.
enum class HeatZoneOutlineKind { Silhouette, None, Rectangle };
HeatZoneOutlineKind HeatZoneOutlineKindOf(int option2);

// The silhouette's parameters, from the first option word w: top width a
// (bits 0-3, in fifteenths of the half width), section weights q1..q4
// (bits 4-7, 8-11, 12-15, 16-19), bottom width b (bits 20-23) and the
// percent of rows at full width p ((bits 24-31) mod 100, 1 when below 2).
struct HeatZoneSilhouette {
  int a = 0, q1 = 0, q2 = 0, q3 = 0, q4 = 0, b = 0, p = 1;
};
HeatZoneSilhouette HeatZoneSilhouetteOf(int option1);

// The outline of a window width x height: for the silhouette, from the top
// s1 = trunc(R q1 / S) rows at the top width, s2 = trunc(R q2 / S) rows
// widening to the full width, p rows at full width, trunc(R q3 / S) rows
// narrowing and the rest at the bottom width (R = 100 - p, S = q1 + .. +
// q4). Weights that sum to 0 give the full rectangle. Empty for kind None.
std::vector<CPoint> HeatZoneOutline(int width, int height, int option1, int option2);
// The filled part at percent (0-100) of the Temperature range: the
// outline with every row above row 100 - trunc(percent) moved onto that
// row. Empty below 1 % (nothing is filled) and for an empty outline.
std::vector<CPoint> HeatZoneLevel(const std::vector<CPoint>& outline, float percent);

// The flames' room h: half the outline's width near two thirds of the
// height (the smaller of the two sides, r = trunc(trunc(H / 1.5) * 100 / H),
// left point of row r + 5, right point at polygon position 100 + r + 5),
// at least 1; 0 without an outline.
int HeatZoneFlameRoom(const std::vector<CPoint>& outline, int width, int height);

// The flicker: sizes A and B swing against each other (A grows while B
// shrinks, direction d) between 1 and trunc(0.9 h) - 1.
struct FlameState {
  int a = 0;
  int b = 0;
  int direction = 1;
  int lastStep = 0;
};
// One paint while the fuel is on: step = trunc(pressurePercent * h *
// 0.001); A += d step, B -= d step; A at trunc(0.9 h) or above becomes
// trunc(0.9 h) - 1 and d turns; A below 1 becomes 1, B trunc(0.9 h) - 1,
// and d turns.
void AdvanceFlames(FlameState& flames, float pressurePercent, int room);
// Four five-point flames about the vertical centre line: two of size A
// (mirrored left and right) at a third of the height and two of size B at
// two thirds. Each reaches out from the centre line (0.05 s) to 0.6, 0.8
// and 0.7 s, and from 0.025 H below its anchor to 0.06 H above it.
std::array<std::array<CPoint, 5>, 4> FlamePolygons(const FlameState& flames, int width, int height);
