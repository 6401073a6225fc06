// A small example of the visual layer, end to end: resource tables give a
// dialog template, two property pages, a bitmap and a context menu; a
// painted child window (a tank) shows the bitmap and opens the menu; its
// double click opens a property sheet; a dialog edits its level.
#include <gtest/gtest.h>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Pen.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndSurface.h"
#include "res/Resources.h"
#include "support/Doubles.h"

namespace {

// ---- The example's resource table -------------------------------------------------------
constexpr UINT kLevelDialog = 9301;
constexpr UINT kGeneralPage = 9302;
constexpr UINT kColourPage = 9303;
constexpr UINT kTankBitmap = 9304;
constexpr UINT kTankMenu = 9305;
constexpr int kLevelEdit = 1000;
constexpr UINT kCmdProperties = 1001;

void RegisterExampleResources(ResourceTable& table) {
  table.AddDialog(dlg::Dialog(kLevelDialog, "Tank Level", 160, 60, DS_MODALFRAME,
                              {dlg::LText(static_cast<UINT>(IDC_STATIC), "Level (%) :", 7, 9, 50, 8),
                               dlg::Edit(kLevelEdit, 60, 7, 40, 12), dlg::DefPushButton(IDOK, "OK", 50, 40, 50, 14),
                               dlg::PushButton(IDCANCEL, "Cancel", 103, 40, 50, 14)}));
  table.AddDialog(dlg::Dialog(kGeneralPage, "General Setting", 150, 80, WS_CHILD,
                              {dlg::GroupBox(4087, "General", 4, 4, 142, 70),
                               dlg::CheckBox(4026, "No Taring", 10, 20, 80, 10)}));
  table.AddDialog(dlg::Dialog(kColourPage, "Graphic", 150, 80, WS_CHILD,
                              {dlg::PushButton(4018, "Save Colors", 10, 10, 60, 14)}));
  ImageTemplate bitmap;
  bitmap.id = kTankBitmap;
  bitmap.width = 4;
  bitmap.height = 2;
  bitmap.palette = {{'r', RGB(255, 0, 0)}, {'b', RGB(0, 0, 255)}};
  bitmap.rows = {"rrbb", "rrbb"};
  table.AddBitmap(bitmap);
  table.AddMenu({kTankMenu, {menu::Popup("Tank", {menu::Item("Properties", kCmdProperties)})}});
}

// ---- The example's windows ---------------------------------------------------------------
class LevelDialog : public CDialog {
 public:
  explicit LevelDialog(int level) : CDialog(kLevelDialog), m_nLevel(level) {}
  int m_nLevel;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Text(dx, kLevelEdit, m_nLevel);
    DDV_MinMaxInt(dx, m_nLevel, 0, 100);
  }
};

class TankWindow : public CStatic {
 public:
  int m_nLevel = 50;
  int m_nSheetPages = 0;

 protected:
  BOOL OnEraseBkgnd(CDC*) override { return TRUE; }
  void OnPaint() override {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, RGB(50, 50, 50));
    CPen outline(PS_SOLID, 1, RGB(255, 255, 255));
    CBrush body(RGB(0, 128, 0));
    dc.SelectObject(&outline);
    dc.SelectObject(&body);
    const int top = client.bottom - client.Height() * m_nLevel / 100;
    dc.Rectangle(0, top, client.right, client.bottom);
    CBitmap badge;
    if (badge.LoadBitmap(kTankBitmap)) {
      CDC memory;
      memory.CreateCompatibleDC(&dc);
      memory.SelectObject(&badge);
      dc.BitBlt(1, 1, 4, 2, &memory, 0, 0, SRCCOPY);
    }
  }
  void OnRButtonUp(UINT, CPoint point) override {
    CMenu menu;
    menu.LoadMenu(kTankMenu);
    ClientToScreen(&point);
    menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN, point.x, point.y, this);
  }
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    if (LOWORD(wParam) == kCmdProperties) {
      CPropertyPage general(kGeneralPage), colour(kColourPage);
      CPropertySheet sheet("Control Properties   [Vessel.Tank1]", this);
      sheet.AddPage(&general);
      sheet.AddPage(&colour);
      sheet.DoModal();
      m_nSheetPages = sheet.GetPageCount();
      return TRUE;
    }
    return FALSE;
  }
};

COLORREF Pixel(CWnd& wnd, int x, int y) {
  const QRgb p = wnd.GetSurface()->image.pixel(x, y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

TEST(ExampleTest, DialogSheetAndPaintedChildFromResourceTables) {
  LoadResourceTables();
  RegisterExampleResources(ResourceTable::Instance());
  testing_support::MessageBoxDouble boxes;

  CWnd mimic;
  ASSERT_TRUE(mimic.Create("Supervise", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 150), nullptr, 0));
  TankWindow tank;
  ASSERT_TRUE(tank.Create("", WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_SIMPLE, CRect(20, 20, 60, 120), &mimic, 0x02010000));
  tank.UpdateWindow();
  EXPECT_EQ(Pixel(tank, 1, 1), RGB(255, 0, 0));      // the bitmap's red half
  EXPECT_EQ(Pixel(tank, 3, 1), RGB(0, 0, 255));      // its blue half
  EXPECT_EQ(Pixel(tank, 20, 20), RGB(50, 50, 50));   // above the level
  EXPECT_EQ(Pixel(tank, 20, 80), RGB(0, 128, 0));    // the liquid

  // The dialog: a bad level is refused, a good one saved and shown.
  LevelDialog dialog(tank.m_nLevel);
  CDialog::ModalDriver previous = CDialog::SetModalDriver([](CDialog& d) {
    d.SetDlgItemText(kLevelEdit, "150");
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    d.SetDlgItemText(kLevelEdit, "25");
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(boxes.Last().text, "Please enter an integer between 0 and 100.");
  tank.m_nLevel = dialog.m_nLevel;
  tank.Invalidate();
  tank.UpdateWindow();
  EXPECT_EQ(Pixel(tank, 20, 50), RGB(50, 50, 50));
  EXPECT_EQ(Pixel(tank, 20, 90), RGB(0, 128, 0));

  // The context menu opens the property sheet with its two pages.
  CMenu::PopupMenuHandler previousMenu = CMenu::SetPopupMenuHandler([](CMenu&) { return kCmdProperties; });
  CDialog::SetModalDriver([](CDialog& d) {
    auto& sheet = static_cast<CPropertySheet&>(d);
    EXPECT_EQ(sheet.GetActivePage()->GetCaption(), "General Setting");
    EXPECT_NE(sheet.GetActivePage()->GetDlgItem(4026), nullptr);
    sheet.SetActivePage(1);
    sheet.PressButton(PSBTN_OK);
  });
  tank.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(tank.m_nSheetPages, 2);
  CDialog::SetModalDriver(previous);
  CMenu::SetPopupMenuHandler(previousMenu);

  // The program's own tables are there too.
  CMenu frame;
  EXPECT_TRUE(frame.LoadMenu(107));
  EXPECT_EQ(frame.GetMenuString(711, MF_BYCOMMAND), "Next Frame (F4)");
  EXPECT_EQ(LoadStringResource(702), "Data Source Demo");
}

}  // namespace
