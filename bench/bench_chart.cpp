// bench-lib: vek_controls
// Drawing a trend chart of 8 line series x 3,600 points into a 1000 x 500
// image; when the system has QCustomPlot, the same data at the same size
// drawn by it, for comparison (see the ratio of the two times).
#include <benchmark/benchmark.h>

#include "bench/BenchMain.h"

#include <QImage>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "controls/chart/ChartCtrlBase.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"

#ifdef VEK_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

namespace {

constexpr int kSeries = 8;
constexpr int kPoints = 3600;
constexpr int kWidth = 1000;
constexpr int kHeight = 500;

struct BenchData {
  std::vector<double> x;                 // automation dates, one second apart
  std::vector<std::vector<double>> y;    // per series
};

const BenchData& Data() {
  static const BenchData d = [] {
    BenchData b;
    b.x.resize(kPoints);
    b.y.assign(kSeries, std::vector<double>(kPoints));
    for (int i = 0; i < kPoints; ++i) {
      b.x[i] = 46000.25 + i / 86400.0;
      for (int s = 0; s < kSeries; ++s)
        b.y[s][i] = 10 * s + 30 * std::sin(i / (50.0 + 20 * s)) + ((i * 7919 + s * 104729) % 13) * 0.3;
    }
    return b;
  }();
  return d;
}

void BM_ChartCtrl8x3600(benchmark::State& state) {
  const BenchData& d = Data();
  CChartCtrlBase chart;
  chart.SetupChart(false);
  chart.GetTitle()->AddString("Trend");
  chart.EnableRefresh(false);
  for (int s = 0; s < kSeries; ++s) {
    CChartLineSerie* serie = s == 0 ? chart.GetLineSerie() : chart.CreateLineSerie();
    serie->SetColor(RGB(40 + 25 * s, 255 - 25 * s, 120));
    serie->AddPoints(d.x.data(), d.y[s].data(), kPoints);
  }
  chart.EnableRefresh(true);
  CBitmap bitmap;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  bitmap.CreateCompatibleBitmap(&dc, kWidth, kHeight);
  dc.SelectObject(&bitmap);
  for (auto _ : state) {
    chart.DrawChart(&dc, CRect(0, 0, kWidth, kHeight));
    benchmark::DoNotOptimize(bitmap.GetImage()->constBits());
  }
}
BENCHMARK(BM_ChartCtrl8x3600)->Unit(benchmark::kMillisecond);

#ifdef VEK_HAVE_QCUSTOMPLOT
void BM_QCustomPlot8x3600(benchmark::State& state) {
  const BenchData& d = Data();
  QCustomPlot plot;
  plot.resize(kWidth, kHeight);
  QSharedPointer<QCPAxisTickerDateTime> ticker(new QCPAxisTickerDateTime);
  ticker->setDateTimeFormat("hh:mm");
  plot.xAxis->setTicker(ticker);
  plot.plotLayout()->insertRow(0);
  plot.plotLayout()->addElement(0, 0, new QCPTextElement(&plot, "Trend"));
  for (int s = 0; s < kSeries; ++s) {
    QCPGraph* g = plot.addGraph();
    QVector<double> x(kPoints), y(kPoints);
    for (int i = 0; i < kPoints; ++i) {
      x[i] = (d.x[i] - 25569.0) * 86400.0;  // seconds since 1970
      y[i] = d.y[s][i];
    }
    g->setData(x, y, true);
    g->setPen(QPen(QColor(40 + 25 * s, 255 - 25 * s, 120)));
  }
  plot.rescaleAxes();
  for (auto _ : state) {
    QPixmap image = plot.toPixmap(kWidth, kHeight);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_QCustomPlot8x3600)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
