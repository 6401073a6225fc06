// The application's pure rules: the record-interval box's text and the
// engine's build-tag title.
#include <gtest/gtest.h>

#include "app/RecordInterval.h"
#include "app/VekFrameApp.h"

namespace {

TEST(RecordIntervalRule, AcceptsZeroToOneDayOfDigits) {
  struct Case {
    const char* text;
    int seconds;  // -1: refused
    const char* refusal;
  };
  const char* kEmpty = "Please enter the recording interval in seconds (0 for no recording).";
  const char* kDigits = "Please enter digits only (0-9).";
  const char* kTooLarge = "The recording interval is at most 86400 seconds (one day).";
  const Case cases[] = {
      {"0", 0, ""},           {"60", 60, ""},          {"0060", 60, ""},        {"86400", 86400, ""},
      {"0000086400", 86400, ""}, {"86401", -1, kTooLarge}, {"999999", -1, kTooLarge}, {"99999999999999999999", -1, kTooLarge},
      {"", -1, kEmpty},       {"-5", -1, kDigits},     {"1.5", -1, kDigits},    {" 60", -1, kDigits},
  };
  for (const Case& c : cases) {
    int seconds = -1;
    EXPECT_EQ(CheckRecordIntervalText(c.text, &seconds), c.refusal) << '"' << c.text << '"';
    EXPECT_EQ(seconds, c.seconds) << '"' << c.text << '"';
  }
}

TEST(BuildTag, NamesProjectPlantProgramAndDate) {
  EXPECT_EQ(CVekFrameApp::MakeBuildTag("VTLN", "Dec  7 2024"), "VTLN Spray Dryer - VekFrame (build 2024-12-07)");
  EXPECT_EQ(CVekFrameApp::MakeBuildTag("VTLN", "Jan 31 2025"), "VTLN Spray Dryer - VekFrame (build 2025-01-31)");
  EXPECT_EQ(CVekFrameApp::MakeBuildTag("X", "someday"), "X Spray Dryer - VekFrame (build someday)");
  EXPECT_EQ(CVekFrameApp::MakeAppName("VTLN"), "VekFrame VTLN");
}

}  // namespace
