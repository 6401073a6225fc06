// fuzz-lib: vek_core
// Reads arbitrary settings-file text, then writes a key and checks that it
// reads back and that every other key it could read before still reads the
// same: a write must never damage the rest of the file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <strings.h>
#include <vector>

#include "core/AtomicFile.h"
#include "core/IniFile.h"

namespace {
std::string TempPath() {
  static const std::string path = "/tmp/fuzz_inifile_" + std::to_string(::getpid()) + ".ini";
  return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string path = TempPath();
  if (!WriteFileAtomic(path, text)) return 0;
  CIniFile ini(path);
  struct Entry {
    std::string section, key, value;
  };
  std::vector<Entry> before;
  for (const std::string& section : ini.GetSectionNames()) {
    for (const std::string& key : ini.GetKeyNames(section)) {
      std::string value;
      ini.ReadString(section, key, value);
      if (value.size() > CIniFile::kMaxValueLength) std::abort();
      before.push_back({section, key, value});
    }
  }
  if (ini.WriteString("FuzzSection", "FuzzKey", "value 1")) {
    std::string value;
    ini.ReadString("fuzzsection", "FUZZKEY", value);
    if (value != "value 1") std::abort();
    for (const Entry& e : before) {
      if (strcasecmp(e.section.c_str(), "FuzzSection") == 0) continue;
      // A fresh object reads the file from disk.
      CIniFile(path).ReadString(e.section, e.key, value);
      if (value != e.value) std::abort();
    }
  }
  std::remove(path.c_str());
  return 0;
}
