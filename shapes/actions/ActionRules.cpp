#include "shapes/actions/ActionRules.h"

std::string ActionDialogCaption(const std::string& displayTitle) { return "Action  " + displayTitle; }

ActionButtonDef LampButton(UINT control, int shows, ActionClick click, int clickAttrib, bool setValue) {
  ActionButtonDef b;
  b.control = control;
  b.showAttrib = shows;
  b.click = click;
  b.clickAttrib = clickAttrib;
  b.setValue = setValue;
  return b;
}

ActionButtonDef TextButton(UINT control, int attrib, const char* textOn, const char* textOff) {
  ActionButtonDef b = LampButton(control, attrib, ActionClick::Toggle, attrib);
  b.textOn = textOn;
  b.textOff = textOff;
  b.refreshAfterClick = false;
  return b;
}

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
