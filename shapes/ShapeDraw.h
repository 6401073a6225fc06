// Small drawing helpers the shapes share.
// User-interface thread (contexts belong to the thread that made them).
#pragma once

#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"

class C_BaseShape;
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

// The background of a device that tells whether it takes part in the
// recipe: ColorBgLocal while the attribute localControlId (its local-control
// indication) is on, else ColorBG while DeviceIsInRecipe is on, else
// ColorBgOutOfRecipe.
COLORREF RecipeBackgroundColor(const C_BaseShape& shape, int localControlId);
