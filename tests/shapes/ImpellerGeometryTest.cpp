// The turning parts by numbers: the pump's impeller and outlet, blades and
// spokes, the wheel's option words, and how far each turns per paint.
#include <gtest/gtest.h>

#include <numbers>

#include "shapes/ImpellerGeometry.h"

namespace {

constexpr double kPi = std::numbers::pi;

TEST(ImpellerGeometryTest, PumpImpellerAlternatesInnerAndOuterRecords) {
  // The suction fan: 85 wide, radii trunc(12.75) and trunc(38.25).
  const struct {
    int orientation;
    double sign;
  } rows[] = {{1, 1.0}, {2, 1.0}, {3, -1.0}, {4, -1.0}, {0, -1.0}};
  for (const auto& row : rows) {
    const std::vector<PolarRecord> records = PumpImpellerRecords(85, 0.5, row.orientation);
    ASSERT_EQ(records.size(), 16u);
    for (int k = 0; k < 16; k += 2) {
      EXPECT_EQ(records[static_cast<size_t>(k)].radius, 12);
      EXPECT_EQ(records[static_cast<size_t>(k) + 1].radius, 38);
      EXPECT_DOUBLE_EQ(records[static_cast<size_t>(k)].angle, 0.5 + row.sign * k * kPi / 8) << row.orientation;
      EXPECT_DOUBLE_EQ(records[static_cast<size_t>(k) + 1].angle, 0.5 + row.sign * (k + 3) * kPi / 8);
    }
  }
}

TEST(ImpellerGeometryTest, PointsTruncateTowardsTheCentre) {
  const std::vector<CPoint> points =
      PolarRecordPoints({{38, 3 * kPi / 8}, {38, 3 * kPi / 4}, {12, kPi}, {0, 1.0}}, CPoint(42, 42));
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[0], CPoint(42 + 14, 42 + 35));  // 14.54, 35.1
  EXPECT_EQ(points[1], CPoint(42 - 26, 42 + 26));  // -26.87 truncates to -26
  EXPECT_EQ(points[2], CPoint(30, 42));
  EXPECT_EQ(points[3], CPoint(42, 42));
  EXPECT_TRUE(PolarRecordPoints({}, CPoint(1, 1)).empty());
}

TEST(ImpellerGeometryTest, PumpTurnsAgainstItsVanesAtThreeHundredthsOfARadianPerPercent) {
  EXPECT_DOUBLE_EQ(AdvancePumpImpeller(1.0, 100.0f, 1), 0.7);
  EXPECT_DOUBLE_EQ(AdvancePumpImpeller(1.0, 100.0f, 2), 0.7);
  EXPECT_DOUBLE_EQ(AdvancePumpImpeller(1.0, 100.0f, 3), 1.3);
  EXPECT_DOUBLE_EQ(AdvancePumpImpeller(1.0, 50.0f, 4), 1.15);
  EXPECT_DOUBLE_EQ(AdvancePumpImpeller(1.0, 0.0f, 4), 1.0);
}

TEST(ImpellerGeometryTest, OutletByOrientation) {
  using Quad = std::array<CPoint, 4>;
  const struct {
    int width, height, orientation;
    Quad outlet;
  } rows[] = {
      {85, 85, 1, {CPoint(42, 0), CPoint(0, 0), CPoint(0, 21), CPoint(42, 21)}},
      {85, 85, 2, {CPoint(85, 42), CPoint(85, 0), CPoint(63, 0), CPoint(63, 42)}},
      {85, 85, 3, {CPoint(0, 42), CPoint(0, 0), CPoint(21, 0), CPoint(21, 42)}},
      {85, 85, 4, {CPoint(42, 0), CPoint(85, 0), CPoint(85, 21), CPoint(42, 21)}},
      {35, 35, 0, {CPoint(17, 0), CPoint(35, 0), CPoint(35, 8), CPoint(17, 8)}},
      {35, 35, 2, {CPoint(35, 17), CPoint(35, 0), CPoint(26, 0), CPoint(26, 17)}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(PumpOutletPolygon(row.width, row.height, row.orientation), row.outlet) << row.orientation;
  }
}

TEST(ImpellerGeometryTest, BladesAlternateAroundTheRound) {
  const std::vector<PolarRecord> one = BladeRecords(1, 0.25, 4, 13);
  ASSERT_EQ(one.size(), 3u);
  EXPECT_EQ(one[0].radius, 4);
  EXPECT_EQ(one[1].radius, 13);
  EXPECT_DOUBLE_EQ(one[1].angle, 0.25 + kPi / 2);
  EXPECT_DOUBLE_EQ(one[2].angle, 0.25 + kPi);
  EXPECT_EQ(BladeRecords(0, 0.0, 4, 13).size(), 3u) << "no blade counts as one";
  EXPECT_EQ(BladeRecords(-3, 0.0, 4, 13).size(), 3u);

  const std::vector<PolarRecord> three = BladeRecords(3, 0.0, 4, 13);
  ASSERT_EQ(three.size(), 6u);
  for (size_t k = 0; k < three.size(); ++k) {
    EXPECT_EQ(three[k].radius, k % 2 == 0 ? 4 : 13);
    EXPECT_DOUBLE_EQ(three[k].angle, static_cast<double>(k) * kPi / 3);
  }
  EXPECT_EQ(BladeRecords(2, 0.0, 4, 13).size(), 4u);
}

TEST(ImpellerGeometryTest, WheelWordsAndBladesOnlyForItsTwoLayouts) {
  EXPECT_EQ(WheelBladeCount(2), 3) << "transfer-belt wheels";
  EXPECT_EQ(WheelBladeCount(1), 2) << "rotary filters";
  EXPECT_EQ(WheelBladeCount(0x1F), 16);
  EXPECT_EQ(WheelDirection(2), 1);
  EXPECT_EQ(WheelDirection(0x12), 2);
  EXPECT_EQ(WheelDirection(0x22), 3);

  const std::vector<PolarRecord> blades = WheelBladeRecords(30, 3, 0.0, 1);
  ASSERT_EQ(blades.size(), 6u);
  EXPECT_EQ(blades[0].radius, 4);
  EXPECT_EQ(blades[1].radius, 13);
  EXPECT_EQ(WheelBladeRecords(30, 3, 0.0, 2).size(), 6u);
  // Other layouts were never laid out: nothing to draw.
  EXPECT_TRUE(WheelBladeRecords(30, 3, 0.0, 0).empty());
  EXPECT_TRUE(WheelBladeRecords(30, 3, 0.0, 4).empty());

  EXPECT_DOUBLE_EQ(AdvanceWheel(0.0, 100.0f, 1), 0.8);
  EXPECT_DOUBLE_EQ(AdvanceWheel(0.0, 50.0f, 2), -0.4);
  EXPECT_DOUBLE_EQ(AdvanceWheel(0.3, 100.0f, 3), 0.3) << "other directions stand still";
}

}  // namespace
