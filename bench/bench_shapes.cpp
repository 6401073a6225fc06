// bench-lib: vek_shapes
// The device shapes' hot paths, on the plant's devices whose classes exist
// (one row each in Devices(); a new class adds its rows): painting every
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
#include "shapes/Belt.h"
#include "shapes/CntrFglPmp.h"
#include "shapes/DBFValve.h"
#include "shapes/DosePump.h"
#include "shapes/HtZn.h"
#include "shapes/RtryWhl.h"
#include "shapes/SpryDryr.h"
#include "shapes/Valve.h"
#include "shapes/Vessel.h"

namespace {

using MakeShape = std::unique_ptr<C_BaseShape> (*)(const ShapeCreateInfo&);

template <class Shape>
std::unique_ptr<C_BaseShape> Make(const ShapeCreateInfo& info) {
  return std::make_unique<Shape>(info);
}

// A device of the plant's list: the command that starts it, its running
// feedback when the plant engine (not the class) copies it in Demo, and an
// interlocked drive command (-1: none).
struct DeviceRow {
  MakeShape make;
  ShapeCreateInfo info;
  int runCommandId;
  int runFeedbackId;
  int driveCommandId;
};

std::vector<DeviceRow> MakeDevices() {
  using Info = ShapeCreateInfo;
  std::vector<DeviceRow> devices = {
      {Make<C_Belt>, Info(0x2000001, 703, 380, 200, 50, 35, 1, "MeasuringBelt"), BE_DoOnOffSpeed, BE_DiOnOffSpeed,
       BE_DoIncreaseSpeed},
      {Make<C_HtZn>, Info(0, 280, 690, 69, 110, 0x3C000237, 1, "HotAirHeatZone"), HZ_DoOnOffFuel, HZ_DiOnOffFuel,
       HZ_DoIncreaseFuel},
      {Make<C_DBFValve>, Info(10, 300, 660, 30, 30, 0, 2, "HotAirDiverseValve"), DV_DoOnOffPosition, -1,
       DV_DoIncreasePosition},
      {Make<C_DBFValve>, Info(10, 890, 480, 30, 30, 0, 3, "PowderDiverseValve"), DV_DoOnOffPosition, -1,
       DV_DoIncreasePosition},
      {Make<C_Valve>, Info(0x10000010, 340, 230, 20, 20, 0, 1, "ReturnValve"), VA_DoOnOffPosition, -1, VA_DoLowFlow},
  };
  // The wheels mirror their own feedback in Demo.
  const struct { int x, y, option1; const char* name; } wheels[] = {
      {440, 820, 2, "TransferBeltLeft"}, {580, 780, 2, "TransferBeltRight"}, {100, 280, 1, "RotaryFilter1"},
      {100, 350, 1, "RotaryFilter2"},    {100, 420, 1, "RotaryFilter3"},     {100, 490, 1, "RotaryFilter4"}};
  for (const auto& w : wheels) {
    devices.push_back({Make<C_RtryWhl>, Info(10, w.x, w.y, 30, 30, w.option1, 1, w.name), CP_DoOnOffSpeed, -1,
                       CP_DoIncreaseSpeed});
  }
  for (const int n : {1, 2, 3}) {
    devices.push_back({Make<C_DosePump>, Info(0, 240, 210 + 70 * n, 120, 36, 0, 0, "HighPressure" + std::to_string(n)),
                       DP_DoOnOffSpeed, DP_DiOnOffSpeed, DP_DoIncreaseSpeed});
  }
  const struct { int x, y, size, option2; const char* name; } pumps[] = {
      {50, 170, 85, 1, "SuctionFan"},   {160, 280, 35, 4, "FeedingPump1"}, {160, 350, 35, 4, "FeedingPump2"},
      {160, 420, 35, 4, "FeedingPump3"}, {160, 490, 35, 4, "FeedingPump4"}, {770, 100, 60, 4, "AirLiftFan"},
      {310, 810, 40, 3, "CombustionFan"}, {200, 770, 70, 4, "DilutionFan"}};
  for (const auto& p : pumps) {
    devices.push_back({Make<C_CntrFglPmp>, Info(10, p.x, p.y, p.size, p.size, 0, p.option2, p.name), CP_DoOnOffSpeed,
                       CP_DiOnOffSpeed, CP_DoIncreaseSpeed});
  }
  // The vessels have no drive interlock: their level flag blinks instead.
  const struct { int x, y, cx, cy, layout, type; DWORD style; const char* name; } vessels[] = {
      {650, 290, 160, 18, 0, 0, 0x8000, "Screen1"},        {690, 320, 80, 60, 0x20415000, 1, 0x400, "MeasurBeltHopper"},
      {580, 70, 90, 170, 0, 7, 0x7000, "SeparatingVessel"}, {220, 60, 60, 140, 0x25319101, 1, 0, "TowerCyclone"},
      {710, 40, 40, 100, 0x25319101, 1, 0, "AirLiftCyclone"}, {830, 540, 70, 160, 0x40405000, 1, 0x3000, "Silo1"},
      {910, 540, 70, 160, 0x40405000, 1, 0x3000, "Silo2"}};
  for (const auto& v : vessels) {
    devices.push_back({Make<C_Vessel>, Info(v.style, v.x, v.y, v.cx, v.cy, v.layout, v.type, v.name), VS_DoOnOffSpeed,
                       VS_DiOnOffSpeed, VS_LlaFlgLevel});
  }
  // The tower's commands are its hammers' (it has no drive).
  const MakeShape tower = [](const ShapeCreateInfo& info) -> std::unique_ptr<C_BaseShape> {
    return std::make_unique<C_SpryDryr>(info, 4, 5);
  };
  devices.push_back({tower, Info(0, 403, 100, 120, 700, 0, 0, "SpryDryr1"), SD_VI_bLetHammerAutoService, -1,
                     SD_VI_bTakeOnHammer1});
  return devices;
}

const std::vector<DeviceRow>& Devices() {
  static const std::vector<DeviceRow> devices = MakeDevices();
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
      C_BaseShape& shape = *m_shapes.back();
      if (row.runCommandId >= 0) shape.SetAttribBool(row.runCommandId, true);
      if (row.runFeedbackId >= 0) shape.SetAttribBool(row.runFeedbackId, true);
      // Every class's first analog group starts at 28: half way, so it turns.
      shape.SetAttribFloat(28, shape.GetAttribFloat(30) * 0.5f);
      // The tower sprays from every nozzle at half its range.
      if (auto* tower = dynamic_cast<C_SpryDryr*>(&shape)) {
        tower->SetNozzleValue(NOZZLE_ALL_WRITE, NOZZLE_MAX, 10.0f);
        tower->SetNozzleValue(NOZZLE_ALL_WRITE, NOZZLE_RATE, 5.0f);
        tower->SetNozzleValue(NOZZLE_ALL_WRITE, NOZZLE_OPEN, static_cast<float>(NOZZLE_FLAG_TRUE));
      }
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
      const size_t device = static_cast<size_t>(i) % shapes.size();
      C_BaseShape& shape = *shapes[device];
      const DeviceRow& row = Devices()[device];
      // Each device goes through all four calls in turn.
      switch ((static_cast<size_t>(i) / shapes.size()) % 4) {
        case 0: shape.SetAttribBool(row.runCommandId, false); break;
        case 1: shape.SetAttribBool(row.runCommandId, true); break;
        case 2: shape.SetAttribFloat(28, static_cast<float>(i % 1200)); break;  // the first group's value
        default: shape.SetAttribBool(row.driveCommandId, (i & 8) != 0); break;
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
