// The trend window's dialog templates.
#include "res/TrendResources.h"

#include "platform/Messages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/ResourceTable.h"
#include "res/ResourceModules.h"

using namespace trend_res;

namespace {

constexpr DWORD kChildStyle = WS_CHILD | DS_CONTROL;

DialogTemplate TrendForm() {
  return dlg::Dialog(IDD_TREND_FORM, "", 667, 414, kChildStyle, {
      dlg::Hidden(dlg::LText(IDC_TREND_PLACEHOLDER, "PlaceHolder in Scrollable Child Dialog", 4, 35, 660, 372)),
      dlg::PushButton(IDC_TREND_SUPERVISE, "Supervise", 15, 10, 40, 15, WS_TABSTOP),
  });
}

DialogTemplate ScrollHost() {
  return dlg::Dialog(IDD_TREND_SCROLL_HOST, "", 660, 372, kChildStyle | WS_VSCROLL | WS_CLIPCHILDREN, {});
}

DialogTemplate TrendPanel() {
  return dlg::Dialog(IDD_TREND_PANEL, "", 631, 158, kChildStyle | WS_BORDER, {
      dlg::Custom(IDC_TREND_CHART, "ChartCtrl", "", WS_CHILD | WS_VISIBLE, 4, 4, 420, 149),
      dlg::List(IDC_TREND_SAMPLES, 429, 4, 93, 149, LBS_NOINTEGRALHEIGHT),
      dlg::LText(IDC_TREND_DESCRIPTION, "", 529, 10, 93, 39, SS_NOPREFIX),
      dlg::Hidden(dlg::LText(IDC_TREND_GEOMETRY, "", 531, 60, 82, 58, SS_NOPREFIX)),
      dlg::Hidden(dlg::CheckBox(IDC_TREND_SMOOTH, "&Smooth", 533, 123, 40, 10, WS_TABSTOP)),
      dlg::CheckBox(IDC_TREND_AUTO_REFRESH, "&Auto Refresh", 533, 141, 57, 10, WS_TABSTOP),
      dlg::PushButton(IDC_TREND_PRINT, "&Print", 597, 139, 28, 14, WS_TABSTOP),
  });
}

}  // namespace

void RegisterTrendResources(ResourceTable& table) {
  table.AddDialog(TrendForm());
  table.AddDialog(ScrollHost());
  table.AddDialog(TrendPanel());
}
