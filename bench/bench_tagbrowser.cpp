// bench-lib: vek_tagbrowser
// The tag browser's refresh (timer 101, every 500 ms) over 10,000 tags with
// 40 rows shown, against a QTableView over a QStandardItemModel holding the
// same rows and doing the same updates: for each shown row the value, the
// modifier and the slider's new value from the row's tag, and the name's
// highlight; then whatever each was left to paint is painted (events
// processed). The goal: under 10 ms per refresh (2 % of its period) and no
// slower than the table view (ratio <= 1.0).
// Run the release build with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "core/DataCenterBase.h"
#include "grid/UGGrid.h"
#include "grid/UGTopHdg.h"
#include "platform/PlatformMain.h"
#include "platform/Thread.h"
#include "res/Resources.h"
#include "tagbrowser/RoveDazuviVerovGrid.h"
#include "tagbrowser/RoveDazuviVerovRules.h"

namespace {

constexpr int kTags = 10000;
constexpr int kShownRows = 40;
constexpr int kRowHeight = 20;
constexpr int kWidth = 940;
constexpr int kHeight = kRowHeight * (kShownRows + 1) + 2;  // the headings and 40 rows
constexpr long kTopRow = 5000;
const char* const kTypes[] = {"Float", "Int", "Bool", "String"};

// The same 10,000 tags for both: floats, integers (every other one with a
// range, shown as a slider), booleans and texts.
CDataCenterBase& Tags() {
  static CDataCenterBase* tags = [] {
    auto* center = new CDataCenterBase;
    std::string text;
    for (int i = 0; i < kTags; ++i) {
      text += std::to_string(i + 1) + ", Area" + std::to_string(i / 100) + ".Tag" + std::to_string(i) +
              ", NULL, , NULL, " + kTypes[i % 4] + ", 0, 0,\n";
    }
    center->LoadTagText(text, "bench-DCTags.dct");
    for (int i = 1; i < kTags; i += 8) {
      VARIANT min = VariantFromInt(0), max = VariantFromInt(1000);
      center->GetTagAt(i)->SetMinTag(&min);
      center->GetTagAt(i)->SetMaxTag(&max);
    }
    return center;
  }();
  return *tags;
}

// New values for the shown tags, as the data obtainer gives them.
void MoveValues(int step) {
  for (long row = kTopRow; row < kTopRow + kShownRows; ++row) {
    CDCTag* tag = Tags().GetTagAt(static_cast<int>(row));
    const int n = static_cast<int>(row) * 7 + step;
    VARIANT value;
    switch (tag->GetDataType()) {
      case VT_R4: value = VariantFromFloat(static_cast<float>(n % 1000) / 8.0f); break;
      case VT_I4: value = VariantFromInt(n % 1000); break;
      case VT_BOOL: value = VariantFromBool(n % 2 == 0); break;
      default: value = VariantFromString("Batch " + std::to_string(n % 100)); break;
    }
    tag->SetTagData(&value);
  }
}

struct BrowserFixture {
  CWnd parent;
  CRoveDazuviVerovGrid grid{&Tags()};
  BrowserFixture() {
    LoadResourceTables();
    parent.Create("bench", 0, CRect(0, 0, kWidth, kHeight), nullptr, 0);
    grid.CreateGrid(WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &parent, 3013);
    parent.ShowWindow(SW_SHOW);
    grid.SetHighlightFilter("Tag50");
    grid.ApplyHighlightFilter();
    grid.SetTopRow(kTopRow);
    grid.GotoRow(kTopRow + 3);
    ProcessPendingEvents();
  }
  // The refresh, then whatever it left to paint.
  void Refresh() {
    grid.RefreshShownRows();
    ProcessPendingEvents();
  }
};

struct TableFixture {
  QStandardItemModel model{kTags, rdv::eColCount};
  QTableView view;
  std::string filter = "Tag50";
  TableFixture() {
    for (int i = 0; i < kTags; ++i) {
      const CDCTag* tag = Tags().GetTagAt(i);
      const char* texts[rdv::eColCount] = {"", "", "NULL", "NULL", "NULL", kTypes[i % 4], "", "", ""};
      for (int col = 0; col < rdv::eColCount; ++col) {
        model.setItem(i, col, new QStandardItem(QString::fromUtf8(texts[col])));
      }
      model.item(i, rdv::eColId)->setText(QString::number(i));
      model.item(i, rdv::eColName)->setText(QString::fromStdString(tag->GetTagName()));
    }
    for (int col = 0; col < rdv::eColCount; ++col) {
      model.setHeaderData(col, Qt::Horizontal, QString::fromUtf8(rdv::kColumns[col].heading));
      view.setColumnWidth(col, rdv::kColumns[col].width);
    }
    view.setModel(&model);
    for (int col = 0; col < rdv::eColCount; ++col) view.setColumnWidth(col, rdv::kColumns[col].width + 12);
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(kRowHeight);
    view.horizontalHeader()->setFixedHeight(kRowHeight);
    view.resize(kWidth, kHeight);
    view.show();
    view.scrollTo(model.index(static_cast<int>(kTopRow), 0), QAbstractItemView::PositionAtTop);
    view.selectRow(static_cast<int>(kTopRow) + 3);
    ProcessPendingEvents();
  }
  // The same updates from the same tags, then the paint.
  void Refresh() {
    for (long row = kTopRow; row < kTopRow + kShownRows; ++row) {
      const CDCTag* tag = Tags().GetTagAt(static_cast<int>(row));
      const VARIANT& min = *tag->GetMinTag();
      const VARIANT& max = *tag->GetMaxTag();
      const rdv::Modifier modifier = rdv::ModifierOf(tag->GetDataType(), rdv::IsRangeSet(min, max));
      const int r = static_cast<int>(row);
      model.item(r, rdv::eColValue)->setText(QString::fromStdString(rdv::ValueText(*tag->GetTagData())));
      const std::string modifierText = rdv::ModifierText(*tag->GetTagData(), min, max, modifier);
      model.item(r, rdv::eColModifier)->setText(QString::fromStdString(modifierText));
      if (modifier == rdv::Modifier::Slider) {
        model.item(r, rdv::eColNewValue)->setText(QString::fromStdString(rdv::NewValueText(modifierText)));
      }
      const QBrush back(rdv::NameMatchesFilter(tag->GetTagName(), filter) ? QColor(255, 255, 0) : QColor(255, 255, 255));
      if (model.item(r, rdv::eColName)->background() != back) model.item(r, rdv::eColName)->setBackground(back);
    }
    ProcessPendingEvents();  // the view paints the cells it was told changed
  }
};

void BM_BrowserRefresh(benchmark::State& state) {
  static BrowserFixture* fixture = new BrowserFixture;
  int step = 0;
  for (auto _ : state) {
    MoveValues(++step);
    fixture->Refresh();
  }
}
BENCHMARK(BM_BrowserRefresh)->Unit(benchmark::kMillisecond);

void BM_TableViewRefresh(benchmark::State& state) {
  static TableFixture* fixture = new TableFixture;
  int step = 0;
  for (auto _ : state) {
    MoveValues(++step);
    fixture->Refresh();
  }
}
BENCHMARK(BM_TableViewRefresh)->Unit(benchmark::kMillisecond);

// The usual report, then the browser's time per refresh over the table
// view's and against the 10 ms goal.
class RefreshRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) m_ms[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double browser = m_ms["BM_BrowserRefresh"];
    const double table = m_ms["BM_TableViewRefresh"];
    if (browser <= 0 || table <= 0) return;
    std::printf("refresh of %d tags, %d rows shown: browser %.3f ms (goal < 10 ms), QTableView %.3f ms\n", kTags,
                kShownRows, browser, table);
    std::printf("browser/QTableView = %.2f (goal <= 1.0)\n", browser / table);
  }

 private:
  std::map<std::string, double> m_ms;
};

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  return RunPlatformMain(argc, argv, [&] {
    benchmark::Initialize(&argc, argv);
    RefreshRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
  });
}
