#include "shapes/pages/VesselSettingPropPage.h"

#include "core/IniFile.h"
#include "platform/Variant.h"
#include "res/PageResources.h"
#include "shapes/Vessel.h"
#include "shapes/pages/PageRules.h"

using namespace page_res;

namespace {

constexpr PageAttribControl kLevels[] = {{IDC_OVERLOAD_ERROR, IDC_OVERLOAD_ERROR_LABEL, VS_OverloadErrorLevel},
                                    {IDC_OVERLOAD_WARNING, IDC_OVERLOAD_WARNING_LABEL, VS_OverloadWarningLevel},
                                    {IDC_TARE_LEVEL, IDC_TARE_LEVEL_LABEL, VS_TareLevel}};

}  // namespace

C_VesselSettingPropPage::C_VesselSettingPropPage() : CPropertyPageBase(IDD_VESSEL_PAGE) {}

void C_VesselSettingPropPage::BindShape() {
  CPropertyPageBase::BindShape();
  m_pVessel = dynamic_cast<C_Vessel*>(GetShape());
}

BOOL C_VesselSettingPropPage::OnInitDialog() {
  CPropertyPageBase::OnInitDialog();
  EnableControl(IDC_PAGE_APPLY, false);
  RefreshPage();
  return TRUE;
}

void C_VesselSettingPropPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPageBase::DoDataExchange(dx);
  if (!m_bExchange) return;
  DDX_Text(dx, IDC_OVERLOAD_ERROR, m_fErrorLevel);
  DDV_MinMaxFloat(dx, m_fErrorLevel, 10.0f, 100.0f);
  DDX_Text(dx, IDC_OVERLOAD_WARNING, m_fWarningLevel);
  DDV_MinMaxFloat(dx, m_fWarningLevel, 3.0f, 10.0f);
  DDX_Text(dx, IDC_TARE_LEVEL, m_fTareLevel);
}

void C_VesselSettingPropPage::UpdatePage() {
  if (m_pVessel && LoadMovesValues()) {
    m_fErrorLevel = m_pVessel->GetAttribFloat(VS_OverloadErrorLevel);
    m_fWarningLevel = m_pVessel->GetAttribFloat(VS_OverloadWarningLevel);
    m_fTareLevel = m_pVessel->GetAttribFloat(VS_TareLevel);
  }
  CPropertyPageBase::UpdatePage();
}

void C_VesselSettingPropPage::UpdateControls() {
  CPropertyPageBase::UpdateControls();
  EnableWhileEditable(kLevels);
}

void C_VesselSettingPropPage::UpdateControlVisibility() { ShowByAttribVisibility(kLevels); }

int C_VesselSettingPropPage::GetAttribIdOfControl(UINT nCtrlId) const { return AttribOfControl(kLevels, nCtrlId); }

BOOL C_VesselSettingPropPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (id == IDC_PAGE_APPLY && HIWORD(wParam) == BN_CLICKED) {
    ApplySettings();
    return TRUE;
  }
  if (HIWORD(wParam) == EN_CHANGE && GetAttribIdOfControl(id) >= 0) {
    EnableControl(IDC_PAGE_APPLY, true);
    return TRUE;
  }
  return CPropertyPageBase::OnCommand(wParam, lParam);
}

void C_VesselSettingPropPage::ApplySettings() {
  if (!m_pVessel || !UpdateData(TRUE)) return;
  const std::string refusal =
      CheckVesselLevels(m_fErrorLevel, m_fWarningLevel, m_fTareLevel, m_pVessel->GetAttribFloat(VS_MaxVluLevel));
  if (!refusal.empty()) {
    AfxMessageBox(refusal, MB_ICONSTOP | MB_SYSTEMMODAL);
    return;
  }
  CIniFile::CBatch batch(m_pVessel->GetIniFile());
  m_pVessel->SaveAttribData(VS_OverloadErrorLevel, VariantFromFloat(m_fErrorLevel));
  m_pVessel->SaveAttribData(VS_OverloadWarningLevel, VariantFromFloat(m_fWarningLevel));
  m_pVessel->SaveAttribData(VS_TareLevel, VariantFromFloat(m_fTareLevel));
  EnableControl(IDC_PAGE_APPLY, false);
}
