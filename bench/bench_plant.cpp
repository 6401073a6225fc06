// bench-lib: vek_plant
// The plant engine's two periodic jobs on the program's plant (the device
// classes that exist in shapes/, the 34 process-data objects, a tag file
// of 300 tags): one whole Demo cycle of the data obtainer (simulation,
// feedback copy, pending completion, and the notices it causes processed),
// and one process-information sample plus one Event row appended to a real
// database file with a full sync.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench/BenchMain.h"
#include "bench/BenchViews.h"
#include "core/IniFile.h"
#include "plant/Plant.h"
#include "plant/VekEngineApp.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/Thread.h"
#include "platform/Wnd.h"
#include "res/Resources.h"

namespace {

// The plant made as the program makes it, in a temporary program folder,
// in Demo. The worker threads are not started: the benchmark runs the
// cycles itself.
class BenchPlant {
 public:
  BenchPlant() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vekplant-XXXXXX").string();
    m_folder = mkdtemp(pattern.data()) ? pattern + "/" : std::string();
    SetProgramFolder(m_folder);
    SetMessageBoxHandler([](const MessageBoxRequest&) { return IDOK; });
    LoadResourceTables();
    std::ofstream tags(m_folder + "VTLN-DCTags.dct");
    for (int i = 0; i < 300; ++i) tags << i + 1 << ", T" << i << ", NULL, , NULL, Float, 0, 0,\n";
    tags.close();
    std::ofstream(m_folder + "VTLN-Setting.ini") << "[Application]\nCoreControlType=PC-Base\n";

    m_plant = std::make_unique<CPlant>(ProgramDeviceClasses());
    m_plant->CreateProcessData();
    m_engine = m_plant->CreateEngine();
    m_engine->SetFileNames("VTLN");
    m_ok = CVekEngineBase::SetEngine(m_engine);
    C_BaseShape::CreatePackIniFileTable(SHAPE_DEFAULT_INI_FILE_COUNT);
    C_BaseShape::SetPackIniFile(SHAPE_SETTINGS_INI_INDEX, new CIniFile(m_engine->GetSettingFileName(true)));
    m_ok = m_ok && m_view.Create("Supervise", WS_OVERLAPPED, CRect(0, 0, 1000, 900), nullptr, 0);
    for (const PlantDeviceRow& row : PlantDeviceTable())
      if (C_BaseShape* device = m_plant->FindDevice(row.name)) m_ok = m_ok && device->Create(&m_view);
    m_ok = m_ok && m_plant->AttachProcessData(&m_view);
    m_ok = m_ok && m_engine->SetDataSourceType(CVekEngineBase::eDataSourceDemo);
    ProcessPendingEvents();
  }
  ~BenchPlant() {
    m_plant->DestroyProcessData();
    m_plant->DestroyDevices();
    CVekEngineBase::SetEngine(nullptr);
    C_BaseShape::DeletePackIniFiles();
    C_BaseShape::DeleteDeviceNameList();
    m_plant.reset();
    m_view.DestroyWindow();
    SetProgramFolder("");
    SetMessageBoxHandler(nullptr);
    if (!m_folder.empty()) std::filesystem::remove_all(m_folder);
  }
  bool Ok() const { return m_ok; }
  CVekEngineApp& Engine() { return *m_engine; }
  CPlant& Plant() { return *m_plant; }
  CountingView& View() { return m_view; }

 private:
  std::string m_folder;
  std::unique_ptr<CPlant> m_plant;
  CVekEngineApp* m_engine = nullptr;  // owned by the engine slot
  CountingView m_view;
  bool m_ok = false;
};

void BM_DemoCycle(benchmark::State& state) {
  BenchPlant bench;
  if (!bench.Ok()) {
    state.SkipWithError("the plant did not start");
    return;
  }
  const std::int64_t before = bench.View().messages;
  for (auto _ : state) {
    bench.Engine().RunDataObtainerCycle();
    ProcessPendingEvents();
  }
  state.counters["devices"] = bench.Plant().GetDeviceCount();
  state.counters["messages/cycle"] = benchmark::Counter(static_cast<double>(bench.View().messages - before),
                                                        benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DemoCycle)->Unit(benchmark::kMicrosecond);

void BM_EventRow(benchmark::State& state) {
  BenchPlant bench;
  if (!bench.Ok()) {
    state.SkipWithError("the plant did not start");
    return;
  }
  for (auto _ : state) {
    bench.Engine().AddProcessInfoToStacks();
    bench.Engine().RecordProcessInformation();
  }
}
BENCHMARK(BM_EventRow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
