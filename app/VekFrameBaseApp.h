// CVekFrameBaseApp: the reusable part of the application object. Its part
// of start-up (InitBaseInstance) shows the splash and registers the trend
// window's document template; OpenTrendDocument opens the trend window when
// trends are configured; its exit deletes the engine and the settings files.
// It also holds the plant (IVekPlant) the derived application builds with,
// and runs the program (RunProgram).
//
// Threads: user-interface thread.
#pragma once

#include <memory>

#include "app/VekPlant.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/WinApp.h"

class CVekFrameBaseApp : public CWinApp {
 public:
  CVekFrameBaseApp(const std::string& strAppName, std::unique_ptr<IVekPlant> pPlant);
  ~CVekFrameBaseApp() override;

  // The base part of start-up: the splash (bitmap 3000), then the trend
  // template (3040). Windows Sockets, OLE and the hosting of ActiveX
  // controls have nothing to set up on this platform. TRUE on success.
  virtual BOOL InitBaseInstance();
  // Opens the trend window when at least one attribute has a trend
  // setting. Always TRUE.
  virtual BOOL OpenTrendDocument();
  // Deletes the engine (which shuts it down first), then the settings files
  // of the attribute packs and the device-name list.
  int ExitInstance() override;

  // Runs the program: InitInstance, then the message loop when start-up
  // succeeded; ExitInstance in either case. Returns the exit code: the
  // loop's, or the code a refused start-up left. An end of the session
  // (platform/SessionEnd.h) asked meanwhile ends the loop through
  // EndSession; the boxes it leaves unshown are written to the log.
  int RunProgram();
  // The session ends: the main window closes as after Yes to the close
  // question, without asking, and the loop ends with 0 (exit code 0).
  virtual void EndSession(const std::string& strReason);

  IVekPlant* GetPlant() const { return m_pPlant.get(); }
  CMultiDocTemplate* GetTrendTemplate() const { return m_pTrendTemplate; }

 protected:
  // The exit code of a start-up that was refused before the loop ran.
  static constexpr int kExitStartupRefused = 1;

  std::unique_ptr<IVekPlant> m_pPlant;
  CMultiDocTemplate* m_pTrendTemplate = nullptr;  // owned by the template list
};

// True when at least one attribute has a trend setting.
bool AreTrendsDefined();
