// Writes the shipped default data files (the settings file and the tag
// file) into the folder given on the command line, made from the
// program's own tables (app/ShippedData.h). scripts/make-shipped-data.sh
// runs it on data/.
#include <cstdio>
#include <fstream>
#include <string>

#include "app/ShippedData.h"
#include "plant/Plant.h"
#include "platform/PlatformMain.h"

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
    CPlant plant;
    plant.CreateProcessData();
    const ShippedDataFiles files = MakeShippedDataFiles(plant);
    const bool ok = WriteWhole(folder + "VTLN-Setting.ini", files.settings) &&
                    WriteWhole(folder + "VTLN-DCTags.dct", files.tags);
    return ok ? 0 : 1;
  });
}
