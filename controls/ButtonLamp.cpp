#include "controls/ButtonLamp.h"


CButtonLamp::CButtonLamp() {
  SetCheckBoxMode(TRUE);
  SetTrackHot(false);
  SetColor(controls::BTNST_COLOR_BK_IN, RGB(0, 220, 0), FALSE);
  SetColor(controls::BTNST_COLOR_FG_IN, RGB(0, 0, 0), FALSE);
}
