#include "shapes/pages/EditColors.h"

#include "platform/Wnd.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DC.h"
#include "shapes/pages/PageRules.h"

CPageEditColors::CPageEditColors() {
  m_focused.CreateSolidBrush(EditBackground(true));
  m_other.CreateSolidBrush(EditBackground(false));
}

HBRUSH CPageEditColors::Apply(CDC* dc, CWnd* control, UINT ctlColor) {
  if (ctlColor != CTLCOLOR_EDIT || dc == nullptr) return nullptr;
  const bool focused = control != nullptr && CWnd::GetFocus() == control;
  dc->SetBkColor(EditBackground(focused));
  return focused ? static_cast<HBRUSH>(m_focused) : static_cast<HBRUSH>(m_other);
}
