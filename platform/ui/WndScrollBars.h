// Platform-internal: the scroll bars of a window (WS_HSCROLL / WS_VSCROLL).
// Threads: user-interface thread.
#pragma once

#include <memory>

#include "platform/ui/ScrollBarAdapter.h"

class QWidget;

namespace platform_detail {

struct WndScrollBars {
  std::unique_ptr<ScrollBarAdapter> bars[2];  // SB_HORZ, SB_VERT (owned by their toolkit bars too)
  // The square where the two shown bars meet (owned by the window's widget).
  QWidget* corner = nullptr;
  bool shown[2] = {false, false};
  bool userHidden[2] = {false, false};  // ShowScrollBar(FALSE)
  bool forced[2] = {false, false};      // ShowScrollBar(TRUE) until the next SetScrollInfo
};

}  // namespace platform_detail
