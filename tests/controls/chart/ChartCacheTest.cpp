// The chart keeps its tick layout, text measures and series polylines from
// one draw to the next; after any change of range, size, font measures,
// points, title or smoothing the picture must be exactly the one a fresh
// chart draws with the same settings.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <string>

#include "controls/chart/ChartCtrlBase.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"

namespace {

constexpr double kStart = 46000.25;

void Fill(CChartCtrlBase& chart) {
  chart.SetupChart(false);
  chart.GetTitle()->AddString("Trend");
  // Sparse points, so that smoothing bends the line between them.
  for (int i = 0; i < 60; ++i) chart.GetLineSerie()->AddPoint(kStart + i * 10 / 86400.0, 20 + 15 * std::sin(i / 3.0));
}

// What a draw depends on beyond the chart: the area and the context's mapping.
struct Target {
  CRect area{0, 0, 500, 260};
  int scale = 1;  // logical units per device pixel, as on a printed page
};

QImage Draw(CChartCtrlBase& chart, const Target& t) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&dc, 520, 280);
  dc.SelectObject(&bitmap);
  if (t.scale != 1) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(t.scale, t.scale);
    dc.SetViewportExt(1, 1);
  }
  chart.DrawChart(&dc, t.area);
  QImage image = bitmap.GetImage()->copy();
  dc.DeleteDC();
  return image;
}

struct Change {
  const char* what;
  std::function<void(CChartCtrlBase&, Target&)> apply;
};

TEST(ChartCacheTest, EveryChangeDrawsAsAFreshChartDoes) {
  const Change changes[] = {
      {"value range", [](CChartCtrlBase& c, Target&) { c.GetLeftAxis()->SetMinMax(-10, 80); }},
      {"time range", [](CChartCtrlBase& c, Target&) { c.GetBottomAxis()->SetMinMax(kStart, kStart + 0.02); }},
      {"size", [](CChartCtrlBase&, Target& t) { t.area = CRect(10, 10, 330, 200); }},
      {"font measures", [](CChartCtrlBase&, Target& t) {
         t.scale = 2;
         t.area = CRect(0, 0, 1000, 520);
       }},
      {"new point", [](CChartCtrlBase& c, Target&) { c.GetLineSerie()->AddPoint(kStart + 700 / 86400.0, 90); }},
      {"title", [](CChartCtrlBase& c, Target&) { c.GetTitle()->AddString("Second line"); }},
      {"smoothing", [](CChartCtrlBase& c, Target&) { c.GetLineSerie()->SetSmooth(true); }},
      {"antialiasing", [](CChartCtrlBase& c, Target&) { c.SetAntialiasing(true); }},
      {"hidden axis", [](CChartCtrlBase& c, Target&) { c.GetLeftAxis()->SetVisible(false); }},
  };
  for (const Change& change : changes) {
    CChartCtrlBase kept;
    Fill(kept);
    Target before;
    const QImage first = Draw(kept, before);
    Draw(kept, before);  // twice: everything kept is in use
    Target after = before;
    change.apply(kept, after);
    const QImage changed = Draw(kept, after);

    CChartCtrlBase fresh;
    Fill(fresh);
    Target freshTarget;
    change.apply(fresh, freshTarget);
    const QImage expected = Draw(fresh, freshTarget);
    EXPECT_TRUE(changed == expected) << change.what;
    EXPECT_FALSE(changed == first) << change.what << " changes the picture";
  }
}

TEST(ChartCacheTest, DrawingAgainUnchangedGivesTheSamePicture) {
  CChartCtrlBase chart;
  Fill(chart);
  const QImage first = Draw(chart, Target());
  EXPECT_TRUE(Draw(chart, Target()) == first);
  // Back to the screen after a printed page: the screen measures return.
  Draw(chart, Target{CRect(0, 0, 1000, 520), 2});
  EXPECT_TRUE(Draw(chart, Target()) == first);
}

}  // namespace
