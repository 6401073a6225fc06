#include "platform/ui/SplashScreen.h"

#include <QWidget>

#include "platform/Thread.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"

namespace {
HWND g_splash = nullptr;  // user-interface thread only
constexpr UINT_PTR kCloseTimer = 1;
}  // namespace

void CSplashScreen::Show(UINT bitmapId, UINT closeAfterMs) {
  PostToUiThread([bitmapId, closeAfterMs] {
    if (CWnd* old = CWnd::FromHandle(g_splash)) old->DestroyWindow();
    const QImage* image = platform_detail::FindBitmapImage(bitmapId);
    const int w = image ? image->width() : 320;
    const int h = image ? image->height() : 200;
    auto* splash = new CSplashScreen;
    splash->m_nBitmapId = bitmapId;
    const CRect rect((GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0);
    if (!splash->Create("", WS_POPUP, CRect(rect.left, rect.top, rect.left + w, rect.top + h), nullptr, 0)) {
      delete splash;
      return;
    }
    splash->GetWidget()->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    splash->GetWidget()->setGeometry(rect.left, rect.top, w, h);
    g_splash = splash->m_hWnd;
    splash->ShowWindow(SW_SHOWNOACTIVATE);
    splash->UpdateWindow();
    if (closeAfterMs > 0) splash->SetTimer(kCloseTimer, closeAfterMs);
  });
}

void CSplashScreen::Hide() {
  PostToUiThread([] {
    if (CWnd* splash = CWnd::FromHandle(g_splash)) splash->DestroyWindow();
  });
}

bool CSplashScreen::IsShown() { return CWnd::IsWindow(g_splash); }

void CSplashScreen::OnPaint() {
  CPaintDC dc(this);
  CBitmap bitmap;
  if (bitmap.LoadBitmap(m_nBitmapId)) {
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    memory.SelectObject(&bitmap);
    const CSize size = bitmap.GetBitmapDimension();
    dc.BitBlt(0, 0, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
  } else {
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_APPWORKSPACE));
  }
}

void CSplashScreen::OnTimer(UINT_PTR id) {
  if (id == kCloseTimer) DestroyWindow();
}

void CSplashScreen::OnLButtonDown(UINT, CPoint) { DestroyWindow(); }

void CSplashScreen::PostNcDestroy() {
  if (g_splash == nullptr || !CWnd::IsWindow(g_splash)) g_splash = nullptr;
  delete this;
}
