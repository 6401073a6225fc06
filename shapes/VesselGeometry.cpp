#include "shapes/VesselGeometry.h"

#include <algorithm>

namespace {

int Trunc(double value) { return static_cast<int>(value); }

// Fills rows first..last (inclusive) with the walls.
void SetRows(VesselOutline& o, int first, int last, int left, int right) {
  for (int i = std::max(first, 0); i <= std::min(last, kVesselRows - 1); ++i) {
    o.left[static_cast<size_t>(i)] = left;
    o.right[static_cast<size_t>(i)] = right;
  }
}

int& Left(VesselOutline& o, int row) { return o.left[static_cast<size_t>(row)]; }
int& Right(VesselOutline& o, int row) { return o.right[static_cast<size_t>(row)]; }

void LayoutHopper(VesselOutline& o, DWORD word, int w) {
  const VesselLayoutWord layout = DecodeVesselLayout(word);
  const auto& l = layout.nibble;
  const int shared = kVesselRows - layout.straightShare;
  const int sum = l[1] + l[2] + l[3] + l[4];
  const int rowsA = sum > 0 ? shared * l[1] / sum : 0;
  const int rowsB = sum > 0 ? shared * l[2] / sum : 0;
  const int rowsD = sum > 0 ? shared * l[3] / sum : 0;
  const double top = 1.0 - l[0] / 15.0;
  const double bottom = 1.0 - l[5] / 15.0;
  const double half = w / 2.0;

  SetRows(o, 0, 0, w / 2, w / 2);
  SetRows(o, 0, rowsA - 1, Trunc(w * top / 2), Trunc(w * (1.0 + l[0] / 15.0) / 2));
  int row = rowsA;
  const int ref = rowsA > 0 ? rowsA - 1 : 0;
  const int refLeft = Left(o, ref), refRight = Right(o, ref);
  for (int j = 0; j < rowsB; ++j, ++row) {
    const int widen = Trunc(j * top * half / rowsB);
    SetRows(o, row, row, refLeft - widen, refRight + widen);
  }
  SetRows(o, row, row + layout.straightShare - 1, 0, w);
  row += layout.straightShare;
  for (int j = 0; j < rowsD; ++j, ++row) {
    const int narrow = Trunc(j * bottom * half / rowsD);
    SetRows(o, row, row, narrow, w - narrow);
  }
  SetRows(o, row, kVesselRows - 1, Trunc(w * bottom / 2), Trunc(w * (1.0 + l[5] / 15.0) / 2));
}

// Type 4: a narrow neck, shoulders, the body and a short outlet.
void LayoutScreenTop(VesselOutline& o, int w) {
  SetRows(o, 0, 3, w * 42 / 100, w * 58 / 100);
  for (int j = 0; j <= 6; ++j) {
    const int i = 4 + j;
    SetRows(o, i, i, Left(o, i - 1) - Trunc((7 - j) * w * 0.019), Right(o, i - 1) + Trunc((7 - j) * w * 0.02));
  }
  SetRows(o, 11, 92, 0, w);
  for (int j = 0; j <= 6; ++j) {
    const int i = 93 + j;
    SetRows(o, i, i, Left(o, i - 1) + Trunc(j * w * 0.019), Right(o, i - 1) - Trunc(j * w * 0.02));
  }
}

// Type 5: neck, shoulders, body, a cone, a short straight piece, a second cone.
void LayoutCyclone(VesselOutline& o, int w) {
  SetRows(o, 0, 3, Trunc(0.42 * w), Trunc(0.58 * w));
  for (int j = 0; j <= 6; ++j) {
    SetRows(o, 4 + j, 4 + j, Left(o, 3) - Trunc(j * 0.06 * w), Right(o, 3) + Trunc(j * 0.06 * w));
  }
  SetRows(o, 11, 56, 0, w);
  for (int j = 0; j <= 20; ++j) SetRows(o, 57 + j, 57 + j, Trunc(j * 0.013 * w), Trunc(w - j * 0.013 * w));
  SetRows(o, 78, 80, Left(o, 77), Right(o, 77));
  const int left80 = Left(o, 80), right80 = Right(o, 80);
  for (int k = -1; k <= 14; ++k) {
    SetRows(o, 82 + k, 82 + k, left80 + Trunc(k * 0.013 * w), right80 - Trunc(k * 0.013 * w));
  }
  SetRows(o, 97, 99, Left(o, 96), Right(o, 96));
}

// Types 6 and 7: neck, shoulders, body, a floor sloping to one side.
void LayoutSloped(VesselOutline& o, int w, bool narrowLeft) {
  SetRows(o, 0, 3, Trunc(0.385 * w), Trunc(0.615 * w));
  for (int j = 0; j <= 6; ++j) {
    SetRows(o, 4 + j, 4 + j, Left(o, 3) - Trunc(j * 0.055 * w), Right(o, 3) + Trunc(j * 0.055 * w));
  }
  SetRows(o, 11, 54, 0, w);
  for (int j = 0; j <= 42; ++j) {
    if (narrowLeft) {
      SetRows(o, 55 + j, 55 + j, Trunc(j * 0.018 * w), w);
    } else {
      SetRows(o, 55 + j, 55 + j, 0, Trunc(w - j * 0.018 * w));
    }
  }
  SetRows(o, 98, 99, Left(o, 97), Right(o, 97));
}

}  // namespace

VesselLayoutWord DecodeVesselLayout(DWORD word) {
  VesselLayoutWord layout;
  for (size_t i = 0; i < layout.nibble.size(); ++i) layout.nibble[i] = static_cast<int>((word >> (4 * i)) & 0xF);
  layout.straightShare = std::max(1, static_cast<int>((word >> 24) & 0xFF) % 100);
  return layout;
}

VesselOutline LayoutVesselOutline(int type, DWORD layoutWord, int width, int height) {
  VesselOutline o;
  for (int i = 0; i < kVesselRows; ++i) o.y[static_cast<size_t>(i)] = i * height / (kVesselRows - 1);
  switch (type) {
    case 1:
    case 2:
    case 8: LayoutHopper(o, layoutWord, width); break;
    case 4: LayoutScreenTop(o, width); break;
    case 5: LayoutCyclone(o, width); break;
    case 6: LayoutSloped(o, width, false); break;
    case 7: LayoutSloped(o, width, true); break;
    default: SetRows(o, 0, kVesselRows - 1, 0, width); break;
  }
  for (int i = 0; i < kVesselRows; ++i) {
    Left(o, i) = std::clamp(Left(o, i), 0, width);
    Right(o, i) = std::clamp(Right(o, i), 0, width);
  }
  return o;
}

std::vector<CPoint> VesselPolygon(const VesselOutline& outline, int firstRow) {
  std::vector<CPoint> points;
  if (firstRow < 0 || firstRow >= kVesselRows) return points;
  points.reserve(static_cast<size_t>(2 * (kVesselRows - firstRow)));
  for (int i = firstRow; i < kVesselRows; ++i) {
    points.emplace_back(outline.left[static_cast<size_t>(i)], outline.y[static_cast<size_t>(i)]);
  }
  for (int i = kVesselRows - 1; i >= firstRow; --i) {
    points.emplace_back(outline.right[static_cast<size_t>(i)], outline.y[static_cast<size_t>(i)]);
  }
  return points;
}

std::vector<CPoint> VesselLevelPolygon(const VesselOutline& outline, float percent) {
  const int k = percent >= 100.0f ? 100 : static_cast<int>(std::max(percent, 0.0f));
  if (k <= 0) return {};  // an empty vessel has no level to fill
  return VesselPolygon(outline, kVesselRows - k);
}

int VesselStyleNibble(DWORD style, int index) { return static_cast<int>((style >> (4 * index)) & 0xF); }

CRect VesselBandRect(int nibble, int width, int height) {
  const int centre = nibble * height / 16;
  return CRect(0, centre - 10, width, centre + 10);
}

int VesselMarkTravel(const VesselOutline& outline, int y, int width, int height) {
  const int row = height > 0 ? std::clamp(y * (kVesselRows - 1) / height, 0, kVesselRows - 1) : 0;
  const int centre = width / 2;
  const int nearer =
      std::min(centre - outline.left[static_cast<size_t>(row)], outline.right[static_cast<size_t>(row)] - centre);
  return std::max(5, nearer - 5);
}

void AdvanceVesselMark(VesselMark& mark, int travel, float speedPercent, bool running, bool bounce) {
  const int step = running && speedPercent > 0.0f ? std::max(1, Trunc(travel * speedPercent * 0.0015)) : 0;
  mark.position += step * mark.direction;
  const int end = Trunc(0.9 * travel);
  if (mark.position >= end) {
    mark.position = end - 1;
    if (bounce) mark.direction = -1;
  } else if (mark.position <= 0) {
    mark.position = 1;
    if (bounce) mark.direction = 1;
  }
}

CRect VesselMarkRect(int travel, int position, int y, int width) {
  const int halfHeight = std::max(1, Trunc(0.05 * travel));
  const int centre = width / 2;
  return CRect(centre - position, y - halfHeight, centre + position, y + halfHeight);
}
