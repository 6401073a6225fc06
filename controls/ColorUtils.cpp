#include "controls/ColorUtils.h"

namespace {

int DarkenChannel(int c, double factor) {
  return static_cast<int>(c - c * factor);
}

}  // namespace

COLORREF DarkenColor(COLORREF cr, double dFactor) {
  // The comparison is written so that a NaN factor also fails it.
  if (!(dFactor > 0.0 && dFactor <= 1.0)) return cr;
  return RGB(DarkenChannel(GetRValue(cr), dFactor), DarkenChannel(GetGValue(cr), dFactor),
             DarkenChannel(GetBValue(cr), dFactor));
}
