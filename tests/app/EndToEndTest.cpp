// The whole program as the operator runs it: started offscreen on a copy
// of the shipped data, Demo runs a few seconds with the clock moved on,
// the values on the mimic move, an Event row reaches the database, and
// closing (answered Yes) ends the loop with exit code 0 and leaves every
// file complete.
#include <sqlite3.h>

#include <fstream>
#include <iterator>

#include "AppTestSupport.h"
#include "app/ShippedData.h"
#include "app/VekFrameView.h"
#include "core/IniFile.h"
#include "plant/DeviceAttribs.h"
#include "plant/Plant.h"
#include "tests/records/RecordsTestSupport.h"

using namespace app_test;

namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What the operator sees of the plant: the value labels and a few values.
struct MimicReading {
  std::vector<std::string> labels;
  float suctionFanSpeed = 0.0f;
  float beltFlow = 0.0f;
};

MimicReading ReadMimic(CVekFrameView& view) {
  view.RefreshStatus();
  MimicReading reading;
  for (UINT id : {1127u, 1108u, 1107u, 1102u, 1104u, 1125u})
    reading.labels.push_back(view.GetLabel(id)->GetWindowText());
  CPlant& plant = *CPlant::GetCurrent();
  reading.suctionFanSpeed = DeviceAttribs(plant, plant.FindDevice("SuctionFan")).Float("Speed");
  reading.beltFlow = DeviceAttribs(plant, plant.FindDevice("MeasuringBelt")).Float("Flow");
  return reading;
}

TEST_F(AppTest, TheWholeProgramRunsDemoRecordsAnEventAndClosesCleanly) {
  testing_support::ClockDouble clock;
  CopyShippedData();
  // One Event row a second, so that a few seconds of Demo are recorded.
  {
    CIniFile ini(File("-Setting.ini"));
    ASSERT_TRUE(ini.WriteInt("Application", "nRecordProcessInformationInterval", 1));
  }
  const std::string tagsBefore = ReadWhole(File("-DCTags.dct"));
  app = std::make_unique<CVekFrameApp>(MakeVekPlant(), code);
  boxes.SetDefaultAnswer(IDYES);

  MimicReading first, last;
  std::string eventRows, eventSource;
  bool reached = false;
  // The script runs once the message loop runs: start-up may process
  // posted work before (the splash, the view's creation).
  std::function<void()> script;
  int tries = 0;
  script = [&] {
    auto* view = dynamic_cast<CVekFrameView*>(Frame() ? Frame()->GetActiveView() : nullptr);
    if (!view || app->GetExitCode() != 0) {  // start-up has not run through yet
      if (++tries < 200) PostToUiThread(script);
      return;
    }
    reached = true;
    first = ReadMimic(*view);
    // Four seconds of Demo; the clock moves a minute meanwhile.
    for (int i = 0; i < 20; ++i) {
      clock.Advance(3000);
      WaitProcessingEvents([] { return false; }, 200);
    }
    last = ReadMimic(*view);
    eventRows = records_test::RawQuery(File("-DataBase.mdb"), "SELECT COUNT(*) FROM Event");
    eventSource = records_test::RawQuery(File("-DataBase.mdb"), "SELECT DataSourceType FROM Event LIMIT 1");
    AfxGetMainWnd()->PostMessage(WM_CLOSE);
  };
  PostToUiThread(script);
  EXPECT_EQ(app->RunProgram(), 0);
  exited = true;
  ASSERT_TRUE(reached) << "the program did not start";

  // Values moved on the mimic.
  EXPECT_NE(first.labels, last.labels);
  EXPECT_NE(first.suctionFanSpeed, last.suctionFanSpeed);
  EXPECT_NE(first.beltFlow, last.beltFlow);
  EXPECT_GT(last.suctionFanSpeed, 0.0f);
  // Event rows of the Demo plant, with its operator and recipe.
  // (First of all, before anything opens the database again: the program
  // folded its write-ahead log back when it closed.)
  EXPECT_FALSE(std::filesystem::exists(File("-DataBase.mdb-wal")));
  EXPECT_GE(std::stoi(eventRows), 1) << eventRows;
  EXPECT_EQ(eventSource, "Demo");
  EXPECT_EQ(records_test::RawQuery(File("-DataBase.mdb"), "SELECT OperatorName FROM Event LIMIT 1"),
            kShippedOperatorName);
  // Only the close question was asked.
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{CMainFrmBase::kCloseQuestion});

  // Every file complete: the database whole with its log folded back, the
  // settings readable with every section, the log closed, the tags untouched.
  EXPECT_EQ(records_test::RawQuery(File("-DataBase.mdb"), "PRAGMA integrity_check"), "ok");

  EXPECT_EQ(ReadWhole(File("-DCTags.dct")), tagsBefore);
  const std::string settings = ReadWhole(File("-Setting.ini"));
  EXPECT_NE(settings.find("[PrcAlarm.AlrmCriticalTmprSlope]"), std::string::npos) << "the last section is there";
  CIniFile ini(File("-Setting.ini"));
  int interval = 0;
  EXPECT_TRUE(ini.ReadInt("Application", "nRecordProcessInformationInterval", interval, -1));
  EXPECT_EQ(interval, 1);
  const std::string log = ReadWhole(File("-Log.log"));
  EXPECT_TRUE(log.ends_with("VekFrame Closed.\r\n")) << "the session's last line: " << log;
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log.substr(log.size() - 2), "\r\n") << "the last line is whole";
}

}  // namespace
