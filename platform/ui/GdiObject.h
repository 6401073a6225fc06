// The base of the drawing objects (pens, brushes, fonts, bitmaps). An
// object is empty until one of its Create functions succeeds and empty
// again after DeleteObject. A device context copies what it needs when the
// object is selected, so deleting a selected object never leaves the
// context drawing with freed data.
// Threads: a drawing object may be built on any thread but one object is
// used by one thread at a time.
#pragma once

#include "platform/WinTypes.h"
#include "platform/ui/GdiTypes.h"

class CGdiObject {
 public:
  enum class Kind { Pen, Brush, Font, Bitmap };

  virtual ~CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  Kind GetKind() const { return m_kind; }
  // The object as its handle when it holds something, else null.
  HGDIOBJ GetSafeHandle() { return m_bCreated ? this : nullptr; }
  bool IsCreated() const { return m_bCreated; }
  // Empties the object; FALSE when it was empty already.
  BOOL DeleteObject();
  // Stock objects (pens, brushes, fonts) are shared and never emptied.
  bool IsStock() const { return m_bStock; }
  // The stock pen, brush or font of the index (WHITE_BRUSH ... DEFAULT_GUI_FONT);
  // null for an unknown index.
  static CGdiObject* GetStockObject(int index);

 protected:
  explicit CGdiObject(Kind kind) : m_kind(kind) {}
  virtual void Reset() = 0;  // drops the object's data
  void SetCreated(bool created) { m_bCreated = created; }
  void MarkStock() { m_bStock = true; }

 private:
  Kind m_kind;
  bool m_bCreated = false;
  bool m_bStock = false;
};
