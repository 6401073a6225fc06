#include "core/VekEngineBase.h"

#include <sys/resource.h>

#include <climits>
#include <cstdlib>
#include <iterator>

#include "core/AccessLog.h"
#include "core/Shamsi.h"
#include "core/StartupChecks.h"
#include "core/VekUtils.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/Thread.h"
#include "platform/ui/Dialog.h"
#include "res/LoginDialogs.h"

namespace {

CVekEngineBase* g_pEngine = nullptr;
CVekEngineBase::TagBrowserFactory g_tagBrowserFactory;
std::function<void()> g_resetTrendStacks;

constexpr const char* kAppSection = "Application";

// |n|, with the one value whose magnitude an int cannot hold kept at the
// largest int (std::abs of it is undefined).
int Magnitude(int n) { return n == INT_MIN ? INT_MAX : std::abs(n); }

// ProcessPriority names and the nice values they stand for.
struct PriorityName {
  const char* name;
  int nice;
};
constexpr PriorityName kPriorities[] = {{"High", -10}, {"AboveNormal", -5}, {"Normal", 0}, {"BelowNormal", 5}};

// The wait window of a data-source switch: a small window that says what
// the engine waits for. While it shows, the program's own windows take no
// input (as behind a modal dialog), but events keep flowing.
bool ShowWaitWindow(const std::string& text, const std::function<bool()>& done, DWORD timeoutMs) {
  if (done()) return true;
  RegisterLoginDialogTemplates();
  CDialog wnd;
  const bool shown = wnd.Create(login_res::IDD_ENGINE_WAIT, nullptr) != FALSE;
  if (shown) {
    if (CWnd* label = wnd.GetDlgItem(login_res::IDC_ENGINE_WAIT_TEXT)) label->SetWindowText(text);
    wnd.ShowWindow(SW_SHOW);
  }
  CVekEngineBase* engine = CVekEngineBase::GetEngine();
  CWnd* owner = engine ? engine->GetMainWnd() : nullptr;
  while (owner && owner->GetParent()) owner = owner->GetParent();
  const HWND hOwner = owner && owner->IsWindowEnabled() ? owner->m_hWnd : nullptr;
  if (hOwner) owner->EnableWindow(FALSE);
  const bool ok = WaitProcessingEvents(done, timeoutMs);
  if (CWnd* still = hOwner ? CWnd::FromHandle(hOwner) : nullptr) still->EnableWindow(TRUE);
  if (shown) wnd.DestroyWindow();
  return ok;
}

}  // namespace

CVekEngineBase::CVekEngineBase() : m_pendingWait(ShowWaitWindow) { CVekEngineBase::InitEngine(); }

CVekEngineBase::~CVekEngineBase() {
  if (g_pEngine == this) g_pEngine = nullptr;
  CVekEngineBase::ShutDown();
  m_tables.Close();
  DestroyWindow();
}

void CVekEngineBase::InitEngine() {
  m_nProcessInfoStackSize = 60;
  m_nRecordProcessInfoInterval = 60;
  m_nAddProcessInfoInterval = 1;
}

// ---- The single engine ----------------------------------------------------------------

CVekEngineBase* CVekEngineBase::GetEngine() { return g_pEngine; }

bool CVekEngineBase::SetEngine(CVekEngineBase* p) {
  if (g_pEngine && g_pEngine != p) {
    CVekEngineBase* old = g_pEngine;
    old->ShutDown();
    old->DeleteTables();
    old->ExitEngine();
    g_pEngine = nullptr;
    delete old;
  }
  if (!p) return false;
  g_pEngine = p;
  return p->StartUp();
}

CDataCenterBase* CVekEngineBase::GetEngineDataCenter() { return g_pEngine ? g_pEngine->m_pDataCenter.get() : nullptr; }

CVekAccessControl* CVekEngineBase::GetEngineAccessControl() {
  return g_pEngine ? g_pEngine->m_pAccessControl.get() : nullptr;
}

// ---- Files ------------------------------------------------------------------------------

void CVekEngineBase::SetFileNames(const std::string& strBase) {
  m_strFileBase = strBase;
  SetAccessLogFile(GetLogFileName(true));
}

std::string CVekEngineBase::FileName(const char* pszSuffix, bool bFullPath) const {
  const std::string name = m_strFileBase + pszSuffix;
  return bFullPath ? GetProgramFolder() + name : name;
}

std::string CVekEngineBase::GetSettingFileName(bool bFullPath) const { return FileName("-Setting.ini", bFullPath); }
std::string CVekEngineBase::GetTagFileName(bool bFullPath) const { return FileName("-DCTags.dct", bFullPath); }
std::string CVekEngineBase::GetUserFileName(bool bFullPath) const { return FileName("-VXC.sys", bFullPath); }
std::string CVekEngineBase::GetLogFileName(bool bFullPath) const { return FileName("-Log.log", bFullPath); }
std::string CVekEngineBase::GetDataBaseFileName(bool bFullPath) const { return FileName("-DataBase.mdb", bFullPath); }
std::string CVekEngineBase::GetProcessRecoveryFileName(bool bFullPath) const {
  return FileName("-ProcessRecovery.dat", bFullPath);
}

// ---- Start-up -------------------------------------------------------------------------------

std::unique_ptr<CDataCenterBase> CVekEngineBase::CreateDataCenter() { return std::make_unique<CDataCenterBase>(); }
std::unique_ptr<CVekAccessControl> CVekEngineBase::CreateAccessControl() {
  return std::make_unique<CVekAccessControl>();
}
std::unique_ptr<CHwLinkerEngine> CVekEngineBase::CreateHwLinker() { return std::make_unique<CHwLinkerEngine>(); }

bool CVekEngineBase::ReadSettings() {
  const std::string file = m_pIniFile->GetFilePath();
  // A file that exists but cannot be read is said once: a required one
  // refuses the start; otherwise every setting takes its default without a
  // message of its own.
  const std::string readError = m_pIniFile->GetReadError();
  m_strSettingsReadError = readError;
  if (!readError.empty() && m_bSettingsFileRequired) {
    AfxMessageBox("Settings file is not readable!\n" + readError + "\n\nVekFrame cannot start without it.",
                  MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
    return false;
  }
  if (!readError.empty())
    AfxMessageBox("Settings file is not readable!\n" + readError +
                      "\n\nEvery setting of section [Application] takes its default.",
                  MB_OK | MB_ICONEXCLAMATION);
  std::string text;
  m_pIniFile->ReadString(kAppSection, "CoreControlType", text, "PC-Base");
  if (text == "PC-Base" || text == "PLC-Base") {
    m_strCoreControlType = text;
  } else {
    m_strCoreControlType = "PC-Base";
    AfxMessageBox("Invalid setting: CoreControlType = \"" + text + "\" in section [Application] of\n" + file +
                      "\n\nIt must be \"PC-Base\" or \"PLC-Base\"; \"PC-Base\" is used.",
                  MB_OK | MB_ICONEXCLAMATION);
  }

  // A number that is missing reads as its default; a bad one says so.
  const auto readInt = [&](const char* key, int def, int min, int max, int& out) {
    int value = def;
    std::string raw;
    m_pIniFile->ReadString(kAppSection, key, raw, IntToText(def));
    if (!m_pIniFile->ReadInt(kAppSection, key, value, def) && FileExists(file) && readError.empty()) {
      AfxMessageBox(FormatText("Invalid setting: %s = \"%s\" in section [Application] of\n%s\n\nIt must be a "
                               "whole number; %d is used.",
                               key, raw.c_str(), file.c_str(), def),
                    MB_OK | MB_ICONEXCLAMATION);
      value = def;
    }
    out = std::max(Magnitude(value), min);
    if (out > max) {
      AfxMessageBox(FormatText("Invalid setting: %s = \"%s\" in section [Application] of\n%s\n\nIt must be at "
                               "most %d; %d is used.",
                               key, raw.c_str(), file.c_str(), max, max),
                    MB_OK | MB_ICONEXCLAMATION);
      out = max;
    }
  };
  // Each process value keeps a sample stack of this size: a size beyond the
  // tag file's own limit would only exhaust the memory.
  readInt("nProcessInfoSamplingStackSize", 60, 10, kMaxDataStackSize, m_nProcessInfoStackSize);
  // 0 means no process-information recording.
  readInt("nRecordProcessInformationInterval", 60, 0, INT_MAX, m_nRecordProcessInfoInterval);
  readInt("nAddProcessInfoToStackInterval", 1, 1, INT_MAX, m_nAddProcessInfoInterval);
  return true;
}

void CVekEngineBase::ApplyProcessPriority() {
  std::string text;
  m_pIniFile->ReadString(kAppSection, "ProcessPriority", text, "Normal");
  for (const PriorityName& p : kPriorities) {
    if (text != p.name) continue;
    // Raising the priority may need rights the process lacks: the program
    // then runs at its current priority, as the log says.
    if (::setpriority(PRIO_PROCESS, 0, p.nice) != 0)
      WriteAccessLogLine("ProcessPriority " + text + " could not be set; the normal priority is kept.", true);
    return;
  }
  AfxMessageBox("Invalid setting: ProcessPriority = \"" + text + "\" in section [Application] of\n" +
                    m_pIniFile->GetFilePath() +
                    "\n\nIt must be High, AboveNormal, Normal or BelowNormal; the priority is not changed.",
                MB_OK | MB_ICONEXCLAMATION);
}

bool CVekEngineBase::CreateEngineWindow() {
  if (IsWindowCreated()) return true;
  if (!Create(kWindowName, WS_POPUP, CRect(0, 0, 0, 0), nullptr, 0)) return false;
  SetTimer(kTimerProcessInfo, 1000);
  SetTimer(kTimerExitWatch, 1000);
  return true;
}

bool CVekEngineBase::StartUp() {
  if (m_bStarted) return true;
  m_EngineStopwatch.Restart();
  SetAccessLogFile(GetLogFileName(true));
  WriteAccessLogLine("", false);
  WriteAccessLogLine("==================================================", false);
  WriteAccessLogLine(GetFullTitle() + " is starting.", true);

  m_pIniFile = std::make_unique<CIniFile>(GetSettingFileName(true));
  if (!ReadSettings()) {
    WriteAccessLogLine("The settings file cannot be read; the start is refused: " + m_strSettingsReadError, true);
    return false;
  }

  // A missing or read-only user file is said once here; without one no
  // user can log in and every guarded command stays refused. A first
  // start (no key file yet) installs or seals the file and says itself
  // why it could not.
  const std::string userFile = GetUserFileName(true);
  // A first start's sealing that a crash interrupted is completed before
  // the files are looked at.
  std::string heldBy;
  CVekAccessControl::CompleteInterruptedSeal(userFile, &heldBy);
  const std::string keyFile = CVekAccessControl::GetKeyFileFor(userFile);
  const bool keyExists = NameTaken(keyFile);
  m_pAccessControl = CreateAccessControl();
  if (heldBy.empty()) {
    if (!m_strDefaultUserFile.empty() && !keyExists && !NameTaken(userFile)) {
      m_pAccessControl->InstallDefaultUserFile(m_strDefaultUserFile, userFile);
    } else {
      if (keyExists || !FileExists(userFile)) CheckFileAccess("Users", userFile);
      m_pAccessControl->LoadUserFile(userFile, !FileExists(userFile));
    }
    heldBy = m_pAccessControl->GetHeldElsewhere();
  }
  // Another start that holds the user file beyond the lock's wait seals it
  // right now: this start is a second instance, not one with a broken seal.
  if (!heldBy.empty()) {
    const std::string reason = "Another start of VekFrame holds the user file to seal it:\n" + userFile + "\n" + heldBy;
    RefuseSecondInstance(reason);
    WriteAccessLogLine("The start is refused as a second instance. " + reason, true);
    return false;
  }

  const std::string tagFile = GetTagFileName(true);
  if (!FileExists(tagFile)) {
    CheckFileAccess("DataCenter Tags", tagFile);
    const std::string kind = NonFileKind(tagFile);
    WriteAccessLogLine("The tag file is " + (kind.empty() ? std::string("missing") : kind) + ": " + tagFile, true);
    return false;
  }
  m_pDataCenter = CreateDataCenter();
  const int result = m_pDataCenter->LoadTagFile(tagFile);
  if (result != CDataCenterBase::eResultOk) {
    AfxMessageBox(m_pDataCenter->GetLastErrorText(), MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
    WriteAccessLogLine("The tag file was refused: " + CDataCenterBase::GetResultText(result), true);
    return false;
  }

  if (!CreateEngineWindow()) {
    AfxMessageBox("The engine window could not be created.", MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
    return false;
  }
  ApplyProcessPriority();
  if (!OpenTables()) {
    WriteAccessLogLine("The database could not be opened: " + GetDataBaseFileName(true), true);
    return false;
  }
  m_pHwLinker = CreateHwLinker();
  m_bStarted = true;
  WriteAccessLogLine(FormatText("Engine started: %d tags, %zu users (user file generation %llu), link \"%s\", %s.",
                                m_pDataCenter->GetTagCount(), m_pAccessControl->GetUsers().size(),
                                m_pAccessControl->GetGeneration(), m_pHwLinker->GetLinkName().c_str(),
                                m_strCoreControlType.c_str()),
                     true);
  return true;
}

bool CVekEngineBase::OpenTables() { return m_tables.Open(GetDataBaseFileName(true), this, m_hWnd); }

void CVekEngineBase::DeleteTables() { m_tables.Close(); }

bool CVekEngineBase::SetMainWnd(CWnd* pWnd) {
  m_hMainWnd = pWnd ? pWnd->m_hWnd : nullptr;
  m_hWatchWnd = m_hMainWnd;
  for (CWnd* parent = pWnd ? pWnd->GetParent() : nullptr; parent; parent = parent->GetParent())
    m_hWatchWnd = parent->m_hWnd;
  if (m_pDataCenter) m_pDataCenter->SetNotifyWnd(pWnd);
  if (!m_pDataObtainer)
    m_pDataObtainer = std::make_unique<CThreadEngine>(
        "DataObtainer", [this] { BlockingCallOnUiThread([this] { RunDataObtainerCycle(); }); }, kCycleMs);
  if (!m_pProcessControl)
    m_pProcessControl = std::make_unique<CThreadEngine>(
        "ProcessControl", [this] { BlockingCallOnUiThread([this] { RunProcessControlCycle(); }); }, kCycleMs);
  bool ok = true;
  if (!m_pDataObtainer->IsRunning()) ok = m_pDataObtainer->Start() && ok;
  if (!m_pProcessControl->IsRunning()) ok = m_pProcessControl->Start() && ok;
  return ok;
}

CWnd* CVekEngineBase::GetMainWnd() const { return CWnd::FromHandle(m_hMainWnd); }

bool CVekEngineBase::IsMainWndShown() const {
  if (!m_bMainWndShown && CWnd::IsWindow(m_hMainWnd)) {
    CWnd* wnd = CWnd::FromHandle(m_hMainWnd);
    m_bMainWndShown = wnd && wnd->IsWindowVisible();
  }
  return m_bMainWndShown;
}

bool CVekEngineBase::AreThreadsRunning() const {
  return (m_pDataObtainer && m_pDataObtainer->IsRunning()) || (m_pProcessControl && m_pProcessControl->IsRunning());
}

// ---- Records facts ---------------------------------------------------------------------------

DATE CVekEngineBase::GetRecordNow() const { return GetCurrentDateTime(); }
std::string CVekEngineBase::GetShamsiText(DATE date, bool bWithTime) const { return DateToShamsiText(date, bWithTime); }
std::string CVekEngineBase::GetOperatorName() const { return "?"; }
int CVekEngineBase::GetActiveRecipeId() const { return -1; }
std::string CVekEngineBase::GetActiveRecipeName() const { return "?"; }

void CVekEngineBase::SetRecordProcessInfoInterval(int n) {
  const int value = Magnitude(n);
  if (value == m_nRecordProcessInfoInterval) return;
  m_nRecordProcessInfoInterval = value;
  if (m_pIniFile) m_pIniFile->WriteInt(kAppSection, "nRecordProcessInformationInterval", value);
}

// ---- Alarms -----------------------------------------------------------------------------------

int CVekEngineBase::ShowAlarmMessage(const std::string& strTitle, const std::string& strText, int nFlags) {
  m_tables.AddAlarm(strTitle, strText);
  if (nFlags == -1) return -1;
  const DATE now = GetCurrentDateTime();
  return MessageBox(strText + "\n\nAlarm display time: " + DateToText(now) + " (" + DateToShamsiText(now, true) + ")",
                    strTitle, static_cast<UINT>(nFlags));
}

int EngineShowAlarmMessage(const std::string& strTitle, const std::string& strText, int nFlags) {
  if (CVekEngineBase* engine = CVekEngineBase::GetEngine()) return engine->ShowAlarmMessage(strTitle, strText, nFlags);
  if (nFlags == -1) return -1;
  return MessageBox(strText, strTitle, static_cast<UINT>(nFlags));
}

// ---- Tag browser ------------------------------------------------------------------------------

void CVekEngineBase::SetTagBrowserFactory(TagBrowserFactory factory) { g_tagBrowserFactory = std::move(factory); }

void CVekEngineBase::SetResetTrendStacksHandler(std::function<void()> handler) {
  g_resetTrendStacks = std::move(handler);
}

void CVekEngineBase::ShowTagBrowser() {
  if (m_pTagBrowser && m_pTagBrowser->IsWindowCreated()) {
    m_pTagBrowser->ShowWindow(SW_RESTORE);
    m_pTagBrowser->BringWindowToTop();
    m_pTagBrowser->SetForegroundWindow();
    return;
  }
  DestroyAndDeleteWnd(m_pTagBrowser);  // a stale one
  if (g_tagBrowserFactory) m_pTagBrowser = g_tagBrowserFactory();
}

void CVekEngineBase::DestroyTagBrowser() {
  if (!m_pTagBrowser) return;
  DestroyAndDeleteWnd(m_pTagBrowser);
  // Let the closing window's last messages drain.
  WaitProcessingEvents([] { return false; }, 500);
}

void CVekEngineBase::ResetTrendStacksNow() {
  if (g_resetTrendStacks) g_resetTrendStacks();
}
