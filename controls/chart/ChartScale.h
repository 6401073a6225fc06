// Pure scale arithmetic of the chart: automatic ranges, tick choice and
// tick labels for value axes and date-time axes. No window is involved, so
// every rule can be checked directly; all functions are thread-safe.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Variant.h"

namespace chart {

// A closed interval of axis values (days for a date-time axis).
struct Range {
  double min = 0.0;
  double max = 1.0;
  bool operator==(const Range&) const = default;
};

// The extent of some data; empty while no finite value was seen.
struct Extent {
  double min = 0.0;
  double max = 0.0;
  bool empty = true;
  void Add(double v);
  void Add(const Extent& other);
};

enum class AxisKind { Value, DateTime };

// The automatic range for data of the extent:
//  - value axis: the data range with a margin of 5% on each side; a flat
//    extent is widened by 10% of its value (by 1 around zero); no data
//    gives 0..10;
//  - date-time axis: exactly the data range (the time window fills the
//    plot); a single instant is widened by one minute on each side; no data
//    gives the minute around `now`.
Range AutoRange(const Extent& data, AxisKind kind, DATE now);

// The ticks of an axis and their labels, lowest value first.
struct Ticks {
  std::vector<double> values;
  std::vector<std::string> labels;
  double step = 0.0;  // value step (days for date-time steps below a month)
};

// Value axis: ticks at 1, 2 or 5 times a power of ten, at most maxTicks of
// them (at least 2 are asked for) inside the range.
Ticks ValueTicks(const Range& range, int maxTicks);
// The text of a value tick for the tick step: just enough decimals to tell
// the ticks apart, scientific notation for very large or small magnitudes.
std::string FormatValueTick(double value, double step, double magnitude);

// Date-time axis: ticks at whole seconds, minutes, hours, days, months or
// years from a fixed table, at most maxTicks of them inside the range.
Ticks DateTimeTicks(const Range& range, int maxTicks);
// Formats an automation date with a strftime-like subset: %Y %m %d %H %M %S.
std::string FormatDate(DATE date, const std::string& format);

// Chooses the ticks for an axis `lengthPx` pixels long so that the labels
// do not overlap: starts from a generous count and lowers it until every
// label (measured by `measure`, in pixels along the axis) fits its spacing
// with `gapPx` to spare. When not even two labels fit, one tick is kept.
Ticks FitTicks(const Range& range, AxisKind kind, int lengthPx, int gapPx,
               const std::function<int(const std::string&)>& measure);

}  // namespace chart
