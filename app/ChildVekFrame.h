// CChildVekFrame: the child frame of the supervise window (and the model of
// the trend window's): always shown maximised, and it cannot be closed on
// its own; closing it says so and the window stays. A further window on the
// same document (the trend window's "New Window") closes as usual.
// Threads: user-interface thread.
#pragma once

#include "platform/ui/MDIChildWnd.h"

class CChildVekFrame : public CMDIChildWnd {
 public:
  // Child, visible, overlapped window with add-to-title.
  static constexpr DWORD kStyle = 0x50CF8000;
  static constexpr const char* kNotClosableText = "This is not closable!\r\nClose main application instead.";

  void ActivateFrame(int nCmdShow = -1) override;

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void OnClose() override;
};
