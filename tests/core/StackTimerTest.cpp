#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "core/VStack.h"
#include "core/VTimer.h"
#include "support/Doubles.h"

using testing_support::ClockDouble;

namespace {

TEST(VStack, OnlyShortIntAndFloatAreAccepted) {
  CVStack stack(3);
  for (VARTYPE vt = 0; vt < 80; ++vt) EXPECT_EQ(CVStack::IsSupportedVarType(vt), vt == VT_I2 || vt == VT_I4 || vt == VT_R4);
  for (VARIANT v : {VariantFromDouble(1), VariantFromBool(true), VariantFromString("1"), VariantNull(), VARIANT{}})
    EXPECT_FALSE(stack.Push(&v)) << v.vt;
  EXPECT_FALSE(stack.Push(nullptr));
  EXPECT_EQ(stack.GetCount(), 0);
}

TEST(VStack, TheRingKeepsTheNewestSamplesOldestFirst) {
  CVStack stack;
  VARIANT v = VariantFromInt(1);
  EXPECT_FALSE(stack.Push(&v)) << "no capacity yet";
  stack.SetSize(3);
  for (int i = 1; i <= 5; ++i) {
    v = VariantFromInt(i);
    EXPECT_TRUE(stack.Push(&v));
  }
  ASSERT_EQ(stack.GetCount(), 3);
  EXPECT_EQ(stack.GetItem(0).m_vValue.lVal, 3);
  EXPECT_EQ(stack.GetItem(2).m_vValue.lVal, 5);
  EXPECT_FALSE(stack.GetItem(3).m_bValid);
  EXPECT_FALSE(stack.GetItem(-1).m_bValid);
  stack.Reset();
  EXPECT_EQ(stack.GetCount(), 0);
  EXPECT_EQ(stack.GetSize(), 3);
  stack.Push(&v);
  stack.SetSize(2);
  EXPECT_EQ(stack.GetCount(), 0) << "a new size empties the ring";
  stack.SetSize(-4);
  EXPECT_EQ(stack.GetSize(), 0);
}

TEST(VStack, AWalkOfTheWholeStackSeesWhatGetItemSeesInItsOrder) {
  CVStack stack;
  int calls = 0;
  stack.ForEachItem([&](const CVStackItem&) { ++calls; });
  EXPECT_EQ(calls, 0) << "no capacity";
  stack.SetSize(4);
  for (int pushed = 0; pushed <= 9; ++pushed) {
    SCOPED_TRACE(pushed);
    std::vector<int> walked;
    stack.ForEachItem([&](const CVStackItem& item) { walked.push_back(item.m_bValid ? item.m_vValue.lVal : -1); });
    std::vector<int> expected;
    for (int i = 0; i < stack.GetCount(); ++i) expected.push_back(stack.GetItem(i).m_vValue.lVal);
    EXPECT_EQ(walked, expected);
    for (int first : {1, 3, 7}) {
      std::vector<int> newest;
      stack.ForEachItem([&](const CVStackItem& item) { newest.push_back(item.m_vValue.lVal); }, first);
      const size_t skip = std::min<size_t>(static_cast<size_t>(first), expected.size());
      EXPECT_EQ(newest, std::vector<int>(expected.begin() + static_cast<std::ptrdiff_t>(skip), expected.end()))
          << "from " << first;
    }
    VARIANT v = VariantFromInt(pushed + 1);
    stack.Push(&v);
  }
}

TEST(VStack, PushAndClearCountsTellAReaderWhatIsNew) {
  CVStack stack(3);
  const unsigned long long clears = stack.GetClearCount();
  EXPECT_EQ(stack.GetPushCount(), 0u);
  VARIANT v = VariantFromInt(1);
  for (int i = 0; i < 5; ++i) stack.Push(&v);
  EXPECT_EQ(stack.GetPushCount(), 5u) << "samples dropped from a full ring still count";
  VARIANT refused = VariantFromString("x");
  stack.Push(&refused);
  EXPECT_EQ(stack.GetPushCount(), 5u) << "a refused sample is not stored";
  stack.Reset();
  EXPECT_EQ(stack.GetClearCount(), clears + 1);
  stack.SetSize(4);
  EXPECT_EQ(stack.GetClearCount(), clears + 2);
  EXPECT_EQ(stack.GetPushCount(), 5u) << "the push count never goes back";
  CVStack none;
  none.Push(&v);
  EXPECT_EQ(none.GetPushCount(), 0u) << "no capacity stores nothing";
}

TEST(VStack, AverageIsTheMeanInTheSamplesType) {
  CVStack stack(4);
  EXPECT_EQ(stack.GetAverage().vt, VT_EMPTY);
  for (float f : {1.0f, 2.0f, 4.0f}) {
    VARIANT v = VariantFromFloat(f);
    stack.Push(&v);
  }
  VARIANT avg = stack.GetAverage();
  EXPECT_EQ(avg.vt, VT_R4);
  EXPECT_FLOAT_EQ(avg.fltVal, 7.0f / 3.0f);

  CVStack ints(4);
  for (int i : {1, 2, 2, 2}) {
    VARIANT v = VariantFromInt(i);
    ints.Push(&v);
  }
  avg = ints.GetAverage();
  EXPECT_EQ(avg.vt, VT_I4);
  EXPECT_EQ(avg.lVal, 2);  // 1.75 rounds to 2
}

TEST(VStack, TimeStampsComeFromTheClockWhenOn) {
  ClockDouble clock(1000, 45000.75);
  CVStack stack(2);
  VARIANT v = VariantFromShort(3);
  stack.Push(&v);
  EXPECT_EQ(stack.GetItem(0).m_dtTimeStamp, 0.0);
  stack.SetTimeStamping(true);
  stack.Push(&v);
  EXPECT_EQ(stack.GetItem(1).m_dtTimeStamp, 45000.75);
}

TEST(VStack, ConcurrentPushesAndReadsStayConsistent) {
  CVStack stack(50);
  std::atomic<bool> stop{false};
  std::thread writer([&] {
    for (int i = 0; i < 5000; ++i) {
      VARIANT v = VariantFromInt(i);
      stack.Push(&v);
    }
    stop = true;
  });
  bool ordered = true;
  for (int pass = 0; pass < 500 && !stop; ++pass) {
    {
      std::lock_guard lock(stack.GetLock());
      const int count = stack.GetCount();
      for (int i = 1; i < count; ++i)
        ordered = ordered && stack.GetItem(i).m_vValue.lVal == stack.GetItem(i - 1).m_vValue.lVal + 1;
    }
    std::this_thread::yield();
  }
  writer.join();
  EXPECT_TRUE(ordered) << "a walk under the lock sees a consistent ring";
  EXPECT_EQ(stack.GetItem(49).m_vValue.lVal, 4999);
}

TEST(VTimer, MeasuresOnTheClockSeam) {
  ClockDouble clock(5000);
  CVTimer timer(true);
  EXPECT_TRUE(timer.IsRunning());
  clock.Advance(1999);
  EXPECT_EQ(timer.GetElapsedMs(), 1999u);
  EXPECT_EQ(timer.GetElapsedSec(), 1u);
  timer.Start();  // already running: nothing
  EXPECT_EQ(timer.GetElapsedMs(), 1999u);
  timer.Stop();
  clock.Advance(500);
  EXPECT_EQ(timer.GetElapsedMs(), 1999u) << "stopped: frozen";
  timer.Stop();
  EXPECT_EQ(timer.GetElapsedMs(), 1999u);
  timer.Restart();
  clock.Advance(10);
  EXPECT_EQ(timer.GetElapsedMs(), 10u);
  timer.Reset();
  EXPECT_FALSE(timer.IsRunning());
  EXPECT_EQ(timer.GetElapsedMs(), 0u);
  CVTimer idle;
  EXPECT_FALSE(idle.IsRunning());
  EXPECT_EQ(idle.GetElapsedMs(), 0u);
}

TEST(VTimer, SubtractSecMovesTheStartLater) {
  ClockDouble clock(5000);
  CVTimer timer(true);
  clock.Advance(10500);
  timer.SubtractSec(4);
  EXPECT_EQ(timer.GetElapsedMs(), 6500u);
  timer.SubtractSec(10);
  EXPECT_EQ(timer.GetElapsedMs(), 0u) << "a start ahead of now reads 0, not a huge number";
  clock.Advance(4000);
  EXPECT_EQ(timer.GetElapsedMs(), 500u);
}

}  // namespace
