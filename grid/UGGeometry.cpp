#include "grid/UGGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

bool UGSizesFit(long count, const UGSizeOf& sizeOf, long room) {
  long sum = 0;
  for (long i = 0; i < count; ++i) {
    sum += sizeOf(i);
    if (sum > room) return false;
  }
  return true;
}

UGLayout UGComputeLayout(const UGLayoutInput& in) {
  const int W = in.width;
  const int H = in.height;
  const long roomW = W - in.sideHdgWidth;
  const long roomH = H - in.topHdgHeight;
  const bool hasTabs = in.tabWidth > 0;
  const bool colsFitAll = UGSizesFit(in.colCount, in.colWidth, roomW);

  // Each bar takes room from the other axis, so settle the two together.
  bool hNeeded = hasTabs || !colsFitAll;
  bool vNeeded = !UGSizesFit(in.rowCount, in.rowHeight, roomH - (hNeeded ? in.hScrollHeight : 0));
  if (vNeeded && !hNeeded) {
    hNeeded = !UGSizesFit(in.colCount, in.colWidth, roomW - in.vScrollWidth);
    if (hNeeded) {
      vNeeded = !UGSizesFit(in.rowCount, in.rowHeight, roomH - in.hScrollHeight);
    }
  }
  const int vs = vNeeded ? in.vScrollWidth : 0;
  const int hs = hNeeded ? in.hScrollHeight : 0;
  const bool colsFit = UGSizesFit(in.colCount, in.colWidth, roomW - vs);

  UGLayout out;
  out.vScrollShown = vNeeded;
  out.hScrollShown = hNeeded;
  int tabW = in.tabWidth;
  if (hasTabs && colsFit) {
    tabW = W + 6;
  } else if (tabW > W - vs) {
    tabW = std::max(0, W - vs);
  }
  out.tabWidth = tabW;

  out.vScroll = CRect(W - vs, 0, W, H - hs);
  out.hScroll = CRect(tabW, H - hs, std::max(tabW, W - vs), H);
  out.tab = CRect(0, H - hs, tabW, H);
  out.topHdg = CRect(in.sideHdgWidth, 0, W - vs, in.topHdgHeight);
  out.sideHdg = CRect(0, in.topHdgHeight, in.sideHdgWidth, H - hs);
  out.corner = CRect(0, 0, in.sideHdgWidth, in.topHdgHeight);
  out.grid = CRect(in.sideHdgWidth, in.topHdgHeight, W - vs, H - hs);
  out.gridWidth = out.grid.Width();
  out.gridHeight = out.grid.Height();
  return out;
}

long UGComputeMaxTopIndex(long count, long lockedCount, int areaSize, int lockedSize,
                          const UGSizeOf& sizeOf) {
  long room = static_cast<long>(areaSize) - lockedSize;
  long result = lockedCount;
  for (long i = count - 1; i >= lockedCount; --i) {
    room -= sizeOf(i);
    if (room < 0) {
      result = i + 1;
      break;
    }
  }
  result = std::min(result, count - 1);
  return std::max(result, lockedCount);
}

long UGPageTarget(long from, bool forward, int pageSize, const UGSizeOf& sizeOf) {
  long sum = 0;
  long i = from;
  // Bounded: a page never holds more rows than pixels, zero heights aside.
  for (long steps = 0; steps <= std::max(pageSize, 1) * 4L + 64; ++steps) {
    sum += sizeOf(i);
    if (sum > pageSize) return i == from ? (forward ? from + 1 : from - 1) : i;
    i += forward ? 1 : -1;
  }
  return i;
}

long UGTopIndexToShowAtEnd(long target, int pageSize, bool uniform, int uniformSize,
                           const UGSizeOf& sizeOf) {
  if (uniform) {
    if (uniformSize <= 0) return target;
    return std::min(target, target - pageSize / uniformSize + 1);
  }
  long room = pageSize;
  for (long i = target; i >= 0; --i) {
    room -= sizeOf(i);
    if (room < 0) return std::min(i + 1, target);
  }
  return 0;
}

int UGBallisticStep(int repeatCounter, int divisor) {
  if (divisor <= 0) return 1;
  long long q = repeatCounter / divisor;
  long long step = q * q * q + 1;
  return static_cast<int>(std::min<long long>(step, 1000000));
}

long UGWheelRows(int delta, int* remainder) {
  constexpr int kUnitsPerNotch = 120;
  constexpr int kRowsPerNotch = 3;
  if (remainder == nullptr) return -static_cast<long>(delta / kUnitsPerNotch) * kRowsPerNotch;
  // Whole rows of what has gathered; the rest waits for the next delta.
  // A turn of direction starts afresh. Deltas are at most 16 bits, so the
  // sum never overflows.
  if ((*remainder > 0 && delta < 0) || (*remainder < 0 && delta > 0)) *remainder = 0;
  const int total = *remainder + delta;
  const int perRow = kUnitsPerNotch / kRowsPerNotch;
  *remainder = total % perRow;
  return -static_cast<long>(total / perRow);
}

UGScrollInfo UGVScrollInfo(long topRow, long maxTopRow, long lockedRows, int gridHeight,
                           int defRowHeight, int thumbMode) {
  UGScrollInfo info;
  if (thumbMode == 2) {
    info.min = 0;
    info.max = 2;
    info.page = 1;
    info.pos = 1;
    return info;
  }
  if (maxTopRow > 1000) {
    info.min = 0;
    info.max = 1000;
    info.page = 1;
    info.pos = static_cast<int>(static_cast<std::int64_t>(topRow) * 1000 / maxTopRow);
    info.scaled = true;
    return info;
  }
  int rowHeight = std::max(defRowHeight, 1);
  info.page = std::max(gridHeight / rowHeight, 1);
  info.min = static_cast<int>(lockedRows);
  info.max = static_cast<int>(maxTopRow + info.page - 1);
  info.pos = static_cast<int>(topRow);
  return info;
}

long UGVScrollPosToRow(int pos, long maxTopRow, long /*lockedRows*/, int thumbMode) {
  if (thumbMode == 2) return -1;
  if (maxTopRow > 1000) return static_cast<long>(static_cast<std::int64_t>(pos) * maxTopRow / 1000);
  return pos;
}

UGScrollInfo UGHScrollInfo(int leftCol, int maxLeftCol, int lockedCols, int gridWidth,
                           int lockedWidth, int defColWidth) {
  UGScrollInfo info;
  info.page = std::max((gridWidth - lockedWidth) / std::max(defColWidth, 1), 1);
  info.min = 0;
  info.max = maxLeftCol - lockedCols + info.page - 1;
  info.pos = leftCol - lockedCols;
  return info;
}

int UGHScrollPosToCol(int pos, int lockedCols) { return pos + lockedCols; }

long UGSizingCandidate(int pos, const std::vector<long>& shownIndexes, int startPos, long count,
                       const UGSizeOf& sizeOf) {
  long edge = startPos;
  for (long index : shownIndexes) {
    edge += sizeOf(index);
    if (std::labs(pos - edge) < 3) {
      if (index + 1 < count && sizeOf(index + 1) == 0) return index + 1;
      return index;
    }
  }
  return -1;
}

std::vector<int> UGFitWidths(const std::vector<int>& widths, int clientWidth) {
  long long sum = 0;
  for (int w : widths) sum += w;
  if (widths.empty() || sum <= 0) return {};
  double ratio = static_cast<double>(clientWidth) / static_cast<double>(sum);
  std::vector<int> out(widths.size());
  int used = 0;
  for (size_t i = 0; i + 1 < widths.size(); ++i) {
    out[i] = static_cast<int>(widths[i] * ratio);
    used += out[i];
  }
  out.back() = clientWidth - used;
  return out;
}

std::vector<int> UGScaleWidths(const std::vector<int>& widths, int newTotal) {
  std::vector<int> out(widths.size());
  if (widths.empty()) return out;
  long long sum = 0;
  for (int w : widths) sum += w;
  if (sum <= 0) {
    // Nothing to scale from: share the new total evenly.
    int each = newTotal / static_cast<int>(widths.size());
    for (size_t i = 0; i < widths.size(); ++i) out[i] = each;
    out.back() = newTotal - each * static_cast<int>(widths.size() - 1);
    return out;
  }
  for (size_t i = 0; i < widths.size(); ++i) {
    out[i] = static_cast<int>(static_cast<double>(widths[i]) * newTotal / static_cast<double>(sum) + 0.5);
  }
  return out;
}

CRect UGPlaceHint(int x, int y, int minWidth, int textWidth, int textHeight, int anchor,
                  const CRect& bounds) {
  int width = std::max(textWidth + 4, minWidth);
  int height = textHeight;
  int left = x;
  if (anchor & UG_HINT_ALIGNCENTER) {
    left = x - width / 2;
  } else if (anchor & UG_HINT_ALIGNRIGHT) {
    left = x - width;
  }
  int top = y;
  if (anchor & UG_HINT_ALIGNVCENTER) {
    top = y - height / 2;
  } else if (anchor & UG_HINT_ALIGNBOTTOM) {
    top = y - height;
  }
  if (left + width > bounds.right) left = bounds.right - width;
  if (left < bounds.left) left = bounds.left;
  if (top + height > bounds.bottom) top = bounds.bottom - height;
  if (top < bounds.top) top = bounds.top;
  return CRect(left, top, left + width, top + height);
}

int UGTabMaxOffset(int totalTabsWidth, int clientWidth) {
  int overflow = totalTabsWidth - clientWidth;
  return overflow <= 0 ? 0 : overflow + 20;
}

int UGTabOffsetToShow(int offset, int tabLeft, int tabWidth, int clientWidth, int maxOffset) {
  if (tabLeft + tabWidth - offset + 19 > clientWidth) offset = tabLeft + tabWidth + 19 - clientWidth;
  if (tabLeft - offset < 5) offset = tabLeft - 5;
  return std::clamp(offset, 0, std::max(maxOffset, 0));
}

int UGTabAreaWidth(int mouseX) { return std::max(mouseX, 40); }
