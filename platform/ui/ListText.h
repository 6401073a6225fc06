// Platform-internal: the text searches of list and combo boxes.
// Pure functions; any thread.
#pragma once

#include <QString>
#include <QStringList>

namespace platform_detail {

// The first index after startAfter (wrapping; -1 starts at 0) whose text
// begins with (exact: equals) the key, ignoring case; -1 when none.
int FindListText(const QStringList& items, int startAfter, const QString& key, bool exact);
// Where a text goes in a list kept sorted ignoring case (after equal texts).
int SortedInsertPosition(const QStringList& items, const QString& text);

}  // namespace platform_detail
