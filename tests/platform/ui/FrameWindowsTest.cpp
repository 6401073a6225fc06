// The frame's windows as a window manager sees them: the window list of the
// "&Window" menu brings a minimised child back, and a dialog made with the
// desktop as its parent belongs to no other window while one made without
// a parent is owned by the active window; a menu of the frame chosen while
// another window had the keyboard leaves the keyboard in the frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <QWindow>

#include "platform/Thread.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"
#include "res/Resources.h"
#include "support/Doubles.h"

namespace {

constexpr UINT kModelessTemplate = 9411;

class TitledDoc : public CDocument {
 public:
  explicit TitledDoc(const char* title) : m_title(title) {}
  BOOL OnNewDocument() override {
    if (!CDocument::OnNewDocument()) return FALSE;
    SetTitle(m_title);
    return TRUE;
  }

 private:
  const char* m_title;
};

class FrameWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadResourceTables();
    ResourceTable::Instance().AddDialog(
        dlg::Dialog(kModelessTemplate, "Window", 120, 60, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, {}));
    m_frame = new CMDIFrameWnd;
    m_frame->SetAutoDelete(true);
    m_app.m_pMainWnd = m_frame;
    ASSERT_TRUE(m_frame->LoadFrame(128, WS_OVERLAPPEDWINDOW));
    m_frame->MoveWindow(0, 0, 800, 600);
    m_frame->ShowWindow(SW_SHOW);
    for (const auto& window : {std::pair{107u, "Supervise"}, std::pair{3040u, "Trends"}}) {
      const char* title = window.second;
      auto* docTemplate = new CMultiDocTemplate(
          window.first, [title] { return new TitledDoc(title); }, [] { return new CMDIChildWnd; },
          [] { return new CView; });
      m_app.AddDocTemplate(docTemplate);
      ASSERT_NE(docTemplate->OpenDocumentFile(nullptr), nullptr);
    }
    ProcessPendingEvents();
  }
  void TearDown() override {
    if (m_app.m_pMainWnd) m_app.m_pMainWnd->DestroyWindow();
    int code = 0;
    TakePendingQuit(&code);
    ProcessPendingEvents();
  }
  CMDIChildWnd* Child(size_t index) const { return m_frame->GetChildFrames().at(index); }
  // Chooses the numbered entry of the "&Window" popup as the user does.
  void ChooseFromWindowList(const std::string& text) {
    CMenu* bar = m_frame->GetMenu();
    for (UINT i = 0; i < bar->GetMenuItemCount(); ++i) {
      if (bar->GetMenuString(i, MF_BYPOSITION) != "&Window") continue;
      CMenu* popup = bar->GetSubMenu(static_cast<int>(i));
      m_frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), static_cast<LPARAM>(i));
      for (UINT k = 0; k < popup->GetMenuItemCount(); ++k) {
        if (popup->GetMenuString(k, MF_BYPOSITION) != text) continue;
        m_frame->SendMessage(WM_COMMAND, MAKEWPARAM(popup->GetMenuItemID(static_cast<int>(k)), 0), 0);
        ProcessPendingEvents();
        return;
      }
    }
    ADD_FAILURE() << "no entry " << text;
  }

  CWinApp m_app{"VekFrame"};
  CMDIFrameWnd* m_frame = nullptr;
};

// The numbered entry restores a minimised child to the size it had (a
// maximised one maximised again) and makes it the active one.
TEST_F(FrameWindowsTest, TheWindowListRestoresAMinimisedChild) {
  for (bool maximised : {true, false}) {
    SCOPED_TRACE(maximised ? "maximised before" : "normal before");
    CMDIChildWnd* supervise = Child(0);
    CMDIChildWnd* trends = Child(1);
    for (CMDIChildWnd* child : {supervise, trends}) {
      if (maximised) child->MDIMaximize();
      else child->MDIRestore();
    }
    supervise->MDIActivate();
    supervise->SubWindow()->showMinimized();
    trends->MDIActivate();
    ProcessPendingEvents();
    ASSERT_TRUE(supervise->IsMinimized());
    ChooseFromWindowList("&1 Supervise");
    EXPECT_FALSE(supervise->IsMinimized());
    EXPECT_EQ(supervise->IsMaximized() != FALSE, maximised);
    EXPECT_EQ(m_frame->MDIGetActive(), supervise);
    EXPECT_TRUE(supervise->SubWindow()->isVisible());
  }
}

// A window the program makes with the desktop as its parent is a window of
// its own (a window manager minimises it alone); without a parent a dialog
// is owned by the active window.
TEST_F(FrameWindowsTest, ADialogWithTheDesktopAsParentHasNoOwner) {
  m_frame->SetForegroundWindow();
  ProcessPendingEvents();
  auto owner = [](CWnd& wnd) -> QWindow* {
    QWidget* w = wnd.GetWidget();
    if (QWidget* parent = w->parentWidget()) return parent->window()->windowHandle();
    return w->windowHandle() ? w->windowHandle()->transientParent() : nullptr;
  };
  CDialog own;
  ASSERT_TRUE(own.Create(kModelessTemplate, CWnd::GetDesktopWindow()));
  own.ShowWindow(SW_SHOW);
  CDialog owned;
  ASSERT_TRUE(owned.Create(kModelessTemplate, nullptr));
  owned.ShowWindow(SW_SHOW);
  ProcessPendingEvents();
  EXPECT_EQ(owner(own), nullptr);
  EXPECT_EQ(owner(owned), m_frame->GetWidget()->windowHandle());
  EXPECT_FALSE(CWnd::GetDesktopWindow()->IsWindowCreated());
  own.DestroyWindow();
  owned.DestroyWindow();
}

// A menu of the frame's bar opened while a window of its own (the tag
// browser) had the keyboard: the press on the bar activated the frame while
// the menu was open, which the toolkit does not take in then. Once the menu
// has closed the frame is the active window (its accelerators work, a box
// its command asks is its own).
TEST_F(FrameWindowsTest, AMenuOfTheFrameOpenedFromAnotherWindowLeavesTheKeyboardInTheFrame) {
  CDialog browser;
  ASSERT_TRUE(browser.Create(kModelessTemplate, CWnd::GetDesktopWindow()));
  browser.ShowWindow(SW_SHOW);
  ASSERT_TRUE(WaitProcessingEvents([&] { return QApplication::activeWindow() == browser.GetWidget(); }, 2000));
  QMenu* menu = qobject_cast<QMainWindow*>(m_frame->GetWidget())->menuBar()->actions().at(0)->menu();
  ASSERT_NE(menu, nullptr);
  menu->popup(QPoint(10, 30));
  ASSERT_TRUE(WaitProcessingEvents([&] { return QApplication::activePopupWidget() == menu; }, 2000));
  m_frame->GetWidget()->activateWindow();  // the window system's answer to the press
  ProcessPendingEvents();
  ASSERT_EQ(QApplication::activeWindow(), browser.GetWidget()) << "not taken in while the menu is open";
  menu->hide();  // an item chosen, or the menu left
  EXPECT_EQ(QApplication::activeWindow(), m_frame->GetWidget());
  browser.DestroyWindow();
}

}  // namespace
