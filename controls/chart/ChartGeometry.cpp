#include "controls/chart/ChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

// Pixel position of value v on an axis of `length` pixels starting at
// `origin`; the range maximum lands on the last pixel.
double AxisPixel(double v, const Range& r, double origin, double length, bool upward) {
  const double span = r.max - r.min;
  const double t = span > 0 ? (v - r.min) / span : 0.5;
  const double extent = std::max(0.0, length - 1);
  return upward ? origin + extent - t * extent : origin + t * extent;
}

}  // namespace

std::vector<PointF> MapToPixels(std::span<const PointF> data, const Range& x, const Range& y,
                                const CRect& plot) {
  std::vector<PointF> out;
  out.reserve(data.size());
  for (const PointF& p : data) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
    out.push_back({AxisPixel(p.x, x, plot.left, plot.Width(), false),
                   AxisPixel(p.y, y, plot.top, plot.Height(), true)});
  }
  return out;
}

std::vector<PointF> ThinToColumns(const std::vector<PointF>& px) {
  std::vector<PointF> out;
  out.reserve(std::min<size_t>(px.size(), 4096));
  size_t i = 0;
  while (i < px.size()) {
    const double column = std::floor(px[i].x);
    size_t j = i + 1;
    size_t lo = i;
    size_t hi = i;
    while (j < px.size() && std::floor(px[j].x) == column) {
      if (px[j].y < px[lo].y) lo = j;
      if (px[j].y > px[hi].y) hi = j;
      ++j;
    }
    if (j - i <= 2) {
      for (size_t k = i; k < j; ++k) out.push_back(px[k]);
    } else {
      // The column's vertical span is what shows; its lowest and highest
      // points in their order draw it, and the lines to the neighbouring
      // columns keep the curve connected. The series' own ends stay.
      if (i == 0 && lo != 0 && hi != 0) out.push_back(px[0]);
      out.push_back(px[std::min(lo, hi)]);
      out.push_back(px[std::max(lo, hi)]);
      if (j == px.size() && lo != j - 1 && hi != j - 1) out.push_back(px[j - 1]);
    }
    i = j;
  }
  return out;
}

std::vector<PointF> SmoothPolyline(const std::vector<PointF>& px, double maxPiecePx) {
  if (px.size() < 3) return px;
  maxPiecePx = std::max(maxPiecePx, 0.5);
  std::vector<PointF> out;
  out.reserve(px.size() * 2);
  out.push_back(px[0]);
  for (size_t i = 0; i + 1 < px.size(); ++i) {
    const PointF& p0 = px[i == 0 ? 0 : i - 1];
    const PointF& p1 = px[i];
    const PointF& p2 = px[i + 1];
    const PointF& p3 = px[i + 2 < px.size() ? i + 2 : i + 1];
    const double xLo = std::min(p1.x, p2.x), xHi = std::max(p1.x, p2.x);
    const double yLo = std::min(p1.y, p2.y), yHi = std::max(p1.y, p2.y);
    // Catmull-Rom tangents as Bezier control points, held in the box.
    const PointF c1{std::clamp(p1.x + (p2.x - p0.x) / 6, xLo, xHi),
                    std::clamp(p1.y + (p2.y - p0.y) / 6, yLo, yHi)};
    const PointF c2{std::clamp(p2.x - (p3.x - p1.x) / 6, xLo, xHi),
                    std::clamp(p2.y - (p3.y - p1.y) / 6, yLo, yHi)};
    const double chord = std::hypot(p2.x - p1.x, p2.y - p1.y);
    const int pieces = std::clamp(static_cast<int>(std::ceil(chord / maxPiecePx)), 1, 64);
    for (int k = 1; k <= pieces; ++k) {
      const double t = static_cast<double>(k) / pieces;
      const double u = 1 - t;
      const double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
      if (k == pieces) {
        out.push_back(p2);  // exactly through the data point
      } else {
        out.push_back({b0 * p1.x + b1 * c1.x + b2 * c2.x + b3 * p2.x,
                       b0 * p1.y + b1 * c1.y + b2 * c2.y + b3 * p2.y});
      }
    }
  }
  return out;
}

std::vector<CPoint> ToDevicePoints(const std::vector<PointF>& px) {
  constexpr double kPixelLimit = 1e6;
  std::vector<CPoint> out;
  out.reserve(px.size());
  for (const PointF& p : px) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
    const double x = std::clamp(p.x, -kPixelLimit, kPixelLimit);
    const double y = std::clamp(p.y, -kPixelLimit, kPixelLimit);
    const CPoint q(static_cast<int>(std::floor(x + 0.5)), static_cast<int>(std::floor(y + 0.5)));
    if (out.empty() || !(out.back() == q)) out.push_back(q);
  }
  return out;
}

std::vector<CPoint> PixelPolyline(std::span<const PointF> data, const Range& x, const Range& y,
                                  const CRect& plot, bool smooth) {
  std::vector<PointF> px = ThinToColumns(MapToPixels(data, x, y, plot));
  if (smooth) px = SmoothPolyline(px, 3.0);
  return ToDevicePoints(px);
}

bool SameLayoutInput(const LayoutInput& a, const LayoutInput& b) {
  return a.bounds == b.bounds && a.titleLines == b.titleLines && a.titleLineHeight == b.titleLineHeight &&
         a.leftAxisVisible == b.leftAxisVisible && a.bottomAxisVisible == b.bottomAxisVisible &&
         a.xRange == b.xRange && a.yRange == b.yRange && a.xKind == b.xKind && a.yKind == b.yKind &&
         a.labelHeight == b.labelHeight;
}

Layout ComputeLayout(const LayoutInput& in) {
  Layout l;
  const auto measure = [&](const std::string& s) { return in.measure ? in.measure(s) : 7 * static_cast<int>(s.size()); };
  CRect area = in.bounds;
  area.DeflateRect(kOuterMargin, kOuterMargin);

  int y = area.top;
  for (size_t i = 0; i < in.titleLines.size(); ++i) {
    l.titleRects.emplace_back(area.left, y, area.right, y + in.titleLineHeight);
    y += in.titleLineHeight;
  }
  if (!in.titleLines.empty()) y += 4;

  const int xBand = in.bottomAxisVisible ? kTickLength + 2 + in.labelHeight : 0;
  CRect plot(area.left, y + in.labelHeight / 2, area.right, area.bottom - xBand);

  // The value labels decide how far the plot starts from the left.
  Ticks yTicks;
  int yBand = 0;
  if (in.leftAxisVisible && plot.Height() > 0) {
    yTicks = FitTicks(in.yRange, in.yKind, plot.Height(), in.labelHeight / 2 + 2,
                      [&](const std::string&) { return in.labelHeight; });
    int widest = 0;
    for (const std::string& s : yTicks.labels) widest = std::max(widest, measure(s));
    yBand = widest + kTickLength + 3;
  }
  plot.left += yBand;

  Ticks xTicks;
  if (in.bottomAxisVisible && plot.Width() > 0) {
    xTicks = FitTicks(in.xRange, in.xKind, plot.Width(), 10, measure);
    // Half of the last label may stand beyond the plot's right edge; when
    // the margin is too narrow for it, narrow the plot and choose again.
    const int lastHalf = xTicks.labels.empty() ? 0 : measure(xTicks.labels.back()) / 2;
    const int right = in.bounds.right - lastHalf - 2;
    if (right < plot.right && right > plot.left + 1) {
      plot.right = right;
      xTicks = FitTicks(in.xRange, in.xKind, plot.Width(), 10, measure);
    }
  }
  if (plot.right <= plot.left) plot.right = plot.left + 1;
  if (plot.bottom <= plot.top) plot.bottom = plot.top + 1;
  l.plot = plot;

  for (size_t i = 0; i < yTicks.values.size(); ++i) {
    const double p = std::round(AxisPixel(yTicks.values[i], in.yRange, plot.top, plot.Height(), true));
    l.yTicks.push_back({static_cast<int>(p), yTicks.labels[i]});
  }
  for (size_t i = 0; i < xTicks.values.size(); ++i) {
    const double p = std::round(AxisPixel(xTicks.values[i], in.xRange, plot.left, plot.Width(), false));
    l.xTicks.push_back({static_cast<int>(p), xTicks.labels[i]});
  }
  l.xLabelBand = CRect(plot.left, plot.bottom, plot.right, plot.bottom + xBand);
  l.yLabelBand = CRect(plot.left - yBand, plot.top, plot.left, plot.bottom);
  return l;
}

CPoint XLabelOrigin(const CRect& plot, int pos, int width) {
  return CPoint((2 * pos + 1 - width) / 2, plot.bottom + kTickLength + 1);
}

CPoint YLabelOrigin(const CRect& plot, int pos, int width, int labelHeight) {
  const int top = pos - labelHeight / 2 - 1;
  const int bottom = pos + labelHeight / 2 + 1;
  return CPoint(plot.left - kTickLength - 2 - width, (top + bottom - labelHeight) / 2);
}

std::vector<CRect> MarginRects(const CRect& bounds, const CRect& plot) {
  std::vector<CRect> out;
  const auto add = [&](int l, int t, int r, int b) {
    if (r > l && b > t) out.emplace_back(l, t, r, b);
  };
  const int top = std::clamp(plot.top, bounds.top, bounds.bottom);
  const int bottom = std::clamp(plot.bottom, top, bounds.bottom);
  add(bounds.left, bounds.top, bounds.right, top);
  add(bounds.left, bottom, bounds.right, bounds.bottom);
  add(bounds.left, top, std::min(plot.left, bounds.right), bottom);
  add(std::max(plot.right, bounds.left), top, bounds.right, bottom);
  return out;
}

namespace {

// Anti-aliased glyphs may colour a pixel or two beyond a text's advance
// and line height; areas are widened by this much.
constexpr int kInkMargin = 3;

CRect Padded(CRect r) {
  r.InflateRect(kInkMargin, kInkMargin);
  return r;
}

// The areas of ticks in one list but not, at the same place with the same
// label, in the other.
void AddMovedTicks(const std::vector<TickMark>& ticks, const std::vector<CRect>& areas,
                   const std::vector<TickMark>& others, std::vector<CRect>& out) {
  for (size_t i = 0; i < ticks.size() && i < areas.size(); ++i) {
    const bool kept = std::any_of(others.begin(), others.end(), [&](const TickMark& o) {
      return o.pos == ticks[i].pos && o.label == ticks[i].label;
    });
    if (!kept) out.push_back(areas[i]);
  }
}

}  // namespace

CRect XTickArea(const CRect& plot, int pos, int width, int labelHeight) {
  const CPoint label = XLabelOrigin(plot, pos, width);
  CRect area = Padded(CRect(std::min(pos, label.x), plot.bottom, std::max(pos + 1, label.x + width),
                            label.y + labelHeight));
  area.top = plot.bottom;  // nothing of a tick enters the plot
  return area;
}

CRect YTickArea(const CRect& plot, int pos, int width, int labelHeight) {
  const CPoint label = YLabelOrigin(plot, pos, width, labelHeight);
  CRect area = Padded(CRect(label.x, std::min(pos, label.y), plot.left, std::max(pos + 1, label.y + labelHeight)));
  area.right = plot.left;
  return area;
}

std::vector<CRect> ChangedFrameAreas(const FramePicture& before, const FramePicture& after) {
  if (before.bounds != after.bounds || before.plot != after.plot || before.look != after.look ||
      before.titleLines != after.titleLines || before.titleRects != after.titleRects) {
    return {after.bounds};
  }
  std::vector<CRect> out;
  AddMovedTicks(before.xTicks, before.xTickAreas, after.xTicks, out);
  AddMovedTicks(after.xTicks, after.xTickAreas, before.xTicks, out);
  AddMovedTicks(before.yTicks, before.yTickAreas, after.yTicks, out);
  AddMovedTicks(after.yTicks, after.yTickAreas, before.yTicks, out);
  return out;
}

}  // namespace chart
