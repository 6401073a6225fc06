// CUGArrowType ("Side Arrows", index 3 of every grid): a cell showing one
// of four arrow glyphs chosen by its extension. User-interface thread only.
#pragma once

#include "grid/UGCellType.h"

constexpr long UGCT_ARROWRIGHT = 0x10;
constexpr long UGCT_ARROWLEFT = 0x20;
constexpr long UGCT_ARROWDRIGHT = 0x40;  // double arrow
constexpr long UGCT_ARROWDLEFT = 0x80;   // double arrow

class CUGArrowType : public CUGCellType {
 public:
  CUGArrowType();
  ~CUGArrowType() override;

  BOOL CanTextEdit() const override { return FALSE; }
  std::string GetTypeName() const override;
  const CUGPtrList::Id* GetTypeId() const override;
  void OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
              int current) override;
  void GetBestSize(CDC* dc, CSize* size, CUGCell* cell) override;
};
