#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <algorithm>
#include <set>

#include "controls/chart/ChartScale.h"

namespace {

using chart::AutoRange;
using chart::AxisKind;
using chart::Extent;
using chart::Range;

constexpr double kMinute = 1.0 / 1440.0;
constexpr double kSecond = 1.0 / 86400.0;

Extent ExtentOf(std::initializer_list<double> values) {
  Extent e;
  for (double v : values) e.Add(v);
  return e;
}

TEST(ChartScaleTest, AutoRangeOfAValueAxisAtItsEdges) {
  struct Case {
    const char* name;
    Extent data;
    Range expected;
  } cases[] = {
      {"no point", Extent{}, {0.0, 10.0}},
      {"single point", ExtentOf({50.0}), {45.0, 55.0}},
      {"flat at zero", ExtentOf({0.0, 0.0, 0.0}), {-1.0, 1.0}},
      {"flat negative", ExtentOf({-20.0, -20.0}), {-22.0, -18.0}},
      {"spread", ExtentOf({0.0, 100.0}), {-5.0, 105.0}},
      {"non-finite values ignored",
       ExtentOf({std::numeric_limits<double>::quiet_NaN(), 1.0, 3.0,
                 std::numeric_limits<double>::infinity()}),
       {0.9, 3.1}},
  };
  for (const auto& c : cases) {
    const Range r = AutoRange(c.data, AxisKind::Value, 0.0);
    EXPECT_NEAR(r.min, c.expected.min, 1e-9) << c.name;
    EXPECT_NEAR(r.max, c.expected.max, 1e-9) << c.name;
  }
}

TEST(ChartScaleTest, AutoRangeOfADateAxisAtItsEdges) {
  const double t = 46000.5;
  Range r = AutoRange(Extent{}, AxisKind::DateTime, t);
  EXPECT_NEAR(r.min, t - kMinute, 1e-12);
  EXPECT_NEAR(r.max, t + kMinute, 1e-12);
  r = AutoRange(ExtentOf({t}), AxisKind::DateTime, 0.0);
  EXPECT_NEAR(r.min, t - kMinute, 1e-12) << "a single instant is widened by a minute";
  EXPECT_NEAR(r.max, t + kMinute, 1e-12);
  r = AutoRange(ExtentOf({t, t + 1.0 / 24}), AxisKind::DateTime, 0.0);
  EXPECT_EQ(r, (Range{t, t + 1.0 / 24})) << "a real time window fills the plot exactly";
}

TEST(ChartScaleTest, ValueTicksAreRoundInsideTheRangeAndWithinTheCount) {
  struct Case {
    Range range;
    int maxTicks;
    double step;
    double first;
  } cases[] = {
      {{0, 10}, 6, 2.0, 0.0},
      {{0, 10}, 11, 1.0, 0.0},
      {{-5, 105}, 8, 20.0, 0.0},
      {{0.3, 0.7}, 5, 0.1, 0.3},
      {{45, 55}, 6, 2.0, 46.0},
      {{-1, 1}, 5, 0.5, -1.0},
      {{1e9, 1.1e9}, 5, 5e7, 1e9},
      {{-2e-6, 3e-6}, 6, 1e-6, -2e-6},
  };
  for (const auto& c : cases) {
    const chart::Ticks t = chart::ValueTicks(c.range, c.maxTicks);
    ASSERT_FALSE(t.values.empty());
    EXPECT_LE(static_cast<int>(t.values.size()), c.maxTicks);
    EXPECT_NEAR(t.step, c.step, c.step * 1e-9) << c.range.min << ".." << c.range.max;
    EXPECT_NEAR(t.values.front(), c.first, c.step * 1e-6);
    EXPECT_GE(t.values.front(), c.range.min - c.step * 1e-6);
    EXPECT_LE(t.values.back(), c.range.max + c.step * 1e-6);
    std::set<std::string> distinct(t.labels.begin(), t.labels.end());
    EXPECT_EQ(distinct.size(), t.labels.size()) << "labels tell the ticks apart";
  }
}

TEST(ChartScaleTest, ValueLabelsAreReadableAtAnyMagnitude) {
  EXPECT_EQ(chart::ValueTicks({-1, 1}, 5).labels,
            (std::vector<std::string>{"-1.0", "-0.5", "0.0", "0.5", "1.0"}));
  EXPECT_EQ(chart::ValueTicks({0, 100}, 6).labels,
            (std::vector<std::string>{"0", "20", "40", "60", "80", "100"}));
  EXPECT_EQ(chart::FormatValueTick(-1e-17, 0.1, 1.0), "0.0") << "no negative zero";
  EXPECT_EQ(chart::FormatValueTick(1.25e9, 5e7, 1.3e9), "1.25e+09");
  EXPECT_EQ(chart::FormatValueTick(3e-6, 1e-6, 3e-6), "3e-06");
  for (const auto& label : chart::ValueTicks({1e15, 1.0000001e15}, 10).labels)
    EXPECT_LT(label.size(), 24u) << label;
}

TEST(ChartScaleTest, DegenerateValueRangesGiveOneTickWithoutHanging) {
  const double inf = std::numeric_limits<double>::infinity();
  for (Range r : {Range{5, 5}, Range{1, 0}, Range{-inf, inf}, Range{0, inf},
                  Range{1e300, 1e300 + 1e285}}) {
    const chart::Ticks t = chart::ValueTicks(r, 10);
    EXPECT_GE(t.values.size(), 1u);
    EXPECT_LE(t.values.size(), 10u);
    EXPECT_EQ(t.values.size(), t.labels.size());
  }
}

TEST(ChartScaleTest, DateTicksChooseAClockStepForTheSpan) {
  const double base = 46000.0;  // a midnight
  struct Case {
    double spanDays;
    int maxTicks;
    std::string firstLabel;
    double step;
  } cases[] = {
      {10 * kSecond, 6, "00:00:00", 2 * kSecond},
      {2 * kMinute, 5, "00:00:00", 30 * kSecond},
      {1.0 / 24, 7, "00:00", 10 * kMinute},
      {0.5, 7, "00:00", 2.0 / 24},
      {10.0, 6, "2025/12/09", 2.0},
      {400.0, 8, "2026/01", 60.88},
      {3650.0, 6, "2026", 730.5},
      {5 * 365.25, 3, "2026", 730.5},
  };
  for (const auto& c : cases) {
    const chart::Ticks t = chart::DateTimeTicks({base, base + c.spanDays}, c.maxTicks);
    ASSERT_FALSE(t.values.empty()) << c.spanDays;
    EXPECT_LE(static_cast<int>(t.values.size()), c.maxTicks) << c.spanDays;
    ASSERT_FALSE(t.labels.empty()) << c.spanDays;
    EXPECT_EQ(t.labels.front(), c.firstLabel) << c.spanDays;
    EXPECT_NEAR(t.step, c.step, 1e-6) << c.spanDays;
  }
}

TEST(ChartScaleTest, SubDayTicksNameTheDayWhenTheRangeCrossesMidnight) {
  const double base = 46000.0;
  const chart::Ticks t = chart::DateTimeTicks({base - 0.25, base + 0.25}, 6);
  ASSERT_FALSE(t.labels.empty());
  EXPECT_EQ(t.labels.front().size(), std::string("12/08 18:00").size()) << t.labels.front();
  EXPECT_NE(std::find(t.labels.begin(), t.labels.end(), "12/09 00:00"), t.labels.end());
}

TEST(ChartScaleTest, DateTicksLandOnWholeClockMarks) {
  const double start = 46000.0 + 10 * kSecond + 0.3 * kSecond;
  const chart::Ticks t = chart::DateTimeTicks({start, start + 1.0 / 24}, 7);
  for (const std::string& label : t.labels) {
    ASSERT_EQ(label.size(), 5u) << label;
    EXPECT_EQ(label[4], '0') << label;  // on a ten-minute mark
  }
}

TEST(ChartScaleTest, FormatDateWritesTheFieldsAndRoundsToTheSecond) {
  const double d = 46000.0 + (13 * 3600 + 5 * 60 + 9) * kSecond - 1e-10;
  EXPECT_EQ(chart::FormatDate(d, "%Y/%m/%d %H:%M:%S"), "2025/12/09 13:05:09");
  EXPECT_EQ(chart::FormatDate(d, "100%% at %H"), "100% at 13");
  EXPECT_EQ(chart::FormatDate(std::numeric_limits<double>::quiet_NaN(), "%Y"), "?");
  // The first and last dates an axis takes: years padded to four digits.
  EXPECT_EQ(chart::FormatDate(-657434.0, "%Y/%m/%d %H:%M:%S"), "0100/01/01 00:00:00");
  EXPECT_EQ(chart::FormatDate(2958465.0, "%Y/%m/%d"), "9999/12/31");
  EXPECT_EQ(chart::FormatDate(d, "%q%"), "%q%") << "unknown fields and a lone % stay";
}

TEST(ChartScaleTest, FittedTicksNeverOverlapTheirLabels) {
  const auto measure = [](const std::string& s) { return 7 * static_cast<int>(s.size()); };
  for (int length : {40, 120, 400, 1500}) {
    for (Range r : {Range{46000.0, 46000.5}, Range{46000.0, 46000.0 + 30 * kSecond}}) {
      const chart::Ticks t = chart::FitTicks(r, AxisKind::DateTime, length, 10, measure);
      for (size_t i = 1; i < t.values.size(); ++i) {
        const double px = (t.values[i] - t.values[i - 1]) / (r.max - r.min) * length;
        EXPECT_GE(px, measure(t.labels[i]) + 10) << "length " << length;
      }
    }
    const chart::Ticks v = chart::FitTicks({0, 1000}, AxisKind::Value, length, 10, measure);
    EXPECT_FALSE(v.values.empty());
  }
}

}  // namespace
