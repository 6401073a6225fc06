#include "app/VekFrameBaseApp.h"

#include "app/ChildTrendFrame.h"
#include "app/MainFrmBase.h"
#include "app/VekTrendDoc.h"
#include "app/VekTrendView.h"
#include "attrib/AttribTrendInfo.h"
#include "controls/SplashThread.h"
#include "core/AccessLog.h"
#include "core/VekEngineBase.h"
#include "platform/Seams.h"
#include "platform/SessionEnd.h"
#include "platform/Wnd.h"
#include "res/AppResources.h"
#include "shapes/BaseShape.h"

CVekFrameBaseApp::CVekFrameBaseApp(const std::string& strAppName, std::unique_ptr<IVekPlant> pPlant)
    : CWinApp(strAppName), m_pPlant(std::move(pPlant)) {}

CVekFrameBaseApp::~CVekFrameBaseApp() = default;

BOOL CVekFrameBaseApp::InitBaseInstance() {
  StartSplashThread(app_res::IDB_SPLASH);
  m_pTrendTemplate = new CMultiDocTemplate(
      app_res::IDR_TRENDS, [] { return new CVekTrendDoc; }, [] { return new CChildTrendFrame; },
      [] { return new CVekTrendView; });
  AddDocTemplate(m_pTrendTemplate);
  return TRUE;
}

BOOL CVekFrameBaseApp::OpenTrendDocument() {
  if (AreTrendsDefined() && m_pTrendTemplate) m_pTrendTemplate->OpenDocumentFile(nullptr, TRUE);
  return TRUE;
}

int CVekFrameBaseApp::ExitInstance() {
  CVekEngineBase::SetEngine(nullptr);
  C_BaseShape::DeletePackIniFiles();
  C_BaseShape::DeleteDeviceNameList();
  return CWinApp::ExitInstance();
}

int CVekFrameBaseApp::RunProgram() {
  SetSessionEndBoxLog([](const std::string& strLine) { WriteAccessLogLine(strLine, true); });
  int nCode = 0;
  if (InitInstance()) {
    SetSessionEndHandler([this](const std::string& strReason) { EndSession(strReason); });
    nCode = Run();
    SetSessionEndHandler(nullptr);
  } else {
    // A refused start-up ends here: what was built goes, the loop never runs.
    CloseSplash();
    if (m_pMainWnd) m_pMainWnd->DestroyWindow();
    int nQuit = 0;
    TakePendingQuit(&nQuit);  // the closing main window asked the loop to end
    nCode = ExitInstance();
  }
  SetSessionEndBoxLog(nullptr);
  return nCode;
}

void CVekFrameBaseApp::EndSession(const std::string& strReason) {
  // Without a main window it is closing already and has asked the loop to end.
  auto* pFrame = dynamic_cast<CMainFrmBase*>(m_pMainWnd);
  if (!pFrame) return;
  WriteAccessLogLine(strReason + ": the session ends; VekFrame closes without asking.", true);
  pFrame->EndSession();
}

bool AreTrendsDefined() {
  const CAttribTrendInfo::TrendInfoList* list = CAttribTrendInfo::GetSortedTrendInfoList();
  return list && !list->empty();
}

IVekPlant* GetVekPlant() {
  auto* app = dynamic_cast<CVekFrameBaseApp*>(AfxGetApp());
  return app ? app->GetPlant() : nullptr;
}

CPlant* GetAppPlant() {
  IVekPlant* plant = GetVekPlant();
  return plant ? plant->GetPlant() : nullptr;
}
