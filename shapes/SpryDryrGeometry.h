// The geometry of the spray-dryer tower as pure functions, so tests check
// them by numbers and the tower only draws what these computed.
//
// The tower is designed 70 units wide and 312 high and scaled to the
// window (each point truncated after scaling): a top neck, a widening cone,
// the cylinder, a narrowing cone and the bottom outlet. Its nozzles sit in
// rows 9.5 units apart from y = 49, spread evenly across the width; the
// rows are staggered left and right when there is more than one row and
// more than one column. A nozzle's glyph is a stem with a small downward
// triangle; an open nozzle sprays a triangle below it whose size follows
// its rate within its min..max.
// Pure functions; safe from any thread.
#pragma once

#include <array>
#include <vector>

#include "platform/WinTypes.h"

constexpr double kTowerDesignWidth = 70.0;
constexpr double kTowerDesignHeight = 312.0;

// Design units to client pixels.
struct TowerScale {
  double sx = 1.0;  // width / 70
  double sy = 1.0;  // height / 312
};
TowerScale MakeTowerScale(int width, int height);
CPoint TowerPoint(double x, double y, const TowerScale& scale);

// The twelve outline points, from the top neck's left edge round the
// left wall, the outlet and up the right wall.
std::array<CPoint, 12> TowerOutline(const TowerScale& scale);

// The gap between the nozzles of a row of cols: (70 - 2 cols) / (cols + 1).
double TowerNozzleGap(int cols);
// The row's shift: 0 with one row or one column (no stagger); else
// -1 - (gap - 2) / 4 for even rows and 1 + (gap - 2) / 4 for odd rows.
// The glyph and its spray use this one rule.
double TowerRowOffset(int row, int rows, int cols);
// The glyph's centre x: offset + 1 + gap + col * (gap + 2).
double TowerNozzleCentre(int row, int col, int rows, int cols);
// The top of a row's glyphs: 49 + 9.5 row.
double TowerNozzleTop(int row);

// The glyph: (xc, y0), (xc, y0+2), (xc-1, y0+2), (xc, y0+4), (xc+1, y0+2),
// (xc, y0+2) with y0 the row's top.
std::array<CPoint, 6> TowerNozzleGlyph(double centre, int row, const TowerScale& scale);
// The spray's relative size: (rate - min) / (max - min), also beyond 0..1
// for a rate outside the range (a range changed after the rate); 0 when max
// equals min or the result is not a number.
double TowerSprayFraction(float rate, float min, float max);
// The spray: apex at the glyph's lower tip (xc, y0+4), base corners at
// (xc -/+ d, y0+4 + 5.5 f) with d = 5.5 f gap / 15.
std::array<CPoint, 3> TowerSprayTriangle(double centre, int row, double gap, double fraction,
                                         const TowerScale& scale);
// Whether the point lies strictly inside the glyph triangle's box: between
// its left and right corners in x, between its top and lower tip in y.
bool TowerGlyphHit(const std::array<CPoint, 6>& glyph, CPoint point);

// The tower laid out for a window and a grid: what a paint and a click need.
struct TowerLayout {
  TowerScale scale;
  std::array<CPoint, 12> outline{};
  int rows = 0;
  int cols = 0;
  double gap = 0.0;
  std::vector<double> centres;                  // per nozzle (1-based number - 1), design units
  std::vector<std::array<CPoint, 6>> glyphs;    // per nozzle, client pixels
};
TowerLayout LayoutTower(int width, int height, int rows, int cols);
// The row of nozzle index (0-based) in the layout.
inline int TowerNozzleRow(const TowerLayout& layout, int index) { return layout.cols > 0 ? index / layout.cols : 0; }
// The numbers (1-based) of the nozzles whose glyph box holds the point.
std::vector<int> TowerNozzlesAt(const TowerLayout& layout, CPoint point);

// Where a tower-safety temperature is written: x% of the width + 10,
// y% of the height + 10.
CPoint TowerLabelPoint(int xPercent, int yPercent, int width, int height);
