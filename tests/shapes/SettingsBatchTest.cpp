// Shapes that write many settings keys in one go replace the settings file
// once: the unbound-tag marks of a new tower and the colours saved when a
// window ends.
#include <gtest/gtest.h>

#include <memory>

#include "shapes/SpryDryr.h"
#include "shapes/fixture/ShapeFixture.h"
#include "shapes/fixture/TestShape.h"
#include "support/FileReplaceCount.h"

namespace {

using namespace shape_test;
using testing_support::FileReplaceCount;

TEST(SettingsBatchTest, TheTowersUnboundMarksReplaceTheFileOnceAndKeepConfiguredNames) {
  ShapeWorld world;
  C_SpryDryr tower(ShapeCreateInfo(0, 403, 100, 120, 700, 0, 0, "SpryDryr1"), 4, 5);
  const std::string section = "SprayDryer.SpryDryr1";
  const int bound = SD_InletTemperature;
  const int unresolved = SD_InletTemperature + 1;
  world.WriteSettings("[" + section + "]\n" + tower.GetAttribName(bound) + ".Tag=FloatIn\n" +
                      tower.GetAttribName(unresolved) + ".Tag=NoSuchTag\n");
  FileReplaceCount replacements;
  ASSERT_TRUE(world.Create(tower));
  EXPECT_EQ(replacements.Count(), 1);

  int marked = 0;
  for (int id = BA_COUNT; id < tower.GetAttribCount(); ++id) {
    const std::string name = tower.GetAttribName(id);
    const std::string tag = world.Setting(section, name + ".Tag");
    if (name.find("Reserve") != std::string::npos) {
      EXPECT_EQ(tag, "<absent>") << name;
    } else if (id == bound || id == unresolved) {
      EXPECT_EQ(tag, id == bound ? "FloatIn" : "NoSuchTag") << "a configured name is never overwritten";
    } else {
      EXPECT_EQ(tag, "_NO_DCTAG_") << name;
      ++marked;
    }
  }
  EXPECT_GT(marked, 150);
  tower.MarkUnboundAttribs();
  EXPECT_EQ(replacements.Count(), 1) << "marks the file holds already are not written again";
}

TEST(SettingsBatchTest, TheValuesSavedWhenTheWindowEndsReplaceTheFileOnce) {
  ShapeWorld world("[RtryMxr.Mixer1]\nDoOnOffSpeed.Tag=_NO_DCTAG_\n");
  auto shape = std::make_unique<TestShape>("Mixer1");
  ASSERT_TRUE(world.Create(*shape));
  shape->SetAttribFloat(BA_LoadInWay, 0.75f);
  shape->SetAttribInt(BA_ColorBG, 1);
  shape->SetAttribInt(BA_ColorFG, 2);
  shape->SetAttribInt(BA_ColorBody, 3);
  shape->SetAttribInt(BA_ActuatorControlType, 2);
  FileReplaceCount replacements;
  shape.reset();
  EXPECT_EQ(replacements.Count(), 1);
  const char* section = "RtryMxr.Mixer1";
  EXPECT_EQ(world.Setting(section, "LoadInWay.Data"), "0.75");
  EXPECT_EQ(world.Setting(section, "ColorBG.Data"), "1");
  EXPECT_EQ(world.Setting(section, "ColorFG.Data"), "2");
  EXPECT_EQ(world.Setting(section, "ColorBody.Data"), "3");
  EXPECT_EQ(world.Setting(section, "ActuatorControlType.Data"), "2");
}

}  // namespace
