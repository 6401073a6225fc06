#include "shapes/ShapeDraw.h"

#include "platform/ui/GdiObject.h"
#include "platform/ui/Pen.h"
#include "shapes/BaseShape.h"

ShapeFillScope::ShapeFillScope(CDC* dc, COLORREF color, bool outline) : m_dc(dc), m_brush(color) {
  m_oldBrush = m_dc->SelectObject(&m_brush);
  if (!outline) m_oldPen = m_dc->SelectStockObject(NULL_PEN);
}

ShapeFillScope::~ShapeFillScope() {
  m_dc->SelectObject(m_oldBrush);
  if (m_oldPen != nullptr) m_dc->SelectObject(static_cast<CPen*>(m_oldPen));
}

COLORREF RecipeBackgroundColor(const C_BaseShape& shape, int localControlId) {
  int id = BA_ColorBgOutOfRecipe;
  if (shape.GetAttribBool(localControlId)) {
    id = BA_ColorBgLocal;
  } else if (shape.GetAttribBool(BA_DeviceIsInRecipe)) {
    id = BA_ColorBG;
  }
  return static_cast<COLORREF>(shape.GetAttribInt(id));
}
