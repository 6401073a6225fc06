#include "shapes/pages/SpryDryrSafetyPropPage.h"

#include "controls/BalloonHelp.h"
#include "core/IniFile.h"
#include "core/VekAccessUser.h"
#include "platform/Variant.h"
#include "res/PageResources.h"
#include "shapes/SpryDryr.h"
#include "shapes/pages/PageRules.h"

using namespace page_res;

namespace {

// The four settings: their edit, attribute and valid range. The first two
// are the delta T pair, the last two the fire pair.
struct SafetySetting {
  UINT edit;
  int attrib;
  int min;
  int max;
};
constexpr SafetySetting kSettings[C_SpryDryrSafetyPropPage::kSettingCount] = {
    {IDC_SAFETY_DELTA_T, SD_VI_iTowerSafetyCriticalDeltaT_PerMin, 10, 200},
    {IDC_SAFETY_SLOPE_PERIOD, SD_VI_iTowerSafetySlopeCalcPeriod, 5, 60},
    {IDC_SAFETY_TOP_T, SD_VI_iTowerSafetyCriticalTopTowerTemper, 80, 130},
    {IDC_SAFETY_FIRE_T, SD_VI_iTowerSafetyCriticalFireTemper, 350, 450}};
constexpr int kDeltaPair = 0;
constexpr int kFirePair = 2;

}  // namespace

C_SpryDryrSafetyPropPage::C_SpryDryrSafetyPropPage() : CPropertyPageBase(IDD_SAFETY_PAGE) {}

void C_SpryDryrSafetyPropPage::BindShape() {
  CPropertyPageBase::BindShape();
  m_pTower = dynamic_cast<C_SpryDryr*>(GetShape());
}

BOOL C_SpryDryrSafetyPropPage::OnInitDialog() {
  CPropertyPageBase::OnInitDialog();
  EnableControl(IDC_PAGE_APPLY, false);
  RefreshPage();
  return TRUE;
}

void C_SpryDryrSafetyPropPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPageBase::DoDataExchange(dx);
  if (!m_bExchange) return;
  for (int i = 0; i < kSettingCount; ++i) {
    int& value = m_values[static_cast<size_t>(i)];
    DDX_Text(dx, static_cast<int>(kSettings[i].edit), value);
    DDV_MinMaxInt(dx, value, kSettings[i].min, kSettings[i].max);
  }
}

void C_SpryDryrSafetyPropPage::UpdatePage() {
  if (m_pTower && LoadMovesValues()) {
    for (int i = 0; i < kSettingCount; ++i) m_values[static_cast<size_t>(i)] = m_pTower->GetAttribInt(kSettings[i].attrib);
  }
  CPropertyPageBase::UpdatePage();
}

void C_SpryDryrSafetyPropPage::UpdateControls() {
  CPropertyPageBase::UpdateControls();
  for (const SafetySetting& s : kSettings) EnableControl(s.edit, !IsAutoRefresh());
}

BOOL C_SpryDryrSafetyPropPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (id == IDC_PAGE_APPLY && HIWORD(wParam) == BN_CLICKED) {
    ApplySettings();
    return TRUE;
  }
  if (HIWORD(wParam) == EN_CHANGE) {
    for (const SafetySetting& s : kSettings) {
      if (s.edit == id) {
        EnableControl(IDC_PAGE_APPLY, true);
        return TRUE;
      }
    }
  }
  return CPropertyPageBase::OnCommand(wParam, lParam);
}

bool C_SpryDryrSafetyPropPage::PairChanged(int first) const {
  for (int i = first; i < first + 2; ++i)
    if (m_values[static_cast<size_t>(i)] != m_pTower->GetAttribInt(kSettings[i].attrib)) return true;
  return false;
}

void C_SpryDryrSafetyPropPage::SavePair(int first) {
  CIniFile::CBatch batch(m_pTower->GetIniFile());
  for (int i = first; i < first + 2; ++i)
    m_pTower->SaveAttribData(kSettings[i].attrib, VariantFromInt(m_values[static_cast<size_t>(i)]));
}

void C_SpryDryrSafetyPropPage::ApplySettings() {
  if (!m_pTower || !UpdateData(TRUE)) return;
  const SafetyApplyPlan plan = PlanSafetyApply(PairChanged(kDeltaPair), PairChanged(kFirePair));
  if (plan.deltaPair) {
    if (!CheckRights("To apply Tower Safety Critical Delta T", CVekAccessUser::eGroupPlantAdmin)) return;
    SavePair(kDeltaPair);
  } else {
    if (!CheckRights("To apply Tower Safety Fire Detection parameters", CVekAccessUser::eGroupProduction,
                     CVekAccessUser::eGroupPlantAdmin))
      return;
    SavePair(kFirePair);
  }
  CBalloonHelp::ShowBalloon("Tower Safety", SafetySavedText(plan), GetDlgItem(IDC_PAGE_APPLY), IDI_INFORMATION,
                            CBalloonHelp::kDefaultOptions, 3000, this);
  // The fire pair still waiting keeps Apply for the next press.
  if (!plan.fireStillPending) EnableControl(IDC_PAGE_APPLY, false);
}
