#include "app/MainFrame.h"

#include "app/AppWindowSlots.h"
#include "app/VekPlant.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"
#include "platform/ui/CmdUI.h"
#include "res/AppResources.h"

namespace {

void RunSlot(const std::function<void()>& slot) {
  if (slot) slot();
}

}  // namespace

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

void CMainFrame::ShowRecipeWindow() {
  const CAppWindowSlots& slots = AppWindowSlots();
  if (m_pRecipeDlg && m_pRecipeDlg->IsWindowCreated()) {
    if (slots.verifyPlcRecipe) slots.verifyPlcRecipe(m_pRecipeDlg);
    m_pRecipeDlg->SetForegroundWindow();
    m_pRecipeDlg->ShowWindow(SW_RESTORE);
    m_pRecipeDlg->PostMessage(WM_RECIPE_TO_FRONT);
    return;
  }
  DestroyAndDeleteWnd(m_pRecipeDlg);
  if (slots.createRecipeWindow) m_pRecipeDlg = slots.createRecipeWindow();
}

void CMainFrame::ShowShiftWindow() { RunSlot(AppWindowSlots().showShiftWindow); }
void CMainFrame::ShowRecipeRangeWindow() { RunSlot(AppWindowSlots().showRecipeRangeWindow); }
void CMainFrame::ShowLoopPidFactors() { RunSlot(AppWindowSlots().showLoopPidFactors); }

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
