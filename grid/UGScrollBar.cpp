#include "grid/UGScrollBar.h"

#include "grid/UGCtrl.h"
#include "grid/UGGeometry.h"
#include "grid/UGGrid.h"
#include "grid/UGHint.h"
#include "platform/ui/Cursors.h"

CUGScrollBar::CUGScrollBar(CUGCtrl* ctrl, int section) : m_ctrl(ctrl), m_section(section) {}

CUGScrollBar::~CUGScrollBar() = default;

bool CUGScrollBar::CanUpdate() const {
  return m_GI != nullptr && m_GI->m_paintMode && IsWindowCreated();
}

void CUGScrollBar::ApplyScrollInfo(const UGScrollInfo& info, long first) {
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = info.min;
  si.nMax = info.max;
  si.nPage = static_cast<UINT>(info.page);
  si.nPos = info.pos;
  SetScrollInfo(&si, TRUE);
  if (first != m_lastFirst) {
    long previous = m_lastFirst;
    m_lastFirst = first;
    m_ctrl->OnViewScrolled(m_section, previous, first);
  }
}

void CUGScrollBar::BeginScrollAction() {
  if (m_ctrl->m_CUGGrid != nullptr && m_ctrl->m_CUGGrid->IsWindowCreated()) m_ctrl->m_CUGGrid->SetFocus();
  m_ctrl->SetMoveType(UG_MOVE_SCROLL, 0);
}

void CUGScrollBar::ShowThumbHint(const std::string& text, int anchor, bool followMouseX, int fixed,
                                 int offset) {
  CUGHint* hint = m_ctrl->m_CUGHint;
  if (hint == nullptr) return;
  CPoint mouse;
  GetCursorPos(&mouse);
  m_ctrl->ScreenToClient(&mouse);
  hint->SetAnchor(anchor);
  hint->SetText(text, FALSE);
  if (followMouseX)
    hint->MoveTo(mouse.x, fixed, offset);
  else
    hint->MoveTo(fixed, mouse.y, offset);
  hint->Show();
}

void CUGScrollBar::HideHint() {
  if (m_ctrl->m_CUGHint != nullptr) m_ctrl->m_CUGHint->Hide();
}

void CUGScrollBar::OnRButtonDown(UINT, CPoint point) {
  if (m_GI == nullptr || !m_GI->m_menuEnabled) return;
  CPoint screen = point;
  ClientToScreen(&screen);
  m_ctrl->StartPopupMenu(-1, -1, screen, m_section);
}
