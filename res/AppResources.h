// The resource ids of the application: the main frame's menus and
// accelerators, the commands of its menus, the document strings of the two
// document templates, the supervise form and its controls, the splash
// bitmap, and the icons and cursors of the frame's windows. The tables
// themselves are in FrameResources.cpp, AppResources.cpp and AppImages.cpp.
// Constants only; any thread.
#pragma once

#include "platform/WinTypes.h"

namespace app_res {

// ---- Menus, accelerators and strings of one id ------------------------------------------
constexpr UINT IDR_MAINFRAME = 128;  // the frame's own menu, its accelerators and title
constexpr UINT IDR_SUPERVISE = 107;  // the supervise window: menu and document strings
constexpr UINT IDR_TRENDS = 3040;    // the trend window: menu and document strings

// ---- Commands of the menus --------------------------------------------------------------
constexpr UINT ID_DATASOURCE_NONE = 701;
constexpr UINT ID_DATASOURCE_DEMO = 702;
constexpr UINT ID_DATASOURCE_REAL = 703;
constexpr UINT ID_RECIPE_RANGE = 704;
constexpr UINT ID_RECIPE = 705;
constexpr UINT ID_SHIFT = 706;
constexpr UINT ID_RECORD_INTERVAL = 707;
constexpr UINT ID_TAG_BROWSER = 708;
constexpr UINT ID_SUPERVISE_FRAME = 709;
constexpr UINT ID_TREND_FRAME = 710;
constexpr UINT ID_NEXT_FRAME = 711;
constexpr UINT ID_LOOP_PID_FACTORS = 712;
constexpr UINT ID_CHANGE_PASSWORD = 713;
constexpr UINT ID_USERS_EDITOR = 714;
constexpr UINT ID_WINDOW_CLOSE_ALL = 113;  // also the string "Close All"
constexpr UINT ID_RESET_PROCESS = 32771;

// ---- Images -----------------------------------------------------------------------------
// The dark lamp 3034 and the red lamp 3036 are page_res::IDI_LAMP_DARK and
// page_res::IDI_LAMP_RED (res/PageResources.h); AppImages.cpp draws all four.
constexpr UINT IDB_SPLASH = 3000;
constexpr UINT IDI_LOOP_BUTTON_HOT = 3035;    // a loop button hot or pressed (green lamp)
constexpr UINT IDI_RECORD_INTERVAL = 3038;    // the record-interval box's header (stopwatch)
constexpr UINT IDC_LOOP_BUTTON = 4094;        // over a loop button (pointing hand)
constexpr UINT IDC_SCROLL_GRAB = 4088;        // over the trend panels' host (open hand)
constexpr UINT IDC_SCROLL_DRAG = 4089;        // while dragging the trend panels (closed hand)

// ---- The supervise form and its controls -------------------------------------------------
constexpr UINT IDD_SUPERVISE_FORM = 101;
constexpr UINT IDC_GROUP_LOOPS = 1100;
constexpr UINT IDC_GROUP_STATUS = 1101;
constexpr UINT IDC_LOOP_DENSITY = 1006;
constexpr UINT IDC_LOOP_INLET_AIR_TEMPERATURE = 1007;
constexpr UINT IDC_LOOP_MOISTURE = 1008;
constexpr UINT IDC_LOOP_DILUTION_FAN_RATIO = 1009;
constexpr UINT IDC_LOOP_SLURRY_PRESSURE = 1010;
constexpr UINT IDC_LOOP_VACUUM = 1011;
constexpr UINT IDC_STATUS_DATA_SOURCE = 1130;
constexpr UINT IDC_STATUS_MESSAGE_4 = 1131;
constexpr UINT IDC_STATUS_RECIPE = 1132;
constexpr UINT IDC_STATUS_MESSAGE_1 = 1133;
constexpr UINT IDC_STATUS_MESSAGE_2 = 1134;
constexpr UINT IDC_STATUS_OPERATOR = 1135;
constexpr UINT IDC_STATUS_MESSAGE_3 = 1136;
constexpr UINT IDC_STATUS_MESSAGE_5 = 1139;
constexpr UINT IDC_CAPTION_LABEL = 1138;
// The loop buttons by loop index (0 Vacuum ... 5 Moisture).
constexpr UINT kLoopButtonIds[6] = {IDC_LOOP_VACUUM,        IDC_LOOP_SLURRY_PRESSURE,
                                    IDC_LOOP_DILUTION_FAN_RATIO, IDC_LOOP_INLET_AIR_TEMPERATURE,
                                    IDC_LOOP_DENSITY,       IDC_LOOP_MOISTURE};

}  // namespace app_res
