// The attribute model on the program's engine: tags found in the engine's
// data center, input tags left to their link in Real HW, and trend stacks
// emptied on every switch of the data source.
#include <gtest/gtest.h>

#include "PlantFixture.h"
#include "core/AccessLog.h"
#include "core/DCTag.h"
#include "core/VStack.h"
#include "core/VekAccessControl.h"
#include "core/VekEncryption.h"
#include "core/VekEngineBase.h"
#include "attrib/AttribTrendInfo.h"
#include "support/Doubles.h"

using namespace plant_test;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

class QuietEngine : public CVekEngineBase {
 public:
  QuietEngine() {
    SetFileNames("VTLN");
    SetPendingWait([](const std::string&, const std::function<bool()>& done, DWORD) { return done(); });
    SetExitNoticeTimes(0, 0);
  }
};

class EngineWiring : public ::testing::Test {
 protected:
  void SetUp() override {
    CVekEncryption::SetFastHashingForTest(true);
    dir.Write("VTLN-DCTags.dct", "1, Flow, ADV, 0:AI:0, INPUT, Float, 0, 1,\n2, Cmd, ADV, 0:DO:0, OUTPUT, Bool, 0, 0,\n");
    dir.Write("VTLN-Setting.ini", "[Application]\r\nCoreControlType=PC-Base\r\n");
    CVekAccessControl users;
    users.LoadUserFile(dir.File("VTLN-VXC.sys"), true);
    std::string error;
    ASSERT_NE(users.AddUser("admin", "pw", CVekAccessUser::eGroupVekAdmin, &error), nullptr) << error;
    engine = new QuietEngine;
    ASSERT_TRUE(CVekEngineBase::SetEngine(engine));
  }
  void TearDown() override {
    CVekEngineBase::SetEngine(nullptr);
    CVekEncryption::SetFastHashingForTest(false);
    SetAccessLogFile("");
  }

  TempDir dir{true};
  MessageBoxDouble boxes;
  QuietEngine* engine = nullptr;
};

}  // namespace

TEST_F(EngineWiring, AttributesUseTheEnginesTagsAndDataSource) {
  TestPack pack({{"Flow", VT_R4, {}, AR_NONE}, {"Cmd", VT_BOOL, {}, AR_NONE}});
  pack.Declare();
  CVAttrib* flow = pack.Attrib("Flow");
  flow->SetTagName("Flow");
  ASSERT_NE(flow->GetTag(), nullptr);
  EXPECT_EQ(flow->GetTag(), CVekEngineBase::GetEngineDataCenter()->FindTag("Flow"));

  ASSERT_TRUE(engine->SetDataSourceType(1));
  Set(flow, VariantFromFloat(2.0f));
  EXPECT_FLOAT_EQ(VariantToFloat(*flow->GetTag()->GetTagData()), 2.0f) << "Demo writes input tags";

  ASSERT_TRUE(engine->SetDataSourceType(2));
  flow->GetTag()->SetReadPending(false);  // the first read came
  Set(flow, VariantFromFloat(3.0f));
  EXPECT_FLOAT_EQ(VariantToFloat(*flow->GetValue()), 3.0f);
  EXPECT_FLOAT_EQ(VariantToFloat(*flow->GetTag()->GetTagData()), 2.0f) << "Real HW leaves them to the link";
}

TEST_F(EngineWiring, SwitchingTheDataSourceEmptiesTheTrendStacks) {
  TestPack pack({{"Flow", VT_R4, {}, AR_NONE}});
  pack.Declare();
  auto* trend = new CAttribTrendInfo(pack.Attrib("Flow"));
  ASSERT_TRUE(trend->ParseTrendInfo("TrendIndex#1-RecordCount#10-RecordInterval#1"));
  pack.Attrib("Flow")->SetTrendInfo(trend);
  pack.Attrib("Flow")->PushTrendSample();
  pack.Attrib("Flow")->PushTrendSample();
  ASSERT_EQ(trend->GetSampleStack()->GetCount(), 2);
  ASSERT_TRUE(engine->SetDataSourceType(1));
  EXPECT_EQ(trend->GetSampleStack()->GetCount(), 0);
}
