// CVekEngineBase: the one engine of the program. It owns the data center,
// the access control, the hardware link and the database tables; runs the
// two worker threads (data obtainer and process control, 200 ms cycles);
// keeps a hidden window ("$-VekEngineBaseWnd-$") whose timers sample and
// record process information, wait for first reads and watch the exit;
// switches the data source (None, Demo, Real HW); and writes the log.
// The plant engine derives from it and fills the virtual operations.
//
// Threads: every member runs on the user-interface thread. The workers
// keep their clocks but hand each cycle's model work to the user-interface
// thread (BlockingCallOnUiThread), so the plant model is never touched by
// two threads; every wait of the user-interface thread keeps processing
// events. GetDataSourceType and the other plain queries may be read from
// any thread.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "core/DataCenterBase.h"
#include "core/IniFile.h"
#include "core/ThreadEngine.h"
#include "core/VTimer.h"
#include "core/VekAccessControl.h"
#include "links/HwLinkerEngine.h"
#include "platform/Wnd.h"
#include "records/CEngineTables.h"
#include "records/IRecordContext.h"

class CVekEngineBase : public CWnd, public IRecordContext {
 public:
  enum eDataSource { eDataSourceNone = 0, eDataSourceDemo = 1, eDataSourceRealHw = 2 };
  enum eSwitchState { eSwitchIdle = 0, eSwitchConnecting = 1, eSwitchDisconnecting = 2 };

  static constexpr const char* kWindowName = "$-VekEngineBaseWnd-$";
  static constexpr DWORD kCycleMs = 200;             // worker cycles
  static constexpr DWORD kFirstReadStepMs = 100;     // first-read wait step
  static constexpr DWORD kFirstReadLimitMs = 3000;   // then read-pending is forced off
  static constexpr DWORD kPendingWaitLimitMs = 5000; // a switch waits this long for pendings
  static constexpr DWORD kExitWatchMs = 5000;        // closing may take this long
  static constexpr int kExitWatchCode = 321;         // the parent sees it modulo 256: 65
  // Timers of the engine window.
  static constexpr UINT_PTR kTimerProcessInfo = 6601;  // 1 s
  static constexpr UINT_PTR kTimerExitWatch = 6602;    // 1 s
  static constexpr UINT_PTR kTimerFirstRead = 6603;    // 100 ms

  CVekEngineBase();
  ~CVekEngineBase() override;

  // ---- The single engine -----------------------------------------------------
  static CVekEngineBase* GetEngine();
  // Null: shuts down, destroys and deletes the current engine, returns
  // false. Otherwise (a current engine is deleted first) keeps p as the
  // engine and returns p->StartUp().
  static bool SetEngine(CVekEngineBase* p);
  static CDataCenterBase* GetEngineDataCenter();
  static CVekAccessControl* GetEngineAccessControl();

  // Keeps the window that receives the engine's and the data center's
  // notices and starts the two worker threads; false when a thread could
  // not start.
  bool SetMainWnd(CWnd* pWnd);
  CWnd* GetMainWnd() const;
  // True once the main window was seen existing and visible (latched).
  bool IsMainWndShown() const;

  // ---- Files and title ----------------------------------------------------------
  // Names the data files: base + "-DataBase.mdb", "-DCTags.dct",
  // "-Setting.ini", "-VXC.sys", "-Log.log", "-ProcessRecovery.dat".
  void SetFileNames(const std::string& strBase);
  const std::string& GetFileBaseName() const { return m_strFileBase; }
  std::string GetSettingFileName(bool bFullPath) const;
  std::string GetTagFileName(bool bFullPath) const;
  std::string GetUserFileName(bool bFullPath) const;
  std::string GetLogFileName(bool bFullPath) const;
  std::string GetDataBaseFileName(bool bFullPath) const;
  std::string GetProcessRecoveryFileName(bool bFullPath) const;
  // The shipped default user file, copied to the program folder by StartUp
  // on a first start (no user file and no key file there); empty: none.
  void SetDefaultUserFile(const std::string& strPath) { m_strDefaultUserFile = strPath; }
  // Why the settings file could not be read at start-up (a box said so
  // then); empty when it was read or is missing.
  const std::string& GetSettingsReadError() const { return m_strSettingsReadError; }
  // True: a settings file that exists but cannot be read (a folder in its
  // place, no read permission) refuses the start: its one box says the
  // program cannot start, naming the file and the cause, and StartUp
  // returns false. False (the default): every setting of section
  // [Application] takes its default, as the box says.
  void SetSettingsFileRequired(bool bRequired) { m_bSettingsFileRequired = bRequired; }
  void SetTitle(const std::string& strTitle) { m_strTitle = strTitle; }
  const std::string& GetTitle() const { return m_strTitle; }
  void SetTitleSuffix(const std::string& strSuffix) { m_strTitleSuffix = strSuffix; }
  std::string GetFullTitle() const { return m_strTitle + m_strTitleSuffix; }
  // "PC-Base" or "PLC-Base" (settings key CoreControlType).
  const std::string& GetCoreControlType() const { return m_strCoreControlType; }
  // The engine's settings file object (section "Application"); null before StartUp.
  CIniFile* GetIniFile() const { return m_pIniFile.get(); }

  // ---- Data source ----------------------------------------------------------------
  int GetDataSourceType() const { return m_nDataSourceType.load(); }
  bool IsDemoSource() const { return GetDataSourceType() == eDataSourceDemo; }
  bool IsRealHwSource() const { return GetDataSourceType() == eDataSourceRealHw; }
  bool IsDataSourceIdle() const { return m_nSwitchState.load() == eSwitchIdle; }
  int GetSwitchState() const { return m_nSwitchState.load(); }
  // "None", "Demo" or "Real HW", with " [Suspended]" while suspended.
  std::string GetDataSourceText() const override;
  // Switches the source (see docs in the .cpp); refused (false) for a type
  // outside 0-2 and while a switch is under way.
  bool SetDataSourceType(int nType);
  // True while the hardware link is connected. Real HW without it shows
  // the plant engine's start values, not the plant's: each switch to Real
  // HW then tells the user so once (kNoHardwareLinkText), and the supervise
  // view keeps its data-source line blinking.
  bool IsHardwareLinkConnected() const { return m_pHwLinker && m_pHwLinker->IsConnected(); }
  static constexpr const char* kNoHardwareLinkText =
      "Real HW: no hardware link exists here.\r\nThe values shown are not from the plant.";
  bool IsDataObtainerSuspended() const { return m_bSuspended.load(); }
  // Refused with "Error: Suspending Data Obtainer is NOT supported for OPC
  // Tags!" when suspending while the source is Real HW with OPC tags.
  bool SetDataObtainerSuspended(bool bSuspend);
  // Clears read- and write-pending round-robin from where it stopped until a
  // fiftieth of the tag count (at least one) was cleared, walking at most
  // once round the tags.
  void CompleteDemoPendings();

  // ---- Process information -----------------------------------------------------
  int GetRecordProcessInfoInterval() const { return m_nRecordProcessInfoInterval; }
  // Stores |n| and writes the key when the value changed; 0 stops the
  // process-information recording.
  void SetRecordProcessInfoInterval(int n);
  int GetAddProcessInfoToStackInterval() const { return m_nAddProcessInfoInterval; }
  // nProcessInfoSamplingStackSize, default 60, at least 10.
  int GetProcessInfoStackSize() const { return m_nProcessInfoStackSize; }
  // Started at start-up; the supervise view shows its whole seconds.
  CVTimer& GetEngineStopwatch() { return m_EngineStopwatch; }

  // ---- Alarms and the tag browser --------------------------------------------------
  // Writes an Alarm row; with nFlags -1 nothing is shown and -1 returned,
  // otherwise the text with "\n\nAlarm display time: " and the date is shown
  // in a box with those flags (the title its caption) and the answer returned.
  int ShowAlarmMessage(const std::string& strTitle, const std::string& strText, int nFlags);
  // The tag browser registers how it is made (a created, shown window
  // without a parent, or null).
  using TagBrowserFactory = std::function<CWnd*()>;
  static void SetTagBrowserFactory(TagBrowserFactory factory);
  void ShowTagBrowser();
  void DestroyTagBrowser();
  CWnd* GetTagBrowser() const { return m_pTagBrowser; }
  // Resets every trend sample stack (registered by the attribute model);
  // called on every switch of the data source.
  static void SetResetTrendStacksHandler(std::function<void()> handler);

  // ---- Cycles (the threads call these on the user-interface thread) ------------
  void RunDataObtainerCycle();
  void RunProcessControlCycle();
  bool AreThreadsRunning() const;
  // The engine window's timer steps (public for the tests).
  void OnProcessInfoTick();
  void OnFirstReadTick();
  void OnExitWatchTick();
  // True once ShutDown began (the exit watchdog then runs).
  bool IsShutDown() const { return m_bShutDown; }

  // ---- Records facts ---------------------------------------------------------------
  DATE GetRecordNow() const override;
  std::string GetShamsiText(DATE date, bool bWithTime) const override;
  CEngineTables& GetEngineTables() { return m_tables; }

  // ---- Virtual operations, in slot order ---------------------------------------------
  virtual bool StartUp();
  virtual void ShutDown();
  virtual bool OpenTables();
  virtual void DeleteTables();
  std::string GetOperatorName() const override;  // "?" in the base
  int GetActiveRecipeId() const override;        // -1 in the base
  std::string GetActiveRecipeName() const override;  // "?" in the base
  virtual void AddProcessInfoToStacks() {}
  virtual void RecordProcessInformation() {}
  virtual void OnDataSourceReady() {}
  virtual bool StartDemoSource();
  virtual bool StartRealHwSource();
  virtual bool InitProcessValues() { return true; }
  virtual void InitEngine();
  virtual void ExitEngine() {}
  virtual void SimulateDemoInputs() {}
  virtual void DataObtainerCycleEnd() {}
  virtual void ObtainRealHwData() {}
  virtual void SimulateDemoFeedback() {}
  // The process-control thread's cycle work (empty in the plant engine).
  virtual void ProcessControlCycle() {}

 protected:
  // Factories of the owned parts.
  virtual std::unique_ptr<CDataCenterBase> CreateDataCenter();
  virtual std::unique_ptr<CVekAccessControl> CreateAccessControl();
  virtual std::unique_ptr<CHwLinkerEngine> CreateHwLinker();

  // How the user-interface thread waits for a condition (text shown while
  // it waits); true when done() came true in time. The default shows a
  // modal wait window with the text; tests may replace it.
  using PendingWait = std::function<bool(const std::string& strText, const std::function<bool()>& done, DWORD nTimeoutMs)>;
  void SetPendingWait(PendingWait wait) { m_pendingWait = std::move(wait); }
  // The forced-exit notice times (tests shorten them).
  void SetExitNoticeTimes(DWORD nNoticeMs, DWORD nDelayMs) {
    m_nExitNoticeMs = nNoticeMs;
    m_nExitDelayMs = nDelayMs;
  }

  void OnTimer(UINT_PTR id) override;

 private:
  static void ResetTrendStacksNow();
  bool WaitForPendings();
  void FinishConnecting();
  bool CreateEngineWindow();
  // False when a required settings file cannot be read (its box said so).
  bool ReadSettings();
  void ApplyProcessPriority();
  std::string FileName(const char* pszSuffix, bool bFullPath) const;

  // Owned parts.
  std::unique_ptr<CIniFile> m_pIniFile;
  std::unique_ptr<CDataCenterBase> m_pDataCenter;
  std::unique_ptr<CVekAccessControl> m_pAccessControl;
  std::unique_ptr<CHwLinkerEngine> m_pHwLinker;
  CEngineTables m_tables;
  std::unique_ptr<CThreadEngine> m_pDataObtainer;
  std::unique_ptr<CThreadEngine> m_pProcessControl;
  CWnd* m_pTagBrowser = nullptr;  // owned; made by the registered factory

  // Windows.
  HWND m_hMainWnd = nullptr;   // the engine's main window (the supervise view)
  HWND m_hWatchWnd = nullptr;  // its top-level window, watched at exit
  mutable bool m_bMainWndShown = false;

  // Names.
  std::string m_strFileBase;
  std::string m_strDefaultUserFile;
  std::string m_strSettingsReadError;  // why the settings file could not be read at start-up (said then)
  bool m_bSettingsFileRequired = false;
  std::string m_strTitle;
  std::string m_strTitleSuffix;
  std::string m_strCoreControlType = "PC-Base";

  // Data source.
  std::atomic<int> m_nDataSourceType{eDataSourceNone};
  std::atomic<int> m_nSwitchState{eSwitchIdle};
  std::atomic<bool> m_bSuspended{false};
  CVTimer m_FirstReadTimer;     // runs while a new source waits for its first reads
  int m_nDemoPendingIndex = 0;  // where CompleteDemoPendings goes on
  PendingWait m_pendingWait;

  // Process information (settings of section "Application").
  int m_nProcessInfoStackSize = 60;
  int m_nRecordProcessInfoInterval = 60;
  int m_nAddProcessInfoInterval = 1;
  int m_nSecondsToAdd = 0;     // seconds since the last sample
  int m_nSecondsToRecord = 0;  // seconds since the last record

  // Life.
  CVTimer m_EngineStopwatch;
  CVTimer m_ExitWatch;  // runs from the start of ShutDown
  bool m_bStarted = false;
  bool m_bShutDown = false;
  bool m_bExitForced = false;
  DWORD m_nExitNoticeMs = 3000;
  DWORD m_nExitDelayMs = 1500;
};

// Hands the three values to the engine's ShowAlarmMessage; without an
// engine only the box is shown (or -1 returned for nFlags -1).
int EngineShowAlarmMessage(const std::string& strTitle, const std::string& strText, int nFlags);
