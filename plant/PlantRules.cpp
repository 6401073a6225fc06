#include "plant/PlantRules.h"

#include "attrib/AttribTypes.h"
#include "core/VekEngineBase.h"
#include "plant/DeviceAttribs.h"
#include "plant/RecipeCheck.h"
#include "plant/VekEngineApp.h"
#include "records/TableNotice.h"

float BeltFlowFromSpeed(float load, float speed) {
  return static_cast<float>(static_cast<double>(load) * kBeltFlowPerLoadAndSpeed * static_cast<double>(speed));
}

bool BeltSpeedFromFlow(float flow, float load, float* pSpeed) {
  const double dLoad = static_cast<double>(load);
  if (!(dLoad > 0.0)) return false;
  *pSpeed = static_cast<float>(static_cast<double>(flow) * kBeltSpeedPerFlowAndLoad / dLoad);
  return true;
}

float DemoRunningValue(bool bOn, float max) { return bOn ? DeviceAttribs::Scaled(max, 0.5) : 0.0f; }

void ApplyDemoFollowUps(CPlant& plant, CVAttribsPack* owner, const std::string& name, bool b) {
  const CVekEngineBase* engine = CVekEngineBase::GetEngine();
  if (!engine || !engine->IsDemoSource()) return;
  auto* shape = dynamic_cast<C_BaseShape*>(owner);
  if (!shape) return;
  const DeviceAttribs device(plant, shape);
  switch (shape->GetControlType() & 0xFF) {
    case CT_BELT:
      if (name == "Load" || name == "Flow") {
        const DeviceAttribs belt0(plant, plant.Device(CT_BELT, 0));
        float speed = 0.0f;
        if (BeltSpeedFromFlow(belt0.Float("Flow"), belt0.Float("Load"), &speed)) belt0.SetFloat("Speed", speed);
      } else if (name == "DiOnOffSpeed") {
        device.SetFloat("Flow", DemoRunningValue(b, device.Float("MaxVluFlow")));
        device.SetFloat("Speed", DemoRunningValue(b, device.Float("MaxVluSpeed")));
        const DeviceAttribs tower(plant, plant.Device(CT_SPRAY_DRYER, 0));
        tower.SetFloat("PowderDensity", b ? 330.0f : 0.0f);
        tower.SetFloat("PowderMoisture", b ? 2.0f : 0.0f);
      }
      break;
    case CT_DOSE_PUMP:
      if (name == "DiOnOffSpeed") {
        device.SetFloat("Stroke", DemoRunningValue(b, device.Float("MaxVluStroke")));
        device.SetFloat("Speed", DemoRunningValue(b, device.Float("MaxVluSpeed")));
        device.SetFloat("Flow", DemoRunningValue(b, device.Float("MaxVluFlow")));
      }
      break;
    case CT_CNTR_FGL_PUMP:
    case CT_RTRY_WHL:
      if (name == "DiOnOffSpeed") device.SetFloat("Speed", DemoRunningValue(b, device.Float("MaxVluSpeed")));
      break;
    default:
      break;
  }
}

bool CopyShiftTotals(CPlant& plant) {
  CShiftRS* shifts = plant.Tables().pShift.get();
  C_ProcessDataShift* shift = plant.Shift();
  if (!shifts || !shift || !shifts->HasActiveRecord()) return false;
  CShiftFields& active = shifts->GetActiveFields();
  active.SetTotalProduced(static_cast<double>(shift->GetAttribFloat(PS_TotalProduced)));
  active.m_lTotalTime = shift->GetAttribInt(PS_TotalTime);
  active.m_lUsefulTime = shift->GetAttribInt(PS_UsefulTime);
  active.SetTotalSlurry(static_cast<double>(shift->GetAttribInt(PS_TotalSlurry)));
  return shifts->UpdateActiveRecord();
}

RecipePendingShow ApplyRecipePendingChange(CPlant& plant, CVAttribsPack* pack, int code) {
  if (!plant.FindLivePack(pack)) return RecipePendingShow::Nothing;  // gone since the notice was posted
  if (pack != plant.Recipe()) return RecipePendingShow::Nothing;
  if (code == AC_READ_PENDING) {
    if (!pack->IsReadPending() && !CompareRecipePcWithPlc(nullptr)) return RecipePendingShow::RecipeWindow;
  } else if (code == AC_WRITE_PENDING) {
    const bool bDownloading = pack->IsWritePending();
    SetPrcGeneralBool(PG_VI_bRecipeIsDownloading, bDownloading);
    return bDownloading ? RecipePendingShow::Downloading : RecipePendingShow::Downloaded;
  }
  return RecipePendingShow::Nothing;
}

CRecipeRS* ActiveRecipeNoticeTable(CPlant& plant, const void* recordSet, int code) {
  if (code != TABLE_NOTICE_ACTIVE_RECORD_SET) return nullptr;
  CRecipeRS* recipes = plant.Tables().pRecipe.get();
  return recipes && recordSet == recipes ? recipes : nullptr;
}

bool RestartDemoForNewRecipe() {
  CVekEngineBase* engine = CVekEngineBase::GetEngine();
  if (!engine || !engine->IsDemoSource()) return false;
  engine->StartDemoSource();
  return true;
}
