// What the device action dialogs do, as data and plain functions: each
// dialog is a table of its buttons (what a button shows and what a click
// writes), read by one loop in C_BaseActionDlg; the speed buttons a
// valve's or wheel's actuator type rules out; when the belt's momentary
// command turns itself off.
// Pure data and functions; safe on any thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

// The refresh timer of the action dialogs.
constexpr UINT_PTR TIMER_ACTION_DLG = 6629;
constexpr UINT TIMER_ACTION_DLG_MS = 333;
// A momentary Increase or Decrease turns itself off after this long.
constexpr std::uint64_t kActionPulseMs = 2000;

enum class ActionClick {
  None,    // a feedback lamp: the click only refreshes
  Toggle,  // the attribute takes the inverse of its value
  Set,     // the attribute takes setValue (after clearAttrib is cleared)
};

// One button of an action dialog. A lamp is lit while showAttrib is on (off
// when showInverted); a text button shows textOn or textOff by it.
struct ActionButtonDef {
  UINT control = 0;
  int showAttrib = -1;
  bool showInverted = false;
  const char* textOn = nullptr;   // null: the button is a lamp
  const char* textOff = nullptr;
  ActionClick click = ActionClick::None;
  int clickAttrib = -1;
  bool setValue = false;
  int clearAttrib = -1;           // switched off first (the other speed)
  bool refreshAfterClick = true;  // else the next tick shows the change
  bool startsPulse = false;       // a momentary command: the 2 s count restarts
};

// A lamp lit by `shows`; a click does `click` on clickAttrib (setValue for Set).
ActionButtonDef LampButton(UINT control, int shows, ActionClick click, int clickAttrib, bool setValue = false);
// A text button naming what a click of it does; the click toggles attrib and
// the text follows at the next tick.
ActionButtonDef TextButton(UINT control, int attrib, const char* textOn, const char* textOff);

struct ActionDlgDef {
  std::vector<ActionButtonDef> buttons;
  // Attributes the momentary-command timeout switches off.
  std::vector<int> pulseAttribs;
  // The valve's and wheel's speed buttons (UpdateSpeedButtons) and the
  // lamp icons of their "&Off" button.
  UINT offButton = 0;
  UINT lowButton = 0;
  UINT highButton = 0;
};

// The rights check's groups for a command from an action dialog:
// Operator, Shift, Technical, Production and Plant-Admin.
constexpr int kActionGroups[] = {1, 8, 16, 32, 64};

// "Action  <display title>".
std::string ActionDialogCaption(const std::string& displayTitle);
// A button is lit / its text is the "on" text.
bool ActionButtonOn(const ActionButtonDef& button, bool attribValue);

// The speed buttons an actuator type rules out: 0 (low speed only) the
// high-speed button, 1 (high speed only) the low-speed button, others none.
struct SpeedButtonsOff {
  bool low = false;
  bool high = false;
};
SpeedButtonsOff SpeedButtonsRuledOut(int actuatorControlType);

// The momentary command is due to turn off: the stopwatch runs and has run
// for at least 2 s.
bool IsActionPulseDue(bool stopwatchRunning, std::uint64_t elapsedMs);
