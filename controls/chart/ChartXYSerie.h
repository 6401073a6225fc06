// A series of (x, y) points, kept in the order they were added. Owned by
// its chart control; user-interface thread.
#pragma once

#include <vector>

#include "controls/chart/ChartGeometry.h"
#include "controls/chart/ChartSerie.h"

class CChartXYSerie : public CChartSerie {
 public:
  using CChartSerie::CChartSerie;

  // Adds one point and updates the automatic axes.
  void AddPoint(double x, double y);
  // Adds many points at once (one axis update).
  void AddPoints(const double* pX, const double* pY, size_t count);
  // Removes every point and updates the automatic axes.
  void RemoveAllPoints();

  size_t GetPointsCount() const { return m_points.size(); }
  chart::PointF GetPoint(size_t index) const { return m_points.at(index); }
  const std::vector<chart::PointF>& GetPoints() const { return m_points; }

  chart::Extent GetXExtent() const override { return m_xExtent; }
  chart::Extent GetYExtent() const override { return m_yExtent; }

  // Counts the changes of the points, so that what is derived from them
  // can tell when it is out of date.
  unsigned long long GetPointsVersion() const { return m_version; }

 private:
  std::vector<chart::PointF> m_points;
  unsigned long long m_version = 0;
  // Kept up to date on every addition, rebuilt on removal.
  chart::Extent m_xExtent;
  chart::Extent m_yExtent;
};
