// C_VesselSettingPropPage: the "Vessel Setting" page, the first of a
// vessel's sheet (template 3031): the overload error and warning levels (in
// percent) and the tare level, stored into the vessel and its settings file
// by Apply after two checks: the tare at most a tenth of the scale's
// capacity (MaxVluLevel), the warning level at most the error level. The
// page asks for no rights, as the vessel's settings never did.
// User-interface thread only.
#pragma once

#include "shapes/pages/PropertyPageBase.h"

class C_Vessel;

class C_VesselSettingPropPage : public CPropertyPageBase {
 public:
  C_VesselSettingPropPage();

  void BindShape() override;
  void UpdatePage() override;
  void UpdateControls() override;
  void UpdateControlVisibility() override;
  int GetAttribIdOfControl(UINT nCtrlId) const override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  void ApplySettings();

  float m_fErrorLevel = 10.0f;   // percent, 10 .. 100
  float m_fWarningLevel = 3.0f;  // percent, 3 .. 10
  float m_fTareLevel = 0.0f;     // in the Level's unit
  C_Vessel* m_pVessel = nullptr;  // weak; null until bound (or on another shape)
};
