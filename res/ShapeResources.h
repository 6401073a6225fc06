// The context menus of the device shapes: their resource ids (3041-3053,
// one per shape class) and command ids (35000 on). Each shape class reads
// its own constants; res/ShapeResources.cpp holds the menus' items.
// Constants only; usable from any thread.
#pragma once

#include "platform/WinTypes.h"

// C_DBFValve (menu 3043).
constexpr UINT IDR_SHAPE_MENU_DBF_VALVE = 3043;
constexpr UINT ID_DBFVALVE_ACTION = 35010;
constexpr UINT ID_DBFVALVE_PROPERTIES = 35011;
constexpr UINT ID_DBFVALVE_TAKE_ONOFF = 35012;

// C_Valve (menu 3052).
constexpr UINT IDR_SHAPE_MENU_VALVE = 3052;
constexpr UINT ID_VALVE_ACTION = 35038;
constexpr UINT ID_VALVE_PROPERTIES = 35039;
constexpr UINT ID_VALVE_TAKE_ONOFF = 35040;
