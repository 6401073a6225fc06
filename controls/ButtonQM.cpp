#include "controls/ButtonQM.h"

#include "platform/ui/ControlStyles.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/Icons.h"
#include "platform/ui/SysColors.h"

namespace {

constexpr UINT kVkSpace = 0x20;

bool IsCheckStyle(DWORD style) {
  const DWORD type = style & BS_TYPEMASK;
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

}  // namespace

CButtonQM::CButtonQM() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF text = GetSysColor(COLOR_BTNTEXT);
  for (int i = 0; i < controls::BTNST_MAX_COLORS; i += 2) {
    m_colors[i] = face;
    m_colors[i + 1] = text;
  }
}

CButtonQM::~CButtonQM() = default;

BOOL CButtonQM::Create(const std::string& text, DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  m_strText = text;
  if (IsCheckStyle(style)) {
    m_bCheckBox = true;
    m_bAutoToggle = (style & BS_TYPEMASK) == BS_AUTOCHECKBOX || (style & BS_TYPEMASK) == BS_AUTO3STATE;
  }
  return CWnd::Create(text, style, rect, parent, id);
}

int CButtonQM::OnCreate() {
  if (int r = CWnd::OnCreate(); r != 0) return r;
  if (!GetFont() && GetParent() && GetParent()->GetFont()) SetFont(GetParent()->GetFont(), FALSE);
  return 0;
}

void CButtonQM::Changed(BOOL bRepaint) {
  if (bRepaint && IsWindowCreated()) Invalidate(FALSE);
}

void CButtonQM::SetColor(int nIndex, COLORREF color, BOOL bRepaint) {
  if (nIndex < 0 || nIndex >= controls::BTNST_MAX_COLORS) return;
  m_colors[nIndex] = color;
  Changed(bRepaint);
}

COLORREF CButtonQM::GetColor(int nIndex) const {
  return nIndex >= 0 && nIndex < controls::BTNST_MAX_COLORS ? m_colors[nIndex] : 0;
}

void CButtonQM::SetCheckBoxMode(BOOL bCheckBox) {
  m_bCheckBox = bCheckBox != FALSE;
  if (!m_bCheckBox) m_bLit = false;
  Changed();
}

void CButtonQM::SetCheck(int nCheck, BOOL bRepaint) {
  if (!m_bCheckBox) return;
  const bool lit = nCheck != 0;
  if (lit == m_bLit) return;
  m_bLit = lit;
  Changed(bRepaint);
}

void CButtonQM::SetIcon(int nIconIn, int nIconOut) {
  m_nIconIn = nIconIn;
  m_nIconOut = nIconOut;
  Changed();
}

void CButtonQM::SetButtonCursor(int nCursorId, BOOL) { m_nCursorId = nCursorId; }

BOOL CButtonQM::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
  if (m_nCursorId != 0) {
    if (HCURSOR cursor = LoadCursor(static_cast<UINT>(m_nCursorId))) {
      SetCursor(cursor);
      return TRUE;
    }
  }
  return CWnd::OnSetCursor(wnd, hitTest, message);
}

void CButtonQM::SetDrawBorder(BOOL bDrawBorder, BOOL bRepaint) {
  m_bDrawBorder = bDrawBorder != FALSE;
  Changed(bRepaint);
}

void CButtonQM::SetWindowText(const std::string& text) {
  if (text == m_strText && IsWindowCreated()) return;
  m_strText = text;
  CWnd::SetWindowText(text);
  Changed();
}

controls::ButtonState CButtonQM::GetState() const {
  controls::ButtonState s;
  s.hot = m_bHot;
  s.pressed = m_bPressed;
  s.focused = m_bFocused;
  s.lit = m_bCheckBox && m_bLit;
  s.disabled = IsWindowCreated() && !IsWindowEnabled();
  return s;
}

// ---- Input ---------------------------------------------------------------------

bool CButtonQM::IsUnderPointer(CPoint point) const {
  CRect rc;
  GetClientRect(&rc);
  if (!rc.PtInRect(point)) return false;
  // Another window over the button (one its own click opened) hides it.
  ClientToScreen(&point);
  return WindowFromPoint(point) == this;
}

void CButtonQM::EndHover() {
  const bool wasHot = m_bHot;
  m_bHot = false;
  if (GetCapture() == this) ReleaseCapture();
  if (wasHot) Changed();
}

void CButtonQM::OnMouseMove(UINT flags, CPoint point) {
  if (!m_bTrackHot) {
    CWnd::OnMouseMove(flags, point);
    return;
  }
  const bool inside = IsUnderPointer(point);
  if (inside && !m_bHot) {
    m_bHot = true;
    // Holding the capture tells when the pointer leaves.
    if (GetCapture() != this) SetCapture();
    Changed();
  } else if (!inside && m_bHot) {
    if (m_bPressed) {
      m_bHot = false;  // the press keeps the capture until the button goes up
      Changed();
    } else {
      EndHover();
    }
  }
  CWnd::OnMouseMove(flags, point);
}

void CButtonQM::OnLButtonDown(UINT, CPoint) {
  if (!IsWindowEnabled()) return;
  m_bPressed = true;
  SetFocus();
  SetCapture();
  Changed();
}

void CButtonQM::OnLButtonDblClk(UINT flags, CPoint point) { OnLButtonDown(flags, point); }

void CButtonQM::OnLButtonUp(UINT, CPoint point) {
  if (!m_bPressed) return;
  m_bPressed = false;
  CRect rc;
  GetClientRect(&rc);
  const bool inside = rc.PtInRect(point);
  if (!inside) {
    EndHover();
    return;
  }
  Changed();
  HWND self = m_hWnd;
  OnClicked();
  // The click may have opened a window over the button: the mouse is not
  // held for a button the operator no longer points at, nor past its click
  // for one that is not hot (a lamp, or a press that came without a move).
  if (!IsWindow(self)) return;
  if (!m_bHot) {
    EndHover();
    return;
  }
  CPoint cursor;
  if (GetCursorPos(&cursor)) {
    ScreenToClient(&cursor);
    if (!IsUnderPointer(cursor)) EndHover();
  }
}

void CButtonQM::OnCancelMode() {
  // A window came over the button or the operator pressed elsewhere:
  // neither pressed nor hot, and the mouse is free (the base lets it go).
  m_bPressed = false;
  m_bHot = false;
  CWnd::OnCancelMode();
  Changed();
}

void CButtonQM::OnKeyDown(UINT virtualKey, UINT repeatCount, UINT flags) {
  if (virtualKey == kVkSpace && IsWindowEnabled() && !m_bPressed) {
    m_bPressed = true;
    Changed();
    return;
  }
  CWnd::OnKeyDown(virtualKey, repeatCount, flags);
}

void CButtonQM::OnKeyUp(UINT virtualKey, UINT repeatCount, UINT flags) {
  if (virtualKey == kVkSpace && m_bPressed) {
    m_bPressed = false;
    Changed();
    OnClicked();
    return;
  }
  CWnd::OnKeyUp(virtualKey, repeatCount, flags);
}

void CButtonQM::OnSetFocus(CWnd* oldWnd) {
  m_bFocused = true;
  Changed();
  CWnd::OnSetFocus(oldWnd);
}

void CButtonQM::OnKillFocus(CWnd* newWnd) {
  m_bFocused = false;
  m_bPressed = false;
  Changed();
  CWnd::OnKillFocus(newWnd);
}

void CButtonQM::OnClicked() {
  if (m_bCheckBox && m_bAutoToggle) {
    m_bLit = !m_bLit;
    Changed();
  }
  NotifyParentClicked();
}

void CButtonQM::NotifyParentClicked() {
  if (CWnd* parent = GetParent())
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}

// ---- Drawing -------------------------------------------------------------------

BOOL CButtonQM::OnEraseBkgnd(CDC*) { return TRUE; }

void CButtonQM::OnPaint() {
  CPaintDC dc(this);
  CRect rc;
  GetClientRect(&rc);
  DrawButton(&dc, rc);
}

void CButtonQM::DrawButton(CDC* pDC, const CRect& rc) {
  const int saved = pDC->SaveDC();
  const controls::ButtonState state = GetState();
  const int bk = controls::ButtonBackgroundSlot(state);
  pDC->FillSolidRect(rc, m_colors[bk]);
  CRect inside = rc;
  const bool sunken = state.pressed || state.lit;
  if (m_bDrawBorder || state.hot || sunken) {
    CRect edge = rc;
    if (m_bDrawBorder)
      pDC->DrawEdge(&edge, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    else
      pDC->Draw3dRect(edge, sunken ? GetSysColor(COLOR_BTNSHADOW) : GetSysColor(COLOR_3DHILIGHT),
                      sunken ? GetSysColor(COLOR_3DHILIGHT) : GetSysColor(COLOR_BTNSHADOW));
    inside.DeflateRect(2, 2);
  }
  DrawContent(pDC, inside, state);
  if (state.focused && !state.disabled) {
    CRect focus = rc;
    focus.DeflateRect(3, 3);
    pDC->DrawFocusRect(focus);
  }
  pDC->RestoreDC(saved);
}

void CButtonQM::DrawContent(CDC* pDC, const CRect& inside, const controls::ButtonState& state) {
  if (CFont* font = GetFont()) pDC->SelectObject(font);
  const int iconId = controls::ButtonShowsIconIn(state) ? m_nIconIn : m_nIconOut;
  const HICON icon = iconId ? LoadIcon(static_cast<UINT>(iconId)) : nullptr;
  const CSize iconSize = icon ? GetIconSize(icon) : CSize(0, 0);
  const int textWidth = m_strText.empty() ? 0 : pDC->GetTextExtent(m_strText).cx;
  const controls::ButtonContent c = controls::LayoutButtonContent(inside, iconSize, textWidth, state.pressed);
  if (icon) pDC->DrawIconEx(c.icon.left, c.icon.top, icon, 0, 0);
  const int fg = controls::ButtonBackgroundSlot(state) + 1;
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(state.disabled ? GetSysColor(COLOR_GRAYTEXT) : m_colors[fg]);
  CRect text = c.text;
  pDC->DrawText(m_strText, &text, (icon ? DT_LEFT : DT_CENTER) | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}
