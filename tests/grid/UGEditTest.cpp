// The edit life cycle of the grid (with a stand-in edit window) and the
// masked-edit typing rules.
#include <gtest/gtest.h>

#include "grid/UGMask.h"
#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::RecordingGrid;

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(holder.Create("", 0, CRect(0, 0, 100, 40), nullptr, 0));
    ASSERT_TRUE(edit.Create("", WS_CHILD, CRect(0, 0, 80, 20), &holder, 0));
    grid.editWindow = &edit;
    grid.SetUp(4, 6);
    grid.QuickSetText(1, 1, "old");
    grid.log.clear();
  }
  void TearDown() override { holder.DestroyWindow(); }

  CWnd holder;
  CWnd edit;
  RecordingGrid grid;
};

TEST_F(EditTest, StartEditOpensOnTheCellWithItsText) {
  ASSERT_EQ(grid.StartEdit(1, 1, 0), UG_SUCCESS);
  EXPECT_TRUE(grid.IsEditing());
  EXPECT_EQ(grid.GetCurrentCol(), 1);
  EXPECT_EQ(grid.GetCurrentRow(), 1);
  EXPECT_EQ(edit.GetWindowText(), "old");
  EXPECT_EQ(grid.GetEditWindow(), &edit);
  EXPECT_EQ(grid.StartEdit(2, 2, 0), UG_ERROR);  // one edit at a time
}

TEST_F(EditTest, RefusedStartsClearTheEditingFlag) {
  CUGCell cell;
  grid.GetCell(2, 2, &cell);
  cell.SetReadOnly(TRUE);
  grid.SetCell(2, 2, &cell);
  EXPECT_EQ(grid.StartEdit(2, 2, 0), UG_ERROR);
  EXPECT_FALSE(grid.IsEditing());
  grid.allowMoveCell = FALSE;
  EXPECT_EQ(grid.StartEdit(3, 3, 0), UG_REFUSED);
  EXPECT_FALSE(grid.IsEditing());
  grid.allowMoveCell = TRUE;
  grid.QuickSetCellType(3, 4, UGCT_CHECKBOX);
  EXPECT_EQ(grid.StartEdit(3, 4, 0), UG_ERROR);  // a check box is not edited as text
  EXPECT_FALSE(grid.IsEditing());
  // The grid still moves and edits afterwards.
  EXPECT_EQ(grid.GotoCell(0, 5), UG_SUCCESS);
  EXPECT_EQ(grid.StartEditCurrent(), UG_SUCCESS);
}

TEST_F(EditTest, AcceptedTextIsStoredAndNumbersKeepTheirType) {
  grid.StartEdit(1, 1, 0);
  EXPECT_EQ(grid.EndEdit("new", FALSE, FALSE, 0, 0), 1);
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_EQ(grid.QuickGetText(1, 1), "new");
  grid.QuickSetNumber(2, 2, 5);
  grid.StartEdit(2, 2, 0);
  grid.EndEdit("12.5", FALSE, FALSE, 0, 0);
  CUGCell cell;
  grid.GetCellIndirect(2, 2, &cell);
  EXPECT_EQ(cell.GetDataType(), UGCELLDATA_NUMBER);
  EXPECT_DOUBLE_EQ(cell.GetNumber(), 12.5);
}

TEST_F(EditTest, RejectedTextKeepsTheEditOpen) {
  grid.acceptEdit = FALSE;
  grid.StartEdit(1, 1, 0);
  EXPECT_EQ(grid.EndEdit("bad", FALSE, FALSE, 0, 0), 0);
  EXPECT_TRUE(grid.IsEditing());
  EXPECT_EQ(grid.QuickGetText(1, 1), "old");
  grid.acceptEdit = TRUE;
  EXPECT_EQ(grid.EndEdit("good", FALSE, FALSE, 0, 0), 1);
  EXPECT_EQ(grid.QuickGetText(1, 1), "good");
}

TEST_F(EditTest, CancelledEditsStoreNothing) {
  grid.StartEdit(1, 1, 0);
  EXPECT_EQ(grid.EndEdit("typed", TRUE, FALSE, 0, 0), 1);
  EXPECT_EQ(grid.QuickGetText(1, 1), "old");
  // An owner that cancels an empty text: the edit closes, the cell keeps its text.
  grid.cancelOnEmpty = true;
  grid.StartEdit(1, 1, 0);
  EXPECT_EQ(grid.EndEdit("", FALSE, FALSE, 0, 0), 1);
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_EQ(grid.QuickGetText(1, 1), "old");
  // A late call from the edit after the close does nothing.
  EXPECT_EQ(grid.EndEdit("late", FALSE, FALSE, 0, 0), 1);
  EXPECT_EQ(grid.QuickGetText(1, 1), "old");
  EXPECT_EQ(grid.CancelEdit(), UG_ERROR);
}

TEST_F(EditTest, ContinuingWrapsAroundTheTable) {
  struct Case {
    int col;
    long row;
    int nextCol;
    long nextRow;
    int expectCol;
    long expectRow;
  };
  const Case cases[] = {
      {3, 2, 4, 2, 0, 2},   // past the last column: column 0
      {0, 2, -1, 2, 3, 2},  // before the first: the last column
      {1, 5, 1, 6, 1, 0},   // past the last row: row 0
      {1, 0, 1, -1, 1, 5},  // before the first row: the last row
      {1, 1, 2, 1, 2, 1},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(grid.StartEdit(c.col, c.row, 0), UG_SUCCESS);
    grid.EndEdit("t", FALSE, TRUE, c.nextCol, c.nextRow);
    EXPECT_TRUE(grid.IsEditing());
    EXPECT_EQ(grid.GetEditCol(), c.expectCol) << c.col << "," << c.row;
    EXPECT_EQ(grid.GetEditRow(), c.expectRow) << c.col << "," << c.row;
    grid.CancelEdit();
  }
  grid.allowContinue = FALSE;
  grid.StartEdit(1, 1, 0);
  grid.EndEdit("t", FALSE, TRUE, 2, 1);
  EXPECT_FALSE(grid.IsEditing());
}

TEST_F(EditTest, ContinuingMovesPastAJoinedBlock) {
  grid.JoinCells(1, 1, 2, 2);
  grid.StartEdit(1, 1, 0);
  grid.EndEdit("t", FALSE, TRUE, 2, 1);
  EXPECT_EQ(grid.GetEditCol(), 3);
  grid.CancelEdit();
}

// Continuing from a joined block that ends on the last row or column: the
// next cell past the block is off the table and wraps to row or column 0.
TEST_F(EditTest, ContinuingPastABlockOnTheLastRowOrColumnWrapsToZero) {
  struct Case {
    int startCol, endCol;
    long startRow, endRow;
    int nextCol;
    long nextRow;  // a cell inside the block, after the edited origin
    int expectCol;
    long expectRow;
  };
  const Case cases[] = {
      {1, 2, 4, 5, 1, 5, 1, 0},  // down out of a block on the last two rows
      {1, 2, 4, 5, 2, 4, 3, 4},  // right out of it: the column after it
      {2, 3, 1, 2, 3, 1, 0, 1},  // right out of a block on the last two columns
      {2, 3, 4, 5, 3, 4, 0, 4},  // the grid's last cell: right wraps to column 0
      {2, 3, 4, 5, 2, 5, 2, 0},  // ... and down to row 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.startCol) + "," + std::to_string(c.startRow) + " next " +
                 std::to_string(c.nextCol) + "," + std::to_string(c.nextRow));
    ASSERT_EQ(grid.JoinCells(c.startCol, c.startRow, c.endCol, c.endRow), UG_SUCCESS);
    ASSERT_EQ(grid.StartEdit(c.startCol, c.startRow, 0), UG_SUCCESS);
    grid.EndEdit("t", FALSE, TRUE, c.nextCol, c.nextRow);
    EXPECT_TRUE(grid.IsEditing());
    EXPECT_EQ(grid.GetEditCol(), c.expectCol);
    EXPECT_EQ(grid.GetEditRow(), c.expectRow);
    grid.CancelEdit();
    ASSERT_EQ(grid.UnJoinCells(c.startCol, c.startRow), UG_SUCCESS);
  }
}

class NestingGrid : public RecordingGrid {
 public:
  int nestedResult = -1;
  BOOL OnEditFinish(int col, long row, CWnd* edit, const std::string& text, BOOL cancelled) override {
    // The edit loses the focus while the grid handles its text.
    nestedResult = EndEdit("nested", FALSE, FALSE, 0, 0);
    return RecordingGrid::OnEditFinish(col, row, edit, text, cancelled);
  }
};

TEST(EditNestingTest, NestedEndEditIsRefused) {
  CWnd holder;
  CWnd edit;
  ASSERT_TRUE(holder.Create("", 0, CRect(0, 0, 100, 40), nullptr, 0));
  ASSERT_TRUE(edit.Create("", WS_CHILD, CRect(0, 0, 80, 20), &holder, 0));
  NestingGrid grid;
  grid.editWindow = &edit;
  grid.SetUp(3, 3);
  grid.StartEdit(1, 1, 0);
  EXPECT_EQ(grid.EndEdit("outer", FALSE, FALSE, 0, 0), 1);
  EXPECT_EQ(grid.nestedResult, 1);
  EXPECT_EQ(grid.QuickGetText(1, 1), "outer");
  holder.DestroyWindow();
}

// ---- Mask rules -------------------------------------------------------------------

std::string Type(const UGMaskRules& rules, const std::string& keys) {
  std::u32string text;
  size_t caret = 0;
  for (char32_t ch : UGMaskRules::ToU32(keys)) rules.TypeChar(&text, &caret, ch);
  return UGMaskRules::ToUtf8(text);
}

TEST(UGMaskTest, TypingFollowsTheMaskAndInsertsLiterals) {
  UGMaskRules rules;
  rules.SetMask("00-00");
  EXPECT_TRUE(rules.IsOn());
  EXPECT_EQ(rules.Length(), 5u);
  EXPECT_EQ(Type(rules, "1234"), "12-34");
  EXPECT_EQ(Type(rules, "1a2b3c4d5"), "12-34");  // letters refused, the sixth digit too
  rules.SetMask("\\#00");
  EXPECT_EQ(Type(rules, "12"), "#12");
  rules.SetMask("");
  EXPECT_FALSE(rules.IsOn());
  EXPECT_EQ(Type(rules, "any"), "any");
}

TEST(UGMaskTest, EachMaskCharacterAcceptsItsClass) {
  struct Case {
    const char* mask;
    const char* accepted;
    const char* refused;
  };
  const Case cases[] = {
      {"0", "05", "a -+"},   {"9", "7 ", "a-"},       {"#", "3 +-", "a."},
      {"L", "aZ", "1 -"},    {"?", "b ", "2-"},        {"A", "c4", " -"},
      {"a", "d5 ", "-."},    {"&", "x!~ ", ""},        {"C", "y?", ""},
  };
  for (const Case& c : cases) {
    UGMaskRules rules;
    rules.SetMask(c.mask);
    for (const char* p = c.accepted; *p; ++p) {
      EXPECT_TRUE(rules.Accepts(0, static_cast<char32_t>(*p))) << c.mask << " '" << *p << "'";
    }
    for (const char* p = c.refused; *p; ++p) {
      EXPECT_FALSE(rules.Accepts(0, static_cast<char32_t>(*p))) << c.mask << " '" << *p << "'";
    }
  }
  UGMaskRules persian;
  persian.SetMask("LL");
  EXPECT_EQ(Type(persian, "\xD8\xA8\xD8\xA7"), "\xD8\xA8\xD8\xA7");  // two Persian letters
}

TEST(UGMaskTest, ReformatPutsATextThroughTheMask) {
  UGMaskRules rules;
  rules.SetMask("00-00");
  auto reformat = [&rules](const std::string& text) {
    return UGMaskRules::ToUtf8(rules.Reformat(UGMaskRules::ToU32(text)));
  };
  EXPECT_EQ(reformat("1234"), "12-34");
  EXPECT_EQ(reformat("12-34"), "12-34");
  EXPECT_EQ(reformat("1x2y3"), "12-3");
  EXPECT_EQ(reformat("12"), "12");
  EXPECT_EQ(reformat("123456"), "12-34");
  rules.SetMask("(000) 000");
  EXPECT_EQ(reformat("021555"), "(021) 555");
}

}  // namespace
