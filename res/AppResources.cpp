// The supervise form (101): the status group with its eight status lines,
// the loop group with its six loop buttons, the "Trends" button and the
// labels that show process values on the mimic.
#include "res/AppResources.h"

#include "platform/ui/ControlStyles.h"
#include "platform/ui/ResourceTable.h"
#include "res/ResourceModules.h"

namespace {

using namespace app_res;

// One label of the form: id, position and size in dialog units, the text
// it shows until the view sets its own, and whether it starts hidden.
struct LabelItem {
  UINT id;
  int x, y, cx, cy;
  const char* text;
  bool hidden;
  bool centred = false;  // the caption: its serif's first letter leans past a left edge
};

constexpr LabelItem kLabels[] = {
    // The status lines in the "System Status" group.
    {IDC_STATUS_DATA_SOURCE, 432, 451, 232, 8, "Data Source", false},
    {IDC_STATUS_OPERATOR, 432, 462, 232, 8, "Operator Name", false},
    {IDC_STATUS_RECIPE, 432, 473, 232, 8, "Recipe Name", false},
    {IDC_STATUS_MESSAGE_1, 432, 484, 232, 8, "Message 1", false},
    {IDC_STATUS_MESSAGE_2, 432, 495, 232, 8, "Message 2", false},
    {IDC_STATUS_MESSAGE_3, 432, 506, 232, 8, "Message 3", false},
    {IDC_STATUS_MESSAGE_4, 432, 517, 232, 8, "Message 4", false},
    {IDC_STATUS_MESSAGE_5, 432, 528, 232, 8, "Message 5", false},
    {IDC_CAPTION_LABEL, 0, 549, 102, 8, "VekFrame Spray Dryer", false, true},
    // Values on the mimic.
    {1113, 148, 198, 44, 8, "Input DP0", false},
    {1114, 148, 240, 44, 8, "Input DP1", false},
    {1115, 148, 283, 44, 8, "Input DP2", false},
    {1117, 199, 160, 57, 10, "Output DP0", false},
    {1118, 199, 202, 57, 10, "Output DP1", false},
    {1119, 199, 244, 57, 10, "Output DP2", false},
    {1127, 7, 91, 41, 8, "labelSuctionFan", false},
    {1112, 83, 6, 67, 8, "labelFeedingPump0", true},
    {1109, 83, 20, 67, 8, "labelFeedingPump1", true},
    {1110, 83, 34, 67, 8, "labelFeedingPump2", true},
    {1111, 83, 49, 67, 8, "labelFeedingPump3", true},
    {1102, 550, 44, 38, 8, "labelAirLiftFan", false},
    {1107, 195, 525, 40, 8, "labelCombustionFan", false},
    {1108, 117, 461, 40, 8, "labelDilutionFan", false},
    {1128, 218, 384, 44, 12, "Temp.In", false},
    {1129, 187, 26, 97, 11, "Temp.Out", false},
    {1116, 521, 161, 143, 8, "Nozzle Message", false},
    {1104, 519, 191, 143, 10, "Flow xxxx Kg/h", false},
    {1103, 519, 205, 143, 10, "Density xxx gr/lit", false},
    {1105, 519, 218, 143, 10, "Moisture xx.x %", false},
    {1120, 7, 309, 94, 8, "Slurry", false},
    {1121, 7, 320, 94, 8, "xx.x % H2O", false},
    {1122, 7, 331, 94, 8, "xx \u00b0C", false},
    {1124, 198, 103, 70, 12, "Slurry", false},
    {1125, 198, 115, 70, 12, "xxxx Kg/h", false},
    {1126, 197, 128, 70, 9, "x.x bar", false},
    {1123, 113, 134, 76, 11, "Returned Slurry", false},
    {1106, 200, 73, 98, 8, " x mmH2O", false},
    {1137, 200, 59, 42, 8, "Vacuum", false},
};

// A loop button: an automatic check box that the view draws push-like.
struct LoopButtonItem {
  UINT id;
  int y, cx;
  const char* text;
};

constexpr LoopButtonItem kLoopButtons[] = {
    {IDC_LOOP_VACUUM, 301, 50, "Vacuum"},
    {IDC_LOOP_SLURRY_PRESSURE, 317, 81, "Slurry Pressure"},
    {IDC_LOOP_DILUTION_FAN_RATIO, 333, 108, " Slurry Dilution Fan Ratio"},
    {IDC_LOOP_INLET_AIR_TEMPERATURE, 349, 104, "Inlet Air Temperature"},
    {IDC_LOOP_DENSITY, 365, 52, "Density"},
    {IDC_LOOP_MOISTURE, 381, 57, "Moisture"},
};
constexpr int kLoopButtonX = 435;
constexpr int kLoopButtonHeight = 10;
constexpr DWORD kLoopButtonStyle = 0x50010D03;  // child, visible, tab stop, auto check box, left, centred

DialogTemplate SuperviseForm() {
  std::vector<DlgItemTemplate> items = {
      dlg::GroupBox(IDC_GROUP_STATUS, "System Status", 423, 436, 259, 109),
      dlg::GroupBox(IDC_GROUP_LOOPS, "Automatic Control Loops", 423, 284, 127, 123),
      dlg::PushButton(ID_TREND_FRAME, "Trends", 15, 10, 40, 15, WS_TABSTOP),
  };
  for (const LoopButtonItem& b : kLoopButtons)
    items.push_back(dlg::Control(b.id, DlgItemClass::Button, b.text, kLoopButtonStyle, kLoopButtonX, b.y, b.cx,
                                 kLoopButtonHeight));
  for (const LabelItem& l : kLabels) {
    DlgItemTemplate label = l.centred ? dlg::CText(l.id, l.text, l.x, l.y, l.cx, l.cy)
                                      : dlg::LText(l.id, l.text, l.x, l.y, l.cx, l.cy);
    items.push_back(l.hidden ? dlg::Hidden(label) : label);
  }
  return dlg::Dialog(IDD_SUPERVISE_FORM, "", 807, 557, WS_CHILD, std::move(items));
}

}  // namespace

void RegisterAppResources(ResourceTable& table) {
  table.AddDialog(SuperviseForm());
}
