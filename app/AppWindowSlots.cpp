#include "app/AppWindowSlots.h"

#include "tagbrowser/TagBrowser.h"

CAppWindowSlots& AppWindowSlots() {
  static CAppWindowSlots slots;
  return slots;
}

void InstallAppWindowSlots() {
  // The engine's Tag Browser command opens the RoveDazuvi Verov.
  RegisterTagBrowser();
  // Each window class fills its slot here when it is empty, e.g.
  //   if (!slots.showShiftWindow) slots.showShiftWindow = [] { CShiftDlg dlg; dlg.DoModal(); };
  // No window class of these slots exists yet.
  [[maybe_unused]] CAppWindowSlots& slots = AppWindowSlots();
}
