// A series drawn as a line through its points, straight or smoothed.
// Owned by its chart control; user-interface thread.
#pragma once

#include "controls/chart/ChartXYSerie.h"

class CChartLineSerie : public CChartXYSerie {
 public:
  using CChartXYSerie::CChartXYSerie;

  void SetSmooth(bool bSmooth);
  bool GetSmooth() const { return m_bSmooth; }
  void SetWidth(int nWidth);
  int GetWidth() const { return m_nWidth; }

 private:
  bool m_bSmooth = false;
  int m_nWidth = 1;
};
