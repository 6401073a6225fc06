// The valves' geometry by numbers: wedges closed and open, the opening
// gap, the drawn state, the passage, and the diverter's flap.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "shapes/ValveGeometry.h"

namespace {

std::vector<CPoint> Points(const std::array<CPoint, 6>& points) { return {points.begin(), points.end()}; }

TEST(ValveGeometryTest, ClosedWedgesMeetInTheMiddle) {
  // A vertical pipe of 100 x 200.
  const ValveWedges vertical = ValveClosedWedges(100, 200, true);
  EXPECT_EQ(Points(vertical.first), (std::vector<CPoint>{{0, 34}, {0, 30}, {100, 30}, {100, 34}, {51, 100}, {49, 100}}));
  EXPECT_EQ(Points(vertical.second),
            (std::vector<CPoint>{{0, 166}, {0, 170}, {100, 170}, {100, 166}, {51, 100}, {49, 100}}));
  // A horizontal pipe exchanges the roles of x and y.
  const ValveWedges horizontal = ValveClosedWedges(200, 100, false);
  EXPECT_EQ(Points(horizontal.first), (std::vector<CPoint>{{34, 0}, {30, 0}, {30, 100}, {34, 100}, {100, 51}, {100, 49}}));
  EXPECT_EQ(Points(horizontal.second),
            (std::vector<CPoint>{{166, 0}, {170, 0}, {170, 100}, {166, 100}, {100, 51}, {100, 49}}));
  // The return valve's 20 x 20 window: the coordinates are truncated.
  const ValveWedges small = ValveClosedWedges(20, 20, true);
  EXPECT_EQ(small.first[0], CPoint(0, 3));
  EXPECT_EQ(small.second[3], CPoint(20, 16));
  EXPECT_EQ(small.first[4], CPoint(10, 10));
}

TEST(ValveGeometryTest, OpenWedgesMoveOutwardByTheGap) {
  // Every coordinate is truncated: (0.15 - 0.1) * 200 is a hair below 10.
  const ValveWedges vertical = ValveOpenWedges(100, 200, true, 0.1);
  EXPECT_EQ(Points(vertical.first), (std::vector<CPoint>{{0, 14}, {0, 9}, {100, 9}, {100, 14}, {51, 80}, {49, 80}}));
  EXPECT_EQ(Points(vertical.second),
            (std::vector<CPoint>{{0, 186}, {0, 190}, {100, 190}, {100, 186}, {51, 120}, {49, 120}}));
  // A horizontal pipe's bases are a little wider when open (18 % and 82 %).
  const ValveWedges horizontal = ValveOpenWedges(200, 100, false, 0.1);
  EXPECT_EQ(Points(horizontal.first), (std::vector<CPoint>{{15, 0}, {9, 0}, {9, 100}, {15, 100}, {80, 51}, {80, 49}}));
  EXPECT_EQ(Points(horizontal.second),
            (std::vector<CPoint>{{184, 0}, {190, 0}, {190, 100}, {184, 100}, {120, 51}, {120, 49}}));
  // Fully open (gap 0.15) the outer bases reach the window's edges.
  const ValveWedges full = ValveOpenWedges(100, 200, true, 0.15);
  EXPECT_EQ(full.first[1].y, 0);
  EXPECT_EQ(full.second[2].y, 200);
}

TEST(ValveGeometryTest, OpeningGapAndDrawnState) {
  const struct {
    float percent;
    double gap;
  } gaps[] = {{0, 0}, {-5, 0}, {1, 0.05}, {33.35f, 0.05}, {66.7f, 0.1}, {100, 100 / 667.0}};
  for (const auto& row : gaps) EXPECT_NEAR(ValveOpeningGap(row.percent), row.gap, 1e-6) << row.percent;
  EXPECT_EQ(ValveOpeningGap(std::nanf("")), 0.0);

  const struct {
    DWORD style;
    bool open, drawnOpen;
  } states[] = {{0, true, true},           {0, false, false},          {0x10000010, true, false},
                {0x10000010, false, true}, {0x20000000, true, false},  {0xF0000000, false, false},
                {0x0FFFFFFF, true, true}};
  for (const auto& row : states) EXPECT_EQ(ValveDrawnOpen(row.style, row.open), row.drawnOpen) << std::hex << row.style;
}

TEST(ValveGeometryTest, PassageRunsFromTipToTipAcrossThePipe) {
  EXPECT_EQ(ValvePassage(ValveOpenWedges(100, 200, true, 0.1), true, 100, 200), CRect(0, 80, 100, 120));
  EXPECT_EQ(ValvePassage(ValveOpenWedges(200, 100, false, 0.1), false, 200, 100), CRect(80, 0, 120, 100));
  // Closed, the passage is a line.
  EXPECT_EQ(ValvePassage(ValveClosedWedges(100, 200, true), true, 100, 200), CRect(0, 100, 100, 101));
  EXPECT_EQ(ValvePassage(ValveClosedWedges(200, 100, false), false, 200, 100), CRect(100, 0, 101, 100));
}

TEST(ValveGeometryTest, DiverterLayoutsTurnTheirFlapInsideTheWindow) {
  constexpr double pi = std::numbers::pi;
  const struct {
    int option2;
    double x, y, length, base, turn;
  } rows[] = {
      {2, 27, 3, 27, pi, pi / 2},
      {3, 15, 28.5, 28.5, std::atan(2.0), pi - 2 * std::atan(2.0)},
      {0, 3, 3, 27, 0, -pi / 2},
      {7, 3, 3, 27, 0, -pi / 2},
  };
  for (const auto& row : rows) {
    const DbfFlapLayout layout = DbfFlapLayoutFor(30, 30, row.option2);
    EXPECT_NEAR(layout.pivotX, row.x, 1e-9) << row.option2;
    EXPECT_NEAR(layout.pivotY, row.y, 1e-9) << row.option2;
    EXPECT_NEAR(layout.length, row.length, 1e-9) << row.option2;
    EXPECT_NEAR(layout.baseAngle, row.base, 1e-9) << row.option2;
    EXPECT_NEAR(layout.fullTurn, row.turn, 1e-9) << row.option2;
    // Closed and fully open, the flap's tip stays inside the window.
    for (bool open : {false, true}) {
      const CPoint tip = DbfFlapPolygon(layout, DbfFlapAngle(layout, 100.0f, open))[3];
      EXPECT_TRUE(tip.x >= 0 && tip.x <= 30 && tip.y >= 0 && tip.y <= 30)
          << row.option2 << (open ? " open " : " closed ") << tip.x << "," << tip.y;
    }
  }
  // Layout 3 on 30 x 40: the integer quotient 80 div 30 = 2 gives the base.
  EXPECT_NEAR(DbfFlapLayoutFor(30, 40, 3).baseAngle, std::atan(2.0), 1e-9);
}

TEST(ValveGeometryTest, FlapPolygonAndAngle) {
  const DbfFlapLayout layout = DbfFlapLayoutFor(30, 30, 2);  // pivot (27, 3), L 27, base pi
  EXPECT_NEAR(DbfFlapAngle(layout, 50.0f, false), std::numbers::pi, 1e-9) << "closed: the base angle";
  EXPECT_NEAR(DbfFlapAngle(layout, 50.0f, true), std::numbers::pi * 1.25, 1e-9);
  const auto closed = DbfFlapPolygon(layout, std::numbers::pi);
  EXPECT_EQ(closed[0], CPoint(27, 3));
  EXPECT_EQ(closed[3], CPoint(0, 3));  // along the top to the left edge
  EXPECT_EQ(closed[1], CPoint(25, 5));  // 0.1 L at pi + pi/4: left and down
  EXPECT_EQ(closed[5], CPoint(25, 1));  // 0.1 L at pi - pi/4: left and up
  const auto open = DbfFlapPolygon(layout, DbfFlapAngle(layout, 100.0f, true));
  EXPECT_EQ(open[3], CPoint(27, 30));  // down the right side
  EXPECT_EQ(DbfPivotEllipse(layout, 30, 30), CRect(25, 1, 30, 6));
  EXPECT_EQ(DbfPivotEllipse(layout, 120, 60), CRect(22, -2, 33, 9));
}

}  // namespace
