// C_BaseShape and the settings file: the section and keys, typed reading
// and writing (a write only when the text differs), the load at creation,
// the unbound-tag marks and the colours saved at the end.
#include <array>

#include "core/IniFile.h"
#include "core/TagFile.h"
#include "core/VekUtils.h"
#include "shapes/BaseShape.h"

namespace {

// The integer attributes written back when the window is destroyed, in order.
constexpr std::array<int, 11> kIntsSavedOnDestroy = {
    BA_ActuatorControlType, BA_PercentOfHighLowSpeed, BA_ColorBgOutOfRecipe, BA_ColorBgLocal,
    BA_ColorBG,             BA_ColorFG,               BA_ColorFgOverload,    BA_ColorBody,
    BA_ColorBgOld,          BA_ColorFgOld,            BA_ColorBodyOld,
};

// The stored types whose "Data" the load always asks LoadAttribData for (an
// absent key gives the default); of these it reads VT_I4 and VT_R4.
bool IsNumericDataType(VARTYPE vt) {
  return vt == VT_I2 || vt == VT_I4 || vt == VT_R4 || vt == VT_UI2 || vt == VT_UI4;
}

}  // namespace

CIniFile* C_BaseShape::GetIniFile() const { return GetPackIniFile(GetIniFileIndex()); }

std::string C_BaseShape::GetIniSectionName() const {
  return XmlEscape(GetControlTypeName() + "." + GetDeviceName());
}

bool C_BaseShape::IniSectionExists(const std::string& section) const {
  const CIniFile* ini = GetIniFile();
  return ini != nullptr && ini->HasSection(section);
}

std::string C_BaseShape::GetAttribIniKey(int id, int property) const {
  return MakeAttribIniKey(GetAttribName(id), property);
}

void C_BaseShape::LoadAttribIniString(int id, int property, std::string& text) {
  const std::string fallback = GetDefaultString(id, property);
  const CIniFile* ini = GetIniFile();
  if (ini == nullptr || !ini->ReadString(GetIniSectionName(), GetAttribIniKey(id, property), text, fallback)) {
    text = fallback;
  }
}

void C_BaseShape::LoadAttribIniInt(int id, int property, int& value) {
  const int fallback = GetDefaultInt(id, property);
  const CIniFile* ini = GetIniFile();
  value = fallback;
  if (ini != nullptr) ini->ReadInt(GetIniSectionName(), GetAttribIniKey(id, property), value, fallback);
}

void C_BaseShape::LoadAttribIniFloat(int id, int property, float& value) {
  const float fallback = GetDefaultFloat(id, property);
  const CIniFile* ini = GetIniFile();
  value = fallback;
  if (ini != nullptr) ini->ReadFloat(GetIniSectionName(), GetAttribIniKey(id, property), value, fallback);
}

void C_BaseShape::SaveAttribIniString(int id, int property, const std::string& text) {
  std::string current;
  LoadAttribIniString(id, property, current);
  CIniFile* ini = GetIniFile();
  if (current != text && ini != nullptr) ini->WriteString(GetIniSectionName(), GetAttribIniKey(id, property), text);
}

bool C_BaseShape::SaveAttribIniInt(int id, int property, int value) {
  int current = 0;
  LoadAttribIniInt(id, property, current);
  if (current == value) return true;
  CIniFile* ini = GetIniFile();
  return ini != nullptr && ini->WriteInt(GetIniSectionName(), GetAttribIniKey(id, property), value);
}

bool C_BaseShape::SaveAttribIniFloat(int id, int property, float value) {
  float current = 0.0f;
  LoadAttribIniFloat(id, property, current);
  if (current == value) return true;
  CIniFile* ini = GetIniFile();
  return ini != nullptr && ini->WriteFloat(GetIniSectionName(), GetAttribIniKey(id, property), value);
}

void C_BaseShape::LoadAttribsFromIni() {
  CVAttribsPack::LoadAttribsFromIni();
  for (int id = 0; id < GetAttribCount(); ++id) {
    const VARTYPE vt = GetAttribDataType(id);
    if (IsNumericDataType(vt)) {
      LoadAttribData(id);
    } else if (vt == VT_BOOL) {
      // A saved flag (NoTaring of the General page) comes back at the next
      // start; a flag never saved keeps what it holds (commands and
      // feedbacks are not reset by a missing key).
      std::string saved;
      LoadAttribIniString(id, AP_DATA, saved);
      if (!TrimText(saved).empty()) LoadAttribData(id);
    }
  }
  std::string caption;
  LoadAttribIniString(BA_DeviceCaption, AP_DATA, caption);
  SetDeviceCaption(caption);
  SetAttribBool(BA_DeviceIsInRecipe, true);
}

void C_BaseShape::LoadAttribData(int id) {
  switch (GetAttribDataType(id)) {
    case VT_I4: {
      int value = 0;
      LoadAttribIniInt(id, AP_DATA, value);
      SetAttribInt(id, value);
      break;
    }
    case VT_R4: {
      float value = 0.0f;
      LoadAttribIniFloat(id, AP_DATA, value);
      SetAttribFloat(id, value);
      break;
    }
    case VT_BOOL: {
      int value = 0;
      LoadAttribIniInt(id, AP_DATA, value);
      SetAttribBool(id, value != 0);
      break;
    }
    default:
      break;
  }
}

void C_BaseShape::SaveAttribData(int id, const VARIANT& value) {
  switch (GetAttribDataType(id)) {
    case VT_I4:
      SetAttribInt(id, VariantToInt(value));
      SaveAttribIniInt(id, AP_DATA, GetAttribInt(id));
      break;
    case VT_R4:
      SetAttribFloat(id, VariantToFloat(value));
      SaveAttribIniFloat(id, AP_DATA, GetAttribFloat(id));
      break;
    case VT_BOOL:
      SetAttribBool(id, VariantToBool(value));
      SaveAttribIniInt(id, AP_DATA, GetAttribBool(id) ? 1 : 0);
      break;
    default:
      break;
  }
}

bool C_BaseShape::IsBindableAttrib(int id) const {
  return id >= BA_COUNT && id < GetAttribCount() && GetAttribName(id).find("Reserve") == std::string::npos;
}

void C_BaseShape::MarkUnboundAttribs() {
  CIniFile::CBatch batch(GetIniFile());
  for (int id = BA_COUNT; id < GetAttribCount(); ++id) {
    if (!IsBindableAttrib(id)) continue;
    std::string tagName;
    LoadAttribIniString(id, AP_TAG, tagName);
    if (TrimText(tagName).empty()) SaveAttribIniString(id, AP_TAG, kNoTagName);
  }
}

void C_BaseShape::SaveColorsOnDestroy() {
  CIniFile::CBatch batch(GetIniFile());
  SaveAttribIniFloat(BA_LoadInWay, AP_DATA, GetAttribFloat(BA_LoadInWay));
  for (int id : kIntsSavedOnDestroy) SaveAttribIniInt(id, AP_DATA, GetAttribInt(id));
}
