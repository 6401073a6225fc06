// Menus and accelerators from tables, property sheets, the colour dialog,
// balloons, the splash screen and printing to PDF.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QWidget>
#include <memory>

#include "platform/Thread.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/BalloonTip.h"
#include "platform/ui/Button.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/DC.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Icons.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PrintJob.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/SplashScreen.h"
#include "platform/ui/TabCtrl.h"
#include "support/Doubles.h"

namespace {

constexpr UINT kMenuId = 9201;
constexpr UINT kAccelId = 9202;

void RegisterMenus() {
  using namespace menu;
  ResourceTable::Instance().AddMenu(MenuTemplate{
      kMenuId,
      {Popup("&File", {Item("E&xit", 57665)}),
       Popup("Data Source", {Item("&None", 701), Item("&Demo", 702), Item("&Real", 703)}),
       Popup("Tables", {Item("&Recipe", 705), Popup("&Calibrations", {Item("&Recipe", 704), Item("Loops PID Factors", 712)}),
                        Separator(), Item("Process Information Record &Interval", 707, MF_GRAYED)})}});
  ResourceTable::Instance().AddAccelerators(AcceleratorTemplate{
      kAccelId,
      {{FVIRTKEY, VK_F4, 711}, {FVIRTKEY, VK_F5, 709}, {FVIRTKEY | FCONTROL, 'C', 57634}, {FVIRTKEY | FCONTROL, VK_INSERT, 57634},
       {FVIRTKEY | FSHIFT, VK_DELETE, 57635}}});
}

TEST(MenuTest, LoadedFromTheTableWithPopupsSeparatorsAndStates) {
  RegisterMenus();
  CMenu bar;
  ASSERT_TRUE(bar.LoadMenu(kMenuId));
  ASSERT_EQ(bar.GetMenuItemCount(), 3u);
  EXPECT_EQ(bar.GetMenuString(1, MF_BYPOSITION), "Data Source");
  CMenu* tables = bar.GetSubMenu(2);
  ASSERT_NE(tables, nullptr);
  EXPECT_EQ(tables->GetMenuItemCount(), 4u);
  EXPECT_EQ(tables->GetMenuItemID(0), 705u);
  EXPECT_EQ(tables->GetMenuItemID(1), static_cast<UINT>(-1));  // a submenu
  EXPECT_EQ(tables->GetMenuItemID(2), 0u);                     // a separator
  EXPECT_EQ(bar.GetMenuState(707, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
  EXPECT_EQ(bar.GetMenuString(712, MF_BYCOMMAND), "Loops PID Factors");  // found in a nested submenu
  CMenu missing;
  EXPECT_FALSE(missing.LoadMenu(1));
}

TEST(MenuTest, CheckEnableDefaultAndTextChanges) {
  RegisterMenus();
  CMenu bar;
  bar.LoadMenu(kMenuId);
  CMenu* source = bar.GetSubMenu(1);
  EXPECT_EQ(bar.CheckMenuItem(702, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(bar.CheckMenuItem(702, MF_BYCOMMAND | MF_CHECKED), MF_CHECKED);
  EXPECT_EQ(bar.GetMenuState(702, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
  EXPECT_EQ(bar.CheckMenuItem(9999, MF_CHECKED), static_cast<UINT>(-1));
  EXPECT_EQ(bar.EnableMenuItem(707, MF_ENABLED), MF_GRAYED);
  EXPECT_EQ(bar.GetMenuState(707, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), 0u);
  ASSERT_TRUE(source->SetDefaultItem(1, TRUE));
  EXPECT_EQ(source->GetDefaultItem(0, FALSE), 702u);
  ASSERT_TRUE(source->SetDefaultItem(703));
  EXPECT_EQ(source->GetMenuState(702, MF_BYCOMMAND) & MF_DEFAULT, 0u);  // one default per menu
  EXPECT_EQ(source->GetMenuState(703, MF_BYCOMMAND) & MF_DEFAULT, MF_DEFAULT);
  ASSERT_TRUE(bar.ModifyMenu(701, MF_BYCOMMAND | MF_STRING, 701, "Take None"));
  EXPECT_EQ(bar.GetMenuString(701, MF_BYCOMMAND), "Take None");
  CCmdUI ui;
  ui.m_pMenu = source;
  ui.m_nIndex = 2;
  ui.m_nID = 703;
  ui.SetCheck(1);
  ui.Enable(FALSE);
  ui.SetText("&Real HW");
  EXPECT_EQ(source->GetMenuState(703, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED | MF_DEFAULT), MF_CHECKED | MF_GRAYED | MF_DEFAULT);
  EXPECT_EQ(source->GetMenuString(2, MF_BYPOSITION), "&Real HW");
  EXPECT_TRUE(bar.RemoveMenu(712, MF_BYCOMMAND));
  EXPECT_EQ(bar.GetMenuState(712, MF_BYCOMMAND), static_cast<UINT>(-1));
}

class MenuOwner : public CWnd {
 public:
  std::vector<UINT> commands;
  int initPopups = 0;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    commands.push_back(LOWORD(wParam));
    return TRUE;
  }
  void OnInitMenuPopup(CMenu* popup, UINT, BOOL) override {
    ++initPopups;
    popup->ModifyMenu(0, MF_BYPOSITION | MF_STRING, 702, "Take Demo");  // renamed as it opens
  }
};

TEST(MenuTest, ContextMenuUpdatesThenSendsTheChosenCommand) {
  RegisterMenus();
  MenuOwner owner;
  ASSERT_TRUE(owner.Create("owner", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
  CMenu bar;
  bar.LoadMenu(kMenuId);
  std::string seen;
  CMenu::PopupMenuHandler previous = CMenu::SetPopupMenuHandler([&](CMenu& popup) {
    seen = popup.GetMenuString(0, MF_BYPOSITION);
    return 702u;
  });
  EXPECT_TRUE(bar.GetSubMenu(1)->TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &owner));
  EXPECT_EQ(owner.initPopups, 1);
  EXPECT_EQ(seen, "Take Demo");
  EXPECT_EQ(owner.commands, std::vector<UINT>{702});
  EXPECT_EQ(bar.GetSubMenu(1)->TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 0, 0, &owner), 702);
  EXPECT_EQ(owner.commands.size(), 1u);
  CMenu::SetPopupMenuHandler([](CMenu&) { return 0u; });
  EXPECT_TRUE(bar.GetSubMenu(1)->TrackPopupMenu(0, 0, 0, &owner));  // dismissed: nothing sent
  EXPECT_EQ(owner.commands.size(), 1u);
  CMenu::SetPopupMenuHandler(previous);
}

TEST(AcceleratorTest, KeysWithModifiersFindTheirCommand) {
  RegisterMenus();
  const AcceleratorTemplate* table = LoadAccelerators(kAccelId);
  ASSERT_NE(table, nullptr);
  struct Case {
    UINT key;
    bool ctrl, shift, alt;
    UINT cmd;
  };
  const Case cases[] = {{VK_F4, false, false, false, 711}, {VK_F4, true, false, false, 0},
                        {'C', true, false, false, 57634},  {'C', false, false, false, 0},
                        {VK_INSERT, true, false, false, 57634}, {VK_DELETE, false, true, false, 57635},
                        {VK_F6, false, false, false, 0}};
  for (const Case& c : cases) EXPECT_EQ(FindAccelerator(*table, c.key, c.ctrl, c.shift, c.alt), c.cmd) << c.key;
  EXPECT_EQ(LoadAccelerators(1), nullptr);
}

// ---- Property sheets -------------------------------------------------------------------

constexpr UINT kPageA = 9211, kPageB = 9212, kPageC = 9213;
constexpr int kPageEdit = 300;

void RegisterPages() {
  for (UINT id : {kPageA, kPageB, kPageC}) {
    const char* caption = id == kPageA ? "General Setting" : id == kPageB ? "Graphic" : "Analog Calibration";
    ResourceTable::Instance().AddDialog(
        dlg::Dialog(id, caption, 180 + static_cast<int>(id - kPageA) * 10, 100, WS_CHILD,
                    {dlg::LText(static_cast<UINT>(IDC_STATIC), "Value :", 7, 7, 40, 8),
                     dlg::Edit(kPageEdit, 50, 5, 40, 12)}));
  }
}

class CountingPage : public CPropertyPage {
 public:
  explicit CountingPage(UINT id) : CPropertyPage(id) {}
  int m_nValue = 5;
  int applies = 0;
  int activations = 0;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Text(dx, kPageEdit, m_nValue);
    DDV_MinMaxInt(dx, m_nValue, 0, 90);
  }
  BOOL OnSetActive() override {
    ++activations;
    return TRUE;
  }
  BOOL OnApply() override {
    ++applies;
    return TRUE;
  }
};

TEST(PropertySheetTest, RemovingAPageKeepsTheOthersInOrder) {
  RegisterPages();
  CountingPage a(kPageA), b(kPageB), c(kPageC);
  c.m_strCaption = "Analog Calibration [1]";
  CPropertySheet sheet("Control Properties   [Valve.ReturnValve]");
  sheet.AddPage(&a);
  sheet.AddPage(&b);
  sheet.AddPage(&c);
  ASSERT_TRUE(sheet.Create());
  CTabCtrl* tabs = sheet.GetTabControl();
  ASSERT_EQ(tabs->GetItemCount(), 3);
  EXPECT_EQ(tabs->GetItemText(2), "Analog Calibration [1]");
  EXPECT_EQ(sheet.GetActiveIndex(), 0);
  EXPECT_TRUE(a.IsWindowVisible());
  EXPECT_FALSE(b.IsWindowCreated());  // made when first shown
  ASSERT_TRUE(sheet.SetActivePage(1));
  EXPECT_TRUE(b.IsWindowCreated());
  sheet.RemovePage(1);  // the shown page goes; its neighbour is shown
  EXPECT_FALSE(b.IsWindowCreated());
  ASSERT_EQ(sheet.GetPageCount(), 2);
  EXPECT_EQ(sheet.GetPage(0), &a);
  EXPECT_EQ(sheet.GetPage(1), &c);
  EXPECT_EQ(tabs->GetItemText(0), "General Setting");
  EXPECT_EQ(tabs->GetItemText(1), "Analog Calibration [1]");
  EXPECT_EQ(sheet.GetActivePage(), &c);
  EXPECT_EQ(tabs->GetCurSel(), 1);
  sheet.RemovePage(&a);
  EXPECT_EQ(sheet.GetActivePage(), &c);
  EXPECT_EQ(sheet.GetActiveIndex(), 0);
  sheet.DestroyWindow();
}

TEST(PropertySheetTest, StandardButtonsCanBeHiddenMovedAndRenamed) {
  RegisterPages();
  CountingPage a(kPageA);
  CPropertySheet sheet("Sheet");
  sheet.AddPage(&a);
  ASSERT_TRUE(sheet.Create());
  CWnd* ok = sheet.GetDlgItem(IDOK);
  CWnd* cancel = sheet.GetDlgItem(IDCANCEL);
  CWnd* apply = sheet.GetDlgItem(ID_APPLY_NOW);
  ASSERT_TRUE(ok && cancel && apply);
  EXPECT_FALSE(apply->IsWindowEnabled());
  EXPECT_FALSE(sheet.GetDlgItem(IDHELP)->IsWindowVisible());
  CRect okRect, applyRect;
  ok->GetWindowRect(&okRect);
  apply->GetWindowRect(&applyRect);
  EXPECT_LT(okRect.left, applyRect.left);
  EXPECT_EQ(okRect.top, applyRect.top);
  sheet.ScreenToClient(&applyRect);
  apply->ShowWindow(SW_HIDE);
  ok->ShowWindow(SW_HIDE);
  cancel->MoveWindow(applyRect);
  cancel->SetWindowText("Close");
  CRect moved;
  cancel->GetWindowRect(&moved);
  sheet.ScreenToClient(&moved);
  EXPECT_EQ(moved, applyRect);
  EXPECT_EQ(cancel->GetWindowText(), "Close");
  a.SetModified(TRUE);
  EXPECT_TRUE(apply->IsWindowEnabled());
}

TEST(PropertySheetTest, ModalOkValidatesTheShownPageAndAppliesMadePages) {
  testing_support::MessageBoxDouble boxes;
  RegisterPages();
  CountingPage a(kPageA), b(kPageB);
  CPropertySheet sheet("Sheet", nullptr, 1);
  sheet.AddPage(&a);
  sheet.AddPage(&b);
  CDialog::ModalDriver previous = CDialog::SetModalDriver([&](CDialog& d) {
    if (&d != &sheet) return;
    EXPECT_EQ(sheet.GetActivePage(), &b);  // started on the page asked for
    b.SetDlgItemText(kPageEdit, "120");
    sheet.PressButton(PSBTN_OK);           // refused: the sheet stays
    EXPECT_EQ(boxes.Count(), 1u);
    b.SetDlgItemText(kPageEdit, "12");
    sheet.PressButton(PSBTN_OK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  CDialog::SetModalDriver(previous);
  EXPECT_EQ(b.m_nValue, 12);
  EXPECT_EQ(b.applies, 1);
  EXPECT_EQ(a.applies, 0);  // never shown, never made
}

// ---- Colour dialog, balloon, splash ---------------------------------------------------------

TEST(ColorDialogTest, OnlyOkGivesTheChosenColour) {
  CColorDialog dlg(RGB(1, 2, 3));
  CDialog::ModalDriver previous = CDialog::SetModalDriver([](CDialog& d) {
    auto& colour = static_cast<CColorDialog&>(d);
    EXPECT_EQ(colour.GetCurrentColor(), RGB(1, 2, 3));
    colour.SetCurrentColor(RGB(200, 100, 50));
    d.EndDialog(IDOK);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.GetColor(), RGB(200, 100, 50));
  CColorDialog cancelled(RGB(9, 9, 9));
  CDialog::SetModalDriver([](CDialog& d) {
    static_cast<CColorDialog&>(d).SetCurrentColor(RGB(255, 0, 0));
    d.EndDialog(IDCANCEL);
  });
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  EXPECT_EQ(cancelled.GetColor(), RGB(9, 9, 9));
  CDialog::SetModalDriver(previous);
}

TEST(BalloonTest, LayoutStaysOnScreenAndFlipsAboveAtTheBottom) {
  const CRect screen(0, 0, 800, 600);
  BalloonLayout below = ComputeBalloonLayout(CSize(200, 60), CPoint(100, 100), screen);
  EXPECT_FALSE(below.above);
  EXPECT_GT(below.body.top, 100);
  EXPECT_EQ(below.tail[2], CPoint(100, 100));
  BalloonLayout above = ComputeBalloonLayout(CSize(200, 60), CPoint(790, 590), screen);
  EXPECT_TRUE(above.above);
  EXPECT_LE(above.body.right, 800);
  EXPECT_LT(above.body.bottom, 590);
}

TEST(BalloonTest, ShowsAndClosesItself) {
  const int before = CBalloonTip::GetOpenCount();
  CBalloonTip* tip = CBalloonTip::ShowAt("The 'Valve.ReturnValve' is copied to clipboard", " - [Valve.ReturnValve]",
                                         CPoint(50, 50), LoadIcon(IDI_INFORMATION), 3000);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(CBalloonTip::GetOpenCount(), before + 1);
  EXPECT_EQ(tip->GetText(), " - [Valve.ReturnValve]");
  tip->UpdateWindow();
  tip->Close();
  EXPECT_EQ(CBalloonTip::GetOpenCount(), before);
}

TEST(BalloonTest, BalloonsStillShownAreClosedAtTheProgramsEnd) {
  // Balloons waiting for their timer (or a click) when the program ends
  // are closed and freed then, not left behind.
  CBalloonTip::CloseAll();
  ASSERT_NE(CBalloonTip::ShowAt("first", "kept until clicked", CPoint(50, 50), nullptr, 0), nullptr);
  ASSERT_NE(CBalloonTip::ShowAt("second", "kept for a minute", CPoint(90, 90), nullptr, 60000), nullptr);
  EXPECT_EQ(CBalloonTip::GetOpenCount(), 2);
  CBalloonTip::CloseAll();
  EXPECT_EQ(CBalloonTip::GetOpenCount(), 0);
}

TEST(SplashTest, ShownAndHiddenOnTheUserInterfaceThread) {
  ImageTemplate art;
  art.id = 9221;
  art.width = 40;
  art.height = 20;
  art.draw = [](CDC& dc) { dc.FillSolidRect(0, 0, 40, 20, RGB(0, 0, 128)); };
  ResourceTable::Instance().AddBitmap(art);
  CSplashScreen::Show(9221);
  ProcessPendingEvents();
  EXPECT_TRUE(CSplashScreen::IsShown());
  CSplashScreen::Hide();
  ProcessPendingEvents();
  EXPECT_FALSE(CSplashScreen::IsShown());
}

// ---- Printing ------------------------------------------------------------------------------

TEST(PrintTest, PdfPrintoutIsWrittenWithItsPages) {
  testing_support::TempDir dir;
  CPrintJob job;
  ASSERT_TRUE(job.StartPdf(dir.File("trend.pdf"), "VekControls Trends"));
  for (int page = 0; page < 2; ++page) {
    CDC* dc = job.StartPage();
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(dc->IsPrinting());
    EXPECT_EQ(dc->GetDeviceCaps(LOGPIXELSX), 300);
    EXPECT_GT(dc->GetDeviceCaps(HORZRES), 2000);
    CRect r(100, 100, 2000, 300);
    dc->DrawText("VekControls Trends, Printed on: Monday, January 05, 2026", &r, DT_LEFT | DT_SINGLELINE);
    dc->Rectangle(100, 400, 2000, 1400);
    dc->MoveTo(100, 900);
    dc->LineTo(2000, 500);
    ASSERT_TRUE(job.EndPage());
  }
  ASSERT_TRUE(job.EndDoc());
  EXPECT_EQ(job.GetPageCount(), 2);
  QFile pdf(QString::fromStdString(dir.File("trend.pdf")));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_GT(bytes.size(), 1000);
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
}

TEST(PrintTest, PrinterJobsCanBeRedirectedToPdfFiles) {
  testing_support::TempDir dir;
  CPrintJob::SetPrinterRedirect(dir.Path() + "printed");
  CPrintJob job;
  ASSERT_TRUE(job.StartPrinter("Recipe: 3"));
  ASSERT_NE(job.StartPage(), nullptr);
  job.EndPage();
  ASSERT_TRUE(job.EndDoc());
  CPrintJob::SetPrinterRedirect("");
  EXPECT_EQ(job.GetOutputPath(), dir.Path() + "printed/Recipe_ 3.pdf");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(job.GetOutputPath())));
}

}  // namespace

namespace {

TEST(TabRowsTest, TabsStackInRowsWhereTheNextWouldNotFit) {
  struct Case {
    const char* name;
    std::vector<int> widths;
    int rowWidth;
    std::vector<std::vector<int>> rows;
  };
  for (const Case& c : {Case{"none", {}, 100, {}},
                        Case{"all fit exactly", {40, 60}, 100, {{0, 1}}},
                        Case{"one pixel short", {40, 61}, 100, {{0}, {1}}},
                        Case{"three rows", {50, 50, 50, 50, 30}, 110, {{0, 1}, {2, 3}, {4}}},
                        Case{"a tab wider than the row has a row of its own", {30, 150, 30}, 100, {{0}, {1}, {2}}}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CTabCtrl::StackTabRows(c.widths, c.rowWidth), c.rows);
  }
}

// The sheet of a shape with many pages: every tab is shown in full, in rows,
// the pages lie below the rows, and a tab of an upper row is reached with
// the mouse and its row comes down to the pages.
TEST(PropertySheetTest, ASheetWithMoreTabsThanOneRowHoldsShowsThemAllInRows) {
  RegisterPages();
  std::vector<std::unique_ptr<CountingPage>> pages;
  CPropertySheet sheet("Control Properties   [SprayDryer.SpryDryr1]");
  for (const char* caption : {"Tower Safety", "Hammer", "Analog Calibration [1]", "Analog Calibration [2]",
                              "Analog Calibration [3]", "Analog Calibration [4]", "Graphic", "General Setting"}) {
    pages.push_back(std::make_unique<CountingPage>(kPageA));
    pages.back()->m_strCaption = caption;
    sheet.AddPage(pages.back().get());
  }
  ASSERT_TRUE(sheet.Create());
  CTabCtrl* tabs = sheet.GetTabControl();
  CRect control;
  tabs->GetClientRect(&control);
  const int rowHeight = [&] {
    CRect r;
    tabs->GetItemRect(0, &r);
    return r.Height();
  }();
  ASSERT_GT(rowHeight, 0);
  std::vector<CRect> rects;
  int bottom = 0;
  for (int i = 0; i < tabs->GetItemCount(); ++i) {
    CRect r;
    ASSERT_TRUE(tabs->GetItemRect(i, &r));
    EXPECT_FALSE(r.IsRectEmpty()) << "tab " << i;
    EXPECT_GE(r.left, 0) << "tab " << i;
    EXPECT_LE(r.right, control.right) << "tab " << i << " runs off the control";
    for (const CRect& other : rects) {
      CRect overlap;
      EXPECT_FALSE(overlap.IntersectRect(r, other)) << "tab " << i << " overlaps another";
    }
    EXPECT_EQ(tabs->HitTest(r.CenterPoint()), i);
    rects.push_back(r);
    bottom = std::max(bottom, static_cast<int>(r.bottom));
  }
  EXPECT_GE(bottom, 2 * rowHeight) << "more than one row";
  CRect selected;
  tabs->GetItemRect(0, &selected);
  EXPECT_EQ(selected.bottom, bottom) << "the selected tab's row lies on the pages";
  CRect page;
  pages[0]->GetWindowRect(&page);
  tabs->ScreenToClient(&page);
  EXPECT_GE(page.top, bottom) << "the page lies below every row";

  // A tab of the top row, clicked: shown, and its row moves down.
  CRect upper;
  tabs->GetItemRect(tabs->GetItemCount() - 1, &upper);
  ASSERT_LT(upper.bottom, bottom);
  QWidget* widget = tabs->GetWidget();
  const QPointF at(upper.CenterPoint().x, upper.CenterPoint().y);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  EXPECT_EQ(sheet.GetActiveIndex(), tabs->GetItemCount() - 1);
  EXPECT_TRUE(pages.back()->IsWindowVisible());
  tabs->GetItemRect(tabs->GetItemCount() - 1, &upper);
  EXPECT_EQ(upper.bottom, bottom);
  sheet.DestroyWindow();
}

}  // namespace
