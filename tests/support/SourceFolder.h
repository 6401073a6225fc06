// The source tree's top folder, for tests that read files shipped with the
// program (data/). It is found from the test's own __FILE__, which a shared
// compiler cache writes relative to the build folder, while the tests run
// in a folder below it: a relative name is looked for from the working
// folder and the test program's folder upwards.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace testing_support {

// testFile: __FILE__ of a file under tests/. No trailing separator.
inline std::string SourceTopFolder(const std::string& testFile) {
  namespace fs = std::filesystem;
  const std::string top = testFile.substr(0, testFile.rfind("/tests/"));
  const fs::path file(testFile);
  if (file.is_absolute()) return top;
  std::error_code error;
  const fs::path starts[] = {fs::current_path(error), fs::read_symlink("/proc/self/exe", error).parent_path()};
  for (const fs::path& start : starts) {
    for (fs::path dir = start; !dir.empty(); dir = dir.parent_path()) {
      if (fs::exists(dir / file, error)) {
        std::string found = (dir / top).lexically_normal().string();
        while (found.size() > 1 && found.back() == '/') found.pop_back();
        return found;
      }
      if (dir == dir.parent_path()) break;
    }
  }
  return top;
}

}  // namespace testing_support
