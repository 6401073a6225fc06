// The RoveDazuvi Verov's dialog template and its boolean markers.
#include "res/TagBrowserResources.h"

#include "platform/Messages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/ResourceTable.h"
#include "res/ResourceModules.h"

namespace {

// A resizable tool window; shown by its owner once the rights check passed.
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                               WS_MAXIMIZEBOX | DS_CENTER;

DialogTemplate BrowserTemplate() {
  return dlg::Dialog(IDD_ROVEDAZUVI_VEROV, "VekFrame RoveDazuvi Verov", 620, 320, kDialogStyle, {
      dlg::LText(IDC_STATIC, "Line", 7, 9, 18, 8),
      dlg::Edit(IDC_RDV_GOTO_LINE, 27, 6, 40, 14, ES_AUTOHSCROLL | WS_TABSTOP),
      dlg::DefPushButton(IDC_RDV_GO, "&Go", 70, 6, 30, 14, WS_TABSTOP),
      dlg::CheckBox(IDC_RDV_SUSPEND, "Suspend Data Obtainer", 112, 8, 100, 10, WS_TABSTOP),
      // (The text is split so that "??)" is not read as a trigraph.)
      dlg::RText(IDC_RDV_HIGHLIGHT_LABEL, "Highlight (?????" ")", 368, 9, 80, 8),
      dlg::Edit(IDC_RDV_FILTER, 452, 6, 145, 14, ES_AUTOHSCROLL | WS_TABSTOP),
      dlg::PushButton(IDC_RDV_CLEAR_FILTER, "x", 599, 6, 14, 14, WS_TABSTOP),
      dlg::Control(IDC_RDV_GRID, DlgItemClass::Static, "", WS_BORDER | WS_TABSTOP, 7, 25, 606, 288),
  });
}

// 16 by 16 round markers: a white bar on grey for false, a white tick on
// green for true; white around them.
const std::vector<std::pair<char, COLORREF>> kFalsePalette = {
    {'.', RGB(255, 255, 255)}, {'o', RGB(96, 96, 96)}, {'f', RGB(160, 160, 160)}, {'w', RGB(255, 255, 255)}};
const std::vector<std::pair<char, COLORREF>> kTruePalette = {
    {'.', RGB(255, 255, 255)}, {'o', RGB(20, 110, 40)}, {'f', RGB(46, 170, 70)}, {'w', RGB(255, 255, 255)}};

ImageTemplate FalseMarker() {
  return {IDB_RDV_BOOL_FALSE, 16, 16, kFalsePalette,
          {
              "................",
              ".....oooooo.....",
              "...ooffffffoo...",
              "..ooffffffffoo..",
              "..offffffffffo..",
              ".offffffffffffo.",
              ".offffffffffffo.",
              ".offwwwwwwwwffo.",
              ".offwwwwwwwwffo.",
              ".offffffffffffo.",
              ".offffffffffffo.",
              "..offffffffffo..",
              "..ooffffffffoo..",
              "...ooffffffoo...",
              ".....oooooo.....",
              "................",
          },
          nullptr};
}

ImageTemplate TrueMarker() {
  return {IDB_RDV_BOOL_TRUE, 16, 16, kTruePalette,
          {
              "................",
              ".....oooooo.....",
              "...ooffffffoo...",
              "..ooffffffffoo..",
              "..offffffffwfo..",
              ".offffffffwwffo.",
              ".offfffffwwwffo.",
              ".offfffffwwfffo.",
              ".offwwffwwffffo.",
              ".offwwwwwwffffo.",
              ".offfwwwwfffffo.",
              "..offfwwfffffo..",
              "..ooffffffffoo..",
              "...ooffffffoo...",
              ".....oooooo.....",
              "................",
          },
          nullptr};
}

}  // namespace

void RegisterTagBrowserResources(ResourceTable& table) {
  table.AddDialog(BrowserTemplate());
  table.AddBitmap(FalseMarker());
  table.AddBitmap(TrueMarker());
}
