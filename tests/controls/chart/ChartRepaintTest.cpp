// A chart window keeps its picture between paints: a change repaints the
// plot and only those parts of the frame (ticks, labels, title, margins)
// that changed. Whatever the changes, the window then shows exactly what a
// fresh draw of the chart shows.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>

#include "controls/chart/ChartCtrlBase.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/WndSurface.h"

namespace {

constexpr double kStart = 46000.25;
constexpr double kSecond = 1.0 / 86400.0;
constexpr COLORREF kMarker = RGB(255, 0, 255);

// An image of the size drawn through a memory context.
QImage DrawnImage(int width, int height, const std::function<void(CDC&)>& draw) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&dc, width, height);
  dc.SelectObject(&bitmap);
  draw(dc);
  QImage image = bitmap.GetImage()->copy();
  dc.DeleteDC();
  return image;
}

// With `marked` set, each paint first covers the window with a marker
// colour, so that what the paint leaves alone shows.
class MarkedChart : public CChartCtrlBase {
 public:
  bool marked = false;

 protected:
  void OnPaint() override {
    if (marked) {
      CRect client;
      GetClientRect(&client);
      CClientDC dc(this);
      dc.FillSolidRect(client, kMarker);
    }
    CChartCtrlBase::OnPaint();
  }
};

// A running trend in a window: one sample a second.
class TrendWindow {
 public:
  TrendWindow() {
    m_parent.Create("", WS_POPUP | WS_VISIBLE, CRect(0, 0, 600, 320), nullptr, 0);
    chart.Create(&m_parent, CRect(10, 10, 530, 260), 100);
    chart.SetupChart(false);
    chart.GetTitle()->AddString("Dryer::Temperature");
    chart.EnableRefresh(false);
    for (int i = 0; i < 600; ++i) AddSample();
    chart.EnableRefresh(true);
    chart.UpdateWindow();
  }

  void AddSample() {
    chart.GetLineSerie()->AddPoint(kStart + m_seconds * kSecond, 50 + 30 * std::sin(m_seconds / 40.0));
    ++m_seconds;
  }
  QImage Shown() { return chart.GetSurface()->image.copy(); }
  // The chart drawn anew into an image of the window's size.
  QImage Fresh() {
    CRect client;
    chart.GetClientRect(&client);
    return DrawnImage(client.Width(), client.Height(), [&](CDC& dc) { chart.DrawChart(&dc, client); });
  }

  MarkedChart chart;

 private:
  CWnd m_parent;
  int m_seconds = 0;
};

TEST(ChartRepaintTest, RunningTrendShowsWhatAFreshDrawShows) {
  TrendWindow w;
  ASSERT_TRUE(w.Shown() == w.Fresh());
  const QImage first = w.Shown();
  for (int i = 0; i < 150; ++i) {
    w.AddSample();
    w.chart.UpdateWindow();
    ASSERT_TRUE(w.Shown() == w.Fresh()) << "after sample " << i;
  }
  EXPECT_FALSE(w.Shown() == first);
}

TEST(ChartRepaintTest, EveryKindOfChangeShowsWhatAFreshDrawShows) {
  const struct {
    const char* what;
    std::function<void(TrendWindow&)> apply;
  } changes[] = {
      {"a new extreme value", [](TrendWindow& w) { w.chart.GetLineSerie()->AddPoint(kStart + 0.01, 250); }},
      {"another title", [](TrendWindow& w) { w.chart.GetTitle()->RemoveAll(); w.chart.GetTitle()->AddString("Fan"); }},
      {"no title", [](TrendWindow& w) { w.chart.GetTitle()->RemoveAll(); }},
      {"background colour", [](TrendWindow& w) { w.chart.SetBackColor(RGB(0, 0, 90)); }},
      {"frame colour", [](TrendWindow& w) { w.chart.SetBorderColor(RGB(255, 0, 0)); }},
      {"plot colour", [](TrendWindow& w) { w.chart.SetPlotColor(RGB(30, 30, 30)); }},
      {"label colour", [](TrendWindow& w) { w.chart.GetBottomAxis()->SetTextColor(RGB(0, 255, 255)); }},
      {"tick colour", [](TrendWindow& w) { w.chart.GetLeftAxis()->SetAxisColor(RGB(0, 0, 255)); }},
      {"grid colour", [](TrendWindow& w) { w.chart.GetLeftAxis()->GetGrid()->SetColor(RGB(0, 90, 0)); }},
      {"hidden value axis", [](TrendWindow& w) { w.chart.GetLeftAxis()->SetVisible(false); }},
      {"hidden time axis", [](TrendWindow& w) { w.chart.GetBottomAxis()->SetVisible(false); }},
      {"fixed value range", [](TrendWindow& w) { w.chart.GetLeftAxis()->SetMinMax(-500, 500); }},
      {"smoothing and anti-aliasing",
       [](TrendWindow& w) {
         w.chart.GetLineSerie()->SetSmooth(true);
         w.chart.SetAntialiasing(true);
       }},
      {"no points", [](TrendWindow& w) { w.chart.GetLineSerie()->RemoveAllPoints(); }},
      {"a smaller window", [](TrendWindow& w) { w.chart.MoveWindow(CRect(10, 10, 400, 200)); }},
      {"a corner uncovered", [](TrendWindow& w) {
         const CRect corner(0, 0, 60, 30);
         w.chart.InvalidateRect(&corner, FALSE);
       }},
      {"a printed page drawn between", [](TrendWindow& w) {
         DrawnImage(600, 400, [&](CDC& dc) { w.chart.DrawPrintPage(&dc, CRect(0, 0, 600, 400), "Printed"); });
         w.AddSample();
       }},
      {"a draw with other text measures between", [](TrendWindow& w) {
         DrawnImage(300, 200, [&](CDC& dc) {
           dc.SetMapMode(MM_ANISOTROPIC);
           dc.SetWindowExt(2, 2);
           dc.SetViewportExt(1, 1);
           w.chart.DrawChart(&dc, CRect(0, 0, 600, 400));
         });
         w.AddSample();
       }},
  };
  for (const auto& change : changes) {
    TrendWindow w;
    const QImage before = w.Shown();
    change.apply(w);
    w.chart.UpdateWindow();
    EXPECT_TRUE(w.Shown() == w.Fresh()) << change.what;
    if (std::string(change.what) != "a corner uncovered") {
      EXPECT_FALSE(w.Shown() == before) << change.what << " changes the picture";
    }
    // And the next sample after it.
    w.AddSample();
    w.chart.UpdateWindow();
    EXPECT_TRUE(w.Shown() == w.Fresh()) << "a sample after " << change.what;
  }
}

TEST(ChartRepaintTest, NewSampleRepaintsThePlotButNotTheTitleOrTheValueLabels) {
  TrendWindow w;
  w.chart.GetLeftAxis()->SetMinMax(0, 100);  // the value labels stay
  w.chart.UpdateWindow();
  w.AddSample();
  w.chart.marked = true;
  w.chart.UpdateWindow();
  const QImage shown = w.Shown();
  const QImage fresh = w.Fresh();
  // The plot is the black area of the screen look.
  QRect plot;
  for (int y = 0; y < fresh.height(); ++y)
    for (int x = 0; x < fresh.width(); ++x)
      if (fresh.pixel(x, y) == qRgb(0, 0, 0)) plot |= QRect(x, y, 1, 1);
  ASSERT_GT(plot.width(), 300);
  const QRgb marker = qRgb(255, 0, 255);
  int kept = 0;
  for (int y = 0; y < fresh.height(); ++y) {
    for (int x = 0; x < fresh.width(); ++x) {
      if (plot.contains(x, y)) {
        ASSERT_EQ(shown.pixel(x, y), fresh.pixel(x, y)) << "the plot is drawn at " << x << "," << y;
      } else if (y < plot.top() - 1 || x < plot.left() - 1) {
        ASSERT_EQ(shown.pixel(x, y), marker) << "title and value labels are kept at " << x << "," << y;
        ++kept;
      } else if (shown.pixel(x, y) != marker) {
        ASSERT_EQ(shown.pixel(x, y), fresh.pixel(x, y)) << "what is drawn is right at " << x << "," << y;
      }
    }
  }
  EXPECT_GT(kept, 5000);
}

}  // namespace
