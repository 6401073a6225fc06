#include "grid/UGColors.h"

#include "platform/ui/SysColors.h"

COLORREF UGSysColor(int colorIndex) { return GetSysColor(colorIndex); }

int UGScrollBarSize(bool vertical) { return GetSystemMetrics(vertical ? SM_CXVSCROLL : SM_CYHSCROLL); }
