#include "platform/ui/FrameWnd.h"

#include <QApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

#include "platform/Seams.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Icons.h"
#include "platform/ui/Document.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/Resources.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"

namespace {

// The toolkit key of a virtual key; 0 when there is none.
int QtKeyOf(UINT vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return static_cast<int>(vk);
  if (vk >= VK_F1 && vk <= VK_F12) return Qt::Key_F1 + static_cast<int>(vk - VK_F1);
  switch (vk) {
    case VK_BACK: return Qt::Key_Backspace;
    case VK_TAB: return Qt::Key_Tab;
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_SPACE: return Qt::Key_Space;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_END: return Qt::Key_End;
    case VK_HOME: return Qt::Key_Home;
    case VK_LEFT: return Qt::Key_Left;
    case VK_UP: return Qt::Key_Up;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_DOWN: return Qt::Key_Down;
    case VK_INSERT: return Qt::Key_Insert;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_ADD: return Qt::Key_Plus;
    case VK_SUBTRACT: return Qt::Key_Minus;
    default: return 0;
  }
}

}  // namespace

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

QWidget* CFrameWnd::CreateNativeWidget(QWidget* parent) {
  auto* window = new QMainWindow(parent);
  window->setFocusPolicy(Qt::NoFocus);
  return window;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
  m_nIDResource = resourceId;
  m_pContext = context;
  if ((style & WS_CHILD) == 0 && m_menuBar.LoadMenu(resourceId)) m_bHasMenu = true;
  const std::string title = LoadStringResource(resourceId);
  const BOOL created = Create(title, style, CRect(0, 0, 800, 600), parent, 0);
  m_pContext = nullptr;
  if (!created) return FALSE;
  LoadAccelTable(resourceId);
  if (m_bHasMenu) RebuildMenuBar();
  // A main frame's icon of the same id is the program's icon: its title bar,
  // its child windows and its dialogs show it.
  if ((style & WS_CHILD) == 0) {
    if (HICON icon = LoadIcon(resourceId); icon && !icon->image.isNull())
      QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon->image)));
  }
  return TRUE;
}

int CFrameWnd::OnCreate() {
  if (!OnCreateClient(m_pContext)) return -1;
  return CWnd::OnCreate();
}

BOOL CFrameWnd::OnCreateClient(CCreateContext* context) {
  if (!context || !context->m_pNewViewFactory) return TRUE;
  CView* view = context->m_pNewViewFactory();
  if (!view) return FALSE;
  if (context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(view);
  if (!view->Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), this, AFX_IDW_PANE_FIRST)) {
    // A refused view has been destroyed, not deleted: it deletes itself only once made.
    if (context->m_pCurrentDoc) context->m_pCurrentDoc->RemoveView(view);
    delete view;
    return FALSE;
  }
  view->SetAutoDelete(true);
  SetActiveView(view);
  return TRUE;
}

void CFrameWnd::SetActiveView(CView* view) {
  m_pActiveView = view;
  auto* window = qobject_cast<QMainWindow*>(GetWidget());
  if (!window || !view || !view->GetWidget()) return;
  if (window->centralWidget() != view->GetWidget()) {
    window->takeCentralWidget();  // the previous view stays a child; its window lives on
    window->setCentralWidget(view->GetWidget());
  }
}

CView* CFrameWnd::GetActiveView() const {
  return m_pActiveView && m_pActiveView->IsWindowCreated() ? m_pActiveView : nullptr;
}

CDocument* CFrameWnd::GetActiveDocument() const {
  CView* view = GetActiveView();
  return view ? view->GetDocument() : nullptr;
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
  if (nCmdShow == -1) nCmdShow = m_bShown ? SW_SHOW : SW_SHOWNORMAL;
  ShowWindow(nCmdShow);
  m_bShown = true;
  BringWindowToTop();
}

void CFrameWnd::RecalcLayout() {
  if (auto* window = qobject_cast<QMainWindow*>(GetWidget())) window->updateGeometry();
}

void CFrameWnd::OnUpdateFrameTitle(BOOL) {
  if (!(m_dwStyle & FWS_ADDTOTITLE)) return;
  const std::string base = LoadStringResource(m_nIDResource);
  CDocument* doc = GetActiveDocument();
  if (!doc) SetWindowText(base);
  else SetWindowText(base.empty() ? doc->GetTitle() : base + " - " + doc->GetTitle());
}

void CFrameWnd::SetMenu(const CMenu* menu) {
  if (menu) {
    if (menu != &m_menuBar) m_menuBar = *menu;
    m_bHasMenu = true;
  } else {
    m_menuBar.DestroyMenu();
    m_bHasMenu = false;
  }
  RebuildMenuBar();
}

void CFrameWnd::DrawMenuBar() { RebuildMenuBar(); }

void CFrameWnd::RebuildMenuBar() {
  auto* window = qobject_cast<QMainWindow*>(GetWidget());
  if (!window) return;
  QMenuBar* bar = window->menuBar();
  bar->clear();
  if (!m_bHasMenu) {
    bar->hide();
    return;
  }
  bar->show();
  HWND self = m_hWnd;
  auto onCommand = [self](UINT id) { PostMessage(self, WM_COMMAND, MAKEWPARAM(static_cast<int>(id), 0), 0); };
  const auto& items = m_menuBar.Items();
  for (size_t i = 0; i < items.size(); ++i) {
    const CMenu::Item& item = items[i];
    if (item.flags & MF_SEPARATOR) continue;
    const QString text = platform_detail::ToQString(item.text);
    if (!item.popup) {
      QAction* action = bar->addAction(text);
      const UINT id = item.id;
      QObject::connect(action, &QAction::triggered, bar, [onCommand, id] { onCommand(id); });
      continue;
    }
    QMenu* menu = bar->addMenu(text);
    CMenu* popup = item.popup.get();
    popup->FillQMenu(menu, this, onCommand);
    const UINT index = static_cast<UINT>(i);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, self, popup, menu, index, onCommand] {
      if (!IsWindow(self)) return;
      SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(static_cast<int>(index), 0));
      popup->FillQMenu(menu, this, onCommand);
    });
  }
}

BOOL CFrameWnd::LoadAccelTable(UINT resourceId) {
  const AcceleratorTemplate* table = LoadAccelerators(resourceId);
  if (!table || !GetWidget()) return FALSE;
  for (QObject* s : m_shortcuts) delete s;
  m_shortcuts.clear();
  HWND self = m_hWnd;
  for (const AccelEntry& e : table->entries) {
    const int key = QtKeyOf(e.key);
    if (key == 0) continue;
    int combination = key;
    if (e.fVirt & FCONTROL) combination |= Qt::CTRL;
    if (e.fVirt & FSHIFT) combination |= Qt::SHIFT;
    if (e.fVirt & FALT) combination |= Qt::ALT;
    auto* shortcut = new QShortcut(QKeySequence(combination), GetWidget());
    shortcut->setContext(Qt::WindowShortcut);
    const WORD cmd = e.cmd;
    QObject::connect(shortcut, &QShortcut::activated, shortcut,
                     [self, cmd] { PostMessage(self, WM_COMMAND, MAKEWPARAM(cmd, 1), 0); });
    m_shortcuts.push_back(shortcut);
  }
  return TRUE;
}

BOOL CFrameWnd::OnUpdateCmdUI(CCmdUI* cmdUI) {
  CView* view = GetActiveView();
  return view ? view->OnUpdateCmdUI(cmdUI) : FALSE;
}

void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT, BOOL) {
  if (!popup) return;
  for (UINT i = 0; i < popup->GetMenuItemCount(); ++i) {
    const UINT id = popup->GetMenuItemID(static_cast<int>(i));
    if (id == 0 || id == static_cast<UINT>(-1)) continue;
    CCmdUI ui;
    ui.m_nID = id;
    ui.m_nIndex = i;
    ui.m_pMenu = popup;
    if (OnUpdateCmdUI(&ui)) continue;
    // Nobody updates it: usable exactly when something handles it.
    ui.Enable(IsCommandHandled(id));
  }
}

BOOL CFrameWnd::IsCommandHandled(UINT id) const {
  if (CView* view = GetActiveView()) {
    if (view->IsCommandHandled(id)) return TRUE;
    if (CDocument* doc = view->GetDocument(); doc && doc->IsCommandHandled(id)) return TRUE;
  }
  return id == ID_APP_EXIT && !(m_dwStyle & WS_CHILD);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (lParam == 0) {
    // A menu or accelerator command: the view, then its document.
    if (CView* view = GetActiveView()) {
      if (view->OnCmdMsg(id) || view->SendMessage(WM_COMMAND, wParam, 0)) return TRUE;
      if (CDocument* doc = view->GetDocument(); doc && doc->OnCmdMsg(id)) return TRUE;
    }
    if (id == ID_APP_EXIT && !(m_dwStyle & WS_CHILD)) {
      PostMessage(WM_CLOSE);
      return TRUE;
    }
  }
  return CWnd::OnCommand(wParam, lParam);
}

void CFrameWnd::OnClose() {
  CDocument* doc = GetActiveDocument();
  const bool mainWindow = AfxGetApp() && AfxGetApp()->m_pMainWnd == this;
  if (doc && !mainWindow) {
    // The document's last frame closes the document.
    bool otherFrame = false;
    for (CView* view : doc->GetViews()) otherFrame = otherFrame || view->GetParentFrame() != this;
    if (!otherFrame) {
      doc->OnCloseDocument();
      return;
    }
  }
  DestroyWindow();
}

void CFrameWnd::OnNcDestroy() {
  m_shortcuts.clear();  // children of the widget, gone with it
  if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    for (const auto& docTemplate : app->GetDocTemplates()) docTemplate->CloseAllDocuments();
    PostQuitMessage(0);
  }
  CWnd::OnNcDestroy();
}

void CFrameWnd::PostNcDestroy() {
  if (m_bAutoDelete) delete this;
}
