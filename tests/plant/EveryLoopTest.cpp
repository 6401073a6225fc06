// The plant engine's rules that walk the six loops, tried on each loop, the
// last one (Moisture) included: the Demo start puts every loop in manual
// under the PLC but the Moisture loop, and a Demo cycle takes any loop out
// of automatic that is not under the PLC's control.
#include <gtest/gtest.h>

#include <string>

#include "attrib/AttribTypes.h"
#include "plant/PlantTestSupport.h"
#include "plant/VekEngineApp.h"

using plant_test::PlantRig;

namespace {

constexpr int kLoops = 6;

class EveryLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Start());
    rig.CreateWindowsWithoutThreads();
  }
  bool InPlc(int loop) { return rig.Plant().Loop(loop)->GetAttribBool(PL_InPlcCtrl); }
  bool InAutomat(int loop) { return rig.Plant().Loop(loop)->GetAttribBool(PL_InAutomat); }
  void Set(int loop, bool inPlc, bool inAutomat) {
    rig.Plant().Loop(loop)->SetAttribBool(PL_InPlcCtrl, inPlc);
    rig.Plant().Loop(loop)->SetAttribBool(PL_InAutomat, inAutomat);
  }
  PlantRig rig;
};

TEST_F(EveryLoopTest, TheDemoStartPutsEveryLoopInManualAndAllButMoistureUnderThePlc) {
  for (int loop = 0; loop < kLoops; ++loop) Set(loop, false, true);
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  rig.Deliver();
  for (int loop = 0; loop < kLoops; ++loop) {
    EXPECT_FALSE(InAutomat(loop)) << "loop " << loop;
    EXPECT_EQ(InPlc(loop), loop != LOOP_MOISTURE) << "loop " << loop;
  }
}

TEST_F(EveryLoopTest, ADemoCycleTakesEachLoopNotUnderThePlcOutOfAutomaticAndNoOther) {
  ASSERT_TRUE(rig.Engine().SetDataSourceType(CVekEngineBase::eDataSourceDemo));
  for (int outside = 0; outside < kLoops; ++outside) {
    SCOPED_TRACE("loop " + std::to_string(outside) + " not under the PLC");
    for (int loop = 0; loop < kLoops; ++loop) Set(loop, loop != outside, true);
    rig.Engine().SimulateDemoFeedback();
    for (int loop = 0; loop < kLoops; ++loop) EXPECT_EQ(InAutomat(loop), loop != outside) << "loop " << loop;
  }
}

}  // namespace
