#include "platform/ui/ListText.h"

namespace platform_detail {

int FindListText(const QStringList& items, int startAfter, const QString& key, bool exact) {
  const int n = static_cast<int>(items.size());
  if (n == 0) return -1;
  const int start = (startAfter < 0 || startAfter >= n) ? 0 : startAfter + 1;
  for (int k = 0; k < n; ++k) {
    const int i = (start + k) % n;
    const QString& item = items[i];
    if (exact ? item.compare(key, Qt::CaseInsensitive) == 0 : item.startsWith(key, Qt::CaseInsensitive)) return i;
  }
  return -1;
}

int SortedInsertPosition(const QStringList& items, const QString& text) {
  int i = 0;
  while (i < items.size() && items[i].compare(text, Qt::CaseInsensitive) <= 0) ++i;
  return i;
}

}  // namespace platform_detail
