#include "shapes/pages/AnalogCalibratorCtrl.h"

#include "controls/BalloonHelp.h"
#include "core/AccessLog.h"
#include "core/IniFile.h"
#include "core/VekAccessUser.h"
#include "platform/Variant.h"
#include "res/PageResources.h"
#include "shapes/BaseShape.h"
#include "shapes/pages/AnalogCalibrationPage.h"

using namespace page_res;

namespace {

// The edit of each role of an analog group (value, MinVlu, MaxVlu, LlaVlu,
// HlaVlu, port, MinVluPort, MaxVluPort).
constexpr UINT kEditOfRole[8] = {IDC_CAL_PHYSICAL, IDC_CAL_MIN_PHY,  IDC_CAL_MAX_PHY,  IDC_CAL_LOW_LEVEL,
                                 IDC_CAL_HIGH_LEVEL, IDC_CAL_PORT, IDC_CAL_MIN_PORT, IDC_CAL_MAX_PORT};
// The live readings, exchanged in every direction at every refresh.
bool IsReading(int role) { return role == 0 || role == 5; }

}  // namespace

UINT CAnalogCalibratorCtrl::GetDialogTemplateId() const { return IDD_ANALOG_CALIBRATOR; }

BOOL CAnalogCalibratorCtrl::OnInitDialog() {
  m_pPage = dynamic_cast<CAnalogCalibrationPage*>(GetChildParent());
  CChildDlgCtrl::OnInitDialog();
  LoadFromShape();
  if (CWnd* apply = GetDlgItem(IDC_CAL_APPLY)) apply->EnableWindow(FALSE);
  m_btnTrend.SetWindowText("");
  m_btnTrend.SetIcon(static_cast<int>(IDI_LAMP_DARK), static_cast<int>(IDI_LAMP_DARK));
  return TRUE;
}

bool CAnalogCalibratorCtrl::IsAutoRefresh() const { return m_pPage != nullptr && m_pPage->IsAutoRefresh(); }

bool CAnalogCalibratorCtrl::TakeGroup(int ids[8]) const {
  CAnalogUnit* unit = m_pShape ? m_pShape->GetAnalogUnit(m_nUnit) : nullptr;
  return unit != nullptr && m_pShape->GetAnalogGroup(unit->GetAttribId(), ids);
}

void CAnalogCalibratorCtrl::DoDataExchange(CDataExchange* dx) {
  CChildDlgCtrl::DoDataExchange(dx);
  DDX_Control(dx, static_cast<int>(IDC_CAL_TITLE), m_wndTitle);
  DDX_Control(dx, static_cast<int>(IDC_CAL_TREND), m_btnTrend);
  // The ranges and limits keep what the user is typing: a load moves them
  // only while auto refresh is on (or nobody can be typing).
  const bool shown = m_pPage != nullptr && m_pPage->WasShownToUser() && !m_bHidden;
  const bool ranges = PageExchangeMovesValues(dx->m_bSaveAndValidate != FALSE, IsAutoRefresh(), shown);
  for (int role = 0; role < 8; ++role) {
    if (IsReading(role) || ranges) DDX_Text(dx, static_cast<int>(kEditOfRole[role]), m_values[static_cast<size_t>(role)]);
  }
}

void CAnalogCalibratorCtrl::LoadFromShape() {
  if (!m_pShape || !IsWindowCreated()) return;
  int ids[8];
  if (TakeGroup(ids)) {
    for (int role = 0; role < 8; ++role) m_values[static_cast<size_t>(role)] = m_pShape->GetAttribFloat(ids[role]);
    UpdateData(FALSE);
  }
  if (CAnalogUnit* unit = m_pShape->GetAnalogUnit(m_nUnit); unit && m_wndTitle.GetWindowText() != unit->GetCaption()) {
    m_wndTitle.SetWindowText(unit->GetCaption());
    if (CWnd* apply = GetDlgItem(IDC_CAL_APPLY)) apply->Invalidate();
  }
  UpdateEnable();
}

void CAnalogCalibratorCtrl::UpdateEnable() {
  const BOOL editable = IsAutoRefresh() ? FALSE : TRUE;
  for (int role = 0; role < 8; ++role) {
    if (IsReading(role)) continue;
    if (CWnd* edit = GetDlgItem(static_cast<int>(kEditOfRole[role]))) edit->EnableWindow(editable);
  }
  UpdateVisibility();
}

void CAnalogCalibratorCtrl::UpdateVisibility() {
  int ids[8];
  if (!m_pShape || !TakeGroup(ids)) return;
  m_bHidden = !m_pShape->IsAttribVisible(ids[0]);
  ShowWindow(m_bHidden ? SW_HIDE : SW_SHOW);
  if (m_bHidden) return;
  for (int role = 0; role < 8; ++role) {
    if (CWnd* edit = GetDlgItem(static_cast<int>(kEditOfRole[role])))
      edit->ShowWindow(m_pShape->IsAttribVisible(ids[role]) ? SW_SHOW : SW_HIDE);
  }
}

BOOL CAnalogCalibratorCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (code == EN_CHANGE) {
    for (UINT edit : kEditOfRole) {
      if (edit == id) {
        if (CWnd* apply = GetDlgItem(IDC_CAL_APPLY)) apply->EnableWindow(TRUE);
        return TRUE;
      }
    }
  }
  if (code == BN_CLICKED && id == IDC_CAL_APPLY) {
    OnApply();
    return TRUE;
  }
  if (code == BN_CLICKED && id == IDC_CAL_TREND) {
    OnTrend();
    return TRUE;
  }
  return CChildDlgCtrl::OnCommand(wParam, lParam);
}

HBRUSH CAnalogCalibratorCtrl::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
  if (HBRUSH brush = m_editColors.Apply(dc, wnd, ctlColor)) return brush;
  return CChildDlgCtrl::OnCtlColor(dc, wnd, ctlColor);
}

void CAnalogCalibratorCtrl::OnApply() {
  if (!m_pShape || !m_pPage) return;
  if (!m_pPage->CheckRights("To apply Analog Calibration", CVekAccessUser::eGroupTechnical)) return;
  if (!UpdateData(TRUE)) return;
  int ids[8];
  if (!TakeGroup(ids)) return;
  CAnalogUnit* unit = m_pShape->GetAnalogUnit(m_nUnit);
  AnalogGroupValues before{};
  for (int role = 0; role < 8; ++role) before[static_cast<size_t>(role)] = m_pShape->GetAttribFloat(ids[role]);
  WriteAccessLogLine(CalibrationLogLine(m_pShape->GetDeviceCaption(), unit->GetCaption(), before, m_values), true);
  {
    CIniFile::CBatch batch(m_pShape->GetIniFile());
    for (int role : kCalibratedRoles) m_pShape->SaveAttribData(ids[role], VariantFromFloat(m_values[static_cast<size_t>(role)]));
  }
  // The drawing's percent and the bound tags' ranges follow the new range.
  unit->SetValue(C_BaseShape::PercentOfRange(m_pShape->GetAttribFloat(ids[0]), m_pShape->GetAttribFloat(ids[1]),
                                             m_pShape->GetAttribFloat(ids[2])));
  m_pShape->ApplyAnalogRangesToTags();
  m_pShape->Invalidate(FALSE);
  if (CWnd* apply = GetDlgItem(IDC_CAL_APPLY)) apply->EnableWindow(FALSE);
}

void CAnalogCalibratorCtrl::OnTrend() {
  CBalloonHelp::ShowBalloon("Trend Config", "Under construction :)", &m_btnTrend, IDI_INFORMATION,
                            CBalloonHelp::kDefaultOptions, 3000, this);
}
