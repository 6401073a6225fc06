// CVekEngineApp: construction, start-up, the plant's record sets, the
// record facts, and the program-wide accessors of the process data.
#include "plant/VekEngineApp.h"

#include "plant/Plant.h"

CVekEngineApp::CVekEngineApp(CPlant& plant) : m_plant(plant) { CVekEngineApp::InitEngine(); }

CVekEngineApp::~CVekEngineApp() { DeletePlantTables(); }

CVStack* CVekEngineApp::GetProcessInfoStack(int nIndex) {
  if (nIndex < 0 || nIndex >= kProcessInfoStackCount) return nullptr;
  return &m_ProcessInfoStacks[static_cast<size_t>(nIndex)];
}

void CVekEngineApp::ResetProcessInfoStacks() {
  for (CVStack& stack : m_ProcessInfoStacks) {
    stack.Reset();
    stack.SetSize(GetProcessInfoStackSize());
  }
}

bool CVekEngineApp::StartUp() {
  const bool ok = CVekEngineBase::StartUp();
  // The settings are read now: the configured stack size applies from here.
  ResetProcessInfoStacks();
  return ok;
}

void CVekEngineApp::ShutDown() { CVekEngineBase::ShutDown(); }

// ---- Tables ----------------------------------------------------------------------------------

bool CVekEngineApp::OpenTables() {
  if (!CVekEngineBase::OpenTables()) return false;
  CWnd* main = GetMainWnd();
  OpenPlantTables(main ? main->GetSafeHwnd() : nullptr);
  return true;
}

void CVekEngineApp::OpenPlantTables(HWND hNotify) {
  CPlantTables& tables = m_plant.Tables();
  m_bOpenedTables = true;
  CADODatabase* db = GetEngineTables().GetDatabase();
  // A set already open on this connection is kept: only its notices move.
  const auto open = [&](CBaseTableRS& set, const std::string& name) {
    if (set.GetDatabase() == db && set.IsOpen() && set.GetTableName() == name) {
      set.SetNotifyWnd(hNotify);
      return false;
    }
    set.SetDatabase(db, hNotify);
    set.SetTableName(name);
    return true;
  };
  if (!tables.pShift) tables.pShift = std::make_unique<CShiftRS>();
  if (!tables.pRecipe) tables.pRecipe = std::make_unique<CRecipeRS>();
  if (!tables.pRecipeHistory) tables.pRecipeHistory = std::make_unique<CTableHistoryRS<CRecipeRS>>();
  if (!tables.pEvent) tables.pEvent = std::make_unique<CEventRS>();

  // A set that did not open has said why; it is not searched.
  if (open(*tables.pShift, CShiftRS::kTableName) && tables.pShift->IsOpen() && !tables.pShift->FindActiveRecord())
    tables.pShift->MoveLast();
  if (open(*tables.pRecipe, CRecipeRS::kTableName) && tables.pRecipe->IsOpen() &&
      !tables.pRecipe->FindActiveRecord())
    tables.pRecipe->MoveFirst();
  open(*tables.pEvent, CEventRS::kTableName);
  open(*tables.pRecipeHistory, CTableHistoryRS<CRecipeRS>::kTableName);
}

void CVekEngineApp::DeleteTables() {
  DeletePlantTables();
  CVekEngineBase::DeleteTables();
}

void CVekEngineApp::DeletePlantTables() {
  if (!m_bOpenedTables) return;
  m_bOpenedTables = false;
  CPlantTables& tables = m_plant.Tables();
  tables.pShift.reset();
  tables.pRecipe.reset();
  tables.pRecipeHistory.reset();
  tables.pEvent.reset();
}

// ---- Record facts ---------------------------------------------------------------------------------

std::string CVekEngineApp::GetOperatorName() const {
  const CShiftRS* shift = m_plant.Tables().pShift.get();
  return shift ? shift->GetActiveFields().m_strOperatorName : "?";
}

int CVekEngineApp::GetActiveRecipeId() const {
  const CRecipeRS* recipe = m_plant.Tables().pRecipe.get();
  return recipe ? recipe->GetActiveFields().m_nRecordID : -1;
}

std::string CVekEngineApp::GetActiveRecipeName() const {
  const CRecipeRS* recipe = m_plant.Tables().pRecipe.get();
  return recipe ? recipe->GetActiveFields().m_strRecipeName : "?";
}

// ---- Sources and life ------------------------------------------------------------------------------

void CVekEngineApp::OnDataSourceReady() {
  if (IsRealHwSource() && IsDataSourceIdle()) ResetProcessInfoStacks();
}

bool CVekEngineApp::StartRealHwSource() { return CVekEngineBase::StartRealHwSource(); }

// The base's InitEngine has run in the base constructor.
void CVekEngineApp::InitEngine() { ResetProcessInfoStacks(); }

void CVekEngineApp::ExitEngine() { CVekEngineBase::ExitEngine(); }

// ---- Program-wide accessors ---------------------------------------------------------------------------

namespace {

C_ProcessDataBase* General() {
  CPlant* plant = CPlant::GetCurrent();
  return plant ? plant->General() : nullptr;
}

C_ProcessDataBase* AlarmObject(int nAlarm) {
  CPlant* plant = CPlant::GetCurrent();
  return plant ? plant->Alarm(nAlarm) : nullptr;
}

}  // namespace

bool GetPrcGeneralBool(int nId) {
  C_ProcessDataBase* object = General();
  return object && object->GetAttribBool(nId);
}

void SetPrcGeneralBool(int nId, bool bValue) {
  if (C_ProcessDataBase* object = General()) object->SetAttribBoolIfChanged(nId, bValue);
}

float GetPrcGeneralFloat(int nId) {
  C_ProcessDataBase* object = General();
  return object ? object->GetAttribFloat(nId) : 0.0f;
}

void SetPrcGeneralFloat(int nId, float fValue) {
  if (C_ProcessDataBase* object = General()) object->SetAttribFloatIfChanged(nId, fValue);
}

bool GetPrcAlarmBool(int nAlarm, int nId) {
  C_ProcessDataBase* object = AlarmObject(nAlarm);
  return object && object->GetAttribBool(nId);
}

void SetPrcAlarmBool(int nAlarm, int nId, bool bValue) {
  if (C_ProcessDataBase* object = AlarmObject(nAlarm)) object->SetAttribBoolIfChanged(nId, bValue);
}

float GetPrcRecipeGenFloat(int nId) {
  CPlant* plant = CPlant::GetCurrent();
  return plant && plant->Recipe() ? plant->Recipe()->GetAttribFloat(nId) : 0.0f;
}
