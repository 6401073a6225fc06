// The program's entry: the toolkit's application object, the resource
// tables, the shipped settings, tag and database files copied into the
// program folder where one is missing (never over the user's), then the
// application runs; the shipped user file is installed and sealed by the
// engine's first start. The system's shutdown signals end the session.
#include "app/ShippedData.h"
#include "app/VekFrameApp.h"
#include "platform/Paths.h"
#include "platform/PlatformMain.h"
#include "platform/SessionEnd.h"
#include "res/Resources.h"

int main(int argc, char** argv) {
  return RunPlatformMain(argc, argv, [] {
    // SIGTERM, SIGHUP and SIGINT end the session: the program closes as
    // the user closes it, without asking, and ends with 0.
    CSessionEndSignals sessionEndSignals;
    LoadResourceTables();
    const std::string shipped = std::string(VEK_SHIPPED_DATA_DIR) + "/";
    InstallShippedData(shipped, GetProgramFolder());
    CVekFrameApp app;
    app.SetDefaultUserFile(shipped + kShippedUserFile);
    return app.RunProgram();
  });
}
