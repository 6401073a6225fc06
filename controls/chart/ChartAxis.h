// One axis of the chart: a value axis or a date-time axis (values are
// automation dates), on the left or at the bottom. Its range is either
// fixed or automatic, following the series drawn against it. Owned by its
// chart control; user-interface thread.
#pragma once

#include <memory>

#include "controls/chart/ChartGrid.h"
#include "controls/chart/ChartScale.h"
#include "platform/WinTypes.h"

class CChartCtrl;

class CChartAxis {
 public:
  enum EAxisPos { LeftAxis = 0, BottomAxis = 1 };

  CChartAxis(CChartCtrl* pParent, EAxisPos pos, chart::AxisKind kind);
  CChartAxis(const CChartAxis&) = delete;
  CChartAxis& operator=(const CChartAxis&) = delete;

  EAxisPos GetPosition() const { return m_pos; }
  bool IsHorizontal() const { return m_pos == BottomAxis; }
  chart::AxisKind GetKind() const { return m_kind; }
  bool IsDateTime() const { return m_kind == chart::AxisKind::DateTime; }

  // Automatic: the range follows the series at once and on every change.
  void SetAutomatic(bool bAutomatic);
  bool IsAutomatic() const { return m_bAutomatic; }
  // A fixed range (min and max swapped when given the wrong way round);
  // turns automatic off. A bound that is not a finite number changes nothing.
  void SetMinMax(double dMin, double dMax);
  void GetMinMax(double& dMin, double& dMax) const;
  const chart::Range& GetRange() const { return m_range; }
  // Recomputes an automatic range from the series that use this axis.
  void RefreshAutoAxis();

  void SetVisible(bool bVisible);
  bool IsVisible() const { return m_bVisible; }
  void SetAxisColor(COLORREF color);
  COLORREF GetAxisColor() const { return m_axisColor; }
  void SetTextColor(COLORREF color);
  COLORREF GetTextColor() const { return m_textColor; }
  CChartGrid* GetGrid() { return &m_grid; }
  const CChartGrid* GetGrid() const { return &m_grid; }

  // Redraws the chart after a change of this axis or its grid.
  void Changed();

 private:
  CChartCtrl* m_pParent;  // the owning chart (weak)
  EAxisPos m_pos;
  chart::AxisKind m_kind;
  bool m_bAutomatic = true;
  chart::Range m_range;
  bool m_bVisible = true;
  COLORREF m_axisColor = RGB(0, 0, 0);
  COLORREF m_textColor = RGB(0, 0, 0);
  CChartGrid m_grid;
};
