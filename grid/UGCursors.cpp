#include "grid/UGCursors.h"

#include "platform/ui/Cursors.h"

void UGSetCursor(CWnd*, UGCursor cursor) {
  UINT id = IDC_ARROW;
  switch (cursor) {
    case UGCursor::SizeWE: id = IDC_SIZEWE; break;
    case UGCursor::SizeNS: id = IDC_SIZENS; break;
    case UGCursor::IBeam: id = IDC_IBEAM; break;
    default: break;
  }
  SetCursor(LoadStandardCursor(id));
}
