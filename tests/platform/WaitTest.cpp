// Waiting on the user-interface thread: the wait checks its condition when
// something arrives (an event, a wake), not on a clock, so it ends as soon
// as a worker's change is announced and checks only a handful of times.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/Thread.h"
#include "platform/Wnd.h"

namespace {

// What happened, in order, across the threads.
class Log {
 public:
  void Add(const std::string& what) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.push_back(what);
  }
  std::vector<std::string> Entries() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries;
  }

 private:
  std::mutex m_mutex;
  std::vector<std::string> m_entries;
};

// A worker that waits until the user-interface thread sleeps in the wait
// (it checked twice: on entry and before blocking), lingers long enough for
// a poller to have looked many times, then announces its change.
struct Announcer {
  std::atomic<int> checks{0};
  std::atomic<bool> flag{false};
  Log log;

  std::thread Start(const std::function<void()>& announce) {
    return std::thread([this, announce] {
      while (checks.load() < 2) std::this_thread::yield();
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      log.Add("worker changed");
      flag = true;
      announce();
    });
  }
  bool Done() {
    ++checks;
    return flag.load();
  }
};

class NoticeWnd : public CWnd {};

TEST(WaitProcessingEvents, AWakeOrAnEventEndsTheWaitAtOnce) {
  NoticeWnd wnd;
  ASSERT_TRUE(wnd.Create("wait", 0, CRect(0, 0, 10, 10), nullptr, 0));
  const HWND target = wnd.m_hWnd;
  struct Case {
    const char* how;
    std::function<void()> announce;
  };
  const Case cases[] = {
      {"a wake", [] { WakeWaitingUiThread(); }},
      {"a posted message", [target] { CWnd::PostMessage(target, WM_USER + 7, 0, 0); }},
  };
  for (const Case& c : cases) {
    Announcer a;
    std::thread worker = a.Start(c.announce);
    const bool ended = WaitProcessingEvents([&] { return a.Done(); }, 10000);
    a.log.Add("wait returned");
    worker.join();
    EXPECT_TRUE(ended) << c.how;
    EXPECT_EQ(a.log.Entries(), (std::vector<std::string>{"worker changed", "wait returned"})) << c.how;
    // Entry, before sleeping, once after the announcement: a poller on a
    // 2 ms clock would have looked about fifteen times in the worker's 30 ms.
    EXPECT_LE(a.checks.load(), 5) << c.how;
  }
}

TEST(WaitProcessingEvents, AChangeNobodyAnnouncesIsStillSeen) {
  Announcer a;
  std::thread worker = a.Start([] {});
  // No limit: only the safety check can end this wait.
  EXPECT_TRUE(WaitProcessingEvents([&] { return a.Done(); }, 0));
  worker.join();
}

TEST(WaitProcessingEvents, TheTimeLimitEndsAWaitForNothing) {
  std::atomic<int> checks{0};
  EXPECT_FALSE(WaitProcessingEvents([&] { return ++checks < 0; }, 30));
  EXPECT_LE(checks.load(), 5);
}

}  // namespace
