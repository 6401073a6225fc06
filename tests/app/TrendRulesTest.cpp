// The trend window's rules: scroll steps and positions, sample texts, the
// incremental sample list and the print header.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "app/TrendRules.h"
#include "platform/Variant.h"
#include "platform/ui/ControlStyles.h"

using namespace trend_rules;

namespace {

// A plain list standing in for the panel's list box; counts its changes.
class VectorList : public ISampleList {
 public:
  std::vector<std::string> texts;
  int inserts = 0;
  int contains = 0;
  int GetCount() const override { return static_cast<int>(texts.size()); }
  bool Contains(const std::string& text) const override {
    ++const_cast<VectorList*>(this)->contains;
    for (const std::string& t : texts)
      if (t == text) return true;
    return false;
  }
  void Insert(int nIndex, const std::string& text) override {
    ASSERT_GE(nIndex, 0);
    ASSERT_LE(nIndex, GetCount()) << "an insert position never passes the count";
    texts.insert(texts.begin() + nIndex, text);
    ++inserts;
  }
  void RemoveLast() override { texts.pop_back(); }
};

// Samples newest first as the panel hands them: text of sample k.
std::vector<std::string> Texts(std::initializer_list<const char*> newestFirst) {
  return std::vector<std::string>(newestFirst.begin(), newestFirst.end());
}

int Update(VectorList& list, const std::vector<std::string>& newestFirst) {
  return UpdateSampleList(list, static_cast<int>(newestFirst.size()),
                          [&](int k) { return newestFirst[static_cast<size_t>(k)]; });
}

}  // namespace

TEST(TrendScrollRules, StepsFollowTheRangeWithAFloorOfFivePixels) {
  struct Case {
    int area, page, range, line, pageStep;
  };
  const Case cases[] = {
      {1355, 605, 750, 37, 75},  // eight panels in the shipped form
      {700, 605, 95, 5, 9},      // small range: the line step is at least 5
      {650, 605, 45, 5, 5},      // both floors
      {400, 605, -205, 5, 5},    // everything fits: nothing to scroll
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.area);
    const ScrollSteps s = ComputeScrollSteps(c.area, c.page);
    EXPECT_EQ(s.nRange, c.range);
    EXPECT_EQ(s.nLine, c.line);
    EXPECT_EQ(s.nPage, c.pageStep);
  }
}

TEST(TrendScrollRules, EachScrollCodeMovesWithinZeroAndTheRange) {
  const ScrollSteps s = ComputeScrollSteps(1355, 605);  // range 750, line 37, page 75
  struct Case {
    UINT code;
    int thumb, from, to;
  };
  const Case cases[] = {
      {SB_LINEDOWN, 0, 0, 37},      {SB_PAGEDOWN, 0, 0, 75},      {SB_LINEDOWN, 0, 740, 750},
      {SB_PAGEDOWN, 0, 700, 750},   {SB_LINEDOWN, 0, 750, 750},   {SB_LINEUP, 0, 100, 63},
      {SB_PAGEUP, 0, 100, 25},      {SB_LINEUP, 0, 20, 0},        {SB_PAGEUP, 0, 0, 0},
      {SB_THUMBTRACK, 321, 0, 321}, {SB_THUMBPOSITION, 900, 5, 750}, {SB_THUMBTRACK, -4, 5, 0},
      {SB_ENDSCROLL, 300, 40, 40},  {SB_TOP, 0, 40, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.code << " from " << c.from);
    EXPECT_EQ(ScrollPositionAfter(c.code, c.thumb, c.from, s), c.to);
  }
  const ScrollSteps none = ComputeScrollSteps(400, 605);
  EXPECT_EQ(ScrollPositionAfter(SB_LINEDOWN, 0, 0, none), 0) << "nothing to scroll";
  EXPECT_EQ(ScrollPositionAfter(SB_THUMBTRACK, 50, 0, none), 0);
}

TEST(TrendScrollRules, TheWheelMovesOneLineAndStopsAtBothEnds) {
  const ScrollSteps s = ComputeScrollSteps(1355, 605);
  EXPECT_EQ(WheelPositionAfter(-120, 0, s), 37) << "towards the user: down";
  EXPECT_EQ(WheelPositionAfter(120, 37, s), 0) << "away from the user: up";
  EXPECT_EQ(WheelPositionAfter(120, 0, s), 0);
  EXPECT_EQ(WheelPositionAfter(-120, 750, s), 750);
  EXPECT_EQ(WheelPositionAfter(-120, 740, s), 750);
  EXPECT_EQ(WheelPositionAfter(0, 100, s), 100);
}

TEST(TrendSampleText, ClockTimeAndTheValueInItsOwnPrecision) {
  const DATE t = DateFromParts(2024, 7, 29, 6, 5, 9);
  EXPECT_EQ(FormatSampleText(t, 3.14159f), "06:05:09 - 3.14");
  EXPECT_EQ(FormatSampleText(t, 42.25f), "06:05:09 - 42.2");
  EXPECT_EQ(FormatSampleText(t, -153.6f), "06:05:09 - -154");
  EXPECT_EQ(FormatSampleText(DateFromParts(2024, 7, 29, 23, 59, 59), 0.0f), "23:59:59 - 0.00");
}

TEST(TrendSampleList, FirstFillListsEverySampleNewestOnTop) {
  VectorList list;
  EXPECT_EQ(Update(list, Texts({"c", "b", "a"})), 3);
  EXPECT_EQ(list.texts, Texts({"c", "b", "a"}));
}

TEST(TrendSampleList, ANewSampleIsInsertedOnTopAndTheSearchStopsAtTheFirstListedText) {
  VectorList list;
  list.texts = Texts({"c", "b", "a"});
  const int inserted = Update(list, Texts({"d", "c", "b", "a"}));
  EXPECT_EQ(inserted, 1);
  EXPECT_EQ(list.contains, 2) << "d (new), then c (listed): stop";
  EXPECT_EQ(list.texts, Texts({"d", "c", "b", "a"}));
}

TEST(TrendSampleList, TheListIsTrimmedToTheSamplesTheStackHolds) {
  VectorList list;
  list.texts = Texts({"c", "b", "a"});
  // A full stack of three: "a" dropped out when "d" and "e" came in.
  EXPECT_EQ(Update(list, Texts({"e", "d", "c"})), 2);
  EXPECT_EQ(list.texts, Texts({"e", "d", "c"}));
  // A stack just emptied (data source switched): the list empties too.
  EXPECT_EQ(Update(list, {}), 0);
  EXPECT_TRUE(list.texts.empty());
}

TEST(TrendSampleList, TwoSamplesWithOneTextGiveOneEntryAndStopTheSearch) {
  VectorList list;
  EXPECT_EQ(Update(list, Texts({"x", "x", "w"})), 1);
  EXPECT_EQ(list.texts, Texts({"x"})) << "the duplicate stops inserting; the count trim keeps it";
}

TEST(TrendSeriesUpdate, NewSamplesAreAppendedAndDroppedOnesRemovedElseTheSeriesIsRebuilt) {
  using trend_rules::StackLook;
  const StackLook before{100, 1, 50};  // 100 pushed, ring of 60 holding 50
  const struct {
    const char* what;
    StackLook now;
    bool asLeft;
    bool rebuild;
    int drop, append;
  } cases[] = {
      {"nothing new", {100, 1, 50}, true, false, 0, 0},
      {"two new, ring not full", {102, 1, 52}, true, false, 0, 2},
      {"fifteen new, ring full", {115, 1, 60}, true, false, 5, 15},
      {"as many new as held", {160, 1, 60}, true, false, 50, 60},
      {"more new than held", {161, 1, 60}, true, true, 0, 0},
      {"emptied since", {101, 2, 1}, true, true, 0, 0},
      {"series changed by someone else", {101, 1, 51}, false, true, 0, 0},
      {"counts that cannot be", {99, 1, 50}, true, true, 0, 0},
      {"fewer held than before without a clear", {101, 1, 40}, true, true, 0, 0},
  };
  for (const auto& c : cases) {
    const trend_rules::SeriesUpdate u = trend_rules::PlanSeriesUpdate(&before, c.now, c.asLeft);
    EXPECT_EQ(u.bRebuild, c.rebuild) << c.what;
    if (c.rebuild) continue;
    EXPECT_EQ(u.nDrop, c.drop) << c.what;
    EXPECT_EQ(u.nAppend, c.append) << c.what;
  }
  EXPECT_TRUE(trend_rules::PlanSeriesUpdate(nullptr, before, true).bRebuild) << "the first look";
}

TEST(TrendPrintHeader, LongWeekdayAndMonthNamesOfTheCurrentLocale) {
  std::setlocale(LC_TIME, "C");
  EXPECT_EQ(MakePrintHeader(DateFromParts(2026, 12, 6)), "VekControls Trends, Printed on: Sunday, December 06, 2026");
  EXPECT_EQ(MakePrintHeader(DateFromParts(2024, 2, 29, 23, 0, 0)),
            "VekControls Trends, Printed on: Thursday, February 29, 2024");
}
