#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "controls/chart/ChartGeometry.h"

namespace {

using chart::PointF;

TEST(ChartGeometryTest, RangeEndsLandOnThePlotsEdgePixels) {
  const CRect plot(10, 20, 110, 70);  // 100 x 50
  const auto px = chart::MapToPixels(std::vector<PointF>{{0, 0}, {10, 5}, {5, 2.5}}, {0, 10}, {0, 5}, plot);
  ASSERT_EQ(px.size(), 3u);
  EXPECT_EQ(px[0], (PointF{10, 69}));
  EXPECT_EQ(px[1], (PointF{109, 20}));
  EXPECT_EQ(px[2], (PointF{59.5, 44.5}));
}

TEST(ChartGeometryTest, NonFinitePointsAreSkipped) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const auto px = chart::MapToPixels(std::vector<PointF>{{nan, 1}, {1, inf}, {1, 1}}, {0, 2}, {0, 2}, CRect(0, 0, 10, 10));
  EXPECT_EQ(px.size(), 1u);
}

TEST(ChartGeometryTest, ThinningKeepsPeaksOrderAndEnds) {
  std::vector<PointF> px;
  // 1000 points in 10 columns, each column with a peak and a dip.
  for (int i = 0; i < 1000; ++i) {
    const double x = i / 100.0;
    double y = 50 + (i % 7);
    if (i % 100 == 37) y = 0;
    if (i % 100 == 73) y = 100;
    px.push_back({x, y});
  }
  const auto thin = chart::ThinToColumns(px);
  EXPECT_LE(thin.size(), 22u) << "two points a column and the ends";
  ASSERT_GE(thin.size(), 2u);
  EXPECT_EQ(thin.front(), px.front());
  EXPECT_EQ(thin.back(), px.back());
  int peaks = 0, dips = 0;
  for (size_t i = 0; i < thin.size(); ++i) {
    if (thin[i].y == 100) ++peaks;
    if (thin[i].y == 0) ++dips;
    if (i > 0) {
      EXPECT_GE(thin[i].x, thin[i - 1].x) << "order kept";
    }
  }
  EXPECT_EQ(peaks, 10);
  EXPECT_EQ(dips, 10);
}

TEST(ChartGeometryTest, ThinningLeavesSparsePointsAlone) {
  const std::vector<PointF> px = {{0, 5}, {3, 7}, {9, 1}, {20, 4}};
  EXPECT_EQ(chart::ThinToColumns(px), px);
  EXPECT_TRUE(chart::ThinToColumns({}).empty());
}

TEST(ChartGeometryTest, SmoothCurvePassesThroughEveryPointWithoutOvershoot) {
  const std::vector<PointF> px = {{0, 50}, {20, 10}, {40, 90}, {60, 90}, {80, 20}, {100, 25}};
  const auto curve = chart::SmoothPolyline(px, 3.0);
  EXPECT_GT(curve.size(), px.size() * 5) << "segments are subdivided";
  // Every data point is on the curve.
  for (const PointF& p : px) {
    bool found = false;
    for (const PointF& c : curve) found = found || (c == p);
    EXPECT_TRUE(found) << p.x << "," << p.y;
  }
  // Within each segment the curve stays inside its two ends' box.
  size_t seg = 0;
  for (const PointF& c : curve) {
    while (seg + 1 < px.size() - 1 && c.x > px[seg + 1].x) ++seg;
    const double lo = std::min(px[seg].y, px[seg + 1].y), hi = std::max(px[seg].y, px[seg + 1].y);
    EXPECT_GE(c.y, lo - 1e-9);
    EXPECT_LE(c.y, hi + 1e-9);
  }
  // A flat stretch stays flat.
  for (const PointF& c : curve) {
    if (c.x >= 40 && c.x <= 60) {
      EXPECT_NEAR(c.y, 90, 1e-9);
    }
  }
}

TEST(ChartGeometryTest, SmoothingFewPointsReturnsThemUnchanged) {
  const std::vector<PointF> two = {{0, 0}, {10, 10}};
  EXPECT_EQ(chart::SmoothPolyline(two, 1.0), two);
  EXPECT_TRUE(chart::SmoothPolyline({}, 1.0).empty());
}

chart::LayoutInput Input(const CRect& bounds) {
  chart::LayoutInput in;
  in.bounds = bounds;
  in.xRange = {46000.0, 46000.0 + 1.0 / 24};
  in.yRange = {-5, 105};
  in.measure = [](const std::string& s) { return 6 * static_cast<int>(s.size()); };
  return in;
}

TEST(ChartGeometryTest, LayoutPutsTitleAboveAndLabelsBesideThePlot) {
  chart::LayoutInput in = Input(CRect(0, 0, 600, 300));
  in.titleLines = {"Tower::Temperature"};
  const chart::Layout l = chart::ComputeLayout(in);
  ASSERT_EQ(l.titleRects.size(), 1u);
  EXPECT_LE(l.titleRects[0].bottom, l.plot.top);
  EXPECT_GE(l.plot.left, 6 * 3 + chart::kTickLength) << "room for the widest value label";
  EXPECT_LE(l.plot.bottom + in.labelHeight, 300);
  ASSERT_GE(l.xTicks.size(), 3u);
  ASSERT_GE(l.yTicks.size(), 3u);
  for (const auto& t : l.xTicks) {
    EXPECT_GE(t.pos, l.plot.left);
    EXPECT_LT(t.pos, l.plot.right);
  }
  for (const auto& t : l.yTicks) {
    EXPECT_GE(t.pos, l.plot.top);
    EXPECT_LT(t.pos, l.plot.bottom);
  }
  EXPECT_GT(l.yTicks.front().pos, l.yTicks.back().pos) << "lowest value at the bottom";
}

TEST(ChartGeometryTest, TinyAreasStillGiveAValidPlot) {
  for (CRect r : {CRect(0, 0, 0, 0), CRect(0, 0, 20, 10), CRect(5, 5, 40, 300)}) {
    const chart::Layout l = chart::ComputeLayout(Input(r));
    EXPECT_GT(l.plot.Width(), 0);
    EXPECT_GT(l.plot.Height(), 0);
  }
}

}  // namespace

namespace {

// A frame with three bottom ticks and two left ticks.
chart::FramePicture SomeFrame() {
  chart::FramePicture f;
  f.bounds = CRect(0, 0, 400, 200);
  f.plot = CRect(40, 20, 390, 170);
  f.look = {1, 2, 3};
  f.titleLines = {"Trend"};
  f.titleRects = {CRect(6, 6, 394, 20)};
  for (int pos : {60, 160, 260}) {
    f.xTicks.push_back({pos, std::to_string(pos)});
    f.xTickAreas.push_back(chart::XTickArea(f.plot, pos, 20, 12));
  }
  for (int pos : {150, 50}) {
    f.yTicks.push_back({pos, std::to_string(pos)});
    f.yTickAreas.push_back(chart::YTickArea(f.plot, pos, 14, 12));
  }
  return f;
}

}  // namespace

TEST(ChartGeometryTest, MarginsCoverTheBoundsAroundThePlotOnce) {
  const struct {
    CRect bounds, plot;
  } cases[] = {{CRect(0, 0, 100, 60), CRect(20, 10, 90, 50)},
               {CRect(5, 5, 50, 50), CRect(5, 5, 50, 50)},      // no margin at all
               {CRect(0, 0, 30, 30), CRect(10, 20, 40, 45)}};  // plot beyond the bounds
  for (const auto& c : cases) {
    const std::vector<CRect> margins = chart::MarginRects(c.bounds, c.plot);
    for (int y = c.bounds.top; y < c.bounds.bottom; ++y) {
      for (int x = c.bounds.left; x < c.bounds.right; ++x) {
        const CPoint p(x, y);
        const int covering = static_cast<int>(
            std::count_if(margins.begin(), margins.end(), [&](const CRect& r) { return r.PtInRect(p); }));
        EXPECT_EQ(covering, c.plot.PtInRect(p) ? 0 : 1) << x << "," << y;
      }
    }
  }
}

TEST(ChartGeometryTest, TickAreasHoldMarkAndLabelButNeverEnterThePlot) {
  const CRect plot(40, 20, 390, 170);
  const CRect x = chart::XTickArea(plot, 100, 30, 12);
  const CPoint xLabel = chart::XLabelOrigin(plot, 100, 30);
  EXPECT_EQ(x.top, plot.bottom) << "the mark starts on the frame's bottom line";
  EXPECT_LE(x.left, xLabel.x);
  EXPECT_GE(x.right, xLabel.x + 30);
  EXPECT_GE(x.bottom, xLabel.y + 12);
  const CRect y = chart::YTickArea(plot, 100, 25, 12);
  const CPoint yLabel = chart::YLabelOrigin(plot, 100, 25, 12);
  EXPECT_EQ(y.right, plot.left) << "the mark ends on the frame's left line";
  EXPECT_LE(y.left, yLabel.x);
  EXPECT_LE(y.top, yLabel.y);
  EXPECT_GE(y.bottom, yLabel.y + 12);
}

TEST(ChartGeometryTest, ChangedFrameAreasAreTheOldAndNewPlacesOfMovedTicks) {
  const chart::FramePicture before = SomeFrame();
  EXPECT_TRUE(chart::ChangedFrameAreas(before, before).empty()) << "nothing changed";

  chart::FramePicture after = before;
  after.xTicks[1].pos = 161;
  after.xTickAreas[1] = chart::XTickArea(after.plot, 161, 20, 12);
  after.yTicks[0].label = "151";
  std::vector<CRect> areas = chart::ChangedFrameAreas(before, after);
  const std::vector<CRect> expected = {before.xTickAreas[1], after.xTickAreas[1], before.yTickAreas[0],
                                       after.yTickAreas[0]};
  EXPECT_EQ(areas, expected);

  after = before;
  after.xTicks.pop_back();
  after.xTickAreas.pop_back();
  EXPECT_EQ(chart::ChangedFrameAreas(before, after), std::vector<CRect>{before.xTickAreas[2]})
      << "a tick gone";
  EXPECT_EQ(chart::ChangedFrameAreas(after, before), std::vector<CRect>{before.xTickAreas[2]})
      << "a tick added";

  const std::function<void(chart::FramePicture&)> wholeChanges[] = {
      [](chart::FramePicture& f) { f.bounds.right += 1; },
      [](chart::FramePicture& f) { f.plot.left += 1; },
      [](chart::FramePicture& f) { f.look[1] = 9; },
      [](chart::FramePicture& f) { f.titleLines[0] = "Other"; },
      [](chart::FramePicture& f) { f.titleRects.clear(); },
  };
  for (const auto& change : wholeChanges) {
    after = before;
    change(after);
    EXPECT_EQ(chart::ChangedFrameAreas(before, after), std::vector<CRect>{after.bounds});
  }
}
