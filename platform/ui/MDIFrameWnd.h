// The main frame of a multiple-document program: child frames (one per
// open document) live in its client area. The menu bar follows the active
// child: the child's document template menu while a child is active, the
// frame's own menu otherwise; the "&Window" popup lists the children
// (choosing one activates it). WM_MDINEXT sent to the client activates the
// next child; ID_WINDOW_CASCADE / ID_WINDOW_TILE_HORZ / ID_WINDOW_ARRANGE
// arrange them; ID_WINDOW_NEW opens another child on the active document
// when that document's menu has the item.
// Threads: user-interface thread.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/FrameWnd.h"

class CMDIChildWnd;
class QMdiArea;

// The window holding the child frames (the target of WM_MDINEXT,
// WM_MDIACTIVATE, WM_MDIGETACTIVE, WM_MDIMAXIMIZE).
class CMDIClient : public CWnd {
 public:
  QMdiArea* Area() const;

 protected:
  QWidget* CreateNativeWidget(QWidget* parent) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CMDIFrameWnd : public CFrameWnd {
 public:
  CMDIFrameWnd();
  ~CMDIFrameWnd() override;

  BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* parent = nullptr,
                 CCreateContext* context = nullptr) override;

  CMDIChildWnd* MDIGetActive(BOOL* maximized = nullptr) const;
  void MDIActivate(CWnd* child);
  void MDINext();
  void MDIMaximize(CWnd* child);
  void MDICascade();
  void MDITile();
  void MDIIconArrange();
  // The child frames, in the order they were made.
  std::vector<CMDIChildWnd*> GetChildFrames() const;
  CView* GetActiveView() const override;
  CDocument* GetActiveDocument() const override;
  BOOL OnUpdateCmdUI(CCmdUI* cmdUI) override;
  // The active child's commands, the window list, Cascade, Tile, Arrange
  // Icons, Exit and, where the active document's menu offers it, New Window.
  BOOL IsCommandHandled(UINT id) const override;
  // Another child frame with a new view on the active document; FALSE when
  // the document's menu does not offer "New Window" or the frame failed.
  BOOL MDINewWindow();

  // The client window (m_hWndMDIClient in classic code).
  CMDIClient m_wndMDIClient;
  HWND m_hWndMDIClient = nullptr;

  // ---- Platform only -------------------------------------------------------------
  void OnChildActivated(CMDIChildWnd* child);

 protected:
  BOOL OnCreateClient(CCreateContext* context) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) override;

 private:
  CMenu m_menuDefault;  // the frame's own menu, shown while no child is active
  bool m_bHasDefault = false;
};
