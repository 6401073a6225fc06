#include "platform/Thread.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace {

thread_local const std::atomic<bool>* t_stopFlag = nullptr;

std::once_flag g_firstThreadOnce;
std::thread::id g_firstThread;

bool AppAlive() {
  QCoreApplication* app = QCoreApplication::instance();
  return app != nullptr && !QCoreApplication::closingDown();
}

// One cross-thread call: the worker waits on it; the user-interface thread
// runs it unless the worker gave up first.
struct CallState {
  enum class Phase { Pending, Running, Done, Cancelled };
  std::mutex mutex;
  std::condition_variable cv;
  Phase phase = Phase::Pending;
  const std::function<void()>* fn = nullptr;
  std::exception_ptr error;
};

}  // namespace

bool IsUiThread() {
  if (QCoreApplication* app = QCoreApplication::instance())
    return QThread::currentThread() == app->thread();
  std::call_once(g_firstThreadOnce, [] { g_firstThread = std::this_thread::get_id(); });
  return std::this_thread::get_id() == g_firstThread;
}

void PostToUiThread(std::function<void()> fn) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) {
    if (IsUiThread()) fn();
    return;
  }
  QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}

void PostToUiThreadAfter(DWORD ms, std::function<void()> fn) {
  if (!QCoreApplication::instance()) return;
  // The timer belongs to the thread that starts it: the user-interface thread.
  auto start = [ms, fn = std::move(fn)]() mutable {
    if (QCoreApplication* app = QCoreApplication::instance())
      QTimer::singleShot(static_cast<int>(std::min<DWORD>(ms, INT_MAX)), app, std::move(fn));
  };
  if (IsUiThread())
    start();
  else
    PostToUiThread(std::move(start));
}

bool BlockingCallOnUiThread(const std::function<void()>& fn) {
  if (IsUiThread()) {
    fn();
    return true;
  }
  if (!AppAlive() || IsCurrentThreadStopping()) return false;

  auto state = std::make_shared<CallState>();
  state->fn = &fn;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [state] {
        {
          std::lock_guard<std::mutex> lock(state->mutex);
          if (state->phase != CallState::Phase::Pending) return;
          state->phase = CallState::Phase::Running;
        }
        try {
          (*state->fn)();
        } catch (...) {
          state->error = std::current_exception();
        }
        {
          std::lock_guard<std::mutex> lock(state->mutex);
          state->phase = CallState::Phase::Done;
        }
        state->cv.notify_all();
      },
      Qt::QueuedConnection);

  std::unique_lock<std::mutex> lock(state->mutex);
  for (;;) {
    if (state->cv.wait_for(lock, std::chrono::milliseconds(10),
                           [&] { return state->phase == CallState::Phase::Done; }))
      break;
    if (state->phase == CallState::Phase::Pending && (IsCurrentThreadStopping() || !AppAlive())) {
      state->phase = CallState::Phase::Cancelled;
      return false;
    }
    // Running: the user-interface thread has started the call and will end
    // it; fn refers to this thread's stack, so wait for it.
  }
  if (state->error) std::rethrow_exception(state->error);
  return true;
}

void SetCurrentThreadStopFlag(const std::atomic<bool>* flag) { t_stopFlag = flag; }

bool IsCurrentThreadStopping() { return t_stopFlag != nullptr && t_stopFlag->load(); }

namespace {

// A condition changed without an event or a wake is seen this late.
constexpr int kSafetyCheckMs = 100;

// Wakes of a wait without an event loop (no application object yet).
std::mutex g_wakeMutex;
std::condition_variable g_wakeCv;
unsigned long long g_wakes = 0;

bool WaitWithoutEventLoop(const std::function<bool()>& done, DWORD timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    unsigned long long seen;
    {
      std::lock_guard<std::mutex> lock(g_wakeMutex);
      seen = g_wakes;
    }
    // Checked outside the lock: done() may itself wake waiters.
    if (done()) return true;
    std::unique_lock<std::mutex> lock(g_wakeMutex);
    const auto now = std::chrono::steady_clock::now();
    if (timeoutMs != 0 && now >= deadline) {
      lock.unlock();
      return done();
    }
    auto until = now + std::chrono::milliseconds(kSafetyCheckMs);
    if (timeoutMs != 0) until = std::min(until, deadline);
    g_wakeCv.wait_until(lock, until, [&] { return g_wakes != seen; });
  }
}

}  // namespace

void WakeWaitingUiThread() {
  {
    std::lock_guard<std::mutex> lock(g_wakeMutex);
    ++g_wakes;
  }
  g_wakeCv.notify_all();
  // An empty call: its event wakes the loop, which checks again before it
  // sleeps.
  if (QCoreApplication::instance()) PostToUiThread([] {});
}

bool WaitProcessingEvents(const std::function<bool()>& done, DWORD timeoutMs) {
  if (done()) return true;
  QCoreApplication* app = QCoreApplication::instance();
  QAbstractEventDispatcher* dispatcher = app ? QAbstractEventDispatcher::instance(app->thread()) : nullptr;
  if (!dispatcher) return WaitWithoutEventLoop(done, timeoutMs);
  // The loop checks done() each time it has processed what arrived and is
  // about to sleep; the timer ends it when the time is up.
  QEventLoop loop;
  bool result = false;
  QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, [&] {
    if (!result && done()) {
      result = true;
      loop.quit();
    }
  });
  QTimer timeout;
  timeout.setSingleShot(true);
  QObject::connect(&timeout, &QTimer::timeout, &loop, [&] { loop.quit(); });
  if (timeoutMs) timeout.start(static_cast<int>(std::min<DWORD>(timeoutMs, INT_MAX)));
  QTimer safety;  // its ticks only wake the loop, which then checks
  safety.start(kSafetyCheckMs);
  loop.exec();
  return result || done();
}

void ProcessPendingEvents() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}
