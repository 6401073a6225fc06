#include "app/MainFrmBase.h"

#include "app/RecordInterval.h"
#include "app/VekFrameBaseApp.h"
#include "controls/BaseAboutDlg.h"
#include "controls/InputBox.h"
#include "core/AccessLog.h"
#include "core/LoginChangePassDlg.h"
#include "core/LoginEditorDlg.h"
#include "core/VekAccessControl.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"
#include "platform/Seams.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/Menu.h"
#include "res/AppResources.h"

namespace {

using namespace app_res;

// Each command id and the hook it calls.
struct CommandHook {
  UINT nId;
  void (CMainFrmBase::*pHook)();
};
constexpr CommandHook kCommandHooks[] = {
    {ID_CHANGE_PASSWORD, &CMainFrmBase::OnChangePassword},
    {ID_USERS_EDITOR, &CMainFrmBase::OnUsersEditor},
    {ID_RECIPE, &CMainFrmBase::ShowRecipeWindow},
    {ID_SHIFT, &CMainFrmBase::ShowShiftWindow},
    {ID_RECIPE_RANGE, &CMainFrmBase::ShowRecipeRangeWindow},
    {ID_LOOP_PID_FACTORS, &CMainFrmBase::ShowLoopPidFactors},
    {ID_DATASOURCE_NONE, &CMainFrmBase::OnDataSourceNone},
    {ID_DATASOURCE_DEMO, &CMainFrmBase::OnDataSourceDemo},
    {ID_DATASOURCE_REAL, &CMainFrmBase::OnDataSourceReal},
    {ID_APP_ABOUT, &CMainFrmBase::ShowAboutBox},
    {ID_TAG_BROWSER, &CMainFrmBase::ShowRoveDazuviVerov},
    {ID_RECORD_INTERVAL, &CMainFrmBase::OnRecordInterval},
    {ID_TREND_FRAME, &CMainFrmBase::ShowTrendFrame},
    {ID_SUPERVISE_FRAME, &CMainFrmBase::ShowSuperviseFrame},
    {ID_NEXT_FRAME, &CMainFrmBase::ActivateNextFrame},
};

// Each command id whose menu item is updated, and its update hook.
struct UpdateHook {
  UINT nId;
  void (CMainFrmBase::*pHook)(CCmdUI*);
};
constexpr UpdateHook kUpdateHooks[] = {
    {ID_DATASOURCE_NONE, &CMainFrmBase::OnUpdateDataSourceNone},
    {ID_DATASOURCE_DEMO, &CMainFrmBase::OnUpdateDataSourceDemo},
    {ID_DATASOURCE_REAL, &CMainFrmBase::OnUpdateDataSourceReal},
};

constexpr const char* kRecordIntervalPurpose = "To change 'Record Process Information Interval'";

}  // namespace

CMainFrmBase::CMainFrmBase() = default;

CMainFrmBase::~CMainFrmBase() { DestroyAndDeleteWnd(m_pRecipeDlg); }

// ---- Creation and closing ------------------------------------------------------------------

BOOL CMainFrmBase::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CMDIFrameWnd::PreCreateWindow(cs)) return FALSE;
  // Maximised; without add-to-title, so the caption keeps the engine's
  // title whichever window is active.
  cs.style = WS_OVERLAPPEDWINDOW | WS_MAXIMIZE;
  return TRUE;
}

int CMainFrmBase::OnCreate() {
  if (CMDIFrameWnd::OnCreate() == -1) return -1;
  // The frame has no docking bars on this platform; the caption is the engine's title.
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) SetWindowText(engine->GetFullTitle());
  return 0;
}

void CMainFrmBase::OnClose() {
  if (AfxMessageBox(kCloseQuestion, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) return;
  EndSession();
}

void CMainFrmBase::EndSession() {
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) engine->DestroyTagBrowser();
  CMDIFrameWnd::OnClose();
}

void CMainFrmBase::OnDestroy() {
  WriteAccessLogLine("VekFrame Closed.", true);
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) {
    // The tag browser is a window of its own, not the frame's: one still
    // open when the frame goes without closing goes first, before the
    // engine whose tags it reads.
    engine->DestroyTagBrowser();
    engine->ShutDown();
  }
  DestroyAndDeleteWnd(m_pRecipeDlg);
  CMDIFrameWnd::OnDestroy();
}

// ---- Command routing ----------------------------------------------------------------------------

BOOL CMainFrmBase::OnCommand(WPARAM wParam, LPARAM lParam) {
  // The active window (its view and document) and the frame's standard commands first.
  if (CMDIFrameWnd::OnCommand(wParam, lParam)) return TRUE;
  const UINT id = LOWORD(wParam);
  for (const CommandHook& hook : kCommandHooks) {
    if (hook.nId != id) continue;
    (this->*hook.pHook)();
    return TRUE;
  }
  return FALSE;
}

BOOL CMainFrmBase::IsCommandHandled(UINT id) const {
  for (const CommandHook& hook : kCommandHooks)
    if (hook.nId == id) return TRUE;
  return CMDIFrameWnd::IsCommandHandled(id);
}

BOOL CMainFrmBase::OnUpdateCmdUI(CCmdUI* pCmdUI) {
  if (CMDIFrameWnd::OnUpdateCmdUI(pCmdUI)) return TRUE;
  for (const UpdateHook& hook : kUpdateHooks) {
    if (hook.nId != pCmdUI->m_nID) continue;
    (this->*hook.pHook)(pCmdUI);
    return TRUE;
  }
  return FALSE;
}

// ---- Users --------------------------------------------------------------------------------------

void CMainFrmBase::OnChangePassword() {
  // Every user may change his own password: the command only asks who is
  // logging in. An admin is handed to the dialog as the admin too; others'
  // passwords an admin resets in the users editor.
  CVekAccessUser* pUser = AskForLogin("To open the change password window");
  if (!pUser) return;
  CLoginChangePassDlg dlg(pUser, pUser->IsAdmin() ? pUser : nullptr, this);
  dlg.DoModal();
}

void CMainFrmBase::OnUsersEditor() {
  CVekAccessUser* pUser = nullptr;
  if (!CheckAccess(&pUser, "To open Access Control Users Editor window", CVekAccessUser::eGroupPlantAdmin)) return;
  CLoginEditorDlg dlg(pUser, this);
  dlg.DoModal();
}

// ---- Data source ----------------------------------------------------------------------------------

void CMainFrmBase::SetDataSource(int nType) {
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) engine->SetDataSourceType(nType);
}

void CMainFrmBase::UpdateDataSourceItem(CCmdUI* pCmdUI, int nType) {
  const CVekEngineBase* engine = CVekEngineBase::GetEngine();
  const bool bActive = engine && engine->GetDataSourceType() == nType;
  pCmdUI->SetCheck(bActive ? 1 : 0);
  if (bActive && pCmdUI->m_pMenu) pCmdUI->m_pMenu->SetDefaultItem(pCmdUI->m_nIndex, TRUE);
}

void CMainFrmBase::OnDataSourceNone() { SetDataSource(CVekEngineBase::eDataSourceNone); }
void CMainFrmBase::OnDataSourceDemo() { SetDataSource(CVekEngineBase::eDataSourceDemo); }
void CMainFrmBase::OnDataSourceReal() { SetDataSource(CVekEngineBase::eDataSourceRealHw); }
void CMainFrmBase::OnUpdateDataSourceNone(CCmdUI* pCmdUI) {
  UpdateDataSourceItem(pCmdUI, CVekEngineBase::eDataSourceNone);
}
void CMainFrmBase::OnUpdateDataSourceDemo(CCmdUI* pCmdUI) {
  UpdateDataSourceItem(pCmdUI, CVekEngineBase::eDataSourceDemo);
}
void CMainFrmBase::OnUpdateDataSourceReal(CCmdUI* pCmdUI) {
  UpdateDataSourceItem(pCmdUI, CVekEngineBase::eDataSourceRealHw);
}

// ---- Other commands --------------------------------------------------------------------------------

void CMainFrmBase::ShowAboutBox() {
  CBaseAboutDlg dlg(this);
  dlg.DoModal();
}

void CMainFrmBase::ShowRoveDazuviVerov() {
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) engine->ShowTagBrowser();
}

void CMainFrmBase::OnRecordInterval() {
  CVekEngineBase* engine = CVekEngineBase::GetEngine();
  if (!engine) return;
  // The box refuses anything but digits itself; an empty text or more than
  // a day is refused here, and the box asks again with what was typed.
  std::string strValue = IntToText(engine->GetRecordProcessInfoInterval());
  int nSeconds = 0;
  for (;;) {
    if (CInputBox::AskValue(strValue, "Recording Interval", "Please enter recording Process Information interval.",
                            "unit: Second, Zero: no recording", strValue, CInputBox::INPUT_DIGITS,
                            IDI_RECORD_INTERVAL, 0) != IDOK)
      return;
    const std::string strRefusal = CheckRecordIntervalText(strValue, &nSeconds);
    if (strRefusal.empty()) break;
    AfxMessageBox(strRefusal, MB_OK | MB_ICONEXCLAMATION);
  }
  CVekAccessUser* pUser = nullptr;
  if (!CheckAccess(&pUser, kRecordIntervalPurpose, CVekAccessUser::eGroupTechnical, CVekAccessUser::eGroupPlantAdmin))
    return;
  engine->SetRecordProcessInfoInterval(nSeconds);
}

// ---- Frames ----------------------------------------------------------------------------------------

void CMainFrmBase::ShowTrendFrame() {
  if (AreTrendsDefined())
    ActivateNextFrame();
  else
    AfxMessageBox(kNoTrendText, MB_OK | MB_ICONINFORMATION);
}

void CMainFrmBase::ShowSuperviseFrame() { ActivateNextFrame(); }

void CMainFrmBase::ActivateNextFrame() { CWnd::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
