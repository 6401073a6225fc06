#include "shapes/pages/PropertyPageBase.h"

#include "attrib/AttribTypes.h"
#include "core/VekAccessControl.h"
#include "platform/Seams.h"
#include "res/PageResources.h"
#include "shapes/BaseShape.h"
#include "shapes/pages/BaseShapePropSheet.h"
#include "shapes/pages/PageRules.h"

CPropertyPageBase::CPropertyPageBase(UINT nTemplateId) : CPropertyPage(nTemplateId) {}
CPropertyPageBase::~CPropertyPageBase() = default;

void CPropertyPageBase::SetTitle(const std::string& title) {
  m_strTitle = title;
  m_strCaption = title;
}

bool CPropertyPageBase::IsAutoRefresh() const { return m_pSheet != nullptr && m_pSheet->IsAutoRefresh(); }

void CPropertyPageBase::RefreshPage() { UpdatePage(); }

void CPropertyPageBase::UpdatePage() {
  UpdateData(FALSE);
  UpdateControls();
}

void CPropertyPageBase::UpdateControls() { UpdateControlVisibility(); }

int CPropertyPageBase::GetAttribIdOfControl(UINT /*nCtrlId*/) const { return -1; }

void CPropertyPageBase::BindShape() {
  m_pSheet = dynamic_cast<C_BaseShapePropSheet*>(GetSheet());
  m_pShape = m_pSheet ? m_pSheet->GetShape() : nullptr;
}

BOOL CPropertyPageBase::OnInitDialog() {
  BindShape();
  CPropertyPage::OnInitDialog();
  SetTimer(TIMER_PROP_PAGE, TIMER_PROP_PAGE_MS);
  RefreshPage();
  return TRUE;
}

BOOL CPropertyPageBase::OnSetActive() {
  m_bShownToUser = true;
  return CPropertyPage::OnSetActive();
}

void CPropertyPageBase::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  m_bExchange = PageExchangeMovesValues(dx->m_bSaveAndValidate != FALSE, IsAutoRefresh(), m_bShownToUser) ? 1 : 0;
}

bool CPropertyPageBase::LoadMovesValues() const {
  return PageExchangeMovesValues(false, IsAutoRefresh(), m_bShownToUser);
}

void CPropertyPageBase::OnTimer(UINT_PTR id) {
  if (id == TIMER_PROP_PAGE) {
    UpdatePage();
    return;
  }
  CPropertyPage::OnTimer(id);
}

HBRUSH CPropertyPageBase::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
  if (HBRUSH brush = m_editColors.Apply(dc, wnd, ctlColor)) return brush;
  return CPropertyPage::OnCtlColor(dc, wnd, ctlColor);
}

void CPropertyPageBase::OnLButtonDblClk(UINT flags, CPoint point) {
  CPropertyPage::OnLButtonDblClk(flags, point);
  const auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
  if (!m_pShape || !IsShowHideGesture(held(VK_RBUTTON), held(VK_CONTROL), held(VK_SHIFT))) return;
  CWnd* child = ChildWindowFromPoint(point, CWP_ALL);
  if (child == nullptr || child == this) return;
  const int id = GetAttribIdOfControl(static_cast<UINT>(child->GetDlgCtrlID()));
  if (id < 0 || id >= m_pShape->GetAttribCount()) return;
  const bool visible = m_pShape->IsAttribVisible(id);
  const int answer = AfxMessageBox(AttribVisibilityQuestion(m_pShape->GetAttribName(id), visible),
                                   MB_YESNOCANCEL | MB_SYSTEMMODAL);
  if (answer != IDYES) return;
  // The settings file first: reading the visibility reads the file, so the
  // new state must be there before the controls ask for it.
  m_pShape->SetAttribVisible(id, !visible);
  m_pShape->SaveAttribIniString(id, AP_VISIBLE, visible ? "No" : "Yes");
  UpdateControlVisibility();
}

void CPropertyPageBase::ShowByAttribVisibility(std::span<const PageAttribControl> controls) {
  bool any = false;
  for (const PageAttribControl& c : controls) {
    const bool shown = IsAttribShown(c.attrib);
    ShowControl(c.control, shown);
    ShowControl(c.label, shown);
    any = any || shown;
  }
  ShowControl(page_res::IDC_PAGE_GROUP, any);
  ShowControl(page_res::IDC_PAGE_APPLY, any);
}

void CPropertyPageBase::EnableWhileEditable(std::span<const PageAttribControl> controls) {
  const bool editable = !IsAutoRefresh();
  for (const PageAttribControl& c : controls) EnableControl(c.control, editable);
}

int CPropertyPageBase::AttribOfControl(std::span<const PageAttribControl> controls, UINT nCtrlId) {
  for (const PageAttribControl& c : controls)
    if (c.control == nCtrlId) return c.attrib;
  return -1;
}

void CPropertyPageBase::ShowControl(UINT id, bool show) {
  if (CWnd* control = GetDlgItem(static_cast<int>(id))) control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CPropertyPageBase::EnableControl(UINT id, bool enable) {
  if (CWnd* control = GetDlgItem(static_cast<int>(id))) control->EnableWindow(enable ? TRUE : FALSE);
}

bool CPropertyPageBase::IsAttribShown(int id) const {
  return m_pShape != nullptr && id >= 0 && id < m_pShape->GetAttribCount() && m_pShape->IsAttribVisible(id);
}

bool CPropertyPageBase::CheckRights(const std::string& purpose, int group1, int group2, int group3) const {
  CVekAccessUser* local = nullptr;
  CVekAccessUser** slot = m_pSheet ? m_pSheet->GetUserSlot() : &local;
  return CheckAccess(slot, purpose, group1, group2, group3);
}
