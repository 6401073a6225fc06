// The whole program and the plant's checks: a misspelt attribute name in
// the plant's name table stops the start with a message naming it, and the
// supervise view drops a queued notice whose attribute or pack has gone.
#include "AppTestSupport.h"
#include "app/VekFrameView.h"
#include "plant/Plant.h"
#include "plant/VekEngineApp.h"

using namespace app_test;

namespace {

TEST_F(AppTest, AMisspeltAttributeNameStopsTheStartWithAMessageNamingIt) {
  std::vector<PlantAttribNames> names = PlantAttribNameTable();
  names.push_back({CT_DOSE_PUMP, {"DiOnAlarmSped"}});
  app = std::make_unique<CVekFrameApp>(MakeVekPlant(names), code);
  EXPECT_EQ(app->RunProgram(), 1);
  exited = true;
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("\nDosePump.DiOnAlarmSped"), std::string::npos) << boxes.Last().text;
  EXPECT_EQ(app->m_pMainWnd, nullptr);
  EXPECT_EQ(Engine(), nullptr);
}

// Notices queued for the view, then their objects destroyed before the
// view's turn: the view must not touch them. Delivered, each would show:
// the reset command's alarm box, the recipe's download line.
TEST_F(AppTest, AQueuedNoticeWhoseObjectHasGoneIsDropped) {
  StartOnShippedData();
  auto* view = dynamic_cast<CVekFrameView*>(Frame()->GetActiveView());
  ASSERT_NE(view, nullptr);
  CPlant* plant = CPlant::GetCurrent();
  Engine()->SetDataObtainerSuspended(true);  // Demo, but the simulation rests
  ProcessPendingEvents();
  EXPECT_TRUE(plant->GetOffTableAttribNames().empty()) << *plant->GetOffTableAttribNames().begin();
  boxes.Clear();
  // The status refresh rests, so only a delivered notice could change the line.
  view->KillTimer(CVekFrameView::kStatusTimer);
  const std::string line = view->GetLabel(1134)->GetWindowText();
  ASSERT_NE(line, "Recipe is downloaded.");

  SetPrcGeneralBool(PG_VI_bResetProcess, true);  // posts its notice
  CVAttribsPack* recipe = plant->Recipe();
  ASSERT_TRUE(view->PostMessage(WM_PACK_PENDING_CHANGED, reinterpret_cast<WPARAM>(recipe), AC_WRITE_PENDING));
  C_BaseShape* pump = plant->FindDevice("FeedingPump1");
  CVAttrib* feedback = pump->GetAttrib(plant->AttribId(pump, "DiOnOffSpeed"));
  ASSERT_TRUE(view->PostMessage(WM_ATTRIB_CHANGED, reinterpret_cast<WPARAM>(feedback), AC_VALUE));
  plant->DestroyProcessData();
  plant->DestroyDevices();
  ProcessPendingEvents();

  EXPECT_TRUE(boxes.Shown().empty()) << boxes.Last().text;
  EXPECT_EQ(view->GetLabel(1134)->GetWindowText(), line);
}

}  // namespace
