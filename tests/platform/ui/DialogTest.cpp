// Dialogs from templates: control placement, notifications, data exchange
// with its refusals, modal dialogs ended from code, and modal windows kept
// where the operator can reach them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/Thread.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/ResourceTable.h"
#include "platform/ui/Static.h"
#include "support/Doubles.h"

namespace {

constexpr UINT kDialogId = 9101;
constexpr int kEditNumber = 100;
constexpr int kEditRatio = 101;
constexpr int kCheck = 102;
constexpr int kCombo = 103;
constexpr int kLabel = 104;
constexpr int kRadio1 = 105;
constexpr int kRadio2 = 106;
constexpr int kApply = 107;
constexpr int kList = 108;

void RegisterTestDialog() {
  ResourceTable::Instance().AddDialog(dlg::Dialog(kDialogId, "Settings", 200, 120, 0, {
      dlg::LText(kLabel, "Percent :", 7, 9, 50, 8),
      dlg::Edit(kEditNumber, 60, 7, 40, 12),
      dlg::Edit(kEditRatio, 60, 23, 40, 12),
      dlg::CheckBox(kCheck, "No Taring", 7, 40, 60, 10),
      dlg::Combo(kCombo, 60, 55, 80, 60),
      dlg::Group(dlg::Radio(kRadio1, "One", 7, 75, 40, 10)),
      dlg::Radio(kRadio2, "Two", 50, 75, 40, 10),
      dlg::List(kList, 110, 7, 80, 40),
      dlg::PushButton(kApply, "Apply", 7, 100, 50, 14),
      dlg::DefPushButton(IDOK, "OK", 90, 100, 50, 14),
      dlg::PushButton(IDCANCEL, "Cancel", 143, 100, 50, 14),
  }));
}

class SettingsDialog : public CDialog {
 public:
  SettingsDialog() : CDialog(kDialogId) { RegisterTestDialog(); }
  int m_nPercent = 40;
  float m_fRatio = 0.5f;
  int m_nCheck = 1;
  int m_nCombo = 2;
  int m_nRadio = 1;
  std::vector<std::pair<UINT, UINT>> commands;  // (id, code)

 protected:
  BOOL OnInitDialog() override {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(kCombo));
    for (const char* s : {"Low Speed", "High Speed", "High/Low Speed", "Analog Control"}) combo->AddString(s);
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Text(dx, kEditNumber, m_nPercent);
    DDV_MinMaxInt(dx, m_nPercent, 0, 90);
    DDX_Text(dx, kEditRatio, m_fRatio);
    DDX_Check(dx, kCheck, m_nCheck);
    DDX_CBIndex(dx, kCombo, m_nCombo);
    DDX_Radio(dx, kRadio1, m_nRadio);
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return CDialog::OnCommand(wParam, lParam);
  }
};

TEST(DialogUnitsTest, FixedRuleForEightAndOtherPointFonts) {
  EXPECT_EQ(DialogUnitsToPixels(CRect(0, 0, 807, 557)), CRect(0, 0, 1211, 905));
  EXPECT_EQ(DialogUnitsToPixels(CRect(7, 9, 57, 17)), CRect(11, 15, 86, 28));
  EXPECT_EQ(GetDialogBaseUnits(8).cx, 6);
  EXPECT_EQ(GetDialogBaseUnits(8).cy, 13);
  EXPECT_EQ(GetDialogBaseUnits(10).cx, 8);
  EXPECT_EQ(GetDialogBaseUnits(10).cy, 16);
  EXPECT_EQ(DialogUnitsToPixelsX(-3), -5);  // halves away from zero
}

TEST(DialogTest, DialogHelperPlacesTheTemplateAtTheOriginWithTheDefaultFont) {
  const DialogTemplate t = dlg::Dialog(4711, "Caption", 120, 40, WS_CHILD,
                                       {dlg::PushButton(1, "A", 0, 0, 10, 10), dlg::Edit(2, 0, 12, 10, 10)});
  EXPECT_EQ(t.id, 4711u);
  EXPECT_EQ(t.caption, "Caption");
  EXPECT_EQ(t.fontFace, DialogTemplate{}.fontFace);
  EXPECT_EQ(t.pointSize, DialogTemplate{}.pointSize);
  EXPECT_EQ(CRect(t.x, t.y, t.cx, t.cy), CRect(0, 0, 120, 40));
  EXPECT_EQ(t.style, static_cast<DWORD>(WS_CHILD));
  ASSERT_EQ(t.items.size(), 2u);
  EXPECT_EQ(t.items[1].id, 2u);
  EXPECT_EQ(t.items[1].itemClass, DlgItemClass::Edit);
}

TEST(DialogTest, TemplateMakesControlsAtTheirPixelRectangles) {
  SettingsDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  CRect client;
  dlg.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 300, 195));
  struct Case {
    int id;
    CRect units;
  };
  const Case cases[] = {{kLabel, CRect(7, 9, 57, 17)}, {kEditNumber, CRect(60, 7, 100, 19)},
                        {IDOK, CRect(90, 100, 140, 114)}, {kList, CRect(110, 7, 190, 47)}};
  for (const Case& c : cases) {
    CWnd* item = dlg.GetDlgItem(c.id);
    ASSERT_NE(item, nullptr) << c.id;
    CRect r;
    item->GetWindowRect(&r);
    dlg.ScreenToClient(&r);
    EXPECT_EQ(r, DialogUnitsToPixels(c.units)) << c.id;
  }
  EXPECT_NE(dynamic_cast<CEdit*>(dlg.GetDlgItem(kEditNumber)), nullptr);
  EXPECT_NE(dynamic_cast<CStatic*>(dlg.GetDlgItem(kLabel)), nullptr);
  EXPECT_EQ(dlg.GetDlgItem(kLabel)->GetWindowText(), "Percent :");
  EXPECT_EQ(dlg.GetDefID(), static_cast<DWORD>(IDOK));
  dlg.DestroyWindow();
}

TEST(DialogTest, InitialExchangeLoadsControls) {
  SettingsDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  EXPECT_EQ(dlg.GetDlgItemText(kEditNumber), "40");
  EXPECT_EQ(dlg.GetDlgItemText(kEditRatio), "0.5");
  EXPECT_EQ(dlg.IsDlgButtonChecked(kCheck), static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(static_cast<CComboBox*>(dlg.GetDlgItem(kCombo))->GetCurSel(), 2);
  EXPECT_EQ(dlg.GetCheckedRadioButton(kRadio1, kRadio2), kRadio2);
}

TEST(DialogTest, TextFromCodeSendsNoChangeButTypingDoes) {
  SettingsDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  dlg.commands.clear();
  auto* edit = static_cast<CEdit*>(dlg.GetDlgItem(kEditNumber));
  edit->SetWindowText("12");
  dlg.UpdateData(FALSE);  // the periodic refresh
  for (const auto& [id, code] : dlg.commands) EXPECT_NE(code, EN_CHANGE) << id;
  edit->SetSel(0, -1);
  edit->TypeText("7");
  ASSERT_FALSE(dlg.commands.empty());
  EXPECT_EQ(dlg.commands.back(), std::make_pair(static_cast<UINT>(kEditNumber), EN_CHANGE));
  EXPECT_EQ(edit->GetWindowText(), "7");
}

TEST(DialogTest, ControlsNotifyOnlyForTheUsersActions) {
  SettingsDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(kCombo));
  auto* check = static_cast<CButton*>(dlg.GetDlgItem(kCheck));
  dlg.commands.clear();
  combo->SetCurSel(0);
  check->SetCheck(BST_UNCHECKED);
  EXPECT_TRUE(dlg.commands.empty());
  combo->SelectAsUser(3);
  check->Click();
  const std::vector<std::pair<UINT, UINT>> expected = {
      {kCombo, CBN_SELCHANGE}, {kCombo, CBN_SELENDOK}, {kCheck, BN_CLICKED}};
  EXPECT_EQ(dlg.commands, expected);
  EXPECT_EQ(check->GetCheck(), BST_CHECKED);  // an automatic check box changed first
}

TEST(DialogTest, AutomaticRadioButtonsClearTheirGroup) {
  SettingsDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  static_cast<CButton*>(dlg.GetDlgItem(kRadio1))->Click();
  EXPECT_EQ(dlg.GetCheckedRadioButton(kRadio1, kRadio2), kRadio1);
  EXPECT_EQ(dlg.IsDlgButtonChecked(kRadio2), 0u);
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_nRadio, 0);
}

TEST(DialogTest, BadNumberIsRefusedWithTheStandardMessageAndFocus) {
  testing_support::MessageBoxDouble boxes;
  SettingsDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  dlg.ShowWindow(SW_SHOW);
  struct Case {
    const char* percent;
    const char* ratio;
    const char* message;
    int focus;
  };
  const Case cases[] = {
      {"12a", "0.5", "Please enter an integer.", kEditNumber},
      {"", "0.5", "Please enter an integer.", kEditNumber},
      {"91", "0.5", "Please enter an integer between 0 and 90.", kEditNumber},
      {"-1", "0.5", "Please enter an integer between 0 and 90.", kEditNumber},
      {"90", "1,5", "Please enter a number.", kEditRatio},
  };
  for (const Case& c : cases) {
    boxes.Clear();
    dlg.m_nPercent = 5;
    dlg.SetDlgItemText(kEditNumber, c.percent);
    dlg.SetDlgItemText(kEditRatio, c.ratio);
    EXPECT_FALSE(dlg.UpdateData(TRUE)) << c.percent;
    ASSERT_EQ(boxes.Count(), 1u) << c.percent;
    EXPECT_EQ(boxes.Last().text, c.message);
    EXPECT_EQ(boxes.Last().flags & MB_ICONMASK, MB_ICONEXCLAMATION);
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(c.focus)) << c.percent;
    int start = 0, end = 0;
    static_cast<CEdit*>(dlg.GetDlgItem(c.focus))->GetSel(start, end);
    EXPECT_EQ(end - start, static_cast<int>(std::string(c.focus == kEditNumber ? c.percent : c.ratio).size()));
  }
  dlg.SetDlgItemText(kEditNumber, " 90 ");
  dlg.SetDlgItemText(kEditRatio, "2.25");
  boxes.Clear();
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(boxes.Count(), 0u);
  EXPECT_EQ(dlg.m_nPercent, 90);
  EXPECT_FLOAT_EQ(dlg.m_fRatio, 2.25f);
}

TEST(DialogTest, ParsingAndFormattingUseTheCLocale) {
  long long i = 0;
  EXPECT_TRUE(ParseDialogInt("+12 ", &i));
  EXPECT_EQ(i, 12);
  EXPECT_FALSE(ParseDialogInt("1 2", &i));
  EXPECT_FALSE(ParseDialogInt("99999999999999999999", &i));
  double d = 0;
  EXPECT_TRUE(ParseDialogDouble("1e3", &d));
  EXPECT_DOUBLE_EQ(d, 1000.0);
  EXPECT_FALSE(ParseDialogDouble("0,5", &d));
  EXPECT_EQ(FormatDialogDouble(0.1f, 6), "0.1");
  EXPECT_EQ(FormatDialogDouble(1234567.0, 6), "1.23457e+06");
}

TEST(DialogTest, ModalDialogEndedByQueuedEndDialog) {
  SettingsDialog dlg;
  PostToUiThread([&] { dlg.EndDialog(42); });
  EXPECT_EQ(dlg.DoModal(), 42);
  EXPECT_FALSE(dlg.IsWindowCreated());
}

TEST(DialogTest, ModalOkValidatesThroughAMessageBoxDoubleAndSaves) {
  testing_support::MessageBoxDouble boxes;
  SettingsDialog dlg;
  int attempts = 0;
  CDialog::ModalDriver previous = CDialog::SetModalDriver([&](CDialog& d) {
    // First a bad value: the box is answered and the dialog stays open;
    // then a good one: OK ends it.
    d.SetDlgItemText(kEditNumber, "500");
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ++attempts;
    EXPECT_TRUE(d.IsWindowVisible());
    d.SetDlgItemText(kEditNumber, "33");
    static_cast<CButton*>(d.GetDlgItem(IDOK))->Click();
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  CDialog::SetModalDriver(previous);
  EXPECT_EQ(attempts, 1);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "Please enter an integer between 0 and 90.");
  EXPECT_EQ(dlg.m_nPercent, 33);
}

TEST(DialogTest, EscapeAndMissingTemplate) {
  SettingsDialog dlg;
  CDialog::ModalDriver previous = CDialog::SetModalDriver([](CDialog& d) { d.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0); });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  CDialog::SetModalDriver(previous);
  CDialog missing(9999);
  EXPECT_EQ(missing.DoModal(), -1);
}

TEST(DialogTest, DdxControlBindsAMemberInPlaceOfTheTemplateControl) {
  class Probe : public CButton {};
  class BindingDialog : public SettingsDialog {
   public:
    Probe m_apply;

   protected:
    void DoDataExchange(CDataExchange* dx) override {
      DDX_Control(dx, kApply, m_apply);
      SettingsDialog::DoDataExchange(dx);
    }
  };
  BindingDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  EXPECT_EQ(dlg.GetDlgItem(kApply), &dlg.m_apply);
  EXPECT_EQ(dlg.m_apply.GetWindowText(), "Apply");
  CRect r;
  dlg.m_apply.GetWindowRect(&r);
  dlg.ScreenToClient(&r);
  EXPECT_EQ(r, DialogUnitsToPixels(CRect(7, 100, 57, 114)));
  dlg.commands.clear();
  dlg.m_apply.Click();
  ASSERT_EQ(dlg.commands.size(), 1u);
  EXPECT_EQ(dlg.commands[0].first, static_cast<UINT>(kApply));
}

TEST(ListTest, SortedInsertAndCaseInsensitiveSearchesWrap) {
  SettingsDialog dlg;
  ASSERT_TRUE(dlg.Create(kDialogId));
  auto* list = static_cast<CListBox*>(dlg.GetDlgItem(kList));
  list->AddString("beta");
  list->AddString("Alpha");
  list->InsertString(0, "gamma");
  EXPECT_EQ(list->GetText(0), "gamma");
  EXPECT_EQ(list->FindStringExact(-1, "ALPHA"), 2);
  EXPECT_EQ(list->FindString(2, "g"), 0);  // wraps past the end
  EXPECT_EQ(list->FindString(-1, "x"), LB_ERR);
  list->SetItemData(1, 77);
  EXPECT_EQ(list->GetItemData(1), 77u);
  EXPECT_EQ(list->DeleteString(5), LB_ERR);
  EXPECT_EQ(list->DeleteString(0), 2);
  auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(kCombo));
  EXPECT_EQ(combo->GetCount(), 4);
  EXPECT_EQ(combo->FindString(-1, "high"), 1);
  EXPECT_EQ(combo->SetCurSel(9), CB_ERR);
  EXPECT_EQ(combo->GetCurSel(), CB_ERR);
}

}  // namespace

namespace {

// A dialog opened while the splash screen is the active window does not
// belong to the splash: the splash closing on its own leaves it open.
TEST(DialogTest, ClosingTheSplashLeavesAModalDialogOpen) {
  auto* splash = new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
  splash->show();
  QApplication::setActiveWindow(splash);
  SettingsDialog dlg;
  bool survived = false;
  testing_support::ModalDriverScope driver([&](CDialog& d) {
    delete splash;
    survived = d.IsWindowCreated();
    d.EndDialog(IDOK);  // ends the loop either way
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_TRUE(survived);
}

constexpr UINT kFormId = 9102;
constexpr UINT kPageId = 9103;
constexpr int kFormNotes = 120;
constexpr int kFormList = 121;
constexpr int kFormDo = 122;

// A key pressed and released with the keyboard in the widget, as the user types it.
void TypeKey(QWidget* target, int key, QChar text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(text));
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(text));
  QApplication::sendEvent(target, &release);
}

// A form embedded in a window (a panel of a view) is not a dialog that
// ends: Esc and Return leave it shown. An edit that wants Return still gets
// it, and a focused push button of the form is still pressed by it.
TEST(DialogTest, AFormEmbeddedInAWindowDoesNotEndOnEscOrReturn) {
  ResourceTable::Instance().AddDialog(dlg::Dialog(kFormId, "", 200, 100, WS_CHILD, {
      dlg::Edit(kFormNotes, 5, 5, 100, 40, ES_MULTILINE | ES_WANTRETURN | WS_TABSTOP),
      dlg::List(kFormList, 110, 5, 80, 40),
      dlg::PushButton(kFormDo, "Do", 5, 60, 40, 14, WS_TABSTOP),
  }));
  class Form : public CDialog {
   public:
    int clicks = 0;

   protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
      if (LOWORD(wParam) == kFormDo && HIWORD(wParam) == BN_CLICKED) ++clicks;
      return CDialog::OnCommand(wParam, lParam);
    }
  };
  CWnd view;
  ASSERT_TRUE(view.Create("View", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
  Form form;
  ASSERT_TRUE(form.Create(kFormId, &view));
  form.ShowWindow(SW_SHOW);
  EXPECT_TRUE(form.IsEmbeddedForm());
  const struct {
    int key;
    UINT vk;
    QChar text;
  } keys[] = {{Qt::Key_Escape, VK_ESCAPE, QChar(0x1B)}, {Qt::Key_Return, VK_RETURN, QChar('\r')}};
  for (const auto& k : keys) {
    TypeKey(form.GetDlgItem(kFormList)->GetWidget(), k.key, k.text);
    form.SendMessage(WM_KEYDOWN, k.vk, 0);
    ProcessPendingEvents();
    EXPECT_TRUE(form.IsWindowVisible()) << "key " << k.vk;
  }
  CWnd* notes = form.GetDlgItem(kFormNotes);
  notes->SetFocus();
  TypeKey(notes->GetWidget(), Qt::Key_A, QChar('a'));
  TypeKey(notes->GetWidget(), Qt::Key_Return, QChar('\r'));
  TypeKey(notes->GetWidget(), Qt::Key_B, QChar('b'));
  EXPECT_NE(notes->GetWindowText().find('\n'), std::string::npos) << notes->GetWindowText();
  form.GetDlgItem(kFormDo)->SetFocus();
  form.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(form.clicks, 1);
  EXPECT_TRUE(form.IsWindowVisible());
  view.DestroyWindow();
}

// In a property sheet the page passes Esc and Return on: the sheet takes
// them as its Cancel and OK.
TEST(DialogTest, EscAndReturnInAPropertyPageEndTheSheet) {
  ResourceTable::Instance().AddDialog(dlg::Dialog(kPageId, "Page", 150, 80, WS_CHILD, {
      dlg::Edit(kFormNotes, 5, 5, 100, 12, WS_TABSTOP),
  }));
  const struct {
    int key;
    QChar text;
    INT_PTR expected;
  } keys[] = {{Qt::Key_Escape, QChar(0x1B), IDCANCEL}, {Qt::Key_Return, QChar('\r'), IDOK}};
  for (const auto& k : keys) {
    CPropertyPage page(kPageId);
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&page);
    CDialog::ModalDriver previous = CDialog::SetModalDriver([&](CDialog& d) {
      auto& s = static_cast<CPropertySheet&>(d);
      TypeKey(s.GetActivePage()->GetDlgItem(kFormNotes)->GetWidget(), k.key, k.text);
      if (s.IsWindowVisible()) s.EndDialog(-2);  // the key did nothing
    });
    EXPECT_EQ(sheet.DoModal(), k.expected);
    CDialog::SetModalDriver(previous);
  }
}

}  // namespace

namespace {

// A modal window stays where the operator can reach it, whatever kind it is
// (a dialog or sheet of the program's, a message box): minimised (by a window
// manager's button, a taskbar) it is shown again at once, and when a window
// it blocks is activated anyway (clicked through a window manager) the
// activation goes back to it.
TEST(DialogTest, AModalWindowMinimisedOrGoneBehindIsBroughtBackAtOnce) {
  const MessageBoxHandler previousBoxes = SetMessageBoxHandler(nullptr);
  CWnd main;
  ASSERT_TRUE(main.Create("Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0));
  const std::function<INT_PTR()> kinds[] = {
      [] { return SettingsDialog().DoModal(); },
      [] { return static_cast<INT_PTR>(MessageBox("Exit?", "VekFrame", MB_YESNO)); }};
  for (const auto& run : kinds) {
    int inFrontAgain = 0;
    PostToUiThread([&] {
      QPointer<QWidget> modal;
      const auto inFront = [&] { return modal && !modal->isMinimized() && QApplication::activeWindow() == modal; };
      if (!WaitProcessingEvents([&] { return (modal = QApplication::activeModalWidget()) && inFront(); }, 5000)) return;
      modal->showMinimized();
      inFrontAgain += WaitProcessingEvents(inFront, 2000);
      main.GetWidget()->activateWindow();  // the window it blocks
      ProcessPendingEvents();
      inFrontAgain += WaitProcessingEvents(inFront, 2000);
      modal->close();
    });
    run();
    EXPECT_EQ(inFrontAgain, 2) << "kind " << (&run - kinds);
  }
  SetMessageBoxHandler(previousBoxes);
}

}  // namespace
