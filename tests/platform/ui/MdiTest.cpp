// The multiple-document frame: document templates, child frames kept
// maximised or refusing to close, the menu bar following the active child,
// the window list, next-window, command routing and form views that scroll.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "platform/Thread.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/DC.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/FormView.h"
#include "platform/ui/Icons.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/Resources.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WndSurface.h"
#include "res/Resources.h"
#include "support/Doubles.h"

namespace {

constexpr UINT kFormTemplate = 9401;
constexpr int kCornerButton = 1199;

class SuperviseDoc : public CDocument {
 public:
  BOOL OnNewDocument() override {
    if (!CDocument::OnNewDocument()) return FALSE;
    SetTitle("Supervise");
    return TRUE;
  }
};

class TrendDoc : public CDocument {
 public:
  BOOL OnNewDocument() override {
    if (!CDocument::OnNewDocument()) return FALSE;
    SetTitle("Trends");
    return TRUE;
  }
};

class FixedChild : public CMDIChildWnd {
 public:
  void ActivateFrame(int) override { CMDIChildWnd::ActivateFrame(SW_SHOWMAXIMIZED); }

 protected:
  void OnClose() override { AfxMessageBox("This is not closable!\r\nClose main application instead.", MB_ICONSTOP); }
};

class FormViewProbe : public CFormView {
 public:
  FormViewProbe() : CFormView(kFormTemplate) {}
  std::vector<UINT> commands;
  BOOL OnCmdMsg(UINT id) override {
    if (id != 710) return FALSE;
    commands.push_back(id);
    return TRUE;
  }
};

class MainFrame : public CMDIFrameWnd {
 public:
  int dataSource = 1;
  std::vector<UINT> commands;

 protected:
  BOOL OnUpdateCmdUI(CCmdUI* ui) override {
    if (CMDIFrameWnd::OnUpdateCmdUI(ui)) return TRUE;
    if (ui->m_nID >= 701 && ui->m_nID <= 703) {
      const bool on = static_cast<int>(ui->m_nID - 701) == dataSource;
      ui->SetCheck(on);
      if (on) ui->m_pMenu->SetDefaultItem(ui->m_nIndex, TRUE);
      return TRUE;
    }
    return FALSE;
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (CMDIFrameWnd::OnCommand(wParam, lParam)) return TRUE;
    commands.push_back(LOWORD(wParam));
    return TRUE;
  }
};

class MdiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadResourceTables();
    ResourceTable::Instance().AddDialog(dlg::Dialog(kFormTemplate, "", 807, 557, WS_CHILD,
                                                    {dlg::PushButton(710, "Trends", 15, 10, 40, 15),
                                                     dlg::LText(1130, "Data Source", 432, 451, 232, 8),
                                                     dlg::PushButton(kCornerButton, "Corner", 757, 538, 50, 14)}));
    m_frame = new MainFrame;
    m_frame->SetAutoDelete(true);
    m_app.m_pMainWnd = m_frame;
    ASSERT_TRUE(m_frame->LoadFrame(128, WS_OVERLAPPEDWINDOW));
    m_frame->MoveWindow(0, 0, 800, 600);
    m_frame->ShowWindow(SW_SHOW);
    m_supervise = new CMultiDocTemplate(107, [] { return new SuperviseDoc; }, [] { return new FixedChild; },
                                        [] { return new FormViewProbe; });
    m_trend = new CMultiDocTemplate(3040, [] { return new TrendDoc; }, [] { return new CMDIChildWnd; },
                                    [] { return new CView; });
    m_app.AddDocTemplate(m_supervise);
    m_app.AddDocTemplate(m_trend);
  }
  void TearDown() override {
    if (m_app.m_pMainWnd) m_app.m_pMainWnd->DestroyWindow();
    int code = 0;
    TakePendingQuit(&code);
    ProcessPendingEvents();
  }
  CWinApp m_app{"VekFrame"};
  MainFrame* m_frame = nullptr;
  CMultiDocTemplate* m_supervise = nullptr;
  CMultiDocTemplate* m_trend = nullptr;
};

TEST_F(MdiTest, MenuBarFollowsTheActiveChildAndNextWindowAlternates) {
  EXPECT_EQ(m_frame->GetMenu()->GetMenuString(0, MF_BYPOSITION), "&File");
  EXPECT_EQ(m_frame->GetMenu()->GetMenuItemCount(), 3u);  // the frame's own menu
  CDocument* supervise = m_supervise->OpenDocumentFile(nullptr);
  ASSERT_NE(supervise, nullptr);
  EXPECT_EQ(supervise->GetTitle(), "Supervise");
  CMDIChildWnd* first = m_frame->MDIGetActive();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->IsMaximized());
  EXPECT_EQ(first->GetWindowText(), "Supervise");
  EXPECT_NE(m_frame->GetMenu()->GetMenuState(32771, MF_BYCOMMAND), static_cast<UINT>(-1));  // menu 107
  ASSERT_NE(m_trend->OpenDocumentFile(nullptr), nullptr);
  CMDIChildWnd* second = m_frame->MDIGetActive();
  ASSERT_NE(second, first);
  EXPECT_EQ(m_frame->GetMenu()->GetMenuState(32771, MF_BYCOMMAND), static_cast<UINT>(-1));  // menu 3040
  EXPECT_EQ(m_frame->GetMenu()->GetMenuState(709, MF_BYCOMMAND) & MF_POPUP, 0u);
  CWnd::SendMessage(m_frame->m_hWndMDIClient, WM_MDINEXT, 0, 0);
  EXPECT_EQ(m_frame->MDIGetActive(), first);
  EXPECT_NE(m_frame->GetMenu()->GetMenuState(32771, MF_BYCOMMAND), static_cast<UINT>(-1));
  m_frame->MDINext();
  EXPECT_EQ(m_frame->MDIGetActive(), second);
  EXPECT_EQ(m_frame->GetChildFrames().size(), 2u);
}

TEST_F(MdiTest, ChildFrameMayRefuseToClose) {
  testing_support::MessageBoxDouble boxes;
  m_supervise->OpenDocumentFile(nullptr);
  CMDIChildWnd* child = m_frame->MDIGetActive();
  ASSERT_NE(child, nullptr);
  child->SubWindow()->close();
  ProcessPendingEvents();
  EXPECT_TRUE(child->IsWindowCreated());
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "This is not closable!\r\nClose main application instead.");
  // A child that does not refuse closes with its document.
  m_trend->OpenDocumentFile(nullptr);
  CMDIChildWnd* trend = m_frame->MDIGetActive();
  trend->SendMessage(WM_CLOSE);
  ProcessPendingEvents();
  EXPECT_TRUE(m_trend->GetDocuments().empty());
  EXPECT_EQ(m_frame->GetChildFrames().size(), 1u);
}

TEST_F(MdiTest, CommandsReachTheViewFirstThenTheFrameAndUpdatesCheckAndBold) {
  m_supervise->OpenDocumentFile(nullptr);
  auto* view = dynamic_cast<FormViewProbe*>(m_frame->GetActiveView());
  ASSERT_NE(view, nullptr);
  m_frame->SendMessage(WM_COMMAND, MAKEWPARAM(710, 0), 0);
  m_frame->SendMessage(WM_COMMAND, MAKEWPARAM(705, 0), 0);
  EXPECT_EQ(view->commands, std::vector<UINT>{710});
  EXPECT_EQ(m_frame->commands, std::vector<UINT>{705});
  CMenu* bar = m_frame->GetMenu();
  CMenu* source = bar->GetSubMenu(4);
  ASSERT_EQ(bar->GetMenuString(4, MF_BYPOSITION), "Data Source");
  m_frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(source), 4);
  EXPECT_EQ(source->GetMenuState(702, MF_BYCOMMAND) & (MF_CHECKED | MF_DEFAULT), MF_CHECKED | MF_DEFAULT);
  EXPECT_EQ(source->GetMenuState(701, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST_F(MdiTest, WindowMenuListsTheChildren) {
  m_supervise->OpenDocumentFile(nullptr);
  m_trend->OpenDocumentFile(nullptr);
  CMenu* bar = m_frame->GetMenu();
  int windowIndex = -1;
  for (UINT i = 0; i < bar->GetMenuItemCount(); ++i)
    if (bar->GetMenuString(i, MF_BYPOSITION) == "&Window") windowIndex = static_cast<int>(i);
  ASSERT_GE(windowIndex, 0);
  CMenu* window = bar->GetSubMenu(windowIndex);
  m_frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(window), static_cast<LPARAM>(windowIndex));
  m_frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(window), static_cast<LPARAM>(windowIndex));
  EXPECT_EQ(window->GetMenuString(AFX_IDM_FIRST_MDICHILD, MF_BYCOMMAND), "&1 Supervise");
  EXPECT_EQ(window->GetMenuString(AFX_IDM_FIRST_MDICHILD + 1, MF_BYCOMMAND), "&2 Trends");
  EXPECT_EQ(window->GetMenuItemCount(), 4u + 1u + 2u);  // the four commands, one separator, two windows
  m_frame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(AFX_IDM_FIRST_MDICHILD), 0), 0);
  EXPECT_EQ(m_frame->GetActiveDocument()->GetTitle(), "Supervise");
}

TEST_F(MdiTest, FormViewHasTheTemplateControlsAndScrolls) {
  m_supervise->OpenDocumentFile(nullptr);
  auto* view = dynamic_cast<FormViewProbe*>(m_frame->GetActiveView());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->GetTotalSize(), CSize(1211, 905));
  CWnd* label = view->GetDlgItem(1130);
  ASSERT_NE(label, nullptr);
  CRect before;
  label->GetWindowRect(&before);
  view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  const int moved = view->GetScrollPosition().y;
  EXPECT_GT(moved, 0);
  CRect after;
  label->GetWindowRect(&after);
  EXPECT_EQ(after.top, before.top - moved);  // the controls move with the form
  view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  EXPECT_EQ(view->GetScrollPosition().y, view->GetScrollLimit(SB_VERT));
  view->ScrollToPosition(CPoint(0, 0));
  EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 0));
}

// Cascade and Tile from the Window menu: the windows are restored and laid
// out over the client area, large enough to work in (not shrunk to their
// captions), the active one staying active.
TEST_F(MdiTest, CascadeAndTileLayTheWindowsOutOverTheClientArea) {
  m_supervise->OpenDocumentFile(nullptr);
  m_trend->OpenDocumentFile(nullptr);
  ProcessPendingEvents();
  QMdiArea* area = m_frame->m_wndMDIClient.Area();
  const QSize room = area->viewport()->size();
  CMDIChildWnd* active = m_frame->MDIGetActive();
  for (UINT command : {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ}) {
    SCOPED_TRACE(command == ID_WINDOW_CASCADE ? "cascade" : "tile");
    EXPECT_NE(m_frame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(command), 0), 0), 0);
    ProcessPendingEvents();
    std::vector<QRect> placed;
    for (CMDIChildWnd* child : m_frame->GetChildFrames()) {
      QMdiSubWindow* sub = child->SubWindow();
      EXPECT_FALSE(sub->isMaximized());
      EXPECT_TRUE(QRect(QPoint(0, 0), room).contains(sub->geometry())) << "inside the client area";
      EXPECT_EQ(sub->width(), command == ID_WINDOW_CASCADE ? std::max(room.width() * 3 / 4, 200) : room.width());
      EXPECT_GE(sub->height(), command == ID_WINDOW_CASCADE ? room.height() * 3 / 4 : room.height() / 2 - 1);
      placed.push_back(sub->geometry());
    }
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_NE(placed[0].topLeft(), placed[1].topLeft());
    if (command == ID_WINDOW_TILE_HORZ) {
      EXPECT_FALSE(placed[0].intersects(placed[1])) << "tiles do not overlap";
    }
    EXPECT_EQ(m_frame->MDIGetActive(), active);
  }
}

// A form view that paints in one colour what its client area shows of the
// form (as the mimic does, drawing no more than can be seen).
class PaintedForm : public CFormView {
 public:
  PaintedForm() : CFormView(kFormTemplate) {}
  static constexpr COLORREF kColour = RGB(200, 30, 40);

 protected:
  void OnDraw(CDC* dc) override {
    CRect shown;
    GetClientRect(&shown);
    shown.OffsetRect(GetScrollPosition());
    dc->FillSolidRect(shown, kColour);
  }
};

TEST_F(MdiTest, AFormViewSmallerThanItsFormScrollsToItsFarCornerAndOneLargerShowsNoBars) {
  auto* painted = new CMultiDocTemplate(107, [] { return new SuperviseDoc; }, [] { return new FixedChild; },
                                        [] { return new PaintedForm; });
  m_app.AddDocTemplate(painted);
  ASSERT_NE(painted->OpenDocumentFile(nullptr), nullptr);
  ProcessPendingEvents();
  auto* view = dynamic_cast<PaintedForm*>(m_frame->GetActiveView());
  ASSERT_NE(view, nullptr);
  CWnd* corner = view->GetDlgItem(kCornerButton);
  ASSERT_NE(corner, nullptr);
  CRect client;
  auto cornerShown = [&] {
    CRect r;
    corner->GetWindowRect(&r);
    view->ScreenToClient(&r);
    view->GetClientRect(&client);
    return r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom;
  };
  const CSize total = view->GetTotalSize();
  ASSERT_LT(view->GetWidget()->width(), total.cx);
  EXPECT_FALSE(cornerShown());
  view->GetClientRect(&client);
  EXPECT_LT(client.Width(), view->GetWidget()->width()) << "a vertical bar is shown";
  EXPECT_LT(client.Height(), view->GetWidget()->height()) << "a horizontal bar is shown";
  for (int bar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO info;
    ASSERT_TRUE(view->GetScrollInfo(bar, &info));
    EXPECT_EQ(info.nMax + 1, bar == SB_HORZ ? total.cx : total.cy) << "the form's size is the scroll size";
  }
  // Line by line, as the bars' arrows do, each step painted before the next.
  for (int i = 0; i < 200 && view->GetScrollPosition() != CPoint(view->GetScrollLimit(SB_HORZ), view->GetScrollLimit(SB_VERT)); ++i) {
    view->SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    view->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    view->UpdateWindow();
  }
  EXPECT_TRUE(cornerShown());
  // Whatever the steps uncovered is painted from the form: nothing from
  // under the bars has moved into the client area.
  const QImage& pixels = view->GetSurface()->image;
  int stale = 0;
  for (int x = 0; x < client.right; ++x)
    for (int y = 0; y < client.bottom; ++y)
      if (pixels.pixel(x, y) != qRgb(200, 30, 40)) ++stale;
  EXPECT_EQ(stale, 0);

  // Larger than the form: no bars, the whole window is the client area.
  CMDIChildWnd* child = m_frame->MDIGetActive();
  m_frame->MoveWindow(0, 0, total.cx + 200, total.cy + 200);
  child->MDIMaximize();
  ProcessPendingEvents();
  ASSERT_GT(view->GetWidget()->width(), total.cx);
  ASSERT_GT(view->GetWidget()->height(), total.cy);
  view->GetClientRect(&client);
  EXPECT_EQ(client.Width(), view->GetWidget()->width());
  EXPECT_EQ(client.Height(), view->GetWidget()->height());
  EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 0));
  EXPECT_TRUE(cornerShown());
}

// A view that refuses its creation.
class RefusingView : public CView {
 protected:
  int OnCreate() override { return -1; }
};

TEST_F(MdiTest, AViewThatRefusesCreationOpensNoDocumentAndLeavesNothingBehind) {
  auto* refusing = new CMultiDocTemplate(107, [] { return new SuperviseDoc; }, [] { return new FixedChild; },
                                         [] { return new RefusingView; });
  m_app.AddDocTemplate(refusing);
  EXPECT_EQ(refusing->OpenDocumentFile(nullptr), nullptr);
  ProcessPendingEvents();
  EXPECT_TRUE(refusing->GetDocuments().empty());
  EXPECT_TRUE(m_frame->GetChildFrames().empty());
  EXPECT_NE(m_supervise->OpenDocumentFile(nullptr), nullptr) << "the frame goes on";
}

TEST_F(MdiTest, ClosingTheMainFrameClosesDocumentsAndEndsTheLoop) {
  m_supervise->OpenDocumentFile(nullptr);
  m_trend->OpenDocumentFile(nullptr);
  m_frame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(ID_APP_EXIT), 0), 0);
  ProcessPendingEvents();
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
  EXPECT_TRUE(m_supervise->GetDocuments().empty());
  EXPECT_TRUE(m_trend->GetDocuments().empty());
  int code = -1;
  EXPECT_TRUE(TakePendingQuit(&code));
  EXPECT_EQ(code, 0);
}

}  // namespace

namespace {

// A child frame that counts its destruction and its deletion.
struct FrameLife {
  int destroyed = 0;
  int deleted = 0;
};
class CountedChild : public CMDIChildWnd {
 public:
  explicit CountedChild(FrameLife* life) : m_life(life) {}
  ~CountedChild() override { ++m_life->deleted; }

 protected:
  void OnDestroy() override {
    ++m_life->destroyed;
    CMDIChildWnd::OnDestroy();
  }

 private:
  FrameLife* m_life;
};

TEST_F(MdiTest, ChildFramesAreDestroyedAndDeletedWithTheMainFrame) {
  FrameLife life;
  auto* counted = new CMultiDocTemplate(
      3041, [] { return new TrendDoc; }, [&life] { return new CountedChild(&life); }, [] { return new CView; });
  m_app.AddDocTemplate(counted);
  ASSERT_NE(counted->OpenDocumentFile(nullptr), nullptr);
  ASSERT_NE(counted->OpenDocumentFile(nullptr), nullptr);
  ASSERT_EQ(m_frame->GetChildFrames().size(), 2u);
  m_app.m_pMainWnd->DestroyWindow();
  int code = 0;
  TakePendingQuit(&code);
  ProcessPendingEvents();
  EXPECT_EQ(life.destroyed, 2) << "each child frame is told of its destruction";
  EXPECT_EQ(life.deleted, 2) << "and a frame that deletes itself is deleted, not leaked";
}

}  // namespace

namespace {

// The main frame takes the icon of its resource id as the program's icon,
// so the child windows' title bar (shown in the menu bar when maximised)
// carries the program's image, not the toolkit's default.
TEST_F(MdiTest, TheMainFramesIconOfItsIdBecomesTheProgramsIcon) {
  HICON own = LoadIcon(128);
  ASSERT_NE(own, nullptr) << "the program draws an icon 128";
  const QImage shown = QApplication::windowIcon().pixmap(own->image.size()).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(shown.size(), own->image.size());
  EXPECT_EQ(shown, own->image.convertToFormat(QImage::Format_ARGB32));
  m_supervise->OpenDocumentFile(nullptr);
  ProcessPendingEvents();
  auto* area = m_frame->GetWidget()->findChild<QMdiArea*>();
  ASSERT_NE(area, nullptr);
  ASSERT_FALSE(area->subWindowList().isEmpty());
  EXPECT_EQ(area->subWindowList().front()->windowIcon().pixmap(own->image.size()).toImage().convertToFormat(QImage::Format_ARGB32),
            own->image.convertToFormat(QImage::Format_ARGB32));
}

}  // namespace
