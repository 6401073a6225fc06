// Analog units' auto-calculation check, alarms and the alarm pack.
#include <gtest/gtest.h>

#include "PlantFixture.h"
#include "attrib/AlarmPack.h"
#include "attrib/AnalogUnit.h"
#include "support/Doubles.h"

using namespace plant_test;
using testing_support::ClockDouble;
using testing_support::ExitCalled;
using testing_support::KeyStateDouble;
using testing_support::MessageBoxDouble;

namespace {

const char* const kCalculatedButMapped =
    "Invalid internal hard code configuration!\n\n"
    "The following Psychical-Value Attrib is configured to be calculated from Port-Value Attrib within "
    "VekFrame in PC.\nAnd also the mentioned Psychical-Value Attrib is assigned to a HW mapped DC-Tag.\n"
    "This situation makes concurrent (and unstable) calculation for the Psychical-Value Attrib.\n"
    "Please change internal configuration (recommended) or remove Tag assignment from Psychical-Value "
    "Attrib.\n\nDeviceName: [Vessel.Dev1]\nAttribName: [Flow]\n";

const char* const kNotCalculatedNotMapped =
    "Invalid internal hard code configuration!\n\n"
    "The following Psychical-Value Attrib is NOT configured to be calculated from Port-Value Attrib "
    "within VekFrame in PC.\nBecause the mentioned Psychical-Value Attrib is NOT assigned to a HW "
    "mapped DC-Tag.\nPlease change internal configuration (recommended) or assign a Tag to "
    "Psychical-Value Attrib.\nDo you want to set bAutoCalcPhyValueFromPortValue flag for the "
    "following Psychical-Value Attrib?\n\nDeviceName: [Vessel.Dev1]\nAttribName: [Flow]\n";

}  // namespace

struct AutoCalcCase {
  const char* what;
  bool flag;
  const char* valueTag;  // "" unbound; RealOut is hardware-mapped, RealMem is not
  const char* portTag;
  int answer;
  const char* box;  // the text shown, or null
  bool result;      // first and later calls
  int exitCode;
};

TEST(AnalogUnit, AutoCalculationIsSettledOnceAgainstTheBindings) {
  const AutoCalcCase cases[] = {
      {"calculated, no value tag", true, "", "RealOut2", IDOK, nullptr, true, 0},
      {"calculated, value tag not mapped", true, "RealMem", "", IDOK, nullptr, true, 0},
      {"calculated but the value tag is mapped", true, "RealOut", "", IDOK, kCalculatedButMapped, false, 0},
      {"... and cancel", true, "RealOut", "", IDCANCEL, kCalculatedButMapped, false, 321},
      {"from hardware", false, "RealOut", "RealOut2", IDOK, nullptr, false, 0},
      {"nothing mapped", false, "", "", IDOK, nullptr, false, 0},
      {"port not mapped", false, "RealMem", "RealMem", IDOK, nullptr, false, 0},
      {"mapped port, yes", false, "", "RealOut2", IDYES, kNotCalculatedNotMapped, true, 0},
      {"mapped port, no", false, "RealMem", "RealOut2", IDNO, kNotCalculatedNotMapped, false, 0},
      {"mapped port, cancel", false, "", "RealOut2", IDCANCEL, kNotCalculatedNotMapped, false, 321},
  };
  for (const AutoCalcCase& c : cases) {
    SCOPED_TRACE(c.what);
    TagWorld world;
    TestPack pack(AnalogGroup("Flow", VT_R4));
    pack.Declare();
    if (*c.valueTag) pack.Attrib("Flow")->SetTagName(c.valueTag);
    if (*c.portTag) pack.Attrib("FlowPort")->SetTagName(c.portTag);
    CAnalogUnit unit(&pack);
    unit.SetAttribId(pack.IdOf("Flow"));
    unit.SetAutoCalcFromPort(c.flag);
    MessageBoxDouble boxes(c.answer);

    int exitCode = 0;
    try {
      EXPECT_EQ(unit.IsAutoCalcFromPort(), c.result);
    } catch (const ExitCalled& e) {
      exitCode = e.code;
    }
    EXPECT_EQ(exitCode, c.exitCode);
    if (c.box == nullptr) {
      EXPECT_EQ(boxes.Count(), 0u);
    } else {
      ASSERT_EQ(boxes.Count(), 1u);
      EXPECT_EQ(boxes.Last().text, c.box);
      EXPECT_EQ(boxes.Last().flags & MB_TYPEMASK, c.box == kCalculatedButMapped ? MB_OKCANCEL : MB_YESNOCANCEL);
    }
    if (exitCode != 0) continue;
    // Later calls answer the same and never ask again.
    EXPECT_EQ(unit.IsAutoCalcFromPort(), c.result);
    EXPECT_EQ(unit.IsAutoCalcFromPort(), c.result);
    EXPECT_EQ(boxes.Count(), c.box ? 1u : 0u);
  }
}

TEST(AnalogUnit, MissingAttributesAnswerWithoutAsking) {
  TagWorld world;
  std::vector<AttribDef> defs = AnalogGroup("Flow", VT_R4);
  defs.resize(3);  // no port member
  TestPack pack(defs);
  pack.Declare();
  MessageBoxDouble boxes;
  CAnalogUnit unset(&pack);
  EXPECT_FALSE(unset.IsAutoCalcFromPort());
  unset.SetAutoCalcFromPort(true);
  EXPECT_TRUE(unset.IsAutoCalcFromPort());
  CAnalogUnit outOfRange(&pack);
  outOfRange.SetAttribId(40);
  EXPECT_FALSE(outOfRange.IsAutoCalcFromPort());
  CAnalogUnit noPort(&pack);
  noPort.SetAttribId(0);
  EXPECT_FALSE(noPort.IsAutoCalcFromPort());
  CAnalogUnit noOwner(nullptr);
  noOwner.SetAttribId(0);
  EXPECT_FALSE(noOwner.IsAutoCalcFromPort());
  EXPECT_EQ(boxes.Count(), 0u);
}

TEST(AnalogUnit, CaptionIsTrimmedAndUnitTextKept) {
  CAnalogUnit unit(nullptr);
  EXPECT_EQ(unit.GetUnitText(), "Unit?");
  EXPECT_EQ(unit.GetAttribId(), -1);
  unit.SetCaption("  Slurry Flow \t");
  unit.SetUnitText(" Kg/h ");
  EXPECT_EQ(unit.GetCaption(), "Slurry Flow");
  EXPECT_EQ(unit.GetUnitText(), " Kg/h ");
}

namespace {

class RecordingAlarmPack : public CAlarmPack {
 public:
  void OnAlarmPackChanged(int code) override { codes.push_back(code); }
  std::vector<int> codes;
};

}  // namespace

TEST(AlarmPack, AddingAnExistingIdChangesNothing) {
  RecordingAlarmPack pack;
  pack.AddAlarm(7, "A");
  pack.AddAlarm(7, "B");
  pack.AddAlarm(2000, "CHLFR");
  ASSERT_EQ(pack.GetAlarmCount(), 2);
  ASSERT_NE(pack.FindAlarm(7), nullptr);
  EXPECT_EQ(pack.FindAlarm(7)->GetName(), "A");
  ASSERT_NE(pack.GetAlarmAt(1), nullptr);
  EXPECT_EQ(pack.GetAlarmAt(1)->GetId(), 2000);
  EXPECT_EQ(pack.GetAlarmAt(2), nullptr);
  EXPECT_EQ(pack.FindAlarm(8), nullptr);
  EXPECT_EQ(pack.FindAlarm(7)->GetOwner(), &pack);
}

TEST(AlarmPack, AggregatesChangeAndNotifyOnlyOnFlips) {
  RecordingAlarmPack pack;
  pack.AddAlarm(1, "A");
  pack.AddAlarm(2, "B");
  EXPECT_FALSE(pack.IsAnyAlarmActive());
  EXPECT_TRUE(pack.IsAllSet());
  struct Step {
    int id;
    bool active;
    std::vector<int> codes;
    bool any;
  };
  const Step steps[] = {{1, true, {3, 4}, true},  // an active alarm's state flags are clear
                        {2, true, {}, true},
                        {1, true, {}, true},
                        {1, false, {}, true},
                        {2, false, {3, 4}, false}};
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.id) + (step.active ? " on" : " off"));
    pack.codes.clear();
    ASSERT_NE(pack.FindAlarm(step.id), nullptr);
    pack.FindAlarm(step.id)->SetActive(step.active);
    EXPECT_EQ(pack.codes, step.codes);
    EXPECT_EQ(pack.IsAnyAlarmActive(), step.any);
    EXPECT_EQ(pack.IsAllSet(), !step.any);
  }
  pack.codes.clear();
  ASSERT_NE(pack.FindAlarm(1), nullptr);
  pack.FindAlarm(1)->SetDisplayed(true);
  EXPECT_TRUE(pack.FindAlarm(1)->IsDisplayed());
  EXPECT_TRUE(pack.codes.empty());
}

TEST(AlarmPack, ClearAndResetDeactivateEveryAlarm) {
  ClockDouble clock;
  RecordingAlarmPack pack;
  pack.AddAlarm(1, "A");
  pack.AddAlarm(2, "B");
  for (int id : {1, 2}) {
    CAlarmStruct* alarm = pack.FindAlarm(id);
    alarm->SetActive(true);
    alarm->SetDisplayed(true);
    alarm->GetStopwatch1()->Start();
    alarm->GetStopwatch2()->Start();
  }
  clock.Advance(5000);
  pack.ClearAlarms();
  EXPECT_FALSE(pack.IsAnyAlarmActive());
  ASSERT_NE(pack.FindAlarm(1), nullptr);
  EXPECT_FALSE(pack.FindAlarm(1)->IsDisplayed());
  ASSERT_NE(pack.FindAlarm(2), nullptr);
  EXPECT_EQ(pack.FindAlarm(2)->GetStopwatch1()->GetElapsedMs(), 0u);

  pack.FindAlarm(1)->SetActive(true);
  pack.FindAlarm(1)->GetStopwatch2()->Start();
  clock.Advance(3000);
  pack.ResetAlarms();
  EXPECT_FALSE(pack.IsAnyAlarmActive());
  EXPECT_FALSE(pack.FindAlarm(1)->GetStopwatch2()->IsRunning());
  EXPECT_EQ(pack.FindAlarm(1)->GetStopwatch2()->GetElapsedMs(), 0u);
  EXPECT_EQ(pack.GetAlarmCount(), 2);
}

TEST(AlarmPack, AnAlarmWhoseOwnerWasResetReportsToNobody) {
  RecordingAlarmPack pack;
  pack.AddAlarm(1, "A");
  CAlarmStruct* alarm = pack.FindAlarm(1);
  alarm->Reset();
  EXPECT_EQ(alarm->GetId(), -1);
  EXPECT_EQ(alarm->GetOwner(), nullptr);
  alarm->SetActive(true);
  alarm->SetDisplayed(true);
  EXPECT_TRUE(alarm->IsActive());
  EXPECT_TRUE(pack.codes.empty());
  EXPECT_FALSE(pack.IsAnyAlarmActive());
}
