// A brush: solid colour, hollow (fills nothing), hatched (HS_* lines in the
// brush colour over the background) or an 8 x 8 pattern from a bitmap.
// Patterns line up with the context's origin, so neighbouring fills join
// without seams. A monochrome pattern takes the context's text colour for
// its 0 bits and its background colour for its 1 bits.
// Threads: see CGdiObject.
#pragma once

#include <memory>

#include "platform/ui/GdiObject.h"

class CBitmap;
class QImage;

struct LOGBRUSH {
  UINT lbStyle = BS_SOLID;
  COLORREF lbColor = 0;
  UINT_PTR lbHatch = 0;
};

class CBrush : public CGdiObject {
 public:
  CBrush();
  explicit CBrush(COLORREF color);
  CBrush(int hatchStyle, COLORREF color);
  ~CBrush() override;

  BOOL CreateSolidBrush(COLORREF color);
  BOOL CreateHatchBrush(int hatchStyle, COLORREF color);
  // Copies the bitmap's top-left 8 x 8 pixels (fewer when it is smaller, then tiled).
  BOOL CreatePatternBrush(CBitmap* bitmap);
  BOOL CreateBrushIndirect(const LOGBRUSH* logBrush);
  // A hollow brush (BS_NULL): shapes drawn with it are not filled.
  BOOL CreateHollowBrush();

  int GetStyle() const { return m_nStyle; }
  COLORREF GetColor() const { return m_crColor; }
  int GetHatch() const { return m_nHatch; }
  bool IsHollow() const { return m_nStyle == BS_NULL; }
  int GetLogBrush(LOGBRUSH* logBrush) const;
  operator HBRUSH() { return IsCreated() ? this : nullptr; }
  static CBrush* FromHandle(HBRUSH brush) { return brush; }

  // ---- Platform only -------------------------------------------------------
  const QImage* GetPattern() const { return m_pattern.get(); }
  bool IsMonochromePattern() const { return m_bMonoPattern; }

 private:
  void Reset() override;
  int m_nStyle = BS_SOLID;
  COLORREF m_crColor = 0;
  int m_nHatch = 0;
  std::unique_ptr<QImage> m_pattern;
  bool m_bMonoPattern = false;
};
