// Mouse, keys and wheel sent to the grid's windows as messages: moves,
// key acceleration, column and row sizing, column dragging, and the
// built-in cell types' answers.
#include <gtest/gtest.h>

#include "grid/UGCheckBoxType.h"
#include "grid/UGDropListType.h"
#include "grid/UGGrid.h"
#include "grid/UGHint.h"
#include "grid/UGSideHdg.h"
#include "grid/UGSliderType.h"
#include "grid/UGTab.h"
#include "grid/UGTopHdg.h"
#include "platform/Thread.h"
#include "platform/ui/ControlStyles.h"
#include "support/Doubles.h"
#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::RecordingGrid;

// Also records the cell types' notices.
class NotifyingGrid : public grid_test::SizingGrid {
 public:
  BOOL OnCellTypeNotify(long id, int col, long row, long message, LPARAM param) override {
    Log("Notify " + std::to_string(id) + " " + std::to_string(col) + "," + std::to_string(row) + " " +
        std::to_string(message) + " " + std::to_string(param));
    return TRUE;
  }
};

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(grid_test::ShowInParent(&parent, &grid, 6, 100));
    grid.log.clear();
  }
  void TearDown() override { parent.DestroyWindow(); }

  static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
  void Key(UINT key) {
    grid.m_CUGGrid->SendMessage(WM_KEYDOWN, key, 1);
  }
  // Rests the mouse on (x, y), presses, moves to (toX, toY) and releases.
  void Drag(CWnd* wnd, int x, int y, int toX, int toY) {
    grid_test::PressAndMove(wnd, x, y, toX, toY);
    wnd->SendMessage(WM_LBUTTONUP, 0, At(toX, toY));
  }
  void Click(CWnd* wnd, int x, int y, UINT flags = 0) {
    wnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | flags, At(x, y));
    wnd->SendMessage(WM_LBUTTONUP, flags, At(x, y));
  }

  CWnd parent;
  NotifyingGrid grid;
};

TEST_F(InputTest, ArrowKeysPagesHomeAndEnd) {
  testing_support::KeyStateDouble keys;
  struct Case {
    UINT key;
    bool ctrl;
    int col;
    long row;
  };
  const Case cases[] = {
      {VK_DOWN, false, 0, 1},  {VK_RIGHT, false, 1, 1}, {VK_NEXT, false, 1, 10}, {VK_PRIOR, false, 1, 1},
      {VK_END, false, 5, 1},   {VK_HOME, false, 0, 1},  {VK_END, true, 0, 99},   {VK_UP, false, 0, 98},
      {VK_HOME, true, 0, 0},   {VK_LEFT, false, 0, 0},
  };
  for (const Case& c : cases) {
    if (c.ctrl) keys.Hold(VK_CONTROL);
    Key(c.key);
    grid.m_CUGGrid->SendMessage(WM_KEYUP, c.key, 1);
    keys.Release(VK_CONTROL);
    EXPECT_EQ(grid.GetCurrentCol(), c.col) << "key " << c.key;
    EXPECT_EQ(grid.GetCurrentRow(), c.row) << "key " << c.key;
  }
}

TEST_F(InputTest, RepeatedArrowsAccelerate) {
  grid.SetBallisticMode(4, 0);
  for (int i = 0; i < 7; ++i) Key(VK_DOWN);  // counters 1..7: one row each, then 2 at 4..7
  long before = grid.GetCurrentRow();
  Key(VK_DOWN);  // the 8th repeat: (8 / 4)^3 + 1
  EXPECT_EQ(grid.GetCurrentRow() - before, 9);
  grid.m_CUGGrid->SendMessage(WM_KEYUP, VK_DOWN, 1);
  before = grid.GetCurrentRow();
  Key(VK_DOWN);
  EXPECT_EQ(grid.GetCurrentRow() - before, 1);
}

TEST_F(InputTest, TheWheelScrollsThreeRowsPerNotch) {
  grid.SetTopRow(10);
  grid.m_CUGGrid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 240), At(0, 0));
  EXPECT_EQ(grid.GetTopRow(), 4);
  grid.m_CUGGrid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), At(0, 0));
  EXPECT_EQ(grid.GetTopRow(), 7);
  EXPECT_EQ(grid.GetCurrentRow(), 0);
}

TEST_F(InputTest, TouchpadStepsSmallerThanANotchAddUp) {
  grid.SetTopRow(10);
  for (int i = 0; i < 8; ++i) grid.m_CUGGrid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -15), At(0, 0));
  EXPECT_EQ(grid.GetTopRow(), 13) << "120 units in eight steps make a notch";
  grid.m_CUGGrid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -30), At(0, 0));
  EXPECT_EQ(grid.GetTopRow(), 13);
  grid.m_CUGGrid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -10), At(0, 0));
  EXPECT_EQ(grid.GetTopRow(), 14);
}

TEST_F(InputTest, ClicksMoveTheCurrentCellButNotWhileEditing) {
  Click(grid.m_CUGGrid, 100, 45);
  EXPECT_EQ(grid.GetCurrentCol(), 1);
  EXPECT_EQ(grid.GetCurrentRow(), 2);
  CWnd edit;
  ASSERT_TRUE(edit.Create("", WS_CHILD, CRect(0, 0, 10, 10), &parent, 5));
  grid.editWindow = &edit;
  ASSERT_EQ(grid.StartEdit(1, 2, 0), UG_SUCCESS);
  Click(grid.m_CUGGrid, 10, 5);
  EXPECT_EQ(grid.GetCurrentCol(), 1);
  grid.m_CUGGrid->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), At(0, 0));
  EXPECT_EQ(grid.GetTopRow(), 0);
  grid.CancelEdit();
}

TEST_F(InputTest, ColumnBorderArmsWithinThreePixels) {
  CUGTopHdg* heading = grid.m_CUGTopHdg;
  // Column 0 ends at 75: 3 pixels away does not arm, 2 does.
  Drag(heading, 78, 10, 100, 10);
  EXPECT_EQ(grid.GetColWidth(0), 75);
  Drag(heading, 77, 10, 97, 10);
  EXPECT_EQ(grid.GetColWidth(0), 95);
  EXPECT_EQ(grid.sizedCol, 0);
  EXPECT_EQ(grid.sizedWidth, 95);
}

TEST_F(InputTest, DraggingPastTheLeftEdgeHidesAColumnAndItsBorderFindsItAgain) {
  CUGTopHdg* heading = grid.m_CUGTopHdg;
  Drag(heading, 150, 10, 40, 10);  // the border of column 1
  EXPECT_EQ(grid.GetColWidth(1), 0);
  // Column 0's border is now column 1's too: the hidden one is picked.
  Drag(heading, 75, 10, 105, 10);
  EXPECT_EQ(grid.GetColWidth(1), 30);
  EXPECT_EQ(grid.GetColWidth(0), 75);
}

TEST_F(InputTest, DoubleClickOnABorderFitsTheColumn) {
  grid.QuickSetText(0, 3, "a text much wider than seventy-five pixels");
  CUGTopHdg* heading = grid.m_CUGTopHdg;
  heading->SendMessage(WM_MOUSEMOVE, 0, At(74, 10));
  heading->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(74, 10));
  EXPECT_GT(grid.GetColWidth(0), 150);
  EXPECT_EQ(grid.sizedCol, 0);
}

TEST_F(InputTest, RowBorderSizingInTheRowHeading) {
  grid.SetUniformRowHeight(FALSE);
  CUGSideHdg* heading = grid.m_CUGSideHdg;
  Drag(heading, 10, 41, 10, 51);  // the border of row 1
  EXPECT_EQ(grid.GetRowHeight(1), 30);
  EXPECT_EQ(grid.GetRowHeight(2), 20);
}

TEST_F(InputTest, SizingOneHeadingPartLeavesTheOthersAndMovesTheTotal) {
  // Two heading rows (columns): an inner border sizes the outer part only,
  // the outer border sizes the part next to the cells; the total follows.
  grid.SetTopHeadingRowCount(2);
  grid.SetSideHeadingColCount(2);
  const int top = grid.GetTopHeadingHeight();
  const int side = grid.GetSideHeadingWidth();
  const int topInner = grid.GetRowHeight(-1);
  const int sideInner = grid.GetColWidth(-1);
  const int topOuter = grid.GetRowHeight(-2);
  const int sideOuter = grid.GetColWidth(-2);
  ASSERT_GT(topInner, 0);
  ASSERT_GT(sideInner, 0);
  Drag(grid.m_CUGTopHdg, 110, top - topInner, 110, top - topInner + 10);
  EXPECT_EQ(grid.GetRowHeight(-2), topOuter + 10);
  EXPECT_EQ(grid.GetRowHeight(-1), topInner);
  EXPECT_EQ(grid.GetTopHeadingHeight(), top + 10);
  Drag(grid.m_CUGTopHdg, 110, top + 9, 110, top + 4);
  EXPECT_EQ(grid.GetRowHeight(-2), topOuter + 10);
  EXPECT_EQ(grid.GetRowHeight(-1), topInner - 5);
  EXPECT_EQ(grid.GetTopHeadingHeight(), top + 5);
  Drag(grid.m_CUGSideHdg, side - sideInner, 110, side - sideInner + 10, 110);
  EXPECT_EQ(grid.GetColWidth(-2), sideOuter + 10);
  EXPECT_EQ(grid.GetColWidth(-1), sideInner);
  EXPECT_EQ(grid.GetSideHeadingWidth(), side + 10);
}

TEST_F(InputTest, ColumnsAreDraggedToANewPlace) {
  for (int c = 0; c < 6; ++c) grid.QuickSetText(c, 0, std::string(1, static_cast<char>('A' + c)));
  grid.EnableColSwapping(TRUE);
  CUGTopHdg* heading = grid.m_CUGTopHdg;
  heading->SendMessage(WM_MOUSEMOVE, 0, At(30, 10));
  heading->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(30, 10));
  heading->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(160, 10));  // the left half of column 2
  EXPECT_EQ(heading->GetDropPosition(), 2);
  heading->SendMessage(WM_LBUTTONUP, 0, At(160, 10));
  EXPECT_EQ(grid.QuickGetText(0, 0), "B");
  EXPECT_EQ(grid.QuickGetText(1, 0), "A");
  ASSERT_FALSE(grid.log.empty());
  EXPECT_EQ(grid.log.back(), "Moved 0->1");
}

TEST_F(InputTest, CheckBoxesToggleByClickAndSpace) {
  grid.QuickSetCellType(1, 1, UGCT_CHECKBOX);
  CRect rect;
  grid.GetCellRect(1, 1, &rect);
  CRect box = CUGCheckBoxType::BoxRect(CRect(rect.left, rect.top, rect.right - 1, rect.bottom - 1), 0, 0);
  Click(grid.m_CUGGrid, box.left + 3, box.top + 3);
  CUGCell cell;
  grid.GetCellIndirect(1, 1, &cell);
  EXPECT_EQ(cell.GetNumber(), 1.0);
  ASSERT_FALSE(grid.log.empty());
  EXPECT_EQ(grid.log.back(), "Notify 2 1,1 53 1");
  Click(grid.m_CUGGrid, rect.right - 5, rect.top + 5);  // outside the box
  grid.GetCellIndirect(1, 1, &cell);
  EXPECT_EQ(cell.GetNumber(), 1.0);
  // Tri-state: space cycles 1, 2, 0.
  CUGCell stored;
  grid.GetCell(1, 1, &stored);
  stored.SetCellTypeEx(UGCT_CHECKBOX3STATE);
  grid.SetCell(1, 1, &stored);
  std::vector<double> states;
  for (int i = 0; i < 3; ++i) {
    grid.m_CUGGrid->SendMessage(WM_CHAR, ' ', 1);
    grid.GetCellIndirect(1, 1, &cell);
    states.push_back(cell.GetNumber());
  }
  EXPECT_EQ(states, (std::vector<double>{2, 0, 1}));
  stored.SetReadOnly(TRUE);
  grid.SetCell(1, 1, &stored);
  grid.m_CUGGrid->SendMessage(WM_CHAR, ' ', 1);
  grid.GetCellIndirect(1, 1, &cell);
  EXPECT_EQ(cell.GetNumber(), 1.0);
}

// A read-only cell of each type the mouse changes stays as it is under
// presses, double clicks and drags across it, and no change is told: the
// check boxes, the slider and the drop list (whose list does not open).
TEST_F(InputTest, ReadOnlyCellsDoNotChangeUnderThePointer) {
  CUGSliderType slider;
  const int sliderType = grid.AddCellType(&slider);
  const struct {
    const char* kind;
    int type;
    long ex;
  } rows[] = {{"check box", UGCT_CHECKBOX, 0},
              {"three-state check box", UGCT_CHECKBOX, UGCT_CHECKBOX3STATE},
              {"slider", sliderType, 0},
              {"drop list", UGCT_DROPLIST, 0}};
  auto* dropList = static_cast<CUGDropListType*>(grid.GetCellType(UGCT_DROPLIST));
  ASSERT_NE(dropList, nullptr);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.kind);
    CUGCell cell;
    grid.GetCell(2, 2, &cell);
    cell.SetCellTypeIndex(row.type);
    cell.SetCellTypeEx(row.ex);
    cell.SetLabel("a\nb\n");
    cell.SetText("1");
    cell.SetReadOnly(TRUE);
    grid.SetCell(2, 2, &cell);
    CRect rect;
    grid.GetCellRect(2, 2, &rect);
    grid.log.clear();
    const int y = rect.top + rect.Height() / 2;
    const auto unchanged = [&] { return grid.QuickGetText(2, 2) == "1" && !dropList->IsListOpen(); };
    for (int x = rect.left + 1; x < rect.right; x += 2) {
      grid.m_CUGGrid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
      grid.m_CUGGrid->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(rect.right - 1, y));
      grid.m_CUGGrid->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(rect.left + 1, y));
      grid.m_CUGGrid->SendMessage(WM_LBUTTONUP, 0, At(x, y));
      ASSERT_TRUE(unchanged()) << "pressed and dragged at x " << x;
      grid.m_CUGGrid->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(x, y));
      grid.m_CUGGrid->SendMessage(WM_LBUTTONUP, 0, At(x, y));
      ASSERT_TRUE(unchanged()) << "double-clicked at x " << x;
    }
    ProcessPendingEvents();
    for (const std::string& entry : grid.log) EXPECT_NE(entry.rfind("Notify", 0), 0u) << entry;
  }
}

TEST_F(InputTest, SlidersFollowTheDragAndClampAtTheirEnds) {
  CUGSliderType slider;
  int index = grid.AddCellType(&slider);
  grid.QuickSetCellType(2, 2, index);
  grid.QuickSetText(2, 2, "0");
  CRect rect;
  grid.GetCellRect(2, 2, &rect);
  int thumb = CUGSliderType::ThumbX(rect, 0);
  grid.m_CUGGrid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(thumb + 1, rect.top + 5));
  EXPECT_TRUE(slider.IsDragging());
  grid.log.clear();
  grid.m_CUGGrid->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(rect.right + 50, rect.top + 5));
  EXPECT_EQ(grid.QuickGetText(2, 2), "100");
  grid.m_CUGGrid->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(rect.right + 60, rect.top + 5));
  size_t notices = 0;
  for (const std::string& entry : grid.log) notices += entry.rfind("Notify", 0) == 0 ? 1 : 0;
  EXPECT_EQ(notices, 1u);  // an unchanged percent sends nothing
  grid.m_CUGGrid->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(rect.left - 40, rect.top + 5));
  EXPECT_EQ(grid.QuickGetText(2, 2), "0");
  grid.m_CUGGrid->SendMessage(WM_LBUTTONUP, 0, At(rect.left, rect.top + 5));
  EXPECT_EQ(CUGSliderType::PercentAt(CRect(0, 0, 6, 10), 5), 100);  // a tiny cell
  EXPECT_EQ(CUGSliderType::PercentAt(CRect(0, 0, 106, 10), 53), 50);
}

TEST_F(InputTest, ATipShowsTheHintTextOfTheCellUnderTheMouse) {
  CUGHint* hint = grid.m_CUGHint;
  grid.m_CUGGrid->SendMessage(WM_MOUSEMOVE, 0, At(100, 45));
  EXPECT_FALSE(hint->IsWindowVisible());
  grid.m_CUGGrid->SendMessage(WM_TIMER, 77);  // the mouse rested on the cell
  EXPECT_TRUE(hint->IsWindowVisible());
  EXPECT_EQ(hint->GetText(), "Col:1 Row:2");
  grid.m_CUGGrid->SendMessage(WM_MOUSEMOVE, 0, At(180, 45));  // another cell
  EXPECT_FALSE(hint->IsWindowVisible());
  // The headings show theirs with their own section.
  grid.m_CUGTopHdg->SendMessage(WM_MOUSEMOVE, 0, At(180, 10));
  grid.m_CUGTopHdg->SendMessage(WM_TIMER, 77);
  EXPECT_TRUE(hint->IsWindowVisible());
  EXPECT_EQ(hint->GetText(), "Col:2 Row:-1");
  grid.m_CUGTopHdg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(180, 10));
  grid.m_CUGTopHdg->SendMessage(WM_LBUTTONUP, 0, At(180, 10));
  EXPECT_FALSE(hint->IsWindowVisible());
}

TEST(UGTipTest, AnOwnerWithoutHintsShowsNoTip) {
  class Quiet : public RecordingGrid {
   public:
    BOOL GetHintText(int, long, int, std::string*) override { return FALSE; }
  };
  CWnd parent;
  ASSERT_TRUE(parent.Create("parent", 0, CRect(0, 0, 300, 200), nullptr, 0));
  Quiet grid;
  ASSERT_TRUE(grid.CreateGrid(WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 1000));
  parent.ShowWindow(SW_SHOW);
  grid.SetColCount(3);
  grid.SetRowCount(3);
  grid.m_CUGGrid->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  grid.m_CUGGrid->SendMessage(WM_TIMER, 77);
  EXPECT_FALSE(grid.m_CUGHint->IsWindowVisible());
  parent.DestroyWindow();
}

TEST(UGDropListTest, ChoicesEndAtLineFeeds) {
  EXPECT_EQ(UGSplitChoices("True\nFalse\n"), (std::vector<std::string>{"True", "False"}));
  EXPECT_EQ(UGSplitChoices("a\nb"), (std::vector<std::string>{"a"}));
  EXPECT_TRUE(UGSplitChoices("").empty());
  EXPECT_EQ(UGSplitChoices("\n\n"), (std::vector<std::string>{"", ""}));
}

TEST_F(InputTest, TabAreaDraggedNarrowStaysFortyWide) {
  grid.SetTabWidth(150);
  grid.m_CUGTab->AddTab("Sheet 1", 1);
  CUGTab* tabs = grid.m_CUGTab;
  CRect client;
  tabs->GetClientRect(&client);
  Drag(tabs, client.right - 3, 5, 10, 5);
  EXPECT_EQ(grid.m_GI->m_tabWidth, 40);
}

TEST_F(InputTest, TabsSelectByClickAndTheStripScrolls) {
  grid.SetTabWidth(200);
  CUGTab* tabs = grid.m_CUGTab;
  for (int i = 0; i < 8; ++i) tabs->AddTab("Sheet number " + std::to_string(i), 10 + i);
  EXPECT_EQ(tabs->GetTabCount(), 8);
  EXPECT_EQ(tabs->AddTab("again", 10), UG_ERROR);
  int x = 0;
  EXPECT_EQ(tabs->HitTest(x + 5), 0);
  grid.log.clear();
  tabs->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(tabs->GetCurrentTabId(), 10);
  ASSERT_FALSE(grid.log.empty());
  EXPECT_EQ(grid.log.back(), "Tab 10");
  // The arrows scroll the strip by five pixels.
  tabs->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
  EXPECT_EQ(tabs->GetScrollOffset(), 5);
  tabs->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0), 0);
  EXPECT_EQ(tabs->GetScrollOffset(), 0);
  EXPECT_EQ(tabs->DeleteTab(10), UG_SUCCESS);
  EXPECT_EQ(tabs->GetTabCount(), 7);
}

}  // namespace
