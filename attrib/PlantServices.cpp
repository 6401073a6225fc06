#include "attrib/PlantServices.h"

#include <utility>

#include "core/ErrorBox.h"
#include "core/VekEngineBase.h"
#include "core/VekUtils.h"

namespace {

PlantEngineAccess g_access;

// The engine's own answers, used where nothing else is installed.
CDataCenterBase* EngineDataCenter() { return CVekEngineBase::GetEngineDataCenter(); }
bool EngineIsRealHwSource() {
  const CVekEngineBase* engine = CVekEngineBase::GetEngine();
  return engine != nullptr && engine->IsRealHwSource();
}
bool EngineIsDemoSource() {
  const CVekEngineBase* engine = CVekEngineBase::GetEngine();
  return engine != nullptr && engine->IsDemoSource();
}

}  // namespace

PlantEngineAccess SetPlantEngineAccess(PlantEngineAccess access) {
  return std::exchange(g_access, std::move(access));
}

CDataCenterBase* GetPlantDataCenter() {
  return g_access.dataCenter ? g_access.dataCenter() : EngineDataCenter();
}

bool IsPlantRealHwSource() {
  return g_access.isRealHwSource ? g_access.isRealHwSource() : EngineIsRealHwSource();
}

bool IsPlantDemoSource() {
  return g_access.isDemoSource ? g_access.isDemoSource() : EngineIsDemoSource();
}

bool ShowPlantConfigError(const std::string& text, const std::string& tipsLabel,
                          const std::string& tipsItem, int exitCode) {
  // Checked first: the tips block puts the item on the clipboard.
  if (IsShiftKeyDown()) return false;
  const std::string tips = tipsLabel.empty() ? std::string() : MakeErrorTips(tipsLabel, tipsItem);
  ShowSharedErrorBox(text + tips, exitCode);
  return true;
}
