// Which plant object each line of the supervise view's status shows, in the
// running program (the real plant on the shipped data, the data source None
// so that nothing moves the values but the test): every value label's
// source gets a value of its own, and each flag of the message lines is
// raised alone. Devices are named as the plant's device list names them;
// formats and texts are the operator's own.
#include <cstdio>
#include <string>

#include "AppTestSupport.h"
#include "app/VekFrameView.h"
#include "plant/DeviceAttribs.h"
#include "plant/Plant.h"
#include "plant/VekEngineApp.h"
#include "controls/LumLabel.h"

using namespace app_test;

namespace {

// A value label: its id, its format and its source (device null: the
// general object's attribute 28, the total slurry).
struct ValueLabel {
  UINT label;
  const char* format;
  const char* device;
  const char* attrib;
};

// Ordered so that each value (3, 4, 5, ...) lies within its attribute's
// default range.
const ValueLabel kValueLabels[] = {
    {1105, "Moisture %.1f %%", "SpryDryr1", "PowderMoisture"},
    {1104, "Flow %.0f Kg/h", "MeasuringBelt", "Flow"},
    {1103, "Density %.0f gr/liter", "SpryDryr1", "PowderDensity"},
    {1125, "%.0f kg/h", nullptr, nullptr},
    {1126, "%.1f bar", "SpryDryr1", "SlurryPressure"},
    {1117, "%.0f kg/h", "HighPressure1", "Flow"},
    {1118, "%.0f kg/h", "HighPressure2", "Flow"},
    {1119, "%.0f kg/h", "HighPressure3", "Flow"},
    {1113, "%.1f bar", "HighPressure1", "InputPressure"},
    {1114, "%.1f bar", "HighPressure2", "InputPressure"},
    {1115, "%.1f bar", "HighPressure3", "InputPressure"},
    {1106, "%.1f mmH2O", "SpryDryr1", "OutletVacuum"},
    {1128, "%.0f °C", "SpryDryr1", "InletTemperature"},
    {1129, "Temp.Out %.0f °C", "SpryDryr1", "OutletTemperature"},
    {1121, "%.1f %%H2O", "SpryDryr1", "SlurryMoisture"},
    {1122, "%.0f °C", "SpryDryr1", "SlurryTemperature"},
    {1127, "%.1f %%", "SuctionFan", "Speed"},
    {1108, "%.1f %%", "DilutionFan", "Speed"},
    {1107, "%.1f %%", "CombustionFan", "Speed"},
    {1102, "%.1f %%", "AirLiftFan", "Speed"},
};

class StatusLinesMappingTest : public StillPlantTest {
 protected:
  DeviceAttribs Device(const char* name) const {
    C_BaseShape* device = plant->FindDevice(name);
    EXPECT_NE(device, nullptr) << name;
    return DeviceAttribs(*plant, device);
  }
  std::string Label(UINT id) {
    view->RefreshStatus();
    CLumLabel* label = view->GetLabel(id);
    return label ? label->GetWindowText() : "<no label>";
  }

};

TEST_F(StatusLinesMappingTest, EachValueLabelShowsItsOwnDevicesValue) {
  for (size_t i = 0; i < std::size(kValueLabels); ++i) {
    const ValueLabel& v = kValueLabels[i];
    const float value = 3.0f + static_cast<float>(i);
    if (v.device) {
      Device(v.device).SetFloat(v.attrib, value);
      ASSERT_EQ(Device(v.device).Float(v.attrib), value) << v.device << "." << v.attrib << " took the value";
    } else {
      SetPrcGeneralFloat(PG_TotalSlurryPressure, value);
    }
  }
  view->RefreshStatus();
  for (size_t i = 0; i < std::size(kValueLabels); ++i) {
    const ValueLabel& v = kValueLabels[i];
    char expected[64];
    std::snprintf(expected, sizeof expected, v.format, 3.0 + static_cast<double>(i));
    EXPECT_EQ(view->GetLabel(v.label)->GetWindowText(), expected) << v.label << " " << (v.device ? v.device : "general");
  }
}

TEST_F(StatusLinesMappingTest, TheAlarmLineFollowsTheNozzleAlarmsAcknowledgeFlagAlone) {
  const UINT kAlarmLine = 1133;
  for (int alarm = 0; alarm < 25; ++alarm)
    for (int id : {PA_VI_bAlarmWarning, PA_VI_bAlarmError, PA_VI_bAlarmAck, PA_VI_bAlarmMsg}) {
      SetPrcAlarmBool(alarm, id, true);
      const bool named = alarm == 14 && id == PA_VI_bAlarmAck;
      EXPECT_EQ(Label(kAlarmLine), named ? "Alarm: کرفتکي نازلهاي برج" : "Alarm: ") << alarm << " " << id;
      SetPrcAlarmBool(alarm, id, false);
    }
}

TEST_F(StatusLinesMappingTest, TheAlarmSwitchLinesShowEachOfTheirFlagsAlone) {
  struct Flag {
    int id;
    UINT label;
    const char* text;
  };
  const Flag flags[] = {
      {PG_VI_boGeneralAudioAlarm, 1136, "General Audio Alarm: On, Visual: Off"},
      {PG_VI_boGeneralVisualAlarm, 1136, "General Audio Alarm: Off, Visual: On"},
      {PG_VI_boTwrSafetyAudioAlarm, 1131, "Tower Safety Audio Alarm: On, Visual: Off"},
      {PG_VI_boTwrSafetyVisualAlarm, 1131, "Tower Safety Audio Alarm: Off, Visual: On"},
  };
  for (const Flag& f : flags) SetPrcGeneralBool(f.id, false);
  for (const Flag& f : flags) {
    SetPrcGeneralBool(f.id, true);
    EXPECT_EQ(Label(f.label), f.text);
    const UINT other = f.label == 1136 ? 1131 : 1136;
    EXPECT_NE(Label(other).find("Audio Alarm: Off, Visual: Off"), std::string::npos) << f.text;
    SetPrcGeneralBool(f.id, false);
  }
}

TEST_F(StatusLinesMappingTest, TheTowerLineNamesTheFirstConditionThatHolds) {
  const UINT kTowerLine = 1134;
  DeviceAttribs tower = Device("SpryDryr1");
  const char* const kTowerFlags[] = {"VI_bFireDetected", "VI_bFireFighting", "VI_bStopBurner", "VI_bReduceBurner"};
  SetPrcGeneralBool(PG_HotAir2Tower, true);
  SetPrcGeneralBool(PG_VI_bIsOpenReturnVlv, false);
  SetPrcGeneralBool(PG_VI_bIsSpraying, false);
  for (const char* flag : kTowerFlags) tower.SetBool(flag, false);
  EXPECT_EQ(Label(kTowerLine), "");
  // Raised from the last to the first: each one raised takes the line.
  const char* const kTowerTexts[] = {"آتش سوزي در برج ", "آتش نشاني ", "کوره خاموش شود ", "حرارت کوره کم شود "};
  for (int i = 3; i >= 0; --i) {
    tower.SetBool(kTowerFlags[i], true);
    ASSERT_TRUE(tower.Bool(kTowerFlags[i]));
    EXPECT_EQ(Label(kTowerLine), kTowerTexts[i]) << kTowerFlags[i];
  }
  SetPrcGeneralBool(PG_VI_bIsSpraying, true);
  EXPECT_EQ(Label(kTowerLine), "سيستم برج درحالت باشش اسلوري مي باشد ");
  SetPrcGeneralBool(PG_VI_bIsOpenReturnVlv, true);
  EXPECT_EQ(Label(kTowerLine), "سيستم برج درحالت برکشت مي باشد ");
  SetPrcGeneralBool(PG_HotAir2Tower, false);
  EXPECT_EQ(Label(kTowerLine), "مسير هواي گرم آماده نيست ");
}

}  // namespace
