// The splash screen: a bitmap of the resource tables shown centred on the
// screen without a frame while the program starts. It is a window of the
// user-interface thread; the static calls may come from any thread and are
// carried out there.
// Threads: Show / Hide any thread; the rest user-interface thread.
#pragma once

#include "platform/Wnd.h"

class CSplashScreen : public CWnd {
 public:
  // Shows the splash with the bitmap (replacing one shown); the splash
  // closes itself after closeAfterMs (0: only by Hide).
  static void Show(UINT bitmapId, UINT closeAfterMs = 0);
  static void Hide();
  static bool IsShown();

 protected:
  void OnPaint() override;
  void OnTimer(UINT_PTR id) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void PostNcDestroy() override;

 private:
  CSplashScreen() = default;
  UINT m_nBitmapId = 0;
};
