// bench-lib: vek_platform
// Posted-message throughput to a window and the cost of a blocking call
// from a worker onto the user-interface thread.
#include <benchmark/benchmark.h>

#include "bench/BenchMain.h"

#include <atomic>
#include <cstdlib>
#include <thread>

#include "platform/Thread.h"
#include "platform/Wnd.h"

namespace {

class CountingWnd : public CWnd {
 public:
  std::int64_t count = 0;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_USER + 1) {
      ++count;
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

void BM_PostedMessagesDelivered(benchmark::State& state) {
  CountingWnd wnd;
  wnd.Create("bench", 0, CRect(0, 0, 10, 10), nullptr, 0);
  const int batch = static_cast<int>(state.range(0));
  for (auto _ : state) {
    wnd.count = 0;
    for (int i = 0; i < batch; ++i) wnd.PostMessage(WM_USER + 1, 0, i);
    ProcessPendingEvents();
    if (wnd.count != batch) state.SkipWithError("messages lost");
  }
  state.SetItemsProcessed(state.iterations() * batch);
  state.counters["msgs_per_s"] = benchmark::Counter(static_cast<double>(state.iterations() * batch),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PostedMessagesDelivered)->Arg(1000)->Arg(10000)->UseRealTime();

void BM_BlockingCallFromWorker(benchmark::State& state) {
  const int calls = 200;
  for (auto _ : state) {
    std::atomic<bool> done{false};
    int sum = 0;
    std::thread worker([&] {
      for (int i = 0; i < calls; ++i) BlockingCallOnUiThread([&] { ++sum; });
      done = true;
      WakeWaitingUiThread();
    });
    WaitProcessingEvents([&] { return done.load(); }, 0);
    worker.join();
    if (sum != calls) state.SkipWithError("calls lost");
  }
  state.SetItemsProcessed(state.iterations() * calls);
}
BENCHMARK(BM_BlockingCallFromWorker)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
