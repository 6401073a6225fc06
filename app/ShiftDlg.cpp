#include "app/ShiftDlg.h"

#include "app/NewShiftDlg.h"
#include "app/RecordEdits.h"
#include "app/ShiftRules.h"
#include "core/VekAccessUser.h"
#include "plant/Plant.h"
#include "res/RecordWindowResources.h"

using namespace record_res;

namespace {

const CBaseTableDlg::ChangeRights kShiftRights = {
    shift_rules::kPurposeNewShift,
    {CVekAccessUser::eGroupShift, CVekAccessUser::eGroupProduction, CVekAccessUser::eGroupPlantAdmin}};

// The value statics, in the order of the shift texts.
constexpr UINT kShiftTextIds[] = {IDC_SHIFT_OPERATOR,       IDC_SHIFT_START,        IDC_SHIFT_START_SHAMSI,
                                  IDC_SHIFT_TOTAL_PRODUCED, IDC_SHIFT_TOTAL_SLURRY, IDC_SHIFT_TOTAL_TIME,
                                  IDC_SHIFT_USEFUL_TIME};

}  // namespace

CShiftDlg::CShiftDlg() : CBaseTableDlg(IDD_SHIFT, kShiftRights, nullptr) {}

CShiftRS* CShiftDlg::GetShiftRS() const { return dynamic_cast<CShiftRS*>(GetRecordset()); }

BOOL CShiftDlg::OnInitDialog() {
  CBaseTableDlg::OnInitDialog();
  ShowActiveShift();
  return TRUE;
}

void CShiftDlg::ShowActiveShift() {
  const CShiftRS* shifts = GetShiftRS();
  const bool active = shifts && shifts->HasActiveRecord();
  const shift_rules::ShiftTexts texts =
      shift_rules::MakeShiftTexts(active ? shifts->GetActiveFields() : CShiftFields(), active);
  for (size_t i = 0; i < texts.size(); ++i) SetDlgItemText(static_cast<int>(kShiftTextIds[i]), texts[i]);
}

bool CShiftDlg::StartNewShift() {
  CShiftRS* shifts = GetShiftRS();
  if (!shifts) {
    ShowRefusal("The Shift table is not open; no shift can be started.");
    return false;
  }
  if (!CheckChangeAccess()) return false;
  CNewShiftDlg ask(m_pCaptionUser ? m_pCaptionUser->GetName() : std::string(), this);
  if (ask.DoModal() != IDOK) return false;
  const bool started = record_edits::StartShift(*shifts, ask.GetOperatorName());
  ShowActiveShift();
  return started;
}

BOOL CShiftDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == IDC_SHIFT_NEW && HIWORD(wParam) == BN_CLICKED) {
    StartNewShift();
    return TRUE;
  }
  return CBaseTableDlg::OnCommand(wParam, lParam);
}
