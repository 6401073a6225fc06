#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "controls/ButtonLamp.h"
#include "controls/ButtonQM.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DC.h"
#include "platform/Thread.h"

namespace {

using namespace controls;

// Records the commands its children send.
class CommandParent : public CWnd {
 public:
  std::vector<std::pair<int, int>> commands;  // id, code

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return CWnd::OnCommand(wParam, lParam);
  }
};

COLORREF CentrePixel(CButtonQM& b) {
  CBitmap bitmap;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  bitmap.CreateCompatibleBitmap(&dc, 60, 20);
  dc.SelectObject(&bitmap);
  b.DrawButton(&dc, CRect(0, 0, 60, 20));
  return dc.GetPixel(5, 10);  // inside the border, left of the text
}

class ButtonQMTest : public ::testing::Test {
 protected:
  void SetUp() override { parent.Create("parent", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0); }
  void Click(CButtonQM& b) {
    b.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    b.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  CommandParent parent;
};

TEST_F(ButtonQMTest, ColoursFollowTheLook) {
  CButtonQM b;
  b.Create("Vacuum", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE, CRect(10, 10, 70, 30), &parent, 1011);
  b.SetColor(BTNST_COLOR_BK_IN, RGB(255, 0, 0));
  b.SetColor(BTNST_COLOR_BK_OUT, RGB(0, 0, 255));
  b.SetColor(BTNST_COLOR_BK_FOCUS, RGB(0, 255, 0));
  b.SetColor(7, RGB(1, 2, 3));  // ignored
  b.SetDrawBorder(FALSE);
  EXPECT_EQ(CentrePixel(b), RGB(0, 0, 255));
  b.SetCheck(1, TRUE);
  EXPECT_EQ(CentrePixel(b), RGB(255, 0, 0)) << "lit";
  b.SetCheck(0, TRUE);
  b.SendMessage(WM_SETFOCUS);
  EXPECT_EQ(CentrePixel(b), RGB(0, 255, 0)) << "focused";
}

TEST_F(ButtonQMTest, ClickNotifiesTheParentAndTogglesAnAutoCheckBox) {
  CButtonQM b;
  b.Create("Vacuum", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE, CRect(10, 10, 70, 30), &parent, 1011);
  EXPECT_TRUE(b.IsCheckBoxMode());
  Click(b);
  EXPECT_EQ(b.GetCheck(), 1);
  ASSERT_EQ(parent.commands.size(), 1u);
  EXPECT_EQ(parent.commands[0], (std::pair<int, int>(1011, BN_CLICKED)));
  Click(b);
  EXPECT_EQ(b.GetCheck(), 0);
  // A release outside the button is no click.
  b.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  b.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
  EXPECT_EQ(parent.commands.size(), 2u);
}

TEST_F(ButtonQMTest, PushButtonIgnoresSetCheck) {
  CButtonQM b;
  b.Create("Trends", WS_CHILD | WS_VISIBLE, CRect(10, 10, 70, 30), &parent, 710);
  b.SetCheck(1, TRUE);
  EXPECT_EQ(b.GetCheck(), 0);
  Click(b);
  EXPECT_EQ(b.GetCheck(), 0);
  EXPECT_EQ(parent.commands.size(), 1u);
}

TEST_F(ButtonQMTest, LampTakesATemplateButtonsPlaceAndLightsWhenChecked) {
  CWnd templateButton;
  templateButton.Create("Run", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(20, 30, 80, 50), &parent, 4021);
  CButtonLamp lamp;
  ASSERT_TRUE(lamp.SubclassDlgItem(4021, &parent));
  EXPECT_EQ(parent.GetDlgItem(4021), &lamp);
  EXPECT_FALSE(templateButton.IsWindowCreated()) << "the template control is replaced";
  CRect r;
  lamp.GetWindowRect(&r);
  parent.ScreenToClient(&r);
  EXPECT_EQ(r, CRect(20, 30, 80, 50));
  EXPECT_EQ(lamp.GetWindowText(), "Run");
  EXPECT_FALSE(lamp.IsLit());
  lamp.SetCheck(1);
  EXPECT_TRUE(lamp.IsLit());
  EXPECT_EQ(CentrePixel(lamp), RGB(0, 220, 0));
  // Pointing at the lamp does not light it.
  lamp.SetCheck(0);
  lamp.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(lamp.GetState().hot);
  CButtonLamp missing;
  EXPECT_FALSE(missing.SubclassDlgItem(9999, &parent));
}

// A mouse event at a screen point, delivered to the toolkit window of a
// top-level window as the display server delivers it.
void SendMouse(QWidget* window, QEvent::Type type, CPoint screen, Qt::MouseButton button, Qt::MouseButtons held) {
  const QPointF global(screen.x, screen.y);
  const QPointF local = window->mapFromGlobal(global);
  QMouseEvent e(type, local, local, global, button, held, Qt::NoModifier);
  QApplication::sendEvent(window->windowHandle(), &e);
}

// A view (the mimic) that counts the presses that reach it and opens a
// modeless window over itself when its button is clicked, as a loop
// button opens the recipe window.
class OpeningView : public CWnd {
 public:
  class Pressed : public CWnd {
   public:
    int presses = 0;

   protected:
    void OnLButtonDown(UINT, CPoint) override { ++presses; }
    void OnRButtonDown(UINT, CPoint) override { ++presses; }
  };
  int presses = 0;
  std::unique_ptr<Pressed> opened;

 protected:
  void OnLButtonDown(UINT, CPoint) override { ++presses; }
  void OnRButtonDown(UINT, CPoint) override { ++presses; }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (HIWORD(wParam) == BN_CLICKED && !opened) {
      opened = std::make_unique<Pressed>();
      // Over the view's middle; the button stays in sight.
      opened->Create("Recipes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(450, 380, 850, 650), nullptr, 0);
    }
    return CWnd::OnCommand(wParam, lParam);
  }
};

// The loop button's route: the pointer rests on the hot-tracking button,
// the click opens a window over the view, and the operator's next press,
// at once on that window, reaches that window: not the button (which would
// take the keyboard back to the view) and nothing behind the window.
TEST(ButtonQMCaptureTest, AClickThatOpensAWindowOverTheViewLeavesTheNextPressToThatWindow) {
  OpeningView view;
  ASSERT_TRUE(view.Create("Mimic", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(400, 300, 900, 700), nullptr, 0));
  CButtonQM button;
  ASSERT_TRUE(button.Create("Vacuum", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE, CRect(10, 10, 110, 40),
                            &view, 1011));
  ProcessPendingEvents();
  QWidget* viewWindow = view.GetWidget();
  CRect rect;
  button.GetWindowRect(&rect);
  const CPoint onButton = rect.CenterPoint();
  QCursor::setPos(onButton.x, onButton.y);
  SendMouse(viewWindow, QEvent::MouseMove, onButton, Qt::NoButton, Qt::NoButton);
  ASSERT_TRUE(button.GetState().hot);
  ASSERT_EQ(CWnd::GetCapture(), &button) << "hover tracking holds the mouse";
  SendMouse(viewWindow, QEvent::MouseButtonPress, onButton, Qt::LeftButton, Qt::LeftButton);
  SendMouse(viewWindow, QEvent::MouseButtonRelease, onButton, Qt::LeftButton, Qt::NoButton);
  ASSERT_NE(view.opened, nullptr) << "the click opened the window";
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  EXPECT_FALSE(button.GetState().hot);
  CRect over;
  view.opened->GetWindowRect(&over);
  const CPoint onWindow = over.CenterPoint();
  SendMouse(view.opened->GetWidget(), QEvent::MouseButtonPress, onWindow, Qt::RightButton, Qt::RightButton);
  SendMouse(view.opened->GetWidget(), QEvent::MouseButtonRelease, onWindow, Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(view.opened->presses, 1);
  EXPECT_EQ(view.presses, 0);
  EXPECT_FALSE(button.GetState().pressed) << "a pressed button would take the keyboard back to the view";
  view.opened->DestroyWindow();
  view.DestroyWindow();
}

// A click on a button that is not hot (a lamp tracks no hover) leaves the
// mouse free.
TEST_F(ButtonQMTest, AClickWithoutHoverLeavesTheMouseFree) {
  CButtonLamp lamp;
  lamp.Create("Run", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10, 10, 70, 30), &parent, 1);
  Click(lamp);
  EXPECT_EQ(parent.commands.size(), 1u);
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

// Another window came over the button while it was pressed or hot: it is
// neither any more, the mouse is free, and the release that follows is no
// click.
TEST_F(ButtonQMTest, CancelModeEndsThePressAndTheHoverAndFreesTheMouse) {
  CButtonQM b;
  b.Create("Vacuum", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE, CRect(10, 10, 70, 30), &parent, 1011);
  b.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_TRUE(b.GetState().pressed);
  ASSERT_EQ(CWnd::GetCapture(), &b);
  b.SendMessage(WM_CANCELMODE);
  EXPECT_FALSE(b.GetState().pressed);
  EXPECT_FALSE(b.GetState().hot);
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  b.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(parent.commands.empty());
  EXPECT_EQ(b.GetCheck(), 0);
}

}  // namespace
