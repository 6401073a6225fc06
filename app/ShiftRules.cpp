#include "app/ShiftRules.h"

#include "core/VekUtils.h"
#include "platform/Variant.h"

namespace shift_rules {

std::string FormatDuration(long nSeconds) {
  if (nSeconds < 0) nSeconds = 0;
  return FormatText("%ld:%02ld:%02ld", nSeconds / 3600, nSeconds / 60 % 60, nSeconds % 60);
}

ShiftTexts MakeShiftTexts(const CShiftFields& shift, bool bActive) {
  if (!bActive) return {"(no active shift)", "", "", "", "", "", ""};
  return {shift.m_strOperatorName,
          DateToText(shift.m_dtStartDateTime),
          shift.m_strStartDateTimeShamsi,
          FormatText("%g", shift.m_fTotalProduced),
          FormatText("%g", shift.m_fTotalSlurry),
          FormatDuration(shift.m_lTotalTime),
          FormatDuration(shift.m_lUsefulTime)};
}

std::string CheckOperatorName(const std::string& name) {
  const std::string trimmed = TrimText(name);
  if (trimmed.empty()) return "Please enter the name of the shift's operator.";
  int characters = 0;  // UTF-8: every byte that does not continue a character
  for (unsigned char c : trimmed) characters += (c & 0xC0) != 0x80 ? 1 : 0;
  if (characters > kMaxOperatorName)
    return FormatText("The operator's name is too long (at most %d characters).", kMaxOperatorName);
  return std::string();
}

}  // namespace shift_rules
