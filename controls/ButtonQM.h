// The program's owner-drawn button: six colours (background and text for
// the hot, normal and focused looks), an optional check-box mode in which
// the button stays lit while checked, two icons (hot or pressed, and
// normal), a cursor and a flat or bordered look. A click sends BN_CLICKED
// to the parent as a push button does. On a form or dialog it takes the
// place of a template button with SubclassDlgItem (or DDX_Control); a
// check-box style there turns check-box mode on. User-interface thread only.
#pragma once

#include <string>

#include "controls/ControlGeometry.h"
#include "platform/Wnd.h"

class CDC;

class CButtonQM : public CWnd {
 public:
  CButtonQM();
  ~CButtonQM() override;

  BOOL Create(const std::string& text, DWORD style, const CRect& rect, CWnd* parent,
              UINT id) override;

  // nIndex 0-5 (controls::ButtonColorSlot). Out of range is ignored.
  void SetColor(int nIndex, COLORREF color, BOOL bRepaint = TRUE);
  COLORREF GetColor(int nIndex) const;
  // Check-box mode: a click toggles the lit state (for an auto check box)
  // and SetCheck sets it; other buttons ignore SetCheck.
  void SetCheckBoxMode(BOOL bCheckBox);
  bool IsCheckBoxMode() const { return m_bCheckBox; }
  void SetCheck(int nCheck, BOOL bRepaint = TRUE);
  int GetCheck() const { return m_bLit ? 1 : 0; }
  // The icon resources: hot or pressed, and normal (0: none).
  void SetIcon(int nIconIn, int nIconOut);
  // The cursor resource shown over the button.
  void SetButtonCursor(int nCursorId, BOOL bRepaint = FALSE);
  int GetButtonCursor() const { return m_nCursorId; }
  void SetDrawBorder(BOOL bDrawBorder, BOOL bRepaint = TRUE);
  void SetWindowText(const std::string& text) override;
  std::string GetWindowText() const override { return m_strText; }

  // What the button shows now (hover, press, focus, lit, disabled).
  controls::ButtonState GetState() const;
  // Draws the button into rect of a context (the paint pass; tests).
  void DrawButton(CDC* pDC, const CRect& rect);

 protected:
  // The content between the border: icon and text. Derived buttons
  // (the colour button) draw their own.
  virtual void DrawContent(CDC* pDC, const CRect& inside, const controls::ButtonState& state);
  // A completed click. The base toggles an auto check box and notifies
  // the parent; a derived button may act first and decide.
  virtual void OnClicked();
  void NotifyParentClicked();
  // False: the pointer over the button does not change its look (lamps).
  void SetTrackHot(bool bTrack) { m_bTrackHot = bTrack; }

  int OnCreate() override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnKeyDown(UINT virtualKey, UINT repeatCount, UINT flags) override;
  void OnKeyUp(UINT virtualKey, UINT repeatCount, UINT flags) override;
  void OnSetFocus(CWnd* oldWnd) override;
  void OnKillFocus(CWnd* newWnd) override;
  BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
  void OnCancelMode() override;

 private:
  void Changed(BOOL bRepaint = TRUE);
  // The point (client coordinates) is on the button and no other window
  // covers the button there.
  bool IsUnderPointer(CPoint point) const;
  // No longer hot: the hover capture is released and the look redrawn.
  void EndHover();

  std::string m_strText;
  COLORREF m_colors[controls::BTNST_MAX_COLORS];
  bool m_bCheckBox = false;
  bool m_bAutoToggle = false;  // an auto check box toggles on click
  bool m_bLit = false;
  bool m_bDrawBorder = true;
  bool m_bTrackHot = true;
  bool m_bHot = false;
  bool m_bPressed = false;     // mouse or space bar held on the button
  bool m_bFocused = false;
  int m_nIconIn = 0;
  int m_nIconOut = 0;
  int m_nCursorId = 0;
};
