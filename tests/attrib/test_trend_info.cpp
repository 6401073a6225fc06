// Trend settings: the parser, the process-wide list and the stacks.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "PlantFixture.h"
#include "core/VStack.h"
#include "attrib/AttribTrendInfo.h"
#include "support/Doubles.h"

using namespace plant_test;
using testing_support::ExitCalled;
using testing_support::KeyStateDouble;
using testing_support::MessageBoxDouble;

namespace {

std::vector<AttribDef> Defs() {
  return {{"Speed", VT_R4, {}, AR_NONE}, {"Count", VT_I4, {}, AR_NONE}, {"Small", VT_I2, {}, AR_NONE},
          {"OnOff", VT_BOOL, {}, AR_NONE}, {"Ratio", VT_R8, {}, AR_NONE}, {"Level", VT_R4, {}, AR_NONE},
          {"Flow", VT_R4, {}, AR_NONE}, {"Mass", VT_R4, {}, AR_NONE}};
}

}  // namespace

struct ParseCase {
  const char* text;
  const char* reason;  // "" when the text is good
  int index, count, interval;
};

TEST(TrendInfoParse, GoodTextsAndEachReason) {
  const ParseCase cases[] = {
      {"TrendIndex#1-RecordCount#10-RecordInterval#1", "", 1, 10, 1},
      {"TrendIndex#100-RecordCount#86400-RecordInterval#59", "", 100, 86400, 59},
      {"TrendIndex#0-RecordCount#10-RecordInterval#1", "Invalid TrendInfo! -> 'TrendIndex#' is out of range.", 0, 0, 0},
      {"TrendIndex#101-RecordCount#10-RecordInterval#1", "Invalid TrendInfo! -> 'TrendIndex#' is out of range.", 0, 0, 0},
      {"RecordCount#10-TrendIndex#1-RecordInterval#1", "Invalid TrendInfo! -> Start TrendInfo with 'TrendIndex#'", 0, 0, 0},
      {"TrendIndex#1-RecordCount#9-RecordInterval#1", "Invalid TrendInfo! -> 'RecordCount#' is out of range.", 0, 0, 0},
      {"TrendIndex#1-RecordCount#86401-RecordInterval#1", "Invalid TrendInfo! -> 'RecordCount#' is out of range.", 0, 0, 0},
      {"TrendIndex#1-Count#10-RecordInterval#1", "Invalid TrendInfo! -> Start TrendInfo with 'RecordCount#'", 0, 0, 0},
      {"TrendIndex#1-RecordCount#10-RecordInterval#0", "Invalid TrendInfo! -> 'RecordInterval#' is out of range.", 0, 0, 0},
      {"TrendIndex#1-RecordCount#10-RecordInterval#60", "Invalid TrendInfo! -> 'RecordInterval#' is out of range.", 0, 0, 0},
      {"TrendIndex#1-RecordCount#10", "Invalid TrendInfo! -> Start TrendInfo with 'RecordInterval#'", 0, 0, 0},
      {"TrendIndex#1-RecordCount#10-RecordInterval#1-X", "Invalid TrendInfo! -> Unsupported info was found!", 0, 0, 0},
      {"TrendIndex#-5-RecordCount#10-RecordInterval#1", "Invalid TrendInfo! -> 'TrendIndex#' is out of range.", 0, 0, 0},
      {"TrendIndex#99999999999999-RecordCount#10-RecordInterval#1", "Invalid TrendInfo! -> 'TrendIndex#' is out of range.", 0, 0, 0},
      {"trendindex#1-RecordCount#10-RecordInterval#1", "Invalid TrendInfo! -> Start TrendInfo with 'TrendIndex#'", 0, 0, 0},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.text);
    TestPack pack(Defs());
    pack.Declare();
    MessageBoxDouble boxes;
    testing_support::ClipboardDouble clipboard;
    CAttribTrendInfo trend(pack.Attrib("Speed"));
    const bool good = *c.reason == '\0';
    EXPECT_EQ(trend.ParseTrendInfo(c.text), good);
    if (good) {
      EXPECT_EQ(boxes.Count(), 0u);
      EXPECT_EQ(trend.GetTrendIndex(), c.index);
      EXPECT_EQ(trend.GetRecordCount(), c.count);
      EXPECT_EQ(trend.GetRecordInterval(), c.interval);
      ASSERT_NE(trend.GetSampleStack(), nullptr);
      EXPECT_EQ(trend.GetSampleStack()->GetSize(), c.count);
      EXPECT_TRUE(trend.GetSampleStack()->IsTimeStamping());
      continue;
    }
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text,
              std::string(c.reason) + "\nPlease update INI file.\n\n" +
                  "SectionName: [Vessel.Dev1]\nAttribName: [Speed]  AttribDataType: Float\n"
                  "TagName: ['No-Tag']  TagDataType: Null"
                  "\n ---> Invalid TrendInfo: [" + c.text + "]" +
                  "\n\nTips:\n - The Attrib TrendInfo is copied to clipboard.\n"
                  " - Press and hold Shift key to ignore subsequent call of this error message types.\n"
                  " - Press Cancel button to terminate program.");
    EXPECT_EQ(boxes.Last().flags, MB_OKCANCEL | MB_ICONERROR | MB_SYSTEMMODAL);
    EXPECT_EQ(clipboard.Text(), c.text);
  }
}

TEST(TrendInfoParse, OnlyShortIntAndFloatAttributesHaveTrends) {
  const std::pair<const char*, bool> cases[] = {
      {"Speed", true}, {"Count", true}, {"Small", true}, {"OnOff", false}, {"Ratio", false}};
  for (const auto& [name, supported] : cases) {
    SCOPED_TRACE(name);
    TestPack pack(Defs());
    pack.Declare();
    MessageBoxDouble boxes;
    CAttribTrendInfo trend(pack.Attrib(name));
    EXPECT_EQ(trend.ParseTrendInfo("TrendIndex#1-RecordCount#10-RecordInterval#1"), supported);
    EXPECT_EQ(trend.SetRecordCount(20), supported);
    if (!supported) {
      ASSERT_EQ(boxes.Count(), 1u);
      EXPECT_EQ(boxes.Last().text.rfind("Trend is NOT supported for assigned Attrib!\n", 0), 0u);
      EXPECT_EQ(trend.GetSampleStack(), nullptr);
    }
  }
}

TEST(TrendInfoParse, EmptyTextShiftAndCancel) {
  TestPack pack(Defs());
  pack.Declare();
  MessageBoxDouble boxes(IDCANCEL);
  CAttribTrendInfo trend(pack.Attrib("Speed"));
  EXPECT_FALSE(trend.ParseTrendInfo(""));
  EXPECT_EQ(boxes.Count(), 0u);
  {
    KeyStateDouble keys;
    keys.Hold(VK_SHIFT);
    EXPECT_FALSE(trend.ParseTrendInfo("TrendIndex#0"));
    EXPECT_EQ(boxes.Count(), 0u);
  }
  int exitCode = 0;
  try {
    trend.ParseTrendInfo("TrendIndex#0");
  } catch (const ExitCalled& e) {
    exitCode = e.code;
  }
  EXPECT_EQ(exitCode, 123);
}

TEST(TrendInfoList, DuplicateIndexIsReportedOnceAndBothStay) {
  TestPack pack(Defs());
  pack.Declare();
  MessageBoxDouble boxes;
  testing_support::ClipboardDouble clipboard;
  CAttribTrendInfo first(pack.Attrib("Speed"));
  CAttribTrendInfo other(pack.Attrib("Level"));
  ASSERT_TRUE(first.ParseTrendInfo("TrendIndex#5-RecordCount#10-RecordInterval#1"));
  ASSERT_TRUE(other.ParseTrendInfo("TrendIndex#6-RecordCount#10-RecordInterval#1"));
  EXPECT_EQ(boxes.Count(), 0u);
  CAttribTrendInfo second(pack.Attrib("Count"));
  EXPECT_TRUE(second.ParseTrendInfo("TrendIndex#5-RecordCount#10-RecordInterval#1"));
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text,
            "Found duplicated Trend Index in the following two attribs!\nDuplicated TrendIndex: 5\n"
            "Please update INI file.\n\n"
            "SectionName: [Vessel.Dev1]\nAttribName: [Speed]  AttribDataType: Float\n"
            "TagName: ['No-Tag']  TagDataType: Null\n\n"
            "SectionName: [Vessel.Dev1]\nAttribName: [Count]  AttribDataType: Int\n"
            "TagName: ['No-Tag']  TagDataType: Null"
            "\n\nTips:\n - The Second Section Name is copied to clipboard.\n"
            " - Press and hold Shift key to ignore subsequent call of this error message types.\n"
            " - Press Cancel button to terminate program.");
  EXPECT_EQ(clipboard.Text(), "Vessel.Dev1");

  auto* list = CAttribTrendInfo::GetSortedTrendInfoList();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->size(), 3u);
  EXPECT_EQ((*list)[0]->GetTrendIndex(), 5);
  EXPECT_EQ((*list)[1]->GetTrendIndex(), 5);
  EXPECT_EQ((*list)[2], &other);

  boxes.SetDefaultAnswer(IDCANCEL);
  CAttribTrendInfo third(pack.Attrib("Flow"));
  int exitCode = 0;
  try {
    third.ParseTrendInfo("TrendIndex#6-RecordCount#10-RecordInterval#1");
  } catch (const ExitCalled& e) {
    exitCode = e.code;
  }
  EXPECT_EQ(exitCode, 123);
}

TEST(TrendInfoList, SortedByIndexAndGoneWithTheLastSetting) {
  EXPECT_EQ(CAttribTrendInfo::GetSortedTrendInfoList(), nullptr);
  TestPack pack(Defs());
  pack.Declare();
  const std::pair<const char*, int> settings[] = {{"Speed", 7}, {"Count", 3}, {"Level", 9}, {"Flow", 1}, {"Mass", 3}};
  std::vector<std::unique_ptr<CAttribTrendInfo>> trends;
  for (const auto& [name, index] : settings) {
    trends.push_back(std::make_unique<CAttribTrendInfo>(pack.Attrib(name)));
    trends.back()->SetTrendIndex(index);
  }
  auto* list = CAttribTrendInfo::GetSortedTrendInfoList();
  ASSERT_NE(list, nullptr);
  std::vector<int> indexes;
  for (CAttribTrendInfo* t : *list) indexes.push_back(t->GetTrendIndex());
  EXPECT_EQ(indexes, (std::vector<int>{1, 3, 3, 7, 9}));
  trends.erase(trends.begin() + 1);
  EXPECT_EQ(list->size(), 4u);
  trends.clear();
  EXPECT_EQ(CAttribTrendInfo::GetSortedTrendInfoList(), nullptr);
}

namespace {

// The attribute names of the sorted list, in order.
std::vector<std::string> SortedNames(const TestPack& pack) {
  std::vector<std::string> names;
  const auto* list = CAttribTrendInfo::GetSortedTrendInfoList();
  if (list == nullptr) return names;
  for (const CAttribTrendInfo* trend : *list) {
    for (const char* name : {"Speed", "Count", "Level", "Flow", "Mass"}) {
      if (trend->GetOwner() == pack.Attrib(name)) names.emplace_back(name);
    }
  }
  return names;
}

}  // namespace

// The exchange sort swaps only an entry with a greater index, so which of
// two equal settings comes first (and so which trend panel) is fixed by
// the order the settings were made in.
TEST(TrendInfoList, EqualIndexesAreNotExchanged) {
  struct Case {
    std::vector<std::pair<const char*, int>> settings;  // in the order they are made
    std::vector<std::string> sorted;
  };
  const Case cases[] = {
      {{{"Speed", 4}, {"Count", 4}}, {"Speed", "Count"}},
      {{{"Count", 4}, {"Speed", 4}}, {"Count", "Speed"}},
      {{{"Speed", 7}, {"Count", 3}, {"Level", 9}, {"Flow", 1}, {"Mass", 3}},
       {"Flow", "Count", "Mass", "Speed", "Level"}},
      // An exchange moves the first of two equal entries behind the second.
      {{{"Speed", 1}, {"Count", 1}, {"Flow", 0}}, {"Flow", "Count", "Speed"}},
  };
  for (const Case& c : cases) {
    TestPack pack(Defs());
    pack.Declare();
    std::vector<std::unique_ptr<CAttribTrendInfo>> trends;
    std::string made;
    for (const auto& [name, index] : c.settings) {
      trends.push_back(std::make_unique<CAttribTrendInfo>(pack.Attrib(name)));
      trends.back()->SetTrendIndex(index);
      made += std::string(name) + "#" + std::to_string(index) + " ";
    }
    SCOPED_TRACE(made);
    EXPECT_EQ(SortedNames(pack), c.sorted);
  }
  EXPECT_EQ(CAttribTrendInfo::GetSortedTrendInfoList(), nullptr);
}

TEST(TrendInfoList, ReplacingASettingLeavesOneInTheList) {
  TestPack pack(Defs());
  pack.Declare();
  CVAttrib* speed = pack.Attrib("Speed");
  auto* first = new CAttribTrendInfo(speed);
  first->SetTrendIndex(4);
  speed->SetTrendInfo(first);
  auto* second = new CAttribTrendInfo(speed);
  second->SetTrendIndex(4);
  speed->SetTrendInfo(second);
  auto* list = CAttribTrendInfo::GetSortedTrendInfoList();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->size(), 1u);
  EXPECT_EQ((*list)[0], second);
  speed->DeleteTrendInfo();
  EXPECT_EQ(CAttribTrendInfo::GetSortedTrendInfoList(), nullptr);
}

TEST(TrendInfoList, ResetTrendStacksEmptiesEveryStack) {
  TestPack pack(Defs());
  pack.Declare();
  CAttribTrendInfo a(pack.Attrib("Speed"));
  CAttribTrendInfo b(pack.Attrib("Count"));
  ASSERT_TRUE(a.SetRecordCount(10));
  ASSERT_TRUE(b.SetRecordCount(10));
  VARIANT f = VariantFromFloat(1.0f);
  VARIANT i = VariantFromInt(2);
  a.GetSampleStack()->Push(&f);
  b.GetSampleStack()->Push(&i);
  b.GetSampleStack()->Push(&i);
  CAttribTrendInfo::ResetTrendStacks();
  EXPECT_EQ(a.GetSampleStack()->GetCount(), 0);
  EXPECT_EQ(b.GetSampleStack()->GetCount(), 0);
  EXPECT_EQ(b.GetSampleStack()->GetSize(), 10);
}

TEST(TrendInfo, DescriptionListsTheThreeFields) {
  TestPack pack(Defs());
  pack.Declare();
  CAttribTrendInfo trend(pack.Attrib("Speed"));
  ASSERT_TRUE(trend.ParseTrendInfo("TrendIndex#12-RecordCount#600-RecordInterval#5"));
  EXPECT_EQ(trend.GetDescription(), "Trend Index: 12\r\nRecord Count: 600\r\nRecord Interval: 5 Sec.\r\n");
}
