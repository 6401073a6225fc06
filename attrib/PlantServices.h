// How the attribute model reaches the engine and the shared error box: the
// engine's data center (to find tags by name), whether the data source is
// Real HW (input tags are then written only by their link) or Demo (shapes
// then copy their commands into their feedbacks), and the
// configuration-error box. The engine answers by default; tests and tools
// may install their own answers. User-interface thread.
#pragma once

#include <functional>
#include <string>

class CDataCenterBase;

// Replaceable answers; an empty function falls back to the engine.
struct PlantEngineAccess {
  std::function<CDataCenterBase*()> dataCenter;
  std::function<bool()> isRealHwSource;
  std::function<bool()> isDemoSource;
};

// Installs the answers and returns the previous ones.
PlantEngineAccess SetPlantEngineAccess(PlantEngineAccess access);

// The data center whose tags the attributes bind to; null when there is none.
CDataCenterBase* GetPlantDataCenter();
// True while the engine's data source is Real HW.
bool IsPlantRealHwSource();
// True while the engine's data source is Demo.
bool IsPlantDemoSource();

// The shared configuration-error box: unless Shift is held, shows text
// followed by the tips block of tipsLabel/tipsItem (which also puts tipsItem
// on the clipboard), with OK and Cancel. Cancel ends the program with
// exitCode. Returns true when the box was shown (and answered OK), false
// when Shift suppressed it.
bool ShowPlantConfigError(const std::string& text, const std::string& tipsLabel,
                          const std::string& tipsItem, int exitCode);
