// bench-lib: vek_core
// The engine core's hot spots: loading a 10,000-tag file (time and memory
// per tag), fanning one tag change out to 50 viewer windows (goal: at least
// 2 M notices delivered per second, the wait for them ending on their
// delivery), one Demo cycle of CompleteDemoPendings over 10,000 tags,
// 200 settings keys written one by one versus in one batch, and reading a
// user file of 50,000 sections (goal: linear, well under a second; the
// repeated-section check once compared each section with every earlier
// one and took 13.5 s).
#include <benchmark/benchmark.h>

#include "bench/BenchMain.h"
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/CoreMessages.h"
#include "core/DataCenterBase.h"
#include "core/IniFile.h"
#include "core/UserFile.h"
#include "core/VekEngineBase.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/Thread.h"
#include "platform/Wnd.h"

namespace {

std::string MakeTagFile(int count) {
  std::string text = "// bench tags\n";
  for (int i = 0; i < count; ++i) {
    text += std::to_string(i) + ", Device" + std::to_string(i / 8) + ".Attrib" + std::to_string(i % 8) +
            (i % 3 ? ", ADV, 0:AI:3, DUPLEX, Float, 0, 2, x*0.1\n" : ", NULL, , NULL, Bool, 0, 0,\n");
  }
  return text;
}

void BM_LoadTagFile10000(benchmark::State& state) {
  const std::string text = MakeTagFile(10000);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    auto dc = std::make_unique<CDataCenterBase>();
    if (dc->LoadTagText(text, "bench.dct") != 0) state.SkipWithError("load failed");
    bytes = mallinfo2().uordblks - before;
    benchmark::DoNotOptimize(dc->GetTagCount());
  }
  state.counters["bytes_per_tag"] = static_cast<double>(bytes) / 10000.0;
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_LoadTagFile10000)->Unit(benchmark::kMillisecond);

class CountingWnd : public CWnd {
 public:
  std::int64_t count = 0;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DCTAG_NOTICE) {
      ++count;
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

void BM_NoticeFanOutTo50Viewers(benchmark::State& state) {
  std::vector<std::unique_ptr<CountingWnd>> viewers;
  CDataCenterBase dc;
  dc.LoadTagText("1, Speed, NULL, , NULL, Float, 0, 0,\n", "bench.dct");
  CDCTag* tag = dc.GetTagAt(0);
  for (int i = 0; i < 50; ++i) {
    viewers.push_back(std::make_unique<CountingWnd>());
    viewers.back()->Create("viewer", 0, CRect(0, 0, 10, 10), nullptr, 0);
    tag->AddViewer(viewers.back().get());
  }
  ProcessPendingEvents();
  for (auto& v : viewers) v->count = 0;
  float value = 0.0f;
  constexpr int kChanges = 100;
  for (auto _ : state) {
    for (int i = 0; i < kChanges; ++i) {
      VARIANT v = VariantFromFloat(value += 1.0f);
      tag->SetTagData(&v);
    }
    const std::int64_t expected = static_cast<std::int64_t>(kChanges) * 50;
    WaitProcessingEvents(
        [&] {
          std::int64_t sum = 0;
          for (auto& w : viewers) sum += w->count;
          return sum >= expected;
        },
        10000);
    for (auto& w : viewers) w->count = 0;
  }
  state.SetItemsProcessed(state.iterations() * kChanges * 50);  // notices delivered
}
BENCHMARK(BM_NoticeFanOutTo50Viewers)->UseRealTime()->Unit(benchmark::kMillisecond);

// One Demo cycle's completion of pending requests: a started engine (in a
// temporary program folder) with 10,000 tags, a seventh of them pending.
void BM_CompleteDemoPendings10000(benchmark::State& state) {
  char folderTemplate[] = "/tmp/bench_core_XXXXXX";
  const char* made = ::mkdtemp(folderTemplate);
  if (!made) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string folder = std::string(made) + "/";
  const auto write = [&](const std::string& name, const std::string& text) {
    std::FILE* f = std::fopen((folder + name).c_str(), "wb");
    if (!f) return;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  };
  write("VTLN-DCTags.dct", MakeTagFile(10000));
  write("VTLN-VXC.sys", "; no users\n");
  write("VTLN-Setting.ini", "[Application]\n");
  SetProgramFolder(folder);
  MessageBoxHandler previous = SetMessageBoxHandler([](const MessageBoxRequest&) { return IDOK; });
  auto* engine = new CVekEngineBase;
  engine->SetFileNames("VTLN");
  if (!CVekEngineBase::SetEngine(engine) || !engine->SetDataSourceType(CVekEngineBase::eDataSourceDemo)) {
    state.SkipWithError("engine did not start");
  } else {
    CDataCenterBase* dc = CVekEngineBase::GetEngineDataCenter();
    for (auto _ : state) {
      state.PauseTiming();
      for (int i = 0; i < dc->GetTagCount(); i += 7) dc->GetTagAt(i)->SetWritePending(true);
      state.ResumeTiming();
      engine->CompleteDemoPendings();
    }
  }
  CVekEngineBase::SetEngine(nullptr);
  SetMessageBoxHandler(previous);
  SetProgramFolder("");
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CompleteDemoPendings10000)->Unit(benchmark::kMicrosecond);

// The tower's unbound-tag marks: 200 keys written into a fresh settings
// file, each in its own locked replacement of the file or all in one batch.
void WriteTowerMarks(benchmark::State& state, bool bBatched) {
  char folderTemplate[] = "/tmp/vek_bench_ini_XXXXXX";
  const char* made = ::mkdtemp(folderTemplate);
  if (!made) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string path = std::string(made) + "/Setting.ini";
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(path);
    CIniFile ini(path);
    state.ResumeTiming();
    CIniFile::CBatch batch(bBatched ? &ini : nullptr);
    for (int i = 0; i < 200; ++i)
      ini.WriteString("SprayDryer.SpryDryr1", "Attrib" + std::to_string(i) + ".Tag", "_NO_DCTAG_");
    if (!batch.Commit()) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations() * 200);
  std::filesystem::remove_all(made);
}

void BM_Write200IniKeysSingly(benchmark::State& state) { WriteTowerMarks(state, false); }
BENCHMARK(BM_Write200IniKeysSingly)->Unit(benchmark::kMillisecond);

void BM_Write200IniKeysInOneBatch(benchmark::State& state) { WriteTowerMarks(state, true); }
BENCHMARK(BM_Write200IniKeysInOneBatch)->Unit(benchmark::kMillisecond);

void BM_ParseUserFile50000Sections(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 50000; ++i)
    text += "[User-" + std::to_string(i + 1) + "]\r\nName=user" + std::to_string(i) + "\r\nPW=x\r\nGRP=1\r\n";
  for (auto _ : state) {
    const UserFileContent content = ParseUserFileText(text);
    if (content.entries.size() != 50000) state.SkipWithError("sections lost");
    benchmark::DoNotOptimize(content.entries.data());
  }
  state.SetItemsProcessed(state.iterations() * 50000);
}
BENCHMARK(BM_ParseUserFile50000Sections)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
