#include "app/Pipework.h"

#include <algorithm>
#include <memory>

#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/Pen.h"

namespace {

// Brushes: air, slurry and powder, hot air.
enum Brush { kAirFill, kSlurryFill, kHotAirFill };
// Pens, in drawing order.
enum Pen {
  kPowder,        // powder chutes
  kHotAirDuct,    // the main hot-air duct into the tower
  kAirDuct,       // exhaust, dilution and air-lift ducts
  kFeedLine,      // filters to feeding pumps
  kSlurryRiser,   // high-pressure slurry to the nozzles
  kSlurryHeader,  // feeding pumps to the high-pressure pumps, the return line
  kInstrument,    // measuring taps
  kHotAirBranch,  // combustion air and the hot-air bypass stack
  kGreen,         // the silos' outlets to packing
};

PipePrimitive Shape(PipeKind kind, int pen, int brush, std::vector<CPoint> points) {
  return PipePrimitive{kind, pen, brush, std::move(points)};
}
PipePrimitive Lines(int pen, std::vector<CPoint> points) { return Shape(PipeKind::Polyline, pen, -1, std::move(points)); }
PipePrimitive Line(int pen, CPoint from, CPoint to) { return Shape(PipeKind::Line, pen, -1, {from, to}); }
PipePrimitive Arrow(int brush, std::vector<CPoint> points) { return Shape(PipeKind::Polygon, -1, brush, std::move(points)); }

std::vector<PipePrimitive> MakePrimitives() {
  std::vector<PipePrimitive> p;
  // ---- Filled: arrowheads where a line leaves the plant, caps, joints.
  p.push_back(Arrow(kAirFill, {{2, 180}, {10, 172}, {10, 188}}));                  // suction fan exhaust
  p.push_back(Arrow(kAirFill, {{888, 130}, {880, 122}, {880, 138}}));              // air-lift fan exhaust
  p.push_back(Arrow(kSlurryFill, {{150, 240}, {158, 234}, {158, 246}}));           // returned slurry
  p.push_back(Arrow(kHotAirFill, {{403, 675}, {395, 667}, {395, 683}}));           // hot air into the tower
  p.push_back(Shape(PipeKind::Rect, -1, kAirFill, {{554, 14}, {567, 27}}));        // air-lift riser's bends
  p.push_back(Shape(PipeKind::Rect, -1, kAirFill, {{724, 14}, {737, 27}}));
  p.push_back(Shape(PipeKind::Rect, -1, kHotAirFill, {{305, 596}, {326, 602}}));   // bypass stack's collar
  // ---- Powder: tower to the transfer belts, the air-lift cyclone down to the silos.
  p.push_back(Line(kPowder, {463, 800}, {455, 820}));
  p.push_back(Lines(kPowder, {{470, 835}, {595, 835}, {595, 810}}));
  p.push_back(Lines(kPowder, {{730, 140}, {730, 160}, {670, 160}}));
  p.push_back(Lines(kPowder, {{625, 240}, {625, 299}, {650, 299}}));
  p.push_back(Line(kPowder, {730, 308}, {730, 320}));
  p.push_back(Line(kPowder, {895, 430}, {905, 480}));
  p.push_back(Line(kPowder, {897, 510}, {865, 540}));
  p.push_back(Line(kPowder, {913, 510}, {945, 540}));
  // ---- The hot-air duct: diverter valve into the tower.
  p.push_back(Line(kHotAirDuct, {330, 675}, {395, 675}));
  // ---- Air: tower exhaust to the cyclone, cyclone to the suction fan and
  // out; dilution air; the air lift up to its cyclone and fan.
  p.push_back(Lines(kAirDuct, {{463, 100}, {463, 25}, {250, 25}, {250, 60}}));
  p.push_back(Lines(kAirDuct, {{220, 90}, {150, 90}, {150, 212}, {135, 212}}));
  p.push_back(Line(kAirDuct, {52, 180}, {10, 180}));
  p.push_back(Line(kAirDuct, {266, 785}, {282, 785}));
  p.push_back(Lines(kAirDuct, {{595, 782}, {595, 765}, {560, 765}, {560, 20}, {730, 20}, {730, 42}}));
  p.push_back(Lines(kAirDuct, {{750, 60}, {800, 60}, {800, 102}}));
  p.push_back(Line(kAirDuct, {828, 130}, {880, 130}));
  // ---- Slurry: rotary filters to the feeding pumps.
  for (int y : {280, 350, 420, 490}) p.push_back(Line(kFeedLine, {130, y + 15}, {160, y + 17}));
  // ---- High-pressure pumps to the riser, the riser to the tower's nozzles.
  for (int y : {280, 350, 420}) p.push_back(Line(kSlurryRiser, {360, y + 18}, {390, y + 18}));
  p.push_back(Lines(kSlurryRiser, {{390, 438}, {390, 150}, {403, 150}}));
  // ---- Feeding pumps into the header, the header to the high-pressure pumps; the return line.
  for (int y : {280, 350, 420, 490}) p.push_back(Line(kSlurryHeader, {195, y + 17}, {215, y + 17}));
  p.push_back(Line(kSlurryHeader, {215, 297}, {215, 507}));
  for (int y : {280, 350, 420}) p.push_back(Line(kSlurryHeader, {215, y + 18}, {240, y + 18}));
  p.push_back(Line(kSlurryHeader, {390, 240}, {360, 240}));
  p.push_back(Line(kSlurryHeader, {340, 240}, {158, 240}));
  // ---- Measuring taps: outlet vacuum and temperature, inlet temperature, slurry pressure.
  p.push_back(Lines(kInstrument, {{420, 31}, {420, 80}, {403, 80}}));
  p.push_back(Line(kInstrument, {398, 668}, {398, 646}));
  p.push_back(Line(kInstrument, {386, 200}, {374, 200}));
  // ---- Combustion air into the heat zone; the hot-air bypass stack and its cap.
  p.push_back(Line(kHotAirBranch, {330, 812}, {330, 798}));
  p.push_back(Line(kHotAirBranch, {315, 660}, {315, 604}));
  p.push_back(Shape(PipeKind::Arc, kHotAirBranch, -1, {{301, 584}, {330, 612}, {330, 598}, {301, 598}}));
  // ---- The silos' outlets to packing.
  p.push_back(Line(kGreen, {865, 700}, {865, 722}));
  p.push_back(Line(kGreen, {945, 700}, {945, 722}));
  return p;
}

}  // namespace

const std::vector<PipeBrush>& PipeworkBrushes() {
  static const std::vector<PipeBrush> kBrushes = {{0xFFFFD7}, {0xFFFFE6}, {0xD7D7FF}};
  return kBrushes;
}

const std::vector<PipePen>& PipeworkPens() {
  static const std::vector<PipePen> kPens = {{0xFFFFE6, 4},  {0xD7D7FF, 15}, {0xFFFFD7, 12},
                                             {0xFFFFE6, 3},  {0xFFFFE6, 7},  {0xFFFFE6, 5},
                                             {0xFFBE78, 2},  {0xD7D7FF, 12}, {0x00FF00, 3}};
  return kPens;
}

const std::vector<PipePrimitive>& PipeworkPrimitives() {
  static const std::vector<PipePrimitive> kPrimitives = MakePrimitives();
  return kPrimitives;
}

CRect PipeworkBounds() {
  CRect bounds(INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN);
  for (const PipePrimitive& primitive : PipeworkPrimitives()) {
    const int half = primitive.pen >= 0 ? (PipeworkPens()[static_cast<size_t>(primitive.pen)].width + 1) / 2 : 0;
    for (const CPoint& point : primitive.points) {
      bounds.left = std::min(bounds.left, point.x - half);
      bounds.top = std::min(bounds.top, point.y - half);
      bounds.right = std::max(bounds.right, point.x + half);
      bounds.bottom = std::max(bounds.bottom, point.y + half);
    }
  }
  return bounds;
}

void DrawPipework(CDC& dc, CPoint scroll) {
  std::vector<std::unique_ptr<CPen>> pens;
  for (const PipePen& pen : PipeworkPens()) pens.push_back(std::make_unique<CPen>(PS_SOLID, pen.width, pen.color));
  std::vector<std::unique_ptr<CBrush>> brushes;
  for (const PipeBrush& brush : PipeworkBrushes()) brushes.push_back(std::make_unique<CBrush>(brush.color));
  CPen noPen(PS_NULL, 0, 0);
  CPen* oldPen = dc.SelectObject(&noPen);
  CBrush* oldBrush = nullptr;
  std::vector<CPoint> points;
  for (const PipePrimitive& primitive : PipeworkPrimitives()) {
    points.clear();
    for (const CPoint& point : primitive.points) points.emplace_back(point.x - scroll.x, point.y - scroll.y);
    dc.SelectObject(primitive.pen >= 0 ? pens[static_cast<size_t>(primitive.pen)].get() : &noPen);
    CBrush* brush = primitive.brush >= 0 ? brushes[static_cast<size_t>(primitive.brush)].get() : nullptr;
    switch (primitive.kind) {
      case PipeKind::Polygon: {
        CBrush* previous = dc.SelectObject(brush);
        if (!oldBrush) oldBrush = previous;
        dc.Polygon(points.data(), static_cast<int>(points.size()));
        break;
      }
      case PipeKind::Polyline:
        dc.Polyline(points.data(), static_cast<int>(points.size()));
        break;
      case PipeKind::Line:
        dc.MoveTo(points[0]);
        dc.LineTo(points[1]);
        break;
      case PipeKind::Rect:
        dc.FillRect(CRect(points[0].x, points[0].y, points[1].x, points[1].y), brush);
        break;
      case PipeKind::Arc:
        dc.Arc(CRect(points[0].x, points[0].y, points[1].x, points[1].y), points[2], points[3]);
        break;
    }
  }
  dc.SelectObject(oldPen);
  if (oldBrush) dc.SelectObject(oldBrush);
}
