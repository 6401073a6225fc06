// The grid control without a window: sheets, sizes, cell composition,
// quick accessors and the store behind it.
#include <gtest/gtest.h>

#include "grid/UGCellType.h"
#include "grid/UGColors.h"
#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::RecordingGrid;

// A format object that marks the cells it reformats.
class MarkingFormat : public CUGCellFormat {
 public:
  void ApplyDisplayFormat(CUGCell* cell) override { cell->SetText(cell->GetText() + "+fmt"); }
};

class ComposingGrid : public RecordingGrid {
 public:
  void OnCellGet(int, long, CUGCell* cell) override {
    if (cell->GetText() == "from store") cell->SetText("from store+get");
  }
};

TEST(UGCtrlCellTest, CompositionLayersDefaultsStoreHookFormatAndStyle) {
  ComposingGrid grid;
  grid.SetUp(3, 5);
  CUGCell def;
  def.SetBackColor(RGB(1, 2, 3));
  def.SetTextColor(RGB(4, 5, 6));
  grid.SetColDefault(1, &def);
  CUGCell stored;
  stored.SetPropertyFlags(0);
  stored.SetText("from store");
  stored.SetTextColor(RGB(7, 8, 9));
  MarkingFormat format;
  stored.SetFormatObject(&format);
  CUGCell style;
  style.SetPropertyFlags(0);
  style.SetAlignment(UG_ALIGNRIGHT);
  stored.SetStyleCell(&style);
  grid.SetCell(1, 2, &stored);

  CUGCell cell;
  grid.GetCellIndirect(1, 2, &cell);
  EXPECT_EQ(cell.GetBackColor(), RGB(1, 2, 3));  // the column default
  EXPECT_EQ(cell.GetTextColor(), RGB(7, 8, 9));  // the store over it
  EXPECT_EQ(cell.GetText(), "from store+get+fmt");  // hook, then format
  EXPECT_EQ(cell.GetAlignment(), UG_ALIGNRIGHT);  // the style cell last

  // GetCell is the stored cell alone.
  CUGCell alone;
  alone.SetPropertyFlags(0);
  grid.GetCell(1, 2, &alone);
  EXPECT_FALSE(alone.IsPropertySet(UGCELL_BACKCOLOR_SET));
  EXPECT_EQ(grid.GetCell(3, 2, &alone), UG_ERROR);
}

TEST(UGCtrlCellTest, HeadingCellsGetTheHeadingDefaultAndStyleWords) {
  RecordingGrid grid;
  grid.SetUp(3, 5);
  struct Case {
    int col;
    long row;
    long style;
  };
  const Case cases[] = {{0, -1, 32}, {-1, 0, 64}, {-1, -1, 32}, {2, -1, 32}};
  for (const Case& c : cases) {
    CUGCell cell;
    grid.GetCellIndirect(c.col, c.row, &cell);
    EXPECT_EQ(cell.GetStyleWord(), c.style) << c.col << "," << c.row;
    EXPECT_EQ(cell.GetBackColor(), UGSysColor(UG_COLOR_3DFACE));
    EXPECT_EQ(cell.GetBorder(), UG_BDR_RECESSED);
    EXPECT_EQ(cell.GetAlignment(), UG_ALIGNCENTER | UG_ALIGNVCENTER);
  }
  grid.SetTopHeadingRowCount(2);
  CUGCell inner;
  grid.GetCellIndirect(0, -1, &inner);
  EXPECT_EQ(inner.GetStyleWord(), UG_STYLE_HEADING);
  grid.GetCellIndirect(0, -2, &inner);
  EXPECT_EQ(inner.GetStyleWord(), 32);
}

TEST(UGCtrlCellTest, QuickSetTextOnAHeadingKeepsItsColours) {
  RecordingGrid grid;
  grid.SetUp(3, 5);
  grid.QuickSetText(1, -1, "Name");
  grid.QuickSetBackColor(2, 3, RGB(9, 9, 9));
  grid.QuickSetText(2, 3, "x");
  CUGCell cell;
  grid.GetCellIndirect(1, -1, &cell);
  EXPECT_EQ(cell.GetText(), "Name");
  EXPECT_EQ(cell.GetBackColor(), UGSysColor(UG_COLOR_3DFACE));
  grid.GetCellIndirect(2, 3, &cell);
  EXPECT_EQ(cell.GetBackColor(), RGB(9, 9, 9));
  EXPECT_EQ(grid.QuickGetText(2, 3), "x");
  grid.QuickSetNumber(0, 0, 2.5);
  EXPECT_EQ(grid.QuickGetText(0, 0), "2.5");
}

// Mirrors a column into the next one from OnCellSet, through the quick
// accessors (as an owner showing a value also as a percentage does).
class MirroringGrid : public RecordingGrid {
 public:
  void OnCellSet(int col, long row, CUGCell* cell) override {
    if (col == 1) QuickSetText(2, row, "%" + cell->GetText());
  }
};

TEST(UGCtrlCellTest, QuickAccessorsInsideOnCellSetKeepTheOuterCell) {
  MirroringGrid grid;
  grid.SetUp(3, 5);
  grid.QuickSetBackColor(2, 0, RGB(1, 2, 3));
  EXPECT_EQ(grid.QuickSetText(1, 0, "50"), UG_SUCCESS);
  EXPECT_EQ(grid.QuickGetText(1, 0), "50");
  EXPECT_EQ(grid.QuickGetText(2, 0), "%50");
  CUGCell cell;
  grid.GetCellIndirect(1, 0, &cell);
  EXPECT_NE(cell.GetBackColor(), RGB(1, 2, 3));
  grid.QuickSetNumber(1, 1, 7);
  EXPECT_EQ(grid.QuickGetText(1, 1), "7");
  EXPECT_EQ(grid.QuickGetText(2, 1), "%7");
}

TEST(UGCtrlCellTest, SetCellAcceptsColumnsBelowTheCountOnly) {
  RecordingGrid grid;
  grid.SetUp(3, 5);
  CUGCell cell;
  cell.SetText("a");
  EXPECT_EQ(grid.SetCell(2, 0, &cell), UG_SUCCESS);
  EXPECT_EQ(grid.SetCell(3, 0, &cell), UG_ERROR);
  EXPECT_EQ(grid.SetCell(-1, 0, &cell), UG_SUCCESS);
  EXPECT_EQ(grid.SetCell(-2, 0, &cell), UG_ERROR);
  EXPECT_EQ(grid.SetCell(0, -1, &cell), UG_SUCCESS);
  EXPECT_EQ(grid.SetCell(0, -2, &cell), UG_ERROR);
  ASSERT_FALSE(grid.log.empty());
  EXPECT_EQ(grid.log.back(), "CellSet 0,-1");  // OnCellSet runs first
}

TEST(UGCtrlSizeTest, RowCountClampsLockedRowsAndSwitchesToUniformHeights) {
  RecordingGrid grid;
  grid.SetUp(3, 10);
  grid.SetLockedRowCount(4);
  grid.SetRowCount(0);
  EXPECT_EQ(grid.GetLockedRowCount(), 0);
  grid.SetRowCount(10);
  grid.SetLockedRowCount(4);
  grid.SetRowCount(3);
  EXPECT_EQ(grid.GetLockedRowCount(), 2);

  grid.SetUniformRowHeight(FALSE);
  grid.SetRowHeight(1, 44);
  EXPECT_EQ(grid.GetRowHeight(1), 44);
  EXPECT_EQ(grid.GetRowHeight(0), 20);
  grid.SetRowCount(70000);
  EXPECT_TRUE(grid.m_GI->m_uniformRowHeightFlag);
  EXPECT_EQ(grid.GetRowHeight(1), 20);
}

TEST(UGCtrlSizeTest, RowHeadingWidthsAndTheirTotalAgree) {
  RecordingGrid grid;
  grid.SetUp(3, 10);
  EXPECT_EQ(grid.GetColWidth(-1), grid.GetSideHeadingWidth());
  EXPECT_EQ(grid.SetSideHeadingWidth(0), UG_SUCCESS);
  EXPECT_EQ(grid.GetSideHeadingWidth(), 0);
  EXPECT_EQ(grid.SetSideHeadingWidth(30), UG_SUCCESS);  // after a zero total
  EXPECT_EQ(grid.GetSideHeadingWidth(), 30);
  EXPECT_EQ(grid.GetColWidth(-1), 30);
  EXPECT_EQ(grid.SetSideHeadingWidth(1025), UG_ERROR);
  EXPECT_EQ(grid.SetColWidth(-1, 2000), UG_REFUSED);
  EXPECT_EQ(grid.SetColWidth(-2, 20), UG_ERROR);
  EXPECT_EQ(grid.SetRowHeight(-1, 30), UG_SUCCESS);
  EXPECT_EQ(grid.GetTopHeadingHeight(), 30);
}

TEST(UGCtrlSizeTest, SheetsKeepTheirOwnSettings) {
  RecordingGrid grid;
  grid.SetUp(3, 10);
  EXPECT_EQ(grid.SetSheetCount(0), UG_ERROR);
  EXPECT_EQ(grid.SetSheetCount(3), UG_SUCCESS);
  EXPECT_EQ(grid.GetSheetCount(), 3);
  EXPECT_EQ(grid.GetCurrentSheet(), 0);
  grid.SetCurrentSheet(2);
  EXPECT_EQ(grid.GetColCount(), 0);
  grid.SetColCount(5);
  grid.SetCurrentSheet(0);
  EXPECT_EQ(grid.GetColCount(), 3);
  grid.SetCurrentSheet(2);
  grid.SetSheetCount(2);  // the current sheet goes: the last one left
  EXPECT_EQ(grid.GetCurrentSheet(), 1);
  EXPECT_EQ(grid.SetCurrentSheet(2), UG_ERROR);
}

TEST(UGCtrlSizeTest, MoveColumnCarriesTheWholeRecord) {
  RecordingGrid grid;
  grid.SetUp(4, 3);
  for (int c = 0; c < 4; ++c) {
    grid.SetColWidth(c, 50 + c);
    grid.QuickSetText(c, 0, std::string(1, static_cast<char>('A' + c)));
    grid.QuickSetText(c, -1, std::string(1, static_cast<char>('a' + c)));
  }
  grid.MoveColumn(0, 2, TRUE);  // A lands before D: B C A D
  EXPECT_EQ(grid.QuickGetText(0, 0), "B");
  EXPECT_EQ(grid.QuickGetText(2, 0), "A");
  EXPECT_EQ(grid.QuickGetText(2, -1), "a");  // the heading travels with it
  EXPECT_EQ(grid.GetColWidth(2), 50);
  grid.MoveColumn(3, 0, TRUE);  // D first: D B C A
  EXPECT_EQ(grid.QuickGetText(0, 0), "D");
  grid.MoveColumn(0, 2, FALSE);  // after position 2: B C A D
  EXPECT_EQ(grid.QuickGetText(3, 0), "D");
  EXPECT_EQ(grid.MoveColumn(0, 4, TRUE), UG_ERROR);
}

TEST(UGCtrlStoreTest, DeleteColumnRenumbersOnlyTheColumnsBeyond) {
  RecordingGrid grid;
  grid.SetUp(4, 2);
  for (int c = 0; c < 4; ++c) grid.QuickSetText(c, 0, std::string(1, static_cast<char>('A' + c)));
  CUGDataSource* store = grid.GetDataSource(0);
  store->DeleteColumn(1);
  ASSERT_EQ(grid.m_GI->m_colInfo.size(), 4u);
  EXPECT_EQ(grid.m_GI->m_colInfo[0].dataSourceCol, 0);
  EXPECT_EQ(grid.m_GI->m_colInfo[1].dataSourceCol, 1);
  EXPECT_EQ(grid.m_GI->m_colInfo[2].dataSourceCol, 1);
  EXPECT_EQ(grid.m_GI->m_colInfo[3].dataSourceCol, 2);
  EXPECT_EQ(grid.QuickGetText(1, 0), "C");
  EXPECT_EQ(grid.QuickGetText(3, 0), "D");
  store->InsertColumn(1);
  EXPECT_EQ(grid.m_GI->m_colInfo[3].dataSourceCol, 3);
  EXPECT_EQ(grid.QuickGetText(3, 0), "D");
}

TEST(UGCtrlStoreTest, FindInColumnAndSortThroughTheOwnersComparison) {
  class ReverseGrid : public RecordingGrid {
   public:
    int CompareCells(CUGCell* a, CUGCell* b, int flags) override {
      return -CUGCtrl::DefaultCompareCells(a, b, flags);
    }
  };
  ReverseGrid grid;
  grid.SetUp(2, 5);
  const char* names[] = {"pump", "fan", "valve", "belt", "tank"};
  for (long r = 0; r < 5; ++r) grid.QuickSetText(1, r, names[r]);
  long row = -1;
  ASSERT_EQ(grid.FindInColumn("valve", 1, &row, 0), UG_SUCCESS);
  EXPECT_EQ(row, 2);
  row = -1;
  EXPECT_EQ(grid.FindInColumn("VALVE", 1, &row, 0), UG_ERROR);
  grid.GetDataSource(0)->SortByColumn(1, UG_SORT_ASCENDING);
  EXPECT_EQ(grid.QuickGetText(1, 0), "valve");
  EXPECT_EQ(grid.QuickGetText(1, 4), "belt");
}

TEST(UGCtrlRegistryTest, CellTypesDataSourcesAndFonts) {
  RecordingGrid grid;
  ASSERT_NE(grid.GetCellType(0), nullptr);
  EXPECT_EQ(grid.GetCellType(0)->GetTypeName(), "Normal Cell Type (default)");
  ASSERT_NE(grid.GetCellType(1), nullptr);
  EXPECT_EQ(grid.GetCellType(1)->GetTypeName(), "DropList");
  ASSERT_NE(grid.GetCellType(2), nullptr);
  EXPECT_EQ(grid.GetCellType(2)->GetTypeName(), "CheckBox");
  ASSERT_NE(grid.GetCellType(3), nullptr);
  EXPECT_EQ(grid.GetCellType(3)->GetTypeName(), "Side Arrows");
  EXPECT_EQ(grid.GetCellType(99), grid.GetCellType(0));
  EXPECT_EQ(grid.GetCellType(-4), grid.GetCellType(0));
  CUGCellType extra;
  EXPECT_EQ(grid.AddCellType(&extra), 4);
  EXPECT_EQ(extra.GetID(), 4);
  EXPECT_EQ(grid.GetCellType(4), &extra);

  CUGMem sources[70];
  EXPECT_EQ(grid.AddDataSource(&sources[0]), 1);
  EXPECT_EQ(sources[0].GetOwner(), &grid);
  int last = 0;
  for (int i = 1; i < 70; ++i) {
    int index = grid.AddDataSource(&sources[i]);
    if (index < 0) break;
    last = index;
  }
  EXPECT_EQ(last, 63);
  EXPECT_EQ(grid.AddDataSource(nullptr), -1);

  int a = grid.AddFont(-12, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, "Arial");
  int b = grid.AddFont(-12, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, "Arial");
  int c = grid.AddFont(-12, 0, 0, 0, 700, 0, 0, 0, 1, 0, 0, 0, 0, "Arial");
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
  EXPECT_EQ(grid.SetDefaultFont(a), UG_SUCCESS);
  EXPECT_EQ(grid.SetDefaultFont(55), UG_ERROR);
}

TEST(UGCtrlHookTest, DefaultHintTextAndMenuItems) {
  RecordingGrid grid;
  std::string text;
  EXPECT_TRUE(grid.GetHintText(2, 7, UG_GRID, &text));
  EXPECT_EQ(text, "Col:2 Row:7");
  grid.AddPopupMenuItem(4320, "Copy");
  grid.AddPopupMenuItem(5, "");
  grid.AddPopupMenuItem(0xFFFFFFFFu, "x");
  ASSERT_EQ(grid.GetPopupMenuItems().size(), 3u);
  EXPECT_EQ(grid.GetPopupMenuItems()[1].first, 0u);  // separators
  EXPECT_EQ(grid.GetPopupMenuItems()[2].first, 0u);
  grid.ClearPopupMenu();
  EXPECT_TRUE(grid.GetPopupMenuItems().empty());
  EXPECT_EQ(grid.GetDefaultBackColor(UG_GRID), UGSysColor(UG_COLOR_WINDOW));
  EXPECT_EQ(grid.GetDefaultBackColor(UG_TOPHEADING), UGSysColor(UG_COLOR_3DFACE));
}

TEST(UGCtrlSizeTest, FitColumnsSharesTheWidthAndRefusesZeroWidths) {
  RecordingGrid grid;
  grid.SetUp(3, 5, 340, 200);  // cell area 300 wide
  grid.SetColWidth(0, 50);
  grid.SetColWidth(1, 100);
  grid.SetColWidth(2, 50);
  ASSERT_EQ(grid.FitColumnsToWindow(0, 2), UG_SUCCESS);
  EXPECT_EQ(grid.GetColWidth(0), 75);
  EXPECT_EQ(grid.GetColWidth(1), 150);
  EXPECT_EQ(grid.GetColWidth(2), 75);
  EXPECT_EQ(grid.FitColumnsToWindow(2, 1), UG_ERROR);
  EXPECT_EQ(grid.FitColumnsToWindow(0, 3), UG_ERROR);
  grid.SetColWidth(0, 0);
  grid.SetColWidth(1, 0);
  EXPECT_EQ(grid.FitColumnsToWindow(0, 1), UG_REFUSED);
}

TEST(UGCtrlSizeTest, BestFitMeasuresTheTextAndHonoursItsChecks) {
  RecordingGrid grid;
  grid.SetUp(3, 5, 600, 300);
  grid.QuickSetText(1, 0, "a rather long text in one cell");
  grid.QuickSetText(1, -1, "x");
  EXPECT_EQ(grid.BestFitColumns(-2, 1, 10, 0), UG_ERROR);
  EXPECT_EQ(grid.BestFitColumns(0, 3, 10, 0), UG_REFUSED);
  EXPECT_EQ(grid.BestFitColumns(2, 1, 10, 0), UG_THIRDCHECK);
  ASSERT_EQ(grid.BestFitColumns(0, 1, 10, 0), UG_SUCCESS);
  EXPECT_EQ(grid.GetColWidth(0), 5);  // nothing to show: 3 + 2
  EXPECT_GT(grid.GetColWidth(1), 100);
  EXPECT_LT(grid.GetColWidth(1), 400);
}

}  // namespace
