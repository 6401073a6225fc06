// Platform-internal: the pixels a painted window keeps. Every drawing into
// the window (its paint pass, a client context at any time, an inverted
// tracking line) goes into this image; the toolkit's paint event only
// copies it to the screen. The window therefore keeps what was drawn, as a
// window does, until the program repaints it.
// Threads: user-interface thread.
#pragma once

#include <QImage>
#include <QRegion>

namespace platform_detail {

struct WndSurface {
  QImage image;            // RGB32, the size of the widget
  QRegion invalid;         // what the next paint pass must draw
  bool erase = true;       // the next paint pass erases the background first
  bool inPaintEvent = false;
};

}  // namespace platform_detail
