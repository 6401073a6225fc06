// The splash screen: a bitmap of the resource tables shown centred on the
// screen without a frame while the program starts. It is a window of the
// user-interface thread; the static calls may come from any thread and are
// carried out there. While a message box is up the splash steps aside
// (hidden), so no box opens under it: it stays above other windows.
// Threads: Show / Hide any thread; the rest user-interface thread.
#pragma once

#include "platform/Wnd.h"

class CSplashScreen : public CWnd {
 public:
  // Shows the splash with the bitmap (replacing one shown); the splash
  // closes itself after closeAfterMs (0: only by Hide).
  static void Show(UINT bitmapId, UINT closeAfterMs = 0);
  // Closes the splash, and one asked for that has not been shown yet. On
  // the user-interface thread at once, else as soon as it runs.
  static void Hide();
  // The splash exists (also while it steps aside).
  static bool IsShown();
  // The splash exists and is not stepped aside.
  static bool IsOnScreen();

  // While one lives (a message box is up), the splash is hidden, also one
  // made meanwhile; when the last one goes, the splash shows again unless
  // it was closed meanwhile.
  class StepAside {
   public:
    StepAside();
    ~StepAside();
    StepAside(const StepAside&) = delete;
    StepAside& operator=(const StepAside&) = delete;
  };

 protected:
  void OnPaint() override;
  void OnTimer(UINT_PTR id) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void PostNcDestroy() override;

 private:
  CSplashScreen() = default;
  UINT m_nBitmapId = 0;
};
