// The program's label: text in a chosen font and colour on a plain,
// gradient (horizontal or vertical) or transparent background, and a
// blinking mode that shows the text in the blink colour every other
// period. Setting the same text again draws nothing, so a view may set its
// labels on every refresh. On a form it takes the place of a template
// static with SubclassDlgItem. User-interface thread only.
#pragma once

#include <string>

#include "controls/BlinkRhythm.h"
#include "platform/Wnd.h"
#include "platform/ui/Font.h"

class CDC;

class CLumLabel : public CWnd {
 public:
  CLumLabel();
  ~CLumLabel() override;

  // The text; redraws only when it differs from the shown one.
  void SetText(const std::string& text);
  void SetWindowText(const std::string& text) override { SetText(text); }

  void SetTextColor(COLORREF color);
  COLORREF GetTextColor() const { return m_crText; }
  void SetBkColor(COLORREF color);
  COLORREF GetBkColor() const { return m_crBk; }
  // A gradient from the background colour to this colour (left to right,
  // or top to bottom when the direction is vertical).
  void SetGradientColor(COLORREF color);
  void SetGradientVertical(BOOL bVertical);
  // Transparent: the parent's pixels show behind the text.
  void SetTransparent(BOOL bTransparent);

  // Fonts. nPointSize -1 makes the font three quarters of the label's
  // height and keeps it so when the label is resized; an empty face keeps
  // the current face.
  void SetFontBold(BOOL bBold);
  void SetLabelFont(int nPointSize, BOOL bBold, BOOL bItalic, const std::string& faceName);
  void GetLogFont(LOGFONT* pLogFont) const;

  // Blinking: nCount cycles, endless below 1. Asking again for the blink
  // that already runs keeps its rhythm; off shows the normal look.
  void SetBlink(BOOL bOn, UINT nIntervalMs, int nCount);
  void SetBlinkColor(COLORREF color);
  bool IsBlinking() const { return m_blink.IsBlinking(); }

  // Draws the label into rect of a context (the paint pass; tests).
  void DrawLabel(CDC* pDC, const CRect& rect);

 protected:
  int OnCreate() override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnTimer(UINT_PTR id) override;

 private:
  static constexpr UINT_PTR kBlinkTimer = 1;

  void RebuildFont();
  void Changed();
  void ApplyBlinkAction(BlinkRhythm::Action action);

  std::string m_strText;
  COLORREF m_crText = RGB(0, 0, 0);
  COLORREF m_crBk = RGB(240, 240, 240);
  COLORREF m_crGradient = RGB(240, 240, 240);
  COLORREF m_crBlink = RGB(0, 0, 0);
  bool m_bGradient = false;
  bool m_bGradientVertical = false;
  bool m_bTransparent = false;
  // The font as described; lfHeight follows the label when m_bAutoHeight.
  LOGFONT m_lf;
  int m_nPointSize = 8;
  bool m_bAutoHeight = false;
  CFont m_font;
  BlinkRhythm m_blink;
};
