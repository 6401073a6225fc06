// The supervise view in the running program (the real plant on the
// shipped data): loop buttons and their refusals, the loops' mode reports,
// process alarm messages, follow-ups that run only in Demo, the recipe
// download lines, and keys.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "AppTestSupport.h"
#include "app/RecipeDlg.h"
#include "app/RecordEdits.h"
#include "app/ShiftDlg.h"
#include "app/VekFrameView.h"
#include "plant/DeviceAttribs.h"
#include "plant/Plant.h"
#include "plant/VekEngineApp.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/BalloonTip.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/PrintPreview.h"
#include "platform/ui/WndSurface.h"
#include "records/CADODatabase.h"
#include "res/AppResources.h"
#include "shapes/BaseShape.h"
#include "shapes/fixture/DialogDriver.h"
#include "tests/records/RecordsTestSupport.h"

using namespace app_test;

namespace {

class SuperviseViewTest : public AppTest {
 protected:
  void Start(bool bFreshDatabase = false) {
    CopyShippedData();
    if (bFreshDatabase) std::filesystem::remove(File("-DataBase.mdb"));
    app = std::make_unique<CVekFrameApp>(MakeVekPlant(), code);
    ASSERT_TRUE(app->InitInstance());
    ProcessPendingEvents();
    view = dynamic_cast<CVekFrameView*>(Frame()->GetActiveView());
    plant = CPlant::GetCurrent();
    ASSERT_NE(view, nullptr);
    ASSERT_NE(plant, nullptr);
    boxes.Clear();
  }
  // The PLC's recipe made equal to the active one (as a download does).
  void DownloadActiveRecipe() {
    record_edits::DownloadRecipe(*plant->Recipe(), plant->Tables().pRecipe->GetActiveFields());
    ProcessPendingEvents();
  }
  // Waits (processing events, the Demo cycles running) until done; false after 3 s.
  static bool WaitFor(const std::function<bool()>& done) { return WaitProcessingEvents(done, 3000); }
  bool InAutomat(int loop) const { return plant->Loop(loop)->GetAttribBool(PL_InAutomat); }
  DeviceAttribs Device(const char* name) const { return DeviceAttribs(*plant, plant->FindDevice(name)); }

  CVekFrameView* view = nullptr;
  CPlant* plant = nullptr;
};

TEST_F(SuperviseViewTest, ALoopInAutomaticGoesManualWithoutAnyCheck) {
  Start(true);  // no active shift or recipe: the checks would refuse
  plant->Loop(2)->SetAttribBoolIfChanged(PL_InAutomat, true);
  view->OnLoopButton(2);
  EXPECT_FALSE(InAutomat(2));
  EXPECT_TRUE(boxes.Shown().empty()) << boxes.Last().text;
  ProcessPendingEvents();
  EXPECT_EQ(view->GetLoopButton(2).GetCheck(), 0) << "the button follows the attribute";
}

TEST_F(SuperviseViewTest, WithoutAnActiveShiftTheRequestIsRefusedAndTheShiftWindowOpens) {
  Start(true);
  int shiftWindows = 0;
  ModalDriverScope driver([&](CDialog& dialog) {
    if (dynamic_cast<CShiftDlg*>(&dialog)) ++shiftWindows;
    dialog.EndDialog(IDCANCEL);
  });
  view->OnLoopButton(0);
  ProcessPendingEvents();
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "Loop Automation Error:\n\nبراي شروع پروسس اتومات، نياز به ثبت شيفت فعال است");
  EXPECT_EQ(boxes.Last().flags & (MB_ICONHAND | MB_SYSTEMMODAL), MB_ICONHAND | MB_SYSTEMMODAL);
  EXPECT_EQ(shiftWindows, 1);
  EXPECT_FALSE(InAutomat(0));
  EXPECT_EQ(view->GetLoopButton(0).GetCheck(), 0);
}

TEST_F(SuperviseViewTest, ARecipeNotYetInThePlcOpensTheRecipeWindowWithoutABox) {
  Start();
  ASSERT_EQ(Frame()->GetRecipeWindow(), nullptr);
  view->OnLoopButton(0);
  ProcessPendingEvents();
  EXPECT_TRUE(boxes.Shown().empty()) << boxes.Last().text;
  EXPECT_NE(dynamic_cast<CRecipeDlg*>(Frame()->GetRecipeWindow()), nullptr) << "the recipe window opened";
  EXPECT_FALSE(InAutomat(0));
}

TEST_F(SuperviseViewTest, ALoopGoesAutomaticOnceItsDrivesRunAndStaysManualWhileNotUnderThePlc) {
  Start();
  DownloadActiveRecipe();
  // Demo starts the suction fan; its feedback follows in the next cycles.
  ASSERT_TRUE(WaitFor([&] { return Device("SuctionFan").Bool("DiOnOffSpeed"); }));
  view->OnLoopButton(0);
  EXPECT_TRUE(InAutomat(0));
  ProcessPendingEvents();
  EXPECT_EQ(view->GetLoopButton(0).GetCheck(), 1);
  // Demo leaves the moisture loop out of the PLC's control.
  view->OnLoopButton(5);
  EXPECT_FALSE(InAutomat(5));
  std::string reason;
  EXPECT_FALSE(view->CanLoopGoAutomatic(5, &reason));
  EXPECT_NE(reason.find("لوپ  در اختيار پي ال سي نيست"), std::string::npos) << reason;
  EXPECT_TRUE(boxes.Shown().empty()) << "the reason goes to a balloon";
}

TEST_F(SuperviseViewTest, ModeChangesAreReportedOnlyAfterTheFirstThirtySeconds) {
  testing_support::ClockDouble clock;
  Start();
  view->OnLoopAttribChanged(0, PL_InAutomat, false);
  EXPECT_TRUE(boxes.Shown().empty()) << "start-up stays quiet";
  clock.Advance(31000);
  CVekEngineBase::GetEngine()->IsMainWndShown();
  view->OnLoopAttribChanged(0, PL_InAutomat, false);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text.rfind("The [Vacuum] loop became Manual!", 0), 0u) << boxes.Last().text;
  boxes.Clear();
  view->OnLoopAttribChanged(0, PL_InAutomat, true);
  EXPECT_TRUE(boxes.Shown().empty()) << "becoming automatic is recorded and shown in a balloon";
  view->OnLoopAttribChanged(0, PL_InPlcCtrl, false);
  EXPECT_TRUE(boxes.Shown().empty()) << "PLC control is not reported";
}

// A loop button's click shows its balloon over the button (the status
// balloon when the loop went automatic, the error balloon when it may not).
// A click or a double-click there at once closes the balloon and never
// reaches the hot button beneath: the loop keeps its mode.
TEST_F(SuperviseViewTest, AClickOnALoopButtonsBalloonClosesItAndLeavesTheLoopAlone) {
  testing_support::ClockDouble clock;
  Start();
  DownloadActiveRecipe();
  ASSERT_TRUE(WaitFor([&] { return Device("SuctionFan").Bool("DiOnOffSpeed"); }));
  clock.Advance(31000);  // the mode reports begin
  QWidget* window = view->GetWidget()->window();
  CPoint at;
  const auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
    QMouseEvent e(type, window->mapFromGlobal(QPointF(at.x, at.y)), QPointF(at.x, at.y), Qt::LeftButton, held, {});
    QApplication::sendEvent(window->windowHandle(), &e);
  };
  const auto balloonAt = [&] { return dynamic_cast<CBalloonTip*>(CWnd::WindowFromPoint(at)) != nullptr; };
  for (const bool twice : {false, true}) {
    for (const int loop : {0, 5}) {  // Moisture: Demo leaves it out of the PLC's control
      SCOPED_TRACE(std::to_string(loop) + (twice ? ", double-click" : ", click"));
      plant->Loop(loop)->SetAttribBoolIfChanged(PL_InAutomat, false);
      ProcessPendingEvents();
      CRect r;
      view->GetLoopButton(loop).GetWindowRect(&r);
      at = r.CenterPoint();
      send(QEvent::MouseMove, Qt::NoButton);  // the button turns hot and holds the mouse
      send(QEvent::MouseButtonPress, Qt::LeftButton);
      send(QEvent::MouseButtonRelease, Qt::NoButton);
      ASSERT_TRUE(WaitFor(balloonAt));
      send(QEvent::MouseButtonPress, Qt::LeftButton);
      if (twice) send(QEvent::MouseButtonDblClick, Qt::LeftButton);
      send(QEvent::MouseButtonRelease, Qt::NoButton);
      EXPECT_FALSE(balloonAt());
      EXPECT_EQ(InAutomat(loop), loop == 0);
    }
  }
}

TEST_F(SuperviseViewTest, AnAlarmMessageIsShownOnceAndAcknowledged) {
  Start();
  SetPrcAlarmBool(17, PA_VI_bAlarmMsg, true);
  ProcessPendingEvents();
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().caption, "AlarmCode: 18, Input InterLuck");
  EXPECT_EQ(boxes.Last().text.rfind("آلارم شماره 18\r\nاينترلاکهاي ورودي برقرار نيستند\r\n", 0), 0u);
  EXPECT_TRUE(GetPrcAlarmBool(17, PA_VI_bAlarmAck));
  SetPrcAlarmBool(17, PA_VI_bAlarmMsg, false);
  ProcessPendingEvents();
  EXPECT_EQ(boxes.Count(), 1u) << "a message that goes false shows nothing";
}

TEST_F(SuperviseViewTest, TheResetCommandIsRecordedAsAnAlarm) {
  Start();
  SetPrcGeneralBool(PG_VI_bResetProcess, true);
  ProcessPendingEvents();
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text.rfind("فرمان ريست پروسس داده شد", 0), 0u) << boxes.Last().text;
}

TEST_F(SuperviseViewTest, DriveFollowUpsWriteSimulatedValuesOnlyInDemo) {
  Start();
  DeviceAttribs pump = Device("FeedingPump1");
  pump.SetBool("AutoCntrlSpeed", false);  // the walk leaves it alone
  pump.SetFloat("Speed", 40.0f);
  CVekEngineBase::GetEngine()->SetDataSourceType(CVekEngineBase::eDataSourceNone);
  ProcessPendingEvents();
  pump.SetBool("DiOnOffSpeed", false);
  ProcessPendingEvents();
  EXPECT_EQ(pump.Float("Speed"), 40.0f) << "without Demo a stopped drive keeps its measured speed";
  CVekEngineBase::GetEngine()->SetDataSourceType(CVekEngineBase::eDataSourceDemo);
  pump.SetBool("AutoCntrlSpeed", false);
  pump.SetBool("DoOnOffSpeed", true);
  ASSERT_TRUE(WaitFor([&] { return pump.Bool("DiOnOffSpeed"); }));
  ProcessPendingEvents();
  EXPECT_EQ(pump.Float("Speed"), DeviceAttribs::Scaled(pump.Float("MaxVluSpeed"), 0.5)) << "running: half speed";
  pump.SetBool("DoOnOffSpeed", false);
  ASSERT_TRUE(WaitFor([&] { return !pump.Bool("DiOnOffSpeed"); }));
  ProcessPendingEvents();
  EXPECT_EQ(pump.Float("Speed"), 0.0f);
}

TEST_F(SuperviseViewTest, TheBeltsSpeedFollowsFlowAndLoadAndALoadOfZeroDividesNothing) {
  Start();
  CVekEngineBase::GetEngine()->SetDataObtainerSuspended(true);  // Demo, but the simulation rests
  ProcessPendingEvents();
  DeviceAttribs belt = Device("MeasuringBelt");
  belt.SetFloat("Speed", 12.0f);
  belt.SetFloat("Load", 0.0f);
  belt.SetFloat("Flow", 300.0f);
  ProcessPendingEvents();
  EXPECT_EQ(belt.Float("Speed"), 12.0f) << "no load: the speed stays";
  belt.SetFloat("Load", 27.02f);
  belt.SetFloat("Flow", 40.0f);
  ProcessPendingEvents();
  EXPECT_NEAR(belt.Float("Speed"), 40.0f, 1e-3) << "Flow x 27.02 / Load";
}

TEST_F(SuperviseViewTest, RecipeDownloadLinesFollowTheRecipesWritePending) {
  Start();
  // The recipe object's write-pending state, as a download's pending tag
  // writes set and clear it; the view hears it through the posted notice.
  plant->Recipe()->SetWritePending(true);
  ProcessPendingEvents();
  EXPECT_EQ(view->GetLabel(1134)->GetWindowText(), "Recipe is downloading to PLC...");
  EXPECT_TRUE(GetPrcGeneralBool(PG_VI_bRecipeIsDownloading));
  plant->Recipe()->SetWritePending(false);
  ProcessPendingEvents();
  EXPECT_EQ(view->GetLabel(1134)->GetWindowText(), "Recipe is downloaded.");
  EXPECT_FALSE(GetPrcGeneralBool(PG_VI_bRecipeIsDownloading));
  // Another pack's pending state is not the recipe's.
  view->SendMessage(WM_PACK_PENDING_CHANGED, reinterpret_cast<WPARAM>(plant->Shift()), AC_WRITE_PENDING);
  EXPECT_EQ(view->GetLabel(1134)->GetWindowText(), "Recipe is downloaded.");
}

TEST_F(SuperviseViewTest, PrintPreviewShowsTheViewsPrintoutAndCloseLeavesIt) {
  Start();
  int previews = 0;
  int pages = 0;
  const CDialog::ModalDriver previous = CDialog::SetModalDriver([&](CDialog& dialog) {
    if (auto* preview = dynamic_cast<CPrintPreviewDlg*>(&dialog)) {
      ++previews;
      pages = preview->GetPageCount();
    }
    dialog.EndDialog(IDCANCEL);
  });
  view->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT_PREVIEW, 0), 0);
  CDialog::SetModalDriver(previous);
  EXPECT_EQ(previews, 1);
  EXPECT_EQ(pages, 1);
  EXPECT_TRUE(boxes.Shown().empty()) << boxes.Last().text;
}

// Every menu command the view answers is reported as handled, so a menu
// item of it is enabled: trends, close, print, direct print, preview.
TEST_F(SuperviseViewTest, EveryMenuCommandTheViewAnswersCountsAsHandled) {
  Start();
  const CView& asView = *view;
  for (UINT id : {app_res::ID_TREND_FRAME, ID_FILE_CLOSE, ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW})
    EXPECT_TRUE(asView.IsCommandHandled(id)) << id;
  // A loop button's id is a click, not a menu command.
  EXPECT_FALSE(asView.IsCommandHandled(1011));
}

TEST_F(SuperviseViewTest, EachLoopButtonsCommandIdReachesItsLoop) {
  Start(true);  // going manual needs no check, so no shift or recipe is needed
  // The loop each button's command id serves, as the form lays them out.
  const struct {
    UINT id;
    int loop;
  } rows[] = {{1011, 0}, {1010, 1}, {1009, 2}, {1007, 3}, {1006, 4}, {1008, 5}};
  for (const auto& row : rows) {
    for (int i = 0; i < kLoopCount; ++i) plant->Loop(i)->SetAttribBoolIfChanged(PL_InAutomat, true);
    ASSERT_TRUE(shape_test::ClickOn(*view, row.id)) << row.id;
    for (int i = 0; i < kLoopCount; ++i)
      EXPECT_EQ(InAutomat(i), i != row.loop) << "button " << row.id << ", loop " << i;
  }
  // The same id from a menu or an accelerator (no button behind it) is not a click.
  plant->Loop(0)->SetAttribBoolIfChanged(PL_InAutomat, true);
  view->SendMessage(WM_COMMAND, MAKEWPARAM(1011, 0), 0);
  EXPECT_TRUE(InAutomat(0));
}

TEST_F(SuperviseViewTest, ShiftTotalsAreWrittenIntoTheActiveShiftRow) {
  Start();
  CShiftRS& shifts = *plant->Tables().pShift;
  ASSERT_TRUE(shifts.HasActiveRecord());
  const std::int64_t rowsBefore = shifts.GetRecordCount();
  C_ProcessDataShift& shift = *plant->Shift();
  shift.SetAttribFloat(PS_TotalProduced, 1234.5f);
  shift.SetAttribInt(PS_TotalTime, 3600);
  shift.SetAttribInt(PS_UsefulTime, 3000);
  shift.SetAttribInt(PS_TotalSlurry, 4567);
  ProcessPendingEvents();
  CShiftFields row;
  ASSERT_TRUE(records_test::ReadActiveShiftRow(shifts, &row));
  EXPECT_EQ(row.m_strOperatorName, shifts.GetActiveFields().m_strOperatorName);
  EXPECT_DOUBLE_EQ(row.m_fTotalProduced, 1234.5);
  EXPECT_EQ(row.m_lTotalTime, 3600);
  EXPECT_EQ(row.m_lUsefulTime, 3000);
  EXPECT_DOUBLE_EQ(row.m_fTotalSlurry, 4567.0);
  EXPECT_EQ(shifts.GetRecordCount(), rowsBefore) << "the row is rewritten, none added";
  // Another shift attribute writes nothing.
  shift.SetAttribInt(PS_RecordId, 99);
  ProcessPendingEvents();
  ASSERT_TRUE(records_test::ReadActiveShiftRow(shifts, &row));
  EXPECT_EQ(row.m_lTotalTime, 3600);
}

// The recipe history rows, read from the table.
std::vector<CHistoryFields<CRecipeFields>> HistoryRows(CTableHistoryRS<CRecipeRS>& history) {
  std::vector<CHistoryFields<CRecipeFields>> rows;
  for (bool more = history.MoveFirst(); more; more = history.MoveNext()) {
    CHistoryFields<CRecipeFields> row;
    if (!history.ReadCurrentRecord(row)) break;
    rows.push_back(row);
  }
  return rows;
}

TEST_F(SuperviseViewTest, EveryActiveRecipeSetHasOneHistoryRowAlsoAtStartUp) {
  CopyShippedData();
  size_t shipped = 0;
  {
    // The shipped database as it is before the program starts.
    CADODatabase database;
    database.Open(File("-DataBase.mdb"));
    CTableHistoryRS<CRecipeRS> history;
    history.SetDatabase(&database);
    ASSERT_TRUE(history.SetTableName(CTableHistoryRS<CRecipeRS>::kTableName));
    shipped = HistoryRows(history).size();
  }
  Start();
  CTableHistoryRS<CRecipeRS>& history = *plant->Tables().pRecipeHistory;
  CRecipeRS& recipes = *plant->Tables().pRecipe;
  std::vector<CHistoryFields<CRecipeFields>> rows = HistoryRows(history);
  ASSERT_EQ(rows.size(), shipped + 1) << "the active recipe found at start-up";
  EXPECT_EQ(rows.back().m_strRecipeName, "Standard Powder");
  EXPECT_EQ(rows.back().m_nRecordID, recipes.GetActiveFields().m_nRecordID);
  EXPECT_TRUE(rows.back().m_bIsActive);
  EXPECT_FLOAT_EQ(rows.back().GetLoopItemValue(16), recipes.GetActiveFields().GetLoopItemValue(16));
  EXPECT_GT(rows.back().m_dtSavedDateTime, 0.0);
  EXPECT_FALSE(rows.back().m_strSavedDateTimeShamsi.empty());

  // An activation writes its row in its own transaction; its notice adds none.
  CRecipeFields other = recipes.GetActiveFields();
  other.m_strRecipeName = "Second";
  const int id = record_edits::AddRecipe(recipes, other);
  ASSERT_GE(id, 0);
  ASSERT_TRUE(record_edits::ActivateRecipe(recipes, &history, id));
  ProcessPendingEvents();
  rows = HistoryRows(history);
  ASSERT_EQ(rows.size(), shipped + 2) << "one row per activation";
  EXPECT_EQ(rows.back().m_strRecipeName, "Second");
  EXPECT_FALSE(recipes.TakeHistoryWrittenNotice()) << "the notice was counted off";

  // The same recipe found active again (as at a start): a row of its own.
  recipes.SetActiveRecord(recipes.FindActiveRecord());
  ProcessPendingEvents();
  rows = HistoryRows(history);
  ASSERT_EQ(rows.size(), shipped + 3);
  EXPECT_EQ(rows.back().m_nRecordID, id);
}


TEST_F(SuperviseViewTest, EnterShowsTheKeyBoxAndTheStatusNamesTheSource) {
  Start();
  view->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "Enter(Return) Key's been peressed");
  EXPECT_EQ(boxes.Last().caption, "Key Pressing Test");
  view->RefreshStatus();
  EXPECT_EQ(view->GetLabel(1130)->GetWindowText(), "DataSource: Demo");
  EXPECT_TRUE(view->GetLabel(1130)->IsBlinking()) << "Demo blinks";
  EXPECT_TRUE(view->GetLabel(1139)->IsBlinking()) << "the PLC's recipe still differs";
  DownloadActiveRecipe();
  view->RefreshStatus();
  EXPECT_FALSE(view->GetLabel(1139)->IsBlinking());
  EXPECT_EQ(view->GetLabel(1139)->GetWindowText(), "SPT: 350, AIT: 420  ");
}

// This build has no hardware link: Real HW shows start values, so the
// operator is told once per choice and the source line never looks live.
TEST_F(SuperviseViewTest, RealHwWithoutALinkIsToldOnceAndItsSourceLineKeepsBlinking) {
  Start();
  Command(app_res::ID_DATASOURCE_REAL);
  ASSERT_TRUE(WaitFor([] { return CVekEngineBase::GetEngine()->IsDataSourceIdle(); }));
  ProcessPendingEvents();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{CVekEngineBase::kNoHardwareLinkText});
  for (int tick = 0; tick < 3; ++tick) view->RefreshStatus();
  EXPECT_EQ(view->GetLabel(1130)->GetWindowText(), "DataSource: Real HW");
  EXPECT_TRUE(view->GetLabel(1130)->IsBlinking()) << "no link: not live";
  Command(app_res::ID_DATASOURCE_REAL);
  EXPECT_EQ(boxes.Count(), 1u) << "the active source chosen again tells nothing more";
}

}  // namespace

namespace {

// On a screen smaller than the form the mimic scrolls: its far corner
// (System Status) comes into view, and what scrolling uncovers is painted
// as the mimic, not left in the window's default colour.
TEST_F(SuperviseViewTest, OnASmallScreenTheMimicScrollsToItsFarCornerAndPaintsWhatItUncovers) {
  Start();
  CWnd* outer = Frame();
  outer->ShowWindow(SW_RESTORE);
  outer->MoveWindow(0, 0, 1024, 768);
  ProcessPendingEvents();
  CRect client;
  view->GetClientRect(&client);
  ASSERT_LT(client.Height(), view->GetTotalSize().cy);
  SCROLLINFO info;
  ASSERT_TRUE(view->GetScrollInfo(SB_VERT, &info));
  EXPECT_EQ(info.nMax + 1, view->GetTotalSize().cy) << "the form's height is the scroll size";
  CWnd* status = view->GetDlgItem(1101);
  ASSERT_NE(status, nullptr);
  auto inView = [&](CWnd* wnd) {
    CRect r;
    wnd->GetWindowRect(&r);
    view->ScreenToClient(&r);
    view->GetClientRect(&client);
    return r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom;
  };
  EXPECT_FALSE(inView(status));
  // Step by step, as clicks on the bars' arrows do, each followed by its paint.
  for (int i = 0; i < 40; ++i) {
    view->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    view->SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    ProcessPendingEvents();
  }
  EXPECT_TRUE(inView(status)) << "System Status reached";
  const QImage pixels = view->GetSurface()->image;
  const COLORREF mimic = C_BaseShape::GetMimicBgColor();
  const QColor expected(GetRValue(mimic), GetGValue(mimic), GetBValue(mimic));
  // The right and bottom edges of the client area were uncovered by the scroll.
  for (const CPoint& p : {CPoint(client.right - 3, client.top + 3), CPoint(client.left + 3, client.bottom - 3)})
    EXPECT_EQ(pixels.pixelColor(p.x, p.y), expected) << "at " << p.x << "," << p.y;
}

}  // namespace
