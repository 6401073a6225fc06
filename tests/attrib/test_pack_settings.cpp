// The pack's first loading pass over settings files written by the tests.
#include <gtest/gtest.h>

#include "PlantFixture.h"
#include "core/DCTag.h"
#include "attrib/AttribTrendInfo.h"
#include "support/Doubles.h"

using namespace plant_test;
using testing_support::ClipboardDouble;
using testing_support::ExitCalled;
using testing_support::KeyStateDouble;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

std::vector<AttribDef> Defs() {
  return {{"Speed", VT_R4, {}, AR_NONE},   {"OnOff", VT_BOOL, {}, AR_NONE},
          {"Label", VT_BSTR, {}, AR_NONE}, {"Count", VT_I4, {}, AR_NONE},
          {"Level", VT_R4, {}, AR_NONE}};
}

// A settings file with one section, and a pack reading it.
struct Loaded {
  explicit Loaded(const std::string& body, const std::string& section = "Vessel.Dev1")
      : ini(Write(dir, "[" + section + "]\r\n" + body)), pack(Defs(), &ini) {
    pack.Declare();
  }
  static std::string Write(const TempDir& d, const std::string& content) {
    d.Write("VTLN-Setting.ini", content);
    return d.File("VTLN-Setting.ini");
  }
  TempDir dir;
  CIniFile ini;
  TestPack pack;
};

}  // namespace

TEST(PackSettings, LoadsTagsTransformsVisibilityAsdAndTrends) {
  TagWorld world;
  Loaded s(
      "Speed.Tag= RealOut \r\n"
      "OnOff.Tag=BoolOut\r\n"
      "OnOff.TagTransform=Negative\r\n"
      "Label.Tag=_NO_DCTAG_\r\n"
      "Speed.Visible=no\r\n"
      "Count.ASD=12\r\n"
      "Speed.ASD=\r\n"
      "Speed.TrendInfo=TrendIndex#3-RecordCount#600-RecordInterval#1\r\n"
      "Speed.Data=12.5\r\n"
      "Label.Data=anything at all\r\n");
  MessageBoxDouble boxes;
  s.pack.LoadAttribsFromIni();

  EXPECT_EQ(boxes.Count(), 0u);
  EXPECT_EQ(s.pack.Attrib("Speed")->GetTag(), world.Tag("RealOut"));
  EXPECT_EQ(s.pack.Attrib("OnOff")->GetTag(), world.Tag("BoolOut"));
  EXPECT_TRUE(s.pack.Attrib("OnOff")->IsTagNegative());
  EXPECT_EQ(s.pack.Attrib("Label")->GetTag(), nullptr);
  EXPECT_EQ(s.pack.Attrib("Label")->GetTagName(), "_NO_DCTAG_");
  EXPECT_FALSE(s.pack.IsAttribVisible(s.pack.IdOf("Speed")));
  EXPECT_TRUE(s.pack.IsAttribVisible(s.pack.IdOf("Count")));
  EXPECT_EQ(s.pack.GetAttribAsd(s.pack.IdOf("Count")), 12);
  EXPECT_EQ(s.pack.GetAttribAsd(s.pack.IdOf("Speed")), 0);
  CAttribTrendInfo* trend = s.pack.Attrib("Speed")->GetTrendInfo();
  ASSERT_NE(trend, nullptr);
  EXPECT_EQ(trend->GetTrendIndex(), 3);
  EXPECT_EQ(trend->GetRecordCount(), 600);
  EXPECT_EQ(trend->GetRecordInterval(), 1);
  EXPECT_EQ(s.pack.Attrib("Count")->GetTrendInfo(), nullptr);
  // The pass checks saved values but does not take them.
  EXPECT_FLOAT_EQ(VariantToFloat(*s.pack.Attrib("Speed")->GetValue()), 0.0f);
}

TEST(PackSettings, VisibleIsNoInAnyCaseAndAnythingElseShows) {
  const std::pair<const char*, bool> cases[] = {
      {"Yes", true}, {"yes", true}, {"YES", true}, {"No", false}, {"no", false}, {"nO", false},
      {"false", true}, {"0", true}, {"", true}, {"None", true}, {nullptr, true}};
  for (const auto& [text, visible] : cases) {
    SCOPED_TRACE(text ? text : "(missing)");
    Loaded s(text ? std::string("Speed.Visible=") + text + "\r\n" : "Count.ASD=1\r\n");
    s.pack.LoadAttribVisible(s.pack.IdOf("Speed"));
    EXPECT_EQ(s.pack.Attrib("Speed")->IsVisible(), visible);
  }
}

TEST(PackSettings, MissingSectionIsReportedUnlessShiftIsHeld) {
  struct Case {
    const char* what;
    bool shift;
    int answer;
    size_t boxes;
    int exitCode;
  };
  const Case cases[] = {{"ok goes on with defaults", false, IDOK, 1, 0},
                        {"cancel ends the program", false, IDCANCEL, 1, 321},
                        {"shift shows nothing", true, IDCANCEL, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Loaded s("Speed.ASD=3\r\n", "Vessel.Other");
    MessageBoxDouble boxes(c.answer);
    ClipboardDouble clipboard;
    KeyStateDouble keys;
    if (c.shift) keys.Hold(VK_SHIFT);
    int exitCode = 0;
    try {
      s.pack.LoadAttribsFromIni();
    } catch (const ExitCalled& e) {
      exitCode = e.code;
    }
    EXPECT_EQ(exitCode, c.exitCode);
    EXPECT_EQ(boxes.Count(), c.boxes);
    if (c.boxes > 0) {
      EXPECT_EQ(boxes.Last().text,
                "The following section did Not found in setting (ini) file:\n - [Vessel.Dev1]"
                "\n\nTips:\n - The section name is copied to clipboard.\n"
                " - Press and hold Shift key to ignore subsequent call of this error message types.\n"
                " - Press Cancel button to terminate program.");
      EXPECT_EQ(boxes.Last().flags, MB_OKCANCEL | MB_ICONERROR | MB_SYSTEMMODAL);
      EXPECT_EQ(clipboard.Text(), "Vessel.Dev1");
    }
    if (c.exitCode == 0) {
      EXPECT_EQ(s.pack.GetAttribAsd(s.pack.IdOf("Speed")), 0);
    }
  }
}

TEST(PackSettings, UnconvertibleSavedValueIsReportedOncePerAttribute) {
  struct Case {
    const char* line;
    const char* attrib;
    const char* typeName;  // "" when no box
  };
  const Case cases[] = {{"Speed.Data=abc", "Speed", "Float"},
                        {"Count.Data=12.7x", "Count", "Int"},
                        {"Count.Data=99999999999", "Count", "Int"},
                        {"OnOff.Data=maybe", "OnOff", "Bool"},
                        {"Label.Data=abc", "Label", ""},
                        {"Speed.Data=1,5", "Speed", "Float"},  // one fixed locale: '.' decimals
                        {"Speed.Data=1.5", "Speed", ""},
                        {"Speed.Data=-2.5e3", "Speed", ""},
                        {"Count.Data=-42", "Count", ""},
                        {"Speed.Data=", "Speed", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Loaded s(std::string(c.line) + "\r\n");
    MessageBoxDouble boxes;
    ClipboardDouble clipboard;
    KeyStateDouble keys;
    keys.Hold(VK_SHIFT);  // silences the missing-tag and section boxes, not this one
    s.pack.LoadAttribsFromIni();
    if (*c.typeName == '\0') {
      EXPECT_EQ(boxes.Count(), 0u);
      continue;
    }
    ASSERT_EQ(boxes.Count(), 1u);
    const std::string value = std::string(c.line).substr(std::string(c.line).find('=') + 1);
    EXPECT_EQ(boxes.Last().text, "Invalid saved value in ini file!\nAttribName: {" + std::string(c.attrib) +
                                     "}.Data\nValue: \"" + value + "\"\n\nExpected value format: " +
                                     c.typeName + "\n\n\n(The AttribName is copied to clipboard).");
    EXPECT_EQ(boxes.Last().flags, MB_ICONERROR | MB_SYSTEMMODAL);
    EXPECT_EQ(clipboard.Text(), c.attrib);
  }
}

TEST(PackSettings, TrendInfoOfBlanksCreatesNothing) {
  Loaded s("Speed.TrendInfo=   \r\n");
  MessageBoxDouble boxes;
  s.pack.LoadAttribsFromIni();
  EXPECT_EQ(s.pack.Attrib("Speed")->GetTrendInfo(), nullptr);
  EXPECT_EQ(boxes.Count(), 0u);
  EXPECT_EQ(CAttribTrendInfo::GetSortedTrendInfoList(), nullptr);
}

TEST(PackSettings, BadTrendInfoIsReportedAndLeavesNoSetting) {
  Loaded s("Speed.TrendInfo=TrendIndex#3-RecordCount#5-RecordInterval#1\r\n"
           "OnOff.TrendInfo=TrendIndex#4-RecordCount#50-RecordInterval#1\r\n");
  MessageBoxDouble boxes;
  s.pack.LoadAttribsFromIni();
  ASSERT_EQ(boxes.Count(), 2u);
  EXPECT_EQ(boxes.Shown()[0].text.rfind("Invalid TrendInfo! -> 'RecordCount#' is out of range.\n", 0), 0u);
  EXPECT_EQ(boxes.Shown()[1].text.rfind("Trend is NOT supported for assigned Attrib!\n", 0), 0u);
  EXPECT_EQ(s.pack.Attrib("Speed")->GetTrendInfo(), nullptr);
  EXPECT_EQ(s.pack.Attrib("OnOff")->GetTrendInfo(), nullptr);
  EXPECT_EQ(CAttribTrendInfo::GetSortedTrendInfoList(), nullptr);
}

TEST(PackSettings, LoadingTwiceKeepsOneTrendSettingAndReportsNoDuplicate) {
  Loaded s("Speed.TrendInfo=TrendIndex#8-RecordCount#60-RecordInterval#2\r\n");
  MessageBoxDouble boxes;
  s.pack.LoadAttribsFromIni();
  s.pack.LoadAttribsFromIni();
  EXPECT_EQ(boxes.Count(), 0u);
  auto* list = CAttribTrendInfo::GetSortedTrendInfoList();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->size(), 1u);
  EXPECT_EQ((*list)[0], s.pack.Attrib("Speed")->GetTrendInfo());
}
