#include "app/RecordInterval.h"

#include <algorithm>

#include "core/VekUtils.h"

std::string CheckRecordIntervalText(const std::string& strText, int* pSeconds) {
  if (strText.empty()) return "Please enter the recording interval in seconds (0 for no recording).";
  if (!std::all_of(strText.begin(), strText.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return "Please enter digits only (0-9).";
  // Leading zeros aside, more than six digits is beyond any accepted value.
  const size_t first = std::min(strText.find_first_not_of('0'), strText.size());
  long long seconds = 0;
  if (strText.size() - first <= 6) seconds = std::stoll("0" + strText.substr(first));
  if (strText.size() - first > 6 || seconds > kMaxRecordIntervalSeconds)
    return FormatText("The recording interval is at most %d seconds (one day).", kMaxRecordIntervalSeconds);
  if (pSeconds) *pSeconds = static_cast<int>(seconds);
  return {};
}
