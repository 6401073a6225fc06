// bench-lib: vek_controls
// The trend chart against QCustomPlot, like for like: 8 line series of
// 3,600 points each, a title, a value axis and a date-time axis with dotted
// grids, in the chart's screen colours, drawn into a 1000 x 500 image; the
// series lines anti-aliased on both sides, then on neither.
//  - Redraw: the same chart drawn again (a window uncovered or repainted).
//  - NewPoint: every series gains a point one second later and the chart,
//    its axes following the data, is drawn (a running trend).
// Sides alternate in one process; the ratios print at the end. Without
// QCustomPlot (Debian: libqcustomplot-dev) only the chart's own times run.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdlib>
#include <functional>
#include <memory>

#include "bench/ChartBenchSide.h"
#include "bench/PairedBench.h"

#ifdef VEK_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

namespace {

using namespace chart_bench;

constexpr int kNewPoints = 100;  // iterations of a NewPoint run

// With VEK_BENCH_IMAGES set to a folder, each side's picture is saved there.
void SaveImage(const QImage& image, const std::string& name) {
  if (const char* folder = std::getenv("VEK_BENCH_IMAGES"))
    image.save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
}

paired::Body ChartRun(bool smooth, bool newPoint) {
  return [smooth, newPoint](benchmark::State& state) {
    ChartSide side(smooth);
    side.Draw();
    for (auto _ : state) {
      if (newPoint) side.AddPoint();
      side.Draw();
    }
    SaveImage(*side.bitmap.GetImage(), std::string("chart") + (smooth ? "_aa" : ""));
  };
}

#ifdef VEK_HAVE_QCUSTOMPLOT
QColor Qt(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

// QCustomPlot in the same colours, fonts and grid style as the chart.
struct PlotSide {
  QCustomPlot plot;
  int points = 0;

  explicit PlotSide(bool smooth) {
    plot.resize(kWidth, kHeight);
    plot.setBackground(QBrush(QColor(50, 50, 50)));
    plot.axisRect()->setBackground(QBrush(Qt::black));
    // As many ticks as the chart chooses for this size and data.
    QSharedPointer<QCPAxisTickerDateTime> ticker(new QCPAxisTickerDateTime);
    ticker->setDateTimeFormat("hh:mm");
    ticker->setTickCount(20);
    plot.xAxis->setTicker(ticker);
    plot.yAxis->ticker()->setTickCount(14);
    QFont label("Arial");
    label.setPixelSize(11);
    for (QCPAxis* axis : {plot.xAxis, plot.yAxis}) {
      axis->setBasePen(QPen(QColor(200, 200, 200)));
      axis->setTickPen(QPen(QColor(200, 200, 200)));
      axis->setSubTicks(false);
      axis->setTickLabelColor(QColor(255, 255, 0));
      axis->setTickLabelFont(label);
      axis->grid()->setPen(QPen(QColor(70, 70, 70), 0, Qt::DotLine));
      axis->grid()->setZeroLinePen(Qt::NoPen);
    }
    QFont title("Arial");
    title.setPixelSize(14);
    title.setBold(true);
    plot.plotLayout()->insertRow(0);
    plot.plotLayout()->addElement(0, 0, new QCPTextElement(&plot, "Trend", title));
    static_cast<QCPTextElement*>(plot.plotLayout()->element(0, 0))->setTextColor(QColor(255, 255, 0));
    for (int s = 0; s < kSeries; ++s) {
      QCPGraph* g = plot.addGraph();
      QVector<double> x(kPoints), y(kPoints);
      for (int i = 0; i < kPoints; ++i) {
        x[i] = Seconds(i);
        y[i] = Value(s, i);
      }
      g->setData(x, y, true);
      g->setPen(QPen(Qt(SeriesColor(s))));
    }
    points = kPoints;
    if (smooth) {
      plot.setNotAntialiasedElements(QCP::AntialiasedElements(QCP::aeAll) & ~QCP::AntialiasedElements(QCP::aePlottables));
      plot.setAntialiasedElements(QCP::aePlottables);
    } else {
      plot.setNotAntialiasedElements(QCP::aeAll);
    }
    plot.rescaleAxes();
  }
  static double Seconds(int i) { return (kStart + i * kSecond - 25569.0) * 86400.0; }
  void AddPoint() {
    for (int s = 0; s < kSeries; ++s) plot.graph(s)->addData(Seconds(points), Value(s, points));
    ++points;
    plot.rescaleAxes();
  }
  QPixmap Draw() {
    QPixmap image = plot.toPixmap(kWidth, kHeight);
    benchmark::DoNotOptimize(image);
    return image;
  }
};

paired::Body PlotRun(bool smooth, bool newPoint) {
  return [smooth, newPoint](benchmark::State& state) {
    PlotSide side(smooth);
    QPixmap image = side.Draw();
    for (auto _ : state) {
      if (newPoint) side.AddPoint();
      image = side.Draw();
    }
    SaveImage(image.toImage(), std::string("qcustomplot") + (smooth ? "_aa" : ""));
  };
}
#else
paired::Body PlotRun(bool, bool) {
  return [](benchmark::State& state) { state.SkipWithError("QCustomPlot is not installed"); };
}
#endif

}  // namespace

int main(int argc, char** argv) {
  using benchmark::kMillisecond;
  const std::vector<paired::Case> cases = {
      {"RedrawAA", ChartRun(true, false), PlotRun(true, false), 1.0, kMillisecond},
      {"Redraw", ChartRun(false, false), PlotRun(false, false), 1.0, kMillisecond},
      {"NewPointAA", ChartRun(true, true), PlotRun(true, true), 1.0, kMillisecond, kNewPoints},
      {"NewPoint", ChartRun(false, true), PlotRun(false, true), 1.0, kMillisecond, kNewPoints},
  };
  return paired::Run(argc, argv, cases, {}, 5);
}
