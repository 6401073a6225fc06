// The rights check of the loop PID factors' Save, with each group alone:
// Technical and Plant-Admin save, every other group is refused. Each run
// opens a fresh dialog, so no user is kept from the run before.
#include <gtest/gtest.h>

#include "attrib/AttribTypes.h"
#include "plant/LoopPidFactorsDlg.h"
#include "plant/PlantTestSupport.h"
#include "res/PlantResources.h"
#include "support/RightsTable.h"

namespace {

TEST(PidRightsTest, SaveAdmitsTechnicalAndPlantAdminEachAlone) {
  plant_test::PlantRig rig;
  ASSERT_TRUE(rig.Start());
  rights_test::GroupUsers users;
  core_test::LoginDouble login;
  C_ProcessDataLoop* vacuum = rig.Plant().Loop(LOOP_VACUUM);
  rights_test::ExpectGroupsOfCheck(rights_test::kPidFactors, users, login, rig.Boxes(), [&] {
    vacuum->SetAttribFloat(PL_Gain, 0.0f);
    CLoopPidFactorsDlg dlg;
    EXPECT_TRUE(dlg.Create(IDD_LOOP_PID_FACTORS, nullptr));
    dlg.GetDlgItem(IDC_PID_GAIN)->SetWindowText("2.5");
    const bool saved = dlg.SaveFactors();
    dlg.DestroyWindow();
    EXPECT_EQ(saved, vacuum->GetAttribFloat(PL_Gain) == 2.5f);
    return vacuum->GetAttribFloat(PL_Gain) == 2.5f;
  });
}

}  // namespace
