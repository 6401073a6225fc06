#include "attrib/AttribTypes.h"

#include <array>

namespace {

// Index = control type; entry 0 is the unnamed type.
constexpr std::array<const char*, 21> kControlTypeNames = {
    "",           "Vessel",      "Belt",       "DosePump",      "Valve",         "Helix",
    "GearPump",   "CntrFglPump", "RtryMxr",    "HeatZone",      "RtryWhl",       "SprayDryer",
    "DBFValve",   "PrcGeneral",  "PrcShift",   "PrcRecipeGen",  "PrcRecipeStep", "PrcLoop",
    "PrcAlarm",   "PrcEngine",   "PrcEngStep",
};

// Index = property number; entry 0 is no property.
constexpr std::array<const char*, 7> kPropertySuffixes = {
    "", "Data", "Tag", "TagTransform", "Visible", "ASD", "TrendInfo",
};

}  // namespace

std::string ControlTypeToName(int controlType) {
  if (controlType < 0 || controlType >= static_cast<int>(kControlTypeNames.size())) return "";
  return kControlTypeNames[static_cast<size_t>(controlType)];
}

std::string AttribPropertySuffix(int property) {
  if (property < 0 || property >= static_cast<int>(kPropertySuffixes.size())) return "";
  return kPropertySuffixes[static_cast<size_t>(property)];
}

std::string MakeAttribIniKey(const std::string& attribName, int property) {
  return attribName + "." + AttribPropertySuffix(property);
}
