#include "attrib/AnalogUnit.h"

#include "core/DCTag.h"
#include "core/ErrorBox.h"
#include "core/VekUtils.h"
#include "attrib/PlantServices.h"
#include "attrib/VAttrib.h"
#include "attrib/VAttribsPack.h"
#include "platform/Seams.h"

namespace {

// A tag is hardware-mapped when its hardware type is not "NULL" (0).
bool IsHwMapped(const CDCTag* tag) { return tag != nullptr && tag->GetHWType() != 0; }

constexpr const char* kCalculatedButMapped =
    "Invalid internal hard code configuration!\n\n"
    "The following Psychical-Value Attrib is configured to be calculated from Port-Value Attrib "
    "within VekFrame in PC.\n"
    "And also the mentioned Psychical-Value Attrib is assigned to a HW mapped DC-Tag.\n"
    "This situation makes concurrent (and unstable) calculation for the Psychical-Value Attrib.\n"
    "Please change internal configuration (recommended) or remove Tag assignment from "
    "Psychical-Value Attrib.\n\n"
    "DeviceName: [%s]\nAttribName: [%s]\n";

constexpr const char* kNotCalculatedNotMapped =
    "Invalid internal hard code configuration!\n\n"
    "The following Psychical-Value Attrib is NOT configured to be calculated from Port-Value "
    "Attrib within VekFrame in PC.\n"
    "Because the mentioned Psychical-Value Attrib is NOT assigned to a HW mapped DC-Tag.\n"
    "Please change internal configuration (recommended) or assign a Tag to Psychical-Value "
    "Attrib.\n"
    "Do you want to set bAutoCalcPhyValueFromPortValue flag for the following Psychical-Value "
    "Attrib?\n\n"
    "DeviceName: [%s]\nAttribName: [%s]\n";

}  // namespace

CAnalogUnit::CAnalogUnit(CVAttribsPack* owner) : m_pOwner(owner) {}

void CAnalogUnit::SetCaption(const std::string& caption) { m_strCaption = TrimText(caption); }

CVAttrib* CAnalogUnit::AttribOrNull(int id) const {
  if (m_pOwner == nullptr || id < 0 || id >= m_pOwner->GetAttribCount()) return nullptr;
  return m_pOwner->GetAttrib(id);
}

bool CAnalogUnit::IsAutoCalcFromPort() {
  if (m_bSettled) return m_bAutoCalcPhyValueFromPortValue;
  CVAttrib* value = AttribOrNull(m_nAttribId);
  if (value == nullptr) return m_bAutoCalcPhyValueFromPortValue;
  const std::string section = m_pOwner->GetIniSectionName();
  if (m_bAutoCalcPhyValueFromPortValue) {
    // Unsettled while there is no conflict: the binding may still come.
    if (!IsHwMapped(value->GetTag())) return true;
    m_bAutoCalcPhyValueFromPortValue = false;
    m_bSettled = true;
    ShowPlantConfigError(FormatText(kCalculatedButMapped, section.c_str(), value->GetName().c_str()),
                         "", "", kExitCodeConfigError);
    return false;
  }
  if (IsHwMapped(value->GetTag())) return false;
  CVAttrib* port = AttribOrNull(m_pOwner->GetAnalogGroupMember(m_nAttribId, AR_PORT));
  if (port == nullptr || !IsHwMapped(port->GetTag())) return false;
  const int answer =
      AfxMessageBox(FormatText(kNotCalculatedNotMapped, section.c_str(), value->GetName().c_str()),
                    MB_YESNOCANCEL | MB_ICONERROR | MB_SYSTEMMODAL);
  // Returns only while the session ends: Cancel then settles as No.
  if (answer == IDCANCEL) ExitProgram(kExitCodeConfigError);
  if (answer == IDYES) m_bAutoCalcPhyValueFromPortValue = true;
  m_bSettled = true;
  return m_bAutoCalcPhyValueFromPortValue;
}
