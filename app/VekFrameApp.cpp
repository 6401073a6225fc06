#include "app/VekFrameApp.h"

#include <cstdio>
#include <cstring>

#include "app/ChildVekFrame.h"
#include "app/MainFrame.h"
#include "app/VekFrameDoc.h"
#include "app/VekFrameView.h"
#include "controls/ResizableDialog.h"
#include "controls/SplashThread.h"
#include "core/AccessLog.h"
#include "core/IniFile.h"
#include "core/StartupChecks.h"
#include "core/VekAccessUser.h"
#include "core/VekEngineBase.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "res/AppResources.h"
#include "shapes/BaseShape.h"
#include "tagbrowser/TagBrowser.h"

CVekFrameApp::CVekFrameApp(std::unique_ptr<IVekPlant> pPlant, const std::string& strProjectCode)
    : CVekFrameBaseApp(MakeAppName(strProjectCode), std::move(pPlant)), m_strProjectCode(strProjectCode) {}

// The engine's Tag Browser command is this application's: it goes with it.
CVekFrameApp::~CVekFrameApp() { CVekEngineBase::SetTagBrowserFactory(nullptr); }

std::string CVekFrameApp::MakeAppName(const std::string& strProjectCode) { return "VekFrame " + strProjectCode; }

std::string CVekFrameApp::MakeBuildTag(const std::string& strProjectCode, const std::string& strCompileDate) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::string date = strCompileDate;
  char month[4] = {};
  int day = 0, year = 0;
  if (std::sscanf(strCompileDate.c_str(), "%3s %d %d", month, &day, &year) == 3) {
    for (int m = 0; m < 12; ++m)
      if (std::strcmp(month, kMonths[m]) == 0) {
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, m + 1, day);
        date = text;
      }
  }
  return strProjectCode + " Spray Dryer - VekFrame (build " + date + ")";
}

BOOL CVekFrameApp::InitInstance() {
  m_nExitCode = kExitStartupRefused;  // until start-up has run through
  const std::string& strAppName = m_pszAppName;

  // 1. One running instance (Ctrl+Shift or the right mouse button let a second one start).
  if (!CheckSingleInstance(strAppName, strAppName + " already running!")) return FALSE;

  // 2. The base part: splash, trend template. The engine's Tag Browser
  // command opens the RoveDazuvi Verov.
  RegisterTagBrowser();
  if (!InitBaseInstance()) return FALSE;

  // 3. The process-data objects; 4. the plant engine.
  m_pPlant->CreateProcessData();
  CVekEngineBase* pEngine = m_pPlant->CreateEngine();
  if (!pEngine) return FALSE;
  // 5. The data files; 6. the title; 7. the engine starts (its failures report themselves).
  pEngine->SetFileNames(m_strProjectCode);
  pEngine->SetTitle(MakeBuildTag(m_strProjectCode, __DATE__));
  if (!m_strDefaultUserFile.empty()) pEngine->SetDefaultUserFile(m_strDefaultUserFile);
  pEngine->SetSettingsFileRequired(true);  // an unreadable settings file refuses the start in its one box
  const bool bStarted = CVekEngineBase::SetEngine(pEngine);
  // A second instance that cannot be detected is said in this start's log.
  if (const std::string strFault = GetSingleInstanceFault(strAppName); !strFault.empty())
    WriteAccessLogLine(strFault, true);
  if (!bStarted) return FALSE;
  CResizableDialog::SetUserNameProvider(
      [](const CVekAccessUser* pUser) { return pUser ? pUser->GetName() : std::string(); });

  // 8. The settings file must exist and be writable; 9. the packs' settings file.
  // A file that could not be read (or a folder in its place) was said by
  // the engine's start, once; no second box blames it again.
  const std::string strSettings = pEngine->GetSettingFileName(true);
  if (!pEngine->GetSettingsReadError().empty() || !CheckFileAccess("Settings", strSettings)) return FALSE;
  C_BaseShape::CreatePackIniFileTable(2);
  C_BaseShape::SetPackIniFile(1, new CIniFile(strSettings));

  // 10. The profile key (dialog placements, tag-browser keys); no recent-file list.
  SetRegistryKey(strAppName);
  SetProfileKey(strAppName);

  // 11. The supervise template.
  auto* pSupervise = new CMultiDocTemplate(
      app_res::IDR_SUPERVISE, [] { return new CVekFrameDoc; }, [] { return new CChildVekFrame; },
      [] { return new CVekFrameView; });
  AddDocTemplate(pSupervise);

  // 12. The main frame.
  auto* pFrame = new CMainFrame;
  if (!pFrame->LoadFrame(app_res::IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr)) {
    pFrame->DestroyWindow();
    delete pFrame;
    return FALSE;
  }
  pFrame->SetAutoDelete(true);
  m_pMainWnd = pFrame;
  SetSplashMainWindow(pFrame);

  // 13. The command line is parsed but opens nothing: the program has no document files.
  CCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo);

  // 14. The supervise window. A view that fails ends start-up with the exit
  // code it asked for (or the start-up code), before the frame is shown.
  if (!pSupervise->OpenDocumentFile(nullptr, TRUE)) {
    int nCode = kExitStartupRefused;
    if (TakePendingQuit(&nCode)) m_nExitCode = nCode;
    return FALSE;
  }

  // 15. The trend window when trends exist; 16. the frame, maximised.
  OpenTrendDocument();
  pFrame->ShowWindow(SW_SHOWMAXIMIZED);
  pFrame->UpdateWindow();
  m_nExitCode = 0;
  return TRUE;
}

int CVekFrameApp::ExitInstance() {
  if (m_pPlant) {
    m_pPlant->DestroyProcessData();
    m_pPlant->DestroyDevices();
  }
  return CVekFrameBaseApp::ExitInstance();
}
