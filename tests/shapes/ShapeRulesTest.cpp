// The pure rules shared by every shape: attribute tables, the frame's
// blinking and colours, the menu texts and the percent of a range.
#include <gtest/gtest.h>

#include <stdexcept>

#include "attrib/AttribTypes.h"
#include "shapes/BaseShape.h"
#include "shapes/ShapeAttribTable.h"
#include "shapes/ShapeBlink.h"
#include "shapes/ShapeClassDef.h"
#include "shapes/fixture/TestShape.h"

namespace {

using shape_test::TestShape;

const ShapeAttribTable& Table() { return TestShape::ClassDef(PortRule::AutoCalc).attribs; }

TEST(ShapeAttribTableTest, IdsFollowTheBuilderOrderWithFormedNames) {
  const struct {
    int id;
    const char* name;
    VARTYPE vt;
  } rows[] = {
      {27, "ReserveFloat1", VT_R4},     {28, "Speed", VT_R4},         {29, "MinVluSpeed", VT_R4},
      {32, "HlaVluSpeed", VT_R4},       {33, "SpeedPort", VT_R4},     {35, "MaxVluSpeedPort", VT_R4},
      {36, "Load", VT_R4},              {43, "MaxVluLoadPort", VT_R4}, {44, "ReserveBool1", VT_BOOL},
      {45, "LlaFlgSpeed", VT_BOOL},     {49, "DoIncreaseSpeed", VT_BOOL}, {53, "DoOnOffSpeed", VT_BOOL},
      {54, "ReserveInt1", VT_I4},       {55, "Count", VT_I4},         {57, "Note", VT_BSTR},
  };
  for (const auto& row : rows) {
    ASSERT_NE(Table().Find(row.id), nullptr) << row.id;
    EXPECT_EQ(Table().Find(row.id)->name, row.name) << row.id;
    EXPECT_EQ(Table().Find(row.id)->vt, row.vt) << row.id;
    EXPECT_EQ(Table().FindId(row.name), row.id);
  }
  EXPECT_EQ(Table().GetCount(), 58);
  EXPECT_EQ(Table().Find(26), nullptr);  // base ids are not the table's
  EXPECT_EQ(Table().Find(58), nullptr);
  EXPECT_EQ(Table().FindId("Nothing"), -1);
}

TEST(ShapeAttribTableTest, RolesAndMembersOnlyFromTheValueOrPortMember) {
  const struct {
    int id;
    int role;
    int maxMember;  // GetGroupMember(id, 2)
  } rows[] = {
      {27, AR_NONE, -1}, {28, AR_VALUE, 30},      {29, AR_MIN_VLU, -1}, {30, AR_MAX_VLU, -1},
      {31, AR_NONE, -1}, {32, AR_NONE, -1},        {33, AR_PORT, 30},    {34, AR_MIN_VLU_PORT, -1},
      {35, AR_MAX_VLU_PORT, -1}, {36, AR_VALUE, 38}, {41, AR_PORT, 38},  {45, AR_NONE, -1},
      {5, AR_NONE, -1},  {99, AR_NONE, -1},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Table().GetAnalogRole(row.id), row.role) << row.id;
    EXPECT_EQ(Table().GetGroupMember(row.id, AR_MAX_VLU), row.maxMember) << row.id;
  }
  EXPECT_EQ(Table().GetGroupMember(33, AR_MAX_VLU_PORT), 35);
  EXPECT_EQ(Table().GetGroupMember(28, 8), -1);
  EXPECT_EQ(Table().GetGroupMember(28, -1), -1);
}

TEST(ShapeAttribTableTest, GroupDefaultsUnitsAndColours) {
  const struct {
    int id;
    double dataDefault;
  } rows[] = {{28, 0}, {30, 100}, {32, 100}, {33, 0}, {34, 5000}, {35, 27000}, {38, 1000}, {40, 1000}, {55, 7}};
  for (const auto& row : rows) {
    ASSERT_NE(Table().Find(row.id), nullptr) << row.id;
    EXPECT_EQ(Table().Find(row.id)->dataDefault, row.dataDefault) << row.id;
  }
  ASSERT_EQ(Table().GetGroups().size(), 2u);
  EXPECT_EQ(Table().GetUnitCount(), 2);
  EXPECT_EQ(Table().GetGroups()[1].valueId, 36);
  EXPECT_EQ(Table().GetGroups()[1].caption, "Load");
  EXPECT_EQ(Table().GetGroups()[1].unitText, "Kg");
  EXPECT_EQ(Table().GetBaseColorDefault(BA_ColorBG), 0x112233);
  EXPECT_EQ(Table().GetBaseColorDefault(BA_ColorBody), 0x778899);
  EXPECT_FALSE(Table().GetBaseColorDefault(BA_ColorBgLocal).has_value());
}

TEST(ShapeAttribTableTest, ExplicitNamesAndUnitOrderAndBuilderMistakes) {
  const AnalogSpec spec = AnalogSpec("Tw").Caption("TwrSfty").Unit(1).MemberNames(
      {"Tw_Phy", "Tw_Min", "Tw_Max", "Tw_Lla", "Tw_Hla", "Tw_Port", "Tw_MinPort", "Tw_MaxPort"});
  const ShapeAttribTable table = ShapeAttribTable::Builder().Analog(spec).Analog(AnalogSpec("Other").Unit(0)).Build();
  ASSERT_NE(table.Find(27), nullptr);
  EXPECT_EQ(table.Find(27)->name, "Tw_Phy");
  ASSERT_NE(table.Find(34), nullptr);
  EXPECT_EQ(table.Find(34)->name, "Tw_MaxPort");
  ASSERT_NE(table.Find(35), nullptr);
  EXPECT_EQ(table.Find(35)->name, "Other");
  ASSERT_FALSE(table.GetGroups().empty());
  EXPECT_EQ(table.GetGroups()[0].unitIndex, 1);
  EXPECT_EQ(table.GetGroups()[0].caption, "TwrSfty");
  EXPECT_EQ(table.GetUnitCount(), 2);

  EXPECT_THROW(ShapeAttribTable::Builder().Float({"A"}).Default("B", 1.0), std::logic_error);
  EXPECT_THROW(ShapeAttribTable::Builder().Analog(AnalogSpec("A").Unit(0)).Analog(AnalogSpec("B").Unit(0)),
               std::logic_error);
}

TEST(ShapeBlinkTest, PhaseShowsOneTickOfFiveWhileAFlagIsSet) {
  ShapeBlink blink;
  ShapeBlinkFlags flags;
  flags.alarm = true;
  // Counter 1, 2, 3, 4, 0, 1, ...: the phase flips at 1 and at 0.
  const bool phases[] = {true, true, true, true, false, true, true, true, true, false};
  const ShapeBlink::TickResult results[] = {
      ShapeBlink::TickResult::Repaint, ShapeBlink::TickResult::None, ShapeBlink::TickResult::None,
      ShapeBlink::TickResult::None,    ShapeBlink::TickResult::Repaint};
  for (int tick = 0; tick < 10; ++tick) {
    const ShapeBlink::TickResult result = blink.Tick(flags);
    EXPECT_EQ(blink.GetPhase(), phases[tick]) << tick;
    if (tick < 5) {
      EXPECT_EQ(result, results[tick]) << tick;
    }
  }
  flags.alarm = false;
  EXPECT_EQ(blink.Tick(flags), ShapeBlink::TickResult::Stop);
  EXPECT_FALSE(blink.GetPhase());
}

TEST(ShapeBlinkTest, FrameColourByPhaseAndFlags) {
  const struct {
    bool phase, dialog, action, alarm;
    COLORREF color;
  } rows[] = {
      {false, true, true, true, MIMIC_BG_COLOR}, {true, true, false, true, 0xFF00FF},
      {true, true, true, false, 0x00FF00},       {true, false, true, true, 0xFF00FF},
      {true, false, false, true, 0x0000FF},      {true, false, false, false, 0x000000},
  };
  for (const auto& row : rows) {
    ShapeBlinkFlags flags;
    flags.dialog = row.dialog;
    flags.action = row.action;
    flags.alarm = row.alarm;
    EXPECT_EQ(ShapeFrameColor(row.phase, flags), row.color);
  }
}

TEST(ShapeMenuTest, ToggleTextsOfferTheOppositeState) {
  const struct {
    ShapeMenuAction action;
    bool on, twoSpeed;
    const char* text;
  } rows[] = {
      {ShapeMenuAction::ToggleRun, false, false, "Take ON"},
      {ShapeMenuAction::ToggleRun, true, true, "Take OFF"},
      {ShapeMenuAction::ToggleIncrease, false, false, "Take ON Inc"},
      {ShapeMenuAction::ToggleIncrease, true, true, "Take OFF High"},
      {ShapeMenuAction::ToggleDecrease, true, false, "Take OFF Dec"},
      {ShapeMenuAction::ToggleDecrease, false, true, "Take ON Low"},
      {ShapeMenuAction::Action, true, false, ""},
      {ShapeMenuAction::Properties, false, false, ""},
  };
  for (const auto& row : rows) EXPECT_EQ(ShapeMenuItemText(row.action, row.on, row.twoSpeed), row.text);
  EXPECT_FALSE(IsTwoSpeedDrive(10));
  EXPECT_FALSE(IsTwoSpeedDrive(0x2000001));
  EXPECT_TRUE(IsTwoSpeedDrive(0x00100000));
  EXPECT_TRUE(IsTwoSpeedDrive(0x00F00000));
}

TEST(ShapeRulesTest, PercentOfRangeAtItsEdges) {
  const struct {
    float x, min, max, percent;
  } rows[] = {
      {50, 0, 100, 50}, {0, 0, 100, 0},  {100, 0, 100, 100}, {-1, 0, 100, 0}, {101, 0, 100, 0},
      {5, 5, 5, 0},     {5, 10, 0, 0},   {750, 500, 1000, 50},
  };
  for (const auto& row : rows) {
    EXPECT_FLOAT_EQ(C_BaseShape::PercentOfRange(row.x, row.min, row.max), row.percent)
        << row.x << " in " << row.min << ".." << row.max;
  }
}

}  // namespace
