#include "shapes/ShapeDraw.h"

#include "platform/ui/GdiObject.h"
#include "platform/ui/Pen.h"

ShapeFillScope::ShapeFillScope(CDC* dc, COLORREF color, bool outline) : m_dc(dc), m_brush(color) {
  m_oldBrush = m_dc->SelectObject(&m_brush);
  if (!outline) m_oldPen = m_dc->SelectStockObject(NULL_PEN);
}

ShapeFillScope::~ShapeFillScope() {
  m_dc->SelectObject(m_oldBrush);
  if (m_oldPen != nullptr) m_dc->SelectObject(static_cast<CPen*>(m_oldPen));
}
