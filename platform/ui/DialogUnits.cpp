#include "platform/ui/DialogUnits.h"

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int ScaleRound(long long a, long long b, long long c) {
  if (c == 0) return 0;
  const long long product = a * b;
  const bool negative = (product < 0) != (c < 0);
  const long long p = product < 0 ? -product : product;
  const long long d = c < 0 ? -c : c;
  const long long q = (p + d / 2) / d;
  return static_cast<int>(negative ? -q : q);
}

}  // namespace

DialogBaseUnits GetDialogBaseUnits(int pointSize) {
  if (pointSize <= 0) pointSize = 8;
  return DialogBaseUnits{ScaleRound(6, pointSize, 8), ScaleRound(13, pointSize, 8)};
}

int DialogUnitsToPixelsX(int units, int pointSize) {
  return ScaleRound(units, GetDialogBaseUnits(pointSize).cx, 4);
}

int DialogUnitsToPixelsY(int units, int pointSize) {
  return ScaleRound(units, GetDialogBaseUnits(pointSize).cy, 8);
}

CRect DialogUnitsToPixels(const CRect& units, int pointSize) {
  return CRect(DialogUnitsToPixelsX(units.left, pointSize), DialogUnitsToPixelsY(units.top, pointSize),
               DialogUnitsToPixelsX(units.right, pointSize), DialogUnitsToPixelsY(units.bottom, pointSize));
}
