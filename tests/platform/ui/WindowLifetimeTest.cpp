// A window destroyed from inside one of its own events: a key press that
// propagates from a control to its dialog, a button's click and a timer.
// The window is gone at once (hidden, detached, its handle dead) and its
// toolkit window is deleted once the event has returned, whether the
// window object lives on or deletes itself. And where a top-level dialog
// opens.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "platform/Seams.h"
#include "platform/SessionEnd.h"
#include "platform/Thread.h"
#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/WinApp.h"

namespace {

constexpr UINT kDialogId = 9131;
constexpr int kEdit = 100;
constexpr int kClose = 101;
constexpr UINT_PTR kTimer = 7;

void RegisterClosingDialog() {
  ResourceTable::Instance().AddDialog(dlg::Dialog(kDialogId, "Closing", 160, 60, 0, {
      dlg::Edit(kEdit, 7, 7, 80, 12),
      dlg::PushButton(kClose, "Close", 7, 30, 50, 14),
      dlg::PushButton(IDCANCEL, "Cancel", 100, 30, 50, 14),
  }));
}

// Destroys itself on Esc (through IDCANCEL), on its Close button and on its
// timer; with selfDelete it also deletes itself as its window ends.
class ClosingDialog : public CDialog {
 public:
  ClosingDialog(bool selfDelete, bool* ended) : CDialog(kDialogId), m_selfDelete(selfDelete), m_ended(ended) {}
  // What the toolkit window looked like right after DestroyWindow returned,
  // while the event was still on the stack.
  bool hiddenAtOnce = false;
  bool detachedAtOnce = false;
  bool handleDeadAtOnce = false;

 protected:
  void OnCancel() override { CloseNow(); }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) == kClose && HIWORD(wParam) == BN_CLICKED) {
      CloseNow();
      return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
  }
  void OnTimer(UINT_PTR id) override {
    if (id == kTimer) CloseNow();
  }
  void PostNcDestroy() override {
    *m_ended = true;
    if (m_selfDelete) delete this;
  }

 private:
  void CloseNow() {
    QPointer<QWidget> widget = GetWidget();
    const HWND self = m_hWnd;
    const bool selfDelete = m_selfDelete;
    bool hidden = false, detached = false;
    DestroyWindow();
    if (widget) {
      hidden = !widget->isVisible();
      detached = widget->parentWidget() == nullptr;
    }
    if (selfDelete) return;  // this object is gone
    hiddenAtOnce = hidden || !widget;
    detachedAtOnce = detached || !widget;
    handleDeadAtOnce = !IsWindow(self);
  }
  bool m_selfDelete;
  bool* m_ended;
};

enum class Trigger { EscInEdit, EscOnButton, ButtonClick, Timer };

void SendKey(const QPointer<QWidget>& target, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target.data(), &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  if (target) QApplication::sendEvent(target.data(), &release);
}

void ClickWidget(QWidget* target) {
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  const QPointF global = target->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

void Fire(ClosingDialog* dialog, Trigger trigger, bool* ended) {
  switch (trigger) {
    case Trigger::EscInEdit: {
      QPointer<QWidget> edit = dialog->GetDlgItem(kEdit)->GetWidget();
      SendKey(edit, Qt::Key_Escape, QString(QChar(0x1B)));
      break;
    }
    case Trigger::EscOnButton: {
      QPointer<QWidget> button = dialog->GetDlgItem(kClose)->GetWidget();
      SendKey(button, Qt::Key_Escape, QString(QChar(0x1B)));
      break;
    }
    case Trigger::ButtonClick: ClickWidget(dialog->GetDlgItem(kClose)->GetWidget()); break;
    case Trigger::Timer: {
      dialog->SetTimer(kTimer, 1);
      QElapsedTimer clock;
      clock.start();
      while (!*ended && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
      break;
    }
  }
}

TEST(WindowLifetimeTest, ADialogDestroyedInsideItsOwnEventEndsSafely) {
  RegisterClosingDialog();
  struct Case {
    const char* name;
    Trigger trigger;
  };
  for (const Case& c : {Case{"Esc in the edit", Trigger::EscInEdit}, Case{"Esc on a button", Trigger::EscOnButton},
                        Case{"button click", Trigger::ButtonClick}, Case{"timer", Trigger::Timer}}) {
    for (bool selfDelete : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (selfDelete ? ", deletes itself" : ", object kept"));
      bool ended = false;
      auto* dialog = new ClosingDialog(selfDelete, &ended);
      ASSERT_TRUE(dialog->Create(kDialogId, nullptr));
      dialog->ShowWindow(SW_SHOW);
      const HWND handle = dialog->m_hWnd;
      QPointer<QWidget> widget = dialog->GetWidget();
      QPointer<QWidget> edit = dialog->GetDlgItem(kEdit)->GetWidget();
      QPointer<QWidget> button = dialog->GetDlgItem(kClose)->GetWidget();
      Fire(dialog, c.trigger, &ended);
      EXPECT_TRUE(ended);
      EXPECT_FALSE(CWnd::IsWindow(handle));
      EXPECT_TRUE(widget.isNull()) << "the dialog's toolkit window is deleted once the event returned";
      EXPECT_TRUE(edit.isNull());
      EXPECT_TRUE(button.isNull());
      if (!selfDelete) {
        EXPECT_TRUE(dialog->hiddenAtOnce);
        EXPECT_TRUE(dialog->detachedAtOnce);
        EXPECT_TRUE(dialog->handleDeadAtOnce);
        EXPECT_FALSE(dialog->IsWindowCreated());
        delete dialog;
      }
    }
  }
}

// Outside any event of its own a window still goes at once.
TEST(WindowLifetimeTest, AWindowDestroyedFromOutsideItsEventsIsDeletedAtOnce) {
  RegisterClosingDialog();
  bool ended = false;
  ClosingDialog dialog(false, &ended);
  ASSERT_TRUE(dialog.Create(kDialogId, nullptr));
  QPointer<QWidget> widget = dialog.GetWidget();
  QPointer<QWidget> edit = dialog.GetDlgItem(kEdit)->GetWidget();
  dialog.DestroyWindow();
  EXPECT_TRUE(ended);
  EXPECT_TRUE(widget.isNull());
  EXPECT_TRUE(edit.isNull());
}

}  // namespace

namespace {

// A dialog that ends while it is the active window hands the activation,
// and with it the keyboard, back to its owner (accelerators such as F6 work
// at once without a click), whether it ends from outside or from its own Esc.
// Also a window of its own (the recipe window) ended by a fast click (press
// and release back to back) after the owner had been clicked: the press asked
// the keyboard for it, and it ended before the window system's report came,
// while the toolkit still counted the owner active.
TEST(WindowLifetimeTest, AnActiveDialogThatEndsActivatesItsOwner) {
  RegisterClosingDialog();
  CWnd owner;
  ASSERT_TRUE(owner.Create("Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 600, 500), nullptr, 0));
  const char* const ways[] = {"from outside", "its own Esc", "a fast click"};
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(ways[way]);
    const bool byEsc = way == 1, byClick = way == 2;
    bool ended = false;
    ClosingDialog dialog(false, &ended);
    CDialog::ModalDriver previous = CDialog::SetModalDriver(nullptr);
    ASSERT_TRUE(dialog.Create(kDialogId, byClick ? CWnd::GetDesktopWindow() : &owner));
    CDialog::SetModalDriver(previous);
    dialog.ShowWindow(SW_SHOW);
    dialog.GetWidget()->activateWindow();
    ASSERT_TRUE(WaitProcessingEvents([&] { return QApplication::activeWindow() == dialog.GetWidget(); }, 2000));
    if (byEsc) {
      QWidget* edit = dialog.GetDlgItem(kEdit)->GetWidget();
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(edit, &press);
    } else if (byClick) {
      owner.SetForegroundWindow();
      ASSERT_TRUE(WaitProcessingEvents([&] { return QApplication::activeWindow() == owner.GetWidget(); }, 2000));
      dialog.GetWidget()->activateWindow();  // the press: reported later
      static_cast<CButton*>(dialog.GetDlgItem(kClose))->Click();
      ProcessPendingEvents();  // the report comes
    } else {
      dialog.DestroyWindow();
    }
    EXPECT_TRUE(WaitProcessingEvents([&] { return QApplication::activeWindow() == owner.GetWidget(); }, 2000));
  }
  owner.DestroyWindow();
}

// Where a dialog opens: on its owner, without one on the main window (also
// when no window is active, as after a message box), else mid-screen;
// never at the template's position in the screen's corner.
TEST(DialogPlacementTest, ADialogCentresOnItsOwnerElseTheMainWindowElseTheScreen) {
  RegisterClosingDialog();  // at 0,0 in its template
  CWinApp app("Placement");
  CWnd main;
  ASSERT_TRUE(main.Create("Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(300, 200, 900, 700), nullptr, 0));
  CWnd other;
  ASSERT_TRUE(other.Create("Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 30, 440, 330), nullptr, 0));
  auto centre = [](const CWnd& wnd) {
    CRect r;
    wnd.GetWindowRect(&r);
    return r.CenterPoint();
  };
  QScreen* screen = QApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  const QPoint screenCentre = screen->availableGeometry().center();
  struct Case {
    const char* name;
    CWnd* mainWindow;
    CWnd* parent;
    CPoint expected;
  };
  const CPoint mid(screenCentre.x(), screenCentre.y());
  for (const Case& c : {Case{"no parent, none active: the main window", &main, nullptr, centre(main)},
                        Case{"a parent: the parent", &main, &other, centre(other)},
                        Case{"nothing at all: the screen", nullptr, nullptr, mid}}) {
    SCOPED_TRACE(c.name);
    app.m_pMainWnd = c.mainWindow;
    QApplication::setActiveWindow(nullptr);
    bool ended = false;
    ClosingDialog dialog(false, &ended);
    CDialog::ModalDriver previous = CDialog::SetModalDriver(nullptr);
    ASSERT_TRUE(dialog.Create(kDialogId, c.parent));
    CDialog::SetModalDriver(previous);
    const CPoint at = centre(dialog);
    EXPECT_LE(std::abs(at.x - c.expected.x), 1) << at.x << " for " << c.expected.x;
    EXPECT_LE(std::abs(at.y - c.expected.y), 1) << at.y << " for " << c.expected.y;
    dialog.DestroyWindow();
  }
  app.m_pMainWnd = nullptr;
}

}  // namespace

namespace {

// A handler of a window runs a nested loop, and the window, the frame it
// lies in or the main frame is destroyed or asked to close meanwhile. The
// windows are laid out as the program's: the main frame, and beside it a
// frame of its own (the tag browser) holding the window as a member, which
// the main frame's close deletes.
enum class Loop { Menu, Dialog, Box, Capture };
enum class Target { Window, Frame, Main };
enum class Act { Destroy, CloseRequest, PostedClose };

// What the test sees of the handler; it outlives the windows.
bool g_running, g_returned, g_closedWhileRunning, g_deletedWhileRunning, g_grabLeft;
CDialog* g_dialog = nullptr;  // while its loop runs

struct LoopingWnd : CWnd {
  ~LoopingWnd() override { g_deletedWhileRunning |= g_running; }
  void OnClose() override { g_closedWhileRunning |= g_running, CWnd::OnClose(); }
  void OnRButtonDown(UINT, CPoint) override { RunLoop(); }
  void OnKeyDown(UINT, UINT, UINT) override { RunLoop(); }
  void RunLoop() {
    g_running = true;
    QTimer::singleShot(0, during);
    CMenu menu;
    CDialog dialog(kDialogId, this);
    if (loop == Loop::Menu && menu.CreatePopupMenu() && menu.AppendMenu(MF_STRING, 1, "Copy"))
      menu.TrackPopupMenu(TPM_LEFTALIGN, 20, 20, AfxGetMainWnd());  // a menu of the main frame
    if (loop == Loop::Dialog) g_dialog = &dialog, dialog.DoModal(), g_dialog = nullptr;
    if (loop == Loop::Box) MessageBox("Sure?", "Question", MB_YESNO);
    if (loop == Loop::Capture) SetCapture(), WaitProcessingEvents([this] { return GetCapture() != this; }, 20000);
    g_grabLeft = QWidget::mouseGrabber() != nullptr;
    g_running = false;  // the handler goes on with its window object
    g_returned = true;
  }
  Loop loop = Loop::Menu;
  std::function<void()> during;  // queued as the loop starts
};

struct BrowserFrame : CWnd {
  void OnClose() override { g_closedWhileRunning |= g_running, CWnd::OnClose(); }
  LoopingWnd grid;
};

struct MainFrame : CFrameWnd {
  void OnClose() override {
    g_closedWhileRunning |= g_running;
    delete std::exchange(beside, nullptr);
    CFrameWnd::OnClose();
  }
  void OnDestroy() override {
    if (beside) beside->DestroyWindow();
    CFrameWnd::OnDestroy();
  }
  BrowserFrame* beside = new BrowserFrame;
};

TEST(WindowLifetimeTest, AWindowGoneDuringANestedLoopOfItsOwnHandlerEndsTheLoop) {
  RegisterClosingDialog();
  const MessageBoxHandler quietBoxes = SetMessageBoxHandler(nullptr);  // the real box
  const CMenu::PopupMenuHandler menus = CMenu::SetPopupMenuHandler(nullptr);
  const std::pair<Target, Act> cases[] = {{Target::Window, Act::Destroy}, {Target::Window, Act::PostedClose},
                                          {Target::Frame, Act::Destroy},  {Target::Frame, Act::CloseRequest},
                                          {Target::Main, Act::Destroy},   {Target::Main, Act::CloseRequest}};
  int row = 0;
  for (Loop loop : {Loop::Menu, Loop::Dialog, Loop::Box, Loop::Capture}) {
    for (const auto& [targetKind, act] : cases) {
      SCOPED_TRACE(testing::Message() << "row " << row << ": loop " << static_cast<int>(loop) << ", target "
                                      << static_cast<int>(targetKind) << ", act " << static_cast<int>(act));
      g_running = g_returned = g_closedWhileRunning = g_deletedWhileRunning = g_grabLeft = false;
      CWinApp app("Loops");
      MainFrame main;
      BrowserFrame& frame = *main.beside;
      LoopingWnd& wnd = frame.grid;
      ASSERT_TRUE(main.Create("Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
      app.m_pMainWnd = &main;
      ASSERT_TRUE(frame.Create("Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(420, 0, 820, 300), nullptr, 0));
      ASSERT_TRUE(wnd.Create("Grid", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 200), &frame, 1));
      wnd.SetFocus();  // the frame is active, and stays so
      ProcessPendingEvents();
      CWnd* target = targetKind == Target::Window ? static_cast<CWnd*>(&wnd)
                     : targetKind == Target::Frame ? static_cast<CWnd*>(&frame) : &main;
      const HWND targetHandle = target->m_hWnd;
      wnd.loop = loop;
      wnd.during = [&, act = act] {
        QCloseEvent close;  // what the window manager's close request becomes
        if (act == Act::Destroy) target->DestroyWindow();
        else if (act == Act::PostedClose) target->PostMessage(WM_CLOSE);
        else QApplication::sendEvent(target->GetWidget(), &close);
      };
      bool stuck = false;
      QTimer watchdog;  // ends a loop that does not end by itself, so the run goes on
      QObject::connect(&watchdog, &QTimer::timeout, [&] {
        stuck = true;
        EndModalLoops();
        if (g_dialog) g_dialog->EndDialog(IDCANCEL);
        CWnd::ReleaseCapture();
      });
      watchdog.start(5000);
      const QPointer<QWidget> widget = wnd.GetWidget();
      QKeyEvent key(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
      QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::RightButton,
                        Qt::RightButton, Qt::NoModifier);
      QApplication::sendEvent(widget.data(), ++row % 2 ? static_cast<QEvent*>(&press) : &key);
      watchdog.stop();
      EXPECT_FALSE(stuck) << "the loop ended by itself";
      EXPECT_TRUE(g_returned);
      EXPECT_FALSE(g_deletedWhileRunning);
      EXPECT_FALSE(g_grabLeft) << "no capture is left on a window that has gone";
      EXPECT_FALSE(act != Act::Destroy && g_closedWhileRunning) << "a close waits for the handler";
      EXPECT_TRUE(WaitProcessingEvents([&] { return !CWnd::IsWindow(targetHandle); }, 3000));
      EXPECT_TRUE(widget.isNull() || targetKind == Target::Main) << "the window's toolkit window is deleted";
      EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
      EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
      int code = -1;
      EXPECT_EQ(TakePendingQuit(&code), targetKind == Target::Main) << "the program ends with its main frame";
      EXPECT_EQ(code, targetKind == Target::Main ? 0 : -1);
      app.m_pMainWnd = nullptr;
      delete main.beside;
    }
  }
  CMenu::SetPopupMenuHandler(menus);
  SetMessageBoxHandler(quietBoxes);
}

// A modal dialog destroyed with its owner, outside any event of theirs,
// ends its loop as cancelled.
TEST(WindowLifetimeTest, AModalDialogDestroyedWithItsOwnerEndsItsLoop) {
  RegisterClosingDialog();
  CWnd owner;
  ASSERT_TRUE(owner.Create("Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  CDialog dialog(kDialogId, &owner);
  PostToUiThread([&] { owner.DestroyWindow(); });
  const QObject watch;
  QTimer::singleShot(5000, &watch, [&] { dialog.EndDialog(IDABORT); });  // only when the loop went on
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

}  // namespace
