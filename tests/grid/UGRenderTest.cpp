// The grid rendered offscreen and compared on pixels where it matters:
// grid lines, headings, the current cell, locked lines, and the repaint
// after a scroll matching a full repaint.
#include <gtest/gtest.h>

#include <QImage>

#include "grid/UGCnrBtn.h"
#include "grid/UGGrid.h"
#include "grid/UGSideHdg.h"
#include "grid/UGTopHdg.h"
#include "platform/Thread.h"
#include "platform/ui/WndSurface.h"
#include "platform/ui/SysColors.h"
#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::RecordingGrid;
using grid_test::ShowInParent;

COLORREF PixelOf(const QImage& image, int x, int y) {
  QRgb p = image.pixel(x, y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShowInParent(&parent, &grid, 5, 50));
    for (int c = 0; c < 5; ++c) grid.QuickSetText(c, -1, "H" + std::to_string(c));
    for (long r = 0; r < 50; ++r) grid.QuickSetText(0, r, "row " + std::to_string(r));
  }
  void TearDown() override { parent.DestroyWindow(); }

  // Paints the window whole now and gives its pixels.
  static QImage Paint(CWnd* wnd) {
    wnd->Invalidate(FALSE);
    wnd->UpdateWindow();
    return wnd->GetSurface()->image.copy();
  }

  CWnd parent;
  RecordingGrid grid;
};

TEST_F(RenderTest, GridLinesAndBackgrounds) {
  QImage image = Paint(grid.m_CUGGrid);
  ASSERT_FALSE(image.isNull());
  const COLORREF line = RGB(0xDC, 0xDC, 0xDC);
  EXPECT_EQ(PixelOf(image, 74, 10), line);   // right edge of column 0
  EXPECT_EQ(PixelOf(image, 149, 30), line);  // right edge of column 1
  EXPECT_EQ(PixelOf(image, 100, 19), line);  // bottom edge of row 0
  EXPECT_EQ(PixelOf(image, 110, 30), GetSysColor(COLOR_WINDOW));
  // Beyond the last column: the default background of the cell area.
  grid.SetColCount(2);
  image = Paint(grid.m_CUGGrid);
  EXPECT_EQ(PixelOf(image, 200, 30), grid.GetDefaultBackColor(UG_GRID));
  grid.EnableGridLines(FALSE);
  image = Paint(grid.m_CUGGrid);
  EXPECT_EQ(PixelOf(image, 74, 10), GetSysColor(COLOR_WINDOW));
}

TEST_F(RenderTest, TextIsDrawnInTheCell) {
  QImage image = Paint(grid.m_CUGGrid);
  auto darkPixels = [&image](int left, int right) {
    int dark = 0;
    for (int y = 0; y < 19; ++y) {
      for (int x = left; x < right; ++x) {
        COLORREF c = PixelOf(image, x, y);
        dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 300 ? 1 : 0;
      }
    }
    return dark;
  };
  EXPECT_GT(darkPixels(0, 74), 20);
  EXPECT_EQ(darkPixels(76, 148), 0);
  // Left aligned after the margin.
  EXPECT_EQ(darkPixels(0, 4), 0);
}

TEST_F(RenderTest, HeadingsAreRecessedFaceCells) {
  QImage image = Paint(grid.m_CUGTopHdg);
  EXPECT_EQ(PixelOf(image, 30, 3), GetSysColor(COLOR_3DFACE));
  EXPECT_EQ(PixelOf(image, 0, 10), GetSysColor(COLOR_BTNSHADOW));   // left edge
  EXPECT_EQ(PixelOf(image, 30, 0), GetSysColor(COLOR_BTNSHADOW));   // top edge
  EXPECT_EQ(PixelOf(image, 74, 10), GetSysColor(COLOR_BTNHIGHLIGHT));  // right edge
  QImage corner = Paint(grid.m_CUGCnrBtn);
  EXPECT_EQ(PixelOf(corner, 20, 10), GetSysColor(COLOR_3DFACE));
}

TEST_F(RenderTest, TheCurrentCellUsesHighlightColoursOnlyWhenAsked) {
  grid.GotoCell(1, 1);
  QImage image = Paint(grid.m_CUGGrid);
  EXPECT_EQ(PixelOf(image, 110, 30), GetSysColor(COLOR_WINDOW));
  grid.SetHighlightMode(2);
  image = Paint(grid.m_CUGGrid);
  EXPECT_EQ(PixelOf(image, 110, 30), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(PixelOf(image, 110, 50), GetSysColor(COLOR_WINDOW));
}

TEST_F(RenderTest, TheFocusRectangleOutlinesTheCurrentCell) {
  grid.GotoCell(1, 1);
  grid.m_CUGGrid->m_hasFocus = TRUE;
  QImage image = Paint(grid.m_CUGGrid);
  int changed = 0;
  for (int x = 76; x < 148; ++x) changed += PixelOf(image, x, 20) != GetSysColor(COLOR_WINDOW) ? 1 : 0;
  EXPECT_GT(changed, 10);
  grid.m_CUGGrid->m_hasFocus = FALSE;
  image = Paint(grid.m_CUGGrid);
  changed = 0;
  for (int x = 76; x < 148; ++x) changed += PixelOf(image, x, 20) != GetSysColor(COLOR_WINDOW) ? 1 : 0;
  EXPECT_EQ(changed, 0);
}

TEST_F(RenderTest, SelectedCellsUseTheirHighlightColours) {
  grid.SetMultiSelectMode(UG_MULTISELECT_CELL);
  grid.SetMoveType(UG_MOVE_LBUTTON, 0);
  grid.GotoCell(2, 2);
  grid.SetMoveType(UG_MOVE_LBUTTON, MK_CONTROL);
  grid.GotoCell(3, 3);
  QImage image = Paint(grid.m_CUGGrid);
  // Showing column 3 whole scrolled the view by one column.
  ASSERT_EQ(grid.GetLeftCol(), 1);
  auto inside = [this, &image](int col, long row) {
    CRect rect;
    grid.GetCellRect(col, row, &rect);
    return PixelOf(image, rect.left + 5, rect.top + 5);
  };
  EXPECT_EQ(inside(2, 2), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(inside(3, 3), GetSysColor(COLOR_WINDOW));  // the current cell
  EXPECT_EQ(inside(3, 2), GetSysColor(COLOR_WINDOW));
}

TEST_F(RenderTest, LockedColumnsAreSetApartByBlackLines) {
  grid.SetLockedColCount(1);
  grid.SetLeftCol(2);
  QImage image = Paint(grid.m_CUGGrid);
  EXPECT_EQ(PixelOf(image, 74, 30), RGB(0, 0, 0));
  EXPECT_EQ(PixelOf(image, 75, 30), RGB(0, 0, 0));
}

TEST_F(RenderTest, ScrollingRepaintsLikeAFullPaint) {
  for (long r = 0; r < 50; ++r) grid.QuickSetText(2, r, std::to_string(r * 7));
  Paint(grid.m_CUGGrid);
  struct Step {
    long top;
    int left;
  };
  const Step steps[] = {{1, 0}, {4, 0}, {3, 0}, {3, 1}, {5, 0}, {30, 2}};
  for (const Step& step : steps) {
    grid.SetTopRow(step.top);
    grid.SetLeftCol(step.left);
    QImage scrolled = grid.m_CUGGrid->GetSurface()->image.copy();
    QImage full = Paint(grid.m_CUGGrid);
    EXPECT_TRUE(scrolled == full) << "top " << step.top << " left " << step.left;
  }
}

TEST_F(RenderTest, PaintingTheControlFillsTheSquareBetweenTheBarsAndLaysOut) {
  grid.SetColCount(12);  // both scroll bars show
  grid.m_GI->m_sideHdgWidth = 60;  // changed without a layout
  QImage image = Paint(&grid);
  CRect client;
  grid.GetClientRect(&client);
  EXPECT_EQ(PixelOf(image, client.right - 3, client.bottom - 3), GetSysColor(COLOR_3DFACE));
  CRect side;
  grid.m_CUGSideHdg->GetClientRect(&side);
  EXPECT_EQ(side.Width(), 60) << "the paint laid the children out";
  ProcessPendingEvents();
  CRect pending;
  EXPECT_FALSE(grid.GetUpdateRect(&pending)) << "laying out does not ask the control to paint again";
}

TEST_F(RenderTest, SwitchingSheetsLaysOutEvenWithoutARedraw) {
  grid.SetSheetCount(2);
  grid.SetCurrentSheet(1);
  grid.SetSideHeadingWidth(70);
  grid.SetCurrentSheet(0, FALSE);
  CRect side;
  grid.m_CUGSideHdg->GetClientRect(&side);
  EXPECT_EQ(side.Width(), 40);
  grid.SetCurrentSheet(1, FALSE);
  grid.m_CUGSideHdg->GetClientRect(&side);
  EXPECT_EQ(side.Width(), 70);
}

TEST_F(RenderTest, ScrollingWithLockedRowsAndColumnsRepaintsLikeAFullPaint) {
  grid.SetColCount(12);
  for (long r = 0; r < 50; ++r) {
    for (int c = 0; c < 12; ++c) grid.QuickSetText(c, r, std::to_string(c) + ":" + std::to_string(r));
  }
  grid.SetLockedColCount(1);
  grid.SetLockedRowCount(1);
  Paint(grid.m_CUGGrid);
  struct Step {
    long top;
    int left;
  };
  const Step steps[] = {{3, 0}, {3, 2}, {5, 3}, {4, 2}, {4, 1}, {2, 1}, {2, 3}};
  for (const Step& step : steps) {
    // One move, changing one or both at once.
    grid.m_GI->m_topRow = step.top;
    grid.m_GI->m_leftCol = step.left;
    grid.m_CUGGrid->ScrollAndRedraw();
    QImage scrolled = grid.m_CUGGrid->GetSurface()->image.copy();
    QImage full = Paint(grid.m_CUGGrid);
    EXPECT_TRUE(scrolled == full) << "top " << step.top << " left " << step.left;
  }
}

// Counts the row-heading cells it composes.
class CountingGrid : public RecordingGrid {
 public:
  int headingReads = 0;
  void OnCellGet(int col, long row, CUGCell*) override {
    if (col < 0 && row >= 0) ++headingReads;
  }
};

TEST(RenderSideHeadingTest, TheRowHeadingScrollsItsPixelsAndPaintsOnlyWhatIsNew) {
  CWnd parent;
  CountingGrid grid;
  ASSERT_NO_FATAL_FAILURE(ShowInParent(&parent, &grid, 3, 60));
  for (long r = 0; r < 60; ++r) grid.QuickSetText(-1, r, std::to_string(r));
  grid.SetLockedRowCount(1);
  auto paint = [&grid] {
    grid.m_CUGSideHdg->Invalidate(FALSE);
    grid.m_CUGSideHdg->UpdateWindow();
    return grid.m_CUGSideHdg->GetSurface()->image.copy();
  };
  paint();
  for (long top : {2L, 3L, 7L, 5L, 30L, 29L}) {
    grid.headingReads = 0;
    grid.SetTopRow(top);
    const int reads = grid.headingReads;
    QImage scrolled = grid.m_CUGSideHdg->GetSurface()->image.copy();
    EXPECT_TRUE(scrolled == paint()) << "top " << top;
    if (top == 3L) {
      EXPECT_LE(reads, 2) << "one row uncovered";
    }
  }
  // A move of the current row repaints the two headings it concerns.
  grid.GotoRow(31);
  QImage moved = grid.m_CUGSideHdg->GetSurface()->image.copy();
  EXPECT_TRUE(moved == paint());
  parent.DestroyWindow();
}

// Repaints cells from its move notifications, as an owner that colours
// the current row does.
class RepaintingGrid : public RecordingGrid {
 public:
  void OnTopRowChanged(long, long newRow) override { RedrawCell(0, newRow); }
  void OnCurrentRowChanged(long oldRow, long newRow) override {
    RedrawCell(1, oldRow);
    RedrawCell(1, newRow);
  }
};

TEST(RenderRepaintTest, RepaintsFromMoveNotificationsDoNotScrollTwice) {
  CWnd parent;
  RepaintingGrid grid;
  ASSERT_NO_FATAL_FAILURE(ShowInParent(&parent, &grid, 5, 50));
  for (long r = 0; r < 50; ++r) grid.QuickSetText(0, r, "row " + std::to_string(r));
  auto paint = [&grid] {
    grid.m_CUGGrid->Invalidate(FALSE);
    grid.m_CUGGrid->UpdateWindow();
    return grid.m_CUGGrid->GetSurface()->image.copy();
  };
  paint();
  for (long top : {2L, 5L, 4L}) {
    grid.SetTopRow(top);
    QImage scrolled = grid.m_CUGGrid->GetSurface()->image.copy();
    EXPECT_TRUE(scrolled == paint()) << "top " << top;
  }
  for (int i = 0; i < 12; ++i) grid.MoveCurrentRow(1);  // scrolls as it passes the bottom
  QImage moved = grid.m_CUGGrid->GetSurface()->image.copy();
  EXPECT_TRUE(moved == paint());
  parent.DestroyWindow();
}

TEST_F(RenderTest, JoinedCellsPaintAsOne) {
  grid.JoinCells(1, 1, 2, 2);
  grid.QuickSetText(1, 1, "joined");
  QImage image = Paint(grid.m_CUGGrid);
  // No grid line inside the joined block.
  EXPECT_EQ(PixelOf(image, 149, 30), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(PixelOf(image, 160, 39), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(PixelOf(image, 224, 50), RGB(0xDC, 0xDC, 0xDC));
}

}  // namespace
