// The shipped default data (data/): it holds what the program's tables
// make (so it stays in step with the code), and the whole program starts
// on a copy of it as a fresh machine gets it: no message, every bindable
// attribute of every device and process-data object bound to its tag, the
// active recipe and shift named, the Demo values inside their ranges.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "AppTestSupport.h"
#include "app/ShippedData.h"
#include "app/VekFrameView.h"
#include "plant/DeviceAttribs.h"
#include "plant/Plant.h"
#include "plant/PlantDeviceList.h"
#include "plant/VekEngineApp.h"
#include "core/DCTag.h"
#include "core/DataCenterBase.h"
#include "records/RecordsSchema.h"
#include "tests/records/RecordsTestSupport.h"

using namespace app_test;

namespace {

std::string ShippedFolder() {
  return testing_support::SourceTopFolder(__FILE__) + "/data/";
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The shipped files are found whether the compiler wrote this file's name
// whole or relative to the build folder, from wherever the test runs.
TEST(ShippedDataFilesTest, TheSourceTreeIsFoundFromAWholeOrARelativeFileName) {
  namespace fs = std::filesystem;
  const std::string top = testing_support::SourceTopFolder(__FILE__);
  ASSERT_TRUE(fs::is_regular_file(top + "/data/VTLN-Setting.ini")) << top;
  const fs::path whole = fs::absolute(fs::path(top) / "tests/app/ShippedDataTest.cpp");
  const std::string relative = fs::relative(whole).string();
  ASSERT_FALSE(fs::path(relative).is_absolute());
  EXPECT_EQ(fs::path(testing_support::SourceTopFolder(whole.string())), fs::path(top).lexically_normal());
  EXPECT_TRUE(fs::equivalent(testing_support::SourceTopFolder(relative), top));
  EXPECT_EQ(testing_support::SourceTopFolder("../nowhere/tests/x.cpp"), "../nowhere") << "kept as given";
}

TEST(ShippedDataFilesTest, DataHoldsWhatTheProgramsTablesMake) {
  CPlant plant;
  plant.CreateProcessData();
  const ShippedDataFiles files = MakeShippedDataFiles(plant);
  EXPECT_TRUE(files.settings == ReadWhole(ShippedFolder() + "VTLN-Setting.ini"))
      << "data/VTLN-Setting.ini is out of step with the program: run scripts/make-shipped-data.sh";
  EXPECT_TRUE(files.tags == ReadWhole(ShippedFolder() + "VTLN-DCTags.dct"))
      << "data/VTLN-DCTags.dct is out of step with the program: run scripts/make-shipped-data.sh";
}

TEST(ShippedDataFilesTest, TagDirectionsFollowTheAttributesNames) {
  EXPECT_STREQ(ShippedTagIoType("DoOnOffSpeed"), "OUTPUT");
  EXPECT_STREQ(ShippedTagIoType("AutoCntrlSpeed"), "OUTPUT");
  EXPECT_STREQ(ShippedTagIoType("DiOnOffSpeed"), "INPUT");
  EXPECT_STREQ(ShippedTagIoType("HlaFlgLevel"), "INPUT");
  EXPECT_STREQ(ShippedTagIoType("LocalCntrlSpeed"), "INPUT");
  EXPECT_STREQ(ShippedTagIoType("SpeedPort"), "INPUT");
  EXPECT_STREQ(ShippedTagIoType("MaxVluSpeedPort"), "DUPLEX");
  EXPECT_STREQ(ShippedTagIoType("MaxVluSpeed"), "DUPLEX");
  EXPECT_STREQ(ShippedTagIoType("VI_bAlarmAck"), "DUPLEX");
}

TEST(ShippedDataFilesTest, TheShippedDatabaseIsFoldedBackAndLeavesNothingBesideIt) {
  const std::string database = ReadWhole(ShippedFolder() + kShippedDatabaseFile);
  ASSERT_GT(database.size(), 100u);
  // Bytes 18 and 19 of the header: 1 for a rollback journal, 2 for a write-ahead log.
  EXPECT_EQ(database[18], 1) << "data/" << kShippedDatabaseFile << " is in write-ahead-log mode";
  EXPECT_EQ(database[19], 1);
  EXPECT_EQ(database.substr(68, 4), "VekF") << "the program's mark (application id)";
  for (const char* beside : {"-wal", "-shm", "-journal"})
    EXPECT_FALSE(std::filesystem::exists(ShippedFolder() + kShippedDatabaseFile + beside))
        << "data/ holds " << kShippedDatabaseFile << beside << ": something opened the shipped database in place";
}

TEST(ShippedDataFilesTest, ALogBesideTheShippedDatabaseNeverReachesTheUsersDatabase) {
  testing_support::TempDir shipped, program, scratch;
  for (const char* name : {kShippedSettingsFile, kShippedTagFile, kShippedDatabaseFile})
    std::filesystem::copy_file(ShippedFolder() + name, shipped.File(name));
  // The user's database: the shipped one holding 500 Event rows, closed cleanly.
  std::filesystem::copy_file(shipped.File(kShippedDatabaseFile), program.File(kShippedDatabaseFile));
  {
    testing_support::MessageBoxDouble boxes;
    CADODatabase db;
    ASSERT_TRUE(OpenRecordsDatabase(db, program.File(kShippedDatabaseFile)));
  }
  ASSERT_EQ(records_test::RawExec(program.File(kShippedDatabaseFile),
                                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500) "
                                  "INSERT INTO Event (OperatorName) SELECT 'user ' || i FROM n"),
            SQLITE_OK);
  ASSERT_FALSE(std::filesystem::exists(program.File(std::string(kShippedDatabaseFile) + "-wal")));
  // A log and its index left beside the shipped database by a program that
  // opened it in place and has not closed it.
  std::filesystem::copy_file(shipped.File(kShippedDatabaseFile), scratch.File("s.mdb"));
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(scratch.File("s.mdb").c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other,
                         "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0; "
                         "INSERT INTO Event (OperatorName) VALUES ('shipped 1'), ('shipped 2');",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  std::filesystem::copy_file(scratch.File("s.mdb-wal"), shipped.File(std::string(kShippedDatabaseFile) + "-wal"));
  std::filesystem::copy_file(scratch.File("s.mdb-shm"), shipped.File(std::string(kShippedDatabaseFile) + "-shm"));
  sqlite3_close(other);

  EXPECT_EQ(InstallShippedData(shipped.Path(), program.Path()), 2) << "the settings and the tag file";
  for (const char* beside : {"-wal", "-shm"})
    EXPECT_FALSE(std::filesystem::exists(program.File(std::string(kShippedDatabaseFile) + beside))) << beside;
  EXPECT_FALSE(std::filesystem::exists(program.File(kShippedUserFile))) << "the first start installs the user file";
  testing_support::MessageBoxDouble boxes;
  CADODatabase db;
  ASSERT_TRUE(OpenRecordsDatabase(db, program.File(kShippedDatabaseFile)));
  db.Close();
  const std::string file = program.File(kShippedDatabaseFile);
  EXPECT_EQ(records_test::RawQuery(file, "SELECT count(*) FROM Event WHERE OperatorName LIKE 'user %'"), "500");
  EXPECT_EQ(records_test::RawQuery(file, "SELECT count(*) FROM Event"), "500");
  EXPECT_EQ(records_test::RawQuery(file, "PRAGMA integrity_check"), "ok");
}

using ShippedDataStartTest = AppTest;

TEST_F(ShippedDataStartTest, TheProgramStartsWithoutAMessageAndEveryAttributeBound) {
  StartOnShippedData();
  EXPECT_TRUE(boxes.Shown().empty()) << boxes.Last().text;
  EXPECT_EQ(Engine()->GetDataSourceType(), CVekEngineBase::eDataSourceDemo);
  CPlant* plant = CPlant::GetCurrent();
  ASSERT_NE(plant, nullptr);
  const std::vector<C_BaseShape*> objects = ShippedDataObjects(*plant);
  EXPECT_EQ(objects.size(), static_cast<size_t>(plant->GetDeviceCount()) + 34u);
  int bound = 0;
  for (C_BaseShape* object : objects) {
    EXPECT_TRUE(object->IsWindowCreated()) << object->GetIniSectionName();
    for (int id = 0; id < object->GetAttribCount(); ++id) {
      if (!object->IsBindableAttrib(id)) continue;
      const CVAttrib* attrib = object->GetAttrib(id);
      ASSERT_NE(attrib->GetTag(), nullptr) << object->GetIniSectionName() << " " << attrib->GetName();
      EXPECT_EQ(attrib->GetTag()->GetTagName(), ShippedTagName(*object, id));
      ++bound;
    }
  }
  EXPECT_EQ(bound, Engine()->GetEngineDataCenter()->GetTagCount()) << "one tag per binding, none left over";
  EXPECT_TRUE(plant->GetUnresolvedAttribNames().empty());
}

TEST_F(ShippedDataStartTest, TheStatusLinesNameTheShippedShiftAndRecipe) {
  StartOnShippedData();
  auto* view = dynamic_cast<CVekFrameView*>(Frame()->GetActiveView());
  ASSERT_NE(view, nullptr);
  view->RefreshStatus();
  EXPECT_EQ(view->GetLabel(1135)->GetWindowText(), std::string("Operator: ") + kShippedOperatorName);
  EXPECT_EQ(view->GetLabel(1132)->GetWindowText(), std::string("Recipe: 1  ") + kShippedRecipeName);
}

TEST_F(ShippedDataStartTest, TheSettingsKeepTheDemoStartValuesInTheirRanges) {
  StartOnShippedData();
  CPlant* plant = CPlant::GetCurrent();
  ASSERT_NE(plant, nullptr);
  // The start values as the engine sets them when a source starts.
  Engine()->SetDataSourceType(CVekEngineBase::eDataSourceNone);
  ASSERT_TRUE(dynamic_cast<CVekEngineApp*>(Engine())->InitProcessValues());
  ProcessPendingEvents();
  const auto value = [&](const char* device, const char* attrib) {
    return DeviceAttribs(*plant, plant->FindDevice(device)).Float(attrib);
  };
  EXPECT_EQ(value("HighPressure1", "Flow"), 9001.0f);
  EXPECT_EQ(value("HighPressure2", "Flow"), 9001.0f);
  EXPECT_EQ(value("MeasuringBelt", "Flow"), 13000.0f);
  EXPECT_EQ(value("MeasuringBelt", "Load"), 18.0f);
  EXPECT_EQ(value("SuctionFan", "Speed"), 90.0f);
  EXPECT_GT(value("SuctionFan", "MaxVluSpeed"), 0.0f) << "a bound range keeps its setting";
  for (const PlantDeviceRow& row : PlantDeviceTable())
    for (const char* attrib : {"HlaFlgFlow", "HlaFlgSpeed", "HlaFlgLoad"})
      EXPECT_FALSE(DeviceAttribs(*plant, plant->FindDevice(row.name)).Bool(attrib)) << row.name << " " << attrib;
}

}  // namespace
