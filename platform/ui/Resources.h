// Platform-internal access to the images of the resource tables, turned
// into toolkit images once and kept for the program's life.
// Threads: user-interface thread.
#pragma once

#include <QCursor>
#include <QImage>

#include "platform/WinTypes.h"
#include "platform/ui/GdiTypes.h"
#include "platform/ui/ResourceTemplates.h"

struct HICON__ {
  QImage image;  // ARGB32 with transparency
};
struct HCURSOR__ {
  QCursor cursor;
};

namespace platform_detail {

// The bitmap of the id (RGB32), or null when unknown.
const QImage* FindBitmapImage(UINT id);
// Renders an image template (transparent where no palette entry matches).
QImage RenderImageTemplate(const ImageTemplate& image);

}  // namespace platform_detail
