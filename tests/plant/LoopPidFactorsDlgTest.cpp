#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>

#include "attrib/AttribTypes.h"
#include "core/CoreTestSupport.h"
#include "plant/LoopPidFactorsDlg.h"
#include "plant/PlantTestSupport.h"
#include "platform/Thread.h"
#include "res/PlantResources.h"
#include "support/FileReplaceCount.h"

using plant_test::PlantRig;

namespace {

class LoopPidFactorsDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Start());
    ASSERT_TRUE(dlg.Create(IDD_LOOP_PID_FACTORS, nullptr));
  }
  void TearDown() override { dlg.DestroyWindow(); }
  void Type(UINT id, const std::string& text) { dlg.GetDlgItem(id)->SetWindowText(text); }
  std::string Shown(UINT id) { return dlg.GetDlgItem(id)->GetWindowText(); }
  std::string Setting(const std::string& section, const std::string& key) {
    std::string value;
    C_BaseShape::GetPackIniFile(1)->ReadString(section, key, value, "<absent>");
    return value;
  }

  PlantRig rig;
  core_test::LoginDouble logins;
  CLoopPidFactorsDlg dlg;
};

TEST_F(LoopPidFactorsDlgTest, ListsTheSixLoopsAndShowsTheFirstOnesFactors) {
  ASSERT_EQ(dlg.m_cmbLoop.GetCount(), 6);
  EXPECT_EQ(dlg.m_cmbLoop.GetLBText(0), "Vacuum");
  EXPECT_EQ(dlg.m_cmbLoop.GetLBText(5), "Moisture");
  EXPECT_EQ(dlg.m_cmbLoop.GetItemData(4), 4u);
  EXPECT_EQ(dlg.GetSelectedLoop(), rig.Plant().Loop(LOOP_VACUUM));
  EXPECT_EQ(dlg.GetWindowText(), "Loop PID Factors");
  if (const char* file = std::getenv("VEK_PID_PNG")) {
    dlg.ShowWindow(SW_SHOW);
    ProcessPendingEvents();
    dlg.GetWidget()->grab().toImage().save(file);
  }
}

TEST_F(LoopPidFactorsDlgTest, ARefusedRightsCheckSavesNothing) {
  logins.answers = {rig.User("oper")};  // an Operator, then the user gives up
  Type(IDC_PID_GAIN, "2.5");
  EXPECT_FALSE(dlg.SaveFactors());
  ASSERT_EQ(logins.purposes.size(), 2u) << "asked again after Access Denied";
  EXPECT_EQ(logins.purposes[0], "To apply PID factor changes");
  ASSERT_GE(rig.Boxes().Count(), 1u);
  EXPECT_NE(rig.Boxes().Last().text.find("Access Denied!"), std::string::npos);
  EXPECT_FLOAT_EQ(rig.Plant().Loop(LOOP_VACUUM)->GetAttribFloat(PL_Gain), 0.0f);
  EXPECT_EQ(Setting("PrcLoop.LoopVacuum", "Gain.Data"), "<absent>");
}

TEST_F(LoopPidFactorsDlgTest, AGrantedSaveWritesAllSevenFactorsAndKeepsTheUser) {
  logins.answers = {rig.User("tech")};
  ASSERT_TRUE(dlg.m_cmbLoop.SetCurSel(3) != CB_ERR);  // InletAirTemperature
  Type(IDC_PID_DEAD_BAND, "0.5");
  Type(IDC_PID_GAIN, "2.5");
  Type(IDC_PID_PERIOD_TIME, "100");
  Type(IDC_PID_PULSE_BREAK_TIME, "20");
  Type(IDC_PID_TI, "30");
  Type(IDC_PID_TD, "4");
  Type(IDC_PID_LAG_TIME, "7");
  const size_t boxes = rig.Boxes().Count();
  EXPECT_TRUE(dlg.SaveFactors());
  EXPECT_EQ(rig.Boxes().Count(), boxes) << "no message on success";
  EXPECT_EQ(dlg.GetUser(), rig.User("tech"));
  C_ProcessDataLoop* loop = rig.Plant().Loop(LOOP_INLET_AIR_TEMPERATURE);
  EXPECT_FLOAT_EQ(loop->GetAttribFloat(PL_DeadBand), 0.5f);
  EXPECT_FLOAT_EQ(loop->GetAttribFloat(PL_Gain), 2.5f);
  EXPECT_EQ(loop->GetAttribInt(PL_PerTm), 100);
  EXPECT_EQ(loop->GetAttribInt(PL_PbTm), 20);
  EXPECT_EQ(loop->GetAttribInt(PL_Ti), 30);
  EXPECT_EQ(loop->GetAttribInt(PL_Td), 4);
  EXPECT_EQ(loop->GetAttribInt(PL_TmLag), 7);
  const std::string section = "PrcLoop.LoopInletAirTemperature";
  EXPECT_EQ(Setting(section, "PerTm.Data"), "100");
  EXPECT_EQ(Setting(section, "TmLag.Data"), "7");
  EXPECT_NE(Setting(section, "Gain.Data"), "<absent>");
  EXPECT_FLOAT_EQ(rig.Plant().Loop(LOOP_VACUUM)->GetAttribFloat(PL_Gain), 0.0f) << "only the selected loop";

  // A second save reuses the user who logged in.
  Type(IDC_PID_TI, "31");
  EXPECT_TRUE(dlg.SaveFactors());
  EXPECT_EQ(logins.purposes.size(), 1u);
  EXPECT_EQ(loop->GetAttribInt(PL_Ti), 31);
}

TEST_F(LoopPidFactorsDlgTest, TheSevenFactorsReachTheFileInOneReplacement) {
  logins.answers = {rig.User("tech")};
  Type(IDC_PID_DEAD_BAND, "0.5");
  Type(IDC_PID_GAIN, "2.5");
  Type(IDC_PID_TI, "30");
  Type(IDC_PID_LAG_TIME, "7");
  testing_support::FileReplaceCount replacements;
  EXPECT_TRUE(dlg.SaveFactors());
  EXPECT_EQ(replacements.Count(), 1);
  EXPECT_EQ(Setting("PrcLoop.LoopVacuum", "Ti.Data"), "30");
  EXPECT_EQ(Setting("PrcLoop.LoopVacuum", "Gain.Data"), "2.5");
}

TEST_F(LoopPidFactorsDlgTest, AFileThatRefusesTheFactorsNamesThemInOneMessage) {
  logins.answers = {rig.User("tech")};
  const std::string path = C_BaseShape::GetPackIniFile(1)->GetFilePath();
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  Type(IDC_PID_GAIN, "2.5");
  Type(IDC_PID_TI, "30");
  const size_t boxes = rig.Boxes().Count();
  EXPECT_FALSE(dlg.SaveFactors());
  ::chmod(path.c_str(), 0644);
  ASSERT_EQ(rig.Boxes().Count(), boxes + 1) << "one message";
  const std::string text = rig.Boxes().Last().text;
  EXPECT_NE(text.find(" - Gain\n - Ti"), std::string::npos) << text;
  EXPECT_EQ(text.find("DeadBand"), std::string::npos) << "a factor the file holds already is saved";
  EXPECT_EQ(Setting("PrcLoop.LoopVacuum", "Gain.Data"), "<absent>");
}

TEST_F(LoopPidFactorsDlgTest, ABadNumberOrNoSelectionSavesNothing) {
  logins.answers = {rig.User("admin")};
  Type(IDC_PID_GAIN, "abc");
  EXPECT_FALSE(dlg.SaveFactors());
  EXPECT_FLOAT_EQ(rig.Plant().Loop(LOOP_VACUUM)->GetAttribFloat(PL_Gain), 0.0f);
  Type(IDC_PID_GAIN, "3");
  dlg.m_cmbLoop.SetCurSel(-1);
  EXPECT_FALSE(dlg.SaveFactors());
  EXPECT_FLOAT_EQ(rig.Plant().Loop(LOOP_VACUUM)->GetAttribFloat(PL_Gain), 0.0f);
  EXPECT_EQ(Setting("PrcLoop.LoopVacuum", "Gain.Data"), "<absent>");
}

TEST_F(LoopPidFactorsDlgTest, AFactorTheLoopRefusesIsNamedAndNotCalledSaved) {
  logins.answers = {rig.User("tech")};
  ASSERT_TRUE(rig.CreateWindows());
  rig.Mimic().refuseChanges = true;  // the view refuses every change
  Type(IDC_PID_GAIN, "2.5");
  EXPECT_FALSE(dlg.SaveFactors());
  EXPECT_NE(rig.Boxes().Last().text.find("were not all saved"), std::string::npos) << rig.Boxes().Last().text;
  EXPECT_NE(rig.Boxes().Last().text.find(" - Gain"), std::string::npos);
  rig.Mimic().refuseChanges = false;
  rig.Engine().ShutDown();
}

TEST_F(LoopPidFactorsDlgTest, ChangingTheLoopDiscardsUnsavedEdits) {
  rig.Plant().Loop(LOOP_SLURRY_PRESSURE)->SetAttribFloat(PL_Gain, 1.25f);
  Type(IDC_PID_GAIN, "9");
  dlg.m_cmbLoop.SelectAsUser(1);
  EXPECT_EQ(dlg.GetSelectedLoop(), rig.Plant().Loop(LOOP_SLURRY_PRESSURE));
  EXPECT_FLOAT_EQ(dlg.m_fGain, 1.25f);
  EXPECT_EQ(Shown(IDC_PID_GAIN).rfind("1.25", 0), 0u) << Shown(IDC_PID_GAIN);
  Type(IDC_PID_GAIN, "9");
  dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PID_REFRESH, BN_CLICKED), 0);
  EXPECT_EQ(Shown(IDC_PID_GAIN).rfind("1.25", 0), 0u) << "Refresh shows the stored value again";
}

}  // namespace
