// The device context: every drawing of the program goes through it. It
// keeps the selected pen, brush, font and bitmap, the text and background
// colours and modes, the coordinate origin, the clip region and the current
// position, and draws with the edge rules the drawing code relies on:
// Rectangle, Ellipse, RoundRect and FillRect leave out the right and bottom
// edges, LineTo leaves out its end point, Polygon fills by the alternate
// rule unless WINDING is set, and shapes are never anti-aliased (lines
// only when smoothing is asked for, SetSmoothLines).
//
// A CDC is either a memory context (CreateCompatibleDC, then select a
// bitmap into it), a window's paint or client context (CPaintDC,
// CClientDC), or a printer page (CPrintJob). Drawing into a context
// without a surface does nothing.
// Threads: a context belongs to the thread that made it; contexts of
// windows only on the user-interface thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/ui/GdiTypes.h"

class CPen;
class CBrush;
class CFont;
class CBitmap;
class CGdiObject;
class QPainter;
class QPaintDevice;
class QImage;

namespace platform_detail {
struct DCData;
}

constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PHYSICALWIDTH = 110;
constexpr int PHYSICALHEIGHT = 111;

constexpr int AD_COUNTERCLOCKWISE = 1;
constexpr int AD_CLOCKWISE = 2;

class CDC {
 public:
  CDC();
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // ---- Creation ------------------------------------------------------------------
  // Makes this a memory context; it draws once a bitmap is selected into it.
  BOOL CreateCompatibleDC(CDC* dc);
  // Ends drawing and detaches the surface.
  BOOL DeleteDC();
  // True while the context has a surface to draw on.
  bool HasSurface() const;
  const void* GetSafeHdc() const { return this; }
  bool IsPrinting() const;

  // ---- Selected objects (each returns the previous one) ---------------------------
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  // Memory context: draws into the bitmap from now on. Null or an empty
  // bitmap is refused (returns null).
  CBitmap* SelectObject(CBitmap* bitmap);
  CGdiObject* SelectStockObject(int index);
  CPen* GetCurrentPen() const;
  CBrush* GetCurrentBrush() const;
  CFont* GetCurrentFont() const;
  CBitmap* GetCurrentBitmap() const;

  // ---- Attributes ------------------------------------------------------------------
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;
  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const;
  int SetBkMode(int mode);  // TRANSPARENT or OPAQUE
  int GetBkMode() const;
  UINT SetTextAlign(UINT flags);
  UINT GetTextAlign() const;
  int SetROP2(int drawMode);  // R2_COPYPEN, R2_NOT, R2_XORPEN, R2_NOTXORPEN, ...
  int GetROP2() const;
  int SetPolyFillMode(int mode);  // ALTERNATE or WINDING
  int GetPolyFillMode() const;
  int SetArcDirection(int direction);
  int GetArcDirection() const;
  CPoint SetBrushOrg(int x, int y);
  CPoint SetBrushOrg(CPoint point) { return SetBrushOrg(point.x, point.y); }

  // ---- Coordinates -------------------------------------------------------------------
  // device = (logical - window origin) * viewport extent / window extent + viewport origin
  int SetMapMode(int mode);
  int GetMapMode() const;
  CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(CPoint point) { return SetViewportOrg(point.x, point.y); }
  CPoint OffsetViewportOrg(int dx, int dy);
  CPoint GetViewportOrg() const;
  CPoint SetWindowOrg(int x, int y);
  CPoint SetWindowOrg(CPoint point) { return SetWindowOrg(point.x, point.y); }
  CPoint OffsetWindowOrg(int dx, int dy);
  CPoint GetWindowOrg() const;
  CSize SetWindowExt(int cx, int cy);
  CSize SetViewportExt(int cx, int cy);
  void LPtoDP(CPoint* points, int count = 1) const;
  void LPtoDP(CRect* rect) const;
  void DPtoLP(CPoint* points, int count = 1) const;
  void DPtoLP(CRect* rect) const;

  // ---- State -------------------------------------------------------------------------
  // Saves objects, colours, modes, origins, clip and position; returns the
  // level (1, 2, ...) or 0 when there is no surface.
  int SaveDC();
  // Restores the given level (a negative value counts back from the top:
  // -1 is the last save); the levels above it are dropped.
  BOOL RestoreDC(int savedDC);

  // ---- Clipping (logical coordinates; return a region kind) -----------------------------
  int IntersectClipRect(int left, int top, int right, int bottom);
  int IntersectClipRect(const CRect& rect) { return IntersectClipRect(rect.left, rect.top, rect.right, rect.bottom); }
  int ExcludeClipRect(int left, int top, int right, int bottom);
  int ExcludeClipRect(const CRect& rect) { return ExcludeClipRect(rect.left, rect.top, rect.right, rect.bottom); }
  // Replaces the clip by the rectangle, or removes it (null).
  int SelectClipRect(const CRect* rect);
  int GetClipBox(CRect* rect) const;
  BOOL PtVisible(int x, int y) const;
  BOOL RectVisible(const CRect& rect) const;

  // ---- Lines ---------------------------------------------------------------------------
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(CPoint point) { return MoveTo(point.x, point.y); }
  BOOL LineTo(int x, int y);
  BOOL LineTo(CPoint point) { return LineTo(point.x, point.y); }
  CPoint GetCurrentPosition() const;
  BOOL Polyline(const CPoint* points, int count);
  // Platform only: LineTo and Polyline after it draw anti-aliased lines
  // through the pixel centres (a trend's series); returns the previous
  // setting. Saved and restored with the rest of the state.
  BOOL SetSmoothLines(BOOL smooth);
  // The arc of the ellipse bounded by the rectangle, from where the ray from
  // the centre to the start point cuts it to where the ray to the end point
  // does, counter-clockwise (unless AD_CLOCKWISE); equal rays: the whole ellipse.
  BOOL Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
  BOOL Arc(const CRect& rect, CPoint start, CPoint end);

  // ---- Filled shapes (outline with the pen, inside with the brush) --------------------------
  BOOL Rectangle(int left, int top, int right, int bottom);
  BOOL Rectangle(const CRect& rect) { return Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
  BOOL Ellipse(int left, int top, int right, int bottom);
  BOOL Ellipse(const CRect& rect) { return Ellipse(rect.left, rect.top, rect.right, rect.bottom); }
  BOOL RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  BOOL RoundRect(const CRect& rect, CPoint corner) {
    return RoundRect(rect.left, rect.top, rect.right, rect.bottom, corner.x, corner.y);
  }
  BOOL Polygon(const CPoint* points, int count);
  BOOL Pie(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
  BOOL Pie(const CRect& rect, CPoint start, CPoint end);
  BOOL Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);

  // ---- Rectangle fills ----------------------------------------------------------------------
  void FillRect(const CRect& rect, CBrush* brush);
  void FillSolidRect(const CRect& rect, COLORREF color);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
  void FrameRect(const CRect& rect, CBrush* brush);
  void InvertRect(const CRect& rect);
  // A dotted rectangle drawn by inverting, so drawing it twice removes it.
  void DrawFocusRect(const CRect& rect);
  // A one-pixel frame: top and left in one colour, bottom and right in the other.
  void Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
  // Raised, sunken, etched or bump edges (EDGE_*, BF_*); BF_ADJUST shrinks the rectangle.
  BOOL DrawEdge(CRect* rect, UINT edge, UINT flags);
  // Colour gradients over rectangles: GRADIENT_FILL_RECT_H (left to right)
  // or GRADIENT_FILL_RECT_V (top to bottom).
  BOOL GradientFill(const TRIVERTEX* vertices, ULONG vertexCount, const GRADIENT_RECT* rects,
                    ULONG rectCount, DWORD mode);
  COLORREF SetPixel(int x, int y, COLORREF color);
  COLORREF SetPixel(CPoint point, COLORREF color) { return SetPixel(point.x, point.y, color); }
  // The pixel's colour; CLR_INVALID outside the surface or without pixels.
  COLORREF GetPixel(int x, int y) const;
  COLORREF GetPixel(CPoint point) const { return GetPixel(point.x, point.y); }

  // ---- Text ---------------------------------------------------------------------------------
  // Formatted text in a rectangle (DT_* flags). Returns the height of the
  // text (with DT_VCENTER or DT_BOTTOM the offset from the top to the text's
  // bottom); with DT_CALCRECT nothing is drawn and the rectangle is fitted.
  int DrawText(const std::string& text, CRect* rect, UINT format);
  int DrawText(const std::string& text, int count, CRect* rect, UINT format);
  // One line at a point, placed by the text alignment (TA_*).
  BOOL TextOut(int x, int y, const std::string& text);
  // As TextOut; ETO_OPAQUE fills the rectangle with the background colour
  // first, ETO_CLIPPED clips the text to it.
  BOOL ExtTextOut(int x, int y, UINT options, const CRect* rect, const std::string& text,
                  const int* widths = nullptr);
  CSize GetTextExtent(const std::string& text) const;
  CSize GetOutputTextExtent(const std::string& text) const { return GetTextExtent(text); }
  BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

  // ---- Bitmaps and icons -----------------------------------------------------------------------
  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
  BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                  int srcWidth, int srcHeight, DWORD rop);
  // Operations with the brush and the destination only (PATCOPY, PATINVERT,
  // DSTINVERT, BLACKNESS, WHITENESS).
  BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
  BOOL DrawIcon(int x, int y, HICON icon);
  BOOL DrawIcon(CPoint point, HICON icon) { return DrawIcon(point.x, point.y, icon); }
  // Draws an icon scaled to the size (0: its own size).
  BOOL DrawIconEx(int x, int y, HICON icon, int width, int height);
  // Moves the pixels of the scroll rectangle (the whole surface when null)
  // by dx, dy inside the clip rectangle; the uncovered part goes to update.
  BOOL ScrollDC(int dx, int dy, const CRect* scroll, const CRect* clip, CRect* update);

  // ---- Device ----------------------------------------------------------------------------------
  // LOGPIXELSX/Y (96 on screen, the resolution of a printer), HORZRES/VERTRES
  // (surface size in pixels), BITSPIXEL.
  int GetDeviceCaps(int index) const;

  // ---- Platform only ----------------------------------------------------------------------------
  // Draws through a painter the caller owns (a printer page, a widget's
  // paint event). The painter must outlive the attachment; dpi is the
  // device's resolution for GetDeviceCaps.
  void AttachPainter(QPainter* painter, int dpi, bool printing);
  // Draws into an image the caller owns (a window's surface).
  void AttachImage(QImage* image);
  // Clips everything to the region's rectangles in device pixels (a window's
  // invalid area); the program's own clip calls narrow it further.
  void SetSystemClip(const std::vector<CRect>& deviceRects);
  // The painter with the context's current state applied; null without a surface.
  QPainter* GetPainter();
  // The pixels when the surface is an image; else null.
  QImage* GetSurfaceImage() const;

 protected:
  platform_detail::DCData& Data() const { return *m_d; }

 private:
  std::unique_ptr<platform_detail::DCData> m_d;
};

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
