// An indicator lamp: a CButtonQM in check-box mode, usually put in the
// place of a dialog button; lit while checked. Pointing at it does not
// light it. User-interface thread only.
#pragma once

#include "controls/ButtonQM.h"

class CButtonLamp : public CButtonQM {
 public:
  // Lit: green with black text; dark: the button face.
  CButtonLamp();
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  bool IsLit() const { return GetCheck() != 0; }
};
