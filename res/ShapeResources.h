// The context menus of the device shapes: their resource ids (3041-3053,
// one per shape class) and command ids (35000 on). Each shape class reads
// its own constants; res/ShapeResources.cpp holds the menus' items.
// Constants only; usable from any thread.
#pragma once

#include "platform/WinTypes.h"

// C_Belt (menu 3041).
constexpr UINT IDR_SHAPE_MENU_BELT = 3041;
constexpr UINT ID_BELT_ACTION = 35000;
constexpr UINT ID_BELT_DECREASE = 35001;
constexpr UINT ID_BELT_INCREASE = 35002;
constexpr UINT ID_BELT_PROPERTIES = 35003;
constexpr UINT ID_BELT_TAKE_ONOFF = 35004;

// C_CntrFglPmp (menu 3042).
constexpr UINT IDR_SHAPE_MENU_CNTR_FGL_PMP = 3042;
constexpr UINT ID_CNTRFGLPMP_ACTION = 35005;
constexpr UINT ID_CNTRFGLPMP_DECREASE = 35006;
constexpr UINT ID_CNTRFGLPMP_INCREASE = 35007;
constexpr UINT ID_CNTRFGLPMP_PROPERTIES = 35008;
constexpr UINT ID_CNTRFGLPMP_TAKE_ONOFF = 35009;

// C_DBFValve (menu 3043).
constexpr UINT IDR_SHAPE_MENU_DBF_VALVE = 3043;
constexpr UINT ID_DBFVALVE_ACTION = 35010;
constexpr UINT ID_DBFVALVE_PROPERTIES = 35011;
constexpr UINT ID_DBFVALVE_TAKE_ONOFF = 35012;

// C_DosePump (menu 3044).
constexpr UINT IDR_SHAPE_MENU_DOSE_PUMP = 3044;
constexpr UINT ID_DOSEPUMP_ACTION = 35013;
constexpr UINT ID_DOSEPUMP_DECREASE = 35014;
constexpr UINT ID_DOSEPUMP_INCREASE = 35015;
constexpr UINT ID_DOSEPUMP_PROPERTIES = 35016;
constexpr UINT ID_DOSEPUMP_TAKE_ONOFF = 35017;

// C_HtZn (menu 3047).
constexpr UINT IDR_SHAPE_MENU_HEAT_ZONE = 3047;
constexpr UINT ID_HTZN_ACTION = 35026;
constexpr UINT ID_HTZN_PROPERTIES = 35027;
constexpr UINT ID_HTZN_TAKE_ONOFF = 35028;

// C_RtryWhl (menu 3050).
constexpr UINT IDR_SHAPE_MENU_RTRY_WHL = 3050;
constexpr UINT ID_RTRYWHL_ACTION = 35033;
constexpr UINT ID_RTRYWHL_PROPERTIES = 35034;
constexpr UINT ID_RTRYWHL_TAKE_ONOFF = 35035;

// C_SpryDryr (menu 3051).
constexpr UINT IDR_SHAPE_MENU_SPRAY_DRYER = 3051;
constexpr UINT ID_SPRAYDRYER_ACTION = 35036;
constexpr UINT ID_SPRAYDRYER_PROPERTIES = 35037;

// C_Valve (menu 3052).
constexpr UINT IDR_SHAPE_MENU_VALVE = 3052;
constexpr UINT ID_VALVE_ACTION = 35038;
constexpr UINT ID_VALVE_PROPERTIES = 35039;
constexpr UINT ID_VALVE_TAKE_ONOFF = 35040;

// C_Vessel (menu 3053).
constexpr UINT IDR_SHAPE_MENU_VESSEL = 3053;
constexpr UINT ID_VESSEL_ACTION = 35041;
constexpr UINT ID_VESSEL_PROPERTIES = 35042;
constexpr UINT ID_VESSEL_TAKE_ONOFF = 35043;
