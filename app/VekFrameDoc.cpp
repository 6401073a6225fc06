#include "app/VekFrameDoc.h"

BOOL CVekFrameDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return FALSE;
  SetTitle("Supervise");
  return TRUE;
}
