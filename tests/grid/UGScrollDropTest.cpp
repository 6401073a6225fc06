// The scroll bars driven as the user drives them, the scroll hint, and the
// drop-list cell type's popup list.
#include <gtest/gtest.h>

#include "grid/UGDropListType.h"
#include "grid/UGGrid.h"
#include "grid/UGHScroll.h"
#include "grid/UGHint.h"
#include "grid/UGLstBox.h"
#include "grid/UGVScroll.h"
#include "platform/Thread.h"
#include "platform/ui/DC.h"
#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::RecordingGrid;

class ScrollGrid : public RecordingGrid {
 public:
  std::vector<std::string> notices;
  void OnViewScrolled(int section, long oldPos, long newPos) override {
    notices.push_back(std::to_string(section) + ":" + std::to_string(oldPos) + "->" + std::to_string(newPos));
  }
  BOOL GetVScrollHintText(long row, std::string* text) override {
    *text = "Row " + std::to_string(row);
    return TRUE;
  }
  BOOL OnCellTypeNotify(long, int, long, long message, LPARAM param) override {
    if (message == UGCT_DROPLISTSELECT) {
      Log("select " + *reinterpret_cast<std::string*>(param));
      return allowChoice;
    }
    Log("notify " + std::to_string(message));
    return TRUE;
  }
  BOOL allowChoice = TRUE;
};

class ScrollDropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(grid_test::ShowInParent(&parent, &grid, 8, 5000));
    ProcessPendingEvents();
    grid.notices.clear();
    grid.log.clear();
  }
  void TearDown() override { parent.DestroyWindow(); }

  CWnd parent;
  ScrollGrid grid;
};

TEST_F(ScrollDropTest, TheVerticalBarIsScaledAboveAThousandRows) {
  SCROLLINFO info;
  grid.m_CUGVScroll->GetScrollInfo(&info, SIF_ALL);
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 1000);
  long maxTop = grid.m_GI->m_maxTopRow;
  grid.m_CUGVScroll->ActAsUser(SB_THUMBPOSITION, 500);
  EXPECT_EQ(grid.GetTopRow(), 500 * maxTop / 1000);
  grid.m_CUGVScroll->ActAsUser(SB_LINEDOWN);
  EXPECT_EQ(grid.GetTopRow(), 500 * maxTop / 1000 + 1);
  grid.m_CUGVScroll->ActAsUser(SB_BOTTOM);
  EXPECT_EQ(grid.GetTopRow(), maxTop);
  grid.m_CUGVScroll->GetScrollInfo(&info, SIF_POS);
  EXPECT_EQ(info.nPos, 1000);
  grid.m_CUGVScroll->ActAsUser(SB_TOP);
  EXPECT_EQ(grid.GetTopRow(), 0);
  ASSERT_FALSE(grid.notices.empty());
  EXPECT_EQ(grid.notices.back(), "6:" + std::to_string(maxTop) + "->0");
}

TEST_F(ScrollDropTest, SmallTablesScrollUnscaled) {
  grid.SetRowCount(100);
  SCROLLINFO info;
  grid.m_CUGVScroll->GetScrollInfo(&info, SIF_ALL);
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, static_cast<int>(grid.m_GI->m_maxTopRow) + static_cast<int>(info.nPage) - 1);
  grid.m_CUGVScroll->ActAsUser(SB_THUMBPOSITION, 40);
  EXPECT_EQ(grid.GetTopRow(), 40);
  grid.m_CUGVScroll->ActAsUser(SB_PAGEDOWN);
  EXPECT_GT(grid.GetTopRow(), 45);
}

TEST_F(ScrollDropTest, ThumbTrackingMovesLiveOnlyWhenAskedAndShowsTheHint) {
  grid.m_CUGVScroll->ActAsUser(SB_THUMBTRACK, 300);
  EXPECT_EQ(grid.GetTopRow(), 0);
  EXPECT_FALSE(grid.m_CUGHint->IsWindowVisible());
  grid.SetVScrollThumbTrack(TRUE);
  grid.EnableScrollHints(TRUE, FALSE);
  grid.m_CUGVScroll->ActAsUser(SB_THUMBTRACK, 300);
  long row = 300 * grid.m_GI->m_maxTopRow / 1000;
  EXPECT_EQ(grid.GetTopRow(), row);
  EXPECT_TRUE(grid.m_CUGHint->IsWindowVisible());
  EXPECT_EQ(grid.m_CUGHint->GetText(), "Row " + std::to_string(row));
  // As tall as an "X" of its font.
  CDC measure;
  measure.CreateCompatibleDC(nullptr);
  CRect hintRect;
  grid.m_CUGHint->GetWindowRect(&hintRect);
  EXPECT_EQ(hintRect.Height(), measure.GetTextExtent("X").cy);
  EXPECT_EQ(grid.m_CUGHint->GetTextHeight(), hintRect.Height());
  grid.m_CUGVScroll->ActAsUser(SB_THUMBPOSITION, 300);
  EXPECT_FALSE(grid.m_CUGHint->IsWindowVisible());
}

TEST_F(ScrollDropTest, TheHorizontalBarMovesTheLeftColumn) {
  grid.m_CUGHScroll->ActAsUser(SB_LINERIGHT);
  EXPECT_EQ(grid.GetLeftCol(), 1);
  grid.m_CUGHScroll->ActAsUser(SB_RIGHT);
  EXPECT_EQ(grid.GetLeftCol(), grid.m_GI->m_maxLeftCol);
  grid.m_CUGHScroll->ActAsUser(SB_THUMBPOSITION, 2);
  EXPECT_EQ(grid.GetLeftCol(), 2);
  ASSERT_FALSE(grid.notices.empty());
  EXPECT_EQ(grid.notices.back(), "5:" + std::to_string(grid.m_GI->m_maxLeftCol) + "->2");
}

TEST_F(ScrollDropTest, ADropListOpensOnItsButtonAndStoresTheChoice) {
  CUGDropListType* type = grid_test::MakeDropListCell(&grid, 1, 1, "True\nFalse\n", "True");
  CRect rect;
  grid.GetCellRect(1, 1, &rect);
  grid.log.clear();
  grid.m_CUGGrid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.right - 3, rect.top + 5));
  grid.m_CUGGrid->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.right - 3, rect.top + 5));
  ASSERT_TRUE(type->IsListOpen());
  CUGLstBox* list = type->GetListBox();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetCount(), 2);
  EXPECT_EQ(list->GetCurSel(), 0);
  EXPECT_EQ(list->GetDlgCtrlID(), static_cast<int>(UG_LISTBOX_ID));
  list->Commit(1);
  ProcessPendingEvents();
  EXPECT_FALSE(type->IsListOpen());
  EXPECT_EQ(grid.QuickGetText(1, 1), "False");
  std::vector<std::string> expected = {"notify 100", "notify 102", "select False", "CellSet 1,1", "notify 103"};
  std::vector<std::string> got;
  for (const std::string& entry : grid.log) {
    if (entry.rfind("notify", 0) == 0 || entry.rfind("select", 0) == 0 || entry.rfind("CellSet", 0) == 0) {
      got.push_back(entry);
    }
  }
  EXPECT_EQ(got, expected);
}

TEST_F(ScrollDropTest, ARefusedChoiceKeepsTheOldTextAndEscapeCloses) {
  CUGDropListType* type = grid_test::MakeDropListCell(&grid, 2, 2, "a\nb\nc\n", "a");
  ASSERT_EQ(type->StartDropList(2, 2), UG_SUCCESS);
  grid.allowChoice = FALSE;
  type->GetListBox()->Commit(2);
  ProcessPendingEvents();
  EXPECT_EQ(grid.QuickGetText(2, 2), "a");
  ASSERT_EQ(type->StartDropList(2, 2), UG_SUCCESS);
  type->GetListBox()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  ProcessPendingEvents();
  EXPECT_FALSE(type->IsListOpen());
  EXPECT_EQ(type->GetListBox(), nullptr);
  // A read-only cell does not open.
  CUGCell cell;
  grid.GetCell(2, 2, &cell);
  cell.SetReadOnly(TRUE);
  grid.SetCell(2, 2, &cell);
  EXPECT_EQ(type->StartDropList(2, 2), UG_ERROR);
}

// The open list marks the choice equal to the cell's text, whole and with
// its case, not one that begins with the text or that the text begins with.
TEST_F(ScrollDropTest, TheOpenListMarksTheChoiceThatEqualsTheText) {
  grid.QuickSetCellType(2, 2, UGCT_DROPLIST);
  auto* type = static_cast<CUGDropListType*>(grid.GetCellType(UGCT_DROPLIST));
  struct Case {
    const char* text;
    int selected;
  };
  for (const Case& c : {Case{"On", 0}, Case{"On Hold", 1}, Case{"O", 2}, Case{"On Hol", -1}, Case{"On Hold 2", -1},
                        Case{"on", -1}}) {
    SCOPED_TRACE(c.text);
    CUGCell cell;
    grid.GetCell(2, 2, &cell);
    cell.SetLabel("On\nOn Hold\nO\n");
    cell.SetText(c.text);
    grid.SetCell(2, 2, &cell);
    ASSERT_EQ(type->StartDropList(2, 2), UG_SUCCESS);
    ASSERT_NE(type->GetListBox(), nullptr);
    EXPECT_EQ(type->GetListBox()->GetCurSel(), c.selected);
    type->GetListBox()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    ProcessPendingEvents();
    ASSERT_FALSE(type->IsListOpen());
  }
}

TEST_F(ScrollDropTest, ALongListShowsFifteenRowsAndStaysInsideTheCellArea) {
  std::string label;
  for (int i = 0; i < 40; ++i) label += "choice " + std::to_string(i) + "\n";
  CUGDropListType* type = grid_test::MakeDropListCell(&grid, 0, 5, label);
  ASSERT_EQ(type->StartDropList(0, 5), UG_SUCCESS);
  CUGLstBox* list = type->GetListBox();
  EXPECT_EQ(list->GetCount(), 40);
  CRect rect;
  list->GetWindowRect(&rect);
  grid.m_CUGGrid->ScreenToClient(&rect);
  CRect client;
  grid.m_CUGGrid->GetClientRect(&client);
  EXPECT_GE(rect.top, client.top);
  EXPECT_LE(rect.bottom, client.bottom);
  type->OnCloseList();
  ProcessPendingEvents();
}

TEST(UGListItemHeightTest, TheFontsPointsAtTheScreensResolution) {
  LOGFONT font{};
  EXPECT_EQ(UGListItemHeight(nullptr, 96), 12);
  font.lfHeight = 0;
  EXPECT_EQ(UGListItemHeight(&font, 96), 12);
  font.lfHeight = -13;  // 9.75 points
  EXPECT_EQ(UGListItemHeight(&font, 96), 13);
  EXPECT_EQ(UGListItemHeight(&font, 120), 16);
  EXPECT_EQ(UGListItemHeight(&font, 144), 20);
  font.lfHeight = 16;
  EXPECT_EQ(UGListItemHeight(&font, 96), 16);
}

TEST(UGListRectTest, TheListStaysInsideTheCellArea) {
  const CRect client(0, 0, 300, 200);
  EXPECT_EQ(UGPlaceListRect(CRect(10, 20, 90, 40), 3, 12, client), CRect(10, 20, 90, 62));
  // Too low: moved up; too far right: moved left; too tall: cut.
  EXPECT_EQ(UGPlaceListRect(CRect(10, 180, 90, 200), 3, 12, client), CRect(10, 158, 90, 200));
  EXPECT_EQ(UGPlaceListRect(CRect(250, 20, 330, 40), 1, 12, client), CRect(220, 20, 300, 38));
  EXPECT_EQ(UGPlaceListRect(CRect(10, 20, 90, 40), 15, 20, client), CRect(10, 0, 90, 200));
}

TEST_F(ScrollDropTest, TheListShowsItsRowsWholeAtTheToolkitsItemHeight) {
  CUGDropListType* type = grid_test::MakeDropListCell(&grid, 0, 1, "a\nb\nc\nd\n");
  ASSERT_EQ(type->StartDropList(0, 1), UG_SUCCESS);
  CUGLstBox* list = type->GetListBox();
  CRect client;
  list->GetClientRect(&client);
  EXPECT_GE(client.Height(), 4 * list->GetItemHeight(0));
  type->OnCloseList();
  ProcessPendingEvents();
}

}  // namespace
