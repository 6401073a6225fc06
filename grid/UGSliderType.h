// CUGSliderType ("Slider Control"): a cell showing its number as a
// percentage 0-100 with a thumb on a groove that the mouse drags.
// Registered by a grid that wants it. User-interface thread only.
#pragma once

#include "grid/UGCellType.h"

constexpr long UGCT_SLIDERMOVED = 100;  // notification: param the new position

class CUGSliderType : public CUGCellType {
 public:
  CUGSliderType();
  ~CUGSliderType() override;

  BOOL CanTextEdit() const override { return FALSE; }
  std::string GetTypeName() const override;
  const CUGPtrList::Id* GetTypeId() const override;
  BOOL OnLClicked(int col, long row, int down, CRect* rect, CPoint* point) override;
  BOOL OnMouseMove(int col, long row, CPoint* point, UINT flags) override;
  void OnDraw(CDC* dc, CRect* rect, int col, long row, CUGCell* cell, int selected,
              int current) override;

  // The percentage of a cell: its text read as an integer, clamped 0..100.
  static int PercentOf(CUGCell* cell);
  // x of the thumb in a cell rectangle.
  static int ThumbX(const CRect& rect, int percent);
  // The percentage at mouse x in a cell rectangle, clamped 0..100.
  static int PercentAt(const CRect& rect, int x);
  bool IsDragging() const { return m_dragging; }

 private:
  bool m_dragging = false;
};
