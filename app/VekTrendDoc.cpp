#include "app/VekTrendDoc.h"

BOOL CVekTrendDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return FALSE;
  SetTitle(kTitle);
  return TRUE;
}
