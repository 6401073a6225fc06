// bench-lib: vek_shapes
// The device shapes' hot paths, on the plant's devices whose classes exist
// (one row each in kDevices; a new class adds its rows): painting every
// device into one image of the mimic, one animation tick (timer 6632) of
// every running device, and 10,000 setter calls with interlocks across the
// devices. Goal for the whole plant of 30 devices: a tick under 4.5 ms (5 %
// of a core at the 90 ms period).
#include <benchmark/benchmark.h>

#include "bench/BenchMain.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "attrib/PlantServices.h"
#include "core/DataCenterBase.h"
#include "core/IniFile.h"
#include "platform/Seams.h"
#include "platform/Thread.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"
#include "res/Resources.h"
#include "shapes/DBFValve.h"
#include "shapes/Valve.h"

namespace {

using MakeShape = std::unique_ptr<C_BaseShape> (*)(const ShapeCreateInfo&);

template <class Shape>
std::unique_ptr<C_BaseShape> Make(const ShapeCreateInfo& info) {
  return std::make_unique<Shape>(info);
}

// A device of the plant's list and the command that starts it (-1: none).
struct DeviceRow {
  MakeShape make;
  ShapeCreateInfo info;
  int runCommandId;
};

const std::vector<DeviceRow>& Devices() {
  static const std::vector<DeviceRow> devices = {
      {Make<C_DBFValve>, ShapeCreateInfo(10, 300, 660, 30, 30, 0, 2, "HotAirDiverseValve"), DV_DoOnOffPosition},
      {Make<C_DBFValve>, ShapeCreateInfo(10, 890, 480, 30, 30, 0, 3, "PowderDiverseValve"), DV_DoOnOffPosition},
      {Make<C_Valve>, ShapeCreateInfo(0x10000010, 340, 230, 20, 20, 0, 1, "ReturnValve"), VA_DoOnOffPosition},
  };
  return devices;
}

// The plant on a mimic window: an empty data center, Demo, a settings file
// in /tmp, every device created and started.
class BenchPlant {
 public:
  BenchPlant() {
    SetMessageBoxHandler([](const MessageBoxRequest&) { return IDOK; });
    LoadResourceTables();
    PlantEngineAccess access;
    access.dataCenter = [this] { return &m_dataCenter; };
    access.isRealHwSource = [] { return false; };
    access.isDemoSource = [] { return true; };
    SetPlantEngineAccess(access);
    m_settingsPath = "/tmp/bench_shapes_" + std::to_string(::getpid()) + ".ini";
    C_BaseShape::CreatePackIniFileTable(SHAPE_DEFAULT_INI_FILE_COUNT);
    C_BaseShape::SetPackIniFile(SHAPE_SETTINGS_INI_INDEX, new CIniFile(m_settingsPath));
    m_mimic.Create("Supervise", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 1000, 900), nullptr, 0);
    for (const DeviceRow& row : Devices()) {
      m_shapes.push_back(row.make(row.info));
      m_shapes.back()->Create(&m_mimic);
      if (row.runCommandId >= 0) m_shapes.back()->SetAttribBool(row.runCommandId, true);
    }
    ProcessPendingEvents();
  }
  ~BenchPlant() {
    m_shapes.clear();
    C_BaseShape::DeletePackIniFiles();
    std::remove(m_settingsPath.c_str());
  }

  const std::vector<std::unique_ptr<C_BaseShape>>& Shapes() const { return m_shapes; }

 private:
  CDataCenterBase m_dataCenter;
  std::string m_settingsPath;
  CWnd m_mimic;
  std::vector<std::unique_ptr<C_BaseShape>> m_shapes;
};

void BM_PaintPlantIntoOneImage(benchmark::State& state) {
  BenchPlant plant;
  CBitmap image;  // outlives the context drawing into it
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  image.CreateCompatibleBitmap(&dc, 1000, 900);
  dc.SelectObject(&image);
  for (auto _ : state) {
    for (const auto& shape : plant.Shapes()) {
      const ShapeCreateInfo& info = shape->GetCreateInfo();
      dc.SetViewportOrg(info.x, info.y);
      shape->DrawShape(&dc);
    }
    dc.SetViewportOrg(0, 0);
  }
  state.counters["devices"] = static_cast<double>(plant.Shapes().size());
}
BENCHMARK(BM_PaintPlantIntoOneImage)->Unit(benchmark::kMicrosecond);

// What timer 6632 costs: every running device invalidated and repainted.
void BM_AnimationTickOfEveryRunningDevice(benchmark::State& state) {
  BenchPlant plant;
  for (auto _ : state) {
    for (const auto& shape : plant.Shapes()) shape->SendMessage(WM_TIMER, TIMER_SHAPE_BLINK, 0);
    for (const auto& shape : plant.Shapes()) shape->UpdateWindow();
  }
  state.counters["devices"] = static_cast<double>(plant.Shapes().size());
}
BENCHMARK(BM_AnimationTickOfEveryRunningDevice)->Unit(benchmark::kMicrosecond);

// Starting, stopping and moving the devices: each call goes through the
// class's interlocks and reactions and the attributes' change protocol.
void BM_TenThousandSettersWithInterlocks(benchmark::State& state) {
  BenchPlant plant;
  const auto& shapes = plant.Shapes();
  constexpr int kCalls = 10000;
  std::int64_t calls = 0;
  for (auto _ : state) {
    for (int i = 0; i < kCalls; ++i) {
      C_BaseShape& shape = *shapes[static_cast<size_t>(i) % shapes.size()];
      const int runId = Devices()[static_cast<size_t>(i) % shapes.size()].runCommandId;
      switch (i % 4) {
        case 0: shape.SetAttribBool(runId, false); break;
        case 1: shape.SetAttribBool(runId, true); break;
        case 2: shape.SetAttribFloat(28, static_cast<float>(i % 1200)); break;  // Position
        default: shape.SetAttribBool(41, (i & 8) != 0); break;                 // a drive command
      }
    }
    calls += kCalls;
    ProcessPendingEvents();
  }
  state.SetItemsProcessed(calls);
}
BENCHMARK(BM_TenThousandSettersWithInterlocks)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
