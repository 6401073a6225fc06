// The memory store against a plain vector of rows: random writes, row
// inserts and deletes, reads jumping anywhere, finds and sorts on one or
// more keys must leave the same cells in the same rows, and a sort must ask
// the grid's comparison the same questions in the same order as a stable
// sort of the vector does.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "UGTestGrid.h"
#include "grid/UGMem.h"

namespace {

constexpr int kCols = 4;      // data columns 0..3, and the side heading column -1
constexpr int kFirstCol = -1;

// Logs every comparison the store asks for (the texts and the flags).
class ComparingGrid : public grid_test::RecordingGrid {
 public:
  std::vector<std::string> calls;
  int CompareCells(CUGCell* a, CUGCell* b, int flags) override {
    calls.push_back(a->GetText() + "|" + b->GetText() + "|" + std::to_string(flags));
    return DefaultCompareCells(a, b, flags);
  }
};

using ModelRow = std::vector<std::optional<std::string>>;  // index col - kFirstCol

// What the store should hold: the heading row apart, then rows 0..n-1.
struct Model {
  ModelRow heading = ModelRow(kCols - kFirstCol);
  std::vector<ModelRow> rows;

  std::optional<std::string>* At(int col, long row) {
    if (col < kFirstCol || col >= kCols) return nullptr;
    ModelRow* r = row == -1 ? &heading : (row >= 0 && row < static_cast<long>(rows.size()) ? &rows[static_cast<size_t>(row)] : nullptr);
    return r ? &(*r)[static_cast<size_t>(col - kFirstCol)] : nullptr;
  }
  std::string Text(int col, long row) {
    std::optional<std::string>* cell = At(col, row);
    return cell && *cell ? **cell : "<none>";
  }
};

std::string StoreText(CUGMem& mem, int col, long row) {
  CUGCell cell;
  cell.SetPropertyFlags(0);
  return mem.GetCell(col, row, &cell) == UG_SUCCESS ? cell.GetText() : "<none>";
}

void Put(CUGMem& mem, Model& model, int col, long row, const std::string& text) {
  CUGCell cell;
  cell.SetText(text);
  ASSERT_EQ(mem.SetCell(col, row, &cell), UG_SUCCESS);
  while (row >= static_cast<long>(model.rows.size())) model.rows.emplace_back(kCols - kFirstCol);
  *model.At(col, row) = text;
}

// The model's sort: a stable sort of its rows asking the same comparison.
void ModelSort(Model& model, const std::vector<int>& cols, int flags, std::vector<std::string>* calls) {
  std::stable_sort(model.rows.begin(), model.rows.end(), [&](const ModelRow& later, const ModelRow& earlier) {
    for (int col : cols) {
      CUGCell a, b;
      const auto& ta = later[static_cast<size_t>(col - kFirstCol)];
      const auto& tb = earlier[static_cast<size_t>(col - kFirstCol)];
      if (ta) a.SetText(*ta);
      if (tb) b.SetText(*tb);
      calls->push_back(a.GetText() + "|" + b.GetText() + "|" + std::to_string(flags));
      const int result = CUGCtrl::DefaultCompareCells(&a, &b, flags);
      if (result != 0) return result < 0;
    }
    return false;
  });
}

// The first exact match of the text from the start of the table: in one
// column row after row, or across all columns cell by cell.
bool ModelFind(Model& model, const std::string& text, int column, bool allColumns, int* col, long* row) {
  for (long r = 0; r < static_cast<long>(model.rows.size()); ++r) {
    for (int c = allColumns ? 0 : column; c < (allColumns ? kCols : column + 1); ++c) {
      if (model.Text(c, r) == text) {
        *col = c;
        *row = r;
        return true;
      }
    }
  }
  return false;
}

void ExpectSame(CUGMem& mem, Model& model, const std::string& when) {
  ASSERT_EQ(mem.GetRowCount(), model.rows.empty() ? 0 : static_cast<long>(model.rows.size()) - 1) << when;
  for (long r = -1; r < static_cast<long>(model.rows.size()) + 1; ++r) {
    for (int c = kFirstCol; c <= kCols; ++c) {
      ASSERT_EQ(StoreText(mem, c, r), model.Text(c, r)) << when << " at " << c << "," << r;
    }
  }
}

TEST(UGMemModelTest, RandomChangesKeepTheStoreEqualToAVectorOfRows) {
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    std::mt19937 random(seed);
    auto pick = [&](long n) { return static_cast<long>(random() % static_cast<unsigned>(std::max(n, 1L))); };
    CUGMem mem;
    Model model;
    ComparingGrid grid;
    grid.SetUp(kCols, 0);
    mem.SetOwner(&grid);
    for (int c = kFirstCol; c < kCols; ++c) Put(mem, model, c, -1, "h" + std::to_string(c));
    for (long r = 0; r < 40; ++r) {
      for (int c = kFirstCol; c < kCols; ++c) Put(mem, model, c, r, "v" + std::to_string(pick(12)));
    }
    int serial = 0;
    for (int step = 0; step < 600; ++step) {
      const long n = static_cast<long>(model.rows.size());
      grid.SetRowCount(n);
      const std::string when = "seed " + std::to_string(seed) + " step " + std::to_string(step);
      switch (random() % 8) {
        case 0:
        case 1: {  // a write anywhere, also a little past the end
          const long row = pick(n + 3);
          Put(mem, model, kFirstCol + static_cast<int>(pick(kCols + 1)), row, "v" + std::to_string(pick(12)));
          break;
        }
        case 2: {  // an empty row inserted; inserting past the end is refused
          const long row = pick(n + 1);
          const bool exists = row < n;
          ASSERT_EQ(mem.AddRow(row), exists ? UG_SUCCESS : UG_ERROR) << when;
          if (exists) model.rows.insert(model.rows.begin() + row, ModelRow(kCols - kFirstCol));
          break;
        }
        case 3: {  // a row deleted; a missing one changes nothing
          const long row = pick(n + 1);
          ASSERT_EQ(mem.DeleteRow(row), UG_SUCCESS) << when;
          if (row < n) model.rows.erase(model.rows.begin() + row);
          break;
        }
        case 4: {  // one cell deleted
          const int col = static_cast<int>(pick(kCols));
          const long row = pick(n);
          std::optional<std::string>* cell = model.At(col, row);
          const bool had = cell && *cell;
          ASSERT_EQ(mem.DeleteCell(col, row), had ? UG_SUCCESS : UG_ERROR) << when;
          if (had) cell->reset();
          break;
        }
        case 5: {  // a sort on one to three keys
          std::vector<int> cols;
          const long keys = 1 + pick(3);
          for (long k = 0; k < keys; ++k) cols.push_back(static_cast<int>(pick(kCols)));
          const int flags = random() % 2 ? UG_SORT_ASCENDING : UG_SORT_DESCENDING;
          if (n == 0) break;
          grid.calls.clear();
          ASSERT_EQ(mem.SortRows(cols.data(), static_cast<int>(cols.size()), flags), UG_SUCCESS) << when;
          std::vector<std::string> expected;
          ModelSort(model, cols, flags, &expected);
          ASSERT_EQ(grid.calls, expected) << when;
          break;
        }
        case 6: {  // a find of a text that may be there
          const std::string text = "u" + std::to_string(++serial % 7);
          Put(mem, model, static_cast<int>(pick(kCols)), pick(n), text);
          grid.SetRowCount(static_cast<long>(model.rows.size()));
          const bool allColumns = random() % 2 != 0;
          const int column = static_cast<int>(pick(kCols));
          int col = column, expectedCol = -1;
          long row = 0, expectedRow = -1;
          const bool found = ModelFind(model, text, column, allColumns, &expectedCol, &expectedRow);
          const int result = mem.FindNext(text, &col, &row, allColumns ? UG_FIND_ALLCOLUMNS : 0);
          ASSERT_EQ(result, found ? UG_SUCCESS : UG_ERROR) << when;
          if (found) {
            EXPECT_EQ(col, expectedCol) << when;
            EXPECT_EQ(row, expectedRow) << when;
          }
          break;
        }
        default: {  // reads jumping far back and forth
          for (int k = 0; k < 5; ++k) {
            const long row = pick(n + 2) - 1;
            const int col = kFirstCol + static_cast<int>(pick(kCols + 2));
            ASSERT_EQ(StoreText(mem, col, row), model.Text(col, row)) << when;
          }
          break;
        }
      }
      if (step % 50 == 0) ExpectSame(mem, model, when);
    }
    ExpectSame(mem, model, "seed " + std::to_string(seed) + " end");
    mem.SetOwner(nullptr);
  }
}

TEST(UGMemModelTest, SortOnAMissingKeyComparesAnEmptyCell) {
  CUGMem mem;
  Model model;
  ComparingGrid grid;
  grid.SetUp(kCols, 3);
  mem.SetOwner(&grid);
  Put(mem, model, 0, 0, "b");
  Put(mem, model, 1, 1, "x");  // row 1 has no cell in column 0
  Put(mem, model, 0, 2, "a");
  const int col = 0;
  ASSERT_EQ(mem.SortRows(&col, 1, UG_SORT_ASCENDING), UG_SUCCESS);
  std::vector<std::string> expected;
  ModelSort(model, {0}, UG_SORT_ASCENDING, &expected);
  EXPECT_EQ(grid.calls, expected);
  EXPECT_EQ(StoreText(mem, 0, 0), "a");
  EXPECT_EQ(StoreText(mem, 0, 1), "b");
  EXPECT_EQ(StoreText(mem, 1, 2), "x");  // the row without a key goes last
  mem.SetOwner(nullptr);
}

TEST(UGMemModelTest, SortEdgesAskTheSameQuestionsAndOrderAlike) {
  // Each case: the rows' texts in columns 0..2 ("" for no cell there; a row
  // of only "" has no cell at all) and the key columns.
  struct Case {
    const char* name;
    std::vector<std::vector<std::string>> rows;
    std::vector<int> cols;
  };
  const Case cases[] = {
      {"one row", {{"a", "b", "c"}}, {0}},
      {"two rows out of order", {{"b", "1", ""}, {"a", "2", ""}}, {0}},
      {"two rows in order", {{"a", "1", ""}, {"b", "2", ""}}, {0, 1}},
      {"all keys equal", {{"k", "5", ""}, {"k", "4", ""}, {"k", "3", ""}, {"k", "2", ""}, {"k", "1", ""}}, {0}},
      {"rows without a key cell",
       {{"", "x", ""}, {"b", "", ""}, {"", "", ""}, {"a", "y", ""}, {"", "z", ""}, {"b", "w", ""}},
       {0}},
      {"ties on the first keys settled by the third",
       {{"a", "1", "z"}, {"b", "1", "y"}, {"a", "1", "x"}, {"a", "0", "w"}, {"b", "1", "v"}, {"a", "1", "x"},
        {"a", "", "u"}, {"b", "1", ""}},
       {0, 1, 2}},
      {"a key column given twice", {{"b", "1", ""}, {"a", "2", ""}, {"b", "0", ""}, {"a", "2", ""}}, {1, 1, 0}},
  };
  for (const Case& c : cases) {
    for (int flags : {UG_SORT_ASCENDING, UG_SORT_DESCENDING}) {
      const std::string when = std::string(c.name) + (flags == UG_SORT_ASCENDING ? " ascending" : " descending");
      CUGMem mem;
      Model model;
      ComparingGrid grid;
      grid.SetUp(kCols, static_cast<long>(c.rows.size()));
      mem.SetOwner(&grid);
      Put(mem, model, 0, -1, "heading");  // the heading row stays where it is
      for (size_t r = 0; r < c.rows.size(); ++r) {
        while (model.rows.size() <= r) model.rows.emplace_back(kCols - kFirstCol);
        for (size_t col = 0; col < c.rows[r].size(); ++col) {
          if (!c.rows[r][col].empty()) Put(mem, model, static_cast<int>(col), static_cast<long>(r), c.rows[r][col]);
        }
      }
      grid.calls.clear();
      ASSERT_EQ(mem.SortRows(c.cols.data(), static_cast<int>(c.cols.size()), flags), UG_SUCCESS) << when;
      std::vector<std::string> expected;
      ModelSort(model, c.cols, flags, &expected);
      EXPECT_EQ(grid.calls, expected) << when;
      ExpectSame(mem, model, when);
      mem.SetOwner(nullptr);
    }
  }
}

TEST(UGMemModelTest, HeadingPlacesBeforeColumnZeroMoveOutwardsAndBack) {
  // Places before column 0 behave as links before the row's column 0: an
  // insert there pushes the places before it further out, a delete pulls
  // them in; the data columns stay where they are.
  CUGMem mem;
  Model model;
  Put(mem, model, -1, 0, "side");
  Put(mem, model, 0, 0, "a");
  Put(mem, model, 1, 0, "b");
  ASSERT_EQ(mem.InsertColumn(-1), UG_SUCCESS);
  EXPECT_EQ(StoreText(mem, -2, 0), "<none>");
  EXPECT_EQ(StoreText(mem, -1, 0), "side");
  EXPECT_EQ(StoreText(mem, 0, 0), "a");
  CUGCell cell;
  cell.SetText("outer");
  mem.SetCell(-3, 0, &cell);
  ASSERT_EQ(mem.DeleteColumn(-2), UG_SUCCESS);
  EXPECT_EQ(StoreText(mem, -2, 0), "outer");
  EXPECT_EQ(StoreText(mem, -1, 0), "side");
  EXPECT_EQ(StoreText(mem, 1, 0), "b");
}

TEST(UGMemModelTest, DeletingTheHeadingRowMovesRowZeroUp) {
  CUGMem mem;
  Model model;
  Put(mem, model, 0, -1, "heading");
  Put(mem, model, 0, 0, "first");
  Put(mem, model, 0, 1, "second");
  ASSERT_EQ(mem.DeleteRow(-1), UG_SUCCESS);
  EXPECT_EQ(StoreText(mem, 0, -1), "first");
  EXPECT_EQ(StoreText(mem, 0, 0), "second");
  EXPECT_EQ(mem.GetRowCount(), 0);
  ASSERT_EQ(mem.AddRow(-1), UG_SUCCESS);  // before the first row: it takes -1
  EXPECT_EQ(StoreText(mem, 0, -1), "<none>");
  EXPECT_EQ(StoreText(mem, 0, 0), "first");
}

}  // namespace
