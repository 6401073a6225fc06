// The memory store: cells at any index, rows and columns, find and sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "UGMemCells.h"
#include "grid/UGCtrl.h"
#include "grid/UGMem.h"

namespace {

using grid_test::Put;
using grid_test::Text;

void PutNumber(CUGMem& mem, int col, long row, double value) {
  CUGCell cell;
  cell.SetNumber(value);
  mem.SetCell(col, row, &cell);
}

TEST(UGMemTest, WritingACellCreatesRowsAndCellsUpToIt) {
  CUGMem mem;
  Put(mem, 2, 5, "x");
  EXPECT_EQ(mem.GetRowCount(), 5);
  CUGCell cell;
  EXPECT_EQ(mem.GetCell(1, 3, &cell), UG_ERROR);  // row 3 has no cells
  EXPECT_EQ(mem.GetCell(1, 5, &cell), UG_ERROR);  // a place-keeping node only
  EXPECT_EQ(mem.GetCell(3, 5, &cell), UG_ERROR);
  EXPECT_EQ(Text(mem, 2, 5), "x");
  EXPECT_EQ(mem.GetCell(0, 6, &cell), UG_ERROR);
}

TEST(UGMemTest, ReadingAMissingCellLeavesTheCallersCell) {
  CUGMem mem;
  CUGCell cell;
  cell.SetText("default");
  EXPECT_EQ(mem.GetCell(0, 0, &cell), UG_ERROR);
  EXPECT_EQ(cell.GetText(), "default");
}

TEST(UGMemTest, HeadingCellsLiveAtNegativeIndexes) {
  CUGMem mem;
  for (long r = 0; r < 10; ++r) Put(mem, 0, r, "r" + std::to_string(r));
  Put(mem, 0, -1, "heading");
  Put(mem, -1, 3, "side");
  EXPECT_EQ(mem.GetRowCount(), 9);
  EXPECT_EQ(Text(mem, 0, -1), "heading");
  EXPECT_EQ(Text(mem, -1, 3), "side");
  EXPECT_EQ(Text(mem, 0, 3), "r3");
  EXPECT_EQ(Text(mem, 0, 9), "r9");
}

TEST(UGMemTest, GetRowCountOfAnEmptyStoreIsZero) {
  CUGMem mem;
  EXPECT_EQ(mem.GetRowCount(), 0);
}

TEST(UGMemTest, AddRowInsertsBeforeTheRowAndDeleteRowCloses) {
  CUGMem mem;
  for (long r = 0; r < 4; ++r) Put(mem, 0, r, std::to_string(r));
  EXPECT_EQ(mem.AddRow(2), UG_SUCCESS);
  EXPECT_EQ(Text(mem, 0, 2), "<none>");
  EXPECT_EQ(Text(mem, 0, 3), "2");
  EXPECT_EQ(mem.AddRow(9), UG_ERROR);
  EXPECT_EQ(mem.DeleteRow(2), UG_SUCCESS);
  EXPECT_EQ(Text(mem, 0, 2), "2");
  EXPECT_EQ(mem.DeleteRow(3), UG_SUCCESS);  // the last row
  EXPECT_EQ(mem.GetRowCount(), 2);
  EXPECT_EQ(mem.DeleteRow(40), UG_SUCCESS);  // missing: nothing changes
  EXPECT_EQ(Text(mem, 0, 0), "0");
  mem.DeleteRow(0);
  mem.DeleteRow(0);
  mem.DeleteRow(0);
  EXPECT_EQ(mem.GetRowCount(), 0);
  Put(mem, 1, 1, "again");
  EXPECT_EQ(Text(mem, 1, 1), "again");
}

TEST(UGMemTest, DeleteCellKeepsTheNode) {
  CUGMem mem;
  Put(mem, 0, 0, "a");
  Put(mem, 1, 0, "b");
  EXPECT_EQ(mem.DeleteCell(0, 0), UG_SUCCESS);
  EXPECT_EQ(mem.DeleteCell(0, 0), UG_ERROR);
  EXPECT_EQ(Text(mem, 1, 0), "b");
  mem.DeleteAll();
  EXPECT_EQ(Text(mem, 1, 0), "<none>");
  EXPECT_EQ(mem.GetRowCount(), 0);
}

TEST(UGMemTest, InsertAndDeleteColumnShiftTheCells) {
  CUGMem mem;
  for (int c = 0; c < 3; ++c) Put(mem, c, 0, std::string(1, static_cast<char>('a' + c)));
  Put(mem, 0, 1, "x");
  mem.InsertColumn(1);
  EXPECT_EQ(Text(mem, 0, 0), "a");
  EXPECT_EQ(Text(mem, 1, 0), "<none>");
  EXPECT_EQ(Text(mem, 2, 0), "b");
  EXPECT_EQ(Text(mem, 3, 0), "c");
  EXPECT_EQ(Text(mem, 0, 1), "x");  // row 1 has no column 1: unchanged
  mem.InsertColumn(0);
  EXPECT_EQ(Text(mem, 1, 0), "a");
  mem.DeleteColumn(0);
  mem.DeleteColumn(1);
  EXPECT_EQ(Text(mem, 0, 0), "a");
  EXPECT_EQ(Text(mem, 1, 0), "b");
  mem.DeleteColumn(2);  // the last node of the row keeps its place
  EXPECT_EQ(Text(mem, 2, 0), "<none>");
}

TEST(UGMemTest, FindTextToLeftGivesTheNearestCellWithText) {
  CUGMem mem;
  Put(mem, 0, 0, "start");
  Put(mem, 3, 0, "");
  Put(mem, 5, 0, "end");
  int col = 5;
  EXPECT_EQ(mem.FindTextToLeft(&col, 0), UG_SUCCESS);
  EXPECT_EQ(col, 0);
  col = 0;
  EXPECT_EQ(mem.FindTextToLeft(&col, 0), UG_ERROR);
  col = 9;
  EXPECT_EQ(mem.FindTextToLeft(&col, 0), UG_ERROR);  // starts on a missing node
  col = 2;
  EXPECT_EQ(mem.FindTextToLeft(&col, 7), UG_ERROR);  // no such row
}

class UGMemFindTest : public ::testing::Test {
 protected:
  // 3 columns x 4 rows.
  void SetUp() override {
    const char* rows[4][3] = {{"Tank1", "pump", "10"},
                              {"valve", "TANK2", "20"},
                              {"MyTank", "fan", ""},
                              {"belt", "tank", "Tank1"}};
    for (long r = 0; r < 4; ++r) {
      for (int c = 0; c < 3; ++c) Put(mem, c, r, rows[r][c]);
    }
  }
  CUGMem mem;
};

TEST_F(UGMemFindTest, FindsByTheFlags) {
  struct Case {
    const char* text;
    int startCol;
    long startRow;
    int flags;
    int result;
    int col;
    long row;
  };
  const Case cases[] = {
      // Whole text in one column, from before the table.
      {"Tank1", 0, -1, 0, UG_SUCCESS, 0, 0},
      {"tank1", 0, -1, 0, UG_ERROR, 0, 0},
      {"tank1", 0, -1, UG_FIND_CASEINSENSITIVE, UG_SUCCESS, 0, 0},
      {"Tank", 0, 0, UG_FIND_PARTIAL, UG_SUCCESS, 0, 2},
      {"tank", 1, -1, UG_FIND_PARTIAL | UG_FIND_CASEINSENSITIVE, UG_SUCCESS, 1, 1},
      // Wraps to row 0 after the last row.
      {"Tank1", 0, 2, 0, UG_SUCCESS, 0, 0},
      // Across all columns, cell by cell.
      {"Tank1", -1, 0, UG_FIND_ALLCOLUMNS, UG_SUCCESS, 0, 0},
      {"Tank1", 0, 0, UG_FIND_ALLCOLUMNS, UG_SUCCESS, 2, 3},
      {"fan", 0, 0, UG_FIND_ALLCOLUMNS, UG_SUCCESS, 1, 2},
      // Backwards across all columns from (0, 0): starts at the last cell.
      {"Tank1", 0, 0, UG_FIND_ALLCOLUMNS | UG_FIND_UP, UG_SUCCESS, 2, 3},
      {"valve", 0, 0, UG_FIND_UP, UG_SUCCESS, 0, 1},
      {"nothing", 0, -1, UG_FIND_PARTIAL, UG_ERROR, 0, 0},
  };
  for (const Case& c : cases) {
    int col = c.startCol;
    long row = c.startRow;
    int result = mem.FindInRange(c.text, &col, &row, c.flags);
    EXPECT_EQ(result, c.result) << c.text << " flags " << c.flags;
    if (result == UG_SUCCESS) {
      EXPECT_EQ(col, c.col) << c.text;
      EXPECT_EQ(row, c.row) << c.text;
    }
  }
}

TEST_F(UGMemFindTest, FindNextStartsBeforeTheTable) {
  int col = 2;
  long row = 3;
  ASSERT_EQ(mem.FindNext("10", &col, &row, 0), UG_SUCCESS);
  EXPECT_EQ(row, 0);
  col = 7;
  row = 7;
  ASSERT_EQ(mem.FindNext("pump", &col, &row, UG_FIND_ALLCOLUMNS), UG_SUCCESS);
  EXPECT_EQ(col, 1);
  EXPECT_EQ(row, 0);
}

TEST_F(UGMemFindTest, EmptyCellsAndMissingCellsNeverMatch) {
  int col = 2;
  long row = -1;
  EXPECT_EQ(mem.FindInRange("", &col, &row, UG_FIND_PARTIAL), UG_ERROR);
}

// A row of the sort test: three keys.
struct Row {
  int id;
  std::string name;
  double value;
  std::string tag;
};

std::vector<Row> RandomRows(int count, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<Row> rows;
  const char* names[] = {"alpha", "beta", "gamma", "Delta", "", "beta", "zeta"};
  for (int i = 0; i < count; ++i) {
    rows.push_back({i, names[random() % 7], static_cast<double>(random() % 20) / 2.0,
                    std::to_string(random() % 5)});
  }
  return rows;
}

void Fill(CUGMem& mem, const std::vector<Row>& rows) {
  Put(mem, 0, -1, "heading");
  for (size_t i = 0; i < rows.size(); ++i) {
    long r = static_cast<long>(i);
    PutNumber(mem, 0, r, rows[i].id);
    if (!rows[i].name.empty()) Put(mem, 1, r, rows[i].name);
    PutNumber(mem, 2, r, rows[i].value);
    Put(mem, 3, r, rows[i].tag);
  }
}

int CompareText(const std::string& a, const std::string& b) {
  if (a.empty()) return b.empty() ? 0 : 1;  // a cell without text goes last
  if (b.empty()) return -1;
  return a < b ? -1 : (a > b ? 1 : 0);
}

TEST(UGMemSortTest, SortRowsMatchesAStableSortOnSeveralKeys) {
  for (int flags : {UG_SORT_ASCENDING, UG_SORT_DESCENDING}) {
    std::vector<Row> rows = RandomRows(400, 7u + static_cast<unsigned>(flags));
    CUGMem mem;
    Fill(mem, rows);
    const int cols[] = {1, 2, 3};
    ASSERT_EQ(mem.SortRows(cols, 3, flags), UG_SUCCESS);

    bool descending = flags == UG_SORT_DESCENDING;
    std::vector<Row> expected = rows;
    std::stable_sort(expected.begin(), expected.end(), [descending](const Row& x, const Row& y) {
      const Row& a = descending ? y : x;
      const Row& b = descending ? x : y;
      int c = CompareText(a.name, b.name);
      if (c == 0) c = a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
      if (c == 0) c = CompareText(a.tag, b.tag);
      return c < 0;
    });
    for (size_t i = 0; i < expected.size(); ++i) {
      CUGCell cell;
      ASSERT_EQ(mem.GetCell(0, static_cast<long>(i), &cell), UG_SUCCESS);
      ASSERT_EQ(static_cast<int>(cell.GetNumber()), expected[i].id) << "row " << i << " flags " << flags;
    }
    EXPECT_EQ(Text(mem, 0, -1), "heading");  // the heading row stays in place
    EXPECT_EQ(mem.GetRowCount(), 399);
  }
}

TEST(UGMemSortTest, EqualKeysKeepTheirOrder) {
  CUGMem mem;
  for (long r = 0; r < 300; ++r) {
    Put(mem, 0, r, "same");
    PutNumber(mem, 1, r, static_cast<double>(r));
  }
  ASSERT_EQ(mem.SortByColumn(0, UG_SORT_ASCENDING), UG_SUCCESS);
  for (long r = 0; r < 300; ++r) {
    CUGCell cell;
    mem.GetCell(1, r, &cell);
    ASSERT_EQ(cell.GetNumber(), static_cast<double>(r));
  }
}

TEST(UGMemSortTest, SortingAnEmptyStoreDoesNothing) {
  CUGMem mem;
  EXPECT_EQ(mem.SortByColumn(0, 1), UG_ERROR);
}

TEST(UGCompareTest, DefaultComparisonRules) {
  CUGCell text1, text2, number1, number2, empty;
  text1.SetText("abc");
  text2.SetText("abd");
  number1.SetNumber(10);
  number2.SetNumber(9);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(nullptr, nullptr, 0), 0);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(nullptr, &text1, 0), 1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&text1, nullptr, 0), -1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&text1, &text2, 0), -1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&text1, &text2, UG_SORT_DESCENDING), 1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&number1, &number2, 0), 1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&empty, &text1, 0), 1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&text1, &empty, 0), -1);
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&empty, &empty, 0), 0);
  CUGCell high;
  high.SetText("\xC3\xA9");  // bytes compare unsigned
  EXPECT_EQ(CUGCtrl::DefaultCompareCells(&text1, &high, 0), -1);
}

}  // namespace
