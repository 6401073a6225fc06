#include "core/VekUtils.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/Seams.h"
#include "platform/Wnd.h"

namespace {
constexpr const char* kBlanks = " \t\r\n\v\f";
}

std::string FormatTextV(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (size <= 0) return {};
  std::string text(static_cast<size_t>(size) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, args);
  text.resize(static_cast<size_t>(size));
  return text;
}

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormatTextV(format, args);
  va_end(args);
  return text;
}

std::string TrimText(const std::string& text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

std::string TrimLeftText(const std::string& text) {
  const size_t first = text.find_first_not_of(kBlanks);
  return first == std::string::npos ? std::string() : text.substr(first);
}

std::string CapUtf8(const std::string& text, size_t max) {
  if (text.size() <= max) return text;
  size_t cut = max;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut);
}

std::string QuoteForMessage(const std::string& text) {
  constexpr size_t kMaxQuoted = 80;
  const std::string cut = CapUtf8(text, kMaxQuoted);
  return "\"" + cut + (cut.size() < text.size() ? "...\"" : "\"");
}

bool IsShiftKeyDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }
bool IsCtrlKeyDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

float ScaleLinear(float x, float inMin, float inMax, float outMin, float outMax) {
  if (inMin == inMax) return -1.0f;
  const double r = static_cast<double>(outMin) +
                   (static_cast<double>(x) - inMin) * (static_cast<double>(outMax) - outMin) /
                       (static_cast<double>(inMax) - inMin);
  return static_cast<float>(r);
}

const char* GetPrecisionFormat(float f) {
  const float a = std::fabs(f);
  if (a < 10.0f) return "%0.2f";
  if (a < 100.0f) return "%0.1f";
  return "%0.0f";
}

std::string FormatFloatByRange(float value, float reference) {
  // The format is one of the three fixed texts of GetPrecisionFormat; the
  // buffer holds the widest float ("%0.0f" of -FLT_MAX: 40 characters).
  char buffer[64];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  std::snprintf(buffer, sizeof buffer, GetPrecisionFormat(reference), static_cast<double>(value));
#pragma GCC diagnostic pop
  return buffer;
}

int TextToInt(const std::string& text) {
  std::string digits;
  digits.reserve(text.size());
  for (char c : text)
    if (c != '.') digits += c;
  errno = 0;
  const long long v = std::strtoll(digits.c_str(), nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

std::string IntToText(int n) { return FormatText("%d", n); }
std::string DoubleToText(double d) { return FormatText("%g", d); }

bool ExtractKeyedInt(std::string& text, const std::string& key, int& value) {
  const size_t dash = text.find('-');
  std::string token;
  if (dash == std::string::npos) {
    token = text;
    text.clear();
  } else {
    token = text.substr(0, dash);
    text.erase(0, dash + 1);
  }
  if (token.compare(0, key.size(), key) == 0 && token.size() >= key.size()) {
    value = TextToInt(token.substr(key.size()));
    return true;
  }
  value = -1;
  return false;
}

void AppendLine(std::string& text, const std::string& line) {
  text += "\r\n";
  text += line;
}

bool CopyTextToClipboard(const std::string& text) { return SetClipboardText(TrimLeftText(text)); }

std::string XmlEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out += c; break;
    }
  }
  return out;
}

std::string RectToText(const CRect& rect) {
  return FormatText("(%d,%d,%d,%d)", rect.left, rect.top, rect.right, rect.bottom);
}

CRect GetWindowRectInParent(const CWnd* pWnd) {
  CRect rect;
  if (!pWnd) return rect;
  pWnd->GetWindowRect(&rect);
  if (const CWnd* parent = pWnd->GetParent()) parent->ScreenToClient(&rect);
  return rect;
}

void DestroyAndDeleteWndImpl(CWnd* pWnd) {
  if (!pWnd) return;
  if (CWnd::IsWindow(pWnd->m_hWnd)) pWnd->DestroyWindow();
  delete pWnd;
}
