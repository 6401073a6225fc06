// The analog calibration page and its calibrators: layout, auto refresh,
// the Technical rights check, Apply with its log line, stored values, the
// unit's percent and the bound tag's range, and a refused number.
#include <gtest/gtest.h>

#include "core/AccessLog.h"
#include "core/DCTag.h"
#include "platform/ui/BalloonTip.h"
#include "core/VekUtils.h"
#include "shapes/fixture/DialogDriver.h"
#include "shapes/fixture/Logins.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"
#include "shapes/pages/AnalogCalibrationPage.h"

namespace {

using namespace shape_test;

constexpr UINT kApply = 4000;
constexpr UINT kPhysical = 4074;
constexpr UINT kMaxPhy = 4052;
constexpr UINT kMinPhy = 4054;
constexpr UINT kMaxPort = 4053;
constexpr UINT kPort = 4075;

class CalibrationPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    C_BaseShapePropSheet::SetRememberedPage(0);
    SetAccessLogFile(m_dir.File("Test-Log.log"));
  }
  void TearDown() override { SetAccessLogFile(""); }
  // Runs body on the first calibrator of the shape's calibration page.
  void OnCalibrator(C_BaseShape& shape,
                    const std::function<void(C_BaseShapePropSheet&, CAnalogCalibrationPage&, CAnalogCalibratorCtrl&)>& body) {
    EXPECT_TRUE(InPropertySheet(shape, [&](C_BaseShapePropSheet& sheet) {
      auto* page = ShowPage<CAnalogCalibrationPage>(sheet);
      ASSERT_NE(page, nullptr);
      ASSERT_GE(page->GetCreatedCalibratorCount(), 1);
      body(sheet, *page, *page->GetCalibrator(0));
    }));
  }
  std::string Log() const { return m_dir.Read("Test-Log.log"); }

  testing_support::TempDir m_dir;
  ShapeWorld world{"[RtryMxr.Mixer1]\nSpeed.Tag=FloatMem\n"};
  TestShape shape{"Mixer1", PortRule::Stored};
  Logins logins;
};

TEST_F(CalibrationPageTest, OneCalibratorPerGroupSideBySide) {
  ASSERT_TRUE(world.Create(shape));
  OnCalibrator(shape, [&](C_BaseShapePropSheet&, CAnalogCalibrationPage& page, CAnalogCalibratorCtrl&) {
    ASSERT_EQ(page.GetCreatedCalibratorCount(), 2);
    const char* titles[] = {"Speed", "Load"};
    const char* maxima[] = {"100", "1000"};
    for (int i = 0; i < 2; ++i) {
      CAnalogCalibratorCtrl& c = *page.GetCalibrator(i);
      EXPECT_EQ(GetWindowRectInParent(&c).TopLeft(), CPoint(70 + 85 * i, 10));
      EXPECT_EQ(c.GetDlgCtrlID(), i);
      EXPECT_EQ(TextOf(c, 4085), titles[i]);
      EXPECT_EQ(TextOf(c, kMaxPhy), maxima[i]);
      EXPECT_EQ(TextOf(c, kMaxPort), "27000");
      EXPECT_FALSE(IsEnabled(c, kApply)) << "Apply starts disabled";
    }
    EXPECT_TRUE(IsShown(page, 4109));
    EXPECT_EQ(TextOf(page, 4113), "Trend");
  });
}

TEST_F(CalibrationPageTest, ThePageWorksWithTheCalibratorsItMadeWhenTheUnitCountChanges) {
  ASSERT_TRUE(world.Create(shape));
  OnCalibrator(shape, [&](C_BaseShapePropSheet&, CAnalogCalibrationPage& page, CAnalogCalibratorCtrl&) {
    ASSERT_EQ(page.GetCreatedCalibratorCount(), 2);
    ASSERT_EQ(page.GetCalibratorCount(), 2);
    // The shape now answers four units: the page keeps, refreshes and
    // later destroys the two calibrators it made, never four.
    shape.SetAnalogUnitCount(4);
    EXPECT_EQ(page.GetCalibratorCount(), 4);
    Tick(page, TIMER_PROP_PAGE);
    EXPECT_EQ(page.GetCreatedCalibratorCount(), 2);
    EXPECT_EQ(page.GetCalibrator(2), nullptr);
    EXPECT_NE(page.GetCalibrator(1), nullptr);
    int windows = 0;
    for (CWnd* child : page.GetChildren()) windows += dynamic_cast<CAnalogCalibratorCtrl*>(child) != nullptr;
    EXPECT_EQ(windows, 2) << "one window per calibrator made";
    page.CreateCalibrators(0);
    EXPECT_EQ(page.GetCreatedCalibratorCount(), 0);
    EXPECT_EQ(page.GetCalibrator(0), nullptr);
    Tick(page, TIMER_PROP_PAGE);  // a refresh without calibrators
  });
}

TEST_F(CalibrationPageTest, AutoRefreshDecidesWhetherTheRangesFollowTheShape) {
  ASSERT_TRUE(world.Create(shape));
  OnCalibrator(shape, [&](C_BaseShapePropSheet& sheet, CAnalogCalibrationPage& page, CAnalogCalibratorCtrl& c) {
    EXPECT_FALSE(TypeInto(c, kMaxPhy, "150")) << "locked while auto refresh is on";
    shape.SetAttribFloat(TS_MaxVluSpeed, 120.0f);
    Tick(page, TIMER_PROP_PAGE);
    EXPECT_EQ(TextOf(c, kMaxPhy), "120");

    SetAutoRefresh(sheet, false);
    ASSERT_TRUE(TypeInto(c, kMaxPhy, "150"));
    EXPECT_TRUE(IsEnabled(c, kApply)) << "typing enables Apply";
    shape.SetAttribFloat(TS_Speed, 60.0f);
    shape.SetAttribFloat(TS_MaxVluSpeed, 130.0f);
    Tick(page, TIMER_PROP_PAGE);
    EXPECT_EQ(TextOf(c, kMaxPhy), "150") << "the tick never overwrites an edit";
    EXPECT_EQ(TextOf(c, kPhysical), "60") << "the reading still follows";

    SetAutoRefresh(sheet, true);
    EXPECT_EQ(TextOf(c, kMaxPhy), "130") << "ticking the box refreshes at once";
  });
}

TEST_F(CalibrationPageTest, ARefusedRightsCheckChangesNothing) {
  ASSERT_TRUE(world.Create(shape));
  logins.Answer(logins.User(CVekAccessUser::eGroupOperator));  // not Technical: denied, then gives up
  OnCalibrator(shape, [&](C_BaseShapePropSheet& sheet, CAnalogCalibrationPage&, CAnalogCalibratorCtrl& c) {
    SetAutoRefresh(sheet, false);
    ASSERT_TRUE(TypeInto(c, kMaxPhy, "200"));
    ASSERT_TRUE(ClickOn(c, kApply));
    EXPECT_TRUE(IsEnabled(c, kApply));
  });
  EXPECT_EQ(logins.Purposes(), (std::vector<std::string>{"To apply Analog Calibration", "To apply Analog Calibration"}));
  ASSERT_EQ(world.Boxes().Count(), 1u);
  EXPECT_EQ(world.Boxes().Last().text.rfind("Access Denied!", 0), 0u);
  EXPECT_FLOAT_EQ(shape.GetAttribFloat(TS_MaxVluSpeed), 100.0f);
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "MaxVluSpeed.Data"), "<absent>");
  EXPECT_EQ(Log(), "") << "no log line";
}

TEST_F(CalibrationPageTest, ApplyLogsStoresAndRetunesTheUnitAndTheTag) {
  ASSERT_TRUE(world.Create(shape));
  shape.SetAttribFloat(TS_Speed, 50.0f);
  logins.Answer(logins.User(CVekAccessUser::eGroupTechnical));
  OnCalibrator(shape, [&](C_BaseShapePropSheet& sheet, CAnalogCalibrationPage&, CAnalogCalibratorCtrl& c) {
    SetAutoRefresh(sheet, false);
    ASSERT_TRUE(TypeInto(c, kMaxPort, "20000"));
    ASSERT_TRUE(ClickOn(c, kApply));
    EXPECT_FALSE(IsEnabled(c, kApply));
    ASSERT_TRUE(TypeInto(c, kMaxPhy, "200"));
    ASSERT_TRUE(ClickOn(c, kApply));  // the sheet keeps the user: no second login
  });
  EXPECT_EQ(logins.Purposes().size(), 1u);
  const std::string log = Log();
  const std::string first =
      "The Calibration is updated in Mixer1::Speed. MinPhy[0->0], MaxPhy[100->100], LLAPhy[0->0], "
      "HLAPhy[100->100], MinPort[5000->5000], MaxPort[27000->20000].\r\n";
  const size_t at = log.find(first);
  ASSERT_NE(at, std::string::npos) << log;
  EXPECT_EQ(log.front(), '[') << "the line has the date and user prefix";
  EXPECT_NE(log.find("MaxPhy[100->200]", at + first.size()), std::string::npos) << log;

  EXPECT_FLOAT_EQ(shape.GetAttribFloat(TS_MaxVluSpeedPort), 20000.0f);
  EXPECT_FLOAT_EQ(shape.GetAttribFloat(TS_MaxVluSpeed), 200.0f);
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "MaxVluSpeedPort.Data"), "20000");
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "MaxVluSpeed.Data"), "200");
  EXPECT_EQ(world.Setting("RtryMxr.Mixer1", "MinVluSpeed.Data"), "<absent>") << "an unchanged value is not written";
  EXPECT_FLOAT_EQ(shape.GetAnalogUnit(0)->GetValue(), 25.0f) << "50 of 0..200";
  const VARIANT* max = world.Tag("FloatMem")->GetMaxTag();
  EXPECT_EQ(max->vt, VT_R4);
  EXPECT_FLOAT_EQ(max->fltVal, 200.0f);
}

TEST_F(CalibrationPageTest, ANonNumberStopsWithTheStandardMessage) {
  ASSERT_TRUE(world.Create(shape));
  logins.Answer(logins.User(CVekAccessUser::eGroupTechnical));
  OnCalibrator(shape, [&](C_BaseShapePropSheet& sheet, CAnalogCalibrationPage&, CAnalogCalibratorCtrl& c) {
    SetAutoRefresh(sheet, false);
    ASSERT_TRUE(TypeInto(c, kMaxPhy, "300"));
    ASSERT_TRUE(TypeInto(c, kMinPhy, "abc"));
    ASSERT_TRUE(ClickOn(c, kApply));
    EXPECT_FALSE(TypeInto(c, kPort, "1")) << "the readings are not for typing";
  });
  ASSERT_EQ(world.Boxes().Count(), 1u);
  EXPECT_EQ(world.Boxes().Last().text, "Please enter a number.");
  EXPECT_FLOAT_EQ(shape.GetAttribFloat(TS_MaxVluSpeed), 100.0f);
  EXPECT_EQ(Log(), "");
}

TEST_F(CalibrationPageTest, TheTrendButtonOnlyAnnouncesItself) {
  ASSERT_TRUE(world.Create(shape));
  OnCalibrator(shape, [&](C_BaseShapePropSheet&, CAnalogCalibrationPage&, CAnalogCalibratorCtrl& c) {
    EXPECT_EQ(TextOf(c, 4019), "");
    const int before = CBalloonTip::GetOpenCount();
    ASSERT_TRUE(ClickOn(c, 4019));
    EXPECT_EQ(CBalloonTip::GetOpenCount(), before + 1);
  });
}

}  // namespace
