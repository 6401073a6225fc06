// The grid lines of one chart axis: drawn across the plot at the axis's
// ticks. A plain settings holder owned by its axis; user-interface thread.
#pragma once

#include "platform/WinTypes.h"

class CChartAxis;

class CChartGrid {
 public:
  explicit CChartGrid(CChartAxis* pAxis) : m_pAxis(pAxis) {}

  void SetVisible(bool bVisible);
  bool IsVisible() const { return m_bVisible; }
  void SetColor(COLORREF color);
  COLORREF GetColor() const { return m_color; }

 private:
  CChartAxis* m_pAxis;  // the owning axis (weak)
  bool m_bVisible = true;
  COLORREF m_color = RGB(128, 128, 128);
};
