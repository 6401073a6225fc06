// The chart's parts: grid, title, axes and series.
#include <algorithm>
#include <cmath>

#include "controls/chart/ChartCtrl.h"
#include "platform/Seams.h"

// ---- CChartGrid ------------------------------------------------------------------

void CChartGrid::SetVisible(bool bVisible) {
  if (m_bVisible == bVisible) return;
  m_bVisible = bVisible;
  m_pAxis->Changed();
}

void CChartGrid::SetColor(COLORREF color) {
  if (m_color == color) return;
  m_color = color;
  m_pAxis->Changed();
}

// ---- CChartTitle -----------------------------------------------------------------

void CChartTitle::RemoveAll() {
  if (m_lines.empty()) return;
  m_lines.clear();
  m_pParent->RefreshCtrl();
}

void CChartTitle::AddString(const std::string& text) {
  m_lines.push_back(text);
  m_pParent->RefreshCtrl();
}

std::string CChartTitle::GetString(size_t index) const {
  return index < m_lines.size() ? m_lines[index] : std::string();
}

void CChartTitle::SetVisible(bool bVisible) {
  if (m_bVisible == bVisible) return;
  m_bVisible = bVisible;
  m_pParent->RefreshCtrl();
}

void CChartTitle::SetColor(COLORREF color) {
  if (m_color == color) return;
  m_color = color;
  m_pParent->RefreshCtrl();
}

// ---- CChartAxis -------------------------------------------------------------------

CChartAxis::CChartAxis(CChartCtrl* pParent, EAxisPos pos, chart::AxisKind kind)
    : m_pParent(pParent), m_pos(pos), m_kind(kind), m_grid(this) {
  m_range = chart::AutoRange({}, kind, GetCurrentDateTime());
}

void CChartAxis::SetAutomatic(bool bAutomatic) {
  m_bAutomatic = bAutomatic;
  if (m_bAutomatic) RefreshAutoAxis();
  Changed();
}

void CChartAxis::SetMinMax(double dMin, double dMax) {
  // An infinite or undefined bound cannot be scaled or drawn: refused.
  if (!std::isfinite(dMin) || !std::isfinite(dMax)) return;
  if (dMin > dMax) std::swap(dMin, dMax);
  m_bAutomatic = false;
  m_range = {dMin, dMax};
  Changed();
}

void CChartAxis::GetMinMax(double& dMin, double& dMax) const {
  dMin = m_range.min;
  dMax = m_range.max;
}

void CChartAxis::RefreshAutoAxis() {
  if (!m_bAutomatic) return;
  chart::Extent data;
  for (const CChartSerie* s : m_pParent->GetSeriesOfAxis(this)) {
    if (!s->IsVisible()) continue;
    data.Add(IsHorizontal() ? s->GetXExtent() : s->GetYExtent());
  }
  // The clock is read only for an empty date-time axis.
  const DATE now = data.empty && IsDateTime() ? GetCurrentDateTime() : 0.0;
  m_range = chart::AutoRange(data, m_kind, now);
}

void CChartAxis::SetVisible(bool bVisible) {
  if (m_bVisible == bVisible) return;
  m_bVisible = bVisible;
  Changed();
}

void CChartAxis::SetAxisColor(COLORREF color) {
  m_axisColor = color;
  Changed();
}

void CChartAxis::SetTextColor(COLORREF color) {
  m_textColor = color;
  Changed();
}

void CChartAxis::Changed() { m_pParent->RefreshCtrl(); }

// ---- CChartSerie ------------------------------------------------------------------

CChartSerie::CChartSerie(CChartCtrl* pParent, CChartAxis* pHorizontal, CChartAxis* pVertical)
    : m_pParent(pParent), m_pHorizontalAxis(pHorizontal), m_pVerticalAxis(pVertical) {}

void CChartSerie::SetColor(COLORREF color) {
  if (m_color == color) return;
  m_color = color;
  m_pParent->RefreshCtrl();
}

void CChartSerie::SetVisible(bool bVisible) {
  if (m_bVisible == bVisible) return;
  m_bVisible = bVisible;
  RefreshAutoAxes();
}

void CChartSerie::RefreshAutoAxes() {
  if (m_pHorizontalAxis) m_pHorizontalAxis->RefreshAutoAxis();
  if (m_pVerticalAxis) m_pVerticalAxis->RefreshAutoAxis();
  m_pParent->RefreshCtrl();
}

// ---- CChartXYSerie ----------------------------------------------------------------

void CChartXYSerie::AddToExtents(double x, double y) {
  const size_t count = GetPointsCount();
  if (!std::isfinite(x) || (count > 0 && !(x >= m_points.back().x))) m_bXAscending = false;
  m_xExtent.Add(x);
  m_yExtent.Add(y);
}

void CChartXYSerie::AddPoint(double x, double y) {
  AddToExtents(x, y);
  m_points.push_back({x, y});
  ++m_version;
  RefreshAutoAxes();
}

void CChartXYSerie::AddPoints(const double* pX, const double* pY, size_t count) {
  if (!pX || !pY || count == 0) return;
  // Room for the batch, growing geometrically: a running trend adds a
  // point or two at a time.
  if (m_points.size() + count > m_points.capacity())
    m_points.reserve(std::max(m_points.size() + count, 2 * m_points.capacity()));
  ++m_version;
  for (size_t i = 0; i < count; ++i) {
    AddToExtents(pX[i], pY[i]);
    m_points.push_back({pX[i], pY[i]});
  }
  RefreshAutoAxes();
}

namespace {

// The extent of one coordinate of the points.
template <class Coordinate>
chart::Extent ExtentOf(std::span<const chart::PointF> points, Coordinate coordinate) {
  chart::Extent e;
  for (const chart::PointF& p : points) e.Add(coordinate(p));
  return e;
}

}  // namespace

void CChartXYSerie::RemovePointsFromStart(size_t count) {
  count = std::min(count, GetPointsCount());
  if (count == 0) return;
  if (count == GetPointsCount()) {
    RemoveAllPoints();
    return;
  }
  const std::span<const chart::PointF> removed = GetPoints().first(count);
  const auto onEdge = [](const chart::Extent& e, double v) { return v == e.min || v == e.max; };
  bool xEdge = false, yEdge = false;
  for (const chart::PointF& p : removed) {
    xEdge = xEdge || onEdge(m_xExtent, p.x);
    yEdge = yEdge || onEdge(m_yExtent, p.y);
  }
  m_nFirst += count;
  if (m_nFirst > m_points.size() / 2) {
    m_points.erase(m_points.begin(), m_points.begin() + static_cast<std::ptrdiff_t>(m_nFirst));
    m_nFirst = 0;
  }
  ++m_version;
  const std::span<const chart::PointF> points = GetPoints();
  if (m_bXAscending) {
    m_xExtent = {};
    m_xExtent.Add(points.front().x);
    m_xExtent.Add(points.back().x);
  } else if (xEdge) {
    m_xExtent = ExtentOf(points, [](const chart::PointF& p) { return p.x; });
  }
  if (yEdge) m_yExtent = ExtentOf(points, [](const chart::PointF& p) { return p.y; });
  RefreshAutoAxes();
}

void CChartXYSerie::RemoveAllPoints() {
  m_points.clear();
  m_nFirst = 0;
  ++m_version;
  m_xExtent = {};
  m_yExtent = {};
  m_bXAscending = true;
  RefreshAutoAxes();
}

// ---- CChartLineSerie --------------------------------------------------------------

void CChartLineSerie::SetSmooth(bool bSmooth) {
  if (m_bSmooth == bSmooth) return;
  m_bSmooth = bSmooth;
  m_pParent->RefreshCtrl();
}

const std::vector<CPoint>& CChartLineSerie::GetPixelLine(const chart::Range& x, const chart::Range& y,
                                                          const CRect& plot) const {
  PixelLine& c = m_pixelLine;
  if (!c.valid || c.version != GetPointsVersion() || c.smooth != m_bSmooth || !(c.x == x) ||
      !(c.y == y) || c.plot != plot) {
    c.points = chart::PixelPolyline(GetPoints(), x, y, plot, m_bSmooth);
    c.valid = true;
    c.version = GetPointsVersion();
    c.smooth = m_bSmooth;
    c.x = x;
    c.y = y;
    c.plot = plot;
  }
  return c.points;
}

void CChartLineSerie::SetWidth(int nWidth) {
  nWidth = std::clamp(nWidth, 1, 20);
  if (m_nWidth == nWidth) return;
  m_nWidth = nWidth;
  m_pParent->RefreshCtrl();
}
