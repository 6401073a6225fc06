// Counts the atomic file replacements (core/AtomicFile.h) made while it
// lives, through the write hook: each replacement calls the hook once,
// just before its rename. Header-only, for test programs that link the
// engine core. One at a time; the thread that made it.
#pragma once

#include <atomic>

#include "core/AtomicFile.h"

namespace testing_support {

class FileReplaceCount {
 public:
  FileReplaceCount() {
    SetAtomicWriteHookForTest([this](const std::string&) { ++m_count; });
  }
  ~FileReplaceCount() { SetAtomicWriteHookForTest(nullptr); }
  FileReplaceCount(const FileReplaceCount&) = delete;
  FileReplaceCount& operator=(const FileReplaceCount&) = delete;

  int Count() const { return m_count.load(); }

 private:
  std::atomic<int> m_count{0};
};

}  // namespace testing_support
