#include "shapes/pages/AnalogCalibrationPage.h"

#include "res/PageResources.h"
#include "shapes/BaseShape.h"
#include "shapes/pages/PageRules.h"

using namespace page_res;

namespace {
constexpr UINT kRowLabels[] = {IDC_CAL_ROW_PHYSICAL, IDC_CAL_ROW_MIN_PHY,  IDC_CAL_ROW_MAX_PHY,
                               IDC_CAL_ROW_LOW_LEVEL, IDC_CAL_ROW_HIGH_LEVEL, IDC_CAL_ROW_PORT,
                               IDC_CAL_ROW_MIN_PORT,  IDC_CAL_ROW_MAX_PORT,  IDC_CAL_ROW_TREND};
}  // namespace

CAnalogCalibrationPage::CAnalogCalibrationPage(int pageIndex)
    : CPropertyPageBase(IDD_ANALOG_CALIBRATION_PAGE), m_nPageIndex(pageIndex) {}

CAnalogCalibrationPage::~CAnalogCalibrationPage() { CreateCalibrators(0); }

void CAnalogCalibrationPage::CreateCalibrators(int n) {
  m_calibrators.clear();  // a calibrator's window goes with the object
  for (int i = 0; i < n; ++i) m_calibrators.push_back(std::make_unique<CAnalogCalibratorCtrl>());
}

int CAnalogCalibrationPage::GetCalibratorCount() const {
  return GetShape() ? CalibratorCount(GetShape()->GetAnalogUnitCount(), m_nPageIndex) : 0;
}

CAnalogCalibratorCtrl* CAnalogCalibrationPage::GetCalibrator(int i) const {
  return i >= 0 && i < GetCreatedCalibratorCount() ? m_calibrators[static_cast<size_t>(i)].get() : nullptr;
}

BOOL CAnalogCalibrationPage::OnInitDialog() {
  CPropertyPageBase::OnInitDialog();
  CreateCalibrators(GetCalibratorCount());
  for (int i = 0; i < GetCreatedCalibratorCount(); ++i) {
    CAnalogCalibratorCtrl& calibrator = *m_calibrators[static_cast<size_t>(i)];
    calibrator.BindShape(GetShape());
    calibrator.SetUnitIndex(CalibratorUnitIndex(m_nPageIndex, i));
    calibrator.CreateChild(this, CalibratorPosition(i), static_cast<UINT>(i));
  }
  RefreshPage();
  return TRUE;
}

void CAnalogCalibrationPage::UpdatePage() {
  for (auto& calibrator : m_calibrators) calibrator->LoadFromShape();
  CPropertyPageBase::UpdatePage();
}

void CAnalogCalibrationPage::UpdateControlVisibility() { UpdateLabels(); }

void CAnalogCalibrationPage::UpdateLabels() {
  C_BaseShape* shape = GetShape();
  bool any = false;
  for (int i = 0; shape && i < GetCreatedCalibratorCount() && !any; ++i) {
    CAnalogUnit* unit = shape->GetAnalogUnit(m_calibrators[static_cast<size_t>(i)]->GetUnitIndex());
    any = unit != nullptr && IsAttribShown(unit->GetAttribId());
  }
  for (UINT id : kRowLabels) ShowControl(id, any);
}
