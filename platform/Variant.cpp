#include "platform/Variant.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

bool IsIntegerType(VARTYPE vt) {
  switch (vt) {
    case VT_I2: case VT_I4: case VT_I1: case VT_UI1: case VT_UI2: case VT_UI4:
      return true;
    default:
      return false;
  }
}

bool IsNumericType(VARTYPE vt) {
  return IsIntegerType(vt) || vt == VT_R4 || vt == VT_R8 || vt == VT_DATE || vt == VT_BOOL ||
         vt == VT_EMPTY;
}

// The numeric value of a numeric variant (VT_EMPTY is 0, true is -1).
double NumericValue(const VARIANT& v) {
  switch (v.vt) {
    case VT_I2: return v.iVal;
    case VT_I4: return v.lVal;
    case VT_R4: return v.fltVal;
    case VT_R8: return v.dblVal;
    case VT_DATE: return v.date;
    case VT_BOOL: return v.boolVal ? -1.0 : 0.0;
    case VT_I1: return v.cVal;
    case VT_UI1: return v.bVal;
    case VT_UI2: return v.uiVal;
    case VT_UI4: return v.ulVal;
    default: return 0.0;
  }
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

bool EqualsNoCase(const std::string& a, const char* b) {
  size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

// Parses a whole decimal number in the fixed locale; blanks around it allowed.
bool ParseNumber(const std::string& text, double* out) {
  std::string t = Trim(text);
  if (t.empty()) return false;
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (*first == '+') ++first;
  if (first == last) return false;
  double d = 0;
  auto [ptr, ec] = std::from_chars(first, last, d);
  if (ec == std::errc::result_out_of_range) return false;
  if (ec != std::errc() || ptr != last) return false;
  if (!std::isfinite(d)) return false;
  *out = d;
  return true;
}

// Rounds half to even, as automation conversions to integers do.
double RoundHalfEven(double d) {
  double r = std::nearbyint(d);  // default rounding mode: to nearest, ties to even
  return r;
}

template <typename T>
bool FitInteger(double d, T* out) {
  if (!std::isfinite(d)) return false;
  double r = RoundHalfEven(d);
  if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
      r > static_cast<double>(std::numeric_limits<T>::max()))
    return false;
  *out = static_cast<T>(r);
  return true;
}

// Stores the number d as type vt; false on overflow.
HRESULT NumberToType(double d, VARTYPE vt, VARIANT* out) {
  VARIANT r;
  r.vt = vt;
  switch (vt) {
    case VT_I2: if (!FitInteger(d, &r.iVal)) return DISP_E_OVERFLOW; break;
    case VT_I4: if (!FitInteger(d, &r.lVal)) return DISP_E_OVERFLOW; break;
    case VT_I1: if (!FitInteger(d, &r.cVal)) return DISP_E_OVERFLOW; break;
    case VT_UI1: if (!FitInteger(d, &r.bVal)) return DISP_E_OVERFLOW; break;
    case VT_UI2: if (!FitInteger(d, &r.uiVal)) return DISP_E_OVERFLOW; break;
    case VT_UI4: if (!FitInteger(d, &r.ulVal)) return DISP_E_OVERFLOW; break;
    case VT_R4:
      if (std::fabs(d) > std::numeric_limits<float>::max()) return DISP_E_OVERFLOW;
      r.fltVal = static_cast<float>(d);
      break;
    case VT_R8: r.dblVal = d; break;
    case VT_DATE:
      if (!IsValidDate(d)) return DISP_E_OVERFLOW;
      r.date = d;
      break;
    case VT_BOOL: r.boolVal = d != 0.0 ? VARIANT_TRUE : VARIANT_FALSE; break;
    default: return DISP_E_TYPEMISMATCH;
  }
  *out = std::move(r);
  return S_OK;
}

bool IsKnownType(VARTYPE vt) {
  return IsNumericType(vt) || vt == VT_NULL || vt == VT_BSTR;
}

}  // namespace

std::string FloatToShortestText(float f) {
  char buf[64];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, f);
  if (ec != std::errc()) return "0";
  return std::string(buf, ptr);
}

std::string DoubleToShortestText(double d) {
  char buf[64];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, d);
  if (ec != std::errc()) return "0";
  return std::string(buf, ptr);
}

VARIANT VariantFromShort(std::int16_t v) { VARIANT r; r.vt = VT_I2; r.iVal = v; return r; }
VARIANT VariantFromInt(std::int32_t v) { VARIANT r; r.vt = VT_I4; r.lVal = v; return r; }
VARIANT VariantFromFloat(float v) { VARIANT r; r.vt = VT_R4; r.fltVal = v; return r; }
VARIANT VariantFromDouble(double v) { VARIANT r; r.vt = VT_R8; r.dblVal = v; return r; }
VARIANT VariantFromBool(bool v) {
  VARIANT r;
  r.vt = VT_BOOL;
  r.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
  return r;
}
VARIANT VariantFromDate(DATE v) { VARIANT r; r.vt = VT_DATE; r.date = v; return r; }
VARIANT VariantFromString(const std::string& v) { VARIANT r; r.vt = VT_BSTR; r.bstrVal = v; return r; }
VARIANT VariantFromByte(BYTE v) { VARIANT r; r.vt = VT_UI1; r.bVal = v; return r; }
VARIANT VariantFromWord(WORD v) { VARIANT r; r.vt = VT_UI2; r.uiVal = v; return r; }
VARIANT VariantFromDWord(DWORD v) { VARIANT r; r.vt = VT_UI4; r.ulVal = v; return r; }
VARIANT VariantFromChar(signed char v) { VARIANT r; r.vt = VT_I1; r.cVal = v; return r; }
VARIANT VariantNull() { VARIANT r; r.vt = VT_NULL; return r; }

void VariantInit(VARIANT* v) {
  if (!v) return;
  v->vt = VT_EMPTY;
  v->raw_ = 0;
  v->bstrVal.clear();
}

HRESULT VariantClear(VARIANT* v) {
  if (!v) return E_INVALIDARG;
  VariantInit(v);
  return S_OK;
}

HRESULT VariantCopy(VARIANT* dst, const VARIANT* src) {
  if (!dst || !src) return E_INVALIDARG;
  if (dst == src) return S_OK;
  *dst = *src;  // std::string copy throws std::bad_alloc when it cannot be made
  return S_OK;
}

HRESULT VarCmp(const VARIANT* left, const VARIANT* right, LCID, std::uint32_t) {
  if (!left || !right) return E_INVALIDARG;
  if (left->vt == VT_NULL || right->vt == VT_NULL) return VARCMP_NULL;
  const bool leftText = left->vt == VT_BSTR;
  const bool rightText = right->vt == VT_BSTR;
  if (leftText || rightText) {
    if (leftText && rightText) {
      int c = left->bstrVal.compare(right->bstrVal);
      return c < 0 ? VARCMP_LT : (c > 0 ? VARCMP_GT : VARCMP_EQ);
    }
    // VT_EMPTY against text compares as "".
    if (left->vt == VT_EMPTY) return right->bstrVal.empty() ? VARCMP_EQ : VARCMP_LT;
    if (right->vt == VT_EMPTY) return left->bstrVal.empty() ? VARCMP_EQ : VARCMP_GT;
    return leftText ? VARCMP_GT : VARCMP_LT;  // a number is less than a text
  }
  if (!IsNumericType(left->vt) || !IsNumericType(right->vt)) return DISP_E_BADVARTYPE;
  // Every 32-bit integer and every float is exact as a double.
  double a = NumericValue(*left), b = NumericValue(*right);
  if (std::isnan(a) || std::isnan(b)) return VARCMP_NULL;
  // A float against a double: the double rounded to float precision, when
  // it lies within the float range.
  const bool floatDouble = (left->vt == VT_R4 && right->vt == VT_R8) || (left->vt == VT_R8 && right->vt == VT_R4);
  constexpr double kFloatMax = std::numeric_limits<float>::max();
  if (floatDouble && std::fabs(a) <= kFloatMax && std::fabs(b) <= kFloatMax) {
    a = static_cast<float>(a);
    b = static_cast<float>(b);
  }
  return a < b ? VARCMP_LT : (a > b ? VARCMP_GT : VARCMP_EQ);
}

bool VariantIdentical(const VARIANT& a, const VARIANT& b) {
  if (a.vt != b.vt) return false;
  if (a.vt == VT_NULL || a.vt == VT_EMPTY) return true;
  return VarCmp(&a, &b) == VARCMP_EQ;
}

HRESULT VariantChangeType(VARIANT* dst, const VARIANT* src, std::uint16_t flags, VARTYPE vt) {
  if (!dst || !src) return E_INVALIDARG;
  if (!IsKnownType(vt) || (vt & VT_ARRAY)) return DISP_E_BADVARTYPE;
  if (!IsKnownType(src->vt)) return DISP_E_BADVARTYPE;
  if (src->vt == vt) {
    return VariantCopy(dst, src);
  }
  if (vt == VT_EMPTY) {
    VariantClear(dst);
    return S_OK;
  }
  if (vt == VT_NULL || src->vt == VT_NULL) return DISP_E_TYPEMISMATCH;

  VARIANT result;
  if (src->vt == VT_EMPTY) {
    // The typed zero.
    result.vt = vt;
    result.raw_ = 0;
    *dst = std::move(result);
    return S_OK;
  }
  if (vt == VT_BSTR) {
    result.vt = VT_BSTR;
    switch (src->vt) {
      case VT_BOOL:
        if (flags & VARIANT_ALPHABOOL)
          result.bstrVal = src->boolVal ? "True" : "False";
        else
          result.bstrVal = src->boolVal ? "-1" : "0";
        break;
      case VT_R4: result.bstrVal = FloatToShortestText(src->fltVal); break;
      case VT_R8: result.bstrVal = DoubleToShortestText(src->dblVal); break;
      case VT_DATE:
        if (!IsValidDate(src->date)) return DISP_E_OVERFLOW;
        result.bstrVal = DateToText(src->date);
        break;
      default: {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", NumericValue(*src));
        result.bstrVal = buf;
      }
    }
    *dst = std::move(result);
    return S_OK;
  }
  if (src->vt == VT_BSTR) {
    const std::string text = Trim(src->bstrVal);
    double d = 0;
    if (vt == VT_BOOL) {
      if (EqualsNoCase(text, "true")) return NumberToType(-1, vt, dst);
      if (EqualsNoCase(text, "false")) return NumberToType(0, vt, dst);
      if (!ParseNumber(text, &d)) return DISP_E_TYPEMISMATCH;
      return NumberToType(d, vt, dst);
    }
    if (vt == VT_DATE) {
      DATE date = 0;
      if (TextToDate(text, &date)) return NumberToType(date, vt, dst);
      return DISP_E_TYPEMISMATCH;
    }
    if (!ParseNumber(text, &d)) return DISP_E_TYPEMISMATCH;
    return NumberToType(d, vt, dst);
  }
  return NumberToType(NumericValue(*src), vt, dst);
}

HRESULT VariantChangeTypeEx(VARIANT* dst, const VARIANT* src, LCID, std::uint16_t flags,
                            VARTYPE vt) {
  return VariantChangeType(dst, src, flags, vt);
}

bool VariantToBool(const VARIANT& v) {
  if (v.vt == VT_EMPTY) return false;
  if (v.vt == VT_BSTR) {
    VARIANT b;
    return SUCCEEDED(VariantChangeType(&b, &v, 0, VT_BOOL)) && b.boolVal != 0;
  }
  return NumericValue(v) != 0.0;
}

int VariantToInt(const VARIANT& v) {
  VARIANT r;
  if (FAILED(VariantChangeType(&r, &v, 0, VT_I4))) return 0;
  return r.lVal;
}

float VariantToFloat(const VARIANT& v) {
  if (v.vt == VT_R4) return v.fltVal;
  VARIANT r;
  if (FAILED(VariantChangeType(&r, &v, 0, VT_R4))) return 0.0f;
  return r.fltVal;
}

double VariantToDouble(const VARIANT& v) {
  if (v.vt == VT_R4) return v.fltVal;
  VARIANT r;
  if (FAILED(VariantChangeType(&r, &v, 0, VT_R8))) return 0.0;
  return r.dblVal;
}

std::string VariantBstrToString(const VARIANT& v) { return v.vt == VT_BSTR ? v.bstrVal : std::string(); }

std::string VariantToText(const VARIANT& v) {
  switch (v.vt) {
    case VT_BOOL: return v.boolVal ? "True" : "False";
    case VT_BSTR: return v.bstrVal;
    case VT_EMPTY: return std::string();
    case VT_NULL: return std::string();
    default: {
      VARIANT r;
      if (FAILED(VariantChangeType(&r, &v, 0, VT_BSTR))) return std::string();
      return r.bstrVal;
    }
  }
}

// ---- Dates -------------------------------------------------------------------

namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int* y, int* m, int* d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long yy = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned dd = doy - (153 * mp + 2) / 5 + 1;
  const unsigned mm = mp < 10 ? mp + 3 : mp - 9;
  *y = static_cast<int>(yy + (mm <= 2));
  *m = static_cast<int>(mm);
  *d = static_cast<int>(dd);
}

constexpr long long kDaysFrom1899To1970 = 25569;  // 1899-12-30 .. 1970-01-01

}  // namespace

// Before 1899-12-30 the time of day is a positive fraction of a negative
// day number, so the first day runs from kMinDate down to kMinDate - 1.
bool IsValidDate(DATE d) { return d > kMinDate - 1.0 && d < kMaxDateExclusive; }

DATE DateFromParts(int year, int month, int day, int hour, int minute, double second) {
  long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
                   kDaysFrom1899To1970;
  double fraction = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
  // Automation dates before 1899-12-30 carry the time as a positive fraction
  // of a negative day number.
  if (days < 0) return static_cast<double>(days) - fraction;
  return static_cast<double>(days) + fraction;
}

DateParts DateToParts(DATE d) {
  DateParts p{};
  // Outside the range the day numbers below would overflow.
  if (std::isnan(d)) d = 0;
  constexpr double kHalfSecond = 0.5 / 86400.0;
  d = std::clamp(d, kMinDate - 1.0 + kHalfSecond, kMaxDateExclusive - kHalfSecond);
  double whole = std::trunc(d);
  double fraction = std::fabs(d - whole);
  // Round to the millisecond (dates carry binary noise), then drop the
  // milliseconds: 00:00:01.5 reads as 00:00:01.
  long long millis = std::llround(fraction * 86400000.0);
  long long days = static_cast<long long>(whole);
  if (millis >= 86400000) {
    millis -= 86400000;
    days += d < 0 ? -1 : 1;
  }
  long long seconds = millis / 1000;
  CivilFromDays(days - kDaysFrom1899To1970, &p.year, &p.month, &p.day);
  p.hour = static_cast<int>(seconds / 3600);
  p.minute = static_cast<int>((seconds / 60) % 60);
  p.second = static_cast<int>(seconds % 60);
  long long dow = (days - kDaysFrom1899To1970 + 4) % 7;  // 1970-01-01 was a Thursday
  if (dow < 0) dow += 7;
  p.dayOfWeek = static_cast<int>(dow);
  return p;
}

std::string DateToText(DATE d) {
  DateParts p = DateToParts(d);
  char buf[64];
  if (p.hour == 0 && p.minute == 0 && p.second == 0)
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", p.year, p.month, p.day);
  else
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                  p.minute, p.second);
  return buf;
}

bool TextToDate(const std::string& text, DATE* out) {
  std::string t = Trim(text);
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  char sep1 = 0, sep2 = 0;
  int consumed = 0;
  if (std::sscanf(t.c_str(), "%d%c%d%c%d%n", &y, &sep1, &mo, &sep2, &d, &consumed) != 5) return false;
  if (!((sep1 == '/' && sep2 == '/') || (sep1 == '-' && sep2 == '-'))) return false;
  std::string rest = Trim(t.substr(static_cast<size_t>(consumed)));
  if (!rest.empty()) {
    int used = 0;
    if (std::sscanf(rest.c_str(), "%d:%d:%d%n", &h, &mi, &s, &used) == 3 &&
        static_cast<size_t>(used) == rest.size()) {
    } else if (std::sscanf(rest.c_str(), "%d:%d%n", &h, &mi, &used) == 2 &&
               static_cast<size_t>(used) == rest.size()) {
      s = 0;
    } else {
      return false;
    }
  }
  if (mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59)
    return false;
  // Reject days past the month's end (2023/02/30).
  DATE date = DateFromParts(y, mo, d, h, mi, s);
  DateParts back = DateToParts(date);
  if (back.year != y || back.month != mo || back.day != d) return false;
  *out = date;
  return true;
}
