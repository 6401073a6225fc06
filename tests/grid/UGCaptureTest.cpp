// Every grid window that holds the mouse while a button is down lets go
// when another window comes up over the grid (a message box, a dialog):
// it ends its drag cleanly, since no button-up will follow.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/UGCnrBtn.h"
#include "grid/UGDropListType.h"
#include "grid/UGGrid.h"
#include "grid/UGLstBox.h"
#include "grid/UGSideHdg.h"
#include "grid/UGTab.h"
#include "grid/UGTopHdg.h"
#include "platform/Thread.h"
#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::PressAndMove;
using grid_test::SizingGrid;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class UGCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(grid_test::ShowInParent(&parent, &grid, 6, 100));
    for (int c = 0; c < 6; ++c) grid.QuickSetText(c, 0, std::string(1, static_cast<char>('A' + c)));
    grid.log.clear();
  }
  void TearDown() override {
    CWnd::ReleaseCapture();
    parent.DestroyWindow();
  }
  // A dialog-like window comes up over the grid.
  void ShowWindowOver() {
    CWnd over;
    ASSERT_TRUE(over.Create("Box", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 300, 200), nullptr, 0));
    over.DestroyWindow();
    ProcessPendingEvents();
  }

  CWnd parent;
  SizingGrid grid;
};

TEST_F(UGCaptureTest, AWindowShownOverTheGridEndsEachDragCleanly) {
  struct Case {
    const char* name;
    std::function<CWnd*()> start;    // presses (and moves); the window that holds the mouse
    std::function<void(CWnd*)> end;  // what the cut-short drag left
  };
  const Case cases[] = {
      {"column border: the width reached is stored as at a release",
       [&]() -> CWnd* {
         PressAndMove(grid.m_CUGTopHdg, 73, 10, 93, 10);
         return grid.m_CUGTopHdg;
       },
       [&](CWnd* h) {
         EXPECT_FALSE(grid.m_CUGTopHdg->IsSizing());
         EXPECT_EQ(grid.GetColWidth(0), 95);
         EXPECT_EQ(grid.sizedCol, 0);
         h->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(150, 10));
         EXPECT_EQ(grid.GetColWidth(0), 95) << "the drag is over";
       }},
      {"column drag: ends without moving the column",
       [&]() -> CWnd* {
         grid.EnableColSwapping(TRUE);
         PressAndMove(grid.m_CUGTopHdg, 30, 10, 160, 10);
         EXPECT_EQ(grid.m_CUGTopHdg->GetDropPosition(), 2);
         return grid.m_CUGTopHdg;
       },
       [&](CWnd* h) {
         EXPECT_EQ(grid.m_CUGTopHdg->GetDropPosition(), -1);
         h->SendMessage(WM_LBUTTONUP, 0, At(160, 10));
         EXPECT_EQ(grid.QuickGetText(0, 0), "A");
         EXPECT_TRUE(grid.log.empty() || grid.log.back().rfind("Moved", 0) != 0);
       }},
      {"row border: the height reached is stored",
       [&]() -> CWnd* {
         grid.SetUniformRowHeight(FALSE);
         PressAndMove(grid.m_CUGSideHdg, 10, 41, 10, 51);
         return grid.m_CUGSideHdg;
       },
       [&](CWnd*) {
         EXPECT_FALSE(grid.m_CUGSideHdg->IsSizing());
         EXPECT_EQ(grid.GetRowHeight(1), 30);
       }},
      {"corner: the row heading keeps the width reached",
       [&]() -> CWnd* {
         CWnd* c = grid.m_CUGCnrBtn;
         CRect rect;
         c->GetClientRect(&rect);
         PressAndMove(c, rect.right - 2, 3, rect.right + 8, 3);
         return c;
       },
       [&](CWnd* c) {
         const int width = grid.GetSideHeadingWidth();
         c->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(width + 40, 3));
         EXPECT_EQ(grid.GetSideHeadingWidth(), width) << "the drag is over";
       }},
      {"cell area: the press ends without a drag selection",
       [&]() -> CWnd* {
         grid.SetMultiSelectMode(TRUE);
         CWnd* g = grid.m_CUGGrid;
         CRect cell;
         grid.GetCellRect(1, 1, &cell);
         g->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(cell.left + 3, cell.top + 3));
         return g;
       },
       [&](CWnd* g) {
         CRect cell;
         grid.GetCellRect(3, 4, &cell);
         g->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(cell.left + 3, cell.top + 3));
         EXPECT_EQ(grid.GetCurrentCol(), 1);
         EXPECT_EQ(grid.GetCurrentRow(), 1);
       }},
      {"tab area: keeps the width reached",
       [&]() -> CWnd* {
         grid.SetTabWidth(150);
         grid.m_CUGTab->AddTab("Sheet 1", 1);
         CWnd* t = grid.m_CUGTab;
         CRect client;
         t->GetClientRect(&client);
         t->SendMessage(WM_MOUSEMOVE, 0, At(client.right - 3, 5));
         t->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(client.right - 3, 5));
         return t;
       },
       [&](CWnd* t) {
         const int width = grid.m_GI->m_tabWidth;
         t->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(60, 5));
         EXPECT_EQ(grid.m_GI->m_tabWidth, width) << "the drag is over";
       }},
      {"drop list: closes without a choice",
       [&]() -> CWnd* {
         CUGDropListType* type = grid_test::MakeDropListCell(&grid, 2, 2, "a\nb\n", "a");
         EXPECT_EQ(type->StartDropList(2, 2), UG_SUCCESS);
         return type->GetListBox();
       },
       [&](CWnd*) {
         auto* type = static_cast<CUGDropListType*>(grid.GetCellType(UGCT_DROPLIST));
         EXPECT_FALSE(type->IsListOpen());
         EXPECT_EQ(type->GetListBox(), nullptr);
         EXPECT_EQ(grid.QuickGetText(2, 2), "a");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CWnd* holder = c.start();
    ASSERT_NE(holder, nullptr);
    ASSERT_EQ(CWnd::GetCapture(), holder);
    ShowWindowOver();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    c.end(holder);
    CWnd::ReleaseCapture();
  }
}

}  // namespace
