// ShapeClassDef: everything a device class states about itself as data:
// its control type, its attribute table, the interlocks of its boolean
// setter and its context menu. A class keeps one definition for its whole
// life (a function-local static) and hands it to C_BaseShape, which reads
// it in every lookup; the class's own code is then only what differs
// (drawing, reactions no table covers).
// Plain data, read-only once made; safe to read from any thread.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "shapes/ShapeAttribTable.h"

// One drive of a shape: its speed-up and speed-down commands (never both
// on), its running feedback and its run command. Any id may be -1 (none).
// Rules, applied by the boolean setter before the new value is stored:
// increase on -> decrease off; decrease on -> increase off; feedback on ->
// the repaint timer starts; run command on -> the repaint timer starts;
// run command off -> decrease off, then increase off.
struct DriveInterlock {
  int increase = -1;
  int decrease = -1;
  int runFeedback = -1;
  int runCommand = -1;
};

// The side effects of a class's boolean setter, before the value is stored.
struct ShapeBoolRules {
  std::vector<int> alarmBlink;    // the alarm-blink flag follows these ids' new value
  std::vector<DriveInterlock> drives;
  std::vector<int> blinkOnTrue;   // further ids that start the repaint timer when switched on
};

// What a context-menu command does.
enum class ShapeMenuAction {
  ToggleRun,       // "Take %s" with ON/OFF: inverts the attribute
  ToggleIncrease,  // "Take %s" with ON Inc/OFF Inc (ON High/OFF High on a two-speed drive)
  ToggleDecrease,  // "Take %s" with ON Dec/OFF Dec (ON Low/OFF Low on a two-speed drive)
  Action,          // the action dialog (ShowActionDialog)
  Properties,      // the property sheet (ShowPropertySheet)
};

struct ShapeMenuItem {
  UINT commandId = 0;
  ShapeMenuAction action = ShapeMenuAction::Properties;
  int attribId = -1;  // the attribute a Toggle item inverts and reads
};

// The context menu: the menu resource (its first submenu pops up) and how
// its commands are handled. Texts of the items are in the resource tables.
struct ShapeMenuDef {
  UINT menuId = 0;
  std::vector<ShapeMenuItem> items;
  // Increase and decrease are greyed while this run command is off (-1: never).
  int speedNeedsRunId = -1;
};

struct ShapeClassDef {
  int controlType = 0;
  ShapeAttribTable attribs;
  ShapeBoolRules boolRules;
  ShapeMenuDef menu;
};

// "Take %s" filled for a toggle item: "ON"/"OFF" for the run item, with
// " Inc"/" Dec" (" High"/" Low" on a two-speed drive) for the speed items.
// Empty for the other actions. Pure.
std::string ShapeMenuItemText(ShapeMenuAction action, bool on, bool twoSpeed);

// A drive is two-speed when bits 20-23 of the style word are not zero. Pure.
bool IsTwoSpeedDrive(DWORD style);
