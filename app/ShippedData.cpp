#include "app/ShippedData.h"

#include "app/RecordEdits.h"
#include "attrib/AttribTypes.h"
#include "core/Shamsi.h"
#include "core/VekUtils.h"
#include "links/VarTypeNames.h"
#include "plant/Plant.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "records/IRecordContext.h"
#include "records/RecordsSchema.h"

namespace {

// The program's own section as a first start needs it.
constexpr const char* kApplicationSection =
    "[Application]\r\n"
    "CoreControlType=PC-Base\r\n"
    "ProcessPriority=Normal\r\n"
    "nProcessInfoSamplingStackSize=60\r\n"
    "nRecordProcessInformationInterval=60\r\n"
    "nAddProcessInfoToStackInterval=1\r\n";

// A saved value ("Data") that differs from the class's default.
struct SavedValue {
  const char* device;
  const char* attrib;
  const char* value;
};

// The plant's ranges where the class defaults are too narrow for its
// values: the high-pressure pumps and the measuring belt carry up to
// 13000 kg/h of slurry and powder (the plant engine starts them at 9001
// and 13000), so their flow ranges and high alarms are raised.
constexpr SavedValue kSavedValues[] = {
    {"HighPressure1", "MaxVluFlow", "20000"}, {"HighPressure1", "HlaVluFlow", "18000"},
    {"HighPressure2", "MaxVluFlow", "20000"}, {"HighPressure2", "HlaVluFlow", "18000"},
    {"HighPressure3", "MaxVluFlow", "20000"}, {"HighPressure3", "HlaVluFlow", "18000"},
    {"MeasuringBelt", "MaxVluFlow", "20000"}, {"MeasuringBelt", "HlaVluFlow", "18000"},
};

// A trended attribute: its place in the trend window, samples kept, seconds
// between samples.
struct ShippedTrend {
  const char* device;
  const char* attrib;
  int index;
  int count;
  int interval;
};

// The drives that move in Demo first, then the tower's temperatures.
constexpr ShippedTrend kTrends[] = {
    {"SuctionFan", "Speed", 1, 600, 1},         {"MeasuringBelt", "Flow", 2, 600, 1},
    {"HighPressure1", "Speed", 3, 600, 1},      {"DilutionFan", "Speed", 4, 600, 1},
    {"SpryDryr1", "InletTemperature", 5, 600, 1}, {"SpryDryr1", "OutletTemperature", 6, 600, 1},
};

// What the shipped rows are stamped with: now, its Shamsi text.
class ShippedRecordContext : public IRecordContext {
 public:
  DATE GetRecordNow() const override { return GetCurrentDateTime(); }
  std::string GetShamsiText(DATE date, bool bWithTime) const override { return DateToShamsiText(date, bWithTime); }
  std::string GetDataSourceText() const override { return "None"; }
  std::string GetOperatorName() const override { return kShippedOperatorName; }
  int GetActiveRecipeId() const override { return -1; }
  std::string GetActiveRecipeName() const override { return "?"; }
};

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }
bool EndsWith(const std::string& text, const char* suffix) {
  const std::string s(suffix);
  return text.size() >= s.size() && text.compare(text.size() - s.size(), s.size(), s) == 0;
}

void AddLine(std::string& text, const std::string& line) { text += line + "\r\n"; }

}  // namespace

std::vector<C_BaseShape*> ShippedDataObjects(const CPlant& plant) {
  std::vector<C_BaseShape*> objects;
  for (const PlantDeviceRow& row : PlantDeviceTable())
    if (C_BaseShape* device = plant.FindDevice(row.name)) objects.push_back(device);
  for (const auto& object : plant.ProcessData()) objects.push_back(object.get());
  return objects;
}

std::string ShippedTagName(const C_BaseShape& object, int id) {
  return object.GetDeviceName() + "." + object.GetAttribName(id);
}

const char* ShippedTagIoType(const std::string& name) {
  for (const char* prefix : {"Do", "AutoCntrl"})
    if (StartsWith(name, prefix)) return "OUTPUT";
  for (const char* prefix : {"Di", "LlaFlg", "HlaFlg", "LocalCntrl"})
    if (StartsWith(name, prefix)) return "INPUT";
  if (EndsWith(name, "Port") && !StartsWith(name, "MinVlu") && !StartsWith(name, "MaxVlu")) return "INPUT";
  return "DUPLEX";
}

ShippedDataFiles MakeShippedDataFiles(const CPlant& plant) {
  ShippedDataFiles files;
  files.settings = kApplicationSection;
  files.tags =
      "// VekFrame data-center tags of the spray-dryer line (one tag per line; see docs/tag-file.md).\n"
      "// Made by scripts/make-shipped-data.sh from the program's tables: one memory tag per\n"
      "// attribute binding of VTLN-Setting.ini; bind them to hardware by changing HWType,\n"
      "// AccessPath and DataExpression.\n"
      "- TagID, TagName, HWType, AccessPath, IOType, DataType, DataStackSize, PortValuePrecision, DataExpression\n";
  int nTagId = 0;
  for (const C_BaseShape* object : ShippedDataObjects(plant)) {
    files.settings += "\r\n";
    AddLine(files.settings, "[" + object->GetIniSectionName() + "]");
    for (int id = BA_COUNT; id < object->GetAttribCount(); ++id) {
      if (!object->IsBindableAttrib(id)) continue;
      const std::string name = object->GetAttribName(id);
      const std::string tag = ShippedTagName(*object, id);
      for (const SavedValue& saved : kSavedValues)
        if (object->GetDeviceName() == saved.device && name == saved.attrib)
          AddLine(files.settings, object->GetAttribIniKey(id, AP_DATA) + "=" + saved.value);
      AddLine(files.settings, object->GetAttribIniKey(id, AP_TAG) + "=" + tag);
      for (const ShippedTrend& trend : kTrends)
        if (object->GetDeviceName() == trend.device && name == trend.attrib)
          AddLine(files.settings, object->GetAttribIniKey(id, AP_TREND_INFO) + "=" +
                                      FormatText("TrendIndex#%d-RecordCount#%d-RecordInterval#%d", trend.index,
                                                 trend.count, trend.interval));
      const VARTYPE vt = object->GetAttribType(id);
      files.tags += FormatText("%d, %s, NULL, , %s, %s, 0, %d,\n", ++nTagId, tag.c_str(), ShippedTagIoType(name),
                               VarTypeToName(vt).c_str(), vt == VT_R4 ? 2 : 0);
    }
  }
  return files;
}

// Moisture 2 %, density 330 gr/lit, slurry 30 bar, vacuum 7.8 mmH2O, inlet
// air 310 °C (the plant's Demo start values), the adjustments, the slurry
// and inlet-fan bands around the 13000 kg/h the pumps deliver, SPT and AIT.
const float kShippedRecipeItems[17] = {2.0f,    330.0f, 30.0f,    7.8f,  310.0f, 2.0f,  1.0f,   5.0f, 45.0f,
                                       8000.0f, 40.0f,  13000.0f, 80.0f, 18000.0f, 95.0f, 350.0f, 420.0f};

bool MakeShippedDatabase(const std::string& path) {
  ShippedRecordContext context;
  CADODatabase db;
  if (!OpenRecordsDatabase(db, path)) return false;
  db.SetRecordContext(&context);
  bool ok = false;
  {
    CRecipeRS recipes;
    CTableHistoryRS<CRecipeRS> history;
    CShiftRS shifts;
    recipes.SetDatabase(&db, static_cast<HWND>(nullptr));
    history.SetDatabase(&db, static_cast<HWND>(nullptr));
    shifts.SetDatabase(&db, static_cast<HWND>(nullptr));
    if (!recipes.SetTableName(CRecipeRS::kTableName) ||
        !history.SetTableName(CTableHistoryRS<CRecipeRS>::kTableName) || !shifts.SetTableName(CShiftRS::kTableName))
      return false;
    CRecipeFields recipe;
    recipe.m_strRecipeName = kShippedRecipeName;
    for (int n = 1; n <= CRecipeFields::kLoopItemCount; ++n) recipe.SetLoopItemValue(n, kShippedRecipeItems[n - 1]);
    const int id = record_edits::AddRecipe(recipes, recipe);
    ok = id >= 0 && record_edits::ActivateRecipe(recipes, &history, id) &&
         record_edits::StartShift(shifts, kShippedOperatorName);
  }
  // Shipped folded back and in rollback-journal mode: reading it in place
  // leaves no log beside it, and the program's first open of a copy
  // switches the copy to its write-ahead log.
  try {
    db.Execute("PRAGMA journal_mode=DELETE");
  } catch (const CADOException& e) {
    AfxMessageBox(e.GetErrorMessage(), MB_OK | MB_ICONERROR);
    ok = false;
  }
  db.Close();
  return ok;
}

int InstallShippedData(const std::string& strShippedFolder, const std::string& strProgramFolder) {
  return CopyMissingFiles(strShippedFolder, strProgramFolder,
                          {kShippedSettingsFile, kShippedTagFile, kShippedDatabaseFile});
}
