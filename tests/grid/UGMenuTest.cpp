// The grid's popup menu: opened by the right button where enabled, its
// items, and the chosen command reaching OnMenuCommand.
#include <gtest/gtest.h>

#include "grid/UGGrid.h"
#include "platform/ui/Menu.h"
#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::RecordingGrid;

class MenuGrid : public RecordingGrid {
 public:
  BOOL allowMenu = TRUE;
  BOOL OnMenuStart(int col, long row, int section) override {
    Log("MenuStart " + std::to_string(col) + "," + std::to_string(row) + " " + std::to_string(section));
    return allowMenu;
  }
  void OnMenuCommand(int col, long row, int section, UINT item) override {
    Log("MenuCommand " + std::to_string(col) + "," + std::to_string(row) + " " + std::to_string(section) +
        " " + std::to_string(item));
  }
};

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(grid_test::ShowInParent(&parent, &grid, 4, 10));
    grid.AddPopupMenuItem(4320, "Copy");
    grid.AddPopupMenuItem(0, "");
    grid.AddPopupMenuItem(4321, "Show Info");
    previous = CMenu::SetPopupMenuHandler([this](CMenu& popup) {
      items.clear();
      for (const CMenu::Item& item : popup.Items()) items.push_back(item.text);
      return answer;
    });
    grid.log.clear();
  }
  void TearDown() override {
    CMenu::SetPopupMenuHandler(previous);
    parent.DestroyWindow();
  }

  CWnd parent;
  MenuGrid grid;
  CMenu::PopupMenuHandler previous;
  std::vector<std::string> items;
  UINT answer = 4321;
};

TEST_F(MenuTest, ARightClickOpensTheMenuAndTheChoiceReachesTheOwner) {
  grid.m_CUGGrid->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 45));
  EXPECT_EQ(items.size(), 0u);  // the menu is off by default
  grid.EnablePopupMenu(TRUE);
  grid.m_CUGGrid->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 45));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0], "Copy");
  std::vector<std::string> menuLog;
  for (const std::string& entry : grid.log) {
    if (entry.rfind("Menu", 0) == 0) menuLog.push_back(entry);
  }
  EXPECT_EQ(menuLog, (std::vector<std::string>{"MenuStart 1,2 1", "MenuCommand 1,2 1 4321"}));
}

TEST_F(MenuTest, ResultCodesOfStartPopupMenu) {
  EXPECT_EQ(grid.StartPopupMenu(1, 1, CPoint(10, 10), UG_GRID), UG_ERROR);
  grid.EnablePopupMenu(TRUE);
  grid.allowMenu = FALSE;
  EXPECT_EQ(grid.StartPopupMenu(1, 1, CPoint(10, 10), UG_GRID), UG_REFUSED);
  grid.allowMenu = TRUE;
  answer = 0;  // dismissed
  EXPECT_EQ(grid.StartPopupMenu(1, 1, CPoint(10, 10), UG_GRID), UG_SUCCESS);
  ASSERT_FALSE(grid.log.empty());
  EXPECT_EQ(grid.log.back(), "MenuStart 1,1 1");
}

}  // namespace
