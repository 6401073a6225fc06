// The pipework of the supervise mimic: the ducts, slurry and powder lines
// that join the devices of the device list, as one table of drawing
// primitives in view pixels (unscrolled), in the order they are drawn:
// filled shapes first, then the lines pen by pen in the palette's order,
// the two green lines last. DrawPipework draws them shifted by the
// scroll position. The table is constant; drawing is user-interface
// thread only.
#pragma once

#include <vector>

#include "platform/WinTypes.h"

class CDC;

enum class PipeKind {
  Polygon,   // filled with the brush, outlined with the pen
  Polyline,  // joined segments
  Line,      // from the first point to the second
  Rect,      // filled rectangle: first point top-left, second bottom-right
  Arc,       // the ellipse in points 0-1 from point 2 to point 3, counter-clockwise
};

// The palette: brushes and pens (colour 0x00BBGGRR, width in pixels).
struct PipeBrush {
  COLORREF color;
};
struct PipePen {
  COLORREF color;
  int width;
};
const std::vector<PipeBrush>& PipeworkBrushes();
const std::vector<PipePen>& PipeworkPens();

struct PipePrimitive {
  PipeKind kind;
  int pen;    // index into PipeworkPens(); -1: no outline
  int brush;  // index into PipeworkBrushes(); -1: not filled
  std::vector<CPoint> points;
};
const std::vector<PipePrimitive>& PipeworkPrimitives();

// The rectangle that holds every primitive (pens' widths included).
CRect PipeworkBounds();

// Draws every primitive onto dc, moved by -scroll.
void DrawPipework(CDC& dc, CPoint scroll);
