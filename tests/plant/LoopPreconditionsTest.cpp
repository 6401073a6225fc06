// Whether a loop may go automatic: the Persian reasons of each failing
// condition, one line each in the order of the checks.
#include <gtest/gtest.h>

#include <string>

#include "plant/LoopPreconditions.h"

namespace {

// Everything in order: every loop may go automatic.
LoopFacts ReadyFacts() {
  LoopFacts f;
  f.bInPlcCtrl.fill(true);
  f.bPowerExist = f.bNoEmergencyStop = f.bInputInterlock = f.bHotAir2Tower = true;
  f.bReturnValveOpen = false;
  for (LoopDriveFacts* d : {&f.suctionFan, &f.highPressure1, &f.dilutionFan, &f.combustionFan, &f.densityBelt})
    d->bOn = true;
  f.bFurnaceOn = true;
  return f;
}

TEST(LoopPreconditionsTest, EveryLoopMayGoAutomaticWhenAllIsInOrder) {
  for (int loop = 0; loop < 6; ++loop) {
    std::string reason = "stale";
    EXPECT_TRUE(CanLoopGoAutomatic(ReadyFacts(), loop, &reason)) << loop;
    EXPECT_EQ(reason, "") << loop;
  }
  EXPECT_FALSE(CanLoopGoAutomatic(ReadyFacts(), 6, nullptr));
  EXPECT_TRUE(CanLoopGoAutomatic(ReadyFacts(), 0, nullptr)) << "no reason asked for";
}

// One failing condition per row: the loop and the reason it gives.
struct ReasonCase {
  const char* name;
  void (*spoil)(LoopFacts&);
  int loop;
  std::string reason;
};

class LoopReasonTest : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(LoopReasonTest, OneFailedConditionGivesItsLine) {
  LoopFacts facts = ReadyFacts();
  GetParam().spoil(facts);
  std::string reason;
  EXPECT_FALSE(CanLoopGoAutomatic(facts, GetParam().loop, &reason));
  EXPECT_EQ(reason, GetParam().reason);
}

const std::string kPumpPath = "\nمسير اسلوري براي باشش برقرار نيست";
const std::string kFurnacePath = "\nمسير کوره هواي کرم برقرار نيست";
const std::string kBeltPath = "\nمسير نوار دانسيته برقرار نيست";

INSTANTIATE_TEST_SUITE_P(
    Conditions, LoopReasonTest,
    ::testing::Values(
        ReasonCase{"OwnLoopNotInPlc", [](LoopFacts& f) { f.bInPlcCtrl[3] = false; }, 3,
                   "\r\n\nلوپ  در اختيار پي ال سي نيست"},
        ReasonCase{"NoPower", [](LoopFacts& f) { f.bPowerExist = false; }, 0, "\r\n\nورودي منبع تغذيه قطع مي باشد"},
        ReasonCase{"EmergencyStop", [](LoopFacts& f) { f.bNoEmergencyStop = false; }, 1,
                   "\r\n\nدکمه ايمرجنسي استب فشرده شده است"},
        ReasonCase{"NoInterlock", [](LoopFacts& f) { f.bInputInterlock = false; }, 2,
                   "\r\n\nديجيتال ورودي اينترلاک برقرار نيست"},
        ReasonCase{"ValveNotToTower", [](LoopFacts& f) { f.bHotAir2Tower = false; }, 4,
                   "\r\n\nشير سه راهي به سمت برج  نمي باشد"},
        ReasonCase{"Returning", [](LoopFacts& f) { f.bReturnValveOpen = true; }, 5,
                   "\r\n\nسيستم درحال برکشت مي باشد يا فشارباشش زير 10 بار است يا شير برکشتي باز است"},
        ReasonCase{"SuctionFanOff", [](LoopFacts& f) { f.suctionFan.bOn = false; }, 0, "\r\n\nساکشن فن خاموش مي باشد"},
        ReasonCase{"SuctionFanAlarm", [](LoopFacts& f) { f.suctionFan.bAlarm = true; }, 0, "\r\n\nساکشن فن آلارم دارد"},
        ReasonCase{"SuctionFanLocal", [](LoopFacts& f) { f.suctionFan.bLocal = true; }, 0,
                   "\r\n\nساکشن فن در اختيار پي ال سي نيست"},
        ReasonCase{"PumpOff", [](LoopFacts& f) { f.highPressure1.bOn = false; }, 1,
                   "\r\n" + kPumpPath + "\nبمب فشار قوي 1 روشن  نيست"},
        ReasonCase{"PumpAlarm", [](LoopFacts& f) { f.highPressure1.bAlarm = true; }, 1,
                   "\r\n" + kPumpPath + "\nبمب فشارقوي 1 آلارم دارد"},
        ReasonCase{"PumpLocal", [](LoopFacts& f) { f.highPressure1.bLocal = true; }, 1,
                   "\r\n" + kPumpPath + "\nبمب فشار قوي 1 دراختيار پي ال سي نيست"},
        ReasonCase{"DilutionNeedsVacuumLoop", [](LoopFacts& f) { f.bInPlcCtrl[0] = false; }, 2,
                   "\r\n\nاتومات بودن لوب خلا بيشنياز اتومات شدن لوب فن ديلوشن مي باشد"},
        ReasonCase{"DilutionFanOff", [](LoopFacts& f) { f.dilutionFan.bOn = false; }, 2, "\r\n\nفن ديلوشن خاموش مي باشد"},
        ReasonCase{"DilutionFanAlarm", [](LoopFacts& f) { f.dilutionFan.bAlarm = true; }, 2, "\r\n\nفن ديلوشن آلارم دارد"},
        ReasonCase{"DilutionFanLocal", [](LoopFacts& f) { f.dilutionFan.bLocal = true; }, 2,
                   "\r\n\nکنترل فن ديلوشن در اختيار پي ال سي نيست"},
        ReasonCase{"CombustionFanOff", [](LoopFacts& f) { f.combustionFan.bOn = false; }, 3,
                   "\r\n" + kFurnacePath + "\nفن کامباسشن خاموش مي باشد"},
        ReasonCase{"CombustionFanAlarm", [](LoopFacts& f) { f.combustionFan.bAlarm = true; }, 3,
                   "\r\n" + kFurnacePath + "\nفن کامباسشن آلارم دارد"},
        ReasonCase{"CombustionFanLocal", [](LoopFacts& f) { f.combustionFan.bLocal = true; }, 3,
                   "\r\n" + kFurnacePath + "\nکنترل فن کامباسشن در اختيار پي ال سي نيست"},
        ReasonCase{"FurnaceOff", [](LoopFacts& f) { f.bFurnaceOn = false; }, 3,
                   "\r\n" + kFurnacePath + "\nکوره هواي کرم خاموش مي باشد"},
        ReasonCase{"DensityNeedsPressureLoop", [](LoopFacts& f) { f.bInPlcCtrl[1] = false; }, 4,
                   "\r\n" + kBeltPath + "\nاتومات بودن لوب فشار اسلوري بيشنياز اتومات شدن لوب  دانسيته بودر مي باشد"},
        ReasonCase{"DensityBeltOff", [](LoopFacts& f) { f.densityBelt.bOn = false; }, 4,
                   "\r\n" + kBeltPath + "\nنوار دانسيته خاموش مي باشد"},
        ReasonCase{"DensityBeltAlarm", [](LoopFacts& f) { f.densityBelt.bAlarm = true; }, 4,
                   "\r\n" + kBeltPath + "\nنوار دانسيته آلارم دارد"},
        ReasonCase{"MoistureNeedsVacuumLoop", [](LoopFacts& f) { f.bInPlcCtrl[0] = false; }, 5,
                   "\r\n" + kBeltPath + "\nاتومات بودن لوب خلا بيشنياز اتومات شدن لوب رطوبت بودر مي باشد"},
        ReasonCase{"MoistureBeltLocal", [](LoopFacts& f) { f.densityBelt.bLocal = true; }, 5,
                   "\r\n" + kBeltPath + "\nکنترل نوار دانسيته در اختيار پي ال سي نيست"}),
    [](const ::testing::TestParamInfo<ReasonCase>& info) { return std::string(info.param.name); });

TEST(LoopPreconditionsTest, SeveralFailuresGiveOneLineEachInTableOrder) {
  LoopFacts facts = ReadyFacts();
  facts.bInPlcCtrl[1] = false;
  facts.bPowerExist = false;
  facts.highPressure1.bOn = false;
  facts.highPressure1.bLocal = true;
  facts.suctionFan.bOn = false;  // another loop's drive: not loop 1's concern
  std::string reason;
  EXPECT_FALSE(CanLoopGoAutomatic(facts, 1, &reason));
  EXPECT_EQ(reason, "\r\n\nلوپ  در اختيار پي ال سي نيست"
                    "\r\n\nورودي منبع تغذيه قطع مي باشد"
                    "\r\n" + kPumpPath + "\nبمب فشار قوي 1 روشن  نيست"
                    "\r\n" + kPumpPath + "\nبمب فشار قوي 1 دراختيار پي ال سي نيست");
}

}  // namespace
