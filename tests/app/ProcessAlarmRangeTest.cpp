// Every process alarm object, the first and the last included, reaches the
// operator through the running view: raising its message flag shows the
// box titled with its own code (index + 1) and acknowledges it.
#include <string>

#include "AppTestSupport.h"
#include "plant/ProcessDataAttribs.h"
#include "plant/VekEngineApp.h"

using namespace app_test;

namespace {

TEST_F(AppTest, EveryAlarmObjectUpToTheLastShowsItsMessageWithItsOwnCode) {
  StartOnShippedData();
  for (int alarm = 0; alarm < 25; ++alarm) {
    SCOPED_TRACE("alarm " + std::to_string(alarm));
    boxes.Clear();
    SetPrcAlarmBool(alarm, PA_VI_bAlarmAck, false);
    SetPrcAlarmBool(alarm, PA_VI_bAlarmMsg, true);
    ProcessPendingEvents();
    ASSERT_EQ(boxes.Count(), 1u);
    const std::string code = "AlarmCode: " + std::to_string(alarm + 1) + ", ";
    EXPECT_EQ(boxes.Last().caption.rfind(code, 0), 0u) << boxes.Last().caption;
    EXPECT_EQ(boxes.Last().text.rfind("آلارم شماره " + std::to_string(alarm + 1), 0), 0u) << boxes.Last().text;
    EXPECT_TRUE(GetPrcAlarmBool(alarm, PA_VI_bAlarmAck));
    SetPrcAlarmBool(alarm, PA_VI_bAlarmMsg, false);
    ProcessPendingEvents();
  }
}

}  // namespace
