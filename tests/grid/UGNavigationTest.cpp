// Moves of the current cell and the view, hit tests and rectangles, joins,
// and multiple selection, on a grid without a window.
#include <gtest/gtest.h>

#include "support/Doubles.h"
#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::CountingSource;
using grid_test::RecordingGrid;

// 340 x 220 client: the cell area is 300 x 200 (side heading 40, top 20),
// minus the scroll bars that the sizes call for.
class NavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    source = new CountingSource;
    source->grid = &grid;
    grid.m_GI->m_defDataSource.reset(source);
    grid.m_GI->m_defDataSource->SetOwner(&grid);
    grid.SetUp(10, 100, 340, 220);
    grid.log.clear();
  }
  RecordingGrid grid;
  CountingSource* source = nullptr;
};

TEST_F(NavigationTest, SetUpGoesToTheFirstCellAndLaysOut) {
  EXPECT_EQ(grid.GetCurrentCol(), 0);
  EXPECT_EQ(grid.GetCurrentRow(), 0);
  EXPECT_EQ(grid.m_GI->m_gridWidth, 300 - grid.GetVScrollWidth());
  EXPECT_EQ(grid.m_GI->m_gridHeight, 200 - grid.GetHScrollHeight());
  // 183 pixels of rows of 20: the largest top row leaves 9 whole rows shown.
  EXPECT_EQ(grid.m_GI->m_maxTopRow, 91);
  EXPECT_EQ(grid.GetBottomRow(), 9);
}

TEST_F(NavigationTest, GotoRowToTheTargetDoesNothing) {
  EXPECT_EQ(grid.GotoRow(0), UG_SUCCESS);
  EXPECT_TRUE(grid.log.empty());
}

TEST_F(NavigationTest, MovesTellTheOwnerInOrder) {
  ASSERT_EQ(grid.GotoCell(2, 3), UG_SUCCESS);
  std::vector<std::string> expected = {"CanMoveCell 0,0->2,3", "ColChanged 0->2", "RowChanged 0->3",
                                       "CellChanged"};
  EXPECT_EQ(grid.log, expected);
  grid.log.clear();
  ASSERT_EQ(grid.GotoRow(50), UG_SUCCESS);
  expected = {"CanMoveCell 2,3->2,50", "RowChanged 3->50", "CellChanged", "TopRow 42"};
  EXPECT_EQ(grid.log, expected);
  EXPECT_EQ(grid.GetTopRow(), 42);
  EXPECT_EQ(grid.GetBottomRow(), 51);
}

TEST_F(NavigationTest, RefusalsLeaveEverythingAsItWas) {
  grid.allowMoveCell = FALSE;
  EXPECT_EQ(grid.GotoRow(5), UG_REFUSED);
  EXPECT_EQ(grid.GetCurrentRow(), 0);
  grid.allowMoveCell = TRUE;
  grid.allowMoveView = FALSE;
  EXPECT_EQ(grid.GotoRow(50), UG_REFUSED);
  EXPECT_EQ(grid.GetCurrentRow(), 0);
  EXPECT_EQ(grid.GetTopRow(), 0);
  EXPECT_EQ(grid.SetTopRow(10), UG_REFUSED);
  EXPECT_EQ(grid.GetTopRow(), 0);
}

TEST_F(NavigationTest, AMoveInsideTheShownRowsDoesNotAskAboutTheView) {
  grid.GotoRow(5);
  EXPECT_EQ(grid.canMoveViewCalls, 0);
  grid.GotoRow(9);  // partly shown only
  EXPECT_EQ(grid.canMoveViewCalls, 1);
}

TEST_F(NavigationTest, GotoColAsksTheDataSourceGotoRowDoesNot) {
  source->canMoveCalls = 0;
  grid.GotoRow(4);
  EXPECT_EQ(source->canMoveCalls, 0);
  grid.GotoCol(3);
  EXPECT_EQ(source->canMoveCalls, 1);
}

TEST_F(NavigationTest, PastTheLastRowAsksForRows) {
  EXPECT_EQ(grid.GotoRow(99), UG_SUCCESS);
  EXPECT_EQ(grid.GotoRow(100), UG_ERROR);  // nothing added, already last
  EXPECT_EQ(source->appendCalls, 1);
  EXPECT_EQ(grid.rowsNeededCalls, 1);
  grid.GotoRow(90);
  EXPECT_EQ(grid.GotoRow(150), UG_SUCCESS);  // to the last row
  EXPECT_EQ(grid.GetCurrentRow(), 99);
  source->rowsToAdd = 10;
  EXPECT_EQ(grid.GotoRow(100), UG_SUCCESS);
  EXPECT_EQ(grid.GetRowCount(), 110);
  EXPECT_EQ(grid.GetCurrentRow(), 100);
}

TEST_F(NavigationTest, MoveCodesForRowsAndColumns) {
  struct Case {
    int code;
    long row;
  };
  // 183 - 0 locked: a page holds 9 rows, the 10th no longer fits.
  const Case rowCases[] = {{1, 1}, {3, 10}, {3, 19}, {2, 10}, {0, 9}, {5, 99}, {4, 0}, {9, 0}};
  for (const Case& c : rowCases) {
    grid.MoveCurrentRow(c.code);
    EXPECT_EQ(grid.GetCurrentRow(), c.row) << "code " << c.code;
  }
  grid.MoveCurrentCol(1);
  EXPECT_EQ(grid.GetCurrentCol(), 1);
  grid.MoveCurrentCol(5);
  EXPECT_EQ(grid.GetCurrentCol(), 9);
  EXPECT_EQ(grid.GetLeftCol(), grid.m_GI->m_maxLeftCol);
  grid.MoveCurrentCol(4);
  EXPECT_EQ(grid.GetCurrentCol(), 0);
  EXPECT_EQ(grid.GetLeftCol(), 0);
  EXPECT_EQ(grid.GotoCol(-3), UG_SUCCESS);  // already at column 0
  EXPECT_EQ(grid.GotoCol(20), UG_SUCCESS);
  EXPECT_EQ(grid.GetCurrentCol(), 9);
  EXPECT_EQ(grid.GotoCol(20), UG_ERROR);
}

TEST_F(NavigationTest, TopRowMovesAndClamps) {
  EXPECT_EQ(grid.MoveTopRow(1), UG_SUCCESS);
  EXPECT_EQ(grid.GetTopRow(), 1);
  grid.MoveTopRow(3);
  EXPECT_EQ(grid.GetTopRow(), 10);
  grid.MoveTopRow(5);
  EXPECT_EQ(grid.GetTopRow(), 91);
  grid.SetTopRow(500);
  EXPECT_EQ(grid.GetTopRow(), 91);
  grid.MoveTopRow(4);
  EXPECT_EQ(grid.GetTopRow(), 0);
  EXPECT_EQ(grid.GetCurrentRow(), 0);  // the view moved, the cell did not
  grid.SetRowCount(0);
  EXPECT_EQ(grid.MoveTopRow(1), UG_ERROR);
}

TEST_F(NavigationTest, RowsOfHeightZeroAreSkippedWhenScrolling) {
  grid.SetUniformRowHeight(FALSE);
  grid.SetRowHeight(1, 0);
  grid.SetRowHeight(2, 0);
  grid.MoveTopRow(1);
  EXPECT_EQ(grid.GetTopRow(), 3);
  grid.MoveTopRow(0);
  EXPECT_EQ(grid.GetTopRow(), 0);
}

TEST_F(NavigationTest, LockedRowsAndColumnsStayInPlace) {
  grid.SetLockedRowCount(2);
  grid.SetLockedColCount(1);
  EXPECT_EQ(grid.GetTopRow(), 2);
  EXPECT_EQ(grid.GetLeftCol(), 1);
  grid.SetTopRow(0);
  EXPECT_EQ(grid.GetTopRow(), 2);
  grid.GotoRow(60);
  grid.GotoRow(1);  // a locked row: the view stays
  EXPECT_GT(grid.GetTopRow(), 2);
  CRect rect;
  grid.GetCellRect(0, 1, &rect);
  EXPECT_EQ(rect, CRect(0, 20, 75, 40));
  grid.GetCellRect(3, grid.GetTopRow(), &rect);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(rect.left, 75 + 75 * (3 - grid.GetLeftCol()));
}

TEST_F(NavigationTest, HitTestAndRangeRectangles) {
  int col = -1;
  long row = -1;
  CRect rect;
  ASSERT_EQ(grid.HitTest(80, 45, &col, &row, &rect), UG_SUCCESS);
  EXPECT_EQ(col, 1);
  EXPECT_EQ(row, 2);
  EXPECT_EQ(rect, CRect(75, 40, 150, 60));
  EXPECT_EQ(grid.HitTest(-1, 5, &col, &row, &rect), UG_ERROR);
  EXPECT_EQ(grid.HitTest(5, grid.m_GI->m_gridHeight, &col, &row, &rect), UG_ERROR);
  grid.SetTopRow(10);
  ASSERT_EQ(grid.HitTest(0, 0, &col, &row, &rect), UG_SUCCESS);
  EXPECT_EQ(row, 10);
  grid.GetRangeRect(1, 12, 2, 13, &rect);
  EXPECT_EQ(rect, CRect(75, 40, 225, 80));
  grid.GetRangeRect(1, 0, 9, 200, &rect);  // reaches past the window on three sides
  EXPECT_EQ(rect, CRect(75, -10, grid.m_GI->m_gridWidth + 10, grid.m_GI->m_gridHeight + 10));
}

TEST_F(NavigationTest, JoinedCellsMoveAsOne) {
  ASSERT_EQ(grid.JoinCells(0, 3, 1, 5), UG_SUCCESS);
  int col = 1;
  long row = 4;
  ASSERT_EQ(grid.GetJoinStartCell(&col, &row), UG_SUCCESS);
  EXPECT_EQ(col, 0);
  EXPECT_EQ(row, 3);
  // Down from above the join lands on its first row, from inside past it.
  grid.GotoRow(2);
  grid.GotoRow(4);
  EXPECT_EQ(grid.GetCurrentRow(), 3);
  grid.GotoRow(4);
  EXPECT_EQ(grid.GetCurrentRow(), 6);
  // Up from inside the join lands on the row before it.
  grid.GotoCell(0, 3);
  grid.GotoRow(2);
  EXPECT_EQ(grid.GetCurrentRow(), 2);
  grid.GotoCell(1, 5);  // any cell of the join is its origin
  EXPECT_EQ(grid.GetCurrentCol(), 0);
  EXPECT_EQ(grid.GetCurrentRow(), 3);
  CRect rect;
  ASSERT_EQ(grid.HitTest(100, 70, &col, &row, &rect), UG_SUCCESS);
  EXPECT_EQ(col, 0);
  EXPECT_EQ(row, 3);
  EXPECT_EQ(rect, CRect(0, 60, 150, 120));
  grid.EnableJoins(FALSE);
  ASSERT_EQ(grid.HitTest(100, 70, &col, &row, &rect), UG_SUCCESS);
  EXPECT_EQ(col, 1);
  grid.EnableJoins(TRUE);
  grid.UnJoinCells(1, 4);
  col = 1;
  row = 4;
  EXPECT_EQ(grid.GetJoinStartCell(&col, &row), UG_ERROR);
}

// ---- Multiple selection --------------------------------------------------------

class SelectionTest : public NavigationTest {
 protected:
  void SetUp() override {
    NavigationTest::SetUp();
    grid.SetMultiSelectMode(UG_MULTISELECT_CELL);
  }
  void Click(int col, long row, UINT keys = 0) {
    grid.SetMoveType(UG_MOVE_LBUTTON, keys);
    grid.GotoCell(col, row);
  }
  CUGMultiSelect* select() { return grid.m_GI->m_multiSelect.get(); }
};

TEST_F(SelectionTest, ClickShiftClickAndCtrlClickMakeBlocks) {
  testing_support::KeyStateDouble keys;
  Click(0, 0);
  keys.Hold(VK_SHIFT);
  Click(2, 2, MK_SHIFT);
  keys.Release(VK_SHIFT);
  ASSERT_EQ(select()->GetNumberBlocks(), 1);
  int l, r;
  long t, b;
  select()->GetCurrentBlock(&l, &t, &r, &b);
  EXPECT_EQ(l, 0);
  EXPECT_EQ(t, 0);
  EXPECT_EQ(r, 2);
  EXPECT_EQ(b, 2);
  EXPECT_TRUE(select()->IsSelected(1, 1));
  EXPECT_FALSE(select()->IsSelected(3, 1));
  Click(1, 1, MK_CONTROL);
  EXPECT_EQ(select()->GetNumberBlocks(), 2);
  int block = -1;
  EXPECT_EQ(select()->IsSelected(1, 1, &block), 1);
  EXPECT_EQ(block, 1);  // the later block decides
  // The notification's order: right, top, left, bottom, blocks.
  EXPECT_EQ(grid.lastSelection[0], 1);
  EXPECT_EQ(grid.lastSelection[4], 2);
  Click(5, 5);  // a plain click starts over
  EXPECT_EQ(select()->GetNumberBlocks(), 1);
  EXPECT_FALSE(select()->IsSelected(1, 1));
}

TEST_F(SelectionTest, ToggleFlipsAOneCellBlock) {
  Click(3, 3);
  EXPECT_EQ(select()->IsSelected(3, 3), 1);
  select()->ToggleCell(3, 3);
  EXPECT_EQ(select()->IsSelected(3, 3), 0);
  select()->ToggleCell(3, 3);
  EXPECT_EQ(select()->IsSelected(3, 3), 1);
  select()->ToggleCell(4, 4);
  EXPECT_EQ(select()->IsSelected(4, 4), 1);
}

TEST_F(SelectionTest, FirstBlockDecidesInItsMode) {
  testing_support::KeyStateDouble keys;
  grid.SetMultiSelectMode(UG_MULTISELECT_CELL | UG_MULTISELECT_NODUPS);
  Click(0, 0);
  keys.Hold(VK_SHIFT);
  Click(2, 2, MK_SHIFT);
  keys.Release(VK_SHIFT);
  select()->ToggleCell(1, 1);  // a deselecting block after it
  EXPECT_EQ(select()->IsSelected(1, 1), 1);
  grid.SetMultiSelectMode(UG_MULTISELECT_CELL);
  EXPECT_EQ(select()->GetNumberBlocks(), 0);  // a new mode clears
}

TEST_F(SelectionTest, EnumerationVisitsTheSelectedCells) {
  int col = -1;
  long row = -1;
  select()->ClearAll();
  ASSERT_EQ(select()->EnumFirstSelected(&col, &row), UG_SUCCESS);  // the current cell once
  EXPECT_EQ(col, grid.GetCurrentCol());
  EXPECT_EQ(select()->EnumNextSelected(&col, &row), UG_ERROR);

  testing_support::KeyStateDouble keys;
  Click(1, 1);
  keys.Hold(VK_SHIFT);
  Click(2, 2, MK_SHIFT);
  keys.Release(VK_SHIFT);
  Click(4, 0, MK_CONTROL);
  std::vector<std::pair<int, long>> cells;
  for (int ok = select()->EnumFirstSelected(&col, &row); ok == UG_SUCCESS;
       ok = select()->EnumNextSelected(&col, &row)) {
    cells.emplace_back(col, row);
  }
  std::vector<std::pair<int, long>> expected = {{4, 0}, {1, 1}, {2, 1}, {1, 2}, {2, 2}};
  EXPECT_EQ(cells, expected);
  int l, r;
  long t, b;
  int blocks = 0;
  for (int ok = select()->EnumFirstBlock(&l, &t, &r, &b); ok == UG_SUCCESS;
       ok = select()->EnumNextBlock(&l, &t, &r, &b)) {
    ++blocks;
  }
  EXPECT_EQ(blocks, 2);
  select()->GetTotalRange(&l, &t, &r, &b);
  EXPECT_EQ(l, 1);
  EXPECT_EQ(t, 0);
  EXPECT_EQ(r, 4);
  EXPECT_EQ(b, 2);
}

TEST_F(SelectionTest, InRowModeEveryColumnAnswersAsTheSelectedRows) {
  grid.SetMultiSelectMode(UG_MULTISELECT_ROW);
  EXPECT_FALSE(select()->IsColSelected(3));
  Click(3, 2);
  for (int col : {0, 1, 9, 40}) EXPECT_TRUE(select()->IsColSelected(col)) << col;
  select()->ToggleCell(5, 2);  // a later block deselects the row
  EXPECT_FALSE(select()->IsColSelected(4));
  // A grid of one column: its blocks end at column 0.
  grid.SetColCount(1);
  grid.SetMultiSelectMode(UG_MULTISELECT_ROW);
  Click(0, 1);
  EXPECT_TRUE(select()->IsColSelected(0));
  EXPECT_TRUE(select()->IsColSelected(3));
}

TEST_F(SelectionTest, RowModeSelectsWholeRowsEndingAtTheLastColumn) {
  testing_support::KeyStateDouble keys;
  grid.SetMultiSelectMode(UG_MULTISELECT_ROW);
  Click(3, 2);
  keys.Hold(VK_SHIFT);
  Click(5, 4, MK_SHIFT);
  keys.Release(VK_SHIFT);
  int l, r;
  long t, b;
  select()->GetCurrentBlock(&l, &t, &r, &b);
  EXPECT_EQ(l, 0);
  EXPECT_EQ(r, 9);
  EXPECT_TRUE(select()->IsSelected(0, 3));
  EXPECT_TRUE(select()->IsRowSelected(4));
  EXPECT_FALSE(select()->IsRowSelected(5));
  EXPECT_TRUE(select()->IsColSelected(7));
  std::vector<long> rows;
  int col;
  long row;
  for (int ok = select()->EnumFirstSelected(&col, &row); ok == UG_SUCCESS;
       ok = select()->EnumNextSelected(&col, &row)) {
    EXPECT_EQ(col, 0);
    rows.push_back(row);
  }
  EXPECT_EQ(rows, (std::vector<long>{2, 3, 4}));
}

TEST_F(SelectionTest, KeyMovesExtendWithShiftAndStartOverWithout) {
  testing_support::KeyStateDouble keys;
  grid.GotoCell(1, 1);
  keys.Hold(VK_SHIFT);
  grid.MoveCurrentRow(1);
  grid.MoveCurrentCol(1);
  keys.Release(VK_SHIFT);
  int l, r;
  long t, b;
  select()->GetCurrentBlock(&l, &t, &r, &b);
  EXPECT_EQ(l, 1);
  EXPECT_EQ(t, 1);
  EXPECT_EQ(r, 2);
  EXPECT_EQ(b, 2);
  grid.MoveCurrentRow(1);
  select()->GetCurrentBlock(&l, &t, &r, &b);
  EXPECT_EQ(l, 2);
  EXPECT_EQ(t, 3);
  EXPECT_EQ(select()->GetNumberBlocks(), 1);
}

}  // namespace
