// CBaseGeneralPropPage: the "General Setting" page every shape's sheet
// carries (template 3007): the actuator type, the load in way, the share of
// the high/low speed and the no-taring switch, the shape's base attributes
// 23, 1, 24 and 5. Apply stores them into the shape and its settings file.
// A control (and its label) shows only while its attribute is visible; the
// page has nothing to show, and is removed from the sheet, when all four
// are hidden.
// User-interface thread only.
#pragma once

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "shapes/pages/PropertyPageBase.h"

class CBaseGeneralPropPage : public CPropertyPageBase {
 public:
  CBaseGeneralPropPage();

  void UpdatePage() override;
  void UpdateControls() override;
  void UpdateControlVisibility() override;
  int GetAttribIdOfControl(UINT nCtrlId) const override;

  // The texts of the actuator types, index = ActuatorControlType.
  static const char* const kActuatorTypes[4];

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  void ApplySettings();

  CComboBox m_cmbActuatorType;
  float m_fLoadInWay = 0.0f;
  int m_nPercentOfHighLow = 0;  // 0 to 90
  CButton m_chkNoTaring;
};
