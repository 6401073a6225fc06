// The templates of the shapes' property pages, the analog calibrator and
// the device action dialogs, in dialog units (8-point MS Shell Dlg: one
// unit is 1.5 pixels across and 1.625 down). Every page is 276 units wide,
// so the calibration page holds its row labels and four calibrators side by
// side (the page puts calibrator i at pixel 70 + 85 i, 10).
#include "res/PageResources.h"

#include <string>
#include <vector>

#include "platform/ui/ControlStyles.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/ResourceTemplates.h"
#include "res/ResourceModules.h"

using namespace page_res;

namespace {

constexpr DWORD kPageStyle = WS_CHILD | DS_CONTROL;
constexpr DWORD kActionStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kEdit = ES_AUTOHSCROLL;
constexpr int kPageWidth = 276;

DialogTemplate Page(UINT id, const std::string& caption, int cy, std::vector<DlgItemTemplate> items) {
  return dlg::Dialog(id, caption, kPageWidth, cy, kPageStyle, std::move(items));
}

// A label and its edit on one row.
void AddLabelledEdit(std::vector<DlgItemTemplate>& items, UINT labelId, const std::string& label, UINT editId,
                     int y, int labelWidth) {
  items.push_back(dlg::LText(labelId, label, 17, y + 2, labelWidth, 8));
  items.push_back(dlg::Edit(editId, 17 + labelWidth + 8, y, 60, 12, kEdit));
}

// ---- Analog calibrator and its page ------------------------------------------------------
// The calibrator's edits from the top: value, range, limits, port, port range.
constexpr UINT kCalibratorRows[] = {IDC_CAL_PHYSICAL,  IDC_CAL_MIN_PHY,  IDC_CAL_MAX_PHY,
                                    IDC_CAL_LOW_LEVEL, IDC_CAL_HIGH_LEVEL, IDC_CAL_PORT,
                                    IDC_CAL_MIN_PORT,  IDC_CAL_MAX_PORT};
constexpr int kCalibratorFirstRow = 12;
constexpr int kCalibratorRowStep = 14;
constexpr int kCalibratorTrendY = 126;
constexpr int kCalibratorTop = 6;  // the calibrators' 10 pixels from the page's top, in units

DialogTemplate CalibratorTemplate() {
  std::vector<DlgItemTemplate> items;
  items.push_back(dlg::CText(IDC_CAL_TITLE, "Analog N", 2, 0, 51, 10, SS_SUNKEN));
  int y = kCalibratorFirstRow;
  for (UINT id : kCalibratorRows) {
    // The value and the port only show the live reading; Apply never writes them.
    const bool reading = id == IDC_CAL_PHYSICAL || id == IDC_CAL_PORT;
    items.push_back(dlg::Edit(id, 2, y, 51, 12, kEdit | (reading ? ES_READONLY : 0)));
    y += kCalibratorRowStep;
  }
  items.push_back(dlg::PushButton(IDC_CAL_TREND, "X", 2, kCalibratorTrendY, 51, 12));
  items.push_back(dlg::PushButton(IDC_CAL_APPLY, "&Apply", 2, 142, 51, 14));
  return dlg::Dialog(IDD_ANALOG_CALIBRATOR, "", 55, 158, WS_CHILD, std::move(items));
}

DialogTemplate CalibrationPageTemplate() {
  struct Row {
    UINT id;
    const char* text;
  };
  const Row rows[] = {{IDC_CAL_ROW_PHYSICAL, "Physical"},   {IDC_CAL_ROW_MIN_PHY, "Min Phy"},
                      {IDC_CAL_ROW_MAX_PHY, "Max Phy"},     {IDC_CAL_ROW_LOW_LEVEL, "Low Level"},
                      {IDC_CAL_ROW_HIGH_LEVEL, "High Level"}, {IDC_CAL_ROW_PORT, "Port Value"},
                      {IDC_CAL_ROW_MIN_PORT, "Min Port"},   {IDC_CAL_ROW_MAX_PORT, "Max Port"}};
  std::vector<DlgItemTemplate> items;
  int y = kCalibratorTop + kCalibratorFirstRow + 2;
  for (const Row& row : rows) {
    items.push_back(dlg::LText(row.id, row.text, 4, y, 40, 8));
    y += kCalibratorRowStep;
  }
  items.push_back(dlg::LText(IDC_CAL_ROW_TREND, "Trend", 4, kCalibratorTop + kCalibratorTrendY + 2, 40, 8));
  items.push_back(dlg::Hidden(dlg::PushButton(IDC_CAL_PLACEHOLDER, "Analog 1", 47, kCalibratorTop, 55, 158)));
  return Page(IDD_ANALOG_CALIBRATION_PAGE, "Analog Calibration", 170, std::move(items));
}

// ---- General and graphic pages ----------------------------------------------------------------
DialogTemplate GeneralPageTemplate() {
  std::vector<DlgItemTemplate> items;
  items.push_back(dlg::GroupBox(IDC_PAGE_GROUP, "General", 7, 7, 262, 98));
  items.push_back(dlg::LText(IDC_ACTUATOR_TYPE_LABEL, "Actuator Type :", 17, 24, 70, 8));
  items.push_back(dlg::Combo(IDC_ACTUATOR_TYPE, 95, 22, 100, 70));
  AddLabelledEdit(items, IDC_LOAD_IN_WAY_LABEL, "Load in way :", IDC_LOAD_IN_WAY, 42, 70);
  AddLabelledEdit(items, IDC_PERCENT_HIGH_LOW_LABEL, "Prcntg of H/L :", IDC_PERCENT_HIGH_LOW, 62, 70);
  items.push_back(dlg::LText(IDC_NO_TARING_LABEL, "No Taring :", 17, 84, 70, 8));
  items.push_back(dlg::CheckBox(IDC_NO_TARING, "", 95, 83, 12, 10));
  items.push_back(dlg::PushButton(IDC_PAGE_APPLY, "Apply", 212, 112, 50, 14));
  return Page(IDD_GENERAL_PAGE, "General Setting", 170, std::move(items));
}

DialogTemplate GraphicPageTemplate() {
  struct ColorItem {
    UINT id;
    const char* text;
  };
  // Two columns, three rows.
  const ColorItem colors[] = {{IDC_COLOR_FG, "&Forground"},
                              {IDC_COLOR_BG, "Back&ground"},
                              {IDC_COLOR_BODY, "&Body"},
                              {IDC_COLOR_LOCAL, "&Local Control (BG)"},
                              {IDC_COLOR_OUT_OF_RECIPE, "Out of &Recipe (BG)"},
                              {IDC_COLOR_OVERLOAD, "&OverLoad (FG)"}};
  std::vector<DlgItemTemplate> items;
  items.push_back(dlg::GroupBox(0, "Colors", 7, 7, 262, 106));
  int i = 0;
  for (const ColorItem& c : colors) {
    items.push_back(dlg::PushButton(c.id, c.text, i % 2 == 0 ? 17 : 143, 22 + (i / 2) * 22, 116, 16));
    ++i;
  }
  items.push_back(dlg::PushButton(IDC_SAVE_COLORS, "Save Colors", 143, 90, 56, 14));
  items.push_back(dlg::PushButton(IDC_CANCEL_COLORS, "Cancel", 203, 90, 56, 14));
  items.push_back(dlg::LText(0, "Unique ID :", 17, 124, 45, 8));
  items.push_back(dlg::Edit(IDC_UNIQUE_ID, 65, 122, 80, 12, kEdit | ES_READONLY));
  return Page(IDD_GRAPHIC_PAGE, "Graphic", 170, std::move(items));
}

// ---- Device setting pages --------------------------------------------------------------------------
DialogTemplate VesselPageTemplate() {
  std::vector<DlgItemTemplate> items;
  items.push_back(dlg::GroupBox(IDC_PAGE_GROUP, "General", 7, 7, 262, 78));
  AddLabelledEdit(items, IDC_OVERLOAD_ERROR_LABEL, "Overload Error Level (%)", IDC_OVERLOAD_ERROR, 22, 110);
  AddLabelledEdit(items, IDC_OVERLOAD_WARNING_LABEL, "Overload Warning Level (%)", IDC_OVERLOAD_WARNING, 42, 110);
  AddLabelledEdit(items, IDC_TARE_LEVEL_LABEL, "Tare Level", IDC_TARE_LEVEL, 62, 110);
  items.push_back(dlg::PushButton(IDC_PAGE_APPLY, "Apply", 212, 92, 50, 14));
  return Page(IDD_VESSEL_PAGE, "Vessel Setting", 170, std::move(items));
}

DialogTemplate HammerPageTemplate() {
  std::vector<DlgItemTemplate> items;
  items.push_back(dlg::GroupBox(IDC_PAGE_GROUP, "Hammers Status && Timing", 7, 5, 262, 166));
  items.push_back(dlg::LText(0, "Oeration Mode", 15, 20, 52, 8));
  items.push_back(dlg::Combo(IDC_HAMMER_MODE, 70, 18, 60, 40));
  items.push_back(dlg::LText(0, "Cycle Period", 145, 20, 48, 8));
  items.push_back(dlg::Edit(IDC_HAMMER_CYCLE, 196, 18, 60, 12, kEdit));
  items.push_back(dlg::PushButton(IDC_HAMMER_SERVICE, "Activate Hammer &Service", 15, 35, 115, 14));
  items.push_back(dlg::LText(0, "Take On", 15, 55, 75, 8));
  items.push_back(dlg::LText(0, "On Delay", 100, 55, 70, 8));
  items.push_back(dlg::LText(0, "On Statet Time", 180, 55, 70, 8));
  for (int k = 0; k < kHammerCount; ++k) {
    const int y = 65 + 13 * k;
    const UINT n = static_cast<UINT>(k);
    items.push_back(dlg::PushButton(IDC_HAMMER_FIRST + n, "Hammer " + std::to_string(k + 1), 15, y, 75, 12));
    items.push_back(dlg::Edit(IDC_HAMMER_DELAY_FIRST + n, 100, y, 70, 12, kEdit));
    items.push_back(dlg::Edit(IDC_HAMMER_ONTIME_FIRST + n, 180, y, 70, 12, kEdit));
  }
  items.push_back(dlg::PushButton(IDC_PAGE_APPLY, "&Apply", 212, 176, 50, 14));
  return Page(IDD_HAMMER_PAGE, "Hammer", 194, std::move(items));
}

DialogTemplate SafetyPageTemplate() {
  std::vector<DlgItemTemplate> items;
  items.push_back(dlg::GroupBox(IDC_PAGE_GROUP, "Fire Detection Parameters", 7, 7, 262, 90));
  AddLabelledEdit(items, 0, "Critical \u2206T per minute (\u00B0C)", IDC_SAFETY_DELTA_T, 22, 150);
  AddLabelledEdit(items, 0, "T Slope Calculation Period (Second)", IDC_SAFETY_SLOPE_PERIOD, 40, 150);
  AddLabelledEdit(items, 0, "Critical Top Tower T (\u00B0C)", IDC_SAFETY_TOP_T, 58, 150);
  AddLabelledEdit(items, 0, "Critical Fire T (\u00B0C)", IDC_SAFETY_FIRE_T, 76, 150);
  items.push_back(dlg::PushButton(IDC_PAGE_APPLY, "&Apply", 212, 104, 50, 14));
  return Page(IDD_SAFETY_PAGE, "Tower Safety", 170, std::move(items));
}

// ---- Action dialogs ------------------------------------------------------------------------------
// A wide button on top and two half-width buttons under it.
DialogTemplate ThreeButtonAction(UINT id, const std::string& caption, UINT top, const std::string& topText,
                                 UINT left, const std::string& leftText, UINT right, const std::string& rightText) {
  return dlg::Dialog(id, caption, 190, 68, kActionStyle,
                     {dlg::PushButton(top, topText, 10, 10, 170, 20), dlg::PushButton(left, leftText, 10, 38, 82, 20),
                      dlg::PushButton(right, rightText, 98, 38, 82, 20)});
}

DialogTemplate BeltActionTemplate() {
  return dlg::Dialog(IDD_BELT_ACTION, "Belt Action ", 190, 100, kActionStyle,
                     {dlg::PushButton(IDC_BELT_RUN, "&On (Run)", 10, 10, 82, 20),
                      dlg::PushButton(IDC_BELT_IS_ON, "Is On", 98, 10, 82, 20),
                      dlg::PushButton(IDC_BELT_INCREASE, "&Increase Speed", 10, 38, 82, 20),
                      dlg::PushButton(IDC_BELT_DECREASE, "&Decrease Speed", 98, 38, 82, 20),
                      dlg::LText(0, "Tip: The Increase and Decrease commands are Auto Turn Off after 2 seconds.", 10,
                                 66, 170, 24)});
}

std::vector<DialogTemplate> Templates() {
  return {CalibratorTemplate(),
          CalibrationPageTemplate(),
          GeneralPageTemplate(),
          GraphicPageTemplate(),
          VesselPageTemplate(),
          HammerPageTemplate(),
          SafetyPageTemplate(),
          BeltActionTemplate(),
          ThreeButtonAction(IDD_DOSEPUMP_ACTION, "DosePump Action ", IDC_DOSE_IS_ON, "Is &On", IDC_DOSE_INCREASE,
                            "&Increase", IDC_DOSE_DECREASE, "&Decrease"),
          ThreeButtonAction(IDD_CNTRFGLPMP_ACTION, "CntrFglPump Action ", IDC_DRIVE_ON, "Take On",
                            IDC_DRIVE_INCREASE, "Turn On Inc", IDC_DRIVE_DECREASE, "Turn On Dec"),
          ThreeButtonAction(IDD_DBFVALVE_ACTION, "DBFValve Action ", IDC_DRIVE_ON, "Take On", IDC_DRIVE_INCREASE,
                            "Turn On Inc", IDC_DRIVE_DECREASE, "Turn On Dec"),
          ThreeButtonAction(IDD_VALVE_ACTION, "Valve Action ", IDC_SPEED_OFF, "&Off", IDC_SPEED_LOW, "&Low Speed",
                            IDC_SPEED_HIGH, "&High Speed"),
          ThreeButtonAction(IDD_RTRYWHL_ACTION, "RotaryWheel Action ", IDC_SPEED_OFF, "&Off", IDC_SPEED_LOW,
                            "&Low Speed", IDC_SPEED_HIGH, "&High Speed")};
}

}  // namespace

void RegisterPageResources(ResourceTable& table) {
  for (DialogTemplate& t : Templates()) table.AddDialog(std::move(t));
}
