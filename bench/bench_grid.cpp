// bench-lib: vek_grid
// The grid control against QTableView over a QStandardItemModel, like for
// like: the same texts, the same window size, row height, column width and
// heading sizes, both controls whole (headings, scroll bars and cells)
// painted and composed into an image of the same size.
//  - Paint: the whole control with the top row at the start, the middle
//    and the end of 100,000 x 10 cells.
//  - Scroll: one page down and the whole control drawn.
//  - Sort: by a text column, from the same random order each time, at
//    100,000 and 1,000,000 rows of 3 columns.
// Sides alternate in one process; the ratios print at the end.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "bench/PairedBench.h"
#include "grid/UGCtrl.h"
#include "platform/ui/Font.h"

namespace {

constexpr long kRows = 100000;
constexpr int kCols = 10;
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRowHeight = 20;
constexpr int kColWidth = 75;
constexpr int kTopHeadingHeight = 22;
constexpr int kSideHeadingWidth = 60;
constexpr int kFontPx = 12;
constexpr const char* kFace = "DejaVu Sans";

unsigned Mix(long row, int col) {
  return static_cast<unsigned>(row) * 2654435761u + static_cast<unsigned>(col) * 40503u;
}

// Mixed texts and numbers.
std::string CellText(long row, int col) {
  const unsigned value = Mix(row, col);
  return col % 2 == 0 ? "tag" + std::to_string(value % 100000) : std::to_string(value % 1000);
}

void ProcessEvents() { QCoreApplication::processEvents(); }

// With VEK_BENCH_IMAGES set to a folder, each side's picture of a case is
// saved there once, to check that both sides draw the same thing.
void SaveOnce(const QImage& image, const std::string& name) {
  static std::map<std::string, bool> saved;
  const char* folder = std::getenv("VEK_BENCH_IMAGES");
  if (folder == nullptr || saved[name]) return;
  saved[name] = true;
  image.save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
}

// The grid numbers its headings as QTableView's headers do (from 1), from
// the row and column rather than from stored cells.
class NumberedGrid : public CUGCtrl {
 public:
  void OnCellGet(int col, long row, CUGCell* cell) override {
    if (col < 0 && row >= 0) cell->SetText(std::to_string(row + 1));
    else if (row < 0 && col >= 0) cell->SetText(std::to_string(col + 1));
  }
};

// A grid control filled with rows x cols cells, in a top-level window of
// the benchmark's size.
struct GridSide {
  CWnd parent;
  NumberedGrid grid;
  QImage image{kWidth, kHeight, QImage::Format_RGB32};

  GridSide(long rows, int cols, const std::function<std::string(long, int)>& text) {
    parent.Create("bench", 0, CRect(0, 0, kWidth, kHeight), nullptr, 0);
    grid.CreateGrid(WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &parent, 1000);
    grid.EnableRedraw(FALSE);
    const int font = grid.AddFont(-kFontPx, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, kFace);
    grid.SetDefaultFont(font);
    CUGCell heading;
    grid.GetHeadingDefault(&heading);
    heading.SetFont(grid.GetFont(font));
    grid.SetHeadingDefault(&heading);
    grid.SetDefaultRowHeight(kRowHeight);
    grid.SetDefaultColWidth(kColWidth);
    grid.SetTopHeadingHeight(kTopHeadingHeight);
    grid.SetSideHeadingWidth(kSideHeadingWidth);
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    for (int c = 0; c < cols; ++c) grid.SetColWidth(c, kColWidth);
    CUGCell cell;
    CUGDataSource* store = grid.GetDataSource(0);
    for (long r = 0; r < rows; ++r) {
      for (int c = 0; c < cols; ++c) {
        cell.ClearAll();
        cell.SetPropertyFlags(0);
        cell.SetText(text(r, c));
        store->SetCell(c, r, &cell);
      }
    }
    grid.EnableRedraw(TRUE);
    parent.ShowWindow(SW_SHOW);
    ProcessEvents();
  }
  // The whole control painted again and composed into the image.
  void PaintWhole() {
    grid.RedrawAll();
    grid.GetWidget()->render(&image);
  }
  void Compose() { grid.GetWidget()->render(&image); }
  void ScrollTo(long row) { grid.SetTopRow(row); }
};

struct TableSide {
  QStandardItemModel model;
  QTableView view;
  QImage image{kWidth, kHeight, QImage::Format_RGB32};

  TableSide(long rows, int cols, const std::function<std::string(long, int)>& text)
      : model(static_cast<int>(rows), cols) {
    for (long r = 0; r < rows; ++r) {
      for (int c = 0; c < cols; ++c) {
        model.setItem(static_cast<int>(r), c, new QStandardItem(QString::fromStdString(text(r, c))));
      }
    }
    QFont font(kFace);
    font.setPixelSize(kFontPx);
    view.setFont(font);
    view.setModel(&model);
    view.verticalHeader()->setMinimumSectionSize(1);
    view.verticalHeader()->setDefaultSectionSize(kRowHeight);
    view.verticalHeader()->setFixedWidth(kSideHeadingWidth);
    view.horizontalHeader()->setMinimumSectionSize(1);
    view.horizontalHeader()->setDefaultSectionSize(kColWidth);
    view.horizontalHeader()->setFixedHeight(kTopHeadingHeight);
    view.resize(kWidth, kHeight);
    view.show();
    ProcessEvents();
  }
  void PaintWhole() { view.render(&image); }
  void ScrollTo(long row) { view.verticalScrollBar()->setValue(static_cast<int>(row)); }
};

GridSide& PaintGrid() {
  static GridSide* side = new GridSide(kRows, kCols, CellText);
  return *side;
}

TableSide& PaintTable() {
  static TableSide* side = new TableSide(kRows, kCols, CellText);
  return *side;
}

// The top row of the last page, the same on both sides.
long EndTopRow() { return kRows - (kHeight - kTopHeadingHeight) / kRowHeight + 2; }

// The whole control painted with the top row at a place.
template <class Side>
paired::Body PaintAt(Side& (*side)(), long topRow, const std::string& name) {
  return [side, topRow, name](benchmark::State& state) {
    Side& s = side();
    s.ScrollTo(topRow);
    ProcessEvents();
    for (auto _ : state) {
      s.PaintWhole();
      benchmark::DoNotOptimize(s.image.constBits());
    }
    SaveOnce(s.image, name + std::to_string(topRow));
    ProcessEvents();
  };
}

constexpr long kScrollStart = 1000;
constexpr long kScrollEnd = kRows - 1000;

void GridScrollPage(benchmark::State& state) {
  GridSide& g = PaintGrid();
  g.grid.SetTopRow(kScrollStart);
  g.PaintWhole();
  ProcessEvents();
  for (auto _ : state) {
    g.grid.MoveTopRow(3);  // one page down, drawn
    g.Compose();
    state.PauseTiming();
    ProcessEvents();
    if (g.grid.GetTopRow() >= kScrollEnd) g.grid.SetTopRow(kScrollStart);
    state.ResumeTiming();
  }
}

void TableScrollPage(benchmark::State& state) {
  TableSide& t = PaintTable();
  QScrollBar* bar = t.view.verticalScrollBar();
  bar->setValue(static_cast<int>(kScrollStart));
  t.PaintWhole();
  ProcessEvents();
  for (auto _ : state) {
    bar->setValue(bar->value() + bar->pageStep());
    t.PaintWhole();
    state.PauseTiming();
    ProcessEvents();
    if (bar->value() >= kScrollEnd) bar->setValue(static_cast<int>(kScrollStart));
    state.ResumeTiming();
  }
}

// Sort data: column 0 a unique key in random order, column 1 the text the
// timed sort orders by (with repeats, so stability matters), column 2 a
// number text. Sorting by column 0 first gives the same random order of
// column 1 before every timed sort.
std::function<std::string(long, int)> SortText(long rows) {
  return [rows](long row, int col) {
    const unsigned value = Mix(row, col);
    if (col == 0) {
      const long key = static_cast<long>((static_cast<unsigned long long>(row) * 7919u) % static_cast<unsigned long>(rows));
      char text[16];
      std::snprintf(text, sizeof text, "k%08ld", key);
      return std::string(text);
    }
    if (col == 1) return "tag" + std::to_string(value % static_cast<unsigned>(rows / 4));
    return std::to_string(value % 1000);
  };
}

constexpr int kSortCols = 3;
constexpr int kShuffleCol = 0;
constexpr int kSortCol = 1;

// Made once and kept to the end, like the paint sides: windows must not
// outlive the application object, which ends before static objects do.
GridSide& SortGrid(long rows) {
  static std::map<long, GridSide*> sides;
  GridSide*& side = sides[rows];
  if (!side) side = new GridSide(rows, kSortCols, SortText(rows));
  return *side;
}

TableSide& SortTable(long rows) {
  static std::map<long, TableSide*> sides;
  TableSide*& side = sides[rows];
  if (!side) side = new TableSide(rows, kSortCols, SortText(rows));
  return *side;
}

paired::Body GridSort(long rows) {
  return [rows](benchmark::State& state) {
    GridSide& g = SortGrid(rows);
    CUGDataSource* store = g.grid.GetDataSource(0);
    for (auto _ : state) {
      state.PauseTiming();
      store->SortByColumn(kShuffleCol, UG_SORT_ASCENDING);
      ProcessEvents();
      state.ResumeTiming();
      store->SortByColumn(kSortCol, UG_SORT_ASCENDING);
      g.grid.RedrawAll();
    }
    ProcessEvents();
  };
}

paired::Body TableSort(long rows) {
  return [rows](benchmark::State& state) {
    TableSide& t = SortTable(rows);
    for (auto _ : state) {
      state.PauseTiming();
      t.model.sort(kShuffleCol, Qt::AscendingOrder);
      ProcessEvents();
      state.ResumeTiming();
      t.model.sort(kSortCol, Qt::AscendingOrder);
    }
    ProcessEvents();
  };
}

}  // namespace

int main(int argc, char** argv) {
  using benchmark::kMicrosecond;
  using benchmark::kMillisecond;
  const long middle = kRows / 2;
  const std::vector<paired::Case> cases = {
      {"PaintTop", PaintAt(PaintGrid, 0, "grid_top"), PaintAt(PaintTable, 0, "table_top"), 1.0, kMicrosecond},
      {"PaintMiddle", PaintAt(PaintGrid, middle, "grid_top"), PaintAt(PaintTable, middle, "table_top"), 1.0,
       kMicrosecond},
      {"PaintEnd", PaintAt(PaintGrid, EndTopRow(), "grid_top"), PaintAt(PaintTable, EndTopRow(), "table_top"), 1.0,
       kMicrosecond},
      {"ScrollPage", GridScrollPage, TableScrollPage, 1.0, kMicrosecond},
      {"Sort100k", GridSort(100000), TableSort(100000), 0.5, kMillisecond, 5},
      {"Sort1M", GridSort(1000000), TableSort(1000000), 0.5, kMillisecond, 2},
  };
  const std::vector<paired::CrossRatio> cross = {
      {"grid PaintMiddle/Top", "PaintMiddle", true, "PaintTop", true, 1.1},
      {"grid PaintEnd/Top", "PaintEnd", true, "PaintTop", true, 1.1},
      {"grid Sort1M/Sort100k", "Sort1M", true, "Sort100k", true, 15.0},
  };
  return paired::Run(argc, argv, cases, cross, 5);
}
