// The program's trend chart: a chart control set up the one way the trend
// panels use it, a left value axis, a bottom date-time axis and one line
// series, with a screen look or a print look. User-interface thread only.
#pragma once

#include "controls/chart/ChartCtrl.h"

// Registers "ChartCtrl" as a window class of dialog templates: a template
// item of that class becomes a CChartCtrlBase (set up for the screen).
// Call once at start-up, before such a template is made; repeated calls
// are harmless.
void RegisterChartWindowClass();

class CChartCtrlBase : public CChartCtrl {
 public:
  // Rebuilds the chart: every series, axis and title line removed, then a
  // left value axis and a bottom date-time axis (both automatic, with
  // grids) and one line series. bForPrint chooses dark lines on white
  // paper; otherwise the screen colours.
  void SetupChart(bool bForPrint);

  // The series made by SetupChart; null before it and once it was removed
  // (RemoveAll, RemoveAllSeries or a replaced axis delete it).
  CChartLineSerie* GetLineSerie() const;

 protected:
  // Prints a copy of this chart in the print look: same title, ranges,
  // points and smoothing, dark lines on white paper.
  void DrawForPrint(CDC* pDC, const CRect& rect) override;

 private:
  CChartLineSerie* m_pLineSerie = nullptr;  // owned by the chart
};
