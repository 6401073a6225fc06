#include "controls/SplashThread.h"

#include "platform/Seams.h"
#include "platform/ui/SplashScreen.h"

namespace {

constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchPeriodMs = 100;
constexpr std::uint64_t kLongestSplashMs = 60000;

HWND g_mainWnd = nullptr;
std::uint64_t g_splashStarted = 0;
bool g_splashOpen = false;

HWND g_watcher = nullptr;

// A hidden window whose timer runs the check until the splash is gone;
// it deletes itself then.
class CSplashWatcher : public CWnd {
 protected:
  void OnTimer(UINT_PTR id) override {
    if (id != kWatchTimer) return CWnd::OnTimer(id);
    if (GetTickCount64() - g_splashStarted > kLongestSplashMs) CloseSplash();  // this watcher goes too
    else if (CloseSplashIfMainWindowShown()) DestroyWindow();
  }
  void PostNcDestroy() override {
    g_watcher = nullptr;
    delete this;
  }
};

}  // namespace

void StartSplashThread(UINT nBitmapId) {
  CSplashScreen::Show(nBitmapId, 0);
  g_splashOpen = true;
  g_splashStarted = GetTickCount64();
  CWnd* watcher = CWnd::FromHandle(g_watcher);
  if (!watcher) {
    auto* made = new CSplashWatcher;
    if (!made->Create("", 0, CRect(0, 0, 0, 0), nullptr, 0)) {
      delete made;
      return;  // the splash then closes only by its own click
    }
    g_watcher = made->m_hWnd;
    watcher = made;
  }
  watcher->SetTimer(kWatchTimer, kWatchPeriodMs);
}

void SetSplashMainWindow(CWnd* pMainWnd) { g_mainWnd = pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr; }

bool CloseSplashIfMainWindowShown() {
  if (!g_splashOpen) return true;
  CWnd* main = CWnd::FromHandle(g_mainWnd);
  if (!main || !main->IsWindowVisible()) return false;
  CSplashScreen::Hide();
  g_splashOpen = false;
  return true;
}

void CloseSplash() {
  CSplashScreen::Hide();
  g_splashOpen = false;
  if (CWnd* watcher = CWnd::FromHandle(g_watcher)) watcher->DestroyWindow();
}
