#include "app/VekFrameBaseApp.h"

#include "app/AppWindowSlots.h"
#include "attrib/AttribTrendInfo.h"
#include "controls/SplashThread.h"
#include "shapes/BaseShape.h"
#include "core/VekEngineBase.h"
#include "platform/Seams.h"
#include "platform/Wnd.h"
#include "res/AppResources.h"

namespace {

// The trend template asks the slots when it opens a document, so a window
// class that fills its slot after start-up is still used.
template <typename Factory>
Factory FromSlot(Factory CAppWindowSlots::*slot) {
  return [slot] {
    const Factory& factory = AppWindowSlots().*slot;
    return factory ? factory() : nullptr;
  };
}

}  // namespace

CVekFrameBaseApp::CVekFrameBaseApp(const std::string& strAppName, std::unique_ptr<IVekPlant> pPlant)
    : CWinApp(strAppName), m_pPlant(std::move(pPlant)) {}

CVekFrameBaseApp::~CVekFrameBaseApp() = default;

BOOL CVekFrameBaseApp::InitBaseInstance() {
  StartSplashThread(app_res::IDB_SPLASH);
  m_pTrendTemplate = new CMultiDocTemplate(app_res::IDR_TRENDS, FromSlot(&CAppWindowSlots::trendDocument),
                                           FromSlot(&CAppWindowSlots::trendFrame),
                                           FromSlot(&CAppWindowSlots::trendView));
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
  if (InitInstance()) return Run();
  // A refused start-up ends here: what was built goes, the loop never runs.
  if (m_pMainWnd) m_pMainWnd->DestroyWindow();
  int nQuit = 0;
  TakePendingQuit(&nQuit);  // the closing main window asked the loop to end
  return ExitInstance();
}

bool AreTrendsDefined() {
  const CAttribTrendInfo::TrendInfoList* list = CAttribTrendInfo::GetSortedTrendInfoList();
  return list && !list->empty();
}

IVekPlant* GetVekPlant() {
  auto* app = dynamic_cast<CVekFrameBaseApp*>(AfxGetApp());
  return app ? app->GetPlant() : nullptr;
}
