// Basic value types of the platform layer: integer aliases, points, sizes,
// rectangles and colours in the forms the rest of the program uses.
// All are plain values; safe to use from any thread.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int lo, int hi) {
  return static_cast<LPARAM>(static_cast<std::uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) {
  return static_cast<WPARAM>(static_cast<std::uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}

struct CPoint {
  int x = 0;
  int y = 0;
  constexpr CPoint() = default;
  constexpr CPoint(int px, int py) : x(px), y(py) {}
  constexpr bool operator==(const CPoint&) const = default;
  constexpr CPoint operator+(const CPoint& o) const { return {x + o.x, y + o.y}; }
  constexpr CPoint operator-(const CPoint& o) const { return {x - o.x, y - o.y}; }
  void Offset(int dx, int dy) { x += dx; y += dy; }
};

struct CSize {
  int cx = 0;
  int cy = 0;
  constexpr CSize() = default;
  constexpr CSize(int w, int h) : cx(w), cy(h) {}
  constexpr bool operator==(const CSize&) const = default;
};

// A rectangle whose right and bottom edges lie outside it, as on Windows.
struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr CRect() = default;
  constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
  constexpr CRect(CPoint tl, CSize sz) : left(tl.x), top(tl.y), right(tl.x + sz.cx), bottom(tl.y + sz.cy) {}
  constexpr bool operator==(const CRect&) const = default;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr CSize Size() const { return {Width(), Height()}; }
  constexpr CPoint TopLeft() const { return {left, top}; }
  constexpr CPoint BottomRight() const { return {right, bottom}; }
  constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
  constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
  constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  constexpr bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

  void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
  void SetRectEmpty() { left = top = right = bottom = 0; }
  void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
  void OffsetRect(CPoint p) { OffsetRect(p.x, p.y); }
  void InflateRect(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
  void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
  void NormalizeRect() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
  }
  // Intersection; empty (all zero) when the two do not overlap.
  bool IntersectRect(const CRect& a, const CRect& b) {
    CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom));
    if (r.IsRectEmpty()) { SetRectEmpty(); return false; }
    *this = r;
    return true;
  }
  // The smallest rectangle holding both; an empty one does not count.
  bool UnionRect(const CRect& a, const CRect& b) {
    if (a.IsRectEmpty()) { *this = b; return !b.IsRectEmpty(); }
    if (b.IsRectEmpty()) { *this = a; return true; }
    *this = CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                  std::max(a.bottom, b.bottom));
    return true;
  }
};
