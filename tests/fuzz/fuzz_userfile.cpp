// fuzz-lib: vek_core
// Loads arbitrary user-file text: it must never crash, every user it takes
// has a name and known groups only, and what the program would write back
// reads again as the same users and no more refused entries.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/AtomicFile.h"
#include "core/VekAccessControl.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/fuzz_userfile_" + std::to_string(::getpid()) + ".sys";
  if (!WriteFileAtomic(path, std::string(reinterpret_cast<const char*>(data), size))) return 0;
  CVekAccessControl access;
  access.LoadUserFile(path, true);
  for (const CVekAccessUser* user : access.GetUsers()) {
    if (user->GetName().empty() || (user->GetGroups() & ~CVekAccessUser::kAllGroups)) std::abort();
  }
  const std::string written = access.MakeUserFileText();
  if (!WriteFileAtomic(path, written)) return 0;
  CVekAccessControl again;
  again.LoadUserFile(path, true);
  if (again.GetUsers().size() != access.GetUsers().size() ||
      again.GetRefusedEntries().size() > access.GetRefusedEntries().size())
    std::abort();
  for (size_t i = 0; i < again.GetUsers().size(); ++i) {
    if (again.GetUsers()[i]->GetName() != access.GetUsers()[i]->GetName() ||
        again.GetUsers()[i]->GetGroups() != access.GetUsers()[i]->GetGroups())
      std::abort();
  }
  std::remove(path.c_str());
  return 0;
}
