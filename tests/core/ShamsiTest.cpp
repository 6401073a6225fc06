#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Shamsi.h"

namespace {

TEST(Shamsi, KnownDatesAcrossLeapYearsAndMonthEnds) {
  const struct {
    int gy, gm, gd;
    int sy, sm, sd;
  } cases[] = {
      {1900, 1, 1, 1278, 10, 11},  {1925, 3, 21, 1304, 1, 1},   {1979, 2, 11, 1357, 11, 22},
      {2000, 3, 20, 1379, 1, 1},   {2016, 3, 20, 1395, 1, 1},   {2017, 3, 20, 1395, 12, 30},
      {2017, 3, 21, 1396, 1, 1},   {2021, 3, 20, 1399, 12, 30}, {2021, 3, 21, 1400, 1, 1},
      {2024, 3, 20, 1403, 1, 1},   {2025, 3, 20, 1403, 12, 30}, {2025, 3, 21, 1404, 1, 1},
      {2024, 9, 21, 1403, 6, 31},  {2024, 9, 22, 1403, 7, 1},   {2024, 2, 19, 1402, 11, 30},
      {2024, 3, 19, 1402, 12, 29}, {2028, 3, 20, 1407, 1, 1},   {2029, 3, 20, 1408, 1, 1},
      {2100, 12, 31, 1479, 10, 10},
  };
  for (const auto& c : cases) {
    const ShamsiDate s = GregorianToShamsi(c.gy, c.gm, c.gd);
    EXPECT_EQ(s, (ShamsiDate{c.sy, c.sm, c.sd})) << c.gy << "-" << c.gm << "-" << c.gd;
    int y = 0, m = 0, d = 0;
    ASSERT_TRUE(ShamsiToGregorian(s, &y, &m, &d));
    EXPECT_EQ(y * 10000 + m * 100 + d, c.gy * 10000 + c.gm * 100 + c.gd);
  }
}

TEST(Shamsi, EveryDayFrom1900To2100FollowsThePreviousOne) {
  ShamsiDate prev = GregorianToShamsi(1899, 12, 31);
  int leapYears = 0;
  for (int y = 1900; y <= 2100; ++y) {
    for (int m = 1; m <= 12; ++m) {
      static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
      const bool gLeap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
      const int days = m == 2 && gLeap ? 29 : kDays[m - 1];
      for (int d = 1; d <= days; ++d) {
        const ShamsiDate s = GregorianToShamsi(y, m, d);
        if (s.day == 1 && s.month == 1) {
          ASSERT_EQ(s.year, prev.year + 1);
          ASSERT_EQ(prev.month, 12);
          ASSERT_EQ(prev.day, IsShamsiLeapYear(prev.year) ? 30 : 29) << prev.year;
          leapYears += IsShamsiLeapYear(prev.year);
        } else if (s.day == 1) {
          ASSERT_EQ(s.year, prev.year);
          ASSERT_EQ(s.month, prev.month + 1);
          ASSERT_EQ(prev.day, GetShamsiMonthDays(prev.year, prev.month)) << y << "-" << m << "-" << d;
        } else {
          ASSERT_EQ(s.year, prev.year);
          ASSERT_EQ(s.month, prev.month);
          ASSERT_EQ(s.day, prev.day + 1);
        }
        prev = s;
      }
    }
  }
  // About eight leap years in every 33.
  EXPECT_GE(leapYears, 47);
  EXPECT_LE(leapYears, 50);
}

// Before 1899-12-30 the automation day numbers are negative.
TEST(Shamsi, EveryDayOfThe1800sConvertsBackToItself) {
  int checked = 0;
  for (DATE t = DateFromParts(1801, 1, 1); t < DateFromParts(1900, 1, 2); t += 1) {
    const DateParts g = DateToParts(t);
    const ShamsiDate s = GregorianToShamsi(g.year, g.month, g.day);
    ASSERT_NE(s.year, 0) << g.year << "-" << g.month << "-" << g.day;
    int y = 0, m = 0, d = 0;
    ASSERT_TRUE(ShamsiToGregorian(s, &y, &m, &d));
    ASSERT_EQ(y * 10000 + m * 100 + d, g.year * 10000 + g.month * 100 + g.day);
    ++checked;
  }
  EXPECT_EQ(checked, 99 * 365 + 24 + 1);
}

TEST(Shamsi, LeapYearsNearNow) {
  for (int y : {1387, 1391, 1395, 1399, 1403, 1408, 1412}) EXPECT_TRUE(IsShamsiLeapYear(y)) << y;
  for (int y : {1400, 1401, 1402, 1404, 1405, 1406, 1407}) EXPECT_FALSE(IsShamsiLeapYear(y)) << y;
}

TEST(Shamsi, InvalidDatesGiveZeroOrFalse) {
  EXPECT_EQ(GregorianToShamsi(2023, 2, 29), ShamsiDate{});
  EXPECT_EQ(GregorianToShamsi(2024, 13, 1), ShamsiDate{});
  EXPECT_EQ(GregorianToShamsi(1000, 1, 1), ShamsiDate{});
  int y = 0;
  EXPECT_FALSE(ShamsiToGregorian({1402, 12, 30}, &y, nullptr, nullptr)) << "1402 is not a leap year";
  EXPECT_TRUE(ShamsiToGregorian({1403, 12, 30}, &y, nullptr, nullptr));
  EXPECT_FALSE(ShamsiToGregorian({1403, 7, 31}, &y, nullptr, nullptr));
  EXPECT_FALSE(ShamsiToGregorian({1403, 0, 1}, &y, nullptr, nullptr));
}

TEST(Shamsi, TextForms) {
  EXPECT_EQ(DateToShamsiText(DateFromParts(2024, 3, 20, 9, 5, 7), false), "1403/01/01");
  EXPECT_EQ(DateToShamsiText(DateFromParts(2024, 3, 20, 9, 5, 7), true), "1403/01/01 - 09:05:07");
  EXPECT_EQ(DateToShamsiText(DateFromParts(2025, 3, 20, 23, 59, 59), true), "1403/12/30 - 23:59:59");
}

TEST(Shamsi, NameTables) {
  EXPECT_EQ(GetShamsiMonthName(1, false), "Farvardin");
  EXPECT_EQ(GetShamsiMonthName(12, false), "Esfand");
  EXPECT_EQ(GetShamsiMonthName(1, true), "فروردین");
  EXPECT_EQ(GetShamsiMonthName(13, true), "");
  EXPECT_EQ(GetShamsiMonthName(0, false), "");
  EXPECT_EQ(GetGregorianMonthName(2), "February");
  EXPECT_EQ(GetWeekDayName(0, false), "Sunday");
  EXPECT_EQ(GetWeekDayName(6, true), "شنبه");
  EXPECT_EQ(GetWeekDayName(7, true), "");
}

TEST(ShamsiText, ADateOutOfRangeNeverGivesAnOverflowedText) {
  for (double d : {std::nan(""), 1e300, -1e300, std::numeric_limits<double>::infinity(), 4e9}) {
    const std::string text = DateToShamsiText(d, true);
    EXPECT_LE(text.size(), std::string("1779/12/30 - 23:59:59").size()) << d << ": " << text;
  }
}

}  // namespace
