// The number locale of the grid's cells: decimal and thousands separators,
// leading zero, negative-number form and currency symbol, with the text
// formatting and parsing that cells use. One fixed locale serves the whole
// program; tests may swap it. Set it only on the user-interface thread.
#pragma once

#include <string>

struct UGLocale {
  std::string decimalSeparator = ".";
  std::string thousandSeparator = ",";
  int leadingZero = 1;    // 1: "0.5", 0: ".5"
  int negativeOrder = 1;  // 0 "(1.1)", 1 "-1.1", 2 "- 1.1", 3 "1.1-", 4 "1.1 -"
  std::string currencySymbol;  // removed when a currency text is read
};

// The locale in force, and its replacement (tests).
const UGLocale& UGGetLocale();
void UGSetLocale(const UGLocale& locale);

// A number as plain text: the shortest form that reads back the same value,
// zeros trimmed ("2.5", "100", ".5", "0"); any length.
std::string UGNumberToPlainText(double value);
// A number with a fixed count of decimals ("1.00"), '.' as separator.
std::string UGNumberToFixedText(double value, int decimals);
// Formats a plain number text ("-1234.5", ".5") in the locale with the
// given digits after the decimal point (rounded); grouping by three.
// False when the text is not a plain number.
bool UGFormatNumberText(const std::string& text, int digits, const UGLocale& locale,
                        std::string* out);
// Reads a number typed in the locale: thousands separators and the currency
// symbol dropped, the decimal separator read as '.'; what does not read
// as a number gives 0 (the leading number of the text counts).
double UGParseNumberText(const std::string& text, const UGLocale& locale);
