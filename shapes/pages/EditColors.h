// The colours of the edit boxes of the property pages and the analog
// calibrators: the edit that has the focus on light green, the others on
// light yellow. A window answers WM_CTLCOLOR through Apply.
// User-interface thread only.
#pragma once

#include "platform/ui/Brush.h"

class CDC;
class CWnd;

class CPageEditColors {
 public:
  CPageEditColors();
  // For an edit box (CTLCOLOR_EDIT): sets the context's background and
  // returns the matching brush; null for other kinds of controls, which
  // keep the framework's colours.
  HBRUSH Apply(CDC* dc, CWnd* control, UINT ctlColor);

 private:
  CBrush m_focused;
  CBrush m_other;
};
