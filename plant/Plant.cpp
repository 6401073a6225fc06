#include "plant/Plant.h"

#include <string_view>

#include "attrib/AttribTypes.h"
#include "attrib/VAttrib.h"
#include "core/IniFile.h"
#include "core/VekUtils.h"
#include "plant/VekEngineApp.h"
#include "platform/Seams.h"

namespace {

CPlant* g_pCurrentPlant = nullptr;

const std::vector<C_BaseShape*> kNoDevices;

// Destroys the window when there is one, then deletes the object.
template <class T>
void DestroyAndDelete(std::unique_ptr<T>& object) {
  if (object && object->IsWindowCreated()) object->DestroyWindow();
  object.reset();
}

// "Class.Name" as the messages and the name sets show it.
std::string QualifiedAttribName(int controlType, const std::string& name) {
  return ControlTypeToName(controlType) + "." + name;
}

}  // namespace

CPlant::CPlant(const PlantDeviceClasses& classes, const std::vector<PlantAttribNames>& names) : m_classes(classes) {
  for (const PlantDeviceRow& row : PlantDeviceTable()) {
    const auto factory = m_classes.factories.find(row.controlType);
    if (factory == m_classes.factories.end() || !factory->second) continue;
    std::unique_ptr<C_BaseShape> device = factory->second(row);
    if (!device) continue;
    m_byClass[static_cast<size_t>(row.controlType)].push_back(device.get());
    m_devices.push_back(std::move(device));
  }
  ResolveAttribNames(names);
  g_pCurrentPlant = this;
}

CPlant::~CPlant() {
  DestroyProcessData();
  DestroyDevices();
  if (g_pCurrentPlant == this) g_pCurrentPlant = nullptr;
}

CPlant* CPlant::GetCurrent() { return g_pCurrentPlant; }

// ---- Start-up -----------------------------------------------------------------------------------

void CPlant::CreateProcessData() {
  if (!m_processData.empty()) return;
  const auto add = [this](auto object) {
    auto* raw = object.get();
    m_processData.push_back(std::move(object));
    return raw;
  };
  m_pGeneral = add(std::make_unique<C_ProcessDataGen>(SHAPE_SETTINGS_INI_INDEX));
  m_pShift = add(std::make_unique<C_ProcessDataShift>(SHAPE_SETTINGS_INI_INDEX));
  m_pRecipe = add(std::make_unique<C_ProcessDataRecipeGen>(SHAPE_SETTINGS_INI_INDEX));
  for (int i = 0; i < kLoopCount; ++i)
    m_loops[static_cast<size_t>(i)] =
        add(std::make_unique<C_ProcessDataLoop>(SHAPE_SETTINGS_INI_INDEX, "Loop" + GetLoopName(static_cast<unsigned>(i))));
  for (int i = 0; i < kAlarmCount; ++i)
    m_alarms[static_cast<size_t>(i)] =
        add(std::make_unique<C_ProcessDataAlarm>(SHAPE_SETTINGS_INI_INDEX, GetAlarmName(static_cast<unsigned>(i))));
}

CVekEngineApp* CPlant::CreateEngine() {
  if (!m_unresolved.empty()) {
    std::string text = "The plant cannot start: these attribute names do not exist in their classes:";
    for (const std::string& name : m_unresolved) text += "\n" + name;
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
    return nullptr;
  }
  return new CVekEngineApp(*this);
}

// ---- The supervise view --------------------------------------------------------------------------

bool CPlant::CreateDeviceShapes(CWnd* pView) {
  bool ok = true;
  for (int controlType : PlantWindowCreationOrder()) {
    for (C_BaseShape* device : Devices(controlType)) {
      if (device->IsWindowCreated()) continue;
      if (!device->Create(pView)) {
        ok = false;
        continue;
      }
      if (controlType == CT_DOSE_PUMP || controlType == CT_BELT) device->SetAttribInt(BA_ActuatorControlType, 3);
    }
  }
  return ok;
}

bool CPlant::AttachProcessData(CWnd* pView) {
  bool ok = true;
  for (const auto& object : m_processData) {
    if (!object->IsWindowCreated() && !object->Create(pView)) ok = false;
  }
  if (CRecipeRS* recipe = m_tables.pRecipe.get()) recipe->SetActiveRecord(recipe->FindActiveRecord());
  if (CShiftRS* shift = m_tables.pShift.get()) shift->SetActiveRecord(shift->FindActiveRecord());
  return ok;
}

// ---- Commands -----------------------------------------------------------------------------------

bool CPlant::IsResetProcessOn() const { return m_pGeneral && m_pGeneral->GetAttribBool(PG_VI_bResetProcess); }

void CPlant::SetResetProcessOn() {
  if (m_pGeneral) m_pGeneral->SetAttribBoolIfChanged(PG_VI_bResetProcess, true);
}

// ---- Exit ------------------------------------------------------------------------------------------

void CPlant::DestroyProcessData() {
  // What the objects save at their end goes to the settings file in one
  // replacement.
  CIniFile::CBatch batch(C_BaseShape::GetPackIniFile(SHAPE_SETTINGS_INI_INDEX));
  for (auto& object : m_processData) DestroyAndDelete(object);
  m_processData.clear();
  m_pGeneral = nullptr;
  m_pShift = nullptr;
  m_pRecipe = nullptr;
  m_loops.fill(nullptr);
  m_alarms.fill(nullptr);
}

void CPlant::DestroyDevices() {
  // The colours and actuator settings that every device saves at its end
  // go to the settings file in one replacement.
  CIniFile::CBatch batch(C_BaseShape::GetPackIniFile(SHAPE_SETTINGS_INI_INDEX));
  for (auto& list : m_byClass) list.clear();
  for (auto& device : m_devices) DestroyAndDelete(device);
  m_devices.clear();
}

// ---- Devices ------------------------------------------------------------------------------------------

const std::vector<C_BaseShape*>& CPlant::Devices(int controlType) const {
  if (controlType < 0 || controlType >= static_cast<int>(m_byClass.size())) return kNoDevices;
  return m_byClass[static_cast<size_t>(controlType)];
}

C_BaseShape* CPlant::Device(int controlType, int instance) const {
  const std::vector<C_BaseShape*>& devices = Devices(controlType);
  if (instance < 0 || instance >= static_cast<int>(devices.size())) return nullptr;
  return devices[static_cast<size_t>(instance)];
}

C_BaseShape* CPlant::FindDevice(const std::string& name) const {
  for (const auto& device : m_devices)
    if (device->GetDeviceName() == name) return device.get();
  return nullptr;
}

int CPlant::AttribId(const C_BaseShape* object, const char* name) {
  if (!object || !name) return -1;
  const int controlType = object->GetControlType();
  auto& ids = m_ids[static_cast<size_t>(controlType & 0xFF)];
  const auto found = ids.find(std::string_view(name));
  if (found != ids.end()) return found->second;
  // Not in the table: the code uses a name no start-up check covered.
  const int id = object->GetClassDef().attribs.FindId(name);
  ids.emplace(name, id);
  const std::string qualified = QualifiedAttribName(controlType, name);
  m_offTable.insert(qualified);
  if (id < 0) m_unresolved.insert(qualified);
  AfxMessageBox("The attribute name " + qualified + " is not in the plant's name table" +
                    (id < 0 ? " and does not exist in its class." : "."),
                MB_OK | MB_ICONSTOP);
  return id;
}

void CPlant::ResolveAttribNames(const std::vector<PlantAttribNames>& names) {
  for (const PlantAttribNames& row : names) {
    const ShapeClassDef* def = ClassDefOf(row.controlType);
    if (!def) continue;  // no object of the class here: nothing looks its names up
    auto& ids = m_ids[static_cast<size_t>(row.controlType & 0xFF)];
    for (const char* name : row.names) {
      const int id = def->attribs.FindId(name);
      ids.emplace(name, id);
      if (id < 0) m_unresolved.insert(QualifiedAttribName(row.controlType, name));
    }
  }
}

const ShapeClassDef* CPlant::ClassDefOf(int controlType) const {
  switch (controlType) {
    case CT_PRC_GENERAL: return &C_ProcessDataGen::ClassDef();
    case CT_PRC_SHIFT: return &C_ProcessDataShift::ClassDef();
    case CT_PRC_RECIPE_GEN: return &C_ProcessDataRecipeGen::ClassDef();
    case CT_PRC_LOOP: return &C_ProcessDataLoop::ClassDef();
    case CT_PRC_ALARM: return &C_ProcessDataAlarm::ClassDef();
    default: {
      const std::vector<C_BaseShape*>& devices = Devices(controlType);
      return devices.empty() ? nullptr : &devices.front()->GetClassDef();
    }
  }
}

// ---- Notices ----------------------------------------------------------------------------------------

CVAttribsPack* CPlant::FindLivePack(const void* pack) const {
  if (!pack) return nullptr;
  for (const auto& device : m_devices)
    if (static_cast<const void*>(static_cast<CVAttribsPack*>(device.get())) == pack) return device.get();
  for (const auto& object : m_processData)
    if (static_cast<const void*>(static_cast<CVAttribsPack*>(object.get())) == pack) return object.get();
  return nullptr;
}

CVAttrib* CPlant::FindLiveAttrib(const void* attrib) const {
  if (!attrib) return nullptr;
  if (CVAttrib* live = LookUpAttrib(attrib)) return live;
  // A miss: attributes were made or deleted since the index was built, or
  // the attribute has gone. The index is built anew from the live packs.
  m_attribIndex.clear();
  const auto add = [this](const CVAttribsPack& pack) {
    for (int id = 0; id < pack.GetAttribCount(); ++id)
      if (const CVAttrib* each = pack.GetAttrib(id)) m_attribIndex[each] = {&pack, id};
  };
  // An entry is empty while the objects are being destroyed one by one.
  for (const auto& device : m_devices)
    if (device) add(*device);
  for (const auto& object : m_processData)
    if (object) add(*object);
  return LookUpAttrib(attrib);
}

CVAttrib* CPlant::LookUpAttrib(const void* attrib) const {
  const auto entry = m_attribIndex.find(attrib);
  if (entry == m_attribIndex.end()) return nullptr;
  const CVAttribsPack* pack = FindLivePack(entry->second.first);
  const int id = entry->second.second;
  if (!pack || id >= pack->GetAttribCount()) return nullptr;
  CVAttrib* live = pack->GetAttrib(id);
  return live == attrib ? live : nullptr;
}

// ---- Process data -------------------------------------------------------------------------------------

C_ProcessDataLoop* CPlant::Loop(int nLoop) const {
  return nLoop >= 0 && nLoop < kLoopCount ? m_loops[static_cast<size_t>(nLoop)] : nullptr;
}

C_ProcessDataAlarm* CPlant::Alarm(int nAlarm) const {
  return nAlarm >= 0 && nAlarm < kAlarmCount ? m_alarms[static_cast<size_t>(nAlarm)] : nullptr;
}
