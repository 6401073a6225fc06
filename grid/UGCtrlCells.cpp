// Cells, quick accessors, joins, the popup menu's items and the default
// notifications of the grid control.
#include <algorithm>
#include <cstdio>

#include "grid/UGColors.h"
#include "grid/UGCtrl.h"

// ---- Cells ------------------------------------------------------------------------------------------

int CUGCtrl::GetCell(int col, long row, CUGCell* cell) {
  if (cell == nullptr || col >= m_GI->m_numberCols || col < -m_GI->m_numberSideHdgCols) return UG_ERROR;
  bool data = col >= 0 && row >= 0;
  CUGDataSource* source = data ? DataSourceOf(col) : m_GI->m_defDataSource.get();
  return source->GetCell(data ? DataSourceColOf(col) : HeadingStoreCol(col), row, cell);
}

int CUGCtrl::HeadingStoreCol(int col) const {
  // A column heading travels with its column when the sheet's store serves it.
  if (col >= 0 && col < m_GI->m_numberCols &&
      DataSourceOf(col) == m_GI->m_defDataSource.get()) {
    return DataSourceColOf(col);
  }
  return col;
}

int CUGCtrl::GetCellIndirect(int col, long row, CUGCell* cell) {
  if (cell == nullptr) return UG_ERROR;
  CUGGridInfo* gi = m_GI;
  cell->ClearAll();
  cell->SetPropertyFlags(0);
  bool data = col >= 0 && row >= 0 && col < gi->m_numberCols;
  if (data) {
    const UGColInfo& info = gi->m_colInfo[static_cast<size_t>(col)];
    if (info.colDefault) cell->CopyFrom(info.colDefault.get());
  } else {
    cell->CopyFrom(&gi->m_hdgDefault);
    if (row == -gi->m_numberTopHdgRows) {
      cell->SetStyleWord(UG_STYLE_TOPHEADING_OUTER);
    } else if (col == -gi->m_numberSideHdgCols) {
      cell->SetStyleWord(UG_STYLE_SIDEHEADING_OUTER);
    }
  }
  if (row < gi->m_numberRows) {
    if (data) {
      DataSourceOf(col)->GetCell(DataSourceColOf(col), row, cell);
    } else {
      gi->m_defDataSource->GetCell(HeadingStoreCol(col), row, cell);
    }
  }
  OnCellGet(col, row, cell);
  if (CUGCellFormat* format = cell->GetFormatObject()) format->ApplyDisplayFormat(cell);
  if (CUGCell* style = cell->GetStyleCell()) CUGCell::CopyOver(style, cell);
  return UG_SUCCESS;
}

int CUGCtrl::SetCell(int col, long row, CUGCell* cell) {
  CUGGridInfo* gi = m_GI;
  if (cell == nullptr || col < -gi->m_numberSideHdgCols || col >= gi->m_numberCols ||
      row < -gi->m_numberTopHdgRows || row > gi->m_numberRows) {
    return UG_ERROR;
  }
  OnCellSet(col, row, cell);
  bool data = col >= 0 && row >= 0;
  CUGDataSource* source = data ? DataSourceOf(col) : gi->m_defDataSource.get();
  return source->SetCell(data ? DataSourceColOf(col) : HeadingStoreCol(col), row, cell);
}

int CUGCtrl::DeleteCell(int col, long row) {
  if (col < -m_GI->m_numberSideHdgCols || col >= m_GI->m_numberCols) return UG_ERROR;
  bool data = col >= 0 && row >= 0;
  CUGDataSource* source = data ? DataSourceOf(col) : m_GI->m_defDataSource.get();
  return source->DeleteCell(data ? DataSourceColOf(col) : HeadingStoreCol(col), row);
}

int CUGCtrl::GetHeadingDefault(CUGCell* cell) const {
  if (cell == nullptr) return UG_ERROR;
  return cell->CopyFrom(&m_GI->m_hdgDefault);
}

int CUGCtrl::SetHeadingDefault(const CUGCell* cell) {
  if (cell == nullptr) return UG_ERROR;
  m_GI->m_hdgDefault.CopyFrom(cell);
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::GetColDefault(int col, CUGCell* cell) const {
  if (cell == nullptr || col < 0 || col >= m_GI->m_numberCols) return UG_ERROR;
  return cell->CopyFrom(m_GI->m_colInfo[static_cast<size_t>(col)].colDefault.get());
}

int CUGCtrl::SetColDefault(int col, const CUGCell* cell) {
  if (cell == nullptr || col < 0 || col >= m_GI->m_numberCols) return UG_ERROR;
  m_GI->m_colInfo[static_cast<size_t>(col)].colDefault->CopyFrom(cell);
  return UG_SUCCESS;
}

int CUGCtrl::GetGridDefault(CUGCell* cell) const {
  if (cell == nullptr) return UG_ERROR;
  return cell->CopyFrom(&m_GI->m_colDefault);
}

int CUGCtrl::SetGridDefault(const CUGCell* cell) {
  if (cell == nullptr) return UG_ERROR;
  m_GI->m_colDefault.CopyFrom(cell);
  return UG_SUCCESS;
}

template <class Change>
int CUGCtrl::QuickChange(int col, long row, Change change) {
  // The cell starts with no property set, so that storing it back adds
  // only what the stored cell had and the one change.
  CUGCell cell;
  cell.SetPropertyFlags(0);
  if (col < -m_GI->m_numberSideHdgCols || col >= m_GI->m_numberCols) return UG_ERROR;
  GetCell(col, row, &cell);
  change(cell);
  return SetCell(col, row, &cell);
}

int CUGCtrl::QuickSetText(int col, long row, const std::string& text) {
  return QuickChange(col, row, [&](CUGCell& cell) { cell.SetText(text); });
}

int CUGCtrl::QuickSetNumber(int col, long row, double number) {
  return QuickChange(col, row, [&](CUGCell& cell) { cell.SetNumber(number); });
}

int CUGCtrl::QuickSetTextColor(int col, long row, COLORREF color) {
  return QuickChange(col, row, [&](CUGCell& cell) { cell.SetTextColor(color); });
}

int CUGCtrl::QuickSetBackColor(int col, long row, COLORREF color) {
  return QuickChange(col, row, [&](CUGCell& cell) { cell.SetBackColor(color); });
}

int CUGCtrl::QuickSetCellType(int col, long row, int index) {
  return QuickChange(col, row, [&](CUGCell& cell) { cell.SetCellTypeIndex(index); });
}

std::string CUGCtrl::QuickGetText(int col, long row) {
  CUGCell cell;
  GetCellIndirect(col, row, &cell);
  return cell.GetText();
}

int CUGCtrl::FindInColumn(const std::string& text, int col, long* row, int flags) {
  if (row == nullptr || col < 0 || col >= m_GI->m_numberCols) return UG_ERROR;
  int dsCol = DataSourceColOf(col);
  return m_GI->m_defDataSource->FindInRange(text, &dsCol, row, flags & ~UG_FIND_ALLCOLUMNS);
}

int CUGCtrl::JoinCells(int startCol, long startRow, int endCol, long endRow) {
  if (startCol > endCol) std::swap(startCol, endCol);
  if (startRow > endRow) std::swap(startRow, endRow);
  if (startCol < 0 || endCol >= m_GI->m_numberCols || startRow < 0 || endRow >= m_GI->m_numberRows) {
    return UG_ERROR;
  }
  CUGCell cell;
  for (long r = startRow; r <= endRow; ++r) {
    for (int c = startCol; c <= endCol; ++c) {
      cell.ClearAll();
      cell.SetPropertyFlags(0);
      GetCell(c, r, &cell);
      if (c == startCol && r == startRow) {
        cell.SetJoinInfo(TRUE, endCol - startCol, endRow - startRow);
      } else {
        cell.SetJoinInfo(FALSE, startCol - c, startRow - r);
      }
      SetCell(c, r, &cell);
    }
  }
  RedrawAll();
  return UG_SUCCESS;
}

int CUGCtrl::UnJoinCells(int col, long row) {
  int startCol = col;
  long startRow = row;
  int endCol = col;
  long endRow = row;
  if (GetJoinRange(&startCol, &startRow, &endCol, &endRow) != UG_SUCCESS) return UG_ERROR;
  CUGCell cell;
  for (long r = startRow; r <= endRow; ++r) {
    for (int c = startCol; c <= endCol; ++c) {
      cell.ClearAll();
      cell.SetPropertyFlags(0);
      if (GetCell(c, r, &cell) != UG_SUCCESS) continue;
      cell.ClearJoinInfo();
      SetCell(c, r, &cell);
    }
  }
  RedrawAll();
  return UG_SUCCESS;
}

// ---- Menus --------------------------------------------------------------------------------------

int CUGCtrl::ClearPopupMenu() {
  m_menuItems.clear();
  return UG_SUCCESS;
}

int CUGCtrl::AddPopupMenuItem(UINT id, const std::string& text) {
  // An empty text or the id 0xFFFFFFFF is a separator (kept as id 0).
  if (text.empty() || id == 0xFFFFFFFFu) {
    m_menuItems.emplace_back(0u, std::string());
  } else {
    m_menuItems.emplace_back(id, text);
  }
  return UG_SUCCESS;
}

// ---- Default notifications ------------------------------------------------------------------------

void CUGCtrl::OnFocusGained(int) {}
void CUGCtrl::OnGridSetup() {}
void CUGCtrl::ReservedHook1() {}
void CUGCtrl::OnSheetSetup(int) {}
BOOL CUGCtrl::CanMoveCell(int, long, int, long) { return TRUE; }
BOOL CUGCtrl::CanMoveView(int, long, int, long) { return TRUE; }
void CUGCtrl::OnRowsNeeded(long, long, long) {}
void CUGCtrl::ReservedHook2(long, long) {}
BOOL CUGCtrl::CanSizeColumn(int) { return TRUE; }
void CUGCtrl::OnColumnSizing(int, int*) {}
void CUGCtrl::OnColumnSized(int, int*) {}
BOOL CUGCtrl::CanSizeRow(long) { return TRUE; }
void CUGCtrl::OnRowSizing(long, int*) {}
void CUGCtrl::OnRowSized(long, int*) {}
BOOL CUGCtrl::CanSizeTopHeading() { return TRUE; }
BOOL CUGCtrl::CanSizeSideHeading() { return TRUE; }
BOOL CUGCtrl::OnTopHeadingSizing(int*) { return TRUE; }
BOOL CUGCtrl::OnSideHeadingSizing(int*) { return TRUE; }
BOOL CUGCtrl::OnTopHeadingSized(int*) { return TRUE; }
BOOL CUGCtrl::OnSideHeadingSized(int*) { return TRUE; }
void CUGCtrl::OnCurrentColChanged(int, int) {}
void CUGCtrl::OnCurrentRowChanged(long, long) {}
void CUGCtrl::OnCurrentCellChanged(int, int, long, long) {}
void CUGCtrl::OnLeftColChanged(int, int) {}
void CUGCtrl::OnTopRowChanged(long, long) {}
void CUGCtrl::OnViewScrolled(int, long, long) {}
void CUGCtrl::OnSelectionChanged(int, long, int, long, int) {}
void CUGCtrl::OnCellLeftClick(int, long, int, CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnCellRightClick(int, long, int, CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnCellDoubleClick(int, long, CRect*, CPoint*, BOOL) {}
void CUGCtrl::ReservedHook3(long, long, long, long, long) {}
void CUGCtrl::OnTopHeadingLeftClick(int, long, int, CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnTopHeadingRightClick(int, long, int, CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnTopHeadingDoubleClick(int, long, CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnSideHeadingLeftClick(int, long, int, CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnSideHeadingRightClick(int, long, int, CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnSideHeadingDoubleClick(int, long, CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnCornerLeftClick(int, CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnCornerRightClick(int, CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnCornerDoubleClick(CRect*, CPoint*, BOOL) {}
void CUGCtrl::OnKeyDown(UINT*, BOOL) {}
void CUGCtrl::OnKeyUp(UINT*, BOOL) {}
void CUGCtrl::OnCellKey(UINT*, BOOL) {}
void CUGCtrl::OnCellGet(int, long, CUGCell*) {}
void CUGCtrl::OnCellSet(int, long, CUGCell*) {}
void CUGCtrl::ReservedHook4(long, long, long) {}
BOOL CUGCtrl::OnCellTypeNotify(long, int, long, long, LPARAM) { return TRUE; }
BOOL CUGCtrl::OnEditStart(int, long, CWnd**) { return TRUE; }
BOOL CUGCtrl::OnEditVerify(int, long, CWnd*, UINT*) { return TRUE; }
BOOL CUGCtrl::OnEditFinish(int, long, CWnd*, const std::string&, BOOL) { return TRUE; }
BOOL CUGCtrl::OnEditContinue(int, long, int*, long*) { return TRUE; }
BOOL CUGCtrl::ReservedHook5(long, long, long, long) { return TRUE; }
BOOL CUGCtrl::ReservedHook6(long, long, long, long) { return TRUE; }
void CUGCtrl::OnMenuCommand(int, long, int, UINT) {}
BOOL CUGCtrl::OnMenuStart(int, long, int) { return TRUE; }
int CUGCtrl::GetHelpContext(int, long, int) { return 0; }

BOOL CUGCtrl::GetHintText(int col, long row, int, std::string* text) {
  if (text == nullptr) return FALSE;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "Col:%d Row:%ld", col, row);
  *text = buffer;
  return TRUE;
}

BOOL CUGCtrl::GetVScrollHintText(long, std::string*) { return TRUE; }
BOOL CUGCtrl::GetHScrollHintText(int, std::string*) { return TRUE; }

int CUGCtrl::CompareCells(CUGCell* cell1, CUGCell* cell2, int flags) {
  return DefaultCompareCells(cell1, cell2, flags);
}

void CUGCtrl::OnPaintDCSetup(CDC*, CDC*, int) {}
void CUGCtrl::OnAdjustComponentRects(CRect*, CRect*, CRect*, CRect*, CRect*, CRect*, CRect*) {}
void CUGCtrl::OnTabSelected(int) {}

COLORREF CUGCtrl::GetDefaultBackColor(int section) {
  return UGSysColor(section == UG_GRID ? UG_COLOR_WINDOW : UG_COLOR_3DFACE);
}

void CUGCtrl::OnFocusLost(int section, CWnd*) { OnFocusLostSection(section); }
void CUGCtrl::OnFocusLostSection(int) {}
BOOL CUGCtrl::CanStartColumnDrag(int) { return TRUE; }
BOOL CUGCtrl::CanDropColumn(int, int) { return TRUE; }
void CUGCtrl::OnColumnMoved(int, int) {}
void CUGCtrl::ReservedHook7(CWnd*, CRect*) {}
