// Pure geometry of the grid control: the layout of its child windows from
// the client size, the largest top row and left column, paging, making a
// cell visible, scroll-bar ranges, key acceleration, the wheel, column
// sizing hover, fitting columns, hint placement and the tab strip.
// Functions of their arguments only; safe from any thread.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/WinTypes.h"

// A size of column or row n (a width or a height).
using UGSizeOf = std::function<int(long index)>;

// ---- Layout of the child windows ------------------------------------------
struct UGLayoutInput {
  int width = 0;   // client width
  int height = 0;  // client height
  int sideHdgWidth = 0;
  int topHdgHeight = 0;
  int vScrollWidth = 0;   // the width a vertical scroll bar takes when shown
  int hScrollHeight = 0;  // the height of a horizontal one
  int tabWidth = 0;       // 0: no sheet tabs
  long colCount = 0;
  UGSizeOf colWidth;
  long rowCount = 0;
  UGSizeOf rowHeight;
};

struct UGLayout {
  CRect grid, topHdg, sideHdg, corner, vScroll, hScroll, tab;
  int gridWidth = 0;
  int gridHeight = 0;
  bool vScrollShown = false;
  bool hScrollShown = false;
  int tabWidth = 0;  // the tab width used (cut to the room)
};

// True when the sizes 0..count-1 add up to no more than room (stops early).
bool UGSizesFit(long count, const UGSizeOf& sizeOf, long room);
UGLayout UGComputeLayout(const UGLayoutInput& in);

// ---- Largest top row / left column ---------------------------------------
// Going up from the last item, the heights are taken from the room (area
// less the locked part); the item at which the room goes negative gives
// that item + 1, limited to the last item and no lower than the locked count.
long UGComputeMaxTopIndex(long count, long lockedCount, int areaSize, int lockedSize,
                          const UGSizeOf& sizeOf);

// ---- Paging and visibility --------------------------------------------------
// The row a page down (forward) or up from `from` reaches: the rows' sizes
// are added up to the page size (area less the locked part); the move stops
// at the last row that still fits. Rows past the count take defaultSize.
long UGPageTarget(long from, bool forward, int pageSize, const UGSizeOf& sizeOf);
// The top row that shows target at the bottom of the area (target below
// the rows shown). Uniform sizes use the direct division.
long UGTopIndexToShowAtEnd(long target, int pageSize, bool uniform, int uniformSize,
                           const UGSizeOf& sizeOf);

// ---- Key acceleration and wheel ---------------------------------------------
// Cells moved by one repeated arrow key: (counter / divisor)^3 + 1, or 1.
int UGBallisticStep(int repeatCounter, int divisor);
// Rows the top row moves for a wheel delta: 3 per 120 units (one row per
// 40), truncated toward zero; a positive delta scrolls up (a negative row
// count). The part of the delta too small for a row is left in *remainder
// and added to the next delta in the same direction, so the small steps of
// touchpads and high-resolution wheels add up instead of being lost; null
// keeps none.
long UGWheelRows(int delta, int* remainder = nullptr);

// ---- Scroll bars ------------------------------------------------------------------
struct UGScrollInfo {
  int min = 0;
  int max = 0;
  int page = 1;
  int pos = 0;
  bool scaled = false;
};
// The vertical bar: above 1000 rows of range (thumb mode not 2) the range
// is 0..1000 with page 1 and positions scaled; mode 2 a three-position bar.
UGScrollInfo UGVScrollInfo(long topRow, long maxTopRow, long lockedRows, int gridHeight,
                           int defRowHeight, int thumbMode);
// The top row a vertical thumb position stands for.
long UGVScrollPosToRow(int pos, long maxTopRow, long lockedRows, int thumbMode);
UGScrollInfo UGHScrollInfo(int leftCol, int maxLeftCol, int lockedCols, int gridWidth,
                           int lockedWidth, int defColWidth);
int UGHScrollPosToCol(int pos, int lockedCols);

// ---- Column and row sizing in the headings ------------------------------------------
// The index whose trailing border lies strictly less than 3 pixels from
// pos, walking the shown items from their start position; a hidden (size 0)
// item right after it is taken instead. -1 when none.
long UGSizingCandidate(int pos, const std::vector<long>& shownIndexes, int startPos,
                       long count, const UGSizeOf& sizeOf);
// Widths that share clientWidth in proportion to the given widths; the
// last takes what remains. Empty when the widths add up to 0.
std::vector<int> UGFitWidths(const std::vector<int>& widths, int clientWidth);
// Scales heading widths to a new total, rounding each; the total must not be 0.
std::vector<int> UGScaleWidths(const std::vector<int>& widths, int newTotal);

// ---- Hint window --------------------------------------------------------------------
constexpr int UG_HINT_ALIGNLEFT = 1;
constexpr int UG_HINT_ALIGNRIGHT = 2;
constexpr int UG_HINT_ALIGNCENTER = 4;
constexpr int UG_HINT_ALIGNTOP = 8;
constexpr int UG_HINT_ALIGNBOTTOM = 16;
constexpr int UG_HINT_ALIGNVCENTER = 32;
// The hint's rectangle: width text + 4 (at least minWidth), height the
// text height, placed by the anchor word and shifted back inside bounds.
CRect UGPlaceHint(int x, int y, int minWidth, int textWidth, int textHeight, int anchor,
                  const CRect& bounds);

// ---- Sheet tabs ------------------------------------------------------------------------
// Largest scroll offset of the strip: 0 when the tabs fit, else overflow + 20.
int UGTabMaxOffset(int totalTabsWidth, int clientWidth);
// The offset that shows tab [tabLeft, tabLeft + tabWidth) (strip coordinates)
// whole: its left edge no nearer than 5 to the start, its right edge + 19
// within the client width; kept between 0 and maxOffset.
int UGTabOffsetToShow(int offset, int tabLeft, int tabWidth, int clientWidth, int maxOffset);
// The tab-area width a resize drag gives: the mouse x, at least 40.
int UGTabAreaWidth(int mouseX);
