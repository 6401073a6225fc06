#include "shapes/DosePumpGeometry.h"

#include <algorithm>

namespace {

int Trunc(double value) { return static_cast<int>(value); }

}  // namespace

DosePumpLayout DosePumpLayoutFor(const CRect& r, int orientation) {
  DosePumpLayout layout;
  layout.orientation = orientation;
  const int w = r.Width();
  const int h = r.Height();
  int& m = layout.margin;
  switch (orientation) {
    case 2:
      m = Trunc(0.07 * w);
      layout.body = CRect(r.left + 2 * m, r.top, r.right - 2 * m, r.bottom - w);
      layout.cylinder = CRect(layout.body.left + m, layout.body.top + m, layout.body.right - m, layout.body.bottom);
      layout.caption = CRect(r.left + m, r.bottom - w, r.right - m, r.bottom - m);
      break;
    case 1:
      m = Trunc(0.07 * h);
      layout.body = CRect(r.left, r.top + 2 * m, r.right - h, r.bottom - 2 * m);
      layout.cylinder = CRect(layout.body.left + m, layout.body.top + m, layout.body.right, layout.body.bottom - m);
      layout.caption = CRect(r.right - h, r.top + m, r.right - m, r.bottom - m);
      break;
    default:
      m = Trunc(0.07 * h);
      layout.body = CRect(r.left + h, r.top + 2 * m, r.right, r.bottom - 2 * m);
      layout.cylinder = CRect(layout.body.left, layout.body.top + m, layout.body.right - m, layout.body.bottom - m);
      layout.caption = CRect(r.left + m, r.top + m, r.left + h, r.bottom - m);
      break;
  }
  return layout;
}

int PistonTravel(const DosePumpLayout& layout) {
  return layout.orientation == 2 ? layout.cylinder.Height() : layout.cylinder.Width();
}

void AdvancePiston(PistonState& piston, float speedPercent, float strokePercent, int travel) {
  if (speedPercent > 0.0f) piston.step = std::max(1, Trunc(speedPercent * travel * 0.001));
  if (piston.extending) {
    if (piston.position < Trunc(strokePercent * (travel - piston.step) * 0.01)) {
      piston.position += piston.step;
    } else {
      piston.extending = false;
    }
  } else if (piston.position > piston.step) {
    piston.position -= piston.step;
  } else {
    piston.extending = true;
  }
}

CRect PistonRect(const DosePumpLayout& layout, int position) {
  const CRect& b = layout.cylinder;
  const int m = layout.margin;
  switch (layout.orientation) {
    case 1: return CRect(b.right - position, b.top + m, b.right, b.bottom - m);
    case 2: return CRect(b.left + m, b.bottom - position, b.right - m, b.bottom);
    default: return CRect(b.left, b.top + m, b.left + position, b.bottom - m);
  }
}
