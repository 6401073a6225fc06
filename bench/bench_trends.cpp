// bench-lib: vek_app
// Eight trend panels of 3,600 samples each, refreshed together as the
// panels' one-second tick does it (one new sample on every stack, each
// chart rebuilt from its stack and painted, each list brought up to date),
// against the chart benchmark's running trend of the same 8 x 3,600 points
// (every series gains a point, the chart is drawn). Goal: one refresh of
// the eight panels costs no more than 1.2 times that draw. Sides alternate
// in one process; the ratio prints at the end.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "app/TrendChildDlg.h"
#include "attrib/AttribTrendInfo.h"
#include "attrib/VAttrib.h"
#include "bench/ChartBenchSide.h"
#include "bench/PairedBench.h"
#include "core/VStack.h"
#include "platform/Seams.h"
#include "res/Resources.h"

namespace {

using namespace chart_bench;

constexpr int kRefreshes = 100;  // iterations of a run

// A clock that moves one second per sample, so that every sample has its
// own time stamp (and list text).
class SecondsClock {
 public:
  SecondsClock() {
    m_handler.ticks = [this] { return static_cast<std::uint64_t>(m_seconds) * 1000; };
    m_handler.now = [this] { return kStart + m_seconds * kSecond; };
    SetClockHandler(&m_handler);
  }
  ~SecondsClock() { SetClockHandler(nullptr); }
  void Tick() { ++m_seconds; }

 private:
  ClockHandler m_handler;
  long m_seconds = 0;
};

// The eight panels in a host inside a window tall enough to show them all
// (as the trend view holds them), each on a trended attribute whose stack
// is full: 3,600 samples.
class EightPanels {
 public:
  EightPanels() {
    LoadResourceTables();
    m_view.Create("Trends", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 1000, 2200), nullptr, 0);
    m_host.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 980, 2180), &m_view, 4095);
    for (int s = 0; s < kSeries; ++s) {
      auto attrib = std::make_unique<CVAttrib>(nullptr);
      attrib->SetName("Value" + std::to_string(s));
      attrib->SetDataType(VT_R4);
      auto* trend = new CAttribTrendInfo(attrib.get());
      trend->SetRecordCount(kPoints);
      trend->SetRecordInterval(1);
      attrib->SetTrendInfo(trend);
      auto panel = std::make_unique<CTrendChildDlg>();
      panel->SetTrendAttrib(attrib.get());
      panel->CreateChild(&m_host, CPoint(10, 5 + 265 * s), 1000 + static_cast<UINT>(s));
      m_attribs.push_back(std::move(attrib));
      m_panels.push_back(std::move(panel));
    }
    for (int i = 0; i < kPoints; ++i) PushAll();
    RefreshAll();  // the first refresh lists every sample
  }

  // One new sample on every stack.
  void PushAll() {
    m_clock.Tick();
    for (int s = 0; s < kSeries; ++s) {
      VARIANT v = VariantFromFloat(static_cast<float>(Value(s, m_nSamples)));
      m_attribs[static_cast<size_t>(s)]->GetTrendStack()->Push(&v);
    }
    ++m_nSamples;
  }
  // What timer 102 does for every marked panel, and the paint that follows.
  void RefreshAll() {
    for (auto& panel : m_panels) {
      panel->Refresh();
      panel->GetChart().UpdateWindow();
    }
  }

 private:
  SecondsClock m_clock;
  CWnd m_view;
  CWnd m_host;
  std::vector<std::unique_ptr<CVAttrib>> m_attribs;
  std::vector<std::unique_ptr<CTrendChildDlg>> m_panels;
  int m_nSamples = 0;
};

void PanelsRefresh(benchmark::State& state) {
  EightPanels panels;
  for (auto _ : state) {
    panels.PushAll();
    panels.RefreshAll();
  }
}

void ChartNewPoint(benchmark::State& state) {
  ChartSide side(false);
  side.Draw();
  for (auto _ : state) {
    side.AddPoint();
    side.Draw();
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<paired::Case> cases = {
      {"EightPanelsVsOneChart", PanelsRefresh, ChartNewPoint, 1.2, benchmark::kMillisecond, kRefreshes},
  };
  return paired::Run(argc, argv, cases, {});
}
