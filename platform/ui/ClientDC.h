// A context over a window's client area outside its paint pass: what it
// draws goes into the window's kept pixels at once and shows on the screen
// when the context ends. Inverting drawing (R2_NOT, PATINVERT,
// DrawFocusRect) therefore works as tracking lines do: a second drawing
// removes the first exactly. A window with no kept pixels (a toolkit
// control) gives a context without a surface.
// Threads: user-interface thread.
#pragma once

#include "platform/ui/DC.h"

class CWnd;

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd);
  ~CClientDC() override;

 private:
  CWnd* m_pWnd;
};

// The whole window; windows have no frame of their own here, so it is the client context.
using CWindowDC = CClientDC;
