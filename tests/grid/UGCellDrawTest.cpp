// How the normal cell type draws text: text that runs into an empty
// neighbour, the ellipsis mode, and where a cell's bitmap goes.
#include <gtest/gtest.h>

#include <QImage>

#include "grid/UGCellType.h"
#include "grid/UGGrid.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/WndSurface.h"
#include "tests/grid/UGTestGrid.h"

namespace {

using grid_test::RecordingGrid;

constexpr COLORREF kYellow = RGB(255, 255, 0);

COLORREF PixelOf(const QImage& image, int x, int y) {
  QRgb p = image.pixel(x, y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

// Dark pixels (text) in a rectangle of an image.
int DarkPixels(const QImage& image, const CRect& r) {
  int dark = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      COLORREF c = PixelOf(image, x, y);
      dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 300 ? 1 : 0;
    }
  }
  return dark;
}

// A type that shows the cell's label instead of its text.
class LabelType : public CUGCellType {
 public:
  LabelType() { m_useLabelText = true; }
};

class CellDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(grid_test::ShowInParent(&parent, &grid, 4, 6, CRect(0, 0, 400, 220)));
    grid.EnableGridLines(FALSE);
    marker.CreateBitmap(8, 8, 1, 32, nullptr);  // a black square
  }
  void TearDown() override { parent.DestroyWindow(); }

  QImage Paint() {
    grid.m_CUGGrid->Invalidate(FALSE);
    grid.m_CUGGrid->UpdateWindow();
    return grid.m_CUGGrid->GetSurface()->image.copy();
  }
  CRect Rect(int col, long row) {
    CRect r;
    grid.GetCellRect(col, row, &r);
    return r;
  }
  // A left-aligned cell with a bitmap and a yellow background, whose text
  // is too long for its column.
  void SetLongCell(int col, long row) {
    CUGCell cell;
    grid.GetCell(col, row, &cell);
    cell.SetText("the text of this cell runs on");
    cell.SetAlignment(UG_ALIGNLEFT);
    cell.SetBackColor(kYellow);
    cell.SetBitmap(&marker);
    grid.SetCell(col, row, &cell);
    // The store keeps the empty cells between this one and a later one.
    grid.QuickSetText(3, row, "end");
  }

  CWnd parent;
  RecordingGrid grid;
  CBitmap marker;
};

TEST_F(CellDrawTest, TextRunningIntoAnEmptyCellContinuesWhereItsCellCutIt) {
  SetLongCell(0, 1);
  grid.SetColWidth(0, 60);
  grid.SetColWidth(1, 90);
  const CRect spilled = Rect(1, 1);
  QImage overflow = Paint();
  // The same text in one column as wide as both shows what must be seen.
  grid.SetColWidth(0, 150);
  QImage wide = Paint();
  EXPECT_GT(DarkPixels(overflow, spilled), 20);
  // No second bitmap, the source cell's colours, the text in its place.
  EXPECT_TRUE(overflow.copy(spilled.left, spilled.top, spilled.Width(), spilled.Height()) ==
              wide.copy(spilled.left, spilled.top, spilled.Width(), spilled.Height()));
  EXPECT_EQ(PixelOf(overflow, spilled.right - 2, spilled.top + 2), kYellow);
}

TEST_F(CellDrawTest, TheCellThatOwnsTheTextDrawsIt) {
  LabelType labelType;
  const int index = grid.AddCellType(&labelType);
  CUGCell cell;
  grid.GetCell(0, 2, &cell);
  cell.SetCellTypeIndex(index);
  cell.SetText("x");
  cell.SetLabel("a label far longer than its column");
  cell.SetAlignment(UG_ALIGNLEFT);
  grid.SetCell(0, 2, &cell);
  grid.QuickSetText(3, 2, "end");
  grid.SetColWidth(0, 40);
  QImage image = Paint();
  // The label, not the one-letter text, runs on into the empty cell.
  EXPECT_GT(DarkPixels(image, Rect(1, 2)), 20);
}

TEST_F(CellDrawTest, WithoutOverflowLongTextIsClippedAtItsCell) {
  SetLongCell(0, 1);
  grid.SetColWidth(0, 60);
  grid.EnableCellOverflow(FALSE);
  QImage image = Paint();
  EXPECT_EQ(DarkPixels(image, Rect(1, 1)), 0);
}

TEST_F(CellDrawTest, EllipsisModeDrawsFromTheLeftWhateverTheAlignment) {
  CUGCell cell;
  grid.GetCell(1, 3, &cell);
  cell.SetText("ab");
  cell.SetAlignment(UG_ALIGNRIGHT | UG_ALIGNVCENTER);
  cell.SetCellTypeEx(UGCT_NORMALELLIPSIS);
  grid.SetCell(1, 3, &cell);
  QImage image = Paint();
  const CRect r = Rect(1, 3);
  EXPECT_GT(DarkPixels(image, CRect(r.left, r.top, r.left + 25, r.bottom)), 5);
  EXPECT_EQ(DarkPixels(image, CRect(r.left + 35, r.top, r.right, r.bottom)), 0);
  EXPECT_EQ(DarkPixels(image, CRect(r.left, r.top, r.left + 3, r.bottom)), 0) << "3 pixels in";
}

TEST_F(CellDrawTest, EllipsisModeEndsALongTextInDots) {
  CUGCell cell;
  grid.GetCell(1, 4, &cell);
  cell.SetText("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
  cell.SetCellTypeEx(UGCT_NORMALELLIPSIS);
  grid.SetCell(1, 4, &cell);
  grid.EnableCellOverflow(FALSE);
  QImage image = Paint();
  const CRect r = Rect(1, 4);
  // The last pixels before the edge hold dots, not a cut letter: the lower
  // half is dark in a few places only.
  const int lastLetter = DarkPixels(image, CRect(r.right - 10, r.top, r.right, r.top + 9));
  EXPECT_EQ(lastLetter, 0) << "dots sit on the base line";
  EXPECT_EQ(DarkPixels(image, Rect(2, 4)), 0);
}

TEST(UGBitmapPlaceTest, NaturalSizeCentredOrScaledToTheCell) {
  struct Case {
    CSize natural;
    CRect cell;
    CRect target;
    bool stretched;
    int used;
  };
  const Case cases[] = {
      {{16, 16}, {0, 0, 100, 20}, {2, 2, 18, 18}, false, 20},       // fits: natural, centred
      {{16, 10}, {10, 0, 100, 20}, {12, 5, 28, 15}, false, 20},     // centred vertically
      {{16, 16}, {0, 0, 100, 14}, {2, 2, 12, 12}, true, 14},        // scaled to height - 4
      {{16, 16}, {0, 0, 10, 20}, {2, 2, 8, 18}, false, 10},         // width capped at cell - 4
      {{16, 16}, {0, 0, 100, 4}, {}, false, 0},                     // no room
      {{0, 16}, {0, 0, 100, 20}, {}, false, 0},                     // no bitmap
  };
  for (const Case& c : cases) {
    UGBitmapPlace place = UGPlaceCellBitmap(c.natural, c.cell);
    EXPECT_EQ(place.used, c.used) << c.cell.Width() << "x" << c.cell.Height();
    if (c.used == 0) continue;
    EXPECT_EQ(place.target, c.target);
    EXPECT_EQ(place.stretched, c.stretched);
    EXPECT_EQ(UGCellBitmapWidth(c.natural, c.cell), c.used);
  }
}

}  // namespace
