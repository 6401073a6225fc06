#include "controls/BaseAboutDlg.h"

#include "platform/ui/Icons.h"
#include "platform/ui/Static.h"
#include "res/ControlsResources.h"

namespace {
// Registered before the base class looks the template up.
UINT RegisteredAboutTemplate() {
  RegisterControlsDialogs();
  return IDD_BASE_ABOUT;
}
}  // namespace

CBaseAboutDlg::CBaseAboutDlg(CWnd* pParent) : CDialog(RegisteredAboutTemplate(), pParent) {}

BOOL CBaseAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  for (CWnd* child : GetChildren()) {
    if (auto* icon = dynamic_cast<CStatic*>(child); icon && (icon->GetStyle() & SS_TYPEMASK) == SS_ICON)
      icon->SetIcon(LoadIcon(IDI_APPLICATION));
  }
  return TRUE;
}
