#include "grid/UGHeadingWnd.h"

#include <algorithm>

#include "grid/UGCellType.h"
#include "grid/UGCtrl.h"
#include "grid/UGGrid.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"

CUGHeadingWnd::CUGHeadingWnd(CUGCtrl* ctrl, int section) : m_ctrl(ctrl), m_tips(this, ctrl, section) {}

CUGHeadingWnd::~CUGHeadingWnd() = default;

void CUGHeadingWnd::Repaint() {
  if (!IsWindowCreated()) return;
  Invalidate(FALSE);
  UpdateWindow();
}

int CUGHeadingWnd::HitTest(CPoint, int*, long*, CRect*) { return UG_ERROR; }

BOOL CUGHeadingWnd::OnEraseBkgnd(CDC*) { return FALSE; }

void CUGHeadingWnd::OnTimer(UINT_PTR id) {
  if (!m_tips.OnTimer(id)) CWnd::OnTimer(id);
}

BOOL CUGHeadingWnd::TellCellType(UGClick click, int down, int col, long row, CRect* rect, CPoint* point) {
  m_ctrl->GetCellIndirect(col, row, &m_cell);
  return m_ctrl->GetCellType(m_cell.GetCellTypeIndex())->OnClick(click, col, row, down, rect, point);
}

BOOL CUGHeadingWnd::ClickAt(UGClick click, int down, CPoint* point, int* col, long* row, CRect* rect) {
  *col = -1;
  *row = -1;
  if (HitTest(*point, col, row, rect) == UG_SUCCESS) return TellCellType(click, down, *col, *row, rect, point);
  *col = -1;
  *row = -1;
  return FALSE;
}

void CUGHeadingWnd::PaintCell(CDC* dc, int col, long row, CRect rect, CUGRedrawList* painted) {
  int sc = col, ec = col;
  long sr = row, er = row;
  if (m_ctrl->GetJoinRange(&sc, &sr, &ec, &er) == UG_SUCCESS) {
    if (painted->IsCellInList(sc, sr)) return;
    painted->AddCellToList(sc, sr);
    col = sc;
    row = sr;
    rect = CRect(m_ctrl->ColLeft(sc), static_cast<int>(m_ctrl->RowTop(sr)),
                 m_ctrl->ColLeft(ec) + m_ctrl->GetColWidth(ec),
                 static_cast<int>(m_ctrl->RowTop(er) + m_ctrl->GetRowHeight(er)));
  }
  m_ctrl->GetCellIndirect(col, row, &m_cell);
  int saved = dc->SaveDC();
  m_ctrl->GetCellType(m_cell.GetCellTypeIndex())->OnDraw(dc, &rect, col, row, &m_cell, 0, 0);
  dc->RestoreDC(saved);
}

int CUGHeadingWnd::SizeHeadingPart(std::vector<int>* parts, size_t index, int size, int total) {
  (*parts)[index] = size;
  int others = 0;
  for (size_t i = 1; i < parts->size(); ++i) others += (*parts)[i];
  (*parts)[0] = std::max(total - others, 0);
  return std::max(total, 0);
}

void CUGHeadingWnd::FinishSizing() {
  ReleaseCapture();
  if (m_ctrl->m_CUGGrid != nullptr && m_ctrl->m_CUGGrid->IsWindowCreated()) m_ctrl->m_CUGGrid->Invalidate(FALSE);
  m_ctrl->AdjustComponentSizes();
}

void CUGHeadingWnd::InvertGridLine(int* shown, int pos, bool vertical) {
  CUGGrid* grid = m_ctrl->m_CUGGrid;
  if (grid == nullptr || !grid->IsWindowCreated()) return;
  CClientDC dc(grid);
  auto invert = [&](int at) {
    if (vertical)
      dc.PatBlt(at, 0, 2, m_GI->m_gridHeight, DSTINVERT);
    else
      dc.PatBlt(0, at, m_GI->m_gridWidth, 2, DSTINVERT);
  };
  if (*shown >= 0) invert(*shown);
  *shown = pos;
  if (pos >= 0) invert(pos);
}
