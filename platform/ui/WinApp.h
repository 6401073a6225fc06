// The application object: one per program, reached with AfxGetApp. It owns
// the document templates, knows the main window and runs the message loop
// (Run: the loop, then ExitInstance, whose value is the exit code).
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/ui/GdiTypes.h"

class CWnd;
class CDocTemplate;

struct CCommandLineInfo {
  enum Command { FileNew, FileOpen, FileNothing };
  Command m_nShellCommand = FileNew;
  std::string m_strFileName;
  std::vector<std::string> m_arguments;
};

class CWinApp {
 public:
  explicit CWinApp(const std::string& appName = std::string());
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance() { return m_nExitCode; }
  // Runs the message loop until the quit request; returns ExitInstance().
  virtual int Run();

  // Takes ownership of the template.
  void AddDocTemplate(CDocTemplate* docTemplate);
  const std::vector<std::unique_ptr<CDocTemplate>>& GetDocTemplates() const { return m_templates; }
  // A new document of the first template.
  virtual void OnFileNew();
  void ParseCommandLine(CCommandLineInfo& info) const;
  BOOL ProcessShellCommand(CCommandLineInfo& info);
  // The profile key of the settings (the program's profile store).
  void SetRegistryKey(const std::string& key) { m_strRegistryKey = key; }
  const std::string& GetRegistryKey() const { return m_strRegistryKey; }
  HICON LoadIcon(UINT id) const;
  HCURSOR LoadStandardCursor(UINT idc) const;
  HCURSOR LoadCursor(UINT id) const;

  CWnd* m_pMainWnd = nullptr;
  int m_nCmdShow = 1;  // SW_SHOWNORMAL
  std::string m_pszAppName;

 protected:
  int m_nExitCode = 0;

 private:
  std::vector<std::unique_ptr<CDocTemplate>> m_templates;
  std::string m_strRegistryKey;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
