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

  // The polyline the series is drawn as: its points in the plot, thinned
  // to what each pixel column shows (chart::PixelPolyline). Kept until the
  // ranges, the plot, the points or the smoothing change, so a redraw of
  // an unchanged chart does not compute it again.
  const std::vector<CPoint>& GetPixelLine(const chart::Range& x, const chart::Range& y,
                                          const CRect& plot) const;

 private:
  struct PixelLine {
    bool valid = false;
    unsigned long long version = 0;  // of the points it was made from
    bool smooth = false;
    chart::Range x, y;
    CRect plot;
    std::vector<CPoint> points;
  };

  bool m_bSmooth = false;
  int m_nWidth = 1;
  mutable PixelLine m_pixelLine;
};
