// The mouse capture ends where the operator no longer looks: a window shown
// or activated away from the holder, or a press that lands in another
// top-level window, sends the holder WM_CANCELMODE and takes the capture
// away, and the press reaches the window it landed on. The presses come in
// as the display server delivers them, to a top-level toolkit window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "platform/Thread.h"
#include "platform/Wnd.h"
#include "platform/ui/BalloonTip.h"

// The toolkit's entry for a mouse event from the display server (its test
// library's): the event is handled as a real one, double-clicks included.
void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global, Qt::MouseButtons state,
                         Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

namespace {

// Counts the presses (double-clicks included), releases and cancel-mode
// notices it receives.
class MouseWnd : public CWnd {
 public:
  int presses = 0;
  int releases = 0;
  int cancels = 0;

 protected:
  void OnLButtonDown(UINT, CPoint) override { ++presses; }
  void OnRButtonDown(UINT, CPoint) override { ++presses; }
  void OnLButtonDblClk(UINT, CPoint) override { ++presses; }
  void OnLButtonUp(UINT, CPoint) override { ++releases; }
  void OnCancelMode() override {
    ++cancels;
    CWnd::OnCancelMode();
  }
};

// A press and release of the button at a screen point, delivered to the
// toolkit window of `window` as the display server delivers it.
void PressAt(QWidget* window, CPoint screen, Qt::MouseButton button = Qt::LeftButton) {
  QWindow* handle = window->windowHandle();
  ASSERT_NE(handle, nullptr);
  const QPointF global(screen.x, screen.y);
  const QPointF local = window->mapFromGlobal(global);
  QMouseEvent press(QEvent::MouseButtonPress, local, local, global, button, button, Qt::NoModifier);
  QApplication::sendEvent(handle, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(handle, &release);
}

CPoint CentreOf(const CWnd& wnd) {
  CRect r;
  wnd.GetWindowRect(&r);
  return r.CenterPoint();
}

class WndCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(view.Create("View", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(400, 300, 900, 700), nullptr, 0));
    ASSERT_TRUE(holder.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &view, 1));
    ProcessPendingEvents();
  }
  void TearDown() override {
    CWnd::ReleaseCapture();
    view.DestroyWindow();
  }
  // A window over the middle of the view (shown when asked).
  std::unique_ptr<MouseWnd> MakeWindowOver(bool visible) {
    auto wnd = std::make_unique<MouseWnd>();
    EXPECT_TRUE(wnd->Create("Over", WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), CRect(500, 400, 800, 600),
                            nullptr, 0));
    return wnd;
  }

  MouseWnd view;
  MouseWnd holder;
};

TEST_F(WndCaptureTest, AWindowShownOverTheHolderEndsTheCaptureAndTakesTheNextPress) {
  holder.SetCapture();
  ASSERT_EQ(CWnd::GetCapture(), &holder);
  std::unique_ptr<MouseWnd> over = MakeWindowOver(true);
  EXPECT_EQ(holder.cancels, 1) << "the holder is told at once";
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  PressAt(over->GetWidget(), CentreOf(*over), Qt::RightButton);
  EXPECT_EQ(over->presses, 1);
  EXPECT_EQ(holder.presses + view.presses, 0) << "nothing reaches the window behind";
}

TEST_F(WndCaptureTest, APressInAnotherTopLevelWindowEndsTheCaptureAndGoesThere) {
  std::unique_ptr<MouseWnd> over = MakeWindowOver(true);
  ProcessPendingEvents();
  holder.SetCapture();  // taken after the window was shown: nothing ended it
  ASSERT_EQ(CWnd::GetCapture(), &holder);
  PressAt(over->GetWidget(), CentreOf(*over));
  EXPECT_EQ(holder.cancels, 1);
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  EXPECT_EQ(over->presses, 1);
  EXPECT_EQ(holder.presses + view.presses, 0);
}

// The display server sends a press to the grabbing window wherever it
// falls (also just after the grab ended): one that fell on a window over
// the holder's is passed to that window, not to what lies under the point.
TEST_F(WndCaptureTest, APressDeliveredToTheHoldersWindowButLandingOnAnotherGoesToTheOther) {
  MouseWnd behind;  // the device under the point, in the holder's window
  ASSERT_TRUE(behind.Create("", WS_CHILD | WS_VISIBLE, CRect(150, 150, 350, 250), &view, 2));
  std::unique_ptr<MouseWnd> over = MakeWindowOver(true);
  ProcessPendingEvents();
  const CPoint point = CentreOf(behind);
  ASSERT_EQ(CWnd::WindowFromPoint(point), over.get()) << "the window over the view is seen there";
  for (const bool held : {true, false}) {
    SCOPED_TRACE(held ? "the capture held" : "the capture just ended");
    over->presses = 0;
    if (held) holder.SetCapture();
    PressAt(view.GetWidget(), point, Qt::RightButton);
    EXPECT_EQ(over->presses, 1);
    EXPECT_EQ(behind.presses + holder.presses + view.presses, 0);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
  }
}

TEST_F(WndCaptureTest, ATipBesideTheHolderOrAWindowOfItsOwnKeepsTheCaptureABalloonOverItEndsIt) {
  holder.SetCapture();
  QWidget tip(nullptr, Qt::ToolTip);
  tip.setGeometry(450, 350, 80, 20);
  tip.show();
  EXPECT_EQ(CWnd::GetCapture(), &holder) << "a tip beside the holder leaves its press or drag alone";
  view.ShowWindow(SW_SHOW);
  view.SetForegroundWindow();
  ProcessPendingEvents();
  EXPECT_EQ(CWnd::GetCapture(), &holder) << "the holder's own window";
  EXPECT_EQ(holder.cancels, 0);
  // Activated (not newly shown) away from the holder: the capture ends.
  std::unique_ptr<MouseWnd> over = MakeWindowOver(true);
  view.SetForegroundWindow();
  ASSERT_TRUE(WaitProcessingEvents([&] { return QApplication::activeWindow() == view.GetWidget(); }, 2000));
  holder.SetCapture();
  const int before = holder.cancels;
  over->SetForegroundWindow();
  EXPECT_TRUE(WaitProcessingEvents([&] { return CWnd::GetCapture() == nullptr; }, 2000));
  EXPECT_EQ(holder.cancels, before + 1);
  // A balloon shown over the holder (as a click shows one at its control)
  // takes the mouse: the next press there is the balloon's.
  holder.SetCapture();
  CBalloonTip* balloon = CBalloonTip::Show("Title", "Text", &holder, nullptr, 0);
  ASSERT_NE(balloon, nullptr);
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  EXPECT_EQ(holder.cancels, before + 2);
  balloon->Close();
}

// A double-click on a balloon: its first press closes the balloon, and the
// rest falls on the window under the point, which gets none of it.
TEST_F(WndCaptureTest, ADoubleClickOnABalloonClosesItAndNothingOfItReachesTheWindowUnder) {
  CBalloonTip* tip = CBalloonTip::ShowAt("Title", "A balloon's text", CPoint(600, 450), nullptr, 0);
  ASSERT_NE(tip, nullptr);
  const int open = CBalloonTip::GetOpenCount();
  const QPointF at(600, 480);
  static int time = 100000;  // later than any press before, and 50 ms apart
  const auto send = [&](QWidget* window, QEvent::Type type, Qt::MouseButtons held) {
    qt_handleMouseEvent(window->windowHandle(), window->mapFromGlobal(at), at, held, Qt::LeftButton, type, {}, time += 50);
  };
  send(tip->GetWidget(), QEvent::MouseButtonPress, Qt::LeftButton);
  send(view.GetWidget(), QEvent::MouseButtonRelease, Qt::NoButton);
  send(view.GetWidget(), QEvent::MouseButtonPress, Qt::LeftButton);
  send(view.GetWidget(), QEvent::MouseButtonRelease, Qt::NoButton);
  EXPECT_EQ(CBalloonTip::GetOpenCount(), open - 1);
  EXPECT_EQ(view.presses + view.releases, 0);
}

}  // namespace
