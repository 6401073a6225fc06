#include "app/AppWindowSlots.h"

#include "app/TrendAndRecordSlots.h"
#include "plant/LoopPidFactorsDlg.h"
#include "tagbrowser/TagBrowser.h"

CAppWindowSlots& AppWindowSlots() {
  static CAppWindowSlots slots;
  return slots;
}

void InstallAppWindowSlots() {
  // The engine's Tag Browser command opens the RoveDazuvi Verov.
  RegisterTagBrowser();
  // Each window class fills its slot here when it is empty.
  CAppWindowSlots& slots = AppWindowSlots();
  InstallTrendAndRecordSlots(slots);
  if (!slots.showLoopPidFactors)
    slots.showLoopPidFactors = [] {
      CLoopPidFactorsDlg dlg;
      dlg.DoModal();
    };
}
