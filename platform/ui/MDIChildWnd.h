// A child frame inside the main frame's client area, holding one view of
// a document. It may refuse to close (override OnClose without calling
// the base). ActivateFrame shows it; SW_SHOWMAXIMIZED (or MDIMaximize)
// fills the client area.
// Threads: user-interface thread.
#pragma once

#include "platform/ui/FrameWnd.h"

class CMDIFrameWnd;
class CDocTemplate;
class QMdiSubWindow;

class CMDIChildWnd : public CFrameWnd {
 public:
  CMDIChildWnd();
  ~CMDIChildWnd() override;

  BOOL LoadFrame(UINT resourceId, DWORD style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* parent = nullptr, CCreateContext* context = nullptr) override;
  void ActivateFrame(int nCmdShow = -1) override;
  void OnUpdateFrameTitle(BOOL addToTitle) override;
  CMDIFrameWnd* GetMDIFrame() const { return m_pMDIFrame; }
  void MDIActivate();
  void MDIMaximize();
  // A maximised child becomes normal; a minimised one gets back the size it
  // had before (maximised again when it was maximised).
  void MDIRestore();
  BOOL IsMaximized() const;
  BOOL IsMinimized() const;
  // The menu shown in the main frame while this child is active (its
  // template's), or null.
  const CMenu* GetSharedMenu() const { return m_pSharedMenu; }
  void SetSharedMenu(const CMenu* menu) { m_pSharedMenu = menu; }

  // ---- Platform only ------------------------------------------------------------
  QMdiSubWindow* SubWindow() const { return m_pSubWindow; }

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;
  void OnWidgetCreated() override;
  void OnDestroy() override;

 private:
  CMDIFrameWnd* m_pMDIFrame = nullptr;
  QMdiSubWindow* m_pSubWindow = nullptr;
  // Whether the sub-window was maximised when it was last minimised.
  bool m_bRestoreMaximized = false;
  const CMenu* m_pSharedMenu = nullptr;
  CRect m_rcCreate;
};
