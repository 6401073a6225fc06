// Device context: state, selected objects, coordinates and clipping.
#include "platform/ui/DC.h"

#include <QPaintDevice>
#include <algorithm>
#include <cmath>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DCData.h"
#include "platform/ui/Font.h"
#include "platform/ui/Pen.h"
#include "platform/ui/QtConvert.h"

using platform_detail::DCData;
using platform_detail::ToQColor;
using platform_detail::ToQRect;

namespace platform_detail {

QTransform DCData::Transform() const {
  const DCState& s = state;
  if (s.mapMode == MM_TEXT)
    return QTransform::fromTranslate(s.viewportOrg.x - s.windowOrg.x, s.viewportOrg.y - s.windowOrg.y);
  double sx = s.windowExt.cx != 0 ? static_cast<double>(s.viewportExt.cx) / s.windowExt.cx : 1.0;
  double sy = s.windowExt.cy != 0 ? static_cast<double>(s.viewportExt.cy) / s.windowExt.cy : 1.0;
  if (s.mapMode == MM_ISOTROPIC) {
    const double m = std::min(std::abs(sx), std::abs(sy));
    sx = sx < 0 ? -m : m;
    sy = sy < 0 ? -m : m;
  }
  return QTransform(sx, 0, 0, sy, s.viewportOrg.x - s.windowOrg.x * sx,
                    s.viewportOrg.y - s.windowOrg.y * sy);
}

QRegion DCData::EffectiveClip() const {
  if (state.clip && systemClip) return state.clip->intersected(*systemClip);
  if (state.clip) return *state.clip;
  if (systemClip) return *systemClip;
  return QRegion(QRect(QPoint(0, 0), SurfaceSize()));
}

QSize DCData::SurfaceSize() const {
  if (image != nullptr) return image->size();
  if (painter != nullptr && painter->device() != nullptr)
    return QSize(painter->device()->width(), painter->device()->height());
  return QSize(0, 0);
}

QPainter* DCData::Begin() {
  if (painter == nullptr || !painter->isActive()) return nullptr;
  const QTransform transform = Transform();
  if (!painterSet || transform != setTransform || state.clip != setClip || systemClip != setSystemClip) {
    painter->resetTransform();
    if (HasClip()) {
      painter->setClipRegion(EffectiveClip());
    } else {
      painter->setClipping(false);
    }
    painter->setTransform(transform);
    painterSet = true;
    setTransform = transform;
    setClip = state.clip;
    setSystemClip = systemClip;
  }
  // The painter's own state back to plain drawing. Only what differs is
  // set: each setter tells the paint engine, which costs even when nothing
  // changes, and most operations leave the state as they found it.
  if (painter->compositionMode() != QPainter::CompositionMode_SourceOver)
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  const QPainter::RenderHints hints = painter->renderHints();
  const QPainter::RenderHints plain =
      (hints & ~(QPainter::Antialiasing | QPainter::SmoothPixmapTransform)) | QPainter::TextAntialiasing;
  if (hints != plain) {
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
  }
  if (painter->backgroundMode() != Qt::TransparentMode) painter->setBackgroundMode(Qt::TransparentMode);
  if (painter->layoutDirection() != Qt::LeftToRight) painter->setLayoutDirection(Qt::LeftToRight);
  if (painter->opacity() != 1.0) painter->setOpacity(1.0);
  return painter;
}

void DCData::EndPainter() {
  painterSet = false;
  if (ownPainter) {
    if (ownPainter->isActive()) ownPainter->end();
    ownPainter.reset();
  }
  painter = nullptr;
  image = nullptr;
}

void DCData::SetSurfaceImage(QImage* target) {
  EndPainter();
  if (target == nullptr || target->isNull()) return;
  image = target;
  ownPainter = std::make_unique<QPainter>(target);
  painter = ownPainter.get();
}

std::span<const int> DashPattern(int penStyle) {
  static constexpr int kDash[] = {18, 6};
  static constexpr int kDot[] = {3, 3};
  static constexpr int kDashDot[] = {9, 6, 3, 6};
  static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (penStyle & PS_STYLE_MASK) {
    case PS_DASH: return kDash;
    case PS_DOT: return kDot;
    case PS_DASHDOT: return kDashDot;
    case PS_DASHDOTDOT: return kDashDotDot;
    default: return {};
  }
}

QPen DCData::MakePen() const {
  const DCState& s = state;
  QPen pen(ToQColor(s.penColor));
  const bool thin = s.penWidth <= 1;
  if (thin) {
    pen.setWidth(IsPlainTranslation() || s.penWidth == 0 ? 0 : 1);
    pen.setCapStyle(Qt::FlatCap);  // a one-pixel line leaves out its last point
    pen.setJoinStyle(Qt::MiterJoin);
    const std::span<const int> dashes = DashPattern(s.penStyle);
    if (!dashes.empty()) pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
  } else {
    // Wide pens are solid with round ends and joins.
    pen.setWidth(s.penWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  return pen;
}

namespace {

QBrush BrushFrom(int style, COLORREF color, int hatch, const QImage& pattern, bool mono,
                 COLORREF text, COLORREF bk) {
  switch (style) {
    case BS_NULL: return QBrush(Qt::NoBrush);
    case BS_HATCHED: {
      static const Qt::BrushStyle kHatch[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                              Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
      return QBrush(ToQColor(color), kHatch[std::clamp(hatch, 0, 5)]);
    }
    case BS_PATTERN: {
      if (!mono) return QBrush(pattern);
      QImage coloured = pattern.copy();
      const QRgb zero = platform_detail::ToQRgb(text);
      const QRgb one = platform_detail::ToQRgb(bk);
      for (int y = 0; y < coloured.height(); ++y)
        for (int x = 0; x < coloured.width(); ++x)
          coloured.setPixel(x, y, qRed(coloured.pixel(x, y)) != 0 ? one : zero);
      return QBrush(coloured);
    }
    default: return QBrush(ToQColor(color));
  }
}

}  // namespace

QBrush DCData::MakeBrush() const {
  const DCState& s = state;
  return BrushFrom(s.brushStyle, s.brushColor, s.brushHatch, s.brushPattern, s.brushMonoPattern,
                   s.textColor, s.bkColor);
}

QBrush MakeObjectBrush(CBrush* brush, COLORREF text, COLORREF bk) {
  if (brush == nullptr || !brush->IsCreated()) return QBrush(Qt::NoBrush);
  return BrushFrom(brush->GetStyle(), brush->GetColor(), brush->GetHatch(),
                   brush->GetPattern() ? *brush->GetPattern() : QImage(), brush->IsMonochromePattern(),
                   text, bk);
}

void DCData::ApplyRop2(QPainter* p, QPen* pen, QBrush* brush) const {
  if (printing) return;  // printers draw every mode as plain copy
  QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
  switch (state.rop2) {
    case R2_NOT: mode = QPainter::RasterOp_NotDestination; break;
    case R2_XORPEN: mode = QPainter::RasterOp_SourceXorDestination; break;
    case R2_NOTXORPEN: mode = QPainter::RasterOp_NotSourceXorDestination; break;
    case R2_MASKPEN: mode = QPainter::RasterOp_SourceAndDestination; break;
    case R2_MERGEPEN: mode = QPainter::RasterOp_SourceOrDestination; break;
    case R2_NOTMERGEPEN: mode = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case R2_BLACK:
    case R2_WHITE: {
      const QColor c = state.rop2 == R2_BLACK ? Qt::black : Qt::white;
      if (pen != nullptr) pen->setColor(c);
      if (brush != nullptr && brush->style() != Qt::NoBrush) *brush = QBrush(c);
      break;
    }
    default: break;
  }
  p->setCompositionMode(mode);
}

QPointF DCData::BrushOriginLogical() const {
  return Transform().inverted().map(QPointF(state.brushOrg.x, state.brushOrg.y));
}

void DCData::FillWithBrush(QPainter* p, const QRect& rect, const QBrush& brush, bool hatched) {
  if (brush.style() == Qt::NoBrush || rect.isEmpty()) return;
  if (hatched && state.bkMode == OPAQUE) {
    p->setBackgroundMode(Qt::OpaqueMode);
    p->setBackground(ToQColor(state.bkColor));
  }
  p->setBrushOrigin(BrushOriginLogical());
  p->fillRect(rect, brush);
  p->setBackgroundMode(Qt::TransparentMode);
}

}  // namespace platform_detail

// ---- Creation ------------------------------------------------------------------------

CDC::CDC() : m_d(std::make_unique<DCData>()) {
  auto& s = m_d->state;
  s.pen = static_cast<CPen*>(CGdiObject::GetStockObject(BLACK_PEN));
  s.brush = static_cast<CBrush*>(CGdiObject::GetStockObject(WHITE_BRUSH));
  s.font = static_cast<CFont*>(CGdiObject::GetStockObject(DEFAULT_GUI_FONT));
  s.qfont = s.font->GetQFont();
}

CDC::~CDC() { m_d->EndPainter(); }

BOOL CDC::CreateCompatibleDC(CDC* /*dc*/) {
  m_d->EndPainter();
  m_d->memory = true;
  m_d->bitmap = nullptr;
  return TRUE;
}

BOOL CDC::DeleteDC() {
  m_d->EndPainter();
  m_d->bitmap = nullptr;
  m_d->memory = false;
  return TRUE;
}

bool CDC::HasSurface() const { return m_d->painter != nullptr && m_d->painter->isActive(); }
bool CDC::IsPrinting() const { return m_d->printing; }

void CDC::AttachPainter(QPainter* painter, int dpi, bool printing) {
  m_d->EndPainter();
  m_d->painter = painter;
  m_d->dpi = dpi;
  m_d->printing = printing;
  if (painter != nullptr && painter->device() != nullptr &&
      painter->device()->devType() == QInternal::Image)
    m_d->image = static_cast<QImage*>(painter->device());
}

void CDC::AttachImage(QImage* image) { m_d->SetSurfaceImage(image); }

void CDC::SetSystemClip(const std::vector<CRect>& deviceRects) {
  QRegion region;
  for (const CRect& r : deviceRects) region += ToQRect(r);
  m_d->systemClip = region;
}

QPainter* CDC::GetPainter() {
  QPainter* p = m_d->Begin();
  m_d->PainterChanged();  // the caller may change the painter as it likes
  return p;
}
QImage* CDC::GetSurfaceImage() const { return m_d->image; }

// ---- Selected objects -------------------------------------------------------------------

CPen* CDC::SelectObject(CPen* pen) {
  if (pen == nullptr || !pen->IsCreated()) return nullptr;
  auto& s = m_d->state;
  CPen* previous = s.pen;
  s.pen = pen;
  s.penStyle = pen->GetStyle();
  s.penWidth = pen->GetWidth();
  s.penColor = pen->GetColor();
  return previous;
}

CBrush* CDC::SelectObject(CBrush* brush) {
  if (brush == nullptr || !brush->IsCreated()) return nullptr;
  auto& s = m_d->state;
  CBrush* previous = s.brush;
  s.brush = brush;
  s.brushStyle = brush->GetStyle();
  s.brushColor = brush->GetColor();
  s.brushHatch = brush->GetHatch();
  s.brushPattern = brush->GetPattern() ? brush->GetPattern()->copy() : QImage();
  s.brushMonoPattern = brush->IsMonochromePattern();
  return previous;
}

CFont* CDC::SelectObject(CFont* font) {
  if (font == nullptr || !font->IsCreated()) return nullptr;
  auto& s = m_d->state;
  CFont* previous = s.font;
  s.font = font;
  s.qfont = font->GetQFont();
  LOGFONT lf;
  font->GetLogFont(&lf);
  s.escapement = lf.lfEscapement;
  return previous;
}

namespace {
// The one-pixel bitmap a memory context holds before a bitmap is selected;
// selecting it back detaches the context from the previous bitmap.
CBitmap* DefaultBitmap() {
  static CBitmap* bitmap = [] {
    auto* b = new CBitmap;
    b->CreateBitmap(1, 1, 1, 1, nullptr);
    return b;
  }();
  return bitmap;
}
}  // namespace

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  if (!m_d->memory || bitmap == nullptr || bitmap->GetImage() == nullptr) return nullptr;
  CBitmap* previous = m_d->bitmap != nullptr ? m_d->bitmap : DefaultBitmap();
  if (bitmap == DefaultBitmap()) {
    m_d->EndPainter();
  } else {
    m_d->SetSurfaceImage(bitmap->GetImage());
  }
  m_d->bitmap = bitmap;
  return previous;
}

CGdiObject* CDC::SelectStockObject(int index) {
  CGdiObject* object = CGdiObject::GetStockObject(index);
  if (object == nullptr) return nullptr;
  switch (object->GetKind()) {
    case CGdiObject::Kind::Pen: return SelectObject(static_cast<CPen*>(object));
    case CGdiObject::Kind::Brush: return SelectObject(static_cast<CBrush*>(object));
    case CGdiObject::Kind::Font: return SelectObject(static_cast<CFont*>(object));
    default: return nullptr;
  }
}

CPen* CDC::GetCurrentPen() const { return m_d->state.pen; }
CBrush* CDC::GetCurrentBrush() const { return m_d->state.brush; }
CFont* CDC::GetCurrentFont() const { return m_d->state.font; }
CBitmap* CDC::GetCurrentBitmap() const { return m_d->bitmap; }

// ---- Attributes ---------------------------------------------------------------------------

template <typename T>
static T Exchange(T& slot, T value) {
  T old = slot;
  slot = value;
  return old;
}

COLORREF CDC::SetTextColor(COLORREF c) { return Exchange(m_d->state.textColor, c & 0xFFFFFF); }
COLORREF CDC::GetTextColor() const { return m_d->state.textColor; }
COLORREF CDC::SetBkColor(COLORREF c) { return Exchange(m_d->state.bkColor, c & 0xFFFFFF); }
COLORREF CDC::GetBkColor() const { return m_d->state.bkColor; }
int CDC::SetBkMode(int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return Exchange(m_d->state.bkMode, mode);
}
int CDC::GetBkMode() const { return m_d->state.bkMode; }
UINT CDC::SetTextAlign(UINT flags) { return Exchange(m_d->state.textAlign, flags); }
UINT CDC::GetTextAlign() const { return m_d->state.textAlign; }
int CDC::SetROP2(int mode) {
  if (mode < R2_BLACK || mode > R2_WHITE) return 0;
  return Exchange(m_d->state.rop2, mode);
}
int CDC::GetROP2() const { return m_d->state.rop2; }
BOOL CDC::SetSmoothLines(BOOL smooth) {
  const bool old = Exchange(m_d->state.smoothLines, smooth != FALSE);
  return old ? TRUE : FALSE;
}
int CDC::SetPolyFillMode(int mode) {
  if (mode != ALTERNATE && mode != WINDING) return 0;
  return Exchange(m_d->state.polyFillMode, mode);
}
int CDC::GetPolyFillMode() const { return m_d->state.polyFillMode; }
int CDC::SetArcDirection(int direction) {
  if (direction != AD_CLOCKWISE && direction != AD_COUNTERCLOCKWISE) return 0;
  return Exchange(m_d->state.arcDirection, direction);
}
int CDC::GetArcDirection() const { return m_d->state.arcDirection; }
CPoint CDC::SetBrushOrg(int x, int y) { return Exchange(m_d->state.brushOrg, CPoint(x, y)); }

// ---- Coordinates ----------------------------------------------------------------------------

int CDC::SetMapMode(int mode) {
  if (mode != MM_TEXT && mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC) return 0;
  return Exchange(m_d->state.mapMode, mode);
}
int CDC::GetMapMode() const { return m_d->state.mapMode; }
CPoint CDC::SetViewportOrg(int x, int y) { return Exchange(m_d->state.viewportOrg, CPoint(x, y)); }
CPoint CDC::OffsetViewportOrg(int dx, int dy) {
  CPoint p = m_d->state.viewportOrg;
  return SetViewportOrg(p.x + dx, p.y + dy);
}
CPoint CDC::GetViewportOrg() const { return m_d->state.viewportOrg; }
CPoint CDC::SetWindowOrg(int x, int y) { return Exchange(m_d->state.windowOrg, CPoint(x, y)); }
CPoint CDC::OffsetWindowOrg(int dx, int dy) {
  CPoint p = m_d->state.windowOrg;
  return SetWindowOrg(p.x + dx, p.y + dy);
}
CPoint CDC::GetWindowOrg() const { return m_d->state.windowOrg; }
CSize CDC::SetWindowExt(int cx, int cy) {
  if (m_d->state.mapMode == MM_TEXT || cx == 0 || cy == 0) return m_d->state.windowExt;
  return Exchange(m_d->state.windowExt, CSize(cx, cy));
}
CSize CDC::SetViewportExt(int cx, int cy) {
  if (m_d->state.mapMode == MM_TEXT || cx == 0 || cy == 0) return m_d->state.viewportExt;
  return Exchange(m_d->state.viewportExt, CSize(cx, cy));
}

void CDC::LPtoDP(CPoint* points, int count) const {
  const QTransform t = m_d->Transform();
  for (int i = 0; i < count; ++i) {
    const QPointF p = t.map(QPointF(points[i].x, points[i].y));
    points[i] = CPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
  }
}
void CDC::LPtoDP(CRect* rect) const {
  CPoint corners[2] = {rect->TopLeft(), rect->BottomRight()};
  LPtoDP(corners, 2);
  *rect = CRect(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
}
void CDC::DPtoLP(CPoint* points, int count) const {
  const QTransform t = m_d->Transform().inverted();
  for (int i = 0; i < count; ++i) {
    const QPointF p = t.map(QPointF(points[i].x, points[i].y));
    points[i] = CPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
  }
}
void CDC::DPtoLP(CRect* rect) const {
  CPoint corners[2] = {rect->TopLeft(), rect->BottomRight()};
  DPtoLP(corners, 2);
  *rect = CRect(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
}

// ---- State ------------------------------------------------------------------------------------

int CDC::SaveDC() {
  m_d->saved.push_back(m_d->state);
  return static_cast<int>(m_d->saved.size());
}

BOOL CDC::RestoreDC(int savedDC) {
  const int depth = static_cast<int>(m_d->saved.size());
  const int level = savedDC < 0 ? depth + 1 + savedDC : savedDC;
  if (level < 1 || level > depth) return FALSE;
  m_d->state = m_d->saved[static_cast<size_t>(level - 1)];
  m_d->saved.resize(static_cast<size_t>(level - 1));
  return TRUE;
}

// ---- Clipping ----------------------------------------------------------------------------------

static int RegionKind(const QRegion& r) {
  if (r.isEmpty()) return NULLREGION;
  return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

static QRect DeviceRect(const DCData& d, int left, int top, int right, int bottom) {
  const QRectF r = d.Transform().mapRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
  return QRect(QPoint(static_cast<int>(std::lround(r.left())), static_cast<int>(std::lround(r.top()))),
               QPoint(static_cast<int>(std::lround(r.right())) - 1,
                      static_cast<int>(std::lround(r.bottom())) - 1));
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
  const QRegion rect(DeviceRect(*m_d, left, top, right, bottom));
  auto& clip = m_d->state.clip;
  clip = clip ? clip->intersected(rect) : rect;
  return RegionKind(m_d->EffectiveClip());
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom) {
  const QRegion rect(DeviceRect(*m_d, left, top, right, bottom));
  auto& clip = m_d->state.clip;
  const QRegion base = clip ? *clip : QRegion(QRect(QPoint(0, 0), m_d->SurfaceSize()));
  clip = base.subtracted(rect);
  return RegionKind(m_d->EffectiveClip());
}

int CDC::SelectClipRect(const CRect* rect) {
  if (rect == nullptr) {
    m_d->state.clip.reset();
  } else {
    m_d->state.clip = QRegion(DeviceRect(*m_d, rect->left, rect->top, rect->right, rect->bottom));
  }
  return RegionKind(m_d->EffectiveClip());
}

int CDC::GetClipBox(CRect* rect) const {
  const QRegion region = m_d->EffectiveClip();
  CRect box = platform_detail::FromQRect(region.boundingRect());
  DPtoLP(&box);
  if (rect != nullptr) *rect = region.isEmpty() ? CRect() : box;
  return RegionKind(region);
}

BOOL CDC::PtVisible(int x, int y) const {
  const QPointF p = m_d->Transform().map(QPointF(x, y));
  return m_d->EffectiveClip().contains(QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))));
}

BOOL CDC::RectVisible(const CRect& rect) const {
  return m_d->EffectiveClip().intersects(DeviceRect(*m_d, rect.left, rect.top, rect.right, rect.bottom));
}

// ---- Device --------------------------------------------------------------------------------------

int CDC::GetDeviceCaps(int index) const {
  const QSize size = m_d->SurfaceSize();
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return m_d->dpi;
    case HORZRES:
    case PHYSICALWIDTH: return size.width();
    case VERTRES:
    case PHYSICALHEIGHT: return size.height();
    case BITSPIXEL: return 32;
    default: return 0;
  }
}
