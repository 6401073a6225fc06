// bench-lib: vek_attrib
// The attribute model's two hot paths: setting attribute values through the
// whole change protocol (a view that allows every change, a bound output
// tag and its notices), and a pack of 240 attributes bound to 100 tags
// loading its settings section. Both report the messages they cause.
#include <benchmark/benchmark.h>

#include "bench/BenchMain.h"
#include "bench/BenchViews.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "core/DataCenterBase.h"
#include "core/IniFile.h"
#include "attrib/PlantServices.h"
#include "attrib/VAttribsPack.h"
#include "platform/Thread.h"
#include "platform/Wnd.h"

namespace {

// A pack of `count` float attributes "A0".."An" reading one settings file.
class BenchPack : public CVAttribsPack {
 public:
  BenchPack(int count, CIniFile* ini) : m_count(count), m_pIni(ini) { SetControlType(CT_VESSEL); }
  void Declare() { DeclareAttrib(m_count); }
  std::string GetAttribName(int id) const override { return "A" + std::to_string(id); }
  VARIANT GetAttribDefault(int) const override { return VARIANT(); }
  VARTYPE GetAttribType(int) const override { return VT_R4; }
  void SetAttribValue(int id, const VARIANT* value) override { GetAttrib(id)->SetValue(value); }
  int GetAnalogRole(int) const override { return AR_NONE; }
  int GetAnalogGroupMember(int, int) const override { return -1; }
  std::string GetDeviceCaption() const override { return "Bench"; }
  std::string GetDeviceName() const override { return "Bench"; }
  std::string GetIniSectionName() const override { return "Vessel.Bench"; }
  bool IniSectionExists(const std::string& section) const override {
    return m_pIni && m_pIni->HasSection(section);
  }
  void SaveAttribIniString(int, int, const std::string&) override {}
  void LoadAttribIniString(int id, int property, std::string& text) override {
    text.clear();
    if (m_pIni) m_pIni->ReadString(GetIniSectionName(), MakeAttribIniKey(GetAttribName(id), property), text, "");
  }

 private:
  int m_count;
  CIniFile* m_pIni;
};

// 100 hardware output tags T0..T99 installed as the plant's data center.
CDataCenterBase& BenchDataCenter() {
  static CDataCenterBase* dataCenter = [] {
    auto* dc = new CDataCenterBase;
    std::string text;
    for (int i = 0; i < 100; ++i) {
      text += std::to_string(i + 1) + ",T" + std::to_string(i) + ",ADV,AO" + std::to_string(i) +
              ",OUTPUT,Float,0,0,\n";
    }
    if (dc->LoadTagText(text, "bench.dct") != 0) std::abort();
    PlantEngineAccess access;
    access.dataCenter = [dc] { return dc; };
    access.isRealHwSource = [] { return false; };
    SetPlantEngineAccess(access);
    return dc;
  }();
  return *dataCenter;
}

std::string SettingsFile() {
  static const std::string path = [] {
    const std::string file = "/tmp/bench_attrib_" + std::to_string(::getpid()) + ".ini";
    std::ofstream out(file, std::ios::binary);
    out << "[Vessel.Bench]\r\n";
    for (int id = 0; id < 240; ++id) {
      const std::string name = "A" + std::to_string(id);
      out << name << ".Tag=T" << id % 100 << "\r\n";
      if (id % 10 == 0) out << name << ".Visible=No\r\n";
      if (id % 7 == 0) out << name << ".ASD=" << id << "\r\n";
    }
    return file;
  }();
  return path;
}

void BM_SetValueFullProtocol(benchmark::State& state) {
  BenchDataCenter();
  CountingView view;
  view.Create("view", 0, CRect(0, 0, 400, 300), nullptr, 0);
  CountingView notify;  // the tags' viewer, standing in for the shape window
  notify.Create("notify", 0, CRect(0, 0, 10, 10), nullptr, 0);
  BenchPack pack(4, nullptr);
  pack.Create("", WS_CHILD, CRect(0, 0, 50, 50), &view, 1);
  pack.SetNotifyWnd(&notify);
  pack.Declare();
  CVAttrib* attrib = pack.GetAttrib(0);
  attrib->SetTagName("T0");
  ProcessPendingEvents();
  view.messages = 0;
  notify.messages = 0;

  constexpr int kSets = 10000;
  std::int64_t sets = 0;
  for (auto _ : state) {
    for (int i = 0; i < kSets; ++i) {
      const VARIANT value = VariantFromFloat(static_cast<float>(sets + i));
      attrib->SetValue(&value);
    }
    sets += kSets;
    ProcessPendingEvents();
  }
  state.SetItemsProcessed(sets);
  state.counters["view_msgs_per_set"] = static_cast<double>(view.messages) / static_cast<double>(sets);
  state.counters["tag_notices_per_set"] = static_cast<double>(notify.messages) / static_cast<double>(sets);
}
BENCHMARK(BM_SetValueFullProtocol)->Unit(benchmark::kMillisecond);

void BM_PackLoadsItsSettingsSection(benchmark::State& state) {
  BenchDataCenter();
  CIniFile ini(SettingsFile());
  CountingView view;
  view.Create("view", 0, CRect(0, 0, 400, 300), nullptr, 0);
  std::int64_t loads = 0;
  std::int64_t messages = 0;
  for (auto _ : state) {
    state.PauseTiming();
    // A fresh viewer window each time, so every binding's first notices count.
    auto notify = std::make_unique<CountingView>();
    notify->Create("notify", 0, CRect(0, 0, 10, 10), nullptr, 0);
    auto pack = std::make_unique<BenchPack>(240, &ini);
    pack->Create("", WS_CHILD, CRect(0, 0, 50, 50), &view, 1);
    pack->SetNotifyWnd(notify.get());
    pack->Declare();
    ProcessPendingEvents();
    view.messages = 0;
    state.ResumeTiming();
    pack->LoadAttribsFromIni();
    ProcessPendingEvents();
    state.PauseTiming();
    messages += view.messages + notify->messages;
    ++loads;
    pack.reset();
    notify.reset();
    ProcessPendingEvents();
    state.ResumeTiming();
  }
  state.counters["msgs_per_load"] = static_cast<double>(messages) / static_cast<double>(loads);
}
BENCHMARK(BM_PackLoadsItsSettingsSection)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  const int result = RunBenchmarks(argc, argv);
  std::remove(SettingsFile().c_str());
  return result;
}
