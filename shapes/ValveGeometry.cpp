#include "shapes/ValveGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

int Trunc(double value) { return static_cast<int>(value); }

// One wedge; inner, outer and tip are fractions of the pipe's length.
std::array<CPoint, 6> Wedge(double inner, double outer, double tip, bool vertical, int w, int h) {
  if (vertical) {
    return {CPoint(0, Trunc(inner * h)),          CPoint(0, Trunc(outer * h)),
            CPoint(w, Trunc(outer * h)),          CPoint(w, Trunc(inner * h)),
            CPoint(Trunc(0.51 * w), Trunc(tip * h)), CPoint(Trunc(0.49 * w), Trunc(tip * h))};
  }
  return {CPoint(Trunc(inner * w), 0),          CPoint(Trunc(outer * w), 0),
          CPoint(Trunc(outer * w), h),          CPoint(Trunc(inner * w), h),
          CPoint(Trunc(tip * w), Trunc(0.51 * h)), CPoint(Trunc(tip * w), Trunc(0.49 * h))};
}

}  // namespace

ValveWedges ValveClosedWedges(int width, int height, bool vertical) {
  return {Wedge(0.17, 0.15, 0.5, vertical, width, height), Wedge(0.83, 0.85, 0.5, vertical, width, height)};
}

ValveWedges ValveOpenWedges(int width, int height, bool vertical, double gap) {
  // A horizontal pipe's wedges open with slightly wider bases.
  const double firstInner = vertical ? 0.17 : 0.18;
  const double secondInner = vertical ? 0.83 : 0.82;
  return {Wedge(firstInner - gap, 0.15 - gap, 0.5 - gap, vertical, width, height),
          Wedge(secondInner + gap, 0.85 + gap, 0.5 + gap, vertical, width, height)};
}

double ValveOpeningGap(float percent) {
  if (!(percent > 0.0f)) return 0.0;
  return std::max(percent / 667.0, 0.05);
}

bool ValveDrawnOpen(DWORD style, bool open) {
  switch ((style >> 28) & 0xF) {
    case 0: return open;
    case 1: return !open;
    default: return false;
  }
}

CRect ValvePassage(const ValveWedges& wedges, bool vertical, int width, int height) {
  if (vertical) {
    const int top = std::min(wedges.first[4].y, wedges.second[4].y);
    const int bottom = std::max(wedges.first[4].y, wedges.second[4].y);
    return CRect(0, top, width, std::max(bottom, top + 1));
  }
  const int left = std::min(wedges.first[4].x, wedges.second[4].x);
  const int right = std::max(wedges.first[4].x, wedges.second[4].x);
  return CRect(left, 0, std::max(right, left + 1), height);
}

DbfFlapLayout DbfFlapLayoutFor(int width, int height, int option2) {
  constexpr double pi = std::numbers::pi;
  DbfFlapLayout layout;
  switch (option2) {
    case 2:
      layout = {0.9 * width, 0.1 * height, 0.9 * width, pi, pi / 2};
      break;
    case 3: {
      // The integer quotient first, as the layout was designed.
      const double base = width > 0 ? std::atan(static_cast<double>((2 * height) / width)) : pi / 2;
      layout = {0.5 * width, 0.95 * height, 0.95 * height, base, pi - 2 * base};
      break;
    }
    default:
      layout = {0.1 * width, 0.1 * height, 0.9 * width, 0.0, -pi / 2};
      break;
  }
  return layout;
}

double DbfFlapAngle(const DbfFlapLayout& layout, float percent, bool open) {
  if (!open) return layout.baseAngle;
  return layout.baseAngle + layout.fullTurn * percent / 100.0;
}

std::array<CPoint, 6> DbfFlapPolygon(const DbfFlapLayout& layout, double angle) {
  constexpr double pi = std::numbers::pi;
  const double l = layout.length;
  const double polar[6][2] = {{0.0, angle},           {0.1 * l, angle + pi / 4}, {0.9 * l, angle + 0.11},
                              {l, angle},             {0.9 * l, angle - 0.11},   {0.1 * l, angle - pi / 4}};
  std::array<CPoint, 6> points;
  for (size_t i = 0; i < points.size(); ++i) {
    const double r = polar[i][0];
    const double a = polar[i][1];
    points[i] = CPoint(static_cast<int>(std::lround(layout.pivotX + r * std::cos(a))),
                       static_cast<int>(std::lround(layout.pivotY - r * std::sin(a))));
  }
  return points;
}

CRect DbfPivotEllipse(const DbfFlapLayout& layout, int width, int height) {
  const int radius = std::max(2, std::min(width, height) / 12);
  const int x = Trunc(layout.pivotX);
  const int y = Trunc(layout.pivotY);
  return CRect(x - radius, y - radius, x + radius + 1, y + radius + 1);
}
