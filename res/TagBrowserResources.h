// Resources of the tag browser: the dialog template of the RoveDazuvi
// Verov (3012) with its control ids, and the two 16 by 16 markers its grid
// shows beside a boolean value (3001 false, 3002 true).
// RegisterTagBrowserResources is one of the resource modules
// (res/Resources.cpp). Threads: user-interface thread.
#pragma once

#include "platform/WinTypes.h"

constexpr UINT IDD_ROVEDAZUVI_VEROV = 3012;
constexpr UINT IDC_RDV_GOTO_LINE = 4046;       // edit: the line to go to
constexpr UINT IDC_RDV_GO = 4012;              // button "&Go"
constexpr UINT IDC_RDV_SUSPEND = 4028;         // check box "Suspend Data Obtainer"
constexpr UINT IDC_RDV_GRID = 3013;            // placeholder the grid takes over
constexpr UINT IDC_RDV_FILTER = 4045;          // edit: the highlight filter
constexpr UINT IDC_RDV_CLEAR_FILTER = 4004;    // button "x"
constexpr UINT IDC_RDV_HIGHLIGHT_LABEL = 4098; // "Highlight (n)"

constexpr UINT IDB_RDV_BOOL_FALSE = 3001;
constexpr UINT IDB_RDV_BOOL_TRUE = 3002;

class ResourceTable;
void RegisterTagBrowserResources(ResourceTable& table);
