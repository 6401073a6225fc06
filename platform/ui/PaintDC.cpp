#include "platform/ui/PaintDC.h"

#include <QWidget>

#include "platform/Wnd.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/WndSurface.h"

CPaintDC::CPaintDC(CWnd* wnd) : m_pWnd(wnd) {
  platform_detail::WndSurface* s = wnd != nullptr ? wnd->GetSurface() : nullptr;
  if (s == nullptr) return;
  QRegion region = s->invalid;
  if (region.isEmpty()) region = QRegion(QRect(QPoint(0, 0), s->image.size()));
  const bool erase = s->erase;
  s->invalid = QRegion();
  s->erase = false;
  const QRect bounds = region.boundingRect();
  m_ps.rcPaint = CRect(bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height());
  AttachImage(&s->image);
  std::vector<CRect> rects;
  for (const QRect& r : region) rects.emplace_back(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
  SetSystemClip(rects);
  if (erase) m_ps.fErase = wnd->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<CDC*>(this)), 0) ? FALSE : TRUE;
}

CPaintDC::~CPaintDC() {
  DeleteDC();
  if (m_pWnd == nullptr || !m_pWnd->IsWindowCreated()) return;
  platform_detail::WndSurface* s = m_pWnd->GetSurface();
  // Outside the toolkit's paint event the new pixels are shown with the next one.
  if (s != nullptr && !s->inPaintEvent)
    m_pWnd->GetWidget()->update(m_ps.rcPaint.left, m_ps.rcPaint.top, m_ps.rcPaint.Width(), m_ps.rcPaint.Height());
}

CClientDC::CClientDC(CWnd* wnd) : m_pWnd(wnd) {
  platform_detail::WndSurface* s = wnd != nullptr ? wnd->GetSurface() : nullptr;
  if (s != nullptr) AttachImage(&s->image);
}

CClientDC::~CClientDC() {
  const bool drew = HasSurface();
  DeleteDC();
  if (drew && m_pWnd != nullptr && m_pWnd->IsWindowCreated()) {
    platform_detail::WndSurface* s = m_pWnd->GetSurface();
    if (s != nullptr && !s->inPaintEvent) m_pWnd->GetWidget()->update();
  }
}
