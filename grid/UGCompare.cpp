// The default sort comparison of the grid, shared by the control and by a
// memory store that has no owner.
#include <algorithm>

#include "grid/UGCtrl.h"

int CUGCtrl::DefaultCompareCells(CUGCell* cell1, CUGCell* cell2, int flags) {
  if (cell1 == nullptr) return cell2 != nullptr ? 1 : 0;
  if (cell2 == nullptr) return -1;
  if (flags & UG_SORT_DESCENDING) std::swap(cell1, cell2);
  short type = cell1->GetDataType();
  if (type == UGCELLDATA_NUMBER || type == UGCELLDATA_NUMTEXT || type == UGCELLDATA_CURRENCY) {
    double a = cell1->GetNumber();
    double b = cell2->GetNumber();
    return a < b ? -1 : (a > b ? 1 : 0);
  }
  bool hasText1 = cell1->IsPropertySet(UGCELL_TEXT_SET) && cell1->GetTextLength() > 0;
  bool hasText2 = cell2->IsPropertySet(UGCELL_TEXT_SET) && cell2->GetTextLength() > 0;
  if (!hasText1) return hasText2 ? 1 : 0;
  if (!hasText2) return -1;
  const std::string& a = cell1->GetText();
  const std::string& b = cell2->GetText();
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    auto ca = static_cast<unsigned char>(a[i]);
    auto cb = static_cast<unsigned char>(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}
