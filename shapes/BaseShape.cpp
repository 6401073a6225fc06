// C_BaseShape: construction, attribute knowledge, the typed getters and
// setters, and the tag notices.
#include "shapes/BaseShape.h"

#include <array>
#include <cmath>

#include "core/DCTag.h"
#include "core/VekUtils.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PropertyPage.h"
#include "shapes/ShapeRegistry.h"
#include "shapes/pages/PageRules.h"

namespace {

struct BaseAttribRow {
  const char* name;
  VARTYPE vt;
};

// Index = base attribute id (eBaseAttrib).
constexpr std::array<BaseAttribRow, BA_COUNT> kBaseAttribs = {{
    {"BaseReserveFloat1", VT_R4},   {"LoadInWay", VT_R4},
    {"BaseReserveBool1", VT_BOOL},  {"DeviceIsInRecipe", VT_BOOL},
    {"DeviceIsOverloaded", VT_BOOL}, {"NoTaring", VT_BOOL},
    {"BaseReserveInt1", VT_I4},     {"ColorBgOutOfRecipe", VT_I4},
    {"ColorBgLocal", VT_I4},        {"ColorBG", VT_I4},
    {"ColorFG", VT_I4},             {"ColorFgOverload", VT_I4},
    {"ColorBody", VT_I4},           {"ColorBgOld", VT_I4},
    {"ColorFgOld", VT_I4},          {"ColorBodyOld", VT_I4},
    {"ColorBgOutOfRecipeOld", VT_I4}, {"ColorBgLocalOld", VT_I4},
    {"ColorFgOverloadOld", VT_I4},  {"DrawPosX", VT_I4},
    {"DrawPosY", VT_I4},            {"DrawSizeX", VT_I4},
    {"DrawSizeY", VT_I4},           {"ActuatorControlType", VT_I4},
    {"PercentOfHighLowSpeed", VT_I4}, {"BaseReserveString1", VT_BSTR},
    {"DeviceCaption", VT_BSTR},
}};

bool IsBaseId(int id) { return id >= 0 && id < BA_COUNT; }

}  // namespace

C_BaseShape::C_BaseShape(int iniIndex, const ShapeCreateInfo& info, const ShapeClassDef& def, bool bCopy)
    : m_def(def), m_info(info), m_bCopy(bCopy) {
  SetIniFileIndex(static_cast<BYTE>(iniIndex));
  SetControlType(static_cast<BYTE>(def.controlType));
  const int instance = shape_registry::CountInstance(def.controlType, iniIndex) - (bCopy ? 2 : 1);
  SetCtrlId((static_cast<std::uint32_t>(iniIndex & 0xFF) << 24) |
            (static_cast<std::uint32_t>(def.controlType & 0xFF) << 16) |
            (static_cast<std::uint32_t>(instance) & 0xFFFF));
  shape_registry::AddDeviceName(m_info.GetDeviceName());
  // While the window does not exist the declaration's change protocol
  // reaches only this pack, whose own (base) rules answer.
  SetAnalogUnitCount(def.attribs.GetUnitCount());
  DeclareAttrib(def.attribs.GetCount());
  for (const ShapeAttribTable::Group& group : def.attribs.GetGroups()) {
    CAnalogUnit* unit = GetAnalogUnit(group.unitIndex);
    unit->SetAttribId(group.valueId);
    unit->SetCaption(group.caption);
    if (!group.unitText.empty()) unit->SetUnitText(group.unitText);
  }
}

C_BaseShape::~C_BaseShape() {
  // The window goes while the shape is whole, so OnDestroy saves with the
  // class's own defaults.
  if (IsWindowCreated()) DestroyWindow();
  SetAnalogUnitCount(0);
  shape_registry::ReleaseInstance(GetControlType(), GetIniFileIndex());
  shape_registry::RemoveDeviceName(m_info.GetDeviceName());
}

// ---- Attribute knowledge ------------------------------------------------------------------

std::string C_BaseShape::GetBaseAttribName(int id) {
  if (IsBaseId(id)) return kBaseAttribs[static_cast<size_t>(id)].name;
  return FormatText("%08X", static_cast<unsigned>(id));
}

std::string C_BaseShape::GetAttribName(int id) const {
  const ShapeAttribTable::Attrib* own = m_def.attribs.Find(id);
  const std::string name = own != nullptr ? TrimText(own->name) : std::string();
  return name.empty() ? GetBaseAttribName(id) : name;
}

VARIANT C_BaseShape::GetAttribDefault(int /*id*/) const { return VARIANT(); }

VARTYPE C_BaseShape::GetAttribType(int id) const {
  if (IsBaseId(id)) return kBaseAttribs[static_cast<size_t>(id)].vt;
  const ShapeAttribTable::Attrib* own = m_def.attribs.Find(id);
  return own != nullptr ? own->vt : VARTYPE{VT_EMPTY};
}

int C_BaseShape::GetAnalogRole(int id) const { return m_def.attribs.GetAnalogRole(id); }

int C_BaseShape::GetAnalogGroupMember(int id, int role) const { return m_def.attribs.GetGroupMember(id, role); }

int C_BaseShape::GetDefaultInt(int id, int property) const {
  if (property != AP_DATA) return 0;
  if (const ShapeAttribTable::Attrib* own = m_def.attribs.Find(id)) return static_cast<int>(own->dataDefault);
  if (std::optional<int> color = m_def.attribs.GetBaseColorDefault(id)) return *color;
  switch (id) {
    case BA_ColorBgOutOfRecipe: return 0x808080;
    case BA_ColorBgLocal: return 0x0000FF;
    case BA_ColorBG: return 0x00FF00;
    case BA_ColorFG: return 0x0000FF;
    case BA_ColorFgOverload: return 0x0000C8;
    case BA_ColorBody: return 0xFF0000;
    // The "Old" colours start as the class's own colours.
    case BA_ColorBgOld: return GetDefaultInt(BA_ColorBG, property);
    case BA_ColorFgOld: return GetDefaultInt(BA_ColorFG, property);
    case BA_ColorBodyOld: return GetDefaultInt(BA_ColorBody, property);
    case BA_DrawPosX: return 10 * (GetInstanceNumber() & 0xFF);
    case BA_DrawSizeX: return 10;
    case BA_DrawSizeY: return 20;
    case BA_ActuatorControlType: return 1;
    default: return 0;
  }
}

float C_BaseShape::GetDefaultFloat(int id, int property) const {
  if (property != AP_DATA) return 0.0f;
  if (const ShapeAttribTable::Attrib* own = m_def.attribs.Find(id)) return static_cast<float>(own->dataDefault);
  return id == BA_LoadInWay ? 0.5f : 0.0f;
}

void C_BaseShape::CreateAttribs() {
  for (int id = 0; id < BA_COUNT && id < GetAttribCount(); ++id) EnsureAttrib(id);
}

// The on-demand path names, types and defaults the first six base
// attributes (LoadInWay starts at 0.5); the others keep what the pack's
// declaration gives them.
bool C_BaseShape::InitAttrib(CVAttrib* attrib) {
  const int id = attrib->GetId();
  if (!IsBaseId(id)) return false;
  if (id <= BA_NoTaring) {
    const VARTYPE vt = GetAttribType(id);
    attrib->SetDataType(vt);
    attrib->SetName(GetBaseAttribName(id));
    const VARIANT value = vt == VT_R4 ? VariantFromFloat(GetDefaultFloat(id, AP_DATA))
                                      : VariantFromBool(GetDefaultInt(id, AP_DATA) != 0);
    attrib->SetDefaultValue(&value);
    attrib->SetValue(&value);
  }
  return true;
}

// ---- Values ----------------------------------------------------------------------------------

void C_BaseShape::SetAttribValue(int id, const VARIANT* value) {
  CVAttrib* attrib = GetAttrib(id);
  if (value == nullptr || attrib == nullptr) return;
  const VARIANT* current = attrib->GetValue();
  if (current->vt == VT_NULL && value->vt == VT_NULL) return;
  if (current->vt == value->vt && AttribValuesEqual(*current, *value)) return;
  // The pending read brings the tag's own value.
  if (attrib->GetTag() != nullptr && attrib->GetTag()->IsReadPending()) return;
  attrib->SetValue(value);
}

bool C_BaseShape::GetAttribBool(int id) const { return VariantToBool(*GetAttribValue(id)); }
float C_BaseShape::GetAttribFloat(int id) const { return VariantToFloat(*GetAttribValue(id)); }
int C_BaseShape::GetAttribInt(int id) const { return VariantToInt(*GetAttribValue(id)); }
double C_BaseShape::GetAttribDouble(int id) const { return VariantToDouble(*GetAttribValue(id)); }
std::string C_BaseShape::GetAttribString(int id) const { return VariantBstrToString(*GetAttribValue(id)); }

void C_BaseShape::SetAttribBool(int id, bool value) {
  if (GetAttribBool(id) == value) return;
  ApplyBoolRules(id, value);
  const VARIANT v = VariantFromBool(value);
  SetAttribValue(id, &v);
}

void C_BaseShape::SetAttribFloat(int id, float value) {
  if (GetAttribFloat(id) == value) return;
  const VARIANT v = VariantFromFloat(ApplyAnalogRules(id, value));
  SetAttribValue(id, &v);
}

void C_BaseShape::SetAttribInt(int id, int value) {
  if (GetAttribInt(id) == value) return;
  const VARIANT v = VariantFromInt(value);
  SetAttribValue(id, &v);
}

void C_BaseShape::SetAttribDouble(int id, double value) {
  if (GetAttribDouble(id) == value) return;
  const VARIANT v = VariantFromDouble(value);
  SetAttribValue(id, &v);
}

void C_BaseShape::SetAttribString(int id, const std::string& value) {
  const std::string text = TrimText(value);
  if (GetAttribString(id) == text) return;
  const VARIANT v = VariantFromString(text);
  SetAttribValue(id, &v);
}

void C_BaseShape::ApplyBoolRules(int id, bool value) {
  const ShapeBoolRules& rules = m_def.boolRules;
  for (int alarmId : rules.alarmBlink) {
    if (alarmId == id) SetAlarmBlink(value);
  }
  for (int blinkId : rules.blinkOnTrue) {
    if (blinkId == id && value) StartBlinkTimer();
  }
  for (const DriveInterlock& drive : rules.drives) {
    if (id == drive.increase && value && drive.decrease >= 0) SetAttribBool(drive.decrease, false);
    if (id == drive.decrease && value && drive.increase >= 0) SetAttribBool(drive.increase, false);
    if (id == drive.runFeedback && value) StartBlinkTimer();
    if (id != drive.runCommand) continue;
    if (value) {
      StartBlinkTimer();
    } else {
      if (drive.decrease >= 0) SetAttribBool(drive.decrease, false);
      if (drive.increase >= 0) SetAttribBool(drive.increase, false);
    }
  }
}

float C_BaseShape::ApplyAnalogRules(int id, float value) {
  const ShapeAttribTable::Group* group = m_def.attribs.FindValueOrPortGroup(id);
  if (group == nullptr) return value;
  const int valueId = group->valueId;
  CAnalogUnit* unit = GetAnalogUnit(group->unitIndex);
  if (id == valueId) {
    const float min = GetAttribFloat(valueId + AR_MIN_VLU);
    const float max = GetAttribFloat(valueId + AR_MAX_VLU);
    if (value < min) {
      value = min;
      PostShapeCommand(id);
    } else if (value > max) {
      value = max;
      PostShapeCommand(id);
    }
    unit->SetValue(PercentOfRange(value, min, max));
    return value;
  }
  const PortRule rule = m_def.attribs.GetPortRule();
  if (rule == PortRule::Stored) return value;
  const float portMin = GetAttribFloat(valueId + AR_MIN_VLU_PORT);
  const float portMax = GetAttribFloat(valueId + AR_MAX_VLU_PORT);
  if (rule == PortRule::ClampAutoCalc) {
    if (value < portMin) {
      value = portMin;
    } else if (value > portMax) {
      value = portMax;
    }
  }
  if (unit->IsAutoCalcFromPort()) {
    SetAttribFloat(valueId, ScaleLinear(value, portMin, portMax, GetAttribFloat(valueId + AR_MIN_VLU),
                                        GetAttribFloat(valueId + AR_MAX_VLU)));
  }
  return value;
}

bool C_BaseShape::IsAttribBound(int id) const { return GetAttrib(id)->GetTag() != nullptr; }

// ---- Analog units ------------------------------------------------------------------------------

void C_BaseShape::SetAnalogUnitCount(int count) {
  m_units.clear();
  for (int i = 0; i < count; ++i) m_units.push_back(std::make_unique<CAnalogUnit>(this));
}

CAnalogUnit* C_BaseShape::GetAnalogUnit(int index) const {
  if (index < 0 || index >= GetAnalogUnitCount()) return nullptr;
  return m_units[static_cast<size_t>(index)].get();
}

CAnalogUnit* C_BaseShape::FindAnalogUnit(int valueId) const {
  for (const auto& unit : m_units) {
    if (unit->GetAttribId() == valueId) return unit.get();
  }
  return nullptr;
}

float C_BaseShape::PercentOfRange(float x, float min, float max) {
  if (x < min || x > max || !(max - min > 0.0f)) return 0.0f;
  return (x - min) * 100.0f / (max - min);
}

int C_BaseShape::GetAnalogPageCount() const { return CalibrationPageCount(GetAnalogUnitCount()); }

// ---- Device naming -------------------------------------------------------------------------------

std::string C_BaseShape::GetDeviceName() const { return m_info.GetDeviceName(); }

std::string C_BaseShape::GetDeviceCaption() const {
  const std::string caption = GetAttribCount() > BA_DeviceCaption ? GetAttribString(BA_DeviceCaption) : "";
  return caption.empty() ? GetDeviceName() : caption;
}

void C_BaseShape::SetDeviceCaption(const std::string& caption) { SetAttribString(BA_DeviceCaption, caption); }

void C_BaseShape::SetDeviceName(const std::string& name) { m_info.SetDeviceName(name); }

std::string C_BaseShape::GetDisplayTitle() const {
  std::string title = "[" + GetControlTypeName() + "." + GetDeviceName() + "]";
  const std::string caption = GetDeviceCaption();
  if (caption != GetDeviceName()) title += " - " + caption;
  return title;
}

int C_BaseShape::GetInstanceCount() const {
  return shape_registry::InstanceCount(GetControlType(), GetIniFileIndex());
}

// ---- Tag notices -----------------------------------------------------------------------------------

int C_BaseShape::OnDataCenterNotify(CDCTag* tag, int code) {
  // A value during a pending read waits for the read to complete (below).
  if (tag == nullptr || (code == eNoticeValue && tag->IsReadPending())) return 1;
  AttribList* list = LookupTagAttribs(tag);
  if (list == nullptr) return 0;
  for (size_t i = 0; i < list->size();) {
    CVAttrib* attrib = (*list)[i];
    if (attrib->GetTag() != tag) {
      list->erase(list->begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    switch (code) {
      case eNoticeReadPending:
        attrib->SetReadPending(tag->IsReadPending());
        // The read completed: its value is the one to show, also when its
        // value notice came while the read was pending and was left.
        if (!tag->IsReadPending()) ApplyTagValue(attrib, tag);
        break;
      case eNoticeWritePending:
        attrib->SetWritePending(tag->IsWritePending());
        break;
      case eNoticeValue:
        ApplyTagValue(attrib, tag);
        attrib->SetReadPending(false);
        break;
      default:
        break;
    }
    ++i;
  }
  return 0;
}

void C_BaseShape::ApplyTagValue(CVAttrib* attrib, const CDCTag* tag) {
  if (tag->IsReadPending()) return;
  const VARIANT& value = *tag->GetTagData();
  const int id = attrib->GetId();
  switch (tag->GetDataType()) {
    case VT_I4:
    case VT_UI2:
      SetAttribInt(id, VariantToInt(value));
      break;
    case VT_R4:
      SetAttribFloat(id, VariantToFloat(value));
      break;
    case VT_DATE:
      SetAttribDouble(id, VariantToDouble(value));
      break;
    case VT_BSTR:
      SetAttribString(id, VariantBstrToString(value));
      break;
    case VT_BOOL:
      SetAttribBool(id, (value.boolVal != 0) != attrib->IsTagNegative());
      break;
    default:
      break;  // other types set no value
  }
}

// ---- Alarms ----------------------------------------------------------------------------------------

void C_BaseShape::ResetAlarms() {
  CAlarmPack::ResetAlarms();
  SetAttribBool(BA_DeviceIsOverloaded, false);
}

void C_BaseShape::OnAlarmPackChanged(int code) {
  if (code == 3) SetAlarmBlink(IsAnyAlarmActive());
}
