// The vessel's outline by type and layout word, the level polygon, the
// text bands and the moving mark, checked by numbers at their edges.
#include <gtest/gtest.h>

#include "shapes/VesselGeometry.h"

namespace {

struct RowWalls {
  int row, left, right;
};

void ExpectRows(const VesselOutline& o, std::initializer_list<RowWalls> rows) {
  for (const RowWalls& r : rows) {
    EXPECT_EQ(o.left[static_cast<size_t>(r.row)], r.left) << "row " << r.row;
    EXPECT_EQ(o.right[static_cast<size_t>(r.row)], r.right) << "row " << r.row;
  }
}

TEST(VesselGeometryTest, RowsSpanTheHeightAndEveryRowLiesInTheWindow) {
  for (int type : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
    for (DWORD word : {0x00000000u, 0x20415000u, 0x25319101u, 0x40405000u, 0xFFFFFFFFu}) {
      const VesselOutline o = LayoutVesselOutline(type, word, 70, 160);
      EXPECT_EQ(o.y[0], 0);
      EXPECT_EQ(o.y[50], 50 * 160 / 99);
      EXPECT_EQ(o.y[99], 160) << "the last row is the bottom edge";
      for (int i = 0; i < kVesselRows; ++i) {
        const size_t r = static_cast<size_t>(i);
        ASSERT_TRUE(0 <= o.left[r] && o.left[r] <= o.right[r] && o.right[r] <= 70)
            << "type " << type << " word " << std::hex << word << std::dec << " row " << i;
      }
    }
  }
}

TEST(VesselGeometryTest, OtherTypesAreRectangles) {
  for (int type : {0, 3, 9, -1}) ExpectRows(LayoutVesselOutline(type, 0x20415000, 160, 18), {{0, 0, 160}, {99, 0, 160}});
}

TEST(VesselGeometryTest, LayoutWordNibblesAndStraightShare) {
  const VesselLayoutWord hopper = DecodeVesselLayout(0x20415000);
  EXPECT_EQ(hopper.nibble, (std::array<int, 6>{0, 0, 0, 5, 1, 4}));
  EXPECT_EQ(hopper.straightShare, 32);
  EXPECT_EQ(DecodeVesselLayout(0xC8000000).straightShare, 1) << "200 % 100 is 0: at least 1";
  EXPECT_EQ(DecodeVesselLayout(0x64000000).straightShare, 1);
  EXPECT_EQ(DecodeVesselLayout(0x63000000).straightShare, 99);
}

TEST(VesselGeometryTest, HoppersOfThePlant) {
  // MeasurBeltHopper, 80 x 60: 32 straight rows, then 56 narrowing (L3 5 of
  // the weights 5 + 1), then the outlet at W(1 -/+ 4/15)/2.
  ExpectRows(LayoutVesselOutline(1, 0x20415000, 80, 60),
             {{0, 0, 80}, {31, 0, 80}, {32, 0, 80}, {87, 28, 52}, {88, 29, 50}, {99, 29, 50}});
  // TowerCyclone, 60 x 140: a 5-row cone from the middle (L2), 37 straight
  // rows, 51 narrowing (L3 9 of 11), an outlet of L5 = 3.
  ExpectRows(LayoutVesselOutline(1, 0x25319101, 60, 140),
             {{0, 30, 30}, {1, 25, 35}, {4, 8, 52}, {5, 0, 60}, {41, 0, 60}, {42, 0, 60}, {92, 23, 37}, {93, 24, 36},
              {99, 24, 36}});
  // Silo, 70 x 160: 64 straight rows and a cone to the bottom edge.
  ExpectRows(LayoutVesselOutline(2, 0x40405000, 70, 160), {{63, 0, 70}, {64, 0, 70}, {99, 24, 46}});
  // Type 8 is a hopper too.
  ExpectRows(LayoutVesselOutline(8, 0x40405000, 70, 160), {{99, 24, 46}});
}

TEST(VesselGeometryTest, HopperWithAStraightTopSectionAndZeroWeights) {
  // L0 = 5, L1 the only weight: A takes every shared row, 90 rows straight
  // at W(1 -/+ 5/15)/2, then the 10 straight rows at full width.
  ExpectRows(LayoutVesselOutline(1, 0x0A000035, 100, 99), {{0, 33, 66}, {89, 33, 66}, {90, 0, 100}, {99, 0, 100}});
  // Weights summing to zero divide nothing: S straight rows, the rest the
  // outlet at W(1 -/+ 3/15)/2.
  ExpectRows(LayoutVesselOutline(1, 0x0A300005, 97, 99), {{0, 0, 97}, {9, 0, 97}, {10, 38, 58}, {99, 38, 58}});
}

TEST(VesselGeometryTest, ScreenTopShouldersAreHeldAtTheWindowEdges) {
  // Type 4, 100 wide: the shoulders would reach -7 and 114.
  ExpectRows(LayoutVesselOutline(4, 0, 100, 99), {{0, 42, 58},
                                                  {3, 42, 58},
                                                  {4, 29, 72},
                                                  {6, 9, 94},
                                                  {7, 2, 100},
                                                  {10, 0, 100},
                                                  {92, 0, 100},
                                                  {94, 1, 98},
                                                  {96, 9, 88},
                                                  {99, 36, 58}});
}

TEST(VesselGeometryTest, CycloneAndSlopedFloors) {
  ExpectRows(LayoutVesselOutline(5, 0, 70, 99),
             {{0, 29, 40}, {10, 4, 65}, {11, 0, 70}, {56, 0, 70}, {57, 0, 70}, {77, 18, 51}, {80, 18, 51},
              {81, 18, 51}, {96, 30, 39}, {99, 30, 39}});
  ExpectRows(LayoutVesselOutline(6, 0, 70, 99), {{0, 26, 43}, {10, 3, 66}, {54, 0, 70}, {97, 0, 17}, {99, 0, 17}});
  ExpectRows(LayoutVesselOutline(7, 0, 70, 99), {{0, 26, 43}, {55, 0, 70}, {97, 52, 70}, {99, 52, 70}});
}

TEST(VesselGeometryTest, LevelPolygonFromEmptyToFull) {
  const VesselOutline o = LayoutVesselOutline(7, 0, 90, 170);
  const struct {
    float percent;
    size_t points;
    int topRow;  // -1: empty
  } rows[] = {{-5, 0, -1}, {0, 0, -1}, {0.9f, 0, -1}, {1, 2, 99}, {50, 100, 50}, {99.9f, 198, 1}, {100, 200, 0},
              {250, 200, 0}};
  for (const auto& row : rows) {
    const std::vector<CPoint> level = VesselLevelPolygon(o, row.percent);
    ASSERT_EQ(level.size(), row.points) << row.percent;
    if (row.topRow < 0) continue;
    const size_t top = static_cast<size_t>(row.topRow);
    EXPECT_EQ(level.front(), CPoint(o.left[top], o.y[top])) << row.percent;
    EXPECT_EQ(level.back(), CPoint(o.right[top], o.y[top])) << row.percent;
    EXPECT_EQ(level[row.points / 2 - 1], CPoint(o.left[99], 170)) << "down the left wall to the bottom";
  }
  EXPECT_EQ(VesselPolygon(o, 0), VesselLevelPolygon(o, 100));
  EXPECT_TRUE(VesselPolygon(o, 100).empty());
  EXPECT_TRUE(VesselPolygon(o, -1).empty());
}

TEST(VesselGeometryTest, BandsAreTwentyPixelsAroundSixteenthsOfTheHeight) {
  EXPECT_EQ(VesselBandRect(8, 160, 18), CRect(0, -1, 160, 19));
  EXPECT_EQ(VesselBandRect(3, 70, 160), CRect(0, 20, 70, 40));
  EXPECT_EQ(VesselBandRect(15, 60, 80), CRect(0, 65, 60, 85));
  EXPECT_EQ(VesselStyleNibble(0x7000, 3), 7);
  EXPECT_EQ(VesselStyleNibble(0x7000, 2), 0);
  EXPECT_EQ(VesselStyleNibble(0x54321, 4), 5);
}

TEST(VesselGeometryTest, MarkTravelsToNinetyPercentAndTurns) {
  const VesselOutline box = LayoutVesselOutline(0, 0, 100, 99);
  EXPECT_EQ(VesselMarkTravel(box, 50, 100, 99), 45);
  EXPECT_EQ(VesselMarkTravel(LayoutVesselOutline(0, 0, 12, 99), 50, 12, 99), 5) << "at least 5";
  const VesselOutline cyclone = LayoutVesselOutline(1, 0x25319101, 60, 140);
  EXPECT_EQ(VesselMarkTravel(cyclone, 140, 60, 140), 5) << "the outlet row: 30 - 24 - 5 is 1";
  EXPECT_EQ(VesselMarkTravel(cyclone, 1000, 60, 140), 5) << "below the window: the last row";

  // Travel 45, full speed: steps of trunc(6.75), the end at trunc(40.5).
  VesselMark mark;
  std::vector<int> seen;
  for (int paint = 0; paint < 16; ++paint) {
    AdvanceVesselMark(mark, 45, 100.0f, true, true);
    seen.push_back(mark.position);
  }
  EXPECT_EQ(seen, (std::vector<int>{6, 12, 18, 24, 30, 36, 39, 33, 27, 21, 15, 9, 3, 1, 7, 13}));

  // Without bouncing the mark stays at its end.
  VesselMark oneWay{36, 1};
  AdvanceVesselMark(oneWay, 45, 100.0f, true, false);
  AdvanceVesselMark(oneWay, 45, 100.0f, true, false);
  EXPECT_EQ(oneWay.position, 39);
  EXPECT_EQ(oneWay.direction, 1);

  // Stopped, or at 0 %, it does not move (but leaves 0); a crawl moves by 1.
  VesselMark stopped;
  AdvanceVesselMark(stopped, 45, 100.0f, false, true);
  AdvanceVesselMark(stopped, 45, 0.0f, true, true);
  EXPECT_EQ(stopped.position, 1);
  AdvanceVesselMark(stopped, 45, 1.0f, true, true);
  EXPECT_EQ(stopped.position, 2);

  EXPECT_EQ(VesselMarkRect(45, 10, 30, 100), CRect(40, 28, 60, 32));
  EXPECT_EQ(VesselMarkRect(5, 3, 30, 100), CRect(47, 29, 53, 31)) << "at least one pixel each way";
}

}  // namespace
