// CVekFrameDoc: the supervise window's document. It holds no data (the
// plant lives for the program's life); a new document is titled
// "Supervise". Threads: user-interface thread.
#pragma once

#include "platform/ui/Document.h"

class CVekFrameDoc : public CDocument {
 public:
  BOOL OnNewDocument() override;
};
