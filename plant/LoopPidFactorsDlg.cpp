#include "plant/LoopPidFactorsDlg.h"

#include "controls/BalloonHelp.h"
#include "core/VekAccessControl.h"
#include "core/VekUtils.h"
#include "plant/Plant.h"
#include "platform/Seams.h"
#include "res/PlantResources.h"

// "با موفقيت ذخيره شد"
const char* const CLoopPidFactorsDlg::kSavedTitle =
    "\u0628\u0627 \u0645\u0648\u0641\u0642\u064A\u062A \u0630\u062E\u064A\u0631\u0647 \u0634\u062F";

CLoopPidFactorsDlg::CLoopPidFactorsDlg(CWnd* pParent) : CDialog(IDD_LOOP_PID_FACTORS, pParent) {}

void CLoopPidFactorsDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_PID_LOOP, m_cmbLoop);
  DDX_Text(dx, IDC_PID_DEAD_BAND, m_fDeadBand);
  DDX_Text(dx, IDC_PID_GAIN, m_fGain);
  DDX_Text(dx, IDC_PID_PERIOD_TIME, m_nPeriodTime);
  DDX_Text(dx, IDC_PID_PULSE_BREAK_TIME, m_nPulseBreakTime);
  DDX_Text(dx, IDC_PID_TI, m_nTi);
  DDX_Text(dx, IDC_PID_TD, m_nTd);
  DDX_Text(dx, IDC_PID_LAG_TIME, m_nLagTime);
}

BOOL CLoopPidFactorsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  for (int i = 0; i < kLoopCount; ++i) {
    const int item = m_cmbLoop.AddString(GetLoopName(static_cast<unsigned>(i)));
    m_cmbLoop.SetItemData(item, static_cast<DWORD_PTR_T>(i));
  }
  m_cmbLoop.SetCurSel(0);
  RefreshFactors();
  return TRUE;
}

C_ProcessDataLoop* CLoopPidFactorsDlg::GetSelectedLoop() const {
  const int selection = m_cmbLoop.GetCurSel();
  CPlant* plant = CPlant::GetCurrent();
  if (selection < 0 || !plant) return nullptr;
  return plant->Loop(static_cast<int>(m_cmbLoop.GetItemData(selection)));
}

void CLoopPidFactorsDlg::RefreshFactors() {
  const C_ProcessDataLoop* loop = GetSelectedLoop();
  if (!loop) return;
  const LoopPidFactors f = ReadLoopPidFactors(*loop);
  m_fDeadBand = f.fDeadBand;
  m_fGain = f.fGain;
  m_nPeriodTime = f.nPeriodTime;
  m_nPulseBreakTime = f.nPulseBreakTime;
  m_nTi = f.nTi;
  m_nTd = f.nTd;
  m_nLagTime = f.nLagTime;
  UpdateData(FALSE);
}

bool CLoopPidFactorsDlg::SaveFactors() {
  if (!CheckAccess(&m_pUser, kSavePurpose, CVekAccessUser::eGroupTechnical, CVekAccessUser::eGroupPlantAdmin))
    return false;
  if (!UpdateData(TRUE)) return false;
  C_ProcessDataLoop* loop = GetSelectedLoop();
  if (!loop) return false;
  const LoopPidFactors factors{m_fDeadBand, m_fGain, m_nPeriodTime, m_nPulseBreakTime, m_nTi, m_nTd, m_nLagTime};
  const std::vector<std::string> failed = SaveLoopPidFactors(*loop, factors);
  if (!failed.empty()) {
    std::string names;
    for (const std::string& name : failed) names += "\n - " + name;
    AfxMessageBox("The PID factors of loop \"" + loop->GetDeviceName() +
                      "\" were not all saved.\nNot taken by the loop or not written to the settings file:" + names,
                  MB_OK | MB_ICONERROR);
    return false;
  }
  CBalloonHelp::ShowBalloon(kSavedTitle, "", GetDlgItem(IDC_PID_SAVE), IDI_INFORMATION, CBalloonHelp::kDefaultOptions,
                            3000, this);
  return true;
}

BOOL CLoopPidFactorsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if ((id == IDC_PID_LOOP && code == CBN_SELCHANGE) || (id == IDC_PID_REFRESH && code == BN_CLICKED)) {
    RefreshFactors();
    return TRUE;
  }
  if (id == IDC_PID_SAVE && code == BN_CLICKED) {
    SaveFactors();
    return TRUE;
  }
  if (id == IDC_PID_CLOSE && code == BN_CLICKED) {
    EndDialog(IDCANCEL);
    return TRUE;
  }
  return CDialog::OnCommand(wParam, lParam);
}
