// C_SpryDryrHammerPropPage: the tower's "Hammer" page (template 3025) for
// its eight wall knockers: the operation mode (parallel or serial), the
// cycle period, each hammer's on delay and on-state time, and two kinds of
// immediate command: switching the hammers' automatic service and
// switching single hammers on or off. The page only writes the tower's
// attributes; the hammer cycle runs behind their tags, and the lamps show
// what the tags bring back.
// User-interface thread only.
#pragma once

#include <array>

#include "controls/ButtonLamp.h"
#include "platform/ui/ComboBox.h"
#include "shapes/pages/PageRules.h"
#include "shapes/pages/PropertyPageBase.h"

class C_SpryDryr;

class C_SpryDryrHammerPropPage : public CPropertyPageBase {
 public:
  C_SpryDryrHammerPropPage();

  void BindShape() override;
  void UpdatePage() override;
  void UpdateControls() override;

  // The lamp of "Activate Hammer &Service" (0) or of hammer 1..8.
  CButtonLamp& GetLamp(int index) { return m_lamps[static_cast<size_t>(index)]; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  void OnToggleAutoService();
  void OnToggleHammer(int hammer);
  void ApplySettings();

  int m_nCyclePeriod = 0;
  std::array<int, kHammers> m_nOnDelay{};
  std::array<int, kHammers> m_nOnStateTime{};
  CComboBox m_cmbMode;
  std::array<CButtonLamp, kHammers + 1> m_lamps;  // the service lamp, then hammers 1-8
  C_SpryDryr* m_pTower = nullptr;                  // weak
};
