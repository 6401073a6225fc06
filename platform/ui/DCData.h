// Platform-internal state of a device context (see DC.h).
// Threads: as the context.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/ui/DC.h"

namespace platform_detail {

// What a context draws with; copied from the objects when they are selected.
struct DCState {
  CPen* pen = nullptr;
  CBrush* brush = nullptr;
  CFont* font = nullptr;
  int penStyle = PS_SOLID;
  int penWidth = 1;
  COLORREF penColor = 0;
  int brushStyle = BS_SOLID;
  COLORREF brushColor = RGB(255, 255, 255);
  int brushHatch = 0;
  QImage brushPattern;
  bool brushMonoPattern = false;
  QFont qfont;
  int escapement = 0;  // tenths of a degree

  COLORREF textColor = 0;
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  UINT textAlign = TA_LEFT | TA_TOP;
  int rop2 = R2_COPYPEN;
  bool smoothLines = false;  // LineTo and Polyline anti-aliased
  int polyFillMode = ALTERNATE;
  int arcDirection = AD_COUNTERCLOCKWISE;
  CPoint brushOrg;

  int mapMode = MM_TEXT;
  CPoint viewportOrg;
  CPoint windowOrg;
  CSize viewportExt{1, 1};
  CSize windowExt{1, 1};

  std::optional<QRegion> clip;  // device pixels; none = whole surface
  CPoint currentPos;
};

// The dash pattern of a thin pen's style in pixels (on, off, on, off...);
// empty for solid and other styles.
std::span<const int> DashPattern(int penStyle);

struct DCData {
  DCState state;
  std::vector<DCState> saved;

  QPainter* painter = nullptr;           // the painter in use (owned or not)
  std::unique_ptr<QPainter> ownPainter;  // when the context began it itself
  QImage* image = nullptr;               // the surface when it is an image
  CBitmap* bitmap = nullptr;             // the bitmap of a memory context
  bool memory = false;
  bool printing = false;
  int dpi = 96;
  std::optional<QRegion> systemClip;     // device pixels

  // The clip and transform Begin last gave the painter, so that a run of
  // drawing operations under one clip sets them once. Anything else that
  // changes the painter's clip or transform (or hands the painter out)
  // calls PainterChanged.
  bool painterSet = false;
  QTransform setTransform;
  std::optional<QRegion> setClip;        // the state clip it was set from
  std::optional<QRegion> setSystemClip;
  void PainterChanged() { painterSet = false; }

  // The transform from logical to device coordinates.
  QTransform Transform() const;
  bool IsPlainTranslation() const { return state.mapMode == MM_TEXT; }
  QRegion EffectiveClip() const;  // empty region when unclipped (see HasClip)
  bool HasClip() const { return state.clip.has_value() || systemClip.has_value(); }
  QSize SurfaceSize() const;

  // Ready for a drawing operation: transform and clip applied, composition
  // normal. Null without a surface.
  QPainter* Begin();
  void EndPainter();
  void SetSurfaceImage(QImage* target);

  QPen MakePen() const;
  // The brush for fills; a monochrome pattern takes the text and background colours.
  QBrush MakeBrush() const;
  bool PenIsNull() const { return (state.penStyle & PS_STYLE_MASK) == PS_NULL || state.rop2 == R2_NOP; }
  bool BrushIsNull() const { return state.brushStyle == BS_NULL || state.rop2 == R2_NOP; }
  // Applies the drawing mode (R2_*) for pen and brush drawing.
  void ApplyRop2(QPainter* painter, QPen* pen, QBrush* brush) const;
  // Fills a logical rectangle with a brush (hatch backgrounds included).
  void FillWithBrush(QPainter* painter, const QRect& rect, const QBrush& brush, bool hatched);
  QPointF BrushOriginLogical() const;
};

}  // namespace platform_detail
