// Shared constants of the grid control: result codes, section codes, cell
// property bits, data types, alignments, borders and cell-type extension
// bits. Plain compile-time values; usable from any thread.
#pragma once

#include "platform/WinTypes.h"

// ---- Results of grid and data-source operations -----------------------------
constexpr int UG_SUCCESS = 0;  // done
constexpr int UG_ERROR = 1;    // out of range, nothing to do, or none
constexpr int UG_REFUSED = 2;  // refused by a notification or a data source
constexpr int UG_THIRDCHECK = 3;  // the third check of an operation failed

// ---- Sections: the windows of the control as the notifications name them ---
constexpr int UG_GRID = 1;
constexpr int UG_TOPHEADING = 2;
constexpr int UG_SIDEHEADING = 3;
constexpr int UG_CORNERBUTTON = 4;
constexpr int UG_HSCROLL = 5;
constexpr int UG_VSCROLL = 6;
constexpr int UG_TAB = 7;

// ---- Cell property bits (a property counts only while its bit is set) ------
constexpr DWORD UGCELL_TEXT_SET = 0x1;
constexpr DWORD UGCELL_MASK_SET = 0x2;
constexpr DWORD UGCELL_LABEL_SET = 0x4;
constexpr DWORD UGCELL_DATATYPE_SET = 0x8;
constexpr DWORD UGCELL_PARAM_SET = 0x10;
constexpr DWORD UGCELL_CELLTYPE_SET = 0x20;
constexpr DWORD UGCELL_CELLTYPEEX_SET = 0x40;
constexpr DWORD UGCELL_TEXTCOLOR_SET = 0x80;
constexpr DWORD UGCELL_BACKCOLOR_SET = 0x100;
constexpr DWORD UGCELL_HTEXTCOLOR_SET = 0x200;
constexpr DWORD UGCELL_HBACKCOLOR_SET = 0x400;
constexpr DWORD UGCELL_BORDERSTYLE_SET = 0x800;
constexpr DWORD UGCELL_BORDER_SET = 0x1000;  // the border pen
constexpr DWORD UGCELL_FONT_SET = 0x2000;
constexpr DWORD UGCELL_BITMAP_SET = 0x4000;
constexpr DWORD UGCELL_ALIGNMENT_SET = 0x8000;
constexpr DWORD UGCELL_EXTRAMEM_SET = 0x10000;
constexpr DWORD UGCELL_JOIN_SET = 0x20000;
constexpr DWORD UGCELL_FORMAT_SET = 0x200000;
constexpr DWORD UGCELL_STYLE_SET = 0x800000;
constexpr DWORD UGCELL_READONLY_SET = 0x1000000;
constexpr DWORD UGCELL_NUMBERDEC_SET = 0x2000000;
constexpr DWORD UGCELL_DONOT_LOCALIZE = 0x4000000;
constexpr DWORD UGCELL_STYLEWORD_SET = 0x8000000;

// The flag word of a newly constructed cell: data type, the four colours,
// alignment and style word.
constexpr DWORD UGCELL_CONSTRUCTED_FLAGS = 0x8008788;

// ---- Cell data types ------------------------------------------------------
constexpr short UGCELLDATA_STRING = 1;
constexpr short UGCELLDATA_NUMBER = 2;
constexpr short UGCELLDATA_NUMTEXT = 3;  // compared as a number read from its text
constexpr short UGCELLDATA_TIME = 4;
constexpr short UGCELLDATA_CURRENCY = 5;

// ---- Alignment bits ---------------------------------------------------------
constexpr short UG_ALIGNLEFT = 1;
constexpr short UG_ALIGNRIGHT = 2;
constexpr short UG_ALIGNCENTER = 4;
constexpr short UG_ALIGNTOP = 8;
constexpr short UG_ALIGNBOTTOM = 16;
constexpr short UG_ALIGNVCENTER = 32;

// ---- Border bits ------------------------------------------------------------
constexpr short UG_BDR_LTHIN = 0x0001;
constexpr short UG_BDR_TTHIN = 0x0002;
constexpr short UG_BDR_RTHIN = 0x0004;
constexpr short UG_BDR_BTHIN = 0x0008;
constexpr short UG_BDR_LMEDIUM = 0x0010;
constexpr short UG_BDR_TMEDIUM = 0x0020;
constexpr short UG_BDR_RMEDIUM = 0x0040;
constexpr short UG_BDR_BMEDIUM = 0x0080;
constexpr short UG_BDR_LTHICK = 0x0100;
constexpr short UG_BDR_TTHICK = 0x0200;
constexpr short UG_BDR_RTHICK = 0x0400;
constexpr short UG_BDR_BTHICK = 0x0800;
constexpr short UG_BDR_RAISED = 0x1000;
constexpr short UG_BDR_RECESSED = 0x2000;

// ---- Style words given to heading cells --------------------------------------
constexpr long UG_STYLE_DEFAULT = 16;
constexpr long UG_STYLE_TOPHEADING_OUTER = 32;
constexpr long UG_STYLE_SIDEHEADING_OUTER = 64;
constexpr long UG_STYLE_HEADING = 128;

// ---- Cell-type extension bits of the normal type ---------------------------
constexpr long UGCT_NORMALMULTILINE = 2;
constexpr long UGCT_NORMALELLIPSIS = 4;
constexpr long UGCT_NORMALLABELTEXT = 8;
constexpr long UGCT_DISABLED = 0x4000;  // with the extension set: grey text

// ---- Cell-type indexes of the built-in types --------------------------------
constexpr int UGCT_NORMAL = 0;
constexpr int UGCT_DROPLIST = 1;
constexpr int UGCT_CHECKBOX = 2;
constexpr int UGCT_ARROW = 3;

// ---- How the last move was started ------------------------------------------
constexpr int UG_MOVE_KEYBOARD = 0;
constexpr int UG_MOVE_LBUTTON = 1;
constexpr int UG_MOVE_RBUTTON = 2;
constexpr int UG_MOVE_SCROLL = 4;
constexpr int UG_MOVE_DRAG = 3;  // the mouse moved with the left button held

// ---- Find flags -----------------------------------------------------------------
constexpr int UG_FIND_PARTIAL = 1;
constexpr int UG_FIND_CASEINSENSITIVE = 2;
constexpr int UG_FIND_UP = 4;
constexpr int UG_FIND_ALLCOLUMNS = 8;

// ---- Sort flags ---------------------------------------------------------------
constexpr int UG_SORT_ASCENDING = 1;
constexpr int UG_SORT_DESCENDING = 2;

// ---- Multi-selection mode bits -------------------------------------------------
constexpr int UG_MULTISELECT_OFF = 0;
constexpr int UG_MULTISELECT_CELL = 1;
constexpr int UG_MULTISELECT_ROW = 2;
constexpr int UG_MULTISELECT_NODUPS = 16;  // the first block holding a cell decides

// ---- Limits ---------------------------------------------------------------------
constexpr int UG_MAX_COLS = 32000;
constexpr int UG_MAX_SHEETS = 1024;
constexpr int UG_MAX_HEADING_SIZE = 1024;
constexpr long UG_UNIFORM_ROWS_LIMIT = 64001;  // from here on rows share one height
constexpr int UG_MAX_DATASOURCES = 64;

// Control ids of the child windows.
constexpr UINT UG_GRID_ID = 1;
constexpr UINT UG_TOPHDG_ID = 2;
constexpr UINT UG_SIDEHDG_ID = 3;
constexpr UINT UG_CNRBTN_ID = 4;
constexpr UINT UG_TAB_ID = 5;
constexpr UINT UG_VSCROLL_ID = 6;
constexpr UINT UG_HSCROLL_ID = 7;
constexpr UINT UG_EDIT_ID = 123;
constexpr UINT UG_MASKEDIT_ID = 124;
constexpr UINT UG_LISTBOX_ID = 125;  // the drop list's own id (the plain edit has 123)
