// The base of every series of the chart: its name, colour, visibility and
// the two axes it is drawn against. Owned by its chart control;
// user-interface thread.
#pragma once

#include <string>

#include "controls/chart/ChartScale.h"
#include "platform/WinTypes.h"

class CChartCtrl;
class CChartAxis;

class CChartSerie {
 public:
  CChartSerie(CChartCtrl* pParent, CChartAxis* pHorizontal, CChartAxis* pVertical);
  virtual ~CChartSerie() = default;
  CChartSerie(const CChartSerie&) = delete;
  CChartSerie& operator=(const CChartSerie&) = delete;

  void SetName(const std::string& name) { m_name = name; }
  const std::string& GetName() const { return m_name; }
  void SetColor(COLORREF color);
  COLORREF GetColor() const { return m_color; }
  void SetVisible(bool bVisible);
  bool IsVisible() const { return m_bVisible; }

  CChartAxis* GetHorizontalAxis() const { return m_pHorizontalAxis; }
  CChartAxis* GetVerticalAxis() const { return m_pVerticalAxis; }

  // The extent of the series' data along x and along y.
  virtual chart::Extent GetXExtent() const = 0;
  virtual chart::Extent GetYExtent() const = 0;

  // Brings the automatic axes of this series up to date with its data and
  // redraws the chart.
  void RefreshAutoAxes();

 protected:
  CChartCtrl* m_pParent;  // the owning chart (weak)

 private:
  CChartAxis* m_pHorizontalAxis;  // weak; owned by the chart
  CChartAxis* m_pVerticalAxis;    // weak; owned by the chart
  std::string m_name;
  COLORREF m_color = RGB(0, 0, 255);
  bool m_bVisible = true;
};
