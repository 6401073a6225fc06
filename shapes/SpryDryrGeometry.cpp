#include "shapes/SpryDryrGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// The outline in design units.
constexpr double kOutline[12][2] = {{30, 0},   {30, 4.5},   {0, 44},    {0, 268},    {30, 307.5}, {30, 312},
                                    {40, 312}, {40, 307.5}, {70, 268},  {70, 44},    {40, 4.5},   {40, 0}};

constexpr double kRowPitch = 9.5;
constexpr double kFirstRowTop = 49.0;
constexpr double kSprayLength = 5.5;

// A coordinate truncated to whole pixels; one beyond the drawing range (a
// spray sized from a rate far outside its nozzle's range) stops at its edge.
int ToPixel(double v) {
  constexpr double kLimit = 1 << 20;
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

}  // namespace

TowerScale MakeTowerScale(int width, int height) {
  return TowerScale{width / kTowerDesignWidth, height / kTowerDesignHeight};
}

CPoint TowerPoint(double x, double y, const TowerScale& scale) {
  return CPoint(ToPixel(x * scale.sx), ToPixel(y * scale.sy));
}

std::array<CPoint, 12> TowerOutline(const TowerScale& scale) {
  std::array<CPoint, 12> points;
  for (size_t i = 0; i < points.size(); ++i) points[i] = TowerPoint(kOutline[i][0], kOutline[i][1], scale);
  return points;
}

double TowerNozzleGap(int cols) { return (kTowerDesignWidth - 2.0 * cols) / (cols + 1); }

double TowerRowOffset(int row, int rows, int cols) {
  if (rows <= 1 || cols <= 1) return 0.0;
  const double shift = (TowerNozzleGap(cols) - 2.0) / 4.0;
  return row % 2 == 0 ? -1.0 - shift : 1.0 + shift;
}

double TowerNozzleCentre(int row, int col, int rows, int cols) {
  const double gap = TowerNozzleGap(cols);
  return TowerRowOffset(row, rows, cols) + 1.0 + gap + col * (gap + 2.0);
}

double TowerNozzleTop(int row) { return kFirstRowTop + kRowPitch * row; }

std::array<CPoint, 6> TowerNozzleGlyph(double centre, int row, const TowerScale& scale) {
  const double top = TowerNozzleTop(row);
  return {TowerPoint(centre, top, scale),           TowerPoint(centre, top + 2, scale),
          TowerPoint(centre - 1, top + 2, scale),   TowerPoint(centre, top + 4, scale),
          TowerPoint(centre + 1, top + 2, scale),   TowerPoint(centre, top + 2, scale)};
}

double TowerSprayFraction(float rate, float min, float max) {
  // Until a nozzle's range is set (max equal to min) its spray has no size.
  if (max == min) return 0.0;
  const double fraction = (static_cast<double>(rate) - min) / (static_cast<double>(max) - min);
  return std::isnan(fraction) ? 0.0 : fraction;
}

std::array<CPoint, 3> TowerSprayTriangle(double centre, int row, double gap, double fraction,
                                         const TowerScale& scale) {
  const double tip = TowerNozzleTop(row) + 4.0;
  const double halfWidth = kSprayLength * fraction * gap / 15.0;
  const double base = tip + kSprayLength * fraction;
  return {TowerPoint(centre, tip, scale), TowerPoint(centre - halfWidth, base, scale),
          TowerPoint(centre + halfWidth, base, scale)};
}

bool TowerGlyphHit(const std::array<CPoint, 6>& glyph, CPoint point) {
  return point.x > glyph[2].x && point.x < glyph[4].x && point.y > glyph[2].y && point.y < glyph[3].y;
}

TowerLayout LayoutTower(int width, int height, int rows, int cols) {
  TowerLayout layout;
  layout.scale = MakeTowerScale(width, height);
  layout.outline = TowerOutline(layout.scale);
  layout.rows = std::max(rows, 0);
  layout.cols = std::max(cols, 0);
  layout.gap = layout.cols > 0 ? TowerNozzleGap(layout.cols) : 0.0;
  for (int row = 0; row < layout.rows; ++row) {
    for (int col = 0; col < layout.cols; ++col) {
      const double centre = TowerNozzleCentre(row, col, layout.rows, layout.cols);
      layout.centres.push_back(centre);
      layout.glyphs.push_back(TowerNozzleGlyph(centre, row, layout.scale));
    }
  }
  return layout;
}

std::vector<int> TowerNozzlesAt(const TowerLayout& layout, CPoint point) {
  std::vector<int> hits;
  for (size_t i = 0; i < layout.glyphs.size(); ++i) {
    if (TowerGlyphHit(layout.glyphs[i], point)) hits.push_back(static_cast<int>(i) + 1);
  }
  return hits;
}

CPoint TowerLabelPoint(int xPercent, int yPercent, int width, int height) {
  return CPoint(xPercent * width / 100 + 10, yPercent * height / 100 + 10);
}
