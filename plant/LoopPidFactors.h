// The tuning factors of one control loop as the loop PID dialog shows them,
// read from and saved to a loop process-data object (its attributes and
// their "Data" keys in the settings file). Dialog-free, so tests need no
// window. User-interface thread.
#pragma once

#include <string>
#include <vector>

class C_ProcessDataLoop;

struct LoopPidFactors {
  float fDeadBand = 0.0f;   // DeadBand
  float fGain = 0.0f;       // Gain
  int nPeriodTime = 0;      // PerTm
  int nPulseBreakTime = 0;  // PbTm
  int nTi = 0;              // Ti
  int nTd = 0;              // Td
  int nLagTime = 0;         // TmLag
};

LoopPidFactors ReadLoopPidFactors(const C_ProcessDataLoop& loop);

// Stores all seven factors, changed or not, in the order DeadBand, Gain,
// PerTm, PbTm, Ti, Td, TmLag: each sets its attribute and writes its
// "Data" key (the keys in one replacement of the settings file). Returns the names of the factors that the attribute refused
// or the settings file did not take (empty: all saved).
std::vector<std::string> SaveLoopPidFactors(C_ProcessDataLoop& loop, const LoopPidFactors& factors);
