#include "controls/chart/ChartScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace chart {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kOneMinute = 1.0 / 1440.0;
// Automation dates the calendar functions accept (years 100 to 9999).
constexpr double kFirstDate = -657434.0;
constexpr double kLastDate = 2958465.0;
// No axis ever gets more ticks than this, whatever it is asked.
constexpr int kTickLimit = 200;

enum class Unit { Second, Day, Month, Year };

struct DateStep {
  Unit unit;
  int count;           // seconds, days, months or years
  const char* format;  // label format of ticks at this step
};

// The date-time tick steps, finest first; the chooser takes the first one
// that keeps the tick count within the limit.
constexpr DateStep kDateSteps[] = {
    {Unit::Second, 1, "%H:%M:%S"},     {Unit::Second, 2, "%H:%M:%S"},
    {Unit::Second, 5, "%H:%M:%S"},     {Unit::Second, 10, "%H:%M:%S"},
    {Unit::Second, 15, "%H:%M:%S"},    {Unit::Second, 30, "%H:%M:%S"},
    {Unit::Second, 60, "%H:%M"},       {Unit::Second, 120, "%H:%M"},
    {Unit::Second, 300, "%H:%M"},      {Unit::Second, 600, "%H:%M"},
    {Unit::Second, 900, "%H:%M"},      {Unit::Second, 1800, "%H:%M"},
    {Unit::Second, 3600, "%H:%M"},     {Unit::Second, 7200, "%H:%M"},
    {Unit::Second, 10800, "%H:%M"},    {Unit::Second, 21600, "%H:%M"},
    {Unit::Second, 43200, "%H:%M"},    {Unit::Day, 1, "%Y/%m/%d"},
    {Unit::Day, 2, "%Y/%m/%d"},        {Unit::Day, 7, "%Y/%m/%d"},
    {Unit::Month, 1, "%Y/%m"},         {Unit::Month, 2, "%Y/%m"},
    {Unit::Month, 3, "%Y/%m"},         {Unit::Month, 6, "%Y/%m"},
    {Unit::Year, 1, "%Y"},             {Unit::Year, 2, "%Y"},
    {Unit::Year, 5, "%Y"},             {Unit::Year, 10, "%Y"},
    {Unit::Year, 20, "%Y"},            {Unit::Year, 50, "%Y"},
    {Unit::Year, 100, "%Y"},           {Unit::Year, 200, "%Y"},
    {Unit::Year, 500, "%Y"},           {Unit::Year, 1000, "%Y"},
};

// Sub-day labels also name the day when the range covers more than one.
constexpr const char* kTimeWithDay = "%m/%d %H:%M";

// Appends the number with at least `width` digits, zero-padded in front
// (as "%0*d" does; the labels are formatted for every layout, so cheaply).
void AppendZeroPadded(std::string& out, int value, int width) {
  if (value < 0) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    out += buf;
    return;
  }
  char digits[12];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  for (int k = n; k < width; ++k) out += '0';
  while (n > 0) out += digits[--n];
}

double ApproxStepDays(const DateStep& s) {
  switch (s.unit) {
    case Unit::Second: return s.count / kSecondsPerDay;
    case Unit::Day: return s.count;
    case Unit::Month: return s.count * 30.44;
    case Unit::Year: return s.count * 365.25;
  }
  return 1.0;
}

// Whole-day number of a date (the calendar day it falls on).
long DayNumber(DATE d) { return static_cast<long>(std::floor(d)); }

std::vector<double> DateStepValues(const Range& r, const DateStep& s, int limit) {
  std::vector<double> out;
  if (s.unit == Unit::Second || s.unit == Unit::Day) {
    const double stepSec = s.unit == Unit::Second ? s.count : s.count * kSecondsPerDay;
    // Ticks on whole multiples of the step counted from the epoch, which
    // falls on a midnight, so minutes and hours land on the clock's marks.
    const double first = std::ceil(r.min * kSecondsPerDay / stepSec - 1e-9);
    for (double k = first;; k += 1.0) {
      const double v = k * stepSec / kSecondsPerDay;
      if (v > r.max + 1e-9 / kSecondsPerDay * stepSec) break;
      out.push_back(v);
      if (static_cast<int>(out.size()) > limit) break;
    }
    return out;
  }
  const DateParts p = DateToParts(r.min);
  int year = p.year;
  int month = p.month;
  if (s.unit == Unit::Month) {
    month -= (month - 1) % s.count;
  } else {
    month = 1;
    year -= ((year % s.count) + s.count) % s.count;
  }
  for (;;) {
    if (year > 9999) break;
    const double v = DateFromParts(year, month, 1);
    if (v > r.max) break;
    if (v >= r.min) {
      out.push_back(v);
      if (static_cast<int>(out.size()) > limit) break;
    }
    if (s.unit == Unit::Month) {
      month += s.count;
      while (month > 12) { month -= 12; ++year; }
    } else {
      year += s.count;
    }
  }
  return out;
}

bool IsFinite(const Range& r) { return std::isfinite(r.min) && std::isfinite(r.max); }

}  // namespace

void Extent::Add(double v) {
  if (!std::isfinite(v)) return;
  if (empty) {
    min = max = v;
    empty = false;
    return;
  }
  min = std::min(min, v);
  max = std::max(max, v);
}

void Extent::Add(const Extent& other) {
  if (other.empty) return;
  Add(other.min);
  Add(other.max);
}

Range AutoRange(const Extent& data, AxisKind kind, DATE now) {
  if (kind == AxisKind::DateTime) {
    if (data.empty) return {now - kOneMinute, now + kOneMinute};
    Range r{std::max(data.min, kFirstDate), std::min(data.max, kLastDate)};
    if (r.max - r.min < 1.0 / kSecondsPerDay) {
      const double mid = (r.min + r.max) / 2;
      r = {mid - kOneMinute, mid + kOneMinute};
    }
    return r;
  }
  if (data.empty) return {0.0, 10.0};
  const double span = data.max - data.min;
  const double magnitude = std::max(std::fabs(data.min), std::fabs(data.max));
  if (span <= magnitude * 1e-12) {
    // A flat series: centre it with room above and below.
    const double mid = data.min / 2 + data.max / 2;
    const double pad = mid == 0.0 ? 1.0 : std::fabs(mid) * 0.1;
    return {mid - pad, mid + pad};
  }
  const double margin = (data.max / 20 - data.min / 20);
  Range r{data.min - margin, data.max + margin};
  if (!IsFinite(r)) r = {data.min, data.max};
  return r;
}

std::string FormatValueTick(double value, double step, double magnitude) {
  if (std::fabs(value) < step * 1e-6) value = 0.0;  // no "-0.00"
  char buf[64];
  const bool scientific = magnitude >= 1e7 || (magnitude > 0 && magnitude < 1e-4);
  if (scientific) {
    int digits = 1;
    if (step > 0 && magnitude > 0)
      digits = static_cast<int>(std::floor(std::log10(magnitude)) - std::floor(std::log10(step))) + 1;
    digits = std::clamp(digits, 1, 15);
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
    return buf;
  }
  int decimals = 0;
  if (step > 0) decimals = static_cast<int>(-std::floor(std::log10(step) + 1e-9));
  decimals = std::clamp(decimals, 0, 12);
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  return buf;
}

Ticks ValueTicks(const Range& range, int maxTicks) {
  Ticks t;
  maxTicks = std::clamp(maxTicks, 2, kTickLimit);
  const double span = range.max - range.min;
  const double magnitude = std::max(std::fabs(range.min), std::fabs(range.max));
  if (!IsFinite(range) || !std::isfinite(span) || span <= 0) {
    // Nothing to divide: one tick at the bottom, labelled in full.
    const double v = std::isfinite(range.min) ? range.min : 0.0;
    t.values.push_back(v);
    t.labels.push_back(FormatValueTick(v, std::fabs(v) > 0 ? std::fabs(v) / 100 : 1.0, std::fabs(v)));
    return t;
  }
  const double raw = span / (maxTicks - 1);
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = 10 * power;
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * power >= raw * (1 - 1e-12)) {
      step = m * power;
      break;
    }
  }
  t.step = step;
  const double first = std::ceil(range.min / step - 1e-9);
  for (double k = first;; k += 1.0) {
    const double v = k * step;
    if (v > range.max + step * 1e-9 || static_cast<int>(t.values.size()) >= maxTicks) break;
    if (!t.values.empty() && v <= t.values.back()) break;  // step below the resolution
    t.values.push_back(v);
  }
  for (double v : t.values) t.labels.push_back(FormatValueTick(v, step, magnitude));
  return t;
}

Ticks DateTimeTicks(const Range& in, int maxTicks) {
  Ticks t;
  maxTicks = std::clamp(maxTicks, 2, kTickLimit);
  Range r{std::clamp(in.min, kFirstDate, kLastDate), std::clamp(in.max, kFirstDate, kLastDate)};
  if (!IsFinite(in) || r.max <= r.min) {
    const double v = std::isfinite(in.min) ? std::clamp(in.min, kFirstDate, kLastDate) : 0.0;
    t.values.push_back(v);
    t.labels.push_back(FormatDate(v, "%Y/%m/%d %H:%M:%S"));
    return t;
  }
  const double span = r.max - r.min;
  // The coarsest step stands when even it gives too many ticks.
  const DateStep* chosen = &kDateSteps[std::size(kDateSteps) - 1];
  bool found = false;
  for (const DateStep& s : kDateSteps) {
    if (span / ApproxStepDays(s) > maxTicks + 1) continue;  // plainly too many
    std::vector<double> v = DateStepValues(r, s, maxTicks);
    if (static_cast<int>(v.size()) <= maxTicks) {
      chosen = &s;
      t.values = std::move(v);
      found = true;
      break;
    }
  }
  if (!found) {
    t.values = DateStepValues(r, *chosen, maxTicks);
    t.values.resize(std::min<size_t>(t.values.size(), maxTicks));
  }
  t.step = ApproxStepDays(*chosen);
  std::string format = chosen->format;
  if (chosen->unit == Unit::Second && DayNumber(r.min) != DayNumber(r.max) && chosen->count >= 60)
    format = kTimeWithDay;
  for (double v : t.values) t.labels.push_back(FormatDate(v, format));
  return t;
}

std::string FormatDate(DATE date, const std::string& format) {
  if (!std::isfinite(date)) return "?";
  // Round to the whole second first, so a tick computed a hair below a
  // minute mark is not labelled one second early.
  date = std::round(date * kSecondsPerDay) / kSecondsPerDay;
  date = std::clamp(date, kFirstDate, kLastDate);
  const DateParts p = DateToParts(date);
  std::string out;
  out.reserve(format.size() + 8);
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 == format.size()) {
      out += format[i];
      continue;
    }
    const char c = format[++i];
    switch (c) {
      case 'Y': AppendZeroPadded(out, p.year, 4); break;
      case 'm': AppendZeroPadded(out, p.month, 2); break;
      case 'd': AppendZeroPadded(out, p.day, 2); break;
      case 'H': AppendZeroPadded(out, p.hour, 2); break;
      case 'M': AppendZeroPadded(out, p.minute, 2); break;
      case 'S': AppendZeroPadded(out, p.second, 2); break;
      case '%': out += '%'; break;
      default:
        out += '%';
        out += c;
        break;
    }
  }
  return out;
}

Ticks FitTicks(const Range& range, AxisKind kind, int lengthPx, int gapPx,
               const std::function<int(const std::string&)>& measure) {
  int maxTicks = std::clamp(lengthPx / 25 + 1, 2, 50);
  for (;;) {
    Ticks t = kind == AxisKind::DateTime ? DateTimeTicks(range, maxTicks) : ValueTicks(range, maxTicks);
    if (t.values.size() < 2) return t;
    int widest = 0;
    for (const std::string& s : t.labels) widest = std::max(widest, measure(s));
    const double span = range.max - range.min;
    // The smallest distance between two neighbouring ticks, in pixels.
    double spacing = lengthPx;
    for (size_t i = 1; i < t.values.size(); ++i)
      spacing = std::min(spacing, (t.values[i] - t.values[i - 1]) / span * lengthPx);
    if (spacing >= widest + gapPx) return t;
    if (maxTicks == 2) {
      // Not even two labels fit: one readable label beats two overlapping.
      t.values.resize(1);
      t.labels.resize(1);
      return t;
    }
    const int fit = static_cast<int>(lengthPx / std::max(1, widest + gapPx));
    maxTicks = std::clamp(std::min(maxTicks - 1, fit), 2, maxTicks - 1);
  }
}

}  // namespace chart
