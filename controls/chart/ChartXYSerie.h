// A series of (x, y) points, kept in the order they were added. Owned by
// its chart control; user-interface thread.
#pragma once

#include <span>
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
  // Removes the count oldest points (all when there are fewer) and updates
  // the automatic axes; a running trend drops what left its window so.
  void RemovePointsFromStart(size_t count);
  // Removes every point and updates the automatic axes.
  void RemoveAllPoints();

  size_t GetPointsCount() const { return m_points.size() - m_nFirst; }
  chart::PointF GetPoint(size_t index) const { return m_points.at(m_nFirst + index); }
  // The points, oldest first; valid until the points change.
  std::span<const chart::PointF> GetPoints() const {
    return std::span<const chart::PointF>(m_points).subspan(m_nFirst);
  }

  chart::Extent GetXExtent() const override { return m_xExtent; }
  chart::Extent GetYExtent() const override { return m_yExtent; }

  // Counts the changes of the points, so that what is derived from them
  // can tell when it is out of date.
  unsigned long long GetPointsVersion() const { return m_version; }

 private:
  void AddToExtents(double x, double y);

  // The points are m_points from m_nFirst on: removing from the start only
  // moves m_nFirst, and the vector is compacted once half of it is unused.
  std::vector<chart::PointF> m_points;
  size_t m_nFirst = 0;
  unsigned long long m_version = 0;
  // Kept up to date on every addition; after a removal taken again from
  // the points when a removed value was an extreme.
  chart::Extent m_xExtent;
  chart::Extent m_yExtent;
  // Every x so far finite and none below the one before (time order): the
  // x extent is then the first and the last point's.
  bool m_bXAscending = true;
};
