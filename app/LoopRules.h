// The rules of the six loop buttons, apart from the view: what a click on
// a loop button does, the box texts, and the colours and the text of a
// loop's mode report. Whether a loop may go automatic, and the facts a
// click is decided on, are the plant's (plant/LoopPreconditions.h); the
// view gathers them there; tests hand them in directly. Pure functions;
// any thread.
#pragma once

#include <array>
#include <string>

#include "plant/LoopPreconditions.h"
#include "platform/WinTypes.h"

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
