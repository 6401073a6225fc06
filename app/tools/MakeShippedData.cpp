// Writes the shipped default data files (the settings file, the tag file
// and the records database) into the folder given on the command line,
// made from the program's own tables (app/ShippedData.h).
// scripts/make-shipped-data.sh runs it on data/.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/ShippedData.h"
#include "plant/Plant.h"
#include "platform/PlatformMain.h"
#include "res/Resources.h"

namespace {

bool WriteWhole(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) std::fprintf(stderr, "Cannot write \"%s\".\n", path.c_str());
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DATA_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  return RunPlatformMain(argc, argv, [&folder] {
    LoadResourceTables();
    CPlant plant;
    plant.CreateProcessData();
    const ShippedDataFiles files = MakeShippedDataFiles(plant);
    const std::string database = folder + kShippedDatabaseFile;
    std::filesystem::remove(database);
    const bool ok = WriteWhole(folder + kShippedSettingsFile, files.settings) &&
                    WriteWhole(folder + kShippedTagFile, files.tags) && MakeShippedDatabase(database);
    return ok ? 0 : 1;
  });
}
