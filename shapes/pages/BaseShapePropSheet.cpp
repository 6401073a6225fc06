#include "shapes/pages/BaseShapePropSheet.h"

#include "core/VekUtils.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DC.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TabCtrl.h"
#include "res/PageResources.h"
#include "shapes/BaseShape.h"
#include "shapes/pages/PageRules.h"
#include "shapes/pages/PropertyPageBase.h"

namespace {
int g_rememberedPage = 0;  // the active page when the last sheet closed
}  // namespace

const char* const C_BaseShapePropSheet::kTitle = "VekFrame";

int C_BaseShapePropSheet::GetRememberedPage() { return g_rememberedPage; }
void C_BaseShapePropSheet::SetRememberedPage(int index) { g_rememberedPage = index; }

C_BaseShapePropSheet::C_BaseShapePropSheet(const std::string& caption, CWnd* parentShape)
    : CPropertySheet(caption, parentShape, static_cast<UINT>(g_rememberedPage < 0 ? 0 : g_rememberedPage)),
      m_pShape(dynamic_cast<C_BaseShape*>(parentShape)) {}

C_BaseShapePropSheet::~C_BaseShapePropSheet() = default;

BOOL C_BaseShapePropSheet::OnInitDialog() {
  m_wndAutoRefresh.Create("Auto &Refresh", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, CRect(0, 0, 100, 20),
                          this, page_res::IDC_AUTO_REFRESH);
  CPropertySheet::OnInitDialog();

  m_strTitle = kTitle;
  LOGFONT lf{};
  lf.lfHeight = 18;
  lf.lfWeight = 700;
  lf.lfPitchAndFamily = FF_SWISS;
  lf.lfFaceName = "Arial";
  m_fontTitle.CreateFontIndirect(&lf);

  CWnd* ok = GetDlgItem(IDOK);
  CWnd* apply = GetDlgItem(ID_APPLY_NOW);
  CWnd* cancel = GetDlgItem(IDCANCEL);
  if (apply && cancel) {
    cancel->MoveWindow(GetWindowRectInParent(apply));
    cancel->SetWindowText("Close");
  }
  if (apply) apply->ShowWindow(SW_HIDE);
  if (ok) ok->ShowWindow(SW_HIDE);

  if (CFont* buttons = cancel ? cancel->GetFont() : nullptr) {
    LOGFONT check{};
    if (buttons->GetLogFont(&check)) m_fontCheck.CreateFontIndirect(&check);
  }
  if (m_fontCheck.IsCreated()) m_wndAutoRefresh.SetFont(&m_fontCheck);
  PlaceAutoRefresh();

  if (m_pShape) m_pShape->SetDialogBlink(true);
  m_wndAutoRefresh.SetCheck(BST_CHECKED);
  RefreshPages();
  PrunePages();
  return TRUE;
}

void C_BaseShapePropSheet::PlaceAutoRefresh() {
  CTabCtrl* tab = GetTabControl();
  CWnd* ok = GetDlgItem(IDOK);
  if (!m_wndAutoRefresh.IsWindowCreated() || !tab || !tab->IsWindowCreated() || !ok) return;
  const CRect tabRect = GetWindowRectInParent(tab);
  const CRect okRect = GetWindowRectInParent(ok);
  m_wndAutoRefresh.MoveWindow(tabRect.left + 130, okRect.top, 100, okRect.Height());
}

void C_BaseShapePropSheet::OnSize(UINT type, int cx, int cy) {
  CPropertySheet::OnSize(type, cx, cy);
  PlaceAutoRefresh();
}

BOOL C_BaseShapePropSheet::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == page_res::IDC_AUTO_REFRESH && HIWORD(wParam) == BN_CLICKED) {
    RefreshPages();
    return TRUE;
  }
  return CPropertySheet::OnCommand(wParam, lParam);
}

void C_BaseShapePropSheet::RefreshPages() {
  for (int i = 0; i < GetPageCount(); ++i) {
    CPropertyPage* page = GetPage(i);
    if (auto* base = dynamic_cast<CPropertyPageBase*>(page); base && page->IsWindowCreated()) base->RefreshPage();
  }
}

bool C_BaseShapePropSheet::IsAutoRefresh() const {
  return m_wndAutoRefresh.IsWindowCreated() && m_wndAutoRefresh.GetCheck() == BST_CHECKED;
}

void C_BaseShapePropSheet::PrunePages() {
  ShowWindow(SW_SHOW);
  for (int i = 0; i < GetPageCount();) {
    CPropertyPage* page = GetPage(i);
    if (!SetActivePage(i) || !page->IsWindowCreated()) {
      ++i;  // a page that could not be shown is kept, never taken for an empty one
      continue;
    }
    bool anyVisible = false;
    for (CWnd* child : page->GetChildren()) anyVisible = anyVisible || child->IsWindowVisible();
    if (anyVisible) {
      ++i;
    } else {
      RemovePage(i);  // its owner deletes it after the sheet closed
    }
  }
  if (GetPageCount() > 0) SetActivePage(ClampPageIndex(g_rememberedPage, GetPageCount()));
}

void C_BaseShapePropSheet::OnDestroy() {
  CPropertySheet::OnDestroy();
  if (m_pShape) m_pShape->SetDialogBlink(false);
  g_rememberedPage = GetActiveIndex() < 0 ? 0 : GetActiveIndex();
}

void C_BaseShapePropSheet::OnPaint() {
  CPaintDC dc(this);
  CTabCtrl* tab = GetTabControl();
  CWnd* ok = GetDlgItem(IDOK);
  if (!tab || !ok || !m_fontTitle.IsCreated()) return;
  const CRect tabRect = GetWindowRectInParent(tab);
  const CRect okRect = GetWindowRectInParent(ok);
  CRect text(tabRect.left + 10, okRect.top, okRect.left, okRect.bottom);
  CFont* oldFont = dc.SelectObject(&m_fontTitle);
  dc.SetBkMode(TRANSPARENT);
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  CRect raised = text;
  raised.OffsetRect(1, 1);
  dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
  dc.DrawText(m_strTitle, &raised, format);
  dc.SetTextColor(GetSysColor(COLOR_BTNSHADOW));
  dc.DrawText(m_strTitle, &text, format);
  dc.SelectObject(oldFont);
}

void C_BaseShapePropSheet::OnLButtonDblClk(UINT flags, CPoint point) {
  if (m_pShape) m_pShape->CopyNameToClipboard(true);
  CPropertySheet::OnLButtonDblClk(flags, point);
}
