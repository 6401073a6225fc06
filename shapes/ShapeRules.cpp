// The pure rules of every shape: the frame's blinking and colour, and the
// texts of the context menu's toggle items.
#include "shapes/ShapeBlink.h"
#include "shapes/ShapeClassDef.h"
#include "shapes/ShapeTypes.h"

ShapeBlink::TickResult ShapeBlink::Tick(const ShapeBlinkFlags& flags) {
  if (!flags.Any()) {
    m_bPhase = false;
    return TickResult::Stop;
  }
  m_nCounter = (m_nCounter + 1) % 5;
  if (m_nCounter > 1) return TickResult::None;
  m_bPhase = !m_bPhase;
  return TickResult::Repaint;
}

COLORREF ShapeFrameColor(bool phase, const ShapeBlinkFlags& flags) {
  if (!phase) return MIMIC_BG_COLOR;
  if (flags.dialog) return flags.alarm ? 0xFF00FF : 0x00FF00;
  if (flags.action) return 0xFF00FF;
  if (flags.alarm) return 0x0000FF;
  return 0x000000;
}

std::string ShapeMenuItemText(ShapeMenuAction action, bool on, bool twoSpeed) {
  // The item offers the opposite of the attribute's state.
  const std::string state = on ? "OFF" : "ON";
  switch (action) {
    case ShapeMenuAction::ToggleRun: return "Take " + state;
    case ShapeMenuAction::ToggleIncrease: return "Take " + state + (twoSpeed ? " High" : " Inc");
    case ShapeMenuAction::ToggleDecrease: return "Take " + state + (twoSpeed ? " Low" : " Dec");
    default: return "";
  }
}

bool IsTwoSpeedDrive(DWORD style) { return ((style >> 20) & 0xF) != 0; }
