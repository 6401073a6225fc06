#include "res/PlantResources.h"

#include "platform/ui/ControlStyles.h"
#include "platform/ui/ResourceTable.h"
#include "res/ResourceModules.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER;

// One row per factor: its edit box and label, top to bottom.
struct FactorRow {
  UINT editId;
  const char* label;
};
constexpr FactorRow kFactorRows[] = {
    {IDC_PID_DEAD_BAND, "Dead Band :"},   {IDC_PID_GAIN, "Gain :"},
    {IDC_PID_PERIOD_TIME, "Period Time :"}, {IDC_PID_PULSE_BREAK_TIME, "Pulse Break Time :"},
    {IDC_PID_TI, "TI :"},                 {IDC_PID_TD, "TD :"},
    {IDC_PID_LAG_TIME, "Lag Time :"},
};

DialogTemplate LoopPidFactorsTemplate() {
  std::vector<DlgItemTemplate> items = {
      dlg::RText(IDC_STATIC, "Loop :", 10, 12, 70, 8),
      dlg::Combo(IDC_PID_LOOP, 84, 10, 110, 120, WS_TABSTOP | WS_VSCROLL),
  };
  int y = 32;
  for (const FactorRow& row : kFactorRows) {
    items.push_back(dlg::RText(IDC_STATIC, row.label, 10, y + 2, 70, 8));
    items.push_back(dlg::Edit(row.editId, 84, y, 110, 13, ES_AUTOHSCROLL | WS_TABSTOP));
    y += 18;
  }
  y += 6;
  items.push_back(dlg::PushButton(IDC_PID_REFRESH, "&Refresh", 10, y, 58, 14, WS_TABSTOP));
  items.push_back(dlg::PushButton(IDC_PID_SAVE, "&Save", 73, y, 58, 14, WS_TABSTOP));
  items.push_back(dlg::DefPushButton(IDC_PID_CLOSE, "&Close", 136, y, 58, 14, WS_TABSTOP));
  return dlg::Dialog(IDD_LOOP_PID_FACTORS, "Loop PID Factors", 204, y + 22, kDialogStyle, std::move(items));
}

}  // namespace

void RegisterPlantResources(ResourceTable& table) {
  table.AddMenu({IDR_PRC_DATA_MENU, {menu::Popup("POPUP_MENU", {menu::Item("Properties", ID_PRC_DATA_PROPERTIES)})}});
  table.AddDialog(LoopPidFactorsTemplate());
}
