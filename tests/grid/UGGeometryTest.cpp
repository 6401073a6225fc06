// Pure geometry: layout, largest top row, paging, scroll bars, sizing,
// fitting, hints and tabs; plus the small lists of the grid.
#include <gtest/gtest.h>

#include <vector>

#include "grid/UGGeometry.h"
#include "grid/UGPtrList.h"
#include "grid/UGRedrawList.h"

namespace {

UGLayoutInput Input(int w, int h, long cols, int colWidth, long rows, int rowHeight) {
  UGLayoutInput in;
  in.width = w;
  in.height = h;
  in.sideHdgWidth = 40;
  in.topHdgHeight = 20;
  in.vScrollWidth = 17;
  in.hScrollHeight = 17;
  in.colCount = cols;
  in.colWidth = [colWidth](long) { return colWidth; };
  in.rowCount = rows;
  in.rowHeight = [rowHeight](long) { return rowHeight; };
  return in;
}

TEST(UGLayoutTest, EverythingFitsNoScrollBars) {
  UGLayout l = UGComputeLayout(Input(400, 300, 4, 75, 10, 20));
  EXPECT_FALSE(l.vScrollShown);
  EXPECT_FALSE(l.hScrollShown);
  EXPECT_EQ(l.corner, CRect(0, 0, 40, 20));
  EXPECT_EQ(l.topHdg, CRect(40, 0, 400, 20));
  EXPECT_EQ(l.sideHdg, CRect(0, 20, 40, 300));
  EXPECT_EQ(l.grid, CRect(40, 20, 400, 300));
  EXPECT_EQ(l.vScroll, CRect(400, 0, 400, 300));
  EXPECT_EQ(l.hScroll, CRect(0, 300, 400, 300));
  EXPECT_EQ(l.tab, CRect(0, 300, 0, 300));
  EXPECT_EQ(l.gridWidth, 360);
  EXPECT_EQ(l.gridHeight, 280);
}

TEST(UGLayoutTest, ScrollBarsAppearWhenCellsDoNotFit) {
  struct Case {
    long cols;
    long rows;
    bool v;
    bool h;
  };
  const Case cases[] = {
      {4, 14, false, false},   // 280 pixels of rows: exactly fits
      {4, 15, true, false},    // rows overflow
      {5, 10, false, true},    // 375 > 360 columns overflow
      {4, 14, false, false},
      {5, 14, true, true},     // the horizontal bar takes room from the rows
      {5, 13, false, true},    // 260 + 17 fits
  };
  for (const Case& c : cases) {
    UGLayout l = UGComputeLayout(Input(400, 300, c.cols, 75, c.rows, 20));
    EXPECT_EQ(l.vScrollShown, c.v) << c.cols << "x" << c.rows;
    EXPECT_EQ(l.hScrollShown, c.h) << c.cols << "x" << c.rows;
    if (c.v) {
      EXPECT_EQ(l.vScroll, CRect(383, 0, 400, c.h ? 283 : 300));
    }
    if (c.h) {
      EXPECT_EQ(l.hScroll, CRect(0, 283, c.v ? 383 : 400, 300));
    }
    EXPECT_EQ(l.grid.right, c.v ? 383 : 400);
    EXPECT_EQ(l.grid.bottom, c.h ? 283 : 300);
  }
}

TEST(UGLayoutTest, VerticalBarCanPushColumnsOverTheEdge) {
  // 360 pixels of columns fit the cell area until the vertical bar takes 17.
  UGLayout l = UGComputeLayout(Input(400, 300, 4, 90, 40, 20));
  EXPECT_TRUE(l.vScrollShown);
  EXPECT_TRUE(l.hScrollShown);
}

TEST(UGLayoutTest, TabsKeepTheHorizontalBarAndAreCutToItsRoom) {
  UGLayoutInput in = Input(400, 300, 10, 75, 5, 20);
  in.tabWidth = 150;
  UGLayout l = UGComputeLayout(in);
  EXPECT_TRUE(l.hScrollShown);
  EXPECT_EQ(l.tab, CRect(0, 283, 150, 300));
  EXPECT_EQ(l.hScroll, CRect(150, 283, 400, 300));
  in.tabWidth = 900;
  l = UGComputeLayout(in);
  EXPECT_EQ(l.tab.right, 400);
  in = Input(400, 300, 2, 75, 5, 20);
  in.tabWidth = 150;
  l = UGComputeLayout(in);  // all columns fit: the tabs take the whole width
  EXPECT_TRUE(l.hScrollShown);
  EXPECT_EQ(l.tab, CRect(0, 283, 406, 300));
}

TEST(UGLayoutTest, LargestTopIndex) {
  auto twenty = [](long) { return 20; };
  EXPECT_EQ(UGComputeMaxTopIndex(100, 0, 200, 0, twenty), 90);
  EXPECT_EQ(UGComputeMaxTopIndex(100, 0, 210, 0, twenty), 90);
  EXPECT_EQ(UGComputeMaxTopIndex(100, 0, 190, 0, twenty), 91);
  EXPECT_EQ(UGComputeMaxTopIndex(5, 0, 200, 0, twenty), 0);
  EXPECT_EQ(UGComputeMaxTopIndex(0, 0, 200, 0, twenty), 0);
  EXPECT_EQ(UGComputeMaxTopIndex(100, 2, 200, 40, twenty), 92);
  EXPECT_EQ(UGComputeMaxTopIndex(5, 3, 200, 60, twenty), 3);
  auto varied = [](long r) { return r == 9 ? 500 : 10; };
  EXPECT_EQ(UGComputeMaxTopIndex(10, 0, 100, 0, varied), 9);  // limited to the last row
}

TEST(UGLayoutTest, PagingAndShowingAtTheEnd) {
  auto twenty = [](long) { return 20; };
  EXPECT_EQ(UGPageTarget(10, true, 100, twenty), 15);
  EXPECT_EQ(UGPageTarget(10, false, 100, twenty), 5);
  EXPECT_EQ(UGPageTarget(10, true, 10, twenty), 11);  // a row taller than the page
  EXPECT_EQ(UGTopIndexToShowAtEnd(10, 100, true, 20, twenty), 6);
  EXPECT_EQ(UGTopIndexToShowAtEnd(10, 100, false, 0, twenty), 6);
  EXPECT_EQ(UGTopIndexToShowAtEnd(10, 10, false, 0, twenty), 10);  // never past the target
  EXPECT_EQ(UGTopIndexToShowAtEnd(2, 100, false, 0, twenty), 0);
}

TEST(UGLayoutTest, BallisticStepsAndWheel) {
  EXPECT_EQ(UGBallisticStep(8, 4), 9);
  EXPECT_EQ(UGBallisticStep(3, 4), 1);
  EXPECT_EQ(UGBallisticStep(12, 4), 28);
  EXPECT_EQ(UGBallisticStep(50, 0), 1);
  EXPECT_EQ(UGWheelRows(240), -6);
  EXPECT_EQ(UGWheelRows(-120), 3);
  EXPECT_EQ(UGWheelRows(119), 0);
  EXPECT_EQ(UGWheelRows(-250), 6);
}

TEST(UGLayoutTest, SmallWheelStepsAddUpToRows) {
  // One row per 40 units; what is left waits for the next step in the
  // same direction, and a turn of direction starts afresh.
  struct Step {
    int delta;
    long rows;
    int left;
  };
  const Step steps[] = {{15, 0, 15}, {15, 0, 30}, {15, -1, 5},  {120, -3, 5}, {-10, 0, -10},
                        {-35, 1, -5}, {30, 0, 30},  {-120, 3, 0}, {-250, 6, -10}};
  int remainder = 0;
  for (const Step& step : steps) {
    EXPECT_EQ(UGWheelRows(step.delta, &remainder), step.rows) << step.delta;
    EXPECT_EQ(remainder, step.left) << step.delta;
  }
}

TEST(UGScrollTest, VerticalRangesAndScaling) {
  UGScrollInfo info = UGVScrollInfo(2000, 4000, 0, 200, 20, 0);
  EXPECT_TRUE(info.scaled);
  EXPECT_EQ(info.min, 0);
  EXPECT_EQ(info.max, 1000);
  EXPECT_EQ(info.pos, 500);
  EXPECT_EQ(UGVScrollPosToRow(500, 4000, 0, 0), 2000);
  // Large tables do not overflow the scaling.
  info = UGVScrollInfo(2000000000L, 2100000000L, 0, 200, 20, 0);
  EXPECT_EQ(info.pos, 952);
  EXPECT_EQ(UGVScrollPosToRow(1000, 2100000000L, 0, 0), 2100000000L);

  info = UGVScrollInfo(30, 90, 2, 200, 20, 0);
  EXPECT_FALSE(info.scaled);
  EXPECT_EQ(info.page, 10);
  EXPECT_EQ(info.min, 2);
  EXPECT_EQ(info.max, 99);
  EXPECT_EQ(info.pos, 30);
  info = UGVScrollInfo(30, 90, 0, 200, 0, 0);  // a row height of 0 counts as 1
  EXPECT_EQ(info.page, 200);
  info = UGVScrollInfo(30, 90, 0, 200, 20, 2);
  EXPECT_EQ(info.max, 2);
  EXPECT_EQ(info.pos, 1);
}

TEST(UGScrollTest, HorizontalRange) {
  UGScrollInfo info = UGHScrollInfo(5, 12, 1, 300, 50, 50);
  EXPECT_EQ(info.page, 5);
  EXPECT_EQ(info.max, 15);
  EXPECT_EQ(info.pos, 4);
  EXPECT_EQ(UGHScrollPosToCol(4, 1), 5);
  info = UGHScrollInfo(0, 3, 0, 300, 0, 0);  // a default width of 0
  EXPECT_EQ(info.page, 300);
}

TEST(UGSizingTest, BorderWithinThreePixelsArmsSizing) {
  std::vector<int> widths = {50, 60, 0, 40};
  auto width = [&widths](long c) { return widths[static_cast<size_t>(c)]; };
  std::vector<long> shown = {0, 1, 2, 3};
  EXPECT_EQ(UGSizingCandidate(52, shown, 0, 4, width), 0);
  EXPECT_EQ(UGSizingCandidate(53, shown, 0, 4, width), -1);  // exactly 3 away
  EXPECT_EQ(UGSizingCandidate(48, shown, 0, 4, width), 0);
  // Column 2 is hidden: its left neighbour's border picks it.
  EXPECT_EQ(UGSizingCandidate(110, shown, 0, 4, width), 2);
  EXPECT_EQ(UGSizingCandidate(151, shown, 0, 4, width), 3);
  EXPECT_EQ(UGSizingCandidate(25, shown, 0, 4, width), -1);
}

TEST(UGSizingTest, FitAndScaleWidths) {
  std::vector<int> fitted = UGFitWidths({50, 100, 50}, 300);
  EXPECT_EQ(fitted, (std::vector<int>{75, 150, 75}));
  fitted = UGFitWidths({1, 1, 1}, 100);
  EXPECT_EQ(fitted, (std::vector<int>{33, 33, 34}));
  EXPECT_TRUE(UGFitWidths({0, 0}, 100).empty());
  EXPECT_EQ(UGScaleWidths({25, 15}, 80), (std::vector<int>{50, 30}));
  EXPECT_EQ(UGScaleWidths({0, 0}, 41), (std::vector<int>{20, 21}));
  EXPECT_EQ(UGScaleWidths({40}, 0), (std::vector<int>{0}));
}

TEST(UGHintTest, PlacementByAnchorAndShiftedInside) {
  CRect bounds(0, 0, 300, 200);
  EXPECT_EQ(UGPlaceHint(100, 50, 40, 20, 16, 0, bounds), CRect(100, 50, 140, 66));
  EXPECT_EQ(UGPlaceHint(100, 50, 0, 50, 16, UG_HINT_ALIGNRIGHT | UG_HINT_ALIGNVCENTER, bounds),
            CRect(46, 42, 100, 58));
  EXPECT_EQ(UGPlaceHint(100, 50, 0, 50, 16, UG_HINT_ALIGNCENTER | UG_HINT_ALIGNBOTTOM, bounds),
            CRect(73, 34, 127, 50));
  // Right-aligned left of the window's start: shifted right into it.
  EXPECT_EQ(UGPlaceHint(10, 50, 0, 50, 16, UG_HINT_ALIGNRIGHT, bounds), CRect(0, 50, 54, 66));
  EXPECT_EQ(UGPlaceHint(290, 195, 0, 50, 16, 0, bounds), CRect(246, 184, 300, 200));
}

TEST(UGTabTest, OffsetsAndAreaWidth) {
  EXPECT_EQ(UGTabMaxOffset(200, 300), 0);
  EXPECT_EQ(UGTabMaxOffset(400, 300), 120);
  EXPECT_EQ(UGTabOffsetToShow(0, 350, 40, 300, 120), 109);
  EXPECT_EQ(UGTabOffsetToShow(100, 20, 40, 300, 120), 15);
  EXPECT_EQ(UGTabOffsetToShow(100, 2, 40, 300, 120), 0);
  EXPECT_EQ(UGTabAreaWidth(10), 40);
  EXPECT_EQ(UGTabAreaWidth(120), 120);
}

TEST(UGPtrListTest, AddsIntoFreeEntriesAndRefusesBadIndexes) {
  CUGPtrList list;
  int a = 1, b = 2, c = 3;
  EXPECT_EQ(list.AddPointer(&a, 5), 0);
  EXPECT_EQ(list.AddPointer(&b), 1);
  EXPECT_EQ(list.GetMaxCount(), 10);
  EXPECT_EQ(list.GetPointer(1), &b);
  EXPECT_EQ(list.GetPointer(7), nullptr);
  EXPECT_EQ(list.GetPointer(70), nullptr);
  EXPECT_EQ(list.GetParam(0), 5);
  EXPECT_EQ(list.UpdateParam(0, 6), 0);
  EXPECT_EQ(list.UpdateParam(7, 6), 2);
  EXPECT_EQ(list.UpdateParam(-1, 6), 1);
  EXPECT_EQ(list.DeletePointer(0), 0);
  EXPECT_EQ(list.AddPointer(&c), 0);
  for (int i = 0; i < 9; ++i) list.AddPointer(&a);
  EXPECT_EQ(list.GetMaxCount(), 20);
  EXPECT_EQ(list.GetPointerIndex(&c), 0);
  CUGPtrList::Id id{};
  id[0] = 7;
  int index = list.AddPointer(&c, 0, &id);
  ASSERT_NE(list.GetId(index), nullptr);
  EXPECT_EQ((*list.GetId(index))[0], 7);
}

TEST(UGRedrawListTest, RangesCellsAndBounds) {
  CUGRedrawList list;
  EXPECT_FALSE(list.IsCellInRange(0, 0));
  list.AddRange(2, 3, 4, 5);
  list.AddCell(10, 10);
  EXPECT_TRUE(list.IsCellInRange(3, 4));
  EXPECT_TRUE(list.IsCellInRange(10, 10));
  EXPECT_FALSE(list.IsCellInRange(7, 7));  // inside the bounding box only
  EXPECT_FALSE(list.IsCellInRange(1, 3));
  list.AddRange(8, 9, 6, 7);               // reversed corners
  EXPECT_TRUE(list.IsCellInRange(7, 8));
  list.AddCellToList(1, 1);
  EXPECT_TRUE(list.IsCellInList(1, 1));
  EXPECT_FALSE(list.IsCellInList(3, 4));
  list.ClearAll();
  EXPECT_FALSE(list.IsCellInRange(3, 4));
  EXPECT_FALSE(list.IsCellInList(1, 1));
}

}  // namespace
