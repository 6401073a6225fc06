// The rules of the trend window apart from its windows: where the panels
// go in the scroll host (x, first top, gap), how far the host scrolls for each scroll code and
// wheel turn, the text of one sample in a panel's list, the list's
// incremental update, and the header of a printed chart. The windows only
// apply what these compute.
// Pure functions (the list update works on the list it is given); any thread.
#pragma once

#include <string>
#include <vector>

#include "platform/Variant.h"
#include "platform/WinTypes.h"

namespace trend_rules {

// ---- Panel placement ---------------------------------------------------------------------
constexpr int kPanelLeft = 10;      // x of every panel in the host
constexpr int kFirstPanelTop = 5;   // y of the first panel
constexpr int kPanelGap = 5;        // between panels, and below the last
constexpr int kAreaRightMargin = 20;  // added to a panel's width for the area

// ---- Scroll host arithmetic ---------------------------------------------------------------
// The distance the host can scroll: area height - page (below 0 when the
// area fits the page), and the steps: line = max(range / 20, 5), page =
// max(range / 10, 5).
struct ScrollSteps {
  int nRange = 0;
  int nLine = 5;
  int nPage = 5;
};
ScrollSteps ComputeScrollSteps(int nAreaHeight, int nPageHeight);

// The position after a WM_VSCROLL code (SB_LINEUP, SB_PAGEUP, SB_LINEDOWN,
// SB_PAGEDOWN, SB_THUMBPOSITION, SB_THUMBTRACK with nThumb); up moves only
// above 0 and down only below the range, never past either end; the thumb
// is kept inside 0..range; other codes leave the position.
int ScrollPositionAfter(UINT nCode, int nThumb, int nPosition, const ScrollSteps& steps);
// The position after a wheel turn: away from the user (delta > 0) one line
// up, towards the user one line down, with the same limits.
int WheelPositionAfter(int nDelta, int nPosition, const ScrollSteps& steps);

// ---- The sample list ----------------------------------------------------------------------
// "HH:MM:SS - value": the time stamp's clock time and the value in the
// precision its own size chooses (FormatFloatByRange(value, value)).
std::string FormatSampleText(DATE dtTimeStamp, float fValue);

// The list a panel keeps up to date; the panel's list box, or a plain list
// in tests. Every text in it is distinct (only unlisted texts are added).
class ISampleList {
 public:
  virtual ~ISampleList() = default;
  virtual int GetCount() const = 0;
  virtual bool Contains(const std::string& text) const = 0;
  // nIndex is 0..GetCount().
  virtual void Insert(int nIndex, const std::string& text) = 0;
  virtual void RemoveLast() = 0;
};

// Brings the list up to date with nCount samples, newest first: the text
// of sample k (0 the newest; formatted only when needed by textOf(k)) is
// inserted at position k until a text the list already holds is met (the
// older ones are listed already); then entries are removed from the end
// while the list holds more than nCount. An insert position never passes
// the list's count. Returns the number of texts inserted.
template <class TextOf>
int UpdateSampleList(ISampleList& list, int nCount, TextOf&& textOf) {
  int nInserted = 0;
  for (int k = 0; k < nCount; ++k) {
    const std::string text = textOf(k);
    if (list.Contains(text)) break;
    list.Insert(k < list.GetCount() ? k : list.GetCount(), text);
    ++nInserted;
  }
  while (list.GetCount() > (nCount > 0 ? nCount : 0)) list.RemoveLast();
  return nInserted;
}

// ---- The chart's series -------------------------------------------------------------------
// What a panel saw of its sample stack at a refresh (CVStack's push and
// clear counts and its sample count).
struct StackLook {
  unsigned long long nPushes = 0;
  unsigned long long nClears = 0;
  int nCount = 0;
};

// How a series that holds the samples of an earlier look is brought up to
// date: drop its nDrop oldest points and append the nAppend newest samples
// of the stack, or (bRebuild) make it again from the whole stack.
struct SeriesUpdate {
  bool bRebuild = true;
  int nDrop = 0;
  int nAppend = 0;
};

// Rebuilds when there is no earlier look, when the series does not hold
// exactly that look's samples any more (bSeriesAsLeft false), when the
// stack was emptied since, when more samples arrived than it holds, or
// when the counts cannot come from pushes alone; otherwise the new
// samples are appended and those the ring dropped go.
SeriesUpdate PlanSeriesUpdate(const StackLook* pBefore, const StackLook& now, bool bSeriesAsLeft);

// ---- Printing ----------------------------------------------------------------------------------
// "VekControls Trends, Printed on: " and the date as "%A, %B %d, %Y" in the
// C library's current locale for times.
std::string MakePrintHeader(DATE dtToday);

}  // namespace trend_rules
