#include "platform/ui/BalloonTip.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "platform/Thread.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/Font.h"
#include "platform/ui/Icons.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"

namespace {

constexpr int kTail = 14;
constexpr int kPad = 8;
constexpr UINT_PTR kCloseTimer = 1;
int g_open = 0;
std::vector<CBalloonTip*> g_tips;  // the balloons shown, in showing order

CFont* TitleFont() {
  static CFont* font = [] {
    auto* f = new CFont;
    f->CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    return f;
  }();
  return font;
}

CFont* TextFont() { return static_cast<CFont*>(CGdiObject::GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

BalloonLayout ComputeBalloonLayout(CSize content, CPoint anchor, const CRect& screen) {
  BalloonLayout layout;
  const int w = content.cx;
  const int h = content.cy;
  layout.above = anchor.y + kTail + h > screen.bottom && anchor.y - kTail - h >= screen.top;
  int left = anchor.x - kTail * 2;
  left = std::max(screen.left, std::min(left, screen.right - w));
  const int top = layout.above ? anchor.y - kTail - h : anchor.y + kTail;
  layout.body = CRect(left, top, left + w, top + h);
  const int baseY = layout.above ? layout.body.bottom - 1 : layout.body.top;
  const int baseX = std::clamp(anchor.x, layout.body.left + 4, std::max(layout.body.left + 4, layout.body.right - kTail - 4));
  layout.tail[0] = CPoint(baseX, baseY);
  layout.tail[1] = CPoint(baseX + kTail, baseY);
  layout.tail[2] = anchor;
  return layout;
}

CSize CBalloonTip::ContentSize() {
  CDC dc;
  dc.SelectObject(TitleFont());
  CRect title(0, 0, 300, 0);
  dc.DrawText(m_strTitle, &title, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  dc.SelectObject(TextFont());
  CRect text(0, 0, 300, 0);
  dc.DrawText(m_strText, &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  const int iconWidth = m_hIcon ? 16 + kPad : 0;
  const int width = iconWidth + std::max(title.Width(), text.Width()) + 2 * kPad;
  const int height = std::max(m_hIcon ? 16 : 0, title.Height()) + text.Height() + 3 * kPad;
  return CSize(std::max(width, 80), height);
}

CBalloonTip* CBalloonTip::ShowAt(const std::string& title, const std::string& text, CPoint anchor, HICON icon,
                                 UINT timeoutMs) {
  if (!IsUiThread()) return nullptr;
  auto* tip = new CBalloonTip;
  tip->m_strTitle = title;
  tip->m_strText = text;
  tip->m_hIcon = icon;
  QRect screen(0, 0, 1280, 1024);
  if (QScreen* s = QApplication::screenAt(QPoint(anchor.x, anchor.y)) ? QApplication::screenAt(QPoint(anchor.x, anchor.y))
                                                                      : QApplication::primaryScreen())
    screen = s->geometry();
  const CSize content = tip->ContentSize();
  tip->m_layout = ComputeBalloonLayout(content, anchor, CRect(screen.left(), screen.top(), screen.right() + 1, screen.bottom() + 1));
  // The window covers the body and the tail.
  CRect bounds = tip->m_layout.body;
  for (const CPoint& p : tip->m_layout.tail) bounds.UnionRect(bounds, CRect(p.x, p.y, p.x + 1, p.y + 1));
  if (!tip->Create("", WS_POPUP, bounds, nullptr, 0)) {
    delete tip;
    return nullptr;
  }
  tip->GetWidget()->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
  tip->GetWidget()->setGeometry(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  // Layout in the window's own coordinates.
  tip->m_layout.body.OffsetRect(-bounds.left, -bounds.top);
  for (CPoint& p : tip->m_layout.tail) p.Offset(-bounds.left, -bounds.top);
  ++g_open;
  g_tips.push_back(tip);
  tip->ShowWindow(SW_SHOWNOACTIVATE);
  if (timeoutMs > 0) tip->SetTimer(kCloseTimer, timeoutMs);
  return tip;
}

CBalloonTip* CBalloonTip::Show(const std::string& title, const std::string& text, CWnd* anchor, HICON icon,
                               UINT timeoutMs) {
  CPoint point;
  if (anchor && anchor->IsWindowCreated()) {
    CRect r;
    anchor->GetWindowRect(&r);
    point = r.TopLeft();
  } else {
    GetCursorPos(&point);
  }
  return ShowAt(title, text, point, icon, timeoutMs);
}

int CBalloonTip::GetOpenCount() { return g_open; }

void CBalloonTip::CloseAll() {
  while (!g_tips.empty()) {
    CBalloonTip* tip = g_tips.back();
    if (!tip->DestroyWindow()) {  // its window went with the toolkit's: only the object is left
      g_tips.pop_back();
      --g_open;
      delete tip;
    }
  }
}

void CBalloonTip::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(client, GetSysColor(COLOR_INFOBK));
  CBrush back(GetSysColor(COLOR_INFOBK));
  CPen frame(PS_SOLID, 1, GetSysColor(COLOR_INFOTEXT));
  dc.SelectObject(&back);
  dc.SelectObject(&frame);
  dc.RoundRect(m_layout.body, CPoint(10, 10));
  dc.Polygon(m_layout.tail, 3);
  dc.SetTextColor(GetSysColor(COLOR_INFOTEXT));
  dc.SetBkMode(TRANSPARENT);
  int x = m_layout.body.left + kPad;
  int y = m_layout.body.top + kPad;
  if (m_hIcon) {
    dc.DrawIconEx(x, y, m_hIcon, 16, 16);
    x += 16 + kPad;
  }
  dc.SelectObject(TitleFont());
  CRect title(x, y, m_layout.body.right - kPad, m_layout.body.bottom);
  const int titleHeight = dc.DrawText(m_strTitle, &title, DT_WORDBREAK | DT_NOPREFIX);
  dc.SelectObject(TextFont());
  CRect text(m_layout.body.left + kPad, y + std::max(titleHeight, m_hIcon ? 16 : 0) + kPad, m_layout.body.right - kPad,
             m_layout.body.bottom);
  dc.DrawText(m_strText, &text, DT_WORDBREAK | DT_NOPREFIX);
}

void CBalloonTip::OnTimer(UINT_PTR id) {
  if (id == kCloseTimer) DestroyWindow();
}

void CBalloonTip::OnLButtonDown(UINT, CPoint) { DestroyWindow(); }

void CBalloonTip::OnLButtonDblClk(UINT, CPoint) { DestroyWindow(); }

void CBalloonTip::PostNcDestroy() {
  --g_open;
  g_tips.erase(std::remove(g_tips.begin(), g_tips.end(), this), g_tips.end());
  delete this;
}
