// The texts and blink rules of the supervise view's status lines and value
// labels, apart from the view: each line's text from the plant's facts,
// whether it blinks, and the table of the labels that show process values.
// The view gathers the facts every 333 ms (timer 6620) and sets the texts.
// Pure functions and constant tables; any thread.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

// "DataSource: <text>"; it blinks while the source is not Real HW, the
// data obtainer is suspended or no hardware link is connected (Real HW
// then shows no plant values), so only live plant data looks steady.
std::string DataSourceStatusText(const std::string& strSourceText);
bool DataSourceStatusBlinks(bool bRealHw, bool bSuspended, bool bLinkConnected);
// "Operator: <name>" and "Recipe: <number>  <name>".
std::string OperatorStatusText(const std::string& strOperator);
std::string RecipeStatusText(int nRecipe, const std::string& strRecipe);
// "Alarm: " with the nozzle-blocking text while the nozzle alarm is on.
std::string NozzleAlarmStatusText(bool bNozzlesBlocked);

// The tower's state, the first that holds, in this order; empty when none.
struct TowerStateFacts {
  bool bHotAir2Tower = false;     // general HotAir2Tower (false: the hot-air path is not ready)
  bool bReturning = false;        // general VI_bIsOpenReturnVlv
  bool bSpraying = false;         // general VI_bIsSpraying
  bool bFireDetected = false;     // tower VI_bFireDetected
  bool bFireFighting = false;     // tower VI_bFireFighting
  bool bStopBurner = false;       // tower VI_bStopBurner
  bool bReduceBurner = false;     // tower VI_bReduceBurner
};
std::string TowerStateStatusText(const TowerStateFacts& facts);

// "General Audio Alarm: On, Visual: Off" and the tower-safety line alike.
std::string GeneralAlarmStatusText(bool bAudio, bool bVisual);
std::string TowerSafetyAlarmStatusText(bool bAudio, bool bVisual);
// "SPT: %g, AIT: %g  ", with the download request appended when the PC
// and PLC recipes differ (the line then blinks).
std::string SptAitStatusText(float fSpt, float fAit, bool bRecipeDiffers);

// The recipe-download lines of the tower-state label.
inline constexpr const char* kRecipeDownloadingText = "Recipe is downloading to PLC...";
inline constexpr const char* kRecipeDownloadedText = "Recipe is downloaded.";
// The alarm record of the reset-process command.
inline constexpr const char* kResetCommandTitle = "ResetCommand1";
extern const char* const kResetCommandText;

// A label that shows one attribute's value: the label, its format, the
// object (control type and instance; the general object is type 13
// instance 0) and the attribute's name.
struct SuperviseValueLabel {
  UINT nLabelId;
  const char* format;
  int controlType;
  int instance;
  const char* attrib;
};
const std::vector<SuperviseValueLabel>& SuperviseValueLabels();
