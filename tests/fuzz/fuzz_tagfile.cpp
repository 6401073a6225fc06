// fuzz-lib: vek_core
// Feeds arbitrary text to the tag-file reader: it must never crash, and a
// text it accepts must give tags whose names are unique and non-empty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "core/DataCenterBase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CDataCenterBase dc;
  const int result = dc.LoadTagText(text, "fuzz.dct");
  if (result == CDataCenterBase::eResultOk) {
    std::set<std::string> names;
    for (int i = 0; i < dc.GetTagCount(); ++i) {
      CDCTag* tag = dc.GetTagAt(i);
      if (!tag || tag->GetTagName().empty() || !names.insert(tag->GetTagName()).second) std::abort();
      if (dc.FindTag(tag->GetTagName()) != tag) std::abort();
      (void)tag->GetInfoText();
    }
  } else if (dc.GetTagCount() != 0 || dc.GetLastErrorText().empty()) {
    std::abort();
  }
  return 0;
}
