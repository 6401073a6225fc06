// The context of a window's paint pass (WM_PAINT). It draws into the
// window's kept pixels, clipped to the part that needs painting, erases the
// background first when the window asked for it (WM_ERASEBKGND), and marks
// the window painted. Make exactly one in an OnPaint handler.
// Threads: user-interface thread.
#pragma once

#include "platform/ui/DC.h"

class CWnd;

struct PAINTSTRUCT {
  BOOL fErase = FALSE;  // TRUE when the background still needs erasing
  CRect rcPaint;        // the bounds of the area being painted
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;

  PAINTSTRUCT m_ps;

 private:
  CWnd* m_pWnd;
};
