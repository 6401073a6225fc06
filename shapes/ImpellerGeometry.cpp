#include "shapes/ImpellerGeometry.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

int Trunc(double value) { return static_cast<int>(value); }

// Orientations 1 and 2 turn the other way round.
bool IsReversed(int orientation) { return orientation == 1 || orientation == 2; }

}  // namespace

std::vector<CPoint> PolarRecordPoints(const std::vector<PolarRecord>& records, CPoint centre) {
  std::vector<CPoint> points;
  points.reserve(records.size());
  for (const PolarRecord& record : records) {
    points.emplace_back(centre.x + Trunc(std::cos(record.angle) * record.radius),
                        centre.y + Trunc(std::sin(record.angle) * record.radius));
  }
  return points;
}

std::vector<PolarRecord> PumpImpellerRecords(int width, double angle, int orientation) {
  const double sign = IsReversed(orientation) ? 1.0 : -1.0;
  const int inner = Trunc(0.15 * width);
  const int outer = Trunc(0.45 * width);
  std::vector<PolarRecord> records;
  records.reserve(16);
  for (int k = 0; k < 16; k += 2) {
    records.push_back({inner, angle + sign * k * (kPi / 8)});
    records.push_back({outer, angle + sign * (k + 3) * (kPi / 8)});
  }
  return records;
}

double AdvancePumpImpeller(double angle, float percent, int orientation) {
  const double turn = percent * 0.003;
  return IsReversed(orientation) ? angle - turn : angle + turn;
}

std::array<CPoint, 4> PumpOutletPolygon(int width, int height, int orientation) {
  const int cx = width / 2;
  const int cy = height / 2;
  switch (orientation) {
    case 1: return {CPoint(cx, 0), CPoint(0, 0), CPoint(0, cy / 2), CPoint(cx, cy / 2)};
    case 2: {
      const int x = Trunc(0.75 * width);
      return {CPoint(width, cy), CPoint(width, 0), CPoint(x, 0), CPoint(x, cy)};
    }
    case 3: return {CPoint(0, cy), CPoint(0, 0), CPoint(cx / 2, 0), CPoint(cx / 2, cy)};
    default: return {CPoint(cx, 0), CPoint(width, 0), CPoint(width, cy / 2), CPoint(cx, cy / 2)};
  }
}

std::vector<PolarRecord> BladeRecords(int count, double angle, int innerRadius, int outerRadius) {
  if (count < 1) count = 1;
  const double step = kPi / count;
  if (count == 1) {
    return {{innerRadius, angle}, {outerRadius, angle + step / 2}, {innerRadius, angle + step}};
  }
  std::vector<PolarRecord> records;
  records.reserve(static_cast<size_t>(2 * count));
  for (int k = 0; k < 2 * count; ++k) records.push_back({k % 2 == 0 ? innerRadius : outerRadius, angle + k * step});
  return records;
}

int WheelBladeCount(int option1) { return (option1 & 0xF) + 1; }

int WheelDirection(int option1) { return ((option1 >> 4) & 0xF) + 1; }

std::vector<PolarRecord> WheelBladeRecords(int width, int blades, double angle, int orientation) {
  if (orientation != 1 && orientation != 2) return {};
  return BladeRecords(blades, angle, Trunc(0.15 * width), Trunc(0.45 * width));
}

double AdvanceWheel(double angle, float percent, int direction) {
  const double turn = percent * 0.008;
  switch (direction) {
    case 1: return angle + turn;
    case 2: return angle - turn;
    default: return angle;
  }
}
