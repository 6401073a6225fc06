// The typed setters every shape shares (equal values, analog clamping and
// port conversion, drive interlocks, alarm blinking) and the road of a tag
// value into the attributes.
#include <gtest/gtest.h>

#include "core/DCTag.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"

namespace {

using namespace shape_test;

// A created test shape with its settings defaults loaded (Speed 0..100,
// its port 5000..27000, Load 0..1000).
struct CreatedShape {
  explicit CreatedShape(const std::string& settings = "", PortRule rule = PortRule::AutoCalc)
      : world(settings), shape("Mixer1", rule) {
    EXPECT_TRUE(world.Create(shape));
    world.Mimic().Clear();
    world.Boxes().Clear();  // the missing section of an empty file
  }
  ShapeWorld world;
  TestShape shape;
};

TEST(BaseShapeValuesTest, EqualValuesChangeNothingAndWriteNoTag) {
  CreatedShape s("[RtryMxr.Mixer1]\nSpeed.Tag=FloatOut\nDoOnOffSpeed.Tag=BoolOut\nCount.Tag=IntOut\n");
  CDCTag* tag = s.world.Tag("FloatOut");
  s.shape.SetAttribFloat(TS_Speed, 0.0f);
  s.shape.SetAttribBool(TS_DoOnOffSpeed, false);
  s.shape.SetAttribInt(TS_Count, 7);
  s.shape.SetAttribString(TS_Note, "   ");
  s.shape.SetAttribDouble(TS_Count, 7.0);
  s.world.Deliver();
  EXPECT_EQ(s.world.Mimic().Count(WM_ATTRIB_CHANGED), 0);
  EXPECT_FALSE(tag->IsWritePending());
  // A different value goes through the protocol and out to the tag.
  s.shape.SetAttribFloat(TS_Speed, 12.5f);
  s.world.Deliver();
  EXPECT_EQ(s.world.Mimic().Count(WM_ATTRIB_CHANGED, AC_VALUE), 1);
  EXPECT_FLOAT_EQ(VariantToFloat(*tag->GetTagData()), 12.5f);
  EXPECT_TRUE(tag->IsWritePending());
}

TEST(BaseShapeValuesTest, ValueMembersAreClampedPostedAndGiveTheUnitPercent) {
  CreatedShape s;
  const struct {
    float set, stored, percent;
    bool posted;
  } rows[] = {
      {25, 25, 25, false}, {101, 100, 100, true}, {-3, 0, 0, true}, {100, 100, 100, false}, {0.5f, 0.5f, 0.5f, false},
  };
  for (const auto& row : rows) {
    s.world.Mimic().Clear();
    s.shape.SetAttribFloat(TS_Speed, row.set);
    s.world.Deliver();
    EXPECT_FLOAT_EQ(s.shape.GetAttribFloat(TS_Speed), row.stored) << row.set;
    EXPECT_FLOAT_EQ(s.shape.GetAnalogUnit(0)->GetValue(), row.percent) << row.set;
    const LPARAM command = static_cast<LPARAM>(s.shape.GetCtrlId() | (TS_Speed << 8));
    EXPECT_EQ(s.world.Mimic().Count(WM_SHAPE_COMMAND, command), row.posted ? 1 : 0) << row.set;
  }
  // A range of zero width gives 0 %.
  s.shape.SetAttribFloat(TS_MaxVluSpeed, 0.0f);
  s.shape.SetAttribFloat(TS_Speed, 5.0f);
  EXPECT_FLOAT_EQ(s.shape.GetAttribFloat(TS_Speed), 0.0f);
  EXPECT_FLOAT_EQ(s.shape.GetAnalogUnit(0)->GetValue(), 0.0f);
}

TEST(BaseShapeValuesTest, PortValuesByTheClassRule) {
  const struct {
    PortRule rule;
    bool autoCalc;
    float port, storedPort, speed;
  } rows[] = {
      {PortRule::Stored, true, 16000, 16000, 0},          // only kept
      {PortRule::AutoCalc, false, 16000, 16000, 0},        // the unit does not calculate
      {PortRule::AutoCalc, true, 16000, 16000, 50},        // 5000..27000 -> 0..100
      {PortRule::AutoCalc, true, 30000, 30000, 100},       // not clamped; the speed is
      {PortRule::ClampAutoCalc, true, 30000, 27000, 100},  // clamped to its own range first
      {PortRule::ClampAutoCalc, true, 1000, 5000, 0},
  };
  for (const auto& row : rows) {
    CreatedShape s("", row.rule);
    s.shape.GetAnalogUnit(0)->SetAutoCalcFromPort(row.autoCalc);
    s.shape.SetAttribFloat(TS_SpeedPort, row.port);
    EXPECT_FLOAT_EQ(s.shape.GetAttribFloat(TS_SpeedPort), row.storedPort) << row.port;
    EXPECT_FLOAT_EQ(s.shape.GetAttribFloat(TS_Speed), row.speed) << row.port;
    EXPECT_EQ(s.world.Boxes().Count(), 0u);
  }
}

TEST(BaseShapeValuesTest, DriveInterlocksOfTheBoolSetter) {
  CreatedShape s;
  TestShape& shape = s.shape;
  shape.SetAttribBool(TS_DoOnOffSpeed, true);
  shape.SetAttribBool(TS_DoIncreaseSpeed, true);
  shape.SetAttribBool(TS_DoDecreaseSpeed, true);
  EXPECT_FALSE(shape.GetAttribBool(TS_DoIncreaseSpeed)) << "decrease on switches increase off";
  EXPECT_TRUE(shape.GetAttribBool(TS_DoDecreaseSpeed));
  shape.SetAttribBool(TS_DoIncreaseSpeed, true);
  EXPECT_FALSE(shape.GetAttribBool(TS_DoDecreaseSpeed)) << "increase on switches decrease off";
  shape.SetAttribBool(TS_DoOnOffSpeed, false);
  EXPECT_FALSE(shape.GetAttribBool(TS_DoIncreaseSpeed)) << "stopping clears both speed commands";
  EXPECT_FALSE(shape.GetAttribBool(TS_DoDecreaseSpeed));
  // The alarm inputs drive the alarm blink; other flags do not.
  shape.SetAttribBool(TS_HlaFlgSpeed, true);
  EXPECT_FALSE(shape.GetBlinkFlags().alarm);
  shape.SetAttribBool(TS_DiOnAlarmSpeed, true);
  EXPECT_TRUE(shape.GetBlinkFlags().alarm);
  shape.SetAttribBool(TS_LlaFlgSpeed, true);
  shape.SetAttribBool(TS_LlaFlgSpeed, false);
  EXPECT_FALSE(shape.GetBlinkFlags().alarm) << "the flag follows the last alarm input set";
}

TEST(BaseShapeValuesTest, TagValuesReachTheAttributesByTheTagType) {
  CreatedShape s(
      "[RtryMxr.Mixer1]\nSpeed.Tag=FloatMem\nDiOnOffSpeed.Tag=BoolMem\nDiOnOffSpeed.TagTransform=Negative\n"
      "Count.Tag=IntOut\nNote.Tag=TextMem\nAutoCntrlSpeed.Tag=BoolIn\n");
  ShapeWorld& world = s.world;
  const VARIANT speed = VariantFromFloat(40.0f), on = VariantFromBool(true), count = VariantFromInt(9),
                note = VariantFromString("hello");
  world.Tag("FloatMem")->SetTagData(&speed);
  world.Tag("BoolMem")->SetTagData(&on);
  world.Tag("IntOut")->SetTagData(&count);
  world.Tag("TextMem")->SetTagData(&note);
  world.Deliver();
  EXPECT_FLOAT_EQ(s.shape.GetAttribFloat(TS_Speed), 40.0f);
  EXPECT_FLOAT_EQ(s.shape.GetAnalogUnit(0)->GetValue(), 40.0f) << "through the analog setter";
  EXPECT_FALSE(s.shape.GetAttribBool(TS_DiOnOffSpeed)) << "a Negative binding shows the inverse";
  EXPECT_EQ(s.shape.GetAttribInt(TS_Count), 9);
  EXPECT_EQ(s.shape.GetAttribString(TS_Note), "hello");
  // Pending flags are mirrored on the attribute.
  world.Tag("BoolIn")->SetReadPending(true);
  world.Deliver();
  EXPECT_TRUE(s.shape.GetAttrib(48)->IsReadPending());
  EXPECT_TRUE(s.shape.IsReadPending());
  EXPECT_EQ(s.shape.OnDataCenterNotify(nullptr, 2), 1);
}

TEST(BaseShapeValuesTest, ValueArrivingDuringAPendingReadIsAppliedWhenTheReadCompletes) {
  CreatedShape s("[RtryMxr.Mixer1]\nSpeed.Tag=FloatIn\n");
  CDCTag* tag = s.world.Tag("FloatIn");
  tag->SetReadPending(true);
  s.world.Deliver();
  const VARIANT value = VariantFromFloat(42.0f);
  tag->SetTagData(&value);
  s.world.Deliver();
  EXPECT_FLOAT_EQ(s.shape.GetAttribFloat(TS_Speed), 0.0f) << "not taken while the read is pending";
  s.shape.SetAttribFloat(TS_Speed, 7.0f);
  EXPECT_FLOAT_EQ(s.shape.GetAttribFloat(TS_Speed), 0.0f) << "a set value is dropped while pending";
  tag->SetReadPending(false);
  s.world.Deliver();
  EXPECT_FLOAT_EQ(s.shape.GetAttribFloat(TS_Speed), 42.0f);
  EXPECT_FALSE(s.shape.GetAttrib(TS_Speed)->IsReadPending());
}

}  // namespace
