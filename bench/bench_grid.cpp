// bench-lib: vek_grid
// The grid over its memory store against QTableView over a
// QStandardItemModel holding the same 100,000 x 10 cells, at the same
// window size: painting a full window, scrolling one page, sorting by one
// column. Run with QT_QPA_PLATFORM=offscreen; compare the pairs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "grid/UGCtrl.h"
#include "grid/UGGrid.h"

namespace {

constexpr long kRows = 100000;
constexpr int kCols = 10;
constexpr int kWidth = 800;
constexpr int kHeight = 600;

std::string CellText(long row, int col) {
  // Mixed texts and numbers so the sort has work to do.
  unsigned value = static_cast<unsigned>(row * 2654435761u + static_cast<unsigned>(col) * 40503u);
  return col % 2 == 0 ? "tag" + std::to_string(value % 100000) : std::to_string(value % 1000);
}

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_grid";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Makes the application object before any window or font.
struct AppFirst {
  AppFirst() { App(); }
};

// The grid in a shown top-level window, filled once.
struct GridFixture {
  AppFirst app;
  CWnd parent;
  CUGCtrl grid;
  GridFixture() {
    parent.Create("bench", 0, CRect(0, 0, kWidth, kHeight), nullptr, 0);
    grid.CreateGrid(WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &parent, 1000);
    parent.ShowWindow(SW_SHOW);
    grid.EnableRedraw(FALSE);
    grid.SetColCount(kCols);
    grid.SetRowCount(kRows);
    CUGCell cell;
    for (long r = 0; r < kRows; ++r) {
      for (int c = 0; c < kCols; ++c) {
        cell.ClearAll();
        cell.SetPropertyFlags(0);
        cell.SetText(CellText(r, c));
        grid.GetDataSource(0)->SetCell(c, r, &cell);
      }
    }
    grid.EnableRedraw(TRUE);
  }
  void Paint() {
    grid.m_CUGGrid->Invalidate(FALSE);
    grid.m_CUGGrid->UpdateWindow();
  }
};

struct TableFixture {
  AppFirst app;
  QStandardItemModel model{static_cast<int>(kRows), kCols};
  QTableView view;
  QImage image{kWidth, kHeight, QImage::Format_RGB32};
  TableFixture() {
    for (long r = 0; r < kRows; ++r) {
      for (int c = 0; c < kCols; ++c) {
        model.setItem(static_cast<int>(r), c, new QStandardItem(QString::fromStdString(CellText(r, c))));
      }
    }
    view.setModel(&model);
    view.verticalHeader()->setDefaultSectionSize(20);
    view.horizontalHeader()->setDefaultSectionSize(75);
    view.resize(kWidth, kHeight);
    view.show();
  }
  void Paint() { view.render(&image); }
};

GridFixture& Grid() {
  static GridFixture* fixture = new GridFixture;
  return *fixture;
}

TableFixture& Table() {
  static TableFixture* fixture = new TableFixture;
  return *fixture;
}

void BM_GridPaintWindow(benchmark::State& state) {
  GridFixture& f = Grid();
  f.grid.SetTopRow(50000);
  for (auto _ : state) f.Paint();
}
BENCHMARK(BM_GridPaintWindow)->Unit(benchmark::kMicrosecond);

void BM_TablePaintWindow(benchmark::State& state) {
  TableFixture& f = Table();
  f.view.verticalScrollBar()->setValue(50000);
  for (auto _ : state) f.Paint();
}
BENCHMARK(BM_TablePaintWindow)->Unit(benchmark::kMicrosecond);

void BM_GridScrollPage(benchmark::State& state) {
  GridFixture& f = Grid();
  f.grid.SetTopRow(1000);
  f.Paint();
  for (auto _ : state) {
    f.grid.MoveTopRow(3);
    if (f.grid.GetTopRow() >= kRows - 100) f.grid.SetTopRow(1000);
  }
}
BENCHMARK(BM_GridScrollPage)->Unit(benchmark::kMicrosecond);

void BM_TableScrollPage(benchmark::State& state) {
  TableFixture& f = Table();
  QScrollBar* bar = f.view.verticalScrollBar();
  bar->setValue(1000);
  f.Paint();
  for (auto _ : state) {
    bar->setValue(bar->value() + bar->pageStep());
    if (bar->value() >= kRows - 100) bar->setValue(1000);
    f.Paint();
  }
}
BENCHMARK(BM_TableScrollPage)->Unit(benchmark::kMicrosecond);

void BM_GridSortByColumn(benchmark::State& state) {
  GridFixture& f = Grid();
  int flags = UG_SORT_ASCENDING;
  for (auto _ : state) {
    f.grid.GetDataSource(0)->SortByColumn(2, flags);
    flags = flags == UG_SORT_ASCENDING ? UG_SORT_DESCENDING : UG_SORT_ASCENDING;
  }
}
BENCHMARK(BM_GridSortByColumn)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_TableSortByColumn(benchmark::State& state) {
  TableFixture& f = Table();
  Qt::SortOrder order = Qt::AscendingOrder;
  for (auto _ : state) {
    f.model.sort(2, order);
    order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  }
}
BENCHMARK(BM_TableSortByColumn)->Unit(benchmark::kMillisecond)->Iterations(4);

// Prints each benchmark as usual, then the grid's time over the table
// view's for each pair measured.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      std::string name = run.benchmark_name();
      m_times[name.substr(0, name.find('/'))] = run.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* what : {"PaintWindow", "ScrollPage", "SortByColumn"}) {
      auto grid = m_times.find(std::string("BM_Grid") + what);
      auto table = m_times.find(std::string("BM_Table") + what);
      if (grid == m_times.end() || table == m_times.end() || table->second <= 0) continue;
      std::printf("%-14s grid/QTableView = %.2f\n", what, grid->second / table->second);
    }
  }

 private:
  std::map<std::string, double> m_times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
