#include "res/Resources.h"

#include "platform/ui/ResourceTable.h"
#include "res/ResourceModules.h"

namespace {

// One line per table file.
using Module = void (*)(ResourceTable&);
constexpr Module kModules[] = {
    RegisterFrameResources,
    RegisterControlsResources,
    RegisterShapeResources,
    RegisterTagBrowserResources,
    RegisterPageResources,
    RegisterPlantResources,
    RegisterAppResources,
    RegisterAppImages,
    RegisterTrendResources,
    RegisterRecordWindowResources,
};

}  // namespace

void LoadResourceTables() {
  for (Module module : kModules) module(ResourceTable::Instance());
}
