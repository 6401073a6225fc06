#include "shapes/pages/BaseGeneralPropPage.h"

#include "core/IniFile.h"
#include "platform/Variant.h"
#include "res/PageResources.h"
#include "shapes/BaseShape.h"

using namespace page_res;

namespace {

constexpr PageAttribControl kControls[] = {{IDC_ACTUATOR_TYPE, IDC_ACTUATOR_TYPE_LABEL, BA_ActuatorControlType},
                                        {IDC_LOAD_IN_WAY, IDC_LOAD_IN_WAY_LABEL, BA_LoadInWay},
                                        {IDC_PERCENT_HIGH_LOW, IDC_PERCENT_HIGH_LOW_LABEL, BA_PercentOfHighLowSpeed},
                                        {IDC_NO_TARING, IDC_NO_TARING_LABEL, BA_NoTaring}};

}  // namespace

const char* const CBaseGeneralPropPage::kActuatorTypes[4] = {"Low Speed", "High Speed", "High/Low Speed",
                                                             "Analog Control"};

CBaseGeneralPropPage::CBaseGeneralPropPage() : CPropertyPageBase(IDD_GENERAL_PAGE) {}

BOOL CBaseGeneralPropPage::OnInitDialog() {
  // The list is filled before the first load selects in it.
  m_cmbActuatorType.SubclassDlgItem(IDC_ACTUATOR_TYPE, this);
  for (const char* text : kActuatorTypes) m_cmbActuatorType.AddString(text);
  CPropertyPageBase::OnInitDialog();
  EnableControl(IDC_PAGE_APPLY, false);
  return TRUE;
}

void CBaseGeneralPropPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPageBase::DoDataExchange(dx);
  DDX_Control(dx, IDC_ACTUATOR_TYPE, m_cmbActuatorType);
  DDX_Control(dx, IDC_NO_TARING, m_chkNoTaring);
  if (!m_bExchange) return;
  DDX_Text(dx, IDC_PERCENT_HIGH_LOW, m_nPercentOfHighLow);
  DDV_MinMaxInt(dx, m_nPercentOfHighLow, 0, 90);
  DDX_Text(dx, IDC_LOAD_IN_WAY, m_fLoadInWay);
}

void CBaseGeneralPropPage::UpdatePage() {
  C_BaseShape* shape = GetShape();
  if (shape && LoadMovesValues() && m_cmbActuatorType.IsWindowCreated()) {
    // A load follows the shape; it is no change of the user's, so Apply
    // stays as it is. A type outside the list shows no selection.
    const int type = shape->GetAttribInt(BA_ActuatorControlType);
    const int wanted = type >= 0 && type < m_cmbActuatorType.GetCount() ? type : -1;
    if (m_cmbActuatorType.GetCurSel() != wanted) m_cmbActuatorType.SetCurSel(wanted);
    m_fLoadInWay = shape->GetAttribFloat(BA_LoadInWay);
    m_nPercentOfHighLow = shape->GetAttribInt(BA_PercentOfHighLowSpeed);
    m_chkNoTaring.SetCheck(shape->GetAttribBool(BA_NoTaring) ? BST_CHECKED : BST_UNCHECKED);
  }
  CPropertyPageBase::UpdatePage();
}

void CBaseGeneralPropPage::UpdateControls() {
  CPropertyPageBase::UpdateControls();
  EnableWhileEditable(kControls);
}

void CBaseGeneralPropPage::UpdateControlVisibility() { ShowByAttribVisibility(kControls); }

int CBaseGeneralPropPage::GetAttribIdOfControl(UINT nCtrlId) const { return AttribOfControl(kControls, nCtrlId); }

BOOL CBaseGeneralPropPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (id == IDC_PAGE_APPLY && code == BN_CLICKED) {
    ApplySettings();
    return TRUE;
  }
  // Any change of the user's makes Apply worth pressing.
  if ((id == IDC_ACTUATOR_TYPE && code == CBN_SELCHANGE) || (id == IDC_NO_TARING && code == BN_CLICKED) ||
      ((id == IDC_LOAD_IN_WAY || id == IDC_PERCENT_HIGH_LOW) && code == EN_CHANGE)) {
    EnableControl(IDC_PAGE_APPLY, true);
    UpdateControls();
    return TRUE;
  }
  return CPropertyPageBase::OnCommand(wParam, lParam);
}

void CBaseGeneralPropPage::ApplySettings() {
  C_BaseShape* shape = GetShape();
  if (!shape || !UpdateData(TRUE)) return;
  CIniFile::CBatch batch(shape->GetIniFile());
  shape->SaveAttribData(BA_LoadInWay, VariantFromFloat(m_fLoadInWay));
  shape->SaveAttribData(BA_PercentOfHighLowSpeed, VariantFromInt(m_nPercentOfHighLow));
  // No selection (a stored type outside the list) keeps the stored type.
  const int type = m_cmbActuatorType.GetCurSel();
  if (type >= 0 && type < m_cmbActuatorType.GetCount())
    shape->SaveAttribData(BA_ActuatorControlType, VariantFromInt(type));
  shape->SaveAttribData(BA_NoTaring, VariantFromBool(m_chkNoTaring.GetCheck() == BST_CHECKED));
  EnableControl(IDC_PAGE_APPLY, false);
}
