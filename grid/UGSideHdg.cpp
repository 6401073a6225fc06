#include "grid/UGSideHdg.h"

#include <algorithm>
#include <cstdlib>

#include "grid/UGCellType.h"
#include "grid/UGCtrl.h"
#include "grid/UGCursors.h"
#include "grid/UGGeometry.h"
#include "grid/UGGrid.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"

CUGSideHdg::CUGSideHdg(CUGCtrl* ctrl) : CUGHeadingWnd(ctrl, UG_SIDEHEADING) {}

CUGSideHdg::~CUGSideHdg() = default;

void CUGSideHdg::ScrollAndRedraw() {
  CUGGridInfo* gi = m_GI;
  if (gi == nullptr || !IsWindowCreated() || !gi->m_paintMode) return;
  const bool rowChanged = gi->m_currentRow != gi->m_lastRow;
  const long fromTop = m_shownSheet == gi ? m_shownTopRow : -1;
  if (fromTop == gi->m_topRow && !rowChanged) return;
  CRect client;
  GetClientRect(&client);
  CRect pending;
  if (fromTop < 0 || GetUpdateRect(&pending)) {
    Repaint();
    return;
  }
  // The pixels of the scrolled rows move by the heights between the two
  // top rows; only the strip they uncover is painted anew.
  long dy = 0;
  for (long r = fromTop; r < gi->m_topRow; ++r) dy += m_ctrl->GetRowHeight(r);
  for (long r = gi->m_topRow; r < fromTop; ++r) dy -= m_ctrl->GetRowHeight(r);
  const CRect scroll(0, std::min(gi->m_lockRowHeight, client.bottom), client.right, client.bottom);
  if (std::labs(dy) >= scroll.Height()) {
    Repaint();
    return;
  }
  if (dy != 0) {
    CClientDC dc(this);
    CRect uncovered;
    dc.ScrollDC(0, static_cast<int>(-dy), &scroll, &scroll, &uncovered);
    InvalidateRect(&uncovered, FALSE);
    m_shownTopRow = gi->m_topRow;
  }
  // The headings of the previous and the new current row show the change.
  for (long row : {gi->m_lastRow, gi->m_currentRow}) {
    CRect rect;
    if (rowChanged && row >= 0 && RowRectInView(row, &rect)) InvalidateRect(&rect, FALSE);
  }
  UpdateWindow();
}

bool CUGSideHdg::RowRectInView(long row, CRect* rect) const {
  CRect client;
  GetClientRect(&client);
  int y = 0;
  for (long r : m_ctrl->ShownRows()) {
    const int h = m_ctrl->GetRowHeight(r);
    if (r == row) {
      *rect = CRect(0, y, client.right, y + h);
      return h > 0;
    }
    y += h;
    if (y > client.bottom) break;
  }
  return false;
}

int CUGSideHdg::HitTest(CPoint point, int* col, long* row, CRect* rect) {
  CUGGridInfo* gi = m_GI;
  int foundCol = 0;
  int x = 0;
  for (int c = -gi->m_numberSideHdgCols; c < 0; ++c) {
    int w = m_ctrl->GetColWidth(c);
    if (point.x >= x && point.x < x + w) {
      foundCol = c;
      break;
    }
    x += w;
  }
  if (foundCol == 0) return UG_ERROR;
  int y = 0;
  for (long r : m_ctrl->ShownRows()) {
    int h = m_ctrl->GetRowHeight(r);
    if (point.y >= y && point.y < y + h) {
      if (col) *col = foundCol;
      if (row) *row = r;
      if (rect) *rect = CRect(x, y, x + m_ctrl->GetColWidth(foundCol), y + h);
      return UG_SUCCESS;
    }
    y += h;
  }
  return UG_ERROR;
}

int CUGSideHdg::GetCellRect(int col, long row, CRect* rect) { return m_ctrl->GetCellRect(col, row, rect); }

void CUGSideHdg::OnPaint() {
  CPaintDC dc(this);
  CUGGridInfo* gi = m_GI;
  if (gi == nullptr || !gi->m_paintMode) return;
  m_ctrl->OnPaintDCSetup(&dc, nullptr, UG_SIDEHEADING);
  CFont* oldFont = nullptr;
  bool fontSelected = false;
  if (gi->m_defFont != nullptr) {
    oldFont = dc.SelectObject(gi->m_defFont);
    fontSelected = true;
  }
  CRect client;
  GetClientRect(&client);
  // Only the rows that reach into the area being painted are drawn.
  const CRect update = dc.m_ps.rcPaint.IsRectEmpty() ? client : dc.m_ps.rcPaint;
  CUGRedrawList painted;
  int y = 0;
  for (long r : m_ctrl->ShownRows()) {
    int h = m_ctrl->GetRowHeight(r);
    if (h <= 0) continue;
    if (y + h <= update.top || y >= update.bottom) {
      y += h;
      if (y > client.Height()) break;
      continue;
    }
    int x = 0;
    for (int c = -gi->m_numberSideHdgCols; c < 0; ++c) {
      int w = m_ctrl->GetColWidth(c);
      if (w <= 0) continue;
      PaintCell(&dc, c, r, CRect(x, y, x + w, y + h), &painted);
      x += w;
    }
    y += h;
    if (y > client.Height()) break;
  }
  if (y < client.bottom) {
    dc.FillSolidRect(CRect(0, y, client.right, client.bottom), m_ctrl->GetDefaultBackColor(UG_SIDEHEADING));
  }
  if (fontSelected) dc.SelectObject(oldFont);
  // What the pixels show, for the next scroll.
  if (update.left <= 0 && update.top <= 0 && update.right >= client.right && update.bottom >= client.bottom) {
    m_shownSheet = gi;
    m_shownTopRow = gi->m_topRow;
  } else if (m_shownSheet != gi || m_shownTopRow != gi->m_topRow) {
    m_shownSheet = nullptr;  // part painted at another view: no longer one view
  }
}

void CUGSideHdg::DrawSizingLine(int y) { InvertGridLine(&m_lineY, y, false); }

void CUGSideHdg::OnMouseMove(UINT flags, CPoint point) {
  CUGGridInfo* gi = m_GI;
  if (m_sizing) {
    int delta = (m_armed == Sizing::Row ? point.y : point.x) - m_startPos;
    if (m_armed == Sizing::Row) {
      long row = m_sizeIndex;
      int height = std::max(m_startSize + delta, 0);
      m_ctrl->OnRowSizing(row, &height);
      height = std::max(height, 0);
      if (gi->m_userSizingMode == 1) {
        DrawSizingLine(std::max(static_cast<int>(m_ctrl->RowTop(row)) + height - 1, 0));
        m_startTotal = height;  // the height to store when the drag ends
      } else {
        m_ctrl->SetRowHeight(row, height);
        m_ctrl->RedrawAll();
      }
    } else {
      size_t index = static_cast<size_t>(-m_sizeIndex - 1);
      int width = std::max(m_startSize + delta, 0);
      int total = std::max(m_startTotal + delta, 0);
      if (m_ctrl->OnSideHeadingSizing(&total) == 1) {
        gi->m_sideHdgWidth = SizeHeadingPart(&gi->m_sideHdgWidths, index, width, total);
        m_ctrl->AdjustComponentSizes();
      }
    }
    return;
  }
  if ((flags & MK_LBUTTON) || gi->m_userSizingMode == 0) return;
  std::vector<long> rows = m_ctrl->ShownRows();
  long row = UGSizingCandidate(point.y, rows, 0, gi->m_numberRows, [this](long r) { return m_ctrl->GetRowHeight(r); });
  if (row >= 0 && m_ctrl->CanSizeRow(row)) {
    m_armed = Sizing::Row;
    m_sizeIndex = row;
    UGSetCursor(this, UGCursor::SizeNS);
    return;
  }
  int edge = gi->m_sideHdgWidth;
  for (int c = -1; c >= -gi->m_numberSideHdgCols; --c) {
    if (std::abs(point.x - edge) < 3) {
      if (m_ctrl->CanSizeSideHeading()) {
        m_armed = Sizing::Width;
        m_sizeIndex = c;
        UGSetCursor(this, UGCursor::SizeWE);
        return;
      }
      break;
    }
    edge -= m_ctrl->GetColWidth(c);
  }
  m_armed = Sizing::None;
  UGSetCursor(this, UGCursor::Arrow);
  int tipCol = -1;
  long tipRow = -1;
  CRect tipRect;
  bool valid = HitTest(point, &tipCol, &tipRow, &tipRect) == UG_SUCCESS;
  m_tips.Track(valid, tipCol, tipRow, tipRect);
}

void CUGSideHdg::OnLButtonDown(UINT, CPoint point) {
  m_tips.Hide();
  if (m_armed != Sizing::None) {
    m_sizing = true;
    if (m_armed == Sizing::Row) {
      m_startPos = point.y;
      m_startSize = m_ctrl->GetRowHeight(m_sizeIndex);
      m_startTotal = m_startSize;
      if (m_GI->m_userSizingMode == 1) {
        DrawSizingLine(std::max(static_cast<int>(m_ctrl->RowTop(m_sizeIndex)) + m_startSize - 1, 0));
      }
    } else {
      m_startPos = point.x;
      m_startSize = m_ctrl->GetColWidth(static_cast<int>(m_sizeIndex));
      m_startTotal = m_GI->m_sideHdgWidth;
    }
    SetCapture();
    return;
  }
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Left, 1, &point, &col, &row, &rect);
  m_ctrl->OnSideHeadingLeftClick(col, row, 1, &rect, &point, processed);
}

void CUGSideHdg::EndSizing() {
  m_sizing = false;
  if (m_armed == Sizing::Row) {
    DrawSizingLine(-1);
    int height = m_GI->m_userSizingMode == 1 ? m_startTotal : m_ctrl->GetRowHeight(m_sizeIndex);
    // Storing through SetRowHeight tells OnRowSized, which may change it.
    m_ctrl->SetRowHeight(m_sizeIndex, height);
  } else {
    int total = m_GI->m_sideHdgWidth;
    m_ctrl->OnSideHeadingSized(&total);
    if (total != m_GI->m_sideHdgWidth) m_ctrl->SetSideHeadingWidth(std::max(total, 0));
  }
  FinishSizing();
  m_armed = Sizing::None;
}

void CUGSideHdg::OnCancelMode() {
  // No button-up will come: a sizing ends at the size reached, as at a release.
  if (m_sizing) EndSizing();
  CUGHeadingWnd::OnCancelMode();
}

void CUGSideHdg::OnLButtonUp(UINT, CPoint point) {
  if (m_sizing) {
    EndSizing();
    return;
  }
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Left, 0, &point, &col, &row, &rect);
  m_ctrl->OnSideHeadingLeftClick(col, row, 0, &rect, &point, processed);
}

void CUGSideHdg::OnLButtonDblClk(UINT, CPoint point) {
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Double, 0, &point, &col, &row, &rect);
  m_ctrl->OnSideHeadingDoubleClick(col, row, &rect, &point, processed);
}

void CUGSideHdg::OnRButtonDown(UINT, CPoint point) {
  m_tips.Hide();
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Right, 1, &point, &col, &row, &rect);
  m_ctrl->OnSideHeadingRightClick(col, row, 1, &rect, &point, processed);
  if (m_GI->m_menuEnabled) {
    CPoint screen = point;
    ClientToScreen(&screen);
    m_ctrl->StartPopupMenu(col, row, screen, UG_SIDEHEADING);
  }
}

void CUGSideHdg::OnRButtonUp(UINT, CPoint point) {
  int col = -1;
  long row = -1;
  CRect rect;
  BOOL processed = ClickAt(UGClick::Right, 0, &point, &col, &row, &rect);
  m_ctrl->OnSideHeadingRightClick(col, row, 0, &rect, &point, processed);
}
