// bench-lib: vek_app
// The whole program on the shipped default data, as the operator starts it
// (offscreen): start-up until the mimic has been painted once, and one
// minute of Demo with the resident memory at its end and the processor
// time it took (status refresh, animation, simulation and records
// together). Goals: start-up under 1 s; under 120 MB resident after 60 s;
// under 5 % of one core averaged over the minute.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/MainFrame.h"
#include "app/VekFrameApp.h"
#include "app/VekFrameView.h"
#include "bench/BenchMain.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/Thread.h"
#include "platform/ui/SplashScreen.h"
#include "res/Resources.h"

namespace {

// A program folder of its own holding a copy of data/; removed at the end.
class ProgramFolder {
 public:
  ProgramFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vekapp-XXXXXX").string();
    m_folder = mkdtemp(pattern.data()) ? pattern + "/" : std::string();
    std::string data = __FILE__;
    data = data.substr(0, data.rfind("/bench/")) + "/data/";
    for (const auto& entry : std::filesystem::directory_iterator(data))
      std::filesystem::copy_file(entry.path(), m_folder + entry.path().filename().string());
    SetProgramFolder(m_folder);
  }
  ~ProgramFolder() {
    SetProgramFolder("");
    if (!m_folder.empty()) std::filesystem::remove_all(m_folder);
  }

 private:
  std::string m_folder;
};

// The program started as main() starts it; torn down as the loop's end does.
class RunningProgram {
 public:
  RunningProgram() {
    // Every box is answered Yes; a box other than the close question means
    // the start-up went wrong, so it is shown on the error stream.
    SetMessageBoxHandler([](const MessageBoxRequest& request) {
      std::fprintf(stderr, "box: %s\n", request.text.c_str());
      return IDYES;
    });
    LoadResourceTables();
    m_app = std::make_unique<CVekFrameApp>();
    m_ok = m_app->InitInstance();
    ProcessPendingEvents();  // the frame activates its child: the view is current
  }
  ~RunningProgram() {
    if (m_app->m_pMainWnd) m_app->m_pMainWnd->DestroyWindow();
    int quit = 0;
    TakePendingQuit(&quit);
    m_app->ExitInstance();
    m_app.reset();
    CSplashScreen::Hide();
    ProcessPendingEvents();
    SetMessageBoxHandler(nullptr);
  }
  bool Ok() const { return m_ok; }
  CVekFrameView* View() const {
    auto* frame = dynamic_cast<CMainFrame*>(m_app->m_pMainWnd);
    return frame ? dynamic_cast<CVekFrameView*>(frame->GetActiveView()) : nullptr;
  }

 private:
  std::unique_ptr<CVekFrameApp> m_app;
  bool m_ok = false;
};

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Start-up (splash, engine, tags, users, database, 30 devices and 34
// process-data objects with their settings and bindings, the frame) until
// the mimic has been painted once.
void BM_StartUpToFirstPaintedMimic(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto folder = std::make_unique<ProgramFolder>();
    state.ResumeTiming();
    auto program = std::make_unique<RunningProgram>();
    CVekFrameView* view = program->Ok() ? program->View() : nullptr;
    if (view) view->UpdateWindow();
    state.PauseTiming();
    program.reset();
    folder.reset();
    if (!view) {
      state.SkipWithError("the program did not start");
      break;
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstPaintedMimic)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// One minute of Demo: resident memory at its end, processor time over it.
void BM_DemoMinute(benchmark::State& state) {
  ProgramFolder folder;
  RunningProgram program;
  if (!program.Ok()) {
    state.SkipWithError("the program did not start");
    return;
  }
  const int seconds = static_cast<int>(state.range(0));
  double cpu = 0.0;
  for (auto _ : state) {
    const double before = ProcessCpuSeconds();
    WaitProcessingEvents([] { return false; }, static_cast<DWORD>(seconds) * 1000);
    cpu = ProcessCpuSeconds() - before;
  }
  state.counters["rss_MB"] = ResidentMegabytes();
  state.counters["cpu_%_of_core"] = 100.0 * cpu / seconds;
}
BENCHMARK(BM_DemoMinute)->Arg(60)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
