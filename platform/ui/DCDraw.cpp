// Device context: lines, shapes, fills, pixels, bitmaps and scrolling.
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/DCData.h"
#include "platform/ui/Pen.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"

using platform_detail::DCData;
using platform_detail::ToQColor;

namespace platform_detail {
QBrush MakeObjectBrush(CBrush* brush, COLORREF text, COLORREF bk);
}

namespace {

QRect Normalized(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  return QRect(left, top, right - left, bottom - top);
}

// The parametric angle (degrees, counter-clockwise, y up) at which the ray
// from the centre of the box towards the point cuts the ellipse.
double RayAngle(const QRectF& box, int x, int y) {
  const double cx = box.center().x();
  const double cy = box.center().y();
  const double a = std::max(box.width() / 2.0, 1e-9);
  const double b = std::max(box.height() / 2.0, 1e-9);
  const double theta = std::atan2(-(y - cy), x - cx);
  return std::atan2(a * std::sin(theta), b * std::cos(theta)) * 180.0 / std::numbers::pi;
}

// The selected pen and brush as the painter draws them; a null object draws nothing.
QPen SelectedPen(const DCData& d) { return d.PenIsNull() ? QPen(Qt::NoPen) : d.MakePen(); }
QBrush SelectedBrush(const DCData& d) { return d.BrushIsNull() ? QBrush(Qt::NoBrush) : d.MakeBrush(); }

// Gives the painter the pen and brush, with the raster operation and the brush origin.
void PaintWith(const DCData& d, QPainter* p, QPen pen, QBrush brush) {
  d.ApplyRop2(p, &pen, &brush);
  p->setPen(pen);
  p->setBrush(brush);
  p->setBrushOrigin(d.BrushOriginLogical());
}

// A shape drawn inside the normalized box with the selected pen and brush
// (Ellipse, RoundRect); an empty box draws nothing.
template <class Draw>
BOOL DrawBoxShape(DCData& d, int left, int top, int right, int bottom, Draw draw) {
  QPainter* p = d.Begin();
  if (p == nullptr) return FALSE;
  const QRect r = Normalized(left, top, right, bottom);
  if (r.width() < 1 || r.height() < 1) return TRUE;
  const QPen pen = SelectedPen(d);
  PaintWith(d, p, pen, SelectedBrush(d));
  draw(p, QRectF(r.left(), r.top(), r.width() - 1, r.height() - 1));
  return TRUE;
}

// A thin dashed or dotted level or upright line copied onto an image that
// holds both its ends: its pixels are written directly, in the toolkit's
// own pattern, at a fraction of the cost of a stroke (grid lines are drawn
// so). The stroke covers the pixels from the start up to, not including,
// the end, and lays the pattern from its first pixel in the line's
// direction (a clip cuts it without moving it); the gaps take the
// background colour when the background mode is opaque. False when the
// line is not such a case; the caller strokes it then.
bool WriteDashedLine(DCData& d, CPoint from, CPoint to) {
  const std::span<const int> pattern = platform_detail::DashPattern(d.state.penStyle);
  QImage* image = d.image;
  if (pattern.empty() || image == nullptr || !image->isDetached() || d.painter == nullptr ||
      d.painter->device() != image)
    return false;
  const QImage::Format format = image->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied)
    return false;
  const QPointF shift = d.Transform().map(QPointF(0, 0));
  const QPoint a(from.x + static_cast<int>(shift.x()), from.y + static_cast<int>(shift.y()));
  const QPoint b(to.x + static_cast<int>(shift.x()), to.y + static_cast<int>(shift.y()));
  const bool level = a.y() == b.y();
  const int along = level ? image->width() : image->height();
  const int across = level ? image->height() : image->width();
  const int start = level ? a.x() : a.y();
  const int end = level ? b.x() : b.y();
  const int line = level ? a.y() : a.x();
  // Beyond the image the toolkit starts the pattern at its edge instead.
  if (start < 0 || start > along || end < 0 || end > along || line < 0 || line >= across) return false;

  // The pattern as one flag a pixel in the order the pixels are written
  // (lowest first), and the pixels' colours.
  const bool forward = end > start;
  bool pattern0[64];
  int length = 0;
  for (size_t i = 0; i < pattern.size(); ++i)
    for (int k = 0; k < pattern[i] && length < 64; ++k) pattern0[length++] = i % 2 == 0;
  bool dash[64];
  for (int i = 0; i < length; ++i) dash[i] = pattern0[forward ? i : (length - i) % length];
  const QRgb ink = qRgb(GetRValue(d.state.penColor), GetGValue(d.state.penColor), GetBValue(d.state.penColor));
  const QRgb paper = qRgb(GetRValue(d.state.bkColor), GetGValue(d.state.bkColor), GetBValue(d.state.bkColor));
  const bool opaque = d.state.bkMode == OPAQUE;

  const int first = forward ? start : start - 1;  // the pattern's first pixel
  const int lo = forward ? start : end;           // pixels lo .. hi-1
  const int hi = forward ? end : start;
  uchar* bits = image->bits();
  const qsizetype stride = image->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  const qsizetype step = level ? 1 : stride;
  const QRegion clip = d.HasClip() ? d.EffectiveClip() : QRegion(image->rect());
  for (const QRect& r : clip) {
    const QRect box = r.intersected(image->rect());
    const int boxLine0 = level ? box.top() : box.left();
    const int boxLine1 = level ? box.bottom() : box.right();
    if (line < boxLine0 || line > boxLine1) continue;
    const int v0 = std::max(lo, level ? box.left() : box.top());
    const int v1 = std::min(hi, (level ? box.right() : box.bottom()) + 1);
    if (v0 >= v1) continue;
    const int k0 = (forward ? v0 - first : first - v0) % length;  // the pattern's place at v0
    int i = forward ? k0 : (length - k0) % length;
    QRgb* pixel = reinterpret_cast<QRgb*>(bits) + (level ? line * stride + v0 : v0 * stride + line);
    for (int v = v0; v < v1; ++v, pixel += step) {
      if (dash[i]) {
        *pixel = ink;
      } else if (opaque) {
        *pixel = paper;
      }
      if (++i == length) i = 0;
    }
  }
  return true;
}

}  // namespace

// ---- Lines ------------------------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y) {
  CPoint old = Data().state.currentPos;
  Data().state.currentPos = CPoint(x, y);
  return old;
}

CPoint CDC::GetCurrentPosition() const { return Data().state.currentPos; }

BOOL CDC::LineTo(int x, int y) {
  DCData& d = Data();
  const CPoint from = d.state.currentPos;
  d.state.currentPos = CPoint(x, y);
  QPainter* p = d.Begin();
  if (p == nullptr) return FALSE;
  if (d.PenIsNull()) return TRUE;
  // A thin solid level or upright line copied onto the screen is a run of
  // pixels from the start up to, not including, the end point: filled
  // directly, it costs far less than a stroke (grid lines are drawn so).
  const bool thinSolid = d.state.penWidth <= 1 && (d.state.penStyle & PS_STYLE_MASK) == PS_SOLID;
  if (thinSolid && d.state.rop2 == R2_COPYPEN && d.IsPlainTranslation() && !d.printing &&
      !d.state.smoothLines && (from.x == x) != (from.y == y)) {
    const QRect run = from.y == y ? QRect(std::min(from.x, x + 1), y, std::abs(x - from.x), 1)
                                  : QRect(x, std::min(from.y, y + 1), 1, std::abs(y - from.y));
    p->fillRect(run, ToQColor(d.state.penColor));
    return TRUE;
  }
  const bool thinDashed = d.state.penWidth <= 1 && !thinSolid;
  if (thinDashed && d.state.rop2 == R2_COPYPEN && d.IsPlainTranslation() && !d.printing &&
      !d.state.smoothLines && (from.x == x) != (from.y == y) && WriteDashedLine(d, from, CPoint(x, y)))
    return TRUE;
  QPen pen = d.MakePen();
  d.ApplyRop2(p, &pen, nullptr);
  if (d.state.bkMode == OPAQUE) {
    p->setBackgroundMode(Qt::OpaqueMode);
    p->setBackground(ToQColor(d.state.bkColor));
  }
  p->setPen(pen);
  if (d.state.smoothLines) {
    p->setRenderHint(QPainter::Antialiasing, true);
    p->drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(x + 0.5, y + 0.5));
    return TRUE;
  }
  p->drawLine(QPoint(from.x, from.y), QPoint(x, y));
  return TRUE;
}

BOOL CDC::Polyline(const CPoint* points, int count) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr || points == nullptr || count < 2) return FALSE;
  if (d.PenIsNull()) return TRUE;
  QPen pen = d.MakePen();
  d.ApplyRop2(p, &pen, nullptr);
  p->setPen(pen);
  p->setBrush(Qt::NoBrush);
  if (d.state.smoothLines) {
    QPolygonF poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i) poly << QPointF(points[i].x + 0.5, points[i].y + 0.5);
    p->setRenderHint(QPainter::Antialiasing, true);
    p->drawPolyline(poly);
    return TRUE;
  }
  QPolygon poly;
  poly.reserve(count);
  for (int i = 0; i < count; ++i) poly << QPoint(points[i].x, points[i].y);
  p->drawPolyline(poly);
  return TRUE;
}

namespace {

enum class ArcKind { Arc, Pie, Chord };

BOOL DrawArcShape(DCData& d, ArcKind kind, int left, int top, int right, int bottom, int xs, int ys,
                  int xe, int ye) {
  QPainter* p = d.Begin();
  if (p == nullptr) return FALSE;
  const QRect r = Normalized(left, top, right, bottom);
  if (r.width() < 2 || r.height() < 2) return TRUE;
  const QRectF box(r.left(), r.top(), r.width() - 1, r.height() - 1);
  const double start = RayAngle(box, xs, ys);
  const double end = RayAngle(box, xe, ye);
  double span = end - start;
  if (d.state.arcDirection == AD_COUNTERCLOCKWISE) {
    while (span <= 0) span += 360.0;
  } else {
    while (span >= 0) span -= 360.0;
  }
  if (std::abs(std::abs(span) - 360.0) < 1e-9 && (xs != xe || ys != ye)) span = span > 0 ? 360.0 : -360.0;
  const int a16 = static_cast<int>(std::lround(start * 16));
  const int s16 = static_cast<int>(std::lround(span * 16));
  const QPen pen = SelectedPen(d);
  PaintWith(d, p, pen, kind == ArcKind::Arc ? QBrush(Qt::NoBrush) : SelectedBrush(d));
  switch (kind) {
    case ArcKind::Arc: p->drawArc(box, a16, s16); break;
    case ArcKind::Pie: p->drawPie(box, a16, s16); break;
    case ArcKind::Chord: p->drawChord(box, a16, s16); break;
  }
  return TRUE;
}

}  // namespace

BOOL CDC::Arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  return DrawArcShape(Data(), ArcKind::Arc, l, t, r, b, xs, ys, xe, ye);
}
BOOL CDC::Arc(const CRect& rect, CPoint start, CPoint end) {
  return Arc(rect.left, rect.top, rect.right, rect.bottom, start.x, start.y, end.x, end.y);
}
BOOL CDC::Pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  return DrawArcShape(Data(), ArcKind::Pie, l, t, r, b, xs, ys, xe, ye);
}
BOOL CDC::Pie(const CRect& rect, CPoint start, CPoint end) {
  return Pie(rect.left, rect.top, rect.right, rect.bottom, start.x, start.y, end.x, end.y);
}
BOOL CDC::Chord(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  return DrawArcShape(Data(), ArcKind::Chord, l, t, r, b, xs, ys, xe, ye);
}

// ---- Filled shapes ------------------------------------------------------------------------

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr) return FALSE;
  const QRect r = Normalized(left, top, right, bottom);
  if (r.width() < 1 || r.height() < 1) return TRUE;
  const bool pen = !d.PenIsNull();
  const bool thinPen = pen && d.state.penWidth <= 1;
  if (!d.BrushIsNull()) {
    // Inside the outline; without a pen one pixel short on the right and bottom.
    QRect fill = thinPen ? r.adjusted(1, 1, -1, -1) : (pen ? r : r.adjusted(0, 0, -1, -1));
    QBrush brush = d.MakeBrush();
    d.ApplyRop2(p, nullptr, &brush);
    d.FillWithBrush(p, fill, brush, d.state.brushStyle == BS_HATCHED);
  }
  if (pen) {
    QPen qpen = d.MakePen();
    qpen.setCapStyle(Qt::SquareCap);
    qpen.setJoinStyle(Qt::MiterJoin);
    d.ApplyRop2(p, &qpen, nullptr);
    p->setPen(qpen);
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
  }
  return TRUE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
  return DrawBoxShape(Data(), left, top, right, bottom,
                      [](QPainter* p, const QRectF& box) { p->drawEllipse(box); });
}

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  return DrawBoxShape(Data(), left, top, right, bottom, [&](QPainter* p, const QRectF& box) {
    p->drawRoundedRect(box, cornerWidth / 2.0, cornerHeight / 2.0);
  });
}

BOOL CDC::Polygon(const CPoint* points, int count) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr || points == nullptr || count < 2) return FALSE;
  QPolygon poly;
  for (int i = 0; i < count; ++i) poly << QPoint(points[i].x, points[i].y);
  QPen pen = SelectedPen(d);
  if (pen.style() != Qt::NoPen) pen.setCapStyle(Qt::SquareCap);
  PaintWith(d, p, pen, SelectedBrush(d));
  p->drawPolygon(poly, d.state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
  return TRUE;
}

// ---- Rectangle fills -------------------------------------------------------------------------

void CDC::FillRect(const CRect& rect, CBrush* brush) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr || brush == nullptr) return;
  const QBrush b = platform_detail::MakeObjectBrush(brush, d.state.textColor, d.state.bkColor);
  d.FillWithBrush(p, Normalized(rect.left, rect.top, rect.right, rect.bottom), b,
                  brush->GetStyle() == BS_HATCHED);
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
  FillSolidRect(rect.left, rect.top, rect.Width(), rect.Height(), color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  // As the classic implementation, the background colour is left set to the colour.
  DCData& d = Data();
  d.state.bkColor = color & 0xFFFFFF;
  QPainter* p = d.Begin();
  if (p == nullptr) return;
  p->fillRect(Normalized(x, y, x + cx, y + cy), ToQColor(color));
}

void CDC::FrameRect(const CRect& rect, CBrush* brush) {
  if (rect.IsRectEmpty() || brush == nullptr) return;
  FillRect(CRect(rect.left, rect.top, rect.right, rect.top + 1), brush);
  FillRect(CRect(rect.left, rect.bottom - 1, rect.right, rect.bottom), brush);
  FillRect(CRect(rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1), brush);
  FillRect(CRect(rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1), brush);
}

void CDC::InvertRect(const CRect& rect) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr) return;
  if (!d.printing) p->setCompositionMode(QPainter::RasterOp_NotDestination);
  p->fillRect(Normalized(rect.left, rect.top, rect.right, rect.bottom), Qt::white);
}

void CDC::DrawFocusRect(const CRect& rect) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr || rect.IsRectEmpty() || d.printing) return;
  // Every other pixel of the outline is inverted, counted from the
  // surface's origin, so a second call restores the pixels exactly.
  p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  const QTransform t = d.Transform();
  auto invert = [&](int x, int y) {
    const QPointF dev = t.map(QPointF(x, y));
    if ((static_cast<int>(std::lround(dev.x())) + static_cast<int>(std::lround(dev.y()))) % 2 == 0)
      p->fillRect(QRect(x, y, 1, 1), Qt::white);
  };
  for (int x = rect.left; x < rect.right; ++x) {
    invert(x, rect.top);
    if (rect.bottom - 1 > rect.top) invert(x, rect.bottom - 1);
  }
  for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
    invert(rect.left, y);
    if (rect.right - 1 > rect.left) invert(rect.right - 1, y);
  }
}

void CDC::Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight) {
  Draw3dRect(rect.left, rect.top, rect.Width(), rect.Height(), topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
  FillSolidRect(x, y, cx - 1, 1, topLeft);
  FillSolidRect(x, y, 1, cy - 1, topLeft);
  FillSolidRect(x + cx, y, -1, cy, bottomRight);
  FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

BOOL CDC::DrawEdge(CRect* rect, UINT edge, UINT flags) {
  if (rect == nullptr) return FALSE;
  const COLORREF bkSaved = GetBkColor();
  struct Ring {
    UINT raised, sunken;
    int tlRaised, brRaised, tlSunken, brSunken;
  };
  // Outer ring first, then the inner one a pixel further in.
  const Ring rings[] = {
      {BDR_RAISEDOUTER, BDR_SUNKENOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT},
      {BDR_RAISEDINNER, BDR_SUNKENINNER, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
  };
  CRect r = *rect;
  for (const Ring& ring : rings) {
    int tl = -1, br = -1;
    if (edge & ring.raised) {
      tl = ring.tlRaised;
      br = ring.brRaised;
    } else if (edge & ring.sunken) {
      tl = ring.tlSunken;
      br = ring.brSunken;
    }
    if (tl < 0) continue;
    if (flags & BF_TOP) FillSolidRect(r.left, r.top, r.Width(), 1, GetSysColor(tl));
    if (flags & BF_LEFT) FillSolidRect(r.left, r.top, 1, r.Height(), GetSysColor(tl));
    if (flags & BF_BOTTOM) FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, GetSysColor(br));
    if (flags & BF_RIGHT) FillSolidRect(r.right - 1, r.top, 1, r.Height(), GetSysColor(br));
    if (flags & BF_LEFT) ++r.left;
    if (flags & BF_TOP) ++r.top;
    if (flags & BF_RIGHT) --r.right;
    if (flags & BF_BOTTOM) --r.bottom;
  }
  if (flags & BF_MIDDLE) FillSolidRect(r, GetSysColor(COLOR_BTNFACE));
  if (flags & BF_ADJUST) *rect = r;
  SetBkColor(bkSaved);
  return TRUE;
}

BOOL CDC::GradientFill(const TRIVERTEX* vertices, ULONG vertexCount, const GRADIENT_RECT* rects,
                       ULONG rectCount, DWORD mode) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr || vertices == nullptr || rects == nullptr) return FALSE;
  if (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V) return FALSE;
  for (ULONG i = 0; i < rectCount; ++i) {
    if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount) return FALSE;
    const TRIVERTEX& a = vertices[rects[i].UpperLeft];
    const TRIVERTEX& b = vertices[rects[i].LowerRight];
    const QRect r = Normalized(a.x, a.y, b.x, b.y);
    const bool horizontal = mode == GRADIENT_FILL_RECT_H;
    const int steps = horizontal ? r.width() : r.height();
    // The first line has the first colour, the last line the second.
    for (int s = 0; s < steps; ++s) {
      const double f = steps > 1 ? static_cast<double>(s) / (steps - 1) : 0.0;
      auto mix = [f](std::uint16_t c0, std::uint16_t c1) {
        return static_cast<int>(std::lround(((c0 >> 8) * (1.0 - f)) + ((c1 >> 8) * f)));
      };
      const QColor c(mix(a.Red, b.Red), mix(a.Green, b.Green), mix(a.Blue, b.Blue));
      if (horizontal) {
        p->fillRect(QRect(r.left() + s, r.top(), 1, r.height()), c);
      } else {
        p->fillRect(QRect(r.left(), r.top() + s, r.width(), 1), c);
      }
    }
  }
  return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr) return CLR_INVALID;
  p->fillRect(QRect(x, y, 1, 1), ToQColor(color));
  return color & 0xFFFFFF;
}

COLORREF CDC::GetPixel(int x, int y) const {
  DCData& d = Data();
  if (d.image == nullptr) return CLR_INVALID;
  const QPointF dev = d.Transform().map(QPointF(x, y));
  const QPoint pt(static_cast<int>(std::floor(dev.x())), static_cast<int>(std::floor(dev.y())));
  if (!d.image->rect().contains(pt)) return CLR_INVALID;
  return platform_detail::FromQRgb(d.image->pixel(pt));
}

// ---- Bitmaps -----------------------------------------------------------------------------------

namespace {

// The source pixels of a logical rectangle of a context, as a colour image;
// a monochrome bitmap takes the destination's text (0) and background (1) colours.
QImage SourcePixels(CDC* source, int x, int y, int w, int h, COLORREF text, COLORREF bk) {
  QImage* image = source != nullptr ? source->GetSurfaceImage() : nullptr;
  if (image == nullptr) return QImage();
  CPoint origin(x, y);
  source->LPtoDP(&origin);
  QImage part = image->copy(origin.x, origin.y, w, h);
  CBitmap* bitmap = source->GetCurrentBitmap();
  if (bitmap != nullptr && bitmap->IsMonochrome()) {
    const QRgb zero = platform_detail::ToQRgb(text);
    const QRgb one = platform_detail::ToQRgb(bk);
    for (int j = 0; j < part.height(); ++j)
      for (int i = 0; i < part.width(); ++i)
        part.setPixel(i, j, qRed(part.pixel(i, j)) != 0 ? one : zero);
  }
  return part;
}

bool CompositionFor(DWORD rop, QPainter::CompositionMode* mode) {
  switch (rop) {
    case SRCCOPY: *mode = QPainter::CompositionMode_Source; return true;
    case SRCPAINT: *mode = QPainter::RasterOp_SourceOrDestination; return true;
    case SRCAND: *mode = QPainter::RasterOp_SourceAndDestination; return true;
    case SRCINVERT: *mode = QPainter::RasterOp_SourceXorDestination; return true;
    case NOTSRCCOPY: *mode = QPainter::RasterOp_NotSource; return true;
    default: return false;
  }
}

}  // namespace

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop) {
  if (source == nullptr) return PatBlt(x, y, width, height, rop);
  return StretchBlt(x, y, width, height, source, xSrc, ySrc, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                     int srcWidth, int srcHeight, DWORD rop) {
  DCData& d = Data();
  QPainter::CompositionMode mode;
  if (!CompositionFor(rop, &mode)) return PatBlt(x, y, width, height, rop);
  QPainter* p = d.Begin();
  if (p == nullptr || width == 0 || height == 0 || srcWidth <= 0 || srcHeight <= 0) return FALSE;
  QImage pixels = SourcePixels(source, xSrc, ySrc, srcWidth, srcHeight, d.state.textColor, d.state.bkColor);
  if (pixels.isNull()) return FALSE;
  if (width < 0 || height < 0) {
    pixels = pixels.mirrored(width < 0, height < 0);
    if (width < 0) { x += width; width = -width; }
    if (height < 0) { y += height; height = -height; }
  }
  if (d.printing && mode != QPainter::CompositionMode_Source) mode = QPainter::CompositionMode_SourceOver;
  p->setCompositionMode(mode);
  p->drawImage(QRect(x, y, width, height), pixels);
  return TRUE;
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr) return FALSE;
  const QRect r = Normalized(x, y, x + width, y + height);
  switch (rop) {
    case BLACKNESS: p->fillRect(r, Qt::black); return TRUE;
    case WHITENESS: p->fillRect(r, Qt::white); return TRUE;
    case DSTINVERT:
      if (!d.printing) p->setCompositionMode(QPainter::RasterOp_NotDestination);
      p->fillRect(r, Qt::white);
      return TRUE;
    case PATCOPY:
    case PATINVERT: {
      if (d.BrushIsNull()) return TRUE;
      if (rop == PATINVERT && !d.printing) p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      d.FillWithBrush(p, r, d.MakeBrush(), d.state.brushStyle == BS_HATCHED);
      return TRUE;
    }
    default: return FALSE;
  }
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) { return DrawIconEx(x, y, icon, 0, 0); }

BOOL CDC::DrawIconEx(int x, int y, HICON icon, int width, int height) {
  DCData& d = Data();
  QPainter* p = d.Begin();
  if (p == nullptr || icon == nullptr || icon->image.isNull()) return FALSE;
  const int w = width > 0 ? width : icon->image.width();
  const int h = height > 0 ? height : icon->image.height();
  p->drawImage(QRect(x, y, w, h), icon->image);
  return TRUE;
}

BOOL CDC::ScrollDC(int dx, int dy, const CRect* scroll, const CRect* clip, CRect* update) {
  DCData& d = Data();
  if (d.image == nullptr || d.painter == nullptr) return FALSE;
  CRect area = scroll != nullptr ? *scroll : platform_detail::FromQRect(QRect(QPoint(0, 0), d.SurfaceSize()));
  if (scroll != nullptr) LPtoDP(&area);
  CRect bounds = area;
  if (clip != nullptr) {
    CRect c = *clip;
    LPtoDP(&c);
    bounds.IntersectRect(bounds, c);
  }
  const QRect src = platform_detail::ToQRect(area);
  const QImage moved = d.image->copy(src);
  QPainter* p = d.painter;
  p->save();
  p->resetTransform();
  p->setClipRect(platform_detail::ToQRect(bounds));
  p->setCompositionMode(QPainter::CompositionMode_Source);
  p->drawImage(src.topLeft() + QPoint(dx, dy), moved);
  p->restore();
  if (update != nullptr) {
    // The part of the bounds the moved pixels no longer cover.
    QRegion uncovered = QRegion(platform_detail::ToQRect(bounds)).subtracted(src.translated(dx, dy));
    CRect u = uncovered.isEmpty() ? CRect() : platform_detail::FromQRect(uncovered.boundingRect());
    if (!u.IsRectEmpty()) DPtoLP(&u);
    *update = u;
  }
  return TRUE;
}
