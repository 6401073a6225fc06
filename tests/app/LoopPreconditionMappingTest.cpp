// Which plant object feeds which precondition of the six loop buttons, in
// the running program (the real plant on the shipped data, the data source
// None so that nothing moves the values but the test): from a plant in
// which every loop may go automatic, each device a loop depends on is put
// off, in alarm or under local control in turn (and each general flag and
// each loop's PLC control), and the refusal reasons are read from the view.
// The loop that depends on the object names it, every other loop stays
// ready. Devices are named as the plant's device list names them; the
// texts are the operator's own.
#include <algorithm>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/VekFrameView.h"
#include "plant/DeviceAttribs.h"
#include "plant/Plant.h"
#include "plant/VekEngineApp.h"

using namespace app_test;

namespace {

constexpr int kLoops = 6;  // 0 Vacuum, 1 SlurryPressure, 2 SlurryDilutionFanRatio, 3 InletAirTemperature, 4 Density, 5 Moisture

// The group lines that precede a loop's own device lines.
const char* const kSlurryPath = "\nمسير اسلوري براي باشش برقرار نيست";
const char* const kFurnacePath = "\nمسير کوره هواي کرم برقرار نيست";
const char* const kDensityPath = "\nمسير نوار دانسيته برقرار نيست";

// One drive a loop depends on: the device and the three texts of its
// checks (off, in alarm, under local control), with the loops that make them.
struct DriveRow {
  const char* device;
  std::vector<int> loops;
  const char* group;  // the loops' group line (null: none)
  const char* off;
  const char* alarm;
  const char* local;
};

const DriveRow kDrives[] = {
    {"SuctionFan", {0}, nullptr, "\nساکشن فن خاموش مي باشد", "\nساکشن فن آلارم دارد",
     "\nساکشن فن در اختيار پي ال سي نيست"},
    {"HighPressure1", {1}, kSlurryPath, "\nبمب فشار قوي 1 روشن  نيست", "\nبمب فشارقوي 1 آلارم دارد",
     "\nبمب فشار قوي 1 دراختيار پي ال سي نيست"},
    {"DilutionFan", {2}, nullptr, "\nفن ديلوشن خاموش مي باشد", "\nفن ديلوشن آلارم دارد",
     "\nکنترل فن ديلوشن در اختيار پي ال سي نيست"},
    {"CombustionFan", {3}, kFurnacePath, "\nفن کامباسشن خاموش مي باشد", "\nفن کامباسشن آلارم دارد",
     "\nکنترل فن کامباسشن در اختيار پي ال سي نيست"},
    {"MeasuringBelt", {4, 5}, kDensityPath, "\nنوار دانسيته خاموش مي باشد", "\nنوار دانسيته آلارم دارد",
     "\nکنترل نوار دانسيته در اختيار پي ال سي نيست"},
};

// The devices of the list that no loop depends on but that share a class
// with one that does: each is put off, in alarm and local, and no loop minds.
const char* const kBystanders[] = {"FeedingPump1", "FeedingPump2", "FeedingPump3", "FeedingPump4", "AirLiftFan",
                                   "HighPressure2", "HighPressure3"};

class LoopPreconditionMappingTest : public StillPlantTest {
 protected:
  void SetUp() override {
    StillPlantTest::SetUp();
    if (HasFatalFailure()) return;
    MakeEveryLoopReady();
  }

  DeviceAttribs Device(const char* name) const {
    C_BaseShape* device = plant->FindDevice(name);
    EXPECT_NE(device, nullptr) << name;
    return DeviceAttribs(*plant, device);
  }
  void SetDrive(const char* name, bool on, bool alarm, bool local) {
    DeviceAttribs drive = Device(name);
    drive.SetBool("DiOnOffSpeed", on);
    drive.SetBool("DiOnAlarmSpeed", alarm);
    drive.SetBool("LocalCntrlSpeed", local);
    ASSERT_EQ(drive.Bool("DiOnOffSpeed"), on) << name;
    ASSERT_EQ(drive.Bool("DiOnAlarmSpeed"), alarm) << name;
    ASSERT_EQ(drive.Bool("LocalCntrlSpeed"), local) << name;
  }
  void SetGeneral(int id, bool value) {
    SetPrcGeneralBool(id, value);
    ASSERT_EQ(GetPrcGeneralBool(id), value);
  }
  void SetInPlc(int loop, bool value) { plant->Loop(loop)->SetAttribBoolIfChanged(PL_InPlcCtrl, value); }

  // Every loop's preconditions met; the bystanders off.
  void MakeEveryLoopReady() {
    for (int loop = 0; loop < kLoops; ++loop) SetInPlc(loop, true);
    SetGeneral(PG_VI_bPowerExist, true);
    SetGeneral(PG_VI_bNoEmergencyStop, true);
    SetGeneral(PG_VI_bInputInterluck, true);
    SetGeneral(PG_HotAir2Tower, true);
    SetGeneral(PG_VI_bIsOpenReturnVlv, false);
    for (const DriveRow& drive : kDrives) SetDrive(drive.device, true, false, false);
    for (const char* name : kBystanders) SetDrive(name, false, false, false);
    Device("HotAirHeatZone").SetBool("DiOnOffFuel", true);
    ASSERT_TRUE(Device("HotAirHeatZone").Bool("DiOnOffFuel"));
  }

  // The view's reasons of the six loops (empty: ready).
  std::vector<std::string> Reasons() const {
    std::vector<std::string> reasons;
    for (int loop = 0; loop < kLoops; ++loop) {
      std::string reason;
      const bool ready = view->CanLoopGoAutomatic(loop, &reason);
      EXPECT_EQ(ready, reason.empty()) << "loop " << loop << ": " << reason;
      reasons.push_back(reason);
    }
    return reasons;
  }
  // Each loop of `loops` gives a reason holding every line of `lines`; every
  // other loop is ready.
  void ExpectOnly(const std::vector<int>& loops, const std::vector<std::string>& lines) const {
    const std::vector<std::string> reasons = Reasons();
    for (int loop = 0; loop < kLoops; ++loop) {
      const bool named = std::find(loops.begin(), loops.end(), loop) != loops.end();
      const std::string& reason = reasons[static_cast<size_t>(loop)];
      if (!named) {
        EXPECT_EQ(reason, "") << "loop " << loop << " minds it";
        continue;
      }
      for (const std::string& line : lines)
        EXPECT_NE(reason.find(line), std::string::npos) << "loop " << loop << " misses " << line << " in: " << reason;
    }
  }

};

TEST_F(LoopPreconditionMappingTest, WithEveryPreconditionMetEveryLoopMayGoAutomatic) {
  ExpectOnly({}, {});
}

TEST_F(LoopPreconditionMappingTest, EachDriveOffInAlarmOrLocalIsNamedByItsOwnLoopsAlone) {
  for (const DriveRow& drive : kDrives) {
    SCOPED_TRACE(drive.device);
    const std::string group = drive.group ? drive.group : "";
    SetDrive(drive.device, false, false, false);
    ExpectOnly(drive.loops, {group + drive.off});
    SetDrive(drive.device, true, true, false);
    ExpectOnly(drive.loops, {group + drive.alarm});
    SetDrive(drive.device, true, false, true);
    ExpectOnly(drive.loops, {group + drive.local});
    SetDrive(drive.device, true, false, false);
    ExpectOnly({}, {});
  }
}

TEST_F(LoopPreconditionMappingTest, TheFurnaceOffIsNamedByTheInletTemperatureLoopAlone) {
  Device("HotAirHeatZone").SetBool("DiOnOffFuel", false);
  ExpectOnly({3}, {std::string(kFurnacePath) + "\nکوره هواي کرم خاموش مي باشد"});
}

TEST_F(LoopPreconditionMappingTest, DevicesNoLoopDependsOnAreMindedByNone) {
  for (const char* name : kBystanders) {
    SCOPED_TRACE(name);
    SetDrive(name, true, true, true);
    ExpectOnly({}, {});
    SetDrive(name, false, false, false);
  }
}

TEST_F(LoopPreconditionMappingTest, EachGeneralFlagIsNamedByEveryLoop) {
  struct Flag {
    int id;
    bool failing;
    const char* text;
  };
  const Flag flags[] = {
      {PG_VI_bPowerExist, false, "\nورودي منبع تغذيه قطع مي باشد"},
      {PG_VI_bNoEmergencyStop, false, "\nدکمه ايمرجنسي استب فشرده شده است"},
      {PG_VI_bInputInterluck, false, "\nديجيتال ورودي اينترلاک برقرار نيست"},
      {PG_HotAir2Tower, false, "\nشير سه راهي به سمت برج  نمي باشد"},
      {PG_VI_bIsOpenReturnVlv, true,
       "\nسيستم درحال برکشت مي باشد يا فشارباشش زير 10 بار است يا شير برکشتي باز است"},
  };
  for (const Flag& flag : flags) {
    SCOPED_TRACE(flag.text);
    SetGeneral(flag.id, flag.failing);
    ExpectOnly({0, 1, 2, 3, 4, 5}, {flag.text});
    SetGeneral(flag.id, !flag.failing);
  }
  ExpectOnly({}, {});
}

TEST_F(LoopPreconditionMappingTest, ALoopOutOfThePlcsControlIsNamedByItselfAndTheLoopsThatNeedIt) {
  const std::string notInPlc = "\nلوپ  در اختيار پي ال سي نيست";
  const std::string vacuumForDilution = "\nاتومات بودن لوب خلا بيشنياز اتومات شدن لوب فن ديلوشن مي باشد";
  const std::string vacuumForMoisture = std::string(kDensityPath) +
                                        "\nاتومات بودن لوب خلا بيشنياز اتومات شدن لوب رطوبت بودر مي باشد";
  const std::string slurryForDensity =
      std::string(kDensityPath) + "\nاتومات بودن لوب فشار اسلوري بيشنياز اتومات شدن لوب  دانسيته بودر مي باشد";
  for (int loop = 0; loop < kLoops; ++loop) {
    SCOPED_TRACE("loop " + std::to_string(loop));
    SetInPlc(loop, false);
    const std::vector<std::string> reasons = Reasons();
    for (int other = 0; other < kLoops; ++other) {
      std::vector<std::string> expected;
      if (other == loop) expected.push_back(notInPlc);
      if (loop == 0 && other == 2) expected.push_back(vacuumForDilution);
      if (loop == 0 && other == 5) expected.push_back(vacuumForMoisture);
      if (loop == 1 && other == 4) expected.push_back(slurryForDensity);
      std::string joined;  // each line appended after "\r\n"
      for (const std::string& line : expected) joined += "\r\n" + line;
      EXPECT_EQ(reasons[static_cast<size_t>(other)], joined) << "loop " << other;
    }
    SetInPlc(loop, true);
  }
}

}  // namespace
