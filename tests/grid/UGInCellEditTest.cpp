// The grid's own in-cell edits on an offscreen window: typing, the keys
// that end an edit, cancelling, verifying characters and masked typing.
#include <gtest/gtest.h>

#include "grid/UGEdit.h"
#include "grid/UGGrid.h"
#include "grid/UGMaskedEdit.h"
#include "platform/Thread.h"
#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::RecordingGrid;

class NoDigitsGrid : public RecordingGrid {
 public:
  bool refuseDigits = false;
  BOOL OnEditVerify(int, long, CWnd*, UINT* key) override {
    return refuseDigits && *key >= '0' && *key <= '9' ? FALSE : TRUE;
  }
};

class InCellEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(grid_test::ShowInParent(&parent, &grid, 4, 10, CRect(0, 0, 400, 300)));
    grid.QuickSetText(1, 1, "old");
    ProcessPendingEvents();
  }
  void TearDown() override { parent.DestroyWindow(); }

  CWnd* Edit() { return grid.GetEditWindow(); }
  void Type(const std::string& text) {
    for (char ch : text) {
      Edit()->SendMessage(WM_KEYDOWN, static_cast<WPARAM>(std::toupper(static_cast<unsigned char>(ch))), 1);
      Edit()->SendMessage(WM_CHAR, static_cast<WPARAM>(ch), 1);
    }
  }
  void Press(UINT key) {
    Edit()->SendMessage(WM_KEYDOWN, key, 1);
    ProcessPendingEvents();
  }

  CWnd parent;
  NoDigitsGrid grid;
};

TEST_F(InCellEditTest, TypingReplacesTheTextAndEnterStoresIt) {
  ASSERT_EQ(grid.StartEdit(1, 1, 'n'), UG_SUCCESS);
  ASSERT_EQ(Edit(), static_cast<CWnd*>(grid.m_editCtrlDefault));
  Type("ew");
  EXPECT_EQ(Edit()->GetWindowText(), "new");
  Press(VK_RETURN);
  EXPECT_EQ(grid.QuickGetText(1, 1), "new");
  // Enter moves on to the next row and edits there.
  EXPECT_TRUE(grid.IsEditing());
  EXPECT_EQ(grid.GetEditRow(), 2);
  EXPECT_EQ(grid.GetCurrentRow(), 2);
  Press(VK_ESCAPE);
  EXPECT_FALSE(grid.IsEditing());
}

TEST_F(InCellEditTest, EscapeKeepsTheOldText) {
  grid.StartEdit(1, 1, 'x');
  Press(VK_ESCAPE);
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_EQ(grid.QuickGetText(1, 1), "old");
}

TEST_F(InCellEditTest, TabMovesToTheNextColumnAndWrapsInTheRow) {
  grid.StartEdit(3, 1, 'z');
  Press(VK_TAB);
  EXPECT_EQ(grid.QuickGetText(3, 1), "z");
  EXPECT_TRUE(grid.IsEditing());
  EXPECT_EQ(grid.GetEditCol(), 0);
  EXPECT_EQ(grid.GetEditRow(), 1);
  grid.CancelEdit();
}

TEST_F(InCellEditTest, ArrowsLeaveOnlyAtTheEndsOfTheText) {
  grid.StartEdit(1, 1, 0);
  CUGEditBase* edit = grid.m_editCtrlDefault;
  edit->SetSel(1, 1);
  Press(VK_LEFT);  // inside the text: the caret moves
  EXPECT_EQ(grid.GetEditCol(), 1);
  EXPECT_TRUE(grid.IsEditing());
  edit->SetSel(0, 0);
  Press(VK_LEFT);
  EXPECT_EQ(grid.GetEditCol(), 0);
  grid.CancelEdit();
}

TEST_F(InCellEditTest, RefusedCharactersAreDropped) {
  grid.refuseDigits = true;
  grid.StartEdit(1, 1, 0);
  Edit()->SendMessage(WM_CHAR, 'a', 1);
  Edit()->SendMessage(WM_CHAR, '7', 1);
  Edit()->SendMessage(WM_CHAR, 'b', 1);
  EXPECT_EQ(Edit()->GetWindowText(), "ab");
  grid.CancelEdit();
}

TEST_F(InCellEditTest, AMaskedCellUsesTheMaskedEdit) {
  CUGCell cell;
  grid.GetCell(2, 3, &cell);
  cell.SetMask("00-00");
  grid.SetCell(2, 3, &cell);
  ASSERT_EQ(grid.StartEdit(2, 3, 0), UG_SUCCESS);
  ASSERT_EQ(Edit(), static_cast<CWnd*>(grid.m_maskedEditDefault));
  EXPECT_TRUE(grid.m_maskedEditDefault->GetRules().IsOn());
  Type("1a234");
  EXPECT_EQ(Edit()->GetWindowText(), "12-34");
  Press(VK_RETURN);
  EXPECT_EQ(grid.QuickGetText(2, 3), "12-34");
  grid.CancelEdit();
}

TEST_F(InCellEditTest, TypingIntoAFullMaskedCellReplacesItsText) {
  CUGCell cell;
  grid.GetCell(2, 3, &cell);
  cell.SetMask("00-00");
  cell.SetText("12-34");
  grid.SetCell(2, 3, &cell);
  ASSERT_EQ(grid.StartEdit(2, 3, 0), UG_SUCCESS);
  // The edit selects all of its text on taking the focus; typing replaces it.
  Type("5678");
  EXPECT_EQ(Edit()->GetWindowText(), "56-78");
  // A refused character keeps the selected text.
  grid.m_maskedEditDefault->SetSel(0, 2);
  Edit()->SendMessage(WM_CHAR, 'x', 1);
  EXPECT_EQ(Edit()->GetWindowText(), "56-78");
  Edit()->SendMessage(WM_CHAR, '9', 1);
  EXPECT_EQ(Edit()->GetWindowText(), "9-78");
  grid.CancelEdit();
}

class SetupCountingGrid : public CUGCtrl {
 public:
  int setups = 0;
  int sheetSetups = 0;
  void OnGridSetup() override { ++setups; }
  void OnSheetSetup(int) override { ++sheetSetups; }
};

TEST(AttachGridTest, TheGridTakesThePlaceOfTheDialogItem) {
  CWnd dialog;
  ASSERT_TRUE(dialog.Create("dialog", 0, CRect(0, 0, 400, 300), nullptr, 0));
  CWnd placeholder;
  ASSERT_TRUE(placeholder.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 20, 310, 220), &dialog, 3013));
  SetupCountingGrid grid;
  EXPECT_EQ(grid.AttachGrid(&dialog, 999), UG_ERROR);
  ASSERT_EQ(grid.AttachGrid(&dialog, 3013), UG_SUCCESS);
  EXPECT_EQ(dialog.GetDlgItem(3013), &grid);
  CRect rect;
  grid.GetWindowRect(&rect);
  dialog.ScreenToClient(&rect);
  EXPECT_EQ(rect, CRect(10, 20, 310, 220));
  EXPECT_EQ(grid.setups, 1);
  EXPECT_EQ(grid.sheetSetups, 1);
  EXPECT_TRUE(grid.GetStyle() & WS_TABSTOP);
  EXPECT_NE(grid.m_GI->m_defFont, nullptr);
  EXPECT_NE(grid.m_GI->m_hdgDefault.GetFont(), nullptr);
  EXPECT_EQ(grid.m_GI->m_gridRect, CRect(40, 20, 300, 200));
  dialog.DestroyWindow();
}

}  // namespace
