#include "res/ControlsResources.h"

#include "platform/Messages.h"
#include "platform/Seams.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/ResourceTable.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER;

DialogTemplate InputBoxTemplate() {
  return dlg::Dialog(IDD_INPUT_BOX, "Input", 240, 96, kDialogStyle, {
      dlg::Control(IDC_INPUT_HEADER_ICON, DlgItemClass::Static, "", SS_ICON, 7, 7, 20, 20),
      dlg::LText(IDC_INPUT_HEADER, "", 32, 7, 201, 20),
      dlg::Edit(IDC_INPUT_VALUE, 32, 32, 178, 14, ES_AUTOHSCROLL | WS_TABSTOP),
      dlg::PushButton(IDC_INPUT_BROWSE, "...", 213, 32, 20, 14, WS_TABSTOP),
      dlg::LText(IDC_INPUT_NOTE, "", 32, 50, 201, 18),
      dlg::DefPushButton(IDOK, "OK", 129, 75, 50, 14, WS_TABSTOP),
      dlg::PushButton(IDCANCEL, "Cancel", 183, 75, 50, 14, WS_TABSTOP),
  });
}

DialogTemplate AboutTemplate() {
  return dlg::Dialog(IDD_BASE_ABOUT, "About VekFrame", 220, 90, kDialogStyle, {
      dlg::Control(IDC_STATIC, DlgItemClass::Static, "", SS_ICON, 10, 10, 20, 20),
      dlg::LText(IDC_ABOUT_PRODUCT, "VekFrame", 40, 10, 170, 10),
      dlg::LText(IDC_ABOUT_VERSION, "Version 1.0", 40, 22, 170, 10),
      dlg::LText(IDC_ABOUT_TEXT, "Supervisory control of the spray-dryer line.", 40, 36, 170, 24),
      dlg::DefPushButton(IDOK, "OK", 160, 69, 50, 14, WS_TABSTOP),
  });
}

}  // namespace

void RegisterControlsResources(ResourceTable& table) {
  table.AddDialog(InputBoxTemplate());
  table.AddDialog(AboutTemplate());
}

void RegisterControlsDialogs() {
  ResourceTable& table = ResourceTable::Instance();
  if (!table.FindDialog(IDD_INPUT_BOX) || !table.FindDialog(IDD_BASE_ABOUT)) RegisterControlsResources(table);
}
