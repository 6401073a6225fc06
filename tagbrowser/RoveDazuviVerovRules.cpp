#include "tagbrowser/RoveDazuviVerovRules.h"

#include <algorithm>

#include "core/DCTag.h"
#include "core/VekUtils.h"

namespace rdv {

const ColumnInfo kColumns[eColCount] = {
    {"ID", 35},        {"Tag Name", 320}, {"HW Type", 40},   {"Access Path", 120}, {"IO Type", 50},
    {"Data Type", 40}, {"Tag Value", 50}, {"Modifier", 120}, {"New Value", 40},
};

bool IsRangeSet(const VARIANT& min, const VARIANT& max) {
  if (min.vt == VT_NULL && max.vt == VT_NULL) return false;
  if (min.vt == max.vt && VarCmp(&min, &max, LOCALE_USER_DEFAULT, 0) == VARCMP_EQ) return false;
  return true;
}

Modifier ModifierOf(VARTYPE dataType, bool rangeSet) {
  switch (dataType) {
    case VT_I4:
    case VT_R4: return rangeSet ? Modifier::Slider : Modifier::Edit;
    case VT_BOOL: return Modifier::DropList;
    default: return Modifier::Edit;
  }
}

std::string ValueText(const VARIANT& value) { return VariantToText(value); }

std::string ModifierText(const VARIANT& value, const VARIANT& min, const VARIANT& max, Modifier modifier) {
  if (modifier != Modifier::Slider) return ValueText(value);
  const float percent = ScaleLinear(VariantToFloat(value), VariantToFloat(min), VariantToFloat(max), 0.0f, 100.0f);
  return VariantToText(VariantFromFloat(percent));
}

std::string NewValueText(const std::string& sliderText) { return "%" + sliderText; }

bool ValueFromModifierText(const std::string& text, VARTYPE dataType, Modifier modifier, const VARIANT& min,
                           const VARIANT& max, VARIANT* out) {
  const VARIANT typed = VariantFromString(text);
  VARIANT value;
  if (modifier == Modifier::Slider) {
    // A percentage of the range; the value it stands for goes to the tag
    // in the tag's own type (an integer tag gets the rounded integer).
    VARIANT percent;
    if (FAILED(VariantChangeType(&percent, &typed, 0, VT_R4))) return false;
    const VARIANT scaled =
        VariantFromFloat(ScaleLinear(percent.fltVal, 0.0f, 100.0f, VariantToFloat(min), VariantToFloat(max)));
    if (FAILED(VariantChangeType(&value, &scaled, 0, dataType))) return false;
  } else if (FAILED(VariantChangeType(&value, &typed, 0, dataType))) {
    return false;
  }
  *out = std::move(value);
  return true;
}

bool NameMatchesFilter(const std::string& name, const std::string& filter) {
  return !filter.empty() && name.find(filter) != std::string::npos;
}

long LineToRow(long line, long rowCount) {
  if (rowCount <= 0) return -1;
  return std::clamp(line, 0L, rowCount - 1);
}

std::string CellInfoText(const CDCTag* tag, int col, long row) {
  std::string text = tag != nullptr ? tag->GetInfoText() : std::string();
  return text + FormatText("\nCol: %d,   Row: %ld", col, row);
}

}  // namespace rdv
