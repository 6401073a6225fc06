#include "controls/ButtonLamp.h"

#include "controls/DlgItemPlace.h"

CButtonLamp::CButtonLamp() {
  SetCheckBoxMode(TRUE);
  SetTrackHot(false);
  SetColor(controls::BTNST_COLOR_BK_IN, RGB(0, 220, 0), FALSE);
  SetColor(controls::BTNST_COLOR_FG_IN, RGB(0, 0, 0), FALSE);
}

BOOL CButtonLamp::SubclassDlgItem(UINT nID, CWnd* pParent) {
  if (!TakeDlgItemPlace(this, nID, pParent)) return FALSE;
  SetCheckBoxMode(TRUE);  // whatever the template's button kind
  return TRUE;
}
