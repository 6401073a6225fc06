// The rules of the six loop buttons, apart from the view: whether a loop
// may go automatic and why not (the Persian reasons, one line each), what
// a click on a loop button does, and the colours and the text of a loop's
// mode report. The view gathers the facts from the plant; tests hand them
// in directly. Pure functions; any thread.
#pragma once

#include <array>
#include <string>

#include "platform/WinTypes.h"

// The state of one drive that a loop needs: on, in alarm, under local
// (not PLC) control.
struct LoopDriveFacts {
  bool bOn = false;
  bool bAlarm = false;
  bool bLocal = false;
};

// Everything the precondition check reads.
struct LoopFacts {
  std::array<bool, 6> bInPlcCtrl{};  // InPlcCtrl of loops 0-5
  bool bPowerExist = false;          // general VI_bPowerExist
  bool bNoEmergencyStop = false;     // general VI_bNoEmergencyStop
  bool bInputInterlock = false;      // general VI_bInputInterluck
  bool bHotAir2Tower = false;        // general HotAir2Tower
  bool bReturnValveOpen = false;     // general VI_bIsOpenReturnVlv
  LoopDriveFacts suctionFan;         // centrifugal machine 0
  LoopDriveFacts highPressure1;      // dosing pump 0
  LoopDriveFacts dilutionFan;        // centrifugal machine 7
  LoopDriveFacts combustionFan;      // centrifugal machine 6
  bool bFurnaceOn = false;           // heat zone 0 DiOnOffFuel
  LoopDriveFacts densityBelt;        // belt 0
};

// The loop's reasons against automatic mode, each line beginning with a
// line break and joined with "\r\n", in the order of the checks; true (and
// an empty reason) when nothing prevents it. The PLC-control checks test
// InPlcCtrl as the plant has always done (also where the loop named is
// meant to be automatic). pReason may be null.
bool CanLoopGoAutomatic(const LoopFacts& facts, int nLoop, std::string* pReason);

// What a click on a loop button leads to, the first that holds.
enum class LoopClick {
  SwitchToManual,      // the loop was automatic: it becomes manual, no check
  NeedActiveShift,     // box, then the Shift window
  NeedActiveRecipe,    // box, then the Recipe window
  RecipeDownloading,   // box
  RecipeDiffers,       // the Recipe window, no box
  NotReady,            // a balloon with CanLoopGoAutomatic's reason
  SwitchToAutomatic,
};
struct LoopClickFacts {
  bool bInAutomat = false;
  bool bActiveShift = false;
  bool bActiveRecipe = false;
  bool bRecipeWritePending = false;
  bool bRecipeDiffers = false;
  bool bReady = false;  // CanLoopGoAutomatic
};
LoopClick DecideLoopClick(const LoopClickFacts& facts);

// The box text of the three refusals that show one ("Loop Automation
// Error:\n\n" and the Persian reason); empty for the other outcomes.
std::string LoopClickBoxText(LoopClick click);
inline constexpr const char* kLoopErrorTitle = "Loop Automation Error";
inline constexpr const char* kLoopStatusTitle = "Loop Automation Status";

// The six colours of a loop button (CButtonQM indexes 0-5) by the loop's
// InPlcCtrl: backgrounds the mimic colour; texts green/red, and
// RGB(120,60,0)/RGB(100,100,100) when hot or focused.
std::array<COLORREF, 6> LoopButtonColors(bool bInPlcCtrl);

// "The [%s] loop became %s!" with the loop's name and "Automat" or "Manual".
std::string LoopModeMessage(int nLoop, bool bAutomat);
// The report of a mode change is shown only once the main window has been
// seen and the engine has run for more than 30 s, and only for InAutomat.
bool ShouldReportLoopMode(bool bMainWndShown, unsigned nEngineSeconds, bool bInAutomatChanged);
