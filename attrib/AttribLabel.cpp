#include "attrib/AttribLabel.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "controls/LumLabel.h"
#include "core/VekUtils.h"
#include "attrib/VAttribsPack.h"

namespace {

// The format (checked to hold one float conversion) applied to the value.
std::string FormatOneFloat(const std::string& format, double value) {
  const int length = std::snprintf(nullptr, 0, format.c_str(), value);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), format.c_str(), value);
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace

bool IsSingleFloatFormat(const std::string& format) {
  int conversions = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    ++i;
    if (i < format.size() && format[i] == '%') continue;
    while (i < format.size() && std::strchr("-+ #0", format[i]) != nullptr) ++i;
    while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) ++i;
    if (i < format.size() && format[i] == '.') {
      ++i;
      while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) ++i;
    }
    if (i >= format.size() || std::strchr("fFeEgGaA", format[i]) == nullptr) return false;
    ++conversions;
  }
  return conversions == 1;
}

AttribLabelLook MakeAttribLabelLook(const std::string& format, CVAttribsPack* pack, int nAttribId) {
  AttribLabelLook look;
  if (pack == nullptr || nAttribId < 0 || nAttribId >= pack->GetAttribCount() ||
      pack->GetAttrib(nAttribId) == nullptr) {
    look.text = "?";
    return look;
  }
  const CVAttrib* attrib = pack->GetAttrib(nAttribId);
  const double value = VariantToFloat(*attrib->GetValue());
  look.text = IsSingleFloatFormat(format) ? FormatOneFloat(format, value) : FormatText("%g", value);
  look.textColor = attrib->GetTag() != nullptr ? kBoundValueColor : kUnboundValueColor;
  return look;
}

void ShowAttribValueOnLabel(CLumLabel* label, const std::string& format, CVAttribsPack* pack,
                            int nAttribId) {
  if (label == nullptr) return;
  const AttribLabelLook look = MakeAttribLabelLook(format, pack, nAttribId);
  label->SetText(look.text);
  label->SetTextColor(look.textColor);
}
