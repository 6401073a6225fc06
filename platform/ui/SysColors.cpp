#include "platform/ui/SysColors.h"

#include <QGuiApplication>
#include <QScreen>
#include <array>

#include "platform/ui/Brush.h"

namespace {

// The fixed colour scheme, by index.
constexpr std::array<COLORREF, kSysColorCount> kSysColors = {
    RGB(200, 200, 200),  // 0 scroll bar
    RGB(0, 0, 0),        // 1 desktop
    RGB(153, 180, 209),  // 2 active caption
    RGB(191, 205, 219),  // 3 inactive caption
    RGB(240, 240, 240),  // 4 menu
    RGB(255, 255, 255),  // 5 window
    RGB(100, 100, 100),  // 6 window frame
    RGB(0, 0, 0),        // 7 menu text
    RGB(0, 0, 0),        // 8 window text
    RGB(0, 0, 0),        // 9 caption text
    RGB(180, 180, 180),  // 10 active border
    RGB(244, 247, 252),  // 11 inactive border
    RGB(171, 171, 171),  // 12 application workspace
    RGB(0, 120, 215),    // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(240, 240, 240),  // 15 button face (3-D face)
    RGB(160, 160, 160),  // 16 button shadow
    RGB(109, 109, 109),  // 17 grey text
    RGB(0, 0, 0),        // 18 button text
    RGB(0, 0, 0),        // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(105, 105, 105),  // 21 3-D dark shadow
    RGB(227, 227, 227),  // 22 3-D light
    RGB(0, 0, 0),        // 23 tooltip text
    RGB(255, 255, 225),  // 24 tooltip background
    RGB(0, 0, 0),        // 25 (unused)
    RGB(0, 102, 204),    // 26 hot-tracked item
    RGB(185, 209, 234),  // 27 active caption gradient
    RGB(215, 228, 242),  // 28 inactive caption gradient
    RGB(51, 153, 255),   // 29 menu highlight
    RGB(240, 240, 240),  // 30 menu bar
};

struct MetricEntry {
  int index;
  int value;
};

constexpr MetricEntry kMetrics[] = {
    {SM_CXVSCROLL, 17}, {SM_CYHSCROLL, 17}, {SM_CYVSCROLL, 17}, {SM_CXHSCROLL, 17},
    {SM_CYCAPTION, 23}, {SM_CXBORDER, 1},   {SM_CYBORDER, 1},   {SM_CXDLGFRAME, 3},
    {SM_CYDLGFRAME, 3}, {SM_CYVTHUMB, 17},  {SM_CXHTHUMB, 17},  {SM_CXICON, 32},
    {SM_CYICON, 32},    {SM_CXCURSOR, 32},  {SM_CYCURSOR, 32},  {SM_CYMENU, 20},
    {SM_CXMIN, 136},    {SM_CYMIN, 39},     {SM_CXSIZE, 36},    {SM_CYSIZE, 22},
    {SM_CXFRAME, 4},    {SM_CYFRAME, 4},    {SM_CXDOUBLECLK, 4}, {SM_CYDOUBLECLK, 4},
    {SM_CXEDGE, 2},     {SM_CYEDGE, 2},     {SM_CXSMICON, 16},  {SM_CYSMICON, 16},
    {SM_CXDRAG, 4},     {SM_CYDRAG, 4},
};

QSize ScreenSize() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) return screen->size();
  }
  return QSize(1280, 1024);
}

}  // namespace

COLORREF GetSysColor(int index) {
  if (index < 0 || index >= kSysColorCount) return 0;
  return kSysColors[static_cast<size_t>(index)];
}

CBrush* GetSysColorBrush(int index) {
  static std::array<CBrush*, kSysColorCount> brushes = [] {
    std::array<CBrush*, kSysColorCount> all{};
    for (int i = 0; i < kSysColorCount; ++i) all[static_cast<size_t>(i)] = new CBrush(kSysColors[static_cast<size_t>(i)]);
    return all;
  }();
  if (index < 0 || index >= kSysColorCount) index = COLOR_WINDOW;
  return brushes[static_cast<size_t>(index)];
}

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return ScreenSize().width();
    case SM_CYSCREEN: return ScreenSize().height();
    case SM_CXFULLSCREEN:
    case SM_CXMAXIMIZED: return ScreenSize().width();
    case SM_CYFULLSCREEN: return ScreenSize().height() - 23;
    case SM_CYMAXIMIZED: return ScreenSize().height();
    default: break;
  }
  for (const MetricEntry& m : kMetrics)
    if (m.index == index) return m.value;
  return 0;
}
