// The trend window's templates and their control ids: the trend form
// (3020), the scroll host of the panels (3023) and one trend panel (3027).
// res/TrendResources.cpp holds their items.
// Constants only; usable from any thread.
#pragma once

#include "platform/WinTypes.h"

namespace trend_res {

// The trend form: a hidden placeholder the scroll host takes the place
// of, and the "Supervise" button (command 709).
constexpr UINT IDD_TREND_FORM = 3020;
constexpr UINT IDC_TREND_PLACEHOLDER = 4095;
constexpr UINT IDC_TREND_SUPERVISE = 709;

// The scroll host: an empty child dialog with a vertical scroll bar.
constexpr UINT IDD_TREND_SCROLL_HOST = 3023;

// One trend panel.
constexpr UINT IDD_TREND_PANEL = 3027;
constexpr UINT IDC_TREND_CHART = 4020;
constexpr UINT IDC_TREND_AUTO_REFRESH = 4021;
constexpr UINT IDC_TREND_SMOOTH = 4117;
constexpr UINT IDC_TREND_SAMPLES = 4093;
constexpr UINT IDC_TREND_GEOMETRY = 4077;
constexpr UINT IDC_TREND_DESCRIPTION = 4080;
constexpr UINT IDC_TREND_PRINT = 4016;

}  // namespace trend_res
