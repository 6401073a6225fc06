// Cells: property flags, layering, number text in the locale, data types.
#include <gtest/gtest.h>

#include "grid/UGCell.h"
#include "grid/UGColors.h"
#include "grid/UGLocale.h"
#include "platform/Variant.h"

namespace {

// Swaps the grid's number locale for one test.
class LocaleScope {
 public:
  explicit LocaleScope(const UGLocale& locale) : m_saved(UGGetLocale()) { UGSetLocale(locale); }
  ~LocaleScope() { UGSetLocale(m_saved); }

 private:
  UGLocale m_saved;
};

UGLocale CommaLocale() {
  UGLocale l;
  l.decimalSeparator = ",";
  l.thousandSeparator = ".";
  return l;
}

TEST(UGCellTest, ConstructedStateHasDefaultsAndFlagWord) {
  CUGCell cell;
  EXPECT_EQ(cell.GetPropertyFlags(), 0x8008788u);
  EXPECT_EQ(cell.GetDataType(), UGCELLDATA_STRING);
  EXPECT_EQ(cell.GetAlignment(), UG_ALIGNLEFT);
  EXPECT_EQ(cell.GetStyleWord(), 16);
  EXPECT_EQ(cell.GetTextColor(), UGSysColor(UG_COLOR_WINDOWTEXT));
  EXPECT_EQ(cell.GetBackColor(), UGSysColor(UG_COLOR_WINDOW));
  EXPECT_EQ(cell.GetParam(), 0);  // not set: the getter's default
  EXPECT_EQ(cell.GetCellTypeIndex(), 0);
  EXPECT_FALSE(cell.IsPropertySet(UGCELL_TEXT_SET));
  EXPECT_EQ(cell.GetJoinInfo(nullptr, nullptr, nullptr), UG_ERROR);
  std::string label;
  EXPECT_EQ(cell.GetLabelText(&label), UG_ERROR);
}

TEST(UGCellTest, GettersOfUnsetPropertiesGiveTheirDefaults) {
  CUGCell cell;
  cell.SetPropertyFlags(0);
  cell.SetTextColor(RGB(1, 2, 3));
  cell.ClearProperty(UGCELL_TEXTCOLOR_SET);
  EXPECT_EQ(cell.GetTextColor(), UGSysColor(UG_COLOR_WINDOWTEXT));
  EXPECT_EQ(cell.GetStyleWord(), 16);
  EXPECT_EQ(cell.GetAlignment(), 0);
  EXPECT_EQ(cell.GetDataType(), UGCELLDATA_STRING);
}

TEST(UGCellTest, ParamHoldsAFullPointer) {
  CUGCell cell;
  int object = 0;
  cell.SetParam(reinterpret_cast<INT_PTR>(&object));
  CUGCell copy;
  copy.CopyFrom(&cell);
  EXPECT_EQ(reinterpret_cast<int*>(copy.GetParam()), &object);
}

TEST(UGCellTest, EmptyTextLeavesTextBitClearSoCopyOverKeepsTheOther) {
  CUGCell source;
  source.SetText("");
  EXPECT_FALSE(source.IsPropertySet(UGCELL_TEXT_SET));
  CUGCell target;
  target.SetText("kept");
  CUGCell::CopyOver(&source, &target);
  EXPECT_EQ(target.GetText(), "kept");
}

TEST(UGCellTest, CopyOverCopiesOnlySetPropertiesAndCopyFromReplacesTheWord) {
  CUGCell source;
  source.SetPropertyFlags(0);
  source.SetBackColor(RGB(9, 9, 9));
  source.SetLabel("a\nb\n");
  CUGCell target;
  target.SetText("t");
  target.SetTextColor(RGB(1, 1, 1));
  CUGCell::CopyOver(&source, &target);
  EXPECT_EQ(target.GetBackColor(), RGB(9, 9, 9));
  EXPECT_EQ(target.GetTextColor(), RGB(1, 1, 1));
  EXPECT_EQ(target.GetText(), "t");
  EXPECT_EQ(target.GetLabel(), "a\nb\n");

  CUGCell whole;
  whole.SetText("x");
  whole.CopyFrom(&source);
  EXPECT_EQ(whole.GetPropertyFlags(), source.GetPropertyFlags());
  EXPECT_FALSE(whole.IsPropertySet(UGCELL_TEXT_SET));
}

TEST(UGCellTest, BitmapNullClearsItsBit) {
  CUGCell cell;
  cell.SetBitmap(reinterpret_cast<CBitmap*>(&cell));
  EXPECT_TRUE(cell.IsPropertySet(UGCELL_BITMAP_SET));
  cell.SetBitmap(nullptr);
  EXPECT_FALSE(cell.IsPropertySet(UGCELL_BITMAP_SET));
  EXPECT_EQ(cell.GetBitmap(), nullptr);
}

struct NumberCase {
  double value;
  int decimals;  // -1: not set
  const char* dotLocale;
  const char* commaLocale;
};

TEST(UGCellTest, NumberTextFollowsTheLocale) {
  const NumberCase cases[] = {
      {2.5, -1, "2.5", "2,5"},
      {0, -1, "0", "0"},
      {1234567, -1, "1,234,567", "1.234.567"},
      {1, 2, "1.00", "1,00"},
      {-1234.5, -1, "-1,234.5", "-1.234,5"},
      {0.5, -1, "0.5", "0,5"},
      {0.1, -1, "0.1", "0,1"},
      {100, -1, "100", "100"},
      {2.345, 2, "2.35", "2,35"},
      {-0.001, 2, "0.00", "0,00"},
      {1e20, -1, "100,000,000,000,000,000,000", "100.000.000.000.000.000.000"},
  };
  for (const NumberCase& c : cases) {
    CUGCell cell;
    cell.SetNumber(c.value);
    if (c.decimals >= 0) cell.SetNumberDecimals(c.decimals);
    EXPECT_EQ(cell.GetText(), c.dotLocale) << c.value;
    LocaleScope comma(CommaLocale());
    EXPECT_EQ(cell.GetText(), c.commaLocale) << c.value;
  }
}

TEST(UGCellTest, NumberTextHasNoBinaryNoiseAndAnyLength) {
  CUGCell cell;
  cell.SetNumber(0.1 + 0.2);
  cell.UseLocaleNumberFormat(FALSE);
  EXPECT_EQ(cell.GetText(), ".30000000000000004");
  cell.SetNumber(1e300);
  EXPECT_EQ(cell.GetText().size(), 301u);
  cell.SetNumber(-2.5);
  EXPECT_EQ(cell.GetText(), "-2.5");
}

TEST(UGCellTest, NumberTextIsStableAcrossCalls) {
  CUGCell cell;
  cell.SetNumber(3.25);
  std::string first = cell.GetText();
  EXPECT_EQ(cell.GetText(), first);
  EXPECT_DOUBLE_EQ(cell.GetNumber(), 3.25);
}

TEST(UGCellTest, NegativeNumberOrders) {
  const std::pair<int, const char*> orders[] = {
      {0, "(1.5)"}, {1, "-1.5"}, {2, "- 1.5"}, {3, "1.5-"}, {4, "1.5 -"}};
  for (auto [order, expected] : orders) {
    UGLocale l;
    l.negativeOrder = order;
    LocaleScope scope(l);
    CUGCell cell;
    cell.SetNumber(-1.5);
    EXPECT_EQ(cell.GetText(), expected);
  }
  UGLocale noZero;
  noZero.leadingZero = 0;
  LocaleScope scope(noZero);
  CUGCell cell;
  cell.SetNumber(0.25);
  EXPECT_EQ(cell.GetText(), ".25");
}

TEST(UGCellTest, GetNumberParsesTextInTheLocale) {
  CUGCell cell;
  EXPECT_EQ(cell.GetNumber(), 0.0);  // no text
  cell.SetText("1,234.5");
  EXPECT_DOUBLE_EQ(cell.GetNumber(), 1234.5);
  cell.SetText("abc");
  EXPECT_EQ(cell.GetNumber(), 0.0);
  UGLocale l = CommaLocale();
  l.currencySymbol = "R";
  LocaleScope scope(l);
  cell.SetText("R 1.234,75");
  EXPECT_DOUBLE_EQ(cell.GetNumber(), 1234.75);
}

TEST(UGCellTest, SetDataTypeConvertsTheText) {
  CUGCell number;
  number.SetText("42.5");
  number.SetDataType(UGCELLDATA_NUMBER);
  EXPECT_EQ(number.GetDataType(), UGCELLDATA_NUMBER);
  EXPECT_DOUBLE_EQ(number.GetNumber(), 42.5);
  EXPECT_EQ(number.GetText(), "42.5");

  CUGCell currency;
  currency.SetText("12.345678");
  currency.SetDataType(UGCELLDATA_CURRENCY);
  EXPECT_DOUBLE_EQ(currency.GetNumber(), 12.3457);

  CUGCell fromNumber;
  fromNumber.SetNumber(3.14159);
  fromNumber.SetDataType(UGCELLDATA_CURRENCY);
  EXPECT_EQ(fromNumber.GetText(), "3.14");
  EXPECT_DOUBLE_EQ(fromNumber.GetNumber(), 3.14159);

  CUGCell date;
  date.SetText("2024/03/01 12:00:00");
  date.SetDataType(UGCELLDATA_TIME);
  EXPECT_DOUBLE_EQ(date.GetNumber(), DateFromParts(2024, 3, 1, 12, 0, 0));

  CUGCell same;
  same.SetNumber(7);
  same.SetDataType(UGCELLDATA_NUMBER);  // already a number: nothing happens
  EXPECT_DOUBLE_EQ(same.GetNumber(), 7);
}

TEST(UGCellTest, JoinInfoRoundTrips) {
  CUGCell cell;
  cell.SetJoinInfo(TRUE, 2, 3);
  BOOL origin = FALSE;
  int col = 0;
  long row = 0;
  ASSERT_EQ(cell.GetJoinInfo(&origin, &col, &row), UG_SUCCESS);
  EXPECT_TRUE(origin);
  EXPECT_EQ(col, 2);
  EXPECT_EQ(row, 3);
  cell.ClearJoinInfo();
  EXPECT_EQ(cell.GetJoinInfo(&origin, &col, &row), UG_ERROR);
}

TEST(UGCellTest, ExtraDataIsOwnedAndCleared) {
  CUGCell cell;
  const char data[] = "abc";
  cell.SetExtraData(data, 3);
  CUGCell copy(cell);
  ASSERT_NE(copy.GetExtraData(), nullptr);
  EXPECT_EQ(copy.GetExtraData()->size(), 3u);
  copy.ClearOwnedExtras();
  EXPECT_EQ(copy.GetExtraData(), nullptr);
  EXPECT_EQ(cell.GetExtraData()->size(), 3u);
}

TEST(UGLocaleTest, FormatRejectsTextThatIsNotANumber) {
  std::string out;
  for (const char* bad : {"", "-", "1e5", "inf", "1.2.3", "12a"}) {
    EXPECT_FALSE(UGFormatNumberText(bad, 2, UGLocale(), &out)) << bad;
  }
  ASSERT_TRUE(UGFormatNumberText("999.995", 2, UGLocale(), &out));
  EXPECT_EQ(out, "1,000.00");
  ASSERT_TRUE(UGFormatNumberText(".5", 0, UGLocale(), &out));
  EXPECT_EQ(out, "1");
}

}  // namespace
