// The shapes' process-wide state: instance counters, the device-name list,
// the INI-file table and the shared font.
#include "shapes/ShapeRegistry.h"

#include <algorithm>
#include <array>
#include <memory>
#include <strings.h>
#include <vector>

#include "core/IniFile.h"
#include "platform/Seams.h"
#include "platform/ui/Font.h"
#include "platform/ui/GdiTypes.h"
#include "shapes/BaseShape.h"

namespace {

struct Registry {
  // Per control type, the live shapes per INI-file index; an all-zero
  // array is freed.
  std::array<std::vector<int>, 256> instanceCounters;
  std::vector<std::string> deviceNames;
  bool iniTableExists = false;
  std::vector<std::unique_ptr<CIniFile>> iniFiles;
};

// Made by the first shape's constructor, so it is destroyed only after
// every shape (static objects go in the reverse order of their making).
Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

std::vector<int>& Counters(int controlType) {
  return TheRegistry().instanceCounters[static_cast<size_t>(controlType & 0xFF)];
}

}  // namespace

namespace shape_registry {

int CountInstance(int controlType, int iniIndex) {
  std::vector<int>& counters = Counters(controlType);
  const size_t size = std::max(static_cast<size_t>(iniIndex & 0xFF) + 1,
                               static_cast<size_t>(SHAPE_DEFAULT_INI_FILE_COUNT) + 1);
  if (counters.size() < size) counters.resize(size, 0);
  return ++counters[static_cast<size_t>(iniIndex & 0xFF)];
}

void ReleaseInstance(int controlType, int iniIndex) {
  std::vector<int>& counters = Counters(controlType);
  const size_t index = static_cast<size_t>(iniIndex & 0xFF);
  if (index < counters.size() && counters[index] > 0) --counters[index];
  if (std::all_of(counters.begin(), counters.end(), [](int n) { return n == 0; })) counters.clear();
}

int InstanceCount(int controlType, int iniIndex) {
  const std::vector<int>& counters = Counters(controlType);
  const size_t index = static_cast<size_t>(iniIndex & 0xFF);
  return index < counters.size() ? counters[index] : 0;
}

void AddDeviceName(const std::string& name) { TheRegistry().deviceNames.push_back(name); }

void RemoveDeviceName(const std::string& name) {
  std::vector<std::string>& names = TheRegistry().deviceNames;
  auto it = std::find(names.rbegin(), names.rend(), name);
  if (it != names.rend()) names.erase(std::next(it).base());
}

}  // namespace shape_registry

// ---- C_BaseShape's process-wide members ------------------------------------------------------

void C_BaseShape::CreatePackIniFileTable(int count) {
  Registry& registry = TheRegistry();
  registry.iniFiles.clear();
  registry.iniFiles.resize(static_cast<size_t>(std::max(count, 0)));
  registry.iniTableExists = true;
}

CIniFile* C_BaseShape::GetPackIniFile(int index) {
  const Registry& registry = TheRegistry();
  if (!registry.iniTableExists || index < 0 || index >= static_cast<int>(registry.iniFiles.size())) {
    return nullptr;
  }
  return registry.iniFiles[static_cast<size_t>(index)].get();
}

void C_BaseShape::SetPackIniFile(int index, CIniFile* ini) {
  std::unique_ptr<CIniFile> owned(ini);
  Registry& registry = TheRegistry();
  if (!registry.iniTableExists) CreatePackIniFileTable(SHAPE_DEFAULT_INI_FILE_COUNT);
  if (index < 0 || index >= static_cast<int>(registry.iniFiles.size())) return;  // owned is deleted
  registry.iniFiles[static_cast<size_t>(index)] = std::move(owned);
}

void C_BaseShape::DeletePackIniFiles() {
  Registry& registry = TheRegistry();
  registry.iniFiles.clear();
  registry.iniTableExists = false;
}

const std::vector<std::string>& C_BaseShape::GetDeviceNameList() { return TheRegistry().deviceNames; }

void C_BaseShape::DeleteDeviceNameList() { TheRegistry().deviceNames.clear(); }

bool C_BaseShape::CheckDuplicatedDeviceNames() {
  const std::vector<std::string>& names = TheRegistry().deviceNames;
  for (size_t i = 0; i < names.size(); ++i) {
    for (size_t j = i + 1; j < names.size(); ++j) {
      if (strcasecmp(names[i].c_str(), names[j].c_str()) != 0) continue;
      AfxMessageBox("Found duplicated Device Name!\r\nDevice Name: " + names[i], MB_ICONSTOP | MB_SYSTEMMODAL);
      return false;
    }
  }
  return true;
}

CFont* C_BaseShape::GetShapeFont() {
  // One font for every shape, kept for the program's life like the stock objects.
  static CFont* font = [] {
    auto* made = new CFont();
    LOGFONT logFont{};
    logFont.lfHeight = 80;  // tenths of a point
    logFont.lfWeight = FW_BOLD;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfFaceName = "Tahoma";
    made->CreatePointFontIndirect(&logFont);
    return made;
  }();
  return font;
}
