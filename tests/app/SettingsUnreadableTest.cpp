// A settings file that exists but cannot be read refuses the program's
// start: its one box says so, naming the file and the cause (the engine on
// its own goes on with the defaults and says that instead).
#include <filesystem>

#include "AppTestSupport.h"

using namespace app_test;

namespace {

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(AppTest, ASettingsFileThatIsAFolderRefusesTheStartInOneBoxThatSaysSo) {
  std::filesystem::remove(File("-Setting.ini"));
  std::filesystem::create_directory(File("-Setting.ini"));
  MakeApp();
  EXPECT_EQ(app->RunProgram(), 1);
  exited = true;
  const std::vector<std::string> texts = BoxTexts();
  ASSERT_EQ(texts.size(), 1u) << texts.back();
  EXPECT_TRUE(Holds(texts[0], File("-Setting.ini") + "\" is a folder")) << texts[0];
  EXPECT_TRUE(Holds(texts[0], "VekFrame cannot start")) << texts[0];
  EXPECT_FALSE(Holds(texts[0], "takes its default")) << texts[0];
  EXPECT_EQ(boxes.Last().flags & (MB_ICONHAND | MB_SYSTEMMODAL), MB_ICONHAND | MB_SYSTEMMODAL);
  const std::string log = dir.Read(code + "-Log.log");
  EXPECT_TRUE(Holds(log, "the start is refused")) << log;
  EXPECT_FALSE(Holds(log, "Engine started")) << "nothing is started for a refused start\n" << log;
}

}  // namespace
