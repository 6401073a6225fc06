// Small drawing helpers the shapes share.
// User-interface thread (contexts belong to the thread that made them).
#pragma once

#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"

class CGdiObject;
class CPen;

// Selects a solid brush of the colour into the context until the scope
// ends; without outline the stock null pen too, so shapes are only filled.
class ShapeFillScope {
 public:
  ShapeFillScope(CDC* dc, COLORREF color, bool outline = false);
  ~ShapeFillScope();
  ShapeFillScope(const ShapeFillScope&) = delete;
  ShapeFillScope& operator=(const ShapeFillScope&) = delete;

 private:
  CDC* m_dc;
  CBrush m_brush;
  CBrush* m_oldBrush = nullptr;
  CGdiObject* m_oldPen = nullptr;  // null when the pen was left alone
};
