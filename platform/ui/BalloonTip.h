// A balloon tip: a small window with an optional icon, a bold title and a
// text, pointing at a screen point (or at a window's top-left corner),
// that closes itself after a time-out or when clicked. It belongs to
// itself: Show returns it only so that a caller can close it early.
// Threads: user-interface thread (ShowAt from another thread is refused).
#pragma once

#include <string>

#include "platform/Wnd.h"
#include "platform/ui/GdiTypes.h"

// Where a balloon goes: its rectangle (screen pixels) and the tip of its
// tail. Below the anchor when it fits on the screen, else above; shifted
// to stay on the screen. Pure.
struct BalloonLayout {
  CRect body;
  CPoint tail[3];
  bool above = false;
};
BalloonLayout ComputeBalloonLayout(CSize content, CPoint anchor, const CRect& screen);

class CBalloonTip : public CWnd {
 public:
  // Shows a balloon at the screen point; timeoutMs 0 keeps it until clicked.
  static CBalloonTip* ShowAt(const std::string& title, const std::string& text, CPoint anchor, HICON icon,
                             UINT timeoutMs);
  // At the window's top-left corner, or at the cursor without a window.
  static CBalloonTip* Show(const std::string& title, const std::string& text, CWnd* anchor, HICON icon,
                           UINT timeoutMs);
  // The balloons now shown (tests).
  static int GetOpenCount();
  // Closes every balloon still shown (the program's end: a balloon waiting
  // for its timer would otherwise never be freed).
  static void CloseAll();

  std::string GetTitle() const { return m_strTitle; }
  std::string GetText() const { return m_strText; }
  void Close() { DestroyWindow(); }

 protected:
  void OnPaint() override;
  void OnTimer(UINT_PTR id) override;
  // A press closes the balloon; so does the second press of a double-click,
  // which reaches the window as a double-click.
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void PostNcDestroy() override;

 private:
  CBalloonTip() = default;
  CSize ContentSize();
  std::string m_strTitle;
  std::string m_strText;
  HICON m_hIcon = nullptr;
  BalloonLayout m_layout;
};
