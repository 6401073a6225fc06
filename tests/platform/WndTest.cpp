#include <gtest/gtest.h>

#include <QWidget>
#include <atomic>
#include <thread>
#include <vector>

#include "platform/Thread.h"
#include "platform/Wnd.h"

namespace {

constexpr UINT WM_TEST = WM_USER + 77;

// A window that records the messages and timers it receives.
class RecordingWnd : public CWnd {
 public:
  std::vector<std::pair<UINT, LPARAM>> received;
  std::vector<UINT_PTR> timers;
  bool destroyed = false;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_USER) {
      received.emplace_back(message, lParam);
      return lParam * 2;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }

 protected:
  void OnTimer(UINT_PTR id) override { timers.push_back(id); }
  void OnDestroy() override { destroyed = true; }
};

bool CreateHidden(CWnd& wnd) { return wnd.Create("test", 0, CRect(0, 0, 50, 40), nullptr, 0); }

TEST(WndMessages, PostedMessagesArriveInOrderOnTheWindowsThread) {
  RecordingWnd wnd;
  ASSERT_TRUE(CreateHidden(wnd));
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(wnd.PostMessage(WM_TEST, 0, i));
  EXPECT_TRUE(wnd.received.empty()) << "a post is queued, not delivered at once";
  ASSERT_TRUE(WaitProcessingEvents([&] { return wnd.received.size() == 5; }, 5000));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(wnd.received[static_cast<size_t>(i)].second, i);
}

TEST(WndMessages, PostingToADestroyedWindowIsRefusedAndHarmless) {
  HWND stale;
  {
    RecordingWnd wnd;
    ASSERT_TRUE(CreateHidden(wnd));
    stale = wnd.m_hWnd;
    wnd.PostMessage(WM_TEST, 0, 1);  // pending when the window goes away
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_TRUE(wnd.destroyed);
    EXPECT_FALSE(CWnd::IsWindow(stale));
    EXPECT_FALSE(CWnd::PostMessage(stale, WM_TEST, 0, 2));
  }
  EXPECT_FALSE(CWnd::PostMessage(stale, WM_TEST, 0, 3));
  ProcessPendingEvents();  // the pending post must not reach freed memory
  RecordingWnd next;
  ASSERT_TRUE(CreateHidden(next));
  EXPECT_NE(next.m_hWnd, stale) << "handles are never reused";
}

TEST(WndMessages, WindowObjectExistsBeforeCreate) {
  RecordingWnd wnd;
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_FALSE(wnd.PostMessage(WM_TEST));
  EXPECT_EQ(wnd.SetTimer(1, 10), 0u);
  EXPECT_FALSE(wnd.DestroyWindow());
}

TEST(WndMessages, SendFromAWorkerWhileTheUiThreadWaitsForItDoesNotDeadlock) {
  RecordingWnd wnd;
  ASSERT_TRUE(CreateHidden(wnd));
  std::atomic<bool> done{false};
  LRESULT answer = 0;
  std::thread worker([&] {
    answer = CWnd::SendMessage(wnd.m_hWnd, WM_TEST, 0, 21);
    done = true;
    WakeWaitingUiThread();
  });
  // The user-interface thread waits for the worker and keeps processing.
  ASSERT_TRUE(WaitProcessingEvents([&] { return done.load(); }, 10000));
  worker.join();
  EXPECT_EQ(answer, 42);
  ASSERT_EQ(wnd.received.size(), 1u);
}

TEST(WndMessages, BlockingCallGivesUpWhenTheWorkerIsStopped) {
  std::atomic<bool> stop{false};
  std::atomic<bool> ran{false};
  std::atomic<int> result{-1};
  std::thread worker([&] {
    SetCurrentThreadStopFlag(&stop);
    result = BlockingCallOnUiThread([&] { ran = true; }) ? 1 : 0;
    SetCurrentThreadStopFlag(nullptr);
  });
  // The user-interface thread does not process events, as when it waits for
  // the worker to stop; raising the stop flag must free the worker.
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  stop = true;
  worker.join();
  EXPECT_EQ(result, 0);
  ProcessPendingEvents();
  EXPECT_FALSE(ran) << "a given-up call never runs later";
}

TEST(WndTimers, TimersStartedFromAWorkerFireOnTheWindow) {
  RecordingWnd wnd;
  ASSERT_TRUE(CreateHidden(wnd));
  std::thread([&] { EXPECT_EQ(wnd.SetTimer(6635, 5), 6635u); }).join();
  ASSERT_TRUE(WaitProcessingEvents([&] { return wnd.timers.size() >= 2; }, 5000));
  EXPECT_EQ(wnd.timers.front(), 6635u);
  std::thread([&] { wnd.KillTimer(6635); }).join();
  ProcessPendingEvents();
  size_t count = wnd.timers.size();
  WaitProcessingEvents([] { return false; }, 40);
  EXPECT_EQ(wnd.timers.size(), count) << "a killed timer stays quiet";
}

TEST(WndGeometry, RectanglesMapBetweenClientAndScreenByTheClientOrigin) {
  CWnd parent;
  ASSERT_TRUE(parent.Create("p", WS_VISIBLE, CRect(30, 40, 230, 140), nullptr, 0));
  CWnd child;
  ASSERT_TRUE(child.Create("c", WS_CHILD | WS_VISIBLE, CRect(10, 20, 60, 70), &parent, 1));
  CPoint origin;
  child.ClientToScreen(&origin);
  CPoint parentOrigin;
  parent.ClientToScreen(&parentOrigin);
  EXPECT_EQ(origin, parentOrigin + CPoint(10, 20));
  CRect r(1, 2, 11, 22);
  child.ClientToScreen(&r);
  EXPECT_EQ(r, CRect(origin.x + 1, origin.y + 2, origin.x + 11, origin.y + 22));
  child.ScreenToClient(&r);
  EXPECT_EQ(r, CRect(1, 2, 11, 22));
  CWnd notCreated;
  CRect same(1, 2, 3, 4);
  notCreated.ClientToScreen(&same);
  EXPECT_EQ(same, CRect(1, 2, 3, 4)) << "a window not created maps nothing";
}

TEST(WndTree, ChildrenAndTheChildUnderAPoint) {
  CWnd parent;
  ASSERT_TRUE(parent.Create("p", 0, CRect(0, 0, 200, 100), nullptr, 0));
  CWnd a, b;
  ASSERT_TRUE(a.Create("a", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 60), &parent, 101));
  ASSERT_TRUE(b.Create("b", WS_CHILD, CRect(40, 10, 100, 60), &parent, 102));  // hidden
  EXPECT_EQ(parent.GetDlgItem(102), &b);
  EXPECT_EQ(a.GetParent(), &parent);
  EXPECT_EQ(parent.ChildWindowFromPoint(CPoint(50, 20)), &b) << "hidden children count by default";
  EXPECT_EQ(parent.ChildWindowFromPoint(CPoint(50, 20), CWP_SKIPINVISIBLE), &a);
  EXPECT_EQ(parent.ChildWindowFromPoint(CPoint(150, 90)), &parent);
  EXPECT_EQ(parent.ChildWindowFromPoint(CPoint(250, 20)), nullptr);
  HWND childHandle = a.m_hWnd;
  parent.DestroyWindow();
  EXPECT_FALSE(CWnd::IsWindow(childHandle)) << "destroying a parent destroys its children";
  EXPECT_EQ(a.GetWidget(), nullptr);
}

}  // namespace
