// The automation value that tags and attributes carry: a type code and a
// value of that type. Strings are UTF-8; dates are automation dates (days
// since 1899-12-30 as a double, the fraction the time of day).
// Plain value type: copying is deep; no shared state, any thread.
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

using VARTYPE = unsigned short;
using DATE = double;
using VARIANT_BOOL = short;
using HRESULT = std::int32_t;
using LCID = std::uint32_t;

enum : VARTYPE {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R4 = 4,
  VT_R8 = 5,
  VT_DATE = 7,
  VT_BSTR = 8,
  VT_BOOL = 11,
  VT_I1 = 16,
  VT_UI1 = 17,
  VT_UI2 = 18,
  VT_UI4 = 19,
  VT_ARRAY = 0x2000,  // only ever part of a type name; no array values exist
  VT_TYPEMASK = 0x0FFF,
};

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

// Result codes of the variant operations.
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);
constexpr HRESULT DISP_E_OVERFLOW = static_cast<HRESULT>(0x8002000Au);
constexpr HRESULT DISP_E_BADVARTYPE = static_cast<HRESULT>(0x80020008u);
constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// Flags of VariantChangeType: booleans become "True"/"False" as text;
// without the flag they become "-1"/"0".
constexpr std::uint16_t VARIANT_ALPHABOOL = 0x02;

// Answers of VarCmp.
constexpr HRESULT VARCMP_LT = 0;
constexpr HRESULT VARCMP_EQ = 1;
constexpr HRESULT VARCMP_GT = 2;
constexpr HRESULT VARCMP_NULL = 3;

// Locale ids are accepted for the callers' sake; every conversion uses one
// fixed locale (C: '.' decimals, no grouping) so files read the same anywhere.
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;

struct VARIANT {
  VARTYPE vt = VT_EMPTY;
  union {
    std::int16_t iVal;
    std::int32_t lVal;
    float fltVal;
    double dblVal;
    DATE date;
    VARIANT_BOOL boolVal;
    signed char cVal;
    BYTE bVal;
    WORD uiVal;
    DWORD ulVal;
    std::int64_t raw_ = 0;  // zero-initialises the whole union
  };
  std::string bstrVal;  // the value of a VT_BSTR; empty otherwise

  VARIANT() : raw_(0) {}
  bool operator==(const VARIANT&) const = delete;  // use VarCmp or VariantIdentical
};

using VARIANTARG = VARIANT;

// Named constructors.
VARIANT VariantFromShort(std::int16_t v);
VARIANT VariantFromInt(std::int32_t v);
VARIANT VariantFromFloat(float v);
VARIANT VariantFromDouble(double v);
VARIANT VariantFromBool(bool v);  // VT_BOOL, true is -1
VARIANT VariantFromDate(DATE v);
VARIANT VariantFromString(const std::string& v);
VARIANT VariantFromByte(BYTE v);
VARIANT VariantFromWord(WORD v);
VARIANT VariantFromDWord(DWORD v);
VARIANT VariantFromChar(signed char v);
VARIANT VariantNull();

void VariantInit(VARIANT* v);
HRESULT VariantClear(VARIANT* v);
// Copies src into dst; throws std::bad_alloc when the copy cannot be made.
HRESULT VariantCopy(VARIANT* dst, const VARIANT* src);

// Compares by the automation rules: VARCMP_NULL when either side is
// VT_NULL; numbers (booleans as -1/0, VT_EMPTY as 0) compare by value
// across types; strings compare byte-wise (VT_EMPTY as ""); a number is
// less than a string. A 4-byte float against an 8-byte double compares
// at float precision (0.1f equals 0.1), so a float value is not taken for
// beyond a limit written with the same decimals. Returns VARCMP_LT,
// VARCMP_EQ or VARCMP_GT.
HRESULT VarCmp(const VARIANT* left, const VARIANT* right, LCID lcid = LOCALE_USER_DEFAULT,
               std::uint32_t flags = 0);

// Same type and same value (two VT_NULL are identical); what the model
// uses to decide whether a value changed.
bool VariantIdentical(const VARIANT& a, const VARIANT& b);

// Converts src to vt into dst (dst may be src). VT_EMPTY becomes the typed
// zero (0, 0.0, false, ""); text is read with the fixed locale, blanks
// around it allowed, anything else refused; integers are range-checked
// (DISP_E_OVERFLOW) and rounded half to even; booleans become -1/0 and
// any non-zero number is true; a boolean becomes the text "-1"/"0", or
// "True"/"False" with VARIANT_ALPHABOOL (text to boolean takes both). A
// date must lie in the automation range (years 100 to 9999): a number
// outside it, NaN or infinity gives DISP_E_OVERFLOW, as does a date out of
// the range converted to text. On failure dst is left unchanged and the
// error code returned.
HRESULT VariantChangeType(VARIANT* dst, const VARIANT* src, std::uint16_t flags, VARTYPE vt);
HRESULT VariantChangeTypeEx(VARIANT* dst, const VARIANT* src, LCID lcid, std::uint16_t flags,
                            VARTYPE vt);

// Readers of the value as one type; a type that does not convert reads
// as the zero of the asked type.
bool VariantToBool(const VARIANT& v);     // false for VT_EMPTY, else value != 0
int VariantToInt(const VARIANT& v);
float VariantToFloat(const VARIANT& v);   // 0 for VT_EMPTY
double VariantToDouble(const VARIANT& v);
std::string VariantBstrToString(const VARIANT& v);  // empty unless VT_BSTR
// "True"/"False" for VT_BOOL, the string for VT_BSTR, empty for VT_EMPTY,
// other types by VariantChangeType to text.
std::string VariantToText(const VARIANT& v);

// Numbers as text in the fixed locale: the shortest form that reads back
// the same value.
std::string FloatToShortestText(float f);
std::string DoubleToShortestText(double d);

// Automation dates: 0100-01-01 (day kMinDate) to 9999-12-31 23:59:59.
constexpr DATE kMinDate = -657434.0;
constexpr DATE kMaxDateExclusive = 2958466.0;  // 10000-01-01
bool IsValidDate(DATE d);  // inside the range (NaN and infinities are not)
DATE DateFromParts(int year, int month, int day, int hour = 0, int minute = 0, double second = 0);
struct DateParts {
  int year, month, day, hour, minute, second, dayOfWeek;  // dayOfWeek 0 = Sunday
};
// A date outside the range is taken at the nearest end of it (NaN as 0,
// 1899-12-30), so the parts and the text are always a real date.
DateParts DateToParts(DATE d);
std::string DateToText(DATE d);   // "YYYY/MM/DD HH:MM:SS", or the date alone at midnight
bool TextToDate(const std::string& text, DATE* out);
