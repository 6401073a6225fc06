// The dosing pump's layout and its piston by numbers.
#include <gtest/gtest.h>

#include "shapes/DosePumpGeometry.h"

namespace {

TEST(DosePumpGeometryTest, LayoutByOrientation) {
  const struct {
    CRect client;
    int orientation;
    int margin;
    CRect body, cylinder, caption;
    int travel;
  } rows[] = {
      // The plant's pumps: 120 x 36, caption on the left.
      {CRect(0, 0, 120, 36), 0, 2, CRect(36, 4, 120, 32), CRect(36, 6, 118, 30), CRect(2, 2, 36, 34), 82},
      {CRect(0, 0, 120, 36), 1, 2, CRect(0, 4, 84, 32), CRect(2, 6, 84, 30), CRect(84, 2, 118, 34), 82},
      {CRect(0, 0, 40, 120), 2, 2, CRect(4, 0, 36, 80), CRect(6, 2, 34, 80), CRect(2, 80, 38, 118), 78},
      {CRect(0, 0, 120, 36), 7, 2, CRect(36, 4, 120, 32), CRect(36, 6, 118, 30), CRect(2, 2, 36, 34), 82},
      // Too small for a margin.
      {CRect(0, 0, 20, 10), 0, 0, CRect(10, 0, 20, 10), CRect(10, 0, 20, 10), CRect(0, 0, 10, 10), 10},
  };
  for (const auto& row : rows) {
    const DosePumpLayout layout = DosePumpLayoutFor(row.client, row.orientation);
    EXPECT_EQ(layout.margin, row.margin) << row.orientation;
    EXPECT_EQ(layout.body, row.body) << row.orientation;
    EXPECT_EQ(layout.cylinder, row.cylinder) << row.orientation;
    EXPECT_EQ(layout.caption, row.caption) << row.orientation;
    EXPECT_EQ(PistonTravel(layout), row.travel) << row.orientation;
  }
}

TEST(DosePumpGeometryTest, PistonGrowsOutOfTheClosedEnd) {
  const DosePumpLayout left = DosePumpLayoutFor(CRect(0, 0, 120, 36), 0);
  EXPECT_EQ(PistonRect(left, 0), CRect(36, 8, 36, 28)) << "at rest the piston has no length";
  EXPECT_EQ(PistonRect(left, 20), CRect(36, 8, 56, 28));
  EXPECT_EQ(PistonRect(DosePumpLayoutFor(CRect(0, 0, 120, 36), 1), 20), CRect(64, 8, 84, 28));
  EXPECT_EQ(PistonRect(DosePumpLayoutFor(CRect(0, 0, 40, 120), 2), 20), CRect(8, 60, 32, 80));
}

// Positions of the piston over the paints until it turned twice.
std::vector<int> Stroke(float speed, float stroke, int travel, int paints) {
  PistonState piston;
  std::vector<int> positions;
  for (int i = 0; i < paints; ++i) {
    AdvancePiston(piston, speed, stroke, travel);
    positions.push_back(piston.position);
  }
  return positions;
}

TEST(DosePumpGeometryTest, PistonStartsAtRestAndStaysThereWithoutSpeedOrStroke) {
  const PistonState fresh;
  EXPECT_EQ(fresh.position, 0);
  EXPECT_EQ(fresh.step, 0) << "the step starts at 0";
  EXPECT_TRUE(fresh.extending);
  for (const int position : Stroke(0.0f, 100.0f, 82, 10)) EXPECT_EQ(position, 0) << "a pump never sped up does not move";
  for (const int position : Stroke(100.0f, 0.0f, 82, 10)) EXPECT_EQ(position, 0) << "no stroke";
}

TEST(DosePumpGeometryTest, FullStrokeReachesTheEndMinusOneStepAndReturns) {
  // L 82 at 50 %: step trunc(50 * 82 * 0.001) = 4; the turn at trunc(100 * 78 * 0.01) = 78.
  const std::vector<int> positions = Stroke(50.0f, 100.0f, 82, 50);
  int peak = 0;
  for (const int position : positions) peak = std::max(peak, position);
  EXPECT_EQ(peak, 80);
  EXPECT_GE(peak, 82 - 4);
  EXPECT_LT(peak, 82);
  EXPECT_EQ(positions[19], 80);
  EXPECT_EQ(positions[20], 80) << "one paint to turn";
  EXPECT_EQ(positions[21], 76);
  // Retracting ends at or below one step, then it extends again.
  const auto low = std::find(positions.begin() + 21, positions.end(), 4);
  ASSERT_NE(low, positions.end());
  EXPECT_EQ(*(low + 1), 4);
  EXPECT_EQ(*(low + 2), 8);
}

TEST(DosePumpGeometryTest, SpeedSetsTheStepAndAStoppedSpeedKeepsIt) {
  PistonState piston;
  AdvancePiston(piston, 1.0f, 100.0f, 82);
  EXPECT_EQ(piston.step, 1) << "at least one pixel";
  AdvancePiston(piston, 100.0f, 100.0f, 82);
  EXPECT_EQ(piston.step, 8);
  AdvancePiston(piston, 0.0f, 100.0f, 82);
  EXPECT_EQ(piston.step, 8) << "the last step stays";
  EXPECT_EQ(piston.position, 17);
}

}  // namespace
