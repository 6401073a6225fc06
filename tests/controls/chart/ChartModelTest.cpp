#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "controls/chart/ChartCtrlBase.h"
#include "support/Doubles.h"

namespace {

constexpr double kMinute = 1.0 / 1440.0;

// Counts redraws instead of repainting a window.
class CountingChart : public CChartCtrlBase {
 public:
  int redraws = 0;

 protected:
  void Redraw() override { ++redraws; }
};

TEST(ChartModelTest, SetupChartMakesValueAxisDateAxisAndOneLineSerie) {
  CountingChart c;
  for (bool forPrint : {false, true}) {
    c.SetupChart(forPrint);
    ASSERT_NE(c.GetLeftAxis(), nullptr);
    ASSERT_NE(c.GetBottomAxis(), nullptr);
    EXPECT_FALSE(c.GetLeftAxis()->IsDateTime());
    EXPECT_TRUE(c.GetBottomAxis()->IsDateTime());
    EXPECT_TRUE(c.GetLeftAxis()->IsAutomatic());
    EXPECT_TRUE(c.GetBottomAxis()->GetGrid()->IsVisible());
    EXPECT_EQ(c.GetSeriesCount(), 1u);
    ASSERT_NE(c.GetLineSerie(), nullptr);
    EXPECT_EQ(c.GetSerie(0), c.GetLineSerie());
    EXPECT_EQ(c.GetLineSerie()->GetHorizontalAxis(), c.GetBottomAxis());
  }
  EXPECT_EQ(c.GetBackColor(), RGB(255, 255, 255)) << "print look: white paper";
}

TEST(ChartModelTest, LineSerieIsNotHandedOutOnceRemoved) {
  CountingChart c;
  c.SetupChart(false);
  c.RemoveAllSeries();
  EXPECT_EQ(c.GetLineSerie(), nullptr) << "removing the series";
  c.SetupChart(false);
  c.CreateStandardAxis(CChartAxis::LeftAxis);
  EXPECT_EQ(c.GetLineSerie(), nullptr) << "replacing its axis";
  c.SetupChart(false);
  c.RemoveAll();
  EXPECT_EQ(c.GetLineSerie(), nullptr) << "removing everything";
  c.SetupChart(false);
  EXPECT_NE(c.GetLineSerie(), nullptr);
}

TEST(ChartModelTest, NestedRefreshHoldsDrawOnceAtTheLastRelease) {
  CountingChart c;
  c.SetupChart(false);
  c.redraws = 0;
  c.EnableRefresh(false);
  c.EnableRefresh(false);
  c.GetLineSerie()->AddPoint(46000.0, 1.0);
  c.GetTitle()->AddString("x");
  c.EnableRefresh(true);
  EXPECT_EQ(c.redraws, 0) << "still held once";
  EXPECT_FALSE(c.IsRefreshEnabled());
  c.EnableRefresh(true);
  EXPECT_EQ(c.redraws, 1);
  EXPECT_TRUE(c.IsRefreshEnabled());
  // A release without a hold is ignored; a hold without change draws nothing.
  c.EnableRefresh(true);
  c.EnableRefresh(false);
  c.EnableRefresh(true);
  EXPECT_EQ(c.redraws, 1);
  c.GetLineSerie()->AddPoint(46000.1, 2.0);
  EXPECT_EQ(c.redraws, 2) << "unheld changes draw at once";
}

TEST(ChartModelTest, AutomaticAxesFollowPointsAtTheEdges) {
  testing_support::ClockDouble clock(1000, 46000.25);
  CountingChart c;
  c.SetupChart(false);
  CChartLineSerie* s = c.GetLineSerie();
  double lo = 0, hi = 0;

  // No point: values 0..10, the minute around now.
  c.GetLeftAxis()->GetMinMax(lo, hi);
  EXPECT_EQ(lo, 0.0);
  EXPECT_EQ(hi, 10.0);
  c.GetBottomAxis()->GetMinMax(lo, hi);
  EXPECT_NEAR(lo, 46000.25 - kMinute, 1e-9);
  EXPECT_NEAR(hi, 46000.25 + kMinute, 1e-9);

  // One point.
  s->AddPoint(46001.0, 20.0);
  c.GetLeftAxis()->GetMinMax(lo, hi);
  EXPECT_DOUBLE_EQ(lo, 18.0);
  EXPECT_DOUBLE_EQ(hi, 22.0);
  c.GetBottomAxis()->GetMinMax(lo, hi);
  EXPECT_NEAR(lo, 46001.0 - kMinute, 1e-9);

  // A flat series over an hour.
  s->AddPoint(46001.0 + 1.0 / 24, 20.0);
  c.GetLeftAxis()->GetMinMax(lo, hi);
  EXPECT_DOUBLE_EQ(lo, 18.0);
  c.GetBottomAxis()->GetMinMax(lo, hi);
  EXPECT_DOUBLE_EQ(lo, 46001.0);
  EXPECT_DOUBLE_EQ(hi, 46001.0 + 1.0 / 24);

  // Removing every point goes back to the empty ranges.
  s->RemoveAllPoints();
  EXPECT_EQ(s->GetPointsCount(), 0u);
  c.GetLeftAxis()->GetMinMax(lo, hi);
  EXPECT_EQ(hi, 10.0);
}

TEST(ChartModelTest, RemovingTheOldestPointsLeavesTheSeriesAFreshOneWouldBe) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* what;
    std::vector<chart::PointF> points;
    std::vector<size_t> removals;
  } cases[] = {
      {"time order, extremes leaving", {{1, 5}, {2, 9}, {3, 1}, {4, 4}, {5, 6}, {6, 2}}, {1, 1, 2, 1, 1}},
      {"time order, nothing at the edges leaving", {{1, 4}, {2, 9}, {3, 1}, {4, 5}}, {1}},
      {"times out of order", {{5, 1}, {1, 2}, {9, 3}, {3, 4}, {4, 0}}, {1, 1, 1}},
      {"values that are no numbers", {{1, nan}, {nan, 3}, {3, 7}, {4, -2}, {5, 1}}, {1, 1, 1}},
      {"more than held", {{1, 1}, {2, 2}}, {5}},
      {"nothing", {{1, 1}, {2, 2}}, {0}},
  };
  for (const auto& c : cases) {
    CountingChart kept;
    kept.SetupChart(false);
    CChartLineSerie* s = kept.GetLineSerie();
    for (const chart::PointF& p : c.points) s->AddPoint(p.x, p.y);
    size_t first = 0;
    for (size_t count : c.removals) {
      const unsigned long long version = s->GetPointsVersion();
      s->RemovePointsFromStart(count);
      first = std::min(first + count, c.points.size());
      EXPECT_EQ(s->GetPointsVersion() != version, count > 0) << c.what;
      std::vector<double> x, y;
      for (size_t i = first; i < c.points.size(); ++i) {
        x.push_back(c.points[i].x);
        y.push_back(c.points[i].y);
      }
      CountingChart fresh;
      fresh.SetupChart(false);
      fresh.GetLineSerie()->AddPoints(x.data(), y.data(), x.size());
      const CChartLineSerie* f = fresh.GetLineSerie();
      ASSERT_EQ(s->GetPointsCount(), f->GetPointsCount()) << c.what;
      const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
      for (size_t i = 0; i < s->GetPointsCount(); ++i) {
        EXPECT_TRUE(same(s->GetPoint(i).x, f->GetPoint(i).x)) << c.what;
        EXPECT_TRUE(same(s->GetPoint(i).y, f->GetPoint(i).y)) << c.what;
      }
      for (auto extent : {&CChartSerie::GetXExtent, &CChartSerie::GetYExtent}) {
        const chart::Extent a = (s->*extent)(), b = (f->*extent)();
        EXPECT_EQ(a.empty, b.empty) << c.what;
        if (!b.empty) {
          EXPECT_EQ(a.min, b.min) << c.what;
          EXPECT_EQ(a.max, b.max) << c.what;
        }
      }
      double lo = 0, hi = 0, freshLo = 0, freshHi = 0;
      kept.GetLeftAxis()->GetMinMax(lo, hi);
      fresh.GetLeftAxis()->GetMinMax(freshLo, freshHi);
      EXPECT_EQ(lo, freshLo) << c.what << ": the automatic axis follows";
      EXPECT_EQ(hi, freshHi) << c.what;
    }
  }
}

TEST(ChartModelTest, FixedAxisIgnoresDataUntilMadeAutomaticAgain) {
  CountingChart c;
  c.SetupChart(false);
  c.GetLeftAxis()->SetMinMax(100, 0);  // the wrong way round
  double lo = 0, hi = 0;
  c.GetLeftAxis()->GetMinMax(lo, hi);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 100);
  c.GetLineSerie()->AddPoint(46000.0, 500.0);
  c.GetLeftAxis()->GetMinMax(lo, hi);
  EXPECT_EQ(hi, 100);
  c.GetLeftAxis()->SetAutomatic(true);
  c.GetLeftAxis()->GetMinMax(lo, hi);
  EXPECT_DOUBLE_EQ(hi, 550.0);
}

TEST(ChartModelTest, FixedRangeWithoutFiniteBoundsIsRefused) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double bounds[][2] = {{-inf, inf}, {0, inf}, {nan, 10}, {0, nan}};
  for (const auto& b : bounds) {
    CountingChart c;
    c.SetupChart(false);
    c.GetLeftAxis()->SetMinMax(0, 100);
    c.GetLeftAxis()->SetMinMax(b[0], b[1]);
    double lo = -1, hi = -1;
    c.GetLeftAxis()->GetMinMax(lo, hi);
    EXPECT_EQ(lo, 0) << b[0] << ".." << b[1];
    EXPECT_EQ(hi, 100) << b[0] << ".." << b[1];
  }
}

TEST(ChartModelTest, SmoothAndTitleChangesAreKept) {
  CountingChart c;
  c.SetupChart(false);
  c.GetLineSerie()->SetSmooth(true);
  EXPECT_TRUE(c.GetLineSerie()->GetSmooth());
  c.GetTitle()->AddString("one");
  c.GetTitle()->AddString("two");
  c.GetTitle()->RemoveAll();
  c.GetTitle()->AddString("Tower::Temp");
  EXPECT_EQ(c.GetTitle()->GetStringCount(), 1u);
  EXPECT_EQ(c.GetTitle()->GetString(0), "Tower::Temp");
  EXPECT_EQ(c.GetTitle()->GetString(5), "");
}

TEST(ChartModelTest, ReplacingAnAxisDropsTheSeriesDrawnAgainstIt) {
  CountingChart c;
  c.SetupChart(false);
  c.CreateStandardAxis(CChartAxis::BottomAxis);
  EXPECT_EQ(c.GetSeriesCount(), 0u);
  EXPECT_FALSE(c.GetBottomAxis()->IsDateTime());
  c.RemoveAll();
  EXPECT_EQ(c.CreateLineSerie(), nullptr) << "no axes, no series";
}

}  // namespace

#include "platform/ui/Dialog.h"
#include "platform/ui/ResourceTable.h"

namespace {

TEST(ChartWindowClassTest, TemplateItemBecomesATrendChart) {
  RegisterChartWindowClass();
  DialogTemplate t;
  t.id = 9970;
  t.caption = "panel";
  t.cx = 300;
  t.cy = 160;
  t.style = WS_POPUP | WS_CAPTION;
  t.items = {dlg::Custom(4020, "ChartCtrl", "", WS_CHILD | WS_VISIBLE, 4, 4, 200, 149)};
  ResourceTable::Instance().AddDialog(t);
  CDialog d;
  ASSERT_TRUE(d.Create(9970, nullptr));
  auto* chart = dynamic_cast<CChartCtrlBase*>(d.GetDlgItem(4020));
  ASSERT_NE(chart, nullptr);
  ASSERT_NE(chart->GetLineSerie(), nullptr);
  chart->GetLineSerie()->AddPoint(46000.0, 1.0);
  chart->UpdateWindow();  // paints without trouble
  // A member bound to the item replaces it.
  CChartCtrlBase member;
  ASSERT_TRUE(member.SubclassDlgItem(4020, &d));
  EXPECT_EQ(d.GetDlgItem(4020), &member);
  d.DestroyWindow();
}

}  // namespace
