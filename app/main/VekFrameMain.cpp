// The program's entry: the toolkit's application object, the resource
// tables, the shipped settings, tag and database files copied into the
// program folder where one is missing (never over the user's), then the
// application runs; the shipped user file is installed and sealed by the
// engine's first start.
#include "app/ShippedData.h"
#include "app/VekFrameApp.h"
#include "platform/Paths.h"
#include "platform/PlatformMain.h"
#include "res/Resources.h"

int main(int argc, char** argv) {
  return RunPlatformMain(argc, argv, [] {
    LoadResourceTables();
    const std::string shipped = std::string(VEK_SHIPPED_DATA_DIR) + "/";
    InstallShippedData(shipped, GetProgramFolder());
    CVekFrameApp app;
    app.SetDefaultUserFile(shipped + kShippedUserFile);
    return app.RunProgram();
  });
}
