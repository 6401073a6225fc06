// A pen: style (PS_SOLID, PS_DASH, PS_DOT, PS_NULL, ...), width in pixels
// and colour. Widths 0 and 1 draw one-pixel lines that leave out their last
// point, as line drawing always has; wider pens draw round ends.
// Threads: see CGdiObject.
#pragma once

#include "platform/ui/GdiObject.h"

class CPen : public CGdiObject {
 public:
  CPen() : CGdiObject(Kind::Pen) {}
  CPen(int style, int width, COLORREF color) : CPen() { CreatePen(style, width, color); }

  BOOL CreatePen(int style, int width, COLORREF color);
  int GetStyle() const { return m_nStyle; }
  int GetWidth() const { return m_nWidth; }
  COLORREF GetColor() const { return m_crColor; }
  bool IsNull() const { return (m_nStyle & PS_STYLE_MASK) == PS_NULL; }
  operator HPEN() { return IsCreated() ? this : nullptr; }

  static CPen* FromHandle(HPEN pen) { return pen; }

 private:
  void Reset() override;
  int m_nStyle = PS_SOLID;
  int m_nWidth = 1;
  COLORREF m_crColor = 0;
};
