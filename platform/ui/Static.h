// A static control: text (left, centred or right, word-wrapped unless
// SS_LEFTNOWORDWRAP / SS_SIMPLE), an icon or bitmap, a filled or etched
// rectangle, chosen by the style (SS_*). It draws itself in its paint pass
// (OnPaint, which derived labels may replace), asking the parent for its
// colours with WM_CTLCOLORSTATIC. With SS_NOTIFY clicks send STN_CLICKED and
// STN_DBLCLK. Setting the same text again does not repaint.
// Threads: user-interface thread.
#pragma once

#include <string>

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/GdiTypes.h"

class CStatic : public CWnd {
 public:
  CStatic();
  ~CStatic() override;

  void SetWindowText(const std::string& text) override;
  std::string GetWindowText() const override;
  HICON SetIcon(HICON icon);
  HICON GetIcon() const { return m_hIcon; }
  HBITMAP SetBitmap(HBITMAP bitmap);
  HBITMAP GetBitmap() const { return m_hBitmap; }

 protected:
  void OnWidgetCreated() override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;

 private:
  std::string m_strText;
  HICON m_hIcon = nullptr;
  HBITMAP m_hBitmap = nullptr;
};
