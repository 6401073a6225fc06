#include "app/TrendRules.h"

#include <algorithm>
#include <ctime>

#include "core/VekUtils.h"
#include "platform/Variant.h"
#include "platform/ui/ControlStyles.h"

namespace trend_rules {

ScrollSteps ComputeScrollSteps(int nAreaHeight, int nPageHeight) {
  ScrollSteps steps;
  steps.nRange = nAreaHeight - nPageHeight;
  steps.nLine = std::max(steps.nRange / 20, 5);
  steps.nPage = std::max(steps.nRange / 10, 5);
  return steps;
}

namespace {

int MoveUp(int nPosition, int nStep) { return nPosition > 0 ? nPosition - std::min(nStep, nPosition) : nPosition; }

int MoveDown(int nPosition, int nStep, int nRange) {
  return nPosition < nRange ? nPosition + std::min(nStep, nRange - nPosition) : nPosition;
}

}  // namespace

int ScrollPositionAfter(UINT nCode, int nThumb, int nPosition, const ScrollSteps& steps) {
  switch (nCode) {
    case SB_LINEUP:
      return MoveUp(nPosition, steps.nLine);
    case SB_PAGEUP:
      return MoveUp(nPosition, steps.nPage);
    case SB_LINEDOWN:
      return MoveDown(nPosition, steps.nLine, steps.nRange);
    case SB_PAGEDOWN:
      return MoveDown(nPosition, steps.nPage, steps.nRange);
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      return std::clamp(nThumb, 0, std::max(steps.nRange, 0));
    default:
      return nPosition;
  }
}

int WheelPositionAfter(int nDelta, int nPosition, const ScrollSteps& steps) {
  if (nDelta > 0) return MoveUp(nPosition, steps.nLine);
  if (nDelta < 0) return MoveDown(nPosition, steps.nLine, steps.nRange);
  return nPosition;
}

std::string FormatSampleText(DATE dtTimeStamp, float fValue) {
  const DateParts t = DateToParts(dtTimeStamp);
  return FormatText("%02d:%02d:%02d - ", t.hour, t.minute, t.second) + FormatFloatByRange(fValue, fValue);
}

SeriesUpdate PlanSeriesUpdate(const StackLook* pBefore, const StackLook& now, bool bSeriesAsLeft) {
  SeriesUpdate rebuild;
  // Without a clear a ring never holds fewer samples than before.
  if (!pBefore || !bSeriesAsLeft || now.nClears != pBefore->nClears || now.nPushes < pBefore->nPushes ||
      now.nCount < pBefore->nCount)
    return rebuild;
  const unsigned long long fresh = now.nPushes - pBefore->nPushes;
  if (fresh > static_cast<unsigned long long>(std::max(now.nCount, 0))) return rebuild;
  SeriesUpdate update;
  update.bRebuild = false;
  update.nAppend = static_cast<int>(fresh);
  update.nDrop = pBefore->nCount + update.nAppend - now.nCount;
  if (update.nDrop < 0 || update.nDrop > pBefore->nCount) return rebuild;
  return update;
}

std::string MakePrintHeader(DATE dtToday) {
  const DateParts d = DateToParts(dtToday);
  std::tm tm{};
  tm.tm_year = d.year - 1900;
  tm.tm_mon = d.month - 1;
  tm.tm_mday = d.day;
  tm.tm_wday = d.dayOfWeek;
  char text[128] = {};
  std::strftime(text, sizeof text, "%A, %B %d, %Y", &tm);
  return std::string("VekControls Trends, Printed on: ") + text;
}

}  // namespace trend_rules
