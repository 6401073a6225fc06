// A frame window: a window with a menu bar, accelerator keys and a view.
// LoadFrame makes it from a resource id: the caption (string), the menu and
// the accelerators of that id, and the view of the creation context.
// Commands (menus, accelerators, WM_COMMAND) go first to the active view,
// then to its document, then to the frame's own OnCommand. Before a popup
// of the menu bar opens, each command item is offered to OnUpdateCmdUI
// (the view's first) to be enabled, checked, renamed or made the default;
// an item no update handler takes is enabled exactly when its command
// reaches a handler (IsCommandHandled).
// Frames made by a document template delete themselves when destroyed; the
// main window's destruction ends the message loop.
// Threads: user-interface thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Wnd.h"
#include "platform/ui/Menu.h"

class CView;
class CDocument;
class CCmdUI;
class QMenuBar;

constexpr DWORD FWS_ADDTOTITLE = 0x00008000;
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// What a frame makes its view from.
struct CCreateContext {
  CDocument* m_pCurrentDoc = nullptr;
  std::function<CView*()> m_pNewViewFactory;
};

class CFrameWnd : public CWnd {
 public:
  CFrameWnd();
  ~CFrameWnd() override;

  virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* parent = nullptr, CCreateContext* context = nullptr);
  // Shows the frame (nCmdShow -1: as it is, or normally the first time).
  virtual void ActivateFrame(int nCmdShow = -1);
  virtual void RecalcLayout();
  // The title of the frame from its document (with FWS_ADDTOTITLE).
  virtual void OnUpdateFrameTitle(BOOL addToTitle);

  // The menu bar (copied); null removes it.
  void SetMenu(const CMenu* menu);
  CMenu* GetMenu() { return m_bHasMenu ? &m_menuBar : nullptr; }
  void DrawMenuBar();
  BOOL LoadAccelTable(UINT resourceId);

  virtual CView* GetActiveView() const;
  void SetActiveView(CView* view);
  virtual CDocument* GetActiveDocument() const;
  // An update of one command item; the base asks the active view.
  virtual BOOL OnUpdateCmdUI(CCmdUI* cmdUI);
  // Whether the command reaches a handler (the active view, its document,
  // this frame); a derived frame adds the commands its OnCommand handles.
  // The update pass shows the items of commands nobody handles disabled.
  virtual BOOL IsCommandHandled(UINT id) const;
  void SetAutoDelete(bool autoDelete) { m_bAutoDelete = autoDelete; }
  UINT GetResourceId() const { return m_nIDResource; }

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;
  int OnCreate() override;
  virtual BOOL OnCreateClient(CCreateContext* context);
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) override;
  void OnClose() override;
  void OnNcDestroy() override;
  void PostNcDestroy() override;
  // The menu bar's popups notify here as they open (WM_INITMENUPOPUP).
  void RebuildMenuBar();

  CCreateContext* m_pContext = nullptr;  // during creation only
  UINT m_nIDResource = 0;
  CMenu m_menuBar;
  bool m_bHasMenu = false;
  CView* m_pActiveView = nullptr;

 private:
  bool m_bAutoDelete = false;
  bool m_bShown = false;
  std::vector<QObject*> m_shortcuts;
};
