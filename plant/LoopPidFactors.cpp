#include "plant/LoopPidFactors.h"

#include "attrib/AttribTypes.h"
#include "plant/ProcessData.h"

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
  std::vector<std::string> failed;
  const auto saveFloat = [&](int id, float value) {
    loop.SaveAttribData(id, VariantFromFloat(value));
    if (loop.GetAttribFloat(id) != value || !loop.SaveAttribIniFloat(id, AP_DATA, value))
      failed.push_back(loop.GetAttribName(id));
  };
  const auto saveInt = [&](int id, int value) {
    loop.SaveAttribData(id, VariantFromInt(value));
    if (loop.GetAttribInt(id) != value || !loop.SaveAttribIniInt(id, AP_DATA, value))
      failed.push_back(loop.GetAttribName(id));
  };
  saveFloat(PL_DeadBand, factors.fDeadBand);
  saveFloat(PL_Gain, factors.fGain);
  saveInt(PL_PerTm, factors.nPeriodTime);
  saveInt(PL_PbTm, factors.nPulseBreakTime);
  saveInt(PL_Ti, factors.nTi);
  saveInt(PL_Td, factors.nTd);
  saveInt(PL_TmLag, factors.nLagTime);
  return failed;
}
