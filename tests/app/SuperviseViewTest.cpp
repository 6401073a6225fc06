// The supervise view in the running program (the real plant on the
// shipped data): loop buttons and their refusals, the loops' mode reports,
// process alarm messages, follow-ups that run only in Demo, the recipe
// download lines, and keys.
#include <QImage>

#include "AppTestSupport.h"
#include "app/RecordEdits.h"
#include "app/VekFrameView.h"
#include "plant/DeviceAttribs.h"
#include "plant/Plant.h"
#include "plant/VekEngineApp.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/WndSurface.h"
#include "shapes/BaseShape.h"

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
  AppWindowSlots().showShiftWindow = [&] { ++shiftWindows; };
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
  int recipeWindows = 0;
  AppWindowSlots().createRecipeWindow = [&]() -> CWnd* {
    ++recipeWindows;
    return nullptr;
  };
  view->OnLoopButton(0);
  ProcessPendingEvents();
  EXPECT_TRUE(boxes.Shown().empty()) << boxes.Last().text;
  EXPECT_EQ(recipeWindows, 1);
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
  view->SendMessage(WM_PACK_PENDING_CHANGED, reinterpret_cast<WPARAM>(plant->Recipe()), AC_WRITE_PENDING);
  EXPECT_EQ(view->GetLabel(1134)->GetWindowText(), "Recipe is downloaded.");
  EXPECT_FALSE(GetPrcGeneralBool(PG_VI_bRecipeIsDownloading));
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
