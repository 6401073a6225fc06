#include "core/Shamsi.h"

#include <iterator>

#include "core/VekUtils.h"

namespace {

bool IsGregorianLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int GregorianMonthDays(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsGregorianLeap(y) ? 29 : kDays[m - 1];
}

// The years at which the pattern of the 33-year leap cycles breaks, so the
// computed calendar follows the observed one (the vernal equinox before or
// after noon at Tehran).
constexpr int kBreaks[] = {-61,  9,    38,   199,  426,  686,  756,  818,  1111, 1181,
                           1210, 1635, 2060, 2097, 2192, 2262, 2324, 2394, 2456, 3178};

constexpr int kFirstYear = 1179;  // Shamsi years of Gregorian 1800..2400
constexpr int kLastYear = 1779;

struct YearInfo {
  int leap;   // years since the last leap year, 0 for a leap year
  int march;  // the day of March on which Farvardin 1 falls
};

// Truncating division and remainder, as the cycle arithmetic expects.
int Div(int a, int b) { return a / b; }
int Mod(int a, int b) { return a % b; }

YearInfo ShamsiYearInfo(int jy) {
  const int gy = jy + 621;
  int leapJ = -14;
  int jp = kBreaks[0];
  int jump = 0;
  for (size_t i = 1; i < std::size(kBreaks); ++i) {
    const int jm = kBreaks[i];
    jump = jm - jp;
    if (jy < jm) break;
    leapJ += Div(jump, 33) * 8 + Div(Mod(jump, 33), 4);
    jp = jm;
  }
  int n = jy - jp;
  leapJ += Div(n, 33) * 8 + Div(Mod(n, 33) + 3, 4);
  if (Mod(jump, 33) == 4 && jump - n == 4) ++leapJ;
  const int leapG = Div(gy, 4) - Div((Div(gy, 100) + 1) * 3, 4) - 150;
  YearInfo info;
  info.march = 20 + leapJ - leapG;
  if (jump - n < 6) n = n - jump + Div(jump + 4, 33) * 33;
  info.leap = Mod(Mod(n + 1, 33) - 1, 4);
  if (info.leap == -1) info.leap = 4;
  return info;
}

// The automation day number (whole days) of a Gregorian date.
long long DayNumber(int year, int month, int day) {
  return static_cast<long long>(DateFromParts(year, month, day));
}

long long Farvardin1(int jy) { return DayNumber(jy + 621, 3, ShamsiYearInfo(jy).march); }

// The names, in month order.
constexpr const char* kShamsiMonthsLatin[] = {"Farvardin", "Ordibehesht", "Khordad", "Tir",
                                              "Mordad",    "Shahrivar",   "Mehr",    "Aban",
                                              "Azar",      "Dey",         "Bahman",  "Esfand"};
constexpr const char* kShamsiMonthsPersian[] = {
    "فروردین", "اردیبهشت", "خرداد", "تیر", "مرداد", "شهریور",
    "مهر",     "آبان",     "آذر",   "دی",  "بهمن",  "اسفند"};
constexpr const char* kGregorianMonths[] = {"January", "February", "March",     "April",
                                            "May",     "June",     "July",      "August",
                                            "September", "October", "November", "December"};
constexpr const char* kWeekDaysLatin[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
constexpr const char* kWeekDaysPersian[] = {"یکشنبه",   "دوشنبه", "سه‌شنبه", "چهارشنبه",
                                            "پنجشنبه", "جمعه",   "شنبه"};

template <size_t N>
std::string TableName(const char* const (&table)[N], int index) {
  return index >= 0 && static_cast<size_t>(index) < N ? table[index] : "";
}

}  // namespace

bool IsShamsiLeapYear(int year) {
  if (year < kFirstYear - 1 || year > kLastYear + 1) return false;
  return ShamsiYearInfo(year).leap == 0;
}

int GetShamsiMonthDays(int year, int month) {
  if (month < 1 || month > 12) return 0;
  if (month <= 6) return 31;
  if (month <= 11) return 30;
  return IsShamsiLeapYear(year) ? 30 : 29;
}

ShamsiDate GregorianToShamsi(int year, int month, int day) {
  ShamsiDate result;
  if (month < 1 || month > 12 || day < 1 || day > GregorianMonthDays(year, month)) return result;
  int jy = year - 621;
  if (jy < kFirstYear || jy > kLastYear) return result;
  const long long days = DayNumber(year, month, day);
  long long k = days - Farvardin1(jy);
  if (k < 0) {
    --jy;
    k = days - Farvardin1(jy);
  }
  // Six months of 31 days, then months of 30 days (Esfand 29 or 30).
  if (k < 186) {
    result.month = static_cast<int>(k / 31) + 1;
    result.day = static_cast<int>(k % 31) + 1;
  } else {
    k -= 186;
    result.month = static_cast<int>(k / 30) + 7;
    result.day = static_cast<int>(k % 30) + 1;
  }
  result.year = jy;
  return result;
}

bool ShamsiToGregorian(const ShamsiDate& date, int* year, int* month, int* day) {
  if (date.year < kFirstYear || date.year > kLastYear || date.day < 1 ||
      date.day > GetShamsiMonthDays(date.year, date.month))
    return false;
  const long long offset = date.month <= 7 ? (date.month - 1) * 31 : 186 + (date.month - 7) * 30;
  const long long days = Farvardin1(date.year) + offset + date.day - 1;
  const DateParts parts = DateToParts(static_cast<DATE>(days));
  if (year) *year = parts.year;
  if (month) *month = parts.month;
  if (day) *day = parts.day;
  return true;
}

std::string DateToShamsiText(DATE d, bool bWithTime) {
  const DateParts parts = DateToParts(d);
  const ShamsiDate s = GregorianToShamsi(parts.year, parts.month, parts.day);
  std::string text = FormatText("%d/%02d/%02d", s.year, s.month, s.day);
  if (bWithTime) text += FormatText(" - %02d:%02d:%02d", parts.hour, parts.minute, parts.second);
  return text;
}

std::string GetShamsiMonthName(int month, bool bPersian) {
  return bPersian ? TableName(kShamsiMonthsPersian, month - 1) : TableName(kShamsiMonthsLatin, month - 1);
}

std::string GetGregorianMonthName(int month) { return TableName(kGregorianMonths, month - 1); }

std::string GetWeekDayName(int dayOfWeek, bool bPersian) {
  return bPersian ? TableName(kWeekDaysPersian, dayOfWeek) : TableName(kWeekDaysLatin, dayOfWeek);
}
