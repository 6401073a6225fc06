#include "plant/LoopPidFactors.h"

#include "attrib/AttribTypes.h"
#include "core/IniFile.h"
#include "plant/ProcessData.h"

namespace {

// One factor: its attribute and the value to store, a float or an integer.
struct FactorValue {
  int id;
  bool bFloat;
  float fValue;
  int nValue;
};

bool AttribHolds(const C_ProcessDataLoop& loop, const FactorValue& f) {
  return f.bFloat ? loop.GetAttribFloat(f.id) == f.fValue : loop.GetAttribInt(f.id) == f.nValue;
}

// Whether the settings file holds the value (an absent key holds the default).
bool FileHolds(C_ProcessDataLoop& loop, const FactorValue& f) {
  if (f.bFloat) {
    float stored = 0.0f;
    loop.LoadAttribIniFloat(f.id, AP_DATA, stored);
    return stored == f.fValue;
  }
  int stored = 0;
  loop.LoadAttribIniInt(f.id, AP_DATA, stored);
  return stored == f.nValue;
}

}  // namespace

LoopPidFactors ReadLoopPidFactors(const C_ProcessDataLoop& loop) {
  LoopPidFactors f;
  f.fDeadBand = loop.GetAttribFloat(PL_DeadBand);
  f.fGain = loop.GetAttribFloat(PL_Gain);
  f.nPeriodTime = loop.GetAttribInt(PL_PerTm);
  f.nPulseBreakTime = loop.GetAttribInt(PL_PbTm);
  f.nTi = loop.GetAttribInt(PL_Ti);
  f.nTd = loop.GetAttribInt(PL_Td);
  f.nLagTime = loop.GetAttribInt(PL_TmLag);
  return f;
}

std::vector<std::string> SaveLoopPidFactors(C_ProcessDataLoop& loop, const LoopPidFactors& factors) {
  const FactorValue values[] = {
      {PL_DeadBand, true, factors.fDeadBand, 0},    {PL_Gain, true, factors.fGain, 0},
      {PL_PerTm, false, 0.0f, factors.nPeriodTime}, {PL_PbTm, false, 0.0f, factors.nPulseBreakTime},
      {PL_Ti, false, 0.0f, factors.nTi},            {PL_Td, false, 0.0f, factors.nTd},
      {PL_TmLag, false, 0.0f, factors.nLagTime},
  };
  {
    // The seven keys reach the settings file in one replacement; a file
    // that refuses it keeps every factor's old value.
    CIniFile::CBatch batch(loop.GetIniFile());
    for (const FactorValue& f : values)
      loop.SaveAttribData(f.id, f.bFloat ? VariantFromFloat(f.fValue) : VariantFromInt(f.nValue));
  }
  std::vector<std::string> failed;
  for (const FactorValue& f : values)
    if (!AttribHolds(loop, f) || !FileHolds(loop, f)) failed.push_back(loop.GetAttribName(f.id));
  return failed;
}
