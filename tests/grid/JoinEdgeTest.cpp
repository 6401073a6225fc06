// Joined blocks at their edges: every cell of a block, its last row and
// last column included, leads to the block's origin and its whole range;
// the cells just outside it do not; a block may end on the grid's last
// column and row but not past them; unjoining from any corner frees every
// cell of the block; moves out of a block that ends on the grid's last row
// or column stay in it, moves back from a block that starts on row or
// column 1 reach row or column 0.
#include <gtest/gtest.h>

#include <functional>
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

// Blocks whose origin lies on the last row or the last column: a one-row
// block along the last row, a one-column block down the last column, and
// the two cells that end the grid.
TEST_F(JoinEdgeTest, ABlockStartingOnTheLastRowOrColumnLeadsEveryCellToItsOrigin) {
  struct Case {
    int startCol, endCol;
    long startRow, endRow;
    const char* range;
  };
  const Case cases[] = {
      {1, 3, kRows - 1, kRows - 1, "1,7-3,7"},
      {kCols - 1, kCols - 1, 2, 4, "5,2-5,4"},
      {kCols - 2, kCols - 1, kRows - 1, kRows - 1, "4,7-5,7"},
      {kCols - 1, kCols - 1, kRows - 2, kRows - 1, "5,6-5,7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.range);
    ASSERT_EQ(grid.JoinCells(c.startCol, c.startRow, c.endCol, c.endRow), UG_SUCCESS);
    for (int col = c.startCol; col <= c.endCol; ++col) {
      for (long row = c.startRow; row <= c.endRow; ++row) EXPECT_EQ(Range(col, row), c.range) << col << "," << row;
    }
    grid.GotoCell(c.endCol, c.endRow);
    EXPECT_EQ(grid.GetCurrentCol(), c.startCol);
    EXPECT_EQ(grid.GetCurrentRow(), c.startRow);
    ASSERT_EQ(grid.UnJoinCells(c.endCol, c.endRow), UG_SUCCESS);
    EXPECT_EQ(Range(c.endCol, c.endRow), "none");
  }
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

// The current cell's column and row, "c,r".
std::string Current(const RecordingGrid& grid) {
  return std::to_string(grid.GetCurrentCol()) + "," + std::to_string(grid.GetCurrentRow());
}

bool AnyChange(const RecordingGrid& grid) {
  for (const std::string& entry : grid.log)
    if (entry.rfind("RowChanged", 0) == 0 || entry.rfind("ColChanged", 0) == 0) return true;
  return false;
}

TEST_F(JoinEdgeTest, AMoveOnFromABlockEndingOnTheLastRowOrColumnStaysOnIt) {
  ASSERT_EQ(grid.JoinCells(1, kRows - 3, 2, kRows - 1), UG_SUCCESS);  // rows 5-7, the last three
  ASSERT_EQ(grid.JoinCells(kCols - 2, 1, kCols - 1, 2), UG_SUCCESS);  // columns 4-5, the last two
  struct Case {
    const char* move;
    int fromCol;
    long fromRow;
    std::function<int()> run;
    const char* lands;
  };
  const Case cases[] = {
      {"down one", 1, 5, [&] { return grid.MoveCurrentRow(1); }, "1,5"},
      {"to the block's last row", 1, 5, [&] { return grid.GotoRow(kRows - 1); }, "1,5"},
      {"to the last row", 1, 5, [&] { return grid.MoveCurrentRow(5); }, "1,5"},
      {"a page down", 1, 5, [&] { return grid.MoveCurrentRow(3); }, "1,5"},
      {"right one", 4, 1, [&] { return grid.MoveCurrentCol(1); }, "4,1"},
      {"to the last column", 4, 1, [&] { return grid.MoveCurrentCol(5); }, "4,1"},
      {"to the last row from above", 1, 4, [&] { return grid.MoveCurrentRow(5); }, "1,5"},
      {"down into it from above", 1, 4, [&] { return grid.MoveCurrentRow(1); }, "1,5"},
      {"to the last column from the left", 3, 1, [&] { return grid.MoveCurrentCol(5); }, "4,1"},
      {"up out of it", 1, 5, [&] { return grid.MoveCurrentRow(0); }, "1,4"},
      {"left out of it", 4, 1, [&] { return grid.MoveCurrentCol(0); }, "3,1"},
      // Where a column or row after the block exists, the move goes past it.
      {"right past the bottom block", 1, 5, [&] { return grid.MoveCurrentCol(1); }, "3,5"},
      {"down past the right block", 4, 1, [&] { return grid.MoveCurrentRow(1); }, "4,3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.move);
    ASSERT_EQ(grid.GotoCell(c.fromCol, c.fromRow), UG_SUCCESS);
    grid.log.clear();
    const bool stays = std::to_string(c.fromCol) + "," + std::to_string(c.fromRow) == c.lands;
    EXPECT_EQ(c.run(), UG_SUCCESS);
    EXPECT_EQ(Current(grid), c.lands);
    EXPECT_EQ(AnyChange(grid), !stays);
    EXPECT_LT(grid.GetCurrentRow(), kRows);
    EXPECT_LT(grid.GetCurrentCol(), kCols);
  }
}

TEST_F(JoinEdgeTest, AMoveBackFromInsideABlockStartingOnRowOrColumnOneReachesZero) {
  struct Case {
    int col;
    long row;  // the current cell, inside the block once joined
    int startCol, endCol;
    long startRow, endRow;
    bool up;  // else left
    const char* lands;
  };
  const Case cases[] = {
      {1, 2, 1, 2, 1, 2, true, "1,0"},   // block rows 1-2: up to row 0
      {2, 1, 1, 2, 1, 2, false, "0,1"},  // block columns 1-2: left to column 0
      {1, 1, 1, 2, 0, 1, true, "1,1"},   // block from row 0: nothing before it, stays
      {1, 1, 0, 1, 1, 2, false, "1,1"},  // block from column 0: stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row) + (c.up ? " up" : " left"));
    ASSERT_EQ(grid.GotoCell(c.col, c.row), UG_SUCCESS);
    ASSERT_EQ(grid.JoinCells(c.startCol, c.startRow, c.endCol, c.endRow), UG_SUCCESS);
    EXPECT_EQ(c.up ? grid.GotoRow(c.row - 1) : grid.GotoCol(c.col - 1), UG_SUCCESS);
    EXPECT_EQ(Current(grid), c.lands);
    ASSERT_EQ(grid.UnJoinCells(c.startCol, c.startRow), UG_SUCCESS);
  }
}

}  // namespace
