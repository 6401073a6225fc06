// The tower's outline, nozzle positions with their stagger, glyphs, spray
// triangles and hit boxes, checked by numbers.
#include <gtest/gtest.h>

#include <limits>

#include "shapes/SpryDryrGeometry.h"

namespace {

const TowerScale kDesign{1.0, 1.0};  // design units as pixels

TEST(SpryDryrGeometryTest, OutlineScaledAndTruncated) {
  const std::array<CPoint, 12> design = TowerOutline(kDesign);
  EXPECT_EQ(design[0], CPoint(30, 0));
  EXPECT_EQ(design[1], CPoint(30, 4));
  EXPECT_EQ(design[4], CPoint(30, 307));
  EXPECT_EQ(design[8], CPoint(70, 268));
  // The plant's tower, 120 x 700.
  const std::array<CPoint, 12> plant = TowerOutline(MakeTowerScale(120, 700));
  EXPECT_EQ(plant[0], CPoint(51, 0));
  EXPECT_EQ(plant[2], CPoint(0, 98));
  EXPECT_EQ(plant[3], CPoint(0, 601));
  EXPECT_EQ(plant[5], CPoint(51, 700));
  EXPECT_EQ(plant[6], CPoint(68, 700));
  EXPECT_EQ(plant[9], CPoint(120, 98));
}

TEST(SpryDryrGeometryTest, NozzlesSpreadEvenlyAndStaggerOnlyInRealGrids) {
  EXPECT_DOUBLE_EQ(TowerNozzleGap(5), 10.0);
  EXPECT_DOUBLE_EQ(TowerNozzleGap(1), 34.0);
  EXPECT_DOUBLE_EQ(TowerNozzleGap(10), 50.0 / 11.0);
  const struct {
    int row, rows, cols;
    double offset;
  } offsets[] = {{0, 4, 5, -3.0}, {1, 4, 5, 3.0}, {2, 4, 5, -3.0}, {3, 4, 5, 3.0},
                 {0, 1, 5, 0.0},  {0, 4, 1, 0.0}, {3, 4, 1, 0.0},  {1, 2, 10, 1.0 + (50.0 / 11.0 - 2.0) / 4.0}};
  for (const auto& o : offsets) {
    EXPECT_DOUBLE_EQ(TowerRowOffset(o.row, o.rows, o.cols), o.offset) << o.row << " of " << o.rows << "x" << o.cols;
  }
  EXPECT_DOUBLE_EQ(TowerNozzleCentre(0, 0, 4, 5), 8.0);
  EXPECT_DOUBLE_EQ(TowerNozzleCentre(0, 4, 4, 5), 56.0);
  EXPECT_DOUBLE_EQ(TowerNozzleCentre(1, 0, 4, 5), 14.0);
  EXPECT_DOUBLE_EQ(TowerNozzleCentre(1, 4, 4, 5), 62.0);
  EXPECT_DOUBLE_EQ(TowerNozzleCentre(0, 0, 1, 1), 35.0) << "a lone nozzle in the middle";
  EXPECT_DOUBLE_EQ(TowerNozzleCentre(0, 2, 1, 5), 35.0) << "one row is not staggered";
  EXPECT_DOUBLE_EQ(TowerNozzleTop(3), 77.5);
}

TEST(SpryDryrGeometryTest, GlyphSprayAndHitBox) {
  const std::array<CPoint, 6> glyph = TowerNozzleGlyph(8.0, 0, kDesign);
  EXPECT_EQ(glyph, (std::array<CPoint, 6>{CPoint(8, 49), CPoint(8, 51), CPoint(7, 51), CPoint(8, 53), CPoint(9, 51),
                                          CPoint(8, 51)}));
  EXPECT_EQ(TowerSprayTriangle(8.0, 0, 10.0, 1.0, kDesign),
            (std::array<CPoint, 3>{CPoint(8, 53), CPoint(4, 58), CPoint(11, 58)}));
  const std::array<CPoint, 3> none = TowerSprayTriangle(8.0, 0, 10.0, 0.0, kDesign);
  EXPECT_EQ(none[1], none[0]);
  EXPECT_EQ(none[2], none[0]) << "no rate: no spray";
  // A rate below its range turns the spray upwards; one far beyond it stops
  // at the edge of the drawing range instead of overflowing the pixels.
  const std::array<CPoint, 3> below = TowerSprayTriangle(8.0, 0, 10.0, -0.5, kDesign);
  EXPECT_LT(below[1].y, below[0].y);
  const std::array<CPoint, 3> huge = TowerSprayTriangle(8.0, 0, 10.0, 1e30, kDesign);
  EXPECT_EQ(huge[1].y, 1 << 20);
  EXPECT_EQ(huge[1].x, -(1 << 20));
  // Strictly inside the triangle's box only.
  EXPECT_TRUE(TowerGlyphHit(glyph, CPoint(8, 52)));
  for (CPoint outside : {CPoint(7, 52), CPoint(9, 52), CPoint(8, 51), CPoint(8, 53), CPoint(8, 50)}) {
    EXPECT_FALSE(TowerGlyphHit(glyph, outside)) << outside.x << "," << outside.y;
  }
}

TEST(SpryDryrGeometryTest, SprayFractionIsTheRelativeRateAndNeverUndefined) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float rate, min, max;
    double fraction;
  } rows[] = {{5, 0, 10, 0.5},  {10, 0, 10, 1.0}, {0, 0, 10, 0.0},   {15, 0, 10, 1.5}, {-5, 0, 10, -0.5},
              {30, 20, 40, 0.5}, {3, 3, 3, 0.0},  {0, 0, 0, 0.0},    {5, 10, 0, 0.5},  {nan, 0, 10, 0.0},
              {5, nan, 10, 0.0}};
  for (const auto& row : rows) {
    EXPECT_DOUBLE_EQ(TowerSprayFraction(row.rate, row.min, row.max), row.fraction) << row.rate << " in " << row.min
                                                                                    << ".." << row.max;
  }
}

TEST(SpryDryrGeometryTest, EverySprayHangsFromItsGlyph) {
  // One stagger rule for both: also in a grid of one column.
  for (auto [rows, cols] : {std::pair{4, 5}, std::pair{1, 5}, std::pair{4, 1}, std::pair{2, 10}}) {
    const TowerLayout layout = LayoutTower(120, 700, rows, cols);
    ASSERT_EQ(layout.glyphs.size(), static_cast<size_t>(rows * cols));
    for (size_t i = 0; i < layout.glyphs.size(); ++i) {
      const std::array<CPoint, 3> spray = TowerSprayTriangle(
          layout.centres[i], TowerNozzleRow(layout, static_cast<int>(i)), layout.gap, 1.0, layout.scale);
      EXPECT_EQ(spray[0], layout.glyphs[i][3]) << rows << "x" << cols << " nozzle " << i + 1;
    }
  }
}

TEST(SpryDryrGeometryTest, TheNozzleUnderAPoint) {
  const TowerLayout layout = LayoutTower(120, 700, 4, 5);
  ASSERT_EQ(layout.glyphs.size(), 20u);
  // Nozzle 7: row 1, column 1, centre 26; its box spans x 42..46, y 135..140.
  EXPECT_EQ(layout.glyphs[6][2], CPoint(42, 135));
  EXPECT_EQ(layout.glyphs[6][3], CPoint(44, 140));
  EXPECT_EQ(TowerNozzlesAt(layout, CPoint(44, 137)), std::vector<int>{7});
  EXPECT_TRUE(TowerNozzlesAt(layout, CPoint(42, 137)).empty());
  EXPECT_TRUE(TowerNozzlesAt(layout, CPoint(60, 400)).empty());
  EXPECT_TRUE(LayoutTower(120, 700, 0, 0).glyphs.empty());
}

TEST(SpryDryrGeometryTest, TemperatureLabelsFromPercentOfTheSize) {
  EXPECT_EQ(TowerLabelPoint(4, 84, 120, 700), CPoint(14, 598));
  EXPECT_EQ(TowerLabelPoint(86, 76, 120, 700), CPoint(113, 542));
}

}  // namespace
