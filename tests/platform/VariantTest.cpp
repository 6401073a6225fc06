#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/Variant.h"

namespace {

VARIANT Text(const char* s) { return VariantFromString(s); }

TEST(VarCmp, EqualValuesOfDifferentNumericTypesCompareEqual) {
  VARIANT i = VariantFromInt(5), s = VariantFromShort(5), f = VariantFromFloat(5.0f), d = VariantFromDouble(5.0);
  EXPECT_EQ(VarCmp(&i, &s), VARCMP_EQ);
  EXPECT_EQ(VarCmp(&i, &f), VARCMP_EQ);
  EXPECT_EQ(VarCmp(&f, &d), VARCMP_EQ);
  VARIANT six = VariantFromDouble(5.5);
  EXPECT_EQ(VarCmp(&i, &six), VARCMP_LT);
  EXPECT_EQ(VarCmp(&six, &i), VARCMP_GT);
  VARIANT big = VariantFromDWord(0xFFFFFFFFu), minusOne = VariantFromInt(-1);
  EXPECT_EQ(VarCmp(&big, &minusOne), VARCMP_GT);
  VARIANT tenthF = VariantFromFloat(0.1f), tenthF2 = VariantFromFloat(0.1f);
  EXPECT_EQ(VarCmp(&tenthF, &tenthF2), VARCMP_EQ);
  VARIANT nearMax = VariantFromDWord(0xFFFFFFFEu);
  EXPECT_EQ(VarCmp(&nearMax, &big), VARCMP_LT) << "large unsigned values stay exact";
}

TEST(VarCmp, AFloatAgainstADoubleComparesAtFloatPrecision) {
  // 0.1f lies just above the double 0.1: a float tag at 0.1 is not beyond
  // a limit written as 0.1.
  const struct {
    float f;
    double d;
    HRESULT expected;
  } cases[] = {{0.1f, 0.1, VARCMP_EQ},          {72.3f, 72.3, VARCMP_EQ},
               {0.1f, 0.2, VARCMP_LT},          {0.2f, 0.1, VARCMP_GT},
               {1.0f, 1.0 + 1e-12, VARCMP_EQ},  {1.0f, 1.0001, VARCMP_LT},
               {3.0e38f, 1e300, VARCMP_LT},     {-3.0e38f, -1e300, VARCMP_GT}};
  for (const auto& c : cases) {
    VARIANT f = VariantFromFloat(c.f), d = VariantFromDouble(c.d);
    EXPECT_EQ(VarCmp(&f, &d), c.expected) << c.f << " vs " << c.d;
    const HRESULT mirrored = c.expected == VARCMP_LT ? VARCMP_GT : c.expected == VARCMP_GT ? VARCMP_LT : VARCMP_EQ;
    EXPECT_EQ(VarCmp(&d, &f), mirrored) << c.d << " vs " << c.f;
  }
  VARIANT i = VariantFromInt(16777217), f = VariantFromFloat(16777216.0f);
  EXPECT_EQ(VarCmp(&i, &f), VARCMP_GT) << "integers against floats stay exact";
}

TEST(VarCmp, NullEmptyTextAndBooleans) {
  VARIANT n = VariantNull(), e, zero = VariantFromInt(0);
  EXPECT_EQ(VarCmp(&n, &n), VARCMP_NULL);
  EXPECT_EQ(VarCmp(&n, &zero), VARCMP_NULL);
  EXPECT_EQ(VarCmp(&e, &zero), VARCMP_EQ);
  VARIANT empty = Text(""), abc = Text("abc"), abd = Text("abd");
  EXPECT_EQ(VarCmp(&e, &empty), VARCMP_EQ);
  EXPECT_EQ(VarCmp(&abc, &abd), VARCMP_LT);
  EXPECT_EQ(VarCmp(&zero, &abc), VARCMP_LT);  // a number is less than a text
  VARIANT t = VariantFromBool(true), minusOne = VariantFromInt(-1), one = VariantFromInt(1);
  EXPECT_EQ(VarCmp(&t, &minusOne), VARCMP_EQ);
  EXPECT_EQ(VarCmp(&t, &one), VARCMP_LT);
}

TEST(VariantIdentical, NeedsTheSameTypeAndValue) {
  EXPECT_TRUE(VariantIdentical(VariantNull(), VariantNull()));
  EXPECT_TRUE(VariantIdentical(VARIANT(), VARIANT()));
  EXPECT_FALSE(VariantIdentical(VariantFromInt(1), VariantFromShort(1)));
  EXPECT_TRUE(VariantIdentical(Text("a"), Text("a")));
  EXPECT_FALSE(VariantIdentical(Text("a"), Text("A")));
}

struct TextCase {
  const char* text;
  VARTYPE vt;
  bool ok;
  double value;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << '"' << c.text << "\" as type " << c.vt; }

class TextConversion : public testing::TestWithParam<TextCase> {};

TEST_P(TextConversion, ConvertsOrRefuses) {
  const TextCase& c = GetParam();
  VARIANT src = Text(c.text);
  VARIANT dst = VariantFromInt(777);
  HRESULT hr = VariantChangeType(&dst, &src, 0, c.vt);
  EXPECT_EQ(SUCCEEDED(hr), c.ok) << c.text;
  if (c.ok) {
    EXPECT_EQ(dst.vt, c.vt);
    EXPECT_DOUBLE_EQ(VariantToDouble(dst), c.value) << c.text;
  } else {
    EXPECT_EQ(dst.vt, VT_I4) << "a failed conversion leaves the target unchanged";
    EXPECT_EQ(dst.lVal, 777);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, TextConversion,
    testing::Values(TextCase{"42", VT_I4, true, 42}, TextCase{"  42  ", VT_I4, true, 42},
                    TextCase{"42abc", VT_I4, false, 0}, TextCase{"", VT_I4, false, 0},
                    TextCase{"   ", VT_R8, false, 0}, TextCase{"4 2", VT_I4, false, 0},
                    TextCase{"1.5", VT_R4, true, 1.5}, TextCase{"1,5", VT_R4, false, 0},
                    TextCase{"-0.25", VT_R8, true, -0.25}, TextCase{"2.5", VT_I4, true, 2},
                    TextCase{"3.5", VT_I4, true, 4}, TextCase{"40000", VT_I2, false, 0},
                    TextCase{"-1", VT_UI1, false, 0}, TextCase{"255", VT_UI1, true, 255},
                    TextCase{"True", VT_BOOL, true, -1}, TextCase{"false", VT_BOOL, true, 0},
                    TextCase{"0", VT_BOOL, true, 0}, TextCase{"7", VT_BOOL, true, -1},
                    TextCase{"yes", VT_BOOL, false, 0}, TextCase{"nan", VT_R8, false, 0},
                    TextCase{"1e400", VT_R8, false, 0}, TextCase{"+3", VT_I4, true, 3}));

TEST(VariantChangeType, EmptyBecomesTheTypedZero) {
  for (VARTYPE vt : {VT_I2, VT_I4, VT_R4, VT_R8, VT_BOOL, VT_UI1, VT_DATE}) {
    VARIANT v;
    ASSERT_EQ(VariantChangeType(&v, &v, 0, vt), S_OK);
    EXPECT_EQ(v.vt, vt);
    EXPECT_EQ(VariantToDouble(v), 0.0);
  }
  VARIANT s;
  ASSERT_EQ(VariantChangeType(&s, &s, 0, VT_BSTR), S_OK);
  EXPECT_EQ(s.vt, VT_BSTR);
  EXPECT_EQ(s.bstrVal, "");
}

TEST(VariantChangeType, NullAndBadTypesAreRefused) {
  VARIANT n = VariantNull(), out;
  EXPECT_EQ(VariantChangeType(&out, &n, 0, VT_I4), DISP_E_TYPEMISMATCH);
  VARIANT i = VariantFromInt(1);
  EXPECT_EQ(VariantChangeType(&out, &i, 0, VT_NULL), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(VariantChangeType(&out, &i, 0, static_cast<VARTYPE>(VT_I4 | VT_ARRAY)), DISP_E_BADVARTYPE);
  EXPECT_EQ(VariantChangeType(&out, &i, 0, 99), DISP_E_BADVARTYPE);
}

TEST(VariantChangeType, BooleansToTextFollowTheAlphaBoolFlag) {
  const struct {
    bool value;
    std::uint16_t flags;
    const char* text;
  } cases[] = {{true, 0, "-1"}, {false, 0, "0"}, {true, VARIANT_ALPHABOOL, "True"}, {false, VARIANT_ALPHABOOL, "False"}};
  for (const auto& c : cases) {
    VARIANT b = VariantFromBool(c.value), text;
    ASSERT_EQ(VariantChangeType(&text, &b, c.flags, VT_BSTR), S_OK);
    EXPECT_EQ(text.bstrVal, c.text);
    // Either form reads back, so files written before still load.
    VARIANT back;
    ASSERT_EQ(VariantChangeType(&back, &text, 0, VT_BOOL), S_OK);
    EXPECT_EQ(back.boolVal != 0, c.value) << c.text;
  }
}

TEST(VariantChangeType, NumbersAndBooleansToText) {
  EXPECT_EQ(VariantToText(VariantFromFloat(0.1f)), "0.1");
  EXPECT_EQ(VariantToText(VariantFromDouble(1.0 / 3)), "0.3333333333333333");
  EXPECT_EQ(VariantToText(VariantFromInt(-12)), "-12");
  EXPECT_EQ(VariantToText(VariantFromBool(true)), "True");
  EXPECT_EQ(VariantToText(VariantFromBool(false)), "False");
  EXPECT_EQ(VariantToText(VARIANT()), "");
  // Text written by the program reads back as the same value.
  for (float f : {0.1f, 123.456f, -7.25e-5f, 3.4e38f}) {
    VARIANT t = VariantFromString(VariantToText(VariantFromFloat(f))), back;
    ASSERT_EQ(VariantChangeType(&back, &t, 0, VT_R4), S_OK);
    EXPECT_EQ(back.fltVal, f);
  }
}

TEST(VariantChangeType, InPlaceAndNumericRanges) {
  VARIANT v = VariantFromDouble(70000.0);
  EXPECT_EQ(VariantChangeType(&v, &v, 0, VT_I2), DISP_E_OVERFLOW);
  EXPECT_EQ(v.vt, VT_R8);
  ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I4), S_OK);
  EXPECT_EQ(v.vt, VT_I4);
  EXPECT_EQ(v.lVal, 70000);
  VARIANT b = VariantFromInt(3);
  ASSERT_EQ(VariantChangeType(&b, &b, 0, VT_BOOL), S_OK);
  EXPECT_EQ(b.boolVal, VARIANT_TRUE);
  ASSERT_EQ(VariantChangeType(&b, &b, 0, VT_I4), S_OK);
  EXPECT_EQ(b.lVal, -1);
}

TEST(VariantReaders, ReadAsOneType) {
  EXPECT_FALSE(VariantToBool(VARIANT()));
  EXPECT_TRUE(VariantToBool(VariantFromInt(1)));
  EXPECT_TRUE(VariantToBool(VariantFromBool(true)));
  EXPECT_EQ(VariantToFloat(VARIANT()), 0.0f);
  EXPECT_EQ(VariantToInt(VariantFromString("junk")), 0);
  EXPECT_EQ(VariantToInt(VariantFromFloat(2.5f)), 2);
  EXPECT_EQ(VariantBstrToString(VariantFromInt(3)), "");
  EXPECT_EQ(VariantBstrToString(VariantFromString("x")), "x");
}

TEST(AutomationDates, KnownDaysAndRoundTrip) {
  EXPECT_DOUBLE_EQ(DateFromParts(1899, 12, 30), 0.0);
  EXPECT_DOUBLE_EQ(DateFromParts(1900, 1, 1), 2.0);
  EXPECT_DOUBLE_EQ(DateFromParts(2000, 1, 1, 12, 0, 0), 36526.5);
  DateParts p = DateToParts(DateFromParts(2024, 2, 29, 23, 59, 59));
  EXPECT_EQ(p.year, 2024);
  EXPECT_EQ(p.month, 2);
  EXPECT_EQ(p.day, 29);
  EXPECT_EQ(p.hour, 23);
  EXPECT_EQ(p.minute, 59);
  EXPECT_EQ(p.second, 59);
  EXPECT_EQ(DateToParts(DateFromParts(2026, 12, 6)).dayOfWeek, 0);  // a Sunday
  DATE d = 0;
  EXPECT_TRUE(TextToDate("2026/12/06 21:15:00", &d));
  EXPECT_EQ(DateToText(d), "2026/12/06 21:15:00");
  EXPECT_FALSE(TextToDate("2023/02/30", &d));
  EXPECT_FALSE(TextToDate("2023/02/03 25:00", &d));
  VARIANT text = VariantFromString("2020-05-17"), date;
  ASSERT_EQ(VariantChangeType(&date, &text, 0, VT_DATE), S_OK);
  EXPECT_EQ(VariantToText(date), "2020/05/17");
}

TEST(AutomationDates, NumbersOutsideTheRangeAreRefusedAsDates) {
  const double kInf = std::numeric_limits<double>::infinity();
  const struct {
    double number;
    bool ok;
  } cases[] = {{0.0, true},         {DateFromParts(100, 1, 1), true},  {DateFromParts(100, 1, 1, 12, 0, 0), true},
               {DateFromParts(9999, 12, 31, 23, 59, 59), true},      {DateFromParts(99, 12, 31), false},
               {DateFromParts(10000, 1, 1), false},                  {1e300, false},
               {-1e300, false},     {std::nan(""), false},           {kInf, false},
               {-kInf, false}};
  for (const auto& c : cases) {
    VARIANT number = VariantFromDouble(c.number);
    VARIANT out = VariantFromInt(7);
    EXPECT_EQ(VariantChangeType(&out, &number, 0, VT_DATE), c.ok ? S_OK : DISP_E_OVERFLOW) << c.number;
    EXPECT_EQ(out.vt, c.ok ? VT_DATE : VT_I4) << "a refused conversion leaves the target";
    EXPECT_EQ(IsValidDate(c.number), c.ok) << c.number;
  }
  // A date value out of the range (set directly) does not become text.
  VARIANT bad = VariantFromDate(1e300), text;
  EXPECT_EQ(VariantChangeType(&text, &bad, 0, VT_BSTR), DISP_E_OVERFLOW);
}

TEST(AutomationDates, PartsAndTextOfAnyNumberAreARealDate) {
  const double kInf = std::numeric_limits<double>::infinity();
  const struct {
    double number;
    const char* text;
  } cases[] = {{std::nan(""), "1899/12/30"},
               {1e300, "9999/12/31 23:59:59"},
               {kInf, "9999/12/31 23:59:59"},
               {2958465.9999999, "9999/12/31 23:59:59"},
               {-1e300, "0100/01/01 23:59:59"},
               {-kInf, "0100/01/01 23:59:59"},
               {DateFromParts(100, 1, 1, 12, 0, 0), "0100/01/01 12:00:00"}};
  for (const auto& c : cases) {
    EXPECT_EQ(DateToText(c.number), c.text) << c.number;
    const DateParts p = DateToParts(c.number);
    EXPECT_TRUE(p.year >= 100 && p.year <= 9999 && p.month >= 1 && p.month <= 12 && p.day >= 1 && p.day <= 31)
        << c.number;
  }
}

}  // namespace
