#include "grid/UGTipTracker.h"

#include <string>

#include "grid/UGCtrl.h"
#include "grid/UGHint.h"

namespace {
constexpr UINT kDelayMs = 200;
constexpr UINT kShownMs = 32767;
}  // namespace

void UGTipTracker::Track(bool valid, int col, long row, const CRect& cellRect) {
  if (valid == m_valid && (!valid || (col == m_col && row == m_row))) return;
  Hide();
  m_valid = valid;
  m_col = col;
  m_row = row;
  m_cellRect = cellRect;
  if (valid) m_wnd->SetTimer(kShowTimer, kDelayMs);
}

bool UGTipTracker::OnTimer(UINT_PTR id) {
  if (id == kHideTimer) {
    Hide();
    return true;
  }
  if (id != kShowTimer) return false;
  m_wnd->KillTimer(kShowTimer);
  CUGHint* hint = m_ctrl->m_CUGHint;
  if (hint == nullptr || !m_valid || m_ctrl->IsEditing()) return true;
  std::string text;
  if (!m_ctrl->GetHintText(m_col, m_row, m_section, &text) || text.empty()) return true;
  CRect rect = m_cellRect;
  m_wnd->ClientToScreen(&rect);
  m_ctrl->ScreenToClient(&rect);
  hint->SetAnchor(0);
  hint->SetText(text, FALSE);
  hint->MoveTo(rect.left + 8, rect.bottom + 2, 0);
  hint->Show();
  m_shown = true;
  m_wnd->SetTimer(kHideTimer, kShownMs);
  return true;
}

void UGTipTracker::Hide() {
  m_wnd->KillTimer(kShowTimer);
  m_wnd->KillTimer(kHideTimer);
  if (m_shown && m_ctrl->m_CUGHint != nullptr) m_ctrl->m_CUGHint->Hide();
  m_shown = false;
}
