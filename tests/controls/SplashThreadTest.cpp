#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <thread>

#include "controls/SplashThread.h"
#include "platform/Seams.h"
#include "platform/Thread.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/SplashScreen.h"
#include "support/Doubles.h"

namespace {

void AddSplashBitmap() {
  ImageTemplate bitmap;
  bitmap.id = 9960;
  bitmap.width = 4;
  bitmap.height = 2;
  bitmap.palette = {{'r', RGB(255, 0, 0)}};
  bitmap.rows = {"rrrr", "rrrr"};
  ResourceTable::Instance().AddBitmap(bitmap);
}

TEST(SplashThreadTest, ClosesOnceTheMainFrameIsShown) {
  AddSplashBitmap();
  CWnd mainFrame;
  mainFrame.Create("VekFrame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0);
  SetSplashMainWindow(&mainFrame);
  StartSplashThread(9960);
  ProcessPendingEvents();
  EXPECT_TRUE(CSplashScreen::IsShown());
  EXPECT_FALSE(CloseSplashIfMainWindowShown()) << "the main frame is still hidden";
  ProcessPendingEvents();
  EXPECT_TRUE(CSplashScreen::IsShown());
  mainFrame.ShowWindow(SW_SHOW);
  EXPECT_TRUE(CloseSplashIfMainWindowShown());
  ProcessPendingEvents();
  EXPECT_FALSE(CSplashScreen::IsShown());
  SetSplashMainWindow(nullptr);
}

// A main frame that never shows does not keep the splash for good: the
// watch closes it once it has been up a minute, and a later check of the
// main frame finds nothing to close.
TEST(SplashThreadTest, TheWatchClosesTheSplashAfterAMinute) {
  AddSplashBitmap();
  testing_support::ClockDouble clock;
  SetSplashMainWindow(nullptr);  // none is shown
  StartSplashThread(9960);
  ProcessPendingEvents();
  ASSERT_TRUE(CSplashScreen::IsShown());
  clock.Advance(59000);
  WaitProcessingEvents([] { return false; }, 300);  // the watch looks every 100 ms
  EXPECT_TRUE(CSplashScreen::IsShown()) << "under a minute";
  clock.Advance(2000);
  EXPECT_TRUE(WaitProcessingEvents([] { return !CSplashScreen::IsShown(); }, 3000));
  EXPECT_TRUE(CloseSplashIfMainWindowShown()) << "nothing is left to close";
}

// What a real box saw of the splash while it was up; fn runs then, and the
// box is answered OK.
struct SplashDuringBox {
  bool boxShown = false;
  bool splashExists = false;
  bool splashOnScreen = true;
  void Queue(std::function<void()> fn = {}) {
    PostToUiThread([this, fn] {
      QMessageBox* box = nullptr;
      WaitProcessingEvents([&] {
        box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        return box != nullptr;
      }, 5000);
      if (box == nullptr) return;
      boxShown = true;
      splashExists = CSplashScreen::IsShown();
      splashOnScreen = CSplashScreen::IsOnScreen();
      if (fn) fn();
      box->button(QMessageBox::Ok)->click();
    });
  }
};

// A box during start-up (a settings file that cannot be read, a bad tag
// line) says why the program does not start: the splash, which stays above
// every window, must not cover it. The box comes before the event loop has
// run, so the splash is made while the box is already up. After the box
// the splash is back until the main frame shows, or stays closed when it
// was closed meanwhile.
TEST(SplashThreadTest, AStartUpBoxIsNeverUnderTheSplash) {
  AddSplashBitmap();
  MessageBoxHandler quiet = SetMessageBoxHandler(nullptr);
  CWnd mainFrame;
  mainFrame.Create("VekFrame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0);
  SetSplashMainWindow(&mainFrame);

  StartSplashThread(9960);
  SplashDuringBox first;
  first.Queue();
  EXPECT_EQ(MessageBox("Settings file cannot be read.", "VekFrame", MB_OK | MB_ICONSTOP), IDOK);
  ASSERT_TRUE(first.boxShown);
  EXPECT_TRUE(first.splashExists) << "the splash was made while the box was up";
  EXPECT_FALSE(first.splashOnScreen) << "the box is under the splash";
  EXPECT_TRUE(CSplashScreen::IsOnScreen()) << "the box has gone: the splash is back";

  // A box while the splash is already shown; the main frame shows
  // meanwhile, so the splash closes and does not come back.
  SplashDuringBox second;
  second.Queue([&] {
    mainFrame.ShowWindow(SW_SHOW);
    EXPECT_TRUE(CloseSplashIfMainWindowShown());
  });
  EXPECT_EQ(MessageBox("Tag file: bad line 12.", "VekFrame", MB_OK), IDOK);
  ASSERT_TRUE(second.boxShown);
  EXPECT_FALSE(second.splashOnScreen);
  ProcessPendingEvents();
  EXPECT_FALSE(CSplashScreen::IsShown());

  // A close from another thread while a box is up arrives when the box has
  // gone, while the splash is being shown again (the toolkit runs pending
  // events as it shows a splash before the event loop runs): the splash
  // closes once shown, and stays closed.
  SetSplashMainWindow(nullptr);
  CSplashScreen::Show(9960);
  ProcessPendingEvents();
  ASSERT_TRUE(CSplashScreen::IsOnScreen());
  SplashDuringBox third;
  third.Queue([] { std::thread([] { CSplashScreen::Hide(); }).join(); });
  EXPECT_EQ(MessageBox("User file cannot be read.", "VekFrame", MB_OK), IDOK);
  ASSERT_TRUE(third.boxShown);
  ProcessPendingEvents();
  EXPECT_FALSE(CSplashScreen::IsShown());

  SetMessageBoxHandler(quiet);
}

// A refused start-up closes the splash at once, also one asked for and not
// yet shown, so it does not show again after the refusal's box.
TEST(SplashThreadTest, CloseSplashEndsItAtOnceAndCancelsOneNotYetShown) {
  AddSplashBitmap();
  StartSplashThread(9960);
  CloseSplash();
  ProcessPendingEvents();
  EXPECT_FALSE(CSplashScreen::IsShown()) << "the splash asked for before the refusal";
  StartSplashThread(9960);
  ProcessPendingEvents();
  ASSERT_TRUE(CSplashScreen::IsOnScreen());
  CloseSplash();
  EXPECT_FALSE(CSplashScreen::IsShown());
}

}  // namespace
