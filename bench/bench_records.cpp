// bench-lib: vek_records
// Appending Event rows as the program writes them (one transaction and one
// full sync each) and reading back the last 10,000 rows through the cursor.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/Seams.h"
#include "records/CEventRS.h"
#include "records/RecordsSchema.h"

namespace {

// A database file in a fresh temporary folder, removed at the end.
class BenchDatabase {
 public:
  BenchDatabase() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vekbench-XXXXXX").string();
    m_folder = mkdtemp(pattern.data()) ? pattern : std::string();
    SetMessageBoxHandler([this](const MessageBoxRequest&) {
      ++m_errors;
      return IDOK;
    });
    m_ok = !m_folder.empty() && OpenRecordsDatabase(m_db, m_folder + "/VTLN-DataBase.mdb");
    if (m_ok) {
      m_events.SetDatabase(&m_db);
      m_ok = m_events.SetTableName("Event");
    }
  }
  ~BenchDatabase() {
    m_events.Close();
    m_db.Close();
    SetMessageBoxHandler(nullptr);
    if (!m_folder.empty()) std::filesystem::remove_all(m_folder);
  }
  bool Ok() const { return m_ok && m_errors == 0; }
  CEventRS& Events() { return m_events; }

  void Append(int i) {
    m_events.ResetNewFields();
    CEventFields& f = m_events.GetNewFields();
    f.m_fVacuum = static_cast<float>(i);
    f.m_fSlurryPressure = 30.0f;
    f.m_bHPPump1IsOn = true;
    m_events.AddRecord();
  }

 private:
  std::string m_folder;
  CADODatabase m_db;
  CEventRS m_events;
  int m_errors = 0;
  bool m_ok = false;
};

void BM_AppendEventRow(benchmark::State& state) {
  BenchDatabase bench;
  if (!bench.Ok()) {
    state.SkipWithError("the database could not be opened");
    return;
  }
  int i = 0;
  for (auto _ : state) bench.Append(i++);
  if (!bench.Ok()) state.SkipWithError("an append failed");
  state.SetItemsProcessed(state.iterations());
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AppendEventRow)->Unit(benchmark::kMicrosecond);

void BM_ReadLast10000EventRows(benchmark::State& state) {
  constexpr int kRows = 10000;
  BenchDatabase bench;
  if (!bench.Ok()) {
    state.SkipWithError("the database could not be opened");
    return;
  }
  // Filled faster in one transaction; reading does not care how rows came.
  CEventRS& events = bench.Events();
  {
    CSqlTransaction fill(events.GetDatabase()->GetHandle());
    for (int i = 0; i < kRows + 500; ++i) bench.Append(i);
    fill.Commit();
  }
  CEventFields row;
  for (auto _ : state) {
    int read = 0;
    CSqlReadScope snapshot(events.GetDatabase()->GetHandle());
    for (bool more = events.MoveLast(); more && read < kRows; more = events.MovePrevious()) {
      events.ReadCurrentRecord(row);
      ++read;
    }
    benchmark::DoNotOptimize(row.m_fVacuum);
    if (read != kRows) state.SkipWithError("fewer rows than expected");
  }
  if (!bench.Ok()) state.SkipWithError("a read failed");
  state.SetItemsProcessed(state.iterations() * kRows);
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(state.iterations() * kRows),
                                                benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReadLast10000EventRows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
