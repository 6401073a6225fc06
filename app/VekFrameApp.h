// CVekFrameApp: the application object of VekFrame. InitInstance builds the
// program in a fixed order: one running instance, the base part (splash,
// trend template), the process-data objects, the plant engine with its data
// files named from the project code and started, the settings file checked
// and opened, the profile key, the supervise template, the main frame, the
// supervise window, the trend window when trends exist, and the main frame
// shown maximised. ExitInstance deletes the process-data objects and the
// device shapes, then the base deletes the engine and the settings files. Nobody logs in at
// start-up.
//
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <string>

#include "app/VekFrameBaseApp.h"

class CVekFrameApp : public CVekFrameBaseApp {
 public:
  // The project code that names the data files, the single-instance lock
  // and the profile key.
  static constexpr const char* kProjectCode = "VTLN";

  explicit CVekFrameApp(std::unique_ptr<IVekPlant> pPlant = MakeVekPlant(),
                        const std::string& strProjectCode = kProjectCode);
  ~CVekFrameApp() override;

  // TRUE runs the message loop; FALSE ends the program (the messages of
  // the step that refused have been shown; GetExitCode tells the code).
  BOOL InitInstance() override;
  int ExitInstance() override;

  const std::string& GetProjectCode() const { return m_strProjectCode; }
  // The shipped user file that a first start installs and seals (handed to
  // the engine before it starts); empty: none.
  void SetDefaultUserFile(const std::string& strPath) { m_strDefaultUserFile = strPath; }
  int GetExitCode() const { return m_nExitCode; }

  // "VekFrame " followed by the project code: the lock and profile key.
  static std::string MakeAppName(const std::string& strProjectCode);
  // The engine's title: project code, plant, program and build date, e.g.
  // "VTLN Spray Dryer - VekFrame (build 2024-12-07)". strCompileDate is in
  // the compiler's "Mmm dd yyyy" form; another form is shown as it is.
  static std::string MakeBuildTag(const std::string& strProjectCode, const std::string& strCompileDate);

 private:
  std::string m_strProjectCode;
  std::string m_strDefaultUserFile;
};
