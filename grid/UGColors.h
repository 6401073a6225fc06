// The system colours the grid uses by their classic indexes, read through
// one function so that the whole grid follows one colour table.
// Plain functions; any thread.
#pragma once

#include "platform/WinTypes.h"

constexpr int UG_COLOR_WINDOW = 5;
constexpr int UG_COLOR_WINDOWTEXT = 8;
constexpr int UG_COLOR_HIGHLIGHT = 13;
constexpr int UG_COLOR_HIGHLIGHTTEXT = 14;
constexpr int UG_COLOR_3DFACE = 15;  // also the button face
constexpr int UG_COLOR_BTNSHADOW = 16;
constexpr int UG_COLOR_BTNHIGHLIGHT = 20;
constexpr int UG_COLOR_INFOBK = 24;

// The width of a vertical scroll bar (vertical) or the height of a
// horizontal one.
int UGScrollBarSize(bool vertical);

// The colour of a system colour index.
COLORREF UGSysColor(int colorIndex);
