// The attribute pack: declaration, the tag map and viewers, pending
// aggregation, trend sampling and analog ranges.
#include <gtest/gtest.h>

#include <stdexcept>

#include "PlantFixture.h"
#include "core/DCTag.h"
#include "core/VStack.h"
#include "attrib/AttribTrendInfo.h"
#include "support/Doubles.h"

using namespace plant_test;
using testing_support::ClockDouble;

namespace {

std::vector<AttribDef> FloatDefs() {
  VARIANT def = VariantFromFloat(1.25f);
  return {{"Speed", VT_R4, def, AR_NONE},
          {"Speed2", VT_R4, {}, AR_NONE},
          {"OnOff", VT_BOOL, VariantFromBool(true), AR_NONE},
          {"Label", VT_BSTR, VariantFromString("Pump"), AR_NONE},
          {"Count", VT_I4, {}, AR_NONE}};
}

}  // namespace

TEST(AttribsPack, ControlTypeNamesComeFromTheTable) {
  const std::pair<int, const char*> cases[] = {
      {0, ""},          {1, "Vessel"},     {7, "CntrFglPump"}, {11, "SprayDryer"},
      {13, "PrcGeneral"}, {20, "PrcEngStep"}, {21, ""},           {255, ""}, {-1, ""}};
  for (const auto& [type, name] : cases) {
    EXPECT_EQ(ControlTypeToName(type), name) << type;
  }
  TestPack pack({}, nullptr, "X", 12);
  EXPECT_EQ(pack.GetControlTypeName(), "DBFValve");
  TestPack unset({}, nullptr, "X", 255);
  EXPECT_EQ(unset.GetControlTypeName(), "");
}

TEST(AttribsPack, DeclareCreatesTypedNamedAttributesWithTheirDefaults) {
  TestPack pack(FloatDefs());
  pack.Declare();
  ASSERT_EQ(pack.GetAttribCount(), 5);
  for (int id = 0; id < pack.GetAttribCount(); ++id) {
    CVAttrib* attrib = pack.GetAttrib(id);
    EXPECT_EQ(attrib->GetId(), id);
    EXPECT_EQ(attrib->GetName(), pack.GetAttribName(id));
    EXPECT_EQ(attrib->GetDataType(), pack.GetAttribType(id));
    EXPECT_EQ(attrib->GetValue()->vt, pack.GetAttribType(id));
    EXPECT_TRUE(AttribValuesEqual(*attrib->GetValue(), *attrib->GetDefaultValueAddress()));
    EXPECT_EQ(attrib->GetOwner(), &pack);
  }
  EXPECT_FLOAT_EQ(VariantToFloat(*pack.GetAttribValue(0)), 1.25f);
  EXPECT_TRUE(pack.GetAttrib(0)->IsModified());  // took a default of its own
  EXPECT_FLOAT_EQ(VariantToFloat(*pack.GetAttribValue(1)), 0.0f);  // typed zero
  EXPECT_EQ(pack.GetAttribValue(2)->boolVal, VARIANT_TRUE);
  EXPECT_EQ(VariantBstrToString(*pack.GetAttribValue(3)), "Pump");

  EXPECT_FALSE(pack.EnsureAttrib(2));  // taken
  EXPECT_THROW(pack.GetAttrib(-1), std::invalid_argument);
  EXPECT_THROW(pack.GetAttrib(5), std::invalid_argument);
  EXPECT_THROW(pack.EnsureAttrib(5), std::invalid_argument);

  pack.DeclareAttrib(0);
  EXPECT_EQ(pack.GetAttribCount(), 0);
}

TEST(AttribsPack, BindingRegistersTheNotifyWindowOnceAndFollowsRebinding) {
  TagWorld world;
  PackInWindow w(FloatDefs());
  RecordingWnd viewer;
  ASSERT_TRUE(viewer.CreateHidden());
  w.pack.SetNotifyWnd(&viewer);
  CDCTag* out = world.Tag("RealOut");
  CDCTag* out2 = world.Tag("RealOut2");
  CVAttrib* speed = w.pack.Attrib("Speed");
  CVAttrib* speed2 = w.pack.Attrib("Speed2");

  speed->SetTagName("RealOut");
  speed2->SetTagName("RealOut");
  DeliverPosted();
  EXPECT_EQ(out->GetViewerCount(), 1);
  // A new viewer receives every notice code once, however many bind to it.
  EXPECT_EQ(viewer.Count(WM_DCTAG_NOTICE), 16);
  ASSERT_NE(w.pack.LookupTagAttribs(out), nullptr);
  EXPECT_EQ(*w.pack.LookupTagAttribs(out), (CVAttribsPack::AttribList{speed, speed2}));
  EXPECT_EQ(w.pack.LookupTagAttribs(out2), nullptr);

  // Rebinding leaves the former tag's list; the last one out drops the viewer.
  speed->SetTag(out2);
  EXPECT_EQ(*w.pack.LookupTagAttribs(out), (CVAttribsPack::AttribList{speed2}));
  EXPECT_EQ(*w.pack.LookupTagAttribs(out2), (CVAttribsPack::AttribList{speed}));
  EXPECT_EQ(out->GetViewerCount(), 1);
  speed2->SetTag(out2);
  EXPECT_TRUE(w.pack.LookupTagAttribs(out)->empty());
  EXPECT_EQ(out->GetViewerCount(), 0);
  EXPECT_EQ(out2->GetViewerCount(), 1);
}

TEST(AttribsPack, PendingChangesArePostedOnlyWhenThePackFlagFlips) {
  TagWorld world;
  PackInWindow w(FloatDefs());
  CVAttrib* speed = w.pack.Attrib("Speed");
  CVAttrib* speed2 = w.pack.Attrib("Speed2");
  speed->SetTagName("RealOut");
  speed2->SetTagName("RealOut2");
  DeliverPosted();
  w.parent.received.clear();

  struct Step {
    CVAttrib* attrib;
    bool pending;
    bool packPending;
  };
  const Step steps[] = {{speed, true, true},
                        {speed2, true, true},
                        {speed, false, true},
                        {speed2, false, false}};
  for (const Step& step : steps) {
    step.attrib->SetReadPending(step.pending);
    EXPECT_EQ(w.pack.IsReadPending(), step.packPending);
  }
  DeliverPosted();
  EXPECT_EQ(w.parent.Count(WM_PACK_PENDING_CHANGED, AC_READ_PENDING), 2);
  EXPECT_EQ(w.parent.Count(WM_PACK_PENDING_CHANGED, AC_WRITE_PENDING), 0);
  for (const auto& m : w.parent.received) {
    if (m.message == WM_PACK_PENDING_CHANGED) {
      EXPECT_EQ(m.wParam, reinterpret_cast<WPARAM>(&w.pack));
    }
  }

  w.parent.received.clear();
  speed->SetWritePending(true);
  speed2->SetWritePending(true);
  speed2->SetWritePending(false);
  EXPECT_TRUE(w.pack.IsWritePending());
  speed->SetWritePending(false);
  EXPECT_FALSE(w.pack.IsWritePending());
  DeliverPosted();
  EXPECT_EQ(w.parent.Count(WM_PACK_PENDING_CHANGED, AC_WRITE_PENDING), 2);
}

namespace {

// A trend setting attached directly, sampling every `interval` seconds.
CAttribTrendInfo* AttachTrend(CVAttrib* attrib, int interval, int index = 1) {
  auto* trend = new CAttribTrendInfo(attrib);
  trend->SetTrendIndex(index);
  EXPECT_TRUE(trend->SetRecordCount(10));
  trend->SetRecordInterval(interval);
  attrib->SetTrendInfo(trend);
  return trend;
}

}  // namespace

TEST(AttribsPackTrend, SamplingKeepsItsGridAfterALateTick) {
  ClockDouble clock;
  TestPack pack(FloatDefs());
  pack.Declare();
  CVAttrib* speed = pack.Attrib("Speed");
  AttachTrend(speed, 5);
  CVStack* stack = speed->GetTrendStack();
  ASSERT_NE(stack, nullptr);

  struct Step {
    std::uint64_t atSec;  // since the setting was made
    float value;
    int samples;
  };
  const Step steps[] = {{4, 1.0f, 0},  {17, 2.0f, 1},  // 12 s late: one sample
                        {19, 3.0f, 1}, {20, 4.0f, 2},  // the grid of 5 s holds
                        {24, 5.0f, 2}, {25, 6.0f, 3}, {26, 7.0f, 3}};
  std::uint64_t now = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.atSec);
    clock.Advance((step.atSec - now) * 1000);
    now = step.atSec;
    Set(speed, VariantFromFloat(step.value));
    pack.Tick(TIMER_ATTRIBS_PACK);
    EXPECT_EQ(stack->GetCount(), step.samples);
  }
  EXPECT_FLOAT_EQ(VariantToFloat(stack->GetItem(0).m_vValue), 2.0f);
  EXPECT_FLOAT_EQ(VariantToFloat(stack->GetItem(2).m_vValue), 6.0f);
}

TEST(AttribsPackTrend, SamplingEndsForAnyInterval) {
  ClockDouble clock;
  TestPack pack(FloatDefs());
  pack.Declare();
  CAttribTrendInfo* zero = AttachTrend(pack.Attrib("Speed"), 0, 1);
  CAttribTrendInfo* negative = AttachTrend(pack.Attrib("Speed2"), -3, 2);
  CAttribTrendInfo* huge = AttachTrend(pack.Attrib("Count"), 59, 3);
  clock.Advance(1000ull * 1000 * 1000);  // a tick a million seconds late
  pack.SampleTrendAttribs();
  EXPECT_EQ(zero->GetSampleStack()->GetCount(), 1);
  EXPECT_EQ(negative->GetSampleStack()->GetCount(), 1);
  EXPECT_EQ(huge->GetSampleStack()->GetCount(), 1);
  EXPECT_LT(huge->GetStopwatch().GetElapsedSec(), 59u);
  pack.SampleTrendAttribs();  // nothing new elapsed
  EXPECT_EQ(zero->GetSampleStack()->GetCount(), 1);
}

TEST(AttribsPack, AnalogRangesGoToTheBoundTags) {
  TagWorld world;
  std::vector<AttribDef> defs = AnalogGroup("Flow", VT_R4);
  // A second group whose maximum members are missing.
  std::vector<AttribDef> partial = AnalogGroup("Level", VT_R4);
  partial.resize(2);  // Level, MinVluLevel
  defs.insert(defs.end(), partial.begin(), partial.end());
  TestPack pack(defs);
  pack.Declare();
  const std::pair<const char*, float> values[] = {{"MinVluFlow", 10.0f},     {"MaxVluFlow", 90.0f},
                                                  {"MinVluFlowPort", 4.0f},  {"MaxVluFlowPort", 20.0f},
                                                  {"LlaVluFlow", 15.0f},     {"MinVluLevel", 2.0f}};
  for (const auto& [name, value] : values) Set(pack.Attrib(name), VariantFromFloat(value));
  pack.Attrib("Flow")->SetTagName("RealOut");
  pack.Attrib("FlowPort")->SetTagName("RealOut2");
  pack.Attrib("LlaVluFlow")->SetTagName("RealMem");  // not a value or port
  pack.Attrib("Level")->SetTagName("RealDuplex");

  pack.ApplyAnalogRangesToTags();

  struct Expect {
    const char* tag;
    VARTYPE minType;
    float min;
    VARTYPE maxType;
    float max;
  };
  const Expect expects[] = {{"RealOut", VT_R4, 10.0f, VT_R4, 90.0f},
                            {"RealOut2", VT_R4, 4.0f, VT_R4, 20.0f},
                            {"RealMem", VT_NULL, 0.0f, VT_NULL, 0.0f},
                            {"RealDuplex", VT_R4, 2.0f, VT_NULL, 0.0f}};
  for (const Expect& e : expects) {
    SCOPED_TRACE(e.tag);
    const CDCTag* tag = world.Tag(e.tag);
    EXPECT_EQ(tag->GetMinTag()->vt, e.minType);
    EXPECT_EQ(tag->GetMaxTag()->vt, e.maxType);
    if (e.minType == VT_R4) {
      EXPECT_FLOAT_EQ(tag->GetMinTag()->fltVal, e.min);
    }
    if (e.maxType == VT_R4) {
      EXPECT_FLOAT_EQ(tag->GetMaxTag()->fltVal, e.max);
    }
  }

  int ids[8] = {};
  EXPECT_TRUE(pack.GetAnalogGroup(pack.IdOf("Flow"), ids));
  for (int role = 0; role < 8; ++role) EXPECT_EQ(ids[role], role);
  EXPECT_FALSE(pack.GetAnalogGroup(pack.IdOf("MinVluFlow"), ids));
}
