#include "platform/ui/Static.h"

#include <QWidget>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"

CStatic::CStatic() = default;
CStatic::~CStatic() = default;

void CStatic::SetWindowText(const std::string& text) {
  if (text == m_strText) return;
  m_strText = text;
  if (GetWidget()) {
    GetWidget()->setWindowTitle(platform_detail::ToQString(text));
    Invalidate();
  }
}

std::string CStatic::GetWindowText() const { return m_strText; }

HICON CStatic::SetIcon(HICON icon) {
  HICON old = m_hIcon;
  m_hIcon = icon;
  Invalidate();
  return old;
}

HBITMAP CStatic::SetBitmap(HBITMAP bitmap) {
  HBITMAP old = m_hBitmap;
  m_hBitmap = bitmap;
  Invalidate();
  return old;
}

void CStatic::OnWidgetCreated() {
  m_strText = platform_detail::FromQString(GetWidget()->windowTitle());
}

BOOL CStatic::OnEraseBkgnd(CDC*) { return TRUE; }  // the paint pass fills everything

void CStatic::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.SetTextColor(GetSysColor(IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
  HBRUSH brush = nullptr;
  if (CWnd* parent = GetParent())
    brush = reinterpret_cast<HBRUSH>(parent->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(static_cast<CDC*>(&dc)),
                                                         reinterpret_cast<LPARAM>(m_hWnd)));
  if (!IsWindowEnabled()) dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
  const DWORD type = m_dwStyle & SS_TYPEMASK;
  switch (type) {
    case SS_BLACKRECT: dc.FillSolidRect(client, GetSysColor(COLOR_WINDOWFRAME)); return;
    case SS_GRAYRECT: dc.FillSolidRect(client, GetSysColor(COLOR_BTNSHADOW)); return;
    case SS_WHITERECT: dc.FillSolidRect(client, GetSysColor(COLOR_WINDOW)); return;
    default: break;
  }
  if (brush != nullptr) dc.FillRect(client, brush);
  else dc.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
  switch (type) {
    case SS_BLACKFRAME: dc.FrameRect(client, GetSysColorBrush(COLOR_WINDOWFRAME)); return;
    case SS_GRAYFRAME: dc.FrameRect(client, GetSysColorBrush(COLOR_BTNSHADOW)); return;
    case SS_WHITEFRAME: dc.FrameRect(client, GetSysColorBrush(COLOR_WINDOW)); return;
    case SS_ETCHEDHORZ: {
      CRect line(client.left, client.top, client.right, client.top + 2);
      dc.DrawEdge(&line, EDGE_ETCHED, BF_TOP);
      return;
    }
    case SS_ETCHEDVERT: {
      CRect line(client.left, client.top, client.left + 2, client.bottom);
      dc.DrawEdge(&line, EDGE_ETCHED, BF_LEFT);
      return;
    }
    case SS_ETCHEDFRAME: dc.DrawEdge(&client, EDGE_ETCHED, BF_RECT); return;
    case SS_ICON:
      if (m_hIcon) {
        const QSize s = m_hIcon->image.size();
        const int x = (m_dwStyle & SS_CENTERIMAGE) ? (client.Width() - s.width()) / 2 : 0;
        const int y = (m_dwStyle & SS_CENTERIMAGE) ? (client.Height() - s.height()) / 2 : 0;
        dc.DrawIcon(x, y, m_hIcon);
      }
      return;
    case SS_BITMAP:
      if (m_hBitmap && m_hBitmap->GetImage()) {
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        memory.SelectObject(m_hBitmap);
        const CSize s = m_hBitmap->GetBitmapDimension();
        dc.BitBlt(0, 0, s.cx, s.cy, &memory, 0, 0, SRCCOPY);
      }
      return;
    case SS_OWNERDRAW: return;
    default: break;
  }
  CFont* font = GetFont() ? GetFont() : static_cast<CFont*>(CGdiObject::GetStockObject(DEFAULT_GUI_FONT));
  dc.SelectObject(font);
  dc.SetBkMode(TRANSPARENT);
  UINT format = DT_WORDBREAK;
  if (type == SS_CENTER) format |= DT_CENTER;
  else if (type == SS_RIGHT) format |= DT_RIGHT;
  else if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) format = DT_SINGLELINE;
  if (m_dwStyle & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
  if (m_dwStyle & SS_NOPREFIX) format |= DT_NOPREFIX;
  if (m_dwStyle & SS_ENDELLIPSIS) format |= DT_END_ELLIPSIS;
  if (m_dwStyle & SS_SUNKEN) {
    CRect edge = client;
    dc.DrawEdge(&edge, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    client = edge;
  }
  dc.DrawText(m_strText, &client, format);
}

void CStatic::OnLButtonUp(UINT flags, CPoint point) {
  if (m_dwStyle & SS_NOTIFY) NotifyParent(STN_CLICKED);
  CWnd::OnLButtonUp(flags, point);
}

void CStatic::OnLButtonDblClk(UINT flags, CPoint point) {
  if (m_dwStyle & SS_NOTIFY) NotifyParent(STN_DBLCLK);
  CWnd::OnLButtonDblClk(flags, point);
}
