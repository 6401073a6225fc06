#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <memory>

#include "core/AccessLog.h"
#include "core/AtomicFile.h"
#include "core/CoreTestSupport.h"
#include "core/VekEncryption.h"
#include "core/VekEngineBase.h"
#include "platform/SessionEnd.h"
#include "support/Doubles.h"

using core_test::Deliver;
using testing_support::ClockDouble;
using testing_support::ExitCalled;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

const char* kTags =
    "1, In1, ADV, 0:AI:0, INPUT, Float, 0, 1,\n"
    "2, Out1, ADV, 0:DO:0, OUTPUT, Bool, 0, 0,\n"
    "3, Opc1, OPC, Plant.X, DUPLEX, Int, 0, 0,\n"
    "4, Free1, NULL, , NULL, Float, 0, 0,\n";

// An engine that counts the calls of its plant operations and waits for
// pendings without a window.
class TestEngine : public CVekEngineBase {
 public:
  TestEngine() {
    SetFileNames("VTLN");
    SetPendingWait([this](const std::string& text, const std::function<bool()>& done, DWORD) {
      waits.push_back(text);
      return done();
    });
    SetExitNoticeTimes(0, 0);
  }
  std::vector<std::string> waits;
  int ready = 0, demoInputs = 0, demoFeedback = 0, realHw = 0, cycleEnd = 0, added = 0, recorded = 0, control = 0;
  int readyWhileIdle = 0;

  void OnDataSourceReady() override {
    ++ready;
    if (IsDataSourceIdle()) ++readyWhileIdle;
  }
  void SimulateDemoInputs() override { ++demoInputs; }
  void SimulateDemoFeedback() override { ++demoFeedback; }
  void ObtainRealHwData() override { ++realHw; }
  void DataObtainerCycleEnd() override { ++cycleEnd; }
  void AddProcessInfoToStacks() override { ++added; }
  void RecordProcessInformation() override { ++recorded; }
  void ProcessControlCycle() override { ++control; }
};

// A hardware link that connects when asked.
class ConnectingLink : public CHwLinkerEngine {
 public:
  std::string GetLinkName() const override { return "Test"; }
  bool Connect() override { return m_bConnected = true; }
  void Disconnect() override { m_bConnected = false; }
  bool IsConnected() const override { return m_bConnected; }

 private:
  bool m_bConnected = false;
};

class LinkedTestEngine : public TestEngine {
 protected:
  std::unique_ptr<CHwLinkerEngine> CreateHwLinker() override { return std::make_unique<ConnectingLink>(); }
};

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CVekEncryption::SetFastHashingForTest(true);
    dir.Write("VTLN-DCTags.dct", kTags);
    dir.Write("VTLN-Setting.ini", "[Application]\r\nCoreControlType=PC-Base\r\n");
    CVekAccessControl users;
    users.LoadUserFile(dir.File("VTLN-VXC.sys"), true);
    std::string error;
    ASSERT_NE(users.AddUser("admin", "pw", CVekAccessUser::eGroupVekAdmin, &error), nullptr) << error;
  }
  void TearDown() override {
    CVekEngineBase::SetEngine(nullptr);
    CVekEncryption::SetFastHashingForTest(false);
    SetAccessLogFile("");
  }
  // A started engine kept as the program's engine.
  TestEngine* Start() {
    auto* engine = new TestEngine;
    EXPECT_TRUE(CVekEngineBase::SetEngine(engine));
    return engine;
  }

  TempDir dir{true};
  MessageBoxDouble boxes;
  ClockDouble clock{1000000, DateFromParts(2024, 5, 1, 10, 0, 0)};
};

TEST_F(EngineTest, StartUpLoadsTheFilesAndOpensTheDatabase) {
  TestEngine* engine = Start();
  EXPECT_EQ(CVekEngineBase::GetEngine(), engine);
  ASSERT_NE(CVekEngineBase::GetEngineDataCenter(), nullptr);
  EXPECT_EQ(CVekEngineBase::GetEngineDataCenter()->GetTagCount(), 4);
  ASSERT_NE(CVekEngineBase::GetEngineAccessControl(), nullptr);
  EXPECT_EQ(CVekEngineBase::GetEngineAccessControl()->GetUsers().size(), 1u);
  EXPECT_TRUE(engine->GetEngineTables().IsOpen());
  EXPECT_TRUE(engine->IsWindowCreated());
  EXPECT_EQ(engine->GetWindowText(), "$-VekEngineBaseWnd-$");
  EXPECT_FALSE(engine->IsWindowVisible());
  EXPECT_EQ(engine->GetDataSourceText(), "None");
  EXPECT_EQ(engine->GetCoreControlType(), "PC-Base");
  EXPECT_EQ(engine->GetProcessInfoStackSize(), 60);
  EXPECT_EQ(engine->GetRecordProcessInfoInterval(), 60);
  EXPECT_EQ(engine->GetAddProcessInfoToStackInterval(), 1);
  EXPECT_EQ(boxes.Count(), 0u) << (boxes.Count() ? boxes.Last().text : "");
  EXPECT_NE(dir.Read("VTLN-Log.log").find("is starting."), std::string::npos);
  EXPECT_EQ(engine->GetSettingFileName(false), "VTLN-Setting.ini");
  EXPECT_EQ(engine->GetSettingFileName(true), dir.File("VTLN-Setting.ini"));
  EXPECT_EQ(engine->GetProcessRecoveryFileName(false), "VTLN-ProcessRecovery.dat");
  EXPECT_FALSE(CVekEngineBase::SetEngine(nullptr));
  EXPECT_EQ(CVekEngineBase::GetEngine(), nullptr);
}

TEST_F(EngineTest, AMissingOrBadTagFileStopsTheStartUp) {
  std::remove(dir.File("VTLN-DCTags.dct").c_str());
  EXPECT_FALSE(CVekEngineBase::SetEngine(new TestEngine));
  ASSERT_GE(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "DataCenter Tags file not found!\n" + dir.File("VTLN-DCTags.dct"));
  CVekEngineBase::SetEngine(nullptr);

  dir.Write("VTLN-DCTags.dct", "1, A, NULL, , NULL, Flaot, 0, 0,\n");
  EXPECT_FALSE(CVekEngineBase::SetEngine(new TestEngine));
  EXPECT_NE(boxes.Last().text.find("field \"DataType\""), std::string::npos);
}

TEST_F(EngineTest, AMissingOrReadOnlyUserFileIsSaidButTheProgramStarts) {
  ASSERT_EQ(::chmod(dir.File("VTLN-VXC.sys").c_str(), 0444), 0);
  TestEngine* engine = Start();
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "Users file is Read-Only!\n" + dir.File("VTLN-VXC.sys"));
  EXPECT_EQ(CVekEngineBase::GetEngineAccessControl()->GetUsers().size(), 1u) << "its users still log in";
  CVekEngineBase::SetEngine(nullptr);
  (void)engine;

  std::remove(dir.File("VTLN-VXC.sys").c_str());
  boxes.Clear();
  Start();
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "Users file not found!\n" + dir.File("VTLN-VXC.sys"));
  EXPECT_TRUE(CVekEngineBase::GetEngineAccessControl()->GetUsers().empty());
}

TEST_F(EngineTest, AFirstStartInstallsTheDefaultUserFileSealed) {
  std::remove(dir.File("VTLN-VXC.sys").c_str());
  std::remove(dir.File("VTLN-VXC.key").c_str());
  TempDir shipped;
  shipped.Write("VTLN-VXC.sys",
                "[User-1]\r\nName=Admin\r\nPW=" + CVekEncryption::HashPassword("VekAdmin") + "\r\nGRP=128\r\n");
  auto* engine = new TestEngine;
  engine->SetDefaultUserFile(shipped.File("VTLN-VXC.sys"));
  ASSERT_TRUE(CVekEngineBase::SetEngine(engine));
  EXPECT_EQ(boxes.Count(), 0u) << (boxes.Count() ? boxes.Last().text : "");
  CVekAccessControl* access = CVekEngineBase::GetEngineAccessControl();
  ASSERT_NE(access->Authenticate("admin", "VekAdmin"), nullptr);
  EXPECT_TRUE(access->Authenticate("admin", "VekAdmin")->IsVekAdmin());
  EXPECT_EQ(access->GetGeneration(), 1u);
  EXPECT_NE(dir.Read("VTLN-Log.log").find("users (user file generation 1)"), std::string::npos);
}

TEST_F(EngineTest, AFirstStartThatCannotSealSaysSoOnceAndTheNextStartLogsInAdmin) {
  std::remove(dir.File("VTLN-VXC.key").c_str());
  const std::string unsealed =
      "[User-1]\r\nName=Admin\r\nPW=" + CVekEncryption::HashPassword("VekAdmin") + "\r\nGRP=128\r\n";
  TempDir shipped;
  shipped.Write("VTLN-VXC.sys", unsealed);
  struct Case {
    const char* name;
    bool bInstalled;  // the unsealed file is in the program folder already (else the default is installed)
  };
  for (const Case& c : {Case{"default, disk full", false}, Case{"unsealed file in place, read-only", true}}) {
    SCOPED_TRACE(c.name);
    std::remove(dir.File("VTLN-VXC.sys").c_str());
    if (c.bInstalled) {
      dir.Write("VTLN-VXC.sys", unsealed);
      ASSERT_EQ(::chmod(dir.File("VTLN-VXC.sys").c_str(), 0444), 0);
    } else {
      SetFileWriteFaultForTest([](FileWriteStep step, const std::string&) { return step == FileWriteStep::kWrite ? ENOSPC : 0; });
    }
    boxes.Clear();
    auto* engine = new TestEngine;
    engine->SetDefaultUserFile(shipped.File("VTLN-VXC.sys"));
    EXPECT_TRUE(CVekEngineBase::SetEngine(engine));
    SetFileWriteFaultForTest(nullptr);
    ASSERT_EQ(boxes.Count(), 1u) << "one box, not a second one blaming the file";
    EXPECT_NE(boxes.Last().text.find("cannot be sealed"), std::string::npos) << boxes.Last().text;
    EXPECT_TRUE(CVekEngineBase::GetEngineAccessControl()->GetUsers().empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("VTLN-VXC.key")));
    CVekEngineBase::SetEngine(nullptr);

    ::chmod(dir.File("VTLN-VXC.sys").c_str(), 0600);
    boxes.Clear();
    engine = new TestEngine;
    engine->SetDefaultUserFile(shipped.File("VTLN-VXC.sys"));
    EXPECT_TRUE(CVekEngineBase::SetEngine(engine));
    EXPECT_EQ(boxes.Count(), 0u) << boxes.Last().text;
    CVekAccessUser* admin = CVekEngineBase::GetEngineAccessControl()->Authenticate("Admin", "VekAdmin");
    ASSERT_NE(admin, nullptr);
    EXPECT_TRUE(admin->IsVekAdmin());
    CVekEngineBase::SetEngine(nullptr);
    std::remove(dir.File("VTLN-VXC.key").c_str());
  }
}

TEST_F(EngineTest, SettingsAreReadWithTheirDefaultsAndBadValuesSaySo) {
  dir.Write("VTLN-Setting.ini",
            "[Application]\nCoreControlType=PLC-Base\nnProcessInfoSamplingStackSize=5\n"
            "nRecordProcessInformationInterval=-30\nnAddProcessInfoToStackInterval=abc\nProcessPriority=Normal\n");
  TestEngine* engine = Start();
  EXPECT_EQ(engine->GetCoreControlType(), "PLC-Base");
  EXPECT_EQ(engine->GetProcessInfoStackSize(), 10) << "at least 10";
  EXPECT_EQ(engine->GetRecordProcessInfoInterval(), 30);
  EXPECT_EQ(engine->GetAddProcessInfoToStackInterval(), 1);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("nAddProcessInfoToStackInterval = \"abc\""), std::string::npos);

  engine->SetRecordProcessInfoInterval(-45);
  EXPECT_EQ(engine->GetRecordProcessInfoInterval(), 45);
  EXPECT_NE(dir.Read("VTLN-Setting.ini").find("nRecordProcessInformationInterval=45"), std::string::npos);
}

TEST_F(EngineTest, AnUnreadableSettingsFileIsReportedOnce) {
  // A folder in the file's place cannot be read, whoever runs the test.
  std::remove(dir.File("VTLN-Setting.ini").c_str());
  ASSERT_EQ(::mkdir(dir.File("VTLN-Setting.ini").c_str(), 0755), 0);
  TestEngine* engine = Start();
  ASSERT_EQ(boxes.Count(), 1u) << "one message, not one per value";
  EXPECT_EQ(boxes.Last().text.rfind("Settings file is not readable!\n", 0), 0u) << boxes.Last().text;
  EXPECT_NE(boxes.Last().text.find(dir.File("VTLN-Setting.ini") + "\" is a folder"), std::string::npos)
      << boxes.Last().text;
  EXPECT_EQ(engine->GetRecordProcessInfoInterval(), 60);
  EXPECT_EQ(engine->GetProcessInfoStackSize(), 60);
}

TEST_F(EngineTest, AFolderInPlaceOfADataFileIsSaidToBeAFolder) {
  std::remove(dir.File("VTLN-DCTags.dct").c_str());
  ASSERT_EQ(::mkdir(dir.File("VTLN-DCTags.dct").c_str(), 0755), 0);
  EXPECT_FALSE(CVekEngineBase::SetEngine(new TestEngine));
  ASSERT_GE(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "DataCenter Tags file is a folder!\n" + dir.File("VTLN-DCTags.dct"));
  const std::string log = dir.Read("VTLN-Log.log");
  EXPECT_NE(log.find("The tag file is a folder: " + dir.File("VTLN-DCTags.dct")), std::string::npos) << log;
  EXPECT_EQ(log.find("missing"), std::string::npos) << log;
}

TEST_F(EngineTest, NumbersAtTheEdgesOfAnIntAreHeldWithoutOverflow) {
  // -2147483648 has no positive int; the engine must not negate it. A stack
  // size that would take all the memory is cut to the largest allowed.
  dir.Write("VTLN-Setting.ini",
            "[Application]\nnProcessInfoSamplingStackSize=-2147483648\n"
            "nRecordProcessInformationInterval=-2147483648\n");
  TestEngine* engine = Start();
  EXPECT_EQ(engine->GetProcessInfoStackSize(), 100000);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("nProcessInfoSamplingStackSize = \"-2147483648\""), std::string::npos);
  EXPECT_NE(boxes.Last().text.find("at most 100000"), std::string::npos);
  EXPECT_EQ(engine->GetRecordProcessInfoInterval(), INT_MAX);
  engine->SetRecordProcessInfoInterval(5);
  engine->SetRecordProcessInfoInterval(INT_MIN);
  EXPECT_EQ(engine->GetRecordProcessInfoInterval(), INT_MAX);
}

// The sample stacks' size at its bounds: 10 to 100000 are taken as they
// are; less is raised to 10, more is cut to 100000 and said, naming the key.
TEST_F(EngineTest, TheStackSizeIsTakenAtItsBoundsAndOnePastIsHeldThere) {
  const struct {
    const char* text;
    int size;
    bool said;
  } cases[] = {{"10", 10, false}, {"9", 10, false}, {"100000", 100000, false}, {"100001", 100000, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    dir.Write("VTLN-Setting.ini", std::string("[Application]\nnProcessInfoSamplingStackSize=") + c.text + "\n");
    boxes.Clear();
    TestEngine* engine = Start();
    EXPECT_EQ(engine->GetProcessInfoStackSize(), c.size);
    ASSERT_EQ(boxes.Count(), c.said ? 1u : 0u);
    if (c.said) {
      EXPECT_NE(boxes.Last().text.find("nProcessInfoSamplingStackSize = \"100001\" in section [Application]"),
                std::string::npos)
          << boxes.Last().text;
      EXPECT_NE(boxes.Last().text.find("at most 100000"), std::string::npos) << boxes.Last().text;
    }
    CVekEngineBase::SetEngine(nullptr);
  }
}

TEST_F(EngineTest, UnknownControlTypeAndPriorityAreReported) {
  dir.Write("VTLN-Setting.ini", "[Application]\nCoreControlType=Cloud\nProcessPriority=Turbo\n");
  TestEngine* engine = Start();
  EXPECT_EQ(engine->GetCoreControlType(), "PC-Base");
  ASSERT_EQ(boxes.Count(), 2u);
  EXPECT_NE(boxes.Shown()[0].text.find("CoreControlType = \"Cloud\""), std::string::npos);
  EXPECT_NE(boxes.Shown()[1].text.find("ProcessPriority = \"Turbo\""), std::string::npos);
}

TEST_F(EngineTest, DemoStartsAtOnceAndItsCycleRunsThePlantOperations) {
  TestEngine* engine = Start();
  EXPECT_TRUE(engine->SetDataSourceType(1));
  EXPECT_TRUE(engine->IsDemoSource());
  EXPECT_TRUE(engine->IsDataSourceIdle());
  EXPECT_EQ(engine->readyWhileIdle, 1);
  engine->RunDataObtainerCycle();
  EXPECT_EQ(engine->demoInputs, 1);
  EXPECT_EQ(engine->demoFeedback, 1);
  EXPECT_EQ(engine->realHw, 0);
  EXPECT_EQ(engine->cycleEnd, 1);
  EXPECT_TRUE(engine->SetDataObtainerSuspended(true));
  EXPECT_EQ(engine->GetDataSourceText(), "Demo [Suspended]");
  engine->RunDataObtainerCycle();
  EXPECT_EQ(engine->cycleEnd, 1) << "a suspended data obtainer does nothing";
  engine->SetDataObtainerSuspended(false);
  EXPECT_TRUE(engine->SetDataSourceType(1)) << "the same source again changes nothing";
  EXPECT_EQ(engine->ready, 1);
}

TEST_F(EngineTest, RealHwWaitsForFirstReadsThenForcesThemOff) {
  TestEngine* engine = Start();
  CDataCenterBase* dc = CVekEngineBase::GetEngineDataCenter();
  ASSERT_TRUE(engine->SetDataSourceType(2));
  EXPECT_EQ(engine->GetSwitchState(), CVekEngineBase::eSwitchConnecting);
  EXPECT_EQ(dc->GetTotalReadPending(), 3) << "every hardware-linked tag";
  EXPECT_FALSE(engine->SetDataSourceType(1)) << "refused while connecting";
  EXPECT_FALSE(engine->SetDataSourceType(0));
  engine->RunDataObtainerCycle();
  EXPECT_EQ(engine->realHw, 1);

  clock.Advance(2900);
  engine->OnFirstReadTick();
  EXPECT_FALSE(engine->IsDataSourceIdle());
  EXPECT_EQ(engine->ready, 0);
  clock.Advance(100);
  engine->OnFirstReadTick();
  EXPECT_TRUE(engine->IsDataSourceIdle());
  EXPECT_EQ(dc->GetTotalReadPending(), 0);
  EXPECT_EQ(engine->readyWhileIdle, 1);
}

TEST_F(EngineTest, FirstReadsThatArriveEndTheWaitEarly) {
  TestEngine* engine = Start();
  CDataCenterBase* dc = CVekEngineBase::GetEngineDataCenter();
  ASSERT_TRUE(engine->SetDataSourceType(2));
  for (int i = 0; i < dc->GetTagCount(); ++i) dc->GetTagAt(i)->SetReadPending(false);
  engine->OnFirstReadTick();
  EXPECT_TRUE(engine->IsDataSourceIdle());
}

TEST_F(EngineTest, LeavingASourceWaitsForPendingsAndResetsTrends) {
  int trendResets = 0;
  CVekEngineBase::SetResetTrendStacksHandler([&] { ++trendResets; });
  TestEngine* engine = Start();
  CDataCenterBase* dc = CVekEngineBase::GetEngineDataCenter();
  ASSERT_TRUE(engine->SetDataSourceType(2));
  engine->OnFirstReadTick();
  clock.Advance(3000);
  engine->OnFirstReadTick();
  ASSERT_NE(dc->FindTag("Out1"), nullptr);
  dc->FindTag("Out1")->SetWritePending(true);  // a command no link will write
  ASSERT_TRUE(engine->SetDataSourceType(1));
  EXPECT_EQ(engine->waits, (std::vector<std::string>{"Waits to reset the Total Read Pending of Tags ...",
                                                     "Waits to reset the Total Write Pending of Tags ..."}));
  EXPECT_EQ(dc->GetTotalWritePending(), 0) << "forced off after the wait";
  EXPECT_EQ(trendResets, 2);
  EXPECT_EQ(engine->ready, 3) << "ready after Real HW, before closing it, ready after Demo";
  EXPECT_NE(dir.Read("VTLN-Log.log").find("were still write-pending"), std::string::npos);
  CVekEngineBase::SetResetTrendStacksHandler(nullptr);
}

TEST_F(EngineTest, TheDefaultWaitKeepsEventsFlowingAndTheFrameDisabledMeanwhile) {
  struct PlainEngine : CVekEngineBase {
    PlainEngine() { SetFileNames("VTLN"); }
  };
  auto* engine = new PlainEngine;
  ASSERT_TRUE(CVekEngineBase::SetEngine(engine));
  CWnd frame;
  ASSERT_TRUE(frame.Create("frame", 0, CRect(0, 0, 100, 100), nullptr, 0));
  CWnd view;
  ASSERT_TRUE(view.Create("view", WS_CHILD, CRect(0, 0, 50, 50), &frame, 1));
  engine->SetMainWnd(&view);
  CDataCenterBase* dc = CVekEngineBase::GetEngineDataCenter();
  ASSERT_TRUE(engine->SetDataSourceType(2));
  clock.Advance(3000);
  engine->OnFirstReadTick();
  ASSERT_NE(dc->FindTag("Out1"), nullptr);
  dc->FindTag("Out1")->SetWritePending(true);
  bool frameDisabled = false;
  // The link's answer arrives while the engine waits.
  PostToUiThread([&] {
    frameDisabled = !frame.IsWindowEnabled();
    dc->FindTag("Out1")->SetWritePending(false);
  });
  ASSERT_TRUE(engine->SetDataSourceType(1));
  EXPECT_TRUE(frameDisabled);
  EXPECT_TRUE(frame.IsWindowEnabled());
  EXPECT_EQ(dir.Read("VTLN-Log.log").find("were still write-pending"), std::string::npos);
  engine->ShutDown();
}

TEST_F(EngineTest, DemoPendingsAreCompletedRoundRobin) {
  std::string text;
  for (int i = 0; i < 120; ++i) text += "1, T" + std::to_string(i) + ", ADV, a, DUPLEX, Int, 0, 0,\n";
  dir.Write("VTLN-DCTags.dct", text);
  TestEngine* engine = Start();
  CDataCenterBase* dc = CVekEngineBase::GetEngineDataCenter();
  ASSERT_TRUE(engine->SetDataSourceType(1));
  ASSERT_EQ(dc->GetTagCount(), 120);
  for (int i : {0, 1, 2, 50, 119}) dc->GetTagAt(i)->SetWritePending(true);
  dc->GetTagAt(3)->SetReadPending(true);
  engine->CompleteDemoPendings();  // quota: 120 / 50 = 2
  EXPECT_FALSE(dc->GetTagAt(0)->IsWritePending());
  EXPECT_FALSE(dc->GetTagAt(1)->IsWritePending());
  EXPECT_TRUE(dc->GetTagAt(2)->IsWritePending());
  engine->CompleteDemoPendings();  // goes on from tag 2
  EXPECT_FALSE(dc->GetTagAt(2)->IsWritePending());
  EXPECT_FALSE(dc->GetTagAt(3)->IsReadPending());
  EXPECT_TRUE(dc->GetTagAt(50)->IsWritePending());
  dc->GetTagAt(0)->SetWritePending(true);
  engine->CompleteDemoPendings();  // 50 and 119, not yet 0 again
  EXPECT_EQ(dc->GetTotalWritePending(), 1);
  EXPECT_TRUE(dc->GetTagAt(0)->IsWritePending());
  engine->CompleteDemoPendings();  // wraps round: fewer than the quota pending ends after one round
  EXPECT_EQ(dc->GetTotalWritePending(), 0);
  engine->CompleteDemoPendings();
}

// Real HW on this build's link (none) says once per switch that the values
// are not the plant's; on a connected link it says nothing.
TEST_F(EngineTest, RealHwWithoutAConnectedLinkSaysSoOncePerSwitch) {
  for (const bool linked : {false, true}) {
    SCOPED_TRACE(linked ? "connected link" : "no link");
    boxes.Clear();
    TestEngine* engine = linked ? new LinkedTestEngine : new TestEngine;
    ASSERT_TRUE(CVekEngineBase::SetEngine(engine));
    const auto told = [&] {
      return std::count_if(boxes.Shown().begin(), boxes.Shown().end(), [](const MessageBoxRequest& r) {
        return r.text == CVekEngineBase::kNoHardwareLinkText;
      });
    };
    const auto connect = [&](int type) {
      ASSERT_TRUE(engine->SetDataSourceType(type));
      clock.Advance(CVekEngineBase::kFirstReadLimitMs);
      engine->OnFirstReadTick();
      ASSERT_TRUE(engine->IsDataSourceIdle());
    };
    connect(CVekEngineBase::eDataSourceDemo);
    EXPECT_EQ(told(), 0) << "Demo needs no link";
    connect(CVekEngineBase::eDataSourceRealHw);
    EXPECT_EQ(engine->IsHardwareLinkConnected(), linked);
    EXPECT_EQ(told(), linked ? 0 : 1);
    connect(CVekEngineBase::eDataSourceRealHw);
    EXPECT_EQ(told(), linked ? 0 : 1) << "choosing the active source again tells nothing more";
    connect(CVekEngineBase::eDataSourceNone);
    connect(CVekEngineBase::eDataSourceRealHw);
    EXPECT_EQ(told(), linked ? 0 : 2) << "a new switch to Real HW tells again";
    if (!linked) {
      EXPECT_EQ(boxes.Last().flags & MB_ICONEXCLAMATION, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
    CVekEngineBase::SetEngine(nullptr);
  }
}

TEST_F(EngineTest, SuspendingIsRefusedForOpcTagsInRealHw) {
  TestEngine* engine = Start();
  ASSERT_TRUE(engine->SetDataSourceType(2));
  EXPECT_FALSE(engine->SetDataObtainerSuspended(true));
  EXPECT_FALSE(engine->IsDataObtainerSuspended());
  EXPECT_EQ(boxes.Last().text, "Error: Suspending Data Obtainer is NOT supported for OPC Tags!");
}

TEST_F(EngineTest, ProcessInformationFollowsItsIntervals) {
  dir.Write("VTLN-Setting.ini",
            "[Application]\nnAddProcessInfoToStackInterval=2\nnRecordProcessInformationInterval=3\n");
  TestEngine* engine = Start();
  for (int i = 0; i < 6; ++i) engine->OnProcessInfoTick();
  EXPECT_EQ(engine->added, 3);
  EXPECT_EQ(engine->recorded, 2);
}

TEST_F(EngineTest, ARecordIntervalOfZeroRecordsNothingWhileSamplesGoOn) {
  dir.Write("VTLN-Setting.ini", "[Application]\nnRecordProcessInformationInterval=0\n");
  TestEngine* engine = Start();
  EXPECT_EQ(engine->GetRecordProcessInfoInterval(), 0);
  EXPECT_EQ(boxes.Count(), 0u);
  for (int i = 0; i < 5; ++i) engine->OnProcessInfoTick();
  EXPECT_EQ(engine->added, 5);
  EXPECT_EQ(engine->recorded, 0);
  engine->SetRecordProcessInfoInterval(2);
  for (int i = 0; i < 4; ++i) engine->OnProcessInfoTick();
  EXPECT_EQ(engine->recorded, 2);
  engine->SetRecordProcessInfoInterval(0);
  EXPECT_NE(dir.Read("VTLN-Setting.ini").find("nRecordProcessInformationInterval=0"), std::string::npos);
  for (int i = 0; i < 4; ++i) engine->OnProcessInfoTick();
  EXPECT_EQ(engine->recorded, 2) << "stopped again";
}

TEST_F(EngineTest, ThreadsRunTheirCyclesOnTheUserInterfaceThread) {
  TestEngine* engine = Start();
  core_test::NoticeWnd main;
  ASSERT_TRUE(engine->SetMainWnd(&main));
  EXPECT_TRUE(engine->AreThreadsRunning());
  ASSERT_TRUE(engine->SetDataSourceType(1));
  ASSERT_TRUE(WaitProcessingEvents([&] { return engine->demoInputs >= 2 && engine->control >= 2; }, 20000));
  engine->ShutDown();
  EXPECT_FALSE(engine->AreThreadsRunning());
  EXPECT_EQ(engine->GetDataSourceType(), 0);
  const int cycles = engine->cycleEnd;
  WaitProcessingEvents([] { return false; }, 50);
  EXPECT_EQ(engine->cycleEnd, cycles) << "no cycle after shut-down";
  engine->ShutDown();  // safe twice
}

TEST_F(EngineTest, TheDataCenterTellsTheMainWindowAboutPendings) {
  TestEngine* engine = Start();
  core_test::NoticeWnd main;
  engine->SetMainWnd(&main);
  ASSERT_TRUE(engine->SetDataSourceType(2));
  Deliver();
  ASSERT_FALSE(main.pending.empty());
  EXPECT_EQ(main.pending.front().second, 12);
  engine->ShutDown();
}

TEST_F(EngineTest, TheExitWatchdogEndsAProgramThatDoesNotClose) {
  TestEngine* engine = Start();
  CWnd frame;
  ASSERT_TRUE(frame.Create("frame", 0, CRect(0, 0, 100, 100), nullptr, 0));
  CWnd view;
  ASSERT_TRUE(view.Create("view", WS_CHILD, CRect(0, 0, 50, 50), &frame, 1));
  engine->SetMainWnd(&view);
  engine->OnExitWatchTick();  // not closing: nothing
  engine->ShutDown();
  clock.Advance(4999);
  engine->OnExitWatchTick();
  // Also, above all, while the session ends: that end is what hangs.
  RequestSessionEnd("SIGTERM");
  struct Forget {
    ~Forget() { ResetSessionEndForTest(); }
  } forget;
  try {
    clock.Advance(1);
    engine->OnExitWatchTick();
    FAIL() << "the watchdog must end the program";
  } catch (const ExitCalled& exit) {
    EXPECT_EQ(exit.code, 321);
  }
  EXPECT_NE(dir.Read("VTLN-Log.log").find("VekFrame is forced to exit!"), std::string::npos);
}

TEST_F(EngineTest, TheWatchdogIsQuietWhenTheWindowIsGone) {
  TestEngine* engine = Start();
  {
    CWnd frame;
    ASSERT_TRUE(frame.Create("frame", 0, CRect(0, 0, 100, 100), nullptr, 0));
    engine->SetMainWnd(&frame);
    engine->ShutDown();
  }
  clock.Advance(10000);
  engine->OnExitWatchTick();  // no exit
}

TEST_F(EngineTest, AlarmMessagesAreRecordedAndShown) {
  TestEngine* engine = Start();
  EXPECT_EQ(EngineShowAlarmMessage("Loop Automation Status", "quiet", -1), -1);
  EXPECT_EQ(boxes.Count(), 0u);
  boxes.QueueAnswer(IDOK);
  EXPECT_EQ(EngineShowAlarmMessage("ResetCommand1", "reset", MB_ICONEXCLAMATION | MB_SYSTEMMODAL), IDOK);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().caption, "ResetCommand1");
  EXPECT_EQ(boxes.Last().text.rfind("reset\n\nAlarm display time: 2024/05/01 10:00:00", 0), 0u) << boxes.Last().text;
  CAlarmBaseRS* alarms = engine->GetEngineTables().GetAlarmRS();
  ASSERT_NE(alarms, nullptr);
  EXPECT_EQ(alarms->GetRecordCount(), 2) << "both alarms are recorded, shown or not";
}

TEST_F(EngineTest, TheTagBrowserIsMadeOnceAndDestroyed) {
  TestEngine* engine = Start();
  int made = 0;
  CVekEngineBase::SetTagBrowserFactory([&]() -> CWnd* {
    ++made;
    auto* wnd = new CWnd;
    wnd->Create("RoveDazuvi Verov", WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0);
    return wnd;
  });
  engine->ShowTagBrowser();
  engine->ShowTagBrowser();
  EXPECT_EQ(made, 1);
  const HWND first = engine->GetTagBrowser()->m_hWnd;
  engine->GetTagBrowser()->DestroyWindow();  // closed by the user: stale
  engine->ShowTagBrowser();
  EXPECT_EQ(made, 2);
  EXPECT_FALSE(CWnd::IsWindow(first));
  engine->DestroyTagBrowser();
  EXPECT_EQ(engine->GetTagBrowser(), nullptr);
  CVekEngineBase::SetTagBrowserFactory(nullptr);
}

}  // namespace
