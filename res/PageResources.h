// The dialog templates of the shapes' property sheet and action dialogs:
// the template ids and the ids of their controls. res/PageResources.cpp
// holds the templates (in dialog units); the pages and dialogs in
// shapes/pages/ and shapes/actions/ read these constants.
// Constants only; usable from any thread.
#pragma once

#include "platform/WinTypes.h"

namespace page_res {

// ---- Templates --------------------------------------------------------------------------
constexpr UINT IDD_ANALOG_CALIBRATOR = 3004;
constexpr UINT IDD_ANALOG_CALIBRATION_PAGE = 3005;
constexpr UINT IDD_GENERAL_PAGE = 3007;
constexpr UINT IDD_GRAPHIC_PAGE = 3008;
constexpr UINT IDD_BELT_ACTION = 3009;
constexpr UINT IDD_CNTRFGLPMP_ACTION = 3010;
constexpr UINT IDD_DBFVALVE_ACTION = 3014;
constexpr UINT IDD_DOSEPUMP_ACTION = 3015;
constexpr UINT IDD_RTRYWHL_ACTION = 3022;
constexpr UINT IDD_HAMMER_PAGE = 3025;
constexpr UINT IDD_SAFETY_PAGE = 3026;
constexpr UINT IDD_VALVE_ACTION = 3029;
constexpr UINT IDD_VESSEL_PAGE = 3031;

// ---- Icons ------------------------------------------------------------------------------
constexpr UINT IDI_LAMP_DARK = 3034;     // a button's normal icon (a dark lamp)
constexpr UINT IDI_LAMP_RED = 3036;      // an "Off" button hot or pressed (a red lamp)

// ---- The property sheet ------------------------------------------------------------------
constexpr UINT IDC_AUTO_REFRESH = 5011;  // "Auto &Refresh", made by the sheet itself

// ---- Shared by several pages --------------------------------------------------------------
constexpr UINT IDC_PAGE_APPLY = 4001;   // "Apply" / "&Apply"
constexpr UINT IDC_PAGE_GROUP = 4087;   // the page's group box

// ---- General page (3007) ------------------------------------------------------------------
constexpr UINT IDC_NO_TARING = 4026;
constexpr UINT IDC_ACTUATOR_TYPE = 4040;
constexpr UINT IDC_LOAD_IN_WAY = 4051;
constexpr UINT IDC_PERCENT_HIGH_LOW = 4076;
constexpr UINT IDC_ACTUATOR_TYPE_LABEL = 4096;
constexpr UINT IDC_LOAD_IN_WAY_LABEL = 4101;
constexpr UINT IDC_NO_TARING_LABEL = 4106;
constexpr UINT IDC_PERCENT_HIGH_LOW_LABEL = 4111;

// ---- Graphic page (3008) ------------------------------------------------------------------
constexpr UINT IDC_COLOR_BG = 4006;
constexpr UINT IDC_COLOR_BODY = 4007;
constexpr UINT IDC_COLOR_FG = 4008;
constexpr UINT IDC_COLOR_LOCAL = 4009;
constexpr UINT IDC_COLOR_OUT_OF_RECIPE = 4010;
constexpr UINT IDC_COLOR_OVERLOAD = 4011;
constexpr UINT IDC_SAVE_COLORS = 4018;
constexpr UINT IDC_CANCEL_COLORS = 4003;
constexpr UINT IDC_UNIQUE_ID = 4044;

// ---- Analog calibrator (3004) and its page (3005) -------------------------------------------
constexpr UINT IDC_CAL_APPLY = 4000;
constexpr UINT IDC_CAL_TREND = 4019;
constexpr UINT IDC_CAL_HIGH_LEVEL = 4048;
constexpr UINT IDC_CAL_LOW_LEVEL = 4050;
constexpr UINT IDC_CAL_MAX_PHY = 4052;
constexpr UINT IDC_CAL_MAX_PORT = 4053;
constexpr UINT IDC_CAL_MIN_PHY = 4054;
constexpr UINT IDC_CAL_MIN_PORT = 4055;
constexpr UINT IDC_CAL_PHYSICAL = 4074;
constexpr UINT IDC_CAL_PORT = 4075;
constexpr UINT IDC_CAL_TITLE = 4085;
constexpr UINT IDC_CAL_PLACEHOLDER = 4086;  // "Analog 1", hidden: where the first calibrator goes
// The page's row labels, top to bottom.
constexpr UINT IDC_CAL_ROW_PHYSICAL = 4109;
constexpr UINT IDC_CAL_ROW_MIN_PHY = 4104;
constexpr UINT IDC_CAL_ROW_MAX_PHY = 4102;
constexpr UINT IDC_CAL_ROW_LOW_LEVEL = 4100;
constexpr UINT IDC_CAL_ROW_HIGH_LEVEL = 4099;
constexpr UINT IDC_CAL_ROW_PORT = 4110;
constexpr UINT IDC_CAL_ROW_MIN_PORT = 4105;
constexpr UINT IDC_CAL_ROW_MAX_PORT = 4103;
constexpr UINT IDC_CAL_ROW_TREND = 4113;

// ---- Vessel settings page (3031) --------------------------------------------------------------
constexpr UINT IDC_OVERLOAD_ERROR = 4072;
constexpr UINT IDC_OVERLOAD_WARNING = 4073;
constexpr UINT IDC_TARE_LEVEL = 4079;
constexpr UINT IDC_OVERLOAD_ERROR_LABEL = 4107;
constexpr UINT IDC_OVERLOAD_WARNING_LABEL = 4108;
constexpr UINT IDC_TARE_LEVEL_LABEL = 4112;

// ---- Hammer settings page (3025) ----------------------------------------------------------------
constexpr UINT IDC_HAMMER_SERVICE = 4025;
constexpr UINT IDC_HAMMER_FIRST = 4032;  // "Hammer 1" .. "Hammer 8": 4032-4039
constexpr UINT IDC_HAMMER_MODE = 4041;
constexpr UINT IDC_HAMMER_CYCLE = 4047;
constexpr UINT IDC_HAMMER_DELAY_FIRST = 4056;  // on delays 1-8: 4056-4063
constexpr UINT IDC_HAMMER_ONTIME_FIRST = 4064;  // on-state times 1-8: 4064-4071
constexpr int kHammerCount = 8;

// ---- Tower safety page (3026) ---------------------------------------------------------------------
constexpr UINT IDC_SAFETY_DELTA_T = 4081;
constexpr UINT IDC_SAFETY_FIRE_T = 4082;
constexpr UINT IDC_SAFETY_TOP_T = 4083;
constexpr UINT IDC_SAFETY_SLOPE_PERIOD = 4084;

// ---- Action dialogs -----------------------------------------------------------------------------
// Belt (3009).
constexpr UINT IDC_BELT_RUN = 4031;
constexpr UINT IDC_BELT_IS_ON = 4024;
constexpr UINT IDC_BELT_INCREASE = 4029;
constexpr UINT IDC_BELT_DECREASE = 4030;
// Dosing pump (3015).
constexpr UINT IDC_DOSE_IS_ON = 4027;
constexpr UINT IDC_DOSE_INCREASE = 4023;
constexpr UINT IDC_DOSE_DECREASE = 4022;
// Centrifugal pump (3010) and diverter valve (3014).
constexpr UINT IDC_DRIVE_INCREASE = 4091;
constexpr UINT IDC_DRIVE_DECREASE = 4043;
constexpr UINT IDC_DRIVE_ON = 4114;
// Valve (3029) and rotary wheel (3022).
constexpr UINT IDC_SPEED_OFF = 4031;
constexpr UINT IDC_SPEED_LOW = 4030;
constexpr UINT IDC_SPEED_HIGH = 4029;

}  // namespace page_res
