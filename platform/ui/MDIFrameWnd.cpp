// The multiple-document main frame, its client window and its child frames.
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

#include "platform/ui/CmdUI.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/View.h"

namespace {

CMDIChildWnd* ChildOf(QMdiSubWindow* sub) {
  if (!sub) return nullptr;
  auto* child = dynamic_cast<CMDIChildWnd*>(CWnd::FromWidget(sub->widget()));
  return child && child->IsWindowCreated() ? child : nullptr;
}

bool IsWindowMenu(const std::string& text) {
  std::string plain;
  for (char c : text)
    if (c != '&') plain += c;
  return plain == "Window";
}

}  // namespace

// ---- CMDIClient ----------------------------------------------------------------------------

QMdiArea* CMDIClient::Area() const { return qobject_cast<QMdiArea*>(GetWidget()); }

QWidget* CMDIClient::CreateNativeWidget(QWidget* parent) {
  auto* area = new QMdiArea(parent);
  area->setActivationOrder(QMdiArea::CreationOrder);
  area->setBackground(QBrush(platform_detail::ToQColor(RGB(171, 171, 171))));
  QObject::connect(area, &QMdiArea::subWindowActivated, area, [this](QMdiSubWindow* sub) {
    if (auto* frame = dynamic_cast<CMDIFrameWnd*>(GetParent())) frame->OnChildActivated(ChildOf(sub));
  });
  return area;
}

LRESULT CMDIClient::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  QMdiArea* area = Area();
  switch (message) {
    case WM_MDINEXT:
      if (area) {
        if (lParam) area->activatePreviousSubWindow();
        else area->activateNextSubWindow();
      }
      return 0;
    case WM_MDIACTIVATE:
      if (auto* child = dynamic_cast<CMDIChildWnd*>(FromHandle(reinterpret_cast<HWND>(wParam)))) child->MDIActivate();
      return 0;
    case WM_MDIMAXIMIZE:
      if (auto* child = dynamic_cast<CMDIChildWnd*>(FromHandle(reinterpret_cast<HWND>(wParam)))) child->MDIMaximize();
      return 0;
    case WM_DESTROY:
      // The child frames sit inside the area's sub-windows, not among this
      // window's own children: destroy them here, so each gets its
      // destruction (and a frame that deletes itself is deleted) before
      // the toolkit removes their widgets with the area's.
      if (area)
        for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder))
          if (CMDIChildWnd* child = ChildOf(sub)) child->DestroyWindow();
      return CWnd::WindowProc(message, wParam, lParam);
    case WM_MDIGETACTIVE: {
      CMDIChildWnd* child = area ? ChildOf(area->currentSubWindow()) : nullptr;
      if (lParam) *reinterpret_cast<BOOL*>(lParam) = child && child->IsMaximized();
      return reinterpret_cast<LRESULT>(child ? child->m_hWnd : nullptr);
    }
    default: return CWnd::WindowProc(message, wParam, lParam);
  }
}

// ---- CMDIFrameWnd -------------------------------------------------------------------------------

CMDIFrameWnd::CMDIFrameWnd() = default;
CMDIFrameWnd::~CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
  if (!CFrameWnd::LoadFrame(resourceId, style, parent, context)) return FALSE;
  if (m_bHasMenu) {
    m_menuDefault = m_menuBar;
    m_bHasDefault = true;
  }
  return TRUE;
}

BOOL CMDIFrameWnd::OnCreateClient(CCreateContext*) {
  if (!m_wndMDIClient.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), this, 0xE900)) return FALSE;
  m_hWndMDIClient = m_wndMDIClient.m_hWnd;
  if (auto* window = qobject_cast<QMainWindow*>(GetWidget())) window->setCentralWidget(m_wndMDIClient.GetWidget());
  return TRUE;
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::GetChildFrames() const {
  std::vector<CMDIChildWnd*> children;
  if (QMdiArea* area = m_wndMDIClient.Area())
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder))
      if (CMDIChildWnd* child = ChildOf(sub)) children.push_back(child);
  return children;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* maximized) const {
  QMdiArea* area = m_wndMDIClient.Area();
  CMDIChildWnd* child = area ? ChildOf(area->currentSubWindow()) : nullptr;
  if (maximized) *maximized = child && child->IsMaximized();
  return child;
}

void CMDIFrameWnd::MDIActivate(CWnd* child) {
  if (auto* c = dynamic_cast<CMDIChildWnd*>(child)) c->MDIActivate();
}

void CMDIFrameWnd::MDINext() { m_wndMDIClient.SendMessage(WM_MDINEXT, 0, 0); }

void CMDIFrameWnd::MDIMaximize(CWnd* child) {
  if (auto* c = dynamic_cast<CMDIChildWnd*>(child)) c->MDIMaximize();
}

namespace {

// The child windows that are shown and not minimised, in creation order.
std::vector<QMdiSubWindow*> ArrangeableWindows(QMdiArea* area, bool minimised) {
  std::vector<QMdiSubWindow*> windows;
  if (!area) return windows;
  for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder))
    if (sub->isVisible() && sub->isMinimized() == minimised) windows.push_back(sub);
  return windows;
}

}  // namespace

// Each window three quarters of the client area, each one a caption lower
// and to the right of the one before, the active one in front.
void CMDIFrameWnd::MDICascade() {
  QMdiArea* area = m_wndMDIClient.Area();
  const std::vector<QMdiSubWindow*> windows = ArrangeableWindows(area, false);
  if (windows.empty()) return;
  const QSize room = area->viewport()->size();
  const int step = std::max(16, windows.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight));
  const QSize size(std::max(room.width() * 3 / 4, 200), std::max(room.height() * 3 / 4, 150));
  QMdiSubWindow* active = area->activeSubWindow();
  int offset = 0;
  for (QMdiSubWindow* sub : windows) {
    if (sub->isMaximized()) sub->showNormal();
    if (offset + size.width() > room.width() || offset + size.height() > room.height()) offset = 0;
    sub->setGeometry(QRect(QPoint(offset, offset), size));
    sub->raise();
    offset += step;
  }
  if (active) {
    active->raise();
    area->setActiveSubWindow(active);
  }
}

// The windows one above the other, each the full width.
void CMDIFrameWnd::MDITile() {
  QMdiArea* area = m_wndMDIClient.Area();
  const std::vector<QMdiSubWindow*> windows = ArrangeableWindows(area, false);
  if (windows.empty()) return;
  const QSize room = area->viewport()->size();
  const int count = static_cast<int>(windows.size());
  for (int i = 0; i < count; ++i) {
    QMdiSubWindow* sub = windows[static_cast<size_t>(i)];
    if (sub->isMaximized()) sub->showNormal();
    const int top = room.height() * i / count;
    sub->setGeometry(0, top, room.width(), room.height() * (i + 1) / count - top);
  }
}

// The minimised windows in a row along the bottom of the client area.
void CMDIFrameWnd::MDIIconArrange() {
  QMdiArea* area = m_wndMDIClient.Area();
  const QSize room = area ? area->viewport()->size() : QSize();
  int x = 0;
  for (QMdiSubWindow* sub : ArrangeableWindows(area, true)) {
    sub->move(x, room.height() - sub->height());
    x += sub->width();
  }
}

CView* CMDIFrameWnd::GetActiveView() const {
  CMDIChildWnd* child = MDIGetActive();
  return child ? child->GetActiveView() : nullptr;
}

CDocument* CMDIFrameWnd::GetActiveDocument() const {
  CView* view = GetActiveView();
  return view ? view->GetDocument() : nullptr;
}

void CMDIFrameWnd::OnChildActivated(CMDIChildWnd* child) {
  if (!IsWindowCreated()) return;
  const CMenu* menu = child ? child->GetSharedMenu() : nullptr;
  if (menu) SetMenu(menu);
  else SetMenu(m_bHasDefault ? &m_menuDefault : nullptr);
  OnUpdateFrameTitle(TRUE);
}

namespace {

// The active document's template when its menu offers "New Window".
CDocTemplate* NewWindowTemplate(CDocument* doc) {
  CDocTemplate* docTemplate = doc ? doc->GetDocTemplate() : nullptr;
  const CMenu* menu = docTemplate ? docTemplate->GetSharedMenu() : nullptr;
  if (!menu || menu->GetMenuState(ID_WINDOW_NEW, MF_BYCOMMAND) == static_cast<UINT>(-1))
    return nullptr;
  return docTemplate;
}

}  // namespace

BOOL CMDIFrameWnd::MDINewWindow() {
  CDocument* doc = GetActiveDocument();
  CDocTemplate* docTemplate = NewWindowTemplate(doc);
  return docTemplate && docTemplate->OpenNewWindow(doc) ? TRUE : FALSE;
}

BOOL CMDIFrameWnd::IsCommandHandled(UINT id) const {
  if (CMDIChildWnd* child = MDIGetActive(); child && child->IsCommandHandled(id)) return TRUE;
  if (id >= AFX_IDM_FIRST_MDICHILD && id < AFX_IDM_FIRST_MDICHILD + 0xF0)
    return id - AFX_IDM_FIRST_MDICHILD < GetChildFrames().size();
  switch (id) {
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE_HORZ:
    case ID_WINDOW_ARRANGE:
    case ID_APP_EXIT: return TRUE;
    case ID_WINDOW_NEW: return NewWindowTemplate(GetActiveDocument()) != nullptr;
    default: return FALSE;
  }
}

BOOL CMDIFrameWnd::OnUpdateCmdUI(CCmdUI* cmdUI) {
  CMDIChildWnd* child = MDIGetActive();
  return child ? child->OnUpdateCmdUI(cmdUI) : FALSE;
}

void CMDIFrameWnd::OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) {
  CFrameWnd::OnInitMenuPopup(popup, index, sysMenu);
  // The window list at the end of the "&Window" popup.
  if (!popup || index >= m_menuBar.GetMenuItemCount() || m_menuBar.GetSubMenu(static_cast<int>(index)) != popup ||
      !IsWindowMenu(m_menuBar.GetMenuString(index, MF_BYPOSITION)))
    return;
  for (int i = static_cast<int>(popup->GetMenuItemCount()) - 1; i >= 0; --i) {
    const UINT id = popup->GetMenuItemID(i);
    if (id >= AFX_IDM_FIRST_MDICHILD && id != static_cast<UINT>(-1)) {
      popup->RemoveMenu(static_cast<UINT>(i), MF_BYPOSITION);
      if (i > 0 && popup->GetMenuItemID(i - 1) == 0) popup->RemoveMenu(static_cast<UINT>(i - 1), MF_BYPOSITION);
    }
  }
  const std::vector<CMDIChildWnd*> children = GetChildFrames();
  if (children.empty()) return;
  popup->AppendMenu(MF_SEPARATOR);
  CMDIChildWnd* active = MDIGetActive();
  for (size_t i = 0; i < children.size(); ++i) {
    const std::string text = "&" + std::to_string(i + 1) + " " + children[i]->GetWindowText();
    popup->AppendMenu(MF_STRING | (children[i] == active ? MF_CHECKED : 0), AFX_IDM_FIRST_MDICHILD + i, text);
  }
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (lParam == 0) {
    if (CMDIChildWnd* child = MDIGetActive(); child && child->SendMessage(WM_COMMAND, wParam, 0)) return TRUE;
    if (id >= AFX_IDM_FIRST_MDICHILD && id < AFX_IDM_FIRST_MDICHILD + 0xF0) {
      const std::vector<CMDIChildWnd*> children = GetChildFrames();
      const size_t index = id - AFX_IDM_FIRST_MDICHILD;
      if (index < children.size()) {
        // The window list brings a minimised child back, then activates it.
        CMDIChildWnd* child = children[index];
        if (child->IsMinimized()) child->MDIRestore();
        child->MDIActivate();
      }
      return TRUE;
    }
    switch (id) {
      case ID_WINDOW_NEW:
        if (MDINewWindow()) return TRUE;
        break;
      case ID_WINDOW_CASCADE: MDICascade(); return TRUE;
      case ID_WINDOW_TILE_HORZ: MDITile(); return TRUE;
      case ID_WINDOW_ARRANGE: MDIIconArrange(); return TRUE;
      default: break;
    }
  }
  if (id == ID_APP_EXIT && lParam == 0) {
    PostMessage(WM_CLOSE);
    return TRUE;
  }
  return CWnd::OnCommand(wParam, lParam);
}

// ---- CMDIChildWnd ----------------------------------------------------------------------------

CMDIChildWnd::CMDIChildWnd() = default;
CMDIChildWnd::~CMDIChildWnd() = default;

BOOL CMDIChildWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
  return CFrameWnd::LoadFrame(resourceId, style | WS_CHILD, parent, context);
}

QWidget* CMDIChildWnd::CreateNativeWidget(QWidget* parent) {
  m_pMDIFrame = dynamic_cast<CMDIFrameWnd*>(FromWidget(parent));
  QMdiArea* area = m_pMDIFrame ? m_pMDIFrame->m_wndMDIClient.Area() : nullptr;
  if (!area) return CFrameWnd::CreateNativeWidget(parent);
  auto* window = new QMainWindow();
  m_pSubWindow = area->addSubWindow(window);
  m_pSubWindow->setAttribute(Qt::WA_DeleteOnClose, false);
  // Bound to this frame's own widget: the link ends when the frame's window does.
  QObject::connect(m_pSubWindow, &QMdiSubWindow::windowStateChanged, window,
                   [this](Qt::WindowStates before, Qt::WindowStates now) {
                     if ((now & Qt::WindowMinimized) && !(before & Qt::WindowMinimized))
                       m_bRestoreMaximized = (before & Qt::WindowMaximized) != 0;
                   });
  return window;
}

void CMDIChildWnd::OnWidgetCreated() {
  if (m_pSubWindow) {
    m_pSubWindow->resize(640, 480);
    if (m_dwStyle & WS_VISIBLE) m_pSubWindow->show();
  }
  CFrameWnd::OnWidgetCreated();
}

void CMDIChildWnd::OnDestroy() {
  CFrameWnd::OnDestroy();
  if (m_pSubWindow) {
    // The sub-window goes once its widget (this frame's) has gone.
    QMdiSubWindow* sub = m_pSubWindow;
    QMdiArea* area = sub->mdiArea();
    const bool wasActive = area && area->activeSubWindow() == sub;
    const bool wasMaximized = sub->isMaximized();
    m_pSubWindow = nullptr;
    sub->hide();
    sub->deleteLater();
    // The window active before this one takes its place, maximised as this one was.
    if (!wasActive || !m_pMDIFrame) return;
    const QList<QMdiSubWindow*> history = area->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
      auto* next = dynamic_cast<CMDIChildWnd*>(FromWidget((*it)->widget()));
      if (*it == sub || !next || next == this || !next->IsWindowCreated() || !(*it)->isVisible()) continue;
      next->MDIActivate();
      if (wasMaximized) next->MDIMaximize();
      break;
    }
  }
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
  if (!m_pSubWindow) {
    CFrameWnd::ActivateFrame(nCmdShow);
    return;
  }
  GetWidget()->show();
  if (nCmdShow == SW_SHOWMAXIMIZED || nCmdShow == SW_MAXIMIZE) m_pSubWindow->showMaximized();
  else if (nCmdShow == SW_HIDE) m_pSubWindow->hide();
  else if (nCmdShow == SW_RESTORE) m_pSubWindow->showNormal();
  else m_pSubWindow->show();
  if (nCmdShow != SW_HIDE) MDIActivate();
}

void CMDIChildWnd::MDIActivate() {
  if (!m_pSubWindow || !m_pMDIFrame) return;
  if (QMdiArea* area = m_pMDIFrame->m_wndMDIClient.Area()) area->setActiveSubWindow(m_pSubWindow);
  m_pMDIFrame->OnChildActivated(this);
}

void CMDIChildWnd::MDIMaximize() {
  if (m_pSubWindow) m_pSubWindow->showMaximized();
}

void CMDIChildWnd::MDIRestore() {
  if (!m_pSubWindow) return;
  if (m_pSubWindow->isMinimized() && m_bRestoreMaximized) m_pSubWindow->showMaximized();
  else m_pSubWindow->showNormal();
}

BOOL CMDIChildWnd::IsMaximized() const { return m_pSubWindow && m_pSubWindow->isMaximized(); }

BOOL CMDIChildWnd::IsMinimized() const { return m_pSubWindow && m_pSubWindow->isMinimized(); }

void CMDIChildWnd::OnUpdateFrameTitle(BOOL) {
  CDocument* doc = GetActiveDocument();
  if (!doc || !(m_dwStyle & FWS_ADDTOTITLE)) return;
  SetWindowText(doc->GetTitle());
  if (m_pSubWindow) m_pSubWindow->setWindowTitle(platform_detail::ToQString(doc->GetTitle()));
}
