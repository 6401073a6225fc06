// The chart side that the chart benchmark and the trend benchmark share: one
// trend chart of 8 line series x 3,600 points one second apart, drawn into
// a 1000 x 500 image; AddPoint gives every series its next point.
#pragma once

#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>
#include <vector>

#include "controls/chart/ChartCtrlBase.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"

namespace chart_bench {

constexpr int kSeries = 8;
constexpr int kPoints = 3600;
constexpr int kWidth = 1000;
constexpr int kHeight = 500;
constexpr double kStart = 46000.25;
constexpr double kSecond = 1.0 / 86400.0;

inline double Value(int series, int i) {
  return 10 * series + 30 * std::sin(i / (50.0 + 20 * series)) + ((i * 7919 + series * 104729) % 13) * 0.3;
}

inline COLORREF SeriesColor(int s) { return RGB(40 + 25 * s, 255 - 25 * s, 120); }

struct ChartSide {
  CChartCtrlBase chart;
  CBitmap bitmap;
  CDC dc;
  int points = 0;

  explicit ChartSide(bool smooth) {
    chart.SetupChart(false);
    chart.SetAntialiasing(smooth);
    chart.GetTitle()->AddString("Trend");
    chart.EnableRefresh(false);
    std::vector<double> x(kPoints), y(kPoints);
    for (int i = 0; i < kPoints; ++i) x[i] = kStart + i * kSecond;
    for (int s = 0; s < kSeries; ++s) {
      CChartLineSerie* serie = s == 0 ? chart.GetLineSerie() : chart.CreateLineSerie();
      serie->SetColor(SeriesColor(s));
      for (int i = 0; i < kPoints; ++i) y[i] = Value(s, i);
      serie->AddPoints(x.data(), y.data(), kPoints);
    }
    chart.EnableRefresh(true);
    points = kPoints;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, kWidth, kHeight);
    dc.SelectObject(&bitmap);
  }
  void AddPoint() {
    chart.EnableRefresh(false);
    for (int s = 0; s < kSeries; ++s) {
      static_cast<CChartLineSerie*>(chart.GetSerie(static_cast<size_t>(s)))
          ->AddPoint(kStart + points * kSecond, Value(s, points));
    }
    chart.EnableRefresh(true);
    ++points;
  }
  void Draw() {
    chart.DrawChart(&dc, CRect(0, 0, kWidth, kHeight));
    benchmark::DoNotOptimize(bitmap.GetImage()->constBits());
  }
};


}  // namespace chart_bench
