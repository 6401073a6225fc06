// Each of the six loop buttons follows its own loop, the last (Moisture)
// included, in the running program (the real plant on the shipped data,
// the data source None): a loop's automatic mode checks its button, and
// its PLC control colours the button's text green, else red.
#include <string>

#include "AppTestSupport.h"
#include "app/VekFrameView.h"
#include "plant/Plant.h"
#include "plant/ProcessDataAttribs.h"

using namespace app_test;

namespace {

constexpr int kLoops = 6;

class LoopButtonsEveryLoopTest : public StillPlantTest {
 protected:
  void SetUp() override {
    StillPlantTest::SetUp();
    if (HasFatalFailure()) return;
    for (int loop = 0; loop < kLoops; ++loop) {
      plant->Loop(loop)->SetAttribBoolIfChanged(PL_InAutomat, false);
      plant->Loop(loop)->SetAttribBoolIfChanged(PL_InPlcCtrl, true);
    }
    ProcessPendingEvents();
  }
  // The buttons' states: "1" checked, "0" not; "G" green text, "R" red.
  std::string Checks() const {
    std::string s;
    for (int loop = 0; loop < kLoops; ++loop) s += view->GetLoopButton(loop).GetCheck() ? "1" : "0";
    return s;
  }
  std::string TextColours() const {
    std::string s;
    for (int loop = 0; loop < kLoops; ++loop) {
      const COLORREF text = view->GetLoopButton(loop).GetColor(1);
      s += text == RGB(0, 255, 0) ? "G" : text == RGB(255, 0, 0) ? "R" : "?";
    }
    return s;
  }

};

TEST_F(LoopButtonsEveryLoopTest, EachButtonIsCheckedByItsOwnLoopsAutomaticMode) {
  ASSERT_EQ(Checks(), "000000");
  for (int loop = 0; loop < kLoops; ++loop) {
    SCOPED_TRACE("loop " + std::to_string(loop));
    plant->Loop(loop)->SetAttribBoolIfChanged(PL_InAutomat, true);
    ProcessPendingEvents();
    std::string expected(kLoops, '0');
    expected[static_cast<size_t>(loop)] = '1';
    EXPECT_EQ(Checks(), expected);
    plant->Loop(loop)->SetAttribBoolIfChanged(PL_InAutomat, false);
    ProcessPendingEvents();
    EXPECT_EQ(Checks(), "000000");
  }
}

TEST_F(LoopButtonsEveryLoopTest, EachButtonsTextIsColouredByItsOwnLoopsPlcControl) {
  ASSERT_EQ(TextColours(), "GGGGGG");
  for (int loop = 0; loop < kLoops; ++loop) {
    SCOPED_TRACE("loop " + std::to_string(loop));
    plant->Loop(loop)->SetAttribBoolIfChanged(PL_InPlcCtrl, false);
    ProcessPendingEvents();
    std::string expected(kLoops, 'G');
    expected[static_cast<size_t>(loop)] = 'R';
    EXPECT_EQ(TextColours(), expected);
    plant->Loop(loop)->SetAttribBoolIfChanged(PL_InPlcCtrl, true);
    ProcessPendingEvents();
  }
}

TEST_F(AppTest, AfterTheStartEveryLoopButtonShowsItsLoop) {
  StartOnShippedData();  // Demo: every loop but Moisture under the PLC, none automatic
  auto* view = dynamic_cast<CVekFrameView*>(Frame()->GetActiveView());
  ASSERT_NE(view, nullptr);
  for (int loop = 0; loop < kLoops; ++loop) {
    const bool inPlc = CPlant::GetCurrent()->Loop(loop)->GetAttribBool(PL_InPlcCtrl);
    EXPECT_EQ(inPlc, loop != 5) << "loop " << loop;
    EXPECT_EQ(view->GetLoopButton(loop).GetColor(1), inPlc ? RGB(0, 255, 0) : RGB(255, 0, 0)) << "loop " << loop;
    EXPECT_EQ(view->GetLoopButton(loop).GetCheck(), 0) << "loop " << loop;
  }
}

}  // namespace
