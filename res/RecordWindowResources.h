// The record windows' templates and their control ids: the recipe window
// (104), the recipe ranges (103), the shift window (105) and the new-shift
// dialog (106). Rows of the seventeen recipe items use consecutive ids
// from a first id (item n at first + n - 1); their captions are filled in
// by the windows. res/RecordWindowResources.cpp holds the items.
// Constants only; usable from any thread.
#pragma once

#include "platform/WinTypes.h"

namespace record_res {

constexpr int kRecipeItemRows = 17;

// The recipe window: the recipe list, the shown recipe's name, number and
// items, the PC/PLC check report, and the commands.
constexpr UINT IDD_RECIPE = 104;
constexpr UINT IDC_RECIPE_LIST = 1201;
constexpr UINT IDC_RECIPE_NAME = 1202;
constexpr UINT IDC_RECIPE_NUMBER = 1203;
constexpr UINT IDC_RECIPE_REPORT = 1204;
constexpr UINT IDC_RECIPE_NEW = 1205;
constexpr UINT IDC_RECIPE_SAVE = 1206;
constexpr UINT IDC_RECIPE_DELETE = 1207;
constexpr UINT IDC_RECIPE_ACTIVATE = 1208;
constexpr UINT IDC_RECIPE_DOWNLOAD = 1209;
constexpr UINT IDC_RECIPE_VERIFY = 1210;
constexpr UINT IDC_RECIPE_CLOSE = 1211;
constexpr UINT IDC_RECIPE_CHECK_GROUP = 1212;
constexpr UINT IDC_RECIPE_ITEM_FIRST = 1220;     // edits of items 1-17
constexpr UINT IDC_RECIPE_CAPTION_FIRST = 1240;  // captions of items 1-17

// The recipe ranges: minimum and maximum per item.
constexpr UINT IDD_RECIPE_RANGE = 103;
constexpr UINT IDC_RANGE_MIN_FIRST = 1260;
constexpr UINT IDC_RANGE_MAX_FIRST = 1280;
constexpr UINT IDC_RANGE_CAPTION_FIRST = 1300;

// The shift window: the active shift's fields and the new-shift command.
constexpr UINT IDD_SHIFT = 105;
constexpr UINT IDC_SHIFT_OPERATOR = 1320;
constexpr UINT IDC_SHIFT_START = 1321;
constexpr UINT IDC_SHIFT_START_SHAMSI = 1322;
constexpr UINT IDC_SHIFT_TOTAL_PRODUCED = 1323;
constexpr UINT IDC_SHIFT_TOTAL_SLURRY = 1324;
constexpr UINT IDC_SHIFT_TOTAL_TIME = 1325;
constexpr UINT IDC_SHIFT_USEFUL_TIME = 1326;
constexpr UINT IDC_SHIFT_NEW = 1327;

// The new-shift dialog: the operator's name.
constexpr UINT IDD_NEW_SHIFT = 106;
constexpr UINT IDC_NEW_SHIFT_OPERATOR = 1330;

}  // namespace record_res
