// CUGHint: the small window that shows a scroll hint (the row or column
// under a dragged thumb) beside the grid's scroll bars. It is a hidden
// child of the control, placed by an anchor word and kept inside the
// control's client area. User-interface thread only.
#pragma once

#include <string>

#include "platform/Wnd.h"

class CUGCtrl;
class CFont;

class CUGHint : public CWnd {
 public:
  CUGHint();
  ~CUGHint() override;

  // Creates the hidden window over the control; 0 done.
  int Create(CUGCtrl* ctrl, int backgroundColorIndex = 24);
  void SetText(const std::string& text, BOOL repaint);
  const std::string& GetText() const { return m_text; }
  // Placement bits (UG_HINT_ALIGN...): centre, right or left of x; middle,
  // bottom or top at y.
  void SetAnchor(int anchor) { m_anchor = anchor; }
  void SetTextColor(COLORREF color) { m_textColor = color; }
  void SetBackColor(COLORREF color) { m_backColor = color; }
  void SetHintFont(CFont* font);
  // The height of "X" in the hint's font: the height the window takes.
  int GetTextHeight() const { return m_textHeight; }
  void MoveTo(int x, int y, int minimumWidth);
  void Show();
  void Hide();

 protected:
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;

 private:
  CUGCtrl* m_ctrl = nullptr;
  std::string m_text;
  COLORREF m_textColor = RGB(0, 0, 0);
  COLORREF m_backColor = 0xE0FFFF;
  int m_anchor = 0;
  CFont* m_font = nullptr;  // not owned; the window's font when none
  int m_textHeight = 16;    // the height of "X" in the font; the window's height
};
