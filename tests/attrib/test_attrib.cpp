// The attribute's change protocol, value rules, write-through and binding.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "PlantFixture.h"
#include "attrib/AnalogUnit.h"
#include "attrib/VAttrib.h"
#include "core/DCTag.h"
#include "core/ErrorBox.h"
#include "platform/SessionEnd.h"
#include "support/Doubles.h"

using namespace plant_test;
using testing_support::ExitCalled;
using testing_support::KeyStateDouble;
using testing_support::MessageBoxDouble;

namespace {

std::vector<AttribDef> Defs() {
  return {{"Speed", VT_R4, {}, AR_NONE},
          {"OnOff", VT_BOOL, {}, AR_NONE},
          {"Label", VT_BSTR, {}, AR_NONE},
          {"Count", VT_I4, {}, AR_NONE}};
}

float TagFloat(const CDCTag* tag) { return VariantToFloat(*tag->GetTagData()); }

}  // namespace

// ---- The change protocol --------------------------------------------------------

struct ProtocolCase {
  const char* what;
  LRESULT parentAnswer;
  bool parentClearsShowMessage;
  bool packRefuses;
  bool stored;
  size_t boxes;
};

TEST(AttribChangeProtocol, AsksParentThenPackThenStoresAndAnnounces) {
  const ProtocolCase cases[] = {
      {"parent allows", 0, false, false, true, 0},
      {"parent refuses", 1, false, false, false, 1},
      {"parent refuses quietly", 1, true, false, false, 0},
      {"pack refuses", 0, false, true, false, 1},
      {"pack refuses after the parent cleared the flag", 0, true, true, false, 0},
  };
  for (const ProtocolCase& c : cases) {
    SCOPED_TRACE(c.what);
    PackInWindow w(Defs());
    MessageBoxDouble boxes;
    CVAttrib* speed = w.pack.Attrib("Speed");
    speed->SetModified(false);
    DeliverPosted();
    w.parent.received.clear();
    w.parent.changing.clear();
    w.parent.answerChanging = c.parentAnswer;
    w.parent.clearShowMessage = c.parentClearsShowMessage;
    w.pack.refuseInPack = c.packRefuses;

    EXPECT_EQ(Set(speed, VariantFromFloat(2.5f)), c.stored);

    ASSERT_EQ(w.parent.changing.size(), 1u);
    EXPECT_EQ(w.parent.changing[0].pAttrib, speed);
    EXPECT_EQ(w.parent.changing[0].nCode, AC_VALUE);
    EXPECT_FLOAT_EQ(VariantToFloat(*speed->GetValue()), c.stored ? 2.5f : 0.0f);
    EXPECT_EQ(speed->IsModified(), c.stored);
    EXPECT_EQ(boxes.Count(), c.boxes);
    if (c.boxes > 0) {
      EXPECT_EQ(boxes.Last().text,
                "Error at Vessel operating!\n\nThe change in the following Attrib is rejected.\n"
                "SectionName: [Vessel.Dev1]\nAttribName: [Speed]  AttribDataType: Float\n"
                "TagName: ['No-Tag']  TagDataType: Null");
      EXPECT_EQ(boxes.Last().flags, MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
    }
    DeliverPosted();
    EXPECT_EQ(w.parent.Count(WM_ATTRIB_CHANGED, AC_VALUE), c.stored ? 1 : 0);
  }
}

TEST(AttribChangeProtocol, EqualValueSendsNothingAndWritesNoTag) {
  TagWorld world;
  PackInWindow w(Defs());
  CVAttrib* speed = w.pack.Attrib("Speed");
  CVAttrib* onOff = w.pack.Attrib("OnOff");
  speed->SetTagName("RealOut");
  onOff->SetTagName("BoolOut");
  // The tag holds its boolean as 1, as a link writes it; the attribute's
  // true (-1) is the same value and is not written again.
  VARIANT one;
  one.vt = VT_BOOL;
  one.boolVal = 1;
  ASSERT_TRUE(world.Tag("BoolOut")->SetTagData(&one));
  Set(speed, VariantFromFloat(3.0f));
  Set(onOff, VariantFromBool(true));
  EXPECT_EQ(world.Tag("BoolOut")->GetTagData()->boolVal, 1);
  EXPECT_FALSE(world.Tag("BoolOut")->IsWritePending());
  world.Tag("RealOut")->SetWritePending(false);
  speed->SetModified(false);
  onOff->SetModified(false);
  w.parent.changing.clear();

  EXPECT_TRUE(Set(speed, VariantFromFloat(3.0f)));
  EXPECT_TRUE(onOff->SetValue(&one));  // 1 and -1 are the same true
  EXPECT_TRUE(Set(onOff, VariantFromBool(true)));

  EXPECT_TRUE(w.parent.changing.empty());
  EXPECT_FALSE(speed->IsModified());
  EXPECT_FALSE(onOff->IsModified());
  EXPECT_FALSE(world.Tag("RealOut")->IsWritePending());
  EXPECT_FALSE(world.Tag("BoolOut")->IsWritePending());
  EXPECT_EQ(world.Tag("BoolOut")->GetTagData()->boolVal, 1);
}

TEST(AttribChangeProtocol, PackWithoutWindowAsksOnlyThePack) {
  TestPack pack(Defs());
  pack.Declare();
  MessageBoxDouble boxes;
  CVAttrib* count = pack.Attrib("Count");
  pack.refuseInPack = true;
  EXPECT_FALSE(Set(count, VariantFromInt(4)));
  EXPECT_EQ(boxes.Count(), 1u);
  pack.refuseInPack = false;
  EXPECT_TRUE(Set(count, VariantFromInt(4)));
  EXPECT_EQ(VariantToInt(*count->GetValue()), 4);
  EXPECT_EQ(pack.PostToParent(WM_ATTRIB_CHANGED, 0, 0), FALSE);
  EXPECT_EQ(pack.SendToParent(WM_ATTRIB_CHANGING, 0, 0), 0);
}

TEST(AttribChangeProtocol, ModifiedFlagFollowsTheChangeCodes) {
  TagWorld world;
  PackInWindow w(Defs());
  CVAttrib* speed = w.pack.Attrib("Speed");
  struct Step {
    const char* what;
    std::function<void()> change;
    bool modifies;
  };
  const Step steps[] = {
      {"name", [&] { speed->SetName("Speed2"); }, true},
      {"asd", [&] { speed->SetAsd(4); }, true},
      {"visible", [&] { speed->SetVisible(false); }, true},
      {"tag name (binds: code 4 too)", [&] { speed->SetTagName("RealOut"); }, true},
      {"read pending", [&] { speed->SetReadPending(true); }, false},
      {"write pending", [&] { speed->SetWritePending(true); }, false},
      {"data type", [&] { speed->SetDataType(VT_R8); }, false},
      {"default", [&] { SetDefault(speed, VariantFromDouble(1.5)); }, true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    speed->SetModified(false);
    step.change();
    EXPECT_EQ(speed->IsModified(), step.modifies);
  }
  speed->SetModified(true);
  speed->SetInitFlag(true);
  EXPECT_FALSE(speed->IsModified());
}

// ---- Values --------------------------------------------------------------------------

TEST(AttribValue, DroppedWhileTheTagIsReadPending) {
  TagWorld world;
  PackInWindow w(Defs());
  CVAttrib* speed = w.pack.Attrib("Speed");
  speed->SetTagName("RealOut");
  CDCTag* tag = world.Tag("RealOut");
  tag->SetReadPending(true);
  w.parent.changing.clear();

  EXPECT_FALSE(Set(speed, VariantFromFloat(5.0f)));
  EXPECT_TRUE(w.parent.changing.empty());
  EXPECT_FLOAT_EQ(VariantToFloat(*speed->GetValue()), 0.0f);

  tag->SetReadPending(false);
  EXPECT_TRUE(Set(speed, VariantFromFloat(5.0f)));
  EXPECT_FLOAT_EQ(TagFloat(tag), 5.0f);
}

TEST(AttribValue, OtherTypesAreConvertedOrRefused) {
  TagWorld world;
  PackInWindow w(Defs());
  CVAttrib* speed = w.pack.Attrib("Speed");
  speed->SetTagName("RealOut");
  CDCTag* tag = world.Tag("RealOut");
  tag->SetWritePending(false);
  w.parent.changing.clear();

  EXPECT_FALSE(Set(speed, VariantFromString("abc")));
  EXPECT_TRUE(w.parent.changing.empty());
  EXPECT_EQ(speed->GetValue()->vt, VT_R4);
  EXPECT_FALSE(tag->IsWritePending());

  EXPECT_TRUE(Set(speed, VariantFromInt(5)));
  EXPECT_EQ(speed->GetValue()->vt, VT_R4);
  EXPECT_FLOAT_EQ(speed->GetValue()->fltVal, 5.0f);
  EXPECT_EQ(tag->GetTagData()->vt, VT_R4);
  EXPECT_FLOAT_EQ(TagFloat(tag), 5.0f);

  CVAttrib* onOff = w.pack.Attrib("OnOff");
  VARIANT one;
  one.vt = VT_BOOL;
  one.boolVal = 1;
  EXPECT_TRUE(onOff->SetValue(&one));
  EXPECT_EQ(onOff->GetValue()->boolVal, VARIANT_TRUE);  // held as -1
}

TEST(AttribValue, WritePendingIsNotMirroredWhenTheTagDropsTheValue) {
  TagWorld world;
  PackInWindow w(Defs());
  CVAttrib* speed = w.pack.Attrib("Speed");
  speed->SetTagName("RealOut");
  CDCTag* tag = world.Tag("RealOut");
  tag->SetWritePending(false);
  speed->SetWritePending(false);
  // The attribute's type moves away from the tag's after binding.
  speed->SetDataType(VT_I4);

  EXPECT_TRUE(Set(speed, VariantFromInt(9)));
  EXPECT_EQ(VariantToInt(*speed->GetValue()), 9);
  EXPECT_FLOAT_EQ(TagFloat(tag), 0.0f);
  EXPECT_FALSE(tag->IsWritePending());
  EXPECT_FALSE(speed->IsWritePending());
  EXPECT_FALSE(w.pack.IsWritePending());
}

struct WriteCase {
  const char* tag;
  bool realHw;
  bool written;
  bool writePending;
};

TEST(AttribWriteThrough, FollowsTheTagsIoTypeAndTheDataSource) {
  const WriteCase cases[] = {
      {"RealOut", false, true, true},   {"RealOut", true, true, true},
      {"RealIn", true, false, false},   {"RealIn", false, true, false},
      {"RealMem", true, true, false},   {"RealDuplex", true, true, true},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(std::string(c.tag) + (c.realHw ? " in Real HW" : " in Demo"));
    TagWorld world;
    world.SetRealHw(c.realHw);
    PackInWindow w(Defs());
    CVAttrib* speed = w.pack.Attrib("Speed");
    speed->SetTagName(c.tag);
    ASSERT_EQ(speed->GetTag(), world.Tag(c.tag));
    DeliverPosted();
    w.parent.received.clear();

    EXPECT_TRUE(Set(speed, VariantFromFloat(7.5f)));

    CDCTag* tag = world.Tag(c.tag);
    EXPECT_FLOAT_EQ(TagFloat(tag), c.written ? 7.5f : 0.0f);
    EXPECT_EQ(tag->IsWritePending(), c.writePending);
    EXPECT_EQ(speed->IsWritePending(), c.writePending);
    EXPECT_EQ(w.pack.IsWritePending(), c.writePending);
    DeliverPosted();
    EXPECT_EQ(w.parent.Count(WM_PACK_PENDING_CHANGED, AC_WRITE_PENDING), c.writePending ? 1 : 0);
  }
}

TEST(AttribWriteThrough, NegativeWritesTheInverseAsOneAndZero) {
  TagWorld world;
  PackInWindow w(Defs());
  CVAttrib* onOff = w.pack.Attrib("OnOff");
  onOff->SetTagName("BoolOut");
  onOff->SetTagTransform("Negative");
  ASSERT_TRUE(onOff->IsTagNegative());
  CDCTag* tag = world.Tag("BoolOut");

  Set(onOff, VariantFromBool(true));
  EXPECT_EQ(tag->GetTagData()->vt, VT_BOOL);
  EXPECT_EQ(tag->GetTagData()->boolVal, 0);
  Set(onOff, VariantFromBool(false));
  EXPECT_EQ(tag->GetTagData()->boolVal, 1);

  onOff->SetTagTransform("");
  EXPECT_FALSE(onOff->IsTagNegative());
  Set(onOff, VariantFromBool(true));
  EXPECT_TRUE(VariantToBool(*tag->GetTagData()));
}

TEST(AttribWriteThrough, ResetKeepsTheTransformAndTheNegativeFlagInStep) {
  TagWorld world;
  PackInWindow w(Defs());
  MessageBoxDouble boxes;
  CVAttrib* onOff = w.pack.Attrib("OnOff");
  onOff->SetTagName("BoolOut");
  onOff->SetTagTransform("Negative");
  ASSERT_TRUE(onOff->IsTagNegative());
  onOff->Reset();
  EXPECT_FALSE(onOff->IsTagNegative());
  EXPECT_EQ(onOff->GetTagTransform(), "") << "a kept \"Negative\" would no longer negate";
  // Loading the same setting again negates again.
  onOff->SetTagTransform("Negative");
  EXPECT_TRUE(onOff->IsTagNegative());
}

TEST(AttribWriteThrough, NegativeOnANonBooleanTagAsksWhetherToGoOn) {
  struct Case {
    const char* what;
    int answer;
    bool shift;
    int exitCode;        // 0: goes on
    bool transformKept;
  };
  const Case cases[] = {
      {"yes clears the transform", IDYES, false, 0, false},
      {"no ends the program", IDNO, false, 321, true},
      {"shift suppresses the question", IDYES, true, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TagWorld world;
    PackInWindow w(Defs());
    CVAttrib* speed = w.pack.Attrib("Speed");
    speed->SetTagName("RealOut");
    MessageBoxDouble boxes;
    speed->SetTagTransform("Negative");  // reported, stored all the same
    ASSERT_EQ(boxes.Count(), 1u);
    boxes.Clear();
    boxes.SetDefaultAnswer(c.answer);
    KeyStateDouble keys;
    if (c.shift) keys.Hold(VK_SHIFT);

    int exitCode = 0;
    try {
      Set(speed, VariantFromFloat(4.0f));
    } catch (const ExitCalled& e) {
      exitCode = e.code;
    }
    EXPECT_EQ(exitCode, c.exitCode);
    EXPECT_EQ(speed->IsTagNegative(), c.transformKept);
    if (c.exitCode == 0) {
      EXPECT_FLOAT_EQ(TagFloat(world.Tag("RealOut")), 4.0f);
    }
    if (!c.shift) {
      ASSERT_EQ(boxes.Count(), 1u);
      EXPECT_EQ(boxes.Last().text,
                "The 'Negative Tag Transforming' is NOT supported for non boolean data types!\n"
                "SectionName: [Vessel.Dev1]\nAttribName: [Speed]  AttribDataType: Float\n"
                "TagName: [RealOut]  TagDataType: FloatDo you want to continue program?");
      EXPECT_EQ(boxes.Last().flags, MB_YESNO | MB_ICONERROR | MB_SYSTEMMODAL);
    } else {
      EXPECT_EQ(boxes.Count(), 0u);
    }
  }
}

// Every exit that follows a box's answer, met while the session ends: the
// box gets its close answer unshown, the exit is left to the session end
// (it ends nothing here), and the caller does nothing more that the box
// asked about.
TEST(ExitAfterABox, NoneEndsTheProgramWhileTheSessionEnds) {
  const auto analogUnit = [](bool calculated, const char* valueTag, const char* portTag) {
    TestPack pack(AnalogGroup("Flow", VT_R4));
    pack.Declare();
    if (*valueTag) pack.Attrib("Flow")->SetTagName(valueTag);
    pack.Attrib("FlowPort")->SetTagName(portTag);
    CAnalogUnit unit(&pack);
    unit.SetAttribId(pack.IdOf("Flow"));
    unit.SetAutoCalcFromPort(calculated);
    EXPECT_FALSE(unit.IsAutoCalcFromPort());
    EXPECT_FALSE(unit.IsAutoCalcFromPort()) << "settled, not asked again";
  };
  const struct {
    const char* caller;
    std::function<void()> meetTheBox;
  } cases[] = {
      {"the shared error box (OK/Cancel)", [] { EXPECT_EQ(ShowSharedErrorBox("bad", kExitCodeConfigError), IDCANCEL); }},
      {"the shared error box (Yes/No)",
       [] { EXPECT_EQ(ShowSharedErrorBox("bad", kExitCodeConfigError, MB_YESNO | MB_ICONERROR), IDNO); }},
      {"an analog unit calculated while its value is mapped (OK/Cancel)", [&] { analogUnit(true, "RealOut", ""); }},
      {"an analog unit asking whether to calculate (Yes/No/Cancel)", [&] { analogUnit(false, "", "RealOut2"); }},
      {"a negative transform on a number (Yes/No)",
       [] {
         PackInWindow w(Defs());
         CVAttrib* speed = w.pack.Attrib("Speed");
         speed->SetTagName("RealOut");
         {
           KeyStateDouble keys;
           keys.Hold(VK_SHIFT);  // its report at the setting is another box
           speed->SetTagTransform("Negative");
         }
         Set(speed, VariantFromFloat(4.0f));
         EXPECT_TRUE(speed->IsTagNegative());
         EXPECT_FLOAT_EQ(TagFloat(speed->GetTag()), 0.0f) << "written although the program was to end";
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caller);
    TagWorld world;
    MessageBoxDouble boxes(IDYES);
    std::vector<std::string> logged;
    SetSessionEndBoxLog([&](const std::string& line) { logged.push_back(line); });
    RequestSessionEnd("SIGTERM");
    try {
      c.meetTheBox();
    } catch (const ExitCalled& e) {
      ADD_FAILURE() << "ended the program with " << e.code;
    }
    ResetSessionEndForTest();
    SetSessionEndBoxLog(nullptr);
    EXPECT_THAT(logged, ::testing::ElementsAre(
                            ::testing::StartsWith("Not shown, the session ends: "),
                            "The exit with code 321 asked for is left to the session end, which goes on."));
    EXPECT_EQ(boxes.Count(), 0u) << boxes.Last().text;
  }
}

// ---- Pending mirrors ------------------------------------------------------------------

TEST(AttribPending, UnboundAttributeNeverPendingButTheRequestIsAnnounced) {
  PackInWindow w(Defs());
  CVAttrib* speed = w.pack.Attrib("Speed");
  DeliverPosted();
  w.parent.received.clear();
  speed->SetWritePending(true);
  speed->SetReadPending(true);
  EXPECT_FALSE(speed->IsWritePending());
  EXPECT_FALSE(speed->IsReadPending());
  DeliverPosted();
  EXPECT_EQ(w.parent.Count(WM_ATTRIB_CHANGED, AC_WRITE_PENDING), 1);
  EXPECT_EQ(w.parent.Count(WM_ATTRIB_CHANGED, AC_READ_PENDING), 1);
  EXPECT_EQ(w.parent.Count(WM_PACK_PENDING_CHANGED), 0);
}

// ---- Binding ------------------------------------------------------------------------------

TEST(AttribBinding, FormatBindingInfoDescribesAttribAndTag) {
  TagWorld world;
  TestPack pack(Defs());
  pack.Declare();
  CVAttrib* speed = pack.Attrib("Speed");
  EXPECT_EQ(speed->FormatBindingInfo(nullptr),
            "SectionName: [Vessel.Dev1]\nAttribName: [Speed]  AttribDataType: Float\n"
            "TagName: ['No-Tag']  TagDataType: Null");
  EXPECT_EQ(speed->FormatBindingInfo(world.Tag("BoolOut")),
            "SectionName: [Vessel.Dev1]\nAttribName: [Speed]  AttribDataType: Float\n"
            "TagName: [BoolOut]  TagDataType: Bool");
  speed->SetTagName("RealOut");
  EXPECT_EQ(speed->FormatBindingInfo(world.Tag("BoolOut")),
            "SectionName: [Vessel.Dev1]\nAttribName: [Speed]  AttribDataType: Float\n"
            "TagName: [RealOut]  TagDataType: Float");
}

TEST(AttribBinding, TypeMismatchIsReportedAndLeavesTheAttributeUnbound) {
  struct Case {
    const char* what;
    int answer;
    bool shift;
    int exitCode;
  };
  const Case cases[] = {{"ok goes on", IDOK, false, 0},
                        {"cancel ends the program", IDCANCEL, false, 321},
                        {"shift shows nothing", IDOK, true, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TagWorld world;
    TestPack pack(Defs());
    pack.Declare();
    MessageBoxDouble boxes(c.answer);
    testing_support::ClipboardDouble clipboard;
    KeyStateDouble keys;
    if (c.shift) keys.Hold(VK_SHIFT);
    int exitCode = 0;
    try {
      pack.Attrib("Speed")->SetTag(world.Tag("BoolOut"));
    } catch (const ExitCalled& e) {
      exitCode = e.code;
    }
    EXPECT_EQ(exitCode, c.exitCode);
    EXPECT_EQ(pack.Attrib("Speed")->GetTag(), nullptr);
    EXPECT_EQ(boxes.Count(), c.shift ? 0u : 1u);
    if (!c.shift) {
      EXPECT_EQ(boxes.Last().text.rfind("Invalid assigned Tag to Attrib (DataType mismatch)!\n\n"
                                        "SectionName: [Vessel.Dev1]\nAttribName: [Speed]  "
                                        "AttribDataType: Float\nTagName: [BoolOut]  TagDataType: Bool"
                                        "\n\nTips:\n - The TagName is copied to clipboard.\n",
                                        0),
                0u)
          << boxes.Last().text;
      EXPECT_EQ(boxes.Last().flags, MB_OKCANCEL | MB_ICONERROR | MB_SYSTEMMODAL);
      EXPECT_EQ(clipboard.Text(), "BoolOut");
    }
  }
}

TEST(AttribBinding, TagNamesAreTrimmedAndLookedUp) {
  TagWorld world;
  PackInWindow w(Defs());
  MessageBoxDouble boxes;
  CVAttrib* speed = w.pack.Attrib("Speed");
  CVAttrib* count = w.pack.Attrib("Count");

  count->SetTagName("_NO_DCTAG_");
  EXPECT_EQ(count->GetTag(), nullptr);
  EXPECT_EQ(count->GetTagName(), "_NO_DCTAG_");
  EXPECT_EQ(boxes.Count(), 0u);

  count->SetTagName("Nope");
  EXPECT_EQ(count->GetTag(), nullptr);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("The following Tag did not found in DataCenter:\n - Nope"),
            std::string::npos);

  speed->SetTagName("  RealOut \t");
  EXPECT_EQ(speed->GetTagName(), "RealOut");
  EXPECT_EQ(speed->GetTag(), world.Tag("RealOut"));

  // A bound attribute stays on its tag when a name yields none.
  speed->SetTagName("_NO_DCTAG_");
  EXPECT_EQ(speed->GetTag(), world.Tag("RealOut"));
  speed->SetTag(nullptr);
  EXPECT_EQ(speed->GetTag(), world.Tag("RealOut"));
}

TEST(AttribBinding, TagTransformsAreCheckedAndStored) {
  struct Case {
    const char* transform;
    const char* attrib;
    const char* tag;  // "" leaves it unbound
    const char* reason;  // "" when valid
  };
  const Case cases[] = {
      {"Negative", "OnOff", "BoolOut", ""},
      {"", "OnOff", "BoolOut", ""},
      {"Negative", "OnOff", "", " - Tag-Transforming on Null-Tag is invalid!"},
      {"Negative", "Count", "IntOut",
       " - The 'Negative' Tag-Transforming in INi is NOT supported for 'Int' Tags."},
      {"Invert", "OnOff", "BoolOut", " - Unrecognized Tag-Transforming: 'Invert' !?"},
      {"negative", "OnOff", "BoolOut", " - Unrecognized Tag-Transforming: 'negative' !?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.attrib) + " '" + c.transform + "'");
    TagWorld world;
    TestPack pack(Defs());
    pack.Declare();
    CVAttrib* attrib = pack.Attrib(c.attrib);
    if (*c.tag) attrib->SetTagName(c.tag);
    MessageBoxDouble boxes;
    attrib->SetTagTransform(c.transform);
    EXPECT_EQ(attrib->GetTagTransform(), c.transform);
    EXPECT_EQ(attrib->IsTagNegative(), std::string(c.transform) == "Negative");
    if (*c.reason == '\0') {
      EXPECT_EQ(boxes.Count(), 0u);
      continue;
    }
    ASSERT_EQ(boxes.Count(), 1u);
    const std::string key = std::string(c.attrib) + ".TagTransform";
    EXPECT_EQ(boxes.Last().text.rfind("Invalid Attrib configuration!\n " + std::string(c.reason) +
                                          "\n\nSectionName: [Vessel.Dev1]\nAttribName: " + key +
                                          " = " + c.transform + "\n\n\nTips:\n - The AttribNameEx",
                                      0),
              0u)
        << boxes.Last().text;
  }
}

TEST(AttribVisibility, IsVisibleRereadsTheSettingsFile) {
  testing_support::TempDir dir;
  dir.Write("s.ini", "[Vessel.Dev1]\nSpeed.Visible=No\n");
  CIniFile ini(dir.File("s.ini"));
  TestPack pack(Defs(), &ini);
  pack.Declare();
  CVAttrib* speed = pack.Attrib("Speed");
  EXPECT_FALSE(speed->IsVisible());
  dir.Write("s.ini", "[Vessel.Dev1]\nSpeed.Visible=yes\n");
  EXPECT_TRUE(speed->IsVisible());
}
