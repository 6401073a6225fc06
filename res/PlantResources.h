// The plant instance's own resources: the context menu of the process-data
// objects (3048) and the loop PID factors dialog (template 102) with its
// control ids. res/PlantResources.cpp holds their items.
// Constants only; usable from any thread.
#pragma once

#include "platform/WinTypes.h"

// The process-data objects' context menu: "Properties" only.
constexpr UINT IDR_PRC_DATA_MENU = 3048;
constexpr UINT ID_PRC_DATA_PROPERTIES = 35029;

// The loop PID factors dialog ("Loop PID Factors").
constexpr UINT IDD_LOOP_PID_FACTORS = 102;
constexpr UINT IDC_PID_REFRESH = 1002;
constexpr UINT IDC_PID_SAVE = 1003;
constexpr UINT IDC_PID_LOOP = 1012;
constexpr UINT IDC_PID_DEAD_BAND = 1086;
constexpr UINT IDC_PID_GAIN = 1087;
constexpr UINT IDC_PID_LAG_TIME = 1088;
constexpr UINT IDC_PID_PERIOD_TIME = 1089;
constexpr UINT IDC_PID_PULSE_BREAK_TIME = 1090;
constexpr UINT IDC_PID_TD = 1091;
constexpr UINT IDC_PID_TI = 1092;
constexpr UINT IDC_PID_CLOSE = 5009;
