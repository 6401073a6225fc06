#include "shapes/pages/PageRules.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

// ---- Sheet and page base ---------------------------------------------------------------------

bool PageExchangeMovesValues(bool saving, bool autoRefresh, bool shownToUser) {
  return saving || autoRefresh || !shownToUser;
}

int ClampPageIndex(int remembered, int pageCount) {
  if (pageCount <= 0 || remembered < 0) return 0;
  return remembered < pageCount ? remembered : pageCount - 1;
}

bool IsShowHideGesture(bool rightButton, bool ctrl, bool shift) { return rightButton || (ctrl && shift); }

std::string AttribVisibilityQuestion(const std::string& attribName, bool visible) {
  return "The [" + attribName + "] attrib is [" + (visible ? "visible" : "invisible") + "].\nDo you want to " +
         (visible ? "hide" : "show") + " it?";
}

// ---- Analog calibration -------------------------------------------------------------------------

int CalibrationPageCount(int unitCount) { return (unitCount - 1) / kCalibratorsPerPage + 1; }

int CalibratorCount(int unitCount, int pageIndex) {
  if (unitCount <= 0 || pageIndex < 0) return 0;
  if (unitCount <= kCalibratorsPerPage) return pageIndex == 0 ? unitCount : 0;
  const int pages = CalibrationPageCount(unitCount);
  if (pageIndex < pages - 1) return kCalibratorsPerPage;
  if (pageIndex == pages - 1) return unitCount - kCalibratorsPerPage * (pages - 1);
  return 0;
}

CPoint CalibratorPosition(int i) { return CPoint(70 + 85 * i, 10); }

std::string CalibrationLogLine(const std::string& deviceCaption, const std::string& unitName,
                               const AnalogGroupValues& before, const AnalogGroupValues& after) {
  static const char* const kNames[] = {"MinPhy", "MaxPhy", "LLAPhy", "HLAPhy", "MinPort", "MaxPort"};
  std::string line = "The Calibration is updated in " + deviceCaption + "::" + unitName + ".";
  for (size_t k = 0; k < kCalibratedRoles.size(); ++k) {
    const size_t role = static_cast<size_t>(kCalibratedRoles[k]);
    char pair[96];
    std::snprintf(pair, sizeof pair, "%s%s[%g->%g]", k == 0 ? " " : ", ", kNames[k],
                  static_cast<double>(before[role]), static_cast<double>(after[role]));
    line += pair;
  }
  return line + ".";
}

// ---- Vessel settings ------------------------------------------------------------------------------

const char* const kTareTooHighText = "مقدار بار چسبنده باسكول بايد كمتر از 10 درصد ظرفيت باسكول باشد";
const char* const kWarningAboveErrorText = "The OverloadWarningLevel must be smaller than the OverloadErrorLevel!";

std::string CheckVesselLevels(float errorLevel, float warningLevel, float tareLevel, float maxLevel) {
  // The levels come from text as floats: a tare of exactly a tenth of the
  // capacity must pass whatever rounding the two conversions made.
  const double limit = 0.1 * static_cast<double>(maxLevel);
  if (static_cast<double>(tareLevel) > limit + std::fabs(limit) * 1e-6) return kTareTooHighText;
  if (warningLevel > errorLevel) return kWarningAboveErrorText;
  return {};
}

// ---- Hammer settings ---------------------------------------------------------------------------------

const char* const kInvalidModeText = "Please select a valid operation mode!";
const char* const kSerialOutOfRangeText = "The timing parameter is out of range!";

std::string HammerInvalidText(int hammer) { return "The parameters of Hammer" + std::to_string(hammer) + " is invalid!"; }

std::string CheckHammerTiming(const HammerTiming& t) {
  if (t.mode != 0 && t.mode != 1) return kInvalidModeText;
  const std::int64_t period = t.cyclePeriod;
  if (t.mode == 0) {
    std::string message;
    for (int n = 0; n < kHammers; ++n) {
      const std::int64_t delay = t.onDelay[static_cast<size_t>(n)];
      const std::int64_t on = t.onTime[static_cast<size_t>(n)];
      if (delay < 0 || on < 0 || delay + on > period) message = HammerInvalidText(n + 1);
    }
    return message;
  }
  std::int64_t sum = 0;
  for (int n = 0; n < kHammers; ++n) {
    const std::int64_t delay = t.onDelay[static_cast<size_t>(n)];
    const std::int64_t on = t.onTime[static_cast<size_t>(n)];
    if (delay < 0 || on < 0) return kSerialOutOfRangeText;
    sum += delay + on;
  }
  return sum > period ? kSerialOutOfRangeText : std::string();
}

// ---- Tower safety ---------------------------------------------------------------------------------------

SafetyApplyPlan PlanSafetyApply(bool deltaPairChanged, bool firePairChanged) {
  SafetyApplyPlan plan;
  plan.deltaPair = deltaPairChanged;
  plan.fireStillPending = deltaPairChanged && firePairChanged;
  return plan;
}

std::string SafetySavedText(const SafetyApplyPlan& plan) {
  if (plan.fireStillPending)
    return "The Critical Delta T setting is saved. The Fire Detection parameters are not saved yet: "
           "press Apply again to save them.";
  return "Setting saved successfully.";
}
