// The state of the plant's Demo simulation and its pure steps. The state
// lives in the plant object for the program's life and is never reset: the
// walk counters and the nozzle numbers carry on each time Demo starts again.
//
// The walk draws from a generator of its own (the classic linear
// congruential generator, seed 1), so it repeats exactly from run to run
// whatever else draws random numbers on the user-interface thread.
// Threads: user-interface thread (the engine's cycles run there).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/VTimer.h"

// The classic linear congruential generator: values 0..32767, seed 1.
class CDemoRandom {
 public:
  explicit CDemoRandom(std::uint32_t seed = 1) : m_state(seed) {}
  int Next() {
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 0x7FFF);
  }

 private:
  std::uint32_t m_state;
};

constexpr int kDemoWalkCount = 50;
constexpr int kDemoWalkRange = 28000;  // every counter stays in 0..27999
constexpr int kDemoWalkStep = 150;     // a counter rises by r mod 150 per cycle
constexpr std::uint64_t kDemoNozzlePeriodMs = 1000;
constexpr int kDemoNozzleCount = 20;   // the nozzles whose rate the simulation moves

struct CDemoSimulation {
  std::array<int, kDemoWalkCount> m_nDemoWalk{};  // the walk counters
  int m_nDemoNozzleOn = 0;                        // the nozzle opened last
  int m_nDemoNozzleOff = 5;                       // the nozzle closed last (five ahead)
  CVTimer m_DemoNozzleTimer{true};                // started with the plant
  CDemoRandom m_random;

  // One step of every counter: (counter + r mod 150) mod 28000 with a fresh
  // r for each, in counter order.
  void AdvanceWalk();
  // The demand of counter k, counter / 28000, in [0, 1).
  double Demand(int k) const { return m_nDemoWalk[static_cast<std::size_t>(k)] / static_cast<double>(kDemoWalkRange); }
};

// The nozzle after n in a grid of count nozzles: n + 1 while below count,
// else 1.
int NextDemoNozzle(int n, int count);
