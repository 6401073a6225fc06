// The program's entry: the toolkit's application object, the resource
// tables, the shipped default data copied into the program folder where a
// file is missing (never over the user's), then the application runs.
#include "app/VekFrameApp.h"
#include "platform/Paths.h"
#include "platform/PlatformMain.h"
#include "res/Resources.h"

int main(int argc, char** argv) {
  return RunPlatformMain(argc, argv, [] {
    LoadResourceTables();
    CopyMissingFiles(VEK_SHIPPED_DATA_DIR, GetProgramFolder());
    CVekFrameApp app;
    return app.RunProgram();
  });
}
