#include "controls/LumLabel.h"

#include "controls/ControlGeometry.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"

namespace {

std::uint16_t Channel16(int c) { return static_cast<std::uint16_t>(c << 8); }

TRIVERTEX Vertex(int x, int y, COLORREF c) {
  TRIVERTEX v;
  v.x = x;
  v.y = y;
  v.Red = Channel16(GetRValue(c));
  v.Green = Channel16(GetGValue(c));
  v.Blue = Channel16(GetBValue(c));
  return v;
}

}  // namespace

CLumLabel::CLumLabel() {
  m_lf.lfFaceName = "MS Shell Dlg";
  m_lf.lfWeight = FW_NORMAL;
  m_lf.lfHeight = -controls::LabelFontPixelHeight(m_nPointSize, 0);
  RebuildFont();
}

CLumLabel::~CLumLabel() = default;

int CLumLabel::OnCreate() {
  m_strText = CWnd::GetWindowText();
  if (m_blink.IsBlinking()) SetTimer(kBlinkTimer, m_blink.IntervalMs());
  return CWnd::OnCreate();
}

void CLumLabel::Changed() {
  if (IsWindowCreated()) Invalidate(FALSE);
}

void CLumLabel::SetText(const std::string& text) {
  if (text == m_strText) return;
  m_strText = text;
  CWnd::SetWindowText(text);
  Changed();
}

void CLumLabel::SetTextColor(COLORREF color) {
  if (m_crText == color) return;
  m_crText = color;
  Changed();
}

void CLumLabel::SetBkColor(COLORREF color) {
  if (m_crBk == color && !m_bTransparent) return;
  m_crBk = color;
  m_bTransparent = false;
  Changed();
}

void CLumLabel::SetGradientColor(COLORREF color) {
  m_crGradient = color;
  m_bGradient = true;
  Changed();
}

void CLumLabel::SetGradientVertical(BOOL bVertical) {
  m_bGradientVertical = bVertical != FALSE;
  Changed();
}

void CLumLabel::SetTransparent(BOOL bTransparent) {
  m_bTransparent = bTransparent != FALSE;
  Changed();
}

void CLumLabel::SetFontBold(BOOL bBold) {
  m_lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
  RebuildFont();
}

void CLumLabel::SetLabelFont(int nPointSize, BOOL bBold, BOOL bItalic, const std::string& faceName) {
  m_nPointSize = nPointSize;
  m_bAutoHeight = nPointSize == -1;
  m_lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
  m_lf.lfItalic = bItalic ? 1 : 0;
  if (!faceName.empty()) m_lf.lfFaceName = faceName;
  RebuildFont();
}

void CLumLabel::GetLogFont(LOGFONT* pLogFont) const {
  if (pLogFont) *pLogFont = m_lf;
}

void CLumLabel::RebuildFont() {
  CRect rc;
  if (IsWindowCreated()) GetClientRect(&rc);
  if (m_bAutoHeight || m_nPointSize > 0)
    m_lf.lfHeight = -controls::LabelFontPixelHeight(m_bAutoHeight ? -1 : m_nPointSize, rc.Height());
  m_font.DeleteObject();
  m_font.CreateFontIndirect(&m_lf);
  Changed();
}

void CLumLabel::OnSize(UINT type, int cx, int cy) {
  CWnd::OnSize(type, cx, cy);
  if (m_bAutoHeight) RebuildFont();
}

void CLumLabel::SetBlink(BOOL bOn, UINT nIntervalMs, int nCount) {
  ApplyBlinkAction(m_blink.Set(bOn != FALSE, nIntervalMs, nCount));
}

void CLumLabel::SetBlinkColor(COLORREF color) {
  if (m_crBlink == color) return;
  m_crBlink = color;
  if (m_blink.IsBlinkPhase()) Changed();
}

void CLumLabel::ApplyBlinkAction(BlinkRhythm::Action action) {
  switch (action) {
    case BlinkRhythm::Action::None:
      return;
    case BlinkRhythm::Action::Start:
      if (IsWindowCreated()) SetTimer(kBlinkTimer, m_blink.IntervalMs());
      break;
    case BlinkRhythm::Action::Stop:
      if (IsWindowCreated()) KillTimer(kBlinkTimer);
      break;
  }
  Changed();
}

void CLumLabel::OnTimer(UINT_PTR id) {
  if (id != kBlinkTimer) {
    CWnd::OnTimer(id);
    return;
  }
  const BlinkRhythm::Action action = m_blink.Tick();
  if (action == BlinkRhythm::Action::Stop) KillTimer(kBlinkTimer);
  Changed();
}

BOOL CLumLabel::OnEraseBkgnd(CDC*) { return TRUE; }

void CLumLabel::OnPaint() {
  CPaintDC dc(this);
  CRect rc;
  GetClientRect(&rc);
  DrawLabel(&dc, rc);
}

void CLumLabel::DrawLabel(CDC* pDC, const CRect& rc) {
  const int saved = pDC->SaveDC();
  CWnd* parent = GetParent();
  if (m_bTransparent && parent && parent->UsesSurface()) {
    // The parent's kept pixels under the label stand in for a see-through
    // background.
    CRect inParent = rc;
    ClientToScreen(&inParent);
    parent->ScreenToClient(&inParent);
    CClientDC parentDC(parent);
    pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &parentDC, inParent.left, inParent.top, SRCCOPY);
  } else if (m_bGradient && !m_bTransparent) {
    TRIVERTEX v[2] = {Vertex(rc.left, rc.top, m_crBk), Vertex(rc.right, rc.bottom, m_crGradient)};
    GRADIENT_RECT g{0, 1};
    pDC->GradientFill(v, 2, &g, 1, m_bGradientVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
  } else if (!m_bTransparent) {
    pDC->FillSolidRect(rc, m_crBk);
  }
  pDC->SelectObject(&m_font);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(m_blink.IsBlinkPhase() ? m_crBlink : m_crText);
  UINT format = DT_NOPREFIX;
  switch (GetStyle() & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER; break;
    case SS_RIGHT: format |= DT_RIGHT; break;
    default: format |= DT_LEFT; break;
  }
  if (m_strText.find('\n') == std::string::npos)
    format |= DT_SINGLELINE | DT_VCENTER;
  else
    format |= DT_WORDBREAK;
  CRect text = rc;
  pDC->DrawText(m_strText, &text, format);
  pDC->RestoreDC(saved);
}
