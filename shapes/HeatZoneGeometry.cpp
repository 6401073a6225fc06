#include "shapes/HeatZoneGeometry.h"

#include <algorithm>

namespace {

int Trunc(double value) { return static_cast<int>(value); }

struct Row {
  int left;
  int right;
};

std::vector<Row> SilhouetteRows(int width, const HeatZoneSilhouette& s) {
  const int weights = s.q1 + s.q2 + s.q3 + s.q4;
  if (weights == 0) return std::vector<Row>(kHeatZoneRows, Row{0, width});
  const int rest = kHeatZoneRows - s.p;
  const int s1 = rest * s.q1 / weights;
  const int s2 = rest * s.q2 / weights;
  const int s4 = rest * s.q3 / weights;
  const double half = width * 0.5;
  const double topMargin = (1.0 - s.a / 15.0) * half;
  const double bottomMargin = (1.0 - s.b / 15.0) * half;

  std::vector<Row> rows;
  rows.reserve(kHeatZoneRows);
  // Without a top section the widening starts from the centre.
  Row top{width / 2, width / 2};
  for (int j = 0; j < s1; ++j) {
    top = {Trunc(topMargin), Trunc((1.0 + s.a / 15.0) * half)};
    rows.push_back(top);
  }
  for (int j = 0; j < s2; ++j) {
    const int out = Trunc(j * topMargin / s2);
    rows.push_back({top.left - out, top.right + out});
  }
  for (int j = 0; j < s.p; ++j) rows.push_back({0, width});
  for (int j = 0; j < s4; ++j) {
    const int in = Trunc(j * bottomMargin / s4);
    rows.push_back({in, width - in});
  }
  while (static_cast<int>(rows.size()) < kHeatZoneRows) {
    rows.push_back({Trunc(bottomMargin), Trunc((1.0 + s.b / 15.0) * half)});
  }
  rows.resize(kHeatZoneRows);
  return rows;
}

}  // namespace

HeatZoneOutlineKind HeatZoneOutlineKindOf(int option2) {
  switch (option2) {
    case 1: return HeatZoneOutlineKind::Silhouette;
    case 2:
    case 8: return HeatZoneOutlineKind::None;
    default: return HeatZoneOutlineKind::Rectangle;
  }
}

HeatZoneSilhouette HeatZoneSilhouetteOf(int option1) {
  const auto w = static_cast<unsigned>(option1);
  HeatZoneSilhouette s;
  s.a = static_cast<int>(w & 0xF);
  s.q1 = static_cast<int>((w >> 4) & 0xF);
  s.q2 = static_cast<int>((w >> 8) & 0xF);
  s.q3 = static_cast<int>((w >> 12) & 0xF);
  s.q4 = static_cast<int>((w >> 16) & 0xF);
  s.b = static_cast<int>((w >> 20) & 0xF);
  s.p = static_cast<int>((w >> 24) & 0xFF) % 100;
  if (s.p < 2) s.p = 1;
  return s;
}

std::vector<CPoint> HeatZoneOutline(int width, int height, int option1, int option2) {
  std::vector<Row> rows;
  switch (HeatZoneOutlineKindOf(option2)) {
    case HeatZoneOutlineKind::None: return {};
    case HeatZoneOutlineKind::Rectangle: rows.assign(kHeatZoneRows, Row{0, width}); break;
    case HeatZoneOutlineKind::Silhouette: rows = SilhouetteRows(width, HeatZoneSilhouetteOf(option1)); break;
  }
  std::vector<CPoint> outline(2 * kHeatZoneRows);
  for (int k = 0; k < kHeatZoneRows; ++k) {
    const int y = k * height / (kHeatZoneRows - 1);
    outline[static_cast<size_t>(k)] = CPoint(rows[static_cast<size_t>(k)].left, y);
    outline[static_cast<size_t>(2 * kHeatZoneRows - 1 - k)] = CPoint(rows[static_cast<size_t>(k)].right, y);
  }
  return outline;
}

std::vector<CPoint> HeatZoneLevel(const std::vector<CPoint>& outline, float percent) {
  const int filled = std::min(Trunc(percent), kHeatZoneRows);
  if (filled < 1 || outline.size() != 2 * kHeatZoneRows) return {};
  const int surface = kHeatZoneRows - filled;  // the row the level stands on
  std::vector<CPoint> level = outline;
  for (int k = 0; k < surface; ++k) {
    level[static_cast<size_t>(k)] = outline[static_cast<size_t>(surface)];
    level[static_cast<size_t>(2 * kHeatZoneRows - 1 - k)] = outline[static_cast<size_t>(2 * kHeatZoneRows - 1 - surface)];
  }
  return level;
}

int HeatZoneFlameRoom(const std::vector<CPoint>& outline, int width, int height) {
  if (outline.size() != 2 * kHeatZoneRows || height <= 0) return 0;
  const int r = Trunc(height / 1.5) * 100 / height;
  const int half = width / 2;
  const int left = half - outline[static_cast<size_t>(r + 5)].x;
  const int right = outline[static_cast<size_t>(kHeatZoneRows + r + 5)].x - half;
  return std::max(1, std::min(left, right));
}

void AdvanceFlames(FlameState& flames, float pressurePercent, int room) {
  const int top = Trunc(0.9 * room);
  flames.lastStep = Trunc(pressurePercent * room * 0.001);
  flames.a += flames.direction * flames.lastStep;
  flames.b -= flames.direction * flames.lastStep;
  if (flames.a >= top) {
    flames.a = top - 1;
    flames.direction = -flames.direction;
  }
  if (flames.a < 1) {
    flames.b = top - 1;
    flames.a = 1;
    flames.direction = -flames.direction;
  }
}

std::array<std::array<CPoint, 5>, 4> FlamePolygons(const FlameState& flames, int width, int height) {
  const int centre = width / 2;
  const auto flame = [&](int size, int anchor, int side) {
    const auto x = [&](double spread) { return centre + side * Trunc(spread * size); };
    return std::array<CPoint, 5>{CPoint(x(0.05), anchor),
                                 CPoint(x(0.7), anchor - Trunc(0.02 * height)),
                                 CPoint(x(0.8), anchor - Trunc(0.06 * height)),
                                 CPoint(x(0.6), anchor + Trunc(0.025 * height)),
                                 CPoint(x(0.05), anchor + Trunc(0.025 * height))};
  };
  const int third = height / 3;
  const int twoThirds = 2 * height / 3;
  return {flame(flames.a, third, -1), flame(flames.a, third, 1), flame(flames.b, twoThirds, -1),
          flame(flames.b, twoThirds, 1)};
}
