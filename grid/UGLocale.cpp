#include "grid/UGLocale.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

UGLocale& CurrentLocale() {
  static UGLocale locale;
  return locale;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  size_t pos = 0;
  while ((pos = text.find(from, pos)) != std::string::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const UGLocale& UGGetLocale() { return CurrentLocale(); }

void UGSetLocale(const UGLocale& locale) { CurrentLocale() = locale; }

std::string UGNumberToPlainText(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
  // 1e308 in fixed form needs 309 digits; leave room for sign and fraction.
  std::vector<char> buffer(400);
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                              std::chars_format::fixed);
  std::string text(buffer.data(), result.ptr);
  if (text.find('.') != std::string::npos) {
    while (!text.empty() && text.back() == '0') text.pop_back();
  }
  size_t firstNonZero = text.find_first_not_of('0');
  text.erase(0, firstNonZero == std::string::npos ? text.size() : firstNonZero);
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (text.empty()) text = "0";
  return text;
}

std::string UGNumberToFixedText(double value, int decimals) {
  if (!std::isfinite(value)) return UGNumberToPlainText(value);
  if (decimals < 0) decimals = 0;
  if (decimals > 340) decimals = 340;
  std::vector<char> buffer(static_cast<size_t>(decimals) + 400);
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                              std::chars_format::fixed, decimals);
  return std::string(buffer.data(), result.ptr);
}

bool UGFormatNumberText(const std::string& text, int digits, const UGLocale& locale,
                        std::string* out) {
  size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && text[pos] == '-') {
    negative = true;
    ++pos;
  }
  std::string intPart;
  std::string fracPart;
  while (pos < text.size() && IsDigit(text[pos])) intPart += text[pos++];
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && IsDigit(text[pos])) fracPart += text[pos++];
  }
  if (pos != text.size() || (intPart.empty() && fracPart.empty())) return false;
  if (digits < 0) digits = 0;

  // Round the decimal digits half away from zero.
  if (static_cast<int>(fracPart.size()) > digits) {
    bool roundUp = fracPart[static_cast<size_t>(digits)] >= '5';
    fracPart.resize(static_cast<size_t>(digits));
    if (roundUp) {
      std::string all = intPart + fracPart;
      int i = static_cast<int>(all.size()) - 1;
      for (; i >= 0; --i) {
        if (all[static_cast<size_t>(i)] == '9') {
          all[static_cast<size_t>(i)] = '0';
        } else {
          ++all[static_cast<size_t>(i)];
          break;
        }
      }
      if (i < 0) all.insert(all.begin(), '1');
      intPart = all.substr(0, all.size() - fracPart.size());
      fracPart = all.substr(all.size() - fracPart.size());
    }
  } else {
    fracPart.append(static_cast<size_t>(digits) - fracPart.size(), '0');
  }
  size_t firstNonZero = intPart.find_first_not_of('0');
  intPart.erase(0, firstNonZero == std::string::npos ? intPart.size() : firstNonZero);
  bool allZero = intPart.empty() && fracPart.find_first_not_of('0') == std::string::npos;
  if (allZero) negative = false;

  std::string grouped;
  if (intPart.empty()) {
    if (locale.leadingZero != 0 || fracPart.empty()) grouped = "0";
  } else {
    int count = 0;
    for (size_t i = intPart.size(); i-- > 0;) {
      if (count == 3) {
        grouped.insert(0, locale.thousandSeparator);
        count = 0;
      }
      grouped.insert(grouped.begin(), intPart[i]);
      ++count;
    }
  }
  std::string number = grouped;
  if (!fracPart.empty()) number += locale.decimalSeparator + fracPart;
  if (negative) {
    switch (locale.negativeOrder) {
      case 0: number = "(" + number + ")"; break;
      case 2: number = "- " + number; break;
      case 3: number = number + "-"; break;
      case 4: number = number + " -"; break;
      default: number = "-" + number; break;
    }
  }
  *out = number;
  return true;
}

double UGParseNumberText(const std::string& text, const UGLocale& locale) {
  std::string work = text;
  if (locale.thousandSeparator != locale.decimalSeparator) {
    ReplaceAll(work, locale.thousandSeparator, "");
  }
  ReplaceAll(work, locale.currencySymbol, "");
  if (locale.decimalSeparator != ".") ReplaceAll(work, locale.decimalSeparator, ".");
  size_t pos = work.find_first_not_of(" \t");
  if (pos == std::string::npos) return 0.0;
  if (work[pos] == '+') ++pos;
  double value = 0.0;
  auto result = std::from_chars(work.data() + pos, work.data() + work.size(), value);
  if (result.ec != std::errc()) return 0.0;
  return value;
}
