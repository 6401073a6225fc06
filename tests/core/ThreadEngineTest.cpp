#include <gtest/gtest.h>

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "core/ThreadEngine.h"
#include "platform/Thread.h"
#include "support/Doubles.h"

using testing_support::MessageBoxDouble;

namespace {

TEST(ThreadEngine, RunsNamedCyclesUntilStopped) {
  std::atomic<int> cycles{0};
  std::string name;
  std::atomic<bool> named{false};
  CThreadEngine thread(
      "DataObtainerThreadLongName",
      [&] {
        if (!named.exchange(true)) {
          char buffer[32] = {};
          pthread_getname_np(pthread_self(), buffer, sizeof buffer);
          name = buffer;
        }
        ++cycles;
      },
      1);
  ASSERT_TRUE(thread.Start());
  EXPECT_FALSE(thread.Start()) << "already running";
  EXPECT_TRUE(thread.IsRunning());
  ASSERT_TRUE(WaitProcessingEvents([&] { return cycles.load() >= 3; }, 10000));
  EXPECT_TRUE(thread.Stop());
  EXPECT_FALSE(thread.IsRunning());
  EXPECT_EQ(name, "DataObtainerThr") << "the system keeps 15 characters";
  // A stopped thread runs no further cycle: with a 1 ms cycle, 30 ms
  // would see many more if it still ran.
  const int after = cycles.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  ProcessPendingEvents();
  EXPECT_EQ(cycles.load(), after) << "no cycle after Stop";
  EXPECT_TRUE(thread.Stop()) << "stopping twice is harmless";
  ASSERT_TRUE(thread.Start()) << "a stopped thread starts again";
  EXPECT_TRUE(thread.Stop());
}

TEST(ThreadEngine, StopEndsTheCycleSleepAndBlockingCallsAtOnce) {
  std::atomic<int> calls{0};
  CThreadEngine thread(
      "Slow",
      [&] {
        // Blocking calls give up once the thread is asked to stop.
        BlockingCallOnUiThread([&] { ++calls; });
      },
      60000);
  ASSERT_TRUE(thread.Start());
  ASSERT_TRUE(WaitProcessingEvents([&] { return calls.load() >= 1; }, 10000));
  const auto begin = std::chrono::steady_clock::now();
  EXPECT_TRUE(thread.Stop());
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(5)) << "no 60 s sleep";
}

TEST(ThreadEngine, AThreadThatDoesNotEndIsReportedAndLeft) {
  MessageBoxDouble boxes;
  // Static: the abandoned thread may outlive this test's stack.
  static std::atomic<bool> release{false};
  static std::atomic<bool> entered{false};
  {
    CThreadEngine thread(
        "Stuck",
        [] {
          entered = true;
          WakeWaitingUiThread();
          while (!release.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        },
        0);
    ASSERT_TRUE(thread.Start());
    ASSERT_TRUE(WaitProcessingEvents([&] { return entered.load(); }, 10000));
    EXPECT_FALSE(thread.Stop(20));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, "All of threads not closed! You may need End Task this program.");
  }
  release = true;  // the abandoned thread ends on its own
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

}  // namespace
