// CVekTrendDoc: the trend window's document. It holds no data; a new
// document is titled "Trends".
// Threads: user-interface thread.
#pragma once

#include "platform/ui/Document.h"

class CVekTrendDoc : public CDocument {
 public:
  static constexpr const char* kTitle = "Trends";
  BOOL OnNewDocument() override;
};
