#include "shapes/pages/SpryDryrHammerPropPage.h"

#include "core/IniFile.h"
#include "core/VekAccessUser.h"
#include "platform/Variant.h"
#include "res/PageResources.h"
#include "shapes/SpryDryr.h"

using namespace page_res;

namespace {

constexpr int kCommandGroups[] = {CVekAccessUser::eGroupOperator, CVekAccessUser::eGroupShift,
                                  CVekAccessUser::eGroupProduction};
constexpr const char* kModes[] = {"Parallel", "Serial"};

UINT Lamp(int index) { return index == 0 ? IDC_HAMMER_SERVICE : IDC_HAMMER_FIRST + static_cast<UINT>(index - 1); }
UINT Delay(int n) { return IDC_HAMMER_DELAY_FIRST + static_cast<UINT>(n); }
UINT OnTime(int n) { return IDC_HAMMER_ONTIME_FIRST + static_cast<UINT>(n); }

}  // namespace

C_SpryDryrHammerPropPage::C_SpryDryrHammerPropPage() : CPropertyPageBase(IDD_HAMMER_PAGE) {}

void C_SpryDryrHammerPropPage::BindShape() {
  CPropertyPageBase::BindShape();
  m_pTower = dynamic_cast<C_SpryDryr*>(GetShape());
}

BOOL C_SpryDryrHammerPropPage::OnInitDialog() {
  for (int i = 0; i <= kHammers; ++i) m_lamps[static_cast<size_t>(i)].SubclassDlgItem(Lamp(i), this);
  // The list is filled before the first load selects in it.
  m_cmbMode.SubclassDlgItem(IDC_HAMMER_MODE, this);
  for (const char* mode : kModes) m_cmbMode.AddString(mode);
  CPropertyPageBase::OnInitDialog();
  EnableControl(IDC_PAGE_APPLY, false);
  RefreshPage();
  return TRUE;
}

void C_SpryDryrHammerPropPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPageBase::DoDataExchange(dx);
  if (!m_bExchange) return;
  DDX_Text(dx, IDC_HAMMER_CYCLE, m_nCyclePeriod);
  DDV_MinMaxInt(dx, m_nCyclePeriod, 0, 36000);
  for (int n = 0; n < kHammers; ++n) {
    DDX_Text(dx, static_cast<int>(Delay(n)), m_nOnDelay[static_cast<size_t>(n)]);
    DDX_Text(dx, static_cast<int>(OnTime(n)), m_nOnStateTime[static_cast<size_t>(n)]);
  }
}

void C_SpryDryrHammerPropPage::UpdatePage() {
  if (m_pTower) {
    // The lamps always show the tower; the settings only when a load may move values.
    m_lamps[0].SetCheck(m_pTower->GetAttribBool(SD_VI_bHammerIsInAutoService) ? 1 : 0);
    for (int n = 0; n < kHammers; ++n)
      m_lamps[static_cast<size_t>(n + 1)].SetCheck(m_pTower->GetAttribBool(SD_VI_bTakeOnHammer1 + n) ? 1 : 0);
    if (LoadMovesValues()) {
      const int mode = m_pTower->GetAttribInt(SD_VI_iHammerOperationMode);
      m_cmbMode.SetCurSel(mode >= 0 && mode < m_cmbMode.GetCount() ? mode : -1);
      m_nCyclePeriod = m_pTower->GetAttribInt(SD_VI_iHammerCyclePeriod);
      for (int n = 0; n < kHammers; ++n) {
        m_nOnDelay[static_cast<size_t>(n)] = m_pTower->GetAttribInt(SD_VI_iOnDelayHammer1 + n);
        m_nOnStateTime[static_cast<size_t>(n)] = m_pTower->GetAttribInt(SD_VI_iOnStateTimeHammer1 + n);
      }
    }
  }
  CPropertyPageBase::UpdatePage();
}

void C_SpryDryrHammerPropPage::UpdateControls() {
  CPropertyPageBase::UpdateControls();
  const bool editable = !IsAutoRefresh();
  EnableControl(IDC_HAMMER_MODE, editable);
  EnableControl(IDC_HAMMER_CYCLE, editable);
  for (int n = 0; n < kHammers; ++n) {
    EnableControl(Delay(n), editable);
    EnableControl(OnTime(n), editable);
  }
}

BOOL C_SpryDryrHammerPropPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (code == BN_CLICKED) {
    if (id == IDC_PAGE_APPLY) {
      ApplySettings();
      return TRUE;
    }
    for (int i = 0; i <= kHammers; ++i) {
      if (id != Lamp(i)) continue;
      if (i == 0) OnToggleAutoService();
      else OnToggleHammer(i);
      return TRUE;
    }
  }
  const bool edit = id == IDC_HAMMER_CYCLE || (id >= Delay(0) && id <= OnTime(kHammers - 1));
  if ((code == EN_CHANGE && edit) || (code == CBN_SELCHANGE && id == IDC_HAMMER_MODE)) {
    EnableControl(IDC_PAGE_APPLY, true);
    return TRUE;
  }
  return CPropertyPageBase::OnCommand(wParam, lParam);
}

void C_SpryDryrHammerPropPage::OnToggleAutoService() {
  if (!m_pTower || !CheckRights("To change Hammers Auto Service option", kCommandGroups[0], kCommandGroups[1],
                                kCommandGroups[2]))
    return;
  m_pTower->SetAttribBool(SD_VI_bLetHammerAutoService, !m_pTower->GetAttribBool(SD_VI_bLetHammerAutoService));
  RefreshPage();
}

void C_SpryDryrHammerPropPage::OnToggleHammer(int hammer) {
  if (!m_pTower ||
      !CheckRights("To change On/Off state of Hammer", kCommandGroups[0], kCommandGroups[1], kCommandGroups[2]))
    return;
  const int id = SD_VI_bTakeOnHammer1 + hammer - 1;
  m_pTower->SetAttribBool(id, !m_pTower->GetAttribBool(id));
  RefreshPage();
}

void C_SpryDryrHammerPropPage::ApplySettings() {
  if (!m_pTower || !UpdateData(TRUE)) return;
  if (!CheckRights("To apply Hammer Setting of Spray Dryer", CVekAccessUser::eGroupShift,
                   CVekAccessUser::eGroupProduction))
    return;
  HammerTiming timing;
  timing.mode = m_cmbMode.GetCurSel();
  timing.cyclePeriod = m_nCyclePeriod;
  timing.onDelay = m_nOnDelay;
  timing.onTime = m_nOnStateTime;
  const std::string refusal = CheckHammerTiming(timing);
  if (!refusal.empty()) {
    AfxMessageBox(refusal, MB_ICONSTOP | MB_SYSTEMMODAL);
    return;
  }
  CIniFile::CBatch batch(m_pTower->GetIniFile());
  m_pTower->SaveAttribData(SD_VI_iHammerOperationMode, VariantFromInt(timing.mode));
  m_pTower->SaveAttribData(SD_VI_iHammerCyclePeriod, VariantFromInt(m_nCyclePeriod));
  for (int n = 0; n < kHammers; ++n)
    m_pTower->SaveAttribData(SD_VI_iOnDelayHammer1 + n, VariantFromInt(m_nOnDelay[static_cast<size_t>(n)]));
  for (int n = 0; n < kHammers; ++n)
    m_pTower->SaveAttribData(SD_VI_iOnStateTimeHammer1 + n, VariantFromInt(m_nOnStateTime[static_cast<size_t>(n)]));
  EnableControl(IDC_PAGE_APPLY, false);
}
