// CAnalogCalibratorCtrl: one analog group of a shape on its calibration
// page (template 3004, a child dialog): the physical value, its range, the
// low and high alarm limits, the port value and its range. A user of the
// Technical group changes the ranges and limits with "&Apply", which
// writes them into the shape and its settings file, logs the change,
// recomputes the unit's percent and hands the new range to the bound tags.
// While the sheet's auto refresh is on, all eight fields follow the shape
// and the range edits are locked; while it is off, only the value and the
// port follow it.
// User-interface thread only.
#pragma once

#include "controls/ButtonLamp.h"
#include "controls/ChildDlgCtrl.h"
#include "platform/ui/Static.h"
#include "shapes/pages/EditColors.h"
#include "shapes/pages/PageRules.h"

class C_BaseShape;
class CAnalogCalibrationPage;

class CAnalogCalibratorCtrl : public CChildDlgCtrl {
 public:
  CAnalogCalibratorCtrl() = default;

  UINT GetDialogTemplateId() const override;
  // Before CreateChild: the shape and the index of its analog unit.
  void BindShape(C_BaseShape* shape) { m_pShape = shape; }
  void SetUnitIndex(int unitIndex) { m_nUnit = unitIndex; }
  int GetUnitIndex() const { return m_nUnit; }

  // Reads the group's eight values into the fields, names the group, and
  // enables and shows the edits.
  void LoadFromShape();
  // The six range and limit edits are editable only with auto refresh off.
  void UpdateEnable();
  // Hides the whole calibrator when the group's value attribute is
  // invisible, else shows each edit by its own attribute.
  void UpdateVisibility();
  // The fields as the controls last exchanged them, by role.
  const AnalogGroupValues& GetValues() const { return m_values; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) override;

 private:
  void OnApply();
  void OnTrend();
  bool IsAutoRefresh() const;
  // The group's member ids by role; false when the unit has no group.
  bool TakeGroup(int ids[8]) const;

  AnalogGroupValues m_values{};  // by role; 0.0 at first
  CStatic m_wndTitle;
  CButtonLamp m_btnTrend;
  C_BaseShape* m_pShape = nullptr;           // weak
  CAnalogCalibrationPage* m_pPage = nullptr;  // weak: the parent, found at set-up
  int m_nUnit = -1;
  bool m_bHidden = false;  // hidden because its group's value is invisible
  CPageEditColors m_editColors;
};
