// fuzz-lib: vek_core
// Loads arbitrary user-file text beside a fixed key file: it must never
// crash, every user it takes has a name and known groups only, and what the
// program would write back reads again as the same users and no more
// refused entries. The entries of the text, sealed with the key, must pass
// the seal: every entry is then a user or a refused entry, never lost.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/AtomicFile.h"
#include "core/UserFile.h"
#include "core/VekAccessControl.h"
#include "core/VekEncryption.h"

namespace {

const std::string& Folder() {
  static const std::string folder = [] {
    std::string f = "/tmp/fuzz_userfile_" + std::to_string(::getpid()) + "/";
    ::mkdir(f.c_str(), 0700);
    return f;
  }();
  return folder;
}

const CVekEncryption::Key& FixedKey() {
  static const CVekEncryption::Key key = [] {
    CVekEncryption::Key k{};
    for (size_t i = 0; i < k.size(); ++i) k[i] = static_cast<unsigned char>(i * 7 + 3);
    WriteFileAtomic(Folder() + "u.key", std::string(k.begin(), k.end()), nullptr, 0600);
    return k;
  }();
  return key;
}

void CheckUsers(const CVekAccessControl& access) {
  for (const CVekAccessUser* user : access.GetUsers())
    if (user->GetName().empty() || (user->GetGroups() & ~CVekAccessUser::kAllGroups)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CVekEncryption::Key& key = FixedKey();
  const std::string path = Folder() + "u.sys";
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (!WriteFileAtomic(path, text)) return 0;
  CVekAccessControl access;
  access.LoadUserFile(path, true);
  CheckUsers(access);
  if (access.GetLoadError().empty() && (!access.GetUsers().empty() || !access.GetRefusedEntries().empty())) {
    const std::string written = access.MakeUserFileText(access.GetGeneration() + 1);
    if (written.empty() || !WriteFileAtomic(path, written)) std::abort();
    CVekAccessControl again;
    if (!again.LoadUserFile(path, true)) std::abort();
    if (again.GetUsers().size() != access.GetUsers().size() ||
        again.GetRefusedEntries().size() > access.GetRefusedEntries().size())
      std::abort();
    for (size_t i = 0; i < again.GetUsers().size(); ++i) {
      if (again.GetUsers()[i]->GetName() != access.GetUsers()[i]->GetName() ||
          again.GetUsers()[i]->GetGroups() != access.GetUsers()[i]->GetGroups())
        std::abort();
    }
  }

  // The same entries sealed by the program: the seal holds whatever they are.
  const UserFileContent parsed = ParseUserFileText(text);
  if (!parsed.entries.empty()) {
    if (!WriteFileAtomic(path, MakeSealedUserFileText(parsed.entries, 7, key))) return 0;
    CVekAccessControl sealed;
    if (!sealed.LoadUserFile(path, true) || sealed.GetGeneration() != 7) std::abort();
    CheckUsers(sealed);
    if (sealed.GetUsers().size() + sealed.GetRefusedEntries().size() != parsed.entries.size()) std::abort();
  }
  return 0;
}
