#include "grid/UGHint.h"

#include "grid/UGCtrl.h"
#include "grid/UGGeometry.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"

namespace {
// Text extent with the hint's font in a scratch context.
CSize MeasureText(CFont* font, const std::string& text) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  if (font != nullptr) dc.SelectObject(font);
  return dc.GetTextExtent(text);
}
}  // namespace

CUGHint::CUGHint() = default;

CUGHint::~CUGHint() = default;

int CUGHint::Create(CUGCtrl* ctrl, int /*backgroundColorIndex*/) {
  m_ctrl = ctrl;
  if (!CWnd::Create("", WS_CHILD | WS_BORDER | WS_CLIPSIBLINGS, CRect(0, 0, 10, 10), ctrl, 0)) {
    return UG_ERROR;
  }
  m_textHeight = MeasureText(m_font, "X").cy;
  return UG_SUCCESS;
}

void CUGHint::SetHintFont(CFont* font) {
  m_font = font;
  m_textHeight = MeasureText(m_font, "X").cy;
}

void CUGHint::SetText(const std::string& text, BOOL repaint) {
  m_text = text;
  if (repaint && IsWindowCreated()) {
    Invalidate(TRUE);
    UpdateWindow();
  }
}

void CUGHint::MoveTo(int x, int y, int minimumWidth) {
  if (!IsWindowCreated() || m_ctrl == nullptr) return;
  CRect bounds;
  m_ctrl->GetClientRect(&bounds);
  int textWidth = MeasureText(m_font, m_text).cx;
  CRect rect = UGPlaceHint(x, y, minimumWidth, textWidth, m_textHeight, m_anchor, bounds);
  MoveWindow(rect, TRUE);
}

void CUGHint::Show() {
  if (!IsWindowCreated()) return;
  ShowWindow(SW_SHOWNA);
  BringWindowToTop();
  UpdateWindow();
}

void CUGHint::Hide() {
  if (IsWindowCreated()) ShowWindow(SW_HIDE);
}

BOOL CUGHint::OnEraseBkgnd(CDC*) { return FALSE; }

void CUGHint::OnPaint() {
  CPaintDC dc(this);
  if (m_ctrl == nullptr || !m_ctrl->m_GI->m_paintMode) return;
  CRect rect;
  GetClientRect(&rect);
  dc.FillSolidRect(rect, m_backColor);
  CFont* old = nullptr;
  if (m_font != nullptr) old = dc.SelectObject(m_font);
  dc.SetTextColor(m_textColor);
  dc.SetBkMode(TRANSPARENT);
  dc.DrawText(m_text, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (m_font != nullptr) dc.SelectObject(old);
}
