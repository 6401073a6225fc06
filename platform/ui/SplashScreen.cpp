#include "platform/ui/SplashScreen.h"

#include <QWidget>
#include <atomic>
#include <utility>

#include "platform/Thread.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"

namespace {
HWND g_splash = nullptr;  // user-interface thread only
int g_asideDepth = 0;     // living StepAside objects; user-interface thread only
// Counts Show and Hide calls: a Show made before the latest Hide (or Show)
// is not carried out.
std::atomic<unsigned> g_generation{0};
constexpr UINT_PTR kCloseTimer = 1;

// The toolkit runs pending events while it shows a splash before the event
// loop runs (a timer, a posted close, a box). The splash whose showing is
// on the stack is not deleted under it: a close asked meanwhile is noted
// and carried out once the showing has returned. User-interface thread.
HWND g_showing = nullptr;
bool g_closeWhenShown = false;

void CloseSplashWindow(HWND hWnd) {
  CWnd* splash = CWnd::FromHandle(hWnd);
  if (splash == nullptr) return;
  if (hWnd == g_showing) g_closeWhenShown = true;
  else splash->DestroyWindow();
}

void DestroySplash() { CloseSplashWindow(g_splash); }

// Shows the splash on top without taking the activation. False when it
// was closed meanwhile (the object may be gone then).
bool ShowSplashWindow(CWnd* splash) {
  const HWND hWnd = splash->m_hWnd;
  const HWND outer = std::exchange(g_showing, hWnd);
  const bool outerClose = std::exchange(g_closeWhenShown, false);
  splash->ShowWindow(SW_SHOWNOACTIVATE);
  const bool close = g_closeWhenShown;
  g_showing = outer;
  g_closeWhenShown = outerClose || (close && outer == hWnd);  // shown again inside its own showing
  if (!close) return true;
  if (outer != hWnd) splash->DestroyWindow();
  return false;
}
}  // namespace

void CSplashScreen::Show(UINT bitmapId, UINT closeAfterMs) {
  const unsigned generation = ++g_generation;
  PostToUiThread([bitmapId, closeAfterMs, generation] {
    if (generation != g_generation) return;  // hidden or replaced meanwhile
    DestroySplash();
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
    if (closeAfterMs > 0) splash->SetTimer(kCloseTimer, closeAfterMs);
    if (g_asideDepth == 0 && ShowSplashWindow(splash)) splash->UpdateWindow();
  });
}

void CSplashScreen::Hide() {
  ++g_generation;
  if (IsUiThread()) DestroySplash();
  else PostToUiThread(DestroySplash);
}

bool CSplashScreen::IsShown() { return CWnd::IsWindow(g_splash); }

bool CSplashScreen::IsOnScreen() {
  const CWnd* splash = CWnd::FromHandle(g_splash);
  return splash != nullptr && splash->IsWindowVisible();
}

CSplashScreen::StepAside::StepAside() {
  if (g_asideDepth++ > 0) return;
  if (CWnd* splash = CWnd::FromHandle(g_splash)) splash->ShowWindow(SW_HIDE);
}

CSplashScreen::StepAside::~StepAside() {
  if (--g_asideDepth > 0) return;
  // Shown again on top, without taking the keyboard from the window that
  // the box gave it back to.
  if (CWnd* splash = CWnd::FromHandle(g_splash)) ShowSplashWindow(splash);
}

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
  if (id == kCloseTimer) CloseSplashWindow(m_hWnd);
}

void CSplashScreen::OnLButtonDown(UINT, CPoint) { CloseSplashWindow(m_hWnd); }

void CSplashScreen::PostNcDestroy() {
  if (g_splash == nullptr || !CWnd::IsWindow(g_splash)) g_splash = nullptr;
  delete this;
}
