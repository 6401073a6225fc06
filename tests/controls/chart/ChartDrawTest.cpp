// Rendered-image checks of the chart: the line is continuous, lone and
// flat series show, smoothing changes the curve, labels are drawn.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "controls/chart/ChartCtrlBase.h"
#include "controls/chart/ChartGeometry.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"
#include "support/Doubles.h"

namespace {

constexpr int kW = 600;
constexpr int kH = 300;
constexpr COLORREF kLine = RGB(0, 255, 0);  // the screen look's line
const double kStart = 46000.25;

// Draws the chart into an image of kW x kH and keeps the pixels.
class Rendered {
 public:
  explicit Rendered(CChartCtrl& chart) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, kW, kH);
    dc.SelectObject(&bitmap);
    chart.DrawChart(&dc, CRect(0, 0, kW, kH));
  }
  COLORREF At(int x, int y) const {
    const QRgb p = bitmap.GetImage()->pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
  }
  // The rows of column x holding the colour, lowest and highest; false if none.
  bool Column(int x, COLORREF c, int* top, int* bottom) const {
    *top = kH;
    *bottom = -1;
    for (int y = 0; y < kH; ++y) {
      if (At(x, y) == c) {
        *top = std::min(*top, y);
        *bottom = std::max(*bottom, y);
      }
    }
    return *bottom >= 0;
  }
  int Count(COLORREF c, const CRect& area) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += At(x, y) == c ? 1 : 0;
    return n;
  }
  CBitmap bitmap;  // outlives the context drawing into it
  CDC dc;
};

// The horizontal extent of the line's pixels.
std::pair<int, int> LineSpan(const Rendered& r) {
  int first = -1, last = -1, top = 0, bottom = 0;
  for (int x = 0; x < kW; ++x) {
    if (r.Column(x, kLine, &top, &bottom)) {
      if (first < 0) first = x;
      last = x;
    }
  }
  return {first, last};
}

TEST(ChartDrawTest, ThousandsOfPointsDrawAsOneUnbrokenLine) {
  CChartCtrlBase chart;
  chart.SetupChart(false);
  // An hour of one-second samples, newest first as the trend panel adds them.
  for (int i = 3599; i >= 0; --i)
    chart.GetLineSerie()->AddPoint(kStart + i / 86400.0, 50 + 40 * std::sin(i / 200.0) + (i % 2));
  Rendered r(chart);
  const auto [first, last] = LineSpan(r);
  ASSERT_GE(first, 0);
  EXPECT_GT(last - first, kW / 2) << "the line spans the plot";
  int prevTop = 0, prevBottom = 0;
  ASSERT_TRUE(r.Column(first, kLine, &prevTop, &prevBottom));
  for (int x = first + 1; x <= last; ++x) {
    int top = 0, bottom = 0;
    ASSERT_TRUE(r.Column(x, kLine, &top, &bottom)) << "gap at column " << x;
    // Neighbouring columns touch: the line is connected.
    EXPECT_LE(top, prevBottom + 1) << "column " << x;
    EXPECT_GE(bottom, prevTop - 1) << "column " << x;
    prevTop = top;
    prevBottom = bottom;
  }
}

TEST(ChartDrawTest, FlatSeriesIsALevelLineInTheMiddle) {
  CChartCtrlBase chart;
  chart.SetupChart(false);
  for (int i = 0; i < 60; ++i) chart.GetLineSerie()->AddPoint(kStart + i / 1440.0, 7.5);
  Rendered r(chart);
  const auto [first, last] = LineSpan(r);
  ASSERT_GE(first, 0);
  int top0 = 0, bottom0 = 0;
  r.Column((first + last) / 2, kLine, &top0, &bottom0);
  for (int x = first; x <= last; x += 7) {
    int top = 0, bottom = 0;
    ASSERT_TRUE(r.Column(x, kLine, &top, &bottom));
    EXPECT_EQ(top, top0) << "level at column " << x;
  }
  EXPECT_GT(top0, kH / 4);
  EXPECT_LT(top0, kH * 3 / 4);
}

TEST(ChartDrawTest, ASinglePointIsVisible) {
  CChartCtrlBase chart;
  chart.SetupChart(false);
  chart.GetLineSerie()->AddPoint(kStart, 3.0);
  Rendered r(chart);
  EXPECT_GE(r.Count(kLine, CRect(0, 0, kW, kH)), 9) << "drawn as a small square";
}

TEST(ChartDrawTest, NoPointStillDrawsAxesAndLabelsButNoLine) {
  testing_support::ClockDouble clock(1000, kStart);
  CChartCtrlBase chart;
  chart.SetupChart(false);
  Rendered r(chart);
  EXPECT_EQ(r.Count(kLine, CRect(0, 0, kW, kH)), 0);
  // Yellow label text below the plot and left of it.
  EXPECT_GT(r.Count(RGB(255, 255, 0), CRect(0, kH - 20, kW, kH)), 20);
  EXPECT_GT(r.Count(RGB(255, 255, 0), CRect(0, 0, 40, kH)), 20);
}

TEST(ChartDrawTest, SmoothingChangesTheCurveButKeepsItsPoints) {
  CChartCtrlBase chart;
  chart.SetupChart(false);
  const double values[] = {10, 80, 20, 90, 15, 60};
  for (int i = 0; i < 6; ++i) chart.GetLineSerie()->AddPoint(kStart + i / 1440.0, values[i]);
  Rendered straight(chart);
  chart.GetLineSerie()->SetSmooth(true);
  Rendered smooth(chart);
  int differing = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      differing += (straight.At(x, y) == kLine) != (smooth.At(x, y) == kLine) ? 1 : 0;
  EXPECT_GT(differing, 50);
  // Both lines reach the highest value: the top-most line pixel is the same row.
  int topStraight = kH, topSmooth = kH;
  for (int x = 0; x < kW; ++x) {
    int t = 0, b = 0;
    if (straight.Column(x, kLine, &t, &b)) topStraight = std::min(topStraight, t);
    if (smooth.Column(x, kLine, &t, &b)) topSmooth = std::min(topSmooth, t);
  }
  EXPECT_NEAR(topSmooth, topStraight, 1) << "no overshoot above the data";
}

TEST(ChartDrawTest, FarOffPointOfAFixedRangeDrawsTowardIt) {
  for (const double far : {-1e300, -1e15}) {
    CChartCtrlBase chart;
    chart.SetupChart(false);
    chart.GetLeftAxis()->SetMinMax(0, 10);
    chart.GetLineSerie()->AddPoint(kStart, 5);
    chart.GetLineSerie()->AddPoint(kStart + 1 / 1440.0, far);
    Rendered r(chart);
    EXPECT_EQ(r.Count(kLine, CRect(0, 0, kW, kH / 2 - 10)), 0) << far << ": nothing above the start";
    EXPECT_GT(r.Count(kLine, CRect(0, kH / 2 + 10, kW, kH)), 20) << far << ": the line runs down";
  }
}

TEST(ChartDrawTest, TitleIsDrawnAboveThePlot) {
  CChartCtrlBase chart;
  chart.SetupChart(false);
  Rendered without(chart);
  chart.GetTitle()->AddString("Tower::Temperature");
  Rendered with(chart);
  EXPECT_GT(with.Count(RGB(255, 255, 0), CRect(0, 0, kW, 22)),
            without.Count(RGB(255, 255, 0), CRect(0, 0, kW, 22)) + 30);
}

}  // namespace
