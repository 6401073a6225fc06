#include "grid/UGColors.h"

COLORREF UGSysColor(int colorIndex) {
  switch (colorIndex) {
    case UG_COLOR_WINDOW: return RGB(255, 255, 255);
    case UG_COLOR_WINDOWTEXT: return RGB(0, 0, 0);
    case UG_COLOR_HIGHLIGHT: return RGB(0, 120, 215);
    case UG_COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
    case UG_COLOR_3DFACE: return RGB(240, 240, 240);
    case UG_COLOR_BTNSHADOW: return RGB(160, 160, 160);
    case UG_COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
    case UG_COLOR_INFOBK: return RGB(255, 255, 225);
    default: return RGB(0, 0, 0);
  }
}

int UGScrollBarSize(bool /*vertical*/) { return 17; }
