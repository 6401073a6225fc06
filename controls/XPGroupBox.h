// The program's group box: a frame with a caption, drawn in two styles
// (0: a plain frame the caption interrupts; 1: a caption band in the frame
// colour over a filled body) with its own colours, caption font and
// caption alignment. It draws behind its sibling controls and takes no
// input. User-interface thread only.
#pragma once

#include <string>

#include "controls/ControlGeometry.h"
#include "platform/Wnd.h"
#include "platform/ui/Font.h"

class CDC;

class CXPGroupBox : public CWnd {
 public:
  CXPGroupBox();
  ~CXPGroupBox() override;

  void SetBoxStyle(int nStyle);  // 0 or 1
  int GetBoxStyle() const { return m_nBoxStyle; }
  // The frame and caption band colour.
  void SetBorderColor(COLORREF color);
  COLORREF GetBorderColor() const { return m_crBorder; }
  // The body colour inside the frame.
  void SetBackgroundColor(COLORREF color);
  COLORREF GetBackgroundColor() const override { return m_crBack; }
  void SetCaptionTextColor(COLORREF color);
  COLORREF GetCaptionTextColor() const { return m_crCaptionText; }
  void SetFontBold(BOOL bBold);
  bool IsFontBold() const { return m_lf.lfWeight >= FW_BOLD; }
  // 0 left, 1 centre, 2 right.
  void SetAlignment(int nAlign);
  int GetAlignment() const { return static_cast<int>(m_align); }
  void SetWindowText(const std::string& text) override;
  std::string GetWindowText() const override { return m_strCaption; }

  void DrawBox(CDC* pDC, const CRect& rect);

 protected:
  int OnCreate() override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;

 private:
  void Changed();

  std::string m_strCaption;  // kept here too, so it exists before the window
  int m_nBoxStyle = 0;
  COLORREF m_crBorder = RGB(160, 160, 160);
  COLORREF m_crBack = RGB(240, 240, 240);
  COLORREF m_crCaptionText = RGB(0, 0, 0);
  controls::CaptionAlign m_align = controls::CaptionAlign::Left;
  LOGFONT m_lf;
  CFont m_font;
};

// The supervise view's group-box look: style 1, frame colour
// RGB(201,201,151), body RGB(50,50,50), bold centred caption.
void SetupGroupBox(CXPGroupBox* pBox);
