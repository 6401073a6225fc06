// In-cell editing of the grid control: opening the edit over a cell,
// storing its text when it ends, moving on to the next cell, cancelling.
#include <algorithm>

#include "grid/UGCellType.h"
#include "grid/UGCtrl.h"
#include "grid/UGGrid.h"
#include "grid/UGSideHdg.h"
#include "grid/UGTopHdg.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"

int CUGCtrl::StartEdit(int col, long row, int key) {
  CUGGridInfo* gi = m_GI;
  if (m_editInProgress) return UG_ERROR;
  m_editInProgress = TRUE;
  m_editCol = col;
  m_editRow = row;
  // Every refusal below closes the edit state again.
  auto refuse = [this](int code) {
    m_editInProgress = FALSE;
    m_editCtrl = nullptr;
    return code;
  };
  if (gi->m_multiSelectFlag != 0) {
    int left, right;
    long top, bottom;
    if (gi->m_multiSelect->GetTotalRange(&left, &top, &right, &bottom) == UG_SUCCESS &&
        (left != right || top != bottom)) {
      gi->m_multiSelect->ClearAll();
      RedrawRange(left, top, right, bottom);
    } else {
      gi->m_multiSelect->ClearAll();
    }
  }
  bool heading = col < 0 || row < 0;
  if (!heading && (col != gi->m_currentCol || row != gi->m_currentRow)) {
    if (GotoCell(col, row) != UG_SUCCESS) return refuse(UG_REFUSED);
  }
  GetCellIndirect(col, row, &m_editCell);
  CUGCellType* type = GetCellType(m_editCell.GetCellTypeIndex());
  if (!type->CanTextEdit()) return refuse(UG_ERROR);
  CRect rect;
  GetCellRect(col, row, &rect);
  CWnd* parent = m_CUGGrid;
  CRect parentRect = gi->m_gridRect;
  if (col < 0) {
    parent = m_CUGSideHdg;
    parentRect = gi->m_sideHdgRect;
  } else if (row < 0) {
    parent = m_CUGTopHdg;
    parentRect = gi->m_topHdgRect;
  }
  type->AdjustEditRect(&rect);
  if (m_editCell.GetReadOnly()) return refuse(UG_ERROR);
  CWnd* edit = m_editCell.GetMask().empty() ? gi->m_editCtrl : gi->m_maskedEditCtrl;
  if (DataSourceOf(col)->CanEdit(col, row, &edit) != 1 || !OnEditStart(col, row, &edit) ||
      edit == nullptr || !edit->IsWindowCreated()) {
    refuse(UG_ERROR);
    RedrawCell(col, row);
    return UG_ERROR;
  }
  m_editCtrl = edit;
  m_editParent = parent;
  CFont* font = m_editCell.GetFont() != nullptr ? m_editCell.GetFont() : gi->m_defFont;
  if (font != nullptr) edit->SetFont(font, FALSE);
  edit->SetWindowText(m_editCell.GetText());
  // The edits are children of the control: place them over the cell there.
  rect.OffsetRect(parentRect.left, parentRect.top);
  edit->MoveWindow(rect, TRUE);
  edit->ShowWindow(SW_SHOW);
  edit->BringWindowToTop();
  edit->SetFocus();
  if (key > 0) edit->SendMessage(WM_CHAR, static_cast<WPARAM>(key), 0);
  return UG_SUCCESS;
}

int CUGCtrl::EndEdit(const std::string& text, BOOL cancelled, BOOL continueEditing, int nextCol,
                     long nextRow) {
  // A closed edit (cancelled meanwhile) or a nested call from the edit's
  // own loss of focus stores nothing.
  if (!m_editInProgress || m_endEditInProgress) return 1;
  m_endEditInProgress = true;
  CUGGridInfo* gi = m_GI;
  const int col = m_editCol;
  const long row = m_editRow;
  CWnd* edit = m_editCtrl;
  bool accepted = DataSourceOf(col)->CanFinishEdit(col, row, edit, text, cancelled) == 1 &&
                  OnEditFinish(col, row, edit, text, cancelled);
  if (!m_editInProgress) {
    m_endEditInProgress = false;
    return 1;
  }
  if (!accepted) {
    m_endEditInProgress = false;
    return 0;
  }
  if (edit != nullptr && edit->IsWindowCreated()) edit->ShowWindow(SW_HIDE);
  if (!cancelled) {
    CUGCell stored;
    stored.SetPropertyFlags(0);
    GetCell(col, row, &stored);
    short type = m_editCell.GetDataType();
    stored.SetText(text);
    if (type >= UGCELLDATA_NUMBER && type <= UGCELLDATA_CURRENCY) stored.SetDataType(type);
    SetCell(col, row, &stored);
    if (gi->m_enableCellOverFlow && col >= 0 && col + 1 < gi->m_numberCols && row >= 0) {
      CUGCell next;
      GetCellIndirect(col + 1, row, &next);
      if (next.GetTextLength() == 0 && edit != nullptr) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CFont* font = edit->GetFont() != nullptr ? edit->GetFont() : gi->m_defFont;
        if (font != nullptr) dc.SelectObject(font);
        if (dc.GetTextExtent(text).cx > GetColWidth(col)) RedrawAll();
      }
    }
  }
  m_editInProgress = FALSE;
  bool inCellArea = m_editParent == m_CUGGrid;
  if (continueEditing && inCellArea) {
    int newCol = nextCol;
    long newRow = nextRow;
    int sc = col, ec = col;
    long sr = row, er = row;
    if (GetJoinRange(&sc, &sr, &ec, &er) == UG_SUCCESS && newCol >= sc && newCol <= ec && newRow >= sr &&
        newRow <= er) {
      if (newCol > col) newCol = ec + 1;
      if (newCol < col) newCol = sc - 1;
      if (newRow > row) newRow = er + 1;
      if (newRow < row) newRow = sr - 1;
    }
    if (newCol < 0) newCol = gi->m_numberCols - 1;
    if (newCol >= gi->m_numberCols) newCol = 0;
    if (newRow < 0) newRow = gi->m_numberRows - 1;
    if (newRow >= gi->m_numberRows) newRow = 0;
    if (DataSourceOf(col)->CanContinueEdit(col, row, &newCol, &newRow) == 1 &&
        OnEditContinue(col, row, &newCol, &newRow)) {
      m_endEditInProgress = false;
      StartEdit(newCol, newRow, 0);
      return 1;
    }
  }
  m_endEditInProgress = false;
  RedrawCell(col, row);
  return 1;
}

int CUGCtrl::CancelEdit() {
  if (!m_editInProgress) return UG_ERROR;
  m_editInProgress = FALSE;
  CWnd* edit = m_editCtrl;
  if (edit != nullptr && edit->IsWindowCreated()) {
    if (CWnd::GetFocus() == edit && m_CUGGrid != nullptr && m_CUGGrid->IsWindowCreated()) {
      m_CUGGrid->SetFocus();
    }
    edit->ShowWindow(SW_HIDE);
  }
  RedrawCell(m_editCol, m_editRow);
  return UG_SUCCESS;
}
