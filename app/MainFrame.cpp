#include "app/MainFrame.h"

#include "app/RecipeDlg.h"
#include "app/RecipeRangeDlg.h"
#include "app/ShiftDlg.h"
#include "app/VekPlant.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"
#include "plant/LoopPidFactorsDlg.h"
#include "plant/Plant.h"
#include "platform/ui/CmdUI.h"
#include "res/AppResources.h"

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

void CMainFrame::ShowRecipeWindow() {
  if (m_pRecipeDlg && m_pRecipeDlg->IsWindowCreated()) {
    if (auto* pDlg = dynamic_cast<CRecipeDlg*>(m_pRecipeDlg)) pDlg->VerifyPlcRecipe();
    m_pRecipeDlg->SetForegroundWindow();
    m_pRecipeDlg->ShowWindow(SW_RESTORE);
    m_pRecipeDlg->PostMessage(WM_RECIPE_TO_FRONT);
    return;
  }
  DestroyAndDeleteWnd(m_pRecipeDlg);
  m_pRecipeDlg = CRecipeDlg::CreateForPlant(GetAppPlant());
}

void CMainFrame::ShowShiftWindow() {
  CShiftDlg dlg;
  CPlant* plant = GetAppPlant();
  dlg.SetRecordset(plant ? plant->Tables().pShift.get() : nullptr);
  dlg.DoModal();
}

void CMainFrame::ShowRecipeRangeWindow() {
  CRecipeRangeDlg dlg;
  dlg.DoModal();
}

void CMainFrame::ShowLoopPidFactors() {
  CLoopPidFactorsDlg dlg;
  dlg.DoModal();
}

void CMainFrame::OnResetProcess() {
  const CVekEngineBase* engine = CVekEngineBase::GetEngine();
  IVekPlant* plant = GetVekPlant();
  if (engine && plant && engine->IsRealHwSource()) plant->SetResetProcessOn();
}

void CMainFrame::OnUpdateResetProcess(CCmdUI* pCmdUI) {
  const IVekPlant* plant = GetVekPlant();
  pCmdUI->SetCheck(plant && plant->IsResetProcessOn() ? 1 : 0);
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CMainFrmBase::OnCommand(wParam, lParam)) return TRUE;
  if (LOWORD(wParam) != app_res::ID_RESET_PROCESS) return FALSE;
  OnResetProcess();
  return TRUE;
}

BOOL CMainFrame::IsCommandHandled(UINT id) const {
  return id == app_res::ID_RESET_PROCESS || CMainFrmBase::IsCommandHandled(id);
}

BOOL CMainFrame::OnUpdateCmdUI(CCmdUI* pCmdUI) {
  if (CMainFrmBase::OnUpdateCmdUI(pCmdUI)) return TRUE;
  if (pCmdUI->m_nID != app_res::ID_RESET_PROCESS) return FALSE;
  OnUpdateResetProcess(pCmdUI);
  return TRUE;
}
