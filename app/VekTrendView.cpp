#include "app/VekTrendView.h"

#include <algorithm>

#include "app/MainFrmBase.h"
#include "app/ScrollChildDlg.h"
#include "app/TrendChildDlg.h"
#include "app/TrendRules.h"
#include "attrib/AttribTrendInfo.h"
#include "core/VekUtils.h"
#include "platform/ui/Document.h"
#include "platform/ui/WinApp.h"
#include "res/TrendResources.h"

using namespace trend_res;

CVekTrendView::CVekTrendView() : CFormView(IDD_TREND_FORM) {}

CVekTrendView::~CVekTrendView() { DestroyPanels(); }

void CVekTrendView::OnInitialUpdate() {
  CFormView::OnInitialUpdate();
  // The supervise window comes back to the front once the trend window has
  // opened at start-up; a further window on the trends ("New Window") stays
  // in front, where the user asked for it.
  const CDocument* pDoc = GetDocument();
  const bool bFirstView = pDoc == nullptr || pDoc->GetViews().empty() || pDoc->GetViews().front() == this;
  if (CWnd* pMain = AfxGetMainWnd(); pMain && bFirstView)
    pMain->PostMessage(WM_COMMAND, MAKEWPARAM(IDC_TREND_SUPERVISE, 0), 0);
  if (const CWnd* pPlaceholder = GetDlgItem(IDC_TREND_PLACEHOLDER)) {
    m_rcPlaceholder = GetWindowRectInParent(pPlaceholder);
    m_rcPlaceholder.OffsetRect(GetScrollPosition());
  }
  m_pScrollHost = std::make_unique<CScrollChildDlg>(this, IDC_TREND_PLACEHOLDER, IDD_TREND_SCROLL_HOST);
  if (!m_pScrollHost->IsWindowCreated()) return;
  FitScrollHost();
  CreatePanels();
}

CRect CVekTrendView::ScrollHostRect(const CRect& rcPlaceholder, CSize szForm, CSize szClient) {
  const int nRightMargin = szForm.cx - rcPlaceholder.right;
  const int nBottomMargin = szForm.cy - rcPlaceholder.bottom;
  return CRect(rcPlaceholder.left, rcPlaceholder.top, std::max(rcPlaceholder.right, szClient.cx - nRightMargin),
               std::max(rcPlaceholder.bottom, szClient.cy - nBottomMargin));
}

void CVekTrendView::FitScrollHost() {
  if (!m_pScrollHost || !m_pScrollHost->IsWindowCreated()) return;
  CRect client;
  GetClientRect(&client);
  CRect rect = ScrollHostRect(m_rcPlaceholder, GetTotalSize(), client.Size());
  const CPoint scrolled = GetScrollPosition();
  rect.OffsetRect(-scrolled.x, -scrolled.y);
  m_pScrollHost->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                              SWP_NOZORDER | SWP_NOACTIVATE);
}

void CVekTrendView::OnSize(UINT type, int cx, int cy) {
  CFormView::OnSize(type, cx, cy);
  FitScrollHost();
}

void CVekTrendView::CreatePanels() {
  const CAttribTrendInfo::TrendInfoList* list = CAttribTrendInfo::GetSortedTrendInfoList();
  if (!list || list->empty()) return;
  CRect area;
  m_pScrollHost->GetScrollArea(area);
  int nPanelWidth = 0;
  int y = trend_rules::kFirstPanelTop;
  for (size_t i = 0; i < list->size(); ++i) {
    auto panel = std::make_unique<CTrendChildDlg>();
    panel->SetTrendAttrib((*list)[i]->GetOwner());
    if (!panel->CreateChild(m_pScrollHost.get(), CPoint(trend_rules::kPanelLeft, y),
                            kFirstPanelId + static_cast<UINT>(i)))
      continue;
    CRect rect;
    panel->GetWindowRect(&rect);
    if (m_arrPanels.empty()) {
      CRect client;
      panel->GetClientRect(&client);
      nPanelWidth = client.Width();
    }
    y += rect.Height() + trend_rules::kPanelGap;
    m_arrPanels.push_back(std::move(panel));
  }
  m_pScrollHost->SetScrollArea(area.left, area.top, nPanelWidth + trend_rules::kAreaRightMargin, y);
}

void CVekTrendView::DestroyPanels() {
  for (auto& panel : m_arrPanels)
    if (panel->IsWindowCreated()) panel->DestroyWindow();
  m_arrPanels.clear();
  if (m_pScrollHost && m_pScrollHost->IsWindowCreated()) m_pScrollHost->DestroyWindow();
  m_pScrollHost.reset();
}

void CVekTrendView::OnDestroy() {
  DestroyPanels();
  CFormView::OnDestroy();
}

BOOL CVekTrendView::IsCommandHandled(UINT id) const { return id == IDC_TREND_SUPERVISE; }

BOOL CVekTrendView::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != IDC_TREND_SUPERVISE) return CFormView::OnCommand(wParam, lParam);
  // The frame's own hook, not the command: the frame routes a command to
  // the active view first, which may be this one.
  if (auto* pFrame = dynamic_cast<CMainFrmBase*>(AfxGetMainWnd())) pFrame->ShowSuperviseFrame();
  return TRUE;
}
