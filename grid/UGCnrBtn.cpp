#include "grid/UGCnrBtn.h"

#include <algorithm>

#include "grid/UGCellType.h"
#include "grid/UGCtrl.h"
#include "grid/UGCursors.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"

CUGCnrBtn::CUGCnrBtn(CUGCtrl* ctrl) : CUGHeadingWnd(ctrl, UG_CORNERBUTTON) {}

CUGCnrBtn::~CUGCnrBtn() = default;

void CUGCnrBtn::OnPaint() {
  CPaintDC dc(this);
  CUGGridInfo* gi = m_GI;
  if (gi == nullptr || !gi->m_paintMode) return;
  m_ctrl->OnPaintDCSetup(&dc, nullptr, UG_CORNERBUTTON);
  CFont* oldFont = nullptr;
  bool fontSelected = false;
  if (gi->m_defFont != nullptr) {
    oldFont = dc.SelectObject(gi->m_defFont);
    fontSelected = true;
  }
  CRect rect;
  GetClientRect(&rect);
  // The corner is one heading-style cell over the whole button.
  m_ctrl->GetCellIndirect(-1, -1, &m_cell);
  m_ctrl->GetCellType(m_cell.GetCellTypeIndex())->OnDraw(&dc, &rect, -1, -1, &m_cell, 0, 0);
  if (fontSelected) dc.SelectObject(oldFont);
}

void CUGCnrBtn::OnMouseMove(UINT flags, CPoint point) {
  CUGGridInfo* gi = m_GI;
  if (m_sizing) {
    if (m_armed == Sizing::SideWidth) {
      int width = std::max(m_startSize + point.x - m_startPos, 0);
      if (m_ctrl->OnSideHeadingSizing(&width) == 1) m_ctrl->SetSideHeadingWidth(std::clamp(width, 0, 1024));
    } else {
      int height = std::max(m_startSize + point.y - m_startPos, 0);
      if (m_ctrl->OnTopHeadingSizing(&height) == 1) m_ctrl->SetTopHeadingHeight(std::clamp(height, 0, 1024));
    }
    return;
  }
  if ((flags & MK_LBUTTON) || gi->m_userSizingMode == 0) return;
  CRect rect;
  GetClientRect(&rect);
  if (rect.right - point.x < 4 && m_ctrl->CanSizeSideHeading()) {
    m_armed = Sizing::SideWidth;
    UGSetCursor(this, UGCursor::SizeWE);
  } else if (rect.bottom - point.y < 4 && m_ctrl->CanSizeTopHeading()) {
    m_armed = Sizing::TopHeight;
    UGSetCursor(this, UGCursor::SizeNS);
  } else {
    m_armed = Sizing::None;
    UGSetCursor(this, UGCursor::Arrow);
    m_tips.Track(true, -1, -1, rect);
  }
}

void CUGCnrBtn::OnLButtonDown(UINT, CPoint point) {
  m_tips.Hide();
  m_buttonDown = true;
  if (m_armed != Sizing::None) {
    m_sizing = true;
    m_startPos = m_armed == Sizing::SideWidth ? point.x : point.y;
    m_startSize = m_armed == Sizing::SideWidth ? m_GI->m_sideHdgWidth : m_GI->m_topHdgHeight;
    SetCapture();
    return;
  }
  CRect rect;
  GetClientRect(&rect);
  m_ctrl->OnCornerLeftClick(1, &rect, &point, FALSE);
}

void CUGCnrBtn::EndSizing() {
  m_sizing = false;
  ReleaseCapture();
  if (m_armed == Sizing::SideWidth) {
    int width = m_GI->m_sideHdgWidth;
    m_ctrl->OnSideHeadingSized(&width);
    if (width != m_GI->m_sideHdgWidth) m_ctrl->SetSideHeadingWidth(std::clamp(width, 0, 1024));
  } else {
    int height = m_GI->m_topHdgHeight;
    m_ctrl->OnTopHeadingSized(&height);
    if (height != m_GI->m_topHdgHeight) m_ctrl->SetTopHeadingHeight(std::clamp(height, 0, 1024));
  }
  m_armed = Sizing::None;
  m_ctrl->AdjustComponentSizes();
}

void CUGCnrBtn::OnCancelMode() {
  // No button-up will come: a sizing ends at the size reached, as at a release.
  m_buttonDown = false;
  if (m_sizing) EndSizing();
  CUGHeadingWnd::OnCancelMode();
}

void CUGCnrBtn::OnLButtonUp(UINT, CPoint point) {
  if (!m_buttonDown) return;
  m_buttonDown = false;
  if (m_sizing) {
    EndSizing();
    return;
  }
  CRect rect;
  GetClientRect(&rect);
  m_ctrl->OnCornerLeftClick(0, &rect, &point, FALSE);
}

void CUGCnrBtn::OnLButtonDblClk(UINT, CPoint point) {
  CRect rect;
  GetClientRect(&rect);
  m_ctrl->OnCornerDoubleClick(&rect, &point, FALSE);
}

void CUGCnrBtn::OnRButtonDown(UINT, CPoint point) {
  m_tips.Hide();
  CRect rect;
  GetClientRect(&rect);
  m_ctrl->OnCornerRightClick(1, &rect, &point, FALSE);
  if (m_GI->m_menuEnabled) {
    CPoint screen = point;
    ClientToScreen(&screen);
    m_ctrl->StartPopupMenu(-1, -1, screen, UG_CORNERBUTTON);
  }
}

void CUGCnrBtn::OnRButtonUp(UINT, CPoint point) {
  CRect rect;
  GetClientRect(&rect);
  m_ctrl->OnCornerRightClick(0, &rect, &point, FALSE);
}
