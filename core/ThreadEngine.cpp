#include "core/ThreadEngine.h"

#include <pthread.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/Seams.h"
#include "platform/Thread.h"

struct CThreadEngine::State {
  std::atomic<bool> run{false};
  std::atomic<bool> stop{false};  // the thread's stop flag
  std::atomic<bool> finished{true};
  std::atomic<unsigned long long> cycles{0};
  std::mutex mutex;
  std::condition_variable wake;
};

CThreadEngine::CThreadEngine(std::string strName, std::function<void()> cycle, DWORD nCycleMs)
    : m_strName(std::move(strName)), m_cycle(std::move(cycle)), m_nCycleMs(nCycleMs) {}

CThreadEngine::~CThreadEngine() { Stop(); }

bool CThreadEngine::Start() {
  if (IsRunning()) return false;
  if (m_thread.joinable()) m_thread.join();
  auto state = std::make_shared<State>();
  state->run = true;
  state->finished = false;
  const std::string name = m_strName.substr(0, 15);  // the system keeps 15 characters
  std::function<void()> cycle = m_cycle;
  const DWORD cycleMs = m_nCycleMs;
  try {
    m_thread = std::thread([state, name, cycle, cycleMs] {
      pthread_setname_np(pthread_self(), name.c_str());
      SetCurrentThreadStopFlag(&state->stop);
      while (state->run.load()) {
        const auto begin = std::chrono::steady_clock::now();
        cycle();
        state->cycles.fetch_add(1);
        WakeWaitingUiThread();  // a wait may be counting the cycles
        if (cycleMs == 0) continue;
        std::unique_lock lock(state->mutex);
        state->wake.wait_until(lock, begin + std::chrono::milliseconds(cycleMs),
                               [&] { return !state->run.load(); });
      }
      SetCurrentThreadStopFlag(nullptr);
      state->finished = true;
      WakeWaitingUiThread();  // Stop waits for this
    });
  } catch (const std::system_error&) {
    state->run = false;
    state->finished = true;
    return false;
  }
  m_state = std::move(state);
  return true;
}

bool CThreadEngine::Stop(DWORD nTimeoutMs) {
  if (!m_state) return true;
  std::shared_ptr<State> state = m_state;
  {
    std::lock_guard lock(state->mutex);
    state->run = false;
    state->stop = true;
  }
  state->wake.notify_all();
  const bool ended = WaitProcessingEvents([&] { return state->finished.load(); }, nTimeoutMs);
  if (ended) {
    if (m_thread.joinable()) m_thread.join();
  } else {
    AfxMessageBox("All of threads not closed! You may need End Task this program.",
                  MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
    // The thread cannot be killed safely; it keeps only its shared state.
    if (m_thread.joinable()) m_thread.detach();
  }
  m_state.reset();
  return ended;
}

bool CThreadEngine::IsRunning() const { return m_state && !m_state->finished.load(); }

unsigned long long CThreadEngine::GetCycleCount() const { return m_state ? m_state->cycles.load() : 0; }
