#include "platform/Thread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
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

bool WaitProcessingEvents(const std::function<bool()>& done, DWORD timeoutMs) {
  if (done()) return true;
  if (!QCoreApplication::instance()) {
    // No event loop exists: nothing can be processed, only waited for.
    auto start = std::chrono::steady_clock::now();
    while (!done()) {
      if (timeoutMs && std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(timeoutMs))
        return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
  }
  QEventLoop loop;
  QTimer tick;
  bool result = false;
  auto start = std::chrono::steady_clock::now();
  QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
    if (done()) {
      result = true;
      loop.quit();
    } else if (timeoutMs && std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(timeoutMs)) {
      loop.quit();
    }
  });
  tick.start(2);
  loop.exec();
  return result || done();
}

void ProcessPendingEvents() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}
