#include "plant/LoopPreconditions.h"

#include <vector>

#include "core/VekUtils.h"
#include "plant/DeviceAttribs.h"
#include "plant/PlantNames.h"
#include "plant/RecipeCheck.h"
#include "plant/VekEngineApp.h"
#include "shapes/ShapeTypes.h"

namespace {

// One check of a loop's readiness: it fails when fails() is true; its text
// is appended as one line of the reason, after the loop's group line when
// the loop has one.
struct LoopCheck {
  bool (*fails)(const LoopFacts&);
  const char* text;
};

// The loop itself is not under PLC control (checked first, see below).
const char* const kLoopNotInPlc = "\nلوپ  در اختيار پي ال سي نيست";

// The plant-wide checks every loop makes after its own PLC control.
const LoopCheck kCommonChecks[] = {
    {[](const LoopFacts& f) { return !f.bPowerExist; }, "\nورودي منبع تغذيه قطع مي باشد"},
    {[](const LoopFacts& f) { return !f.bNoEmergencyStop; }, "\nدکمه ايمرجنسي استب فشرده شده است"},
    {[](const LoopFacts& f) { return !f.bInputInterlock; }, "\nديجيتال ورودي اينترلاک برقرار نيست"},
    {[](const LoopFacts& f) { return !f.bHotAir2Tower; }, "\nشير سه راهي به سمت برج  نمي باشد"},
    {[](const LoopFacts& f) { return f.bReturnValveOpen; }, "\nسيستم درحال برکشت مي باشد يا فشارباشش زير 10 بار است يا شير برکشتي باز است"},
};

// A loop's own checks, with the group line that precedes each of their
// lines (null: none).
struct LoopChecks {
  const char* group;
  std::vector<LoopCheck> checks;
};

const char* const kDensityBeltOff = "\nنوار دانسيته خاموش مي باشد";
const char* const kDensityBeltAlarm = "\nنوار دانسيته آلارم دارد";
const char* const kDensityBeltLocal = "\nکنترل نوار دانسيته در اختيار پي ال سي نيست";

const LoopChecks& ChecksOfLoop(int nLoop) {
  static const LoopChecks kLoops[kLoopCount] = {
      {nullptr,
       {{[](const LoopFacts& f) { return !f.suctionFan.bOn; }, "\nساکشن فن خاموش مي باشد"},
        {[](const LoopFacts& f) { return f.suctionFan.bAlarm; }, "\nساکشن فن آلارم دارد"},
        {[](const LoopFacts& f) { return f.suctionFan.bLocal; }, "\nساکشن فن در اختيار پي ال سي نيست"}}},
      {"\nمسير اسلوري براي باشش برقرار نيست",
       {{[](const LoopFacts& f) { return !f.highPressure1.bOn; }, "\nبمب فشار قوي 1 روشن  نيست"},
        {[](const LoopFacts& f) { return f.highPressure1.bAlarm; }, "\nبمب فشارقوي 1 آلارم دارد"},
        {[](const LoopFacts& f) { return f.highPressure1.bLocal; }, "\nبمب فشار قوي 1 دراختيار پي ال سي نيست"}}},
      {nullptr,
       {{[](const LoopFacts& f) { return !f.bInPlcCtrl[LOOP_VACUUM]; }, "\nاتومات بودن لوب خلا بيشنياز اتومات شدن لوب فن ديلوشن مي باشد"},
        {[](const LoopFacts& f) { return !f.dilutionFan.bOn; }, "\nفن ديلوشن خاموش مي باشد"},
        {[](const LoopFacts& f) { return f.dilutionFan.bAlarm; }, "\nفن ديلوشن آلارم دارد"},
        {[](const LoopFacts& f) { return f.dilutionFan.bLocal; }, "\nکنترل فن ديلوشن در اختيار پي ال سي نيست"}}},
      {"\nمسير کوره هواي کرم برقرار نيست",
       {{[](const LoopFacts& f) { return !f.combustionFan.bOn; }, "\nفن کامباسشن خاموش مي باشد"},
        {[](const LoopFacts& f) { return f.combustionFan.bAlarm; }, "\nفن کامباسشن آلارم دارد"},
        {[](const LoopFacts& f) { return f.combustionFan.bLocal; }, "\nکنترل فن کامباسشن در اختيار پي ال سي نيست"},
        {[](const LoopFacts& f) { return !f.bFurnaceOn; }, "\nکوره هواي کرم خاموش مي باشد"}}},
      {"\nمسير نوار دانسيته برقرار نيست",
       {{[](const LoopFacts& f) { return !f.bInPlcCtrl[LOOP_SLURRY_PRESSURE]; }, "\nاتومات بودن لوب فشار اسلوري بيشنياز اتومات شدن لوب  دانسيته بودر مي باشد"},
        {[](const LoopFacts& f) { return !f.densityBelt.bOn; }, kDensityBeltOff},
        {[](const LoopFacts& f) { return f.densityBelt.bAlarm; }, kDensityBeltAlarm},
        {[](const LoopFacts& f) { return f.densityBelt.bLocal; }, kDensityBeltLocal}}},
      {"\nمسير نوار دانسيته برقرار نيست",
       {{[](const LoopFacts& f) { return !f.bInPlcCtrl[LOOP_VACUUM]; }, "\nاتومات بودن لوب خلا بيشنياز اتومات شدن لوب رطوبت بودر مي باشد"},
        {[](const LoopFacts& f) { return !f.densityBelt.bOn; }, kDensityBeltOff},
        {[](const LoopFacts& f) { return f.densityBelt.bAlarm; }, kDensityBeltAlarm},
        {[](const LoopFacts& f) { return f.densityBelt.bLocal; }, kDensityBeltLocal}}},
  };
  return kLoops[nLoop];
}

// The drive facts of a device for the loop checks.
LoopDriveFacts DriveFacts(CPlant& plant, C_BaseShape* device) {
  const DeviceAttribs drive(plant, device);
  return LoopDriveFacts{drive.Bool("DiOnOffSpeed"), drive.Bool("DiOnAlarmSpeed"), drive.Bool("LocalCntrlSpeed")};
}

}  // namespace

bool CanLoopGoAutomatic(const LoopFacts& facts, int nLoop, std::string* pReason) {
  if (pReason) pReason->clear();
  if (nLoop < 0 || nLoop >= kLoopCount) return false;
  std::string reason;
  bool allowed = true;
  const auto fail = [&](const std::string& line) {
    AppendLine(reason, line);
    allowed = false;
  };
  if (!facts.bInPlcCtrl[static_cast<size_t>(nLoop)]) fail(kLoopNotInPlc);
  for (const LoopCheck& check : kCommonChecks)
    if (check.fails(facts)) fail(check.text);
  const LoopChecks& own = ChecksOfLoop(nLoop);
  for (const LoopCheck& check : own.checks)
    if (check.fails(facts)) fail(own.group ? std::string(own.group) + check.text : std::string(check.text));
  if (pReason) *pReason = reason;
  return allowed;
}

LoopFacts GatherLoopFacts(CPlant& plant) {
  LoopFacts facts;
  for (int i = 0; i < kLoopCount; ++i) {
    const C_ProcessDataLoop* loop = plant.Loop(i);
    facts.bInPlcCtrl[static_cast<size_t>(i)] = loop && loop->GetAttribBool(PL_InPlcCtrl);
  }
  facts.bPowerExist = GetPrcGeneralBool(PG_VI_bPowerExist);
  facts.bNoEmergencyStop = GetPrcGeneralBool(PG_VI_bNoEmergencyStop);
  facts.bInputInterlock = GetPrcGeneralBool(PG_VI_bInputInterluck);
  facts.bHotAir2Tower = GetPrcGeneralBool(PG_HotAir2Tower);
  facts.bReturnValveOpen = GetPrcGeneralBool(PG_VI_bIsOpenReturnVlv);
  facts.suctionFan = DriveFacts(plant, plant.Device(CT_CNTR_FGL_PUMP, 0));
  facts.highPressure1 = DriveFacts(plant, plant.Device(CT_DOSE_PUMP, 0));
  facts.dilutionFan = DriveFacts(plant, plant.Device(CT_CNTR_FGL_PUMP, 7));
  facts.combustionFan = DriveFacts(plant, plant.Device(CT_CNTR_FGL_PUMP, 6));
  facts.bFurnaceOn = DeviceAttribs(plant, plant.Device(CT_HEAT_ZONE, 0)).Bool("DiOnOffFuel");
  facts.densityBelt = DriveFacts(plant, plant.Device(CT_BELT, 0));
  return facts;
}

LoopClickFacts GatherLoopClickFacts(CPlant& plant, int nLoop, std::string* pReason) {
  LoopClickFacts click;
  const C_ProcessDataLoop* loop = plant.Loop(nLoop);
  click.bInAutomat = loop && loop->GetAttribBool(PL_InAutomat);
  const CPlantTables& tables = plant.Tables();
  click.bActiveShift = tables.pShift && tables.pShift->HasActiveRecord();
  click.bActiveRecipe = tables.pRecipe && tables.pRecipe->HasActiveRecord();
  click.bRecipeWritePending = plant.Recipe() && plant.Recipe()->IsWritePending();
  click.bRecipeDiffers = !CompareRecipePcWithPlc(nullptr);
  click.bReady = CanLoopGoAutomatic(GatherLoopFacts(plant), nLoop, pReason);
  return click;
}
