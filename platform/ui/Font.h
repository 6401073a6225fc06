// A font made from a LOGFONT description. Face names that Linux lacks are
// mapped to installed faces (Tahoma, Arial, MS Shell Dlg -> Liberation Sans,
// Brightoak -> DejaVu Serif, ...) so text renders the same on every machine;
// glyphs a face lacks (Persian) come from DejaVu Sans. Sizes are pixels at
// a fixed 96 dots per inch, whatever the screen.
// Threads: see CGdiObject.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/GdiObject.h"

class CDC;
class QFont;

class CFont : public CGdiObject {
 public:
  CFont();
  ~CFont() override;

  BOOL CreateFontIndirect(const LOGFONT* logFont);
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight,
                  BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                  BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const std::string& faceName);
  // pointSize in tenths of a point (80 = 8 pt).
  BOOL CreatePointFont(int pointSize, const std::string& faceName, CDC* dc = nullptr);
  // As CreateFontIndirect, but lfHeight is in tenths of a point.
  BOOL CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc = nullptr);
  // The description the font was made from (heights in pixels); 0 when empty.
  int GetLogFont(LOGFONT* logFont) const;
  operator HFONT() { return IsCreated() ? this : nullptr; }
  static CFont* FromHandle(HFONT font) { return font; }

  // The installed face that stands for a face name (case-insensitive table;
  // unknown names keep themselves when installed, else a face of the same
  // pitch and family). Pure.
  static std::string MapFaceName(const std::string& faceName, BYTE pitchAndFamily = 0);
  // Tenths of a point at 96 dpi to a LOGFONT character height (negative).
  static LONG PointsToHeight(int tenthsOfPoint);

  // ---- Platform only -------------------------------------------------------
  const QFont& GetQFont() const;
  static QFont MakeQFont(const LOGFONT& logFont);

 private:
  void Reset() override;
  LOGFONT m_logFont;
  std::unique_ptr<QFont> m_font;
};
