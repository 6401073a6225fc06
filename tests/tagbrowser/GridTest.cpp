// The tag browser's grid over a started engine: the rows it shows, the
// live refresh, the highlight, going to a line, the write path per tag
// type, the menu and the balloon.
#include <QImage>

#include "controls/BalloonHelp.h"
#include "grid/UGDropListType.h"
#include "grid/UGLstBox.h"
#include "grid/UGSliderType.h"
#include "platform/ui/WndSurface.h"
#include "tests/tagbrowser/BrowserFixture.h"

namespace {

using namespace browser_test;

class GridTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    Open();
  }
  std::string Text(int col, long row) { return Grid().QuickGetText(col, row); }
  CUGCell Cell(int col, long row) {
    CUGCell cell;
    Grid().GetCellIndirect(col, row, &cell);
    return cell;
  }
  // The user ends an edit of the modifier with the text.
  void EditModifier(long row, const std::string& text) {
    Grid().GotoCell(rdv::eColModifier, row);
    ASSERT_EQ(Grid().StartEditCurrent(), UG_SUCCESS);
    Grid().EndEdit(text, FALSE, FALSE, 0, 0);
  }
  // The user picks a choice of the modifier's drop list.
  void Choose(long row, int index) {
    Grid().GotoCell(rdv::eColModifier, row);
    auto* type = static_cast<CUGDropListType*>(Grid().GetCellType(UGCT_DROPLIST));
    ASSERT_EQ(type->StartDropList(rdv::eColModifier, row), UG_SUCCESS);
    type->GetListBox()->Commit(index);
    ProcessPendingEvents();
  }
  // The user drags the slider of a row to x (cell-area coordinates).
  void DragSlider(long row, int x) {
    CRect rect;
    Grid().GetCellRect(rdv::eColModifier, row, &rect);
    CUGCell cell = Cell(rdv::eColModifier, row);
    const int thumb = CUGSliderType::ThumbX(rect, CUGSliderType::PercentOf(&cell));
    CWnd* area = Grid().m_CUGGrid;
    const int y = rect.top + rect.Height() / 2;
    area->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb + 1, y));
    area->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    area->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
};

TEST_F(GridTest, OneRowPerTagWithItsTypesAndValues) {
  SetData(Tag(kPumpSpeed), VariantFromFloat(12.5f));
  SetData(Tag(kRecipeName), VariantFromString("Batch 7"));
  Refresh();
  ASSERT_EQ(Grid().GetRowCount(), kRows);
  ASSERT_EQ(Grid().GetColCount(), rdv::eColCount);
  const std::vector<std::string> headings = {"ID",        "Tag Name",  "HW Type",  "Access Path", "IO Type",
                                             "Data Type", "Tag Value", "Modifier", "New Value"};
  for (int col = 0; col < rdv::eColCount; ++col) {
    EXPECT_EQ(Text(col, -1), headings[static_cast<size_t>(col)]);
    EXPECT_GE(Grid().GetColWidth(col), rdv::kColumns[col].width);
  }
  // The columns whose headings fit keep the table's widths.
  for (int col : {rdv::eColId, rdv::eColName, rdv::eColAccessPath, rdv::eColModifier})
    EXPECT_EQ(Grid().GetColWidth(col), rdv::kColumns[col].width) << col;
  EXPECT_EQ(Grid().GetSideHeadingWidth(), 0);
  struct Expected {
    Row row;
    const char* name;
    const char* hw;
    const char* path;
    const char* io;
    const char* type;
    const char* value;
  };
  const Expected rows[] = {
      {kTank1, "Tank1", "ADV", "0:AI:0", "INPUT", "Float", "0"},
      {kMyTank, "MyTank", "SRL", "1:40001", "DUPLEX", "Int", "0"},
      {kTank2, "tank2", "NULL", "NULL", "NULL", "Bool", "False"},
      {kPumpSpeed, "Pump.Speed", "OPC", "Plant.Pump.Speed", "OUTPUT", "Float", "12.5"},
      {kRecipeName, "Recipe.Name", "NULL", "NULL", "NULL", "String", "Batch 7"},
  };
  for (const Expected& e : rows) {
    SCOPED_TRACE(e.name);
    EXPECT_EQ(Grid().GetRowTag(e.row), Tag(e.row));
    EXPECT_EQ(Text(rdv::eColId, e.row), std::to_string(e.row));
    EXPECT_EQ(Cell(rdv::eColId, e.row).GetTextColor(), rdv::kIdTextColor);
    EXPECT_EQ(Text(rdv::eColName, e.row), e.name);
    EXPECT_EQ(Text(rdv::eColHWType, e.row), e.hw);
    EXPECT_EQ(Text(rdv::eColAccessPath, e.row), e.path);
    EXPECT_EQ(Text(rdv::eColIOType, e.row), e.io);
    EXPECT_EQ(Text(rdv::eColDataType, e.row), e.type);
    EXPECT_EQ(Text(rdv::eColValue, e.row), e.value);
    for (int col = 0; col < rdv::eColCount; ++col) {
      EXPECT_EQ(Cell(col, e.row).GetCellTypeEx(), rdv::kTagCellTypeEx) << col;
      EXPECT_EQ(Cell(col, e.row).GetParam(), reinterpret_cast<INT_PTR>(Tag(e.row))) << col;
    }
  }
  // The modifier of each kind of tag.
  EXPECT_EQ(Cell(rdv::eColModifier, kTank1).GetCellTypeIndex(), UGCT_NORMAL);
  const CUGCell boolCell = Cell(rdv::eColModifier, kTank2);
  EXPECT_EQ(boolCell.GetCellTypeIndex(), UGCT_DROPLIST);
  EXPECT_EQ(boolCell.GetLabel(), "True\nFalse\n");
  EXPECT_EQ(boolCell.GetText(), "False");
  ASSERT_NE(boolCell.GetBitmap(), nullptr);
  EXPECT_EQ(boolCell.GetBitmap()->GetBitmapDimension(), CSize(16, 16));
  EXPECT_EQ(Text(rdv::eColModifier, kRecipeName), "Batch 7");
}

TEST_F(GridTest, TheRefreshFollowsTheTagsEveryHalfSecond) {
  SetData(Tag(kTank1), VariantFromFloat(3.25f));
  SetData(Tag(kValveOpen), VariantFromBool(true));
  EXPECT_EQ(Text(rdv::eColValue, kTank1), "0") << "not before the timer";
  Refresh();
  EXPECT_EQ(Text(rdv::eColValue, kTank1), "3.25");
  EXPECT_EQ(Text(rdv::eColModifier, kTank1), "3.25");
  EXPECT_EQ(Text(rdv::eColValue, kValveOpen), "True");
  EXPECT_EQ(Text(rdv::eColModifier, kValveOpen), "True");
  CBitmap* trueMarker = Cell(rdv::eColModifier, kValveOpen).GetBitmap();
  EXPECT_NE(trueMarker, Cell(rdv::eColModifier, kTank2).GetBitmap()) << "the marker follows the value";
}

TEST_F(GridTest, ARefreshPaintsOnlyTheCellsThatChanged) {
  Refresh();
  QImage& pixels = Grid().m_CUGGrid->GetSurface()->image;
  // Marks painted straight into the kept pixels stay until their cell is painted again.
  auto mark = [&pixels, this](int col, long row) {
    CRect rect;
    Grid().GetCellRect(col, row, &rect);
    pixels.setPixel(rect.left + 2, rect.bottom - 3, qRgb(255, 0, 255));
    return QPoint(rect.left + 2, rect.bottom - 3);
  };
  const QPoint unchanged = mark(rdv::eColValue, kTank1);
  const QPoint name = mark(rdv::eColName, kCounter);
  const QPoint changed = mark(rdv::eColValue, kCounter);
  Refresh();
  EXPECT_EQ(pixels.pixel(unchanged), qRgb(255, 0, 255)) << "nothing changed: nothing painted";
  SetData(Tag(kCounter), VariantFromInt(12));
  Refresh();
  EXPECT_NE(pixels.pixel(changed), qRgb(255, 0, 255));
  EXPECT_EQ(pixels.pixel(name), qRgb(255, 0, 255));
  EXPECT_EQ(pixels.pixel(unchanged), qRgb(255, 0, 255));
  EXPECT_EQ(Text(rdv::eColValue, kCounter), "12");
}

TEST_F(GridTest, ARangeThatComesGivesASliderAndOneThatGoesTakesItAway) {
  CDCTag* counter = Tag(kCounter);
  SetMin(counter, VariantFromInt(0));
  SetMax(counter, VariantFromInt(200));
  SetData(counter, VariantFromInt(50));
  Refresh();
  EXPECT_EQ(Cell(rdv::eColModifier, kCounter).GetCellTypeIndex(), Grid().GetSliderTypeIndex());
  EXPECT_EQ(Text(rdv::eColModifier, kCounter), "25");
  EXPECT_EQ(Text(rdv::eColNewValue, kCounter), "%25");
  SetMax(counter, VariantFromInt(0));  // equal to the minimum: no range
  Refresh();
  EXPECT_EQ(Cell(rdv::eColModifier, kCounter).GetCellTypeIndex(), UGCT_NORMAL);
  EXPECT_EQ(Text(rdv::eColModifier, kCounter), "50");
  EXPECT_EQ(Text(rdv::eColNewValue, kCounter), "") << "no stale new value beside a plain edit";
  // A boolean with a range keeps its drop list.
  SetMin(Tag(kTank2), VariantFromBool(false));
  SetMax(Tag(kTank2), VariantFromBool(true));
  Refresh();
  EXPECT_EQ(Cell(rdv::eColModifier, kTank2).GetCellTypeIndex(), UGCT_DROPLIST);
}

TEST_F(GridTest, EditsWriteOnlyWhileCtrlIsHeld) {
  EditModifier(kPumpSpeed, "42.5");
  EXPECT_FLOAT_EQ(VariantToFloat(*Tag(kPumpSpeed)->GetTagData()), 0.0f) << "no Ctrl: nothing written";
  keys.Hold(VK_CONTROL);
  EditModifier(kPumpSpeed, "42.5");
  EXPECT_TRUE(VariantIdentical(*Tag(kPumpSpeed)->GetTagData(), VariantFromFloat(42.5f)));
  EditModifier(kMyTank, "abc");  // letters for an integer tag
  EXPECT_TRUE(VariantIdentical(*Tag(kMyTank)->GetTagData(), VariantFromInt(0)));
  EditModifier(kMyTank, "17");
  EXPECT_TRUE(VariantIdentical(*Tag(kMyTank)->GetTagData(), VariantFromInt(17)));
  EditModifier(kRecipeName, "Batch 9");
  EXPECT_EQ(VariantToText(*Tag(kRecipeName)->GetTagData()), "Batch 9");
  EditModifier(kShiftStart, "2024/05/01 06:00:00");
  EXPECT_TRUE(VariantIdentical(*Tag(kShiftStart)->GetTagData(), VariantFromDate(DateFromParts(2024, 5, 1, 6))));
  // An empty text stores nothing and writes nothing.
  EditModifier(kMyTank, "");
  EXPECT_EQ(Text(rdv::eColModifier, kMyTank), "17");
  EXPECT_FALSE(Grid().IsEditing());
}

TEST_F(GridTest, ADropListChoiceWritesTheBooleanWithCtrl) {
  Choose(kValveOpen, 0);  // "True" without Ctrl: only the marker changes
  EXPECT_FALSE(VariantToBool(*Tag(kValveOpen)->GetTagData()));
  EXPECT_EQ(Text(rdv::eColModifier, kValveOpen), "True");
  CBitmap* trueMarker = Cell(rdv::eColModifier, kValveOpen).GetBitmap();
  keys.Hold(VK_CONTROL);
  Choose(kValveOpen, 0);
  EXPECT_TRUE(VariantIdentical(*Tag(kValveOpen)->GetTagData(), VariantFromBool(true)));
  Choose(kValveOpen, 1);
  EXPECT_TRUE(VariantIdentical(*Tag(kValveOpen)->GetTagData(), VariantFromBool(false)));
  EXPECT_NE(Cell(rdv::eColModifier, kValveOpen).GetBitmap(), trueMarker);
}

TEST_F(GridTest, AnIntegerTagGetsAnIntegerFromTheSlider) {
  CDCTag* counter = Tag(kCounter);
  SetMin(counter, VariantFromInt(0));
  SetMax(counter, VariantFromInt(200));
  Refresh();
  ASSERT_EQ(Cell(rdv::eColModifier, kCounter).GetCellTypeIndex(), Grid().GetSliderTypeIndex());
  CRect rect;
  Grid().GetCellRect(rdv::eColModifier, kCounter, &rect);
  const int halfWay = rect.left + 3 + (rect.Width() - 6) / 2;
  keys.Hold(VK_CONTROL);
  Grid().m_CUGGrid->SetFocus();
  DragSlider(kCounter, halfWay);
  EXPECT_TRUE(VariantIdentical(*counter->GetTagData(), VariantFromInt(100))) << VariantToText(*counter->GetTagData());
  EXPECT_EQ(Text(rdv::eColNewValue, kCounter), "%50");
}

TEST_F(GridTest, ASliderWithoutTheCellAreasFocusWritesNothing) {
  CDCTag* tank = Tag(kTank1);
  SetMin(tank, VariantFromFloat(0));
  SetMax(tank, VariantFromFloat(10));
  Refresh();
  CRect rect;
  Grid().GetCellRect(rdv::eColModifier, kTank1, &rect);
  keys.Hold(VK_CONTROL);
  dialog->GetDlgItem(static_cast<int>(IDC_RDV_FILTER))->SetFocus();
  DragSlider(kTank1, rect.right - 1);
  dialog->GetDlgItem(static_cast<int>(IDC_RDV_FILTER))->SetFocus();  // the press gave the cell area the focus
  EXPECT_FLOAT_EQ(VariantToFloat(*tank->GetTagData()), 10.0f) << "the press took the focus: written";
  SetData(tank, VariantFromFloat(0));
  Refresh();
  // A thumb moved while another window has the focus.
  auto* slider = static_cast<CUGSliderType*>(Grid().GetCellType(Grid().GetSliderTypeIndex()));
  CPoint inside(rect.left + 4, rect.top + 5);
  ASSERT_TRUE(slider->OnLClicked(rdv::eColModifier, kTank1, 1, &rect, &inside));
  CPoint end(rect.right - 1, rect.top + 5);
  slider->OnMouseMove(rdv::eColModifier, kTank1, &end, MK_LBUTTON);
  EXPECT_FLOAT_EQ(VariantToFloat(*tank->GetTagData()), 0.0f);
  EXPECT_EQ(Text(rdv::eColNewValue, kTank1), "%100") << "the new value shows all the same";
}

TEST_F(GridTest, HoldingCtrlThroughRefreshesAndRecolouringWritesNothing) {
  SetData(Tag(kPumpSpeed), VariantFromFloat(1.5f));
  Refresh();
  // The shown texts differ from the tags from now on: a write-back would show.
  Grid().QuickSetText(rdv::eColModifier, kMyTank, "77");
  Grid().QuickSetText(rdv::eColModifier, kValveOpen, "True");
  keys.Hold(VK_CONTROL);
  const int notices = Tag(kMyTank)->GetViewerCount();
  for (int i = 0; i < 3; ++i) Refresh();
  Grid().GotoRow(kMyTank);
  Grid().GotoRow(kValveOpen);
  dialog->GetDlgItem(static_cast<int>(IDC_RDV_FILTER))->SetWindowText("Tank");
  Grid().SetHighlightFilter("Tank");
  Grid().ApplyHighlightFilter();
  EXPECT_TRUE(VariantIdentical(*Tag(kMyTank)->GetTagData(), VariantFromInt(0)));
  EXPECT_FALSE(VariantToBool(*Tag(kValveOpen)->GetTagData()));
  EXPECT_FLOAT_EQ(VariantToFloat(*Tag(kPumpSpeed)->GetTagData()), 1.5f);
  EXPECT_EQ(Tag(kMyTank)->GetViewerCount(), notices);
}

TEST_F(GridTest, TheCurrentRowIsColouredAndHeadingsNever) {
  Grid().GotoRow(kPumpSpeed);
  for (int col = 0; col < rdv::eColCount; ++col) {
    EXPECT_EQ(Cell(col, kPumpSpeed).GetBackColor(), rdv::kCurrentRowBack) << col;
  }
  Grid().GotoRow(kCounter);
  EXPECT_EQ(Cell(rdv::eColValue, kPumpSpeed).GetBackColor(), rdv::kDefaultBack);
  EXPECT_EQ(Cell(rdv::eColValue, kCounter).GetBackColor(), rdv::kCurrentRowBack);
  const COLORREF heading = Cell(rdv::eColName, -1).GetBackColor();
  Grid().OnCurrentRowChanged(-1, kTank1);  // a move from no row
  EXPECT_EQ(Cell(rdv::eColName, -1).GetBackColor(), heading);
}

TEST_F(GridTest, TheFilterHighlightsMatchingNamesAndGoesToTheFirst) {
  Grid().GotoRow(kCounter);
  Grid().SetHighlightFilter("Tank");
  EXPECT_EQ(Grid().ApplyHighlightFilter(), 2);
  EXPECT_EQ(Cell(rdv::eColName, kMyTank).GetBackColor(), rdv::kHighlightBack);
  EXPECT_NE(Cell(rdv::eColName, kTank2).GetBackColor(), rdv::kHighlightBack);
  EXPECT_EQ(Grid().GetCurrentRow(), kTank1);
  // The first match became the current row; the refresh marks its name again.
  Refresh();
  EXPECT_EQ(Cell(rdv::eColName, kTank1).GetBackColor(), rdv::kHighlightBack);
  EXPECT_EQ(Cell(rdv::eColName, kMyTank).GetBackColor(), rdv::kHighlightBack);
  // Clearing the filter gives the names their row's colour.
  Grid().SetHighlightFilter("");
  EXPECT_EQ(Grid().ApplyHighlightFilter(), 0);
  EXPECT_EQ(Cell(rdv::eColName, kMyTank).GetBackColor(), rdv::kDefaultBack);
  EXPECT_EQ(Cell(rdv::eColName, kTank1).GetBackColor(), rdv::kCurrentRowBack);
}

TEST_F(GridTest, TheIdCellShowsTheTagsInfoInABalloon) {
  const int before = CBalloonTip::GetOpenCount();
  CRect rect;
  Grid().GetCellRect(rdv::eColId, kMyTank, &rect);
  Grid().m_CUGGrid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 5, rect.top + 5));
  Grid().m_CUGGrid->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.left + 5, rect.top + 5));
  ASSERT_EQ(CBalloonTip::GetOpenCount(), before + 1);
  // Another column shows none.
  Grid().GetCellRect(rdv::eColName, kMyTank, &rect);
  Grid().m_CUGGrid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 5, rect.top + 5));
  Grid().m_CUGGrid->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.left + 5, rect.top + 5));
  EXPECT_EQ(CBalloonTip::GetOpenCount(), before + 1);
  const std::string info = Grid().GetCellInfoText(rdv::eColId, kMyTank);
  EXPECT_EQ(info, Tag(kMyTank)->GetInfoText() + "\nCol: 0,   Row: 1");
}

TEST_F(GridTest, TheMenuIsOfferedOverTheCellsOnly) {
  testing_support::ClipboardDouble clipboard;
  EXPECT_TRUE(Grid().OnMenuStart(rdv::eColName, kMyTank, UG_GRID));
  const auto& items = Grid().GetPopupMenuItems();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0], std::make_pair(rdv::kMenuCopy, std::string("Copy")));
  EXPECT_EQ(items[1], std::make_pair(rdv::kMenuShowInfo, std::string("Show Info")));
  for (int section : {UG_TOPHEADING, UG_SIDEHEADING, UG_CORNERBUTTON, UG_HSCROLL, UG_VSCROLL}) {
    EXPECT_FALSE(Grid().OnMenuStart(rdv::eColName, -1, section)) << section;
  }
  Grid().OnMenuCommand(rdv::eColName, kMyTank, UG_GRID, rdv::kMenuCopy);
  EXPECT_EQ(clipboard.Text(), "MyTank");
  boxes.Clear();
  Grid().OnMenuCommand(rdv::eColAccessPath, kMyTank, UG_GRID, rdv::kMenuShowInfo);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, Grid().GetCellInfoText(rdv::eColAccessPath, kMyTank));
  EXPECT_NE(boxes.Last().flags & MB_ICONINFORMATION, 0u);
}

TEST_F(GridTest, TypingOrADoubleClickOnAnEditedModifierOpensItsEdit) {
  Grid().GotoCell(rdv::eColModifier, kPumpSpeed);
  Grid().m_CUGGrid->SendMessage(WM_CHAR, '5', 1);
  EXPECT_TRUE(Grid().IsEditing());
  Grid().CancelEdit();
  Grid().GotoCell(rdv::eColModifier, kValveOpen);  // a drop list: no edit
  Grid().m_CUGGrid->SendMessage(WM_CHAR, '5', 1);
  EXPECT_FALSE(Grid().IsEditing());
  Grid().GotoCell(rdv::eColName, kPumpSpeed);  // another column: no edit
  Grid().m_CUGGrid->SendMessage(WM_CHAR, '5', 1);
  EXPECT_FALSE(Grid().IsEditing());
  CRect rect;
  Grid().GetCellRect(rdv::eColModifier, kCounter, &rect);
  Grid().m_CUGGrid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 5, rect.top + 5));
  Grid().m_CUGGrid->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.left + 5, rect.top + 5));
  Grid().m_CUGGrid->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rect.left + 5, rect.top + 5));
  EXPECT_TRUE(Grid().IsEditing());
  EXPECT_EQ(Grid().GetEditRow(), kCounter);
  Grid().CancelEdit();
}

TEST_F(GridTest, AnEditNeverMovesOnToTheNextCell) {
  keys.Hold(VK_CONTROL);
  Grid().GotoCell(rdv::eColModifier, kMyTank);
  ASSERT_EQ(Grid().StartEditCurrent(), UG_SUCCESS);
  Grid().EndEdit("5", FALSE, TRUE, rdv::eColModifier, kTank2);
  EXPECT_FALSE(Grid().IsEditing());
  EXPECT_EQ(Grid().GetCurrentRow(), kMyTank);
  EXPECT_TRUE(VariantIdentical(*Tag(kMyTank)->GetTagData(), VariantFromInt(5)));
}

TEST_F(GridTest, RowsSortedByNameKeepTheirTags) {
  Grid().GetDataSource(0)->SortByColumn(rdv::eColName, 0);
  // Byte order: upper case before lower case.
  const std::vector<std::string> names = {"Counter", "MyTank",  "Pump.Speed", "Recipe.Name",
                                          "Shift.Start", "Tank1", "Valve.Open", "tank2"};
  for (long row = 0; row < kRows; ++row) {
    EXPECT_EQ(Text(rdv::eColName, row), names[static_cast<size_t>(row)]);
    EXPECT_EQ(Grid().GetRowTag(row)->GetTagName(), names[static_cast<size_t>(row)]);
  }
  SetData(Tag(kCounter), VariantFromInt(9));
  Refresh();
  EXPECT_EQ(Text(rdv::eColValue, 0), "9") << "the refresh follows the row's own tag";
  Grid().GetDataSource(0)->SortByColumn(rdv::eColId, UG_SORT_DESCENDING);
  EXPECT_EQ(Text(rdv::eColName, 0), "Valve.Open");
}

TEST_F(GridTest, TheFocusRectangleIsOnePixelInsideTheCell) {
  Grid().GotoCell(rdv::eColName, kTank2);
  Grid().m_CUGGrid->SetFocus();
  Grid().m_CUGGrid->Invalidate(FALSE);
  Grid().m_CUGGrid->UpdateWindow();
  const QImage image = Grid().m_CUGGrid->GetSurface()->image.copy();
  CRect rect;
  Grid().GetCellRect(rdv::eColName, kTank2, &rect);
  // Dotted: some pixels of the top edge differ from the row's colour; the
  // last column and row of the cell keep the grid line.
  int dotted = 0;
  for (int x = rect.left; x < rect.right - 1; ++x) {
    const QRgb p = image.pixel(x, rect.top);
    dotted += RGB(qRed(p), qGreen(p), qBlue(p)) != rdv::kCurrentRowBack ? 1 : 0;
  }
  EXPECT_GT(dotted, 20);
  const QRgb edge = image.pixel(rect.right - 1, rect.top + 5);
  EXPECT_EQ(RGB(qRed(edge), qGreen(edge), qBlue(edge)), RGB(0xDC, 0xDC, 0xDC));
}

}  // namespace
