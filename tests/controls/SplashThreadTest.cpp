#include <gtest/gtest.h>

#include "controls/SplashThread.h"
#include "platform/Thread.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/SplashScreen.h"

namespace {

TEST(SplashThreadTest, ClosesOnceTheMainFrameIsShown) {
  ImageTemplate bitmap;
  bitmap.id = 9960;
  bitmap.width = 4;
  bitmap.height = 2;
  bitmap.palette = {{'r', RGB(255, 0, 0)}};
  bitmap.rows = {"rrrr", "rrrr"};
  ResourceTable::Instance().AddBitmap(bitmap);

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

}  // namespace
