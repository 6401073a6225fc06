// The numbers every device shape shares: the ids, names and types of the 27
// base attributes, the shapes' timers and their periods, the shape command
// message, the window style of a shape and the mimic's colours.
// Constants only; usable from any thread.
#pragma once

#include "platform/WinTypes.h"

// The base attributes of every shape (ids 0-26); a class numbers its own
// attributes from BA_COUNT on.
enum eBaseAttrib : int {
  BA_BaseReserveFloat1 = 0,
  BA_LoadInWay = 1,
  BA_BaseReserveBool1 = 2,
  BA_DeviceIsInRecipe = 3,
  BA_DeviceIsOverloaded = 4,
  BA_NoTaring = 5,
  BA_BaseReserveInt1 = 6,
  BA_ColorBgOutOfRecipe = 7,
  BA_ColorBgLocal = 8,
  BA_ColorBG = 9,
  BA_ColorFG = 10,
  BA_ColorFgOverload = 11,
  BA_ColorBody = 12,
  BA_ColorBgOld = 13,
  BA_ColorFgOld = 14,
  BA_ColorBodyOld = 15,
  BA_ColorBgOutOfRecipeOld = 16,
  BA_ColorBgLocalOld = 17,
  BA_ColorFgOverloadOld = 18,
  BA_DrawPosX = 19,
  BA_DrawPosY = 20,
  BA_DrawSizeX = 21,
  BA_DrawSizeY = 22,
  BA_ActuatorControlType = 23,
  BA_PercentOfHighLowSpeed = 24,
  BA_BaseReserveString1 = 25,
  BA_DeviceCaption = 26,
  BA_COUNT = 27,
};

// Repaints a running shape (its animation), and blinks the state frame.
constexpr UINT_PTR TIMER_SHAPE_BLINK = 6632;
constexpr UINT TIMER_SHAPE_BLINK_MS = 90;
constexpr UINT_PTR TIMER_SHAPE_ALARM_BLINK = 6634;
constexpr UINT TIMER_SHAPE_ALARM_BLINK_MS = 96;

// Posted by a shape to its parent when it clamped a value: wParam 0, lParam
// the control id OR (the attribute id shifted left by 8). The supervise
// view has no handler for it.
constexpr UINT WM_SHAPE_COMMAND = 0x477;

// WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_SIMPLE.
constexpr DWORD SHAPE_WINDOW_STYLE = 0x5000010B;

// The mimic's background (the supervise view paints its pipework on it).
constexpr COLORREF MIMIC_BG_COLOR = 0x323232;

// The INI-file index of the plant's settings file in the shapes' table.
constexpr int SHAPE_SETTINGS_INI_INDEX = 1;
// The table's size when nobody sets it.
constexpr int SHAPE_DEFAULT_INI_FILE_COUNT = 2;
