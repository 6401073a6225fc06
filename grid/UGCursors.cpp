#include "grid/UGCursors.h"

void UGSetCursor(CWnd*, UGCursor) {
  // The platform offers no cursor shapes yet: the arrow stays.
}
