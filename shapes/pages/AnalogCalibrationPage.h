// CAnalogCalibrationPage: an "Analog Calibration" page of a shape's sheet
// (template 3005): the row labels and up to four calibrators, one per
// analog group (page p holds the groups 4p to 4p + 3). The calibrators
// belong to the page.
// User-interface thread only.
#pragma once

#include <memory>
#include <vector>

#include "shapes/pages/AnalogCalibratorCtrl.h"
#include "shapes/pages/PropertyPageBase.h"

class CAnalogCalibrationPage : public CPropertyPageBase {
 public:
  explicit CAnalogCalibrationPage(int pageIndex);
  ~CAnalogCalibrationPage() override;

  int GetPageIndex() const { return m_nPageIndex; }
  // n >= 1 makes n calibrators; 0 destroys them all.
  void CreateCalibrators(int n);
  // How many groups this page shows (from the shape's unit count).
  int GetCalibratorCount() const;
  int GetCreatedCalibratorCount() const { return static_cast<int>(m_calibrators.size()); }
  CAnalogCalibratorCtrl* GetCalibrator(int i) const;

  // The base's refresh; each calibrator loads from the shape on the way.
  void UpdatePage() override;
  void UpdateControlVisibility() override;
  // The nine row labels show while any of the page's groups is visible.
  void UpdateLabels();

 protected:
  BOOL OnInitDialog() override;

 private:
  int m_nPageIndex;
  std::vector<std::unique_ptr<CAnalogCalibratorCtrl>> m_calibrators;
};
