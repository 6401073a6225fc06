// C_SpryDryrSafetyPropPage: the tower's "Tower Safety" page (template
// 3026): the critical temperature rise per minute with its slope period,
// and the two fire-detection temperatures, stored into the tower's
// attributes (their tags and the settings file). The two pairs need
// different rights (Plant-Admin for the delta T, Production or Plant-Admin
// for the fire temperatures), so one Apply stores one pair: the delta T
// pair when it was changed, else the fire pair. When both were changed the
// balloon says that the fire pair waits, and Apply stays enabled for it.
// User-interface thread only.
#pragma once

#include <array>

#include "shapes/pages/PropertyPageBase.h"

class C_SpryDryr;

class C_SpryDryrSafetyPropPage : public CPropertyPageBase {
 public:
  C_SpryDryrSafetyPropPage();

  void BindShape() override;
  void UpdatePage() override;
  void UpdateControls() override;

  static constexpr int kSettingCount = 4;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  void ApplySettings();
  // Whether the members of the settings first..first+1 differ from the tower.
  bool PairChanged(int first) const;
  void SavePair(int first);

  // By the settings table: delta T, slope period, top tower T, fire T.
  std::array<int, kSettingCount> m_values = {50, 10, 120, 400};
  C_SpryDryr* m_pTower = nullptr;  // weak
};
