#include "controls/BalloonHelp.h"

#include <algorithm>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/Icons.h"
#include "platform/ui/SysColors.h"

namespace {

constexpr int kIconSize = 16;
constexpr int kGap = 6;
constexpr int kMaxTextWidth = 320;
constexpr int kPad = 8;  // as LayoutBalloon's padding
constexpr COLORREF kBalloonBack = RGB(255, 255, 225);
constexpr COLORREF kBalloonFrame = RGB(100, 100, 100);

int g_openBalloons = 0;

void MakeFont(CFont& font, bool bold) {
  LOGFONT lf;
  lf.lfHeight = -12;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfFaceName = "Tahoma";
  font.CreateFontIndirect(&lf);
}

// The text block of a balloon: icon and title on the first line, the
// content below. Sizes measured with the balloon's fonts.
struct TextBlock {
  CRect icon;
  CRect title;
  CRect content;
  CSize size;
};

TextBlock MeasureBlock(CDC* dc, const std::string& title, const std::string& content, bool hasIcon) {
  CFont bold, normal;
  MakeFont(bold, true);
  MakeFont(normal, false);
  TextBlock b;
  const int textLeft = hasIcon ? kIconSize + kGap : 0;
  dc->SelectObject(&bold);
  CRect t(0, 0, kMaxTextWidth, 0);
  if (!title.empty()) dc->DrawText(title, &t, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  else t = CRect(0, 0, 0, 0);
  const int titleHeight = std::max(t.Height(), hasIcon ? kIconSize : 0);
  b.title = CRect(textLeft, 0, textLeft + t.Width(), titleHeight);
  b.icon = hasIcon ? CRect(0, (titleHeight - kIconSize) / 2, kIconSize, (titleHeight - kIconSize) / 2 + kIconSize) : CRect();
  dc->SelectObject(&normal);
  CRect c(0, 0, kMaxTextWidth, 0);
  if (!content.empty()) dc->DrawText(content, &c, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  else c = CRect(0, 0, 0, 0);
  const int contentTop = titleHeight + (content.empty() ? 0 : 4);
  b.content = CRect(0, contentTop, c.Width(), contentTop + c.Height());
  b.size = CSize(std::max({b.title.right, b.content.right, 40}), std::max(b.content.bottom, titleHeight));
  dc->SelectStockObject(SYSTEM_FONT);
  return b;
}

}  // namespace

int CBalloonHelp::GetOpenCount() { return g_openBalloons; }

CBalloonHelp::~CBalloonHelp() = default;

CBalloonHelp* CBalloonHelp::ShowBalloon(const std::string& title, const std::string& content, CWnd* pAnchor,
                                        UINT nIconId, UINT, UINT nTimeoutMs, CWnd* pParent, const std::string& url) {
  CWnd* host = pParent;
  if (!host && pAnchor) {
    host = pAnchor;
    while (host->GetParent() && (host->GetStyle() & WS_CHILD)) host = host->GetParent();
  }
  if (!host || !host->IsWindowCreated()) return nullptr;
  CPoint at;
  CRect client;
  host->GetClientRect(&client);
  if (pAnchor && pAnchor->IsWindowCreated()) {
    CRect r;
    pAnchor->GetWindowRect(&r);
    at = r.TopLeft();
    host->ScreenToClient(&at);
  } else {
    at = client.CenterPoint();
  }
  return Show(title, content, host, at, nIconId, nTimeoutMs, url);
}

CBalloonHelp* CBalloonHelp::ShowBalloonAt(const std::string& title, const std::string& content, CWnd* pParent,
                                          CPoint anchorScreen, UINT nIconId, UINT, UINT nTimeoutMs,
                                          const std::string& url) {
  if (!pParent || !pParent->IsWindowCreated()) return nullptr;
  CPoint at = anchorScreen;
  pParent->ScreenToClient(&at);
  return Show(title, content, pParent, at, nIconId, nTimeoutMs, url);
}

CBalloonHelp* CBalloonHelp::Show(const std::string& title, const std::string& content, CWnd* host,
                                 CPoint anchorInHost, UINT nIconId, UINT nTimeoutMs, const std::string& url) {
  auto* balloon = new CBalloonHelp;
  balloon->m_strTitle = title;
  balloon->m_strContent = url.empty() ? content : (content.empty() ? url : content + "\n" + url);
  balloon->m_nIconId = nIconId;
  CBitmap bitmap;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  bitmap.CreateCompatibleBitmap(&dc, 1, 1);
  dc.SelectObject(&bitmap);
  const TextBlock block = MeasureBlock(&dc, balloon->m_strTitle, balloon->m_strContent, nIconId != 0);
  CRect client;
  host->GetClientRect(&client);
  balloon->m_layout = controls::LayoutBalloon(block.size, anchorInHost, client);
  if (!balloon->Create("", WS_CHILD | WS_VISIBLE, balloon->m_layout.window, host, 0)) {
    delete balloon;
    return nullptr;
  }
  ++g_openBalloons;
  balloon->BringWindowToTop();
  if (nTimeoutMs > 0) balloon->SetTimer(kCloseTimer, nTimeoutMs);
  return balloon;
}

void CBalloonHelp::OnTimer(UINT_PTR id) {
  if (id == kCloseTimer) {
    KillTimer(kCloseTimer);
    DestroyWindow();
    return;
  }
  CWnd::OnTimer(id);
}

void CBalloonHelp::OnLButtonDown(UINT, CPoint) { DestroyWindow(); }

void CBalloonHelp::PostNcDestroy() {
  --g_openBalloons;
  delete this;
}

BOOL CBalloonHelp::OnEraseBkgnd(CDC*) { return TRUE; }

void CBalloonHelp::OnPaint() {
  CPaintDC dc(this);
  DrawBalloon(&dc);
}

void CBalloonHelp::DrawIcon(CDC* pDC, const CRect& box) const {
  if (HICON icon = LoadIcon(m_nIconId)) pDC->DrawIconEx(box.left, box.top, icon, box.Width(), box.Height());
}

void CBalloonHelp::DrawBalloon(CDC* pDC) {
  const int saved = pDC->SaveDC();
  CRect rc;
  GetClientRect(&rc);
  // Outside the body and tail the host's pixels show through.
  CWnd* host = GetParent();
  if (host && host->UsesSurface()) {
    CRect inHost = rc;
    ClientToScreen(&inHost);
    host->ScreenToClient(&inHost);
    CClientDC hostDC(host);
    pDC->BitBlt(0, 0, rc.Width(), rc.Height(), &hostDC, inHost.left, inHost.top, SRCCOPY);
  } else {
    pDC->FillSolidRect(rc, GetSysColor(COLOR_BTNFACE));
  }
  CBrush back(kBalloonBack);
  CPen frame(PS_SOLID, 1, kBalloonFrame);
  pDC->SelectObject(&back);
  pDC->SelectObject(&frame);
  const CRect& body = m_layout.body;
  pDC->RoundRect(body, CPoint(10, 10));
  // The tail: a triangle from the body's edge to the anchor.
  const int baseY = m_layout.tailBelow ? body.bottom - 1 : body.top;
  const int baseX = std::clamp(m_layout.tailTip.x, body.left + 10, std::max(body.left + 10, body.right - 22));
  CPoint tail[3] = {CPoint(baseX, baseY), CPoint(baseX + 12, baseY), m_layout.tailTip};
  pDC->Polygon(tail, 3);
  // Hide the body's edge where the tail joins it.
  CPen backPen(PS_SOLID, 1, kBalloonBack);
  pDC->SelectObject(&backPen);
  pDC->MoveTo(baseX + 1, baseY);
  pDC->LineTo(baseX + 12, baseY);

  const TextBlock block = MeasureBlock(pDC, m_strTitle, m_strContent, m_nIconId != 0);
  const CPoint origin(body.left + kPad, body.top + kPad);
  CRect icon = block.icon;
  icon.OffsetRect(origin);
  if (m_nIconId) DrawIcon(pDC, icon);
  CFont bold, normal;
  MakeFont(bold, true);
  MakeFont(normal, false);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(RGB(0, 0, 0));
  pDC->SelectObject(&bold);
  CRect title = block.title;
  title.OffsetRect(origin);
  pDC->DrawText(m_strTitle, &title, DT_WORDBREAK | DT_NOPREFIX | DT_VCENTER);
  pDC->SelectObject(&normal);
  CRect content = block.content;
  content.OffsetRect(origin);
  pDC->DrawText(m_strContent, &content, DT_WORDBREAK | DT_NOPREFIX);
  pDC->RestoreDC(saved);
}
