#include "shapes/actions/ActionRules.h"

std::string ActionDialogCaption(const std::string& displayTitle) { return "Action  " + displayTitle; }

bool ActionButtonOn(const ActionButtonDef& button, bool attribValue) {
  return button.showInverted ? !attribValue : attribValue;
}

SpeedButtonsOff SpeedButtonsRuledOut(int actuatorControlType) {
  SpeedButtonsOff off;
  off.high = actuatorControlType == 0;
  off.low = actuatorControlType == 1;
  return off;
}

bool IsActionPulseDue(bool stopwatchRunning, std::uint64_t elapsedMs) {
  return stopwatchRunning && elapsedMs >= kActionPulseMs;
}
