#include "tagbrowser/RoveDazuviVerovDlg.h"

#include "controls/AnchorLayout.h"
#include "core/VekAccessControl.h"
#include "core/VekEngineBase.h"
#include "platform/Paths.h"
#include "res/TagBrowserResources.h"

namespace {

constexpr const char* kPurpose = "To Open RoveDazuvi Verov";
constexpr const char* kPlacementSection = "Settings";
constexpr const char* kPlacementEntry = "RoveDazuviVerovDlg";

}  // namespace

CRoveDazuviVerovDlg::CRoveDazuviVerovDlg(CWnd* pParent, CDataCenterBase* pDataCenter)
    : CResizableDialog(IDD_ROVEDAZUVI_VEROV, pParent), m_grid(pDataCenter) {}

CRoveDazuviVerovDlg::~CRoveDazuviVerovDlg() = default;

void CRoveDazuviVerovDlg::DoDataExchange(CDataExchange* pDX) {
  CResizableDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RDV_GOTO_LINE, m_editGoToLine);
  DDX_Control(pDX, IDC_RDV_SUSPEND, m_chkSuspend);
  DDX_Control(pDX, IDC_RDV_FILTER, m_editFilter);
  DDX_Control(pDX, IDC_RDV_HIGHLIGHT_LABEL, m_lblHighlight);
  DDX_Text(pDX, IDC_RDV_GOTO_LINE, m_nGoToLine);
}

BOOL CRoveDazuviVerovDlg::OnInitDialog() {
  CResizableDialog::OnInitDialog();
  if (!CheckAccess(&m_pCaptionUser, kPurpose, CVekAccessUser::eGroupTechnical, CVekAccessUser::eGroupPlantAdmin)) {
    m_bRefused = true;
    EndDialogCancel();
    return TRUE;
  }
  SetDefID(IDC_RDV_GO);
  m_grid.AttachGrid(this, IDC_RDV_GRID);
  AnchorControl(&m_grid, ANCHOR_TOPLEFT, ANCHOR_BOTTOMRIGHT);
  EnablePlacementSave(kPlacementSection, kPlacementEntry);
  ShowSuspension();
  SetTimer(rdv::kSuspendTimer, rdv::kSuspendMs);
  m_grid.SetTopRow(GetProfileInt(kProfileSection, kKeyTopRow, 0));
  m_nGoToLine = GetProfileInt(kProfileSection, kKeyGoToLine, 0);
  // Setting the text from code sends no change notice: apply it here.
  m_editFilter.SetWindowText(GetProfileString(kProfileSection, kKeyFilter, ""));
  OnFilterChanged();
  UpdateData(FALSE);
  OnGo();
  return TRUE;
}

BOOL CRoveDazuviVerovDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (code == BN_CLICKED) {
    switch (id) {
      case IDC_RDV_SUSPEND: OnSuspend(); return TRUE;
      case IDC_RDV_GO: OnGo(); return TRUE;
      case IDC_RDV_CLEAR_FILTER: OnClearFilter(); return TRUE;
      default: break;
    }
  }
  if (code == EN_CHANGE && id == IDC_RDV_FILTER) {
    OnFilterChanged();
    return TRUE;
  }
  return CResizableDialog::OnCommand(wParam, lParam);
}

// Enter presses the default button (Go); there is nothing to accept.
void CRoveDazuviVerovDlg::OnOK() {}

// Esc closes the window as its close box does.
void CRoveDazuviVerovDlg::OnCancel() { OnClose(); }

void CRoveDazuviVerovDlg::OnClose() {
  EndDialogCancel();
  DestroyWindow();
}

void CRoveDazuviVerovDlg::OnTimer(UINT_PTR id) {
  if (id == rdv::kSuspendTimer) ShowSuspension();
  CResizableDialog::OnTimer(id);
}

void CRoveDazuviVerovDlg::OnDestroy() {
  CResizableDialog::OnDestroy();
  if (!m_bRefused) SaveProfile();
}

void CRoveDazuviVerovDlg::SaveProfile() {
  if (!m_grid.IsWindowCreated()) return;
  WriteProfileInt(kProfileSection, kKeyTopRow, static_cast<int>(m_grid.GetTopRow()));
  WriteProfileInt(kProfileSection, kKeyGoToLine, static_cast<int>(m_grid.GetCurrentRow()));
  WriteProfileString(kProfileSection, kKeyFilter, m_editFilter.GetWindowText());
}

void CRoveDazuviVerovDlg::ShowSuspension() {
  CVekEngineBase* engine = CVekEngineBase::GetEngine();
  m_chkSuspend.SetCheck(engine != nullptr && engine->IsDataObtainerSuspended() ? BST_CHECKED : BST_UNCHECKED);
}

void CRoveDazuviVerovDlg::OnSuspend() {
  // The engine may refuse; the box shows what it did.
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) {
    engine->SetDataObtainerSuspended(m_chkSuspend.GetCheck() == BST_CHECKED);
  }
  ShowSuspension();
}

void CRoveDazuviVerovDlg::OnGo() {
  if (!UpdateData(TRUE)) return;
  const long row = m_grid.GoToLine(m_nGoToLine);
  if (row < 0) return;
  m_nGoToLine = static_cast<int>(row);
  m_editGoToLine.SetWindowText(std::to_string(m_nGoToLine));
  m_editGoToLine.SetFocus();
  m_editGoToLine.SetSel(0, -1);
}

void CRoveDazuviVerovDlg::OnClearFilter() {
  m_editFilter.SetWindowText("");
  OnFilterChanged();
  m_editFilter.SetFocus();
}

void CRoveDazuviVerovDlg::OnFilterChanged() {
  m_grid.SetHighlightFilter(m_editFilter.GetWindowText());
  const int count = m_grid.ApplyHighlightFilter();
  m_lblHighlight.SetWindowText("Highlight (" + std::to_string(count) + ")");
}
