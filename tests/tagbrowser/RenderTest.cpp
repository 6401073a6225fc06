// The browser as it is drawn: headings, the index colour, the marker of a
// boolean, the slider and the current row. Set VEK_RDV_PNG to a file name
// to keep the picture of the whole window.
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>

#include "grid/UGTopHdg.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WndSurface.h"
#include "tests/tagbrowser/BrowserFixture.h"

namespace {

using namespace browser_test;

COLORREF PixelOf(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

// How many pixels of a rectangle pass the test.
template <class Test>
int CountIf(const QImage& image, const CRect& r, Test test) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) n += test(PixelOf(image, x, y)) ? 1 : 0;
  }
  return n;
}
int Count(const QImage& image, const CRect& r, COLORREF color) {
  return CountIf(image, r, [color](COLORREF c) { return c == color; });
}

class RenderTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    SetData(Tag(kTank1), VariantFromFloat(3.25f));
    SetData(Tag(kValveOpen), VariantFromBool(true));
    SetData(Tag(kRecipeName), VariantFromString("A recipe name far too long for its column"));
    SetMin(Tag(kCounter), VariantFromInt(0));
    SetMax(Tag(kCounter), VariantFromInt(200));
    SetData(Tag(kCounter), VariantFromInt(150));
    Open();
    Grid().SetHighlightFilter("Tank");
    Grid().ApplyHighlightFilter();
    Grid().GotoRow(kPumpSpeed);
    Refresh();
  }
  QImage Cells() {
    Grid().m_CUGGrid->Invalidate(FALSE);
    Grid().m_CUGGrid->UpdateWindow();
    return Grid().m_CUGGrid->GetSurface()->image.copy();
  }
  CRect Rect(int col, long row) {
    CRect r;
    Grid().GetCellRect(col, row, &r);
    return r;
  }
};

TEST_F(RenderTest, TheBrowserLooksAsItShould) {
  const QImage cells = Cells();
  // The index in its own colour; the current row and the highlighted names.
  // (Text is smoothed: its colour shows as a blue cast.)
  auto bluish = [](COLORREF c) { return GetBValue(c) > GetRValue(c) + 25 && GetBValue(c) > GetGValue(c) + 25; };
  EXPECT_GT(CountIf(cells, Rect(rdv::eColId, kCounter), bluish), 3);
  EXPECT_EQ(CountIf(cells, Rect(rdv::eColName, kCounter), bluish), 0);
  EXPECT_GT(Count(cells, Rect(rdv::eColAccessPath, kPumpSpeed), rdv::kCurrentRowBack), 100);
  EXPECT_GT(Count(cells, Rect(rdv::eColName, kMyTank), rdv::kHighlightBack), 100);
  EXPECT_EQ(Count(cells, Rect(rdv::eColName, kTank2), rdv::kHighlightBack), 0);
  // The true marker's green beside "True"; the slider's black groove.
  EXPECT_GT(Count(cells, Rect(rdv::eColModifier, kValveOpen), RGB(46, 170, 70)), 40);
  EXPECT_EQ(Grid().QuickGetText(rdv::eColNewValue, kCounter), "%75");
  const CRect slider = Rect(rdv::eColModifier, kCounter);
  const int middle = slider.top + slider.Height() / 2 - 1;
  EXPECT_GT(Count(cells, CRect(slider.left + 2, middle - 1, slider.right - 2, middle + 2), RGB(0, 0, 0)), 100);
  // The headings: bold text on the face colour, none cut at its cell.
  Grid().m_CUGTopHdg->Invalidate(FALSE);
  Grid().m_CUGTopHdg->UpdateWindow();
  const QImage headings = Grid().m_CUGTopHdg->GetSurface()->image.copy();
  for (int col = 0; col < rdv::eColCount; ++col) {
    CRect r;
    Grid().GetCellRect(col, -1, &r);
    EXPECT_GT(Count(headings, CRect(r.left + 2, r.top + 2, r.left + 4, r.bottom - 2), GetSysColor(COLOR_3DFACE)),
              0)
        << "room before the heading text of column " << col;
  }
  if (const char* file = std::getenv("VEK_RDV_PNG")) {
    ProcessPendingEvents();
    dialog->GetWidget()->grab().toImage().save(file);
  }
}

}  // namespace
