// The pack's first pass over its settings section: bindings, transforms,
// visibility, ASD numbers, trend settings and a check of saved values.
#include <memory>
#include <strings.h>

#include "core/ErrorBox.h"
#include "core/VekUtils.h"
#include "links/VarTypeNames.h"
#include "attrib/AttribTrendInfo.h"
#include "attrib/PlantServices.h"
#include "attrib/VAttribsPack.h"
#include "platform/Seams.h"

void CVAttribsPack::LoadAttribsFromIni() {
  const std::string section = GetIniSectionName();
  if (!IsShiftKeyDown() && !IniSectionExists(section)) {
    ShowPlantConfigError("The following section did Not found in setting (ini) file:\n - [" + section + "]",
                         "section name", section, kExitCodeConfigError);
  }
  for (int id = 0; id < GetAttribCount(); ++id) {
    CVAttrib* attrib = m_arrAttribs[static_cast<size_t>(id)].get();
    if (attrib == nullptr) continue;
    std::string text;
    LoadAttribIniString(id, AP_TAG, text);
    attrib->SetTagName(text);
    text.clear();
    LoadAttribIniString(id, AP_TAG_TRANSFORM, text);
    attrib->SetTagTransform(text);
    LoadAttribVisible(id);
    text.clear();
    LoadAttribIniString(id, AP_ASD, text);
    attrib->SetAsd(TextToInt(text));
    LoadTrendInfo(attrib);
    CheckSavedData(attrib);
  }
}

void CVAttribsPack::LoadAttribVisible(int id) {
  std::string text;
  LoadAttribIniString(id, AP_VISIBLE, text);
  // "Yes" and "No" in any case; anything else, a missing key included, shows.
  SetAttribVisible(id, strcasecmp(text.c_str(), "No") != 0);
}

void CVAttribsPack::LoadTrendInfo(CVAttrib* attrib) {
  std::string text;
  LoadAttribIniString(attrib->GetId(), AP_TREND_INFO, text);
  text = TrimText(text);
  if (text.empty()) return;
  // A setting from an earlier load leaves the trend list first, so it is
  // not taken for a duplicate of its successor.
  attrib->DeleteTrendInfo();
  auto trend = std::make_unique<CAttribTrendInfo>(attrib);
  if (trend->ParseTrendInfo(text)) attrib->SetTrendInfo(trend.release());
}

// The saved value is only checked here; the shape reads it later.
void CVAttribsPack::CheckSavedData(CVAttrib* attrib) {
  const VARTYPE vt = attrib->GetDataType();
  if (vt == VT_BSTR || vt == VT_EMPTY) return;
  std::string text;
  LoadAttribIniString(attrib->GetId(), AP_DATA, text);
  if (text.empty()) return;
  const VARIANT saved = VariantFromString(text);
  VARIANT converted;
  if (SUCCEEDED(VariantChangeType(&converted, &saved, 0, vt)) && converted.vt == vt) return;
  CopyTextToClipboard(attrib->GetName());
  AfxMessageBox(FormatText("Invalid saved value in ini file!\nAttribName: {%s}.Data\nValue: \"%s\"\n\n"
                           "Expected value format: %s\n\n\n(The AttribName is copied to clipboard).",
                           attrib->GetName().c_str(), text.c_str(), VarTypeToName(vt).c_str()),
                MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
}
