// Joined blocks at their edges: every cell of a block, its last row and
// last column included, leads to the block's origin and its whole range;
// the cells just outside it do not; a block may end on the grid's last
// column and row but not past them; unjoining from any corner frees every
// cell of the block.
#include <gtest/gtest.h>

#include <string>

#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::RecordingGrid;

constexpr int kCols = 6;
constexpr long kRows = 8;

struct JoinEdgeTest : ::testing::Test {
  void SetUp() override { grid.SetUp(kCols, kRows); }
  // The range of the block the cell belongs to, "c,r-c,r"; "none" when the
  // cell is not joined.
  std::string Range(int col, long row) {
    int endCol = 0;
    long endRow = 0;
    if (grid.GetJoinRange(&col, &row, &endCol, &endRow) != UG_SUCCESS) return "none";
    return std::to_string(col) + "," + std::to_string(row) + "-" + std::to_string(endCol) + "," +
           std::to_string(endRow);
  }
  RecordingGrid grid;
};

TEST_F(JoinEdgeTest, EveryCellUpToTheLastRowAndColumnLeadsToTheWholeBlock) {
  ASSERT_EQ(grid.JoinCells(1, 2, 3, 5), UG_SUCCESS);
  for (int col = 0; col < kCols; ++col) {
    for (long row = 0; row < kRows; ++row) {
      const bool inside = col >= 1 && col <= 3 && row >= 2 && row <= 5;
      EXPECT_EQ(Range(col, row), inside ? "1,2-3,5" : "none") << col << "," << row;
      int startCol = col;
      long startRow = row;
      const int found = grid.GetJoinStartCell(&startCol, &startRow);
      EXPECT_EQ(found, inside ? UG_SUCCESS : UG_ERROR) << col << "," << row;
      if (inside) {
        EXPECT_EQ(std::to_string(startCol) + "," + std::to_string(startRow), "1,2");
      }
    }
  }
}

TEST_F(JoinEdgeTest, ABlockMayEndOnTheGridsLastColumnAndRowButNotPastThem) {
  EXPECT_EQ(grid.JoinCells(kCols - 2, kRows - 2, kCols, kRows - 1), UG_ERROR) << "a column past the last";
  EXPECT_EQ(grid.JoinCells(kCols - 2, kRows - 2, kCols - 1, kRows), UG_ERROR) << "a row past the last";
  EXPECT_EQ(Range(kCols - 2, kRows - 2), "none") << "a refused join changes nothing";
  ASSERT_EQ(grid.JoinCells(kCols - 2, kRows - 2, kCols - 1, kRows - 1), UG_SUCCESS);
  EXPECT_EQ(Range(kCols - 1, kRows - 1), "4,6-5,7") << "the grid's last cell";
  EXPECT_EQ(Range(kCols - 1, kRows - 2), "4,6-5,7");
  EXPECT_EQ(Range(kCols - 2, kRows - 1), "4,6-5,7");
  grid.GotoCell(kCols - 1, kRows - 1);
  EXPECT_EQ(grid.GetCurrentCol(), kCols - 2) << "the last cell is the block's origin";
  EXPECT_EQ(grid.GetCurrentRow(), kRows - 2);
}

TEST_F(JoinEdgeTest, UnjoiningFromAnyCornerFreesEveryCellOfTheBlock) {
  const int corners[][2] = {{1, 2}, {3, 2}, {1, 5}, {3, 5}};
  for (const auto& corner : corners) {
    SCOPED_TRACE(std::to_string(corner[0]) + "," + std::to_string(corner[1]));
    ASSERT_EQ(grid.JoinCells(1, 2, 3, 5), UG_SUCCESS);
    ASSERT_EQ(grid.UnJoinCells(corner[0], corner[1]), UG_SUCCESS);
    for (int col = 1; col <= 3; ++col) {
      for (long row = 2; row <= 5; ++row) {
        EXPECT_EQ(Range(col, row), "none") << col << "," << row;
        CUGCell cell;
        grid.GetCell(col, row, &cell);
        BOOL origin = FALSE;
        int colOffset = 0;
        long rowOffset = 0;
        EXPECT_EQ(cell.GetJoinInfo(&origin, &colOffset, &rowOffset), 1) << "the cell keeps no join " << col << "," << row;
      }
    }
  }
}

}  // namespace
