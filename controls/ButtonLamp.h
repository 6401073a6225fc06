// An indicator lamp: a CButtonQM in check-box mode, usually put in the
// place of a dialog button (SubclassDlgItem); lit while checked, whatever
// the template button's kind. Pointing at it does not
// light it. User-interface thread only.
#pragma once

#include "controls/ButtonQM.h"

class CButtonLamp : public CButtonQM {
 public:
  // Lit: green with black text; dark: the button face.
  CButtonLamp();
  bool IsLit() const { return GetCheck() != 0; }
};
