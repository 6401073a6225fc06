// CUGAutoFontType ("Auto Font"): draws the cell's text in the largest font
// that fits the cell. Registered by a grid that wants it.
// User-interface thread only.
#pragma once

#include <functional>

#include "grid/UGCellType.h"

// The font height that fits a text in a cell: measure(h) gives the text's
// width and height in a font of height h. At least 1.
int UGAutoFontHeight(int cellWidth, int cellHeight, int textLength,
                     const std::function<CSize(int height)>& measure);

class CUGAutoFontType : public CUGCellType {
 public:
  CUGAutoFontType();
  ~CUGAutoFontType() override;

  std::string GetTypeName() const override;
  const CUGPtrList::Id* GetTypeId() const override;
  void OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
              int current) override;
};
