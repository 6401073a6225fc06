// Side-by-side benchmarks: each case is measured for this program's control
// ("ours") and for a peer toolkit's ("peer") in one process, the two sides
// alternating, over several rounds whose side order also alternates. After
// the run every case prints its ratio ours/peer (the median of the rounds)
// beside its goal, and further ratios between cases can be asked for (the
// same side at two sizes, for instance). Ratios are given for the wall
// clock and for the CPU time of the whole process (helper threads of the
// toolkit included); the goal is judged on the CPU time, which other
// programs running on a shared machine disturb far less.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/PlatformMain.h"

namespace paired {

using Body = std::function<void(benchmark::State&)>;

struct Case {
  std::string name;
  Body ours;
  Body peer;
  double goal = 1.0;          // the largest acceptable ratio ours/peer
  benchmark::TimeUnit unit = benchmark::kMillisecond;
  int iterations = 0;         // 0: as many as Google Benchmark chooses
};

// A ratio between two measured (case, side) times, with its goal.
struct CrossRatio {
  std::string label;
  std::string numeratorCase;
  bool numeratorOurs = true;
  std::string denominatorCase;
  bool denominatorOurs = true;
  double goal = 1.0;
};

inline const char* SideName(bool ours) { return ours ? "ours" : "peer"; }

// Collects each run's time per iteration (seconds) by case and side and
// prints the ratios once every benchmark has run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter(std::vector<Case> cases, std::vector<CrossRatio> cross)
      : m_cases(std::move(cases)), m_cross(std::move(cross)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.iterations <= 0 || run.run_type != Run::RT_Iteration) continue;
      // Names are "<case>/<side>/round:<n>".
      const std::string name = run.run_name.function_name;
      const size_t slash = name.find('/');
      const size_t second = name.find('/', slash + 1);
      if (slash == std::string::npos || second == std::string::npos) continue;
      const std::string side = name.substr(slash + 1, second - slash - 1);
      Times& t = m_times[{name.substr(0, slash), side == "ours"}];
      t.real.push_back(run.real_accumulated_time / static_cast<double>(run.iterations));
      t.cpu.push_back(run.cpu_accumulated_time / static_cast<double>(run.iterations));
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-24s %11s %11s %11s %11s %6s %6s %6s\n", "(medians)", "a cpu", "b cpu", "a real",
                "b real", "cpu", "real", "goal");
    for (const Case& c : m_cases) PrintLine(c.name + " ours/peer", {c.name, true}, {c.name, false}, c.goal);
    for (const CrossRatio& r : m_cross) {
      PrintLine(r.label, {r.numeratorCase, r.numeratorOurs}, {r.denominatorCase, r.denominatorOurs}, r.goal);
    }
    std::fflush(stdout);
  }

 private:
  using Key = std::pair<std::string, bool>;  // case, ours
  struct Times {
    std::vector<double> real;
    std::vector<double> cpu;
  };

  static double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  }

  void PrintLine(const std::string& label, const Key& a, const Key& b, double goal) {
    auto ia = m_times.find(a);
    auto ib = m_times.find(b);
    if (ia == m_times.end() || ib == m_times.end()) return;
    const double aCpu = Median(ia->second.cpu), bCpu = Median(ib->second.cpu);
    const double aReal = Median(ia->second.real), bReal = Median(ib->second.real);
    if (aCpu <= 0 || bCpu <= 0 || aReal <= 0 || bReal <= 0) return;
    const double ratio = aCpu / bCpu;
    std::printf("%-24s %9.3fms %9.3fms %9.3fms %9.3fms %6.2f %6.2f %6.2f %s\n", label.c_str(), aCpu * 1e3,
                bCpu * 1e3, aReal * 1e3, bReal * 1e3, ratio, aReal / bReal, goal,
                ratio <= goal ? "met" : "MISSED");
  }

  std::vector<Case> m_cases;
  std::vector<CrossRatio> m_cross;
  std::map<Key, Times> m_times;
};

// Registers every case's two sides round after round (ours first in odd
// rounds, the peer first in even ones) and runs them inside the platform
// main, headless unless a display is asked for.
inline int Run(int argc, char** argv, const std::vector<Case>& cases,
               const std::vector<CrossRatio>& cross, int rounds = 3) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  return RunPlatformMain(argc, argv, [&] {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    for (int round = 1; round <= rounds; ++round) {
      for (const Case& c : cases) {
        for (int k = 0; k < 2; ++k) {
          const bool ours = (k == 0) == (round % 2 == 1);
          const std::string name = c.name + "/" + SideName(ours) + "/round:" + std::to_string(round);
          benchmark::internal::Benchmark* b =
              benchmark::RegisterBenchmark(name.c_str(), ours ? c.ours : c.peer);
          b->Unit(c.unit)->UseRealTime()->MeasureProcessCPUTime();
          if (c.iterations > 0) b->Iterations(c.iterations);
        }
      }
    }
    RatioReporter reporter(cases, cross);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
  });
}

}  // namespace paired
