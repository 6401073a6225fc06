#include "platform/ui/WinApp.h"

#include <QCoreApplication>

#include "platform/Seams.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Icons.h"
#include "platform/ui/QtConvert.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const std::string& appName) : m_pszAppName(appName) { g_app = this; }

CWinApp::~CWinApp() {
  m_templates.clear();
  if (g_app == this) g_app = nullptr;
}

int CWinApp::Run() {
  m_nExitCode = RunMessageLoop();
  return ExitInstance();
}

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
  if (docTemplate) m_templates.emplace_back(docTemplate);
}

void CWinApp::OnFileNew() {
  if (!m_templates.empty()) m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
  info = CCommandLineInfo{};
  if (!QCoreApplication::instance()) return;
  const QStringList args = QCoreApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    info.m_arguments.push_back(platform_detail::FromQString(args[i]));
    if (!args[i].startsWith(QLatin1Char('-')) && !args[i].startsWith(QLatin1Char('/')) && info.m_strFileName.empty()) {
      info.m_strFileName = platform_detail::FromQString(args[i]);
      info.m_nShellCommand = CCommandLineInfo::FileOpen;
    }
  }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
    case CCommandLineInfo::FileOpen: OnFileNew(); return TRUE;  // no document files: always a new one
    default: return TRUE;
  }
}

HICON CWinApp::LoadIcon(UINT id) const { return ::LoadIcon(id); }
HCURSOR CWinApp::LoadStandardCursor(UINT idc) const { return ::LoadStandardCursor(idc); }
HCURSOR CWinApp::LoadCursor(UINT id) const { return ::LoadCursor(id); }

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }
