// Pure geometry of the chart: the mapping of data to pixels, the thinning
// of dense series to what a pixel column can show, the smoothing of a
// line and the layout of title, axes and plot. No window is involved;
// all functions are thread-safe.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "controls/chart/ChartScale.h"
#include "platform/WinTypes.h"

namespace chart {

struct PointF {
  double x = 0.0;
  double y = 0.0;
  bool operator==(const PointF&) const = default;
};

// Data (x, y) to pixels inside plot: the range's minimum on the plot's
// left (bottom) pixel, its maximum on the right (top) pixel. Points with a
// coordinate that is not finite are skipped.
std::vector<PointF> MapToPixels(std::span<const PointF> data, const Range& x, const Range& y,
                                const CRect& plot);

// Thins a pixel polyline: a run of three or more consecutive points that
// fall into the same pixel column is replaced by its lowest and highest
// points in their original order (the series' first and last points are
// kept too), so the drawn line keeps every peak and stays connected while
// its length is bounded by about two points a column.
std::vector<PointF> ThinToColumns(const std::vector<PointF>& px);

// A smooth curve through every point: cubic segments with Catmull-Rom
// tangents whose control points are kept inside each segment's bounding
// box, so the curve never overshoots the data. Each segment is flattened
// into pieces no longer than maxPiecePx. Fewer than three points are
// returned as they are.
std::vector<PointF> SmoothPolyline(const std::vector<PointF>& px, double maxPiecePx);

// A pixel polyline as whole device points, rounded, without repeated
// points. Points far outside the plot (a fixed axis range far from the
// data) are held at a million pixels, where the clip still cuts them, so
// they keep their direction and fit an int.
std::vector<CPoint> ToDevicePoints(const std::vector<PointF>& px);

// The polyline drawn for a series: its points mapped into the plot,
// thinned to what each pixel column shows, smoothed when asked for, in
// device points.
std::vector<CPoint> PixelPolyline(std::span<const PointF> data, const Range& x, const Range& y,
                                  const CRect& plot, bool smooth);

// What the layout needs to know of the chart and of the text font.
struct LayoutInput {
  CRect bounds;                           // the whole drawing area
  std::vector<std::string> titleLines;    // top to bottom
  int titleLineHeight = 16;
  bool leftAxisVisible = true;
  bool bottomAxisVisible = true;
  Range xRange;
  Range yRange;
  AxisKind xKind = AxisKind::DateTime;
  AxisKind yKind = AxisKind::Value;
  int labelHeight = 12;                   // height of a tick label
  std::function<int(const std::string&)> measure;  // width of a text in pixels
};

// One laid-out tick: its pixel position along the axis and its label.
struct TickMark {
  int pos = 0;
  std::string label;
};

// Whether two layout inputs lay out the same (all but the measuring
// function compared: the caller keeps the font and context the same).
bool SameLayoutInput(const LayoutInput& a, const LayoutInput& b);

struct Layout {
  CRect plot;                       // the area the series are drawn in
  std::vector<CRect> titleRects;    // one per title line, centred text
  std::vector<TickMark> xTicks;     // x pixel positions
  std::vector<TickMark> yTicks;     // y pixel positions
  CRect xLabelBand;                 // below the plot
  CRect yLabelBand;                 // left of the plot
};

constexpr int kTickLength = 4;
constexpr int kOuterMargin = 6;

Layout ComputeLayout(const LayoutInput& in);

// The top-left corner of a tick's label of the measured width: centred
// under a bottom-axis tick, right-aligned before a left-axis tick and
// centred on it.
CPoint XLabelOrigin(const CRect& plot, int pos, int width);
CPoint YLabelOrigin(const CRect& plot, int pos, int width, int labelHeight);

// The chart's background outside the plot: up to four bands around it,
// none overlapping the plot (which is filled with its own colour).
std::vector<CRect> MarginRects(const CRect& bounds, const CRect& plot);

// What a drawn chart shows outside its plot (the margins, the plot's
// frame, ticks, labels and title), so that a window keeping its picture
// can tell which parts a new draw changes. Every area covers all pixels
// its part may colour, anti-aliased text included.
struct FramePicture {
  CRect bounds;
  CRect plot;
  std::vector<unsigned long> look;  // colours and visibilities, compared as a whole
  std::vector<std::string> titleLines;
  std::vector<CRect> titleRects;
  std::vector<TickMark> xTicks;
  std::vector<TickMark> yTicks;
  std::vector<CRect> xTickAreas;  // mark and label of each bottom-axis tick
  std::vector<CRect> yTickAreas;  // mark and label of each left-axis tick
};

// The area a tick's mark and label (of the measured width) may colour.
CRect XTickArea(const CRect& plot, int pos, int width, int labelHeight);
CRect YTickArea(const CRect& plot, int pos, int width, int labelHeight);

// The areas of `before` that must be drawn again to show `after`: the old
// and new places of every tick that moved, appeared, vanished or changed
// its label. Empty when the frames are the same. A change of the bounds,
// the plot, the look or the title changes everything: the whole bounds.
std::vector<CRect> ChangedFrameAreas(const FramePicture& before, const FramePicture& after);

}  // namespace chart
