// The rules of the shapes' property sheet and pages as plain functions, so
// tests check them without a window: when a page's data exchange may move
// values, which page a new sheet opens on, the show/hide question, the edit
// colours, how many calibrators a calibration page holds and where, the
// calibration log line, and the checks of the vessel, hammer and
// tower-safety settings.
// Pure; safe on any thread.
#pragma once

#include <array>
#include <string>

#include "platform/WinTypes.h"

// ---- Sheet and page base ---------------------------------------------------------------------
// Whether a page's exchange moves values. Saving always does. A load does
// while auto refresh is on, and for a page the user has not been shown yet
// (its first fill); once shown with auto refresh off, a load leaves the
// controls alone, so the 500 ms refresh never overwrites an edit, also
// while another tab is in front.
bool PageExchangeMovesValues(bool saving, bool autoRefresh, bool shownToUser);

// The page a new sheet opens on: the remembered index, within the sheet's
// pages (0 for an empty sheet or a negative index).
int ClampPageIndex(int remembered, int pageCount);

// The show/hide gesture: a double click while the right button is held, or
// while Ctrl and Shift are both held.
bool IsShowHideGesture(bool rightButton, bool ctrl, bool shift);

// "The [name] attrib is [visible].\nDo you want to hide it?" (or
// "invisible" ... "show").
std::string AttribVisibilityQuestion(const std::string& attribName, bool visible);

// The background of a page's edit box: light green while it has the
// focus, light yellow otherwise.
constexpr COLORREF kFocusedEditColor = RGB(151, 255, 151);
constexpr COLORREF kEditColor = RGB(255, 255, 157);
inline COLORREF EditBackground(bool focused) { return focused ? kFocusedEditColor : kEditColor; }

// ---- Analog calibration -------------------------------------------------------------------------
// Calibrators per page, and pages per shape (one page also without a unit).
constexpr int kCalibratorsPerPage = 4;
int CalibrationPageCount(int unitCount);
// How many calibrators page pageIndex of a shape with unitCount units holds.
int CalibratorCount(int unitCount, int pageIndex);
// The analog unit of calibrator i on page p: 4p + i.
inline int CalibratorUnitIndex(int pageIndex, int i) { return kCalibratorsPerPage * pageIndex + i; }
// Where calibrator i sits on its page, in pixels: (70 + 85 i, 10).
CPoint CalibratorPosition(int i);

// An analog group's eight floats by role (value, MinVlu, MaxVlu, LlaVlu,
// HlaVlu, port, MinVluPort, MaxVluPort).
using AnalogGroupValues = std::array<float, 8>;
// The roles a calibration writes, in the order they are stored and logged.
constexpr std::array<int, 6> kCalibratedRoles = {1, 2, 3, 4, 6, 7};
// "The Calibration is updated in <caption>::<unit>. MinPhy[a->b], MaxPhy[...],
// LLAPhy[...], HLAPhy[...], MinPort[...], MaxPort[...]." with %g numbers.
std::string CalibrationLogLine(const std::string& deviceCaption, const std::string& unitName,
                               const AnalogGroupValues& before, const AnalogGroupValues& after);

// ---- Vessel settings ------------------------------------------------------------------------------
// The refusal of the tare level above 10 % of the scale's capacity (Persian).
extern const char* const kTareTooHighText;
extern const char* const kWarningAboveErrorText;
// "" when the levels may be stored, else the message: the tare level above
// a tenth of MaxVluLevel (within float precision) first, then a warning
// level above the error level (equal passes).
std::string CheckVesselLevels(float errorLevel, float warningLevel, float tareLevel, float maxLevel);

// ---- Hammer settings ---------------------------------------------------------------------------------
constexpr int kHammers = 8;
struct HammerTiming {
  int mode = -1;  // 0 parallel, 1 serial; anything else is no valid mode
  int cyclePeriod = 0;
  std::array<int, kHammers> onDelay{};
  std::array<int, kHammers> onTime{};
};
extern const char* const kInvalidModeText;
extern const char* const kSerialOutOfRangeText;
// "The parameters of HammerN is invalid!"
std::string HammerInvalidText(int hammer);
// "" when the timing may be stored, else the message. Parallel: each
// hammer's delay + on time within the cycle period (the highest failing
// hammer is named); serial: all delays and on times together within the
// period. Sums in 64 bits; a negative time fails like an excess.
std::string CheckHammerTiming(const HammerTiming& timing);

// ---- Tower safety ---------------------------------------------------------------------------------------
// Which of the two setting pairs one Apply stores: the critical delta T
// with its slope period when either differs from its attribute, else the
// fire-detection pair. fireStillPending: the fire pair differs too and
// waits for the next Apply.
struct SafetyApplyPlan {
  bool deltaPair = false;
  bool fireStillPending = false;
};
SafetyApplyPlan PlanSafetyApply(bool deltaPairChanged, bool firePairChanged);
// The balloon's text after a granted Apply.
std::string SafetySavedText(const SafetyApplyPlan& plan);
