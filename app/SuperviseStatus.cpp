#include "app/SuperviseStatus.h"

#include "attrib/AttribTypes.h"
#include "core/VekUtils.h"

namespace {

const char* OnOff(bool b) { return b ? "On" : "Off"; }

}  // namespace

const char* const kResetCommandText = "فرمان ريست پروسس داده شد";

std::string DataSourceStatusText(const std::string& strSourceText) { return "DataSource: " + strSourceText; }

bool DataSourceStatusBlinks(bool bRealHw, bool bSuspended, bool bLinkConnected) {
  return !bRealHw || bSuspended || !bLinkConnected;
}

std::string OperatorStatusText(const std::string& strOperator) { return "Operator: " + strOperator; }

std::string RecipeStatusText(int nRecipe, const std::string& strRecipe) {
  return FormatText("Recipe: %d  %s", nRecipe, strRecipe.c_str());
}

std::string NozzleAlarmStatusText(bool bNozzlesBlocked) {
  return std::string("Alarm: ") + (bNozzlesBlocked ? "کرفتکي نازلهاي برج" : "");
}

std::string TowerStateStatusText(const TowerStateFacts& f) {
  // Each text keeps its trailing blank.
  if (!f.bHotAir2Tower) return "مسير هواي گرم آماده نيست ";
  if (f.bReturning) return "سيستم برج درحالت برکشت مي باشد ";
  if (f.bSpraying) return "سيستم برج درحالت باشش اسلوري مي باشد ";
  if (f.bFireDetected) return "آتش سوزي در برج ";
  if (f.bFireFighting) return "آتش نشاني ";
  if (f.bStopBurner) return "کوره خاموش شود ";
  if (f.bReduceBurner) return "حرارت کوره کم شود ";
  return {};
}

std::string GeneralAlarmStatusText(bool bAudio, bool bVisual) {
  return FormatText("General Audio Alarm: %s, Visual: %s", OnOff(bAudio), OnOff(bVisual));
}

std::string TowerSafetyAlarmStatusText(bool bAudio, bool bVisual) {
  return FormatText("Tower Safety Audio Alarm: %s, Visual: %s", OnOff(bAudio), OnOff(bVisual));
}

std::string SptAitStatusText(float fSpt, float fAit, bool bRecipeDiffers) {
  std::string text = FormatText("SPT: %g, AIT: %g  ", static_cast<double>(fSpt), static_cast<double>(fAit));
  if (bRecipeDiffers) text += "نياز به دانلود فرمول";
  return text;
}

const std::vector<SuperviseValueLabel>& SuperviseValueLabels() {
  static const std::vector<SuperviseValueLabel> kLabels = {
      {1104, "Flow %.0f Kg/h", CT_BELT, 0, "Flow"},
      {1103, "Density %.0f gr/liter", CT_SPRAY_DRYER, 0, "PowderDensity"},
      {1105, "Moisture %.1f %%", CT_SPRAY_DRYER, 0, "PowderMoisture"},
      {1125, "%.0f kg/h", CT_PRC_GENERAL, 0, "TotalSlurryPressure"},
      {1126, "%.1f bar", CT_SPRAY_DRYER, 0, "SlurryPressure"},
      {1117, "%.0f kg/h", CT_DOSE_PUMP, 0, "Flow"},
      {1118, "%.0f kg/h", CT_DOSE_PUMP, 1, "Flow"},
      {1119, "%.0f kg/h", CT_DOSE_PUMP, 2, "Flow"},
      {1113, "%.1f bar", CT_DOSE_PUMP, 0, "InputPressure"},
      {1114, "%.1f bar", CT_DOSE_PUMP, 1, "InputPressure"},
      {1115, "%.1f bar", CT_DOSE_PUMP, 2, "InputPressure"},
      {1106, "%.1f mmH2O", CT_SPRAY_DRYER, 0, "OutletVacuum"},
      {1128, "%.0f °C", CT_SPRAY_DRYER, 0, "InletTemperature"},
      {1129, "Temp.Out %.0f °C", CT_SPRAY_DRYER, 0, "OutletTemperature"},
      {1121, "%.1f %%H2O", CT_SPRAY_DRYER, 0, "SlurryMoisture"},
      {1122, "%.0f °C", CT_SPRAY_DRYER, 0, "SlurryTemperature"},
      {1127, "%.1f %%", CT_CNTR_FGL_PUMP, 0, "Speed"},
      {1108, "%.1f %%", CT_CNTR_FGL_PUMP, 7, "Speed"},
      {1107, "%.1f %%", CT_CNTR_FGL_PUMP, 6, "Speed"},
      {1102, "%.1f %%", CT_CNTR_FGL_PUMP, 5, "Speed"},
  };
  return kLabels;
}
